#pragma once

#include <QWidget>

#include <array>

class QToolButton;

namespace qv {
class LanguageTable;
struct PanelView;
} // namespace qv

namespace qv::gui {

// The colour buttons of the property panel: Color1 "Text color...", Color2 "Backcolor..."
// and Color3 "Border color...". Each shows the selected object's colour and asks for the
// colour table with its colour target (-3, -4, -5).
class ColourButtons : public QWidget {
    Q_OBJECT
public:
    explicit ColourButtons(const LanguageTable* language, QWidget* parent = nullptr);

    // Color1, Color2, Color3.
    QToolButton* button(int i) const { return buttons_[static_cast<size_t>(i)]; }
    void showView(const PanelView& view);
    void retranslate();

signals:
    void colourTableRequested(int target);

private:
    const LanguageTable* language_;
    std::array<QToolButton*, 3> buttons_{};
};

} // namespace qv::gui
