#pragma once

#include "app/designersession.h"

#include <QMainWindow>

#include <functional>
#include <memory>

namespace qv::gui {

class DesignEditor;
class LanguageMenu;
class ProjectCommands;
class ProjectProgress;
class UiLanguage;

// The designer's main window: the File and Language menus, the progress bar and the design
// editor (canvas, toolbox, Edit and Insert menus). It owns start-up's session and places
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
    DesignEditor& editor() { return *editor_; }

    // Shows the messages start-up collected, once the window is up.
    void reportStartupMessages();
    // Shows what the session had to say since (a language file's warnings, a settings
    // file that could not be written) and forgets it.
    void reportMessages();
    // The one way to put another document in place (New, Open, a recent project, a
    // template): everything that shows the document takes it from here.
    void replaceDocument(ProjectDocument document);
    // Changes the document's application-wide settings outside the canvas (a language
    // switch) as one undo step named `name`; `change` says whether it changed anything.
    bool changeSettings(const QString& name, const std::function<bool(AppSettings&)>& change);
    void showPage(int page);
    void updateCaption();
    // Ends the program without the shutdown steps (the Exit command).
    void endProgram();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void documentReplaced();
    void applyLanguage();

    DesignerSession session_;
    std::unique_ptr<UiLanguage> language_;
    std::unique_ptr<ProjectCommands> commands_;
    std::unique_ptr<LanguageMenu> languageMenu_;
    ProjectProgress* progress_ = nullptr;
    bool endingWithoutShutdown_ = false;
    // Last, so that it goes first: it edits the session's document.
    std::unique_ptr<DesignEditor> editor_;
};

} // namespace qv::gui
