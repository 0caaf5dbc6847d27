#include "panel/fieldcontrols.h"

#include "app/uilanguage.h"
#include "canvas/designdocument.h"
#include "designer/panelvalues.h"
#include "designer/panelview.h"
#include "document/languagetable.h"
#include "panel/typedbox.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalBlocker>

namespace qv::gui {

namespace {

const char* const kLabelTip = "Field Search / Export Lable...";
const char* const kLengthTip = "Field Length...   (Charater Size)";

} // namespace

FieldControls::FieldControls(DesignDocument& document, const LanguageTable* language,
                             QWidget* parent)
    : QWidget(parent), document_(document), language_(language)
{
    form_ = new QFormLayout(this);
    form_->setContentsMargins(0, 0, 0, 0);

    labelCaption_ = new QLabel(this);
    label_ = new QLineEdit(this);
    label_->setObjectName(QStringLiteral("FDLabel"));
    label_->setToolTip(QString::fromUtf8(kLabelTip));
    label_->setAccessibleName(QString::fromUtf8(kLabelTip));
    labelCaption_->setBuddy(label_);
    form_->addRow(labelCaption_, label_);
    typedLabel_ =
        new TypedBox(document_, label_, QStringLiteral("Field Label"), [this](const QString& text) {
            const std::string value = text.toStdString();
            document_.run([&](Designer& d) { setFieldLabel(d, value); });
        });

    lengthCaption_ = new QLabel(this);
    lengthCaption_->setWordWrap(true);
    length_ = new QLineEdit(this);
    length_->setObjectName(QStringLiteral("FieldGTH"));
    length_->setToolTip(QString::fromUtf8(kLengthTip));
    length_->setAccessibleName(QString::fromUtf8(kLengthTip));
    length_->setMaximumWidth(length_->fontMetrics().horizontalAdvance(QStringLiteral("000000000")));
    acceptDigitsOnly(length_);
    lengthCaption_->setBuddy(length_);
    form_->addRow(lengthCaption_, length_);
    typedLength_ = new TypedBox(document_, length_, QStringLiteral("Field Length"),
                                [this](const QString& text) {
                                    if (text.isEmpty())
                                        return;
                                    const std::string value = text.toStdString();
                                    document_.run([&](Designer& d) { setFieldLength(d, value); });
                                });

    styleCaption_ = new QLabel(this);
    styleRow_ = new QWidget(this);
    auto* row = new QHBoxLayout(styleRow_);
    row->setContentsMargins(0, 0, 0, 0);
    frameStyle_ = new QScrollBar(Qt::Horizontal, styleRow_);
    frameStyle_->setObjectName(QStringLiteral("BF"));
    frameStyle_->setRange(0, kLastFrameStyle);
    frameStyle_->setPageStep(1);
    // Left and Down lower the style, as on a slider (a scroll bar inverts its keys).
    frameStyle_->setInvertedControls(false);
    frameStyle_->setFocusPolicy(Qt::StrongFocus);
    frameStyle_->setMinimumWidth(80);
    styleValue_ = new QLabel(styleRow_);
    styleValue_->setMinimumWidth(
        styleValue_->fontMetrics().horizontalAdvance(QStringLiteral("00")));
    row->addWidget(frameStyle_, 1);
    row->addWidget(styleValue_);
    styleCaption_->setBuddy(frameStyle_);
    form_->addRow(styleCaption_, styleRow_);
    // Dragging the thumb is one undo step; each click or key is one.
    connect(frameStyle_, &QScrollBar::sliderPressed, this, [this] {
        document_.endPlacement();
        document_.beginGesture(QStringLiteral("Frame Style"));
    });
    connect(frameStyle_, &QScrollBar::sliderReleased, this, [this] { document_.endGesture(); });
    connect(frameStyle_, &QScrollBar::valueChanged, this, &FieldControls::frameStyleChanged);
    retranslate();
}

void FieldControls::retranslate()
{
    labelCaption_->setText(plainLanguageText(language_, text::FieldNameLabel, "Field Name") +
                           QStringLiteral(" :"));
    lengthCaption_->setText(
        plainLanguageText(language_, text::FieldLengthLabel, kLengthTip).simplified());
    const QString style = plainLanguageText(language_, text::BorderStyle, "Border Style");
    styleCaption_->setText(style + QStringLiteral(" :"));
    frameStyle_->setAccessibleName(style);
}

void FieldControls::frameStyleChanged(int style)
{
    styleValue_->setText(QString::number(style));
    if (!frameStyle_->isSliderDown())
        document_.endPlacement();
    document_.run([style](Designer& d) { setFrameStyle(d, style); });
}

void FieldControls::showView(const PanelView& view)
{
    const PanelState& v = view.values;
    const bool label = view.has(PanelControl::FieldLabel);
    const bool length = view.has(PanelControl::FieldLength);
    const bool style = view.has(PanelControl::FrameStyle);
    form_->setRowVisible(label_, label);
    form_->setRowVisible(length_, length);
    form_->setRowVisible(styleRow_, style);
    setVisible(label || length || style);
    typedLabel_->show(label && !view.isMixed(PanelControl::FieldLabel)
                          ? QString::fromStdString(v.fieldLabel.value_or(std::string()))
                          : QString());
    typedLength_->show(length && !view.isMixed(PanelControl::FieldLength) && v.fieldLength
                           ? QString::number(*v.fieldLength)
                           : QString());
    if (style && !frameStyle_->isSliderDown()) {
        const int value = v.frameStyle.value_or(0);
        const QSignalBlocker blocker(frameStyle_);
        frameStyle_->setValue(value);
        styleValue_->setText(view.isMixed(PanelControl::FrameStyle) ? QString()
                                                                    : QString::number(value));
    }
}

} // namespace qv::gui
