#pragma once

#include "recordstore.h"

#include <QString>

#include <memory>

class QSqlDatabase;
class QSqlQuery;
struct sqlite3;

namespace qv {
class RecordSchema;
}

namespace qv::runtime {

// The records in one SQLite file beside the application, through Qt SQL (QSQLITE): a
// table "records" keyed by the record number, one text column per stored object of the
// schema, and a table "app_info" that names the application the file belongs to. The file
// is kept in WAL mode with full synchronisation, so that a crash or a power cut never
// loses a committed record nor leaves a half-written one, and a second copy of the
// application can work on the same file.
class SqliteRecordStore : public RecordStore {
public:
    enum class Access { ReadWrite, ReadOnly };

    struct Opening {
        std::unique_ptr<SqliteRecordStore> store;
        QString error; // one message naming the file and what is wrong; empty on success
    };

    // Opens (and, read-write, creates) the records of `appName` in `path`. A file that is
    // not a database, or holds other data, or the records of another application, is
    // refused and left as it is. Columns the design has and the file lacks are added in
    // place; columns the file has and the design lacks stay with their data.
    static Opening open(const QString& path, const RecordSchema& schema, const QString& appName,
                        Access access);

    ~SqliteRecordStore() override;

    QString location() const override { return path_; }
    bool readOnly() const override { return readOnly_; }
    QString lastError() const override { return error_; }

    int64_t count() override;
    std::vector<int64_t> ids() override;
    int64_t nextId() override;
    std::vector<KeyedRecord> columnValues(int column) override;
    std::vector<int64_t> search(int column, const std::string& text) override;
    std::vector<int64_t> searchAny(const std::vector<int>& columns,
                                   const std::string& text) override;
    bool forEach(const std::function<bool(const StoredRecord&)>& visit) override;
    bool forEachOf(const std::vector<int64_t>& ids,
                   const std::function<bool(const StoredRecord&)>& visit) override;

    std::optional<StoredRecord> load(int64_t id) override;
    int64_t insert(const std::vector<std::string>& values) override;
    bool update(int64_t id, const std::vector<std::string>& values) override;
    bool remove(int64_t id) override;
    bool insertAll(const std::vector<std::vector<std::string>>& records) override;
    bool setValues(const std::vector<ValueChange>& changes) override;

    bool changedElsewhere() override;

private:
    SqliteRecordStore(QString path, QString connection, bool readOnly);

    QSqlDatabase database() const;
    QString openFile(const RecordSchema& schema, const QString& appName, bool create);
    QString createTables(const RecordSchema& schema, const QString& appName);
    QString checkOwner(const QString& appName);
    QString matchColumns(const RecordSchema& schema);
    bool fail(const QSqlQuery& query, const QString& what);
    bool failWith(const QString& what, const QString& why);
    // The connection's own SQLite handle, for the walks over every record.
    sqlite3* handle() const;
    bool exec(const QString& sql);
    bool begin();
    bool commit();
    void rollback();
    // True (with the error said) when the records may not be changed.
    bool refusedAsReadOnly();
    // Commits a write begun with begin(), or takes it all back.
    bool finishWrite();
    // "INSERT INTO records (...) VALUES (...)" for the created and changed times and the
    // stored columns, led by the record number when `withId`.
    QString insertSql(bool withId) const;
    QString valueColumns() const;
    void bindValues(QSqlQuery& query, const std::vector<std::string>& values) const;
    StoredRecord recordOf(const QSqlQuery& query) const;
    int64_t dataVersion();

    QString path_;
    QString connection_;
    bool readOnly_ = false;
    QString error_;
    // Per schema column: its name in the table; empty when the table has no such column.
    std::vector<QString> columns_;
    int64_t dataVersion_ = 0;
    std::unique_ptr<QSqlQuery> loadQuery_;
    std::unique_ptr<QSqlQuery> updateQuery_;
    std::unique_ptr<QSqlQuery> insertQuery_;
};

} // namespace qv::runtime
