#include "ui/Language.h"

#include "res/Commands.h"
#include "toolbox/Path.h"
#include "toolbox/Translation.h"
#include "ui/WxText.h"

#include <wx/translation.h>
#include <wx/uilocale.h>

namespace
{

constexpr char kCatalog[] = "tallydene";

wxString TranslatedPrompt(int id)
{
    const char* prompt = res::PromptOf(id);
    return prompt ? wxGetTranslation(ToWx(prompt)) : wxString();
}

// The folder of the program file, without a separator at its end.
std::string ProgramFolder()
{
    return toolbox::Path::CreateApplicationDirectoryPath().ToString(false).str();
}

} // namespace

void Language::Start()
{
    // Number and date formats follow the user, whether or not a catalog exists for them.
    wxUILocale::UseDefault();
    auto* translations = new wxTranslations;
    wxTranslations::Set(translations); // owns it from here
    // The build folder's catalogs; the toolkit itself looks in share/locale of the prefix it
    // finds from the program's path, which is where an installation puts them.
    wxFileTranslationsLoader::AddCatalogLookupPathPrefix(ToWx(ProgramFolder() + "/locale"));
    translations->AddStdCatalog();
    translations->AddCatalog(kCatalog);
    toolbox::Translation::SetTranslator(&Translated);
}

wxString Language::StatusPromptOf(int id)
{
    return TranslatedPrompt(id).BeforeFirst('\n');
}

wxString Language::TooltipOf(int id)
{
    return TranslatedPrompt(id).AfterFirst('\n').BeforeFirst('\n');
}

std::string Language::Translated(const char* english)
{
    return FromWx(wxGetTranslation(ToWx(english)));
}
