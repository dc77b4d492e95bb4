#include "app/calendar/CalendarPassword.h"

#include <fcntl.h>
#include <libsecret/secret.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>

namespace
{

const SecretSchema* Schema()
{
    static const SecretSchema schema = {"org.tallydene.Calendar",
                                        SECRET_SCHEMA_NONE,
                                        {{"address", SECRET_SCHEMA_ATTRIBUTE_STRING},
                                         {"user", SECRET_SCHEMA_ATTRIBUTE_STRING},
                                         {nullptr, SECRET_SCHEMA_ATTRIBUTE_STRING}},
                                        0,
                                        nullptr,
                                        nullptr,
                                        nullptr,
                                        nullptr,
                                        nullptr,
                                        nullptr,
                                        nullptr};
    return &schema;
}

// Without a session bus no secret store can answer, and asking would only wait.
bool SecretStoreReachable()
{
    const char* bus = std::getenv("DBUS_SESSION_BUS_ADDRESS");
    return bus != nullptr && *bus != '\0';
}

std::string FileIn(const std::string& dataFolder)
{
    return dataFolder + "/calendar-password";
}

} // namespace

bool CalendarPassword::Store(const std::string& dataFolder, const std::string& address,
                             const std::string& user, const std::string& password)
{
    const std::string file = FileIn(dataFolder);
    if (SecretStoreReachable())
    {
        GError* error = nullptr;
        const gboolean stored = secret_password_store_sync(
            Schema(), SECRET_COLLECTION_DEFAULT, "Tallydene calendar", password.c_str(), nullptr,
            &error, "address", address.c_str(), "user", user.c_str(), nullptr);
        if (error != nullptr)
            g_error_free(error);
        if (stored)
        {
            std::remove(file.c_str());
            return true;
        }
    }
    const int descriptor = open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (descriptor < 0)
        return false;
    // A file made before with other permissions keeps them at open: narrow them.
    fchmod(descriptor, 0600);
    const std::string text = address + '\t' + user + '\t' + password + '\n';
    const bool written =
        write(descriptor, text.data(), text.size()) == static_cast<ssize_t>(text.size());
    return close(descriptor) == 0 && written;
}

std::string CalendarPassword::Lookup(const std::string& dataFolder, const std::string& address,
                                     const std::string& user)
{
    if (SecretStoreReachable())
    {
        GError* error = nullptr;
        gchar* found = secret_password_lookup_sync(Schema(), nullptr, &error, "address",
                                                   address.c_str(), "user", user.c_str(), nullptr);
        if (error != nullptr)
            g_error_free(error);
        if (found != nullptr)
        {
            std::string password = found;
            secret_password_free(found);
            return password;
        }
    }
    std::ifstream in(FileIn(dataFolder), std::ios::binary);
    std::string line;
    const std::string key = address + '\t' + user + '\t';
    while (std::getline(in, line))
        if (line.compare(0, key.size(), key) == 0)
            return line.substr(key.size());
    return {};
}
