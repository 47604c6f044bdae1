#include "GS/Array.hpp"
#include "GS/Guid.hpp"
#include "GS/HashTable.hpp"
#include "GS/Pair.hpp"
#include "GS/UniString.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <stdexcept>
#include <string>
#include <unordered_set>

namespace {

TEST(GSArray, InsertDeleteAndFindKeepOrder) {
    GS::Array<int> items{1, 2, 3};
    items.Insert(0, 0);
    items.Insert(items.GetSize(), 4);
    items.Insert(2, 9);
    EXPECT_EQ(items, (GS::Array<int>{0, 1, 9, 2, 3, 4}));

    items.Delete(2);
    items.DeleteLast();
    EXPECT_EQ(items, (GS::Array<int>{0, 1, 2, 3}));
    EXPECT_EQ(items.GetFirst(), 0);
    EXPECT_EQ(items.GetLast(), 3);
    EXPECT_EQ(items.FindFirst(2), 2u);
    EXPECT_EQ(items.FindFirst(7), GS::MaxUIndex);
    EXPECT_TRUE(items.Contains(3));
    EXPECT_FALSE(items.Contains(4));

    items.Push(items[0]); // an element of the array itself
    EXPECT_EQ(items.GetLast(), 0);
    items.SetSize(2);
    EXPECT_EQ(items, (GS::Array<int>{0, 1}));
    items.Clear();
    EXPECT_TRUE(items.IsEmpty());
}

TEST(GSArray, WorksWithAlgorithmsAndMoveOnlyUse) {
    GS::Array<GS::Pair<int, std::string>> rows;
    rows.Push({2, "b"});
    rows.Push({1, "x"});
    rows.Push({2, "a"});
    std::stable_sort(rows.AsVector().begin(), rows.AsVector().end(),
                     [](const auto& l, const auto& r) { return l.first < r.first; });
    std::string order;
    for (const auto& row : rows)
        order += row.second;
    EXPECT_EQ(order, "xba");
    EXPECT_EQ(rows[1], (GS::Pair<int, std::string>(2, "b")));

    std::string moved(100, 'm');
    GS::Array<std::string> texts;
    texts.Push(std::move(moved));
    EXPECT_EQ(texts.GetFirst().size(), 100u);
    GS::Array<std::string> copy = texts;
    copy[0] = "changed";
    EXPECT_EQ(texts[0].size(), 100u);
}

TEST(GSHashTable, AddKeepsAndPutReplaces) {
    GS::HashTable<GS::UniString, int> table;
    EXPECT_TRUE(table.Add("a", 1));
    EXPECT_FALSE(table.Add("a", 2));
    EXPECT_EQ(table.Get("a"), 1);
    table.Put("a", 3);
    table.Put("b", 4);
    EXPECT_EQ(table.Get("a"), 3);
    EXPECT_EQ(table.GetSize(), 2u);

    int value = -1;
    EXPECT_FALSE(table.Get("z", &value));
    EXPECT_EQ(value, -1);
    EXPECT_TRUE(table.Get("b", &value));
    EXPECT_EQ(value, 4);
    EXPECT_EQ(table.GetPtr("z"), nullptr);
    *table.GetPtr("b") = 5;
    EXPECT_EQ(table.Get("b"), 5);
    EXPECT_THROW(table.Get("z"), std::out_of_range);

    int sum = 0;
    for (const auto& entry : table)
        sum += entry.second;
    EXPECT_EQ(sum, 8);

    EXPECT_TRUE(table.Delete("a"));
    EXPECT_FALSE(table.Delete("a"));
    EXPECT_FALSE(table.ContainsKey("a"));
    table.Clear();
    EXPECT_TRUE(table.IsEmpty());
}

TEST(GSGuid, TextRoundTripFollowsByteOrder) {
    GS::Guid guid;
    EXPECT_TRUE(guid.IsNull());
    for (UInt8 i = 0; i < 16; ++i)
        guid.Bytes()[i] = static_cast<UInt8>(i * 17);
    EXPECT_EQ(guid.ToUniString().ToUtf8(), "00112233-4455-6677-8899-AABBCCDDEEFF");

    GS::Guid parsed;
    EXPECT_EQ(parsed.ConvertFromString("{00112233-4455-6677-8899-aabbccddeeff}"), NoError);
    EXPECT_EQ(parsed, guid);
    GS::Guid fromUni;
    EXPECT_EQ(fromUni.ConvertFromString(guid.ToUniString()), NoError);
    EXPECT_EQ(fromUni, guid);
    fromUni.SetNull();
    EXPECT_TRUE(fromUni.IsNull());
    EXPECT_NE(fromUni, guid);
    EXPECT_LT(fromUni, guid);
}

TEST(GSGuid, MalformedTextIsRejectedAndLeavesTheGuidAlone) {
    GS::Guid guid;
    ASSERT_EQ(guid.ConvertFromString("00112233-4455-6677-8899-AABBCCDDEEFF"), NoError);
    const GS::Guid before = guid;
    for (const char* bad : {"", "00112233-4455-6677-8899-AABBCCDDEEF", // too short
                            "00112233-4455-6677-8899-AABBCCDDEEFF0",   // too long
                            "0011223-34455-6677-8899-AABBCCDDEEFF",    // dash misplaced
                            "00112233-4455-6677-8899-AABBCCDDEEFG",    // not hex
                            "{00112233-4455-6677-8899-AABBCCDDEEFF",   // one brace
                            "(00112233-4455-6677-8899-AABBCCDDEEFF)",  // wrong brackets
                            "00112233_4455_6677_8899_AABBCCDDEEFF",    // wrong separators
                            " 00112233-4455-6677-8899-AABBCCDDEEF"}) { // blank
        EXPECT_EQ(guid.ConvertFromString(bad), -1) << bad;
        EXPECT_EQ(guid, before) << bad;
    }
    EXPECT_EQ(guid.ConvertFromString(static_cast<const char*>(nullptr)), -1);
    const GS::UniString embeddedNul(u"00112233-4455-6677-8899-AABBCCDDEEFF\0x", 38);
    EXPECT_EQ(guid.ConvertFromString(embeddedNul), -1);
    EXPECT_EQ(guid, before);
}

TEST(GSGuid, GeneratedGuidsAreDistinctRandomVersion4) {
    std::set<GS::Guid> ordered;
    std::unordered_set<GS::Guid> hashed;
    for (int i = 0; i < 1000; ++i) {
        const GS::Guid guid = GS::Guid::Generate();
        EXPECT_FALSE(guid.IsNull());
        EXPECT_EQ(guid.Bytes()[6] >> 4, 4);
        EXPECT_EQ(guid.Bytes()[8] & 0xC0, 0x80);
        ordered.insert(guid);
        hashed.insert(guid);
    }
    EXPECT_EQ(ordered.size(), 1000u);
    EXPECT_EQ(hashed.size(), 1000u);
}

} // namespace
