#include "app/commands/HelpCommands.h"

#include "app/MainWindow.h"
#include "app/Prompts.h"
#include "app/Tallydene.h"
#include "app/commands/CommandContext.h"
#include "toolbox/Path.h"
#include "toolbox/Translation.h"

#include <algorithm>
#include <initializer_list>

namespace
{

// A documentation file: in "docs" beside the program, as in the build folder, else where an
// installation puts it, "share/tallydene/docs" beside the program's "bin" folder. When neither
// holds the file, the first place is named, so the opener reports what is missing.
std::string DocsFile(std::initializer_list<const char*> components)
{
    toolbox::Path beside = toolbox::Path::CreateApplicationDirectoryPath();
    toolbox::Path installed = beside;
    installed.RemoveLast();
    for (const char* folder : {"share", "tallydene"})
        installed.Append(folder);
    for (toolbox::Path* path : {&beside, &installed})
    {
        path->Append("docs");
        for (const char* component : components)
            path->Append(component);
    }
    const toolbox::Path& found = !beside.Exists() && installed.Exists() ? installed : beside;
    return found.ToString(false).c_str();
}

// Escapes what may not stand in a file address as it is; "/" separates the folders. A Windows
// path's "\" become "/" and its drive follows a third "/" with its colon: file:///C:/...
std::string FileAddress(std::string path)
{
    static const char* hex = "0123456789ABCDEF";
    std::string address = "file://";
    std::size_t drive = std::string::npos;
#ifdef _WIN32
    std::replace(path.begin(), path.end(), '\\', '/');
    if (path.size() >= 2 && path[1] == ':')
    {
        address += '/';
        drive = 1;
    }
#endif
    for (std::size_t at = 0; at < path.size(); ++at)
    {
        const char c = path[at];
        const auto byte = static_cast<unsigned char>(c);
        const bool plain = (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
                           (byte >= '0' && byte <= '9') || c == '/' || c == '-' || c == '_' ||
                           c == '.' || c == '~' || at == drive;
        if (plain)
        {
            address += c;
        }
        else
        {
            address += '%';
            address += hex[byte >> 4];
            address += hex[byte & 0x0F];
        }
    }
    return address;
}

void Open(CommandContext& context, const std::string& pathOrAddress)
{
    MainWindow* window = context.app.GetMainWindow();
    if (window && !window->OpenDocument(pathOrAddress))
        context.prompts.Refuse(toolbox::Translation::TrFormat(
            "Could not open\n%s\nNo program to show it is set up on this computer.",
            {pathOrAddress}));
}

} // namespace

void HelpIndexCommand(CommandContext& context)
{
    // The page in the user's language: each catalog names its own, beside the English one.
    const std::string page = toolbox::Translation::Tr("index.html");
    Open(context, DocsFile({"help", page.c_str()}));
}

void HelpTermsCommand(CommandContext& context)
{
    Open(context, DocsFile({"Readme.txt"}));
}

void WebSiteCommand(CommandContext& context)
{
    Open(context, WebSiteAddress());
}

std::string WebSiteAddress()
{
    return FileAddress(DocsFile({"help", "index.html"}));
}
