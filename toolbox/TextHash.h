#pragma once

#include <string>

namespace toolbox
{

// A short name for a text that stays the same from run to run and machine to machine: its
// 64-bit FNV-1a hash as 16 lowercase hex digits. Not for secrets.
std::string TextHash(const std::string& text);

} // namespace toolbox
