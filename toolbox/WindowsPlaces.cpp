// Places on Windows: the program file from GetModuleFileNameW, the arguments from the command
// line the process was given, the folders from the shell's known folders; UTF-16 turned into
// the program's UTF-8.
#include "toolbox/Places.h"

#include "toolbox/WindowsText.h"

#include <windows.h>
// After windows.h:
#include <shellapi.h>
#include <shlobj.h>

namespace toolbox
{

namespace
{

std::optional<String>& ProgramPathRedirection()
{
    static std::optional<String> path;
    return path;
}

std::optional<std::vector<String>>& ArgumentsRedirection()
{
    static std::optional<std::vector<String>> arguments;
    return arguments;
}

std::optional<String>& DataFolderRedirection()
{
    static std::optional<String> folder;
    return folder;
}

std::optional<String>& DocumentsRedirection()
{
    static std::optional<String> folder;
    return folder;
}

std::optional<String> KnownFolder(const KNOWNFOLDERID& id)
{
    PWSTR path = nullptr;
    std::optional<String> folder;
    if (SUCCEEDED(::SHGetKnownFolderPath(id, KF_FLAG_DEFAULT, nullptr, &path)) && path != nullptr)
        folder = String(Utf8FromWide(path).c_str());
    ::CoTaskMemFree(path);
    return folder;
}

} // namespace

String Places::ProgramPath()
{
    if (ProgramPathRedirection())
        return *ProgramPathRedirection();
    static const String fixed = []
    {
        std::wstring buffer(MAX_PATH, L'\0');
        for (;;)
        {
            const DWORD length =
                ::GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
            if (length == 0)
                return String();
            if (length < buffer.size())
                return String(Utf8FromWide(std::wstring_view(buffer.data(), length)).c_str());
            buffer.resize(buffer.size() * 2);
        }
    }();
    return fixed;
}

std::vector<String> Places::Arguments()
{
    if (ArgumentsRedirection())
        return *ArgumentsRedirection();
    std::vector<String> arguments;
    int count = 0;
    LPWSTR* words = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    if (words == nullptr)
        return arguments;
    for (int i = 0; i < count; ++i)
        arguments.emplace_back(Utf8FromWide(words[i]).c_str());
    ::LocalFree(words);
    return arguments;
}

std::optional<String> Places::LocalApplicationDataFolder()
{
    if (DataFolderRedirection())
        return DataFolderRedirection();
    return KnownFolder(FOLDERID_LocalAppData);
}

std::optional<String> Places::DocumentsFolder()
{
    if (DocumentsRedirection())
        return DocumentsRedirection();
    return KnownFolder(FOLDERID_Documents);
}

void Places::SetProgramPath(std::optional<String> path)
{
    ProgramPathRedirection() = std::move(path);
}

void Places::SetArguments(std::optional<std::vector<String>> arguments)
{
    ArgumentsRedirection() = std::move(arguments);
}

void Places::SetFolders(std::optional<String> localApplicationData,
                        std::optional<String> documents)
{
    DataFolderRedirection() = std::move(localApplicationData);
    DocumentsRedirection() = std::move(documents);
}

std::string Places::MachineName()
{
    wchar_t name[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD size = MAX_COMPUTERNAME_LENGTH + 1;
    if (!GetComputerNameW(name, &size))
        return {};
    return Utf8FromWide(std::wstring_view(name, size));
}

std::string Places::MachineId()
{
    wchar_t id[64] = {};
    DWORD size = sizeof id;
    if (RegGetValueW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Cryptography", L"MachineGuid",
                     RRF_RT_REG_SZ | RRF_SUBKEY_WOW6464KEY, nullptr, id, &size) != ERROR_SUCCESS)
        return {};
    return Utf8FromWide(id);
}

} // namespace toolbox
