#include "core/app/CommandLine.h"

namespace tav {

CommandLine ParseCommandLine(const std::vector<std::string>& args)
{
    CommandLine cl;
    cl.argumentCount = args.size();
    if (args.empty())
        return cl;
    // "OPEN" is compared with case: "open" with four arguments is a part number.
    if (args[0] == "OPEN") {
        cl.kind = CommandLine::Kind::Open;
        cl.projectFile = args.size() > 1 ? args[1] : std::string();
        return cl;
    }
    if (args.size() == 4) {
        cl.kind = CommandLine::Kind::Launch;
        cl.partNumber = args[0];
        cl.horizontalLength = args[1];
        cl.verticalLength = args[2];
        cl.runs = args[3];
    }
    return cl;
}

} // namespace tav
