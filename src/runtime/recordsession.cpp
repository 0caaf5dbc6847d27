#include "recordsession.h"

#include "recordstore.h"

#include "records/recordform.h"
#include "records/recordorder.h"
#include "records/recordschema.h"

#include <QDateTime>

#include <algorithm>

namespace qv::runtime {

RecordSession::RecordSession(const AppData& data, RecordForm& form, const RecordSchema& schema,
                             RecordStore* store, const FormulaLocale& locale, QObject* parent)
    : QObject(parent), data_(data), form_(form), schema_(schema), store_(store), locale_(locale)
{
    saveTimer_.setSingleShot(true);
    saveTimer_.setInterval(kSaveDelayMs);
    connect(&saveTimer_, &QTimer::timeout, this, [this] { saveNow(); });
}

RecordSession::~RecordSession()
{
    saveNow();
}

bool RecordSession::canSave() const
{
    return store_ && !store_->readOnly();
}

bool RecordSession::isNew() const
{
    return form_.recordId() == 0;
}

int64_t RecordSession::number() const
{
    return form_.recordNumber();
}

int64_t RecordSession::count() const
{
    return count_;
}

QDate RecordSession::madeOn() const
{
    return made_.isValid() ? made_.toLocalTime().date() : QDate::currentDate();
}

double RecordSession::nowSerial() const
{
    const QDateTime now = QDateTime::currentDateTime();
    const double days = static_cast<double>(QDate(1899, 12, 30).daysTo(now.date()));
    return days + now.time().msecsSinceStartOfDay() / 86400000.0;
}

std::vector<int64_t> RecordSession::currentOrder()
{
    if (!store_)
        return {};
    if (!sort_)
        return store_->ids();
    if (sort_->column < 0) {
        std::vector<int64_t> ids = store_->ids();
        std::reverse(ids.begin(), ids.end());
        return ids;
    }
    const RecordColumn& column = schema_.columns()[static_cast<size_t>(sort_->column)];
    return OrderRecords(store_->columnValues(sort_->column), SortKindOf(data_, column.object),
                        sort_->descending, locale_);
}

bool RecordSession::refreshIfChangedElsewhere()
{
    if (!store_ || !store_->changedElsewhere())
        return false;
    const int64_t current = form_.recordId();
    cursor_.setOrder(currentOrder(), current);
    if (current == 0)
        cursor_.leave();
    count_ = store_->count();
    return true;
}

void RecordSession::show(int64_t id)
{
    std::optional<StoredRecord> record;
    if (store_ && id != 0)
        record = store_->load(id);
    if (!record && store_ && id != 0 && !store_->lastError().isEmpty()) {
        // Could not be read: said so, and the record on screen stays.
        if (!cursor_.moveTo(form_.recordId()))
            cursor_.leave();
        emit problem(store_->lastError());
        emit positionChanged();
        return;
    }
    if (!record) {
        // Gone (another copy of the application deleted it) or none at all: a new record.
        if (store_ && id != 0) {
            cursor_.remove(id);
            if (cursor_.current() != 0) {
                show(cursor_.current());
                return;
            }
        }
        newRecord();
        return;
    }
    form_.load(record->id, schema_, record->values);
    made_ = QDateTime::fromString(QString::fromStdString(record->created), Qt::ISODateWithMs);
    emit recordShown();
    emit positionChanged();
}

void RecordSession::showLast()
{
    if (store_) {
        count_ = store_->count();
        cursor_.setOrder(currentOrder(), 0);
        store_->changedElsewhere();
    }
    if (cursor_.current() == 0)
        newRecord();
    else
        show(cursor_.current());
}

void RecordSession::move(RecordMove move)
{
    if (!saveNow())
        return;
    // What another window or copy of the application saved is shown, also on the record
    // already on screen.
    const bool changed = refreshIfChangedElsewhere();
    const int64_t before = form_.recordId();
    const int64_t target = cursor_.move(move);
    if (target != 0 && (target != before || changed))
        show(target);
    else
        emit positionChanged();
}

bool RecordSession::showRecord(int64_t id)
{
    if (!saveNow())
        return false;
    refreshIfChangedElsewhere();
    if (!cursor_.moveTo(id))
        return false;
    show(id);
    return true;
}

void RecordSession::newRecord()
{
    if (!saveNow())
        return;
    cursor_.leave();
    made_ = QDateTime();
    form_.setNewRecordNumber(store_ ? store_->nextId() : 1);
    form_.startNew(nowSerial());
    if (store_)
        count_ = store_->count();
    emit recordShown();
    emit positionChanged();
}

void RecordSession::copyRecord()
{
    if (!saveNow())
        return;
    const std::vector<std::string> values = form_.columnValues(schema_);
    cursor_.leave();
    made_ = QDateTime();
    form_.setNewRecordNumber(store_ ? store_->nextId() : 1);
    const std::vector<std::optional<std::string>> copied(values.begin(), values.end());
    form_.load(0, schema_, copied);
    // Nothing of a copy is locked: it has not been entered yet.
    form_.unlockAll();
    emit recordShown();
    emit positionChanged();
    edited();
}

void RecordSession::clearRecord()
{
    form_.clearUnlocked();
    emit recordShown();
    edited();
    saveNow();
}

bool RecordSession::deleteRecord()
{
    if (isNew()) {
        // Nothing stored yet: the typing is simply dropped.
        saveTimer_.stop();
        dirty_ = false;
        newRecord();
        return true;
    }
    if (!canSave()) {
        emit problem(
            tr("The records are read-only: record %1 cannot be deleted.").arg(form_.recordId()));
        return false;
    }
    saveTimer_.stop();
    dirty_ = false;
    const int64_t id = form_.recordId();
    if (!store_->remove(id)) {
        emit problem(store_->lastError());
        return false;
    }
    cursor_.remove(id);
    count_ = store_->count();
    if (cursor_.current() != 0)
        show(cursor_.current());
    else
        newRecord();
    return true;
}

void RecordSession::sortBy(int column, bool descending)
{
    if (column < 0 || column >= schema_.size() || !saveNow())
        return;
    sort_ = Sort{column, descending};
    const int64_t current = form_.recordId();
    cursor_.setOrder(currentOrder(), current);
    if (current == 0)
        cursor_.leave();
    emit positionChanged();
}

void RecordSession::sortByNumber(bool descending)
{
    if (!saveNow())
        return;
    if (descending)
        sort_ = Sort{-1, true};
    else
        sort_.reset();
    const int64_t current = form_.recordId();
    cursor_.setOrder(currentOrder(), current);
    if (current == 0)
        cursor_.leave();
    emit positionChanged();
}

void RecordSession::reloadOrder()
{
    if (!store_)
        return;
    const int64_t current = form_.recordId();
    cursor_.setOrder(currentOrder(), current);
    if (current == 0)
        cursor_.leave();
    count_ = store_->count();
    // The order just read holds whatever another copy changed too.
    store_->changedElsewhere();
    emit positionChanged();
}

void RecordSession::edited()
{
    form_.recalculate();
    if (!canSave())
        return;
    dirty_ = true;
    saveTimer_.start();
}

bool RecordSession::saveNow()
{
    saveTimer_.stop();
    if (!dirty_)
        return true;
    if (!canSave()) {
        dirty_ = false;
        return true;
    }
    const std::vector<std::string> values = form_.columnValues(schema_);
    if (isNew()) {
        const int64_t id = store_->insert(values);
        if (id == 0) {
            emit problem(store_->lastError());
            return false;
        }
        form_.setRecordId(id);
        cursor_.append(id);
        count_ = store_->count();
    } else if (!store_->update(form_.recordId(), values)) {
        emit problem(store_->lastError());
        return false;
    }
    dirty_ = false;
    emit positionChanged();
    return true;
}

} // namespace qv::runtime
