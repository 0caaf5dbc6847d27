#include "app/projectcommands.h"

#include "app/designeditor.h"
#include "app/mainwindow.h"
#include "app/projectprogress.h"
#include "app/uilanguage.h"
#include "canvas/designdocument.h"
#include "designer/projectpaths.h"
#include "dialogs/templatechooser.h"
#include "document/languagetable.h"
#include "document/projectfile.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>

namespace qv::gui {

Q_LOGGING_CATEGORY(lcProject, "quorvalle.project")

namespace {

const QString kProgramTitle = QStringLiteral("Quorvalle Developer 21");

// The folder a file dialog opens in: that of the last project, else the home folder.
QString dialogFolder(const std::string& path)
{
    if (path.empty())
        return QDir::homePath();
    const QFileInfo info(QString::fromStdString(path));
    return info.isAbsolute() && info.dir().exists() ? info.absolutePath() : QDir::homePath();
}

} // namespace

ProjectCommands::ProjectCommands(MainWindow& window) : QObject(&window), window_(window) {}

ProjectCommands::~ProjectCommands() = default;

void ProjectCommands::addTo(QMenuBar& bar)
{
    fileMenu_ = bar.addMenu(QString());
    new_ = fileMenu_->addAction(QString(), QKeySequence::New, this, &ProjectCommands::newProject);
    open_ = fileMenu_->addAction(QString(), QKeySequence::Open, this,
                                 &ProjectCommands::openProject);
    save_ = fileMenu_->addAction(QString(), QKeySequence::Save, this, [this] { save(false); });
    saveAs_ = fileMenu_->addAction(QString(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
                                   this, [this] { save(true); });
    templates_ = fileMenu_->addAction(QString(), this, &ProjectCommands::showTemplates);
    fileMenu_->addSeparator();
    for (int i = 0; i < kRecentProjectCount; ++i)
        recent_[static_cast<size_t>(i)] =
            fileMenu_->addAction(QString(), this, [this, i] { openRecent(i); });
    fileMenu_->addSeparator();
    exit_ = fileMenu_->addAction(QString(), QKeySequence(Qt::CTRL | Qt::Key_Q), this,
                                 &ProjectCommands::exitProgram);
    retranslate();
}

void ProjectCommands::addButtonsTo(QToolBar& bar)
{
    const QStyle* style = bar.style();
    openButton_ = bar.addAction(style->standardIcon(QStyle::SP_DialogOpenButton), QString(), this,
                                &ProjectCommands::openProject);
    saveButton_ = bar.addAction(style->standardIcon(QStyle::SP_DialogSaveButton), QString(), this,
                                [this] { save(false); });
    retranslate();
}

void ProjectCommands::retranslate()
{
    const UiLanguage& l = window_.language();
    fileMenu_->setTitle(l.text(text::FileMenu, "&File"));
    new_->setText(l.text(1, "&New Project"));
    open_->setText(l.text(2, "&Open Project"));
    save_->setText(l.text(3, "S&ave Project"));
    saveAs_->setText(l.text(4, "Sav&e Project As..."));
    templates_->setText(l.text(286, "Templates") + QStringLiteral("..."));
    exit_->setText(l.text(5, "E&xit"));
    if (openButton_ != nullptr) {
        // Icon-only buttons: the tool tip is also what a screen reader names them by.
        // The icon text is set too: Qt's default would drop a trailing "...".
        for (auto [button, caption] : {std::pair{openButton_, l.text(28, "Open Project..")},
                                       std::pair{saveButton_, l.text(29, "Save Project...")}}) {
            button->setText(caption);
            button->setIconText(caption);
            button->setToolTip(caption);
        }
    }
    refreshRecentMenu();
}

void ProjectCommands::refreshRecentMenu()
{
    const RecentProjects& entries = window_.session().ini.recentProjects;
    for (int i = 0; i < kRecentProjectCount; ++i) {
        const QString path = QString::fromStdString(entries[static_cast<size_t>(i)]);
        QAction* action = recent_[static_cast<size_t>(i)];
        // "&1 /path": a digit to reach it by keyboard; "&" in the path is shown as it is.
        action->setText(path.isEmpty() ? QString()
                                       : QStringLiteral("&%1 %2").arg(i + 1).arg(QString(path).replace(
                                             QLatin1Char('&'), QStringLiteral("&&"))));
        action->setVisible(!path.isEmpty());
    }
}

bool ProjectCommands::load(const QString& path, bool newProject)
{
    DesignerSession& s = window_.session();
    ProjectReadOptions options;
    options.pictureWorkFolder = s.files.pictureFolder;
    options.keepDefaultFont = newProject;
    options.currentDefaultFont = s.document.settings.defaultFontName;
    window_.progress().begin(window_.language().text(20, "Loading..."));
    ProjectReadResult read = readProjectFile(path.toStdString(), options);
    window_.progress().end();
    if (!read.ok()) {
        qCInfo(lcProject) << "not opened:" << path << QString::fromStdString(read.message);
        const QString message =
            read.error == ProjectReadError::NotAProject
                ? window_.language().text(text::NotAProjectFile, "This file is not a project file.") +
                      QStringLiteral("\n") + QString::fromStdString(read.message)
                : QString::fromStdString(read.message);
        QMessageBox::warning(&window_, kProgramTitle, message);
        return false;
    }
    // Every warning is shown, not only the last one a status line would keep.
    for (const std::string& warning : read.warnings)
        window_.session().messages.append(QString::fromStdString(warning));
    window_.replaceDocument(std::move(read.document));
    window_.reportMessages();
    return true;
}

void ProjectCommands::newProject()
{
    if (!askToSaveChanges())
        return;
    if (load(QString::fromStdString(window_.session().files.defaultProject.string()), true)) {
        // A new project has no file of its own yet: Save must ask for one rather than
        // write over the project that was open before.
        savePath_.clear();
    }
}

void ProjectCommands::openProject()
{
    if (!askToSaveChanges())
        return;
    QFileDialog dialog(&window_, window_.language().plainText(2, "Open Project"),
                       dialogFolder(savePath_.empty() ? window_.document().projectPath : savePath_),
                       QStringLiteral("Projects (*.baf *.ddf)"));
    dialog.setObjectName(QStringLiteral("OpenProjectDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setLabelText(QFileDialog::Accept, window_.language().text(text::OpenButton, "Open"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString path = QFileInfo(dialog.selectedFiles().first()).absoluteFilePath();
    if (!QFileInfo::exists(path) || !load(path, false))
        return;
    savePath_ = path.toStdString();
    window_.session().rememberRecent(savePath_);
    refreshRecentMenu();
    window_.reportMessages();
}

void ProjectCommands::openRecent(int index)
{
    const std::string path = window_.session().ini.recentProjects[static_cast<size_t>(index)];
    const QString name = QString::fromStdString(path);
    if (!QFileInfo::exists(name)) {
        QMessageBox::information(&window_, kProgramTitle,
                                 window_.language().text(294, "The file could not be found.") +
                                     QStringLiteral("\n") + name);
        return;
    }
    if (!askToSaveChanges())
        return;
    if (load(name, false))
        savePath_ = path;
}

QString ProjectCommands::chooseSavePath()
{
    const UiLanguage& l = window_.language();
    QFileDialog dialog(&window_, l.plainText(text::SaveAsCaption, "Save Project As"),
                       dialogFolder(window_.document().projectPath),
                       QStringLiteral("Projects (*.baf)"));
    dialog.setObjectName(QStringLiteral("SaveProjectDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::DontConfirmOverwrite); // message 226 asks instead
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setLabelText(QFileDialog::Accept, l.text(text::SaveAsButton, "Save"));
    // Offer the project's own name; never the start template's, which New Project reads.
    const QFileInfo current(QString::fromStdString(window_.document().projectPath));
    if (current.fileName() != QStringLiteral("Default.baf"))
        dialog.selectFile(current.fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    const std::string target =
        withProjectExtension(QFileInfo(dialog.selectedFiles().first()).absoluteFilePath().toStdString());
    const QString path = QString::fromStdString(target);
    if (QFileInfo::exists(path)) {
        const QString question = QString::fromStdString(replaceQuestion(
            l.text(text::ReplaceFileQuestion, "The file * already exists. Do you want to replace it?")
                .toStdString(),
            target));
        if (QMessageBox::question(&window_, kProgramTitle, question,
                                  QMessageBox::Yes | QMessageBox::No,
                                  QMessageBox::No) != QMessageBox::Yes)
            return {};
    }
    return path;
}

bool ProjectCommands::save(bool saveAs)
{
    std::string target = savePath_;
    if (saveAs || saveNeedsDialog(savePath_)) {
        const QString chosen = chooseSavePath();
        if (chosen.isEmpty())
            return false;
        target = chosen.toStdString();
    }
    window_.showPage(0);
    window_.progress().begin(window_.language().text(21, "Saving..."));
    const ProjectWriteResult result = saveProjectFile(window_.session().document, target);
    window_.progress().end();
    if (!result.ok) {
        qCInfo(lcProject) << "not saved:" << QString::fromStdString(target);
        QMessageBox::warning(&window_, kProgramTitle, QString::fromStdString(result.message));
        return false;
    }
    for (const std::string& warning : result.warnings)
        QMessageBox::information(&window_, kProgramTitle, QString::fromStdString(warning));
    window_.editor().document().documentSaved();
    savePath_ = target;
    window_.updateCaption();
    return true;
}

void ProjectCommands::showTemplates()
{
    if (!chooser_) {
        chooser_ = new TemplateChooser(window_.language(), window_.session().files.examplesFolder,
                                       &window_);
        connect(chooser_, &TemplateChooser::templateChosen, this, &ProjectCommands::openTemplate);
    }
    chooser_->show();
    chooser_->raise();
    chooser_->activateWindow();
}

void ProjectCommands::openTemplate(const QString& path)
{
    if (!askToSaveChanges())
        return;
    if (chooser_)
        chooser_->setEnabled(false);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool loaded = load(path, false);
    QApplication::restoreOverrideCursor();
    if (chooser_)
        chooser_->setEnabled(true);
    if (!loaded)
        return;
    // The template is a starting point, not the file to save into: the project is named
    // after it but has no folder, and Save asks where to put it.
    window_.session().document.projectPath = QFileInfo(path).fileName().toStdString();
    savePath_.clear();
    window_.updateCaption();
}

bool ProjectCommands::askToSaveChanges()
{
    if (window_.document().modified != 1)
        return true;
    const auto answer = QMessageBox::question(
        &window_, kProgramTitle,
        window_.language().text(text::SaveBeforeClosing, "Do you want to save the changes?"),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::No);
    if (answer == QMessageBox::Cancel)
        return false;
    return answer == QMessageBox::No || save(false);
}

void ProjectCommands::exitProgram()
{
    if (askToSaveChanges())
        window_.endProgram();
}

} // namespace qv::gui
