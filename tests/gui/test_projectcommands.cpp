#include "modaldriver.h"

#include "app/designeditor.h"
#include "app/languagemenu.h"
#include "app/mainwindow.h"
#include "app/projectcommands.h"
#include "app/projectprogress.h"
#include "canvas/designdocument.h"
#include "designer/objectcreation.h"
#include "dialogs/languageeditor.h"
#include "dialogs/setlanguagedialog.h"
#include "dialogs/templatechooser.h"
#include "document/projectfile.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAccessible>
#include <QAction>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <limits>

using namespace qv;
using namespace qv::gui;

namespace {

// Types `path` into the file dialog that opens next and presses its button. The dialog
// reads its folder in the background and may select something when it is done, so the
// name is typed once that has settled.
void chooseInFileDialog(const QString& path)
{
    test::whenModalOpens("QFileDialog", [path](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        QVERIFY(dialog != nullptr);
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        QVERIFY(name != nullptr);
        QTest::qWait(100);
        name->setText(path);
        static_cast<QDialog*>(dialog)->accept(); // QFileDialog::accept, as the Open button
    });
}

// Answers the message box that opens next and keeps its text.
void answerMessageBox(QMessageBox::StandardButton answer, QStringList* texts = nullptr)
{
    test::whenModalOpens("QMessageBox", [answer, texts](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box != nullptr);
        if (texts != nullptr)
            texts->append(box->text());
        box->button(answer)->click();
    });
}

std::string saveProject(const QString& path, const char* title)
{
    ProjectDocument doc;
    doc.settings.windowTitle = title;
    const std::string target = path.toStdString();
    if (!saveProjectFile(doc, target).ok)
        return {};
    return target;
}

} // namespace

