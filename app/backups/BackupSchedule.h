#pragma once

#include "toolbox/FileSystem.h"

#include <cstdint>
#include <optional>
#include <string>

// When the data file is kept as a dated backup: at the first save of a local day, the file
// still holds an earlier day's data, and it is kept under the local date it was last saved on.
class BackupSchedule
{
public:
    // The clock value the file on disk was saved at; none when no file was read.
    void SetSavedMoment(std::optional<int32_t> moment) { savedMoment = moment; }
    // Whether a save at the moment now is the first of a local day after the file's own.
    bool IsDue(int32_t now) const;
    // Before that save: keeps the file under the date it was saved on. A failure is logged
    // and nothing more: the save goes ahead whatever became of the copy.
    void Keep(const std::string& dataFile, toolbox::FileSystem& files);
    void Saved(int32_t moment) { savedMoment = moment; }

    // "YYYY-MM-DD" of a clock value in the local time zone.
    static std::string LocalDate(int32_t clockValue);
    // "YYYY-MM-DD-HHMMSS" in the local time zone: a copy kept at a given moment.
    static std::string LocalStamp(int32_t clockValue);

private:
    std::optional<int32_t> savedMoment;
};
