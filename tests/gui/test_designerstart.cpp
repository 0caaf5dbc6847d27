#include "app/mainwindow.h"
#include "canvas/objectitem.h"
#include "document/projectfile.h"

#include <QDate>
#include <QDir>
#include <QGraphicsItem>
#include <QGraphicsView>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <filesystem>

using namespace qv;
using namespace qv::gui;

// The designer's start: folders and files made ready, the named project or the start
// template opened, and the designed window shown page by page.
class DesignerStartTest : public QObject {
    Q_OBJECT

private slots:
    void firstStartCreatesTheFilesAndOpensTheTemplate()
    {
        QTemporaryDir folder;
        const QString app = folder.filePath(QStringLiteral("app"));
        DesignerSession session = startDesigner(app, QString());
        QVERIFY2(session.fatalError.isEmpty(), qPrintable(session.fatalError));
        QVERIFY(std::filesystem::exists(session.files.defaultProject));
        QVERIFY(std::filesystem::exists(session.files.iniFile));
        QCOMPARE(session.languageName, QStringLiteral("English"));
        QCOMPARE(session.text(37, "x"), QStringLiteral("&File"));
        MainWindow window(std::move(session));
        QVERIFY(window.windowTitle().contains(QStringLiteral("Default.baf")));
    }

    void namedProjectIsShownPageByPage()
    {
        QTemporaryDir folder;
        ProjectDocument doc;
        doc.settings.pageButtonCaptions[1] = "Customers";
        doc.fields.append();
        doc.fields.append();
        doc.fields[2].page = 1;
        doc.titles[doc.titles.append()].page = kAllPages;
        doc.lines[doc.lines.append()].page = kDeletedPage;
        const std::string path = folder.filePath(QStringLiteral("shop.baf")).toStdString();
        QVERIFY(saveProjectFile(doc, path).ok);

        DesignerSession session =
            startDesigner(folder.filePath(QStringLiteral("app")), QString::fromStdString(path));
        QVERIFY(session.messages.isEmpty());
        QCOMPARE(session.ini.recentProjects[0], path);
        MainWindow window(std::move(session));
        auto* scene = window.findChild<QGraphicsView*>()->scene();
        const auto objects = [scene] {
            int count = 0;
            for (QGraphicsItem* item : scene->items())
                count += item->type() == ObjectItem::Type ? 1 : 0;
            return count;
        };
        QCOMPARE(objects(), 2); // field 1 and the all-pages label
        QPushButton* second = nullptr;
        for (QPushButton* button : window.findChildren<QPushButton*>()) {
            if (button->text() == QStringLiteral("Customers"))
                second = button;
        }
        QVERIFY(second != nullptr);
        second->click();
        QCOMPARE(window.document().currentPage, 1);
        QCOMPARE(objects(), 2); // field 2 and the label
    }

    void relativeProjectPathIsRememberedAbsolute()
    {
        QTemporaryDir folder;
        ProjectDocument doc;
        QVERIFY(saveProjectFile(doc, folder.filePath(QStringLiteral("O.baf")).toStdString()).ok);
        const QString here = QDir::currentPath();
        QVERIFY(QDir::setCurrent(folder.path()));
        DesignerSession session =
            startDesigner(folder.filePath(QStringLiteral("app")), QStringLiteral("O.baf"));
        QDir::setCurrent(here);
        const std::string absolute = folder.filePath(QStringLiteral("O.baf")).toStdString();
        QCOMPARE(session.ini.recentProjects[0], absolute);
        QCOMPARE(session.document.projectPath, absolute);
        QCOMPARE(session.dateStamps.size(), 5);
        QVERIFY(session.dateStamps[4].startsWith(QString::number(QDate::currentDate().year())));
        QVERIFY(!session.fontFamilies.isEmpty());
    }

    void unreadableProjectFallsBackWithAMessage()
    {
        QTemporaryDir folder;
        const QString junk = folder.filePath(QStringLiteral("junk.baf"));
        QFile file(junk);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("not a project");
        file.close();
        DesignerSession session = startDesigner(folder.filePath(QStringLiteral("app")), junk);
        QCOMPARE(session.messages.size(), 1);
        QVERIFY(session.messages.first().contains(QStringLiteral("junk.baf")));
        QVERIFY(session.document.projectPath.ends_with("Default.baf"));
    }

    // A file that is no project (a text, a picture) gets the language table's message 229,
    // whatever its first bytes happen to claim.
    void fileThatIsNoProjectGetsMessage229()
    {
        QTemporaryDir folder;
        const QByteArray contents[] = {QByteArrayLiteral("# Read me\n\nThis is a text.\n"),
                                       QByteArrayLiteral("\x89PNG\r\n\x1a\n\0\0\0\rIHDR"),
                                       QByteArrayLiteral("\xff\xfe\x01")};
        for (const QByteArray& content : contents) {
            const QString path = folder.filePath(QStringLiteral("other.baf"));
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(content);
            file.close();
            DesignerSession session = startDesigner(folder.filePath(QStringLiteral("app")), path);
            QCOMPARE(session.messages.size(), 1);
            QVERIFY2(session.messages.first().startsWith(
                         session.text(text::NotAProjectFile, "no text 229")),
                     qPrintable(session.messages.first()));
            QVERIFY(session.messages.first().contains(QStringLiteral("other.baf")));
        }
    }
};

QTEST_MAIN(DesignerStartTest)
#include "test_designerstart.moc"
