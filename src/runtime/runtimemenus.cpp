// The menus of the designed window, with the captions the design gave them.
#include "runtimewindow.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>

namespace qv::runtime {

namespace {

QString captionOr(const std::string& caption, const char* fallback)
{
    return caption.empty() ? QString::fromLatin1(fallback) : QString::fromStdString(caption);
}

// Cut, copy and paste act on the control being typed into.
template <class Act> void onFocusedText(Act act)
{
    QWidget* focus = QApplication::focusWidget();
    if (auto* line = qobject_cast<QLineEdit*>(focus))
        act(line);
    else if (auto* memo = qobject_cast<QPlainTextEdit*>(focus))
        act(memo);
}

} // namespace

void RuntimeWindow::buildMenus()
{
    auto caption = [this](MenuCaption which, const char* fallback) {
        return captionOr(data_.menuCaptions[static_cast<size_t>(which)], fallback);
    };
    auto item = [this](QMenu* menu, const QString& text, auto slot) {
        QAction* action = menu->addAction(text);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };

    QMenu* file = menuBar()->addMenu(caption(MenuCaption::Fmenu, "&File"));
    item(file, caption(MenuCaption::newin, "Create"), &RuntimeWindow::copyToNewRecord);
    item(file, caption(MenuCaption::Deletemarkrec, "New Record"), &RuntimeWindow::newRecord);
    item(file, caption(MenuCaption::Erasefile, "Clear Record"), &RuntimeWindow::clearRecord);
    item(file, captionOr(data_.deleteRecordMenuCaption, "Delete Record"),
         &RuntimeWindow::deleteRecord);
    file->addSeparator();
    QAction* print = file->addAction(caption(MenuCaption::Printingit, "Print"));
    connect(print, &QAction::triggered, this, [this] { this->print(0); });
    // The print-report menu: one entry per designed report, by its name.
    for (size_t r = 1; r < data_.reports.size(); ++r) {
        if (data_.reports[r].caption.empty())
            continue;
        QAction* report = file->addAction(QString::fromStdString(data_.reports[r].caption));
        connect(report, &QAction::triggered, this, [this, r] { this->print(static_cast<int>(r)); });
    }
    QMenu* view = file->addMenu(captionOr(data_.viewMenuTitle, "View Document"));
    for (int p = 0; p < kFilePlateCount; ++p) {
        const FilePlate& plate = data_.filePlates[static_cast<size_t>(p)];
        if (plate.extension.empty())
            continue;
        const std::string& shown = data_.viewDocumentCaptions[static_cast<size_t>(p)];
        QAction* action = view->addAction(shown.empty() ? QString::fromStdString(plate.extension)
                                                        : QString::fromStdString(shown));
        connect(action, &QAction::triggered, this, [this, p] { viewDocument(p); });
    }
    view->menuAction()->setVisible(!view->isEmpty());
    item(file, caption(MenuCaption::importmenu, "Import"), &RuntimeWindow::importRecords);
    if (data_.exportOption != 0)
        item(file, caption(MenuCaption::expot, "Export"), &RuntimeWindow::exportRecords);
    file->addSeparator();
    item(file, caption(MenuCaption::Exitit, "Exit"), &QWidget::close);

    QMenu* edit = menuBar()->addMenu(caption(MenuCaption::ops, "&Edit"));
    QAction* cut = edit->addAction(caption(MenuCaption::Cuting, "Cut"));
    connect(cut, &QAction::triggered, this, [] { onFocusedText([](auto* w) { w->cut(); }); });
    QAction* copy = edit->addAction(caption(MenuCaption::copying, "Copy..."));
    connect(copy, &QAction::triggered, this, [] { onFocusedText([](auto* w) { w->copy(); }); });
    QAction* paste = edit->addAction(caption(MenuCaption::pasting, "Paste..."));
    connect(paste, &QAction::triggered, this, [] { onFocusedText([](auto* w) { w->paste(); }); });
    item(edit, caption(MenuCaption::copyadress, "Copy All..."), &RuntimeWindow::copyAll);
    if (!data_.replaceMenuCaption.empty())
        item(edit, QString::fromStdString(data_.replaceMenuCaption), &RuntimeWindow::replaceValues);
    edit->addSeparator();
    if (data_.calculatorMenuVisible)
        item(edit, caption(MenuCaption::Cal, "Calculator"), &RuntimeWindow::showCalculator);
    item(edit, caption(MenuCaption::newview, "New View"), &RuntimeWindow::newView);
    item(edit, captionOr(data_.statisticsCaption, "Statistics"), &RuntimeWindow::showStatistics);

    QMenu* search = menuBar()->addMenu(caption(MenuCaption::Finding, "&Search"));
    item(search, caption(MenuCaption::Mlist, "Search"), &RuntimeWindow::search);
    QAction* az = search->addAction(caption(MenuCaption::findenSortAZ, "Sort A-Z"));
    connect(az, &QAction::triggered, this, [this] { sort(false); });
    QAction* za = search->addAction(caption(MenuCaption::findenSortZA, "Sort Z-A"));
    connect(za, &QAction::triggered, this, [this] { sort(true); });
    item(search, caption(MenuCaption::findenSortOldNew, "Sort Old-New"),
         &RuntimeWindow::sortOldNew);
    // The fourth entry, shown when the design names it, orders from the newest record.
    if (!data_.menuCaptions[static_cast<size_t>(MenuCaption::findenItem4)].empty())
        item(search, caption(MenuCaption::findenItem4, ""), &RuntimeWindow::sortNewOld);

    bool anyProgram = false;
    for (const OptionalProgram& program : data_.optionalPrograms)
        anyProgram = anyProgram || (program.visible && !program.caption.empty());
    if (anyProgram) {
        QMenu* programs = menuBar()->addMenu(tr("&Programs"));
        for (int p = 0; p < kOptionalProgramCount; ++p) {
            const OptionalProgram& program = data_.optionalPrograms[static_cast<size_t>(p)];
            if (!program.visible || program.caption.empty())
                continue;
            QAction* action = programs->addAction(QString::fromStdString(program.caption));
            connect(action, &QAction::triggered, this, [this, p] { runProgram(p); });
        }
    }

    QMenu* help = menuBar()->addMenu(caption(MenuCaption::helpit, "&Help"));
    item(help, caption(MenuCaption::Aboutit, "About"), &RuntimeWindow::showAbout);
}

} // namespace qv::runtime
