#pragma once

#include "formaccess.h"

#include <string>
#include <vector>

namespace qv {

// A designed window held as plain values, for the command line, tests and benchmarks.
// The vectors are indexed from 0; field i of the form is fields[i - 1] (check box i is
// checkboxes[i]).
class MemoryForm : public FormAccess {
public:
    struct Field {
        Field(std::string text_ = {}, int format_ = 0, int offsetDays_ = 0,
              std::string formula_ = {})
            : text(std::move(text_)), format(format_), offsetDays(offsetDays_),
              formula(std::move(formula_))
        {
        }
        std::string text;
        int format = 0;
        int offsetDays = 0;
        std::string formula;
    };

    std::vector<Field> fields;
    std::vector<std::string> notes;
    std::vector<std::string> combos;
    std::vector<int> checkboxes;
    std::int32_t record = 0;

    int fieldCount() const override { return static_cast<int>(fields.size()); }
    std::string fieldText(int field) const override { return fields.at(field - 1).text; }
    void setFieldText(int field, const std::string& text) override;
    int fieldFormat(int field) const override { return fields.at(field - 1).format; }
    int dateOffsetDays(int field) const override { return fields.at(field - 1).offsetDays; }
    std::string fieldFormula(int field) const override { return fields.at(field - 1).formula; }

    int notesCount() const override { return static_cast<int>(notes.size()); }
    void setNotesText(int index, const std::string& text) override;

    int comboCount() const override { return static_cast<int>(combos.size()); }
    std::string comboText(int combo) const override { return combos.at(combo - 1); }
    void setComboText(int combo, const std::string& text) override;

    int checkboxCount() const override { return static_cast<int>(checkboxes.size()); }
    int checkValue(int checkbox) const override { return checkboxes.at(checkbox); }
    void setCheckValue(int checkbox, int value) override;

    std::int32_t recordNumber() const override { return record; }
};

} // namespace qv
