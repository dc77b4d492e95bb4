#include "toolbox/ConfigFileWriter.h"

namespace toolbox
{

ConfigFileWriter::ConfigFileWriter(FileSystem& files) : ConfigWriter("\r\n"), fileSystem(files) {}

ConfigFileWriter::~ConfigFileWriter() = default;

bool ConfigFileWriter::Open(const char* fileName, const char* permissionsOf)
{
    file = fileSystem.OpenForWrite(fileName, permissionsOf);
    return file != nullptr;
}

bool ConfigFileWriter::Deliver(const char* data, std::size_t size)
{
    return file != nullptr && file->Write(data, size);
}

bool ConfigFileWriter::Flush()
{
    return Pass() && file != nullptr && file->Flush();
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
