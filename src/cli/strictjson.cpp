#include "strictjson.h"

#include <charconv>
#include <cmath>

namespace qv::cli {

const JsonValue* JsonValue::member(const std::string& name) const
{
    const auto found = members.find(name);
    return found == members.end() ? nullptr : &found->second;
}

namespace {

constexpr int kMaxDepth = 100;

class Parser {
public:
    explicit Parser(std::string_view text) : text_(text) {}

    bool parseDocument(JsonValue& value)
    {
        skipSpace();
        if (!parseValue(value, 0))
            return false;
        skipSpace();
        if (at_ != text_.size())
            return fail("unexpected text after the JSON value");
        return true;
    }

    std::string error() const
    {
        size_t line = 1;
        size_t column = 1;
        for (size_t i = 0; i < errorAt_ && i < text_.size(); ++i) {
            if (text_[i] == '\n') {
                ++line;
                column = 1;
            } else {
                ++column;
            }
        }
        return "line " + std::to_string(line) + ", column " + std::to_string(column) + ": " +
               message_;
    }

private:
    bool fail(const std::string& message)
    {
        if (message_.empty()) {
            message_ = message;
            errorAt_ = at_;
        }
        return false;
    }

    void skipSpace()
    {
        while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\t' ||
                                      text_[at_] == '\n' || text_[at_] == '\r'))
            ++at_;
    }

    bool literal(std::string_view word)
    {
        if (text_.substr(at_, word.size()) != word)
            return fail("unknown word");
        at_ += word.size();
        return true;
    }

    bool parseValue(JsonValue& value, int depth)
    {
        if (depth > kMaxDepth)
            return fail("nested too deeply");
        if (at_ >= text_.size())
            return fail("unexpected end of the text");
        switch (text_[at_]) {
        case '{': return parseObject(value, depth);
        case '[': return parseArray(value, depth);
        case '"': value.kind = JsonValue::Kind::String; return parseString(value.text);
        case 't':
            value.kind = JsonValue::Kind::Boolean;
            value.boolean = true;
            return literal("true");
        case 'f': value.kind = JsonValue::Kind::Boolean; return literal("false");
        case 'n': value.kind = JsonValue::Kind::Null; return literal("null");
        default: return parseNumber(value);
        }
    }

    bool parseObject(JsonValue& value, int depth)
    {
        value.kind = JsonValue::Kind::Object;
        ++at_;
        skipSpace();
        if (at_ < text_.size() && text_[at_] == '}') {
            ++at_;
            return true;
        }
        for (;;) {
            skipSpace();
            if (at_ >= text_.size() || text_[at_] != '"')
                return fail("expected a member name in double quotes");
            std::string name;
            if (!parseString(name))
                return false;
            if (value.members.count(name) != 0)
                return fail("member \"" + name + "\" appears twice");
            skipSpace();
            if (at_ >= text_.size() || text_[at_] != ':')
                return fail("expected ':' after the member name");
            ++at_;
            skipSpace();
            if (!parseValue(value.members[name], depth + 1))
                return false;
            skipSpace();
            if (at_ < text_.size() && text_[at_] == ',') {
                ++at_;
                continue;
            }
            if (at_ < text_.size() && text_[at_] == '}') {
                ++at_;
                return true;
            }
            return fail("expected ',' or '}' in the object");
        }
    }

    bool parseArray(JsonValue& value, int depth)
    {
        value.kind = JsonValue::Kind::Array;
        ++at_;
        skipSpace();
        if (at_ < text_.size() && text_[at_] == ']') {
            ++at_;
            return true;
        }
        for (;;) {
            skipSpace();
            value.items.emplace_back();
            if (!parseValue(value.items.back(), depth + 1))
                return false;
            skipSpace();
            if (at_ < text_.size() && text_[at_] == ',') {
                ++at_;
                continue;
            }
            if (at_ < text_.size() && text_[at_] == ']') {
                ++at_;
                return true;
            }
            return fail("expected ',' or ']' in the array");
        }
    }

