// The program's paths are Windows-1252 text. Windows names files in UTF-16, so
// there each path is converted with that code page; elsewhere its bytes are the
// name. Either way a file saved under a name with the euro sign or an umlaut is
// found again under that name, by the loader and by the system.
#include "app/paths.h"
#include "documents/Ftnfco.h"
#include "documents/file_io.h"
#include "documents/loading.h"
#include "documents/saving.h"
#include "documents_fixture.h"
#include "text/cp1252.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#ifdef _WIN32
#include <cerrno>
#include <chrono>
#include <thread>
#include <windows.h>
#endif

namespace {

TEST(Cp1252Wide, everyByteComesBackAndForeignCharactersAreRefused) {
    std::string all;
    for (int byte = 1; byte < 256; ++byte)
        all += static_cast<char>(byte);
    const std::wstring wide = Cp1252ToWide(all);
    EXPECT_EQ(wide[0x80 - 1], L'\x20AC');
    EXPECT_EQ(wide[0x9A - 1], L'\x0161');
    EXPECT_EQ(wide[0xDC - 1], L'\x00DC');
    std::string back;
    EXPECT_TRUE(WideToCp1252(wide, back));
    EXPECT_EQ(back, all);

    EXPECT_FALSE(WideToCp1252(L"a\x4E2D"
                              L"b",
                              back));
    EXPECT_EQ(back, "a?b");
}

class NativePathsTest : public DocumentsTest {};

TEST_F(NativePathsTest, aNameOutsideAsciiNamesTheSameFileForTheProgramAndTheSystem) {
    // The euro sign and s with caron lie where Latin-1 has control characters:
    // a conversion as Latin-1 would name other files.
    for (const std::string name : {"\x80URO.INI",
                                   "\xDC"
                                   "BERSETZUNG.INI",
                                   "\x9A"
                                   "KODA.MNU"}) {
        SCOPED_TRACE(name);
        SetPaneText(TranslationPane, "[A]\r\nX=1\r\n");
        ASSERT_TRUE(WriteTranslation(name).Saved());
#ifdef _WIN32
        const std::filesystem::path system = Cp1252ToWide(name);
#else
        const std::filesystem::path system = name;
#endif
        EXPECT_EQ(ReadFile(Directory() / system), "[A]\r\nX=1\r\n");
        appState.modified = 0;
        const LoadOutcome loaded = LoadTranslationFrom(name);
        EXPECT_TRUE(loaded.Whole()) << ReasonOf(loaded);

        const std::string copy = name.substr(0, name.size() - 3) + "bak";
        std::int16_t status = -1;
        ftnfco(status, name.c_str(), static_cast<int>(name.size()), copy.c_str(),
               static_cast<int>(copy.size()));
        EXPECT_EQ(status, 0);
        EXPECT_TRUE(SameFile(name, "./" + name));
        std::string listed;
        ASSERT_TRUE(ProgramPath(NativePath(name), listed));
        EXPECT_EQ(listed, name);
    }
}

#ifdef _WIN32
// A file that another program holds open without sharing it cannot be replaced;
// a scanner that lets go of it soon does not make the save fail.
TEST_F(NativePathsTest, windowsFileCallsReportTheCauseAndWaitForAFileHeldForAMoment) {
    EXPECT_EQ(RemoveFile("NOFILE.INI"), ENOENT);
    EXPECT_TRUE(NamesNothing(RemoveFile("NOFILE.INI")));
    EXPECT_EQ(RenameFile("NOFILE.INI", "OTHER.INI"), ENOENT);

    const auto holdUnshared = [this](const char* name) {
        return ::CreateFileW((Directory() / name).wstring().c_str(), GENERIC_READ, 0, nullptr,
                             OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    };
    WriteFile(Directory() / "NEW.TMP", "new");
    WriteFile(Directory() / "DIALOG.INI", "old");
    HANDLE held = holdUnshared("DIALOG.INI");
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_EQ(RenameFile("NEW.TMP", "DIALOG.INI"), EACCES);
    EXPECT_TRUE(std::filesystem::exists(Directory() / "NEW.TMP"));

    std::thread letGo([held] {
        std::this_thread::sleep_for(std::chrono::milliseconds(120));
        ::CloseHandle(held);
    });
    EXPECT_EQ(RenameFile("NEW.TMP", "DIALOG.INI"), 0);
    letGo.join();
    EXPECT_EQ(ReadFile(Directory() / "DIALOG.INI"), "new");
    EXPECT_FALSE(std::filesystem::exists(Directory() / "NEW.TMP"));
}

// A path with backslashes names its folder: a new file in a folder that is not
// there cannot be opened (staged in the working folder, it failed only at the
// rename), and a file in another folder is written there, nothing left behind.
TEST_F(NativePathsTest, aSaveThroughABackslashPathWritesInThatFolder) {
    std::string folder;
    ASSERT_TRUE(ProgramPath(Directory(), folder));
    for (char& c : folder)
        if (c == '/') c = '\\';
    std::filesystem::create_directory(Directory() / "SUB");
    SetPaneText(TranslationPane, "[A]\r\nX=1\r\n");
    EXPECT_EQ(WriteTranslation(folder + "\\NOFOLDER\\X.INI").result, SaveResult::CannotOpen);
    EXPECT_TRUE(WriteTranslation(folder + "\\SUB\\DIALOG.INI").Saved());
    EXPECT_EQ(ReadFile(Directory() / "SUB" / "DIALOG.INI"), "[A]\r\nX=1\r\n");
    std::size_t names = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(Directory())) {
        (void)entry;
        ++names;
    }
    EXPECT_EQ(names, 2u); // SUB and SUB\DIALOG.INI
}

// NUL.INI is the null device on Windows, whatever the folder and the case: a save
// there would report success and keep nothing.
TEST_F(NativePathsTest, aDeviceNameIsNoFileToSaveTo) {
    SetPaneText(TranslationPane, "[A]\r\nX=1\r\n");
    for (const char* name : {"NUL.INI", "con.ini", "./COM1.MNU", "LPT9"})
        EXPECT_EQ(WriteTranslation(name).result, SaveResult::NotRegularFile) << name;
}
#endif

TEST(PathSeparators, windowsTakesEitherSeparatorAndOthersOnlyTheirOwn) {
    EXPECT_TRUE(IsPathSeparator('/'));
#ifdef _WIN32
    EXPECT_TRUE(IsPathSeparator('\\'));
#else
    EXPECT_FALSE(IsPathSeparator('\\'));
#endif
    EXPECT_FALSE(IsPathSeparator(':'));
}

// The folder a file is written in: its temporary file is staged there, so a
// wrong folder would put it on another drive, from which no rename works.
TEST(PathSeparators, theFolderOfAPathIsWhereItsLastNameLies) {
    struct Case {
        const char* path;
        const char* folder;
    };
    const Case cases[] = {
        {"DIALOG.INI", "."},
        {"en/DIALOG.INI", "en"},
        {"/DIALOG.INI", "/"},
        {"/a/b/", "/a/b"},
        {"a:b/C.INI", "a:b"},
#ifdef _WIN32
        {"C:\\DATA\\EN\\DIALOG.INI", "C:\\DATA\\EN"},
        {"C:\\DIALOG.INI", "C:\\"},
        {"C:DIALOG.INI", "C:"},
        {"D:/EN/DIALOG.INI", "D:/EN"},
        {"\\\\SERVER\\SHARE\\DIALOG.INI", "\\\\SERVER\\SHARE"},
        {"\\DIALOG.INI", "\\"},
#else
        {"C:DIALOG.INI", "."}, {"C:\\DATA\\DIALOG.INI", "."},
#endif
    };
    for (const Case& c : cases)
        EXPECT_EQ(FolderOf(c.path), c.folder) << c.path;
}

} // namespace
