#pragma once

#include <functional>
#include <string>
#include <vector>

namespace tav {

// A data check of one installation: the folder that holds dat/ and images/, and the
// shared folder with the maker's price list. It reads every file with the program's own
// readers and reports what would break the program or lose an order (errors) and what
// the program only copes with (warnings).

enum class Severity
{
    Error,
    Warning,
};

struct Finding
{
    Severity severity = Severity::Error;
    std::string file; // relative to the installation folder when inside it
    int line = 0;     // from 1; 0 when the finding concerns the whole file
    std::string message;
};

// Whether a picture file can be shown. The check itself only finds the file (names are
// matched without regard to case); decoding it is the probe's business.
struct PictureProbeResult
{
    bool readable = false;
    std::string reason; // why not, when not readable
    int width = 0;
    int height = 0;
};
using PictureProbe = std::function<PictureProbeResult(const std::string& path)>;

// The shared folder an installation uses unless told otherwise: its own "shared" folder.
std::string DefaultSharedFolder(const std::string& installationFolder);

// Findings sorted by file and line; within one line in the order they were found.
std::vector<Finding> CheckInstallation(const std::string& installationFolder, const std::string& sharedFolder,
                                       const PictureProbe& probe);

// "FILE:LINE: error: TEXT", without ":LINE" when the line is 0.
std::string FormatFinding(const Finding& finding);
size_t CountFindings(const std::vector<Finding>& findings, Severity severity);
// "2 errors, 1 warning"
std::string FormatSummary(const std::vector<Finding>& findings);

} // namespace tav
