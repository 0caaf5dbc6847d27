#pragma once

#include "builder/appdata.h"
#include "formula/formaccess.h"
#include "formula/formulalocale.h"
#include "records/inputref.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace qv {

class FormulaEngine;
class RecordSchema;

// The record on screen: the value of every input object of the design, whether or not an
// editor shows it, and the formulas over them. The window's editors show these values and
// hand typing back; the store saves and loads them column by column. A record number of 0
// means a new record that is not stored yet.
class RecordForm : public FormAccess {
public:
    RecordForm(const AppData& data, const FormulaLocale& locale);
    ~RecordForm() override;
    RecordForm(const RecordForm&) = delete;
    RecordForm& operator=(const RecordForm&) = delete;

    // Called after the form itself changed a value (formulas, loading, clearing), so that
    // an editor showing it can follow. Not called for setValue.
    std::function<void(InputRef)> changed;

    // Called after a recalculation or a script cut results to kMaxFormulaResultLength
    // characters, with the objects ("F3", "M1", ...) whose results were cut.
    std::function<void(const std::vector<std::string>&)> resultsCut;

    // The text of a field, notes object or combo, or a check box's value as number text.
    std::string value(InputRef ref) const;
    // A value typed by the user; a check box takes the number the text holds.
    void setValue(InputRef ref, const std::string& text);
    void recalculate();
    // Runs the formula lines of a button script (as the builder prepared them) once on
    // the record, then recalculates its formulas.
    void runScript(const std::string& prepared);

    int64_t recordId() const { return recordId_; }
    void setRecordId(int64_t id) { recordId_ = id; }
    // The number a new record will get when it is stored, for its "ID:" formulas.
    void setNewRecordNumber(int64_t number) { newRecordNumber_ = number; }

    // A new blank record: each field's default text, date fields (formats 6-9 and 11)
    // without a default text and without "No default date" get the date `nowSerial` plus
    // their day offset, everything else empty or unchecked; nothing is locked.
    void startNew(double nowSerial);
    // A stored record: each stored object takes its column's value (nullopt: the store has
    // no such column yet, the object starts empty); dummy fields take their default text.
    // Objects with "lock after entry" that hold a value become locked.
    void load(int64_t id, const RecordSchema& schema,
              const std::vector<std::optional<std::string>>& columns);
    // The stored values of the record, one per schema column.
    std::vector<std::string> columnValues(const RecordSchema& schema) const;
    // Empties every object that is not locked.
    void clearUnlocked();

    // True when the object cannot be changed: it has "lock after entry" and held a value
    // when the record was loaded.
    bool locked(InputRef ref) const { return locked_.count(ref) != 0; }
    void unlockAll() { locked_.clear(); }

    // The record as text, one "label: value" line per stored object in export order.
    std::string asText(const RecordSchema& schema) const;

    // FormAccess
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
    std::int32_t recordNumber() const override;

private:
    std::string* textSlot(InputRef ref);
    const std::string* textSlot(InputRef ref) const;
    bool lockFlag(InputRef ref) const;
    void notify(InputRef ref);
    std::string defaultDate(int field, double nowSerial) const;

    const AppData& data_;
    FormulaLocale locale_;
    std::unique_ptr<FormulaEngine> engine_;
    std::vector<std::string> fields_;
    std::vector<std::string> notes_;
    std::vector<std::string> combos_;
    std::vector<int> checks_;
    std::set<InputRef> locked_;
    int64_t recordId_ = 0;
    int64_t newRecordNumber_ = 0;
    bool recalculating_ = false;
};

} // namespace qv
