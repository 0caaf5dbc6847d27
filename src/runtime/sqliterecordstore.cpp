#include "sqliterecordstore.h"

#include "records/recordschema.h"

#include <QDateTime>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUrl>
#include <QVariant>

#include <sqlite3.h>

#include <atomic>
#include <map>
#include <unordered_map>

namespace qv::runtime {

Q_LOGGING_CATEGORY(lcRecords, "quorvalle.records")

namespace {

constexpr int kBusyTimeoutMs = 5000;
const QString kFormatVersion = QStringLiteral("1");
const QString kRecordsTable = QStringLiteral("records");
const QString kInfoTable = QStringLiteral("app_info");

QString quoted(const std::string& name)
{
    return QString::fromStdString(QuoteIdentifier(name));
}

QString quoted(const QString& name)
{
    return quoted(name.toStdString());
}

QString nowText()
{
    return QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs);
}

QString errorOf(const QSqlError& error)
{
    return error.databaseText().isEmpty() ? error.text() : error.databaseText();
}

// LIKE's own characters in a searched text stand for themselves.
QString likePattern(const std::string& text)
{
    QString pattern = QStringLiteral("%");
    for (const QChar c : QString::fromStdString(text)) {
        if (c == QLatin1Char('%') || c == QLatin1Char('_') || c == QLatin1Char('\\'))
            pattern += QLatin1Char('\\');
        pattern += c;
    }
    return pattern + QLatin1Char('%');
}

// One statement on the connection's own SQLite handle, for the walks over every record:
// reading the values as the UTF-8 the file holds, without a QVariant and two conversions
// per value, makes a walk over 100,000 records several times faster.
class Statement {
public:
    Statement(sqlite3* db, const QString& sql)
    {
        const QByteArray text = sql.toUtf8();
        if (!db || sqlite3_prepare_v2(db, text.constData(), static_cast<int>(text.size()),
                                      &statement_, nullptr) != SQLITE_OK)
            statement_ = nullptr;
        db_ = db;
    }
    ~Statement() { sqlite3_finalize(statement_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    bool ok() const { return statement_ != nullptr; }
    void bind(int at, const std::string& text)
    {
        sqlite3_bind_text(statement_, at, text.data(), static_cast<int>(text.size()),
                          SQLITE_TRANSIENT);
    }
    void bind(int at, int64_t number) { sqlite3_bind_int64(statement_, at, number); }
    // Ready to run again with new values.
    void reset()
    {
        sqlite3_reset(statement_);
        failed_ = false;
    }
    // True while there is a row; `failed` tells an error from the end.
    bool step()
    {
        const int result = sqlite3_step(statement_);
        failed_ = result != SQLITE_ROW && result != SQLITE_DONE;
        return result == SQLITE_ROW;
    }
    bool failed() const { return failed_ || !statement_; }
    QString error() const { return QString::fromUtf8(db_ ? sqlite3_errmsg(db_) : "no database"); }
    int64_t integer(int column) const { return sqlite3_column_int64(statement_, column); }
    std::string text(int column) const
    {
        const auto* bytes = sqlite3_column_text(statement_, column);
        return bytes ? std::string(reinterpret_cast<const char*>(bytes),
                                   static_cast<size_t>(sqlite3_column_bytes(statement_, column)))
                     : std::string();
    }

private:
    sqlite3* db_ = nullptr;
    sqlite3_stmt* statement_ = nullptr;
    bool failed_ = false;
};

} // namespace

sqlite3* SqliteRecordStore::handle() const
{
    const QVariant value = database().driver()->handle();
    if (!value.isValid() || qstrcmp(value.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3* const*>(value.constData());
}

bool SqliteRecordStore::failWith(const QString& what, const QString& why)
{
    error_ = QStringLiteral("%1: %2 (%3)").arg(path_, what, why);
    qCWarning(lcRecords) << error_;
    return false;
}

SqliteRecordStore::SqliteRecordStore(QString path, QString connection, bool readOnly)
    : path_(std::move(path)), connection_(std::move(connection)), readOnly_(readOnly)
{
}

SqliteRecordStore::~SqliteRecordStore()
{
    loadQuery_.reset();
    updateQuery_.reset();
    insertQuery_.reset();
    {
        QSqlDatabase db = database();
        if (db.isOpen())
            db.close();
    }
    QSqlDatabase::removeDatabase(connection_);
}

QSqlDatabase SqliteRecordStore::database() const
{
    return QSqlDatabase::database(connection_, false);
}

SqliteRecordStore::Opening SqliteRecordStore::open(const QString& path, const RecordSchema& schema,
                                                   const QString& appName, Access access)
{
    Opening opening;
    const QString file = QFileInfo(path).absoluteFilePath();
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE"))) {
        opening.error = QStringLiteral("%1: the records cannot be opened: Qt's SQLite driver "
                                       "(package libqt6sql6-sqlite) is not installed")
                            .arg(file);
        return opening;
    }
    const bool readOnly = access == Access::ReadOnly;
    const bool exists = QFileInfo::exists(file);
    if (readOnly && !exists) {
        opening.error = QStringLiteral("%1: no records have been kept yet").arg(file);
        return opening;
    }
    static std::atomic<int> serial{0};
    const QString connection = QStringLiteral("quorvalle-records-%1").arg(++serial);
    std::unique_ptr<SqliteRecordStore> store(new SqliteRecordStore(file, connection, readOnly));
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
    db.setDatabaseName(file);
    QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs);
    if (readOnly)
        options += QStringLiteral(";QSQLITE_OPEN_READONLY");
    db.setConnectOptions(options);
    QString error;
    if (!db.open())
        error = errorOf(db.lastError());
    else
        error = store->openFile(schema, appName, !readOnly);
    if (!error.isEmpty() && readOnly && db.isOpen()) {
        // A file in WAL mode in a folder that cannot be written to opens only as an
        // unchanging file: nobody can change it there anyway.
        db.close();
        db.setDatabaseName(QStringLiteral("file:%1?immutable=1")
                               .arg(QString::fromLatin1(QUrl::toPercentEncoding(file, "/"))));
        db.setConnectOptions(options + QStringLiteral(";QSQLITE_OPEN_URI"));
        if (db.open()) {
            const QString retry = store->openFile(schema, appName, false);
            if (retry.isEmpty())
                error.clear();
        }
    }
    if (!error.isEmpty()) {
        opening.error = QStringLiteral("%1: %2").arg(file, error);
        return opening;
    }
    store->dataVersion_ = store->dataVersion();
    opening.store = std::move(store);
    return opening;
}

QString SqliteRecordStore::openFile(const RecordSchema& schema, const QString& appName, bool create)
{
    QSqlQuery tables(database());
    if (!tables.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'")))
        return QStringLiteral("the file is damaged or is not a records file (%1); it is left "
                              "as it is")
            .arg(errorOf(tables.lastError()));
    QStringList names;
    while (tables.next())
        names << tables.value(0).toString();
    tables.finish();
    if (names.isEmpty()) {
        if (!create)
            return QStringLiteral("the file holds no records");
        if (const QString error = createTables(schema, appName); !error.isEmpty())
            return error;
    } else if (!names.contains(kInfoTable) || !names.contains(kRecordsTable)) {
        return QStringLiteral("the file holds other data, not the records of %1; it is left as "
                              "it is")
            .arg(appName);
    } else if (const QString error = checkOwner(appName); !error.isEmpty()) {
        return error;
    }
    if (create) {
        // WAL: a crash never leaves a half-written record and readers never wait for the
        // writer; FULL: a committed record survives a power cut too.
        QSqlQuery mode(database());
        if (!mode.exec(QStringLiteral("PRAGMA journal_mode = WAL")) || !mode.next())
            return QStringLiteral("the file cannot be prepared for saving (%1)")
                .arg(errorOf(mode.lastError()));
        if (mode.value(0).toString().compare(QStringLiteral("wal"), Qt::CaseInsensitive) != 0)
            qCWarning(lcRecords) << path_ << "keeps journal mode" << mode.value(0).toString();
        mode.finish();
        exec(QStringLiteral("PRAGMA synchronous = FULL"));
    }
    return matchColumns(schema);
}

QString SqliteRecordStore::createTables(const RecordSchema& schema, const QString& appName)
{
    QStringList columns{
        QStringLiteral("%1 INTEGER PRIMARY KEY AUTOINCREMENT").arg(quoted(std::string(kIdColumn))),
        QStringLiteral("%1 TEXT NOT NULL").arg(quoted(std::string(kCreatedColumn))),
        QStringLiteral("%1 TEXT NOT NULL").arg(quoted(std::string(kChangedColumn)))};
    for (const RecordColumn& column : schema.columns())
        columns << QStringLiteral("%1 TEXT").arg(quoted(column.name));
    if (!begin())
        return error_;
    QSqlQuery query(database());
    const bool ok =
        query.exec(
            QStringLiteral("CREATE TABLE %1 (key TEXT PRIMARY KEY, value TEXT)").arg(kInfoTable)) &&
        query.prepare(QStringLiteral("INSERT INTO %1 (key, value) VALUES ('application', ?), "
                                     "('format', ?), ('created', ?)")
                          .arg(kInfoTable)) &&
        (query.addBindValue(appName), query.addBindValue(kFormatVersion),
         query.addBindValue(nowText()), query.exec()) &&
        query.exec(QStringLiteral("CREATE TABLE %1 (%2)")
                       .arg(kRecordsTable, columns.join(QStringLiteral(", "))));
    if (!ok) {
        const QString why = errorOf(query.lastError());
        query.finish();
        rollback();
        return QStringLiteral("the records table cannot be made (%1)").arg(why);
    }
    query.finish();
    if (!commit())
        return error_;
    return {};
}

QString SqliteRecordStore::checkOwner(const QString& appName)
{
    QSqlQuery info(database());
    if (!info.exec(QStringLiteral("SELECT key, value FROM %1").arg(kInfoTable)))
        return QStringLiteral("the file is damaged (%1); it is left as it is")
            .arg(errorOf(info.lastError()));
    QString owner;
    QString format;
    while (info.next()) {
        if (info.value(0).toString() == QLatin1String("application"))
            owner = info.value(1).toString();
        else if (info.value(0).toString() == QLatin1String("format"))
            format = info.value(1).toString();
    }
    if (owner != appName)
        return QStringLiteral("the file holds the records of the application \"%1\", not of "
                              "\"%2\"; it is left as it is")
            .arg(owner, appName);
    if (format != kFormatVersion)
        return QStringLiteral("the records are in format %1, which this version of %2 does "
                              "not know; the file is left as it is")
            .arg(format, appName);
    return {};
}

QString SqliteRecordStore::matchColumns(const RecordSchema& schema)
{
    QSqlQuery info(database());
    if (!info.exec(QStringLiteral("PRAGMA table_info(%1)").arg(kRecordsTable)))
        return QStringLiteral("the records table cannot be read (%1)")
            .arg(errorOf(info.lastError()));
    std::vector<std::string> existing;
    while (info.next())
        existing.push_back(info.value(1).toString().toStdString());
    info.finish();
    if (std::none_of(existing.begin(), existing.end(),
                     [](const std::string& name) { return SameColumnName(name, kIdColumn); }))
        return QStringLiteral("the records table has no record numbers; the file is left as "
                              "it is");
    const std::vector<RecordColumn> missing = ColumnsToAdd(schema, existing);
    if (!missing.empty() && !readOnly_) {
        // Objects added to the design get their columns in place, in one transaction.
        if (!begin())
            return error_;
        for (const RecordColumn& column : missing) {
            if (!exec(QStringLiteral("ALTER TABLE %1 ADD COLUMN %2 TEXT")
                          .arg(kRecordsTable, quoted(column.name)))) {
                const QString why = error_;
                rollback();
                return QStringLiteral("a column for %1 cannot be added (%2)")
                    .arg(QString::fromStdString(column.name), why);
            }
            existing.push_back(column.name);
        }
        if (!commit())
            return error_;
    }
    columns_.clear();
    for (const RecordColumn& column : schema.columns()) {
        const auto found =
            std::find_if(existing.begin(), existing.end(), [&](const std::string& name) {
                return SameColumnName(name, column.name);
            });
        columns_.push_back(found == existing.end() ? QString() : QString::fromStdString(*found));
    }
    return {};
}

bool SqliteRecordStore::fail(const QSqlQuery& query, const QString& what)
{
    error_ = QStringLiteral("%1: %2 (%3)").arg(path_, what, errorOf(query.lastError()));
    qCWarning(lcRecords) << error_;
    return false;
}

bool SqliteRecordStore::exec(const QString& sql)
{
    QSqlQuery query(database());
    if (!query.exec(sql))
        return fail(query, sql);
    return true;
}

bool SqliteRecordStore::begin()
{
    return exec(QStringLiteral("BEGIN IMMEDIATE"));
}

bool SqliteRecordStore::commit()
{
    return exec(QStringLiteral("COMMIT"));
}

void SqliteRecordStore::rollback()
{
    QSqlQuery query(database());
    query.exec(QStringLiteral("ROLLBACK"));
}

bool SqliteRecordStore::refusedAsReadOnly()
{
    if (!readOnly_)
        return false;
    error_ = QStringLiteral("%1: the records are read-only").arg(path_);
    return true;
}

bool SqliteRecordStore::finishWrite()
{
    if (!commit()) {
        rollback();
        return false;
    }
    return true;
}

QString SqliteRecordStore::insertSql(bool withId) const
{
    QStringList names;
    if (withId)
        names << quoted(std::string(kIdColumn));
    names << quoted(std::string(kCreatedColumn)) << quoted(std::string(kChangedColumn));
    for (const QString& column : columns_) {
        if (!column.isEmpty())
            names << quoted(column);
    }
    const QStringList marks(names.size(), QStringLiteral("?"));
    return QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
        .arg(kRecordsTable, names.join(QStringLiteral(", ")), marks.join(QStringLiteral(", ")));
}

QString SqliteRecordStore::valueColumns() const
{
    QStringList names;
    for (const QString& column : columns_)
        names << (column.isEmpty() ? QStringLiteral("NULL") : quoted(column));
    return names.join(QStringLiteral(", "));
}

void SqliteRecordStore::bindValues(QSqlQuery& query, const std::vector<std::string>& values) const
{
    for (size_t c = 0; c < columns_.size(); ++c) {
        if (columns_[c].isEmpty())
            continue;
        query.addBindValue(c < values.size() ? QString::fromStdString(values[c]) : QString());
    }
}

StoredRecord SqliteRecordStore::recordOf(const QSqlQuery& query) const
{
    StoredRecord record;
    record.id = query.value(0).toLongLong();
    record.created = query.value(1).toString().toStdString();
    record.changed = query.value(2).toString().toStdString();
    record.values.reserve(columns_.size());
    for (size_t c = 0; c < columns_.size(); ++c) {
        if (columns_[c].isEmpty())
            record.values.emplace_back(std::nullopt);
        else
            record.values.emplace_back(
                query.value(static_cast<int>(c) + 3).toString().toStdString());
    }
    return record;
}

int64_t SqliteRecordStore::count()
{
    QSqlQuery query(database());
    if (!query.exec(QStringLiteral("SELECT count(*) FROM %1").arg(kRecordsTable)) ||
        !query.next()) {
        fail(query, QStringLiteral("the records cannot be counted"));
        return 0;
    }
    return query.value(0).toLongLong();
}

std::vector<int64_t> SqliteRecordStore::ids()
{
    std::vector<int64_t> ids;
    Statement query(handle(), QStringLiteral("SELECT %1 FROM %2 ORDER BY %1")
                                  .arg(quoted(std::string(kIdColumn)), kRecordsTable));
    while (query.ok() && query.step())
        ids.push_back(query.integer(0));
    if (query.failed())
        failWith(QStringLiteral("the record numbers cannot be read"), query.error());
    return ids;
}

int64_t SqliteRecordStore::nextId()
{
    QSqlQuery query(database());
    if (query.exec(QStringLiteral("SELECT seq FROM sqlite_sequence WHERE name = '%1'")
                       .arg(kRecordsTable)) &&
        query.next())
        return query.value(0).toLongLong() + 1;
    return 1;
}

std::vector<KeyedRecord> SqliteRecordStore::columnValues(int column)
{
    std::vector<KeyedRecord> values;
    if (column < 0 || column >= static_cast<int>(columns_.size()))
        return values;
    const QString& name = columns_[static_cast<size_t>(column)];
    Statement query(handle(),
                    QStringLiteral("SELECT %1, %2 FROM %3 ORDER BY %1")
                        .arg(quoted(std::string(kIdColumn)),
                             name.isEmpty() ? QStringLiteral("''") : quoted(name), kRecordsTable));
    while (query.ok() && query.step())
        values.emplace_back(query.integer(0), query.text(1));
    if (query.failed())
        failWith(QStringLiteral("the values of %1 cannot be read").arg(name), query.error());
    return values;
}

std::vector<int64_t> SqliteRecordStore::search(int column, const std::string& text)
{
    error_.clear();
    std::vector<int64_t> ids;
    if (column < 0 || column >= static_cast<int>(columns_.size()) ||
        columns_[static_cast<size_t>(column)].isEmpty())
        return ids;
    // The searched text only ever travels as a bound value.
    Statement query(handle(),
                    QStringLiteral("SELECT %1 FROM %2 WHERE %3 LIKE ? ESCAPE '\\' ORDER BY %1")
                        .arg(quoted(std::string(kIdColumn)), kRecordsTable,
                             quoted(columns_[static_cast<size_t>(column)])));
    if (query.ok())
        query.bind(1, likePattern(text).toStdString());
    while (query.ok() && query.step())
        ids.push_back(query.integer(0));
    if (query.failed())
        failWith(QStringLiteral("the records cannot be searched"), query.error());
    return ids;
}

std::vector<int64_t> SqliteRecordStore::searchAny(const std::vector<int>& columns,
                                                  const std::string& text)
{
    error_.clear();
    QStringList tests;
    for (int column : columns) {
        if (column >= 0 && column < static_cast<int>(columns_.size()) &&
            !columns_[static_cast<size_t>(column)].isEmpty())
            tests << QStringLiteral("%1 LIKE ?1 ESCAPE '\\'")
                         .arg(quoted(columns_[static_cast<size_t>(column)]));
    }
    std::vector<int64_t> ids;
    if (tests.isEmpty())
        return ids;
    // One walk over the table for every column; the text only ever travels as a value.
    Statement query(handle(), QStringLiteral("SELECT %1 FROM %2 WHERE %3 ORDER BY %1")
                                  .arg(quoted(std::string(kIdColumn)), kRecordsTable,
                                       tests.join(QStringLiteral(" OR "))));
    if (query.ok())
        query.bind(1, likePattern(text).toStdString());
    while (query.ok() && query.step())
        ids.push_back(query.integer(0));
    if (query.failed())
        failWith(QStringLiteral("the records cannot be searched"), query.error());
    return ids;
}

bool SqliteRecordStore::forEachOf(const std::vector<int64_t>& ids,
                                  const std::function<bool(const StoredRecord&)>& visit)
{
    // The records are read a few hundred at a time and handed on in the order asked for.
    constexpr size_t kChunk = 400;
    QStringList marks;
    for (size_t i = 0; i < kChunk; ++i)
        marks << QStringLiteral("?");
    Statement query(handle(),
                    QStringLiteral("SELECT %1, %2, %3, %4 FROM %5 WHERE %1 IN (%6)")
                        .arg(quoted(std::string(kIdColumn)), quoted(std::string(kCreatedColumn)),
                             quoted(std::string(kChangedColumn)), valueColumns(), kRecordsTable,
                             marks.join(QLatin1Char(','))));
    std::unordered_map<int64_t, StoredRecord> read;
    for (size_t from = 0; from < ids.size() && query.ok(); from += kChunk) {
        const size_t to = std::min(ids.size(), from + kChunk);
        query.reset();
        // Record numbers start at 1: 0 fills the places of a short last chunk.
        for (size_t i = 0; i < kChunk; ++i)
            query.bind(static_cast<int>(i) + 1, from + i < to ? ids[from + i] : int64_t(0));
        read.clear();
        while (query.step()) {
            StoredRecord record;
            record.id = query.integer(0);
            record.created = query.text(1);
            record.changed = query.text(2);
            record.values.reserve(columns_.size());
            for (size_t c = 0; c < columns_.size(); ++c) {
                if (columns_[c].isEmpty())
                    record.values.emplace_back(std::nullopt);
                else
                    record.values.emplace_back(query.text(static_cast<int>(c) + 3));
            }
            read.emplace(record.id, std::move(record));
        }
        if (query.failed())
            break;
        for (size_t i = from; i < to; ++i) {
            const auto found = read.find(ids[i]);
            if (found != read.end() && !visit(found->second))
                return true;
        }
    }
    if (query.failed())
        return failWith(QStringLiteral("the records cannot be read"), query.error());
    return true;
}

bool SqliteRecordStore::forEach(const std::function<bool(const StoredRecord&)>& visit)
{
    Statement query(handle(),
                    QStringLiteral("SELECT %1, %2, %3, %4 FROM %5 ORDER BY %1")
                        .arg(quoted(std::string(kIdColumn)), quoted(std::string(kCreatedColumn)),
                             quoted(std::string(kChangedColumn)), valueColumns(), kRecordsTable));
    StoredRecord record;
    record.values.resize(columns_.size());
    while (query.ok() && query.step()) {
        record.id = query.integer(0);
        record.created = query.text(1);
        record.changed = query.text(2);
        for (size_t c = 0; c < columns_.size(); ++c) {
            if (columns_[c].isEmpty())
                record.values[c].reset();
            else
                record.values[c] = query.text(static_cast<int>(c) + 3);
        }
        if (!visit(record))
            return true;
    }
    if (query.failed())
        return failWith(QStringLiteral("the records cannot be read to the end"), query.error());
    return true;
}

std::optional<StoredRecord> SqliteRecordStore::load(int64_t id)
{
    error_.clear();
    if (!loadQuery_) {
        loadQuery_ = std::make_unique<QSqlQuery>(database());
        loadQuery_->prepare(
            QStringLiteral("SELECT %1, %2, %3, %4 FROM %5 WHERE %1 = ?")
                .arg(quoted(std::string(kIdColumn)), quoted(std::string(kCreatedColumn)),
                     quoted(std::string(kChangedColumn)), valueColumns(), kRecordsTable));
    }
    loadQuery_->addBindValue(QVariant::fromValue<qlonglong>(id));
    if (!loadQuery_->exec()) {
        fail(*loadQuery_, QStringLiteral("record %1 cannot be read").arg(id));
        return std::nullopt;
    }
    std::optional<StoredRecord> record;
    if (loadQuery_->next())
        record = recordOf(*loadQuery_);
    loadQuery_->finish();
    return record;
}

int64_t SqliteRecordStore::insert(const std::vector<std::string>& values)
{
    if (refusedAsReadOnly())
        return 0;
    if (!insertQuery_) {
        insertQuery_ = std::make_unique<QSqlQuery>(database());
        insertQuery_->prepare(insertSql(false));
    }
    const QString now = nowText();
    insertQuery_->addBindValue(now);
    insertQuery_->addBindValue(now);
    bindValues(*insertQuery_, values);
    // One statement is one transaction of its own.
    if (!insertQuery_->exec()) {
        fail(*insertQuery_, QStringLiteral("the new record cannot be saved"));
        return 0;
    }
    const int64_t id = insertQuery_->lastInsertId().toLongLong();
    insertQuery_->finish();
    return id;
}

bool SqliteRecordStore::update(int64_t id, const std::vector<std::string>& values)
{
    if (refusedAsReadOnly())
        return false;
    if (!updateQuery_) {
        QStringList sets{QStringLiteral("%1 = ?").arg(quoted(std::string(kChangedColumn)))};
        for (const QString& column : columns_) {
            if (!column.isEmpty())
                sets << QStringLiteral("%1 = ?").arg(quoted(column));
        }
        updateQuery_ = std::make_unique<QSqlQuery>(database());
        updateQuery_->prepare(QStringLiteral("UPDATE %1 SET %2 WHERE %3 = ?")
                                  .arg(kRecordsTable, sets.join(QStringLiteral(", ")),
                                       quoted(std::string(kIdColumn))));
    }
    if (!begin())
        return false;
    const QString now = nowText();
    updateQuery_->addBindValue(now);
    bindValues(*updateQuery_, values);
    updateQuery_->addBindValue(QVariant::fromValue<qlonglong>(id));
    if (!updateQuery_->exec()) {
        fail(*updateQuery_, QStringLiteral("record %1 cannot be saved").arg(id));
        rollback();
        return false;
    }
    const int changed = updateQuery_->numRowsAffected();
    updateQuery_->finish();
    if (changed == 0) {
        // Deleted by another copy of the application meanwhile: kept again as typed.
        QSqlQuery again(database());
        again.prepare(insertSql(true));
        again.addBindValue(QVariant::fromValue<qlonglong>(id));
        again.addBindValue(now);
        again.addBindValue(now);
        bindValues(again, values);
        if (!again.exec()) {
            fail(again, QStringLiteral("record %1 cannot be saved").arg(id));
            again.finish();
            rollback();
            return false;
        }
    }
    return finishWrite();
}

bool SqliteRecordStore::remove(int64_t id)
{
    if (refusedAsReadOnly())
        return false;
    QSqlQuery query(database());
    query.prepare(QStringLiteral("DELETE FROM %1 WHERE %2 = ?")
                      .arg(kRecordsTable, quoted(std::string(kIdColumn))));
    query.addBindValue(QVariant::fromValue<qlonglong>(id));
    if (!query.exec())
        return fail(query, QStringLiteral("record %1 cannot be deleted").arg(id));
    return true;
}

bool SqliteRecordStore::insertAll(const std::vector<std::vector<std::string>>& records)
{
    if (refusedAsReadOnly())
        return false;
    if (!begin())
        return false;
    for (const std::vector<std::string>& values : records) {
        if (insert(values) == 0) {
            rollback();
            return false;
        }
    }
    return finishWrite();
}

bool SqliteRecordStore::setValues(const std::vector<ValueChange>& changes)
{
    if (refusedAsReadOnly())
        return false;
    for (const ValueChange& change : changes) {
        if (change.column < 0 || change.column >= static_cast<int>(columns_.size()) ||
            columns_[static_cast<size_t>(change.column)].isEmpty())
            return failWith(QStringLiteral("the records cannot be changed"),
                            QStringLiteral("the file has no column for this value"));
    }
    if (!begin())
        return false;
    const QString now = nowText();
    // One prepared statement per column written.
    std::map<int, std::unique_ptr<QSqlQuery>> statements;
    for (const ValueChange& change : changes) {
        std::unique_ptr<QSqlQuery>& query = statements[change.column];
        if (!query) {
            query = std::make_unique<QSqlQuery>(database());
            query->prepare(
                QStringLiteral("UPDATE %1 SET %2 = ?, %3 = ? WHERE %4 = ?")
                    .arg(kRecordsTable, quoted(columns_[static_cast<size_t>(change.column)]),
                         quoted(std::string(kChangedColumn)), quoted(std::string(kIdColumn))));
        }
        query->addBindValue(QString::fromStdString(change.value));
        query->addBindValue(now);
        query->addBindValue(QVariant::fromValue<qlonglong>(change.id));
        if (!query->exec()) {
            fail(*query, QStringLiteral("record %1 cannot be changed").arg(change.id));
            statements.clear();
            rollback();
            return false;
        }
        const int changed = query->numRowsAffected();
        query->finish();
        if (changed == 0) {
            statements.clear();
            rollback();
            return failWith(QStringLiteral("record %1 cannot be changed").arg(change.id),
                            QStringLiteral("it no longer exists"));
        }
    }
    statements.clear();
    return finishWrite();
}

int64_t SqliteRecordStore::dataVersion()
{
    QSqlQuery query(database());
    if (query.exec(QStringLiteral("PRAGMA data_version")) && query.next())
        return query.value(0).toLongLong();
    return 0;
}

bool SqliteRecordStore::changedElsewhere()
{
    const int64_t version = dataVersion();
    if (version == dataVersion_)
        return false;
    dataVersion_ = version;
    return true;
}

} // namespace qv::runtime
