// The built application's search window, exchange files, printing and button actions end
// to end: the order example is built with the real builder and driven offscreen on real
// SQLite files. With QV_SHOT_DIR set, the search window and the print preview are saved
// there as PNG pictures to look at.
#include "builtapplication.h"
#include "designbutton.h"
#include "fieldeditor.h"
#include "formpage.h"
#include "recordsession.h"
#include "searchwindow.h"

#include "controls/listplus.h"
#include "document/units.h"
#include "records/recordschema.h"

#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

namespace {

namespace fs = std::filesystem;
using qv::runtime::PrintChoice;
using qv::runtime::PrintScope;
using qv::runtime::PrintTarget;
using qv::runtime::RuntimeWindow;
using qv::runtime::SearchWindow;
using qv::test::menuAction;
using qv::test::typeInto;

// Saves a picture of a window into QV_SHOT_DIR, when it is set.
void shoot(QWidget& widget, const QString& name)
{
    const QString folder = qEnvironmentVariable("QV_SHOT_DIR");
    if (folder.isEmpty())
        return;
    widget.show();
    QApplication::processEvents();
    widget.grab().save(QDir(folder).filePath(name + QStringLiteral(".png")), "PNG");
}

qv::Button& addButton(qv::ProjectDocument& design, const char* caption, const std::string& action,
                      const std::string& script, int row)
{
    qv::Button& b = design.buttons[design.buttons.append()];
    b.caption = caption;
    b.tag = action;
    b.buttonAction = script;
    b.left = qv::pixelsToTwips(150 + 110 * (row % 4));
    b.top = qv::pixelsToTwips(270 + 34 * (row / 4));
    b.width = qv::pixelsToTwips(104);
    b.height = qv::pixelsToTwips(30);
    return b;
}

// The order example with a search window set up and the buttons the tests press.
qv::ProjectDocument design()
{
    qv::ProjectDocument d = qv::test::ordersExample();
    qv::AppSettings& s = d.settings;
    s.searchTexts[1] = "F1";
    s.searchTexts[2] = "F2";
    s.searchTexts[3] = "C1";
    s.searchTexts[4] = "F99"; // no such field: not listed
    s.searchMultiSelect = 1;
    s.searchExport = 1;
    s.exportOption = 1;
    addButton(d, "Look up", "https://example.org/find?q=F1:&n=ID:", "", 0);
    addButton(d, "Air mail", "", "Replace C1='Air mail' Where F1='smith*'", 1);
    addButton(d, "Run tool", "tools/record.sh --customer F1: C1:", "", 2);
    addButton(d, "Count", "", "F2=Count Where F1<>''", 3);
    addButton(d, "Big ones", "", "Select F1 F2 Where F2>4", 4);
    addButton(d, "Go to", "ID:", "", 5);
    addButton(d, "Bad line", "", "Replace F2=5", 6);
    return d;
}

// The live control of the designed button with `caption`; buttons are drawn until they are
// used, so this makes it as a click would.
QPushButton* designButton(RuntimeWindow& window, const QString& caption)
{
    qv::runtime::FormPage& page = *window.formPage();
    for (const qv::runtime::FormObject& object : page.objectsShown()) {
        if (object.kind != qv::ObjectKind::Button)
            continue;
        QPushButton* button = page.button(object.index);
        if (button != nullptr && button->text() == caption)
            return button;
    }
    qFatal("no button %s", qPrintable(caption));
}

QString readText(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

void writeText(const QString& path, const QByteArray& text)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

int pdfPages(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QString text = QString::fromLatin1(file.readAll());
    return static_cast<int>(
        text.count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?![s\\w])"))));
}

// An application with records entered through its window, and what it said.
struct Started {
    explicit Started(const qv::ProjectDocument& d)
        : app(qv::test::buildOrders(d, parent.path().toStdString())), window(app.start())
    {
        window->setWarn([this](const QString& w) { warnings << w; });
        window->dialogs().inform = [this](const QString& title, const QString& text) {
            told << title + QStringLiteral(": ") + text;
        };
    }

    // Enters records: customer, quantity, delivery.
    void enter(const std::vector<std::array<const char*, 3>>& records)
    {
        qv::runtime::FormPage* page = window->formPage();
        for (const auto& [customer, quantity, delivery] : records) {
            window->newRecord();
            typeInto(page->field(1), QString::fromUtf8(customer));
            typeInto(page->field(2), QString::fromUtf8(quantity));
            typeInto(page->editor({qv::InputKind::Combo, 1}), QString::fromUtf8(delivery));
        }
        QVERIFY(window->session().saveNow());
    }

    QTemporaryDir parent;
    qv::test::BuiltApplication app;
    std::unique_ptr<RuntimeWindow> window;
    QStringList warnings;
    QStringList told;
};

// Catches the addresses the application asks the system to open.
class LinkCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened << url; }
};

} // namespace

