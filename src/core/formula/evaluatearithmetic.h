#pragma once

#include "formulanumber.h"

#include <string>

namespace qv {

// Evaluates one expression of the formula language: no precedence, strictly left to
// right with one accumulator, postfix single-letter functions, "~" for subtraction and
// "-" only as the sign of a number. Parenthesised groups are reduced innermost first and
// each reduced group is written back into `expression` as its value, so the text is
// rewritten; callers that need it unchanged keep a copy. An arithmetic error (division
// by zero, overflow, the root or logarithm of a number that has none) leaves the
// accumulator as it was; no text makes it fail.
FormulaNumber EvaluateArithmetic(std::string& expression);

} // namespace qv
