#include "canvas/canvaspane.h"

#include "canvas/designdocument.h"
#include "canvas/designscene.h"
#include "canvas/designview.h"
#include "controls/olecolor.h"
#include "designer/canvasoperations.h"
#include "document/projectdocument.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTime>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace qv::gui {

namespace {

constexpr int kZoomChoices[] = {25, 50, 75, 100, 125, 150, 200, 300, 400};

QString zoomText(int percent)
{
    return QString::number(percent) + QStringLiteral(" %");
}

} // namespace

CanvasPane::CanvasPane(DesignDocument& document, QWidget* parent)
    : QWidget(parent), document_(document)
{
    // Before any scene: a new document replaces the scenes before they would rebuild.
    connect(&document_, &DesignDocument::changed, this, &CanvasPane::apply);
    const int shown = std::clamp(document_.currentPage(), 0, kPageCount - 1);
    scenes_[static_cast<size_t>(shown)] = std::make_unique<DesignScene>(document_, shown);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    tabBar_ = new QWidget(this);
    tabBar_->setAutoFillBackground(true);
    auto* tabs = new QHBoxLayout(tabBar_);
    tabs->setContentsMargins(4, 2, 4, 2);
    for (int page = 0; page < kPageCount; ++page) {
        auto* tab = new QPushButton(tabBar_);
        tab->setCheckable(true);
        tab->setFocusPolicy(Qt::TabFocus);
        connect(tab, &QPushButton::clicked, this, [this, page] {
            document_.showPage(page);
            updateTabs(); // a click on the shown page's tab keeps it checked
        });
        tabs->addWidget(tab);
        tabs_[static_cast<size_t>(page)] = tab;
    }
    tabs->addStretch(1);
    auto* zoomLabel = new QLabel(tr("Zoom"), tabBar_);
    zoomBox_ = new QComboBox(tabBar_);
    zoomBox_->setEditable(true);
    zoomBox_->setInsertPolicy(QComboBox::NoInsert);
    zoomBox_->setAccessibleName(tr("Zoom"));
    zoomBox_->setToolTip(tr("Zoom"));
    zoomBox_->lineEdit()->setAccessibleName(tr("Zoom"));
    for (int percent : kZoomChoices)
        zoomBox_->addItem(zoomText(percent), percent);
    zoomLabel->setBuddy(zoomBox_);
    tabs->addWidget(zoomLabel);
    tabs->addWidget(zoomBox_);

    view_ = new DesignView(document_, *scenes_[static_cast<size_t>(shown)], this);
    layout->addWidget(tabBar_);
    layout->addWidget(view_, 1);

    connect(zoomBox_, &QComboBox::activated, this,
            [this](int row) { view_->setZoom(zoomBox_->itemData(row).toInt()); });
    connect(zoomBox_->lineEdit(), &QLineEdit::editingFinished, this, &CanvasPane::zoomTyped);
    connect(view_, &DesignView::zoomChanged, this, &CanvasPane::showZoom);
    showZoom(view_->zoom());
    updateTabs();

    clock_ = new QTimer(this);
    clock_->setInterval(1000);
    connect(clock_, &QTimer::timeout, this, &CanvasPane::tick);
    clock_->start();
    tick();
}

CanvasPane::~CanvasPane()
{
    // The view shows the scene: it goes first.
    delete view_;
}

DesignScene& CanvasPane::scene()
{
    return view_->designScene();
}

void CanvasPane::apply(const DocumentChange& change)
{
    if (change.has(DocumentChange::Reload)) {
        // Every page's scene belongs to the old document; the page shown gets a new one
        // before the old ones go.
        auto old = std::move(scenes_);
        scenes_ = {};
        showCurrentScene();
    } else if (change.has(DocumentChange::Page)) {
        showCurrentScene();
    }
    if (change.has(DocumentChange::Page) || change.has(DocumentChange::Settings) ||
        change.has(DocumentChange::Reload))
        updateTabs();
}

void CanvasPane::showCurrentScene()
{
    const int page = std::clamp(document_.currentPage(), 0, kPageCount - 1);
    std::unique_ptr<DesignScene>& scene = scenes_[static_cast<size_t>(page)];
    if (!scene) {
        scene = std::make_unique<DesignScene>(document_, page);
        scene->setClockCaption(clockCaption_);
    }
    if (view_ != nullptr)
        view_->setDesignScene(*scene);
}

void CanvasPane::updateTabs()
{
    const AppSettings& a = document_.document().settings;
    const int page = document_.currentPage();
    for (int i = 0; i < kPageCount; ++i) {
        QPushButton* tab = tabs_[static_cast<size_t>(i)];
        tab->setText(QString::fromStdString(a.pageButtonCaptions[static_cast<size_t>(i)]));
        tab->setChecked(i == page);
    }
    // The tab area takes the page's colour, as the surface does.
    const int32_t colour = a.colourTable[static_cast<size_t>(page)];
    QPalette palette = tabBar_->palette();
    palette.setColor(QPalette::Window, colour != 0 ? colorFromOle(static_cast<uint32_t>(colour))
                                                   : QWidget::palette().color(QPalette::Window));
    tabBar_->setPalette(palette);
}

void CanvasPane::showZoom(int percent)
{
    const QSignalBlocker blocker(zoomBox_);
    const int row = zoomBox_->findData(percent);
    if (row >= 0)
        zoomBox_->setCurrentIndex(row);
    zoomBox_->setEditText(zoomText(percent));
}

void CanvasPane::zoomTyped()
{
    QString text = zoomBox_->currentText();
    text.remove(QLatin1Char('%'));
    bool ok = false;
    const int percent = text.trimmed().toInt(&ok);
    if (ok)
        view_->setZoom(percent);
    showZoom(view_->zoom());
}

void CanvasPane::tick()
{
    // Label 2 is the clock of the designed window. A design that does not keep the
    // special labels free may use it for a caption of its own, which the clock must not
    // cover: the clock shows only on a label without a caption or with a time in it.
    constexpr int kClockLabel = 2;
    const ProjectDocument& doc = document_.document();
    const bool clock =
        doc.titles.contains(kClockLabel) && isClockCaption(doc.titles[kClockLabel].caption);
    const QTime now = QTime::currentTime();
    clockCaption_ =
        clock ? QString::fromStdString(clockCaption(now.hour(), now.minute())) : QString();
    for (const auto& scene : scenes_) {
        if (scene)
            scene->setClockCaption(clockCaption_);
    }
}

} // namespace qv::gui
