#pragma once

namespace tav::gui {

// Where the maker can be reached.
inline constexpr const char* kMakerName = "Brimcor";
inline constexpr const char* kMakerSite = "https://www.brimcor.example/";
inline constexpr const char* kMakerSiteLabel = "www.brimcor.example";
inline constexpr const char* kSupportEmail = "support@brimcor.example";
// The registry key that names the folder of the maker's shared files.
inline constexpr const char* kCommonFilesKey = "\\Software\\Brimcor\\Common Files";
inline constexpr const char* kCommonFilesValue = "Path";

} // namespace tav::gui
