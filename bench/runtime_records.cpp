// The records of a built application at 100,000 records of an invoice-like design (20
// fields, 2 notes, 3 combos, 2 check boxes): opening the application on its last record,
// searching one field, sorting the whole set by one column, writing every record to a CSV
// file, and saving one edited record; the Export command, the search window and a script's
// record command over every record. The records file is made once and kept in the
// temporary folder. Reports the resident memory with the window open.
#include "residentmemory.h"
#include "recordsession.h"
#include "runtimewindow.h"
#include "searchwindow.h"
#include "sqliterecordstore.h"
#include "storerecordset.h"

#include "records/csvexport.h"
#include "records/recordscript.h"

#include "records/recordform.h"
#include "records/recordorder.h"
#include "records/recordschema.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace {

constexpr int kRecords = 100000;

qv::AppData invoiceDesign()
{
    qv::AppData data;
    data.windowTitle = "Invoices";
    data.helpFileName = "Invoices.chm";
    data.surfaceWidth = 640 * 15;
    data.surfaceHeight = 480 * 15;
    const char* tags[] = {"Customer", "Street",   "Town",      "Postcode", "Country",
                          "Phone",    "Email",    "Invoice",   "Date",     "Due",
                          "Item",     "Quantity", "Price",     "Net",      "Tax",
                          "Total",    "Paid on",  "Reference", "Agent",    "Region"};
    int order = 0;
    for (const char* tag : tags) {
        qv::BlockField b;
        b.field.tag = tag;
        b.searchLabel = tag;
        b.field.caseRule = 3;
        b.field.tabOrder = static_cast<int16_t>(++order);
        b.field.top = static_cast<float>(order * 300);
        data.fields.push_back(b);
    }
    data.fields[11].field.fieldFormat = 1; // Quantity
    data.fields[12].field.fieldFormat = 2; // Price
    data.fields[15].field.fieldFormat = 2; // Total
    data.fields[8].field.fieldFormat = 7;  // Date
    data.fieldFormulas.assign(data.fields.size(), {});
    data.fieldFormulas[15] = "F12*F13";
    data.fieldTexts.assign(data.fields.size(), {});
    data.fieldDateOffsets.assign(data.fields.size(), 0);
    for (const char* tag : {"Notes", "Terms"}) {
        qv::BlockNotes n;
        n.notes.tag = tag;
        n.notes.tabOrder = static_cast<int16_t>(++order);
        data.notes.push_back(n);
    }
    for (const char* tag : {"Delivery", "Payment", "Status"}) {
        qv::Combo c;
        c.tag = tag;
        c.listItems = {"One", "Two", "Three"};
        c.tabOrder = ++order;
        data.combos.push_back(c);
    }
    for (const char* tag : {"Sent", "Settled"}) {
        qv::Checkbox c;
        c.tag = tag;
        c.tabOrder = static_cast<int16_t>(++order);
        data.checkboxes.push_back(c);
    }
    return data;
}

std::string valueOf(const qv::RecordColumn& column, int record)
{
    const std::string& tag = column.label;
    if (tag == "Quantity")
        return std::to_string(record % 97 + 1);
    if (tag == "Price" || tag == "Total")
        return std::to_string(record % 1000) + "." + std::to_string(record % 90 + 10);
    if (tag == "Date")
        return std::to_string(record % 12 + 1) + "/" + std::to_string(record % 28 + 1) + "/2025";
    if (column.object.kind == qv::InputKind::Checkbox)
        return std::to_string(record % 2);
    if (column.object.kind == qv::InputKind::Notes)
        return "A note of some length for record " + std::to_string(record) +
               ", written to fill the memo as a user would.";
    return tag + " " + std::to_string((record * 7919) % kRecords);
}

