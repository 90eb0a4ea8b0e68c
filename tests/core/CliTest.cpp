#include "core/cli/Cli.h"

#include "core/app/Installation.h"
#include "core/cable/CableCatalogue.h"
#include "core/catalog/RecordLine.h"
#include "core/common/Files.h"
#include "core/common/Json.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace tav::cli {
namespace {

const std::string kDemo = std::string(TAVROLIN_DEMO_DIR) + "/";
const std::string kGolden = std::string(TAVROLIN_TEST_DATA) + "/cli/";

struct Result
{
    int code = -1;
    std::string out, err;
};

// The demo laid out as the program folder, its shared folder in the registry.
Environment DemoEnvironment()
{
    Environment env;
    env.programFolder = kDemo;
    env.registryFile = "/home/user/.config/Brimcor/registry.ini";
    env.registeredSharedFolder = [] { return Environment::SharedFolder{kDemo + "shared", {}}; };
    return env;
}

Result RunCli(const std::vector<std::string>& args, const Environment& env = DemoEnvironment())
{
    Result r;
    r.code = Run(args, env, r.out, r.err);
    return r;
}

// A complete installation whose catalogue is the given text.
void WriteInstallation(const test::TempDir& dir, const std::string& tlines)
{
    for (const RequiredFile& file : RequiredFiles())
        dir.Write(file.inShared ? std::string("shared/M_lom.dat") : std::string("prog/dat/") + file.name, "");
    dir.Write("prog/dat/tlines.dat", tlines);
}

const std::vector<std::string> kHalfInchFoam = {"evaluate", "--from",     "806", "--to",       "960", "--type",
                                                "foam",     "--diameter", "1/2", "--vertical", "100"};

TEST(Cli, EvaluatePrintsTheGridsRows)
{
    struct Case
    {
        std::vector<std::string> args;
        const char* golden;
        EvaluationInputs in; // what the grid evaluates for the same inputs
        const char* type;
        const char* diameter;
    };
    const Case cases[] = {
        {{"evaluate", "--from", "806", "--to", "960", "--type", "foam", "--diameter", "1/2", "--horizontal", "15",
          "--vertical", "100"},
         "evaluate-806-960-foam.txt",
         {806, 960, 115, false, false},
         "FOAM",
         "1/2"},
        {{"evaluate", "--from", "824", "--to", "894", "--type", "FOAM", "--diameter", "7/8", "--horizontal", "40.5",
          "--vertical", "210.25", "--meters", "--json"},
         "evaluate-824-894-meters.json",
         {824, 894, 250.75, true, false},
         "FOAM",
         "7/8"},
        // Options in any order and spelling; lengths held as the page's boxes hold them, to
        // three decimals.
        {{"evaluate", "--to=960", "--from=806", "--type=Foam", "--diameter=1/2"},
         "evaluate-806-960-foam.txt",
         {806, 960, 115, false, false},
         "FOAM",
         "1/2"},
        {{"evaluate", "--json", "--meters", "--vertical", "210.2496", "--horizontal", "40.5004", "--diameter", "7/8",
          "--type", "foam", "--to", "894", "--from", "824"},
         "evaluate-824-894-meters.json",
         {},
         "",
         ""},
    };
    const LineList tlines = LoadCatalogueList(kDemo + "dat/tlines.dat", true);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.golden);
        const Result r = RunCli(c.args);
        ASSERT_EQ(r.code, 0) << r.err;
        EXPECT_EQ(r.err, "");
        EXPECT_EQ(r.out, ReadFileBytes(kGolden + c.golden).value_or("golden file missing"));
        if (r.out.front() == '{')
            continue;
        // The text rows are the grid's rows, tab for "|", and the cost after them.
        std::string expected = "Part Number\tFrequency Band (MHz)\tInsertion Loss (dB)\tEfficiency (%)\t"
                               "Peak Power (kW)\tAverage Power (kW)\n";
        for (std::string row : EvaluateCandidates(tlines, c.in, c.type, c.diameter)) {
            row.pop_back();
            for (char& ch : row)
                ch = ch == '|' ? '\t' : ch;
            expected += row + "\n";
        }
        std::string shown;
        for (const std::string& line : SplitLines(r.out))
            shown += line.substr(0, line.rfind('\t')) + "\n";
        EXPECT_EQ(shown, expected);
    }
}

