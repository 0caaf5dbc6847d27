#include "controls/depthscroll.h"
#include "controls/realhscroll.h"
#include "controls/realvscroll.h"
#include "controls/scrollgeometry.h"

#include <QSignalSpy>
#include <QTest>

using namespace qv::gui;

class ScrollBarTest : public QObject {
    Q_OBJECT

private:
    // A 200-pixel bar at the defaults: thumb 11 long (17 drawn), travel 200 - 11 - 40 = 149.
    static void makeBar(RealhScroll& bar)
    {
        bar.resize(200, 17);
        bar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&bar));
    }

private slots:
    void valueIsClamped_data()
    {
        QTest::addColumn<int>("valueMin");
        QTest::addColumn<int>("valueMax");
        QTest::addColumn<int>("set");
        QTest::addColumn<int>("stored");
        QTest::newRow("inside") << 0 << 100 << 40 << 40;
        QTest::newRow("above max") << 0 << 100 << 150 << 100;
        QTest::newRow("below min") << 0 << 100 << -5 << 0;
        QTest::newRow("zero below a raised min") << 10 << 100 << 0 << 10;
        QTest::newRow("empty range") << 7 << 7 << 100 << 7;
    }
    void valueIsClamped()
    {
        QFETCH(int, valueMin);
        QFETCH(int, valueMax);
        QFETCH(int, set);
        QFETCH(int, stored);
        RealhScroll bar;
        bar.resize(200, 17);
        bar.setValueMax(valueMax);
        bar.setValueMin(valueMin);
        bar.setValue(set);
        QCOMPARE(bar.value(), stored);
    }

    void thumbFollowsValue_data()
    {
        QTest::addColumn<int>("valueMin");
        QTest::addColumn<int>("valueMax");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("thumb");
        QTest::newRow("at min") << 0 << 100 << 0 << 17;
        QTest::newRow("at max") << 0 << 100 << 100 << 17 + 149;
        QTest::newRow("half, truncated") << 0 << 100 << 50 << 17 + 74;
        QTest::newRow("shifted range") << -50 << 50 << 0 << 17 + 74;
        QTest::newRow("min = max") << 5 << 5 << 5 << 17;
    }
    void thumbFollowsValue()
    {
        QFETCH(int, valueMin);
        QFETCH(int, valueMax);
        QFETCH(int, value);
        QFETCH(int, thumb);
        RealhScroll bar;
        bar.resize(200, 17);
        bar.setValueMin(valueMin);
        bar.setValueMax(valueMax);
        bar.setValue(value);
        if (valueMin < valueMax)
            QCOMPARE(bar.thumbLength(), 11);
        QCOMPARE(bar.thumbPosition(), thumb);
        // The geometry the canvas uses agrees with the widget.
        QCOMPARE(scrollThumbPosition(200, 11, value, valueMin, valueMax), thumb);
    }

    void changeIsRaisedOncePerChange()
    {
        RealhScroll bar;
        QSignalSpy changes(&bar, &RealhScroll::change);
        bar.setValue(10);
        bar.setValue(10);
        bar.setValue(500);
        QCOMPARE(changes.count(), 2);
    }

    void holdingAnArrowRepeatsToTheEnd()
    {
        RealhScroll bar;
        makeBar(bar);
        QSignalSpy changes(&bar, &RealhScroll::change);
        QTest::mousePress(&bar, Qt::LeftButton, {}, QPoint(195, 8));
        QCOMPARE(bar.value(), 1); // one step at once
        QTRY_COMPARE_WITH_TIMEOUT(bar.value(), 100, 5000);
        QTest::qWait(50);
        QCOMPARE(bar.value(), 100);
        QCOMPARE(changes.count(), 100);
        QTest::mouseRelease(&bar, Qt::LeftButton, {}, QPoint(195, 8));

        QTest::mousePress(&bar, Qt::LeftButton, {}, QPoint(5, 8));
        QCOMPARE(bar.value(), 99);
        QTest::mouseRelease(&bar, Qt::LeftButton, {}, QPoint(5, 8));
        QTest::qWait(2 * ScrollBarControl::kFirstRepeatDelay);
        QCOMPARE(bar.value(), 99); // released before the repeat began
    }

    void pagingStopsAtThePointer()
    {
        RealhScroll bar;
        makeBar(bar);
        QTest::mousePress(&bar, Qt::LeftButton, {}, QPoint(120, 8));
        QCOMPARE(bar.value(), 5);
        QTRY_VERIFY_WITH_TIMEOUT(bar.thumbPosition() + bar.thumbLength() + kThumbMargin > 120,
                                 5000);
        const int stopped = bar.value();
        QTest::qWait(100);
        QCOMPARE(bar.value(), stopped);
        QVERIFY(stopped < 100);
        QTest::mouseRelease(&bar, Qt::LeftButton, {}, QPoint(120, 8));
    }

    void draggingPastBothEnds()
    {
        RealhScroll bar;
        makeBar(bar);
        bar.setValue(50);
        const QPoint thumb(bar.thumbPosition() + 8, 8);
        QTest::mousePress(&bar, Qt::LeftButton, {}, thumb);
        QVERIFY(bar.isDragging());
        QTest::mouseMove(&bar, QPoint(400, 8));
        QCOMPARE(bar.value(), 100);
        QCOMPARE(bar.thumbPosition(), 17 + 149);
        QTest::mouseMove(&bar, QPoint(-60, 8));
        QCOMPARE(bar.value(), 0);
        QCOMPARE(bar.thumbPosition(), 17);
        // The pointer holds the thumb by its middle: 100 - 11 / 2 - 3 puts it at 91.
        QTest::mouseMove(&bar, QPoint(100, 8));
        QCOMPARE(bar.thumbPosition(), 91);
        QCOMPARE(bar.value(), 49); // 74 / 149 of the range, truncated
        QTest::mouseRelease(&bar, Qt::LeftButton, {}, QPoint(100, 8));
        QVERIFY(!bar.isDragging());
    }

    void emptyRangeNeverMovesTheThumb()
    {
        DepthScroll bar;
        bar.resize(200, 17);
        bar.setValueMax(0);
        bar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&bar));
        QTest::mousePress(&bar, Qt::LeftButton, {}, QPoint(100, 8));
        QTest::mouseMove(&bar, QPoint(180, 8));
        QTest::mouseRelease(&bar, Qt::LeftButton, {}, QPoint(180, 8));
        QTest::keyClick(&bar, Qt::Key_PageDown);
        QCOMPARE(bar.value(), 0);
        QCOMPARE(bar.thumbPosition(), 17);
    }

    void keysStep_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("expected");
        QTest::newRow("page down") << 50 << int(Qt::Key_PageDown) << 55;
        QTest::newRow("page up") << 50 << int(Qt::Key_PageUp) << 45;
        QTest::newRow("right") << 50 << int(Qt::Key_Right) << 51;
        QTest::newRow("down") << 50 << int(Qt::Key_Down) << 51;
        QTest::newRow("left") << 50 << int(Qt::Key_Left) << 49;
        QTest::newRow("up") << 50 << int(Qt::Key_Up) << 49;
        QTest::newRow("page down at the end") << 98 << int(Qt::Key_PageDown) << 100;
        QTest::newRow("page up at the start") << 3 << int(Qt::Key_PageUp) << 0;
        QTest::newRow("other key") << 50 << int(Qt::Key_A) << 50;
    }
    void keysStep()
    {
        QFETCH(int, start);
        QFETCH(int, key);
        QFETCH(int, expected);
        RealvScroll bar;
        bar.resize(17, 200);
        bar.setValue(start);
        bar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&bar));
        QTest::keyClick(&bar, Qt::Key(key));
        QCOMPARE(bar.value(), expected);
        QTest::qWait(2 * ScrollBarControl::kKeyRepeatDelay);
        QCOMPARE(bar.value(), expected); // the key was released: no repeat
    }

    void heldKeyRepeats()
    {
        RealvScroll bar;
        bar.resize(17, 200);
        bar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&bar));
        QTest::keyPress(&bar, Qt::Key_Down);
        QTRY_COMPARE_WITH_TIMEOUT(bar.value(), 100, 5000);
        QTest::keyRelease(&bar, Qt::Key_Down);
        QCOMPARE(bar.repeatAction(), ScrollBarControl::NoRepeat);
    }
};

QTEST_MAIN(ScrollBarTest)
#include "test_scrollbar.moc"
