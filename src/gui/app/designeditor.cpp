#include "app/designeditor.h"

#include "app/canvassettingsmenu.h"
#include "app/editcommands.h"
#include "app/insertcommands.h"
#include "app/pagecommands.h"
#include "app/pagesizemenu.h"
#include "app/toolbox.h"
#include "app/uilanguage.h"
#include "canvas/canvaspane.h"
#include "canvas/designdocument.h"
#include "canvas/designscene.h"
#include "canvas/designview.h"
#include "document/languagetable.h"
#include "panel/propertypanel.h"

#include <QDockWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>

namespace qv::gui {

DesignEditor::DesignEditor(ProjectDocument& document, const LanguageTable* language,
                           QMainWindow* window)
    : window_(window), document_(std::make_unique<DesignDocument>(document, language)),
      language_(language)
{
    canvas_ = new CanvasPane(*document_, window);
    toolbox_ = new Toolbox(*document_, window);
    edit_ = new EditCommands(*document_, window);
    pages_ = new PageCommands(*document_, window);
    insert_ = new InsertCommands(*document_, window);
    panel_ = new PropertyPanel(
        *document_, language, [this](ObjectRef ref) { return canvas_->scene().shownRect(ref); },
        window);
    pageSize_ = new PageSizeMenu(*document_, language, window);
    canvasSettings_ = new CanvasSettingsMenu(*document_, language, window);
    connect(toolbox_, &Toolbox::message, this, &DesignEditor::showMessage);
    connect(edit_, &EditCommands::message, this, &DesignEditor::showMessage);
    connect(pages_, &PageCommands::message, this, &DesignEditor::showMessage);
    connect(&canvas_->view(), &DesignView::contextMenuRequested, this,
            &DesignEditor::showContextMenu);
    connect(&canvas_->view(), &DesignView::propertiesRequested, this,
            [this](ObjectRef ref) { showMessage(propertiesMessage(ref)); });
}

DesignEditor::~DesignEditor()
{
    // The windows and commands hold references to the document: they go first.
    delete canvas_;
    if (dock_ != nullptr)
        delete dock_; // with the panel in it
    else
        delete panel_;
    delete pageSize_;
    delete canvasSettings_;
    delete toolbox_;
    delete pages_;
    delete insert_;
    delete edit_;
}

void DesignEditor::install(QMenu* after)
{
    window_->setCentralWidget(canvas_);
    window_->addToolBar(Qt::LeftToolBarArea, toolbox_);
    dock_ = new QDockWidget(panel_->caption(), window_);
    dock_->setObjectName(QStringLiteral("PropertyDock"));
    dock_->setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
    dock_->setWidget(panel_);
    window_->addDockWidget(Qt::RightDockWidgetArea, dock_);

    QMenuBar* bar = window_->menuBar();
    editMenu_ = new QMenu(window_);
    editMenu_->setObjectName(QStringLiteral("EditMenu"));
    edit_->addTo(editMenu_);
    editMenu_->addSeparator();
    pages_->addTo(editMenu_);
    insertMenu_ = new QMenu(window_);
    insertMenu_->setObjectName(QStringLiteral("InsertMenu"));
    insert_->addTo(insertMenu_);
    QAction* before = nullptr;
    if (after != nullptr) {
        const QList<QAction*> menus = bar->actions();
        const auto at = std::find(menus.begin(), menus.end(), after->menuAction());
        if (at != menus.end() && at + 1 != menus.end())
            before = *(at + 1);
    }
    formatMenu_ = new QMenu(window_);
    formatMenu_->setObjectName(QStringLiteral("FormatMenu"));
    formatMenu_->addMenu(pageSize_->menu());
    formatMenu_->addSeparator();
    canvasSettings_->addTo(formatMenu_);
    bar->insertMenu(before, editMenu_);
    bar->insertMenu(before, insertMenu_);
    bar->insertMenu(before, formatMenu_);
    retranslate();
}

void DesignEditor::setFontFamilies(const QStringList& families)
{
    panel_->setFontFamilies(families);
}

void DesignEditor::retranslate()
{
    panel_->retranslate();
    pageSize_->retranslate();
    canvasSettings_->retranslate();
    if (dock_ != nullptr)
        dock_->setWindowTitle(panel_->caption());
    if (editMenu_ != nullptr)
        editMenu_->setTitle(languageText(language_, text::EditMenu, "&Edit"));
    if (insertMenu_ != nullptr)
        insertMenu_->setTitle(languageText(language_, text::InsertMenu, "&Insert"));
    if (formatMenu_ != nullptr)
        formatMenu_->setTitle(languageText(language_, text::FormatMenu, "F&ormat"));
}

void DesignEditor::documentReplaced()
{
    document_->documentReplaced();
}

void DesignEditor::setMessageHandler(std::function<void(const QString&)> handler)
{
    messageHandler_ = std::move(handler);
}

void DesignEditor::showMessage(const QString& text)
{
    if (messageHandler_)
        messageHandler_(text);
    else
        QMessageBox::information(window_, window_->windowTitle(), text);
}

void DesignEditor::showContextMenu(const QPoint& globalPos)
{
    auto* menu = new QMenu(window_);
    menu->setObjectName(QStringLiteral("CanvasMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    edit_->addTo(menu);
    menu->addSeparator();
    pages_->addTo(menu);
    menu->popup(globalPos);
}

QString DesignEditor::propertiesMessage(ObjectRef ref)
{
    const char* dialog = "";
    switch (ref.kind) {
    case ObjectKind::Field: dialog = "Field"; break;
    case ObjectKind::Notes: dialog = "Text Box..."; break;
    case ObjectKind::Combo: dialog = "Combo Box..."; break;
    case ObjectKind::Picture: dialog = "Picture Box..."; break;
    case ObjectKind::Checkbox: dialog = "Check Box"; break;
    case ObjectKind::Title: dialog = "Label..."; break;
    case ObjectKind::Square: dialog = "Shape..."; break;
    case ObjectKind::Button: dialog = "Button Properties..."; break;
    case ObjectKind::Script: dialog = "Script Code..."; break;
    case ObjectKind::Line: dialog = "Line Properties"; break;
    }
    return tr("The \"%1\" dialog will edit %2 %3 here. It is not part of this version yet.")
        .arg(QString::fromUtf8(dialog),
             QString::fromUtf8(kindName(ref.kind).data(),
                               static_cast<qsizetype>(kindName(ref.kind).size())))
        .arg(ref.index);
}

} // namespace qv::gui
