#include "cmoney.h"

#include "localeformats.h"

namespace qv {

namespace {

constexpr std::array<const char*, 20> kOnes{
    "Zero",     "One",     "Two",     "Three",     "Four",     "Five",    "Six",
    "Seven",    "Eight",   "Nine",    "Ten",       "Eleven",   "Twelve",  "Thirteen",
    "Fourteen", "Fifteen", "Sixteen", "Seventeen", "Eighteen", "Nineteen"};
constexpr std::array<const char*, 8> kTens{"Twenty", "Thirty",  "Forty",  "Fifty",
                                           "Sixty",  "Seventy", "Eighty", "Ninety"};
constexpr const char* kHundred = "Hundred";
constexpr std::array<const char*, 10> kScale{
    "",           "Thousand",   "Million",  "Billion", "Trillion", "Quadrillion", "Quintillion",
    "Sextillion", "Septillion", "Octillion"};
constexpr size_t kMaxIntegerDigits = 30;
constexpr const char* kInvalidAmount = "Invalid Dollar Amount.";

bool allDigits(std::string_view text)
{
    for (const char c : text) {
        if (c < '0' || c > '9')
            return false;
    }
    return true;
}

std::string trimSpaces(const std::string& text)
{
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return "";
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

} // namespace

CMoney::CMoney(MoneyCurrency currency)
{
    switch (currency) {
    case MoneyCurrency::Pound:
        units_ = {" Pound", " Pounds", "No Pence", " Pence", " Pence"};
        break;
    case MoneyCurrency::Euro: units_ = {" Euro", " Euros", "No Cents", " Cent", " Cents"}; break;
    case MoneyCurrency::Dollar:
        units_ = {" Dollar", " Dollars", "No Cents", " Cent", " Cents"};
        break;
    }
}

MoneyCurrency CMoney::currencyOfLocale(LocaleFormats& formats)
{
    const std::string zero = formats.currencyOfZero();
    if (zero.find("\xC2\xA3") != std::string::npos)
        return MoneyCurrency::Pound;
    if (zero.find("\xE2\x82\xAC") != std::string::npos)
        return MoneyCurrency::Euro;
    return MoneyCurrency::Dollar;
}

std::string CMoney::integerWords(std::string_view digits, bool withMajorUnit) const
{
    const size_t firstNonZero = digits.find_first_not_of('0');
    const std::string_view significant =
        firstNonZero == std::string_view::npos ? std::string_view() : digits.substr(firstNonZero);
    std::string words;
    if (significant.empty() || significant == "1") {
        words = significant.empty() ? kOnes[0] : kOnes[1];
    } else {
        std::string padded(significant);
        padded.insert(0, (3 - padded.size() % 3) % 3, '0');
        const size_t groups = padded.size() / 3;
        for (size_t g = 1; g <= groups; ++g) {
            const std::string_view group =
                std::string_view(padded).substr(padded.size() - 3 * g, 3);
            if (group == "000")
                continue;
            const int h = group[0] - '0';
            const int t = group[1] - '0';
            const int o = group[2] - '0';
            std::string part;
            if (h > 0)
                part += std::string(kOnes[h]) + " " + kHundred + " ";
            if (t >= 2) {
                part += kTens[t - 2];
                if (o > 0)
                    part += std::string("-") + kOnes[o];
            } else if (10 * t + o > 0) {
                part += kOnes[10 * t + o];
            }
            part += std::string(" ") + kScale[g - 1];
            words = part + " " + words;
        }
        words = trimSpaces(words);
    }
    if (withMajorUnit)
        words += significant == "1" ? units_.majorOne : units_.majorSeveral;
    return words;
}

std::string CMoney::MonetaryToWords(std::string& amount) const
{
    const size_t point = amount.find('.');
    if (point != std::string::npos && amount.size() - point - 1 > 2)
        amount.resize(point + 3);

    // Read as a number: an optional sign, digits and one decimal point.
    std::string_view text = amount;
    const bool negative = !text.empty() && text[0] == '-';
    if (!text.empty() && (text[0] == '+' || text[0] == '-'))
        text.remove_prefix(1);
    const size_t textPoint = text.find('.');
    const std::string_view major = text.substr(0, textPoint);
    const std::string_view fraction =
        textPoint == std::string_view::npos ? std::string_view() : text.substr(textPoint + 1);
    const size_t firstNonZero = major.find_first_not_of('0');
    if (!allDigits(major) || !allDigits(fraction) || (major.empty() && fraction.empty()) ||
        (firstNonZero != std::string_view::npos && major.size() - firstNonZero > kMaxIntegerDigits))
        return kInvalidAmount;
    if (negative && text.find_first_of("123456789") != std::string_view::npos)
        return kInvalidAmount;

    std::string minor = textPoint == std::string_view::npos ? "00" : std::string(fraction);
    minor.resize(2, '0');

    std::string minorWords;
    if (minor == "00")
        minorWords = units_.noMinor;
    else if (minor == "01")
        minorWords = integerWords(minor, false) + units_.minorOne;
    else
        minorWords = integerWords(minor, false) + units_.minorSeveral;
    return integerWords(major, true) + " and " + minorWords;
}

} // namespace qv
