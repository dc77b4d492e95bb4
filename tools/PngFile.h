#pragma once

#include "res/Icons.h"

#include <filesystem>

// Writes an RGBA picture as a PNG file (8 bits per channel, with alpha); false when the file
// cannot be written.
bool WritePng(const std::filesystem::path& file, const res::IconImage& image);
