#include "app/mainwindow.h"

#include "app/designeditor.h"
#include "canvas/designdocument.h"
#include "designer/projectpaths.h"
#include "document/projectfile.h"

#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenuBar>
#include <QMessageBox>
#include <QStatusBar>

namespace qv::gui {

namespace {
const QString kProgramTitle = QStringLiteral("Quorvalle Developer 21");
}

MainWindow::MainWindow(DesignerSession session, QWidget* parent)
    : QMainWindow(parent), session_(std::move(session))
{
    editor_ = std::make_unique<DesignEditor>(session_.document, &session_.language, this);
    buildMenus();
    editor_->install(fileMenu_);
    documentReplaced();
    // Room for a page of the usual size beside the toolbox, within a common screen.
    resize(1180, 860);
}

MainWindow::~MainWindow() = default;

void MainWindow::buildMenus()
{
    const DesignerSession& s = session_;
    QMenu* file = menuBar()->addMenu(s.text(37, "&File"));
    fileMenu_ = file;
    file->addAction(s.text(1, "&New Project"), this, &MainWindow::newProject);
    file->addAction(s.text(2, "&Open Project"), QKeySequence::Open, this, &MainWindow::openProject);
    file->addAction(s.text(3, "S&ave Project"), QKeySequence::Save, this, [this] { save(false); });
    file->addAction(s.text(4, "Sav&e Project As..."), this, [this] { save(true); });
    file->addSeparator();
    for (int i = 0; i < kRecentProjectCount; ++i)
        recentActions_[static_cast<size_t>(i)] =
            file->addAction(QString(), this, [this, i] { openRecent(i); });
    file->addSeparator();
    file->addAction(s.text(5, "E&xit"), this, &MainWindow::exitProgram);
    refreshRecentMenu();
}

void MainWindow::showPage(int page)
{
    editor_->document().showPage(page);
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

void MainWindow::refreshRecentMenu()
{
    for (int i = 0; i < kRecentProjectCount; ++i) {
        const std::string& path = session_.ini.recentProjects[static_cast<size_t>(i)];
        QAction* action = recentActions_[static_cast<size_t>(i)];
        action->setText(QString::fromStdString(path));
        action->setVisible(!path.empty());
    }
}

bool MainWindow::load(const QString& path, bool keepDefaultFont)
{
    ProjectReadOptions options;
    options.pictureWorkFolder = session_.files.pictureFolder;
    options.keepDefaultFont = keepDefaultFont;
    options.currentDefaultFont = session_.document.settings.defaultFontName;
    ProjectReadResult read = readProjectFile(path.toStdString(), options);
    if (!read.ok()) {
        const QString message = read.error == ProjectReadError::NotAProject
                                    ? session_.text(229, "This file is not a project file.") +
                                          QStringLiteral("\n") +
                                          QString::fromStdString(read.message)
                                    : QString::fromStdString(read.message);
        QMessageBox::warning(this, kProgramTitle, message);
        return false;
    }
    for (const std::string& warning : read.warnings)
        statusBar()->showMessage(QString::fromStdString(warning), 8000);
    session_.document = std::move(read.document);
    documentReplaced();
    return true;
}

void MainWindow::newProject()
{
    if (!askToSaveChanges())
        return;
    load(QString::fromStdString(session_.files.defaultProject.string()), true);
}

void MainWindow::openProject()
{
    if (!askToSaveChanges())
        return;
    const QString path = QFileDialog::getOpenFileName(
        this, session_.text(2, "&Open Project").remove(QLatin1Char('&')), QString(),
        QStringLiteral("Projects (*.baf *.ddf)"));
    if (path.isEmpty() || !load(path, false))
        return;
    savePath_ = path.toStdString();
    session_.rememberRecent(savePath_);
    refreshRecentMenu();
}

void MainWindow::openRecent(int index)
{
    const std::string path = session_.ini.recentProjects[static_cast<size_t>(index)];
    if (!QFileInfo::exists(QString::fromStdString(path)) || !askToSaveChanges())
        return;
    if (load(QString::fromStdString(path), false))
        savePath_ = path;
}

bool MainWindow::save(bool saveAs)
{
    std::string target = savePath_;
    if (saveAs || saveNeedsDialog(savePath_)) {
        const QString chosen = QFileDialog::getSaveFileName(
            this, session_.text(183, "Save Project As"),
            QString::fromStdString(session_.document.projectPath),
            QStringLiteral("Projects (*.baf)"), nullptr, QFileDialog::DontConfirmOverwrite);
        if (chosen.isEmpty())
            return false;
        target = withProjectExtension(chosen.toStdString());
        if (QFileInfo::exists(QString::fromStdString(target))) {
            const QString question = QString::fromStdString(replaceQuestion(
                session_.text(226, "The file * already exists. Do you want to replace it?")
                    .toStdString(),
                target));
            if (QMessageBox::question(this, kProgramTitle, question,
                                      QMessageBox::Yes | QMessageBox::No,
                                      QMessageBox::No) != QMessageBox::Yes)
                return false;
        }
    }
    showPage(0);
    statusBar()->showMessage(tr("Saving..."));
    const ProjectWriteResult result = saveProjectFile(session_.document, target);
    statusBar()->clearMessage();
    if (!result.ok) {
        QMessageBox::warning(this, kProgramTitle, QString::fromStdString(result.message));
        return false;
    }
    for (const std::string& warning : result.warnings)
        QMessageBox::information(this, kProgramTitle, QString::fromStdString(warning));
    savePath_ = target;
    updateCaption();
    return true;
}

bool MainWindow::askToSaveChanges()
{
    if (session_.document.modified != 1)
        return true;
    const auto answer = QMessageBox::question(
        this, kProgramTitle, session_.text(65, "Do you want to save the changes?"),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::No);
    if (answer == QMessageBox::Cancel)
        return false;
    return answer == QMessageBox::No || save(false);
}

void MainWindow::exitProgram()
{
    close();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (askToSaveChanges())
        event->accept();
    else
        event->ignore();
}

void MainWindow::reportStartupMessages()
{
    if (!session_.messages.isEmpty())
        QMessageBox::information(this, kProgramTitle, session_.messages.join(QLatin1Char('\n')));
}

} // namespace qv::gui
