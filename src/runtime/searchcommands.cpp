// The Search menu's commands beyond sorting: the search window, showing a record it
// found, replacing values, and the order from the newest record.
#include "runtimewindow.h"

#include "recordsession.h"
#include "replacedialog.h"
#include "searchwindow.h"
#include "storerecordset.h"

#include "records/recordform.h"

namespace qv::runtime {

bool RuntimeWindow::haveRecords()
{
    if (store_)
        return true;
    warn(notice().isEmpty() ? tr("There are no records to work on.") : notice());
    return false;
}

SearchWindow* RuntimeWindow::searchWindow()
{
    if (!search_ && store_) {
        search_ = std::make_unique<SearchWindow>(data_, schema_, *store_, locale_, this);
        connect(search_.get(), &SearchWindow::recordChosen, this, &RuntimeWindow::openFoundRecord);
        connect(search_.get(), &SearchWindow::problem, this, &RuntimeWindow::warn);
        search_->exportRecords = [this](const std::vector<int64_t>& ids) { exportFound(ids); };
    }
    return search_.get();
}

void RuntimeWindow::search()
{
    if (!haveRecords() || !session_->saveNow())
        return;
    SearchWindow* window = searchWindow();
    window->show();
    window->raise();
    window->activateWindow();
}

void RuntimeWindow::openFoundRecord(int64_t id)
{
    if (!session_->showRecord(id)) {
        warn(tr("Record %1 no longer exists.").arg(id));
        return;
    }
    raise();
    activateWindow();
}

void RuntimeWindow::recordsChanged()
{
    session_->reloadOrder();
    if (!session_->isNew())
        session_->showRecord(form_->recordId());
    if (search_)
        search_->refresh();
}

void RuntimeWindow::sortNewOld()
{
    session_->sortByNumber(true);
}

void RuntimeWindow::replaceValues()
{
    if (!haveRecords() || !session_->saveNow())
        return;
    if (readOnly_) {
        warn(tr("The records are read-only: nothing can be replaced."));
        return;
    }
    const SearchWindow* found = search_ && search_->searched() ? search_.get() : nullptr;
    ReplaceDialog dialog(schema_, found ? found->results().size() : 0, this);
    if (dialogs_.run(dialog) != QDialog::Accepted)
        return;
    const ReplaceDialog::Request request = dialog.request();
    const StoreRecordSet records(*store_, schema_,
                                 request.onlyFound && found ? found->results()
                                                            : session_->cursor().order());
    StoreUpdater updater(*store_, schema_);
    const ReplaceOutcome outcome =
        ReplaceValues(records, schema_.columns()[static_cast<size_t>(request.column)],
                      request.find.toStdString(), request.with.toStdString(), locale_, updater);
    if (!outcome.error.empty()) {
        warn(QString::fromStdString(outcome.error));
        return;
    }
    recordsChanged();
    dialogs_.inform(dialog.windowTitle(),
                    outcome.changed == 1
                        ? tr("1 record was changed.")
                        : tr("%1 records were changed.").arg(qulonglong(outcome.changed)));
}

} // namespace qv::runtime
