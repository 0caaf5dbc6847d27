#include "controls/markuppainter.h"
#include "controls/myhelp.h"
#include "controls/realvscroll.h"

#include <QImage>
#include <QMessageBox>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

using namespace qv::gui;
using namespace Qt::StringLiterals;

namespace {

QImage render(const QString& source, MarkupPass pass = MarkupPass::Initial)
{
    QImage image(360, 80, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    paintMarkup(&painter, &image, encodeMarkupText(source), image.rect(), 0, pass,
                QStringLiteral("DejaVu Sans"));
    return image;
}

} // namespace

class MyHelpTest : public QObject {
    Q_OBJECT

private slots:
    // Texts that must draw alike, and texts that must not.
    void drawing_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<bool>("same");
        QTest::addColumn<int>("pass");
        const int initial = int(MarkupPass::Initial);
        const int scrolled = int(MarkupPass::Scrolled);
        QTest::newRow("styles are not a stack")
            << u"<b><b>Bold</b> plain"_s << u"<b>Bold</b> plain"_s << true << initial;
        QTest::newRow("bold shows")
            << u"<b>Bold</b> plain"_s << u"Bold plain"_s << false << initial;
        QTest::newRow("line feed never drawn") << u"one\ntwo"_s << u"onetwo"_s << true << initial;
        QTest::newRow("small stops above 6 points")
            << u"<small><small><small><small><small>tiny"_s << u"<small><small><small><small>tiny"_s
            << true << initial;
        QTest::newRow("its closing tag still grows")
            << u"<small><small><small><small><small></small>x"_s << u"<small><small><small>x"_s
            << true << initial;
        QTest::newRow("closing big shrinks when set")
            << u"<small><small><small><small></big>x"_s << u"<small><small><small><small>x"_s
            << false << initial;
        QTest::newRow("closing big acts like small after scrolling")
            << u"<small><small><small><small></big>x"_s << u"<small><small><small><small>x"_s
            << true << scrolled;
        QTest::newRow("link text drawn like any other")
            << u"<red>go <link>here</link> now"_s << u"<red>go here now"_s << true << initial;
        QTest::newRow("colour stays until the next")
            << u"<red>a<u>b</u><blue>c"_s << u"<red>a<u>b</u>c"_s << false << initial;
    }
    void drawing()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(bool, same);
        QFETCH(int, pass);
        const QImage first = render(a, MarkupPass(pass));
        const QImage second = render(b, MarkupPass(pass));
        QCOMPARE(first == second, same);
    }

    void linesAndScrollRange_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<int>("lines");
        QTest::newRow("empty") << QString() << 1;
        QTest::newRow("one line") << u"just text"_s << 1;
        QTest::newRow("line feeds do not count") << u"a\nb\nc"_s << 1;
        QTest::newRow("carriage returns") << u"a\rb\rc\r<line>d"_s << 4;
    }
    void linesAndScrollRange()
    {
        QFETCH(QString, source);
        QFETCH(int, lines);
        myHelp help;
        help.resize(300, 120);
        help.setMarkup(source);
        QCOMPARE(help.lineCount(), lines);
        QCOMPARE(help.scrollBar()->valueMax(), lines);
        QCOMPARE(help.scrollBar()->valueLargeChange(), lines / 2);
        QCOMPARE(help.scrollBar()->valueSmallChange(), 1);
    }

    void pressOnALinkShowsItsText()
    {
        myHelp help;
        help.resize(300, 120);
        help.setMarkup(u"Read <b>this</b>\rand <link>the manual</link> here"_s);
        help.show();
        QVERIFY(QTest::qWaitForWindowExposed(&help));
        QCOMPARE(help.links().size(), std::size_t(1));
        const MarkupLink link = help.links().front();
        QCOMPARE(link.text, QStringLiteral("the manual"));
        QVERIFY(link.left > help.surface().left());
        QVERIFY(link.right > link.left);
        QVERIFY(link.top > help.surface().top()); // on the second line
        QVERIFY(link.bottom > link.top);

        QSignalSpy pressed(&help, &myHelp::linkPressed);
        QSignalSpy downs(&help, &myHelp::mouseDown);
        QTest::mouseClick(&help, Qt::LeftButton, {}, QPoint(link.right + 5, link.top + 2));
        QCOMPARE(pressed.count(), 0);
        QVERIFY(!help.findChild<QMessageBox*>());
        QTest::mouseClick(&help, Qt::LeftButton, {}, QPoint(link.left, link.bottom - 1));
        QCOMPARE(pressed.count(), 1);
        QCOMPARE(downs.count(), 2); // raised after the control's own handling, hit or not
        auto* box = help.findChild<QMessageBox*>();
        QVERIFY(box);
        QCOMPARE(box->text(), QStringLiteral("the manual Link Works!!!"));
        box->close();
    }

    void linksStayHitAfterScrolling()
    {
        myHelp help;
        help.resize(300, 60);
        help.setMarkup(u"1\r2\r3\r4\r5\r6\r<link>far</link>"_s);
        help.show();
        QVERIFY(QTest::qWaitForWindowExposed(&help));
        const MarkupLink link = help.links().front();
        help.scrollBar()->setValue(6);
        QSignalSpy pressed(&help, &myHelp::linkPressed);
        QTest::mouseClick(&help, Qt::LeftButton, {},
                          QPoint(link.left + 1, link.top - help.scrollOffset() + 1));
        QCOMPARE(pressed.count(), 1);
        help.findChild<QMessageBox*>()->close();
    }

    void draggingScrolls()
    {
        myHelp help;
        help.resize(300, 60);
        help.setMarkup(u"1\r2\r3\r4\r5\r6\r7\r8"_s);
        help.show();
        QVERIFY(QTest::qWaitForWindowExposed(&help));
        QCOMPARE(help.scrollOffset(), 0);
        help.scrollBar()->setValue(1);
        const int lineStep = help.scrollOffset();
        help.scrollBar()->setValue(0);
        QVERIFY(lineStep > 0);
        QTest::mousePress(&help, Qt::LeftButton, {}, QPoint(50, 5));
        QTest::mouseMove(&help, QPoint(50, 5 + 3 * lineStep + 1));
        QCOMPARE(help.scrollBar()->value(), 3);
        // The press point moved with the text: going back two lines scrolls back two.
        QTest::mouseMove(&help, QPoint(50, 5 + lineStep));
        QCOMPARE(help.scrollBar()->value(), 1);
        QTest::mouseRelease(&help, Qt::LeftButton, {}, QPoint(50, 5 + lineStep));
        // A new text starts at its top again.
        help.setMarkup(u"x\ry"_s);
        QCOMPARE(help.scrollBar()->value(), 0);
    }
};

QTEST_MAIN(MyHelpTest)
#include "test_myhelp.moc"
