// Any bytes loaded by the INI store, written back and loaded again give the same store.
#include "core/settings/IniStore.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

// One folder per run, removed when the run ends.
class Folder
{
public:
    Folder() : path_(std::filesystem::temp_directory_path() / ("tavrolin-fuzz-" + std::to_string(::getpid())))
    {
        std::filesystem::create_directories(path_);
    }
    ~Folder()
    {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    std::string Path() const { return path_.string(); }

private:
    std::filesystem::path path_;
};

const std::string& WorkFolder()
{
    static const Folder folder;
    static const std::string path = folder.Path();
    return path;
}

using Sections = std::vector<std::pair<std::string, std::vector<std::string>>>;

// The sections that hold lines, as a write keeps them.
Sections Contents(tav::TBigIniFile& ini)
{
    Sections out;
    for (const std::string& name : ini.SectionNames()) {
        std::vector<std::string> lines;
        ini.ReadSectionValues(name, lines);
        if (!lines.empty())
            out.emplace_back(name, std::move(lines));
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string input = WorkFolder() + "/input.ini";
    const std::string output = WorkFolder() + "/output.ini";
    std::ofstream(input, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    std::filesystem::remove(output);

    tav::TBigIniFile first(input);
    const Sections loaded = Contents(first);
    {
        tav::TBigIniFile copy(output);
        for (const auto& [name, lines] : loaded)
            copy.ReplaceSection(name, lines);
        copy.Close();
    }
    tav::TBigIniFile second(output);
    if (Contents(second) != loaded || second.Render() != first.Render()) {
        std::fprintf(stderr, "the second load differs from the first\n");
        std::abort();
    }
    return 0;
}
