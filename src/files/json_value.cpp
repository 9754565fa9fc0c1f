#include "files/json_value.h"

#include <charconv>
#include <cmath>

#include "files/utf8.h"

namespace {

class Parser {
  public:
    explicit Parser(std::string_view text) : text_(text) {}

    JsonReading parse() {
        JsonReading reading;
        skipSpace();
        if (value(reading.value, 0)) {
            skipSpace();
            if (at_ != text_.size()) fail("more follows its value");
        }
        reading.problem = problem_;
        if (!problem_.empty()) reading.value = JsonValue{};
        return reading;
    }

  private:
    std::string_view text_;
    size_t at_ = 0;
    size_t values_ = 0;
    std::string problem_;

    bool fail(const std::string& what) {
        if (problem_.empty())
            problem_ = "its JSON is damaged at byte " + std::to_string(at_) + ": " + what;
        return false;
    }

    bool atEnd() const { return at_ >= text_.size(); }
    char peek() const { return atEnd() ? '\0' : text_[at_]; }

    void skipSpace() {
        while (!atEnd() && (peek() == ' ' || peek() == '\t' || peek() == '\n' || peek() == '\r'))
            ++at_;
    }

    bool take(char expected) {
        if (peek() != expected) return false;
        ++at_;
        return true;
    }

    bool word(std::string_view expected) {
        if (text_.substr(at_, expected.size()) != expected) return fail("no value starts here");
        at_ += expected.size();
        return true;
    }

    bool value(JsonValue& out, int depth) {
        if (++values_ > jsonValueLimit) {
            problem_ = "its JSON holds more than " + std::to_string(jsonValueLimit) + " values";
            return false;
        }
        if (atEnd()) return fail("it ends where a value should be");
        switch (peek()) {
        case '{':
            out.kind = JsonValue::Kind::object;
            return container(out, depth, '}');
        case '[':
            out.kind = JsonValue::Kind::array;
            return container(out, depth, ']');
        case '"':
            out.kind = JsonValue::Kind::string;
            return string(out.text);
        case 't':
            out.kind = JsonValue::Kind::boolean;
            out.boolean = true;
            return word("true");
        case 'f':
            out.kind = JsonValue::Kind::boolean;
            return word("false");
        case 'n':
            return word("null");
        default:
            out.kind = JsonValue::Kind::number;
            return number(out.number);
        }
    }

    bool container(JsonValue& out, int depth, char close) {
        if (depth + 1 > jsonDepthLimit) {
            problem_ = "its JSON nests deeper than " + std::to_string(jsonDepthLimit) + " levels";
            return false;
        }
        ++at_;
        skipSpace();
        if (take(close)) return true;
        for (;;) {
            if (close == '}') {
                if (peek() != '"') return fail("a name should be here");
                out.names.emplace_back();
                if (!string(out.names.back())) return false;
                skipSpace();
                if (!take(':')) return fail("a colon should follow the name");
                skipSpace();
            }
            out.items.emplace_back();
            if (!value(out.items.back(), depth + 1)) return false;
            skipSpace();
            if (take(close)) return true;
            if (!take(',')) return fail("a comma or the end should be here");
            skipSpace();
        }
    }

    bool hexQuad(char32_t& out) {
        if (text_.size() - at_ < 4) return fail("its \\u escape is cut short");
        unsigned value = 0;
        const auto [end, error] =
            std::from_chars(text_.data() + at_, text_.data() + at_ + 4, value, 16);
        if (error != std::errc{} || end != text_.data() + at_ + 4)
            return fail("its \\u escape is no four hex digits");
        at_ += 4;
        out = char32_t(value);
        return true;
    }

    bool escape(std::string& out) {
        const char kind = peek();
        ++at_;
        constexpr std::string_view simple = "\"\\/bfnrt";
        constexpr std::string_view meaning = "\"\\/\b\f\n\r\t";
        if (const size_t i = simple.find(kind); i != std::string_view::npos) {
            out += meaning[i];
            return true;
        }
        if (kind != 'u') return fail("its escape is unknown");
        char32_t character = 0;
        if (!hexQuad(character)) return false;
        if (character >= 0xD800 && character <= 0xDBFF) {
            char32_t low = 0;
            if (!take('\\') || !take('u') || !hexQuad(low) || low < 0xDC00 || low > 0xDFFF)
                return fail("its surrogate pair is broken");
            character = 0x10000 + ((character - 0xD800) << 10) + (low - 0xDC00);
        } else if (character >= 0xDC00 && character <= 0xDFFF) {
            return fail("its surrogate pair is broken");
        }
        appendUtf8(out, character);
        return true;
    }

    bool string(std::string& out) {
        ++at_;
        for (;;) {
            if (atEnd()) return fail("a string is not closed");
            const char c = peek();
            if (static_cast<unsigned char>(c) < 0x20) return fail("a string holds a control byte");
            ++at_;
            if (c == '"') return true;
            if (c != '\\') {
                out += c;
                continue;
            }
            if (atEnd()) return fail("a string is not closed");
            if (!escape(out)) return false;
        }
    }

    bool digits() {
        const size_t from = at_;
        while (peek() >= '0' && peek() <= '9') ++at_;
        return at_ > from;
    }

    bool number(double& out) {
        const size_t from = at_;
        take('-');
        if (take('0')) {
            if (peek() >= '0' && peek() <= '9') return fail("a number has a leading zero");
        } else if (!digits()) {
            return fail("no value starts here");
        }
        if (take('.') && !digits()) return fail("a number has no digits after its point");
        if (take('e') || take('E')) {
            if (!take('+')) take('-');
            if (!digits()) return fail("a number has no digits in its exponent");
        }
        const auto [end, error] = std::from_chars(text_.data() + from, text_.data() + at_, out);
        if (error != std::errc{} || end != text_.data() + at_ || !std::isfinite(out))
            return fail("a number is out of range");
        return true;
    }
};

} // namespace

const JsonValue* JsonValue::member(std::string_view name) const {
    if (kind != Kind::object) return nullptr;
    for (size_t i = 0; i < names.size(); ++i)
        if (names[i] == name) return &items[i];
    return nullptr;
}

bool JsonValue::isWholeNumber(double low, double high) const {
    return kind == Kind::number && number >= low && number <= high && std::floor(number) == number;
}

JsonReading parseJson(std::string_view text) {
    return Parser(text).parse();
}
