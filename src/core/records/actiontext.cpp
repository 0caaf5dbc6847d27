#include "records/actiontext.h"

#include "builder/appdata.h"
#include "designer/scripttext.h"
#include "records/recordset.h"
#include "records/textfold.h"

#include <array>
#include <functional>
#include <optional>
#include <utility>

namespace qv {

namespace {

bool isAsciiAlnum(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

bool startsWithNoCase(std::string_view text, std::string_view prefix)
{
    return text.size() >= prefix.size() && foldCase(text.substr(0, prefix.size())) == prefix;
}

struct Placeholder {
    std::size_t length = 0;
    std::optional<InputRef> ref; // none: the record number
};

// The placeholder that starts at `i`, if one does.
std::optional<Placeholder> placeholderAt(std::string_view text, std::size_t i)
{
    if (i > 0 && isAsciiAlnum(text[i - 1]))
        return std::nullopt;
    if (text.substr(i, 3) == "ID:")
        return Placeholder{3, std::nullopt};
    const char letter = text[i];
    if (letter != 'F' && letter != 'M' && letter != 'C' && letter != 'K')
        return std::nullopt;
    std::size_t end = i + 1;
    while (end < text.size() && end - i <= 5 && text[end] >= '0' && text[end] <= '9')
        ++end;
    if (end >= text.size() || text[end] != ':')
        return std::nullopt;
    const std::optional<InputRef> ref = InputRef::fromToken(text.substr(i, end - i));
    if (!ref)
        return std::nullopt;
    return Placeholder{end + 1 - i, ref};
}

// Decides how a value goes into the text: `at` is where its placeholder stands in the
// template. Returns false with `error` set to refuse the value.
using ValueFilter = std::function<bool(std::size_t at, const std::string& token, std::string& value,
                                       std::string& error)>;

// The template with every placeholder replaced, in one pass from the left.
std::optional<std::string> fill(std::string_view text, const RecordRow& record,
                                const ValueFilter& filter, std::string& error)
{
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        const std::optional<Placeholder> placeholder = placeholderAt(text, i);
        if (!placeholder) {
            out += text[i++];
            continue;
        }
        std::string value =
            placeholder->ref ? record.value(*placeholder->ref) : std::to_string(record.id());
        const std::string token(text.substr(i, placeholder->length));
        if (!filter(i, token, value, error))
            return std::nullopt;
        out += value;
        i += placeholder->length;
    }
    return out;
}

bool hasPlaceholder(std::string_view text)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (placeholderAt(text, i))
            return true;
    }
    return false;
}

bool noNul(const std::string& token, const std::string& value, std::string& error)
{
    if (value.find('\0') == std::string::npos)
        return true;
    error = "The value of " + token + " holds a NUL character; nothing was done.";
    return false;
}

std::optional<NavigationCommand> navigationOf(std::string_view text)
{
    static const std::array<std::pair<std::string_view, NavigationCommand>, 6> commands = {{
        {"<<<", NavigationCommand::First},
        {"<<", NavigationCommand::BackTen},
        {"<", NavigationCommand::Previous},
        {"<>", NavigationCommand::NewRecord},
        {">", NavigationCommand::Next},
        {">>", NavigationCommand::Last},
    }};
    for (const auto& [symbol, command] : commands) {
        if (text == symbol)
            return command;
    }
    return std::nullopt;
}

// "scheme://" with a scheme of letters, digits, "+", "-" and "." that starts with a letter.
bool hasWebScheme(std::string_view text)
{
    const std::size_t colon = text.find("://");
    if (colon == std::string_view::npos || colon == 0)
        return false;
    for (std::size_t i = 0; i < colon; ++i) {
        const char c = text[i];
        const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        if (!letter && (i == 0 || !(isAsciiAlnum(c) || c == '+' || c == '-' || c == '.')))
            return false;
    }
    return true;
}

