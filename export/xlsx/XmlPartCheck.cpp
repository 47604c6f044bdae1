#include "export/xlsx/XmlPartCheck.hpp"

namespace xlsx {

namespace {

constexpr std::string_view kDeclaration = "<?xml "; // the library begins every part with it
constexpr int kMaxEntityLength = 10;
constexpr std::int64_t kMaxCount = 1'000'000'000'000;

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool IsNameChar(char c) {
    const auto u = static_cast<unsigned char>(c);
    return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || u == '_' ||
           u == ':' || u == '.' || u == '-' || u >= 0x80;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

std::size_t XmlPartCheck::feed(const char* data, std::size_t size) {
    at_split_ = false;
    for (std::size_t i = 0; i < size && !failed_; ++i) {
        failed_ = !step(data[i]);
        if (at_split_)
            return i + 1;
    }
    return size;
}

bool XmlPartCheck::complete() const {
    return !failed_ && root_done_ && open_.empty() && state_ == State::text;
}

bool XmlPartCheck::step(char c) {
    if (declared_ < kDeclaration.size() && c != kDeclaration[declared_++])
        return false;
    switch (state_) {
    case State::text:
        return text(c);
    case State::open:
        return tag_open(c);
    case State::declaration:
    case State::declaration_end:
        return declaration(c);
    case State::start_name:
    case State::in_tag:
        return start_tag(c);
    case State::attribute_name:
    case State::before_equals:
        return attribute_name(c);
    case State::before_value:
        return before_value(c);
    case State::value:
        return value(c);
    case State::after_value:
        return (IsSpace(c) || c == '/' || c == '>') && space_or_tag_end(c);
    case State::empty_end:
        return c == '>' && start_tag_done(true);
    case State::end_name_first:
    case State::end_name:
    case State::after_end_name:
        return end_tag(c);
    case State::entity:
        return entity(c);
    }
    return false;
}

bool XmlPartCheck::tag_open(char c) {
    if (c == '?' || c == '/') {
        state_ = c == '?' ? State::declaration : State::end_name_first;
        name_.clear();
        return true;
    }
    name_.assign(1, c);
    count_ = -1;
    state_ = State::start_name;
    return IsNameChar(c);
}

bool XmlPartCheck::declaration(char c) {
    if (state_ == State::declaration_end && c == '>')
        state_ = State::text;
    else
        state_ = c == '?' ? State::declaration_end : State::declaration;
    return true;
}

// The element's name, then its attributes.
bool XmlPartCheck::start_tag(char c) {
    if (!IsNameChar(c))
        return space_or_tag_end(c);
    if (state_ == State::start_name) {
        name_ += c;
    } else {
        attribute_.assign(1, c);
        state_ = State::attribute_name;
    }
    return true;
}

bool XmlPartCheck::before_value(char c) {
    if (c != '"' && c != '\'')
        return IsSpace(c);
    quote_ = c;
    counting_ = attribute_ == "count";
    if (counting_)
        count_ = -1;
    state_ = State::value;
    return true;
}

bool XmlPartCheck::text(char c) {
    if (c == '<') {
        state_ = State::open;
        return true;
    }
    if (IsSpace(c))
        return true;
    // Outside the root only blanks; inside it, what the library escapes never comes raw.
    if (open_.empty() || c == '>')
        return false;
    if (c == '&') {
        after_entity_ = State::text;
        entity_length_ = 0;
        state_ = State::entity;
    }
    return true;
}

bool XmlPartCheck::attribute_name(char c) {
    if (state_ == State::attribute_name && IsNameChar(c)) {
        attribute_ += c;
        return true;
    }
    if (c == '=') {
        state_ = State::before_value;
        return true;
    }
    state_ = State::before_equals;
    return IsSpace(c);
}

bool XmlPartCheck::value(char c) {
    if (c == quote_) {
        state_ = State::after_value;
        return !counting_ || count_ >= 0;
    }
    if (c == '<' || c == '>')
        return false;
    if (counting_) {
        if (!IsDigit(c) || count_ > kMaxCount)
            return false;
        count_ = (count_ < 0 ? 0 : count_ * 10) + (c - '0');
    } else if (c == '&') {
        after_entity_ = State::value;
        entity_length_ = 0;
        state_ = State::entity;
    }
    return true;
}

bool XmlPartCheck::entity(char c) {
    if (c == ';') {
        state_ = after_entity_;
        return entity_length_ > 0;
    }
    const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || IsDigit(c) || c == '#';
    return letter && ++entity_length_ <= kMaxEntityLength;
}

bool XmlPartCheck::space_or_tag_end(char c) {
    if (IsSpace(c)) {
        state_ = State::in_tag;
        return true;
    }
    if (c == '/') {
        state_ = State::empty_end;
        return true;
    }
    return c == '>' && start_tag_done(false);
}

bool XmlPartCheck::end_tag(char c) {
    if (state_ != State::after_end_name && IsNameChar(c)) {
        name_ += c;
        state_ = State::end_name;
        return true;
    }
    if (state_ == State::end_name_first)
        return false;
    if (c == '>')
        return end_tag_done();
    state_ = State::after_end_name;
    return IsSpace(c);
}

bool XmlPartCheck::start_tag_done(bool empty) {
    if (open_.empty() && root_done_)
        return false; // a second root
    if (!open_.empty())
        ++open_.back().children;
    const bool split = !split_done_ && open_.size() == 1 && name_ == split_child_;
    split_done_ = split_done_ || split;
    state_ = State::text;
    if (empty) {
        root_done_ = root_done_ || open_.empty();
        split_was_empty_ = split_was_empty_ || split;
        return count_ <= 0;
    }
    open_.push_back(Element{name_, count_, 0});
    at_split_ = split;
    return true;
}

bool XmlPartCheck::end_tag_done() {
    if (open_.empty() || open_.back().name != name_)
        return false;
    const Element& element = open_.back();
    const bool tallied = !tallied_.empty() && element.name == tallied_;
    tally_ = tallied ? element.children : tally_;
    const bool counted = tallied || element.count < 0 || element.count == element.children;
    open_.pop_back();
    root_done_ = open_.empty();
    state_ = State::text;
    return counted;
}

} // namespace xlsx
