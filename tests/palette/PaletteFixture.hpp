// Shared set-up of the palette tests: a fresh host with the add-on's resources installed, an empty
// take-off result, and helpers that open the palette the way the menu command does, act as the user
// and read its lists back.
#pragma once

#include "../support/AddOnFixture.hpp"

#include "hostplatform/ProjectBuilder.hpp"
#include "hostplatform/Resources.hpp"
#include "hostplatform/Shell.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

class PaletteTest : public AddOnTest {
  protected:
    static constexpr short Id = DlgPresentData::kResourceId;
    static constexpr short Articles7 = 7;
    static constexpr short Report8 = 8;

    void SetUp() override {
        AddOnTest::SetUp();
        hostplatform::InstallResources(hostplatform::LoadResourceFile(QELM_RESOURCE_FILE));
        qelm = b.AddSystem("QELM");
    }
    // The palette closes the way the user closes it, which frees it and its rows.
    void TearDown() override {
        if (DGIsDialogOpen(Id))
            DGModelessClose(Id);
        AddOnTest::TearDown();
    }

    // The menu command's way of opening the palette.
    static DlgPresentData* Open() {
        auto* palette = new DlgPresentData;
        palette->ShowModeless();
        EXPECT_EQ(palette->GetDialogID(), Id);
        return palette;
    }

    // ---- A take-off result made by hand ----

    // Group 0 ("Onbekend") is made first when the result is empty.
    static Int32 AddGroup(const char* code, const char* name = "Groep", const char* flags = "|st|",
                          const char* line1 = "st", const char* line2 = "") {
        if (Articles::allArticlesGroups.IsEmpty()) {
            ArticleGroup unknown;
            unknown.code = "Onbekend";
            Articles::allArticlesGroups.Push(unknown);
        }
        ArticleGroup group;
        group.number = static_cast<short>(Articles::allArticlesGroups.GetSize());
        group.code = code;
        group.name = name;
        group.flags = flags;
        group.line1 = line1;
        group.line2 = line2;
        Articles::allArticlesGroups.Push(group);
        return group.number;
    }

    static Article& AddArticle(Int32 group, const char* elementID, API_Guid guid = API_Guid{}) {
        Article article;
        article.guid = guid;
        article.groupIndex = static_cast<short>(group);
        article.elementID = elementID;
        article.code = Articles::allArticlesGroups[group].code;
        article.groupLine1 = Articles::allArticlesGroups[group].line1;
        article.pieces = 1;
        article.typeName = "Lamp";
        article.qelmType = 1;
        auto& list = Articles::allArticlesGroups[group].articleList;
        list.Push(article);
        return list.GetLast();
    }

    // ---- Reading the palette ----

    static const hostplatform::ListState& List(short item) {
        static const hostplatform::ListState none;
        const hostplatform::ListState* list = hostplatform::FindList(Id, item);
        EXPECT_NE(list, nullptr) << "no list " << item;
        return list == nullptr ? none : *list;
    }
    static const hostplatform::ItemState& Item(short item) {
        static const hostplatform::ItemState none;
        const hostplatform::DialogState* dialog = hostplatform::FindDialog(Id);
        EXPECT_NE(dialog, nullptr) << "the palette is not open";
        if (dialog == nullptr || dialog->items.count(item) == 0)
            return none;
        return dialog->items.at(item);
    }
    static short RowCount(short list) { return static_cast<short>(List(list).rows.size()); }
    static std::string Cell(short list, short row, short column) {
        return List(list).rows.at(static_cast<size_t>(row - 1)).Text(column);
    }
    // One column of every row.
    static std::vector<std::string> Column(short list, short column) {
        std::vector<std::string> texts;
        for (const hostplatform::ListRow& row : List(list).rows)
            texts.push_back(row.Text(column));
        return texts;
    }
    static const RowRecord& Record(short list, short row) {
        return *reinterpret_cast<const RowRecord*>(List(list).rows.at(static_cast<size_t>(row - 1)).userData);
    }
    static std::string LastAlert() {
        const auto& alerts = hostplatform::Alerts();
        return alerts.empty() ? std::string() : alerts.back().text;
    }

    hostplatform::ProjectBuilder b;
    API_Guid qelm{};
};
