// This build's writer changes only the bytes of the one value (or adds the
// one line or section) and keeps every other byte of the file, where the
// Windows functions rewrite the whole file in their own form.
#include "platform/profile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "support/profile_files.h"
#include "support/temp_folder.h"

namespace fs = std::filesystem;

namespace {

struct ByteCase {
    const char* name;
    std::string before;
    std::string section;
    std::string key;
    std::string value;
    std::string after;
};

class WriteProfileBytes : public testing::TestWithParam<ByteCase> {};

TEST_P(WriteProfileBytes, ChangeOnlyTheValue)
{
    const ByteCase& c = GetParam();
    TempFolder folder;
    std::string path = folder.writeFile("case.ini", c.before);
    ASSERT_TRUE(platform::writeProfileString(path, c.section, c.key, c.value));
    EXPECT_EQ(fileBytes(path), c.after);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WriteProfileBytes,
    testing::Values(
        ByteCase{"blanksAroundKeyAndValueKept", "[s]\r\n  k  =  old  \r\n", "s", "k", "new",
                 "[s]\r\n  k  =  new  \r\n"},
        ByteCase{"quotesReplacedWithTheValue", "[s]\r\nk = \"old\"\r\n", "s", "k", "new", "[s]\r\nk = new\r\n"},
        ByteCase{"emptyValueFilled", "[s]\r\nk=\r\nj=1\r\n", "s", "k", "new", "[s]\r\nk=new\r\nj=1\r\n"},
        ByteCase{"blankValueFilledAfterEquals", "[s]\r\nk =  \r\n", "s", "k", "new", "[s]\r\nk =new  \r\n"},
        ByteCase{"keyWithoutEqualsKeepsItsBlanks", "[s]\r\n  k \r\n", "s", "k", "new", "[s]\r\n  k=new \r\n"},
        ByteCase{"headerWithBlanksKept", "  [ s ]  \r\nk=v\r\n", "s", "k", "new", "  [ s ]  \r\nk=new\r\n"},
        ByteCase{"commentsAndBlankLinesKept", "; top\r\n\r\n[s]\r\n; about k\r\nk=v\r\n\r\n[t]\r\nk=w\r\n", "s",
                 "k", "new", "; top\r\n\r\n[s]\r\n; about k\r\nk=new\r\n\r\n[t]\r\nk=w\r\n"},
        ByteCase{"lineFeedsKept", "[s]\nk=v\n[t]\nk=w\n", "s", "k", "new", "[s]\nk=new\n[t]\nk=w\n"},
        ByteCase{"valueWrittenAsGiven", "[s]\r\n", "s", "k", " \"a b\" ", "[s]\r\nk= \"a b\" \r\n"},
        ByteCase{"keyAddedBeforeBlankLines", "[s]\r\nk=v\r\n\r\n\r\n[t]\r\n", "s", "j", "new",
                 "[s]\r\nk=v\r\nj=new\r\n\r\n\r\n[t]\r\n"},
        ByteCase{"keyAddedAfterTheSectionsLastLine", "[s]\r\nk=v\r\n; about t\r\n[t]\r\n", "s", "j", "new",
                 "[s]\r\nk=v\r\n; about t\r\nj=new\r\n[t]\r\n"},
        ByteCase{"keyAddedWithTheFilesLineFeeds", "[s]\nk=v\n\n[t]\n", "s", "j", "new",
                 "[s]\nk=v\nj=new\n\n[t]\n"},
        ByteCase{"keyAddedAfterLastLineWithoutLineEnd", "[s]\nk=v", "s", "j", "new", "[s]\nk=v\nj=new\n"},
        ByteCase{"keyAddedWithTheFilesCarriageReturns", "[s]\rk=v\r[t]\r", "s", "j", "new",
                 "[s]\rk=v\rj=new\r[t]\r"},
        ByteCase{"sectionAddedWithTheFilesLineFeeds", "[s]\nk=v\n\n", "t", "j", "new", "[s]\nk=v\n\n[t]\nj=new\n"},
        ByteCase{"sectionAddedAfterBlankLastLine", "[s]\r\nk=v\r\n  ", "t", "j", "new",
                 "[s]\r\nk=v\r\n  \r\n[t]\r\nj=new\r\n"},
        ByteCase{"linesBeforeFirstHeaderKept", "k=1\n\n[s]\nj=2\n", "s", "k", "new", "k=1\n\n[s]\nj=2\nk=new\n"},
        ByteCase{"utf16LineFeedsKept", utf16File(u"[s]\n k = v \n\n[t]\n"), "s", "j", "new",
                 utf16File(u"[s]\n k = v \nj=new\n\n[t]\n")},
        ByteCase{"utf16OddLastByteKept", utf16File(u"[s]\r\nk=v\r\n") + "\x01", "s", "k", "new",
                 utf16File(u"[s]\r\nk=new\r\n") + "\x01"},
        ByteCase{"utf16NonAsciiValueWritten", utf16File(u"[s]\r\nk=v\r\n"), "s", "k", "caf\xC3\xA9",
                 utf16File(u"[s]\r\nk=caf\u00E9\r\n")}),
    [](const testing::TestParamInfo<ByteCase>& info) { return std::string(info.param.name); });

class WriteProfileFile : public testing::Test {
protected:
    TempFolder folder;
    std::string path = folder.writeFile("case.ini", "[s]\nk=v\n");
};

TEST_F(WriteProfileFile, LeavesNoTemporaryFileBehind)
{
    ASSERT_TRUE(platform::writeProfileString(path, "s", "k", "new"));
    ASSERT_TRUE(platform::writeProfileString(folder.file("new.ini"), "s", "k", "new"));
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder.path())) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"case.ini", "new.ini"}));
}

