#include "app/DataFileMessages.h"

const char* const DataFileMessages::notSavedStatus = "NOT SAVED      ";

std::string DataFileMessages::SaveFailed(const toolbox::FileResult& result)
{
    return "Tallydene cannot save your data:\n" + result.Reason() +
           "\n\nIt tries again every minute. Until a save succeeds, the status line says that "
           "your data is not saved.";
}

std::string DataFileMessages::SaveFailedAtEnd(const toolbox::FileResult& result)
{
    return "Tallydene cannot save your data:\n" + result.Reason() +
           "\n\nTry again? No quits without saving, and the changes since the last save are "
           "lost.";
}

std::string DataFileMessages::LoadProblems(const toolbox::Config::LoadReport& report)
{
    std::string text;
    if (!report.readError)
        text = "Tallydene cannot read your data:\n" + report.readError.Reason() + ".";
    if (!report.keptAside.empty())
        text += std::string(text.empty() ? "" : "\n\n") +
                "Tallydene cannot read its data file and has kept it as\n" + report.keptAside + ".";
    if (!report.oldKeptAside.empty())
        text += "\n\nIts previous copy cannot be read either and is kept as\n" +
                report.oldKeptAside + ".";
    if (text.empty())
        return text;
    if (report.loaded.empty())
        return text + "\n\nNo other copy can be read: Tallydene starts without your data.";
    return text + "\n\nTallydene has loaded\n" + report.loaded + "\ninstead.";
}

std::string DataFileMessages::DataFolderUnmade(const std::string& wanted, const std::string& used)
{
    return "Tallydene cannot make its data folder\n" + wanted +
           "\n(a file may stand in its place). Your data is kept in\n" + used + "\ninstead.";
}
