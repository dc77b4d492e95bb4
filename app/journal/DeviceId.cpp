#include "app/journal/DeviceId.h"

#include "model/ItemId.h"
#include "toolbox/Logger.h"
#include "toolbox/Places.h"

#include <fstream>

namespace
{

std::string Line(std::istream& file)
{
    std::string line;
    std::getline(file, line);
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return line;
}

} // namespace

std::string DeviceId::ReadOrMake(const std::string& path, const std::string& machine)
{
    std::string id;
    std::string madeOn;
    if (std::ifstream file(path, std::ios::binary); file)
    {
        id = Line(file);
        madeOn = Line(file);
    }
    // A data folder copied from another machine writes as a device of its own.
    const bool copied = !madeOn.empty() && !machine.empty() && madeOn != machine;
    if (ItemId::IsWellFormed(id) && !copied && madeOn == machine)
        return id;
    if (!ItemId::IsWellFormed(id) || copied)
        id = ItemId::Make();
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << id << "\r\n" << machine << "\r\n";
    if (!file.flush())
        toolbox::Logger::Report("DeviceId", __LINE__, toolbox::Logger::kLevelWarn,
                                "Cannot keep the device id in " + path);
    return id;
}
