#pragma once

#include <string>

// The id of the data folder as a device that writes journal entries: made once, at the first
// start that finds none, and kept in its own file beside the data file with the id of the
// machine it was made on. A data folder copied to another machine takes a new id there, so
// that two machines never write entries as one device.
class DeviceId
{
public:
    // The file in the data folder; a missing or damaged file gets a new id, written there when
    // the folder takes it (else it is used for this run only).
    static std::string ReadOrMake(const std::string& path, const std::string& machine);
};
