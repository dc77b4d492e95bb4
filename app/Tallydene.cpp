#include "app/Tallydene.h"

#include "app/ClockValue.h"
#include "app/DataFileMessages.h"
#include "app/EventLog.h"
#include "app/MainWindow.h"
#include "app/Prompts.h"
#include "app/UtcClock.h"
#include "model/Todo.h"
#include "toolbox/ConfigSection.h"
#include "toolbox/Exception.h"
#include "toolbox/Path.h"

#include <algorithm>
#include <limits>

namespace
{

// Sums of durations are taken in 64 bits and kept at the ends of the 32-bit range, so that an
// absurd stored value or a clock far off gives a large number, never a wrapped one.
int32_t Saturated(int64_t seconds)
{
    return static_cast<int32_t>(std::clamp<int64_t>(seconds, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

void CheckWeekday(int weekday)
{
    if (weekday < 0 || weekday > 6)
        throw toolbox::EIllegalArgument("The weekday must be 0 to 6", "Tallydene::Target",
                                        __LINE__);
}

std::string TargetKey(int weekday)
{
    return "Target" + std::to_string(weekday);
}

} // namespace

Tallydene::Tallydene(const UtcClock& clock, char decimalChar)
    : TriExtApp("Tallydene", {"Options", "Projects", "WorkingTime"}), clock(clock),
      decimalChar(decimalChar)
{
    durations.SetDecimalChar(decimalChar);
    LoadSettings();
}

Tallydene::~Tallydene()
{
    End(nullptr);
}

bool Tallydene::End(Prompts* prompts)
{
    // The windows are gone by now; the last update touches no status line or tooltip.
    mainWindow = nullptr;
    if (ended || shutdownSkipped)
        return true;
    ended = true;
    BookTime();
    LogEvent("Tallydene ended");
    const bool saved = SaveAtEnd(prompts);
    // Saved, or the user chose to quit without saving: either way the file stays as it is.
    Abandon();
    return saved;
}

void Tallydene::LoadSettings()
{
    toolbox::ConfigSection& root = *GetRootSection();
    toolbox::ConfigSection& options = root.GetSection("Options");
    toolbox::ConfigSection& workingTime = root.GetSection("WorkingTime");

    overtimeBalance = workingTime.GetInt("Actual", 0);
    autoSaveEnabled = options.GetBool("AutoSaveEnabled", true);
    durations.SetDecimalChar(decimalChar);
    trayIcon = options.GetBool("TrayIcon", true);
    // A first start charges no day: the last update is now.
    lastTimeUpdated = root.GetSection("Application").GetInt("LastTimeUpdated", Now());
    loggingEnabled = options.GetBool("LoggingEnabled", false);

    activeTodo = nullptr;
    projects.Clear();
    for (toolbox::ConfigSection* section : root.GetSection("Projects").Sections().Values())
    {
        auto project = std::make_unique<Project>();
        project->Load(*section);
        projects.Append(std::move(project));
    }

    for (int weekday = 0; weekday < 7; ++weekday)
        targets[weekday] = workingTime.GetInt(TargetKey(weekday).c_str(), 0);
    durations.SetTimeFormat(options.GetInt("TimeFormat", 1));
    durations.SetTimeRound(options.GetInt("TimeRound", 1));
    workingTimeEnabled = options.GetBool("WorkingTimeEnabled", true);
}

void Tallydene::SaveSettings()
{
    toolbox::ConfigSection& root = *GetRootSection();
    toolbox::ConfigSection& options = root.GetSection("Options");
    toolbox::ConfigSection& workingTime = root.GetSection("WorkingTime");

    workingTime.GetParameter("Actual").SetInt(overtimeBalance);
    options.GetParameter("AutoSaveEnabled").SetBool(autoSaveEnabled);
    options.GetParameter("TrayIcon").SetBool(trayIcon);
    root.GetSection("Application").GetParameter("LastTimeUpdated").SetInt(lastTimeUpdated);
    options.GetParameter("LoggingEnabled").SetBool(loggingEnabled);

    SaveProjects(root);

    for (int weekday = 0; weekday < 7; ++weekday)
        workingTime.GetParameter(TargetKey(weekday).c_str()).SetInt(targets[weekday]);
    options.GetParameter("TimeFormat").SetInt(durations.TimeFormat());
    options.GetParameter("TimeRound").SetInt(durations.TimeRound());
    options.GetParameter("WorkingTimeEnabled").SetBool(workingTimeEnabled);
}

void Tallydene::SaveProjects(toolbox::ConfigSection& root)
{
    const bool booking = onlyBookingUnsaved;
    // Taken once: a command run while this save's message is shown saves in full.
    onlyBookingUnsaved = false;
    if (booking)
    {
        if (activeTodo != nullptr)
            activeTodo->GetProject()->SaveBookedTime(root.GetSection("Projects"), *activeTodo);
        return;
    }
    // Written afresh, so that deleted and renamed items leave nothing behind.
    root.RemoveSection("Projects");
    toolbox::ConfigSection& projectsSection = root.GetSection("Projects");
    for (const Project* project : projects)
        project->Save(projectsSection);
    projectsWritten = true;
}

int32_t Tallydene::GetTarget(int weekday) const
{
    CheckWeekday(weekday);
    return targets[weekday];
}

void Tallydene::SetTarget(int weekday, int32_t seconds)
{
    CheckWeekday(weekday);
    targets[weekday] = seconds;
}

TreeControl* Tallydene::GetMainTree() const
{
    return mainWindow != nullptr ? &mainWindow->GetTree() : nullptr;
}

std::string Tallydene::FormatDuration(int32_t seconds, int width, bool roundForCopy,
                                      int32_t format) const
{
    return durations.FormatDuration(seconds, width, roundForCopy, format);
}

std::string Tallydene::FormatDuration(int32_t seconds, int width, bool roundForCopy) const
{
    return durations.FormatDuration(seconds, width, roundForCopy);
}

std::string Tallydene::FormatDuration(int32_t seconds, int width) const
{
    return durations.FormatDuration(seconds, width, false);
}

std::string Tallydene::FormatForDialog(int32_t seconds) const
{
    return durations.FormatForDialog(seconds);
}

std::string Tallydene::FormatForCopy(int32_t seconds) const
{
    return durations.FormatForCopy(seconds);
}

int32_t Tallydene::ParseDuration(const std::string& text)
{
    return Durations::ParseDuration(text);
}

bool Tallydene::ShowsTime(int32_t seconds) const
{
    return durations.ShowsTime(seconds);
}

int32_t Tallydene::Now() const
{
    return ClockValueOf(clock.NowUtc());
}

int32_t Tallydene::DayOf(int32_t clockValue)
{
    return ::DayOf(clockValue);
}

int Tallydene::WeekdayOf(int32_t day)
{
    return ::WeekdayOf(day);
}

void Tallydene::UpdateTime()
{
    // Nothing unsaved yet: the clock's booking is all this save has to bring into the store.
    onlyBookingUnsaved = projectsWritten && !unsavedChanges;
    BringUpToDate();
    FinishCommand();
    onlyBookingUnsaved = false;
}

void Tallydene::BringUpToDate()
{
    BookTime();
    RefreshStatus();
}

void Tallydene::BookTime()
{
    int32_t moment = Now();

    if (activeTodo != nullptr)
    {
        // Negative when the system clock was set back: the accounts give the time back.
        int64_t elapsed = static_cast<int64_t>(moment) - lastTimeUpdated;
        activeTodo->SetTime(Saturated(activeTodo->GetTime() + elapsed));
        activeTodo->Refresh(*this);
        Project& project = *activeTodo->GetProject();
        project.SetTotalTime(Saturated(project.GetTotalTime() + elapsed));
        project.Refresh(*this);
        if (workingTimeEnabled)
            overtimeBalance = Saturated(overtimeBalance + elapsed);
    }
    if (workingTimeEnabled)
        ChargeDays(lastTimeUpdated, moment);
    lastTimeUpdated = moment;
    unsavedChanges = true;
}

void Tallydene::RefreshStatus()
{
    if (mainWindow == nullptr)
        return;
    mainWindow->SetStatusText(StatusText());
    if (mainWindow->IsTrayIconShown() && trayIcon)
        mainWindow->UpdateTrayIcon();
}

void Tallydene::FinishCommand()
{
    // A command may have changed any project, marked or not: the projects are written in full.
    if (!onlyBookingUnsaved)
        projectsWritten = false;
    // A save that failed is tried again whatever the option says: the user was told the data
    // is not saved until one succeeds.
    if (unsavedChanges && (autoSaveEnabled || IsSaveFailing()))
        SaveAndReport();
}

bool Tallydene::SaveAndReport()
{
    const bool wasFailing = IsSaveFailing();
    if (WriteFile())
        unsavedChanges = false;
    if (wasFailing != IsSaveFailing())
        RefreshStatus();
    if (!wasFailing && IsSaveFailing() && mainWindow != nullptr)
        mainWindow->GetPrompts().Refuse(DataFileMessages::SaveFailed(lastSave));
    return !IsSaveFailing();
}

bool Tallydene::SaveAtEnd(Prompts* prompts)
{
    for (;;)
    {
        if (WriteFile())
            return true;
        if (prompts == nullptr || !prompts->Ask(DataFileMessages::SaveFailedAtEnd(lastSave),
                                                Prompts::QuestionIcon::Warning))
            return false;
    }
}

bool Tallydene::WriteFile()
{
    SaveSettings();
    lastSave = Save();
    return !IsSaveFailing();
}

void Tallydene::ReportDataFileProblems()
{
    if (mainWindow == nullptr)
        return;
    if (const auto& wanted = GetUnmadeDataFolder())
        mainWindow->GetPrompts().Inform(DataFileMessages::DataFolderUnmade(
            *wanted, FindConfigurationDirectory().ToString(false).c_str()));
    const std::string problems = DataFileMessages::LoadProblems(GetLoadReport());
    if (!problems.empty())
        mainWindow->GetPrompts().Refuse(problems);
}

void Tallydene::ChargeDays(int32_t fromMoment, int32_t toMoment)
{
    int64_t balance = overtimeBalance;
    for (int32_t day = DayOf(fromMoment) + 1; day <= DayOf(toMoment); ++day)
        balance = Saturated(balance - targets[WeekdayOf(day)]);
    overtimeBalance = Saturated(balance);
}

void Tallydene::Activate(Todo& todo)
{
    if (activeTodo == &todo)
        return;
    BringUpToDate();
    if (Todo* previous = activeTodo)
    {
        activeTodo = nullptr;
        previous->Refresh(*this);
    }
    activeTodo = &todo;
    if (mainWindow != nullptr)
        mainWindow->SetDocumentTitle(todo.GetName());
    todo.Refresh(*this);
    if (mainWindow != nullptr)
        mainWindow->SetActiveLook(true);
}

void Tallydene::Pause()
{
    if (activeTodo == nullptr)
        return;
    BringUpToDate();
    Todo& previous = *activeTodo;
    activeTodo = nullptr;
    if (mainWindow != nullptr)
        mainWindow->SetDocumentTitle("Paused");
    previous.Refresh(*this);
    if (mainWindow != nullptr)
        mainWindow->SetActiveLook(false);
}

std::string Tallydene::StatusText() const
{
    int64_t todosTotal = 0;
    int64_t projectsTotal = 0;
    for (const Project* project : projects)
    {
        todosTotal += project->SumOfTodoTimes();
        projectsTotal += project->GetTotalTime();
    }
    std::string text = "Open todos: " + FormatDuration(Saturated(todosTotal), 0) +
                       "      Projects: " + FormatDuration(Saturated(projectsTotal), 0);
    if (workingTimeEnabled)
        text += "      Working time: " + FormatDuration(overtimeBalance, 0);
    if (IsSaveFailing())
        return DataFileMessages::notSavedStatus + text;
    return text;
}

void Tallydene::LogEvent(const std::string& message)
{
    if (loggingEnabled)
        WriteLogLine(EventLog::FormatLine(clock.NowUtc(), message));
}

void Tallydene::LogEvent(const std::string& message, const std::string& detail)
{
    if (loggingEnabled)
        WriteLogLine(EventLog::FormatLine(clock.NowUtc(), message, detail));
}

void Tallydene::WriteLogLine(const std::string& line)
{
    toolbox::Path beside = toolbox::Path::CreateExecutablePath();
    std::unique_ptr<toolbox::String> name = beside.TakeLast();
    if (!name)
        return;
    toolbox::Path::SetExtension(*name, "log");
    beside.Append(name->c_str());
    if (EventLog::AppendLine(beside.ToString(false).str(), line))
        return;
    // An installed program usually cannot write beside itself; the data folder always can.
    toolbox::Path dataFolder = FindConfigurationDirectory();
    dataFolder.Append(name->c_str());
    EventLog::AppendLine(dataFolder.ToString(false).str(), line);
}

bool Tallydene::AnyTodoOpen() const
{
    for (const Project* project : projects)
        if (project->AnyTodoHasVisibleTime(*this))
            return true;
    return false;
}
