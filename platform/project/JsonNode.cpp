#include "JsonNode.hpp"

#include "GS/UniString.hpp"
#include "hostplatform/ProjectLoader.hpp"

#include <algorithm>
#include <cmath>

namespace hostplatform::projectfile {

namespace {

// Deeper files are refused before the loader's recursion over item trees could exhaust the stack.
constexpr size_t kMaxNesting = 256;

std::string EscapePointerToken(const std::string& token) {
    std::string escaped;
    for (const char c : token) {
        if (c == '~')
            escaped += "~0";
        else if (c == '/')
            escaped += "~1";
        else
            escaped += c;
    }
    return escaped;
}

// The parser's message without its "[json.exception...] " tag, as valid UTF-8.
std::string ParserMessage(const std::exception& error) {
    std::string message = error.what();
    if (!message.empty() && message.front() == '[') {
        const size_t end = message.find("] ");
        if (end != std::string::npos)
            message.erase(0, end + 2);
    }
    return GS::UniString(message.c_str()).ToUtf8();
}

// Builds the document from the parser's events, refusing a key given twice and nesting deeper than
// kMaxNesting, and names the place of those refusals and of numbers out of range as a JSON pointer.
// Each check costs no more than the insertion itself, so loading stays linear in the file's size.
class CheckedBuilder {
  public:
    explicit CheckedBuilder(Json& root) : root_(root) {}

    bool null() { return Scalar(nullptr); }
    bool boolean(bool value) { return Scalar(value); }
    bool number_integer(Json::number_integer_t value) { return Scalar(value); }
    bool number_unsigned(Json::number_unsigned_t value) { return Scalar(value); }
    bool number_float(Json::number_float_t value, const std::string&) { return Scalar(value); }
    bool string(std::string& value) { return Scalar(std::move(value)); }
    bool binary(Json::binary_t&) { return false; } // JSON text holds none
    bool start_object(size_t) { return Open(Json::object()); }
    bool start_array(size_t) { return Open(Json::array()); }
    bool end_object() { return Close(); }
    bool end_array() { return Close(); }

    bool key(std::string& key) {
        Frame& frame = frames_.back();
        frame.key = std::move(key);
        if (frame.value->contains(frame.key))
            throw ProjectFileError(Place() + ": key " + Quote(frame.key) + " is given twice in one object");
        return true;
    }

    // A syntax error carries the parser's line and column; a number out of range gets its place.
    template <typename Exception> bool parse_error(size_t, const std::string&, const Exception& error) {
        if constexpr (std::is_same_v<Exception, Json::parse_error>)
            throw error;
        else
            throw ProjectFileError(Place() + ": " + ParserMessage(error));
    }

  private:
    struct Frame {
        Json* value;
        std::string key; // the key of the member being read, in an object
    };

    // The new value's place in its parent, or the root.
    Json* Add(Json value) {
        if (frames_.empty()) {
            root_ = std::move(value);
            return &root_;
        }
        Frame& frame = frames_.back();
        if (frame.value->is_array()) {
            frame.value->push_back(std::move(value));
            return &frame.value->back();
        }
        return &frame.value->emplace(frame.key, std::move(value)).first.value();
    }

    bool Scalar(Json value) {
        Add(std::move(value));
        return true;
    }

    bool Open(Json container) {
        if (frames_.size() >= kMaxNesting)
            throw ProjectFileError(Place() + ": the file nests arrays and objects deeper than " +
                                   std::to_string(kMaxNesting) + " levels");
        frames_.push_back(Frame{Add(std::move(container)), {}});
        return true;
    }

    bool Close() {
        frames_.pop_back();
        return true;
    }

    // The pointer of the value being read. An array's open child is its last element; the value being
    // read in the innermost one is not added yet, so its index is the array's size.
    std::string Place() const {
        std::string pointer;
        for (size_t i = 0; i < frames_.size(); ++i) {
            const Json& value = *frames_[i].value;
            const size_t open = i + 1 < frames_.size() ? 1 : 0;
            pointer += "/" + (value.is_array() ? std::to_string(value.size() - open)
                                               : EscapePointerToken(frames_[i].key));
        }
        return pointer.empty() ? "(top level)" : pointer;
    }

