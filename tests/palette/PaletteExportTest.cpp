// The palette's export: the save dialog's filters and pre-selection, the refused names, and the
// workbook kind that each filter gives.
#include "PaletteFixture.hpp"

#include "export/Excel.hpp"

#include <filesystem>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

class ExportTest : public PaletteTest {
  protected:
    void SetUp() override {
        PaletteTest::SetUp();
        folder = fs::temp_directory_path() / ("qelm-palette-export-" + std::to_string(getpid()));
        fs::create_directories(folder);
        const Int32 lamps = AddGroup("40.10.", "Lampen", "|st|export|");
        AddArticle(lamps, "L-1");
        Open();
        hostplatform::ClickItem(Id, 12);
        DGEnableItem(Id, 14);
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(folder, ignored);
        PaletteTest::TearDown();
    }

    std::string Path(const char* name) const { return (folder / name).string(); }

    fs::path folder;
};

TEST_F(ExportTest, EachFilterGivesItsWorkbookAndIsPreselectedNextTime) {
    const struct {
        Int32 filter;
        const char* name;
        const char* alertStart;
    } cases[] = {
        {1, "detail.xlsx", "De gedetailleerde meetstaat is opgeslagen."},
        {2, "bouwsoft.xlsx", "De Bouwsoft export is opgeslagen."},
        {0, "samenvatting.xlsx", "De samenvattende meetstaat is opgeslagen."},
    };
    Int32 preselected = 0;
    for (const auto& c : cases) {
        hostplatform::AnswerNextSaveDialog(Path(c.name), c.filter);
        hostplatform::ClickItem(Id, 14);
        const hostplatform::FileDialogRecord& dialog = hostplatform::FileDialogs().back();
        EXPECT_EQ(dialog.type, 4);
        ASSERT_EQ(dialog.filters.size(), 3u);
        EXPECT_EQ(dialog.filters[0],
                  (std::pair<std::string, std::string>{"Samenvattende meetstaat", "xlsx"}));
        EXPECT_EQ(dialog.filters[1].first, "Detailmeetstaat");
        EXPECT_EQ(dialog.filters[2].first, "Bouwsoft meetstaat");
        EXPECT_EQ(dialog.preselectedFilter, preselected);
        EXPECT_EQ(exportType, c.filter);
        EXPECT_EQ(Excel::_details, c.filter != 0) << "details for the detailed bill and Bouwsoft";
        EXPECT_EQ(LastAlert().rfind(c.alertStart, 0), 0u) << LastAlert();
        EXPECT_TRUE(fs::exists(Path(c.name)));
        preselected = c.filter;
    }
    // One file type for every export, and the input-output library ended after each.
    const auto types = hostplatform::RegisteredFileTypes();
    ASSERT_EQ(types.size(), 1u);
    EXPECT_EQ(types[0].extension, "xlsx");
    EXPECT_EQ(types[0].manager, "MyManager");
    EXPECT_EQ(hostplatform::IOInitDepth(), 0);
}

TEST_F(ExportTest, CancelAndRefusedNamesWriteNothing) {
    hostplatform::AnswerNextSaveDialog(Path("eerst.xlsx"), 2);
    hostplatform::ClickItem(Id, 14);
    ASSERT_EQ(exportType, 2);
    hostplatform::Alerts().clear();

    hostplatform::CancelNextSaveDialog();
    hostplatform::ClickItem(Id, 14);
    EXPECT_TRUE(hostplatform::Alerts().empty());

    for (const char* name : {".xlsx", ".verborgen.xlsx"}) {
        hostplatform::AnswerNextSaveDialog(Path(name), 1);
        hostplatform::ClickItem(Id, 14);
        EXPECT_EQ(LastAlert(), "U moet een geldige bestandsnaam opgeven.");
        EXPECT_EQ(exportType, 2) << "a refused name keeps the old choice";
        EXPECT_FALSE(fs::exists(Path(name)));
    }
    EXPECT_EQ(hostplatform::FileDialogs().back().preselectedFilter, 2);

    // A dot later in the name is fine.
    hostplatform::AnswerNextSaveDialog(Path("meetstaat.v2.xlsx"), 0);
    hostplatform::ClickItem(Id, 14);
    EXPECT_TRUE(fs::exists(Path("meetstaat.v2.xlsx")));
    EXPECT_EQ(hostplatform::IOInitDepth(), 0);
}

} // namespace
