#include "panel/fontcontrols.h"

#include "app/uilanguage.h"
#include "canvas/designdocument.h"
#include "designer/canvassettings.h"
#include "designer/panelvalues.h"
#include "designer/panelview.h"
#include "document/languagetable.h"
#include "panel/typedbox.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>

namespace qv::gui {

namespace {

constexpr int kSizes[] = {6, 7, 8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72};

// Alignment values as the labels and fields keep them, in the order the options show.
constexpr int kLeft = 0;
constexpr int kCentre = 2;
constexpr int kRight = 1;

void showCheck(QCheckBox* box, bool shown, std::optional<bool> value, bool mixed)
{
    box->setVisible(shown);
    const QSignalBlocker blocker(box);
    if (mixed) {
        // The objects disagree: a click makes them all bold (or italic, ...).
        box->setCheckState(Qt::PartiallyChecked);
    } else {
        box->setTristate(false);
        box->setChecked(value.value_or(false));
    }
}

} // namespace

FontControls::FontControls(DesignDocument& document, const LanguageTable* language, QWidget* parent)
    : QWidget(parent), document_(document), language_(language)
{
    form_ = new QFormLayout(this);
    form_->setContentsMargins(0, 0, 0, 0);

    nameLabel_ = new QLabel(this);
    name_ = new QComboBox(this);
    name_->setObjectName(QStringLiteral("text3"));
    name_->setEditable(true);
    name_->setInsertPolicy(QComboBox::NoInsert);
    name_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    name_->setMinimumContentsLength(10);
    // The combo hands its line edit the keys past the line edit's own filters.
    TypedBox::passUndoKeys(name_);
    TypedBox::passUndoKeys(name_->lineEdit());
    nameLabel_->setBuddy(name_);
    form_->addRow(nameLabel_, name_);
    connect(name_, &QComboBox::activated, this,
            [this](int row) { chooseFontName(name_->itemText(row)); });
    connect(name_->lineEdit(), &QLineEdit::editingFinished, this,
            [this] { chooseFontName(name_->currentText()); });

    sizeLabel_ = new QLabel(this);
    size_ = new QComboBox(this);
    size_->setObjectName(QStringLiteral("FontSizing"));
    size_->setEditable(true);
    size_->setInsertPolicy(QComboBox::NoInsert);
    for (int s : kSizes)
        size_->addItem(QString::number(s));
    // Each key applies the size typed so far: a completion would show another one.
    size_->setCompleter(nullptr);
    TypedBox::passUndoKeys(size_);
    acceptDigitsOnly(size_->lineEdit());
    sizeLabel_->setBuddy(size_);
    form_->addRow(sizeLabel_, size_);
    typedSize_ = new TypedBox(document_, size_->lineEdit(), QStringLiteral("Font Size"),
                              [this](const QString& text) { chooseFontSize(text, true); });
    connect(size_, &QComboBox::activated, this,
            [this](int row) { chooseFontSize(size_->itemText(row), false); });

    styles_ = new QWidget(this);
    auto* styles = new QHBoxLayout(styles_);
    styles->setContentsMargins(0, 0, 0, 0);
    bold_ = new QCheckBox(styles_);
    bold_->setObjectName(QStringLiteral("Check1"));
    italic_ = new QCheckBox(styles_);
    italic_->setObjectName(QStringLiteral("Check2"));
    underline_ = new QCheckBox(styles_);
    underline_->setObjectName(QStringLiteral("Check3"));
    for (QCheckBox* box : {bold_, italic_, underline_})
        styles->addWidget(box);
    styles->addStretch(1);
    form_->addRow(styles_);
    const auto style = [this](QCheckBox* box, bool (*set)(Designer&, bool)) {
        connect(box, &QCheckBox::clicked, this, [this, set](bool checked) {
            document_.command([&](Designer& d) { set(d, checked); });
        });
    };
    style(bold_, &setFontBold);
    style(italic_, &setFontItalic);
    style(underline_, &setFontUnderline);

    alignmentLabel_ = new QLabel(this);
    alignment_ = new QWidget(this);
    auto* options = new QVBoxLayout(alignment_);
    options->setContentsMargins(0, 0, 0, 0);
    options->setSpacing(0);
    alignmentGroup_ = new QButtonGroup(this);
    for (int value : {kLeft, kCentre, kRight}) {
        auto* option = new QRadioButton(alignment_);
        option->setObjectName(QStringLiteral("Option1_%1").arg(value));
        alignmentGroup_->addButton(option, value);
        options->addWidget(option);
    }
    form_->addRow(alignmentLabel_, alignment_);
    connect(alignmentGroup_, &QButtonGroup::idClicked, this, [this](int value) {
        document_.command([value](Designer& d) { setAlignment(d, value); });
    });
    retranslate();
}

QRadioButton* FontControls::alignmentOption(int alignment) const
{
    return static_cast<QRadioButton*>(alignmentGroup_->button(alignment));
}

void FontControls::setFontFamilies(const QStringList& families)
{
    const QSignalBlocker blocker(name_);
    const QString shown = name_->currentText();
    name_->clear();
    name_->addItems(families);
    name_->setEditText(shown);
}

void FontControls::retranslate()
{
    const auto caption = [this](int entry, const char* english) {
        return plainLanguageText(language_, entry, english);
    };
    nameLabel_->setText(caption(text::FontLabel, "Font") + QStringLiteral(" :"));
    name_->setAccessibleName(caption(text::FontLabel, "Font"));
    name_->lineEdit()->setAccessibleName(caption(text::FontLabel, "Font"));
    sizeLabel_->setText(caption(text::FontSizeLabel, "Font Size") + QStringLiteral(" :"));
    size_->setAccessibleName(caption(text::FontSizeLabel, "Font Size"));
    size_->lineEdit()->setAccessibleName(caption(text::FontSizeLabel, "Font Size"));
    bold_->setText(caption(text::BoldBox, "Bold"));
    italic_->setText(caption(text::ItalicBox, "Italic"));
    underline_->setText(caption(text::UnderlineBox, "Underline"));
    alignmentLabel_->setText(caption(text::AlignmentLabel, "Alignment") + QStringLiteral(" :"));
    alignment_->setAccessibleName(caption(text::AlignmentLabel, "Alignment"));
    alignmentOption(kLeft)->setText(caption(text::LeftAligned, "Left Aligned"));
    alignmentOption(kCentre)->setText(caption(text::Centered, "Centered"));
    alignmentOption(kRight)->setText(caption(text::RightAligned, "Right Aligned"));
}

void FontControls::chooseFontName(const QString& name)
{
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty() || trimmed == shownFontName_)
        return;
    document_.endPlacement();
    const std::string value = trimmed.toStdString();
    document_.run([&](Designer& d) { setFontName(d, value); });
    shownFontName_ = trimmed; // Return chooses and then ends the editing: one step
}

