#include "builder/appdata.h"
#include "records/recordschema.h"
#include "sqliterecordstore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>

#include <gtest/gtest.h>

namespace qv::runtime {
namespace {

using Access = SqliteRecordStore::Access;

BlockField field(const std::string& tag, int order)
{
    BlockField b;
    b.field.tag = tag;
    b.searchLabel = tag;
    b.field.tabOrder = static_cast<int16_t>(order);
    return b;
}

AppData design(const std::vector<std::string>& fieldTags)
{
    AppData data;
    int order = 0;
    for (const std::string& tag : fieldTags)
        data.fields.push_back(field(tag, ++order));
    Checkbox paid;
    paid.tag = "Paid";
    paid.tabOrder = static_cast<int16_t>(++order);
    data.checkboxes = {paid};
    return data;
}

class RecordStoreTest : public ::testing::Test {
protected:
    QString path() const { return dir_.filePath(QStringLiteral("Orders.dat")); }

    std::unique_ptr<SqliteRecordStore> open(const RecordSchema& schema,
                                            Access access = Access::ReadWrite,
                                            const QString& app = QStringLiteral("Orders"))
    {
        SqliteRecordStore::Opening opening = SqliteRecordStore::open(path(), schema, app, access);
        EXPECT_TRUE(opening.error.isEmpty()) << opening.error.toStdString();
        return std::move(opening.store);
    }

    QString refusal(const RecordSchema& schema, Access access = Access::ReadWrite,
                    const QString& app = QStringLiteral("Orders"))
    {
        SqliteRecordStore::Opening opening = SqliteRecordStore::open(path(), schema, app, access);
        EXPECT_FALSE(opening.store);
        return opening.error;
    }

    QByteArray fileBytes() const
    {
        QFile file(path());
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }

    QTemporaryDir dir_;
};

TEST_F(RecordStoreTest, SavesLoadsAndDeletesRecords)
{
    const RecordSchema schema(design({"Name", "Town"}));
    auto store = open(schema);
    ASSERT_TRUE(store);
    EXPECT_FALSE(store->readOnly());
    EXPECT_EQ(store->count(), 0);
    EXPECT_EQ(store->nextId(), 1);
    const int64_t first = store->insert({"Ann", "Oslo", "1"});
    const int64_t second = store->insert({"Bob", "Rome", "0"});
    EXPECT_EQ(first, 1);
    EXPECT_EQ(second, 2);
    ASSERT_TRUE(store->update(first, {"Ann \"A\" O'Neil", "Oslo", "0"}));

    const std::optional<StoredRecord> loaded = store->load(first);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->values[0], "Ann \"A\" O'Neil");
    EXPECT_EQ(loaded->values[2], "0");
    EXPECT_FALSE(loaded->created.empty());
    EXPECT_GE(loaded->changed, loaded->created);
    EXPECT_FALSE(store->load(99));

