#include "linetext.h"

#include <QLineEdit>
#include <QSignalBlocker>

#include <algorithm>

namespace qv::runtime {

void showLineValue(QLineEdit& editor, const QString& text)
{
    if (text == editor.text())
        return;
    const QSignalBlocker blocker(&editor);
    editor.setText(text);
    editor.setCursorPosition(0);
}

void applyLineCase(QLineEdit& editor, TextCase rule, const QString& typed)
{
    const QString cased = QString::fromStdString(ApplyTextCase(rule, typed.toStdString()));
    if (cased == typed)
        return;
    const int caret = editor.cursorPosition();
    const QSignalBlocker blocker(&editor);
    editor.setText(cased);
    editor.setCursorPosition(std::min<int>(caret, static_cast<int>(cased.size())));
}

} // namespace qv::runtime
