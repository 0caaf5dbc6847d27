#pragma once

#include <array>
#include <string>
#include <string_view>

namespace qv {

class LocaleFormats;

// The currency whose words an amount is written in.
enum class MoneyCurrency { Dollar, Pound, Euro };

// Writes an amount of money in English words for cheques and invoices: "One Thousand
// Two Hundred Thirty-Four Dollars and Fifty-Six Cents".
class CMoney {
public:
    explicit CMoney(MoneyCurrency currency);
    // The currency whose sign the locale's currency text of zero shows: the pound or the
    // euro sign, else dollars.
    static MoneyCurrency currencyOfLocale(LocaleFormats& formats);

    // `amount` uses "." as decimal point and no grouping. It is cut (not rounded) to two
    // decimals in place. A negative amount, a text that is not a number and an integer
    // part of more than 30 digits give "Invalid Dollar Amount.".
    std::string MonetaryToWords(std::string& amount) const;

private:
    struct Units {
        const char* majorOne;
        const char* majorSeveral;
        const char* noMinor;
        const char* minorOne;
        const char* minorSeveral;
    };
    // Words of a text of digits (at most 30), followed by the major unit when asked.
    std::string integerWords(std::string_view digits, bool withMajorUnit) const;

    Units units_;
};

} // namespace qv
