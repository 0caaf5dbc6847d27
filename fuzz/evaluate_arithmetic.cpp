#include "formula/evaluatearithmetic.h"
#include "formula/markup.h"
#include "formula/numbertext.h"

#include <cstddef>
#include <cstdint>
#include <string>

// Any text, however long or strange, must evaluate without a crash or a hang.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string expression(reinterpret_cast<const char*>(data), size);
    const qv::FormulaNumber value = qv::EvaluateArithmetic(expression);
    const std::string text = value.toText();
    if (text.empty() || text.find_first_of("eE") != std::string::npos)
        __builtin_trap(); // a value is never empty and never in exponent notation
    static const qv::FormulaLocale comma{",", "de_DE"};
    qv::NormaliseNumberText(expression, comma);
    qv::EncodeMarkup(expression);
    return 0;
}
