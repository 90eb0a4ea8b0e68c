#include "core/wizard/Quantities.h"

#include "core/cable/MetricPart.h"
#include "core/catalog/RecordLine.h"
#include "core/common/Errors.h"
#include "core/common/Files.h"
#include "core/common/Numbers.h"
#include "core/common/Placing.h"
#include "core/common/Text.h"
#include "core/settings/SectionLines.h"
#include "core/settings/SettingsFile.h"
#include "core/wizard/Selection.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>

namespace tav {

namespace {

// A part without a hanger record is counted as one piece per foot.
constexpr double kDefaultHangerSpacing = 1.0;

// The smallest whole number not below x. Lengths, packs and spacings are decimal
// numbers, and a quotient that is whole in decimals can land a hair above the whole
// number in binary (21 / 0.7 = 30.000000000000004); such a result must not cost the
// user an extra piece, so anything within a billionth of a whole number counts as it.
// The tolerance is absolute: scaled with x it would swallow real fractions of large
// runs (244,651 m are 802,651.0008 ft, which need 802,652).
double CeilWhole(double x)
{
    const double nearest = std::round(x);
    if (std::fabs(x - nearest) <= 1e-9)
        return nearest;
    return std::ceil(x);
}

// Computed quantities are never negative and never overflow.
int ToQuantity(double x)
{
    if (!(x > 0))
        return 0;
    if (x >= static_cast<double>(INT_MAX))
        return INT_MAX;
    return static_cast<int>(x);
}

int CeilDiv(long long a, long long b)
{
    return ToQuantity(CeilWhole(static_cast<double>(a) / static_cast<double>(b)));
}

// A length in whole feet: its ceiling in its own unit, and for meters the ceiling of
// that times the feet per meter.
double WholeFeet(double length, bool meters)
{
    double feet = CeilWhole(std::max(length, 0.0));
    if (meters)
        feet = CeilWhole(feet * kFeetPerMeter);
    return feet;
}

int Runs(const QuantityInputs& in)
{
    return std::max(in.runsCount, 0);
}

bool IsHorizontalSlot(int slot)
{
    return slot >= slot::HorizontalAttachment && slot < slot::VerticalAttachment;
}

// Calls f with the rest of every line that begins with the key followed by "|", in file
// order. Only the candidates found by a plain text search are looked at, so a long file
// costs little more than reading it.
template <typename F> void ForEachLineStartingWith(std::string_view text, std::string_view key, F&& f)
{
    for (size_t at = text.find(key); at != std::string_view::npos; at = text.find(key, at + 1)) {
        const bool lineStart = at == 0 || text[at - 1] == '\n' || text[at - 1] == '\r';
        const size_t after = at + key.size();
        if (!lineStart || after >= text.size() || text[after] != '|')
            continue;
        const size_t end = text.find_first_of("\r\n", after);
        f(text.substr(after + 1, end == std::string_view::npos ? std::string_view::npos : end - after - 1));
    }
}

// The spacing setting, with the absent-key default standing in for a spacing that
// cannot be divided by.
int SpacingSetting(SettingsFile& settings, const SettingKey<int>& key)
{
    const int spacing = settings.Get(key);
    return spacing > 0 ? spacing : key.fallback;
}

// Ceiling of the whole run (both lengths together) over a spacing setting.
int StepsAlongRun(const QuantityInputs& in, const SettingKey<int>& spacingKey)
{
    const double total = WholeFeet(std::max(in.horizontalLength, 0.0) + std::max(in.verticalLength, 0.0), in.meters);
    SettingsFile settings(in.dataFolder);
    const int spacing = SpacingSetting(settings, spacingKey);
    return ToQuantity(CeilWhole(total / spacing));
}

int TimesRuns(int perRun, int runs)
{
    return ToQuantity(static_cast<double>(perRun) * runs);
}

} // namespace

int AdvancedQuantity(const std::string& dataFolder, std::string_view part)
{
    const std::string path = WithTrailingSlash(dataFolder) + kAdvancedFileName;
    const auto bytes = ReadFileBytes(path);
    if (!bytes)
        throw IoError("Cannot open \"" + path + "\": No such file or directory");
    return NamingPlace([&] { return OverrideQuantity(*bytes, part); }, FileText{*bytes, path});
}

int OverrideQuantity(std::string_view advancedBytes, std::string_view part)
{
    // Field 1 holds no separator or line end, so such a part can never match.
    if (part.empty() || part.find_first_of("|\r\n") != std::string_view::npos)
        return 0;
    int result = 0;
    // Every matching line is taken in turn, so the last one counts.
    ForEachLineStartingWith(WithoutUtf8Bom(advancedBytes), part,
                            [&](std::string_view rest) { result = StrToInt(GetFieldView(rest, 1)); });
    return result;
}

int AttachmentQuantity(const QuantityInputs& in, std::string_view part, int slot)
{
    const int advanced = AdvancedQuantity(in.dataFolder, part);
    if (advanced >= 1)
        return advanced;
    if (part.empty())
        return 0;

    const double feet = WholeFeet(IsHorizontalSlot(slot) ? in.horizontalLength : in.verticalLength, in.meters);

    SettingsFile settings(in.dataFolder);
    // A pack that cannot be divided by gives way to the next one that can: the part's own
    // record to "All", "All" to the factory pack.
    int allPack = settings.Get(keys::UnitPackAll);
    if (allPack <= 0)
        allPack = keys::UnitPackAll.fallback;
    int pack = allPack;
    double spacing = kDefaultHangerSpacing;
    // The values are read where the store keeps them, so a bad one names its key.
    NamingPlace(
        [&] {
            for (std::string_view value : ValuesByName(settings.Ini().SectionLines(keys::kUnitPackSection)))
                if (GetFieldView(value, 1) == part)
                    pack = StrToInt(GetFieldView(value, 2));
            for (std::string_view value : ValuesByName(settings.Ini().SectionLines(in.cableKey)))
                if (GetFieldView(value, 1) == part)
                    spacing = StrToFloat(GetFieldView(value, 3));
        },
        settings.Ini());
    if (pack <= 0)
        pack = allPack;
    if (!(spacing > 0))
        spacing = kDefaultHangerSpacing;

    const int runs = Runs(in);
    int quantity = ToQuantity(CeilWhole(static_cast<double>(runs) * feet / (pack * spacing)));

    if (part == kAdapterPart) {
        // One adapter carries three runs of the two smaller cables, two runs of the others.
        if (runs == 0)
            return 0;
        const bool small = in.diameter == "1/2" || in.diameter == "7/8";
        const int adapters = CeilDiv(runs, small ? 3 : 2);
        quantity = CeilDiv(static_cast<long long>(quantity) * adapters, runs);
    }
    return quantity;
}

int HoistingGripQuantity(const QuantityInputs& in)
{
    return TimesRuns(StepsAlongRun(in, keys::HoistSpacing), Runs(in));
}

int GroundingKitQuantity(const QuantityInputs& in)
{
    // One kit at the top and one at the bottom of every run besides those along it.
    return TimesRuns(StepsAlongRun(in, keys::GroundingSpacing) + 2, Runs(in));
}

std::string SlotQuantity(const QuantityInputs& in, std::string_view part, int slot)
{
    const int advanced = AdvancedQuantity(in.dataFolder, part);
    if (advanced != 0)
        return IntToStr(advanced);
    switch (slot) {
    case slot::HoistingGrip:
        return IntToStr(HoistingGripQuantity(in));
    case slot::GroundingKit:
        return IntToStr(GroundingKitQuantity(in));
    case slot::Gps:
        return "1";
    default:
        return IntToStr(Runs(in));
    }
}

namespace {

std::string CountsRecord(int c1, int c2, int k)
{
    return IntToStr(c1) + "|" + IntToStr(c2) + "|" + IntToStr(k) + "|";
}

} // namespace

std::string SplitRunsByThree(int runsCount)
{
    const int n = std::max(runsCount, 0);
    switch (n % 3) {
    case 1:
        return CountsRecord(1, 0, (n - 1) / 3);
    case 2:
        return CountsRecord(0, 1, (n - 2) / 3);
    default:
        return CountsRecord(0, 0, n / 3);
    }
}

std::string SplitRunsBySix(int runsCount)
{
    const int n = std::max(runsCount, 0);
    switch (n % 6) {
    case 1:
    case 2:
        return CountsRecord(1, 0, n / 6);
    case 3:
    case 4:
        return CountsRecord(0, 1, n / 6);
    case 5:
        // Five runs left over: one more six-run part is simpler than two smaller ones.
        return CountsRecord(0, 0, n / 6 + 1);
    default:
        return CountsRecord(0, 0, n / 6);
    }
}

void WriteMultiPartSelection(std::vector<std::string>& selection, const QuantityInputs& in, int slot1, int slot2,
                             int slot3, std::string_view parts, std::string_view counts)
{
    // The counts already say how many run groups each part serves, so each piece is
    // counted for one run: the runs count must not be multiplied in a second time.
    QuantityInputs oneRun = in;
    oneRun.runsCount = 1;

    struct Pending
    {
        int slot;
        bool clear;
        std::string part;
        int quantity;
    };
    const std::array<int, 3> slots{slot1, slot2, slot3};
    std::array<Pending, 3> pending{};
    // Work everything out before writing, so a bad value leaves all three slots as they were.
    for (int i = 0; i < 3; ++i) {
        Pending& p = pending[static_cast<size_t>(i)];
        p.slot = slots[static_cast<size_t>(i)];
        const std::string_view count = GetFieldView(counts, i + 1);
        if (count == "0") {
            p.clear = true;
            continue;
        }
        const int groups = StrToInt(count);
        p.part = MetricPart(in.dataFolder, GetFieldView(parts, i + 1, ','), in.meters);
        const int perRun = AttachmentQuantity(oneRun, p.part, slot1);
        p.quantity = static_cast<int>(std::clamp(static_cast<long long>(groups) * perRun,
                                                 static_cast<long long>(INT_MIN), static_cast<long long>(INT_MAX)));
    }
    for (const Pending& p : pending) {
        if (p.clear)
            ClearSelection(selection, p.slot);
        else
            WriteSelection(selection, p.slot, p.part, p.quantity, section::Mounting);
    }
}

int RecommendedQuantity(const QuantityInputs& in, std::string_view part, std::string_view sectionText)
{
    const int advanced = AdvancedQuantity(in.dataFolder, part);
    if (advanced != 0)
        return advanced;
    switch (TryStrToInt(sectionText).value_or(0)) {
    case section::Mounting:
        // The vertical run and the horizontal run, each with its own ceilings.
        return ToQuantity(static_cast<double>(AttachmentQuantity(in, part, slot::VerticalHardware)) +
                          AttachmentQuantity(in, part, slot::HorizontalHardware));
    case section::HoistingGrip:
        return HoistingGripQuantity(in);
    case section::GroundingKit:
        return GroundingKitQuantity(in);
    case section::Weatherproofing:
        return Runs(in);
    default:
        return 1;
    }
}

} // namespace tav
