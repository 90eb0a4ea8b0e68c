#include "core/wizard/SurgeChoices.h"

#include "core/catalog/RecordLine.h"
#include "core/common/Numbers.h"
#include "core/common/Placing.h"
#include "core/wizard/ChoiceLists.h"
#include "core/wizard/ChoicePictures.h"
#include "core/wizard/Selection.h"

namespace tav {

namespace {

std::vector<std::string> OrNotApplicable(ValueList& values)
{
    if (values.Empty())
        values.Add(kNotApplicableChoice);
    return values.Take();
}

bool Offered(std::string_view record, const SurgeFilter& filter, const LineList& obsolete)
{
    if (!FitsBand(record, filter.band) || GetFieldView(record, kSurgeFirstConnectorField) != filter.first)
        return false;
    const std::string_view second = GetFieldView(record, kSurgeSecondConnectorField);
    return (second.empty() || second == filter.second) &&
           PartOffered(GetFieldView(record, kSurgePartField), obsolete, filter.keepObsolete);
}

} // namespace

Band ParseBand(std::string_view beginning, std::string_view ending)
{
    return Band{StrToFloat(beginning), StrToFloat(ending)};
}

bool FitsBand(std::string_view record, const Band& band)
{
    const double low = StrToFloat(GetFieldView(record, kSurgeLowField));
    const double high = StrToFloat(GetFieldView(record, kSurgeHighField));
    return band.beginning >= low && band.ending <= high;
}

std::vector<std::string> FirstConnectorChoices(const LineList& surge, const Band& band)
{
    ValueList values;
    NamingPlace(
        [&] {
            for (std::string_view record : surge)
                if (FitsBand(record, band))
                    values.Add(GetField(record, kSurgeFirstConnectorField));
        },
        surge);
    return OrNotApplicable(values);
}

std::vector<std::string> SecondConnectorChoices(const LineList& surge, const Band& band, std::string_view first)
{
    ValueList values;
    NamingPlace(
        [&] {
            for (std::string_view record : surge) {
                if (!FitsBand(record, band) || GetFieldView(record, kSurgeFirstConnectorField) != first)
                    continue;
                const std::string_view second = GetFieldView(record, kSurgeSecondConnectorField);
                values.Add(second.empty() ? std::string(kNoneChoice) : std::string(second));
            }
        },
        surge);
    return OrNotApplicable(values);
}

std::vector<std::string> SurgeChoices(const LineList& surge, const SurgeFilter& filter, const LineList& obsolete)
{
    ValueList values;
    NamingPlace(
        [&] {
            for (std::string_view record : surge)
                if (Offered(record, filter, obsolete))
                    values.Add(GetField(record, kSurgeDescriptionField));
        },
        surge);
    values.Add(kNotApplicableChoice);
    return values.Take();
}

std::optional<size_t> OfferedSurgeRecord(const LineList& surge, const SurgeFilter& filter, const LineList& obsolete,
                                         std::string_view description)
{
    return NamingPlace(
        [&]() -> std::optional<size_t> {
            for (size_t i = 0; i < surge.size(); ++i)
                if (GetFieldView(surge[i], kSurgeDescriptionField) == description &&
                    Offered(surge[i], filter, obsolete))
                    return i;
            return std::nullopt;
        },
        surge);
}

std::string SurgePictureName(const LineList& surge, const SurgeFilter& filter, const LineList& obsolete,
                             std::string_view description)
{
    const auto record = OfferedSurgeRecord(surge, filter, obsolete, description);
    const std::string_view picture = record ? GetFieldView(surge[*record], kSurgePictureField) : std::string_view();
    return picture.empty() ? std::string(kSurgePlaceholderPicture) : std::string(picture);
}

std::optional<std::string> SelectSurgePart(std::vector<std::string>& selection, const QuantityInputs& in,
                                           const LineList& surge, const SurgeFilter& filter, const LineList& obsolete,
                                           std::string_view description, const PartOffer& offer)
{
    const auto record = OfferedSurgeRecord(surge, filter, obsolete, description);
    const std::string_view listed = record ? GetFieldView(surge[*record], kSurgePartField) : std::string_view();
    const OrderedChoice chosen = OrderChosenPart(in.dataFolder, in.meters, obsolete, listed, offer);
    if (chosen.ordered.empty())
        ClearSelection(selection, slot::Surge);
    else
        WriteSelection(selection, slot::Surge, chosen.ordered, in.runsCount, section::Surge);
    if (!chosen.moveTo)
        return std::nullopt;
    if (record && GetFieldView(surge[*record], kSurgePartField) == *chosen.moveTo)
        return std::string(description);
    // Only a protector the list offers can be shown; otherwise the list keeps its entry.
    return NamingPlace(
        [&]() -> std::optional<std::string> {
            for (size_t i = 0; i < surge.size(); ++i)
                if (GetFieldView(surge[i], kSurgePartField) == *chosen.moveTo && Offered(surge[i], filter, obsolete))
                    return GetField(surge[i], kSurgeDescriptionField);
            return std::nullopt;
        },
        surge);
}

} // namespace tav
