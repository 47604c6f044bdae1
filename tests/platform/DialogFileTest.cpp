// The stand-in host's save and folder dialogs, file types, file library, and alerts.
#include "DialogFixture.hpp"
#include "FTM.hpp"
#include "IO.hpp"

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

using namespace hostplatform;
using namespace dialogtest;

namespace fs = std::filesystem;

namespace {

FTM::FileType XlsxType(const char* extension = "xlsx") {
    return FTM::FileType(nullptr, extension, 0, 0, nullptr, nullptr, true);
}

// A save dialog with the three filters of the export, the given one pre-selected.
struct ExportDialog {
    explicit ExportDialog(GS::UIndex preselect) : dialog(DG::FileDialog::Save) {
        FTM::FileTypeManager manager("MyManager");
        const FTM::TypeID type = manager.AddType(XlsxType());
        for (const char* text : {"Samenvattende meetstaat", "Detailmeetstaat", "Bouwsoft meetstaat"})
            dialog.SetFilterText(dialog.AddFilter(type, 1), text);
        dialog.SelectFilter(preselect);
    }
    DG::FileDialog dialog;
};

std::string PathOf(const IO::Location& location) {
    GS::UniString path;
    location.ToPath(&path);
    return path.ToUtf8();
}

class FileLibraryTest : public DialogTest {
  protected:
    void SetUp() override {
        DialogTest::SetUp();
        root = fs::temp_directory_path() / ("dg-" + std::to_string(getpid()) + "-" +
                                            ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root);
        fs::create_directories(root);
    }
    void TearDown() override {
        fs::remove_all(root);
        DialogTest::TearDown();
    }
    IO::Location At(const std::string& relative) const {
        return IO::Location(GS::UniString::FromUtf8((root / relative).string()));
    }
    fs::path root;
};

TEST_F(DialogTest, FileTypesAreFoundByExtensionAcrossManagers) {
    FTM::FileTypeManager first("MyManager");
    EXPECT_EQ(first.SearchForType(XlsxType()), FTM::UnknownType);
    const FTM::TypeID id = first.AddType(XlsxType(), FTM::RootGroup);
    EXPECT_NE(id, FTM::UnknownType);
    FTM::FileTypeManager second("MyManager");
    EXPECT_EQ(second.SearchForType(XlsxType("XLSX"), FTM::RootGroup), id);
    EXPECT_EQ(second.AddType(XlsxType()), id);
    EXPECT_EQ(second.AddType(XlsxType("")), FTM::UnknownType);
    ASSERT_EQ(RegisteredFileTypes().size(), 1u);
    EXPECT_EQ(RegisteredFileTypes()[0].extension, "xlsx");
    EXPECT_EQ(RegisteredFileTypes()[0].manager, "MyManager");
    DG::FileDialog dialog(DG::FileDialog::Save);
    EXPECT_EQ(dialog.AddFilter(id + 1, 1), GS::MaxUIndex);
}

TEST_F(DialogTest, SaveDialogTakesTheQueuedAnswerAndKeepsTheChosenFilter) {
    AnswerNextSaveDialog("/tmp/out/bill.xlsx", 1);
    AnswerNextSaveDialog("/tmp/out/second.xlsx");
    ExportDialog first(2);
    ASSERT_TRUE(first.dialog.Invoke());
    EXPECT_EQ(PathOf(first.dialog.GetSelectedFile(0)), "/tmp/out/bill.xlsx");
    EXPECT_EQ(first.dialog.GetSelectedFilter(), 1u);

    ExportDialog second(first.dialog.GetSelectedFilter());
    ASSERT_TRUE(second.dialog.Invoke());
    EXPECT_EQ(second.dialog.GetSelectedFilter(), 1u) << "no filter in the answer keeps the pre-selected one";

    ASSERT_EQ(FileDialogs().size(), 2u);
    const FileDialogRecord& record = FileDialogs()[0];
    EXPECT_EQ(record.type, 4);
    EXPECT_EQ(record.preselectedFilter, 2);
    EXPECT_EQ(record.chosenFilter, 1);
    EXPECT_TRUE(record.answered && record.confirmed);
    ASSERT_EQ(record.filters.size(), 3u);
    EXPECT_EQ(record.filters[0], (std::pair<std::string, std::string>("Samenvattende meetstaat", "xlsx")));
    EXPECT_EQ(FileDialogs()[1].path, "/tmp/out/second.xlsx");
    EXPECT_EQ(PendingDialogAnswers(), 0u);
}

TEST_F(DialogTest, SaveDialogCancelsWhenToldUnansweredOrAnsweredWithAMissingFilter) {
    CancelNextSaveDialog();
    AnswerNextSaveDialog("/tmp/x.xlsx", 3);
    for (int run = 0; run < 3; ++run) {
        ExportDialog dialog(2);
        EXPECT_FALSE(dialog.dialog.Invoke());
        EXPECT_TRUE(dialog.dialog.GetSelectedFile(0).IsEmpty());
        EXPECT_EQ(dialog.dialog.GetSelectedFilter(), 2u);
    }
    ASSERT_EQ(FileDialogs().size(), 3u);
    EXPECT_TRUE(FileDialogs()[0].answered);
    EXPECT_TRUE(FileDialogs()[1].answered);
    EXPECT_FALSE(FileDialogs()[2].answered);
    ASSERT_EQ(DialogErrors().size(), 1u);
    EXPECT_EQ(DialogErrors()[0], "DG::FileDialog::Invoke: answered filter 3 is missing");
}

TEST_F(DialogTest, FolderDialogTakesItsOwnAnswers) {
    AnswerNextSaveDialog("/tmp/unused.xlsx");
    AnswerNextFolderDialog("/tmp/chosen");
    CancelNextFolderDialog();
    DG::FolderDialog dialog;
    dialog.SetTitle("Kies een map");
    dialog.SetFolder(IO::Location("/tmp/start"));
    ASSERT_TRUE(dialog.Invoke());
    EXPECT_EQ(PathOf(dialog.GetFolder()), "/tmp/chosen");
    EXPECT_FALSE(dialog.Invoke());
    EXPECT_EQ(PathOf(dialog.GetFolder()), "/tmp/chosen");
    ASSERT_EQ(FileDialogs().size(), 2u);
    EXPECT_EQ(FileDialogs()[0].kind, FileDialogRecord::Kind::Folder);
    EXPECT_EQ(FileDialogs()[0].title, "Kies een map");
    EXPECT_EQ(FileDialogs()[0].startFolder, "/tmp/start");
    EXPECT_EQ(PendingDialogAnswers(), 1u) << "the save answer waits for a save dialog";
}

TEST_F(DialogTest, LocationsGiveTheirLastNameAndAppendNames) {
    const struct {
        const char* path;
        const char* name;
        GSErrCode error;
    } cases[] = {{"/tmp/out/bill.xlsx", "bill.xlsx", NoError},
                 {"/tmp/out/", "out", NoError},
                 {"/tmp/out/.xlsx", ".xlsx", NoError},
                 {"bill.xlsx", "bill.xlsx", NoError},
                 {"/", "", APIERR_BADNAME},
                 {"", "", APIERR_BADNAME}};
    for (const auto& c : cases) {
        IO::Name name("old");
        EXPECT_EQ(IO::Location(c.path).GetLastLocalName(&name), c.error) << c.path;
        EXPECT_EQ(name.ToString(), c.name) << c.path;
        EXPECT_EQ(IO::RelativeLocation(c.path).GetLastName(&name), c.error) << c.path;
        EXPECT_EQ(name.ToString(), c.name) << c.path;
    }
    IO::Location folder("/tmp/out");
    EXPECT_EQ(folder.AppendToLocal(IO::Name("a b.xlsx")), NoError);
    EXPECT_EQ(PathOf(folder), "/tmp/out/a b.xlsx");
    EXPECT_EQ(folder.AppendToLocal(IO::Name("x/y")), APIERR_BADNAME);
    EXPECT_EQ(IO::Location("/").AppendToLocal(IO::Name("tmp")), NoError);
    EXPECT_EQ(IO::Location().GetLastLocalName(nullptr), APIERR_BADPARS);
}

TEST_F(FileLibraryTest, FilesAreCreatedEmptiedWrittenAndReadByteByByte) {
    const IO::Location location = At("lines.txt");
    IO::File missing(location);
    EXPECT_EQ(missing.GetStatus(), IO::NotFound);
    EXPECT_EQ(missing.Open(IO::File::ReadMode), IO::NotFound);
    {
        IO::File file(location, IO::File::Create);
        ASSERT_EQ(file.Open(IO::File::WriteEmptyMode, IO::File::FailOnAccessDenied), NoError);
        GS::USize written = 0;
        EXPECT_EQ(file.WriteBin("a\r\nb", 4, &written), NoError);
        EXPECT_EQ(written, 4u);
        EXPECT_EQ(file.ReadBin(nullptr, 1), IO::NotOpen);
    } // closed by the destructor
    IO::File file(location);
    ASSERT_EQ(file.Open(IO::File::ReadMode), NoError);
    std::string text;
    char byte = 0;
    GS::USize read = 0;
    while (file.ReadBin(&byte, 1, &read) == NoError)
        text += byte;
    EXPECT_EQ(text, "a\r\nb");
    EXPECT_EQ(file.ReadBin(&byte, 1, &read), IO::EndOfFile);
    EXPECT_EQ(read, 0u);
    EXPECT_EQ(file.WriteBin("x", 1), IO::NotOpen);
    EXPECT_EQ(file.Close(), NoError);
    EXPECT_EQ(file.Close(), IO::NotOpen);

    ASSERT_EQ(file.Open(static_cast<IO::File::OpenMode>(1)), IO::BadMode);
    IO::File again(location, IO::File::Create);
    ASSERT_EQ(again.Open(IO::File::WriteEmptyMode), NoError);
    again.Close();
    EXPECT_EQ(fs::file_size(root / "lines.txt"), 0u);
    EXPECT_EQ(IO::File(At("no/such/folder.txt"), IO::File::Create).GetStatus(), IO::NotFound);
    EXPECT_EQ(IO::File(IO::Location(GS::UniString::FromUtf8(root.string()))).GetStatus(), IO::NotFound);
}

// Records the walk as "D name" and "F name" lines; stops at the name given.
class WalkRecorder : public IO::TreeEnumerator {
  public:
    using TreeEnumerator::TreeEnumerator;
    std::vector<std::string> seen;
    std::string stopAt;