    Json& root_;
    std::vector<Frame> frames_;
};

size_t Utf16Units(const std::string& utf8) {
    return GS::UniString(utf8.c_str()).GetLength();
}

} // namespace

Json ParseProjectJson(const std::string& text) {
    try {
        Json root;
        CheckedBuilder builder(root);
        Json::sax_parse(text, &builder);
        return root;
    } catch (const Json::exception& error) {
        throw ProjectFileError(ParserMessage(error));
    }
}

std::string Quote(std::string_view text) {
    return Json(std::string(text)).dump(-1, ' ', false, Json::error_handler_t::replace);
}

const char* TypeInWords(const Json& value) {
    switch (value.type()) {
    case Json::value_t::null:
        return "null";
    case Json::value_t::object:
        return "an object";
    case Json::value_t::array:
        return "an array";
    case Json::value_t::string:
        return "a text";
    case Json::value_t::boolean:
        return "a boolean";
    case Json::value_t::number_integer:
    case Json::value_t::number_unsigned:
        return "an integer";
    case Json::value_t::number_float:
        return "a number";
    default:
        return "an unreadable value";
    }
}

void Node::Fail(const std::string& message) const {
    throw ProjectFileError((pointer_.empty() ? std::string("(top level)") : pointer_) + ": " + message);
}

void Node::FailType(const char* expected) const {
    Fail(std::string("expected ") + expected + ", found " + TypeInWords(*value_));
}

void Node::Expect(const std::vector<std::string_view>& known, std::string_view what) const {
    if (!value_->is_object())
        FailType("an object");
    for (const auto& member : value_->items()) {
        if (member.key() == "comment") {
            Node(member.value(), pointer_ + "/comment").Text();
            continue;
        }
        if (std::find(known.begin(), known.end(), member.key()) != known.end())
            continue;
        std::string list;
        for (const std::string_view key : known)
            list += (list.empty() ? "" : ", ") + std::string(key);
        Node(member.value(), pointer_ + "/" + EscapePointerToken(member.key()))
            .Fail("unknown key " + Quote(member.key()) + " for " + std::string(what) +
                  " (known keys: " + list + ")");
    }
}

bool Node::Has(std::string_view key) const {
    return value_->is_object() && value_->contains(key);
}

Node Node::At(std::string_view key) const {
    if (!value_->is_object())
        FailType("an object");
    const auto found = value_->find(key);
    if (found == value_->end())
        Fail("missing key " + Quote(key));
    return Node(*found, pointer_ + "/" + EscapePointerToken(std::string(key)));
}

std::optional<Node> Node::Find(std::string_view key) const {
    if (!Has(key))
        return std::nullopt;
    return At(key);
}

std::vector<std::pair<std::string, Node>> Node::Members() const {
    if (!value_->is_object())
        FailType("an object");
    std::vector<std::pair<std::string, Node>> members;
    for (const auto& member : value_->items())
        members.emplace_back(member.key(),
                             Node(member.value(), pointer_ + "/" + EscapePointerToken(member.key())));
    return members;
}

std::vector<Node> Node::Elements() const {
    if (!value_->is_array())
        FailType("an array");
    std::vector<Node> elements;
    elements.reserve(value_->size());
    for (size_t i = 0; i < value_->size(); ++i)
        elements.emplace_back((*value_)[i], pointer_ + "/" + std::to_string(i));
    return elements;
}

std::string Node::Text() const {
    if (!value_->is_string())
        FailType("a text");
    return value_->get<std::string>();
}

double Node::Number() const {
    if (!value_->is_number())
        FailType("a number");
    const double number = value_->get<double>();
    if (!std::isfinite(number))
        Fail("the number is out of range");
    return number;
}

double Node::NonNegative() const {
    const double number = Number();
    if (number < 0.0)
        Fail("must not be negative");
    return number;
}

Int64 Node::Integer(Int64 min, Int64 max) const {
    if (!value_->is_number_integer())
        FailType("an integer");
    const bool tooLarge = value_->is_number_unsigned() && value_->get<UInt64>() > static_cast<UInt64>(max);
    const Int64 number = tooLarge ? max : value_->get<Int64>();
    if (tooLarge || number < min || number > max)
        Fail("must lie between " + std::to_string(min) + " and " + std::to_string(max));
    return number;
}

bool Node::Boolean() const {
    if (!value_->is_boolean())
        FailType("true or false");
    return value_->get<bool>();
}

std::string Node::TextOr(std::string_view key, const std::string& absent) const {
    const auto member = Find(key);
    return member ? member->Text() : absent;
}

double Node::NumberOr(std::string_view key, double absent) const {
    const auto member = Find(key);
    return member ? member->Number() : absent;
}

double Node::NonNegativeOr(std::string_view key, double absent) const {
    const auto member = Find(key);
    return member ? member->NonNegative() : absent;
}

bool Node::BooleanOr(std::string_view key, bool absent) const {
    const auto member = Find(key);
    return member ? member->Boolean() : absent;
}

std::string Node::FixedBytes(size_t capacity) const {
    const std::string text = Text();
    if (text.find('\0') != std::string::npos)
        Fail("a zero character cannot be stored in this host field");
    if (text.size() > capacity - 1)
        Fail("text of " + std::to_string(text.size()) + " bytes is too long for the host field (at most " +
             std::to_string(capacity - 1) + " bytes of UTF-8)");
    return text;
}

std::string Node::FixedUnits(size_t capacity) const {
    const std::string text = Text();
    if (text.find('\0') != std::string::npos)
        Fail("a zero character cannot be stored in this host field");
    const size_t units = Utf16Units(text);
    if (units > capacity - 1)
        Fail("text of " + std::to_string(units) + " UTF-16 units is too long for the host field (at most " +
             std::to_string(capacity - 1) + ")");
    return text;
}

} // namespace hostplatform::projectfile