class RecordCommandsEndToEnd : public QObject {
    Q_OBJECT
private slots:
    void searchFindsOrdersOpensAndExports()
    {
        Started s(design());
        s.enter({{"smith & sons", "3", "Post"},
                 {"jones, ltd", "10", "Courier"},
                 {"smithers", "1", "Post"},
                 {"100% pure", "7", "Pickup"}});
        menuAction(*s.window, QStringLiteral("Search"))->trigger();
        SearchWindow* search = s.window->searchWindow();
        QVERIFY(search && search->isVisible());
        qv::gui::ListPlus* list = search->list();
        // The design's columns: Customer, Quantity, Delivery.
        QCOMPARE(list->columnCount(), 3);

        auto find = [&](const QString& field, const QString& text) {
            auto* box = search->findChild<QComboBox*>();
            box->setCurrentIndex(box->findText(field));
            auto* line = search->findChild<QLineEdit*>();
            line->clear();
            QTest::keyClicks(line, text);
            QTest::keyClick(line, Qt::Key_Return);
            std::vector<int64_t> found = search->results();
            return found;
        };
        QCOMPARE(find(QStringLiteral("Customer"), QStringLiteral("SMITH")),
                 (std::vector<int64_t>{1, 3}));
        QCOMPARE(list->row(0).columns[0], QStringLiteral("Smith & Sons"));
        QCOMPARE(find(QStringLiteral("All fields"), QStringLiteral("post")),
                 (std::vector<int64_t>{1, 3}));
        // Texts are values, never part of the query: quotes, SQL words, % and _ match only
        // themselves.
        QCOMPARE(find(QStringLiteral("Customer"), QStringLiteral("'; DROP TABLE records; --")),
                 std::vector<int64_t>{});
        QCOMPARE(find(QStringLiteral("Customer"), QStringLiteral("x' OR '1'='1")),
                 std::vector<int64_t>{});
        QCOMPARE(find(QStringLiteral("Customer"), QStringLiteral("%")), std::vector<int64_t>{4});
        QCOMPARE(find(QStringLiteral("Customer"), QStringLiteral("_")), std::vector<int64_t>{});
        QCOMPARE(s.window->session().count(), 4);
        // A value with a comma stays in its column.
        QCOMPARE(find(QStringLiteral("Customer"), QStringLiteral("jones")),
                 std::vector<int64_t>{2});
        QCOMPARE(list->row(0).columns[0], QStringLiteral("Jones, Ltd"));
        QCOMPARE(list->row(0).columns[1], QStringLiteral("10"));

        // Every record; a click on a header orders by it, a second click turns it round.
        QCOMPARE(find(QStringLiteral("All fields"), QString()).size(), 4u);
        QCOMPARE(search->status(), QStringLiteral("Records found: 4"));
        QTest::mouseClick(list, Qt::LeftButton, {}, QPoint(list->columnStart(0) + 20, 8));
        QCOMPARE(search->results(), (std::vector<int64_t>{4, 2, 1, 3}));
        QTest::mouseClick(list, Qt::LeftButton, {}, QPoint(list->columnStart(0) + 20, 8));
        QCOMPARE(search->results(), (std::vector<int64_t>{3, 1, 2, 4}));
        QTest::mouseClick(list, Qt::LeftButton, {}, QPoint(list->columnStart(1) + 20, 8));
        // Quantity is a text field of the example: its values order as texts.
        QCOMPARE(search->results(), (std::vector<int64_t>{3, 2, 1, 4}));
        shoot(*search, QStringLiteral("search-window"));

        // Choosing a row shows its record in the main window.
        const int rowY = qv::gui::kListHeaderHeight + list->rowHeight() * 1 + 2;
        QTest::mouseClick(list, Qt::LeftButton, {}, QPoint(60, rowY));
        QTest::mouseDClick(list, Qt::LeftButton, {}, QPoint(60, rowY));
        QCOMPARE(s.window->session().number(), 2);
        QCOMPARE(qv::test::fieldText(*s.window, 1), QStringLiteral("Jones, Ltd"));

        // Multi-Select: the selected rows are what the Export button writes.
        QTest::mouseClick(list, Qt::LeftButton, {}, QPoint(60, rowY)); // unselect record 2
        QTest::mouseClick(list, Qt::LeftButton, {},
                          QPoint(60, qv::gui::kListHeaderHeight + 2)); // select record 3
        QCOMPARE(search->chosen(), (std::vector<int64_t>{3}));
        const QString exported = QDir(s.parent.path()).filePath(QStringLiteral("found"));
        s.window->dialogs().saveFile = [&](const QString&, const QString& suggested,
                                           const QString&) {
            [&] { QVERIFY(suggested.endsWith(QStringLiteral("Orders.csv"))); }();
            return exported;
        };
        auto* exportButton =
            search->findChild<QPushButton*>(QString(), Qt::FindChildrenRecursively);
        for (QPushButton* button : search->findChildren<QPushButton*>())
            if (button->text() == QStringLiteral("Export"))
                exportButton = button;
        QTest::mouseClick(exportButton, Qt::LeftButton);
        QCOMPARE(
            readText(exported + QStringLiteral(".csv")),
            QStringLiteral("Paid,Customer,Remarks,Delivery,Quantity,Price,Total,Street,Town\r\n"
                           "0,Smithers,,Post,1,12.5,12.50,,\r\n"));
        QCOMPARE(s.warnings, QStringList());
    }

