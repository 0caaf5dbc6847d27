#include "app/pagesizemenu.h"

#include "app/uilanguage.h"
#include "canvas/designdocument.h"
#include "designer/pagesize.h"
#include "dialogs/custompagedialog.h"
#include "document/appsettings.h"
#include "document/languagetable.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QWidget>

namespace qv::gui {

PageSizeMenu::PageSizeMenu(DesignDocument& document, const LanguageTable* language, QWidget* window)
    : QObject(window), document_(document), language_(language), window_(window)
{
    menu_ = new QMenu(window);
    menu_->setObjectName(QStringLiteral("PageSize"));
    // Optional: a page-size code that no item has checks none.
    auto* papers = new QActionGroup(this);
    papers->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    auto* orientation = new QActionGroup(this);
    const auto add = [this](int index, const QString& caption, QActionGroup* group) {
        QAction* action = menu_->addAction(caption);
        action->setCheckable(true);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, index] { choose(index); });
        items_[index] = action;
    };
    for (int index = 0; index < kPortraitItem - 1; ++index) {
        const PaperSize paper = *paperSize(index);
        add(index,
            QString::fromUtf8(paper.caption.data(), static_cast<qsizetype>(paper.caption.size())),
            papers);
    }
    menu_->addSeparator();
    add(kPortraitItem, QStringLiteral("Portrait..."), orientation);
    add(kLandscapeItem, QStringLiteral("Landscape..."), orientation);
    menu_->addSeparator();
    add(kCustomPageItem, QString(), papers);
    add(kTouchScreenItem, QStringLiteral("Touch Screen 1366x768 Pixels"), papers);
    connect(&document_, &DesignDocument::changed, this, &PageSizeMenu::update);
    retranslate();
    update(DocumentChange{DocumentChange::Reload, {}, {}});
}

QAction* PageSizeMenu::item(int index) const
{
    const auto at = items_.find(index);
    return at == items_.end() ? nullptr : at->second;
}

void PageSizeMenu::retranslate()
{
    menu_->setTitle(languageText(language_, text::PageSizeMenu, "Page Size"));
    items_.at(kCustomPageItem)->setText(languageText(language_, text::CustomPageSize, "Custom..."));
}

void PageSizeMenu::choose(int index)
{
    document_.endPlacement();
    std::optional<std::pair<double, double>> custom;
    const int code = document_.document().settings.pageSizeCode;
    // Portrait of a custom page asks for its size again, as choosing it does.
    if (index == kCustomPageItem || (index == kPortraitItem && code == kCustomPageItem)) {
        const MeasureUnit unit = document_.canvas().unit;
        const SurfacePixels page = document_.surface();
        custom = CustomPageDialog::ask(toUnit(page.width, unit), toUnit(page.height, unit),
                                       pixelsPerUnit(unit), window_);
        if (!custom && index == kCustomPageItem) {
            update(DocumentChange{DocumentChange::Settings, {}, {}});
            return;
        }
    }
    document_.run([&](Designer& d) { choosePageSize(d, index, custom); });
    // A choice that changed nothing leaves the marks as the design has them.
    update(DocumentChange{DocumentChange::Settings, {}, {}});
}

void PageSizeMenu::update(const DocumentChange& change)
{
    if (!change.has(DocumentChange::Settings) && !change.has(DocumentChange::Reload))
        return;
    const AppSettings& a = document_.document().settings;
    const bool landscape = landscapeChecked(a);
    for (const auto& [index, action] : items_) {
        if (index == kPortraitItem)
            action->setChecked(!landscape);
        else if (index == kLandscapeItem)
            action->setChecked(landscape);
        else
            action->setChecked(index == a.pageSizeCode);
    }
}

} // namespace qv::gui
