#include "checkeditor.h"
#include "comboeditor.h"
#include "designbutton.h"
#include "fieldeditor.h"
#include "formpage.h"
#include "noteseditor.h"
#include "recordsession.h"
#include "runtimewindow.h"
#include "sqliterecordstore.h"

#include "builder/appdata.h"
#include "builder/designofappdata.h"
#include "controls/designpainter.h"
#include "document/units.h"
#include "records/recordform.h"

#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

namespace {

using qv::InputKind;
using qv::InputRef;
using qv::runtime::FormPage;
using qv::runtime::RuntimeWindow;

qv::BlockField field(float left, float top, const std::string& tag, int format = 0)
{
    qv::BlockField b;
    b.field.left = qv::pixelsToTwips(left);
    b.field.top = qv::pixelsToTwips(top);
    b.field.height = qv::pixelsToTwips(22);
    b.field.fieldFormat = static_cast<uint8_t>(format);
    b.field.tag = tag;
    b.field.caseRule = 3;
    b.searchLabel = tag;
    return b;
}

// Name (1, UPPER, 8 long), Quantity (2), Price (3), Total (4, = F2*F3, on page 2),
// Stamp (5, locked after entry) and Due (6, a date); notes Remarks; combo Delivery;
// check box Paid; a button "Next" that goes to the next record.
qv::AppData orderForm()
{
    qv::AppData data;
    data.windowTitle = "Orders";
    data.helpFileName = "Orders.chm";
    data.exportExtension = "dat";
    data.surfaceWidth = qv::pixelsToTwips(400);
    data.surfaceHeight = qv::pixelsToTwips(300);
    data.fields = {field(10, 10, "Name"),     field(10, 40, "Quantity", 1),
                   field(10, 70, "Price", 1), field(10, 100, "Total", 1),
                   field(200, 10, "Stamp"),   field(200, 40, "Due", 7)};
    data.fields[0].field.caseRule = 1;
    data.fields[0].field.maxLength = 8;
    data.fields[3].field.page = 1;
    data.fields[3].hasFormula = true;
    data.fields[4].field.lockEnabled = 1;
    data.fields[5].field.noDefaultDate = 1;
    int order = 0;
    for (qv::BlockField& f : data.fields)
        f.field.tabOrder = static_cast<int16_t>(++order);
    // The TAB order goes Name, Price, Quantity.
    std::swap(data.fields[1].field.tabOrder, data.fields[2].field.tabOrder);
    data.fieldFormulas = {"", "", "", "F2*F3", "", ""};
    data.fieldTexts = {"", "3", "4", "", "", ""};
    data.fieldDateOffsets = {0, 0, 0, 0, 0, 0};
    qv::BlockNotes notes;
    notes.notes.tag = "Remarks";
    notes.notes.left = qv::pixelsToTwips(200);
    notes.notes.top = qv::pixelsToTwips(80);
    notes.notes.maxLength = 10;
    notes.notes.tabOrder = 7;
    data.notes = {notes};
    qv::Combo combo;
    combo.tag = "Delivery";
    combo.left = qv::pixelsToTwips(200);
    combo.top = qv::pixelsToTwips(160);
    combo.listItems = {"Post", "Courier"};
    combo.textCase = 4;
    combo.tabOrder = 8;
    data.combos = {combo};
    qv::Checkbox paid;
    paid.tag = "Paid";
    paid.left = qv::pixelsToTwips(200);
    paid.top = qv::pixelsToTwips(200);
    paid.tabOrder = 9;
    data.checkboxes = {paid};
    qv::Button next;
    next.caption = "Next";
    next.tag = ">";
    next.left = qv::pixelsToTwips(10);
    next.top = qv::pixelsToTwips(250);
    data.buttons = {next};
    data.menuCaptions[static_cast<size_t>(qv::MenuCaption::Fmenu)] = "&Datei";
    data.functionKeyTexts[1] = "typed by F2";
    data.calendarOption = 1;
    return data;
}

class Records {
public:
    QString path() const { return dir_.filePath(QStringLiteral("Orders.dat")); }
    qv::runtime::RecordsOpener opener(bool readOnly = false) const
    {
        return [this, readOnly](const qv::RecordSchema& schema) {
            qv::runtime::OpenedRecords opened;
            auto opening = qv::runtime::SqliteRecordStore::open(
                path(), schema, QStringLiteral("Orders"),
                readOnly ? qv::runtime::SqliteRecordStore::Access::ReadOnly
                         : qv::runtime::SqliteRecordStore::Access::ReadWrite);
            opened.store = std::move(opening.store);
            opened.notice = opening.error;
            opened.refused = !opening.error.isEmpty();
            return opened;
        };
    }

private:
    QTemporaryDir dir_;
};

// Types at the end of what the control holds, as after a click behind its text.
void typeInto(QWidget* editor, const QString& text)
{
    editor->setFocus();
    QTest::keyClick(editor, Qt::Key_End);
    QTest::keyClicks(editor, text);
}

QAction* menuAction(RuntimeWindow& window, const QString& text)
{
    for (QAction* menu : window.menuBar()->actions()) {
        for (QAction* action : menu->menu()->actions()) {
            if (action->text() == text)
                return action;
        }
    }
    return nullptr;
}

} // namespace

