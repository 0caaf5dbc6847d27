#include "records/recordform.h"

#include "formula/formulaengine.h"
#include "formula/localeformats.h"
#include "records/recordschema.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace qv {

namespace {

// Field formats whose default is the current date or time.
bool takesDefaultDate(int format)
{
    return (format >= 6 && format <= 9) || format == 11;
}

int numberOf(const std::string& text)
{
    int value = 0;
    const char* first = text.data();
    while (first < text.data() + text.size() && *first == ' ')
        ++first;
    std::from_chars(first, text.data() + text.size(), value);
    return value;
}

template <class T> T* slotAt(std::vector<T>& items, int index)
{
    if (index < 0 || index >= static_cast<int>(items.size()))
        return nullptr;
    return &items[static_cast<size_t>(index)];
}

} // namespace

RecordForm::RecordForm(const AppData& data, const FormulaLocale& locale)
    : data_(data), locale_(locale), fields_(data.fields.size()), notes_(data.notes.size()),
      combos_(data.combos.size()), checks_(data.checkboxes.size(), 0)
{
    engine_ = std::make_unique<FormulaEngine>(*this, locale_);
}

RecordForm::~RecordForm() = default;

std::string* RecordForm::textSlot(InputRef ref)
{
    switch (ref.kind) {
    case InputKind::Field: return slotAt(fields_, ref.index - 1);
    case InputKind::Notes: return slotAt(notes_, ref.index - 1);
    case InputKind::Combo: return slotAt(combos_, ref.index - 1);
    case InputKind::Checkbox: return nullptr;
    }
    return nullptr;
}

const std::string* RecordForm::textSlot(InputRef ref) const
{
    return const_cast<RecordForm*>(this)->textSlot(ref);
}

std::string RecordForm::value(InputRef ref) const
{
    if (ref.kind == InputKind::Checkbox) {
        const int* check = slotAt(const_cast<std::vector<int>&>(checks_), ref.index);
        return check ? std::to_string(*check) : std::string();
    }
    const std::string* text = textSlot(ref);
    return text ? *text : std::string();
}

void RecordForm::setValue(InputRef ref, const std::string& text)
{
    if (ref.kind == InputKind::Checkbox) {
        if (int* check = slotAt(checks_, ref.index))
            *check = numberOf(text);
        return;
    }
    if (std::string* slot = textSlot(ref))
        *slot = text;
}

void RecordForm::notify(InputRef ref)
{
    if (changed)
        changed(ref);
}

void RecordForm::recalculate()
{
    if (recalculating_)
        return;
    recalculating_ = true;
    engine_->RecalculateForm();
    recalculating_ = false;
    if (!engine_->cutResults().empty() && resultsCut)
        resultsCut(engine_->cutResults());
}

void RecordForm::runScript(const std::string& prepared)
{
    if (recalculating_)
        return;
    recalculating_ = true;
    engine_->RunScript(prepared);
    recalculating_ = false;
    if (!engine_->cutResults().empty() && resultsCut)
        resultsCut(engine_->cutResults());
    recalculate();
}

std::string RecordForm::defaultDate(int field, double nowSerial) const
{
    const BlockField& b = data_.fields[static_cast<size_t>(field - 1)];
    const int format = b.field.fieldFormat;
    double serial = format == 11 || format == 6 ? nowSerial : std::floor(nowSerial);
    if (format != 11)
        serial += dateOffsetDays(field);
    LocaleFormats formats(locale_);
    std::optional<std::string> text;
    switch (format) {
    case 6: text = formats.generalDate(serial); break;
    case 7: text = formats.shortDate(serial); break;
    case 8: text = formats.mediumDate(serial); break;
    case 9: text = formats.longDate(serial); break;
    case 11: text = formats.mediumTime(serial); break;
    default: break;
    }
    return text.value_or(std::string());
}

void RecordForm::startNew(double nowSerial)
{
    recordId_ = 0;
    locked_.clear();
    for (size_t i = 0; i < fields_.size(); ++i) {
        const Field& f = data_.fields[i].field;
        fields_[i] = i < data_.fieldTexts.size() ? data_.fieldTexts[i] : std::string();
        if (fields_[i].empty() && f.noDefaultDate == 0 && takesDefaultDate(f.fieldFormat))
            fields_[i] = defaultDate(static_cast<int>(i + 1), nowSerial);
        notify({InputKind::Field, static_cast<int>(i + 1)});
    }
    for (size_t i = 0; i < notes_.size(); ++i) {
        notes_[i].clear();
        notify({InputKind::Notes, static_cast<int>(i + 1)});
    }
    for (size_t i = 0; i < combos_.size(); ++i) {
        combos_[i].clear();
        notify({InputKind::Combo, static_cast<int>(i + 1)});
    }
    for (size_t i = 0; i < checks_.size(); ++i) {
        checks_[i] = 0;
        notify({InputKind::Checkbox, static_cast<int>(i)});
    }
    recalculate();
}

bool RecordForm::lockFlag(InputRef ref) const
{
    const auto at = static_cast<size_t>(ref.index);
    switch (ref.kind) {
    case InputKind::Field: return data_.fields[at - 1].field.lockEnabled != 0;
    case InputKind::Notes: return data_.notes[at - 1].notes.lockEnabled != 0;
    case InputKind::Combo: return data_.combos[at - 1].lockEnabled != 0;
    case InputKind::Checkbox: return data_.checkboxes[at].lockEnabled != 0;
    }
    return false;
}

