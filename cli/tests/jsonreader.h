// A strict little JSON reader for the tests: it fails on anything a real parser would refuse,
// so the command's output is checked for validity as well as content.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace vorlix::cli::testing {

struct Json {
    enum Kind { Null, Bool, Number, String, Array, Object } kind = Null;
    bool boolean = false;
    std::int64_t number = 0;  // the whole part
    double real = 0.0;        // the whole value, fraction and exponent included
    std::string text;  // UTF-8
    std::vector<Json> items;
    std::vector<std::pair<std::string, Json>> members;  // in document order

    const Json& operator[](std::string_view key) const {
        for (const auto& [name, value] : members)
            if (name == key) return value;
        throw std::runtime_error("missing key " + std::string(key));
    }
    const Json& operator[](std::size_t index) const { return items.at(index); }
};

class JsonReader {
public:
    static Json Parse(std::string_view text) {
        JsonReader reader(text);
        Json value = reader.Value();
        reader.Space();
        if (reader.pos_ != text.size()) reader.Fail("trailing text");
        return value;
    }

private:
    explicit JsonReader(std::string_view text) : text_(text) {}

    [[noreturn]] void Fail(const std::string& what) const {
        throw std::runtime_error("JSON: " + what + " at " + std::to_string(pos_));
    }
    void Space() {
        while (pos_ < text_.size() && std::string_view(" \t\r\n").find(text_[pos_]) != std::string_view::npos) ++pos_;
    }
    char Peek() {
        Space();
        if (pos_ >= text_.size()) Fail("unexpected end");
        return text_[pos_];
    }
    void Expect(char c) {
        if (Peek() != c) Fail(std::string("expected ") + c);
        ++pos_;
    }
    bool Literal(std::string_view word) {
        if (text_.substr(pos_, word.size()) != word) return false;
        pos_ += word.size();
        return true;
    }

    Json Value() {
        Json v;
        const char c = Peek();
        if (c == '{') {
            v.kind = Json::Object;
            ++pos_;
            if (Peek() == '}') return ++pos_, v;
            do {
                std::string key = StringBody();
                Expect(':');
                v.members.emplace_back(std::move(key), Value());
            } while (Peek() == ',' && ++pos_);
            Expect('}');
        } else if (c == '[') {
            v.kind = Json::Array;
            ++pos_;
            if (Peek() == ']') return ++pos_, v;
            do v.items.push_back(Value());
            while (Peek() == ',' && ++pos_);
            Expect(']');
        } else if (c == '"') {
            v.kind = Json::String;
            v.text = StringBody();
        } else if (Literal("true")) {
            v.kind = Json::Bool;
            v.boolean = true;
        } else if (Literal("false")) {
            v.kind = Json::Bool;
        } else if (Literal("null")) {
            v.kind = Json::Null;
        } else {
            v.kind = Json::Number;
            const bool negative = text_[pos_] == '-';
            if (negative) ++pos_;
            const std::size_t start = pos_;
            while (pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '9')
                v.number = v.number * 10 + (text_[pos_++] - '0');
            if (pos_ == start) Fail("bad value");
            auto digits = [&] {
                const std::size_t from = pos_;
                while (pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '9') ++pos_;
                if (pos_ == from) Fail("bad number");
            };
            if (pos_ < text_.size() && text_[pos_] == '.') {
                ++pos_;
                digits();
            }
            if (pos_ < text_.size() && (text_[pos_] == 'e' || text_[pos_] == 'E')) {
                ++pos_;
                if (pos_ < text_.size() && (text_[pos_] == '+' || text_[pos_] == '-')) ++pos_;
                digits();
            }
            v.real = std::stod(std::string(text_.substr(start, pos_ - start)));
            if (negative) {
                v.number = -v.number;
                v.real = -v.real;
            }
        }
        return v;
    }

    // Escapes are decoded, except a \u escape of a lone surrogate, which stays as written.
    std::string StringBody() {
        Expect('"');
        std::string out;
        while (true) {
            if (pos_ >= text_.size()) Fail("unterminated string");
            const char c = text_[pos_++];
            if (c == '"') return out;
            if (static_cast<unsigned char>(c) < 0x20) Fail("raw control character");
            if (c != '\\') {
                out.push_back(c);
                continue;
            }
            if (pos_ >= text_.size()) Fail("unterminated escape");
            const char e = text_[pos_++];
            switch (e) {
                case '"': case '\\': case '/': out.push_back(e); break;
                case 'n': out.push_back('\n'); break;
                case 't': out.push_back('\t'); break;
                case 'r': out.push_back('\r'); break;
                case 'b': out.push_back('\b'); break;
                case 'f': out.push_back('\f'); break;
                case 'u': {
                    if (pos_ + 4 > text_.size()) Fail("short \\u escape");
                    const std::string hex(text_.substr(pos_, 4));
                    if (hex.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos) Fail("bad \\u escape");
                    pos_ += 4;
                    const unsigned long unit = std::stoul(hex, nullptr, 16);
                    if (unit >= 0xD800 && unit <= 0xDFFF) {
                        out += "\\u" + hex;  // half a pair has no UTF-8 form; keep it visible
                    } else if (unit < 0x80) {
                        out.push_back(static_cast<char>(unit));
                    } else if (unit < 0x800) {
                        out.push_back(static_cast<char>(0xC0 | (unit >> 6)));
                        out.push_back(static_cast<char>(0x80 | (unit & 0x3F)));
                    } else {
                        out.push_back(static_cast<char>(0xE0 | (unit >> 12)));
                        out.push_back(static_cast<char>(0x80 | ((unit >> 6) & 0x3F)));
                        out.push_back(static_cast<char>(0x80 | (unit & 0x3F)));
                    }
                    break;
                }
                default: Fail("unknown escape");
            }
        }
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

}  // namespace vorlix::cli::testing