ActionOutcome refused(std::string message)
{
    ActionOutcome outcome;
    outcome.error = std::move(message);
    return outcome;
}

ActionOutcome one(Action action)
{
    ActionOutcome outcome;
    outcome.actions.push_back(std::move(action));
    return outcome;
}

ActionOutcome webLink(std::string_view text, const RecordRow& record)
{
    std::string error;
    const auto url = fill(
        text, record,
        [](std::size_t, const std::string&, std::string& value, std::string&) {
            value = percentEncode(value);
            return true;
        },
        error);
    return url ? one(action::OpenLink{*url}) : refused(error);
}

ActionOutcome mailLink(std::string_view text, const RecordRow& record)
{
    // Before the "?" a value is an address, after it the value of a header or the body,
    // whose line breaks are CR LF.
    const std::size_t query = text.find('?');
    std::string error;
    const auto url = fill(
        text, record,
        [query](std::size_t at, const std::string&, std::string& value, std::string&) {
            if (at < query) {
                value = percentEncode(value, "@");
                return true;
            }
            std::string lines;
            for (std::size_t i = 0; i < value.size(); ++i) {
                if (value[i] == '\n' && (i == 0 || value[i - 1] != '\r'))
                    lines += '\r';
                lines += value[i];
            }
            value = percentEncode(lines);
            return true;
        },
        error);
    return url ? one(action::OpenLink{*url}) : refused(error);
}

// `relative` read inside `folder`; nullopt when it leads out of it.
std::optional<std::filesystem::path> inside(const std::filesystem::path& folder,
                                            std::string relative)
{
    for (char& c : relative) {
        if (c == '\\')
            c = '/';
    }
    while (!relative.empty() && relative.front() == '/')
        relative.erase(0, 1);
    const std::filesystem::path base = folder.lexically_normal();
    const std::filesystem::path full = (base / relative).lexically_normal();
    const std::filesystem::path rest = full.lexically_relative(base);
    if (rest.empty() || *rest.begin() == "..")
        return std::nullopt;
    return full.has_filename() ? full : full.parent_path();
}

ActionOutcome applicationPath(std::string_view text, const RecordRow& record,
                              const ActionTextContext& context)
{
    std::string_view relative = text.substr(std::string_view("apath:").size());
    std::string error;
    const auto filled = fill(
        relative, record,
        [](std::size_t, const std::string& token, std::string& value, std::string& e) {
            return noNul(token, value, e);
        },
        error);
    if (!filled)
        return refused(error);
    const auto path = inside(context.appFolder, *filled);
    if (!path)
        return refused("The path \"" + *filled +
                       "\" leads out of the application's folder; it was not opened.");
    return one(action::OpenPath{*path});
}

bool isNumber(std::string_view text)
{
    std::size_t i = text.front() == '-' ? 1 : 0;
    bool digits = false;
    for (; i < text.size(); ++i) {
        if (text[i] >= '0' && text[i] <= '9')
            digits = true;
        else if (text[i] != '.' && text[i] != ',')
            return false;
    }
    return digits;
}

ActionOutcome programLine(std::string_view text, const RecordRow& record,
                          const ActionTextContext& context)
{
    std::vector<std::string> words = splitCommandLine(text);
    if (words.empty())
        return {};
    action::RunProgram run;
    run.workingDirectory = context.appFolder;
    // The program is the designer's choice; a record never names it.
    if (hasPlaceholder(words.front()))
        return refused("The program of the command line \"" + std::string(text) +
                       "\" cannot come from a record; nothing was started.");
    std::string program = words.front();
    if (startsWithNoCase(program, "apath:")) {
        const auto path = inside(context.appFolder, program.substr(6));
        if (!path)
            return refused("The program \"" + program +
                           "\" lies outside the application's folder; nothing was started.");
        program = path->string();
    } else if (program.find('/') != std::string::npos && program.front() != '/') {
        const auto path = inside(context.appFolder, program);
        if (!path)
            return refused("The program \"" + program +
                           "\" lies outside the application's folder; nothing was started.");
        program = path->string();
    }
    run.program = program;
    for (std::size_t w = 1; w < words.size(); ++w) {
        std::string error;
        const auto argument = fill(
            words[w], record,
            [](std::size_t at, const std::string& token, std::string& value, std::string& e) {
                if (!noNul(token, value, e))
                    return false;
                // A value that starts an argument with "-" would be read
                // as an option of the program.
                if (at == 0 && !value.empty() && value.front() == '-' && !isNumber(value)) {
                    e = "The value of " + token +
                        " starts with \"-\" and would be "
                        "read as an option of the program; nothing was started.";
                    return false;
                }
                return true;
            },
            error);
        if (!argument)
            return refused(error);
        run.arguments.push_back(*argument);
    }
    return one(std::move(run));
}

} // namespace

