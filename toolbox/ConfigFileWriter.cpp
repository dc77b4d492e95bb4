#include "toolbox/ConfigFileWriter.h"

#include <cstring>

namespace toolbox
{

ConfigFileWriter::ConfigFileWriter(FileSystem& files) : fileSystem(files) {}

ConfigFileWriter::~ConfigFileWriter() = default;

bool ConfigFileWriter::Open(const char* fileName, const char* permissionsOf)
{
    file = fileSystem.OpenForWrite(fileName, permissionsOf);
    return file != nullptr;
}

bool ConfigFileWriter::WriteString(const char* text)
{
    if (file == nullptr)
        return false;
    for (;;)
    {
        const char* lineEnd = std::strchr(text, '\n');
        if (lineEnd == nullptr)
            return file->Write(text, std::strlen(text));
        if (!file->Write(text, static_cast<std::size_t>(lineEnd - text)) || !file->Write("\r\n", 2))
            return false;
        text = lineEnd + 1;
    }
}

bool ConfigFileWriter::WriteChar(char c)
{
    if (file == nullptr)
        return false;
    return c == '\n' ? file->Write("\r\n", 2) : file->Write(&c, 1);
}

bool ConfigFileWriter::Flush()
{
    return file != nullptr && file->Flush();
}

bool ConfigFileWriter::Sync()
{
    return file != nullptr && file->Sync();
}

bool ConfigFileWriter::Close()
{
    if (file == nullptr)
        return false;
    bool closed = file->Close();
    file.reset();
    return closed;
}

} // namespace toolbox
