// Any bytes read as advanced.dat give each part the same override whether the quantity
// rules look the part up in the text or the customize dialog reads every row; the rows
// the dialog read, written back as the dialog writes them, read back the same.
#include "Property.h"
#include "core/common/Errors.h"
#include "core/common/Files.h"
#include "core/settings/QuantityOverrides.h"
#include "core/wizard/Quantities.h"

#include <string>
#include <vector>

namespace {

using tav::fuzz::Expect;

// Each lookup searches the whole text, so a bounded number of them keeps long inputs fast.
constexpr size_t kMaxLookups = 8;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view bytes = tav::fuzz::Bytes(data, size);
    std::vector<tav::QuantityOverride> rows;
    try {
        tav::ParseOverrides(bytes, rows);
    } catch (const tav::ConversionError&) {
        return 0;
    }

    for (size_t i = 0; i < rows.size() && i < kMaxLookups; ++i) {
        const std::string& part = rows[i].part;
        if (part.empty())
            continue;
        int last = 0;
        for (const auto& row : rows)
            if (row.part == part)
                last = row.quantity;
        Expect(tav::OverrideQuantity(bytes, part) == last, "the quantity rules see another override than the dialog");
    }

    Expect(!tav::OverrideProblem(rows), "a row read from the file cannot be written back");
    std::vector<tav::QuantityOverride> again;
    tav::ParseOverrides(tav::JoinLinesCrLf(tav::OverrideLines(rows)), again);
    Expect(again == rows, "the rows written back read back differently");
    return 0;
}
