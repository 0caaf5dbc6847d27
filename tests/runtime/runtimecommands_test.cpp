// The runtime's commands that leave the window: file plates filled with the record,
// optional programs, the statistics, the calculator and a second view of the records.
#include "calculatordialog.h"
#include "platedocument.h"
#include "recordsession.h"
#include "runtimewindow.h"
#include "sqliterecordstore.h"
#include "statisticsdialog.h"

#include "builder/appdata.h"
#include "records/memoryrecordset.h"
#include "records/recordform.h"
#include "records/recordschema.h"

#include <QApplication>
#include <QFile>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

namespace {

qv::AppData design()
{
    qv::AppData data;
    data.windowTitle = "Shop";
    data.helpFileName = "Shop.chm";
    for (const char* tag : {"Name", "Amount"}) {
        qv::BlockField b;
        b.field.tag = tag;
        b.searchLabel = tag;
        b.field.caseRule = 3;
        data.fields.push_back(b);
    }
    data.fieldFormulas.assign(2, {});
    data.fieldTexts.assign(2, {});
    data.fieldDateOffsets.assign(2, 0);
    qv::BlockNotes notes;
    notes.notes.tag = "Memo";
    data.notes = {notes};
    qv::BlockPicture logo;
    logo.fileName = "Shop1.png";
    data.pictures = {logo};
    data.filePlates[0] = {"xml", "<Record_ID:>\r\n  <Name>F1:</Name>\r\n  <Memo>N1:</Memo>\r\n"
                                 "  <Logo>P0:</Logo>\r\n</Record_ID:>\r\n"};
    data.filePlates[1] = {"../TXT", "F1: owes F2:"};
    return data;
}

} // namespace

class RuntimeCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void platesAreFilledWithTheRecordAndWrittenWhole()
    {
        const qv::AppData data = design();
        qv::RecordForm form(data, qv::FormulaLocale{});
        form.startNew(0);
        form.setRecordId(7);
        form.setValue({qv::InputKind::Field, 1}, "Smith & <Sons>");
        form.setValue({qv::InputKind::Field, 2}, "12.50");
        form.setValue({qv::InputKind::Notes, 1}, "first\nsecond");
        QTemporaryDir dir;
        QString error;
        const QString xml =
            qv::runtime::WritePlateDocument(data, form, 0, dir.filePath(QStringLiteral("docs")),
                                            QStringLiteral("/apps/shop"), error);
        QVERIFY2(!xml.isEmpty(), qPrintable(error));
        QVERIFY(xml.endsWith(QStringLiteral("/docs/Record_7.xml")));
        QFile file(xml);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(
            QString::fromUtf8(file.readAll()),
            QStringLiteral("<Record_7>\r\n  <Name>Smith &amp; &lt;Sons&gt;</Name>\r\n"
                           "  <Memo>first\nsecond</Memo>\r\n  <Logo>/apps/shop/Shop1.png</Logo>\r\n"
                           "</Record_7>\r\n"));
        // An extension that is no plain name cannot lead the file out of its folder.
        const QString text = qv::runtime::WritePlateDocument(
            data, form, 1, dir.filePath(QStringLiteral("docs")), QString(), error);
        QVERIFY(text.endsWith(QStringLiteral("/docs/Record_7.txt")));
        QFile plain(text);
        QVERIFY(plain.open(QIODevice::ReadOnly));
        QCOMPARE(plain.readAll(), QByteArray("Smith & <Sons> owes 12.50"));
    }

    void aProgramThatCannotStartSaysWhich()
    {
        QString error;
        const qv::MemoryRecordSet::Record none;
        QVERIFY(!qv::runtime::StartProgram(QStringLiteral("c:\\Your_App.exe -Paste"),
                                           QDir::tempPath(), none, error));
        QVERIFY(error.contains(QStringLiteral("Your_App.exe")));
        QVERIFY(!qv::runtime::StartProgram(QStringLiteral("no-such-program-here --x"),
                                           QDir::tempPath(), none, error));
        QVERIFY(error.contains(QStringLiteral("no-such-program-here")));
        QVERIFY(!qv::runtime::StartProgram(QString(), QDir::tempPath(), none, error));
        QVERIFY(qv::runtime::StartProgram(QStringLiteral("true --ignored \"two words\""),
                                          QDir::tempPath(), none, error));
        // A record's values are whole arguments, never an option or the program.
        qv::MemoryRecordSet::Record record(3);
        record.set({qv::InputKind::Field, 1}, "-rf /").set({qv::InputKind::Field, 2}, "true");
        QVERIFY(!qv::runtime::StartProgram(QStringLiteral("true F1:"), QDir::tempPath(), record,
                                           error));
        QVERIFY2(error.contains(QStringLiteral("option")), qPrintable(error));
        QVERIFY(
            !qv::runtime::StartProgram(QStringLiteral("F2: x"), QDir::tempPath(), record, error));
        QVERIFY(qv::runtime::StartProgram(QStringLiteral("true \"name F1:\""), QDir::tempPath(),
                                          record, error));
    }

    void statisticsCountAndAddEachColumn()
    {
        const qv::AppData data = design();
        const qv::RecordSchema schema(data);
        QTemporaryDir dir;
        auto opening = qv::runtime::SqliteRecordStore::open(
            dir.filePath(QStringLiteral("Shop.db")), schema, QStringLiteral("Shop"),
            qv::runtime::SqliteRecordStore::Access::ReadWrite);
        QVERIFY(opening.store);
        opening.store->insert({"Ann", "10", ""});
        opening.store->insert({"Bob", "2.5", "note"});
        opening.store->insert({"", "n/a", ""});
        qv::runtime::StatisticsDialog dialog(QStringLiteral("Statistics"), *opening.store, schema,
                                             qv::FormulaLocale{});
        auto* table = dialog.findChild<QTableWidget*>();
        QVERIFY(table);
        QCOMPARE(table->rowCount(), 3);
        QCOMPARE(table->item(0, 0)->text(), QStringLiteral("Name"));
        QCOMPARE(table->item(0, 1)->text(), QStringLiteral("2"));
        QCOMPARE(table->item(1, 1)->text(), QStringLiteral("3"));
        QCOMPARE(table->item(1, 2)->text(), QStringLiteral("2"));
        QCOMPARE(table->item(1, 3)->text(), QLocale::system().toString(12.5, 'g', 15));
        QCOMPARE(table->item(2, 1)->text(), QStringLiteral("1"));
    }

    void theCalculatorWorksLikeTheFormulas()
    {
        QCOMPARE(qv::runtime::CalculatorDialog::evaluate(QStringLiteral("2+3*4")),
                 QStringLiteral("20"));
        QCOMPARE(qv::runtime::CalculatorDialog::evaluate(QStringLiteral("10-4/2")),
                 QStringLiteral("3"));
        QCOMPARE(qv::runtime::CalculatorDialog::evaluate(QStringLiteral("  ")), QString());
    }

    void aSecondViewSeesWhatTheFirstSaved()
    {
        const qv::AppData data = design();
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Shop.db"));
        const qv::runtime::RecordsOpener opener = [path](const qv::RecordSchema& schema) {
            qv::runtime::OpenedRecords opened;
            opened.store = qv::runtime::SqliteRecordStore::open(
                               path, schema, QStringLiteral("Shop"),
                               qv::runtime::SqliteRecordStore::Access::ReadWrite)
                               .store;
            return opened;
        };
        qv::runtime::RuntimeWindow window(data, qv::FormulaLocale{}, opener);
        window.form().setValue({qv::InputKind::Field, 1}, "first");
        window.session().edited();
        window.newView();
        auto views = window.findChildren<qv::runtime::RuntimeWindow*>();
        QVERIFY(views.isEmpty()); // a window of its own, not a child
        const auto tops = QApplication::topLevelWidgets();
        qv::runtime::RuntimeWindow* second = nullptr;
        for (QWidget* top : tops)
            if (auto* w = qobject_cast<qv::runtime::RuntimeWindow*>(top); w && w != &window)
                second = w;
        QVERIFY(second);
        QCOMPARE(second->form().value({qv::InputKind::Field, 1}), std::string("first"));
        second->form().setValue({qv::InputKind::Field, 1}, "from the second view");
        second->session().edited();
        QVERIFY(second->session().saveNow());
        window.session().move(qv::RecordMove::Last);
        QCOMPARE(window.form().value({qv::InputKind::Field, 1}),
                 std::string("from the second view"));
    }
};

QTEST_MAIN(RuntimeCommandsTest)
#include "runtimecommands_test.moc"