TEST_F(WriteProfileFile, KeepsTheFilesPermissions)
{
    ASSERT_EQ(chmod(path.c_str(), 0640), 0);
    ASSERT_TRUE(platform::writeProfileString(path, "s", "k", "new"));
    struct stat status;
    ASSERT_EQ(stat(path.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0640u);
}

TEST_F(WriteProfileFile, GivesANewFileTheDefaultPermissions)
{
    mode_t mask = umask(022);
    umask(mask);
    std::string created = folder.file("new.ini");
    ASSERT_TRUE(platform::writeProfileString(created, "s", "k", "new"));
    struct stat status;
    ASSERT_EQ(stat(created.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0666u & ~mask);
}

TEST_F(WriteProfileFile, WritesThroughASymbolicLink)
{
    std::string link = folder.file("link.ini");
    ASSERT_EQ(symlink(path.c_str(), link.c_str()), 0);
    ASSERT_TRUE(platform::writeProfileString(link, "s", "k", "new"));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(fileBytes(path), "[s]\nk=new\n");
}

TEST_F(WriteProfileFile, ReadOnlyFileStaysAsItWas)
{
    if (geteuid() == 0) {
        GTEST_SKIP() << "the superuser may write any file";
    }
    ASSERT_EQ(chmod(path.c_str(), 0444), 0);
    EXPECT_FALSE(platform::writeProfileString(path, "s", "k", "new"));
    EXPECT_EQ(fileBytes(path), "[s]\nk=v\n");
}

TEST_F(WriteProfileFile, UnreadableFileIsNotReplaced)
{
    if (geteuid() == 0) {
        GTEST_SKIP() << "the superuser may read any file";
    }
    ASSERT_EQ(chmod(path.c_str(), 0200), 0);
    EXPECT_FALSE(platform::writeProfileString(path, "s", "j", "new"));
    chmod(path.c_str(), 0644);
    EXPECT_EQ(fileBytes(path), "[s]\nk=v\n");
}

TEST_F(WriteProfileFile, FolderThatTakesNoNewFileLeavesTheFileWhole)
{
    if (geteuid() == 0) {
        GTEST_SKIP() << "the superuser may write in any folder";
    }
    ASSERT_EQ(chmod(folder.path().c_str(), 0555), 0);
    EXPECT_FALSE(platform::writeProfileString(path, "s", "k", "new"));
    chmod(folder.path().c_str(), 0755);
    EXPECT_EQ(fileBytes(path), "[s]\nk=v\n");
}

}  // namespace
