#pragma once

#include <QStringList>
#include <QWidget>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFormLayout;
class QLabel;
class QRadioButton;

namespace qv {
class LanguageTable;
struct PanelView;
} // namespace qv

namespace qv::gui {

class DesignDocument;
class TypedBox;

// The font controls of the property panel: the font name box text3, the font size box
// FontSizing, Bold, Italic and Underline (Check1 .. Check3) and the alignment options
// Option1. Each writes to the selected object, or to every object of an area selection
// that has the property; each change is one undo step.
class FontControls : public QWidget {
    Q_OBJECT
public:
    FontControls(DesignDocument& document, const LanguageTable* language,
                 QWidget* parent = nullptr);

    // The installed font families the name box offers.
    void setFontFamilies(const QStringList& families);

    QComboBox* fontNameBox() const { return name_; }
    QComboBox* fontSizeBox() const { return size_; }
    QCheckBox* boldBox() const { return bold_; }
    QCheckBox* italicBox() const { return italic_; }
    QCheckBox* underlineBox() const { return underline_; }
    // Option1 by alignment value: 0 left, 1 right, 2 centred.
    QRadioButton* alignmentOption(int alignment) const;

    void showView(const PanelView& view);
    void retranslate();

private:
    void chooseFontName(const QString& name);
    void chooseFontSize(const QString& text, bool typed);

    DesignDocument& document_;
    const LanguageTable* language_;
    QFormLayout* form_ = nullptr;
    QLabel* nameLabel_ = nullptr;
    QComboBox* name_ = nullptr;
    QLabel* sizeLabel_ = nullptr;
    QComboBox* size_ = nullptr;
    TypedBox* typedSize_ = nullptr;
    QWidget* styles_ = nullptr;
    QCheckBox* bold_ = nullptr;
    QCheckBox* italic_ = nullptr;
    QCheckBox* underline_ = nullptr;
    QLabel* alignmentLabel_ = nullptr;
    QWidget* alignment_ = nullptr;
    QButtonGroup* alignmentGroup_ = nullptr;
    QString shownFontName_;
    QString shownFontSize_;
};

} // namespace qv::gui
