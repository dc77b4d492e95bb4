#pragma once

#include "toolbox/FileSystem.h"

#include <array>
#include <cerrno>
#include <cstddef>
#include <memory>
#include <string>

// The system's own files, except that one chosen operation fails at its n-th call, once or
// from then on, as a full disk or a read-only folder would make it fail, leaving the error
// given to Fail in errno.
class FaultyFileSystem : public toolbox::FileSystem
{
public:
    enum class Operation
    {
        Open,
        Write,
        Flush,
        Sync,
        Close,
        Rename,
        Link,
        SyncFolder,
        Append,
        Read, // a load's read, failing as an I/O error does
    };
    static constexpr int kOperationCount = static_cast<int>(Operation::Read) + 1;
    // The operations a save of the configuration uses: neither the journal's Append nor a load's
    // Read.
    static constexpr int kSaveOperationCount = static_cast<int>(Operation::SyncFolder) + 1;

    void Fail(Operation operation, int occurrence, bool fromThenOn, int error = EIO)
    {
        failError = error;
        failing = operation;
        failAt = occurrence;
        keepFailing = fromThenOn;
        calls = {};
    }
    void Heal() { failAt = 0; }
    int Calls(Operation operation) const { return calls[static_cast<int>(operation)]; }

    std::unique_ptr<File> OpenForWrite(const char* name, const char* permissionsOf) override
    {
        if (Fails(Operation::Open))
            return nullptr;
        std::unique_ptr<File> file = native.OpenForWrite(name, permissionsOf);
        return file ? std::make_unique<FaultyFile>(*this, std::move(file)) : nullptr;
    }
    // Fails before the file is touched, as the system's append leaves it after a failure.
    bool Append(const char* name, const std::string& bytes, const char* permissionsOf) override
    {
        return !Fails(Operation::Append) && native.Append(name, bytes, permissionsOf);
    }
    bool Rename(const char* from, const char* to) override
    {
        return !Fails(Operation::Rename) && native.Rename(from, to);
    }
    bool Link(const char* from, const char* to) override
    {
        return !Fails(Operation::Link) && native.Link(from, to);
    }
    bool SyncFolder(const char* fileName) override
    {
        return !Fails(Operation::SyncFolder) && native.SyncFolder(fileName);
    }
    bool Exists(const char* name) override { return native.Exists(name); }
    std::string Resolve(const char* name) override { return native.Resolve(name); }
    ReadResult ReadWholeFile(const char* name, std::string& bytes) override
    {
        const ReadResult result = native.ReadWholeFile(name, bytes);
        if (result != ReadResult::Read || !Fails(Operation::Read))
            return result;
        bytes.clear();
        return ReadResult::Failed;
    }

private:
    class FaultyFile : public File
    {
    public:
        FaultyFile(FaultyFileSystem& owner, std::unique_ptr<File> file)
            : owner(owner), file(std::move(file))
        {
        }
        bool Write(const char* data, std::size_t size) override
        {
            return !owner.Fails(Operation::Write) && file->Write(data, size);
        }
        bool Flush() override { return !owner.Fails(Operation::Flush) && file->Flush(); }
        bool Sync() override { return !owner.Fails(Operation::Sync) && file->Sync(); }
        bool Close() override
        {
            // A failed close still releases the file, as close(2) does.
            bool closed = file->Close();
            return !owner.Fails(Operation::Close) && closed;
        }

    private:
        FaultyFileSystem& owner;
        std::unique_ptr<File> file;
    };

    bool Fails(Operation operation)
    {
        int call = ++calls[static_cast<int>(operation)];
        const bool fails = operation == failing && failAt > 0 &&
                           (call == failAt || (keepFailing && call > failAt));
        if (fails)
            errno = failError;
        return fails;
    }

    toolbox::FileSystem& native = toolbox::FileSystem::Native();
    Operation failing = Operation::Open;
    int failAt = 0; // 0: nothing fails
    bool keepFailing = false;
    int failError = EIO;
    std::array<int, kOperationCount + 1> calls{};
};
