#include "core/common/Errors.h"
#include "core/common/Files.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace tav {
namespace {

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

} // namespace
} // namespace tav
