// Shared set-up of the skin and section builder tests: group 0 and a QELM system to classify with per
// test, and the tables of what a builder resolves an article to.
#pragma once

#include "../support/AddOnFixture.hpp"

#include "hostplatform/Faults.hpp"
#include "hostplatform/ProjectBuilder.hpp"

#include <gtest/gtest.h>

#include <string>

// What a builder resolved an article to.
struct Resolution {
    short qelmType;
    const char* code;
    short group;
    const char* message;
};

// One row of a resolution table: the article built from `input` resolves as `expected`.
template <typename Input> struct ResolutionRow {
    Input input;
    Resolution expected;
};

class BuildersTest : public AddOnTest {
  protected:
    void SetUp() override {
        AddOnTest::SetUp();
        AddGroup("Onbekend", "");
        qelm = b.AddSystem("QELM");
    }

    // Appends a group and returns its number.
    static short AddGroup(const char* code, const char* name, const char* flags = "") {
        ArticleGroup group;
        group.number = static_cast<short>(Articles::allArticlesGroups.GetSize());
        group.code = code;
        group.name = name;
        group.flags = flags;
        Articles::allArticlesGroups.Push(group);
        return group.number;
    }

    // A building material classified with a QELM item of that code.
    API_AttributeIndex ClassifiedMaterial(const char* code) {
        const API_AttributeIndex material = b.AddBuildingMaterial("Materiaal", "eigen id", "Beschrijving");
        b.ClassifyMaterial(material, qelm, b.AddItem(qelm, APINULLGuid, code, "Item"));
        return material;
    }

    // The element as the take-off run hands it to a builder.
    static API_Element Read(const API_Guid& guid) {
        API_Element element;
        element.header.guid = guid;
        EXPECT_EQ(ACAPI_Element_Get(&element), NoError);
        return element;
    }

    static std::string Utf8(const GS::UniString& text) { return text.ToUtf8(); }

    static void ExpectResolved(const Article& article, const Resolution& expected) {
        EXPECT_EQ(article.qelmType, expected.qelmType);
        EXPECT_EQ(Utf8(article.code), expected.code);
        EXPECT_EQ(article.groupIndex, expected.group);
        EXPECT_EQ(Utf8(article.message), expected.message);
    }

    // Each row's input through `build` (the article it makes) against the row's resolution.
    template <typename Input, size_t N, typename Build>
    static void ExpectResolutions(const ResolutionRow<Input> (&rows)[N], Build build) {
        for (const ResolutionRow<Input>& row : rows) {
            SCOPED_TRACE(::testing::Message() << row.input << " as " << row.expected.code);
            ExpectResolved(build(row.input), row.expected);
        }
    }

    hostplatform::ProjectBuilder b;
    API_Guid qelm{};
    GS::Array<Article> articles;
};