class RuntimeWindowTest : public QObject {
    Q_OBJECT
private slots:
    void editorsSitWhereThePainterPutsThem()
    {
        const qv::AppData data = orderForm();
        Records records;
        RuntimeWindow window(data, qv::FormulaLocale{}, records.opener());
        FormPage* page = window.formPage();
        const qv::ProjectDocument design = qv::DesignOfAppData(data);
        const qv::gui::DesignPainter painter(design);
        QCOMPARE(page->field(1)->geometry(),
                 painter.bounds(qv::ObjectKind::Field, 1).adjusted(1, 1, -1, -1).toRect());
        QCOMPARE(page->notes(1)->geometry(),
                 painter.bounds(qv::ObjectKind::Notes, 1).adjusted(1, 1, -1, -1).toRect());
        QCOMPARE(page->combo(1)->geometry(), painter.bounds(qv::ObjectKind::Combo, 1).toRect());
        QCOMPARE(page->checkbox(0)->geometry(),
                 painter.bounds(qv::ObjectKind::Checkbox, 0).toRect());
        QCOMPARE(page->button(0)->geometry(), painter.bounds(qv::ObjectKind::Button, 0).toRect());
        // Controls of a page are made when it is first shown.
        QVERIFY(!page->field(4));
        window.setPage(1);
        QVERIFY(page->field(4));
        QCOMPARE(page->field(4)->text(), QStringLiteral("12"));
    }

    void formulasMenusAndKeys()
    {
        const qv::AppData data = orderForm();
        Records records;
        RuntimeWindow window(data, qv::FormulaLocale{}, records.opener());
        window.show();
        FormPage* page = window.formPage();
        typeInto(page->field(2), QStringLiteral("0"));
        QCOMPARE(window.form().value({InputKind::Field, 4}), std::string("120"));
        QCOMPARE(window.windowTitle(), QStringLiteral("Orders"));
        QCOMPARE(window.menuBar()->actions().first()->text(), QStringLiteral("&Datei"));
        page->field(3)->setFocus();
        QApplication::setActiveWindow(&window);
        QTest::keyClick(page->field(3), Qt::Key_End);
        QTest::keyClick(&window, Qt::Key_F2);
        QCOMPARE(page->field(3)->text(), QStringLiteral("4typed by F2"));
        for (const char* entry :
             {"New Record", "Clear Record", "Delete Record", "Create", "Copy All...", "New View",
              "Sort A-Z", "Sort Z-A", "Sort Old-New", "Statistics", "Print", "Import", "About"})
            QVERIFY2(menuAction(window, QString::fromLatin1(entry)), entry);
    }

