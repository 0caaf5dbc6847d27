#pragma once

#include "app/designersession.h"

#include <QMainWindow>

#include <array>
#include <memory>

class QAction;
class QMenu;

namespace qv::gui {

class DesignEditor;

// The designer's main window: the project commands of the File menu and the design
// editor (canvas, toolbox, Edit and Insert menus).
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(DesignerSession session, QWidget* parent = nullptr);
    ~MainWindow() override;

    const ProjectDocument& document() const { return session_.document; }
    DesignEditor& editor() { return *editor_; }
    // Shows the messages start-up collected, once the window is up.
    void reportStartupMessages();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
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
    std::array<QAction*, kRecentProjectCount> recentActions_{};
    QMenu* fileMenu_ = nullptr;
    // After the session: it edits the session's document and goes first.
    std::unique_ptr<DesignEditor> editor_;
};

} // namespace qv::gui