    void exportAndImportWholeFilesOrNothing()
    {
        Started s(design());
        s.enter({{"alpha", "2", "Post"}, {"beta, \"b\"", "4", "Courier"}});
        const QString folder = s.parent.path();
        s.window->dialogs().saveFile = [&](const QString&, const QString&, const QString&) {
            return QDir(folder).filePath(QStringLiteral("all.csv"));
        };
        menuAction(*s.window, QStringLiteral("Export"))->trigger();
        QCOMPARE(
            readText(QDir(folder).filePath(QStringLiteral("all.csv"))),
            QStringLiteral("Paid,Customer,Remarks,Delivery,Quantity,Price,Total,Street,Town\r\n"
                           "0,Alpha,,Post,2,12.5,25.00,,\r\n"
                           "0,\"Beta, \"\"b\"\"\",,Courier,4,12.5,50.00,,\r\n"));

        // A good file: every record comes in, in one step.
        const QString good = QDir(folder).filePath(QStringLiteral("good.csv"));
        writeText(good, "Town;Customer\n");
        writeText(good, "Customer,Town,Paid\r\nGamma,Rome,yes\r\nDelta,\"Oslo, N\",0\r\n");
        s.window->dialogs().openFile = [&](const QString&, const QString&, const QString&) {
            return good;
        };
        menuAction(*s.window, QStringLiteral("Import"))->trigger();
        QCOMPARE(s.window->session().count(), 4);
        QCOMPARE(s.told.size(), 1);
        QVERIFY2(s.told[0].contains(QStringLiteral("2 records were imported")),
                 qPrintable(s.told[0]));
        s.window->session().move(qv::RecordMove::Last);
        QCOMPARE(qv::test::fieldText(*s.window, 1), QStringLiteral("Delta"));
        QCOMPARE(s.window->form().value({qv::InputKind::Field, 6}), std::string("Oslo, N"));

        // A file with rejected lines: each is named with its line, and nothing comes in.
        const QString bad = QDir(folder).filePath(QStringLiteral("bad.csv"));
        writeText(bad, "Customer,Paid,Remarks\r\nEpsilon,1,fine\r\nZeta,maybe,x\r\n"
                       "Eta,0,\"unclosed\r\n");
        s.window->dialogs().openFile = [&](const QString&, const QString&, const QString&) {
            return bad;
        };
        menuAction(*s.window, QStringLiteral("Import"))->trigger();
        QCOMPARE(s.warnings.size(), 1);
        QVERIFY2(s.warnings[0].contains(QStringLiteral("nothing was imported")),
                 qPrintable(s.warnings[0]));
        QVERIFY2(s.warnings[0].contains(QStringLiteral("Line 3: ")), qPrintable(s.warnings[0]));
        QVERIFY2(s.warnings[0].contains(QStringLiteral("Line 4: ")), qPrintable(s.warnings[0]));
        QCOMPARE(s.window->session().count(), 4);

        // The records file itself is never an export's target.
        const QString records = QString::fromStdString(s.app.records().string());
        const qint64 size = QFileInfo(records).size();
        QVERIFY(!s.window->exportTo(records, {1, 2}).isEmpty());
        QCOMPARE(QFileInfo(records).size(), size);
        QCOMPARE(s.window->session().count(), 4);
    }

