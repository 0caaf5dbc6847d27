#pragma once

#include "designer/objectref.h"

#include <QObject>
#include <QStringList>

#include <functional>
#include <memory>

class QDockWidget;
class QMainWindow;
class QMenu;

namespace qv {
class LanguageTable;
struct ProjectDocument;
} // namespace qv

namespace qv::gui {

class CanvasPane;
class CanvasSettingsMenu;
class DesignDocument;
class EditCommands;
class InsertCommands;
class PageCommands;
class PageSizeMenu;
class PropertyPanel;
class Toolbox;

// Everything of the main window that edits the design, put together: the design document
// with its change signal, the canvas pane in the middle, the toolbox at the left, the
// property panel at the right, the Edit, Insert and Format menus (page size, unit, grid)
// and the canvas's right-button menu. The main window owns it and only installs it; it is no child
// of the window, so that it goes (with the widgets it made) before the document it edits.
class DesignEditor : public QObject {
    Q_OBJECT
public:
    // `document` and `language` belong to the caller and outlive the editor.
    DesignEditor(ProjectDocument& document, const LanguageTable* language, QMainWindow* window);
    ~DesignEditor() override;

    // Puts the canvas, the toolbox and the panel into the window; the Edit, Insert and
    // Format menus go after the menu `after` of its menu bar (at the end when null).
    void install(QMenu* after = nullptr);

    DesignDocument& document() { return *document_; }
    CanvasPane& canvas() { return *canvas_; }
    Toolbox& toolbox() { return *toolbox_; }
    EditCommands& editCommands() { return *edit_; }
    PageCommands& pageCommands() { return *pages_; }
    InsertCommands& insertCommands() { return *insert_; }
    PropertyPanel& panel() { return *panel_; }
    PageSizeMenu& pageSizeMenu() { return *pageSize_; }
    CanvasSettingsMenu& canvasSettingsMenu() { return *canvasSettings_; }

    // The installed font families, for the panel's font box.
    void setFontFamilies(const QStringList& families);
    // Takes the language texts again (the language table changed).
    void retranslate();

    // The caller put another design into the document (a project was opened).
    void documentReplaced();

    // Shows the editor's messages to the user (a message box unless replaced).
    void setMessageHandler(std::function<void(const QString&)> handler);
    void showMessage(const QString& text);

    // The text of the message the property arrow shows for an object, naming the dialog
    // that edits it.
    static QString propertiesMessage(ObjectRef ref);

private:
    void showContextMenu(const QPoint& globalPos);

    QMainWindow* window_;
    std::unique_ptr<DesignDocument> document_;
    CanvasPane* canvas_ = nullptr;
    Toolbox* toolbox_ = nullptr;
    EditCommands* edit_ = nullptr;
    PageCommands* pages_ = nullptr;
    InsertCommands* insert_ = nullptr;
    PropertyPanel* panel_ = nullptr;
    PageSizeMenu* pageSize_ = nullptr;
    CanvasSettingsMenu* canvasSettings_ = nullptr;
    const LanguageTable* language_ = nullptr;
    QDockWidget* dock_ = nullptr;
    QMenu* editMenu_ = nullptr;
    QMenu* insertMenu_ = nullptr;
    QMenu* formatMenu_ = nullptr;
    std::function<void(const QString&)> messageHandler_;
};

} // namespace qv::gui
