#pragma once

#include "core/common/Errors.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tav {

// The reader and writer of the program's INI-format files (settings, defaults, the
// INI-laid-out catalogue files, project files). It keeps every line as it stood,
// compares keys without regard to case, and rewrites the whole file when changed.
//
// Key operations find their section by exact name; section operations and the
// duplicate test while loading ignore case. A store lives for one operation only:
// open, read or write, Close().
class TBigIniFile
{
public:
    // A missing file gives an empty store; a file that exists but cannot be read
    // throws IoError, so a later write can never clobber it.
    explicit TBigIniFile(std::string fileName);
    // A store on no file at all, loaded from the text: files built whole in memory start
    // from an empty one, and readers of user files parse the bytes they were handed.
    struct InMemory
    {
    };
    TBigIniFile(InMemory, std::string_view text);
    virtual ~TBigIniFile() = default;

    TBigIniFile(const TBigIniFile&) = delete;
    TBigIniFile& operator=(const TBigIniFile&) = delete;

    const std::string& FileName() const { return fileName_; }
    bool Changed() const { return changed_; }

    std::string ReadString(std::string_view section, std::string_view key, std::string_view fallback);
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    int ReadInteger(std::string_view section, std::string_view key, int fallback);
    void WriteInteger(std::string_view section, std::string_view key, int value);
    bool ReadBool(std::string_view section, std::string_view key, bool fallback);
    void WriteBool(std::string_view section, std::string_view key, bool value);

    // Append to the list; nothing when the section is absent.
    void ReadSection(std::string_view section, std::vector<std::string>& names);
    void ReadSectionValues(std::string_view section, std::vector<std::string>& lines);
    // The same lines without a copy, valid until the store changes; empty when the section
    // is absent.
    const std::vector<std::string>& SectionLines(std::string_view section);
    // Names of all sections, in file order.
    std::vector<std::string> SectionNames() const;
    bool SectionExists(std::string_view section);

    void ReplaceSection(std::string_view section, std::vector<std::string> lines);
    // Empties the section; a section without lines is not written.
    void EraseSection(std::string_view section);

    // Writes the file when something changed; throws IoError and leaves the old file intact on failure.
    void UpdateFile();
    void Close() { UpdateFile(); }

    // The file text that UpdateFile writes.
    std::string Render() const;

    // Where a text the store holds stands: 'key "NAME" of [SECTION]'; nothing for a text
    // that is not the store's.
    std::optional<std::string> KeyAt(const char* text) const;

    // Integer conversion of a stored value: hexadecimal when it begins with "0x" or "$",
    // otherwise decimal.
    static std::optional<int> ParseIniInteger(std::string_view text);

private:
    struct Section
    {
        std::string name;
        std::vector<std::string> lines;
    };

    void Load();
    void Parse(std::string_view text);
    Section* FindExact(std::string_view name);
    Section* FindNoCase(std::string_view name);
    template <typename Match> Section* FindFrom(Match match);
    static std::optional<size_t> FindKey(const Section& s, std::string_view key);

    std::string fileName_;
    std::vector<Section> sections_;
    bool changed_ = false;
    size_t lastFound_ = 0;
};

// A conversion error about a text of the store, naming its file and the key.
std::optional<ConversionError> PlaceOf(const ConversionError& e, const TBigIniFile& ini);

// The class the program instantiates; it adds nothing.
class TBiggerIniFile : public TBigIniFile
{
public:
    using TBigIniFile::TBigIniFile;
};

} // namespace tav
