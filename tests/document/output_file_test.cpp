#include "document/config_lines.h"
#include "document/cp1251.h"
#include "document/errors.h"
#include "document/output_file.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using namespace brimvale;
using brimvale::testing::readFile;
using brimvale::testing::TempWorkingDir;
using brimvale::testing::writeFile;

std::string expectedText(const ConfigLines& lines)
{
    std::string text;
    for (int i = 0; i < lines.count(); ++i)
        text += lines.at(i) + "\r\n";
    return text;
}

std::vector<std::string> entries(const fs::path& dir)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

fs::perms permsOf(const fs::path& file)
{
    return fs::status(file).permissions() & fs::perms::mask;
}

template <typename Error>
std::string messageOf(const ConfigLines& lines)
{
    try {
        writeOutputFile(lines);
    } catch (const Error& e) {
        return e.what();
    }
    return "no error";
}

class OutputFileTest : public ::testing::Test {
protected:
    void SetUp() override { lines.fill(); }
    fs::path output() const { return dir.file("eggdrop.conf"); }

    ConfigLines lines;
    TempWorkingDir dir;
};

TEST_F(OutputFileTest, UneditedFileHasTheKnownShape)
{
    writeOutputFile(lines);
    const std::string text = readFile(output());

    ASSERT_EQ(text.size(), 19474u);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\r'), 648);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 648);
    EXPECT_EQ(text.rfind("#! /path/to/executable/eggdrop\r\n", 0), 0u) << "no byte-order mark or header";
    EXPECT_TRUE(text.ends_with("\r\nloadhelp userinfo.help\r\n"));
    const std::string line8 = "\x73\x65\x74\x20\x75\x73\x65\x72\x6E\x61\x6D\x65\x20\x22\xC8\xE4\xE5\xED\xF2\x22\r\n";
    EXPECT_EQ(text.substr(205, line8.size()), line8);
    EXPECT_EQ(text, expectedText(lines));
    EXPECT_EQ(entries(dir.path()), std::vector<std::string>{"eggdrop.conf"}) << "no temporary file left";
}

TEST_F(OutputFileTest, EditedLinesReachTheFileByteForByte)
{
    lines.replace(8, "");
    lines.replace(9, cp1251::fromUtf8("set admin \"Вася <email: вася@пример.рф>\""));
    lines.replace(10, "  spaces kept  ");
    lines.replace(647, "%d $owner \\n");
    writeOutputFile(lines);

    const std::string text = readFile(output());
    EXPECT_EQ(text, expectedText(lines));
    std::size_t lengths = 0;
    for (int i = 0; i < lines.count(); ++i)
        lengths += lines.at(i).size();
    EXPECT_EQ(text.size(), lengths + 1296);
    EXPECT_NE(text.find("\r\n\r\nset admin \"\xC2\xE0\xF1\xFF <email: \xE2\xE0\xF1\xFF@"), std::string::npos)
        << "the emptied line 8 is CR LF alone, and Cyrillic is one byte a letter";
}

TEST_F(OutputFileTest, ReplacesALongerOldFileWhole)
{
    writeFile(output(), std::string(100000, 'x'));
    writeOutputFile(lines);
    EXPECT_EQ(readFile(output()), expectedText(lines));
}

TEST_F(OutputFileTest, SecondWriteReplacesTheFirst)
{
    writeOutputFile(lines);
    lines.replace(102, "listen 4444 all");
    writeOutputFile(lines);
    EXPECT_EQ(readFile(output()), expectedText(lines));
    EXPECT_EQ(entries(dir.path()), std::vector<std::string>{"eggdrop.conf"});
}

