#pragma once

#include "app/Tallydene.h"
#include "tests/app/ExpectedFiles.h"
#include "tests/app/FakeMainWindow.h"
#include "tests/app/FakeUtcClock.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

// A user's machine in a temporary folder: the program file in "program", the data folder in
// "data", a clock the test sets, and a main window that records what it was told.
class AppScenario : public testing::Test
{
protected:
    AppScenario();
    ~AppScenario() override;

    // Starts the program as the windows do: the application object, then the main window.
    std::unique_ptr<Tallydene> Start(bool withWindow = true);

    // The clock value of a UTC moment, by the C library's calendar.
    static int32_t ClockAt(int year, int month, int day, int hour = 0, int minute = 0,
                           int second = 0);

    std::filesystem::path ProgramFolder() const { return temp.Path() / "program"; }
    std::filesystem::path DataFolder() const
    {
        return temp.Path() / "data" / "Brindlecott" / "Tallydene";
    }
    std::filesystem::path ConfigFile() const { return DataFolder() / "Tallydene.cfg"; }
    std::filesystem::path JournalPath() const { return DataFolder() / "Tallydene.journal"; }
    std::filesystem::path LogFile() const { return ProgramFolder() / "Tallydene.log"; }

    void WriteConfig(const ExpectedSettings& settings);
    // The saved file without the number of the journal's last entry it includes, which every
    // entry moves on (JournalFirstTest reads it).
    std::string SavedConfig() const;

    // The books as a file holds them; the moment of the last clock update is the clock's, not
    // the books'.
    static std::string BooksOf(Tallydene& app);

    // The project of that name, and its todo of that name.
    static Project& ProjectNamed(Tallydene& app, const std::string& name);
    static Todo& TodoNamed(Tallydene& app, const std::string& project, const std::string& todo);

    TempFolder temp;
    FakeUtcClock clock;
    FakeMainWindow window;

private:
    std::optional<std::string> savedDataHome;
};
