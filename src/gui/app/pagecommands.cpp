#include "app/pagecommands.h"

#include "app/linepropertieswindow.h"
#include "canvas/designdocument.h"
#include "designer/createtable.h"
#include "designer/pageoperations.h"
#include "document/projectdocument.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

namespace qv::gui {

PageCommands::PageCommands(DesignDocument& document, QWidget* window)
    : QObject(window), document_(document), window_(window)
{
    moveToPage_ = new QMenu(QStringLiteral("Move to Page...."), window);
    for (int page = 0; page < kPageCount; ++page) {
        QAction* item = moveToPage_->addAction(QString());
        connect(item, &QAction::triggered, this, [this, page] { moveToPage(page); });
        pageItems_[static_cast<size_t>(page)] = item;
    }
    createTable_ = new QMenu(QStringLiteral("Create Table..."), window);
    for (int columns : {1, 2, 3, 4, 6, 7, 8}) {
        const QString caption = columns == 1 ? tr("1 Column") : tr("%1 Columns").arg(columns);
        QAction* item = createTable_->addAction(caption);
        connect(item, &QAction::triggered, this, [this, columns] { createTable(columns); });
    }
    editLines_ = new QAction(QStringLiteral("Edit Lines"), window);
    connect(editLines_, &QAction::triggered, this, &PageCommands::editLines);
    connect(&document_, &DesignDocument::changed, this, &PageCommands::update);
    update(DocumentChange{DocumentChange::Reload, {}, {}});
}

PageCommands::~PageCommands()
{
    delete lines_;
}

void PageCommands::addTo(QMenu* menu) const
{
    menu->addMenu(moveToPage_);
    menu->addMenu(createTable_);
    menu->addAction(editLines_);
}

void PageCommands::moveToPage(int page)
{
    document_.command([page](Designer& d) { qv::moveToPage(d, page); });
}

void PageCommands::createTable(int columns)
{
    const Outcome outcome =
        document_.command([columns](Designer& d) { return qv::createTable(d, columns); });
    if (!outcome.text.empty())
        emit message(QString::fromStdString(outcome.text));
}

void PageCommands::editLines()
{
    if (lines_ == nullptr)
        lines_ = new LinePropertiesWindow(document_, window_);
    lines_->show();
    lines_->raise();
    lines_->activateWindow();
}

void PageCommands::update(const DocumentChange& change)
{
    if (change.has(DocumentChange::Settings) || change.has(DocumentChange::Reload)) {
        const AppSettings& a = document_.document().settings;
        for (int page = 0; page < kPageCount; ++page)
            pageItems_[static_cast<size_t>(page)]->setText(
                QString::fromStdString(a.pageButtonCaptions[static_cast<size_t>(page)]));
    }
    if (change.has(DocumentChange::Selection) || change.has(DocumentChange::Reload)) {
        const SelectionState& s = document_.selection();
        moveToPage_->setEnabled(!s.targets().empty());
        createTable_->setEnabled(s.bandVisible);
    }
}

} // namespace qv::gui