void RecordForm::load(int64_t id, const RecordSchema& schema,
                      const std::vector<std::optional<std::string>>& columns)
{
    recordId_ = id;
    locked_.clear();
    for (size_t i = 0; i < fields_.size(); ++i)
        fields_[i] = data_.fields[i].field.dummyField && i < data_.fieldTexts.size()
                         ? data_.fieldTexts[i]
                         : std::string();
    for (auto& text : notes_)
        text.clear();
    for (auto& text : combos_)
        text.clear();
    for (int& check : checks_)
        check = 0;
    for (int c = 0; c < schema.size(); ++c) {
        const RecordColumn& column = schema.columns()[static_cast<size_t>(c)];
        if (static_cast<size_t>(c) >= columns.size() || !columns[static_cast<size_t>(c)])
            continue;
        const std::string& stored = *columns[static_cast<size_t>(c)];
        setValue(column.object, stored);
        const bool holdsValue =
            column.object.kind == InputKind::Checkbox ? numberOf(stored) != 0 : !stored.empty();
        if (holdsValue && lockFlag(column.object))
            locked_.insert(column.object);
    }
    for (size_t i = 0; i < fields_.size(); ++i)
        notify({InputKind::Field, static_cast<int>(i + 1)});
    for (size_t i = 0; i < notes_.size(); ++i)
        notify({InputKind::Notes, static_cast<int>(i + 1)});
    for (size_t i = 0; i < combos_.size(); ++i)
        notify({InputKind::Combo, static_cast<int>(i + 1)});
    for (size_t i = 0; i < checks_.size(); ++i)
        notify({InputKind::Checkbox, static_cast<int>(i)});
    recalculate();
}

std::vector<std::string> RecordForm::columnValues(const RecordSchema& schema) const
{
    std::vector<std::string> values;
    values.reserve(static_cast<size_t>(schema.size()));
    for (const RecordColumn& column : schema.columns())
        values.push_back(value(column.object));
    return values;
}

void RecordForm::clearUnlocked()
{
    auto clear = [this](InputRef ref) {
        if (locked(ref))
            return;
        setValue(ref, ref.kind == InputKind::Checkbox ? "0" : "");
        notify(ref);
    };
    for (size_t i = 0; i < fields_.size(); ++i)
        clear({InputKind::Field, static_cast<int>(i + 1)});
    for (size_t i = 0; i < notes_.size(); ++i)
        clear({InputKind::Notes, static_cast<int>(i + 1)});
    for (size_t i = 0; i < combos_.size(); ++i)
        clear({InputKind::Combo, static_cast<int>(i + 1)});
    for (size_t i = 0; i < checks_.size(); ++i)
        clear({InputKind::Checkbox, static_cast<int>(i)});
    recalculate();
}

std::string RecordForm::asText(const RecordSchema& schema) const
{
    std::string text;
    for (const RecordColumn& column : schema.columns()) {
        std::string value = this->value(column.object);
        // Continuation lines of a memo are indented under their label.
        std::string indented;
        for (char c : value) {
            indented += c;
            if (c == '\n')
                indented += "    ";
        }
        text += column.label + ": " + indented + "\n";
    }
    return text;
}

int RecordForm::fieldCount() const
{
    return static_cast<int>(fields_.size());
}

std::string RecordForm::fieldText(int field) const
{
    return value({InputKind::Field, field});
}

void RecordForm::setFieldText(int field, const std::string& text)
{
    if (std::string* slot = textSlot({InputKind::Field, field}); slot && *slot != text) {
        *slot = text;
        notify({InputKind::Field, field});
    }
}

int RecordForm::fieldFormat(int field) const
{
    if (field < 1 || field > fieldCount())
        return 0;
    return data_.fields[static_cast<size_t>(field - 1)].field.fieldFormat;
}

int RecordForm::dateOffsetDays(int field) const
{
    if (field < 1 || field > static_cast<int>(data_.fieldDateOffsets.size()))
        return 0;
    return data_.fieldDateOffsets[static_cast<size_t>(field - 1)];
}

std::string RecordForm::fieldFormula(int field) const
{
    if (field < 1 || field > static_cast<int>(data_.fieldFormulas.size()))
        return {};
    return data_.fieldFormulas[static_cast<size_t>(field - 1)];
}

int RecordForm::notesCount() const
{
    return static_cast<int>(notes_.size());
}

void RecordForm::setNotesText(int notes, const std::string& text)
{
    if (std::string* slot = textSlot({InputKind::Notes, notes}); slot && *slot != text) {
        *slot = text;
        notify({InputKind::Notes, notes});
    }
}

int RecordForm::comboCount() const
{
    return static_cast<int>(combos_.size());
}

std::string RecordForm::comboText(int combo) const
{
    return value({InputKind::Combo, combo});
}

void RecordForm::setComboText(int combo, const std::string& text)
{
    if (std::string* slot = textSlot({InputKind::Combo, combo}); slot && *slot != text) {
        *slot = text;
        notify({InputKind::Combo, combo});
    }
}

int RecordForm::checkboxCount() const
{
    return static_cast<int>(checks_.size());
}

int RecordForm::checkValue(int checkbox) const
{
    const int* check = slotAt(const_cast<std::vector<int>&>(checks_), checkbox);
    return check ? *check : 0;
}

void RecordForm::setCheckValue(int checkbox, int value)
{
    if (int* check = slotAt(checks_, checkbox); check && *check != value) {
        *check = value;
        notify({InputKind::Checkbox, checkbox});
    }
}

std::int32_t RecordForm::recordNumber() const
{
    const int64_t number = recordId_ != 0 ? recordId_ : newRecordNumber_;
    return static_cast<std::int32_t>(
        std::min<int64_t>(number, std::numeric_limits<std::int32_t>::max()));
}

} // namespace qv
