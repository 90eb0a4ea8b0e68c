#include "core/wizard/Obsolete.h"

#include "core/cable/MetricPart.h"
#include "core/catalog/RecordLine.h"
#include "core/settings/SettingsFile.h"

#include <algorithm>

namespace tav {

std::optional<Replacement> FindReplacement(const LineList& obsolete, std::string_view part)
{
    const auto i = FindFirstLine(obsolete, 1, part, Compare::WithCase);
    if (!i)
        return std::nullopt;
    return Replacement{GetField(obsolete[*i], 2), GetField(obsolete[*i], 3)};
}

bool ObsoleteWarningsOn(const std::string& dataFolder)
{
    return SettingsFile(dataFolder).Get(keys::ObsoleteWarning);
}

bool KeepObsoleteInWizard(const std::string& dataFolder)
{
    return SettingsFile(dataFolder).Get(keys::ObsoleteWizard);
}

bool KeepObsoleteInList(const std::string& dataFolder)
{
    return SettingsFile(dataFolder).Get(keys::ObsoleteList);
}

void StopObsoleteWarnings(const std::string& dataFolder)
{
    SettingsFile settings(dataFolder);
    settings.Set(keys::ObsoleteWarning, false);
    settings.Close();
}

bool PartOffered(std::string_view part, const LineList& obsolete, bool keepObsolete)
{
    return !part.empty() && (keepObsolete || !IsObsolete(obsolete, part));
}

bool AskReplacement(const std::string& dataFolder, const std::string& replacementText, const ReplacementQuestion& ask)
{
    if (!ObsoleteWarningsOn(dataFolder))
        return false;
    return ask && ask(replacementText);
}

std::string OfferReplacement(const std::string& dataFolder, const LineList& obsolete, std::string_view part,
                             const ReplacementQuestion& ask)
{
    const auto replacement = FindReplacement(obsolete, part);
    if (!replacement)
        return std::string(part);
    if (AskReplacement(dataFolder, replacement->Text(), ask))
        return replacement->part;
    return std::string(part);
}

OrderedChoice OrderChosenPart(const std::string& dataFolder, bool meters, const LineList& obsolete,
                              std::string_view listedPart, const PartOffer& offer)
{
    if (listedPart.empty())
        return {};
    std::string part = MetricPart(dataFolder, listedPart, meters);
    if (part.empty() || !IsObsolete(obsolete, part))
        return {std::move(part), std::nullopt};
    std::string chosen = offer(part);
    if (chosen == part)
        return {std::move(part), std::string(listedPart)};
    // metric.dat and the catalogue list parts under their imperial numbers.
    std::string ordered = chosen.empty() ? std::string() : MetricPart(dataFolder, chosen, meters);
    return {std::move(ordered), std::move(chosen)};
}

ListSubstitution SubstituteInList(std::vector<AccessoryListRow>& rows, size_t edited, const LineList& obsolete,
                                  const std::function<std::string(std::string_view part)>& offer,
                                  const RecommendedQuantityFn& recommended)
{
    ListSubstitution result;
    if (edited >= rows.size() || rows[edited].heading)
        return result;
    AccessoryListRow& row = rows[edited];
    if (!(row.quantity > 0 || row.useRecommended))
        return result;

    const std::string part = row.part;
    if (IsObsolete(obsolete, part)) {
        const std::string chosen = offer(part);
        if (chosen != part) {
            std::optional<size_t> found;
            for (size_t i = 0; i < rows.size() && !found; ++i)
                if (!rows[i].heading && !chosen.empty() && rows[i].part == chosen)
                    found = i;
            if (!found) {
                result.missingReplacement = chosen;
            } else {
                AccessoryListRow& target = rows[*found];
                // The replacement takes over what the old part was going to need.
                const int q = recommended(part, target.section);
                row.quantity = 0;
                row.useRecommended = false;
                if (target.quantity == 0)
                    target.useRecommended = true;
                // A row holds no more than its editor can show; the sum must not wrap.
                target.quantity = static_cast<int>(
                    std::min<long long>(static_cast<long long>(target.quantity) + q, kMaxListQuantity));
                result.replaced = true;
                result.replacementRow = found;
                return result;
            }
        }
    }
    if (row.useRecommended)
        row.quantity = recommended(part, row.section);
    return result;
}

} // namespace tav
