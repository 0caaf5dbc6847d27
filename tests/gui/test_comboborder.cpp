#include "controls/comboborder.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

using namespace qv::gui;

class ComboBorderTest : public QObject {
    Q_OBJECT

private:
    static void showCombo(ComboBorder& combo)
    {
        combo.resize(160, 24);
        combo.show();
        QVERIFY(QTest::qWaitForWindowExposed(&combo));
        combo.lineEdit()->setFocus();
    }

private slots:
    void maxLengthStopsTyping()
    {
        ComboBorder combo;
        combo.setMaxLength(5);
        showCombo(combo);
        QLineEdit* edit = combo.lineEdit();
        QTest::keyClicks(edit, QStringLiteral("abcde"));
        QCOMPARE(combo.text(), QStringLiteral("abcde"));
        QTest::keyClick(edit, Qt::Key_F);
        QCOMPARE(combo.text(), QStringLiteral("abcde"));
        QTest::keyClick(edit, Qt::Key_Backspace);
        QCOMPARE(combo.text(), QStringLiteral("abcd"));
        QTest::keyClicks(edit, QStringLiteral("xy"));
        QCOMPARE(combo.text(), QStringLiteral("abcdx"));
    }

    void longPasteIsCut()
    {
        ComboBorder combo;
        combo.setMaxLength(5);
        showCombo(combo);
        QSignalSpy changes(&combo, &ComboBorder::change);
        QApplication::clipboard()->setText(QStringLiteral("0123456789"));
        QTest::keyClick(combo.lineEdit(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(combo.text(), QStringLiteral("01234"));
        QCOMPARE(combo.lineEdit()->cursorPosition(), 5);
        QVERIFY(changes.count() >= 1);
        // Text set by code is cut the same way.
        combo.setText(QStringLiteral("abcdefgh"));
        QCOMPARE(combo.text(), QStringLiteral("abcde"));
    }

    void completesFromTheList_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("selected");
        QTest::newRow("a") << QStringLiteral("a") << QStringLiteral("Apple")
                           << QStringLiteral("pple");
        QTest::newRow("ap") << QStringLiteral("ap") << QStringLiteral("Apple")
                            << QStringLiteral("ple");
        QTest::newRow("apr") << QStringLiteral("apr") << QStringLiteral("Apricot")
                             << QStringLiteral("icot");
        QTest::newRow("no match") << QStringLiteral("x") << QStringLiteral("x") << QString();
        QTest::newRow("whole item")
            << QStringLiteral("apple") << QStringLiteral("Apple") << QString();
    }
    void completesFromTheList()
    {
        QFETCH(QString, typed);
        QFETCH(QString, text);
        QFETCH(QString, selected);
        ComboBorder combo;
        combo.addItem(QStringLiteral("Apple"));
        combo.addItem(QStringLiteral("Apricot"));
        combo.setTextCase(4);
        showCombo(combo);
        QTest::keyClicks(combo.lineEdit(), typed);
        QCOMPARE(combo.text(), text);
        QCOMPARE(combo.lineEdit()->selectedText(), selected);
        if (!selected.isEmpty()) {
            QCOMPARE(combo.lineEdit()->selectionStart(), typed.size());
            QCOMPARE(combo.listIndex(), text == QStringLiteral("Apple") ? 0 : 1);
        }
    }

    void caseRules_data()
    {
        QTest::addColumn<int>("rule");
        QTest::addColumn<QString>("text");
        QTest::newRow("as typed") << 0 << QStringLiteral("hello wORLD");
        QTest::newRow("upper") << 1 << QStringLiteral("HELLO WORLD");
        QTest::newRow("proper") << 2 << QStringLiteral("Hello World");
        QTest::newRow("lower") << 3 << QStringLiteral("hello world");
    }
    void caseRules()
    {
        QFETCH(int, rule);
        QFETCH(QString, text);
        ComboBorder combo;
        combo.setTextCase(rule);
        showCombo(combo);
        QTest::keyClicks(combo.lineEdit(), QStringLiteral("hello wORLD"));
        QCOMPARE(combo.text(), text);
        // The caret stays where typing left it, also after a change in the middle.
        QTest::keyClick(combo.lineEdit(), Qt::Key_Home);
        QTest::keyClick(combo.lineEdit(), Qt::Key_Right);
        QTest::keyClick(combo.lineEdit(), Qt::Key_X);
        QCOMPARE(combo.lineEdit()->cursorPosition(), 2);
    }

    void sortedListKeepsOrder()
    {
        ComboBorder combo;
        combo.setSorted(true);
        for (const char16_t* item : {u"pear", u"Apple", u"banana"})
            combo.addItem(QString::fromUtf16(item));
        QCOMPARE(combo.listCount(), 3);
        QCOMPARE(combo.list(0), QStringLiteral("Apple"));
        QCOMPARE(combo.list(1), QStringLiteral("banana"));
        QCOMPARE(combo.list(2), QStringLiteral("pear"));
        QCOMPARE(properCase(QStringLiteral("  o'neil  van DYKE")),
                 QStringLiteral("  O'neil  Van Dyke"));
    }
};

QTEST_MAIN(ComboBorderTest)
#include "test_comboborder.moc"
