#include "panel/colourbuttons.h"

#include "app/uilanguage.h"
#include "controls/olecolor.h"
#include "designer/panelvalues.h"
#include "designer/panelview.h"
#include "document/languagetable.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QPixmap>
#include <QToolButton>

namespace qv::gui {

namespace {

struct ColourButton {
    const char* name;
    const char* toolTip;
    int entry;
    const char* caption;
    int target;
    PanelControl control;
    std::optional<int32_t> PanelState::*value;
};
const std::array<ColourButton, 3> kButtons{{
    {"Color1", "Text color...", text::TextColour, "Text Color", kTextColourTarget,
     PanelControl::TextColour, &PanelState::foreColor},
    {"Color2", "Backcolor...", text::BackColour, "Back Color", kBackColourTarget,
     PanelControl::BackColour, &PanelState::backColor},
    {"Color3", "Border color...", text::BorderColour, "Border Color", kBorderColourTarget,
     PanelControl::BorderColour, &PanelState::borderColor},
}};

// A swatch of the colour; a split swatch when the objects of an area disagree.
QIcon swatch(std::optional<int32_t> colour, bool mixed)
{
    QPixmap pixmap(20, 14);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(QColor(64, 64, 64));
    const QRect r(0, 0, 19, 13);
    if (mixed || !colour) {
        painter.setBrush(Qt::white);
        painter.drawRect(r);
        painter.setBrush(Qt::black);
        painter.drawPolygon(QPolygon({r.topRight(), r.bottomRight(), r.bottomLeft()}));
    } else {
        painter.setBrush(colorFromOle(static_cast<uint32_t>(*colour)));
        painter.drawRect(r);
    }
    return QIcon(pixmap);
}

} // namespace

ColourButtons::ColourButtons(const LanguageTable* language, QWidget* parent)
    : QWidget(parent), language_(language)
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    for (size_t i = 0; i < kButtons.size(); ++i) {
        const ColourButton& b = kButtons[i];
        auto* button = new QToolButton(this);
        button->setObjectName(QString::fromLatin1(b.name));
        button->setToolTip(QString::fromUtf8(b.toolTip));
        // Named by its tool tip, in every language: it is the button's name in the design.
        button->setAccessibleName(QString::fromUtf8(b.toolTip));
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setIconSize(QSize(20, 14));
        button->setFocusPolicy(Qt::StrongFocus);
        const int target = b.target;
        connect(button, &QToolButton::clicked, this,
                [this, target] { emit colourTableRequested(target); });
        row->addWidget(button);
        buttons_[i] = button;
    }
    row->addStretch(1);
    retranslate();
}

void ColourButtons::retranslate()
{
    for (size_t i = 0; i < kButtons.size(); ++i)
        buttons_[i]->setText(plainLanguageText(language_, kButtons[i].entry, kButtons[i].caption));
}

void ColourButtons::showView(const PanelView& view)
{
    bool any = false;
    for (size_t i = 0; i < kButtons.size(); ++i) {
        const ColourButton& b = kButtons[i];
        const bool shown = view.has(b.control);
        buttons_[i]->setVisible(shown);
        if (shown)
            buttons_[i]->setIcon(swatch(view.values.*b.value, view.isMixed(b.control)));
        any = any || shown;
    }
    setVisible(any);
}

} // namespace qv::gui
