#include "panel/positionboxes.h"

#include "app/uilanguage.h"
#include "canvas/designdocument.h"
#include "designer/panelvalues.h"
#include "designer/panelview.h"
#include "document/languagetable.h"
#include "panel/typedbox.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace qv::gui {

namespace {

struct BoxText {
    int entry;
    const char* english;
    PositionBox box;
};
constexpr std::array<BoxText, 4> kBoxes{{
    {text::LeftBox, "Left", PositionBox::Left},
    {text::TopBox, "Top", PositionBox::Top},
    {text::WidthBox, "Width", PositionBox::Width},
    {text::HeightBox, "Height", PositionBox::Height},
}};

} // namespace

PositionBoxes::PositionBoxes(DesignDocument& document, const LanguageTable* language,
                             std::function<QRectF(ObjectRef)> measure, QWidget* parent)
    : QWidget(parent), document_(document), language_(language), measure_(std::move(measure))
{
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    for (size_t i = 0; i < boxes_.size(); ++i) {
        auto* label = new QLabel(this);
        auto* box = new QLineEdit(this);
        box->setObjectName(
            QString::fromLatin1(std::array{"LeftP", "TopP", "WidthP", "HeightP"}[i]));
        acceptDigitsOnly(box);
        box->setMaximumWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("0000000000")));
        label->setBuddy(box);
        const int row = static_cast<int>(i / 2);
        const int column = static_cast<int>(i % 2) * 2;
        grid->addWidget(label, row, column);
        grid->addWidget(box, row, column + 1);
        labels_[i] = label;
        boxes_[i] = box;
        const int index = static_cast<int>(i);
        typed_[i] = new TypedBox(document_, box, QStringLiteral("Position"),
                                 [this, index](const QString& text) { apply(index, text); });
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    retranslate();
}

void PositionBoxes::retranslate()
{
    for (size_t i = 0; i < boxes_.size(); ++i) {
        const QString caption = plainLanguageText(language_, kBoxes[i].entry, kBoxes[i].english);
        labels_[i]->setText(caption + QStringLiteral(" :"));
        boxes_[i]->setAccessibleName(caption);
        boxes_[i]->setToolTip(caption);
    }
}

void PositionBoxes::apply(int i, const QString& text)
{
    // An emptied box is no value yet: the user is about to type one.
    if (text.isEmpty())
        return;
    const PositionBox box = kBoxes[static_cast<size_t>(i)].box;
    const std::string value = text.toStdString();
    document_.run([&](Designer& d) { applyPositionBox(d, box, value); });
}

void PositionBoxes::showView(const PanelView& view)
{
    setVisible(view.positionShown);
    if (!view.positionShown)
        return;
    std::array<float, 4> values = view.position;
    if (view.measuredSize && view.single) {
        const QRectF drawn = measure_ ? measure_(*view.single) : QRectF();
        values[2] = static_cast<float>(drawn.width());
        values[3] = static_cast<float>(drawn.height());
    }
    const MeasureUnit unit = document_.canvas().unit;
    for (size_t i = 0; i < boxes_.size(); ++i) {
        typed_[i]->show(
            QString::fromStdString(singleText(static_cast<float>(toUnit(values[i], unit)))));
        boxes_[i]->setReadOnly(!view.positionEditable[i]);
    }
}

} // namespace qv::gui
