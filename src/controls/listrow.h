#pragma once

#include <array>
#include <QString>

namespace qv::gui {

inline constexpr int kListColumns = 10;

// One row of a ListPlus, taken from a text of comma-separated fields: the row number, ten
// text columns and an extra field that is kept but not drawn.
struct ListRow {
    qint32 number = 0;
    std::array<QString, kListColumns> columns;
    QString extra;
    bool selected = false;
};

// Splits a row text at its commas. Missing fields are empty, fields after the twelfth are
// dropped, and the first field is read as a number (0 when it does not start with one).
ListRow parseListRow(const QString& text);

// The number a text starts with (after blanks): an optional sign, digits and an optional
// fraction, rounded half to even and kept within the 32-bit range; 0 when there is none.
qint32 leadingNumber(const QString& text);

} // namespace qv::gui
