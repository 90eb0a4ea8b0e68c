#include "gui/app/ProgramFolder.h"

#include "core/app/PersonalFolder.h"
#include "core/common/Errors.h"
#include "core/common/Files.h"
#include "core/materials/PriceList.h"
#include "gui/app/Maker.h"
#include "gui/app/TextCodec.h"

namespace tav::gui {

QString PrepareProgramFolder(Platform& platform, const QString& executableFolder, const QString& installedFolder,
                             const QString& dataHome)
{
    const ProgramPlace place =
        ChooseProgramPlace(ProbeInstallation(ToData(executableFolder), ToData(installedFolder), ToData(dataHome)));
    if (place.installation.empty())
        return FromData(place.program);

    std::optional<std::string> registered;
    if (const auto path = platform.registry.ReadString(kCommonFilesKey, kCommonFilesValue))
        registered = ToData(*path);
    const bool holdsPrices = registered && FileExists(*registered + "/" + kPriceListFileName);
    const SharedChoice shared = ChooseSharedFolder(registered, holdsPrices, PersonalSharedFolder(ToData(dataHome)));
    try {
        BringInInstallation({place.installation, place.program, shared.fill});
    } catch (const IoError& e) {
        platform.boxes.Error(nullptr, QStringLiteral("Tavrolin could not prepare its folder for you.\n") +
                                          FromData(e.what()) +
                                          "\nIt runs from its installation, where nothing can be saved.");
        return FromData(place.installation);
    }
    // Only a folder that holds the price list by now is registered.
    if (shared.registerIt)
        platform.registry.WriteString(kCommonFilesKey, kCommonFilesValue, FromData(shared.fill));
    return FromData(place.program);
}

} // namespace tav::gui
