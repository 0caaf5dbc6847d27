#include "app/mainwindow.h"

#include "app/designeditor.h"
#include "app/languagemenu.h"
#include "app/projectcommands.h"
#include "app/projectprogress.h"
#include "app/uilanguage.h"
#include "app/windowplacement.h"
#include "canvas/designdocument.h"
#include "dialogs/languageeditor.h"
#include "dialogs/templatechooser.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QMessageBox>
#include <QSettings>
#include <QStatusBar>
#include <QToolBar>

namespace qv::gui {

namespace {
const QString kProgramTitle = QStringLiteral("Quorvalle Developer 21");
const QString kLeftKey = QStringLiteral("Form1Left");
const QString kTopKey = QStringLiteral("Form1Top");
constexpr double kDefaultPositionTwips = 1;
} // namespace

MainWindow::MainWindow(DesignerSession session, QWidget* parent)
    : QMainWindow(parent), session_(std::move(session))
{
    setObjectName(QStringLiteral("Form1"));
    language_ = std::make_unique<UiLanguage>(session_.language, session_.languageName);
    editor_ = std::make_unique<DesignEditor>(session_.document, &session_.language, this);
    progress_ = new ProjectProgress(this);
    statusBar()->addPermanentWidget(progress_);

    commands_ = std::make_unique<ProjectCommands>(*this);
    commands_->addTo(*menuBar());
    QToolBar* fileBar = addToolBar(QStringLiteral("Project"));
    fileBar->setObjectName(QStringLiteral("ProjectBar"));
    commands_->addButtonsTo(*fileBar);
    languageMenu_ = std::make_unique<LanguageMenu>(*this);
    languageMenu_->addTo(*menuBar());
    editor_->install(commands_->fileMenu());
    editor_->setFontFamilies(session_.fontFamilies);
    connect(language_.get(), &UiLanguage::changed, this, &MainWindow::applyLanguage);
    applyLanguage();

    documentReplaced();
    // Room for a page of the usual width between the toolbox and the property panel,
    // within a 1280 x 800 screen with its title bar.
    resize(1240, 760);
    restoreWindowPosition(*this, *designerSettings(), kLeftKey, kTopKey, kDefaultPositionTwips);
}

MainWindow::~MainWindow() = default;

void MainWindow::applyLanguage()
{
    commands_->retranslate();
    languageMenu_->retranslate();
    editor_->retranslate();
}

void MainWindow::showPage(int page)
{
    editor_->document().showPage(page);
}

void MainWindow::replaceDocument(ProjectDocument document)
{
    session_.document = std::move(document);
    documentReplaced();
}

bool MainWindow::changeSettings(const QString& name,
                                const std::function<bool(AppSettings&)>& change)
{
    return editor_->document().run([&](Designer& d) {
        return d.change(name.toStdString(), [&](DocumentEdit& edit) {
            edit.touchSettings();
            return change(edit.document().settings);
        });
    });
}

void MainWindow::documentReplaced()
{
    editor_->documentReplaced();
    updateCaption();
}

void MainWindow::updateCaption()
{
    const QString path = QString::fromStdString(session_.document.projectPath);
    setWindowTitle(path.isEmpty() ? kProgramTitle : path + QStringLiteral(" : ") + kProgramTitle);
}

void MainWindow::endProgram()
{
    endingWithoutShutdown_ = true;
    close();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (endingWithoutShutdown_) {
        event->accept();
        return;
    }
    if (!commands_->askToSaveChanges()) {
        event->ignore();
        return;
    }
    storeWindowPosition(*this, *designerSettings(), kLeftKey, kTopKey);
    event->accept();
}

void MainWindow::reportStartupMessages()
{
    if (session_.messages.isEmpty())
        return;
    const QString text = session_.messages.join(QLatin1Char('\n'));
    session_.messages.clear();
    QMessageBox::information(this, kProgramTitle, text);
}

void MainWindow::reportMessages()
{
    if (session_.messages.isEmpty())
        return;
    const QString text = session_.messages.join(QLatin1Char('\n'));
    session_.messages.clear();
    editor_->showMessage(text);
}

} // namespace qv::gui
