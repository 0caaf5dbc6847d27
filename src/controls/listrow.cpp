#include "controls/listrow.h"

#include <cmath>
#include <limits>
#include <QStringList>

namespace qv::gui {

qint32 leadingNumber(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && text.at(i).isSpace())
        ++i;
    QString number;
    if (i < text.size() && (text.at(i) == u'-' || text.at(i) == u'+'))
        number += text.at(i++);
    const qsizetype digitsFrom = i;
    while (i < text.size() && text.at(i) >= u'0' && text.at(i) <= u'9')
        number += text.at(i++);
    if (i < text.size() && text.at(i) == u'.') {
        number += text.at(i++);
        while (i < text.size() && text.at(i) >= u'0' && text.at(i) <= u'9')
            number += text.at(i++);
    }
    if (i == digitsFrom || number == u"." || number.endsWith(u"-.") || number.endsWith(u"+."))
        return 0;
    bool ok = false;
    const double value = number.toDouble(&ok);
    if (!ok)
        return 0;
    const double rounded = std::nearbyint(value); // half to even in the default rounding mode
    if (rounded >= double(std::numeric_limits<qint32>::max()))
        return std::numeric_limits<qint32>::max();
    if (rounded <= double(std::numeric_limits<qint32>::min()))
        return std::numeric_limits<qint32>::min();
    return qint32(rounded);
}

ListRow parseListRow(const QString& text)
{
    // Ten extra commas make every one of the eleven leading fields exist.
    const QStringList fields = (text + QStringLiteral(",,,,,,,,,,")).split(u',');
    ListRow row;
    row.number = leadingNumber(fields.at(0));
    for (int k = 0; k < kListColumns; ++k)
        row.columns[std::size_t(k)] = fields.at(k + 1);
    if (fields.size() > kListColumns + 1)
        row.extra = fields.at(kListColumns + 1);
    return row;
}

} // namespace qv::gui