TEST_F(OutputFileTest, KeepsThePermissionsOfAnExistingFile)
{
    writeFile(output(), "old");
    fs::permissions(output(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    writeOutputFile(lines);
    EXPECT_EQ(permsOf(output()), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(OutputFileTest, NewFileGetsTheOrdinaryDefaultPermissions)
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    writeOutputFile(lines);
    EXPECT_EQ(static_cast<unsigned>(permsOf(output())), 0666u & ~static_cast<unsigned>(mask));
}

TEST_F(OutputFileTest, WritesThroughASymbolicLinkAndKeepsTheLink)
{
    fs::create_directory(dir.file("real"));
    writeFile(dir.file("real/bot.conf"), "old");
    fs::create_symlink("real/bot.conf", output());

    writeOutputFile(lines);

    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(output())));
    EXPECT_EQ(fs::read_symlink(output()), fs::path("real/bot.conf"));
    EXPECT_EQ(readFile(dir.file("real/bot.conf")), expectedText(lines));
}

// Each case leaves the directory in a state where eggdrop.conf cannot be
// written; the old file, if any, must come through unchanged.
struct RefusalCase {
    const char* name;
    void (*prepare)(const fs::path& dir);
    bool hasOldFile;
};

const std::string kOldText = "old configuration\r\n";

class RefusedWrite : public OutputFileTest, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(RefusedWrite, CannotCreateFileAndNothingChanges)
{
    GetParam().prepare(dir.path());
    const ConfigLines before = lines;

    EXPECT_EQ(messageOf<EFCreateError>(lines), "Cannot create file eggdrop.conf");

    if (GetParam().hasOldFile) {
        fs::permissions(output(), fs::perms::owner_read, fs::perm_options::add);
        EXPECT_EQ(readFile(output()), kOldText);
    }
    for (int i = 0; i < lines.count(); ++i)
        ASSERT_EQ(lines.at(i), before.at(i));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RefusedWrite,
    ::testing::Values(
        // Refused by its mode, for root too, as a read-only file is on Windows.
        RefusalCase{"ReadOnlyFile",
                    [](const fs::path& d) {
                        writeFile(d / "eggdrop.conf", kOldText);
                        fs::permissions(d / "eggdrop.conf", fs::perms::owner_read | fs::perms::group_read);
                    },
                    true},
        RefusalCase{"ReadOnlyFileBehindALink",
                    [](const fs::path& d) {
                        writeFile(d / "target", kOldText);
                        fs::permissions(d / "target", fs::perms::owner_read);
                        fs::create_symlink("target", d / "eggdrop.conf");
                    },
                    true},
        RefusalCase{"DirectoryOfThatName",
                    [](const fs::path& d) { fs::create_directory(d / "eggdrop.conf"); },
                    false}),
    [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST_F(OutputFileTest, RefusedWhereTheDirectoryIsGone)
{
    // A working directory that was removed under the program takes no new
    // file, whoever runs it.
    const fs::path gone = dir.file("gone");
    fs::create_directory(gone);
    brimvale::testing::ScopedWorkingDirectory inside(gone);
    fs::remove(gone);
    EXPECT_EQ(messageOf<EFCreateError>(lines), "Cannot create file eggdrop.conf");
}

// Runs in a child process: drops root's rights (root may create files in
// any directory), then writes and exits 0 when the write was refused with
// the expected message.
[[noreturn]] void writeWithoutPrivileges(const ConfigLines& lines)
{
    if (::geteuid() == 0) {
        constexpr uid_t nobody = 65534;
        if (::setgid(nobody) != 0 || ::setuid(nobody) != 0)
            std::_Exit(2);
    }
    std::_Exit(messageOf<EFCreateError>(lines) == "Cannot create file eggdrop.conf" ? 0 : 1);
}

TEST_F(OutputFileTest, RefusedWhereTheDirectoryTakesNoNewFile)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const fs::path locked = dir.file("locked");
    fs::create_directory(locked);
    fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
    brimvale::testing::ScopedWorkingDirectory inside(locked);

    EXPECT_EXIT(writeWithoutPrivileges(lines), ::testing::ExitedWithCode(0), "");
    EXPECT_TRUE(entries(locked).empty());
}

// Runs in a child process: writes with the file size limited to `limit`
// bytes and exits 0 when the write failed with the expected error.
[[noreturn]] void writeUnderFileSizeLimit(const ConfigLines& lines, rlim_t limit)
{
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit fileSize{limit, limit};
    ::setrlimit(RLIMIT_FSIZE, &fileSize);
    const std::string message = messageOf<EWriteError>(lines);
    std::_Exit(message == "Stream write error" ? 0 : 1);
}

// A write that the system stops part of the way: a file-size limit below
// the text's size, in a child process so the limit stays there.
TEST_F(OutputFileTest, FailedWriteKeepsTheOldFileWhole)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    writeFile(output(), kOldText);
    EXPECT_EXIT(writeUnderFileSizeLimit(lines, 4096), ::testing::ExitedWithCode(0), "");

    EXPECT_EQ(readFile(output()), kOldText);
    EXPECT_EQ(entries(dir.path()), std::vector<std::string>{"eggdrop.conf"}) << "the partial file is removed";
}

} // namespace
