#include "../support/DutchLocale.hpp"
#include "GS/Debug.hpp"
#include "GS/UniString.hpp"
#include "hostplatform/DebugLog.hpp"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <limits>
#include <locale.h>
#include <ostream>
#include <string>
#include <system_error>
#include <unordered_set>

using GS::UniString;

namespace GS {
// Readable failure messages.
void PrintTo(const UniString& text, std::ostream* out) {
    *out << '"' << text.ToUtf8() << '"';
}
} // namespace GS

namespace {

const std::string Replacement = "\uFFFD";

TEST(GSUniStringUtf8, RoundTripsAccentsAndSurrogatePairs) {
    const char* accents = "café ëï";
    const UniString text(accents);
    EXPECT_EQ(text.GetLength(), 7u);
    EXPECT_EQ(text[3], u'\u00E9');
    EXPECT_STREQ(text.ToCStr().Get(), accents);

    const char* clef = "a\U0001D11E"; // outside the BMP
    const UniString music(clef);
    ASSERT_EQ(music.GetLength(), 3u);
    EXPECT_EQ(music[1], 0xD834);
    EXPECT_EQ(music[2], 0xDD1E);
    EXPECT_EQ(music.ToUtf8(), clef);
    EXPECT_EQ(UniString::FromUtf8(std::string_view("x\0y", 3)).GetLength(), 3u);
}

TEST(GSUniStringUtf8, InvalidInputBecomesReplacementCharacter) {
    EXPECT_EQ(UniString("a\xFF!"), UniString(u"a\uFFFD!"));
    EXPECT_EQ(UniString("\xC3"), UniString(u"\uFFFD"));                            // truncated sequence
    EXPECT_EQ(UniString("\xC0\xAF").ToUtf8(), Replacement + Replacement);          // overlong "/"
    EXPECT_EQ(UniString("\xED\xA0\x80").ToUtf8().find('\xED'), std::string::npos); // encoded surrogate
    EXPECT_TRUE(UniString(static_cast<const char*>(nullptr)).IsEmpty());
    EXPECT_TRUE(UniString(static_cast<const GS::uchar_t*>(nullptr), 4).IsEmpty());
}

TEST(GSUniStringUtf8, OutputIsAlwaysValid) {
    const GS::uchar_t loneHigh[] = {u'x', 0xD800, u'y', 0};
    EXPECT_EQ(UniString(loneHigh).ToUtf8(), "x" + Replacement + "y");
    const GS::uchar_t trailingHigh[] = {u'x', 0xDBFF, 0};
    EXPECT_EQ(UniString(trailingHigh).ToUtf8(), "x" + Replacement);
    const GS::uchar_t reversedPair[] = {0xDC00, 0xD800, 0};
    EXPECT_EQ(UniString(reversedPair).ToUtf8(), Replacement + Replacement);
    const GS::uchar_t nonCharacters[] = {0xFFFE, 0xFFFF, 0};
    EXPECT_EQ(UniString(nonCharacters).ToUtf8(), Replacement + Replacement);
}

TEST(GSUniStringCase, UsesFullUnicodeMapping) {
    const UniString dutch("ÉÉN ËËN");
    EXPECT_EQ(dutch.ToLowerCase().ToUtf8(), "één ëën");
    EXPECT_EQ(dutch.ToLowerCase().ToUpperCase(), dutch);
    // Root-locale "İ" lowers to "i" + combining dot above, so the text grows.
    EXPECT_EQ(UniString("İ").ToLowerCase(), UniString(u"i\u0307"));

    UniString sharp("straße");
    sharp.SetToUpperCase();
    EXPECT_EQ(sharp, "STRASSE");
    sharp.SetToLowerCase();
    EXPECT_EQ(sharp, "strasse");
    // Growth beyond the first guess of the output size.
    EXPECT_EQ(UniString("ßßßßßßßßßßßß").ToUpperCase(), "SSSSSSSSSSSSSSSSSSSSSSSS");
}

TEST(GSUniStringEdit, TrimRemovesUnicodeWhiteSpace) {
    UniString both(u"\t\r\n \u00A0a b\u00A0\n\t");
    both.Trim();
    EXPECT_EQ(both, "a b");

    UniString left(u"\n a \n");
    left.TrimLeft();
    EXPECT_EQ(left, "a \n");
    UniString right(u"\n a \n");
    right.TrimRight();
    EXPECT_EQ(right, "\n a");

    UniString blank(u" \t\r\n");
    blank.Trim();
    EXPECT_TRUE(blank.IsEmpty());
}

TEST(GSUniStringEdit, ReplaceAllIsLeftToRightAndNonOverlapping) {
    UniString text("aaa");
    EXPECT_EQ(text.ReplaceAll("aa", "b"), 1u);
    EXPECT_EQ(text, "ba");

    UniString growing("a-a");
    EXPECT_EQ(growing.ReplaceAll("a", "aa"), 2u); // inserted text is not scanned again
    EXPECT_EQ(growing, "aa-aa");

    UniString untouched("abc");
    EXPECT_EQ(untouched.ReplaceAll("", "x"), 0u);
    EXPECT_EQ(untouched.ReplaceAll("z", "x"), 0u);
    EXPECT_EQ(untouched.ReplaceAll("b", ""), 1u);
    EXPECT_EQ(untouched, "ac");
}

TEST(GSUniStringEdit, DeleteInsertAndSubstringsClampToTheText) {
    UniString text("hello");
    EXPECT_EQ(text.GetSubstring(3, 100), "lo");
    EXPECT_TRUE(text.GetSubstring(9, 1).IsEmpty());
    EXPECT_EQ(text.GetPrefix(2), "he");
    EXPECT_EQ(text.GetSuffix(2), "lo");
    EXPECT_EQ(text.GetSuffix(100), text);

    text.Delete(3, 100);
    EXPECT_EQ(text, "hel");
    text.Delete(7, 1);
    text.Delete(0);
    EXPECT_EQ(text, "el");
    text.Insert(2, "f!");
    text.Insert(0, text);
    EXPECT_EQ(text, "elf!elf!");
}

TEST(GSUniStringSearch, FindAndPredicatesHandleEdges) {
    const UniString text("abcabc");
    EXPECT_EQ(text.FindFirst("bc"), 1u);
    EXPECT_EQ(text.FindFirst("bc", 2), 4u);
    EXPECT_EQ(text.FindFirst(u'c', 3), 5u);
    EXPECT_EQ(text.FindFirst("x"), GS::MaxUIndex);
    EXPECT_EQ(text.FindFirst("a", 99), GS::MaxUIndex);
    EXPECT_EQ(text.FindFirst(u'a', 6), GS::MaxUIndex);
    EXPECT_EQ(text.FindLast("bc"), 4u);
    EXPECT_EQ(text.FindLast("abcabcabc"), GS::MaxUIndex);

    EXPECT_TRUE(text.Contains(""));
    EXPECT_TRUE(text.BeginsWith(""));
    EXPECT_TRUE(text.EndsWith(""));
    EXPECT_TRUE(text.EndsWith("cabc"));
    EXPECT_FALSE(text.EndsWith("ABC"));
    EXPECT_FALSE(text.EndsWith("xabcabc"));
    EXPECT_FALSE(text.BeginsWith("abd"));
    EXPECT_FALSE(UniString().Contains(u'a'));
}

TEST(GSUniStringCompare, OrdersByCodeUnitsAndMixesWithUtf8) {
    const UniString clef(u"\U0001D11E");
    const UniString lastBmp(u"\uFFFF");
    EXPECT_LT(clef, lastBmp); // UTF-16 order, not code point order
    EXPECT_LT(UniString("ab"), UniString("b"));
    EXPECT_LT(UniString("a"), UniString("ab"));
    EXPECT_GE(UniString("b"), UniString("ab"));

    const UniString e("é");
    EXPECT_TRUE(e == "é");
    EXPECT_TRUE("é" == e);
    EXPECT_TRUE(e != "e");
    EXPECT_EQ("<" + e + ">", UniString("<é>"));
    UniString built;
    built += "a";
    built += u'b';
    built += UniString("c");
    EXPECT_EQ(built.Append("d"), "abcd");

    const std::unordered_set<UniString> set{UniString("x"), UniString(u"x"), UniString("y")};
    EXPECT_EQ(set.size(), 2u);
}

TEST(GSUniStringNumbers, ValueToUniStringIsShortestAndLocaleFree) {
    EXPECT_EQ(GS::ValueToUniString(12.5), "12.5");
    EXPECT_EQ(GS::ValueToUniString(3.0), "3");
    EXPECT_EQ(GS::ValueToUniString(-0.5), "-0.5");
    EXPECT_EQ(GS::ValueToUniString(0.1), "0.1");
    EXPECT_EQ(GS::ValueToUniString(1e20), "1e+20");
    EXPECT_EQ(GS::ValueToUniString(-std::nan("")), "nan");
    EXPECT_EQ(GS::ValueToUniString(-std::numeric_limits<double>::infinity()), "-inf");
    EXPECT_EQ(GS::ValueToUniString(std::numeric_limits<Int32>::min()), "-2147483648");
    EXPECT_EQ(GS::ValueToUniString(std::numeric_limits<UInt32>::max()), "4294967295");
    EXPECT_EQ(GS::ValueToUniString(Int64{-9000000000}), "-9000000000");
}

TEST(GSUniStringPrintf, FormatsUtf8ArgumentsWithoutTruncation) {
    EXPECT_EQ(UniString::Printf("%s=%d", "é", 42), UniString("é=42"));
    const std::string longText(1000, 'x');
    const UniString formatted = UniString::Printf("[%s]", longText.c_str());
    EXPECT_EQ(formatted.GetLength(), 1002u);
    EXPECT_TRUE(formatted.EndsWith("x]"));
}

// Makes a locale with a decimal comma the process locale and returns a copy of it as an object.
locale_t UseCommaLocale() {
    return testsupport::UseDutchLocale() ? duplocale(LC_GLOBAL_LOCALE) : static_cast<locale_t>(0);
}

class GSCNumericFormatting : public testing::Test {
  protected:
    void SetUp() override {
        previousGlobal_ = std::setlocale(LC_ALL, nullptr);
        comma_ = UseCommaLocale();
        if (comma_ == static_cast<locale_t>(0))
            GTEST_SKIP() << "no locale with a decimal comma can be made here";
        char check[16];
        std::snprintf(check, sizeof check, "%.1f", 12.5);
        ASSERT_STREQ(check, "12,5") << "the locale does not use a decimal comma";
    }
    void TearDown() override {
        std::setlocale(LC_ALL, previousGlobal_.c_str());
        if (comma_ != static_cast<locale_t>(0))
            freelocale(comma_);
    }

    std::string previousGlobal_;
    locale_t comma_ = static_cast<locale_t>(0);
};

TEST_F(GSCNumericFormatting, PrintfAndDBPrintfIgnoreTheProcessLocale) {
    EXPECT_EQ(UniString::Printf("%.1f", 12.5), "12.5");
    hostplatform::ClearDebugLog();
    DBPrintf("%g m", 0.25);
    ASSERT_EQ(hostplatform::DebugLog().size(), 1u);
    EXPECT_EQ(hostplatform::DebugLog()[0], "0.25 m");
    EXPECT_EQ(GS::ValueToUniString(12.5), "12.5");

    char after[16];
    std::snprintf(after, sizeof after, "%.1f", 12.5);
    EXPECT_STREQ(after, "12,5") << "the process locale was not restored";
}

TEST_F(GSCNumericFormatting, PrintfRestoresAThreadLocale) {
    std::setlocale(LC_ALL, "C");
    const locale_t previous = uselocale(comma_);
    EXPECT_EQ(UniString::Printf("%.2f", 0.75), "0.75");
    EXPECT_EQ(uselocale(static_cast<locale_t>(0)), comma_);
    uselocale(previous);
}

} // namespace
