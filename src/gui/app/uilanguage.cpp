#include "app/uilanguage.h"

#include "document/languagetable.h"

namespace qv::gui {

UiLanguage::UiLanguage(const LanguageTable& table, const QString& name, QObject* parent)
    : QObject(parent), table_(table), name_(name)
{
}

QString UiLanguage::text(int n, const char* fallback) const
{
    const std::string& value = table_.text(n);
    return value.empty() ? QString::fromUtf8(fallback) : QString::fromStdString(value);
}

QString UiLanguage::plainText(int n, const char* fallback) const
{
    QString value = text(n, fallback);
    // "&&" is a literal ampersand; a single one marks the mnemonic.
    value.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    value.remove(QLatin1Char('&'));
    value.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return value;
}

} // namespace qv::gui
