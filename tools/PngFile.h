#pragma once

#include "res/Icons.h"

#include <filesystem>
#include <string>
#include <vector>

// Writes an RGBA picture as a PNG file (8 bits per channel, with alpha); false when the file
// cannot be written.
bool WritePng(const std::filesystem::path& file, const res::IconImage& image);

// The PNG file of an RGBA picture, as bytes; empty when it cannot be packed.
std::string PngBytes(const res::IconImage& image);

// Writes the pictures, up to 256 pixels wide, as a Windows icon file whose pictures are PNG
// files, as Windows since Vista reads them; false when the file cannot be written.
bool WriteIco(const std::filesystem::path& file, const std::vector<res::IconImage>& images);
