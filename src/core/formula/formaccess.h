#pragma once

#include <cstdint>
#include <string>

namespace qv {

// What the formula engine reads and writes of a designed window: the design canvas
// preview, the built application's runtime and the command line each adapt their own
// objects to it, so all three run the same recalculation. Fields, notes and combo boxes
// are numbered from 1, check boxes from 0; the engine asks only for indices within the
// counts.
class FormAccess {
public:
    virtual ~FormAccess() = default;

    virtual int fieldCount() const = 0;
    virtual std::string fieldText(int field) const = 0;
    virtual void setFieldText(int field, const std::string& text) = 0;
    // FieldFormat: 0 text, 1-5 numbers, 6-9 dates, 10-12 times.
    virtual int fieldFormat(int field) const = 0;
    virtual int dateOffsetDays(int field) const = 0;
    virtual std::string fieldFormula(int field) const = 0;

    virtual int notesCount() const = 0;
    virtual void setNotesText(int notes, const std::string& text) = 0;

    virtual int comboCount() const = 0;
    virtual std::string comboText(int combo) const = 0;
    virtual void setComboText(int combo, const std::string& text) = 0;

    virtual int checkboxCount() const = 0;
    virtual int checkValue(int checkbox) const = 0;
    virtual void setCheckValue(int checkbox, int value) = 0;

    // The number of the current record, substituted for "ID:".
    virtual std::int32_t recordNumber() const = 0;
};

} // namespace qv