    bool hex4(unsigned& code)
    {
        if (at_ + 4 > text_.size())
            return fail("incomplete \\u escape");
        code = 0;
        for (int i = 0; i < 4; ++i) {
            const char c = text_[at_++];
            code <<= 4;
            if (c >= '0' && c <= '9')
                code |= static_cast<unsigned>(c - '0');
            else if (c >= 'a' && c <= 'f')
                code |= static_cast<unsigned>(c - 'a' + 10);
            else if (c >= 'A' && c <= 'F')
                code |= static_cast<unsigned>(c - 'A' + 10);
            else
                return fail("bad hexadecimal digit in a \\u escape");
        }
        return true;
    }

    static void appendUtf8(std::string& out, unsigned code)
    {
        if (code < 0x80) {
            out.push_back(static_cast<char>(code));
        } else if (code < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (code >> 6)));
            out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
        } else if (code < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (code >> 12)));
            out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (code >> 18)));
            out.push_back(static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
        }
    }

    bool parseString(std::string& out)
    {
        ++at_; // the opening quote
        for (;;) {
            if (at_ >= text_.size())
                return fail("unterminated string");
            const char c = text_[at_];
            if (c == '"') {
                ++at_;
                return true;
            }
            if (static_cast<unsigned char>(c) < 0x20)
                return fail("control character in a string (write it as an escape)");
            if (c != '\\') {
                out.push_back(c);
                ++at_;
                continue;
            }
            ++at_;
            if (at_ >= text_.size())
                return fail("unterminated string");
            const char escape = text_[at_++];
            switch (escape) {
            case '"': out.push_back('"'); break;
            case '\\': out.push_back('\\'); break;
            case '/': out.push_back('/'); break;
            case 'b': out.push_back('\b'); break;
            case 'f': out.push_back('\f'); break;
            case 'n': out.push_back('\n'); break;
            case 'r': out.push_back('\r'); break;
            case 't': out.push_back('\t'); break;
            case 'u': {
                unsigned code = 0;
                if (!hex4(code))
                    return false;
                if (code >= 0xD800 && code <= 0xDBFF) {
                    unsigned low = 0;
                    if (text_.substr(at_, 2) != "\\u")
                        return fail("lone high surrogate in a \\u escape");
                    at_ += 2;
                    if (!hex4(low))
                        return false;
                    if (low < 0xDC00 || low > 0xDFFF)
                        return fail("bad low surrogate in a \\u escape");
                    code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
                } else if (code >= 0xDC00 && code <= 0xDFFF) {
                    return fail("lone low surrogate in a \\u escape");
                }
                appendUtf8(out, code);
                break;
            }
            default: --at_; return fail("unknown escape in a string");
            }
        }
    }

    bool parseNumber(JsonValue& value)
    {
        const size_t start = at_;
        if (at_ < text_.size() && text_[at_] == '-')
            ++at_;
        const auto digits = [this] {
            const size_t from = at_;
            while (at_ < text_.size() && text_[at_] >= '0' && text_[at_] <= '9')
                ++at_;
            return at_ - from;
        };
        const size_t integerStart = at_;
        if (digits() == 0)
            return fail("expected a value");
        if (text_[integerStart] == '0' && at_ - integerStart > 1)
            return fail("a number may not start with 0");
        if (at_ < text_.size() && text_[at_] == '.') {
            ++at_;
            if (digits() == 0)
                return fail("expected digits after the decimal point");
        }
        if (at_ < text_.size() && (text_[at_] == 'e' || text_[at_] == 'E')) {
            ++at_;
            if (at_ < text_.size() && (text_[at_] == '+' || text_[at_] == '-'))
                ++at_;
            if (digits() == 0)
                return fail("expected digits in the exponent");
        }
        value.kind = JsonValue::Kind::Number;
        const auto result = std::from_chars(text_.data() + start, text_.data() + at_, value.number);
        if (result.ec != std::errc() || !std::isfinite(value.number)) {
            at_ = start;
            return fail("number out of range");
        }
        return true;
    }

    std::string_view text_;
    size_t at_ = 0;
    std::string message_;
    size_t errorAt_ = 0;
};

} // namespace

bool ParseStrictJson(std::string_view text, JsonValue& value, std::string& error)
{
    Parser parser(text);
    value = JsonValue();
    if (parser.parseDocument(value))
        return true;
    error = parser.error();
    return false;
}

} // namespace qv::cli
