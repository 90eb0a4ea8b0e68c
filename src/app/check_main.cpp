// Checks an installation's data the way the program reads it, for its maintainer:
//
//     tavrolin-check [--shared PATH] DIR
//     tavrolin-check --price-list FILE
//
// DIR holds dat/ and images/; the maker's price list is looked for in DIR/shared unless
// --shared names its folder. --price-list checks one file as the price update checks a
// downloaded price package. Prints one line per finding ("FILE:LINE: error: TEXT") and a
// summary; exits 0 without errors, 1 with errors, 2 on bad usage.
#include "core/check/InstallationCheck.h"
#include "core/common/Errors.h"
#include "core/common/Files.h"
#include "core/materials/PriceListCheck.h"

#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <cstdio>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace {

constexpr const char* kUsage = "usage: tavrolin-check [--shared PATH] DIR\n"
                               "       tavrolin-check --price-list FILE\n"
                               "  DIR          the installation folder, holding dat/ and images/\n"
                               "  --shared     the folder of M_lom.dat (default: DIR/shared)\n"
                               "  --price-list a price package, checked as the price update checks it\n";

bool IsFolder(const std::string& path)
{
    struct stat st
    {
    };
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// A picture counts as readable when its contents say GIF and it decodes.
tav::PictureProbeResult ProbeWithQt(const std::string& path)
{
    tav::PictureProbeResult result;
    QImageReader reader(QFile::decodeName(path.c_str()));
    reader.setDecideFormatFromContent(true);
    const QByteArray format = reader.format();
    if (format != "gif") {
        result.reason = format.isEmpty() ? "the contents are no picture format that can be read"
                                         : "the contents are " + format.toUpper().toStdString() + ", not GIF";
        return result;
    }
    const QImage image = reader.read();
    if (image.isNull()) {
        result.reason = reader.errorString().toStdString();
        return result;
    }
    result.readable = true;
    result.width = image.width();
    result.height = image.height();
    return result;
}

// A price package: every problem the update refuses it for is an error.
int CheckPricePackage(const std::string& file)
{
    std::optional<std::string> bytes;
    try {
        bytes = tav::ReadFileBytes(file);
    } catch (const tav::Error& e) {
        std::fprintf(stderr, "tavrolin-check: %s\n", e.what());
        return 2;
    }
    if (!bytes) {
        std::fprintf(stderr, "tavrolin-check: %s is not a file\n", file.c_str());
        return 2;
    }
    std::vector<tav::Finding> findings;
    for (const tav::PriceListProblem& p : tav::CheckPriceListBytes(*bytes))
        findings.push_back({tav::Severity::Error, file, p.line, p.message});
    for (const tav::Finding& f : findings)
        std::printf("%s\n", tav::FormatFinding(f).c_str());
    std::printf("%s\n", tav::FormatSummary(findings).c_str());
    return findings.empty() ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);

    std::string folder;
    std::string shared;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "-h" || arg == "--help") {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (arg == "--price-list" && i == 1 && argc == 3)
            return CheckPricePackage(argv[2]);
        if (arg == "--shared" && i + 1 < argc && shared.empty()) {
            shared = argv[++i];
        } else if (arg.rfind("--shared=", 0) == 0 && shared.empty()) {
            shared = arg.substr(9);
        } else if (!arg.empty() && arg[0] != '-' && folder.empty()) {
            folder = arg;
        } else {
            std::fputs(kUsage, stderr);
            return 2;
        }
    }
    if (folder.empty()) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    if (!IsFolder(folder)) {
        std::fprintf(stderr, "tavrolin-check: %s is not a folder\n", folder.c_str());
        return 2;
    }
    if (!QImageReader::supportedImageFormats().contains("gif")) {
        std::fputs("tavrolin-check: this Qt installation cannot read GIF pictures (imageformats plugin missing)\n",
                   stderr);
        return 2;
    }

    const auto findings =
        tav::CheckInstallation(folder, shared.empty() ? tav::DefaultSharedFolder(folder) : shared, ProbeWithQt);
    for (const tav::Finding& f : findings)
        std::printf("%s\n", tav::FormatFinding(f).c_str());
    std::printf("%s\n", tav::FormatSummary(findings).c_str());
    return tav::CountFindings(findings, tav::Severity::Error) > 0 ? 1 : 0;
}