    void printsRecordsAndSearchResultsToPdf()
    {
        qv::ProjectDocument d = design();
        // The order sheet shows the customer and the quantity, one record per page.
        qv::ReportLabel quantity;
        quantity.referenceCode = 2;
        quantity.caption = "F2, 1";
        quantity.top = 1400;
        quantity.left = 1440;
        d.reportSlots.back().report.labels.push_back(quantity);
        d.reportSlots.back().report.labels[1].top = 1000;
        d.reportSlots.back().report.labels[1].left = 1440;
        d.reportSlots.back().report.labels[0].top = 400;
        d.reportSlots.back().report.labels[0].left = 1440;
        Started s(d);
        s.enter({{"first customer", "1", "Post"},
                 {"second customer", "2", "Post"},
                 {"third customer", "3", "Courier"}});
        const QString folder = s.parent.path();

        // The print-report menu lists the designed report by its name.
        QAction* report = menuAction(*s.window, QStringLiteral("Order sheet"));
        std::size_t offered = 99;
        s.window->dialogs().choosePrint = [&](const QString& name, std::size_t found) {
            [&] { QCOMPARE(name, QStringLiteral("Order sheet")); }();
            offered = found;
            return std::optional<PrintChoice>(PrintChoice{PrintScope::Record, PrintTarget::Pdf});
        };
        const QString one = QDir(folder).filePath(QStringLiteral("record"));
        s.window->dialogs().saveFile = [&](const QString&, const QString&, const QString&) {
            return one;
        };
        report->trigger();
        QCOMPARE(offered, 0u);
        QCOMPARE(pdfPages(one + QStringLiteral(".pdf")), 1);

        // The records of the last search, one a page.
        menuAction(*s.window, QStringLiteral("Search"))->trigger();
        s.window->searchWindow()->search(SearchWindow::kAllFields, QStringLiteral("post"));
        const QString found = QDir(folder).filePath(QStringLiteral("found.pdf"));
        QCOMPARE(s.window->printTo(1, {PrintScope::Found, PrintTarget::Pdf}, found), QString());
        QCOMPARE(pdfPages(found), 2);
        // The Print entry prints the first designed report.
        QCOMPARE(s.window->printTo(0, {PrintScope::Found, PrintTarget::Pdf}, found), QString());
        QCOMPARE(pdfPages(found), 2);
        // A file that cannot be written is said, and nothing else changes.
        QVERIFY(!s.window
                     ->printTo(1, {PrintScope::Record, PrintTarget::Pdf},
                               QDir(folder).filePath(QStringLiteral("no/such/x.pdf")))
                     .isEmpty());

        // The preview shows the pages.
        int previews = 0;
        s.window->dialogs().run = [&](QDialog& dialog) {
            ++previews;
            [&] { QVERIFY(qobject_cast<QPrintPreviewDialog*>(&dialog)); }();
            dialog.resize(900, 700);
            shoot(dialog, QStringLiteral("print-preview"));
            return static_cast<int>(QDialog::Rejected);
        };
        QCOMPARE(s.window->printTo(1, {PrintScope::Found, PrintTarget::Preview}), QString());
        QCOMPARE(previews, 1);
        QCOMPARE(s.warnings, QStringList());
    }

