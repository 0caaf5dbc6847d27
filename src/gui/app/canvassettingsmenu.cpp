#include "app/canvassettingsmenu.h"

#include "app/uilanguage.h"
#include "canvas/designdocument.h"
#include "designer/canvassettings.h"
#include "document/languagetable.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QWidget>

namespace qv::gui {

namespace {

struct UnitItem {
    MeasureUnit unit;
    const char* caption;
};
constexpr std::array<UnitItem, 4> kUnits{{
    {MeasureUnit::Pixels, "Pixels"},
    {MeasureUnit::Inches, "Inches"},
    {MeasureUnit::Millimetres, "Millimeters"},
    {MeasureUnit::Centimetres, "Centimeters"},
}};
constexpr std::array<int, 4> kGridItems{5, 10, 15, 20};

} // namespace

CanvasSettingsMenu::CanvasSettingsMenu(DesignDocument& document, const LanguageTable* language,
                                       QWidget* window)
    : QObject(window), document_(document), language_(language)
{
    auto* units = new QActionGroup(this);
    for (size_t i = 0; i < kUnits.size(); ++i) {
        auto* action = new QAction(window);
        action->setObjectName(QStringLiteral("TheScale%1").arg(static_cast<int>(kUnits[i].unit)));
        action->setCheckable(true);
        units->addAction(action);
        const int unit = static_cast<int>(kUnits[i].unit);
        connect(action, &QAction::triggered, this, [this, unit] { chooseUnit(unit); });
        units_[i] = action;
    }
    grid_ = new QMenu(window);
    grid_->setObjectName(QStringLiteral("Snap5"));
    auto* grid = new QActionGroup(this);
    for (size_t i = 0; i < kGridItems.size(); ++i) {
        QAction* action = grid_->addAction(QString());
        action->setCheckable(true);
        grid->addAction(action);
        const int item = kGridItems[i];
        connect(action, &QAction::triggered, this, [this, item] { chooseGrid(item); });
        gridItems_[i] = action;
    }
    snap_ = new QAction(window);
    snap_->setObjectName(QStringLiteral("StGrid"));
    snap_->setCheckable(true);
    connect(snap_, &QAction::triggered, this, &CanvasSettingsMenu::setSnap);
    connect(&document_, &DesignDocument::changed, this, &CanvasSettingsMenu::update);
    retranslate();
    update(DocumentChange{DocumentChange::CanvasSettings, {}, {}});
}

void CanvasSettingsMenu::addTo(QMenu* menu) const
{
    for (QAction* unit : units_)
        menu->addAction(unit);
    menu->addSeparator();
    menu->addMenu(grid_);
    menu->addAction(snap_);
}

QAction* CanvasSettingsMenu::unitItem(int unit) const
{
    for (size_t i = 0; i < kUnits.size(); ++i) {
        if (static_cast<int>(kUnits[i].unit) == unit)
            return units_[i];
    }
    return nullptr;
}

QAction* CanvasSettingsMenu::gridItem(int item) const
{
    for (size_t i = 0; i < kGridItems.size(); ++i) {
        if (kGridItems[i] == item)
            return gridItems_[i];
    }
    return nullptr;
}

void CanvasSettingsMenu::retranslate()
{
    for (size_t i = 0; i < kUnits.size(); ++i)
        units_[i]->setText(
            languageText(language_, text::PixelsUnit + static_cast<int>(i), kUnits[i].caption));
    grid_->setTitle(languageText(language_, text::GridSizeMenu, "Grid Size"));
    snap_->setText(languageText(language_, text::SnapToGrid, "Snap to Grid"));
}

void CanvasSettingsMenu::chooseUnit(int unit)
{
    document_.changeCanvasSettings([unit](CanvasSettings& c) { qv::chooseUnit(c, unit); });
}

void CanvasSettingsMenu::chooseGrid(int item)
{
    document_.changeCanvasSettings([item](CanvasSettings& c) { qv::chooseGrid(c, item); });
}

void CanvasSettingsMenu::setSnap(bool on)
{
    document_.changeCanvasSettings([on](CanvasSettings& c) { c.snap = on; });
}

void CanvasSettingsMenu::update(const DocumentChange& change)
{
    if (!change.has(DocumentChange::CanvasSettings))
        return;
    const CanvasSettings& c = document_.canvas();
    for (size_t i = 0; i < kUnits.size(); ++i)
        units_[i]->setChecked(kUnits[i].unit == c.unit);
    // The grid items are captioned in the unit; the step stays until one is chosen.
    const std::array<std::string, 4> captions = gridCaptions(c.unit);
    for (size_t i = 0; i < kGridItems.size(); ++i) {
        gridItems_[i]->setText(QString::fromStdString(captions[i]));
        gridItems_[i]->setChecked(kGridItems[i] == c.gridItem);
    }
    snap_->setChecked(c.snap);
}

} // namespace qv::gui
