#include "clicommand.h"
#include "strictjson.h"

#include "document/filebytes.h"
#include "formula/cmoney.h"
#include "formula/evaluatearithmetic.h"
#include "formula/formulaengine.h"
#include "formula/localeformats.h"
#include "formula/memoryform.h"
#include "formula/numbertext.h"

#include <cmath>
#include <iostream>
#include <limits>
#include <optional>

namespace qv::cli {

namespace {

// The locale of --locale L (en_US when absent); false with the exit code set when the
// locale is unknown.
bool localeOption(const std::vector<std::string>& args, FormulaLocale& locale, int& exitCode)
{
    std::string id = "en_US";
    optionValue(args, "--locale", id);
    if (!FormulaLocale::isKnownLocale(id)) {
        exitCode = inputError("unknown locale '" + id + "'");
        return false;
    }
    locale = FormulaLocale::fromIcu(id);
    return true;
}

// A number argument: plain text ("1234.5", as eval prints it) is taken as it stands,
// anything else is read the locale's way ("1.234,5" in de_DE).
std::string numberArgument(const std::string& text, const FormulaLocale& locale)
{
    if (StrictDecimal(text) && text.find(' ') == std::string::npos)
        return text;
    return NormaliseNumberText(text, locale);
}

int evalCommand(const std::vector<std::string>& args)
{
    const std::vector<std::string> positional = positionalArgs(args, {"--locale"});
    if (positional.size() != 1)
        return usageError("eval needs one expression: eval EXPR [--locale L]");
    FormulaLocale locale;
    int exitCode = kExitOk;
    if (!localeOption(args, locale, exitCode))
        return exitCode;
    std::string expression = positional[0];
    std::cout << EvaluateArithmetic(expression).toText() << '\n';
    return kExitOk;
}

int wordsCommand(const std::vector<std::string>& args)
{
    const std::vector<std::string> positional = positionalArgs(args, {"--locale", "--currency"});
    if (positional.size() != 1)
        return usageError(
            "words needs one amount: words AMOUNT [--currency dollar|pound|euro] [--locale L]");
    FormulaLocale locale;
    int exitCode = kExitOk;
    if (!localeOption(args, locale, exitCode))
        return exitCode;
    LocaleFormats formats(locale);
    MoneyCurrency currency = CMoney::currencyOfLocale(formats);
    std::string currencyName;
    if (optionValue(args, "--currency", currencyName)) {
        if (currencyName == "dollar")
            currency = MoneyCurrency::Dollar;
        else if (currencyName == "pound")
            currency = MoneyCurrency::Pound;
        else if (currencyName == "euro")
            currency = MoneyCurrency::Euro;
        else
            return usageError("--currency must be dollar, pound or euro, not '" + currencyName +
                              "'");
    }
    std::string amount = numberArgument(positional[0], locale);
    std::cout << CMoney(currency).MonetaryToWords(amount) << '\n';
    return kExitOk;
}

int formatCommand(const std::vector<std::string>& args)
{
    const std::vector<std::string> positional = positionalArgs(args, {"--locale"});
    if (positional.size() != 2)
        return usageError("format needs a format and a value: format CUR0..CUR4|NUM0..NUM4 VALUE");
    const std::string& name = positional[0];
    const bool known = name.size() == 4 && (name.starts_with("CUR") || name.starts_with("NUM")) &&
                       name[3] >= '0' && name[3] <= '4';
    if (!known)
        return usageError("unknown format '" + name + "' (use CUR0..CUR4 or NUM0..NUM4)");
    FormulaLocale locale;
    int exitCode = kExitOk;
    if (!localeOption(args, locale, exitCode))
        return exitCode;
    const std::string amount = numberArgument(positional[1], locale);
    if (!StrictDecimal(amount))
        return inputError("value '" + positional[1] + "' is not a number");
    LocaleFormats formats(locale);
    const int decimals = name[3] - '0';
    std::cout << (name.starts_with("CUR") ? formats.currency(amount, decimals)
                                          : formats.groupedNumber(amount, decimals))
              << '\n';
    return kExitOk;
}

// Reads a whole number within [low, high] from a JSON value; false with `error` set.
bool wholeNumber(const JsonValue* value, const std::string& where, long long low, long long high,
                 long long& result, std::string& error)
{
    if (value->kind != JsonValue::Kind::Number || value->number != std::floor(value->number) ||
        value->number < static_cast<double>(low) || value->number > static_cast<double>(high)) {
        error = where + " must be a whole number from " + std::to_string(low) + " to " +
                std::to_string(high);
        return false;
    }
    result = static_cast<long long>(value->number);
    return true;
}

bool textList(const JsonValue& root, const std::string& name, std::vector<std::string>& list,
              std::string& error)
{
    const JsonValue* value = root.member(name);
    if (!value)
        return true;
    if (value->kind != JsonValue::Kind::Array) {
        error = "\"" + name + "\" must be an array of strings";
        return false;
    }
    for (size_t i = 0; i < value->items.size(); ++i) {
        if (value->items[i].kind != JsonValue::Kind::String) {
            error = "\"" + name + "\"[" + std::to_string(i) + "] must be a string";
            return false;
        }
        list.push_back(value->items[i].text);
    }
    return true;
}

bool readField(const JsonValue& item, size_t index, MemoryForm::Field& field, std::string& error)
{
    const std::string where = "\"fields\"[" + std::to_string(index) + "]";
    if (item.kind != JsonValue::Kind::Object) {
        error = where + " must be an object";
        return false;
    }
    for (const char* name : {"formula", "text"}) {
        const JsonValue* value = item.member(name);
        if (!value)
            continue;
        if (value->kind != JsonValue::Kind::String) {
            error = where + "." + name + " must be a string";
            return false;
        }
        (std::string(name) == "formula" ? field.formula : field.text) = value->text;
    }
    long long number = 0;
    if (const JsonValue* format = item.member("format")) {
        if (!wholeNumber(format, where + ".format", 0, 12, number, error))
            return false;
        field.format = static_cast<int>(number);
    }
    if (const JsonValue* offset = item.member("offset_days")) {
        if (!wholeNumber(offset, where + ".offset_days", -32768, 32767, number, error))
            return false;
        field.offsetDays = static_cast<int>(number);
    }
    return true;
}

bool readForm(const JsonValue& root, MemoryForm& form, std::string& error)
{
    if (root.kind != JsonValue::Kind::Object) {
        error = "the form must be a JSON object";
        return false;
    }
    if (const JsonValue* fields = root.member("fields")) {
        if (fields->kind != JsonValue::Kind::Array) {
            error = "\"fields\" must be an array of objects";
            return false;
        }
        for (size_t i = 0; i < fields->items.size(); ++i) {
            form.fields.emplace_back();
            if (!readField(fields->items[i], i, form.fields.back(), error))
                return false;
        }
    }
    if (!textList(root, "notes", form.notes, error) ||
        !textList(root, "combos", form.combos, error))
        return false;
    if (const JsonValue* checks = root.member("checkboxes")) {
        if (checks->kind != JsonValue::Kind::Array) {
            error = "\"checkboxes\" must be an array of whole numbers";
            return false;
        }
        for (size_t i = 0; i < checks->items.size(); ++i) {
            long long value = 0;
            if (!wholeNumber(&checks->items[i], "\"checkboxes\"[" + std::to_string(i) + "]", -32768,
                             32767, value, error))
                return false;
            form.checkboxes.push_back(static_cast<int>(value));
        }
    }
    if (const JsonValue* record = root.member("record")) {
        long long value = 0;
        if (!wholeNumber(record, "\"record\"", std::numeric_limits<std::int32_t>::min(),
                         std::numeric_limits<std::int32_t>::max(), value, error))
            return false;
        form.record = static_cast<std::int32_t>(value);
    }
    return true;
}

int recalcCommand(const std::vector<std::string>& args)
{
    std::string path;
    if (!optionValue(args, "--form", path))
        return usageError("recalc needs --form FORM.json");
    if (!positionalArgs(args, {"--form", "--locale"}).empty())
        return usageError("recalc takes no arguments besides --form FORM.json [--locale L]");
    FormulaLocale locale;
    int exitCode = kExitOk;
    if (!localeOption(args, locale, exitCode))
        return exitCode;

    std::string content;
    std::string error;
    if (!ReadFileBytes(path, filelimit::kForm, content, error))
        return inputError(error);
    JsonValue root;
    if (!ParseStrictJson(content, root, error))
        return inputError(path + ": not valid JSON: " + error);
    MemoryForm form;
    if (!readForm(root, form, error))
        return inputError(path + ": " + error);

    for (const std::string& object : RecalculateForm(form, locale))
        warn(object + ": the result was cut to " + std::to_string(kMaxFormulaResultLength) +
             " characters, the most an object can hold");

    for (size_t i = 0; i < form.fields.size(); ++i)
        std::cout << 'F' << i + 1 << '\t' << form.fields[i].text << '\n';
    for (size_t i = 0; i < form.notes.size(); ++i)
        std::cout << 'M' << i + 1 << '\t' << form.notes[i] << '\n';
    for (size_t i = 0; i < form.combos.size(); ++i)
        std::cout << 'C' << i + 1 << '\t' << form.combos[i] << '\n';
    for (size_t i = 0; i < form.checkboxes.size(); ++i)
        std::cout << 'K' << i << '\t' << form.checkboxes[i] << '\n';
    return kExitOk;
}

const CommandRegistration evalRegistration(
    {"eval", "EXPR [--locale L]   evaluate one arithmetic expression", evalCommand});
const CommandRegistration wordsRegistration(
    {"words", "AMOUNT [--currency dollar|pound|euro] [--locale L]   an amount in words",
     wordsCommand});
const CommandRegistration formatRegistration(
    {"format", "CUR0..CUR4|NUM0..NUM4 VALUE [--locale L]   currency or number format",
     formatCommand});
const CommandRegistration recalcRegistration(
    {"recalc", "--form FORM.json [--locale L]   recalculate a form once and print its objects",
     recalcCommand});

} // namespace

} // namespace qv::cli
