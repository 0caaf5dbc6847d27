#pragma once

#include "app/designersession.h"

#include <QMainWindow>

#include <array>
#include <memory>

class QAction;
class QGraphicsView;
class QPushButton;

namespace qv::gui {

class DesignScene;

// The designer's main window: the project commands of the File menu, the page buttons and
// the designed window drawn page by page.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(DesignerSession session, QWidget* parent = nullptr);
    ~MainWindow() override;

    const ProjectDocument& document() const { return session_.document; }
    // Shows the messages start-up collected, once the window is up.
    void reportStartupMessages();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void buildPageButtons(QWidget* bar);
    void newProject();
    void openProject();
    void openRecent(int index);
    bool save(bool saveAs);
    void exitProgram();
    // Reads a project into a new document; the open one stays when it cannot be read.
    bool load(const QString& path, bool keepDefaultFont);
    bool askToSaveChanges();
    void showPage(int page);
    void documentReplaced();
    void refreshRecentMenu();
    void updateCaption();

    DesignerSession session_;
    std::string savePath_; // where the project was last opened or saved through a dialog
    std::unique_ptr<DesignScene> scene_;
    QGraphicsView* view_ = nullptr;
    std::array<QPushButton*, 5> pageButtons_{};
    std::array<QAction*, kRecentProjectCount> recentActions_{};
};

} // namespace qv::gui
