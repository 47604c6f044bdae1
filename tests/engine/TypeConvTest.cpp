#include "engine/host/TypeConv.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct SplitCase {
    const char* text;
    const char* separator;
    std::vector<std::string> pieces;
};

std::vector<std::string> Pieces(const GS::Array<GS::UniString>& out) {
    std::vector<std::string> result;
    for (const GS::UniString& piece : out)
        result.push_back(piece.ToUtf8());
    return result;
}

class SplitTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitTest, GivesThePiecesBetweenSeparators) {
    const SplitCase& c = GetParam();
    GS::Array<GS::UniString> out{"left over"};
    const Int32 count = TypeConv::Split(c.text, c.separator, out);
    EXPECT_EQ(Pieces(out), c.pieces);
    EXPECT_EQ(count, static_cast<Int32>(c.pieces.size()));
}

INSTANTIATE_TEST_SUITE_P(Cases, SplitTest,
                         ::testing::Values(SplitCase{"", ";", {}}, SplitCase{"abc", ";", {"abc"}},
                                           SplitCase{"a;b", ";", {"a", "b"}}, SplitCase{"a;", ";", {"a"}},
                                           SplitCase{";", ";", {""}}, SplitCase{"a;;b", ";", {"a", "", "b"}},
                                           SplitCase{";a", ";", {"", "a"}}, SplitCase{"a;;", ";", {"a", ""}},
                                           SplitCase{"m2; 12,50; x", "; ", {"m2", "12,50", "x"}},
                                           SplitCase{"m", "; ", {"m"}}, SplitCase{"a;;;b", ";;", {"a", ";b"}},
                                           SplitCase{"abc", "", {"abc"}},
                                           SplitCase{"één|twee", "|", {"één", "twee"}}));

TEST(TypeConvTest, AnsiConversionsKeepNonAsciiTextAsUtf8) {
    const GS::UniString dutch("Gevelsteen één — °C");
    const std::string ansi = TypeConv::String2Ansi(dutch);
    EXPECT_EQ(ansi, "Gevelsteen één — °C");
    EXPECT_EQ(TypeConv::Ansi2String(ansi), dutch);

    const GS::Array<GS::UniString> array = TypeConv::AnsiVector2UniStringArray({"a", "", "é"});
    ASSERT_EQ(array.GetSize(), 3u);
    EXPECT_EQ(array[0], "a");
    EXPECT_EQ(array[1], "");
    EXPECT_EQ(array[2], GS::UniString("é"));
}

TEST(TypeConvTest, WideConversionsWorkUnitByUnit) {
    const std::wstring wide{L'a', L'\0', static_cast<wchar_t>(0x1F600), L'\u00e9'};
    const GS::UniString uni = TypeConv::Wstring2UniString(wide);
    ASSERT_EQ(uni.GetLength(), 3u); // the zero is dropped, the rest keep their low 16 bits
    EXPECT_EQ(uni[0], u'a');
    EXPECT_EQ(uni[1], static_cast<GS::uchar_t>(0xF600));
    EXPECT_EQ(uni[2], u'\u00e9');

    EXPECT_EQ(TypeConv::UniString2Wstring(GS::UniString("aé")), std::wstring(L"a\u00e9"));
    EXPECT_EQ(TypeConv::Wstring2AnsiString(L"ab\u00e9"), std::string("ab\xe9"));
    EXPECT_EQ(TypeConv::AnsiString2Wstring(std::string("a\xe9")), std::wstring(L"a\u00e9"));
    EXPECT_EQ(TypeConv::Integer2AnsiString(-42), "-42");
}

} // namespace
