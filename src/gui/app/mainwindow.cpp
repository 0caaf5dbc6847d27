#include "app/mainwindow.h"

#include "app/languagemenu.h"
#include "app/projectcommands.h"
#include "app/projectprogress.h"
#include "app/uilanguage.h"
#include "app/windowplacement.h"
#include "canvas/designscene.h"
#include "dialogs/languageeditor.h"
#include "dialogs/templatechooser.h"

#include <QCloseEvent>
#include <QGraphicsView>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>

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
    view_->setAccessibleName(QStringLiteral("Design page"));
    layout->addWidget(pageBar);
    layout->addWidget(view_, 1);
    setCentralWidget(central);
    progress_ = new ProjectProgress(this);
    statusBar()->addPermanentWidget(progress_);

    commands_ = std::make_unique<ProjectCommands>(*this);
    commands_->addTo(*menuBar());
    QToolBar* fileBar = addToolBar(QStringLiteral("Project"));
    fileBar->setObjectName(QStringLiteral("ProjectBar"));
    commands_->addButtonsTo(*fileBar);
    languageMenu_ = std::make_unique<LanguageMenu>(*this);
    languageMenu_->addTo(*menuBar());
    connect(language_.get(), &UiLanguage::changed, this, &MainWindow::applyLanguage);
    applyLanguage();

    documentReplaced();
    const QSizeF surface = scene_->surfaceSize();
    resize(std::max(640, static_cast<int>(surface.width()) + 40),
           std::max(480, static_cast<int>(surface.height()) + 150));
    restoreWindowPosition(*this, *designerSettings(), kLeftKey, kTopKey, kDefaultPositionTwips);
}

MainWindow::~MainWindow() = default;

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

void MainWindow::applyLanguage()
{
    commands_->retranslate();
    languageMenu_->retranslate();
}

void MainWindow::showPage(int page)
{
    session_.document.currentPage = page;
    scene_->showPage(page);
    for (int i = 0; i < kPageCount; ++i)
        pageButtons_[static_cast<size_t>(i)]->setChecked(i == page);
}

void MainWindow::replaceDocument(ProjectDocument document)
{
    session_.document = std::move(document);
    documentReplaced();
}

void MainWindow::documentChanged()
{
    const AppSettings& a = session_.document.settings;
    for (int i = 0; i < kPageCount; ++i)
        pageButtons_[static_cast<size_t>(i)]->setText(
            QString::fromStdString(a.pageButtonCaptions[static_cast<size_t>(i)]));
    scene_->reload();
}

void MainWindow::documentReplaced()
{
    documentChanged();
    showPage(0);
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
    if (!session_.messages.isEmpty())
        QMessageBox::information(this, kProgramTitle, session_.messages.join(QLatin1Char('\n')));
}

} // namespace qv::gui
