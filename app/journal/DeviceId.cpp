#include "app/journal/DeviceId.h"

#include "model/ItemId.h"
#include "toolbox/Logger.h"

#include <fstream>

std::string DeviceId::ReadOrMake(const std::string& path)
{
    std::string id;
    if (std::ifstream file(path, std::ios::binary); file)
        std::getline(file, id);
    if (!id.empty() && id.back() == '\r')
        id.pop_back();
    if (ItemId::IsWellFormed(id))
        return id;
    id = ItemId::Make();
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << id << "\r\n";
    if (!file.flush())
        toolbox::Logger::Report("DeviceId", __LINE__, toolbox::Logger::kLevelWarn,
                                "Cannot keep the device id in " + path);
    return id;
}
