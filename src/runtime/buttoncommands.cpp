// What the buttons of the designed window do: the script first, then the action text
// (see docs/actions.md), carried out step by step.
#include "runtimewindow.h"

#include "formpage.h"
#include "formrecordrow.h"
#include "platedocument.h"
#include "recordsession.h"
#include "searchwindow.h"
#include "storerecordset.h"

#include "records/actiontext.h"
#include "records/memoryrecordset.h"
#include "records/recordform.h"
#include "records/recordscript.h"

#include <QDate>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

Q_LOGGING_CATEGORY(lcButtons, "qv.runtime.buttons")

namespace qv::runtime {

namespace {

template <class... Ts> struct Overloaded : Ts... {
    using Ts::operator()...;
};
template <class... Ts> Overloaded(Ts...) -> Overloaded<Ts...>;

double todaySerial()
{
    return static_cast<double>(QDate(1899, 12, 30).daysTo(QDate::currentDate()));
}

RecordMove recordMoveOf(NavigationCommand command)
{
    switch (command) {
    case NavigationCommand::First: return RecordMove::First;
    case NavigationCommand::BackTen: return RecordMove::TenBack;
    case NavigationCommand::Previous: return RecordMove::Previous;
    case NavigationCommand::Next: return RecordMove::Next;
    case NavigationCommand::Last:
    case NavigationCommand::NewRecord: break;
    }
    return RecordMove::Last;
}

} // namespace

void RuntimeWindow::pressButton(int index)
{
    const Button& button = data_.buttons[static_cast<size_t>(index)];
    // The record commands read the stored records: what was typed is stored first.
    if (!session_->saveNow())
        return;
    const FormRecordRow row(*form_);
    if (!button.buttonAction.empty()) {
        const RecordScript script = parseRecordScript(button.buttonAction, schema_.columns());
        const MemoryRecordSet none;
        std::optional<StoreRecordSet> records;
        std::optional<StoreUpdater> updater;
        if (store_) {
            records.emplace(*store_, schema_, session_->cursor().order());
            if (!readOnly_)
                updater.emplace(*store_, schema_);
        }
        ScriptEnvironment environment{records ? static_cast<const RecordSet&>(*records) : none,
                                      schema_.columns(),
                                      &row,
                                      updater ? &*updater : nullptr,
                                      locale_,
                                      todaySerial()};
        const ActionOutcome outcome = runRecordScript(script, environment);
        for (const Action& action : outcome.actions) {
            qCDebug(lcButtons) << "button" << index << QString::fromStdString(describe(action));
            if (!carryOut(action))
                return;
        }
        if (!outcome.error.empty()) {
            warn(QString::fromStdString(outcome.error));
            return;
        }
        // What the script set is kept before anything leaves the window with it.
        if (!outcome.actions.empty() && !session_->saveNow())
            return;
    }
    // The action text sees what the script has just set.
    const ActionOutcome outcome =
        resolveActionText(button.tag, row, {appFolder_.toStdString(), queryAddressTemplate(data_)});
    for (const Action& action : outcome.actions) {
        qCDebug(lcButtons) << "button" << index << QString::fromStdString(describe(action));
        if (!carryOut(action))
            return;
    }
    if (!outcome.error.empty())
        warn(QString::fromStdString(outcome.error));
}

bool RuntimeWindow::carryOut(const Action& action)
{
    return std::visit(
        Overloaded{
            [this](const action::OpenLink& a) {
                const QUrl url(QString::fromStdString(a.url), QUrl::StrictMode);
                if (!url.isValid() || !QDesktopServices::openUrl(url)) {
                    warn(tr("The address %1 could not be opened: no program is set up to open "
                            "it, or it is not valid.")
                             .arg(QString::fromStdString(a.url)));
                    return false;
                }
                return true;
            },
            [this](const action::OpenPath& a) {
                const QString path = QString::fromStdString(a.path.string());
                if (!QFileInfo::exists(path)) {
                    warn(tr("%1 could not be opened: it does not exist.").arg(path));
                    return false;
                }
                if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path))) {
                    warn(tr("%1 could not be opened: no program is set up to open it.").arg(path));
                    return false;
                }
                return true;
            },
            [this](const action::RunProgram& a) {
                QString error;
                if (!StartProgram(a, error)) {
                    warn(error);
                    return false;
                }
                return true;
            },
            [this](const action::Navigate& a) {
                if (a.command == NavigationCommand::NewRecord)
                    newRecord();
                else
                    session_->move(recordMoveOf(a.command));
                return true;
            },
            [this](const action::AskRecordNumber&) {
                askForRecord();
                return true;
            },
            [this](const action::EndApplication&) {
                close();
                return false;
            },
            [this](const action::RunFormula& a) {
                form_->runScript(a.text);
                session_->edited();
                return true;
            },
            [this](const action::SetValue& a) {
                form_->setValue(a.target, a.value);
                page_->showValue(a.target);
                session_->edited();
                return true;
            },
            [this](const action::ShowResult& a) {
                dialogs_.inform(QString::fromStdString(a.title), QString::fromStdString(a.text));
                return true;
            },
            [this](const action::ShowRecords& a) {
                showListedRecords(tr("Records found"), a.columns, a.ids);
                return true;
            },
            [this](const action::RecordsChanged&) {
                recordsChanged();
                return true;
            },
        },
        action);
}

void RuntimeWindow::askForRecord()
{
    const std::optional<int64_t> number = dialogs_.askNumber(tr("Show which record?"));
    if (!number)
        return;
    if (!session_->showRecord(*number))
        warn(tr("There is no record %1.").arg(*number));
}

void RuntimeWindow::showListedRecords(const QString& title, const std::vector<InputRef>& columns,
                                      const std::vector<int32_t>& ids)
{
    if (!haveRecords())
        return;
    std::vector<int> listed;
    for (InputRef ref : columns) {
        if (const int column = schema_.columnOf(ref); column >= 0)
            listed.push_back(column);
    }
    // Lists the user has closed are not kept.
    std::erase_if(lists_, [](const std::unique_ptr<SearchWindow>& w) { return !w->isVisible(); });
    auto list = std::make_unique<SearchWindow>(data_, schema_, *store_, locale_, this);
    list->showRecords(title, std::move(listed), std::vector<int64_t>(ids.begin(), ids.end()));
    connect(list.get(), &SearchWindow::recordChosen, this, &RuntimeWindow::openFoundRecord);
    connect(list.get(), &SearchWindow::problem, this, &RuntimeWindow::warn);
    list->exportRecords = [this](const std::vector<int64_t>& found) { exportFound(found); };
    list->show();
    lists_.push_back(std::move(list));
}

} // namespace qv::runtime
