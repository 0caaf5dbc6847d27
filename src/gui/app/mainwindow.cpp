#include "app/mainwindow.h"

#include "canvas/designscene.h"
#include "designer/projectpaths.h"
#include "document/projectfile.h"

#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGraphicsView>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

namespace qv::gui {

namespace {
const QString kProgramTitle = QStringLiteral("Quorvalle Developer 21");
}

MainWindow::MainWindow(DesignerSession session, QWidget* parent)
    : QMainWindow(parent), session_(std::move(session))
{
    scene_ = std::make_unique<DesignScene>(session_.document);
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* pageBar = new QWidget(central);
    buildPageButtons(pageBar);
    view_ = new QGraphicsView(scene_.get(), central);
    view_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    view_->setBackgroundBrush(QColor(96, 96, 96));
    layout->addWidget(pageBar);
    layout->addWidget(view_, 1);
    setCentralWidget(central);
    buildMenus();
    documentReplaced();
    const QSizeF surface = scene_->surfaceSize();
    resize(std::max(640, static_cast<int>(surface.width()) + 40),
           std::max(480, static_cast<int>(surface.height()) + 100));
}

MainWindow::~MainWindow() = default;

void MainWindow::buildMenus()
{
    const DesignerSession& s = session_;
    QMenu* file = menuBar()->addMenu(s.text(37, "&File"));
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

void MainWindow::buildPageButtons(QWidget* bar)
{
    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(4, 2, 4, 2);
    for (int page = 0; page < kPageCount; ++page) {
        auto* button = new QPushButton(bar);
        button->setCheckable(true);
        connect(button, &QPushButton::clicked, this, [this, page] { showPage(page); });
        layout->addWidget(button);
        pageButtons_[static_cast<size_t>(page)] = button;
    }
    layout->addStretch(1);
}

void MainWindow::showPage(int page)
{
    session_.document.currentPage = page;
    scene_->showPage(page);
    for (int i = 0; i < kPageCount; ++i)
        pageButtons_[static_cast<size_t>(i)]->setChecked(i == page);
}

void MainWindow::documentReplaced()
{
    const AppSettings& a = session_.document.settings;
    for (int i = 0; i < kPageCount; ++i)
        pageButtons_[static_cast<size_t>(i)]->setText(
            QString::fromStdString(a.pageButtonCaptions[static_cast<size_t>(i)]));
    showPage(0);
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
