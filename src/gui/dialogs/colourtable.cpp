#include "dialogs/colourtable.h"

#include "app/windowplacement.h"
#include "canvas/designdocument.h"
#include "controls/olecolor.h"
#include "designer/colourpalette.h"
#include "designer/panelvalues.h"

#include <QAction>
#include <QCloseEvent>
#include <QFormLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QTableWidget>
#include <QVBoxLayout>

namespace qv::gui {

namespace {

const QString kLeftKey = QStringLiteral("ConfigLeft");
const QString kTopKey = QStringLiteral("ConfigTop");
constexpr double kDefaultPositionTwips = 1000;
constexpr int kCellSize = 20;

QString targetText(int target)
{
    switch (target) {
    case kTextColourTarget: return QStringLiteral("Text color...");
    case kBackColourTarget: return QStringLiteral("Backcolor...");
    case kBorderColourTarget: return QStringLiteral("Border color...");
    default: return QString();
    }
}

} // namespace

ColourTable::ColourTable(DesignDocument& document, QWidget* parent)
    : QWidget(parent, Qt::Tool), document_(document)
{
    setObjectName(QStringLiteral("Config"));
    setWindowTitle(QStringLiteral("Color Table..."));
    auto* layout = new QVBoxLayout(this);
    targetLabel_ = new QLabel(this);
    layout->addWidget(targetLabel_);

    constexpr int rows = kPaletteSize / kColumns;
    cells_ = new QTableWidget(rows, kColumns, this);
    cells_->setObjectName(QStringLiteral("Colort"));
    cells_->setAccessibleName(QStringLiteral("Double click to use color..."));
    cells_->setToolTip(QStringLiteral("Double click to use color..."));
    cells_->horizontalHeader()->hide();
    cells_->verticalHeader()->hide();
    cells_->horizontalHeader()->setMinimumSectionSize(kCellSize);
    cells_->verticalHeader()->setMinimumSectionSize(kCellSize);
    cells_->horizontalHeader()->setDefaultSectionSize(kCellSize);
    cells_->verticalHeader()->setDefaultSectionSize(kCellSize);
    cells_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    cells_->setSelectionMode(QAbstractItemView::SingleSelection);
    cells_->setShowGrid(true);
    cells_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    cells_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    cells_->setFixedSize(kColumns * kCellSize + 2 * cells_->frameWidth(),
                         rows * kCellSize + 2 * cells_->frameWidth());
    cells_->setMouseTracking(true);
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            const QColor colour = colorFromOle(static_cast<uint32_t>(colourAt(row, column)));
            auto* item = new QTableWidgetItem;
            item->setBackground(colour);
            item->setData(Qt::AccessibleTextRole, colourValueText(colourAt(row, column)));
            item->setToolTip(QStringLiteral("Double click to use color..."));
            cells_->setItem(row, column, item);
        }
    }
    layout->addWidget(cells_);

    auto* form = new QFormLayout;
    value_ = new QLineEdit(this);
    value_->setReadOnly(true);
    value_->setAccessibleName(QStringLiteral("Color value"));
    form->addRow(QStringLiteral("Color :"), value_);
    const char* const parts[] = {"Red", "Green", "Blue"};
    for (size_t i = 0; i < parts_.size(); ++i) {
        auto* box = new QLineEdit(this);
        box->setObjectName(QStringLiteral("RBGnumber%1").arg(i));
        box->setReadOnly(true);
        box->setAccessibleName(QString::fromLatin1(parts[i]));
        form->addRow(QString::fromLatin1(parts[i]) + QStringLiteral(" :"), box);
        parts_[i] = box;
    }
    layout->addLayout(form);

    connect(cells_, &QTableWidget::cellEntered, this, &ColourTable::showColour);
    connect(cells_, &QTableWidget::currentCellChanged, this,
            [this](int row, int column) { showColour(row, column); });
    connect(cells_, &QTableWidget::cellDoubleClicked, this, &ColourTable::useColour);
    // The colours given here are the design's steps: the undo keys undo them here too.
    auto* undo = new QAction(this);
    undo->setShortcut(QKeySequence::Undo);
    connect(undo, &QAction::triggered, this, [this] { document_.undo(); });
    auto* redo = new QAction(this);
    redo->setShortcuts({QKeySequence::Redo, QKeySequence(Qt::CTRL | Qt::Key_Y)});
    connect(redo, &QAction::triggered, this, [this] { document_.redo(); });
    addActions({undo, redo});
    // Return on a cell does what a double click does, for the keyboard.
    cells_->installEventFilter(this);
}

bool ColourTable::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == cells_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && cells_->currentRow() >= 0) {
            useColour(cells_->currentRow(), cells_->currentColumn());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

ColourTable::~ColourTable()
{
    // Closing the main window takes this window along without a close event.
    if (placed_)
        storeWindowPosition(*this, *designerSettings(), kLeftKey, kTopKey);
}

int32_t ColourTable::colourAt(int row, int column) const
{
    const int i = row * kColumns + column;
    if (i < 0 || i >= kPaletteSize)
        return 0;
    return designerPalette()[static_cast<size_t>(i)];
}

QString ColourTable::colourValueText(int32_t colour)
{
    return QStringLiteral("&H") + QStringLiteral("%1")
                                      .arg(static_cast<uint32_t>(colour), 8, 16, QLatin1Char('0'))
                                      .toUpper();
}

void ColourTable::open(int target)
{
    target_ = target;
    targetLabel_->setText(targetText(target));
    if (!placed_) {
        restoreWindowPosition(*this, *designerSettings(), kLeftKey, kTopKey, kDefaultPositionTwips);
        placed_ = true;
    }
    show();
    raise();
    activateWindow();
}

void ColourTable::showColour(int row, int column)
{
    if (row < 0 || column < 0)
        return;
    const int32_t colour = colourAt(row, column);
    value_->setText(colourValueText(colour));
    for (size_t i = 0; i < parts_.size(); ++i)
        parts_[i]->setText(QString::number((colour >> (8 * i)) & 0xFF));
}

void ColourTable::useColour(int row, int column)
{
    showColour(row, column);
    const int32_t colour = colourAt(row, column);
    const int target = target_;
    document_.command([&](Designer& d) { applyColour(d, target, colour); });
}

void ColourTable::closeEvent(QCloseEvent* event)
{
    storeWindowPosition(*this, *designerSettings(), kLeftKey, kTopKey);
    event->accept();
}

} // namespace qv::gui
