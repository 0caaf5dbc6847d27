#include "runtimewindow.h"

#include "aboutbox.h"
#include "baseribbon.h"
#include "formpage.h"
#include "recordsession.h"
#include "runtimeimage.h"
#include "searchwindow.h"

#include "builder/designofappdata.h"
#include "formula/formulaengine.h"
#include "records/recordform.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
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

// The design as the painter draws it in the built application: the fields' default texts
// are values of a new record there, written by the live controls, not painted.
ProjectDocument paintedDesign(const AppData& data)
{
    ProjectDocument design = DesignOfAppData(data);
    for (int i : design.fields.indices())
        design.fields[i].text.clear();
    return design;
}

} // namespace

RuntimeWindow::RuntimeWindow(const AppData& data, const FormulaLocale& locale,
                             RecordsOpener openRecords, QWidget* parent)
    : QMainWindow(parent), data_(data), locale_(locale), openRecords_(std::move(openRecords)),
      design_(paintedDesign(data)), schema_(data), form_(std::make_unique<RecordForm>(data, locale))
{
    setWindowTitle(QString::fromStdString(data.windowTitle));
    setWindowIcon(QIcon(QPixmap::fromImage(applicationIcon())));
    ask_ = [this](const QString& question) {
        return QMessageBox::question(this, windowTitle(), question) == QMessageBox::Yes;
    };
    warn_ = [this](const QString& message) { QMessageBox::warning(this, windowTitle(), message); };
    dialogs_ = standardDialogs(this);
    appFolder_ = QCoreApplication::applicationDirPath();

    OpenedRecords opened = openRecords_ ? openRecords_(schema_) : OpenedRecords{};
    store_ = std::move(opened.store);
    // Typing that could not be kept is not offered; a window without a store because none
    // was asked for (a screenshot) still looks as it would on first start.
    readOnly_ = opened.refused || (store_ && store_->readOnly());
    session_ = std::make_unique<RecordSession>(data, *form_, schema_, store_.get(), locale);

    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    page_ = new FormPage(data, design_, *form_, locale);
    auto* pageBar = new QWidget;
    auto* pageLayout = new QHBoxLayout(pageBar);
    pageLayout->setContentsMargins(4, 2, 4, 2);
    if (page_->lastUsedPage() > 0) {
        for (int p = 0; p <= page_->lastUsedPage(); ++p) {
            auto* button = new QPushButton(
                QString::fromStdString(data.pageButtonCaptions[static_cast<size_t>(p)]));
            button->setCheckable(true);
            button->setChecked(p == 0);
            button->setFocusPolicy(Qt::NoFocus);
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

    ribbon_ = new BaseRibbon;
    ribbon_->setVisible(data.baseButtonsVisible);
    connect(ribbon_, &BaseRibbon::moveRequested, session_.get(), &RecordSession::move);
    layout->addWidget(ribbon_);

    auto* keyBar = new QWidget;
    buildFunctionKeys(keyBar);
    layout->addWidget(keyBar);
    setCentralWidget(central);

    buildMenus();
    notice_ = new QLabel(opened.notice);
    notice_->setWordWrap(true);
    statusBar()->addWidget(notice_, 1);

    form_->changed = [this](InputRef ref) { page_->showValue(ref); };
    form_->resultsCut = [this](const std::vector<std::string>& objects) {
        QStringList names;
        for (const std::string& name : objects)
            names << QString::fromStdString(name);
        showNotice(tr("The result of %1 was cut to %2 characters.")
                       .arg(names.join(QStringLiteral(", ")))
                       .arg(QLocale().toString(qlonglong(kMaxFormulaResultLength))));
    };
    connect(page_, &FormPage::typed, session_.get(), [this](InputRef) { session_->edited(); });
    connect(page_, &FormPage::buttonPressed, this, &RuntimeWindow::pressButton);
    connect(session_.get(), &RecordSession::recordShown, this, &RuntimeWindow::recordShown);
    connect(session_.get(), &RecordSession::positionChanged, this, &RuntimeWindow::showPosition);
    connect(session_.get(), &RecordSession::problem, this, &RuntimeWindow::warn);

    // Moving through the records from the keyboard.
    const std::pair<QKeySequence, RecordMove> keys[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_Home), RecordMove::First},
        {QKeySequence(Qt::Key_PageUp), RecordMove::Previous},
        {QKeySequence(Qt::Key_PageDown), RecordMove::Next},
        {QKeySequence(Qt::CTRL | Qt::Key_End), RecordMove::Last}};
    for (const auto& [sequence, move] : keys) {
        auto* shortcut = new QShortcut(sequence, this);
        connect(shortcut, &QShortcut::activated, session_.get(),
                [this, move = move] { session_->move(move); });
    }

    session_->showLast();
    if (opened.refused)
        QMetaObject::invokeMethod(
            this, [this, message = opened.notice] { warn(message); }, Qt::QueuedConnection);

    QSize size = page_->size() + QSize(24, 140);
    if (const QScreen* screen = QApplication::primaryScreen())
        size = size.boundedTo(screen->availableSize());
    resize(size.boundedTo(QSize(kMaxWindowWidth, kMaxWindowHeight)));
    if (data.sizable == 0)
        setFixedSize(this->size());
}