// The records file of 100,000 records, made once: the store makes the tables, the rows go
// in in one transaction.
QString recordsFile(const qv::RecordSchema& schema)
{
    const QString path = QDir::temp().filePath(QStringLiteral("quorvalle-bench-invoices-v1.db"));
    if (QFile::exists(path))
        return path;
    const QString making = path + QStringLiteral(".making");
    QFile::remove(making);
    {
        auto opening =
            qv::runtime::SqliteRecordStore::open(making, schema, QStringLiteral("Invoices"),
                                                 qv::runtime::SqliteRecordStore::Access::ReadWrite);
        if (!opening.store)
            qFatal("%s", qPrintable(opening.error));
    }
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("fill"));
        db.setDatabaseName(making);
        db.open();
        QStringList names{QStringLiteral("Created"), QStringLiteral("Changed")};
        QStringList marks{QStringLiteral("?"), QStringLiteral("?")};
        for (const qv::RecordColumn& column : schema.columns()) {
            names << QString::fromStdString(qv::QuoteIdentifier(column.name));
            marks << QStringLiteral("?");
        }
        QSqlQuery query(db);
        query.exec(QStringLiteral("BEGIN"));
        query.prepare(QStringLiteral("INSERT INTO records (%1) VALUES (%2)")
                          .arg(names.join(QLatin1Char(',')), marks.join(QLatin1Char(','))));
        for (int r = 1; r <= kRecords; ++r) {
            query.addBindValue(QStringLiteral("2026-01-01T00:00:00.000Z"));
            query.addBindValue(QStringLiteral("2026-01-01T00:00:00.000Z"));
            for (const qv::RecordColumn& column : schema.columns())
                query.addBindValue(QString::fromStdString(valueOf(column, r)));
            if (!query.exec())
                qFatal("cannot fill the records: %s", qPrintable(query.lastError().text()));
        }
        query.exec(QStringLiteral("COMMIT"));
        query.finish();
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("fill"));
    QFile::rename(making, path);
    return path;
}

struct Fixture {
    qv::AppData data = invoiceDesign();
    qv::RecordSchema schema{data};
    QString path = recordsFile(schema);

    std::unique_ptr<qv::runtime::SqliteRecordStore> open() const
    {
        auto opening =
            qv::runtime::SqliteRecordStore::open(path, schema, QStringLiteral("Invoices"),
                                                 qv::runtime::SqliteRecordStore::Access::ReadWrite);
        if (!opening.store)
            qFatal("%s", qPrintable(opening.error));
        return std::move(opening.store);
    }

    qv::runtime::RecordsOpener opener() const
    {
        return [this](const qv::RecordSchema&) {
            qv::runtime::OpenedRecords opened;
            opened.store = open();
            return opened;
        };
    }
};

Fixture& fixture()
{
    static Fixture f;
    return f;
}

