#include "panel/propertypanel.h"

#include "app/uilanguage.h"
#include "canvas/designdocument.h"
#include "designer/panelview.h"
#include "dialogs/colourtable.h"
#include "document/languagetable.h"
#include "panel/colourbuttons.h"
#include "panel/fieldcontrols.h"
#include "panel/fontcontrols.h"
#include "panel/inputflagsbox.h"
#include "panel/positionboxes.h"
#include "panel/typedbox.h"

#include <QFrame>
#include <QLabel>
#include <QScrollBar>
#include <QVBoxLayout>

namespace qv::gui {

namespace {

QFrame* separator(QWidget* parent)
{
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

} // namespace

PropertyPanel::PropertyPanel(DesignDocument& document, const LanguageTable* language,
                             std::function<QRectF(ObjectRef)> measure, QWidget* parent)
    : QScrollArea(parent), document_(document), language_(language)
{
    setObjectName(QStringLiteral("PropertyPanel"));
    setWidgetResizable(true);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* content = new QWidget(this);
    auto* layout = new QVBoxLayout(content);
    number_ = new QLabel(content);
    number_->setObjectName(QStringLiteral("ObjectNumber"));
    QFont bold = number_->font();
    bold.setBold(true);
    number_->setFont(bold);
    position_ = new PositionBoxes(document_, language_, std::move(measure), content);
    font_ = new FontControls(document_, language_, content);
    colours_ = new ColourButtons(language_, content);
    field_ = new FieldControls(document_, language_, content);
    flags_ = new InputFlagsBox(document_, language_, content);
    layout->addWidget(number_);
    layout->addWidget(position_);
    rule_ = separator(content);
    layout->addWidget(rule_);
    layout->addWidget(font_);
    layout->addWidget(colours_);
    layout->addWidget(field_);
    layout->addWidget(flags_);
    layout->addStretch(1);
    setWidget(content);
    // Wide enough for the longest flag caption without a horizontal scroll bar.
    setMinimumWidth(content->sizeHint().width() + verticalScrollBar()->sizeHint().width());

    // A box typed into shows the design's value again when the typing ends.
    for (TypedBox* typed : content->findChildren<TypedBox*>())
        connect(typed, &TypedBox::finished, this, &PropertyPanel::refresh);
    connect(colours_, &ColourButtons::colourTableRequested, this, &PropertyPanel::openColourTable);
    connect(&document_, &DesignDocument::changed, this, &PropertyPanel::apply);
    retranslate();
    refresh();
}

PropertyPanel::~PropertyPanel()
{
    delete colourTable_; // it edits the document, which outlives the panel only just
}

void PropertyPanel::setFontFamilies(const QStringList& families)
{
    font_->setFontFamilies(families);
}

QString PropertyPanel::caption() const
{
    return plainLanguageText(language_, text::PropertiesPanel, "Properties");
}

void PropertyPanel::retranslate()
{
    setAccessibleName(caption());
    position_->retranslate();
    font_->retranslate();
    colours_->retranslate();
    field_->retranslate();
    flags_->retranslate();
}

ColourTable* PropertyPanel::colourTable() const
{
    return colourTable_;
}

void PropertyPanel::openColourTable(int target)
{
    if (!colourTable_)
        colourTable_ = new ColourTable(document_, window());
    colourTable_->open(target);
}

void PropertyPanel::apply(const DocumentChange& change)
{
    const SelectionState& s = document_.selection();
    bool affected = change.has(DocumentChange::Selection) || change.has(DocumentChange::Reload) ||
                    change.has(DocumentChange::Page) || change.has(DocumentChange::CanvasSettings);
    if (!affected && change.has(DocumentChange::Objects)) {
        // An area selection is shown again after any edit of objects: looking each of its
        // objects up in the change would cost more than showing it.
        const auto one = s.single();
        affected = s.areaActive() || (one && change.touches(*one));
    }
    if (affected)
        refresh();
}

void PropertyPanel::refresh()
{
    const PanelView view = panelView(document_.document(), document_.selection());
    number_->setText(QString::fromStdString(view.values.numberLabel));
    number_->setVisible(!view.values.numberLabel.empty());
    position_->showView(view);
    rule_->setVisible(view.positionShown);
    font_->showView(view);
    colours_->showView(view);
    field_->showView(view);
    flags_->showView(view);
}

} // namespace qv::gui