TEST(Cli, JsonEscapesTheCatalogueTexts)
{
    test::TempDir dir;
    WriteInstallation(dir, "Part|Key|Begin|End|Type|Diameter|k1|k2|P|Peak|x|x|Picture|\n"
                           "Q\"1\\\tcaf\xe9|K|806|960|FOAM|1/2\"|0.2|0.001|30|40|||p|\n");
    const Result r =
        RunCli({"evaluate", "--program-folder", dir.Path() + "prog", "--shared-folder", dir.Path() + "shared", "--from",
                "806", "--to", "960", "--type", "foam", "--diameter", "1/2\"", "--json"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, "{\n"
                     "  \"from\": 806,\n"
                     "  \"to\": 960,\n"
                     "  \"type\": \"foam\",\n"
                     "  \"diameter\": \"1/2\\\"\",\n"
                     "  \"horizontal\": 15,\n"
                     "  \"vertical\": 100,\n"
                     "  \"unit\": \"feet\",\n"
                     "  \"runs\": 1,\n"
                     "  \"waste\": 0,\n"
                     "  \"rows\": [\n"
                     "    {\"partNumber\": \"Q\\\"1\\\\\\tcaf\xc3\xa9\", \"band\": \"806 - 960\", \"insertionLoss\": "
                     "\"7.94\", \"efficiency\": \"16.05\", \"peakPower\": \"40\", \"averagePower\": \"4.39\", "
                     "\"lineCost\": \"N/A\"}\n"
                     "  ]\n"
                     "}\n");
}

TEST(Cli, NoRowsSaysWhatTheBandOffers)
{
    struct Case
    {
        std::vector<std::string> args;
        const char* note;
    };
    const Case cases[] = {
        {{"evaluate", "--from", "806", "--to", "960", "--type", "foam", "--diameter", "5/8"},
         "No Foam Coax line of 5/8 covers 806 - 960 MHz; its diameters there: 1-1/4, 1-5/8, 1/2, 1/4, 3/8, 7/8\n"},
        {{"evaluate", "--from", "5925", "--to", "6425", "--type", "air", "--diameter", "7/8"},
         "No Air Coax line covers 5925 - 6425 MHz; the types there: ew\n"},
        {{"evaluate", "--from", "1", "--to", "2", "--type", "air", "--diameter", "7/8", "--json"},
         "No line covers 1 - 2 MHz\n"},
    };
    for (const auto& c : cases) {
        const Result r = RunCli(c.args);
        EXPECT_EQ(r.code, 0) << r.err;
        EXPECT_EQ(r.err, c.note);
        if (c.args.back() == "--json")
            EXPECT_NE(r.out.find("\n  \"rows\": []\n}\n"), std::string::npos) << r.out;
        else
            EXPECT_EQ(r.out.find('\n'), r.out.size() - 1) << "the heading line alone: " << r.out;
    }
}

TEST(Cli, AWrongCommandLineExitsWithTwoAndPrintsNothing)
{
    struct Case
    {
        std::vector<std::string> args;
        const char* message;
    };
    std::vector<Case> cases = {
        {{}, "no command given"},
        {{"quote"}, "unknown command 'quote'"},
        {{"price"}, "PROJECT.tvr is missing"},
        {{"export", "a.tvr", "--format", "ods", "-o", "x"},
         "--format 'ods' is none of txt, xls, html, xlsx, pdf, clipboard"},
        {{"export", "a.tvr", "--format", "txt"}, "--output is missing"},
        {{"export", "a.tvr", "--format", "txt", "-o"}, "--output needs a value"},
        {{"export", "a.tvr", "--format", "txt", "-o", ""}, "--output names no file"},
        {{"export", "a.tvr", "--format", "txt", "-q", "x"}, "unknown option -q"},
        {{"--json", "evaluate"}, "--json comes before any command"},
        {{"evaluate", "--from", "806"}, "--to is missing"},
        {{"evaluate", "--colour", "red"}, "unknown option --colour for evaluate"},
        {{"evaluate", "-x"}, "unknown option -x"},
        {{"evaluate", "--from"}, "--from needs a value"},
        {{"evaluate", "--json=yes"}, "--json takes no value"},
        {{"evaluate", "--json", "--json"}, "--json is given twice"},
        {{"evaluate", "--from", "1", "--from", "2"}, "--from is given twice"},
        {{"--shared-folder", "a", "--shared-folder", "b"}, "--shared-folder is given twice"},
        {{"evaluate", "extra"}, "unexpected argument 'extra'"},
    };
    // Every value the command checks, on an otherwise sound command line.
    const std::pair<std::vector<std::string>, const char*> values[] = {
        {{"--from", "8o6"}, "--from '8o6' is not a number"},
        {{"--to", "inf"}, "--to 'inf' is not a number"},
        {{"--from", "-5"}, "--from -5 is below 0 MHz"},
        {{"--from", "961"}, "--from 961 is above --to 960"},
        {{"--type", "coax"}, "--type 'coax' is none of air, foam, ew"},
        {{"--horizontal", "-1"}, "--horizontal -1 is outside 0 to 999999"},
        {{"--vertical", "1000000"}, "--vertical 1000000 is outside 0 to 999999"},
        {{"--runs", "-1"}, "--runs '-1' is no whole number from 0 to 19998"},
        {{"--waste", "10.5"}, "--waste '10.5' is no whole number from 0 to 100"},
        {{"--waste", "101"}, "--waste '101' is no whole number from 0 to 100"},
        {{"--program-folder", "/no/such/folder"}, "--program-folder /no/such/folder is not a folder"},
    };
    for (const auto& [change, message] : values) {
        std::vector<std::string> args = {"evaluate", "--from", "806",        "--to", "960",
                                         "--type",   "foam",   "--diameter", "1/2"};
        for (size_t i = 0; i < args.size(); ++i)
            if (args[i] == change[0])
                args.erase(args.begin() + static_cast<long>(i), args.begin() + static_cast<long>(i) + 2);
        args.insert(args.end(), change.begin(), change.end());
        cases.push_back({args, message});
    }
    for (const auto& c : cases) {
        const Result r = RunCli(c.args);
        SCOPED_TRACE(c.message);
        EXPECT_EQ(r.code, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err.rfind(std::string("tavrolin-cli: ") + c.message, 0), 0u) << r.err;
        EXPECT_NE(r.err.find("\nusage: tavrolin-cli "), std::string::npos) << r.err;
    }
}

// An installation and a project whose list is the one the export golden files hold: a
// caption with a tab, a description a browser would misread, an unpriced part and a part
// without a price record.
struct ExportFixture
{
    test::TempDir dir;
    Environment env = DemoEnvironment();
    std::string project;

    ExportFixture()
    {
        WriteInstallation(dir, "");
        dir.Write("prog/dat/accessorylist.dat", "[Sections]\n1=Mounting\n5=Cable\tEntry\n"
                                                "[K1]\n1=AAD-3|Adapter|1|\n2=EP4-12|Plate|5|\n3=NOPE-1|None|5|\n");
        dir.Write("shared/M_lom.dat", "x|x|AAD-3|x|Adapter <M8> & nut, 3/8\"\tkit|12.5|\nx|x|EP4-12|x|Entry Plate||\n");
        project = dir.Write("site.tvr", "[SITE 001 LOM]\r\n2=2|Each|AAD-3||x|1|\r\n4=1|Each|EP4-12||x|0|\r\n"
                                        "5=3|Each|NOPE-1||x|0|\r\n[Other]\r\nTline=K1\r\n");
        env.programFolder = dir.Path() + "prog/";
        env.registeredSharedFolder = [this] { return Environment::SharedFolder{dir.Path() + "shared", {}}; };
    }
};

TEST(Cli, PriceAndExportGiveTheProgramsListAndBytes)
{
    ExportFixture f;
    const std::string exports = std::string(TAVROLIN_TEST_DATA) + "/exports/";
    // The spreadsheet export is the text export's bytes.
    const std::pair<const char*, std::string> formats[] = {
        {"txt", exports + "list.txt"},
        {"xls", exports + "list.txt"},
        {"html", exports + "list.html"},
        {"clipboard", exports + "list.clip"},
    };
    for (const auto& [format, golden] : formats) {
        SCOPED_TRACE(format);
        const std::string file = f.dir.File(std::string("out.") + format);
        Result r = RunCli({"export", f.project, "--format", format, "-o", file}, f.env);
        ASSERT_EQ(r.code, 0) << r.err;
        EXPECT_EQ(r.out + r.err, "");
        EXPECT_EQ(f.dir.Read(std::string("out.") + format), ReadFileBytes(golden).value_or("golden file missing"));
        r = RunCli({"export", "--output=-", "--format=" + std::string(format), f.project}, f.env);
        EXPECT_EQ(r.out, f.dir.Read(std::string("out.") + format)) << "standard output";
    }
    for (const char* golden : {"price-list.txt", "price-list.json"}) {
        std::vector<std::string> args = {"price", f.project};
        if (std::string(golden).find(".json") != std::string::npos)
            args.push_back("--json");
        const Result r = RunCli(args, f.env);
        EXPECT_EQ(r.code, 0) << r.err;
        EXPECT_EQ(r.out, ReadFileBytes(kGolden + golden).value_or("golden file missing")) << golden;
    }
}

TEST(Cli, AFailedExportLosesNothing)
{
    ExportFixture f;
    const std::string old = f.dir.Write("old.txt", "kept");
    f.dir.Write("damaged.tvr", "[SITE 001 LOM]\r\n2=two|Each|AAD-3||x|1|\r\n[Other]\r\nTline=K1\r\n");
    struct Case
    {
        std::string project, output, error;
    };
    const Case cases[] = {
        {f.project, f.dir.File("no such folder/list.txt"), "I/O error"},
        {f.project, f.dir.Path(), "I/O error"},
        {f.dir.File("missing.tvr"), old, "missing.tvr"},
        {f.dir.File("damaged.tvr"), old, "'two' is not a valid integer value"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.error);
        const Result r = RunCli({"export", c.project, "--format", "txt", "-o", c.output}, f.env);
        EXPECT_EQ(r.code, 1);
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find(c.error), std::string::npos) << r.err;
        EXPECT_EQ(f.dir.Read("old.txt"), "kept");
        EXPECT_EQ(RunCli({"price", c.project}, f.env).code, c.project == f.project ? 0 : 1);
    }
    EXPECT_FALSE(FileExists(f.dir.File("no such folder")));
}

