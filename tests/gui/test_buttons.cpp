#include "controls/newcheck.h"
#include "controls/superbutton.h"

#include <QCursor>
#include <QSignalSpy>
#include <QTest>

using namespace qv::gui;

class ButtonsTest : public QObject {
    Q_OBJECT

private slots:
    void hoverEndsWithinOneTick()
    {
        QWidget window;
        window.resize(300, 200);
        auto* button = new SuperButton(&window);
        button->setCaption(QStringLiteral("OK"));
        button->setGeometry(50, 50, 100, 30);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        const QPoint inside(50, 15);
        QCursor::setPos(button->mapToGlobal(inside));
        QTest::mouseMove(button, inside);
        QVERIFY(button->isHot());
        QTest::qWait(3 * SuperButton::kHoverInterval);
        QVERIFY(button->isHot()); // the pointer is still over it

        // Leaving quickly gives the button no mouse event at all; the timer notices.
        QCursor::setPos(window.mapToGlobal(QPoint(250, 180)));
        QTRY_VERIFY_WITH_TIMEOUT(!button->isHot(), 2 * SuperButton::kHoverInterval + 20);

        QCursor::setPos(button->mapToGlobal(inside));
        QTest::mouseMove(button, inside);
        QVERIFY(button->isHot());
        button->setEnabled(false);
        QVERIFY(!button->isHot());
    }

    void releaseOutsideIsNotForwarded()
    {
        SuperButton button;
        button.resize(100, 30);
        button.show();
        QVERIFY(QTest::qWaitForWindowExposed(&button));
        QSignalSpy ups(&button, &SuperButton::mouseUp);
        QSignalSpy clicks(&button, &SuperButton::click);

        QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(10, 10));
        QVERIFY(button.isDown());
        QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(200, 10));
        QVERIFY(!button.isDown());
        QCOMPARE(ups.count(), 0);
        QCOMPARE(clicks.count(), 0);

        QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(ups.count(), 1);
        QCOMPARE(clicks.count(), 1);
        QVERIFY(button.isHot()); // released inside: the hot face with its white caption
    }

    void optionBoxTakesTheSlotClicked_data()
    {
        QTest::addColumn<int>("slot");
        QTest::addColumn<int>("offset");
        QTest::newRow("first slot, left edge") << 1 << 0;
        QTest::newRow("second slot, middle") << 2 << 13;
        QTest::newRow("third slot, box") << 3 << 5;
        QTest::newRow("third slot, gap after the box") << 3 << 20;
    }
    void optionBoxTakesTheSlotClicked()
    {
        QFETCH(int, slot);
        QFETCH(int, offset);
        NewCheck check;
        check.setOptionBx(1);
        check.setOptionCount(3);
        check.resize(check.sizeHint());
        check.show();
        QVERIFY(QTest::qWaitForWindowExposed(&check));
        // A slot is the 13-pixel picture plus 200 twips (13 pixels).
        const int slotWidth = newCheckSlotWidth(QSize(13, 13));
        QCOMPARE(slotWidth, 26);
        QSignalSpy downs(&check, &NewCheck::mouseDown);
        QTest::mouseClick(&check, Qt::LeftButton, {}, QPoint((slot - 1) * slotWidth + offset, 6));
        QCOMPARE(check.value(), slot);
        QCOMPARE(downs.count(), 1);
        // The same slot again changes nothing and is not forwarded.
        QTest::mouseClick(&check, Qt::LeftButton, {}, QPoint((slot - 1) * slotWidth + offset, 6));
        QCOMPARE(check.value(), slot);
        QCOMPARE(downs.count(), 1);
    }

    void checkBoxToggles()
    {
        NewCheck check;
        check.resize(check.sizeHint());
        check.show();
        QVERIFY(QTest::qWaitForWindowExposed(&check));
        QSignalSpy downs(&check, &NewCheck::mouseDown);
        QTest::mouseClick(&check, Qt::LeftButton, {}, QPoint(5, 6));
        QCOMPARE(check.value(), 1);
        QTest::mouseClick(&check, Qt::LeftButton, {}, QPoint(5, 6));
        QCOMPARE(check.value(), 0);
        QCOMPARE(downs.count(), 2);
        // Setting the value by code raises nothing.
        check.setValue(1);
        QCOMPARE(downs.count(), 2);
    }
};

QTEST_MAIN(ButtonsTest)
#include "test_buttons.moc"
