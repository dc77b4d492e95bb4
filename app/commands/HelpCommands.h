#pragma once

#include <string>

class CommandContext;

// The help pages and the terms, opened with the desktop's program for them.
void HelpIndexCommand(CommandContext& context);
void HelpTermsCommand(CommandContext& context);
void WebSiteCommand(CommandContext& context);

// The address the web-site command opens: the help page below the program's folder, as a
// file address, since the program has no page on the web.
std::string WebSiteAddress();
