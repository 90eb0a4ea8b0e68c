#pragma once

#include "doubles/FakePlatform.h"
#include "gui/app/Maker.h"
#include "support/TempDir.h"

#include <QString>
#include <filesystem>
#include <stdexcept>
#include <string>

namespace tav::test {

// A copy of the demo installation in a temporary folder, which a test may change, and the
// registry value that points at its shared folder.
class DemoInstallation
{
public:
    TempDir dir;

    DemoInstallation()
    {
        namespace fs = std::filesystem;
        const fs::path demo = TAVROLIN_DEMO_DIR;
        fs::create_directories(dir.Path() + "prog");
        fs::copy(demo / "dat", dir.Path() + "prog/dat", fs::copy_options::recursive);
        fs::copy(demo / "images", dir.Path() + "prog/images", fs::copy_options::recursive);
        fs::copy(demo / "shared", dir.Path() + "shared", fs::copy_options::recursive);
    }

    QString ProgramFolder() const { return QString::fromStdString(dir.Path() + "prog/"); }

    void Register(FakeRegistry& registry) const
    {
        registry.WriteString(gui::kCommonFilesKey, gui::kCommonFilesValue,
                             QString::fromStdString(dir.Path() + "shared"));
    }

    // Replaces the first occurrence of a text in a data file.
    void Edit(const std::string& file, const std::string& from, const std::string& to) const
    {
        const std::string name = "prog/dat/" + file;
        std::string text = dir.Read(name);
        const size_t at = text.find(from);
        if (at == std::string::npos)
            throw std::runtime_error("\"" + from + "\" is not in " + file);
        dir.Write(name, text.replace(at, from.size(), to));
    }
};

} // namespace tav::test
