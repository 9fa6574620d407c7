#include "jsonwriter.h"

#include <charconv>
#include <cmath>
#include <stdexcept>

#include "utf8.h"

namespace vorlix::cli {

JsonValue& JsonValue::Add(JsonValue item) {
    auto* array = std::get_if<Array>(&data_);
    if (array == nullptr) throw std::logic_error("JSON value is not an array");
    array->push_back(std::move(item));
    return array->back();
}

JsonValue& JsonValue::Set(std::string key, JsonValue value) {
    auto* object = std::get_if<Object>(&data_);
    if (object == nullptr) throw std::logic_error("JSON value is not an object");
    object->emplace_back(std::move(key), std::move(value));
    return object->back().second;
}

bool JsonValue::IsContainer() const {
    return std::holds_alternative<Array>(data_) || std::holds_alternative<Object>(data_);
}

void AppendJsonString(std::string& out, std::u16string_view text) {
    static constexpr char Hex[] = "0123456789abcdef";
    auto appendEscape = [&out](char16_t c) {
        out += "\\u";
        for (int shift = 12; shift >= 0; shift -= 4) out.push_back(Hex[(c >> shift) & 0xF]);
    };
    out.push_back('"');
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c == u'"' || c == u'\\') {
            out.push_back('\\');
            out.push_back(static_cast<char>(c));
        } else if (c < 0x20) {
            appendEscape(c);
        } else if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
                   text[i + 1] <= 0xDFFF) {
            out += Utf8Bytes(text.substr(i, 2));
            ++i;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            // Grid cells and cut words can hold half a pair; the escape keeps the value exact.
            appendEscape(c);
        } else {
            out += Utf8Bytes(text.substr(i, 1));
        }
    }
    out.push_back('"');
}

class JsonWriter {
public:
    static void Write(std::string& out, const JsonValue& value, int indent) {
        const auto& data = value.data_;
        if (std::holds_alternative<std::nullptr_t>(data)) {
            out += "null";
        } else if (const bool* b = std::get_if<bool>(&data)) {
            out += *b ? "true" : "false";
        } else if (const std::int64_t* n = std::get_if<std::int64_t>(&data)) {
            out += std::to_string(*n);
        } else if (const double* r = std::get_if<double>(&data)) {
            WriteReal(out, *r);
        } else if (const auto* s = std::get_if<std::u16string>(&data)) {
            AppendJsonString(out, *s);
        } else if (const auto* array = std::get_if<JsonValue::Array>(&data)) {
            WriteArray(out, *array, indent);
        } else {
            WriteObject(out, std::get<JsonValue::Object>(data), indent);
        }
    }

private:
    static void WriteReal(std::string& out, double value) {
        if (!std::isfinite(value)) {
            out += "null";
            return;
        }
        char buffer[32];
        const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
        out.append(buffer, result.ptr);
    }

    static bool AllScalars(const JsonValue::Array& items) {
        for (const JsonValue& item : items)
            if (item.IsContainer()) return false;
        return true;
    }

    // Scalars, or arrays of scalars only (a grid row of cell lists, a pair of coordinates).
    static bool ArrayFitsOnOneLine(const JsonValue::Array& items) {
        for (const JsonValue& item : items) {
            if (!item.IsContainer()) continue;
            const auto* inner = std::get_if<JsonValue::Array>(&item.data_);
            if (inner == nullptr || !AllScalars(*inner)) return false;
        }
        return true;
    }

    static void NewLine(std::string& out, int indent) {
        out.push_back('\n');
        out.append(static_cast<std::size_t>(indent) * 2, ' ');
    }

    static void WriteArray(std::string& out, const JsonValue::Array& items, int indent) {
        const bool oneLine = ArrayFitsOnOneLine(items);
        out.push_back('[');
        for (std::size_t k = 0; k < items.size(); ++k) {
            if (k > 0) out += oneLine ? ", " : ",";
            if (!oneLine) NewLine(out, indent + 1);
            Write(out, items[k], oneLine ? 0 : indent + 1);
        }
        if (!oneLine && !items.empty()) NewLine(out, indent);
        out.push_back(']');
    }

    static void WriteObject(std::string& out, const JsonValue::Object& members, int indent) {
        bool oneLine = true;
        for (const auto& member : members)
            if (member.second.IsContainer()) oneLine = false;
        out.push_back('{');
        for (std::size_t k = 0; k < members.size(); ++k) {
            if (k > 0) out += oneLine ? ", " : ",";
            if (!oneLine) NewLine(out, indent + 1);
            AppendJsonString(out, std::u16string(members[k].first.begin(), members[k].first.end()));
            out += ": ";
            Write(out, members[k].second, oneLine ? 0 : indent + 1);
        }
        if (!oneLine && !members.empty()) NewLine(out, indent);
        out.push_back('}');
    }
};

std::string WriteJson(const JsonValue& value) {
    std::string out;
    JsonWriter::Write(out, value, 0);
    out.push_back('\n');
    return out;
}

}  // namespace vorlix::cli