    void entryRulesOfTheDesign()
    {
        const qv::AppData data = orderForm();
        Records records;
        RuntimeWindow window(data, qv::FormulaLocale{}, records.opener());
        window.show();
        QApplication::setActiveWindow(&window);
        FormPage* page = window.formPage();

        // Case rule and length of a field.
        typeInto(page->field(1), QStringLiteral("acme ltd and sons"));
        QCOMPARE(page->field(1)->text(), QStringLiteral("ACME LTD"));
        // A memo keeps what fits of a paste; what was there stays whole.
        page->notes(1)->setFocus();
        page->notes(1)->insertPlainText(QStringLiteral("abcdef"));
        page->notes(1)->moveCursor(QTextCursor::Start);
        page->notes(1)->insertPlainText(QStringLiteral("1234567"));
        QCOMPARE(page->notes(1)->toPlainText(), QStringLiteral("1234abcdef"));
        // Completion from the combo's list.
        typeInto(page->combo(1), QStringLiteral("co"));
        QCOMPARE(page->combo(1)->text(), QStringLiteral("Courier"));

        // TAB follows the design's order: Name, Price, Quantity, Stamp.
        page->field(1)->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), page->field(3));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), page->field(2));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), page->field(3));

        // The calendar writes a picked day in the field's format.
        QVERIFY(!page->field(6)->actions().isEmpty());
        QVERIFY(page->field(1)->actions().isEmpty());
        page->field(6)->setFocus();
        QTest::keyClick(page->field(6), Qt::Key_F4);
        auto* calendar = page->field(6)->findChild<QCalendarWidget*>();
        QVERIFY(calendar && calendar->isVisible());
        emit calendar->clicked(QDate(2026, 3, 9));
        QCOMPARE(page->field(6)->text(), QStringLiteral("3/9/2026"));

        // Locked after entry: free while the record is entered, locked once it holds a value.
        typeInto(page->field(5), QStringLiteral("first"));
        QVERIFY(!page->field(5)->isReadOnly());
        QVERIFY(window.session().saveNow());
        window.newRecord();
        window.session().move(qv::RecordMove::Previous);
        QCOMPARE(page->field(5)->text(), QStringLiteral("first"));
        QVERIFY(page->field(5)->isReadOnly());
        QVERIFY(!page->field(1)->isReadOnly());
    }

    void recordsAreKeptAcrossARestart()
    {
        const qv::AppData data = orderForm();
        Records records;
        {
            RuntimeWindow window(data, qv::FormulaLocale{}, records.opener());
            window.show();
            FormPage* page = window.formPage();
            for (const char* name : {"carol", "alice", "bob"}) {
                window.newRecord();
                typeInto(page->field(1), QString::fromLatin1(name));
                QTest::mouseClick(page->checkbox(0), Qt::LeftButton);
            }
            // Saved shortly after the last keystroke, without any command.
            QTRY_VERIFY_WITH_TIMEOUT(!window.session().pending(), 3000);
            QCOMPARE(window.session().count(), 3);
            window.session().move(qv::RecordMove::First);
            typeInto(page->field(1), QStringLiteral("-x"));
        }
        RuntimeWindow window(data, qv::FormulaLocale{}, records.opener());
        FormPage* page = window.formPage();
        // It opens on the last record.
        QCOMPARE(page->field(1)->text(), QStringLiteral("BOB"));
        QCOMPARE(window.session().number(), 3);
        QCOMPARE(page->checkbox(0)->value(), 1);
        window.session().move(qv::RecordMove::First);
        QCOMPARE(page->field(1)->text(), QStringLiteral("CAROL-X"));

        // Sorted by the field being typed into, both ways, and back to record order.
        page->field(1)->setFocus();
        window.sort(false);
        window.session().move(qv::RecordMove::First);
        QCOMPARE(page->field(1)->text(), QStringLiteral("ALICE"));
        window.sort(true);
        window.session().move(qv::RecordMove::First);
        QCOMPARE(page->field(1)->text(), QStringLiteral("CAROL-X"));
        window.session().move(qv::RecordMove::Next);
        QCOMPARE(page->field(1)->text(), QStringLiteral("BOB"));
        window.sortOldNew();
        window.session().move(qv::RecordMove::Last);
        QCOMPARE(window.session().number(), 3);

        // The design's "Next" button walks too.
        window.session().move(qv::RecordMove::First);
        QTest::mouseClick(page->button(0), Qt::LeftButton);
        QCOMPARE(window.session().number(), 2);

        // Deleting asks first; "no" keeps the record.
        QStringList asked;
        bool answer = false;
        window.setAsk([&](const QString& q) {
            asked << q;
            return answer;
        });
        window.deleteRecord();
        QCOMPARE(window.session().count(), 3);
        answer = true;
        window.deleteRecord();
        QCOMPARE(asked.size(), 2);
        QCOMPARE(window.session().count(), 2);
        QCOMPARE(window.session().number(), 3);

        window.copyAll();
        QVERIFY(QApplication::clipboard()->text().startsWith(QStringLiteral("Name: BOB\n")));
    }

    void copyAndClearAnExistingRecord()
    {
        const qv::AppData data = orderForm();
        Records records;
        RuntimeWindow window(data, qv::FormulaLocale{}, records.opener());
        window.show();
        FormPage* page = window.formPage();
        typeInto(page->field(1), QStringLiteral("acme"));
        typeInto(page->field(5), QStringLiteral("stamped"));
        QVERIFY(window.session().saveNow());
        window.copyToNewRecord();
        QVERIFY(window.session().isNew());
        QCOMPARE(page->field(1)->text(), QStringLiteral("ACME"));
        QVERIFY(!page->field(5)->isReadOnly());
        QVERIFY(window.session().saveNow());
        QCOMPARE(window.session().count(), 2);
        window.session().move(qv::RecordMove::First);
        window.clearRecord();
        QCOMPARE(page->field(1)->text(), QString());
        QCOMPARE(page->field(5)->text(), QStringLiteral("stamped")); // locked: kept
    }

    void readOnlyAndRefusedRecordsSaySoAndTakeNoTyping()
    {
        const qv::AppData data = orderForm();
        Records records;
        {
            RuntimeWindow window(data, qv::FormulaLocale{}, records.opener());
            typeInto(window.formPage()->field(1), QStringLiteral("kept"));
        }
        {
            RuntimeWindow window(data, qv::FormulaLocale{}, records.opener(true));
            QVERIFY(window.formPage()->field(1)->isReadOnly());
            QCOMPARE(window.formPage()->field(1)->text(), QStringLiteral("KEPT"));
        }
        QFile file(records.path());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(QByteArray(2048, 'z'));
        file.close();
        QStringList warnings;
        RuntimeWindow window(data, qv::FormulaLocale{}, records.opener());
        window.setWarn([&](const QString& w) { warnings << w; });
        QTRY_COMPARE(warnings.size(), 1);
        QVERIFY(warnings[0].contains(records.path()));
        QVERIFY(window.notice().contains(QStringLiteral("not a records file")));
        QVERIFY(window.formPage()->field(1)->isReadOnly());
        QVERIFY(window.formPage()->checkbox(0)->isReadOnly());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray(2048, 'z'));
    }
};

QTEST_MAIN(RuntimeWindowTest)
#include "runtimewindow_test.moc"