void BM_OpenShowingTheLastRecord(benchmark::State& state)
{
    Fixture& f = fixture();
    for (auto _ : state) {
        qv::runtime::RuntimeWindow window(f.data, qv::FormulaLocale{}, f.opener());
        window.show();
        QApplication::processEvents();
        if (window.session().number() != kRecords)
            state.SkipWithError("not on the last record");
        state.PauseTiming();
        state.counters["rss_MB"] = static_cast<double>(residentKilobytes()) / 1024.0;
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenShowingTheLastRecord)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_SearchOneField(benchmark::State& state)
{
    auto store = fixture().open();
    for (auto _ : state) {
        const std::vector<int64_t> found = store->search(0, "Customer 4711");
        benchmark::DoNotOptimize(found.data());
    }
}
BENCHMARK(BM_SearchOneField)->Unit(benchmark::kMillisecond);

void sortBy(benchmark::State& state, int column)
{
    Fixture& f = fixture();
    auto store = f.open();
    const qv::RecordColumn& c = f.schema.columns()[static_cast<size_t>(column)];
    for (auto _ : state) {
        const std::vector<int64_t> order =
            qv::OrderRecords(store->columnValues(column), qv::SortKindOf(f.data, c.object), false,
                             qv::FormulaLocale{});
        benchmark::DoNotOptimize(order.data());
    }
}

void BM_SortAllByText(benchmark::State& state)
{
    sortBy(state, 0); // Customer
}
BENCHMARK(BM_SortAllByText)->Unit(benchmark::kMillisecond);

void BM_SortAllByNumber(benchmark::State& state)
{
    sortBy(state, 12); // Price
}
BENCHMARK(BM_SortAllByNumber)->Unit(benchmark::kMillisecond);

void BM_SortAllByDate(benchmark::State& state)
{
    sortBy(state, 8); // Date
}
BENCHMARK(BM_SortAllByDate)->Unit(benchmark::kMillisecond);

// The store's walk over every record alone: what any export or report pays to read.
void BM_ReadEveryRecord(benchmark::State& state)
{
    auto store = fixture().open();
    for (auto _ : state) {
        size_t bytes = 0;
        store->forEach([&](const qv::runtime::StoredRecord& record) {
            for (const std::optional<std::string>& value : record.values)
                bytes += value ? value->size() : 0;
            return true;
        });
        benchmark::DoNotOptimize(bytes);
    }
}
BENCHMARK(BM_ReadEveryRecord)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_SaveOneEditedRecord(benchmark::State& state)
{
    Fixture& f = fixture();
    auto store = f.open();
    std::vector<std::string> values;
    for (const qv::RecordColumn& column : f.schema.columns())
        values.push_back(valueOf(column, 5000));
    int edit = 0;
    for (auto _ : state) {
        values[1] = "Street " + std::to_string(++edit);
        if (!store->update(5000, values))
            state.SkipWithError("not saved");
    }
}
BENCHMARK(BM_SaveOneEditedRecord)->Unit(benchmark::kMillisecond);

// The Export command: every record, read through the store as a record set, written as an
// exchange file; in record-number order (one walk) and in another order (a look-up per
// record, as after a sort).
void exportInOrder(benchmark::State& state, bool reversed)
{
    Fixture& f = fixture();
    auto store = f.open();
    std::vector<int64_t> ids = store->ids();
    if (reversed)
        std::reverse(ids.begin(), ids.end());
    const std::filesystem::path target =
        QDir::temp().filePath(QStringLiteral("quorvalle-bench-export.csv")).toStdString();
    const qv::CsvFormat format = qv::CsvFormat::fromDesign(",", "csv");
    for (auto _ : state) {
        const qv::runtime::StoreRecordSet records(*store, f.schema, ids);
        const qv::CsvExport written =
            qv::exportCsvFile(target, records, f.schema.columns(), format);
        if (!written.ok || written.records != static_cast<size_t>(kRecords))
            state.SkipWithError(written.message.c_str());
    }
    std::filesystem::remove(target);
}

void BM_ExportEveryRecord(benchmark::State& state)
{
    exportInOrder(state, false);
}
BENCHMARK(BM_ExportEveryRecord)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_ExportEveryRecordSorted(benchmark::State& state)
{
    exportInOrder(state, true);
}
BENCHMARK(BM_ExportEveryRecordSorted)->Unit(benchmark::kMillisecond)->Iterations(3);

// The search window: a search of every searchable field, and one that finds every record
// (the list shows the first SearchWindow::kMaxListed of them).
void searchWindow(benchmark::State& state, const QString& text)
{
    Fixture& f = fixture();
    auto store = f.open();
    qv::runtime::SearchWindow window(f.data, f.schema, *store, qv::FormulaLocale{});
    for (auto _ : state) {
        window.search(qv::runtime::SearchWindow::kAllFields, text);
        benchmark::DoNotOptimize(window.results().data());
    }
    state.counters["found"] = static_cast<double>(window.results().size());
}

void BM_SearchWindowAllFields(benchmark::State& state)
{
    searchWindow(state, QStringLiteral("4711"));
}
BENCHMARK(BM_SearchWindowAllFields)->Unit(benchmark::kMillisecond);

void BM_SearchWindowEveryRecord(benchmark::State& state)
{
    searchWindow(state, QString());
}
BENCHMARK(BM_SearchWindowEveryRecord)->Unit(benchmark::kMillisecond)->Iterations(3);

// A button script's record command over every record in the store.
void BM_ScriptSumOverEveryRecord(benchmark::State& state)
{
    Fixture& f = fixture();
    auto store = f.open();
    const qv::runtime::StoreRecordSet records(*store, f.schema, store->ids());
    const qv::RecordScript script =
        qv::parseRecordScript("SUM F13 Where F12>50", f.schema.columns());
    for (auto _ : state) {
        qv::ScriptEnvironment environment{records, f.schema.columns(),  nullptr,
                                          nullptr, qv::FormulaLocale{}, 46000};
        const qv::ActionOutcome outcome = qv::runRecordScript(script, environment);
        if (!outcome.error.empty())
            state.SkipWithError(outcome.error.c_str());
    }
}
BENCHMARK(BM_ScriptSumOverEveryRecord)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
