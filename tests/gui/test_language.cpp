#include "modaldriver.h"

#include "app/designeditor.h"
#include "app/languagemenu.h"
#include "app/mainwindow.h"
#include "app/pagesizemenu.h"
#include "app/projectcommands.h"
#include "canvas/designdocument.h"
#include "dialogs/languageeditor.h"
#include "dialogs/setlanguagedialog.h"
#include "dialogs/templatechooser.h"
#include "document/projectfile.h"
#include "panel/fontcontrols.h"
#include "panel/propertypanel.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QLockFile>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace qv;
using namespace qv::gui;

namespace {

// The shipped English texts with the given entries replaced.
void writeLanguage(const QString& appFolder, const QString& name,
                   const std::map<int, QString>& changes)
{
    QFile english(QStringLiteral(QV_SOURCE_DATA_DIR "/Languages/English.txt"));
    QVERIFY(english.open(QIODevice::ReadOnly));
    QStringList lines = QString::fromUtf8(english.readAll()).split(QStringLiteral("\r\n"));
    for (const auto& [entry, text] : changes)
        lines[entry - 1] = text;
    QDir().mkpath(appFolder + QStringLiteral("/Languages"));
    QFile file(appFolder + QStringLiteral("/Languages/") + name + QStringLiteral(".txt"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(lines.join(QStringLiteral("\r\n")).toUtf8());
}

const std::map<int, QString> kSwedish = {
    {37, QStringLiteral("&Arkiv")},       {38, QStringLiteral("&Redigera")},
    {40, QStringLiteral("&Infoga")},      {41, QStringLiteral("F&ormat")},
    {43, QStringLiteral("&Språk")},       {124, QStringLiteral("Egenskaper")},
    {131, QStringLiteral("Fet")},         {155, QStringLiteral("Sidstorlek")},
    {188, QStringLiteral("Språktexter")}, {286, QStringLiteral("Mallar")},
    {301, QStringLiteral("0")},           {302, QStringLiteral("Tahoma")}};

} // namespace

// Languages as a person meets them: the first start asks for one, the Language menu
// switches every open window at once, and the language text editor writes the file.
class LanguageTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(settingsFolder_.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsFolder_.path());
    }

    void firstStartAsksForALanguageStoresItAndAppliesIt()
    {
        QTemporaryDir folder;
        const QString app = folder.filePath(QStringLiteral("app"));
        writeLanguage(app, QStringLiteral("Swedish"), kSwedish);
        QStringList offered;
        test::whenModalOpens("qv::gui::SetLanguageDialog", [&offered](QWidget* dialog) {
            for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
                offered.append(button->text());
                if (button->text() == QStringLiteral("Swedish"))
                    button->click();
            }
        });
        DesignerSession session = startDesigner(app, QString(), [](const QStringList& names) {
            return SetLanguageDialog::ask(names, QStringLiteral("Set Language..."));
        });
        QVERIFY2(session.fatalError.isEmpty(), qPrintable(session.fatalError));
        QCOMPARE(offered, (QStringList{QStringLiteral("English"), QStringLiteral("Swedish")}));
        QCOMPARE(session.languageName, QStringLiteral("Swedish"));
        QCOMPARE(readIniFile(session.files.iniFile).ini.language, std::string("Swedish"));
        // The start template was made after the language was applied to the document.
        const ProjectReadResult start = readProjectFile(session.files.defaultProject);
        QVERIFY(start.ok());
        QCOMPARE(start.document.settings.menuCaption(MenuCaption::Fmenu), std::string("&Arkiv"));
        QCOMPARE(start.document.settings.languageCode, uint8_t{5});
        QCOMPARE(start.document.settings.defaultFontName, std::string("Tahoma"));

        MainWindow window(std::move(session));
        QCOMPARE(window.projectCommands().fileMenu()->title(), QStringLiteral("&Arkiv"));