TEST(Cli, FindsTheInstallationLikeTheProgram)
{
    test::TempDir dir;
    WriteInstallation(dir, "Part|Key|Begin|End|Type|Diameter|k1|k2|P|Peak|x|x|Picture|\n"
                           "OWN-1|K|806|960|FOAM|1/2|0.2|0.001|30|40|||p|\n");
    int lookups = 0;
    Environment env = DemoEnvironment();
    env.registeredSharedFolder = [&] {
        ++lookups;
        return Environment::SharedFolder{std::nullopt, "Unable to locate Registry Key"};
    };

    // Its own folder and the registry by default; a missing registry value is a data error.
    Result r = RunCli(kHalfInchFoam, env);
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err, "tavrolin-cli: Unable to locate Registry Key (the shared folder is looked up in "
                     "/home/user/.config/Brimcor/registry.ini; name it with --shared-folder)\n");
    EXPECT_EQ(lookups, 1);

    // A named shared folder is not looked up; a named program folder replaces its own.
    std::vector<std::string> args = kHalfInchFoam;
    args.insert(args.begin(), {"--program-folder", dir.Path() + "prog", "--shared-folder", dir.Path() + "shared"});
    r = RunCli(args, env);
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.out.find("\nOWN-1\t806 - 960\t"), std::string::npos) << r.out;
    EXPECT_EQ(lookups, 1);

    env.programFolder = dir.Path() + "prog/";
    env.registeredSharedFolder = [&] { return Environment::SharedFolder{dir.Path() + "shared", {}}; };
    EXPECT_EQ(RunCli(kHalfInchFoam, env).out, r.out);
}

