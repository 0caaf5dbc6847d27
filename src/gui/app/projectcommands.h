#pragma once

#include "document/recentprojects.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <array>
#include <string>

class QAction;
class QMenu;
class QMenuBar;
class QToolBar;

namespace qv::gui {

class MainWindow;
class TemplateChooser;

// The File menu: which project file the open document belongs to. New, Open, the five
// recent projects, Save, Save As, the example templates and Exit; every project read or
// written shows the progress bar, and one that cannot be read or written is named in a
// message while the open document stays as it was.
class ProjectCommands : public QObject {
    Q_OBJECT
public:
    explicit ProjectCommands(MainWindow& window);
    ~ProjectCommands() override;

    // Adds the File menu to the menu bar.
    void addTo(QMenuBar& bar);
    // Adds the "Open Project.." and "Save Project..." buttons to a tool bar.
    void addButtonsTo(QToolBar& bar);
    void retranslate();

    void newProject();
    void openProject();
    void openRecent(int index);
    // Save (false) or Save As (true); false when nothing was written.
    bool save(bool saveAs);
    void showTemplates();
    void openTemplate(const QString& path);
    void exitProgram();

    // Asks, when the document was changed, whether to save it first (message 65). False
    // when the user cancelled or the save did not happen: the caller must not go on.
    bool askToSaveChanges();

    // Where the project was last opened or saved through a dialog or a recent entry.
    const std::string& savePath() const { return savePath_; }
    QMenu* fileMenu() const { return fileMenu_; }
    TemplateChooser* templateChooser() const { return chooser_; }

private:
    // Reads a project into a new document; the open one stays when it cannot be read.
    bool load(const QString& path, bool newProject);
    QString chooseSavePath();
    void refreshRecentMenu();

    MainWindow& window_;
    std::string savePath_;
    QMenu* fileMenu_ = nullptr;
    QAction* new_ = nullptr;
    QAction* open_ = nullptr;
    QAction* save_ = nullptr;
    QAction* saveAs_ = nullptr;
    QAction* templates_ = nullptr;
    QAction* exit_ = nullptr;
    QAction* openButton_ = nullptr;
    QAction* saveButton_ = nullptr;
    std::array<QAction*, kRecentProjectCount> recent_{};
    QPointer<TemplateChooser> chooser_;
};

} // namespace qv::gui
