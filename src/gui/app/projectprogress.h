#pragma once

#include <QProgressBar>

namespace qv::gui {

// The main window's progress bar: shows what is being done ("Loading...", "Saving...")
// while a project is read or written, and nothing otherwise. The work runs in the event
// handler that started it; the bar is drawn before it starts.
class ProjectProgress : public QProgressBar {
    Q_OBJECT
public:
    explicit ProjectProgress(QWidget* parent = nullptr);

    void begin(const QString& caption);
    void end();
};

} // namespace qv::gui
