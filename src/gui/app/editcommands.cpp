#include "app/editcommands.h"

#include "canvas/designdocument.h"
#include "designer/canvasoperations.h"
#include "designer/clipboardtext.h"
#include "designer/objectdeletion.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QWidget>

namespace qv::gui {

namespace {

QAction* makeAction(QWidget* window, const QString& text, const QList<QKeySequence>& keys)
{
    auto* action = new QAction(text, window);
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    window->addAction(action);
    return action;
}

} // namespace

EditCommands::EditCommands(DesignDocument& document, QWidget* window)
    : QObject(window), document_(document)
{
    undo_ = makeAction(window, QStringLiteral("Undo"), {QKeySequence(Qt::CTRL | Qt::Key_Z)});
    redo_ = makeAction(
        window, QStringLiteral("Redo"),
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    copy_ = makeAction(window, QStringLiteral("Copy..."), {QKeySequence(Qt::CTRL | Qt::Key_C)});
    paste_ = makeAction(window, QStringLiteral("Paste..."), {QKeySequence(Qt::CTRL | Qt::Key_V)});
    delete_ = makeAction(window, QStringLiteral("Delete..."), {QKeySequence(Qt::Key_Delete)});
    selectAll_ =
        makeAction(window, QStringLiteral("Select All..."), {QKeySequence(Qt::CTRL | Qt::Key_A)});
    connect(undo_, &QAction::triggered, this, [this] { document_.undo(); });
    connect(redo_, &QAction::triggered, this, [this] { document_.redo(); });
    connect(copy_, &QAction::triggered, this, &EditCommands::copy);
    connect(paste_, &QAction::triggered, this, &EditCommands::paste);
    connect(delete_, &QAction::triggered, this, &EditCommands::deleteSelection);
    connect(selectAll_, &QAction::triggered, this, &EditCommands::selectAll);
    connect(&document_, &DesignDocument::changed, this, &EditCommands::update);
    update(DocumentChange{DocumentChange::Reload, {}, {}});
}

void EditCommands::addTo(QMenu* menu) const
{
    menu->addAction(undo_);
    menu->addAction(redo_);
    menu->addSeparator();
    menu->addAction(copy_);
    menu->addAction(paste_);
    menu->addAction(delete_);
    menu->addSeparator();
    menu->addAction(selectAll_);
}

void EditCommands::copy()
{
    const std::string text = document_.run([](Designer& d) { return copySelection(d); });
    if (text.empty())
        return;
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

void EditCommands::paste()
{
    const std::string text = QGuiApplication::clipboard()->text().toStdString();
    const Outcome outcome =
        document_.command([&](Designer& d) { return pasteClipboardText(d, text); });
    if (!outcome.text.empty())
        emit message(QString::fromStdString(outcome.text));
}

void EditCommands::deleteSelection()
{
    document_.command([](Designer& d) { qv::deleteSelection(d); });
}

void EditCommands::selectAll()
{
    document_.command([](Designer& d) { qv::selectAll(d); });
}

void EditCommands::update(const DocumentChange& change)
{
    if (change.has(DocumentChange::History) || change.has(DocumentChange::Reload)) {
        undo_->setEnabled(document_.canUndo());
        redo_->setEnabled(document_.canRedo());
        undo_->setToolTip(document_.canUndo() ? QStringLiteral("Undo ") + document_.undoName()
                                              : QStringLiteral("Undo"));
        redo_->setToolTip(document_.canRedo() ? QStringLiteral("Redo ") + document_.redoName()
                                              : QStringLiteral("Redo"));
    }
    if (change.has(DocumentChange::Selection) || change.has(DocumentChange::Reload)) {
        const bool any = !document_.selection().targets().empty();
        copy_->setEnabled(any);
        delete_->setEnabled(any);
    }
}

} // namespace qv::gui