std::string percentEncode(std::string_view text, std::string_view keep)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        if (isAsciiAlnum(c) || c == '-' || c == '.' || c == '_' || c == '~' ||
            keep.find(c) != std::string_view::npos) {
            out += c;
            continue;
        }
        const auto byte = static_cast<unsigned char>(c);
        out += '%';
        out += kHex[byte >> 4];
        out += kHex[byte & 0x0F];
    }
    return out;
}

std::vector<std::string> splitCommandLine(std::string_view line)
{
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '"') {
            if (quoted && i + 1 < line.size() && line[i + 1] == '"') {
                word += '"';
                ++i;
            } else {
                quoted = !quoted;
            }
            inWord = true;
        } else if ((c == ' ' || c == '\t') && !quoted) {
            if (inWord)
                words.push_back(std::move(word));
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord)
        words.push_back(std::move(word));
    return words;
}

std::string queryAddressTemplate(const AppData& data)
{
    std::string url(kQueryAddress);
    auto add = [&url](const std::string& name, char letter, std::size_t index) {
        url += percentEncode(name) + "=" + letter + std::to_string(index) + ":&";
    };
    auto onAPage = [](int32_t page) { return page == -1 || (page >= 0 && page < 5); };
    for (std::size_t i = 0; i < data.fields.size(); ++i) {
        if (onAPage(data.fields[i].field.page))
            add(data.fields[i].field.tag, 'F', i + 1);
    }
    for (std::size_t i = 0; i < data.combos.size(); ++i) {
        if (onAPage(data.combos[i].page))
            add(data.combos[i].tag, 'C', i + 1);
    }
    for (std::size_t i = 0; i < data.checkboxes.size(); ++i) {
        if (onAPage(data.checkboxes[i].page))
            add(data.checkboxes[i].tag, 'K', i);
    }
    return url;
}

ActionOutcome resolveActionText(std::string_view text, const RecordRow& record,
                                const ActionTextContext& context)
{
    text = trimmed(text);
    if (text.empty())
        return {};
    const std::string folded = foldCase(text);
    if (folded == "end")
        return one(action::EndApplication{});
    if (text == "ID:")
        return one(action::AskRecordNumber{});
    if (const auto command = navigationOf(text))
        return one(action::Navigate{*command});
    if (folded == "php-send-url") {
        if (context.queryAddress.empty())
            return refused(
                "PHP-SEND-URL has no query address in this application; nothing was sent.");
        return webLink(context.queryAddress, record);
    }
    if (startsWithNoCase(text, "mailto:"))
        return mailLink(text, record);
    if (hasWebScheme(text))
        return webLink(text, record);
    if (startsWithNoCase(text, "www."))
        return webLink("http://" + std::string(text), record);
    if (startsWithNoCase(text, "apath:"))
        return applicationPath(text, record, context);
    return programLine(text, record, context);
}

ActionOutcome resolveCommandLine(std::string_view text, const RecordRow& record,
                                 const ActionTextContext& context)
{
    return programLine(text, record, context);
}

} // namespace qv
