#pragma once

#include "tests/support/TempFolder.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// Moves everything the program finds through toolbox::Places into a fresh temporary folder
// for as long as it lives: the program file <root>/program/Tallydene (the folder exists, the
// file need not), the local application-data folder <root>/data, the documents folder
// <root>/Documents and the home folder <root>/home (neither needs to exist), and arguments
// that hold only the program path. Everything is given back at destruction.
class TestPlaces
{
public:
    TestPlaces();
    ~TestPlaces();
    TestPlaces(const TestPlaces&) = delete;
    TestPlaces& operator=(const TestPlaces&) = delete;

    const std::filesystem::path& Root() const { return folder.Path(); }
    std::filesystem::path ProgramFolder() const { return Root() / "program"; }
    std::filesystem::path ProgramPath() const { return ProgramFolder() / "Tallydene"; }
    std::filesystem::path DataFolder() const { return Root() / "data"; }
    std::filesystem::path DocumentsFolder() const { return Root() / "Documents"; }
    std::filesystem::path HomeFolder() const { return Root() / "home"; }

    // The arguments after the program path.
    void SetArguments(const std::vector<std::string>& arguments);
    void SetProgramPath(const std::string& path);
    // Sets an environment variable until destruction; std::nullopt unsets it.
    void SetEnvironment(const char* name, std::optional<std::string> value);

private:
    struct SavedVariable
    {
        std::string name;
        std::optional<std::string> value;
    };

    TempFolder folder;
    std::string programPath;
    std::vector<SavedVariable> saved;
};
