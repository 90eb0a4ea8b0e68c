#include "core/common/Files.h"

#include "core/common/Errors.h"
#include "core/materials/PriceList.h"
#include "support/TempDir.h"
#include "support/Unprivileged.h"

#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
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
        {"\xEF\xBB\xBF[General]\r\nx", {"[General]", "x"}},
        {"\xEF\xBB\xBF", {}},
        {"a\r\n\xEF\xBB\xBF", {"a", "\xEF\xBB\xBF"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SplitLines(c.text), c.expected);
}

// A file is split as its bytes arrive, a stretch at a time: a line or a CR LF that a
// stretch cuts in two is still one line.
TEST(Files, LinesReadFromAFileAreTheLinesOfItsText)
{
    TempDir dir;
    for (const std::string brk : {"\r\n", "\r", "\n", "\r\r\n"})
        for (size_t before = kReadStretch - 3; before <= kReadStretch + 1; ++before) {
            const std::string text = std::string(before, 'a') + brk + "b" + brk + std::string(kReadStretch, 'c');
            EXPECT_TRUE(ReadLineList(dir.Write("lines.dat", text)) == LineList::FromText(text))
                << brk.size() << "-byte line end after " << before << " bytes";
        }

    // A big file is read on a thread of its own while its lines are split and indexed as the
    // bytes come in. Lines of 63 bytes put a CR LF across some stretch boundary; the last line
    // is there too.
    std::string big;
    char line[64];
    size_t count = 0;
    while (big.size() < (size_t{33} << 20)) {
        std::snprintf(line, sizeof line, "P|G|PN-%09zu|EA|Part|1.00|%031d\r\n", count++, 0);
        big += line;
    }
    ASSERT_EQ(big.size() % 63, 0u);
    const std::string path = dir.Write("M_lom.dat", big);
    EXPECT_TRUE(ReadLineList(path) == LineList::FromText(big));
    const LoadedPriceList prices = LoadPriceList(path);
    EXPECT_EQ(prices.lines.size(), count);
    std::snprintf(line, sizeof line, "PN-%09zu", count - 1);
    EXPECT_EQ(prices.index.Find(prices.lines, line), count - 1);
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

    // A line ends where the break before the next begins: every kind of break, empty lines,
    // and lines pushed after a text with or without its last break, one ending in a CR.
    const struct
    {
        std::string text;
        std::vector<std::string> pushed, expected;
    } cases[] = {
        {"\nb", {}, {"", "b"}},         {"a\r\r\nb\r\n\r\n", {"z"}, {"a", "", "b", "", "z"}},
        {"a\n", {"b"}, {"a", "b"}},     {"a", {"b\r", "", "c\r\n"}, {"a", "b\r", "", "c\r\n"}},
        {"\xEF\xBB\xBF", {"x"}, {"x"}},
    };
    for (const auto& c : cases) {
        LineList lines = LineList::FromText(c.text);
        for (const std::string& p : c.pushed)
            lines.push_back(p);
        EXPECT_EQ(lines.ToVector(), c.expected) << c.text;
    }
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
    // A name that fills the folder entry: its temporary file gets a shortened name.
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

// A target that is no regular file is written into as it is, never replaced by one.
TEST(Files, SpecialTargetsAreWrittenIntoNeverReplaced)
{
    TempDir dir;
    const std::string fifo = dir.File("fifo");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::filesystem::create_symlink("fifo", dir.File("Accessories.lom"));
    int pipeEnds[2];
    ASSERT_EQ(::pipe(pipeEnds), 0);
    // A program reads the FIFO (here: this test, whose end is open before the write), and
    // standard output may be a pipe that only its /proc name reaches.
    const int fifoReader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
    const std::pair<std::string, int> readers[] = {
        {dir.File("Accessories.lom"), fifoReader},
        {"/proc/self/fd/" + std::to_string(pipeEnds[1]), pipeEnds[0]},
    };
    for (const auto& [name, reader] : readers) {
        WriteFileAtomic(name, "last order");
        char got[32] = {};
        EXPECT_EQ(::read(reader, got, sizeof got), 10) << name;
        EXPECT_STREQ(got, "last order") << name;
    }
    EXPECT_TRUE(std::filesystem::is_fifo(fifo));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.File("Accessories.lom")));
    for (const int fd : {fifoReader, pipeEnds[0], pipeEnds[1]})
        ::close(fd);

    struct Case
    {
        const char* what;
        std::string path;
        const char* message;
    };
    ::sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string socketPath = dir.File("socket");
    std::snprintf(address.sun_path, sizeof address.sun_path, "%s", socketPath.c_str());
    const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_EQ(::bind(sock, reinterpret_cast<const ::sockaddr*>(&address), sizeof address), 0);
    std::filesystem::create_directories(dir.File("folder"));
    const Case cases[] = {
        {"a FIFO without a reader", fifo, "no program reads from it"},
        {"a socket", socketPath, "is a socket"},
        {"a folder", dir.File("folder"), "Is a directory"},
    };
    for (const auto& c : cases) {
        const auto type = std::filesystem::status(c.path).type();
        try {
            WriteFileAtomic(c.path, "x");
            ADD_FAILURE() << c.what;
        } catch (const IoError& e) {
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << c.what << ": " << e.what();
        }
        EXPECT_EQ(std::filesystem::status(c.path).type(), type) << c.what;
    }
    ::close(sock);

    // A device stays one; root may make a null device of its own to try.
    const std::string null = dir.File("null");
    if (::mknod(null.c_str(), S_IFCHR | 0600, ::makedev(1, 3)) != 0)
        GTEST_SKIP() << "no device can be made here";
    WriteFileAtomic(null, "gone");
    EXPECT_TRUE(std::filesystem::is_character_file(null));
}