    void printsThePageWhenTheDesignHasNoReport()
    {
        qv::ProjectDocument d = design();
        d.reportSlots.clear();
        Started s(d);
        s.enter({{"only customer", "5", "Post"}});
        const QString path = QDir(s.parent.path()).filePath(QStringLiteral("page.pdf"));
        QCOMPARE(s.window->printTo(0, {PrintScope::Record, PrintTarget::Pdf}, path), QString());
        QCOMPARE(pdfPages(path), 1);
        const QString qvPdf = qEnvironmentVariable("QV_SHOT_DIR");
        if (!qvPdf.isEmpty())
            QFile::copy(path, QDir(qvPdf).filePath(QStringLiteral("page.pdf")));
    }

    void buttonsRunScriptsAndActionTexts()
    {
        Started s(design());
        s.enter(
            {{"smith & sons", "3", "Post"}, {"jones", "10", "Courier"}, {"smithers", "6", "Post"}});
        RuntimeWindow& w = *s.window;

        // A link: the values are encoded into the address, which the system opens.
        LinkCatcher links;
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &links, "open");
        w.session().move(qv::RecordMove::First);
        QTest::mouseClick(designButton(w, QStringLiteral("Look up")), Qt::LeftButton);
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        QCOMPARE(links.opened.size(), 1);
        QCOMPARE(links.opened[0].toString(QUrl::FullyEncoded),
                 QStringLiteral("https://example.org/find?q=Smith%20%26%20Sons&n=1"));

