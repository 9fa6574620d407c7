// A small JSON document model and a deterministic writer for the command line's output.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace vorlix::cli {

class JsonValue {
public:
    using Array = std::vector<JsonValue>;
    using Object = std::vector<std::pair<std::string, JsonValue>>;  // keys keep their order

    JsonValue() = default;  // null
    static JsonValue Bool(bool value) { return JsonValue(Data(value)); }
    static JsonValue Number(std::int64_t value) { return JsonValue(Data(value)); }
    // Written in the shortest form that reads back exactly; not finite is null.
    static JsonValue Real(double value) { return JsonValue(Data(value)); }
    static JsonValue String(std::u16string value) { return JsonValue(Data(std::move(value))); }
    static JsonValue MakeArray(Array items = {}) { return JsonValue(Data(std::move(items))); }
    static JsonValue MakeObject(Object members = {}) { return JsonValue(Data(std::move(members))); }

    // Appending to a value of another kind is a programming error and throws.
    JsonValue& Add(JsonValue item);
    JsonValue& Set(std::string key, JsonValue value);

    bool IsContainer() const;

private:
    using Data = std::variant<std::nullptr_t, bool, std::int64_t, double, std::u16string, Array, Object>;
    explicit JsonValue(Data data) : data_(std::move(data)) {}

    Data data_ = nullptr;

    friend class JsonWriter;
};

// Containers holding only scalars, or arrays holding only arrays of scalars, stay on one
// line; everything else is indented by two spaces per level. The output is UTF-8.
std::string WriteJson(const JsonValue& value);

// Appends text as a quoted JSON string: quotes, backslashes and control characters are
// escaped, surrogate pairs become UTF-8 and a lone surrogate is written as \uXXXX.
void AppendJsonString(std::string& out, std::u16string_view text);

}  // namespace vorlix::cli
