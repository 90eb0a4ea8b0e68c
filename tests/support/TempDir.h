#pragma once

#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace tav::test {

// A folder that exists for one test and is removed with everything in it afterwards.
class TempDir
{
public:
    TempDir()
    {
        std::string tmpl = (std::filesystem::temp_directory_path() / "tavrolin-test-XXXXXX").string();
        if (!::mkdtemp(tmpl.data()))
            throw std::runtime_error("mkdtemp failed");
        path_ = tmpl;
    }
    ~TempDir()
    {
        std::error_code ec;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(path_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // The folder with a trailing "/".
    std::string Path() const { return path_.string() + "/"; }
    std::string File(std::string_view name) const { return Path() + std::string(name); }

    std::string Write(std::string_view name, std::string_view bytes) const
    {
        const std::filesystem::path p = path_ / std::string(name);
        std::filesystem::create_directories(p.parent_path());
        std::ofstream(p, std::ios::binary) << bytes;
        return p.string();
    }

    std::string Read(std::string_view name) const
    {
        std::ifstream in(path_ / std::string(name), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

private:
    std::filesystem::path path_;
};

} // namespace tav::test