RuntimeWindow::~RuntimeWindow()
{
    // Saves what is pending while the form and its controls are still there; the window
    // no longer listens, it is going.
    QObject::disconnect(session_.get(), nullptr, this, nullptr);
    session_->saveNow();
    session_.reset();
    delete takeCentralWidget();
}

QString RuntimeWindow::notice() const
{
    return notice_->text();
}

void RuntimeWindow::warn(const QString& message)
{
    notice_->setText(message);
    if (warn_)
        warn_(message);
}

void RuntimeWindow::showNotice(const QString& message)
{
    notice_->setText(message);
}

void RuntimeWindow::showDataWarnings(const std::vector<std::string>& warnings, bool tell)
{
    if (warnings.empty())
        return;
    constexpr size_t kShown = 10;
    QStringList lines;
    for (size_t i = 0; i < std::min(warnings.size(), kShown); ++i)
        lines << QString::fromStdString(warnings[i]);
    if (warnings.size() > kShown)
        lines << tr("... and %1 more.").arg(warnings.size() - kShown);
    const QString message =
        tr("Some values of this application's design were damaged and have been repaired:\n%1")
            .arg(lines.join(QLatin1Char('\n')));
    showNotice(message);
    if (tell)
        QMetaObject::invokeMethod(
            this, [this, message] { warn(message); }, Qt::QueuedConnection);
}

void RuntimeWindow::setPage(int page)
{
    page_->setPage(page);
    for (size_t p = 0; p < pageButtons_.size(); ++p)
        pageButtons_[p]->setChecked(static_cast<int>(p) == page);
    ribbon_->showPage(
        QString::fromStdString(data_.pageButtonCaptions[static_cast<size_t>(page_->page())]));
}

void RuntimeWindow::recordShown()
{
    page_->applyLocks(readOnly_);
    showPosition();
}

void RuntimeWindow::showPosition()
{
    const QDate today = QDate::currentDate();
    const QDate made = session_->madeOn();
    page_->showSpecialLabels(
        SpecialLabelsFor(data_, session_->number(), {today.year(), today.month(), today.day()},
                         {made.year(), made.month(), made.day()}, locale_.icuLocaleId));
    const RecordCursor& cursor = session_->cursor();
    ribbon_->showPosition(session_->number(), session_->isNew(), cursor.position(),
                          static_cast<int>(session_->count()));
    ribbon_->showPage(
        QString::fromStdString(data_.pageButtonCaptions[static_cast<size_t>(page_->page())]));
}

void RuntimeWindow::closeEvent(QCloseEvent* event)
{
    if (!session_->saveNow() &&
        !ask_(tr("The record could not be saved. Close anyway and lose the last changes?"))) {
        event->ignore();
        return;
    }
    event->accept();
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
    if (auto* line = qobject_cast<QLineEdit*>(focus); line && !line->isReadOnly()) {
        line->insert(text);
        emit line->textEdited(line->text());
    } else if (auto* notes = qobject_cast<QPlainTextEdit*>(focus); notes && !notes->isReadOnly()) {
        notes->insertPlainText(text);
    }
}

void RuntimeWindow::showAbout()
{
    AboutBox about(data_, this);
    about.exec();
}

} // namespace qv::runtime
