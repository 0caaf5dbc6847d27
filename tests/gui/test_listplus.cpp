#include "controls/listplus.h"
#include "controls/realhscroll.h"
#include "controls/realvscroll.h"
#include "controls/scrollgeometry.h"

#include <QSignalSpy>
#include <QTest>

using namespace qv::gui;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(QStringList)

class ListPlusTest : public QObject {
    Q_OBJECT

private:
    static QStringList rows(int count)
    {
        QStringList result;
        for (int i = 1; i <= count; ++i)
            result << QStringLiteral("%1,name %1,city %1").arg(i);
        return result;
    }

    // Releases the left button over the row shown at a display position.
    static void clickPosition(ListPlus& list, int position)
    {
        const QPoint at(120,
                        kListHeaderHeight + position * list.rowHeight() + list.rowHeight() / 2);
        QTest::mouseClick(&list, Qt::LeftButton, {}, at);
    }

private slots:
    void rowTexts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("number");
        QTest::addColumn<QStringList>("columns");
        QTest::addColumn<QString>("extra");
        QTest::newRow("few commas")
            << QStringLiteral("3,a,b") << 3 << QStringList{u"a"_s, u"b"_s} << QString();
        QTest::newRow("not a number")
            << QStringLiteral("abc,x") << 0 << QStringList{u"x"_s} << QString();
        QTest::newRow("number then text")
            << QStringLiteral(" 12kg,x") << 12 << QStringList{u"x"_s} << QString();
        QTest::newRow("half to even") << QStringLiteral("2.5") << 2 << QStringList{} << QString();
        QTest::newRow("negative") << QStringLiteral("-7,y") << -7 << QStringList{u"y"_s}
                                  << QString();
        QTest::newRow("too big") << QStringLiteral("99999999999") << 2147483647 << QStringList{}
                                 << QString();
        QTest::newRow("empty") << QString() << 0 << QStringList{} << QString();
        QTest::newRow("all twelve and more")
            << QStringLiteral("1,c1,c2,c3,c4,c5,c6,c7,c8,c9,c10,extra,dropped") << 1
            << QStringList{u"c1"_s, u"c2"_s, u"c3"_s, u"c4"_s, u"c5"_s,
                           u"c6"_s, u"c7"_s, u"c8"_s, u"c9"_s, u"c10"_s}
            << QStringLiteral("extra");
    }
    void rowTexts()
    {
        QFETCH(QString, text);
        QFETCH(int, number);
        QFETCH(QStringList, columns);
        QFETCH(QString, extra);
        ListPlus list;
        list.AddArray({text});
        QCOMPARE(list.rowCount(), 1);
        const ListRow& row = list.row(0);
        QCOMPARE(row.number, number);
        for (int k = 0; k < kListColumns; ++k)
            QCOMPARE(row.columns[std::size_t(k)], k < columns.size() ? columns.at(k) : QString());
        QCOMPARE(row.extra, extra);
    }

    void singleSelectHighlightsOnlyTheClickedRow()
    {
        ListPlus list;
        list.resize(300, 200);
        list.AddArray(rows(5));
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        clickPosition(list, 1);
        QCOMPARE(list.currentRow(), 1);
        clickPosition(list, 3);
        QCOMPARE(list.currentRow(), 3);
        for (int r = 0; r < 5; ++r) {
            QCOMPARE(list.isHighlighted(r), r == 3);
            QVERIFY(!list.isSelected(r));
        }
        // Below the last row the click takes the last row.
        QTest::mouseClick(&list, Qt::LeftButton, {}, QPoint(120, 170));
        QCOMPARE(list.currentRow(), 4);
    }

    void multiSelectToggles()
    {
        ListPlus list;
        list.resize(300, 200);
        list.setMSelect(true);
        list.AddArray(rows(5));
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        clickPosition(list, 0);
        clickPosition(list, 2);
        QVERIFY(list.isSelected(0));
        QVERIFY(list.isSelected(2));
        clickPosition(list, 0);
        QVERIFY(!list.isSelected(0));
        QVERIFY(list.isSelected(2));
        // A click on the header selects nothing.
        QTest::mouseClick(&list, Qt::LeftButton, {}, QPoint(120, 5));
        QVERIFY(!list.isSelected(0));
    }

    void verticalBarFollowsTheRowCount_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("no rows") << 0 << false;
        QTest::newRow("few rows") << 3 << false;
        QTest::newRow("many rows") << 40 << true;
    }
    void verticalBarFollowsTheRowCount()
    {
        QFETCH(int, count);
        QFETCH(bool, enabled);
        ListPlus list;
        list.resize(300, 200);
        list.AddArray(rows(count));
        QCOMPARE(list.verticalBar()->isEnabled(), enabled);
        const int perPage = (list.surface().height() - kListHeaderHeight) / list.rowHeight();
        QCOMPARE(list.rowsPerPage(), perPage);
        QCOMPARE(list.verticalBar()->valueMax(), enabled ? count - 1 - perPage : 0);
        if (enabled) {
            // Scrolled down, a click picks the row at the scroll position plus the band.
            list.show();
            QVERIFY(QTest::qWaitForWindowExposed(&list));
            list.verticalBar()->setValue(10);
            clickPosition(list, 2);
            QCOMPARE(list.currentRow(), 12);
        }
    }

    void narrowColumnsScrollSideways()
    {
        ListPlus list;
        list.resize(300, 200);
        list.setCSelect(10);
        QCOMPARE(list.columnStart(1) - list.columnStart(0), kListMinColumnWidth);
        QVERIFY(list.horizontalBar()->isEnabled());
        QCOMPARE(list.horizontalBar()->valueMax(), list.columnStart(10) - list.surface().width());
        list.setCSelect(0);
        QCOMPARE(list.columnCount(), 1);
        QCOMPARE(list.columnStart(1), list.surface().width());
        list.setMaxWidth(100);
        QCOMPARE(list.horizontalBar()->valueMax(), 60);
    }

    void draggedColumnKeepsFortyUnits()
    {
        ListPlus list;
        list.resize(400, 200);
        list.setCSelect(3);
        list.AddArray(rows(3));
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        const int first = list.columnStart(0);
        const int boundary = list.columnStart(1);
        const int width2 = list.columnStart(2) - boundary;
        QTest::mouseMove(&list, QPoint(boundary - 10, 60));
        QCOMPARE(list.cursor().shape(), Qt::SizeHorCursor);
        QTest::mousePress(&list, Qt::LeftButton, {}, QPoint(boundary - 10, 60));
        QTest::mouseMove(&list, QPoint(boundary + 20, 60));
        QCOMPARE(list.columnStart(1), boundary + 30);
        QTest::mouseMove(&list, QPoint(first - 30, 60));
        QCOMPARE(list.columnStart(1), first + kListMinDragWidth);
        QTest::mouseRelease(&list, Qt::LeftButton, {}, QPoint(first - 30, 60));
        QCOMPARE(list.columnStart(2) - list.columnStart(1), width2); // the next column follows
        QCOMPARE(list.currentRow(), -1); // ending a drag selects nothing
        QTest::mouseMove(&list, QPoint(boundary + 60, 60));
        QCOMPARE(list.cursor().shape(), Qt::ArrowCursor);
    }

    // Rows made by the caller keep commas in their texts; the display order, the current
    // row and the selection follow the order the caller sets.
    void rowsInTheCallersOrder()
    {
        ListPlus list;
        list.resize(300, 17 + 3 * 15 + kScrollArrow);
        list.setCSelect(2);
        std::vector<ListRow> made(6);
        for (int i = 0; i < 6; ++i) {
            made[std::size_t(i)].number = 10 + i;
            made[std::size_t(i)].columns[0] = QStringLiteral("Smith, %1").arg(i);
        }
        list.setRows(made);
        QCOMPARE(list.row(2).columns[0], QStringLiteral("Smith, 2"));
        list.setOrder({5, 4, 3, 2, 1, 0});
        QCOMPARE(list.rowAtPosition(0), 5);
        list.setOrder({0, 0, 1, 2, 3, 4}); // not every row once: refused
        QCOMPARE(list.rowAtPosition(0), 5);
        list.setMSelect(true);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        clickPosition(list, 0);
        clickPosition(list, 2);
        QCOMPARE(list.selectedRows(), (std::vector<int>{5, 3}));
        list.setCurrentRow(0); // shown last: the list scrolls down to it
        QCOMPARE(list.currentRow(), 0);
        QVERIFY(list.verticalBar()->value() > 0);
        QVERIFY(list.isHighlighted(0));
    }

    void headerClicksNameTheirColumn()
    {
        ListPlus list;
        list.resize(400, 200);
        list.setCSelect(3);
        list.AddArray(rows(3));
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        QSignalSpy clicked(&list, &ListPlus::headerClicked);
        QTest::mouseClick(&list, Qt::LeftButton, {}, QPoint(5, 8));
        QTest::mouseClick(&list, Qt::LeftButton, {}, QPoint(list.columnStart(1) + 20, 8));
        QTest::mouseClick(&list, Qt::LeftButton, {}, QPoint(list.columnStart(2) + 20, 8));
        QCOMPARE(clicked.count(), 3);
        QCOMPARE(clicked.at(0).at(0).toInt(), 0);
        QCOMPARE(clicked.at(1).at(0).toInt(), 2);
        QCOMPARE(clicked.at(2).at(0).toInt(), 3);
        QCOMPARE(list.currentRow(), -1); // a header click selects no row
    }
};

QTEST_MAIN(ListPlusTest)
#include "test_listplus.moc"
