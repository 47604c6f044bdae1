// A light, streaming check that an XML part of a saved workbook is whole, as libxlsxwriter writes its
// parts: the XML declaration first, then one root element; every element closed by its own name;
// attributes name="value"; no raw '<' or '>' in texts and values, and entity references closed (the
// library escapes all of these); an element with a count attribute has that many child elements. A
// block missing from a part leaves a cut tag, a stray '>', an unclosed element or a wrong count behind.
//
// One child of the root can be left out of the check: feed() stops right after that child's start tag,
// the caller passes over its content, and feeds on from its end tag. The children of one element can
// be tallied for the caller to check instead of its count attribute, which the library writes in 16
// bits for the merged ranges of a sheet.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace xlsx {

class XmlPartCheck {
  public:
    // `split_child`: the name of the root's child whose content is passed over; `tallied`: the name of
    // the element whose children are tallied; "" for none.
    explicit XmlPartCheck(std::string_view split_child = {}, std::string_view tallied = {})
        : split_child_(split_child), tallied_(tallied) {}

    // Takes the bytes up to and including the split child's start tag, or all of them; returns how many.
    std::size_t feed(const char* data, std::size_t size);

    // feed() stopped after the split child's start tag; cleared by the next feed().
    bool at_split() const { return at_split_; }
    // The split child came as an empty element (<name/>), so there is no content to pass over.
    bool split_was_empty() const { return split_was_empty_; }
    // Every byte so far was well formed, and the root element is closed.
    bool complete() const;
    // The child elements of the last closed element named `tallied`; 0 when there was none.
    std::int64_t tally() const { return tally_; }

  private:
    enum class State : std::uint8_t {
        text,
        open,            // after '<'
        declaration,     // inside <? ... ?>
        declaration_end, // after '?' inside a declaration
        start_name,
        in_tag,
        attribute_name,
        before_equals,
        before_value,
        value,
        after_value,
        empty_end, // after '/' in a start tag
        end_name_first,
        end_name,
        after_end_name,
        entity,
    };

    struct Element {
        std::string name;
        std::int64_t count; // the count attribute, -1 for none
        std::int64_t children;
    };

    // Each takes one byte in its state and returns false once the part is not well formed.
    bool step(char c);
    bool text(char c);
    bool tag_open(char c);
    bool declaration(char c);
    bool start_tag(char c);
    bool attribute_name(char c);
    bool before_value(char c);
    bool value(char c);
    bool entity(char c);
    bool space_or_tag_end(char c);
    bool end_tag(char c);
    bool start_tag_done(bool empty);
    bool end_tag_done();

    std::string split_child_;
    std::string tallied_;
    std::int64_t tally_ = 0;
    State state_ = State::text;
    State after_entity_ = State::text;
    std::size_t declared_ = 0; // bytes of the declaration's start seen
    int entity_length_ = 0;
    bool failed_ = false;
    bool root_done_ = false;
    bool at_split_ = false;
    bool split_was_empty_ = false;
    bool split_done_ = false;
    bool counting_ = false; // in the value of a count attribute
    char quote_ = '"';
    std::string name_;
    std::string attribute_;
    std::int64_t count_ = -1;
    std::vector<Element> open_;
};

} // namespace xlsx