        // A Replace script writes every matching record in one step; the record on screen
        // shows the change at once.
        QTest::mouseClick(designButton(w, QStringLiteral("Air mail")), Qt::LeftButton);
        QCOMPARE(w.form().value({qv::InputKind::Combo, 1}), std::string("Air mail"));
        {
            QSqlDatabase db =
                QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("check"));
            db.setDatabaseName(QString::fromStdString(s.app.records().string()));
            QVERIFY(db.open());
            QSqlQuery query(db);
            QVERIFY(query.exec(QStringLiteral("SELECT ID, Delivery FROM records ORDER BY ID")));
            QStringList rows;
            while (query.next())
                rows << query.value(0).toString() + QLatin1Char('=') + query.value(1).toString();
            QCOMPARE(rows, (QStringList{QStringLiteral("1=Air mail"), QStringLiteral("2=Courier"),
                                        QStringLiteral("3=Air mail")}));
        }
        QSqlDatabase::removeDatabase(QStringLiteral("check"));

        // A program gets each value as one argument, never read by a shell.
        const QString tools = QDir(s.parent.path()).filePath(QStringLiteral("Orders/tools"));
        QVERIFY(QDir().mkpath(tools));
        const QString script = QDir(tools).filePath(QStringLiteral("record.sh"));
        writeText(script, "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > args.tmp\n"
                          "mv args.tmp args.txt\n");
        QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const QString args = QDir(s.parent.path()).filePath(QStringLiteral("Orders/args.txt"));
        typeInto(w.formPage()->field(1), QStringLiteral("a; rm -rf ~ $(id)"));
        QTest::mouseClick(designButton(w, QStringLiteral("Run tool")), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(args), 5000);
        QCOMPARE(readText(args), QStringLiteral("--customer\nA; Rm -rf ~ $(id)\nAir mail\n"));
        QFile::remove(args);

        // A value that would begin an argument with "-" is refused, and nothing starts.
        w.form().setValue({qv::InputKind::Field, 1}, "-rf");
        QTest::mouseClick(designButton(w, QStringLiteral("Run tool")), Qt::LeftButton);
        QCOMPARE(s.warnings.size(), 1);
        QVERIFY2(s.warnings[0].contains(QStringLiteral("option")), qPrintable(s.warnings[0]));
        QTest::qWait(300);
        QVERIFY(!QFile::exists(args));

        // A program that is not there is said.
        QFile::remove(script);
        w.form().setValue({qv::InputKind::Field, 1}, "x");
        QTest::mouseClick(designButton(w, QStringLiteral("Run tool")), Qt::LeftButton);
        QCOMPARE(s.warnings.size(), 2);
        QVERIFY2(s.warnings[1].contains(QStringLiteral("could not be started")),
                 qPrintable(s.warnings[1]));

        // A result with a target goes into the record and the formulas follow.
        QTest::mouseClick(designButton(w, QStringLiteral("Count")), Qt::LeftButton);
        QCOMPARE(qv::test::fieldText(w, 2), QStringLiteral("3"));
        QCOMPARE(qv::test::fieldText(w, 4), QStringLiteral("37.50"));

        // Select lists the matching records; choosing one shows it.
        QTest::mouseClick(designButton(w, QStringLiteral("Big ones")), Qt::LeftButton);
        SearchWindow* listed = nullptr;
        for (SearchWindow* window : w.findChildren<SearchWindow*>())
            if (window != w.searchWindow() && window->isVisible())
                listed = window;
        QVERIFY(listed);
        QCOMPARE(listed->results(), (std::vector<int64_t>{2, 3}));
        QCOMPARE(listed->list()->columnCount(), 2);
        listed->openCurrent();
        QCOMPARE(w.session().number(), 2);

        // "ID:" asks for a record number.
        w.dialogs().askNumber = [](const QString&) { return std::optional<int64_t>(3); };
        QTest::mouseClick(designButton(w, QStringLiteral("Go to")), Qt::LeftButton);
        QCOMPARE(w.session().number(), 3);
        w.dialogs().askNumber = [](const QString&) { return std::optional<int64_t>(77); };
        QTest::mouseClick(designButton(w, QStringLiteral("Go to")), Qt::LeftButton);
        QCOMPARE(s.warnings.last(), QStringLiteral("There is no record 77."));

        // A script line that does not read is said with its line, and nothing runs.
        QTest::mouseClick(designButton(w, QStringLiteral("Bad line")), Qt::LeftButton);
        QVERIFY2(s.warnings.last().startsWith(QStringLiteral("Line 1 of the script")),
                 qPrintable(s.warnings.last()));
    }

    void cutResultsAndRepairedDesignsAreSaid()
    {
        qv::ProjectDocument d = design();
        d.fields[5].fieldFormula = "F5F5"; // Street doubles itself
        Started s(d);
        RuntimeWindow& w = *s.window;
        w.form().setValue({qv::InputKind::Field, 5}, std::string(20000, 'x'));
        w.session().edited();
        QVERIFY2(w.notice().contains(QStringLiteral("F5 was cut to 32,767 characters")),
                 qPrintable(w.notice()));
        w.showDataWarnings({"Field 3: its left edge was no number and is now 0"}, true);
        QVERIFY(w.notice().contains(QStringLiteral("repaired")));
        QTRY_COMPARE(s.warnings.size(), 1);
        QVERIFY(s.warnings[0].contains(QStringLiteral("Field 3")));
    }
};

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    RecordCommandsEndToEnd test;
    return QTest::qExec(&test, argc, argv);
}

#include "recordcommandsendtoend_test.moc"
