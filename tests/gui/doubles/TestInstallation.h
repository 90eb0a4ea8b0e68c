#pragma once

#include "doubles/FakePlatform.h"
#include "gui/app/Maker.h"
#include "support/TempDir.h"

#include <QString>
#include <string>

namespace tav::test {

// A 1 x 1 GIF picture.
inline const std::string& DotGif()
{
    static const std::string gif(
        "GIF89a\x01\x00\x01\x00\x80\x00\x00\xff\xff\xff\x00\x00\x00\x21\xf9\x04\x01\x00\x00\x00"
        "\x00\x2c\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02\x44\x01\x00\x3b",
        43);
    return gif;
}

// A program folder with a small but complete installation, and the registry value that
// points at its shared folder.
class TestInstallation
{
public:
    TempDir dir;

    TestInstallation()
    {
        Data("tlines.dat", "Part|Key|Begin|End|Type|Diameter|k1|k2|P|Peak|x|x|Picture|\n"
                           "FX-12|12FOAM|806|960|FOAM|1/2\"|0.21|0.0004|5|40|||cable12.gif|\n"
                           "AX-78|78AIR|806|960|AIR|7/8\"|0.11|0.0002|12|90|||cable78.gif|\n");
        Data("ground.dat", "[Categories]\n");
        Data("Surge.dat", "Low|High|Part|Picture|Description|First|Second|\n"
                          "800|1000|SP-1|na.gif|Surge protector, 800-1000 MHz|N Male|N Male|\n");
        Data("weather.dat", "[Categories]\n");
        Data("cblEntry.dat", "[Categories]\n");
        Data("hoist.dat", "[Categories]\n");
        Data("mount.dat", "[Categories]\n");
        Data("gps.dat", "[tline]\n");
        Data("accessorylist.dat", "[Sections]\n1=Mounting\n");
        Data("settings.dat", "[General]\r\nSelectCable=0\r\n");
        Data("Images.dat", "Plate=plate.gif\n");
        Data("obsolete.dat", "");
        Data("advanced.dat", "");
        Data("defaults.dat", "[General]\r\nSelectCable=0\r\n");
        Data("metric.dat", "");
        dir.Write("shared/M_lom.dat", "x|x|FX-12|x|Foam line 1/2\"|2.10|\n");
        for (const char* picture :
             {"na.gif", "na1.gif", "na2.gif", "na3.gif", "na4.gif", "na5.gif", "na6.gif", "tower.gif", "monopole.gif",
              "rooftop.gif", "parapet.gif", "custom.gif", "logo.gif", "cable12.gif", "cable78.gif", "plate.gif"})
            Image(picture, DotGif());
    }

    void Data(const std::string& name, const std::string& bytes) const { dir.Write("prog/dat/" + name, bytes); }
    void Image(const std::string& name, const std::string& bytes) const { dir.Write("prog/images/" + name, bytes); }
    QString ProgramFolder() const { return QString::fromStdString(dir.Path() + "prog/"); }
    std::string SharedFolder() const { return dir.Path() + "shared"; }

    void Register(FakeRegistry& registry) const
    {
        registry.WriteString(gui::kCommonFilesKey, gui::kCommonFilesValue, QString::fromStdString(SharedFolder()));
    }
};

} // namespace tav::test
