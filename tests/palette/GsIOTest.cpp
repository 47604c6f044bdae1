// The file and folder utilities: text files written and read back, file names, folder walks and the
// folder chooser.
#include "palette/GsIO.hpp"

#include "../support/AddOnFixture.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

class GsIOTest : public AddOnTest {
  protected:
    void SetUp() override {
        AddOnTest::SetUp();
        folder = fs::temp_directory_path() / ("qelm-gsio-" + std::to_string(getpid()));
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(folder, ignored);
        AddOnTest::TearDown();
    }

    IO::Location At(const char* name) const { return IO::Location(GS::UniString((folder / name).c_str())); }
    void Write(const char* name, const std::string& bytes) const {
        std::ofstream(folder / name, std::ios::binary) << bytes;
    }
    std::string Read(const char* name) const {
        std::ifstream in(folder / name, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
    static Lines Utf8(const GS::Array<GS::UniString>& lines) {
        Lines texts;
        for (const GS::UniString& line : lines)
            texts.push_back(line.ToUtf8());
        return texts;
    }

    fs::path folder;
};

TEST_F(GsIOTest, CFileKeepsTheLibraryStartedWhileItLives) {
    {
        const VaZaz::GsIO::CFile first;
        const VaZaz::GsIO::CFile second;
        EXPECT_EQ(hostplatform::IOInitDepth(), 2);
    }
    EXPECT_EQ(hostplatform::IOInitDepth(), 0);
}

TEST_F(GsIOTest, LinesSplitAtEachLineBreak) {
    const struct {
        std::string bytes;
        Lines lines;
    } cases[] = {
        {"a\r\nb", {"a", "b"}},         {"a\nb\n", {"a", "b", ""}}, {"", {""}},
        {"a\r\r\nb\r", {"a\r", "b\r"}}, {"\n\n", {"", "", ""}},
    };
    VaZaz::GsIO::CFile file;
    for (const auto& c : cases) {
        Write("in.txt", c.bytes);
        GS::Array<GS::UniString> lines;
        EXPECT_TRUE(file.GetText(At("in.txt"), lines));
        EXPECT_EQ(Utf8(lines), c.lines);
        EXPECT_TRUE(file.ReadCSV(At("in.txt"), lines));
        EXPECT_EQ(Utf8(lines), c.lines);
    }
}

TEST_F(GsIOTest, SavedLinesReadBackWhole) {
    VaZaz::GsIO::CFile file;
    const std::string longLine(3000, 'x');
    const GS::Array<GS::UniString> lines{"Gevelmetselwerk", "Dikte é ø", GS::UniString(longLine.c_str()), ""};
    ASSERT_TRUE(file.Save(At("out.txt"), lines));
    EXPECT_EQ(Read("out.txt"), "Gevelmetselwerk\r\nDikte é ø\r\n" + longLine + "\r\n\r\n");
    GS::Array<GS::UniString> back;
    ASSERT_TRUE(file.GetText(At("out.txt"), back));
    EXPECT_EQ(Utf8(back), (Lines{"Gevelmetselwerk", "Dikte é ø", longLine, "", ""}));

    EXPECT_TRUE(file.Save(At("out.txt"), {}));
    EXPECT_EQ(Read("out.txt"), "");
}

TEST_F(GsIOTest, FilesThatCannotBeOpenedAreReportedAndTouchNothing) {
    VaZaz::GsIO::CFile file;
    GS::Array<GS::UniString> lines{"old"};
    EXPECT_FALSE(file.GetText(At("missing.txt"), lines));
    EXPECT_TRUE(lines.IsEmpty());
    EXPECT_FALSE(fs::exists(folder / "missing.txt"));
    fs::create_directory(folder / "map");
    EXPECT_FALSE(file.Save(At("map"), {"x"}));
    EXPECT_FALSE(file.Save(IO::Location(), {"x"}));
}

TEST_F(GsIOTest, FileNamesAndFolders) {
    VaZaz::GsIO::CFile file;
    EXPECT_EQ(file.GetFileName("/projecten/2024/meetstaat.xlsx").ToUtf8(), "meetstaat.xlsx");
    EXPECT_EQ(file.GetFileName("meetstaat.xlsx").ToUtf8(), "meetstaat.xlsx");
    EXPECT_EQ(file.GetFileName("/").ToUtf8(), "");

    fs::create_directories(folder / "a" / "b");
    fs::create_directories(folder / "c");
    Write("a/bestand.txt", "x");
    GS::Array<GS::UniString> folders{"old"};
    EXPECT_EQ(file.GetFolders(folders, GS::UniString(folder.c_str())), NoError);
    EXPECT_EQ(Utf8(folders), (Lines{"a", "b", "c"}));

    folders = {"old"};
    EXPECT_NE(file.GetFolders(folders, GS::UniString((folder / "none").c_str())), NoError);
    EXPECT_EQ(Utf8(folders), (Lines{"old"})) << "a failed walk leaves the folders as they were";

    IO::Location chosen(GS::UniString("/unchanged"));
    hostplatform::CancelNextFolderDialog();
    EXPECT_FALSE(file.GetFolder("Kies een map", "/start", &chosen));
    EXPECT_EQ(chosen, IO::Location(GS::UniString("/unchanged")));
    hostplatform::AnswerNextFolderDialog("/projecten");
    EXPECT_TRUE(file.GetFolder("Kies een map", "/start", &chosen));
    EXPECT_EQ(chosen, IO::Location(GS::UniString("/projecten")));
    const hostplatform::FileDialogRecord& dialog = hostplatform::FileDialogs().back();
    EXPECT_EQ(dialog.title, "Kies een map");
    EXPECT_EQ(dialog.startFolder, "/start");
}

} // namespace
