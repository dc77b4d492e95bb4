#include "app/DataFileMessages.h"

#include "toolbox/Translation.h"

using toolbox::Translation;

const char* const DataFileMessages::kNotSavedStatus = toolbox::TrLater("NOT SAVED      ");

std::string DataFileMessages::SaveFailed(const toolbox::FileResult& result)
{
    return Translation::TrFormat("Tallydene cannot save your data:\n%s\n\nIt tries again every "
                                 "minute. Until a save succeeds, the status line says that your "
                                 "data is not saved.",
                                 {result.Reason()});
}

std::string DataFileMessages::SaveFailedAtEnd(const toolbox::FileResult& result)
{
    return Translation::TrFormat("Tallydene cannot save your data:\n%s\n\nTry again? No quits "
                                 "without saving, and the changes since the last save are lost.",
                                 {result.Reason()});
}

std::string DataFileMessages::LoadProblems(const toolbox::Config::LoadReport& report,
                                           bool backupOffered)
{
    std::string text;
    if (!report.readError)
        text = Translation::TrFormat("Tallydene cannot read your data:\n%s.",
                                     {report.readError.Reason()});
    if (!report.keptAside.empty())
        text += std::string(text.empty() ? "" : "\n\n") +
                Translation::TrFormat("Tallydene cannot read its data file and has kept it as\n%s.",
                                      {report.keptAside});
    if (!report.oldKeptAside.empty())
        text += "\n\n" +
                Translation::TrFormat("Its previous copy cannot be read either and is kept as\n%s.",
                                      {report.oldKeptAside});
    if (text.empty())
        return text;
    if (report.loaded.empty())
        return text + "\n\n" +
               (backupOffered
                    ? Translation::Tr("No other copy can be read. Unless you restore a backup, "
                                      "Tallydene starts without your data.")
                    : Translation::Tr("No other copy can be read: Tallydene starts without your "
                                      "data."));
    return text + "\n\n" +
           Translation::TrFormat("Tallydene has loaded\n%s\ninstead.", {report.loaded});
}

std::string DataFileMessages::CannotRead(const toolbox::Config::LoadReport& report)
{
    std::string reasons;
    for (const toolbox::FileResult& unread : report.unread)
        reasons += (reasons.empty() ? "" : "\n") + unread.Reason();
    const std::string problem =
        Translation::TrFormat("Tallydene cannot read your data file:\n%s\n\nThe file stays as it "
                              "is, and nothing is saved over it. If you can mend this (the "
                              "file's permissions, for example), do so and choose Yes to try "
                              "again.",
                              {reasons});
    if (report.loaded.empty())
        return problem + "\n\n" +
               Translation::Tr("No starts with empty books and sets the file aside as a .bad "
                               "file.");
    return problem + "\n\n" +
           Translation::TrFormat("No goes on with the data of\n%s\nand sets the file aside as a "
                                 ".bad file.",
                                 {report.loaded});
}

std::string DataFileMessages::CannotKeepAside(const toolbox::FileResult& result)
{
    return Translation::TrFormat("Tallydene cannot set the file aside:\n%s\n\nNothing is saved "
                                 "until it can read the file or set it aside.",
                                 {result.Reason()});
}

std::string DataFileMessages::DataFolderUnmade(const std::string& wanted, const std::string& used)
{
    return Translation::TrFormat("Tallydene cannot make its data folder\n%s\n(a file may stand in "
                                 "its place). Your data is kept in\n%s\ninstead.",
                                 {wanted, used});
}