TEST(Files, ReadingNeitherHangsNorFillsTheMemory)
{
    TempDir dir;
    const std::string fifo = dir.File("fifo.tvr");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(ReadFileBytes(fifo), "") << "no writer: empty at once";
    int pipeEnds[2];
    ASSERT_EQ(::pipe(pipeEnds), 0);
    ASSERT_EQ(::write(pipeEnds[1], "[Other]\r\n", 9), 9);
    ::close(pipeEnds[1]);
    EXPECT_EQ(ReadFileBytes("/proc/self/fd/" + std::to_string(pipeEnds[0])), "[Other]\r\n") << "a pipe";
    ::close(pipeEnds[0]);

    struct Case
    {
        const char* what;
        std::string path;
        size_t limit;
        const char* message; // nullptr: read whole
    };
    dir.Write("big.dat", std::string(1000, 'x'));
    std::filesystem::create_directories(dir.File("folder.tvr"));
    std::filesystem::create_symlink("loop.tvr", dir.File("loop.tvr"));
    std::filesystem::create_symlink("nowhere.tvr", dir.File("dangling.tvr"));
    const Case cases[] = {
        {"a file at the limit", dir.File("big.dat"), 1000, nullptr},
        {"a file beyond the limit", dir.File("big.dat"), 999, "holds more than"},
        {"a device without end", "/dev/zero", 1 << 20, "holds more than"},
        {"a folder", dir.File("folder.tvr"), kMaxReadBytes, "Is a directory"},
        {"a loop of links", dir.File("loop.tvr"), kMaxReadBytes, "Too many levels of symbolic links"},
    };
    for (const auto& c : cases) {
        try {
            const auto bytes = ReadFileBytes(c.path, c.limit);
            EXPECT_FALSE(c.message) << c.what;
            EXPECT_EQ(bytes.value_or("").size(), c.limit) << c.what;
        } catch (const IoError& e) {
            ASSERT_TRUE(c.message) << c.what << ": " << e.what();
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << c.what << ": " << e.what();
        }
    }
    EXPECT_FALSE(ReadFileBytes(dir.File("dangling.tvr"))) << "a link to nothing is a missing file";
}

// Only the program's own temporary files of the target, older than a minute, go.
TEST(Files, LeftoversOfAKilledWriteGoAtTheNextWrite)
{
    TempDir dir;
    const auto age = [&](const std::string& name, int seconds) {
        const std::string path = dir.File(name);
        const timespec times[2] = {{::time(nullptr) - seconds, 0}, {::time(nullptr) - seconds, 0}};
        ::utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW);
    };
    struct Case
    {
        const char* name;
        int age;
        bool goes;
    };
    const Case cases[] = {
        {".list.html.tavrolin-a1B2c3", 120, true},  {".list.html.tavrolin-NeW123", 10, false},
        {"list.html.backup", 120, false},           {"list.html.a1B2c3", 120, false},
        {".list.html.tavrolin-a1B2", 120, false},   {".other.html.tavrolin-a1B2c3", 120, false},
        {".list.html.tavrolin-a1-2c3", 120, false},
    };
    for (const auto& c : cases) {
        dir.Write(c.name, "left");
        age(c.name, c.age);
    }
    std::filesystem::create_directories(dir.File(".list.html.tavrolin-Folder"));
    std::filesystem::create_symlink("list.html.backup", dir.File(".list.html.tavrolin-LinkTo"));
    age(".list.html.tavrolin-Folder", 120);
    age(".list.html.tavrolin-LinkTo", 120);

    WriteFileAtomic(dir.File("list.html"), "<HTML>");
    EXPECT_EQ(dir.Read("list.html"), "<HTML>");
    for (const auto& c : cases)
        EXPECT_EQ(std::filesystem::exists(dir.File(c.name)), !c.goes) << c.name;
    EXPECT_TRUE(std::filesystem::exists(dir.File(".list.html.tavrolin-Folder")));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.File(".list.html.tavrolin-LinkTo")));
}

} // namespace
} // namespace tav
