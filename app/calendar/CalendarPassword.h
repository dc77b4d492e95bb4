#pragma once

#include <string>

// The calendar's password, never in tallydene.cfg: in the desktop's secret store (GNOME
// Keyring, KWallet's Secret Service, KeePassXC) through libsecret when one answers; else in
// the file "calendar-password" of the data folder, which only the user may read.
namespace CalendarPassword
{

// False when neither place took it.
bool Store(const std::string& dataFolder, const std::string& address, const std::string& user,
           const std::string& password);
// Empty when none is kept for the address and user.
std::string Lookup(const std::string& dataFolder, const std::string& address,
                   const std::string& user);

} // namespace CalendarPassword
