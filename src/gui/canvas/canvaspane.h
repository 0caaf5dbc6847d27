#pragma once

#include <QString>
#include <QWidget>

#include <array>
#include <memory>

class QComboBox;
class QPushButton;
class QTimer;

namespace qv::gui {

class DesignDocument;
class DesignScene;
class DesignView;
struct DocumentChange;

// The design canvas window (form2) as a pane of the main window: the page tabs (PGE) in
// the page's colour, the drawing surface and the zoom box. Each page gets its scene the
// first time it is shown and keeps it until another document is opened, so that a page
// switch only shows another scene. Its timer (Timer2) keeps the clock label's caption at
// the time of day.
class CanvasPane : public QWidget {
    Q_OBJECT
public:
    explicit CanvasPane(DesignDocument& document, QWidget* parent = nullptr);
    ~CanvasPane() override;

    // The scene of the page shown.
    DesignScene& scene();
    DesignView& view() { return *view_; }
    QPushButton* pageTab(int page) const { return tabs_[static_cast<size_t>(page)]; }
    QComboBox* zoomBox() const { return zoomBox_; }

private:
    void apply(const DocumentChange& change);
    void showCurrentScene();
    void updateTabs();
    void showZoom(int percent);
    void zoomTyped();
    void tick();

    DesignDocument& document_;
    std::array<std::unique_ptr<DesignScene>, 5> scenes_;
    DesignView* view_ = nullptr;
    QWidget* tabBar_ = nullptr;
    std::array<QPushButton*, 5> tabs_{};
    QComboBox* zoomBox_ = nullptr;
    QTimer* clock_ = nullptr;
    QString clockCaption_;
};

} // namespace qv::gui