void FontControls::chooseFontSize(const QString& text, bool typed)
{
    if (text.isEmpty() || (!typed && text == shownFontSize_))
        return;
    if (!typed)
        document_.endPlacement();
    const std::string value = text.toStdString();
    const std::string shown = document_.run([&](Designer& d) { return applyFontSize(d, value); });
    // A size above the largest is shown as the largest, which it became.
    if (QString::fromStdString(shown) != text)
        size_->setEditText(QString::fromStdString(shown));
}

void FontControls::showView(const PanelView& view)
{
    const PanelState& v = view.values;
    const bool name = view.has(PanelControl::FontName);
    const bool size = view.has(PanelControl::FontSize);
    form_->setRowVisible(name_, name);
    form_->setRowVisible(size_, size);
    if (name && !name_->lineEdit()->hasFocus()) {
        shownFontName_ = view.isMixed(PanelControl::FontName)
                             ? QString()
                             : QString::fromStdString(v.fontName.value_or(std::string()));
        const QSignalBlocker blocker(name_);
        name_->setEditText(shownFontName_);
    }
    if (size) {
        const QString text = view.isMixed(PanelControl::FontSize) || !v.fontSize
                                 ? QString()
                                 : QString::fromStdString(singleText(*v.fontSize));
        shownFontSize_ = text;
        if (!typedSize_->typing()) {
            const QSignalBlocker blocker(size_);
            size_->setEditText(text);
        }
    }

    const bool bold = view.has(PanelControl::Bold);
    const bool italic = view.has(PanelControl::Italic);
    const bool underline = view.has(PanelControl::Underline);
    form_->setRowVisible(styles_, bold || italic || underline);
    showCheck(bold_, bold, v.bold, view.isMixed(PanelControl::Bold));
    showCheck(italic_, italic, v.italic, view.isMixed(PanelControl::Italic));
    showCheck(underline_, underline, v.underline, view.isMixed(PanelControl::Underline));

    const bool alignment = view.has(PanelControl::Alignment);
    form_->setRowVisible(alignment_, alignment);
    if (alignment) {
        // No option is chosen while the objects disagree.
        alignmentGroup_->setExclusive(false);
        for (QAbstractButton* option : alignmentGroup_->buttons()) {
            const QSignalBlocker blocker(option);
            option->setChecked(!view.isMixed(PanelControl::Alignment) &&
                               alignmentGroup_->id(option) == v.alignment.value_or(kLeft));
        }
        alignmentGroup_->setExclusive(true);
    }
    setVisible(name || size || bold || italic || underline || alignment);
}

} // namespace qv::gui
