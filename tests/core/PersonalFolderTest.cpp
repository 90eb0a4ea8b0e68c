#include "core/app/PersonalFolder.h"

#include "core/common/Errors.h"
#include "support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace tav {
namespace {

using test::TempDir;

TEST(PersonalFolder, WhereTheProgramRuns)
{
    struct Case
    {
        const char* what;
        bool beside, writable, installed;
        const char* dataHome;
        const char* program;
        const char* installation;
    };
    const Case cases[] = {
        {"laid-out folder the user may write", true, true, true, "/home/u/.local/share", "/opt/t/bin/", ""},
        {"laid-out folder nobody may write", true, false, false, "/home/u/.local/share",
         "/home/u/.local/share/tavrolin/", "/opt/t/bin/"},
        {"installed copy", false, false, true, "/home/u/.local/share", "/home/u/.local/share/tavrolin/",
         "/opt/t/share/tavrolin/"},
        {"installed copy in a folder the user owns", false, true, true, "/d/", "/d/tavrolin/",
         "/opt/t/share/tavrolin/"},
        {"installed copy without a data home", false, false, true, "", "/opt/t/share/tavrolin/", ""},
        {"no data anywhere", false, true, false, "/d", "/opt/t/bin/", ""},
    };
    for (const Case& c : cases) {
        InstallationFacts f;
        f.executableFolder = "/opt/t/bin/";
        f.installedFolder = "/opt/t/share/tavrolin/";
        f.dataBesideExecutable = c.beside;
        f.executableFolderWritable = c.writable;
        f.installedDataPresent = c.installed;
        f.dataHome = c.dataHome;
        const ProgramPlace place = ChooseProgramPlace(f);
        EXPECT_EQ(place.program, c.program) << c.what;
        EXPECT_EQ(place.installation, c.installation) << c.what;
    }
}

TEST(PersonalFolder, WhichSharedFolderIsFilled)
{
    const std::string mine = "/d/Brimcor/Common Files";
    struct Case
    {
        std::optional<std::string> registered;
        bool holdsPriceList;
        std::string fill;
        bool registerIt;
    };
    const Case cases[] = {
        {std::nullopt, false, mine, true}, {"", false, mine, true},          {mine + "/", false, mine, false},
        {"/srv/common", true, "", false},  {"/srv/gone", false, mine, true},
    };
    for (const Case& c : cases) {
        const SharedChoice choice = ChooseSharedFolder(c.registered, c.holdsPriceList, mine);
        EXPECT_EQ(choice.fill, c.fill) << c.registered.value_or("(none)");
        EXPECT_EQ(choice.registerIt, c.registerIt) << c.registered.value_or("(none)");
    }
}

TEST(PersonalFolder, WhenAFileIsCopied)
{
    const FileStamp v1{10, 100}, v2{12, 200}, copy{10, 150}, changed{11, 300};
    const CopyRecord fromV1{v1, copy};
    const CopyRecord unknownOrigin{v1, std::nullopt};
    struct Case
    {
        const char* path;
        FileStamp source;
        std::optional<CopyRecord> recorded;
        std::optional<FileStamp> present;
        bool copies;
    };
    const Case cases[] = {
        {"dat/tlines.dat", v1, std::nullopt, std::nullopt, true},
        {"dat/tlines.dat", v1, fromV1, copy, false},
        {"dat/tlines.dat", v2, fromV1, copy, true},
        {"dat/tlines.dat", v2, fromV1, changed, true},
        {"dat/tlines.dat", v1, std::nullopt, changed, true},
        {"dat/tlines.dat", v1, fromV1, std::nullopt, true},
        {"images/tower.gif", v2, fromV1, copy, true},
        {"dat/Settings.dat", v1, std::nullopt, std::nullopt, true},
        {"dat/settings.dat", v2, fromV1, copy, false},
        {"dat/advanced.dat", v2, std::nullopt, changed, false},
        {"shared/M_lom.dat", v1, std::nullopt, std::nullopt, true},
        {"shared/M_lom.dat", v2, fromV1, copy, true},
        {"shared/M_lom.dat", v2, fromV1, changed, false},
        {"shared/M_lom.dat", v2, unknownOrigin, changed, false},
        {"shared/M_lom.dat", v1, std::nullopt, changed, false},
        {"shared/M_lom.dat", v2, fromV1, std::nullopt, true},
        {"data/sample.tvr", v1, std::nullopt, std::nullopt, true},
        {"data/sample.tvr", v1, fromV1, std::nullopt, false},
        {"data/sample.tvr", v2, fromV1, copy, false},
        {"data/sample.tvr", v1, std::nullopt, changed, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ShouldCopy(RuleFor(c.path), c.source, c.recorded, c.present), c.copies)
            << c.path << " source " << c.source.size << " recorded " << c.recorded.has_value() << " present "
            << (c.present ? c.present->size : 0);
    }
}

TEST(PersonalFolder, RecordsReadBackAndDamagedLinesCountAsNeverCopied)
{
    const CopyRecords records{{"dat/a b.dat", {{1, -5}, FileStamp{2, 7}}}, {"data/x.tvr", {{3, 4}, std::nullopt}}};
    EXPECT_EQ(ParseCopyRecords(FormatCopyRecords(records)), records);
    const CopyRecords read = ParseCopyRecords("1 2 3 4 dat/ok.dat\r\n1 2 3\nx 2 - - dat/bad.dat\n1 2 - 4 dat/half.dat\n"
                                              "-1 2 - - dat/negative.dat\n1 2 - - \n");
    EXPECT_EQ(read.size(), 1u);
    EXPECT_TRUE(read.count("dat/ok.dat"));
}

class BringIn : public ::testing::Test
{
protected:
    TempDir dir;
    PersonalCopy copy{dir.Path() + "usr/share/tavrolin/", dir.Path() + "home/tavrolin/", dir.Path() + "home/Common"};

