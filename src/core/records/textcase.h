#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

// The case rule of a field or combo: what typing into it does to its text.
enum class TextCase { AsTyped, Upper, Proper, Lower };

// A field's case rule as the field dialog stores it: the index of its option "lower",
// "UPPER", "Caps", "Plain"; anything else leaves the text as typed.
TextCase FieldTextCase(uint8_t caseRule);
// A combo's TextCase: 1 upper, 2 proper, 3 lower; 0 and 4 (completion) leave the case.
TextCase ComboTextCase(int textCase);

// The UTF-8 text with the rule applied. Proper case lowers the text and raises the first
// letter after every space, as the combo control does.
std::string ApplyTextCase(TextCase rule, std::string_view text);

// The text cut to at most `maxLength` characters (code points); 0 or less means no limit.
std::string LimitLength(std::string_view text, int maxLength);

// The first list item that begins with `typed`, ignoring case; -1 when none does.
int CompletionIndex(std::string_view typed, const std::vector<std::string>& items);

} // namespace qv
