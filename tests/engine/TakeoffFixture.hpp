// Shared set-up of the take-off run tests: a QELM system per test, and helpers that run a whole take-off
// the way the palette does and read the groups back.
#pragma once

#include "../support/AddOnFixture.hpp"

#include "hostplatform/Faults.hpp"
#include "hostplatform/ProjectBuilder.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

class TakeoffTest : public AddOnTest {
  protected:
    void SetUp() override {
        AddOnTest::SetUp();
        qelm = b.AddSystem("QELM");
    }

    static void ClearResult() {
        Articles::allArticlesGroups.Clear();
        Articles::articleCount = 0;
        Articles::reportCount = 0;
    }

    API_Guid Item(const char* code, const char* description = "", const char* name = "Item") {
        return b.AddItem(qelm, APINULLGuid, code, name, description);
    }

    // The palette's take-off: true when the user cancelled. Fails the test when the model is not read.
    bool TakeOff(bool selectionOnly = false) {
        b.Install();
        ClearResult();
        const bool read = Articles::ReadElementsFromModel(selectionOnly);
        EXPECT_TRUE(read) << "the classification system was not read";
        return read && Articles::EvaluateElements();
    }

    // The index of the first group of that code; -1 when there is none.
    static short GroupOf(const char* code) {
        for (GS::UIndex i = 0; i < Articles::allArticlesGroups.GetSize(); ++i) {
            if (Articles::allArticlesGroups[i].code == code)
                return static_cast<short>(i);
        }
        return -1;
    }

    static const GS::Array<Article>& ArticlesOf(const char* code) {
        static const GS::Array<Article> none;
        const short group = GroupOf(code);
        return group < 0 ? none : Articles::allArticlesGroups[group].articleList;
    }

    static const GS::Array<Article>& Reports() { return Articles::allArticlesGroups[0].articleList; }

    static std::vector<std::string> ElementIDs(const GS::Array<Article>& articles) {
        std::vector<std::string> ids;
        for (const Article& article : articles)
            ids.push_back(article.elementID.ToUtf8());
        return ids;
    }

    static std::vector<std::string> Codes(const GS::Array<Article>& articles) {
        std::vector<std::string> codes;
        for (const Article& article : articles)
            codes.push_back(article.code.ToUtf8());
        return codes;
    }

    static std::string Utf8(const GS::UniString& text) { return text.ToUtf8(); }

    hostplatform::ProjectBuilder b;
    API_Guid qelm{};
};
