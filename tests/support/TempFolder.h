#pragma once

#include <filesystem>
#include <string>

// A fresh folder under the system's temporary folder, removed with everything in it when the
// object goes.
class TempFolder
{
public:
    explicit TempFolder(const std::string& prefix = "tallydene");
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return path; }

private:
    std::filesystem::path path;
};

// Reads a whole file as bytes; an empty text when it cannot be read.
std::string ReadFileBytes(const std::filesystem::path& file);

// Writes bytes to a file, replacing it.
void WriteFileBytes(const std::filesystem::path& file, const std::string& bytes);
