#pragma once

#include <wx/string.h>

#include <string>

// The user's language, as LANG and the LC_ variables choose it. The program's catalog is
// looked up beside the program (the build folder) and in the installation's share/locale;
// the core's texts are translated through the same catalog.
class Language
{
public:
    Language() = delete;

    // Once, before the first window: loads the catalogs and installs the core's translator.
    static void Start();

    // A command's status-bar prompt and its tooltip in the user's language: the whole prompt
    // is translated, then split, so a translator sees both parts together.
    static wxString StatusPromptOf(int id);
    static wxString TooltipOf(int id);

    // A text of the program in the user's language, as bytes for the core.
    static std::string Translated(const char* english);
};
