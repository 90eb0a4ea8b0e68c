#include "core/common/Errors.h"
#include "core/settings/IniStore.h"
#include "core/settings/SectionLines.h"
#include "core/settings/SettingsFile.h"
#include "support/TempDir.h"
#include "support/Unprivileged.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sys/resource.h>
#include <unistd.h>

namespace tav {
namespace {

using test::TempDir;

std::string ReadGolden(const std::string& name)
{
    std::ifstream in(std::string(TAVROLIN_TEST_DATA) + "/ini/" + name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(IniStore, LoadingFollowsTheDialect)
{
    TempDir dir;
    const std::string path = dir.Write("settings.dat", ReadGolden("settings-in.ini"));
    TBiggerIniFile ini(path);

    // Lines outside sections and repeated sections are gone; the comment inside stays.
    EXPECT_EQ(ini.SectionNames(),
              (std::vector<std::string>{"General", "OldParts", "Hoist", "Empty", "7/8AIR", "UnitPack"}));
    std::vector<std::string> lines;
    ini.ReadSectionValues("oldparts", lines);
    EXPECT_EQ(lines, (std::vector<std::string>{"ObsoleteWarning=1", "; kept comment"}));
    EXPECT_FALSE(ini.ReadBool("OldParts", "ObsoleteWizard", false)) << "repeated section must be dropped";

    // "[Grounding] " is no header (it does not end in "]"), so its line joins the section before.
    EXPECT_EQ(ini.ReadString("Hoist", "Spacing", "?"), "150 ");
    EXPECT_EQ(ini.ReadString("Grounding", "Spacing", "?"), "?");
    EXPECT_FALSE(ini.Changed());
}

TEST(IniStore, TypedReads)
{
    TempDir dir;
    const std::string path = dir.Write("t.ini", "[S]\r\nhex=0x64\r\ndollar=$64\r\nHEXUP=0X1F\r\nblank=100 \r\nlead= 100\r\n"
                                                "dec=1.5\r\nempty=\r\nneg=-3\r\ntwo=2\r\nzero=0\r\nword=true\r\n"
                                                "spaced = 5\r\nleadhex= 0x64\r\nneghex=-0x10\r\n"
                                                "negdollar=-$10\r\ninner=1x10\r\nhexneg=0x-10\r\nkey=a=b\r\n");
    TBigIniFile ini(path);
    struct IntCase
    {
        const char* key;
        int expected;
    };
    const IntCase ints[] = {
        {"hex", 100}, {"dollar", 100}, {"hexup", 31}, {"blank", 200}, {"lead", 100}, {"dec", 200},
        {"empty", 200}, {"neg", -3}, {"missing", 200}, {"spaced", 200}, // the name is "spaced ", not "spaced"
        // Hexadecimal only from the very first character on.
        {"leadhex", 200}, {"neghex", 200}, {"negdollar", 200}, {"inner", 200}, {"hexneg", 200},
    };
    for (const auto& c : ints)
        EXPECT_EQ(ini.ReadInteger("S", c.key, 200), c.expected) << c.key;
    struct BoolCase
    {
        const char* key;
        bool fallback;
        bool expected;
    };
    const BoolCase bools[] = {
        {"two", false, true},  {"zero", true, false},  {"word", false, false},
        {"word", true, true},  {"missing", true, true}, {"neg", false, true},
    };
    for (const auto& c : bools)
        EXPECT_EQ(ini.ReadBool("S", c.key, c.fallback), c.expected) << c.key;
    EXPECT_EQ(ini.ReadString("S", "SPACED ", "?"), " 5") << "values are not trimmed, keys ignore case";
    EXPECT_EQ(ini.ReadString("s", "hex", "?"), "?") << "key operations compare section names exactly";
    EXPECT_EQ(ini.ReadString("S", "KEY", "?"), "a=b") << "a name ends at the first \"=\"";
    EXPECT_EQ(ini.ReadString("S", "key=a", "?"), "?");
}

TEST(IniStore, SectionCaseCreatesARepeatThatTheNextLoadDrops)
{
    TempDir dir;
    const std::string path = dir.Write("settings.dat", "[general]\r\nSelectCable=1\r\n");
    {
        TBigIniFile ini(path);
        EXPECT_FALSE(ini.ReadBool("General", "SelectCable", false));
        ini.WriteBool("General", "SelectCable", false);
        ini.Close();
    }
    EXPECT_EQ(dir.Read("settings.dat"), "[general]\r\nSelectCable=1\r\n\r\n[General]\r\nSelectCable=0\r\n\r\n");
    TBigIniFile again(path);
    EXPECT_EQ(again.SectionNames(), std::vector<std::string>{"general"});
    EXPECT_FALSE(again.ReadBool("General", "SelectCable", false));
}

TEST(IniStore, WriteKeepsFileUntouchedWhenNothingChanges)
{
    TempDir dir;
    const std::string original = "[General]\nSelectCable=1\n\n\n[Hoist]\nSpacing=150\n";
    const std::string path = dir.Write("settings.dat", original);
    TBigIniFile ini(path);
    ini.WriteBool("General", "selectcable", true);
    EXPECT_TRUE(ini.Changed()) << "the key is written as the caller spells it, so the line differs";

    TBigIniFile same(path);
    same.WriteString("General", "SelectCable", "1");
    same.WriteInteger("Hoist", "Spacing", 150);
    EXPECT_FALSE(same.Changed());
    same.Close();
    EXPECT_EQ(dir.Read("settings.dat"), original);
}

TEST(IniStore, WriteStringRules)
{
    struct Case
    {
        const char* name;
        const char* section;
        const char* key;
        const char* value;
        const char* expectedFile;
    };
    const char* start = "[A]\r\nx=1\r\n[B]\r\ny=2\r\n";
    const Case cases[] = {
        {"replaces in place", "A", "X", "9", "[A]\r\nX=9\r\n\r\n[B]\r\ny=2\r\n\r\n"},
        {"appends a key", "B", "z", "3", "[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\nz=3\r\n\r\n"},
        {"appends a section", "C", "k", " v ", "[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n\r\n[C]\r\nk= v \r\n\r\n"},
        {"empty key erases the section", "a", "", "", "[B]\r\ny=2\r\n\r\n"},
        {"empty key and section with a value erases section \"\"", "", "", "v", nullptr},
        {"empty value is a value", "A", "x", "", "[A]\r\nx=\r\n\r\n[B]\r\ny=2\r\n\r\n"},
    };
    for (const auto& c : cases) {
        TempDir dir;
        const std::string path = dir.Write("f.ini", start);
        TBigIniFile ini(path);
        ini.WriteString(c.section, c.key, c.value);
        ini.Close();
        EXPECT_EQ(dir.Read("f.ini"), c.expectedFile ? c.expectedFile : start) << c.name;
    }

    // Both empty: only writes what is pending.
    TempDir dir;
    const std::string path = dir.Write("f.ini", start);
    TBigIniFile ini(path);
    ini.ReplaceSection("B", {"y=5"});
    ini.WriteString("", "", "");
    EXPECT_FALSE(ini.Changed());
    EXPECT_EQ(dir.Read("f.ini"), "[A]\r\nx=1\r\n\r\n[B]\r\ny=5\r\n\r\n");
}

TEST(IniStore, SectionOperations)
{
    TempDir dir;
    const std::string path = dir.Write("f.ini", "[Types]\r\n1=Plate\r\nnote without equals\r\n2=Boot\r\n[Other]\r\na=1\r\n");
    TBigIniFile ini(path);

    std::vector<std::string> names{"kept"};
    ini.ReadSection("TYPES", names);
    EXPECT_EQ(names, (std::vector<std::string>{"kept", "1", "2"}));
    std::vector<std::string> values{"kept"};
    ini.ReadSectionValues("types", values);
    EXPECT_EQ(values, (std::vector<std::string>{"kept", "1=Plate", "note without equals", "2=Boot"}));
    ini.ReadSectionValues("absent", values);
    EXPECT_EQ(values.size(), 4u);

    // Same number of lines: only differing lines change; identical lines change nothing.
    ini.ReplaceSection("other", {"a=1"});
    EXPECT_FALSE(ini.Changed());
    ini.ReplaceSection("other", {"a=2"});
    EXPECT_TRUE(ini.Changed());
    ini.ReplaceSection("Types", {"1=Only"});
    ini.ReplaceSection("New", {"n=1", "m=2"});
    ini.EraseSection("absent");
    ini.Close();
    EXPECT_EQ(dir.Read("f.ini"), "[Types]\r\n1=Only\r\n\r\n[Other]\r\na=2\r\n\r\n[New]\r\nn=1\r\nm=2\r\n\r\n");

    TBigIniFile erase(path);
    erase.EraseSection("types");
    erase.EraseSection("OTHER");
    erase.EraseSection("new");
    EXPECT_TRUE(erase.Changed());
    erase.Close();
    EXPECT_EQ(dir.Read("f.ini"), "") << "a store whose sections were all emptied writes an empty file";
}

TEST(IniStore, RoundTripMatchesGoldenFile)
{
    TempDir dir;
    const std::string path = dir.Write("settings.dat", ReadGolden("settings-in.ini"));
    TBigIniFile ini(path);
    ini.WriteInteger("Hoist", "Spacing", 175);
    ini.Close();
    EXPECT_EQ(dir.Read("settings.dat"), ReadGolden("settings-out.ini"));

    // The first key of a name hides a second line of the same name.
    TBigIniFile again(path);
    EXPECT_EQ(again.ReadString("7/8AIR", "PL-78", ""), "PL-78|1|3.5|");
}

TEST(IniStore, MissingFileIsEmptyAndFirstWriteCreatesIt)
{
    TempDir dir;
    TBigIniFile ini(dir.File("sub-missing.ini"));
    EXPECT_TRUE(ini.SectionNames().empty());
    EXPECT_EQ(ini.ReadInteger("Hoist", "Spacing", 150), 150);
    EXPECT_FALSE(std::filesystem::exists(dir.File("sub-missing.ini")));
    ini.WriteInteger("Hoist", "Spacing", 120);
    ini.Close();
    EXPECT_EQ(dir.Read("sub-missing.ini"), "[Hoist]\r\nSpacing=120\r\n\r\n");
}

TEST(IniStore, FileNameIsMatchedWithoutCase)
{
    TempDir dir;
    dir.Write("Settings.DAT", "[General]\r\nSelectCable=1\r\n");
    TBigIniFile ini(dir.File("settings.dat"));
    EXPECT_TRUE(ini.ReadBool("General", "SelectCable", false));
    ini.WriteBool("General", "SelectCable", false);
    ini.Close();
    EXPECT_FALSE(std::filesystem::exists(dir.File("settings.dat"))) << "writes through the existing name";
    EXPECT_EQ(dir.Read("Settings.DAT"), "[General]\r\nSelectCable=0\r\n\r\n");
}

// A write that fails part-way (here: the file-size limit, as on a full disk) leaves the
// old file as it was and reports an input/output error naming the file.
TEST(IniStore, FailedWriteLeavesOldFileIntact)
{
    TempDir dir;
    const std::string original = "[General]\r\nSelectCable=1\r\n\r\n";
    const std::string path = dir.Write("settings.dat", original);
    TBigIniFile ini(path);
    ini.WriteString("General", "SelectCableName", std::string(4096, 'x'));

    struct sigaction ignore
    {
    }, previous{};
    ignore.sa_handler = SIG_IGN;
    sigaction(SIGXFSZ, &ignore, &previous);
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit tiny = old;
    tiny.rlim_cur = 64;
    setrlimit(RLIMIT_FSIZE, &tiny);
    std::string message;
    try {
        ini.Close();
    } catch (const IoError& e) {
        message = e.what();
    }
    setrlimit(RLIMIT_FSIZE, &old);
    sigaction(SIGXFSZ, &previous, nullptr);

    EXPECT_NE(message.find("settings.dat"), std::string::npos) << message;
    EXPECT_NE(message.find("I/O error"), std::string::npos) << message;
    EXPECT_EQ(dir.Read("settings.dat"), original);
    size_t entries = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.Path()))
        ++entries;
    EXPECT_EQ(entries, 1u) << "no temporary file is left behind";
    EXPECT_TRUE(ini.Changed()) << "the change is still pending after a failed write";
}

TEST(IniStore, UnreadableFileIsAnErrorNotAnEmptyStore)
{
    test::RunUnprivileged([] {
        TempDir dir;
        const std::string path = dir.Write("settings.dat", "[General]\r\nSelectCable=1\r\n");
        std::filesystem::permissions(path, std::filesystem::perms::none);
        EXPECT_THROW(TBigIniFile ini(path), IoError);
    });
}

TEST(SectionLines, EachLineShowsTheValueOfTheFirstLineOfItsName)
{
    const std::vector<std::string> lines{"A=1", "b=2", "a=3", "no name", "B=4", "=5", "=6", "c=7=8"};
    EXPECT_EQ(ValuesByName(lines), (std::vector<std::string_view>{"1", "2", "1", "", "2", "5", "5", "7=8"}));
}

TEST(SettingsFile, EachKeyHasItsOwnDefault)
{
    struct Case
    {
        const char* file;
        int grounding;
        int hoist;
        int unitPack;
        bool selectCable;
        int cableType;
        std::string cableName;
    };
    const Case cases[] = {
        {"", 200, 150, 10, false, 1, ""},
        {"[Hoist]\r\nSpacing=90\r\n", 200, 90, 10, false, 1, ""},
        {"[Grounding]\r\nSpacing=0x64\r\n[UnitPack]\r\nAll=25\r\n", 100, 150, 25, false, 1, ""},
        {"[Grounding]\r\nSpacing=100 \r\n", 200, 150, 10, false, 1, ""},
        {"[General]\r\nSelectCable=2\r\nSelectCableType=0\r\nSelectCableName= LX-12 \r\n", 200, 150, 10, true, 0,
         " LX-12 "},
        {"[General]\r\nSelectCable=true\r\n", 200, 150, 10, false, 1, ""},
    };
    for (const auto& c : cases) {
        TempDir dir;
        dir.Write("settings.dat", c.file);
        SettingsFile s(dir.Path());
        EXPECT_EQ(s.Get(keys::GroundingSpacing), c.grounding) << c.file;
        EXPECT_EQ(s.Get(keys::HoistSpacing), c.hoist) << c.file;
        EXPECT_EQ(s.Get(keys::UnitPackAll), c.unitPack) << c.file;
        EXPECT_EQ(s.Get(keys::SelectCable), c.selectCable) << c.file;
        EXPECT_EQ(s.Get(keys::SelectCableType), c.cableType) << c.file;
        EXPECT_EQ(s.Get(keys::SelectCableName), c.cableName) << c.file;
    }
    TempDir dir;
    SettingsFile s(dir.Path());
    EXPECT_EQ(s.GetText(keys::HoistSpacing), "150");
    EXPECT_EQ(s.Get(keys::SelectCableName, "7/8FOAM"), "7/8FOAM");
}

TEST(SettingsFile, RestoreFactorySettingsCopiesDefaults)
{
    TempDir dir;
    dir.Write("settings.dat", "[Hoist]\r\nSpacing=5\r\n");
    dir.Write("defaults.dat", "[Hoist]\nSpacing=150\n\n; note\n[General]\rSelectCable=0");
    RestoreFactorySettings(dir.Path());
    EXPECT_EQ(dir.Read("settings.dat"), "[Hoist]\r\nSpacing=150\r\n\r\n; note\r\n[General]\r\nSelectCable=0\r\n");

    TempDir noDefaults;
    noDefaults.Write("settings.dat", "[Hoist]\r\nSpacing=5\r\n");
    EXPECT_THROW(RestoreFactorySettings(noDefaults.Path()), IoError);
    EXPECT_EQ(noDefaults.Read("settings.dat"), "[Hoist]\r\nSpacing=5\r\n");
}

} // namespace
} // namespace tav