// The File menu and the main window's start and end as a person meets them.
class ProjectCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(settingsFolder_.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsFolder_.path());
    }

    void init()
    {
        QVERIFY(folder_.emplace().isValid());
        window_ = std::make_unique<MainWindow>(startDesigner(appFolder(), QString()));
    }

    void cleanup()
    {
        window_.reset();
        folder_.reset();
    }

    void saveAsOfADdfNameWritesABafFile()
    {
        chooseInFileDialog(file("x.ddf"));
        QVERIFY(commands().save(true));
        QVERIFY(QFileInfo::exists(file("x.baf")));
        QVERIFY(!QFileInfo::exists(file("x.ddf")));
        QCOMPARE(QString::fromStdString(commands().savePath()), file("x.baf"));
        QVERIFY(window_->windowTitle().startsWith(file("x.baf")));

        // Save now writes there without asking.
        window_->session().document.modified = 1;
        QVERIFY(commands().save(false));
        QCOMPARE(window_->document().modified, uint8_t{0});
    }

    void saveAsOverAnExistingFileAsksWithItsName()
    {
        QVERIFY(!saveProject(file("y.baf"), "Old").empty());
        QStringList questions;
        chooseInFileDialog(file("y.baf"));
        answerMessageBox(QMessageBox::No, &questions);
        QVERIFY(!commands().save(true));
        QCOMPARE(questions.size(), 1);
        QVERIFY2(questions[0].contains(file("y.baf")), qPrintable(questions[0]));
        QCOMPARE(readProjectFile(file("y.baf").toStdString()).document.settings.windowTitle,
                 std::string("Old"));

        chooseInFileDialog(file("y.baf"));
        answerMessageBox(QMessageBox::Yes);
        QVERIFY(commands().save(true));
        QCOMPARE(readProjectFile(file("y.baf").toStdString()).document.settings.windowTitle,
                 std::string("My Application"));
    }

    void openingTheSameFileTwiceKeepsOneRecentEntry()
    {
        const std::string a = saveProject(file("a.baf"), "A");
        const std::string b = saveProject(file("b.baf"), "B");
        for (const std::string& path : {a, b, a}) {
            chooseInFileDialog(QString::fromStdString(path));
            commands().openProject();
        }
        QCOMPARE(window_->document().settings.windowTitle, std::string("A"));
        const RecentProjects& recent = window_->session().ini.recentProjects;
        QCOMPARE(recent[0], b);
        QCOMPARE(recent[1], a);
        QCOMPARE(recent[2], std::string());
        QCOMPARE(readIniFile(window_->session().files.iniFile).ini.recentProjects, recent);

        // A recent entry opens its project; one whose file is gone says so and changes nothing.
        commands().openRecent(0);
        QCOMPARE(window_->document().settings.windowTitle, std::string("B"));
        QFile::remove(QString::fromStdString(a));
        QStringList texts;
        answerMessageBox(QMessageBox::Ok, &texts);
        commands().openRecent(1);
        QCOMPARE(window_->document().settings.windowTitle, std::string("B"));
        QVERIFY(texts.value(0).contains(QString::fromStdString(a)));
    }

    void aFileThatIsNoProjectIsNamedAndTheDocumentStays()
    {
        QFile junk(file("junk.baf"));
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write("not a project at all");
        junk.close();
        QStringList texts;
        chooseInFileDialog(file("junk.baf"));
        answerMessageBox(QMessageBox::Ok, &texts);
        commands().openProject();
        QCOMPARE(texts.size(), 1);
        QVERIFY2(texts[0].contains(QStringLiteral("junk.baf")), qPrintable(texts[0]));
        QVERIFY(window_->document().projectPath.ends_with("Default.baf"));
        QVERIFY(!window_->progress().isVisible());
        QVERIFY(window_->session().ini.recentProjects[0].empty());
    }

    void everyRepairOfADamagedProjectIsSaid()
    {
        ProjectDocument damaged;
        for (int i = 0; i < 2; ++i) {
            const int s = damaged.squares.append();
            damaged.squares[s].left = std::numeric_limits<float>::quiet_NaN();
        }
        const std::string path = file("damaged.baf").toStdString();
        QVERIFY(saveProjectFile(damaged, path).ok);
        QStringList said;
        window_->editor().setMessageHandler([&said](const QString& text) { said << text; });
        chooseInFileDialog(file("damaged.baf"));
        commands().openProject();
        QCOMPARE(said.size(), 1);
        QVERIFY2(said[0].contains(QStringLiteral("Square 0")) &&
                     said[0].contains(QStringLiteral("Square 1")),
                 qPrintable(said[0]));
    }

    void undoingPastASaveAsksBeforeClosing()
    {
        const std::string path = saveProject(file("undo.baf"), "Undo");
        chooseInFileDialog(QString::fromStdString(path));
        commands().openProject();
        DesignDocument& design = window_->editor().document();
        design.command([](Designer& d) { createObject(d, Tool::CheckBox); });
        design.endPlacement();
        QVERIFY(commands().save(false));
        QCOMPARE(window_->document().modified, uint8_t{0});
        QVERIFY(design.undo());
        QCOMPARE(window_->document().modified, uint8_t{1});
        window_->show();
        QStringList questions;
        answerMessageBox(QMessageBox::Cancel, &questions);
        QVERIFY(!window_->close());
        QCOMPARE(questions.size(), 1);
        QVERIFY(design.redo());
        QCOMPARE(window_->document().modified, uint8_t{0});
    }

    void newProjectStartsFromTheTemplateAndAsksForANameOnSave()
    {
        chooseInFileDialog(file("mine.baf"));
        QVERIFY(commands().save(true));
        commands().newProject();
        QVERIFY(commands().savePath().empty());
        QVERIFY(window_->document().projectPath.ends_with("Default.baf"));
        // Save after New must not write over the project that was open before.
        test::whenModalOpens("QFileDialog",
                             [](QWidget* modal) { static_cast<QDialog*>(modal)->reject(); });
        QVERIFY(!commands().save(false));
    }

    void closingAModifiedProjectAsksOnceAndAnUnmodifiedOneNothing()
    {
        window_->show();
        QStringList questions;
        window_->session().document.modified = 1;
        answerMessageBox(QMessageBox::Cancel, &questions);
        QVERIFY(!window_->close());
        QVERIFY(window_->isVisible());
        answerMessageBox(QMessageBox::No, &questions);
        QVERIFY(window_->close());
        QCOMPARE(questions.size(), 2);
        QVERIFY(questions[0].contains(QStringLiteral("save the changes")));

        window_ = std::make_unique<MainWindow>(startDesigner(appFolder(), QString()));
        window_->show();
        bool asked = false;
        QPointer<QTimer> watch = test::whenModalOpens("QWidget", [&asked](QWidget* modal) {
            asked = true;
            modal->close();
        });
        QVERIFY(window_->close());
        QTest::qWait(50);
        delete watch.data();
        QVERIFY(!asked);
    }

    void theWindowComesBackWhereItWasLeft()
    {
        auto settings = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                                    QStringLiteral("Quorvalle"),
                                                    QStringLiteral("Quorvalle Developer 21"));
        settings->beginGroup(QStringLiteral("Settings"));
        settings->setValue(QStringLiteral("Form1Left"), QStringLiteral("1500"));
        settings->setValue(QStringLiteral("Form1Top"), QStringLiteral("900"));
        settings->sync();
        window_ = std::make_unique<MainWindow>(startDesigner(appFolder(), QString()));
        QCOMPARE(window_->pos(), QPoint(100, 60));
        window_->show();
        window_->move(40, 30);
        QVERIFY(window_->close());
        settings->sync();
        QCOMPARE(settings->value(QStringLiteral("Form1Left")).toString(), QStringLiteral("600"));
        QCOMPARE(settings->value(QStringLiteral("Form1Top")).toString(), QStringLiteral("450"));

        // Exit ends the program without storing the position.
        window_ = std::make_unique<MainWindow>(startDesigner(appFolder(), QString()));
        window_->show();
        window_->move(80, 80);
        commands().exitProgram();
        QVERIFY(!window_->isVisible());
        settings->sync();
        QCOMPARE(settings->value(QStringLiteral("Form1Left")).toString(), QStringLiteral("600"));
    }

    void fileCommandsHaveTheirShortcuts()
    {
        QMap<QString, QKeySequence> keys;
        for (QAction* action : commands().fileMenu()->actions())
            keys.insert(action->text(), action->shortcut());
        QCOMPARE(keys.value(QStringLiteral("&New Project")), QKeySequence(QStringLiteral("Ctrl+N")));
        QCOMPARE(keys.value(QStringLiteral("&Open Project")), QKeySequence(QStringLiteral("Ctrl+O")));
        QCOMPARE(keys.value(QStringLiteral("S&ave Project")), QKeySequence(QStringLiteral("Ctrl+S")));
        QCOMPARE(keys.value(QStringLiteral("Sav&e Project As...")),
                 QKeySequence(QStringLiteral("Ctrl+Shift+S")));
        QCOMPARE(keys.value(QStringLiteral("E&xit")), QKeySequence(QStringLiteral("Ctrl+Q")));
    }

    void templateChooserShowsAPreviewAndOpensACopy()
    {
        commands().showTemplates();
        TemplateChooser* chooser = commands().templateChooser();
        QVERIFY(chooser != nullptr);
        QListWidget* list = chooser->list();
        QVERIFY(list->count() >= 1);
        QList<QListWidgetItem*> orders = list->findItems(QStringLiteral("Orders.baf"), Qt::MatchExactly);
        QCOMPARE(orders.size(), 1);
        list->setCurrentItem(orders.first());
        QVERIFY(!chooser->preview()->pixmap().isNull());
        emit list->itemActivated(orders.first());
        QCOMPARE(window_->document().settings.windowTitle, std::string("Order Form"));
        QCOMPARE(window_->document().projectPath, std::string("Orders.baf"));
        QVERIFY(commands().savePath().empty());
        QVERIFY(chooser->isEnabled());
        chooser->move(150, 90);
        chooser->close();
        QSettings dd(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Quorvalle"),
                     QStringLiteral("DD"));
        QCOMPARE(dd.value(QStringLiteral("Settings/XTempWindow")).toString(), QStringLiteral("2250"));
    }

    void everyShippedExampleOpensFromTheChooser()
    {
        commands().showTemplates();
        QListWidget* list = commands().templateChooser()->list();
        QStringList titles;
        for (int row = 0; row < list->count(); ++row) {
            list->setCurrentRow(row);
            QVERIFY2(!commands().templateChooser()->preview()->pixmap().isNull(),
                     qPrintable(list->item(row)->text()));
            emit list->itemActivated(list->item(row));
            QCOMPARE(window_->document().projectPath, list->item(row)->text().toStdString());
            titles.append(QString::fromStdString(window_->document().settings.windowTitle));
        }
        titles.sort();
        QCOMPARE(titles, (QStringList{QStringLiteral("Contacts"), QStringLiteral("Inventory"),
                                      QStringLiteral("Invoice"), QStringLiteral("Order Form")}));
    }

    void everyControlHasANameForTheKeyboardAndScreenReaders()
    {
        window_->show();
        commands().showTemplates();
        LanguageMenu* languages = window_->findChild<LanguageMenu*>();
        languages->showCommonLabels();
        SetLanguageDialog setLanguage(window_->session().languageNames, QStringLiteral("Set Language..."));
        setLanguage.show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        for (QWidget* top : {static_cast<QWidget*>(window_.get()),
                             static_cast<QWidget*>(commands().templateChooser()),
                             static_cast<QWidget*>(languages->editor()),
                             static_cast<QWidget*>(&setLanguage)}) {
            for (QWidget* widget : top->findChildren<QWidget*>()) {
                if (!widget->isVisibleTo(top) || widget->focusPolicy() == Qt::NoFocus)
                    continue;
                if (widget->inherits("QMenuBar"))
                    continue; // reached with Alt and the menus' mnemonics
                auto* area = qobject_cast<QAbstractScrollArea*>(widget->parentWidget());
                if (area != nullptr && area->viewport() == widget)
                    continue; // the scroll area around it carries the name
                QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
                QVERIFY(accessible != nullptr);
                QVERIFY2(!accessible->text(QAccessible::Name).isEmpty(),
                         qPrintable(QStringLiteral("%1 in %2 has no name")
                                        .arg(QString::fromLatin1(widget->metaObject()->className()),
                                             QString::fromLatin1(widget->parentWidget()->metaObject()->className()))));
            }
        }
    }

private:
    QString appFolder() const { return folder_->filePath(QStringLiteral("app")); }
    QString file(const char* name) const { return folder_->filePath(QString::fromUtf8(name)); }
    ProjectCommands& commands() { return window_->projectCommands(); }

    QTemporaryDir settingsFolder_;
    std::optional<QTemporaryDir> folder_;
    std::unique_ptr<MainWindow> window_;
};

QTEST_MAIN(ProjectCommandsTest)
#include "test_projectcommands.moc"
