#pragma once

#include "builder/appdata.h"
#include "formula/formaccess.h"
#include "formula/formulalocale.h"

namespace qv::runtime {

class FormPage;

// The built application's window as the formula engine sees it: the values are the
// editors' texts, the formulas and formats come from the data block.
class RuntimeForm : public FormAccess {
public:
    RuntimeForm(const AppData& data, FormPage& page);

    // Recomputes every formula once; edits made by the formulas do not start another run.
    void recalculate(const FormulaLocale& locale);

    int fieldCount() const override;
    std::string fieldText(int field) const override;
    void setFieldText(int field, const std::string& text) override;
    int fieldFormat(int field) const override;
    int dateOffsetDays(int field) const override;
    std::string fieldFormula(int field) const override;
    int notesCount() const override;
    void setNotesText(int notes, const std::string& text) override;
    int comboCount() const override;
    std::string comboText(int combo) const override;
    void setComboText(int combo, const std::string& text) override;
    int checkboxCount() const override;
    int checkValue(int checkbox) const override;
    void setCheckValue(int checkbox, int value) override;
    std::int32_t recordNumber() const override { return 1; }

private:
    const AppData& data_;
    FormPage& page_;
    bool running_ = false;
};

} // namespace qv::runtime