        // The next start asks nothing.
        bool asked = false;
        DesignerSession again = startDesigner(app, QString(), [&asked](const QStringList&) {
            asked = true;
            return QString();
        });
        QVERIFY(!asked);
        QCOMPARE(again.languageName, QStringLiteral("Swedish"));
    }

    void aSecondCopyDoesNotAskWhileTheFirstIsRunning()
    {
        QTemporaryDir folder;
        const QString app = folder.filePath(QStringLiteral("app"));
        QDir().mkpath(app);
        QLockFile first(app + QStringLiteral("/quorvalle.lock"));
        QVERIFY(first.tryLock(0));
        bool asked = false;
        const DesignerSession second = startDesigner(app, QString(), [&asked](const QStringList&) {
            asked = true;
            return QString();
        });
        QVERIFY(!asked);
        QVERIFY2(second.fatalError.contains(QStringLiteral("Another copy")),
                 qPrintable(second.fatalError));
    }

    void switchingTheLanguageChangesEveryOpenWindow()
    {
        QTemporaryDir folder;
        const QString app = folder.filePath(QStringLiteral("app"));
        writeLanguage(app, QStringLiteral("Swedish"), kSwedish);
        MainWindow window(startDesigner(app, QString()));
        window.projectCommands().showTemplates();
        LanguageMenu* languages = window.findChild<LanguageMenu*>();
        QVERIFY(languages != nullptr);
        languages->showCommonLabels();
        TemplateChooser* chooser = window.projectCommands().templateChooser();
        LanguageEditor* editor = languages->editor();
        QCOMPARE(chooser->windowTitle(), QStringLiteral("Templates"));
        QCOMPARE(window.document().settings.languageCode, uint8_t{0});

        QVERIFY(languages->choose(QStringLiteral("Swedish")));
        QCOMPARE(window.projectCommands().fileMenu()->title(), QStringLiteral("&Arkiv"));
        QCOMPARE(languages->menu()->title(), QStringLiteral("&Språk"));
        QCOMPARE(chooser->windowTitle(), QStringLiteral("Mallar"));
        QCOMPARE(editor->windowTitle(), QStringLiteral("Språktexter..."));
        // The property panel and the page-size menu of the design editor too.
        PropertyPanel& panel = window.editor().panel();
        QCOMPARE(panel.caption(), QStringLiteral("Egenskaper"));
        QCOMPARE(panel.fontControls().boldBox()->text(), QStringLiteral("Fet"));
        QCOMPARE(window.editor().pageSizeMenu().menu()->title(), QStringLiteral("Sidstorlek"));
        QCOMPARE(window.findChild<QMenu*>(QStringLiteral("EditMenu"))->title(),
                 QStringLiteral("&Redigera"));
        QCOMPARE(window.findChild<QMenu*>(QStringLiteral("InsertMenu"))->title(),
                 QStringLiteral("&Infoga"));
        for (QAction* action : languages->menu()->actions()) {
            if (action->isCheckable())
                QCOMPARE(action->isChecked(), action->text() == QStringLiteral("Swedish"));
        }
        // The open project takes the language's texts where the user left them alone.
        QCOMPARE(window.document().settings.menuCaption(MenuCaption::Fmenu), std::string("&Arkiv"));
        QCOMPARE(window.document().settings.languageCode, uint8_t{5});
        QCOMPARE(window.document().modified, uint8_t{1});
        // The switch of the project's texts is one step that Undo takes back.
        QVERIFY(window.editor().document().undo());
        QCOMPARE(window.document().settings.menuCaption(MenuCaption::Fmenu), std::string("&File"));
        QCOMPARE(window.document().settings.languageCode, uint8_t{0});
        QVERIFY(window.editor().document().redo());
        QCOMPARE(window.document().settings.menuCaption(MenuCaption::Fmenu), std::string("&Arkiv"));

        // A language file that cannot be used is named and changes nothing.
        QFile broken(app + QStringLiteral("/Languages/Broken.txt"));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("only\r\nthree\r\nlines\r\n");
        broken.close();
        QString warning;
        test::whenModalOpens("QMessageBox", [&warning](QWidget* box) {
            warning = static_cast<QMessageBox*>(box)->text();
            static_cast<QMessageBox*>(box)->accept();
        });
        QVERIFY(!languages->choose(QStringLiteral("Broken")));
        QVERIFY2(warning.contains(QStringLiteral("Broken.txt")), qPrintable(warning));
        QCOMPARE(window.projectCommands().fileMenu()->title(), QStringLiteral("&Arkiv"));

        // A file that can be used but lacks something says so when it is chosen, not only
        // at start-up.
        writeLanguage(app, QStringLiteral("NoFont"), {{302, QString()}});
        QStringList said;
        window.editor().setMessageHandler([&said](const QString& text) { said << text; });
        QVERIFY(languages->choose(QStringLiteral("NoFont")));
        QCOMPARE(said.size(), 1);
        QVERIFY2(said.first().contains(QStringLiteral("NoFont.txt")) &&
                     said.first().contains(QStringLiteral("no font name")),
                 qPrintable(said.first()));
        QVERIFY(window.session().messages.isEmpty());
    }

    void languageEditorChangesTheTableAndSavesTheFile()
    {
        QTemporaryDir folder;
        const QString app = folder.filePath(QStringLiteral("app"));
        MainWindow window(startDesigner(app, QString()));
        LanguageMenu* languages = window.findChild<LanguageMenu*>();
        languages->showCommonLabels();
        LanguageEditor* editor = languages->editor();
        QCOMPARE(editor->windowTitle(), QStringLiteral("Language Texts..."));
        QCOMPARE(editor->entryInRow(0), 1);
        QCOMPARE(editor->reference(0)->text(), QStringLiteral("&New Project"));

        editor->scrollBar()->setValue(36); // entries 37..44
        QCOMPARE(editor->entryInRow(0), 37);
        QLineEdit* fileMenu = editor->translation(0);
        fileMenu->selectAll();
        QTest::keyClicks(fileMenu, QStringLiteral("&Project"));
        QCOMPARE(window.session().language.text(37), std::string("&Project"));

        editor->sortBy(0); // by the English texts: "&About..." sorts before "&Copy"
        QCOMPARE(editor->reference(0)->text().front(), QLatin1Char('&'));
        QVERIFY(editor->entryInRow(0) != 1);
        editor->sortBy(0); // again: back to the numbers
        QCOMPARE(editor->entryInRow(0), 1);

        QVERIFY(editor->save());
        QCOMPARE(window.projectCommands().fileMenu()->title(), QStringLiteral("&Project"));
        QFile written(app + QStringLiteral("/Languages/English.txt"));
        QVERIFY(written.open(QIODevice::ReadOnly));
        const QStringList lines =
            QString::fromUtf8(written.readAll()).split(QStringLiteral("\r\n"));
        QCOMPARE(lines.at(36), QStringLiteral("&Project"));
        QCOMPARE(lines.at(300), QStringLiteral("0"));
        QCOMPARE(lines.at(301), QStringLiteral("Arial"));
    }

private:
    QTemporaryDir settingsFolder_;
};

QTEST_MAIN(LanguageTest)
#include "test_language.moc"
