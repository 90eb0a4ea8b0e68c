#include "core/check/InstallationCheck.h"

#include "core/check/CheckContext.h"
#include "core/common/Files.h"
#include "core/common/Numbers.h"

#include <algorithm>

namespace tav {

std::string DefaultSharedFolder(const std::string& installationFolder)
{
    return WithTrailingSlash(installationFolder) + "shared";
}

std::vector<Finding> CheckInstallation(const std::string& installationFolder, const std::string& sharedFolder,
                                       const PictureProbe& probe)
{
    using namespace check;
    Context c(installationFolder, sharedFolder, probe);
    LoadFiles(c);
    for (const IniFile* f : {&c.mount, &c.hoist, &c.entry, &c.ground, &c.weather, &c.gps, &c.accessories, &c.settings})
        CheckIniDialect(c, *f);
    // The files that offer parts come first; the checks after them look the parts up.
    CheckTransmissionLines(c);
    CheckSurgeList(c);
    CheckPictureMap(c);
    CheckMountCatalogue(c);
    CheckCatalogueFiles(c);
    CheckAccessoryList(c);
    CheckSettingsFiles(c);
    CheckAdvancedQuantities(c);
    CheckMetricParts(c);
    CheckObsoleteParts(c);
    CheckCableKeySections(c);
    CheckPartsInSettings(c);
    CheckPrices(c);
    CheckCaptionPictures(c);
    CheckPictures(c);

    std::vector<Finding> findings = c.TakeFindings();
    std::stable_sort(findings.begin(), findings.end(), [](const Finding& a, const Finding& b) {
        return a.file != b.file ? a.file < b.file : a.line < b.line;
    });
    return findings;
}

std::string FormatFinding(const Finding& finding)
{
    std::string text = finding.file;
    if (finding.line > 0)
        text += ":" + IntToStr(finding.line);
    text += finding.severity == Severity::Error ? ": error: " : ": warning: ";
    text += finding.message;
    return text;
}

size_t CountFindings(const std::vector<Finding>& findings, Severity severity)
{
    return static_cast<size_t>(std::count_if(findings.begin(), findings.end(),
                                             [severity](const Finding& f) { return f.severity == severity; }));
}

std::string FormatSummary(const std::vector<Finding>& findings)
{
    const auto count = [](size_t n, const char* word) {
        return IntToStr(static_cast<long long>(n)) + " " + word + (n == 1 ? "" : "s");
    };
    return count(CountFindings(findings, Severity::Error), "error") + ", " +
           count(CountFindings(findings, Severity::Warning), "warning");
}

} // namespace tav
