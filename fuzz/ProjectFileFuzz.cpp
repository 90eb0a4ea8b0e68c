// Any bytes read as a project either are refused with the program's own error or give a
// project that, written back and read again, is the same project.
#include "Property.h"
#include "core/common/Errors.h"
#include "core/materials/ProjectFile.h"

#include <string>

namespace {

// The list a save of the project would write: one item row per item, under one heading.
tav::ListOfMaterials ListOf(const tav::Project& project)
{
    tav::ListOfMaterials list;
    list.rows.reserve(project.items.size() + 1);
    list.rows.push_back({tav::MaterialsRowKind::Heading, "Section", {}, {}, {}, {}});
    for (const tav::ProjectItem& item : project.items)
        list.rows.push_back(
            {tav::MaterialsRowKind::Item, item.part, "Description", "$1.00", std::to_string(item.quantity), "$1.00"});
    return list;
}

bool SameItems(const tav::Project& a, const tav::Project& b)
{
    if (a.items.size() != b.items.size())
        return false;
    for (size_t i = 0; i < a.items.size(); ++i)
        if (a.items[i].part != b.items[i].part || a.items[i].quantity != b.items[i].quantity)
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    tav::Project first;
    try {
        first = tav::ParseProjectFile(tav::fuzz::Bytes(data, size), "input");
    } catch (const tav::Error&) {
        return 0;
    }
    const std::string written = tav::RenderProjectFile(ListOf(first), first.inputs);
    const tav::Project second = tav::ParseProjectFile(written, "written");
    tav::fuzz::Expect(second.inputs == first.inputs && SameItems(first, second),
                      "the project read back differs from the one written");
    return 0;
}
