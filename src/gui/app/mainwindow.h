#pragma once

#include "app/designersession.h"

#include <QMainWindow>

#include <array>
#include <memory>

class QGraphicsView;
class QPushButton;

namespace qv::gui {

class DesignScene;
class LanguageMenu;
class ProjectCommands;
class ProjectProgress;
class UiLanguage;

// The designer's main window: the File and Language menus, the page buttons, the progress
// bar and the designed window drawn page by page. It owns start-up's session and places
// itself where it was left.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(DesignerSession session, QWidget* parent = nullptr);
    ~MainWindow() override;

    const ProjectDocument& document() const { return session_.document; }
    DesignerSession& session() { return session_; }
    UiLanguage& language() { return *language_; }
    ProjectProgress& progress() { return *progress_; }
    ProjectCommands& projectCommands() { return *commands_; }

    // Shows the messages start-up collected, once the window is up.
    void reportStartupMessages();
    // The one way to put another document in place (New, Open, a recent project, a
    // template): everything that shows the document takes it from here.
    void replaceDocument(ProjectDocument document);
    // The open document was changed outside the canvas (a language switch).
    void documentChanged();
    void showPage(int page);
    void updateCaption();
    // Ends the program without the shutdown steps (the Exit command).
    void endProgram();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildPageButtons(QWidget* bar);
    void documentReplaced();
    void applyLanguage();

    DesignerSession session_;
    std::unique_ptr<UiLanguage> language_;
    std::unique_ptr<DesignScene> scene_;
    std::unique_ptr<ProjectCommands> commands_;
    std::unique_ptr<LanguageMenu> languageMenu_;
    QGraphicsView* view_ = nullptr;
    ProjectProgress* progress_ = nullptr;
    std::array<QPushButton*, 5> pageButtons_{};
    bool endingWithoutShutdown_ = false;
};

} // namespace qv::gui