    ASSERT_TRUE(store->remove(second));
    EXPECT_EQ(store->ids(), std::vector<int64_t>{1});
    // Numbers are never given twice, not even after a delete.
    EXPECT_EQ(store->nextId(), 3);
    EXPECT_EQ(store->insert({"Cy", "", "0"}), 3);
    EXPECT_EQ(store->columnValues(1), (std::vector<KeyedRecord>{{1, "Oslo"}, {3, ""}}));
    std::vector<int64_t> visited;
    EXPECT_TRUE(store->forEach([&](const StoredRecord& r) {
        visited.push_back(r.id);
        return true;
    }));
    EXPECT_EQ(visited, (std::vector<int64_t>{1, 3}));
}

TEST_F(RecordStoreTest, ADesignBuiltAgainKeepsEveryRecord)
{
    {
        auto store = open(RecordSchema(design({"Name", "Town"})));
        ASSERT_TRUE(store);
        store->insert({"Ann", "Oslo", "1"});
    }
    {
        // A field more: its column is added in place; the old values stay.
        auto store = open(RecordSchema(design({"Name", "Town", "Phone"})));
        ASSERT_TRUE(store);
        const std::optional<StoredRecord> r = store->load(1);
        ASSERT_TRUE(r);
        EXPECT_EQ(r->values, (std::vector<std::optional<std::string>>{"Ann", "Oslo", "", "1"}));
        store->update(1, {"Ann", "Oslo", "555", "1"});
    }
    {
        // A field fewer: its column and data stay in the file.
        auto store = open(RecordSchema(design({"Name"})));
        ASSERT_TRUE(store);
        EXPECT_EQ(store->load(1)->values, (std::vector<std::optional<std::string>>{"Ann", "1"}));
        store->update(1, {"Anna", "1"});
    }
    auto store = open(RecordSchema(design({"Name", "Town", "Phone"})));
    EXPECT_EQ(store->load(1)->values,
              (std::vector<std::optional<std::string>>{"Anna", "Oslo", "555", "1"}));
}

TEST_F(RecordStoreTest, RefusesFilesThatAreNotItsRecordsAndLeavesThemAlone)
{
    const RecordSchema schema(design({"Name"}));
    struct Case {
        const char* what;
        std::function<void(const QString&)> make;
        const char* says;
    };
    const Case cases[] = {
        {"garbage",
         [](const QString& file) {
             QFile f(file);
             f.open(QIODevice::WriteOnly);
             f.write(QByteArray(4096, 'x'));
         },
         "not a records file"},
        {"another database",
         [](const QString& file) {
             QSqlDatabase db =
                 QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
             db.setDatabaseName(file);
             db.open();
             QSqlQuery(db).exec(QStringLiteral("CREATE TABLE thesis (chapter TEXT)"));
             db.close();
         },
         "holds other data"},
        {"another application",
         [&](const QString& file) {
             SqliteRecordStore::open(file, schema, QStringLiteral("Invoices"), Access::ReadWrite);
         },
         "records of the application \"Invoices\""},
    };
    for (const Case& c : cases) {
        QFile::remove(path());
        c.make(path());
        QSqlDatabase::removeDatabase(QStringLiteral("other"));
        const QByteArray before = fileBytes();
        const QString message = refusal(schema);
        EXPECT_TRUE(message.contains(path())) << c.what << ": " << message.toStdString();
        EXPECT_TRUE(message.contains(QString::fromLatin1(c.says)))
            << c.what << ": " << message.toStdString();
        EXPECT_EQ(fileBytes(), before) << c.what;
    }
}

TEST_F(RecordStoreTest, ReadOnlyRecordsCanBeReadButNotChanged)
{
    const RecordSchema schema(design({"Name"}));
    EXPECT_TRUE(refusal(schema, Access::ReadOnly).contains(QStringLiteral("no records")));
    open(schema)->insert({"Ann", "0"});
    auto store = open(RecordSchema(design({"Name", "Phone"})), Access::ReadOnly);
    ASSERT_TRUE(store);
    EXPECT_TRUE(store->readOnly());
    // The column the design added is not there yet: read as absent, nothing is written.
    EXPECT_EQ(store->load(1)->values,
              (std::vector<std::optional<std::string>>{"Ann", std::nullopt, "0"}));
    EXPECT_EQ(store->insert({"Bob", "", "0"}), 0);
    EXPECT_FALSE(store->update(1, {"X", "", "0"}));
    EXPECT_FALSE(store->remove(1));
    EXPECT_TRUE(store->lastError().contains(QStringLiteral("read-only")));
    EXPECT_EQ(store->count(), 1);
}

TEST_F(RecordStoreTest, ReadOnlyRecordsOpenWithTheLogACrashLeft)
{
    const RecordSchema schema(design({"Name"}));
    auto writer = open(schema);
    writer->insert({"Ann", "0"});
    // What a crash leaves (the database with its write-ahead log), in a folder where the
    // shared-memory file cannot be made.
    QTemporaryDir left;
    ASSERT_TRUE(QFile::copy(path(), left.filePath(QStringLiteral("Orders.dat"))));
    ASSERT_TRUE(QFile::copy(path() + QStringLiteral("-wal"),
                            left.filePath(QStringLiteral("Orders.dat-wal"))));
    ASSERT_TRUE(QDir(left.path()).mkdir(QStringLiteral("Orders.dat-shm")));
    SqliteRecordStore::Opening opening =
        SqliteRecordStore::open(left.filePath(QStringLiteral("Orders.dat")), schema,
                                QStringLiteral("Orders"), Access::ReadOnly);
    ASSERT_TRUE(opening.store) << opening.error.toStdString();
    EXPECT_EQ(opening.store->ids(), std::vector<int64_t>{1});
}

TEST_F(RecordStoreTest, SearchTextsAreValuesNeverSql)
{
    const RecordSchema schema(design({"Name"}));
    auto store = open(schema);
    store->insert({"O'Brien", "0"});
    store->insert({"x'; DROP TABLE records; --", "0"});
    store->insert({"100% \"pure\"", "0"});
    store->insert({"under_score", "0"});
    struct Case {
        const char* text;
        std::vector<int64_t> found;
    };
    const Case cases[] = {
        {"o'b", {1}}, {"'; DROP TABLE records; --", {2}},
        {"%", {3}},   {"\"pure\"", {3}},
        {"_", {4}},   {"' OR '1'='1", {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(store->search(0, c.text), c.found) << c.text;
        EXPECT_EQ(store->searchAny({0, 1}, c.text), c.found) << c.text;
    }
    EXPECT_EQ(store->count(), 4);
}

TEST_F(RecordStoreTest, SearchesSeveralColumnsAndReadsRecordsInAnyOrder)
{
    const RecordSchema schema(design({"Name", "Town"}));
    auto store = open(schema);
    for (int i = 1; i <= 1000; ++i)
        store->insert({"Name " + std::to_string(i), i % 7 == 0 ? "Seven" : "Else", "0"});
    EXPECT_EQ(store->searchAny({0, 1}, "name 70").size(), 11u); // 70, 700..709
    EXPECT_EQ(store->searchAny({1}, "SEVEN").size(), 142u);
    EXPECT_EQ(store->searchAny({0, 1}, "1000"), std::vector<int64_t>{1000});
    EXPECT_TRUE(store->searchAny({}, "x").empty());

    // More records than one read takes, in an order of their own; a number without a
    // record is passed over.
    store->remove(500);
    std::vector<int64_t> wanted{999, 3, 500, 1};
    for (int64_t id = 1000; id > 100; --id)
        wanted.push_back(id);
    std::vector<int64_t> expected;
    for (int64_t id : wanted)
        if (id != 500)
            expected.push_back(id);
    std::vector<int64_t> visited;
    EXPECT_TRUE(store->forEachOf(wanted, [&](const StoredRecord& r) {
        EXPECT_EQ(r.values[0], "Name " + std::to_string(r.id));
        visited.push_back(r.id);
        return true;
    }));
    EXPECT_EQ(visited, expected);
    visited.clear();
    EXPECT_TRUE(store->forEachOf(wanted, [&](const StoredRecord& r) {
        visited.push_back(r.id);
        return visited.size() < 2;
    }));
    EXPECT_EQ(visited, (std::vector<int64_t>{999, 3}));
}

TEST_F(RecordStoreTest, ImportsAndReplacementsAreWrittenWholeOrNotAtAll)
{
    const RecordSchema schema(design({"Name", "Town"}));
    auto store = open(schema);
    ASSERT_TRUE(store->insertAll({{"Ann", "Oslo", "1"}, {"Bob", "Rome", "0"}}));
    EXPECT_EQ(store->count(), 2);
    ASSERT_TRUE(store->setValues({{1, 1, "Bergen"}, {2, 2, "1"}}));
    EXPECT_EQ(store->load(1)->values[1], "Bergen");
    EXPECT_EQ(store->load(2)->values[2], "1");

    // A change to a record that is gone refuses the whole list.
    EXPECT_FALSE(store->setValues({{1, 1, "Tromso"}, {7, 1, "Nowhere"}}));
    EXPECT_TRUE(store->lastError().contains(QStringLiteral("record 7")));
    EXPECT_EQ(store->load(1)->values[1], "Bergen");
    EXPECT_FALSE(store->setValues({{1, 9, "x"}}));

    // A record the file refuses half way through an import leaves none of the others.
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("t"));
        db.setDatabaseName(path());
        ASSERT_TRUE(db.open());
        QSqlQuery trigger(db);
        ASSERT_TRUE(trigger.exec(
            QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON records WHEN NEW.Name = 'bad' "
                           "BEGIN SELECT RAISE(ABORT, 'refused'); END")));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("t"));
    EXPECT_FALSE(store->insertAll({{"Cy", "", "0"}, {"Di", "", "0"}, {"bad", "", "0"}}));
    EXPECT_EQ(store->count(), 2);
    EXPECT_TRUE(store->insertAll({{"Cy", "", "0"}}));
    EXPECT_EQ(store->count(), 3);

