#include "core/common/Errors.h"
#include "core/common/Files.h"
#include "support/TempDir.h"
#include "support/Unprivileged.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace tav {
namespace {

using test::RunUnprivileged;
using test::TempDir;

TEST(Files, SplitLinesAcceptsEveryLineEnd)
{
    struct Case
    {
        std::string text;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb", {"a", "b"}},
        {"a\rb\r", {"a", "b"}},
        {"a\n\nb\n", {"a", "", "b"}},
        {"\n", {""}},
        {"", {}},
        {"a\r\n\r\n", {"a", ""}},
        {std::string("x\0y\n", 4), {std::string("x\0y", 3)}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SplitLines(c.text), c.expected);
}

TEST(LineList, HeaderDropAndAppendKeepLinesApart)
{
    LineList list = LineList::FromText("header|\r\nA|1|\r\nB|2|");
    list.EraseFirst();
    list.push_back("C|3|");
    EXPECT_EQ(list.ToVector(), (std::vector<std::string>{"A|1|", "B|2|", "C|3|"}));
    EXPECT_EQ(list[1], "B|2|");
    EXPECT_EQ(std::vector<std::string>(list.begin() + 1, list.end()), (std::vector<std::string>{"B|2|", "C|3|"}));
    EXPECT_TRUE(list == (LineList{"A|1|", "B|2|", "C|3|"}));
    LineList empty;
    empty.EraseFirst();
    EXPECT_TRUE(empty.empty());
}

TEST(Files, ResolveIgnoresCase)
{
    TempDir dir;
    dir.Write("M_lom.dat", "x");
    EXPECT_EQ(ResolveFile(dir.File("M_Lom.dat")), dir.File("M_lom.dat"));
    EXPECT_EQ(ResolveFile(dir.File("m_lom.DAT")), dir.File("M_lom.dat"));
    EXPECT_FALSE(ResolveFile(dir.File("M_lom.da")));
    EXPECT_FALSE(ResolveFile(dir.File("nothere/M_lom.dat")));
    dir.Write("sub/file.txt", "x");
    EXPECT_FALSE(ResolveFile(dir.File("SUB"))) << "a folder is not a file";
}

TEST(Files, AtomicWriteKeepsPermissionsAndReplacesWhole)
{
    TempDir dir;
    const std::string path = dir.Write("data.txt", "old old old old");
    ::chmod(path.c_str(), 0640);
    WriteFileAtomic(path, "new");
    EXPECT_EQ(dir.Read("data.txt"), "new");
    struct stat st
    {
    };
    ::stat(path.c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_THROW(WriteFileAtomic(dir.File("no-such-folder/x.txt"), "x"), IoError);
}

size_t EntriesIn(const std::string& folder)
{
    size_t n = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(folder))
        ++n;
    return n;
}

TEST(Files, AtomicWriteGoesThroughSymbolicLinks)
{
    struct Case
    {
        const char* what;
        const char* link; // what the link in prog/ says; "@" stands for the temporary folder
        bool targetExists;
        bool chained; // prog/settings.dat -> prog/hop.dat -> the target
    };
    const Case cases[] = {
        {"relative link into another folder", "../real/settings.dat", true, false},
        {"absolute link", "@real/settings.dat", true, false},
        {"chain of links", "../real/settings.dat", true, true},
        {"link whose target is not there yet", "../real/settings.dat", false, false},
    };
    for (const auto& c : cases) {
        TempDir dir;
        std::filesystem::create_directories(dir.File("prog"));
        if (c.targetExists)
            dir.Write("real/settings.dat", "old");
        else
            std::filesystem::create_directories(dir.File("real"));
        std::string linkText = c.link;
        if (linkText[0] == '@')
            linkText = dir.Path() + linkText.substr(1);
        const std::string link = dir.File("prog/settings.dat");
        if (c.chained) {
            std::filesystem::create_symlink(linkText, dir.File("prog/hop.dat"));
            std::filesystem::create_symlink("hop.dat", link);
        } else {
            std::filesystem::create_symlink(linkText, link);
        }

        // The name is matched without regard to case where it names something to write through.
        WriteFileAtomic(dir.File(c.targetExists ? "prog/Settings.DAT" : "prog/settings.dat"), "new");

        EXPECT_TRUE(std::filesystem::is_symlink(link)) << c.what;
        EXPECT_EQ(std::filesystem::read_symlink(link).string(), c.chained ? "hop.dat" : linkText) << c.what;
        EXPECT_EQ(dir.Read("real/settings.dat"), "new") << c.what;
        EXPECT_EQ(dir.Read("prog/settings.dat"), "new") << c.what;
        EXPECT_EQ(EntriesIn(dir.File("real")), 1u) << c.what << ": no temporary file is left behind";
        EXPECT_EQ(EntriesIn(dir.File("prog")), c.chained ? 2u : 1u) << c.what;
    }
    TempDir dir;
    std::filesystem::create_symlink("loop.dat", dir.File("loop.dat"));
    EXPECT_THROW(WriteFileAtomic(dir.File("loop.dat"), "x"), IoError);
}

// A program folder the user may not write, holding a settings file the user may.
TEST(Files, ReadOnlyFolderRewritesAWritableFileInPlace)
{
    RunUnprivileged([] {
        struct Case
        {
            const char* before;
            const char* after;
        };
        const Case cases[] = {
            {"[General]\r\nSelectCable=1\r\n", "[General]\r\nSelectCable=0\r\nSelectCableName=KF12-50-C9\r\n"},
            {"a much longer old content than the new one", "short"},
            {"something", ""},
        };
        for (const auto& c : cases) {
            TempDir dir;
            const std::string path = dir.Write("settings.dat", c.before);
            ::chmod(path.c_str(), 0640);
            ::chmod(dir.Path().c_str(), 0555);
            WriteFileAtomic(path, c.after);
            EXPECT_EQ(dir.Read("settings.dat"), c.after);
            struct stat st
            {
            };
            ::stat(path.c_str(), &st);
            EXPECT_EQ(st.st_mode & 07777, 0640u);
            EXPECT_EQ(EntriesIn(dir.Path()), 1u);
        }

        // Neither the folder nor the file writable: the error names the file, nothing changes.
        TempDir dir;
        const std::string path = dir.Write("settings.dat", "old");
        ::chmod(path.c_str(), 0444);
        ::chmod(dir.Path().c_str(), 0555);
        std::string message;
        try {
            WriteFileAtomic(path, "new");
        } catch (const IoError& e) {
            message = e.what();
        }
        EXPECT_NE(message.find("settings.dat"), std::string::npos) << message;
        EXPECT_NE(message.find("Permission denied"), std::string::npos) << message;
        EXPECT_EQ(dir.Read("settings.dat"), "old");
        EXPECT_THROW(WriteFileAtomic(dir.File("new.dat"), "x"), IoError) << "a new file needs the folder";

        // A read-only file in a writable folder is not replaced either.
        TempDir open;
        const std::string locked = open.Write("settings.dat", "old");
        ::chmod(locked.c_str(), 0444);
        EXPECT_THROW(WriteFileAtomic(locked, "new"), IoError);
        EXPECT_EQ(open.Read("settings.dat"), "old");
        EXPECT_EQ(EntriesIn(open.Path()), 1u);
    });
}

// Where the temporary file cannot take the target's place, the target is rewritten.
TEST(Files, NoRoomForATemporaryFileRewritesInPlace)
{
    // A name that fits the folder, with no room left for the temporary suffix.
    TempDir dir;
    const std::string name(250, 'n');
    dir.Write(name, "old content");
    WriteFileAtomic(dir.File(name), "new");
    EXPECT_EQ(dir.Read(name), "new");
    EXPECT_EQ(EntriesIn(dir.Path()), 1u);

    // A sticky folder refuses to rename over another user's file that the user may write.
    if (::geteuid() != 0)
        GTEST_SKIP() << "a file of another user needs root to set up";
    TempDir shared;
    ::chmod(shared.Path().c_str(), 01777);
    const std::string path = shared.Write("settings.dat", "[Hoist]\r\nSpacing=150\r\n");
    ::chmod(path.c_str(), 0666);
    RunUnprivileged([&path, &shared] {
        WriteFileAtomic(path, "[Hoist]\r\nSpacing=90\r\n");
        EXPECT_EQ(shared.Read("settings.dat"), "[Hoist]\r\nSpacing=90\r\n");
        EXPECT_EQ(EntriesIn(shared.Path()), 1u) << "no temporary file is left behind";
    });
    struct stat st
    {
    };
    ::stat(path.c_str(), &st);
    EXPECT_EQ(st.st_uid, 0u) << "still the other user's file";
}

TEST(Files, AtomicWriteKeepsOwnerAndGroup)
{
    TempDir dir;
    const std::string path = dir.Write("settings.dat", "old");
    uid_t owner = ::geteuid();
    gid_t group = ::getegid();
    if (owner == 0) {
        owner = 65534;
        group = 65534;
    } else {
        // Without root only the group can be handed on, and only to a group we are in.
        std::vector<gid_t> groups(static_cast<size_t>(::getgroups(0, nullptr)));
        groups.resize(static_cast<size_t>(::getgroups(static_cast<int>(groups.size()), groups.data())));
        for (gid_t g : groups)
            if (g != group) {
                group = g;
                break;
            }
        if (group == ::getegid())
            GTEST_SKIP() << "this user belongs to one group only";
    }
    ASSERT_EQ(::chown(path.c_str(), owner, group), 0);
    ::chmod(path.c_str(), 0664);
    WriteFileAtomic(path, "new");
    struct stat st
    {
    };
    ::stat(path.c_str(), &st);
    EXPECT_EQ(dir.Read("settings.dat"), "new");
    EXPECT_EQ(st.st_uid, owner);
    EXPECT_EQ(st.st_gid, group);
    EXPECT_EQ(st.st_mode & 07777, 0664u);
}

} // namespace
} // namespace tav