  protected:
    GSErrCode FileFound(const IO::Location&, const IO::Name& name) override { return Seen("F ", name); }
    GSErrCode FolderFound(const IO::Location&, const IO::Name& name) override { return Seen("D ", name); }

  private:
    GSErrCode Seen(const char* kind, const IO::Name& name) {
        seen.push_back(kind + name.ToString().ToUtf8());
        return name.ToString() == GS::UniString::FromUtf8(stopAt) ? 7 : NoError;
    }
};

TEST_F(FileLibraryTest, FoldersAreMadeDeletedAndWalkedDepthFirstInNameOrder) {
    IO::Folder folder(At("tree"), IO::Folder::Create);
    ASSERT_EQ(folder.GetStatus(), NoError);
    EXPECT_EQ(folder.CreateFolder(IO::Name("b")), NoError);
    EXPECT_EQ(folder.CreateFolder(IO::Name("b")), NoError);
    EXPECT_EQ(folder.CreateFolder(IO::Name("a")), NoError);
    EXPECT_EQ(IO::Folder(At("tree/b/inner"), IO::Folder::Create).GetStatus(), NoError);
    std::ofstream(root / "tree" / "c.txt") << "c";
    std::ofstream(root / "tree" / "b" / "file.txt") << "f";
    EXPECT_TRUE(folder.Contains(IO::Name("c.txt")));

    WalkRecorder walk(folder);
    EXPECT_EQ(walk.Do(), NoError);
    EXPECT_EQ(walk.seen, (std::vector<std::string>{"D a", "D b", "F file.txt", "D inner", "F c.txt"}));
    WalkRecorder stopped(folder);
    stopped.stopAt = "file.txt";
    EXPECT_EQ(stopped.Do(), 7);
    EXPECT_EQ(stopped.seen.size(), 3u);

    EXPECT_EQ(folder.Delete(IO::Name("b")), NoError);
    EXPECT_FALSE(folder.Contains(IO::Name("b")));
    EXPECT_EQ(folder.Delete(IO::Name("b")), IO::NotFound);
    const IO::Folder missing(At("missing"));
    EXPECT_EQ(missing.GetStatus(), IO::NotFound);
    WalkRecorder none(missing);
    EXPECT_EQ(none.Do(), IO::NotFound);
    EXPECT_TRUE(none.seen.empty());
}

TEST_F(DialogTest, InitAndEndOfTheFileLibraryAreCounted) {
    EXPECT_EQ(IO::Init(true, "", 1), NoError);
    EXPECT_EQ(IO::Init(true, "", 1), NoError);
    EXPECT_EQ(IOInitDepth(), 2);
    EXPECT_EQ(IO::End(), NoError);
    EXPECT_EQ(IO::End(), NoError);
    EXPECT_EQ(IO::End(), IO::GeneralError);
    EXPECT_EQ(IOInitDepth(), 0);
}

TEST_F(DialogTest, AlertsAreStillRecordedBesideTheDialogs) {
    OpenTestDialog();
    EXPECT_EQ(DGAlert(DG_ERROR, "Telvorm", "U moet een geldige bestandsnaam opgeven.", "", "Ok", "", ""), 1);
    ASSERT_EQ(Alerts().size(), 1u);
    EXPECT_EQ(Alerts()[0].type, -3);
    EXPECT_EQ(Alerts()[0].title, "Telvorm");
    EXPECT_EQ(Alerts()[0].text, "U moet een geldige bestandsnaam opgeven.");
    EXPECT_EQ(Alerts()[0].button1, "Ok");
    EXPECT_TRUE(DGIsDialogOpen(TestDialog));
}

} // namespace