TEST(Cli, InstallationAndDataErrorsExitWithOneAndPrintNothing)
{
    test::TempDir dir;
    WriteInstallation(dir, "Part|Key|Begin|End|Type|Diameter|k1|k2|P|Peak|x|x|Picture|\n"
                           "OK-1|K|806|960|FOAM|1/2|0.2|0.001|30|40|||p|\n"
                           "BAD-1|K|806|960|FOAM|1/2|0,2|0.001|30|40|||p|\n");
    Environment env = DemoEnvironment();
    env.programFolder = dir.Path() + "prog/";
    env.registeredSharedFolder = [&] { return Environment::SharedFolder{dir.Path() + "shared", {}}; };

    Result r = RunCli(kHalfInchFoam, env);
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.out, "") << "no half result";
    EXPECT_EQ(r.err, "tavrolin-cli: '0,2' is not a valid floating point value\nin \"" + dir.Path() +
                         "prog/dat/tlines.dat\", line 3\n");

    std::filesystem::remove(dir.Path() + "prog/dat/metric.dat");
    r = RunCli(kHalfInchFoam, env);
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err, "tavrolin-cli: One of the files needed to run this program is missing: " + dir.Path() +
                         "prog/dat/metric.dat\n");
}

TEST(Cli, HelpDescribesEveryCommandAndEveryOption)
{
    const Result r = RunCli({"--help"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.err, "");
    ASSERT_FALSE(Commands().empty());
    for (const CommandSpec& command : Commands()) {
        EXPECT_NE(r.out.find("tavrolin-cli " + Synopsis(command) + "\n"), std::string::npos) << command.name;
        EXPECT_NE(r.out.find(command.summary), std::string::npos);
        for (const OptionSpec& option : command.options)
            EXPECT_NE(r.out.find("--" + option.name + (option.valueName.empty() ? "" : " " + option.valueName) + " "),
                      std::string::npos)
                << option.name;
        const Result one = RunCli({command.name, "-h"});
        EXPECT_EQ(one.code, 0);
        EXPECT_NE(one.out.find(Synopsis(command)), std::string::npos);
        EXPECT_EQ(one.out.find("Commands:"), std::string::npos) << "only that command";
    }
    for (const char* common : {"--program-folder DIR", "--shared-folder DIR", "/home/user/.config/Brimcor/registry.ini",
                               "Exit status: 0 done, 1 "})
        EXPECT_NE(r.out.find(common), std::string::npos) << common;
}

TEST(Json, StringsAreEscapedAndAlwaysUtf8)
{
    struct Case
    {
        std::string bytes;
        const char* json;
    };
    const Case cases[] = {
        {"plain 1/2", "\"plain 1/2\""},
        {"a\"b\\c/d", "\"a\\\"b\\\\c/d\""},
        {"\t\n\r\b\f", "\"\\t\\n\\r\\b\\f\""},
        {std::string("\x01\x1f\x7f", 3), "\"\\u0001\\u001f\x7f\""},
        {std::string("nul\0x", 5), "\"nul\\u0000x\""},
        {"caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x93\xa1", "\"caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x93\xa1\""}, // UTF-8 kept
        {"caf\xe9", "\"caf\xc3\xa9\""},                               // Latin-1 converted
        {"\xc3", "\"\xc3\x83\""},                                     // cut short
        {"\xc0\xaf", "\"\xc3\x80\xc2\xaf\""},                         // overlong
        {"\xed\xa0\x80", "\"\xc3\xad\xc2\xa0\xc2\x80\""},             // a surrogate
        {"\xf4\x90\x80\x80", "\"\xc3\xb4\xc2\x90\xc2\x80\xc2\x80\""}, // beyond Unicode
    };
    for (const auto& c : cases)
        EXPECT_EQ(JsonString(c.bytes), c.json) << c.bytes;
    EXPECT_EQ(JsonNumber(806), "806");
    EXPECT_EQ(JsonNumber(40.5), "40.5");
    EXPECT_EQ(JsonNumber(1.0 / 0.0), "null");
}

} // namespace
} // namespace tav::cli