    void Install(const std::string& relative, const std::string& bytes)
    {
        dir.Write("usr/share/tavrolin/" + relative, bytes);
    }
    std::string Personal(const std::string& relative) { return dir.Read("home/tavrolin/" + relative); }
    std::string Record() { return Personal(kCopyRecordFileName); }

    void SetUp() override
    {
        Install("dat/tlines.dat", "lines v1\n");
        Install("dat/settings.dat", "[General]\n");
        Install("dat/advanced.dat", "");
        Install("images/tower.gif", "GIF89a");
        Install("data/sample.tvr", "sample v1\n");
        Install("shared/M_lom.dat", "prices v1\n");
    }
};

TEST_F(BringIn, FirstStartCopiesEverythingAndLaterStartsNothing)
{
    const std::vector<std::string> all{"dat/advanced.dat", "dat/settings.dat", "dat/tlines.dat",
                                       "images/tower.gif", "data/sample.tvr",  "shared/M_lom.dat"};
    EXPECT_EQ(BringInInstallation(copy), all);
    EXPECT_EQ(Personal("dat/tlines.dat"), "lines v1\n");
    EXPECT_EQ(dir.Read("home/Common/M_lom.dat"), "prices v1\n");
    EXPECT_EQ(ParseCopyRecords(Record()).size(), all.size());

    const auto recordStamp = StampOf(copy.program + kCopyRecordFileName);
    EXPECT_TRUE(BringInInstallation(copy).empty());
    EXPECT_EQ(StampOf(copy.program + kCopyRecordFileName), recordStamp) << "an unchanged record is not rewritten";

    PersonalCopy withoutShared = copy;
    withoutShared.shared.clear();
    std::filesystem::remove(copy.shared + "/M_lom.dat");
    EXPECT_TRUE(BringInInstallation(withoutShared).empty()) << "another program's shared folder is left alone";
    EXPECT_FALSE(std::filesystem::exists(copy.shared + "/M_lom.dat"));
}

TEST_F(BringIn, ANewerInstallationBringsItsCatalogueAndKeepsWhatTheUserChanged)
{
    BringInInstallation(copy);
    dir.Write("home/tavrolin/dat/settings.dat", "[General]\nSelectCable=1\n");
    std::filesystem::remove(copy.program + "data/sample.tvr");
    dir.Write("home/Common/M_lom.dat", "prices from the update\n");

    Install("dat/tlines.dat", "lines v2, longer\n");
    Install("dat/settings.dat", "[General]\nNew=1\n");
    Install("data/sample.tvr", "sample v2, longer\n");
    Install("shared/M_lom.dat", "prices v2, longer\n");
    Install("images/new.gif", "GIF89a new");
    EXPECT_EQ(BringInInstallation(copy), (std::vector<std::string>{"dat/tlines.dat", "images/new.gif"}));
    EXPECT_EQ(Personal("dat/tlines.dat"), "lines v2, longer\n");
    EXPECT_EQ(Personal("dat/settings.dat"), "[General]\nSelectCable=1\n");
    EXPECT_FALSE(std::filesystem::exists(copy.program + "data/sample.tvr")) << "a deleted sample stays deleted";
    EXPECT_EQ(dir.Read("home/Common/M_lom.dat"), "prices from the update\n");
}

TEST_F(BringIn, AnUntouchedPriceListFollowsTheInstallation)
{
    BringInInstallation(copy);
    Install("shared/M_lom.dat", "prices v2, longer\n");
    EXPECT_EQ(BringInInstallation(copy), std::vector<std::string>{"shared/M_lom.dat"});
    EXPECT_EQ(dir.Read("home/Common/M_lom.dat"), "prices v2, longer\n");
}

TEST_F(BringIn, AFailedCopyLeavesCompleteFilesAndNoRecordAndTheNextStartFinishes)
{
    // A file where the pictures' folder belongs stops the copy half-way.
    dir.Write("home/tavrolin/images", "in the way");
    EXPECT_THROW(BringInInstallation(copy), IoError);
    EXPECT_EQ(Personal("dat/tlines.dat"), "lines v1\n");
    EXPECT_FALSE(std::filesystem::exists(copy.program + kCopyRecordFileName));
    for (const auto& entry : std::filesystem::directory_iterator(copy.program + "dat"))
        EXPECT_EQ(entry.path().filename().string().find(".dat."), std::string::npos) << "no temporary file is left";

    std::filesystem::remove(copy.program + "images");
    dir.Write("home/tavrolin/dat/settings.dat", "[General]\nMine=1\n");
    BringInInstallation(copy);
    EXPECT_EQ(Personal("images/tower.gif"), "GIF89a");
    EXPECT_EQ(Personal("dat/settings.dat"), "[General]\nMine=1\n");
    EXPECT_EQ(ParseCopyRecords(Record()).size(), 6u);
}

} // namespace
} // namespace tav
