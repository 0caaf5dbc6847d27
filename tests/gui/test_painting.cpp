#include "controls/buttonlook.h"
#include "controls/checklook.h"
#include "controls/combolook.h"
#include "controls/framelook.h"
#include "controls/listlook.h"
#include "controls/olecolor.h"
#include "controls/scrollbarlook.h"

#include <QImage>
#include <QPainter>
#include <QTest>

using namespace qv::gui;

// The painting functions the canvas and the runtime call: stored colours, and rectangles
// of every size a designed object can have.
class PaintingTest : public QObject {
    Q_OBJECT

private slots:
    void storedColours_data()
    {
        QTest::addColumn<uint>("ole");
        QTest::addColumn<QColor>("color");
        QTest::newRow("button back colour") << 0xC0E0FFu << QColor(0xFF, 0xE0, 0xC0);
        QTest::newRow("red is the low byte") << 0x0000FFu << QColor(255, 0, 0);
        QTest::newRow("blue is the high byte") << 0xFF0000u << QColor(0, 0, 255);
        QTest::newRow("button face") << 0x8000000Fu << QColor(0xF0, 0xF0, 0xF0);
        QTest::newRow("window text") << 0x80000008u << QColor(0, 0, 0);
        QTest::newRow("unknown system colour") << 0x800000FFu << QColor(0, 0, 0);
    }
    void storedColours()
    {
        QFETCH(uint, ole);
        QFETCH(QColor, color);
        QCOMPARE(colorFromOle(ole), color);
        if (!(ole & 0x80000000u))
            QCOMPARE(oleFromColor(color), ole);
    }

    void anyRectangleIsDrawn_data()
    {
        QTest::addColumn<QRect>("rect");
        QTest::newRow("empty") << QRect(0, 0, 0, 0);
        QTest::newRow("one pixel") << QRect(3, 3, 1, 1);
        QTest::newRow("thin") << QRect(0, 0, 120, 3);
        QTest::newRow("shorter than two arrows") << QRect(0, 0, 20, 17);
        QTest::newRow("ordinary") << QRect(5, 5, 150, 40);
    }
    void anyRectangleIsDrawn()
    {
        QFETCH(QRect, rect);
        QImage image(200, 60, QImage::Format_ARGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        ButtonLook button;
        button.caption = QStringLiteral("OK");
        paintSuperButton(painter, button, rect);
        paintNewCheck(painter, CheckLook{}, rect);
        paintComboBorder(painter, ComboLook{}, rect);
        FrameLook frame;
        frame.caption = QStringLiteral("Group");
        paintMyFrame(painter, frame, rect);
        paintScrollBar(painter, ScrollBarLook{}, rect);
        ListLook list;
        list.starts = layoutListColumns(QFont(), 2, rect.width()).starts;
        paintListPlus(painter, list, rect);
        QVERIFY(painter.isActive());
    }

    void hotCaptionIsWhite()
    {
        // The hot face is drawn deep enough for its white caption; the normal face is light.
        QImage normal(100, 30, QImage::Format_ARGB32);
        QImage hot(100, 30, QImage::Format_ARGB32);
        ButtonLook look;
        for (QImage* image : {&normal, &hot}) {
            image->fill(Qt::transparent);
            QPainter painter(image);
            look.hot = image == &hot;
            paintSuperButton(painter, look, image->rect());
        }
        QVERIFY(qGray(normal.pixel(50, 15)) > qGray(hot.pixel(50, 15)) + 40);
    }

    void shortenedColumnText_data()
    {
        QTest::addColumn<int>("columnWidth");
        QTest::addColumn<int>("printedWidth");
        QTest::addColumn<QString>("shown");
        QTest::newRow("fits") << 100 << 100 << QStringLiteral("abcdefghij");
        QTest::newRow("half") << 70 << 100 << QStringLiteral("abcde");
        QTest::newRow("narrower than the margin") << 15 << 100 << QString();
    }
    void shortenedColumnText()
    {
        QFETCH(int, columnWidth);
        QFETCH(int, printedWidth);
        QFETCH(QString, shown);
        QCOMPARE(fitListText(QStringLiteral("abcdefghij"), columnWidth, printedWidth), shown);
    }
};

QTEST_MAIN(PaintingTest)
#include "test_painting.moc"
