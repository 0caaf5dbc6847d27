#pragma once

#include "records/textcase.h"

class QLineEdit;
class QString;

namespace qv::runtime {

// Shows a value the form holds in a one-line editor without reporting it as typed, the
// caret at the start.
void showLineValue(QLineEdit& editor, const QString& text);

// Applies a case rule to what was just typed, keeping the caret where it was, without
// reporting the change as typing of its own.
void applyLineCase(QLineEdit& editor, TextCase rule, const QString& typed);

} // namespace qv::runtime
