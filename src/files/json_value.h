// A small, strict JSON reader for other editors' files: the text must be one JSON value and
// nothing else, no deeper than a few dozen levels and of a bounded number of values.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct JsonValue {
    enum class Kind : uint8_t { null, boolean, number, string, array, object };
    Kind kind = Kind::null;
    bool boolean = false;
    double number = 0;
    std::string text;               // a string's, in UTF-8
    std::vector<JsonValue> items;   // an array's values, or an object's, in the file's order
    std::vector<std::string> names; // an object's names, beside its values in `items`

    // The object's first value of that name; nullptr when there is none or this is no object.
    const JsonValue* member(std::string_view name) const;
    // The number when it is a whole one from `low` to `high`.
    bool isWholeNumber(double low, double high) const;
};

struct JsonReading {
    JsonValue value;
    std::string problem; // why the text is no JSON gridlet reads; "" when it was read
};

constexpr int jsonDepthLimit = 64;
constexpr size_t jsonValueLimit = size_t(1) << 20;

JsonReading parseJson(std::string_view text);
