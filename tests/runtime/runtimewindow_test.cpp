#include "builder/appdata.h"
#include "document/units.h"
#include "formpage.h"
#include "runtimewindow.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QStatusBar>
#include <QTest>

namespace {

qv::BlockField field(float left, float top, const std::string& text = {})
{
    qv::BlockField b;
    b.field.left = qv::pixelsToTwips(left);
    b.field.top = qv::pixelsToTwips(top);
    b.field.fieldFormat = 1;
    b.field.tag = text;
    return b;
}

qv::AppData orderForm()
{
    qv::AppData data;
    data.windowTitle = "Orders";
    data.surfaceWidth = qv::pixelsToTwips(400);
    data.surfaceHeight = qv::pixelsToTwips(300);
    data.fields = {field(10, 10), field(10, 40), field(10, 70)};
    data.fields[2].hasFormula = true;
    data.fieldFormulas = {"", "", "F1*F2"};
    data.fieldTexts = {"3", "4", ""};
    data.fieldDateOffsets = {0, 0, 0};
    data.fields[2].field.page = 1;
    data.menuCaptions[static_cast<size_t>(qv::MenuCaption::Fmenu)] = "&Datei";
    data.functionKeyTexts[1] = "typed by F2";
    return data;
}

} // namespace

class RuntimeWindowTest : public QObject {
    Q_OBJECT
private slots:
    void formulasFollowTyping()
    {
        const qv::AppData data = orderForm();
        qv::runtime::RuntimeWindow window(data, qv::FormulaLocale{});
        auto* page = window.findChild<qv::runtime::FormPage*>();
        QVERIFY(page);
        QCOMPARE(page->fields()[2]->text(), QStringLiteral("12"));
        QTest::keyClicks(page->fields()[0], QStringLiteral("0"));
        QCOMPARE(page->fields()[0]->text(), QStringLiteral("30"));
        QCOMPARE(page->fields()[2]->text(), QStringLiteral("120"));
    }

    void pagesMenusAndKeys()
    {
        const qv::AppData data = orderForm();
        qv::runtime::RuntimeWindow window(data, qv::FormulaLocale{});
        window.show();
        auto* page = window.findChild<qv::runtime::FormPage*>();
        QVERIFY(page->fields()[0]->isVisible());
        QVERIFY(!page->fields()[2]->isVisible());
        window.setPage(1);
        QVERIFY(!page->fields()[0]->isVisible());
        QVERIFY(page->fields()[2]->isVisible());
        QCOMPARE(window.windowTitle(), QStringLiteral("Orders"));
        QCOMPARE(window.menuBar()->actions().first()->text(), QStringLiteral("&Datei"));
        const auto* notice = window.statusBar()->findChild<QLabel*>();
        QVERIFY(notice && notice->text().startsWith(QStringLiteral("Records are not stored yet")));
        window.setPage(0);
        page->fields()[1]->setFocus();
        QApplication::setActiveWindow(&window);
        QTest::keyClick(&window, Qt::Key_F2);
        QVERIFY(page->fields()[1]->text().endsWith(QStringLiteral("typed by F2")));
    }
};

QTEST_MAIN(RuntimeWindowTest)
#include "runtimewindow_test.moc"
