#include "JsonNode.hpp"

#include "GS/UniString.hpp"
#include "hostplatform/ProjectLoader.hpp"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

namespace hostplatform::projectfile {

namespace {

// Deeper files are refused before the loader's recursion over item trees could exhaust the stack.
constexpr size_t MaxNesting = 256;

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

// Tracks where the parser is, to name the place of a key given twice.
class KeyChecker {
  public:
    bool operator()(int, Json::parse_event_t event, const Json& parsed) {
        switch (event) {
        case Json::parse_event_t::object_start:
        case Json::parse_event_t::array_start:
            if (frames_.size() >= MaxNesting)
                throw ProjectFileError("the file nests arrays and objects deeper than " +
                                       std::to_string(MaxNesting) + " levels");
            frames_.push_back(Frame{event == Json::parse_event_t::array_start, 0, {}, {}});
            break;
        case Json::parse_event_t::key:
            OnKey(parsed.get<std::string>());
            break;
        case Json::parse_event_t::object_end:
        case Json::parse_event_t::array_end:
            frames_.pop_back();
            ValueDone();
            break;
        case Json::parse_event_t::value:
            ValueDone();
            break;
        }
        return true;
    }

  private:
    struct Frame {
        bool isArray;
        size_t index;
        std::set<std::string> keys;
        std::string key;
    };

    void OnKey(const std::string& key) {
        Frame& frame = frames_.back();
        frame.key = key;
        if (!frame.keys.insert(key).second)
            throw ProjectFileError(Place() + ": key " + Quote(key) + " is given twice in one object");
    }

    void ValueDone() {
        if (!frames_.empty() && frames_.back().isArray)
            ++frames_.back().index;
    }

    std::string Place() const {
        std::string pointer;
        for (const Frame& frame : frames_)
            pointer += "/" + (frame.isArray ? std::to_string(frame.index) : EscapePointerToken(frame.key));
        return pointer.empty() ? "(top level)" : pointer;
    }

    std::vector<Frame> frames_;
};

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

size_t Utf16Units(const std::string& utf8) {
    return GS::UniString(utf8.c_str()).GetLength();
}

} // namespace

Json ParseProjectJson(const std::string& text) {
    try {
        return Json::parse(text, KeyChecker());
    } catch (const Json::exception& error) {
        throw ProjectFileError(ParserMessage(error));
    }
}

std::string ReadFileText(const std::string& path) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error))
        throw ProjectFileError("cannot read the file: it is a directory");
    std::ifstream file(path, std::ios::binary);
    if (!file)
        throw ProjectFileError(std::string("cannot open the file: ") + std::strerror(errno));
    std::ostringstream text;
    text << file.rdbuf();
    if (file.bad())
        throw ProjectFileError(std::string("cannot read the file: ") + std::strerror(errno));
    return text.str();
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
