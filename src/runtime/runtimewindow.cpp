#include "runtimewindow.h"

#include "aboutbox.h"
#include "formpage.h"
#include "runtimeform.h"
#include "runtimeimage.h"

#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QStatusBar>
#include <QVBoxLayout>

namespace qv::runtime {

namespace {

constexpr int kFirstFunctionKey = 2; // F1 is kept for help
constexpr int kMaxWindowWidth = 1024;
constexpr int kMaxWindowHeight = 768;

QString captionOr(const std::string& caption, const char* fallback)
{
    return caption.empty() ? QString::fromLatin1(fallback) : QString::fromStdString(caption);
}

} // namespace

RuntimeWindow::RuntimeWindow(const AppData& data, const FormulaLocale& locale, QWidget* parent)
    : QMainWindow(parent), data_(data), locale_(locale)
{
    setWindowTitle(QString::fromStdString(data.windowTitle));
    setWindowIcon(QIcon(QPixmap::fromImage(applicationIcon())));

    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto* pageBar = new QWidget;
    auto* pageLayout = new QHBoxLayout(pageBar);
    pageLayout->setContentsMargins(4, 2, 4, 2);
    page_ = new FormPage(data);
    if (page_->lastUsedPage() > 0) {
        for (int p = 0; p <= page_->lastUsedPage(); ++p) {
            auto* button = new QPushButton(tr("Page %1").arg(p + 1));
            button->setCheckable(true);
            button->setChecked(p == 0);
            connect(button, &QPushButton::clicked, this, [this, p] { setPage(p); });
            pageLayout->addWidget(button);
            pageButtons_.push_back(button);
        }
    }
    pageLayout->addStretch(1);
    if (!pageButtons_.empty())
        layout->addWidget(pageBar);
    else
        delete pageBar;

    auto* scroll = new QScrollArea;
    scroll->setWidget(page_);
    scroll->setFrameShape(QFrame::NoFrame);
    layout->addWidget(scroll, 1);

    auto* keyBar = new QWidget;
    buildFunctionKeys(keyBar);
    layout->addWidget(keyBar);
    setCentralWidget(central);

    buildMenus();
    statusBar()->addWidget(new QLabel(tr(kNotStoredYet)), 1);

    form_ = std::make_unique<RuntimeForm>(data, *page_);
    connect(page_, &FormPage::valueEdited, this, [this] { form_->recalculate(locale_); });
    form_->recalculate(locale_);

    QSize size = page_->size() + QSize(24, 110);
    if (const QScreen* screen = QApplication::primaryScreen())
        size = size.boundedTo(screen->availableSize());
    resize(size.boundedTo(QSize(kMaxWindowWidth, kMaxWindowHeight)));
    if (data.sizable == 0)
        setFixedSize(this->size());
}

RuntimeWindow::~RuntimeWindow() = default;

void RuntimeWindow::setPage(int page)
{
    page_->setPage(page);
    for (size_t p = 0; p < pageButtons_.size(); ++p)
        pageButtons_[p]->setChecked(static_cast<int>(p) == page);
}

void RuntimeWindow::notYet()
{
    QMessageBox::information(this, windowTitle(), tr(kNotStoredYet));
}

void RuntimeWindow::showAbout()
{
    AboutBox about(data_, this);
    about.exec();
}

void RuntimeWindow::buildMenus()
{
    auto caption = [this](MenuCaption which, const char* fallback) {
        return captionOr(data_.menuCaptions[static_cast<size_t>(which)], fallback);
    };
    auto item = [this](QMenu* menu, const QString& text) {
        QAction* action = menu->addAction(text);
        connect(action, &QAction::triggered, this, &RuntimeWindow::notYet);
        return action;
    };

    QMenu* file = menuBar()->addMenu(caption(MenuCaption::Fmenu, "&File"));
    item(file, caption(MenuCaption::newin, "Create"));
    item(file, caption(MenuCaption::Deletemarkrec, "New Record"));
    item(file, caption(MenuCaption::Erasefile, "Clear Record"));
    if (!data_.deleteRecordMenuCaption.empty())
        item(file, QString::fromStdString(data_.deleteRecordMenuCaption));
    file->addSeparator();
    item(file, caption(MenuCaption::Printingit, "Print"));
    for (size_t r = 1; r < data_.reports.size(); ++r) {
        if (!data_.reports[r].caption.empty())
            item(file, QString::fromStdString(data_.reports[r].caption));
    }
    QMenu* view = file->addMenu(caption(MenuCaption::ViewDoc, "View Document"));
    for (const std::string& plate : data_.viewDocumentCaptions) {
        if (!plate.empty())
            item(view, QString::fromStdString(plate));
    }
    view->menuAction()->setVisible(!view->isEmpty());
    item(file, caption(MenuCaption::importmenu, "Import"));
    if (data_.exportOption != 0)
        item(file, caption(MenuCaption::expot, "Export"));
    file->addSeparator();
    QAction* exit = file->addAction(caption(MenuCaption::Exitit, "Exit"));
    connect(exit, &QAction::triggered, this, &QWidget::close);

    QMenu* edit = menuBar()->addMenu(caption(MenuCaption::ops, "&Edit"));
    item(edit, caption(MenuCaption::Cuting, "Cut"));
    item(edit, caption(MenuCaption::copying, "Copy..."));
    item(edit, caption(MenuCaption::pasting, "Paste..."));
    item(edit, caption(MenuCaption::copyadress, "Copy All..."));
    if (!data_.replaceMenuCaption.empty())
        item(edit, QString::fromStdString(data_.replaceMenuCaption));
    if (data_.calculatorMenuVisible)
        item(edit, caption(MenuCaption::Cal, "Calculator"));
    item(edit, caption(MenuCaption::newview, "New View"));
    item(edit, captionOr(data_.statisticsCaption, "Statistics"));

    QMenu* search = menuBar()->addMenu(caption(MenuCaption::Finding, "&Search"));
    item(search, caption(MenuCaption::Mlist, "List"));
    item(search, caption(MenuCaption::findenSortAZ, "Sort A-Z"));
    item(search, caption(MenuCaption::findenSortZA, "Sort Z-A"));
    item(search, caption(MenuCaption::findenSortOldNew, "Sort Old-New"));
    if (!data_.menuCaptions[static_cast<size_t>(MenuCaption::findenItem4)].empty())
        item(search, caption(MenuCaption::findenItem4, ""));

    QMenu* help = menuBar()->addMenu(caption(MenuCaption::helpit, "&Help"));
    item(help, caption(MenuCaption::infoo, "Information"));
    QAction* about = help->addAction(caption(MenuCaption::Aboutit, "About"));
    connect(about, &QAction::triggered, this, &RuntimeWindow::showAbout);
}

void RuntimeWindow::buildFunctionKeys(QWidget* bar)
{
    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(4, 2, 4, 2);
    bool any = false;
    for (int key = kFirstFunctionKey; key <= static_cast<int>(data_.functionKeyTexts.size());
         ++key) {
        const std::string& text = data_.functionKeyTexts[static_cast<size_t>(key - 1)];
        if (text.empty())
            continue;
        any = true;
        auto* label = new QLabel(QStringLiteral("<b>F%1</b> %2")
                                     .arg(key)
                                     .arg(QString::fromStdString(text).toHtmlEscaped()));
        label->setTextFormat(Qt::RichText);
        layout->addWidget(label);
        auto* shortcut = new QShortcut(QKeySequence(Qt::Key_F1 + key - 1), this);
        connect(shortcut, &QShortcut::activated, this, [this, key] { typeFunctionKey(key); });
    }
    layout->addStretch(1);
    bar->setVisible(any);
}

void RuntimeWindow::typeFunctionKey(int key)
{
    const QString text =
        QString::fromStdString(data_.functionKeyTexts[static_cast<size_t>(key - 1)]);
    QWidget* focus = QApplication::focusWidget();
    if (auto* line = qobject_cast<QLineEdit*>(focus)) {
        line->insert(text);
        emit line->textEdited(line->text());
    } else if (auto* notes = qobject_cast<QPlainTextEdit*>(focus)) {
        notes->insertPlainText(text);
    }
}

} // namespace qv::runtime
