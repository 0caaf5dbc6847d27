#pragma once

#include "document/languagetable.h"

#include <QDialog>

#include <array>
#include <filesystem>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

namespace qv {
struct AppSettings;
}

namespace qv::gui {

class UiLanguage;

// The language text editor ("Common Labels..."): the 300 texts of the language in force
// beside the shipped English ones, eight rows at a time. A change is written into the
// language table at once; "Save Language" writes the language file anew (the texts, then
// the character set and font of the open project), applies it to every window and closes.
// The column headings sort the rows by their column's text; a second click on the same
// heading returns to the order of the numbers.
class LanguageEditor : public QDialog {
    Q_OBJECT
public:
    static constexpr int kRows = 8;

    LanguageEditor(LanguageTable& table, UiLanguage& language, std::filesystem::path appFolder,
                   const AppSettings& settings, QWidget* parent = nullptr);
    ~LanguageEditor() override;

    // The entry shown in row 0..7.
    int entryInRow(int row) const;
    QLineEdit* translation(int row) const { return texts_[static_cast<size_t>(row)]; }
    QLineEdit* reference(int row) const { return references_[static_cast<size_t>(row)]; }
    QScrollBar* scrollBar() const { return scroll_; }
    // Sorts by the reference column (0) or the translation column (1), as the headings do.
    void sortBy(int column);
    bool save();

protected:
    void wheelEvent(QWheelEvent* event) override;

private:
    void applyLanguage();
    void showRows();

    LanguageTable& table_;
    UiLanguage& language_;
    std::filesystem::path appFolder_;
    const AppSettings& settings_;
    LanguageTable english_;
    std::vector<int> order_;
    int sortedBy_ = -1;
    bool filling_ = false;
    QPushButton* referenceHeading_ = nullptr; // Label1
    QPushButton* textHeading_ = nullptr;      // Label2
    std::array<QLabel*, kRows> numbers_{};
    std::array<QLineEdit*, kRows> references_{}; // FTextE
    std::array<QLineEdit*, kRows> texts_{};      // TextE
    QScrollBar* scroll_ = nullptr;               // VScroll1
    QPushButton* save_ = nullptr;                // Command1
};

} // namespace qv::gui
