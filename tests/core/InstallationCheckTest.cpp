#include "core/check/InstallationCheck.h"

#include "core/app/ProgramPictures.h"
#include "core/common/Files.h"
#include "support/TempDir.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>

namespace tav {
namespace {

using test::TempDir;

// A picture probe without a toolkit: a GIF starts with its signature and its logical
// screen size, and holds at least a header, a descriptor and a trailer.
PictureProbeResult ProbeGifHeader(const std::string& path)
{
    PictureProbeResult r;
    std::ifstream in(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (bytes.size() < 14 || (bytes.compare(0, 6, "GIF87a") != 0 && bytes.compare(0, 6, "GIF89a") != 0)) {
        r.reason = "no GIF signature";
        return r;
    }
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(bytes[i]); };
    r.width = byte(6) | (byte(7) << 8);
    r.height = byte(8) | (byte(9) << 8);
    if (r.width == 0 || r.height == 0 || bytes.back() != ';') {
        r.reason = "no picture in the file";
        return r;
    }
    r.readable = true;
    return r;
}

std::string Gif(int width, int height)
{
    std::string gif = "GIF89a";
    gif += static_cast<char>(width & 0xff);
    gif += static_cast<char>(width >> 8);
    gif += static_cast<char>(height & 0xff);
    gif += static_cast<char>(height >> 8);
    gif += std::string(
        "\x80\x00\x00\x00\x00\x00\xff\xff\xff\x2c\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02\x44\x01\x00\x3b", 25);
    return gif;
}

// Parts the small installation offers, in price-list order (line 2 on).
const std::vector<std::string> kPricedParts = {
    "PHK-1", "ACK-1",   "VBC-1",   "VBC-2",   "VBC-3", "PHG-1", "PHK-W", "HGS-1", "HGS-W", "EP4-4",   "EB4-1",
    "EB4-W", "IEG-200", "GK-1-24", "GK-W-24", "WCS-1", "WCS-W", "GPK-1", "C1-DM", "CW-DM", "SGN-300", "PHK-1M",
};

int PriceLine(const std::string& part)
{
    return static_cast<int>(std::find(kPricedParts.begin(), kPricedParts.end(), part) - kPricedParts.begin()) + 2;
}

// A complete installation with two cable keys, one of them a waveguide, in which the
// check finds nothing. Each fault case changes one thing.
std::map<std::string, std::string> SmallInstallation()
{
    std::map<std::string, std::string> files;
    files["dat/tlines.dat"] = "Part|Key|Low|High|Type|Diameter|k1|k2|P|Peak|Z|Description|Picture|\n"
                              "KA1-C9|KA1|806|960|FOAM|1/2|0.066|0.00022|2.9|40|50|Foam coax|cbl_ka1.gif|\n"
                              "KW1-L6|KW1|5925|6425|EW|E-59|3650|1129|4.6|50|-|Waveguide|cbl_kw1.gif|\n";
    files["dat/Surge.dat"] = "Low|High|Part|Picture|Description|First|Second|\n"
                             "0|3000|SGN-300|srg_gas.gif|Gas Tube Protector|N Male|N Male|\n";
    files["dat/Images.dat"] = "Angle Member=mt_angle.gif\n"
                              "Plainhold Hanger=plainhold.gif\n"
                              "Vornclamp Block Clamp Set=vornclamp_set.gif\n"
                              "Plainhold Hanger, Galvanized=plainhold2.gif\n"
                              "Angle Clip Kit=hw_angleclip.gif\n"
                              "Standard Hoisting Grip=hg_standard.gif\n"
                              "Entry Plate, 4 Ports=ep_4port.gif\n"
                              "Standard Grounding Kit=gk_standard.gif\n"
                              "Cold Shrink Kit=wp_coldshrink.gif\n"
                              "N Male=con_n_male.gif\n";
    files["dat/mount.dat"] = "; mounting catalogue\n"
                             "[VStructures]\n"
                             "Tower=Tower|x|\n"
                             "[HStructures]\n"
                             "Tower=Tower|x|\n"
                             "[MountTypes]\n"
                             "Angle=Angle Member|x|x|x|\n"
                             "[CableAttachmentTypes]\n"
                             "Plainhold=Plainhold Hanger|1|\n"
                             "Vornclamp=Vornclamp Block Clamp Set|3|\n"
                             "PlainholdGalv=Plainhold Hanger, Galvanized|4|\n"
                             "[MountingHardwareTypes]\n"
                             "HW01=Angle Clip Kit|Angle|Plainhold|2|\n"
                             "[KA1]\n"
                             "X=PHK-1|ACK-1|VBC-1,VBC-2,VBC-3,|PHG-1|\n"
                             "[KW1]\n"
                             "X=PHK-W|ACK-1||||\n";
    files["dat/hoist.dat"] = "[Categories]\n1=Standard Hoisting Grip\n[KA1]\n1=1|HGS-1|\n[KW1]\n1=1|HGS-W|\n";
    files["dat/cblEntry.dat"] = "[Categories]\n1=4 in. Round Entry Ports\n"
                                "[Types]\n1=Entry Plate, 4 Ports\n10=Cable Entry Boot, 1 Hole\n"
                                "[KA1]\n1=1|EP4-4|||||||||EB4-1|\n"
                                "[KW1]\n1=1|EP4-4|||||||||EB4-W|\n"
                                "[Arrestor]\nPN=IEG-200\n";
    files["dat/ground.dat"] = "[Categories]\n1=Standard Grounding Kit\n[Types]\n1=Two-Hole Lug\n"
                              "[KA1]\n1=1|24|600|GK-1-24|\n[KW1]\n1=1|24|600|GK-W-24|\n";
    files["dat/weather.dat"] = "[Categories]\n1=Cold Shrink Kit\n[Types]\n1=Jumper Cable\n"
                               "[KA1]\n1=1|N Type|WCS-1|\n[KW1]\n1=1|N Type|WCS-W|\n";
    files["dat/gps.dat"] = "[Categories]\n1=GPS Feeder Kit\n[tline]\n1=1|GPK-1|\n";
    files["dat/accessorylist.dat"] = "[Sections]\n1=Hangers and Mounting Hardware\n2=Hoisting Grips\n3=Grounding Kits\n"
                                     "4=Weatherproofing\n5=Cable Entry\n7=GPS\n8=Surge Protection\n"
                                     "[KA1]\n1=C1-DM|Connector, 1/2 in.|1|\n"
                                     "[KW1]\n1=CW-DM|Connector, waveguide|1|\n";
    files["dat/settings.dat"] = "[General]\nSelectCable=0\nSelectCableType=1\nSelectCableName=KA1-C9\n"
                                "[OldParts]\nObsoleteWarning=1\nObsoleteWizard=0\nObsoleteList=0\n"
                                "[Grounding]\nSpacing=200\n[Hoist]\nSpacing=150\n"
                                "[UnitPack]\nAll=10\nACK-1=ACK-1|1|\n"
                                "[KA1]\nHanger1=PHK-1|1|3|\nHanger2=PHK-1M|1|3|\n"
                                "[KW1]\nHanger1=PHK-W|1|3.5|\n";
    files["dat/defaults.dat"] = files["dat/settings.dat"];
    files["dat/obsolete.dat"] = "PHG-1|PHK-1|Plainhold Hanger Kit|\n";
    files["dat/metric.dat"] = "PHK-1|PHK-1M|\n";
    files["dat/advanced.dat"] = "";
    std::string prices = "Type|Group|Part Number|Unit|Description|Price|\n";
    for (const std::string& part : kPricedParts)
        prices += "P|G|" + part + "|EA|Description of " + part + "|10.00|\n";
    files["shared/M_lom.dat"] = prices;

    for (std::string_view picture : ProgramPictures())
        files["images/" + std::string(picture)] =
            picture == kSplashPicture ? Gif(kSplashWidth, kSplashHeight) : Gif(8, 8);
    for (const char* picture : {"cbl_ka1.gif", "cbl_kw1.gif", "srg_gas.gif", "mt_angle.gif", "plainhold.gif",
                                "vornclamp_set.gif", "plainhold2.gif", "hw_angleclip.gif", "hg_standard.gif",
                                "ep_4port.gif", "gk_standard.gif", "wp_coldshrink.gif", "con_n_male.gif"})
        files["images/" + std::string(picture)] = Gif(8, 8);
    return files;
}

std::vector<Finding> CheckFiles(const std::map<std::string, std::string>& files)
{
    TempDir dir;
    for (const auto& [path, bytes] : files)
        dir.Write("inst/" + path, bytes);
    return CheckInstallation(dir.Path() + "inst", DefaultSharedFolder(dir.Path() + "inst"), ProbeGifHeader);
}

std::string Listing(const std::vector<Finding>& findings)
{
    std::string text;
    for (const Finding& f : findings)
        text += FormatFinding(f) + "\n";
    return text;
}

TEST(InstallationCheck, SmallInstallationIsClean)
{
    const auto findings = CheckFiles(SmallInstallation());
    EXPECT_TRUE(findings.empty()) << Listing(findings);
}

// One fault per case: the file to change (a text to replace, the whole file when the text
// is empty, or the file removed when there is no text) and the finding it must produce.
struct FaultCase
{
    const char* name;
    const char* path;
    const char* find;
    std::string replace;
    Severity severity;
    const char* file;
    int line;
    const char* fragment;
};

const std::string kTlinesHeader = "Part|Key|Low|High|Type|Diameter|k1|k2|P|Peak|Z|Description|Picture|\n";

// clang-format off
const FaultCase kFaults[] = {
    {"required file missing", "dat/metric.dat", nullptr, "", Severity::Error, "dat/metric.dat", 0, "required file is missing"},
    {"price list missing", "shared/M_lom.dat", nullptr, "", Severity::Error, "shared/M_Lom.dat", 0, "required file is missing"},
    {"comma decimal", "dat/tlines.dat", "|0.066|", "|0,066|", Severity::Error, "dat/tlines.dat", 2, "field 7 \"0,066\" is not a number"},
    {"unclosed picture field", "dat/tlines.dat", "|cbl_ka1.gif|", "|cbl_ka1.gif", Severity::Error, "dat/tlines.dat", 2, "only 12 fields closed"},
    {"unknown type code", "dat/tlines.dat", "|FOAM|", "|COAX|", Severity::Error, "dat/tlines.dat", 2, "is not AIR, FOAM or EW"},
    {"band upside down", "dat/tlines.dat", "|806|960|", "|960|806|", Severity::Error, "dat/tlines.dat", 2, "above the highest"},
    {"cut-off above the band", "dat/tlines.dat", "|3650|", "|6300|", Severity::Error, "dat/tlines.dat", 3, "6175 MHz, not above its cut-off frequency 6300"},
    {"coax without loss", "dat/tlines.dat", "|0.066|0.00022|", "|0|0|", Severity::Error, "dat/tlines.dat", 2, "give a loss of 0 dB; the cable page stops with a floating-point error"},
    {"waveguide without loss", "dat/tlines.dat", "|1129|", "|0|", Severity::Error, "dat/tlines.dat", 3, "scale (field 8) is 0; the cable page stops with a floating-point error"},
    {"repeated part number", "dat/tlines.dat", "KW1-L6|", "ka1-c9|", Severity::Warning, "dat/tlines.dat", 3, "also on line 2"},
    {"picture differs within a key", "dat/tlines.dat", "", kTlinesHeader +
        "KA1-C9|KA1|806|960|FOAM|1/2|0.066|0.00022|2.9|40|50|Foam coax|cbl_ka1.gif|\n"
        "KA1-U1|KA1|406|512|FOAM|1/2|0.066|0.00022|2.9|40|50|Foam coax|cbl_kw1.gif|\n"
        "KW1-L6|KW1|5925|6425|EW|E-59|3650|1129|4.6|50|-|Waveguide|cbl_kw1.gif|\n",
        Severity::Warning, "dat/tlines.dat", 3, "shows that picture for every line"},
    {"surge frequency not a number", "dat/Surge.dat", "0|3000|", "O|3000|", Severity::Error, "dat/Surge.dat", 2, "field 1 \"O\" is not a number"},
    {"surge without picture", "dat/Surge.dat", "|srg_gas.gif|", "||", Severity::Warning, "dat/Surge.dat", 2, "picture (field 4) is empty; choosing the protector shows na3.gif"},
    {"surge without description", "dat/Surge.dat", "|Gas Tube Protector|", "||", Severity::Error, "dat/Surge.dat", 2, "description (field 5) is empty"},
    {"named picture missing", "dat/Images.dat", "mt_angle.gif", "mt_angel.gif", Severity::Error, "dat/Images.dat", 1, "\"mt_angel.gif\" is missing"},
    {"picture is no GIF", "images/omni.gif", "", "\x89PNG\r\n\x1a\n0000000000", Severity::Error, "images/omni.gif", 0, "not a readable GIF"},
    {"program picture missing", "images/na3.gif", nullptr, "", Severity::Error, "images/na3.gif", 0, "loads it by this name"},
    {"splash of another size", "images/splash.gif", "", Gif(400, 300), Severity::Warning, "images/splash.gif", 0, "400 x 300 pixels"},
    {"caption without picture line", "dat/Images.dat", "Angle Member=mt_angle.gif\n", "", Severity::Warning, "dat/mount.dat", 7, "\"Angle Member\" has no line in Images.dat"},
    {"repeated caption", "dat/Images.dat", "N Male=con_n_male.gif\n", "N Male=con_n_male.gif\nn male=other.gif\n", Severity::Warning, "dat/Images.dat", 11, "only that line counts"},
    {"attachment column not a number", "dat/mount.dat", "Plainhold Hanger|1|", "Plainhold Hanger|one|", Severity::Error, "dat/mount.dat", 9, "\"one\" is not a whole number"},
    {"row section in other case", "dat/mount.dat", "[KA1]", "[ka1]", Severity::Warning, "dat/mount.dat", 14, "differs in letter case from cable key KA1"},
    {"multi-part entry not closed", "dat/mount.dat", "VBC-3,|", "VBC-3|", Severity::Error, "dat/mount.dat", 15, "not three part numbers each closed by \",\""},
    {"column no line names", "dat/mount.dat", "X=PHK-W|ACK-1||||", "X=PHK-W|ACK-1||||SPARE-1|", Severity::Warning, "dat/mount.dat", 17, "no attachment or hardware line names column 6"},
    {"hardware names unknown mount", "dat/mount.dat", "|Angle|Plainhold|2|", "|Angel|Plainhold|2|", Severity::Error, "dat/mount.dat", 13, "mount type \"Angel\""},
    {"hardware caption repeated for one mount and attachment", "dat/mount.dat", "HW01=Angle Clip Kit|Angle|Plainhold|2|\n", "HW01=Angle Clip Kit|Angle|Plainhold|2|\nHW02=Angle Clip Kit|Angle|Plainhold|4|\n", Severity::Error, "dat/mount.dat", 14, "for the same mount and attachment with column 2"},
    {"unknown location", "dat/mount.dat", "Tower=Tower|x|\n[HStructures]", "Tower=Towr|x|\n[HStructures]", Severity::Error, "dat/mount.dat", 3, "is not Tower, Monopole"},
    {"record of an unknown category", "dat/hoist.dat", "1=1|HGS-1|", "1=2|HGS-1|", Severity::Error, "dat/hoist.dat", 4, "category \"2\" (field 1) has no line in [Categories]"},
    {"record without part", "dat/hoist.dat", "1=1|HGS-W|", "1=1||", Severity::Error, "dat/hoist.dat", 6, "orders nothing"},
    {"repeated line name", "dat/hoist.dat", "1=1|HGS-1|\n", "1=1|HGS-1|\n1=1|HGS-W|\n", Severity::Warning, "dat/hoist.dat", 5, "also on line 4 of [KA1]"},
    {"part of a type without line", "dat/cblEntry.dat", "1=1|EP4-4|||||||||EB4-1|", "1=1||EP4-4||||||||EB4-1|", Severity::Error, "dat/cblEntry.dat", 7, "type 2 has no line in [Types]"},
    {"boot beyond the types read", "dat/cblEntry.dat", "|EB4-W|", "||||EB4-W|", Severity::Error, "dat/cblEntry.dat", 9, "is never offered: the wizard reads types 10 to 11"},
    {"no arrestor", "dat/cblEntry.dat", "PN=IEG-200", "PN=", Severity::Error, "dat/cblEntry.dat", 11, "no arrestor part number"},
    {"type number not a number", "dat/ground.dat", "1=Two-Hole Lug", "one=Two-Hole Lug", Severity::Error, "dat/ground.dat", 4, "type number \"one\" is not a whole number"},
    {"repeated category caption", "dat/ground.dat", "1=Standard Grounding Kit\n", "1=Standard Grounding Kit\n2=Standard Grounding Kit\n", Severity::Error, "dat/ground.dat", 3, "always resolves that line's category"},
    {"empty interface type", "dat/weather.dat", "1=1|N Type|WCS-W|", "1=1||WCS-W|", Severity::Error, "dat/weather.dat", 8, "interface type (field 2) is empty"},
    {"section of no cable key", "dat/weather.dat", "[KW1]", "[KW2]", Severity::Warning, "dat/weather.dat", 7, "[KW2] belongs to no cable key"},
    {"wizard section number missing", "dat/accessorylist.dat", "5=Cable Entry\n", "", Severity::Error, "dat/accessorylist.dat", 1, "has no line 5"},
    {"section number listed twice", "dat/accessorylist.dat", "7=GPS", "8=GPS", Severity::Error, "dat/accessorylist.dat", 8, "counts them twice in the total"},
    {"item of an unknown section", "dat/accessorylist.dat", "|Connector, 1/2 in.|1|", "|Connector, 1/2 in.|6|", Severity::Error, "dat/accessorylist.dat", 10, "\"6\" (field 3) is not in [Sections]"},
    {"appended item named like a key's line", "dat/accessorylist.dat", "[KA1]\n1=", "[Foam]\n1=CUT-1|Cutter|1|\n[KA1]\n2=", Severity::Warning, "dat/accessorylist.dat", 12, "is also the name the accessory list of KA1 gives to the item of line 10 of [Foam]"},
    {"settings section spelled in other case", "dat/settings.dat", "[General]", "[general]", Severity::Error, "dat/settings.dat", 1, "is looked up as [General]"},
    {"setting not a whole number", "dat/settings.dat", "SelectCable=0", "SelectCable=no", Severity::Warning, "dat/settings.dat", 2, "SelectCable \"no\" is not a whole number"},
    {"spacing of 0", "dat/settings.dat", "Spacing=200", "Spacing=0", Severity::Error, "dat/settings.dat", 10, "Spacing 0 is not above 0"},
    {"unknown preset cable", "dat/settings.dat", "SelectCableName=KA1-C9", "SelectCableName=KW1-L6", Severity::Warning, "dat/settings.dat", 4, "KW1-L6 is not a FOAM line"},
    {"repeated settings section", "dat/settings.dat", "[OldParts]", "[general]\nSelectCable=1\n[OldParts]", Severity::Warning, "dat/settings.dat", 5, "drops it with all its lines"},
    {"pack size 0", "dat/settings.dat", "ACK-1=ACK-1|1|", "ACK-1=ACK-1|0|", Severity::Error, "dat/settings.dat", 15, "pack size 0 is not above 0"},
    {"hanger spacing with a comma", "dat/settings.dat", "PHK-1|1|3|", "PHK-1|1|3,5|", Severity::Error, "dat/settings.dat", 17, "spacing (field 3) \"3,5\" is not a number"},
    {"hanger record for nothing offered", "dat/settings.dat", "PHK-W|1|3.5|", "PHK-X|1|3.5|", Severity::Warning, "dat/settings.dat", 20, "which no data file offers"},
    {"defaults differ", "dat/defaults.dat", "Spacing=150", "Spacing=100", Severity::Warning, "dat/defaults.dat", 0, "differs from settings.dat"},
    {"override not a whole number", "dat/advanced.dat", "", "PHK-1|x|\n", Severity::Error, "dat/advanced.dat", 1, "\"x\" is not a whole number"},
    {"empty metric part", "dat/metric.dat", "PHK-1|PHK-1M|", "PHK-1||", Severity::Error, "dat/metric.dat", 1, "metric part number (field 2) is empty"},
    {"metric line nobody uses", "dat/metric.dat", "PHK-1|PHK-1M|", "PHK-1|PHK-1M|\nC1-DM|C1-DMM|", Severity::Warning, "dat/metric.dat", 2, "offered by no wizard page"},
    {"replacement not in the same list", "dat/obsolete.dat", "PHG-1|PHK-1|", "PHG-1|PHK-W|", Severity::Warning, "dat/mount.dat", 15, "replacement PHK-W nowhere in [KA1] of mount.dat"},
    {"empty replacement", "dat/obsolete.dat", "PHG-1|PHK-1|", "PHG-1||", Severity::Error, "dat/obsolete.dat", 1, "replacement (field 2) is empty"},
    {"replacement missing from the accessory list", "dat/obsolete.dat", "", "C1-DM|C1-DN|Connector|\n", Severity::Error, "dat/accessorylist.dat", 10, "nowhere in the accessory list of KA1; accepting the offer sets the row to 0"},
    {"blank after a part number", "dat/obsolete.dat", "PHG-1|", "PHG-1 |", Severity::Warning, "dat/obsolete.dat", 1, "field 1 \"PHG-1 \" has blanks around its text"},
    {"blank before a caption", "dat/hoist.dat", "1=Standard", "1= Standard", Severity::Warning, "dat/hoist.dat", 2, "the value \" Standard Hoisting Grip\" has blanks"},
    {"replacement itself obsolete", "dat/obsolete.dat", "", "PHG-1|PHK-1|Kit|\nPHK-1|PHK-W|Kit|\n", Severity::Warning, "dat/obsolete.dat", 1, "is itself obsolete (line 2)"},
    {"price not a number", "shared/M_lom.dat", "|HGS-1|EA|Description of HGS-1|10.00|", "|HGS-1|EA|Description of HGS-1|10,00|", Severity::Error, "shared/M_lom.dat", PriceLine("HGS-1"), "\"10,00\" of HGS-1 is not a number"},
    {"unpriced part", "shared/M_lom.dat", "|GPK-1|EA|Description of GPK-1|10.00|", "|GPK-1|EA|Description of GPK-1||", Severity::Warning, "shared/M_lom.dat", PriceLine("GPK-1"), "GPK-1 has no unit price (field 6)"},
    {"part without a price line", "shared/M_lom.dat", "P|G|WCS-W|EA|Description of WCS-W|10.00|\n", "", Severity::Warning, "dat/weather.dat", 8, "WCS-W has no line in shared/M_lom.dat"},
    {"byte-order mark before a section", "dat/accessorylist.dat", "[Sections]", "\xEF\xBB\xBF[Sections]", Severity::Warning, "dat/accessorylist.dat", 0, "starts with a UTF-8 byte-order mark"},
    {"byte-order mark before a record", "dat/obsolete.dat", "PHG-1|", "\xEF\xBB\xBFPHG-1|", Severity::Warning, "dat/obsolete.dat", 0, "starts with a UTF-8 byte-order mark"},
    {"price list without a price", "shared/M_lom.dat", "", "Type|Group|Part Number|Unit|Description|Price|\nP|G|PHK-1|EA|Hanger kit||\n", Severity::Error, "shared/M_lom.dat", 0, "holds no price: no line has a part number (field 3) and a number in field 6"},
    {"cable key without sections", "dat/hoist.dat", "[KW1]\n1=1|HGS-W|\n", "", Severity::Warning, "dat/tlines.dat", 3, "cable key KW1 has no section in hoist.dat;"},
};
// clang-format on

// The hardware chosen is found by its caption, mount and attachment together.
TEST(InstallationCheck, HardwareCaptionMayRepeatWithAnotherColumnForAnotherAttachment)
{
    auto files = SmallInstallation();
    std::string& mount = files.at("dat/mount.dat");
    const std::string line = "HW01=Angle Clip Kit|Angle|Plainhold|2|\n";
    mount.replace(mount.find(line), line.size(), line + "HW02=Angle Clip Kit|Angle|PlainholdGalv|3|\n");
    const auto findings = CheckFiles(files);
    EXPECT_TRUE(findings.empty()) << Listing(findings);
}

TEST(InstallationCheck, FindsEachFault)
{
    for (const FaultCase& fault : kFaults) {
        SCOPED_TRACE(fault.name);
        auto files = SmallInstallation();
        if (!fault.find) {
            ASSERT_EQ(files.erase(fault.path), 1u);
        } else if (!*fault.find) {
            files[fault.path] = fault.replace;
        } else {
            std::string& text = files.at(fault.path);
            const size_t at = text.find(fault.find);
            ASSERT_NE(at, std::string::npos) << "the case's text is not in " << fault.path;
            text.replace(at, std::strlen(fault.find), fault.replace);
        }
        const auto findings = CheckFiles(files);
        const bool found = std::any_of(findings.begin(), findings.end(), [&](const Finding& f) {
            return f.severity == fault.severity && f.file == fault.file && f.line == fault.line &&
                   f.message.find(fault.fragment) != std::string::npos;
        });
        EXPECT_TRUE(found) << Listing(findings);
    }
}

TEST(InstallationCheck, LowestBandOfAWaveguideDecides)
{
    // The line's own mean (6175 MHz) is above 5950, but another line ends at 5930, so the
    // band 5925 - 5930 MHz can be chosen for it, whose mean is not.
    auto files = SmallInstallation();
    files["dat/tlines.dat"] = kTlinesHeader +
                              "KA1-C9|KA1|806|5930|FOAM|1/2|0.066|0.00022|2.9|40|50|Foam coax|cbl_ka1.gif|\n"
                              "KW1-L6|KW1|5925|6425|EW|E-59|5950|1129|4.6|50|-|Waveguide|cbl_kw1.gif|\n";
    const auto findings = CheckFiles(files);
    ASSERT_EQ(findings.size(), 1u) << Listing(findings);
    EXPECT_EQ(FormatFinding(findings[0]),
              "dat/tlines.dat:3: error: \"EW\" line offered for 5925 - 5930 MHz has a mean frequency of 5927.5 MHz, "
              "not above its cut-off frequency 5950 MHz (field 7); the cable page stops with a floating-point error");
}

TEST(InstallationCheck, SharedFolderCanLieElsewhere)
{
    TempDir dir;
    for (const auto& [path, bytes] : SmallInstallation())
        dir.Write(path.rfind("shared/", 0) == 0 ? "common/" + path.substr(7) : "inst/" + path, bytes);
    EXPECT_TRUE(CheckInstallation(dir.Path() + "inst", dir.Path() + "common", ProbeGifHeader).empty());
    const auto findings =
        CheckInstallation(dir.Path() + "inst", DefaultSharedFolder(dir.Path() + "inst"), ProbeGifHeader);
    ASSERT_FALSE(findings.empty());
    EXPECT_EQ(FormatFinding(findings[0]).substr(0, 32), "shared/M_Lom.dat: error: require");
}

TEST(InstallationCheck, FindingsFormat)
{
    const std::vector<Finding> findings{
        {Severity::Error, "dat/tlines.dat", 14, "field 7 \"0,066\" is not a number"},
        {Severity::Warning, "dat/defaults.dat", 0, "differs"},
    };
    EXPECT_EQ(FormatFinding(findings[0]), "dat/tlines.dat:14: error: field 7 \"0,066\" is not a number");
    EXPECT_EQ(FormatFinding(findings[1]), "dat/defaults.dat: warning: differs");
    EXPECT_EQ(FormatSummary(findings), "1 error, 1 warning");
    EXPECT_EQ(FormatSummary({}), "0 errors, 0 warnings");
}

// The demo installation is what a user of the repository runs: it must hold no error,
// and only the oddities it keeps on purpose.
TEST(InstallationCheck, DemoHasOnlyItsDeliberateOddities)
{
    const std::string demo = TAVROLIN_DEMO_DIR;
    const auto findings = CheckInstallation(demo, DefaultSharedFolder(demo), ProbeGifHeader);
    EXPECT_EQ(CountFindings(findings, Severity::Error), 0u) << Listing(findings);

    std::vector<std::string> warnings;
    for (const Finding& f : findings)
        if (f.severity == Severity::Warning)
            warnings.push_back(f.file + ": " + f.message.substr(0, f.message.find(';')));
    EXPECT_EQ(warnings,
              (std::vector<std::string>{
                  "dat/Surge.dat: the picture (field 4) is empty",
                  "dat/mount.dat: obsolete part HCG-6 (dat/obsolete.dat:4) has its replacement HCG-8 nowhere in [KF12] "
                  "of mount.dat",
                  "dat/mount.dat: section [ke107] differs in letter case from cable key KE107",
                  "dat/tlines.dat: cable key KE107 has no section in mount.dat, hoist.dat, cblEntry.dat, ground.dat, "
                  "weather.dat, accessorylist.dat, settings.dat",
                  "shared/M_lom.dat: DHY-2 has no unit price (field 6)",
                  "shared/M_lom.dat: EP4-12 has no unit price (field 6)",
                  "shared/M_lom.dat: GPK-PL has no unit price (field 6)",
              }))
        << Listing(findings);
}

} // namespace
} // namespace tav
