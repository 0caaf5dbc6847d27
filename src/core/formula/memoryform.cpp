#include "memoryform.h"

namespace qv {

void MemoryForm::setFieldText(int field, const std::string& text)
{
    fields.at(field - 1).text = text;
}

void MemoryForm::setNotesText(int index, const std::string& text)
{
    notes.at(index - 1) = text;
}

void MemoryForm::setComboText(int combo, const std::string& text)
{
    combos.at(combo - 1) = text;
}

void MemoryForm::setCheckValue(int checkbox, int value)
{
    checkboxes.at(checkbox) = value;
}

} // namespace qv
