#include "formula/formulaengine.h"
#include "formula/memoryform.h"

#include <cstddef>
#include <cstdint>
#include <string>

// The input is split at NUL bytes: the first pieces are field formulas, the rest field
// texts; the window has a few fields of every format, notes, combos and check boxes.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    qv::MemoryForm form;
    for (int i = 0; i < 14; ++i)
        form.fields.emplace_back(std::to_string(i * 7 % 5) + ".5", i % 13, i % 3 - 1);
    size_t start = 0;
    for (size_t piece = 0; start <= input.size(); ++piece) {
        size_t end = input.find('\0', start);
        if (end == std::string::npos)
            end = input.size();
        const std::string text = input.substr(start, end - start);
        if (piece < form.fields.size())
            form.fields[piece].formula = text;
        else if (piece < 2 * form.fields.size())
            form.fields[piece - form.fields.size()].text = text;
        start = end + 1;
    }
    form.notes = {"", ""};
    form.combos = {"1,5", "abc", "3"};
    form.checkboxes = {0, 1};
    form.record = 7;
    static const qv::FormulaLocale us = qv::FormulaLocale::fromIcu("en_US");
    static const qv::FormulaLocale de = qv::FormulaLocale::fromIcu("de_DE");
    qv::RecalculateForm(form, size % 2 == 0 ? us : de);
    return 0;
}
