// A checked view of one value of a project file: typed reads that fail with a ProjectFileError naming
// the value's place as a JSON pointer, and objects that refuse keys they do not know.
#pragma once

#include "GS/Types.hpp"
#include "GS/UniString.hpp"
#include "hostplatform/ProjectLoader.hpp"

#include <nlohmann/json.hpp>

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace hostplatform::projectfile {

using Json = nlohmann::ordered_json;

// Parses a whole project text. Broken JSON, a key given twice in one object and nesting deeper than
// the loader walks fail with one message (the parser's line and column, or the pointer of the key).
Json ParseProjectJson(const std::string& text);

// The largest project or resource file the host reads: 1 GiB, well over a million elements.
constexpr UInt64 kMaxFileBytes = UInt64{1} << 30;

// A whole project or resource file.
inline std::string ReadFileText(const std::string& path) {
    return ReadRegularFile(path, kMaxFileBytes);
}

// A text of the file as host text (UTF-8 to UTF-16, zero characters included).
inline GS::UniString Uni(const std::string& utf8) {
    return GS::UniString::FromUtf8(utf8);
}

// The text in double quotes with JSON escapes, for messages that quote what the file says.
std::string Quote(std::string_view text);

class Node {
  public:
    Node(const Json& value, std::string pointer) : value_(&value), pointer_(std::move(pointer)) {}

    const std::string& Pointer() const { return pointer_; }
    const Json& Value() const { return *value_; }

    [[noreturn]] void Fail(const std::string& message) const;

    bool IsText() const { return value_->is_string(); }
    bool IsInteger() const { return value_->is_number_integer(); }
    bool IsObject() const { return value_->is_object(); }
    bool IsArray() const { return value_->is_array(); }
    bool IsNull() const { return value_->is_null(); }

    // Objects. Expect fails when the value is no object or holds a key outside `known` (every object
    // may also hold a text "comment" for the reader); `what` names the object ("a wall", "a story").
    void Expect(const std::vector<std::string_view>& known, std::string_view what) const;
    bool Has(std::string_view key) const;
    Node At(std::string_view key) const; // fails when the key is missing
    std::optional<Node> Find(std::string_view key) const;
    std::vector<std::pair<std::string, Node>> Members() const; // in file order; fails on a non-object

    // Arrays: the elements in order; fails on a non-array.
    std::vector<Node> Elements() const;

    // Scalars. Numbers must be finite; integers must be written without fraction or exponent.
    std::string Text() const;
    double Number() const;
    double NonNegative() const;
    Int64 Integer(Int64 min, Int64 max) const;
    bool Boolean() const;

    // Optional members with the value they take when absent.
    std::string TextOr(std::string_view key, const std::string& absent) const;
    double NumberOr(std::string_view key, double absent) const;
    double NonNegativeOr(std::string_view key, double absent) const;
    bool BooleanOr(std::string_view key, bool absent) const;

    // A text that must fit a zero-terminated host field of `capacity` bytes (UTF-8) or UTF-16 units.
    std::string FixedBytes(size_t capacity) const;
    std::string FixedUnits(size_t capacity) const;

  private:
    [[noreturn]] void FailType(const char* expected) const;

    const Json* value_;
    std::string pointer_;
};

// A text that must be one of a fixed set of words, each standing for a host value.
template <typename T> struct Word {
    std::string_view word;
    T value;
};

template <typename T, size_t N> T ReadWord(const Node& node, const Word<T> (&words)[N]) {
    const std::string text = node.Text();
    std::string list;
    for (const Word<T>& word : words) {
        if (word.word == text)
            return word.value;
        list += (list.empty() ? "" : ", ") + std::string(word.word);
    }
    node.Fail("unknown value " + Quote(text) + " (one of: " + list + ")");
}

// "expected a text, found a number": the JSON type of a value in words.
const char* TypeInWords(const Json& value);

} // namespace hostplatform::projectfile
