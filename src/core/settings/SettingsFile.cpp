#include "core/settings/SettingsFile.h"

#include "core/common/Errors.h"
#include "core/common/Files.h"
#include "core/common/Numbers.h"

namespace tav {

SettingsFile::SettingsFile(const std::string& dataFolder) : ini_(WithTrailingSlash(dataFolder) + kSettingsFileName)
{
}

std::string SettingsFile::GetText(const SettingKey<int>& k)
{
    return ini_.ReadString(k.section, k.key, IntToStr(k.fallback));
}

void RestoreFactorySettings(const std::string& dataFolder)
{
    const std::string folder = WithTrailingSlash(dataFolder);
    const std::string defaults = folder + kDefaultsFileName;
    const auto bytes = ReadFileBytes(defaults);
    if (!bytes)
        throw IoError("Cannot read \"" + defaults + "\": the file of factory settings is missing");
    WriteFileAtomic(folder + kSettingsFileName, JoinLinesCrLf(SplitLines(*bytes)));
}

} // namespace tav
