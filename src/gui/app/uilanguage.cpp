#include "app/uilanguage.h"

#include "document/languagetable.h"

namespace qv::gui {

UiLanguage::UiLanguage(const LanguageTable& table, const QString& name, QObject* parent)
    : QObject(parent), table_(table), name_(name)
{
}

QString languageText(const LanguageTable* table, int n, const char* fallback)
{
    const std::string* value = table != nullptr ? &table->text(n) : nullptr;
    return value == nullptr || value->empty() ? QString::fromUtf8(fallback)
                                              : QString::fromStdString(*value);
}

QString plainLanguageText(const LanguageTable* table, int n, const char* fallback)
{
    QString value = languageText(table, n, fallback);
    // "&&" is a literal ampersand; a single one marks the mnemonic.
    value.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    value.remove(QLatin1Char('&'));
    value.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return value;
}

QString UiLanguage::text(int n, const char* fallback) const
{
    return languageText(&table_, n, fallback);
}

QString UiLanguage::plainText(int n, const char* fallback) const
{
    return plainLanguageText(&table_, n, fallback);
}

} // namespace qv::gui
