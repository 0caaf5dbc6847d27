#pragma once

#include <QWidget>

class QFormLayout;
class QLabel;
class QLineEdit;
class QScrollBar;

namespace qv {
class LanguageTable;
struct PanelView;
} // namespace qv

namespace qv::gui {

class DesignDocument;
class TypedBox;

// The field controls of the property panel: FDLabel "Field Search / Export Lable..." (the
// label a field is searched and exported under), FieldGTH "Field Length...   (Charater
// Size)" and the frame style scroll bar BF, which fits the text box into its frame again.
class FieldControls : public QWidget {
    Q_OBJECT
public:
    // The frame styles BF offers: a combo sits further inside a frame above style 5.
    static constexpr int kLastFrameStyle = 7;

    FieldControls(DesignDocument& document, const LanguageTable* language,
                  QWidget* parent = nullptr);

    QLineEdit* labelBox() const { return label_; }
    QLineEdit* lengthBox() const { return length_; }
    QScrollBar* frameStyleBar() const { return frameStyle_; }

    void showView(const PanelView& view);
    void retranslate();

private:
    void frameStyleChanged(int style);

    DesignDocument& document_;
    const LanguageTable* language_;
    QFormLayout* form_ = nullptr;
    QLabel* labelCaption_ = nullptr;
    QLineEdit* label_ = nullptr;
    TypedBox* typedLabel_ = nullptr;
    QLabel* lengthCaption_ = nullptr;
    QLineEdit* length_ = nullptr;
    TypedBox* typedLength_ = nullptr;
    QLabel* styleCaption_ = nullptr;
    QWidget* styleRow_ = nullptr;
    QScrollBar* frameStyle_ = nullptr;
    QLabel* styleValue_ = nullptr;
};

} // namespace qv::gui