    // Read-only records take neither.
    auto reader = open(schema, Access::ReadOnly);
    EXPECT_FALSE(reader->insertAll({{"Cy", "", "0"}}));
    EXPECT_FALSE(reader->setValues({{1, 0, "X"}}));
    EXPECT_EQ(store->count(), 3);
}

TEST_F(RecordStoreTest, TwoCopiesOfTheApplicationShareTheFile)
{
    const RecordSchema schema(design({"Name"}));
    auto first = open(schema);
    auto second = open(schema);
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first->insert({"from the first", "0"}), 1);
    EXPECT_TRUE(second->changedElsewhere());
    EXPECT_FALSE(second->changedElsewhere());
    EXPECT_EQ(second->insert({"from the second", "0"}), 2);
    EXPECT_EQ(first->ids(), (std::vector<int64_t>{1, 2}));
    // Saving its own record does not hide what the other copy saved meanwhile.
    EXPECT_TRUE(first->changedElsewhere());
    EXPECT_EQ(second->insert({"third", "0"}), 3);
    ASSERT_TRUE(first->update(1, {"from the first, again", "0"}));
    EXPECT_TRUE(first->changedElsewhere());
    EXPECT_FALSE(first->changedElsewhere());
    // A record the other copy deleted is kept again when this one saves it.
    ASSERT_TRUE(second->remove(1));
    ASSERT_TRUE(first->update(1, {"still typed", "0"}));
    EXPECT_EQ(second->load(1)->values[0], "still typed");
}

} // namespace
} // namespace qv::runtime

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
