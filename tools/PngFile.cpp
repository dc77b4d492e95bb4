#include "tools/PngFile.h"

#include <zlib.h>

#include <fstream>
#include <string>

namespace
{

void AppendBigEndian(std::string& out, std::uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out += static_cast<char>((value >> shift) & 0xFF);
}

void AppendChunk(std::string& out, const char* type, const std::string& data)
{
    AppendBigEndian(out, static_cast<std::uint32_t>(data.size()));
    const std::string typed = std::string(type, 4) + data;
    out += typed;
    const auto* bytes = reinterpret_cast<const Bytef*>(typed.data());
    AppendBigEndian(out, static_cast<std::uint32_t>(crc32(0, bytes, typed.size())));
}

} // namespace

std::string PngBytes(const res::IconImage& image)
{
    // Every row starts with filter type 0 (none).
    std::string raw;
    const std::size_t rowBytes = static_cast<std::size_t>(image.width) * 4;
    for (int y = 0; y < image.height; ++y)
    {
        raw += '\0';
        raw.append(reinterpret_cast<const char*>(image.rgba.data()) + y * rowBytes, rowBytes);
    }
    uLongf packedSize = compressBound(raw.size());
    std::string packed(packedSize, '\0');
    if (compress2(reinterpret_cast<Bytef*>(packed.data()), &packedSize,
                  reinterpret_cast<const Bytef*>(raw.data()), raw.size(), 9) != Z_OK)
        return {};
    packed.resize(packedSize);

    std::string header;
    AppendBigEndian(header, static_cast<std::uint32_t>(image.width));
    AppendBigEndian(header, static_cast<std::uint32_t>(image.height));
    header += std::string("\x08\x06\x00\x00\x00", 5); // 8 bits, RGBA, deflate, no interlace

    std::string png("\x89PNG\r\n\x1a\n", 8);
    AppendChunk(png, "IHDR", header);
    AppendChunk(png, "IDAT", packed);
    AppendChunk(png, "IEND", "");
    return png;
}

bool WritePng(const std::filesystem::path& file, const res::IconImage& image)
{
    const std::string png = PngBytes(image);
    if (png.empty())
        return false;
    std::ofstream out(file, std::ios::binary);
    out.write(png.data(), static_cast<std::streamsize>(png.size()));
    return static_cast<bool>(out);
}

namespace
{

void AppendLittleEndian(std::string& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

} // namespace

bool WriteIco(const std::filesystem::path& file, const std::vector<res::IconImage>& images)
{
    // The header, one directory entry per picture, then the pictures, each a whole PNG file.
    std::string directory;
    AppendLittleEndian(directory, 0, 2);
    AppendLittleEndian(directory, 1, 2); // an icon, not a cursor
    AppendLittleEndian(directory, static_cast<std::uint32_t>(images.size()), 2);
    std::string pictures;
    const std::size_t firstOffset = 6 + 16 * images.size();
    for (const res::IconImage& image : images)
    {
        const std::string png = PngBytes(image);
        if (png.empty() || image.width > 256 || image.height > 256)
            return false;
        directory += static_cast<char>(image.width & 0xFF); // 256 is written as 0
        directory += static_cast<char>(image.height & 0xFF);
        directory += std::string("\0\0", 2); // no palette, reserved
        AppendLittleEndian(directory, 1, 2);   // planes
        AppendLittleEndian(directory, 32, 2);  // bits per pixel
        AppendLittleEndian(directory, static_cast<std::uint32_t>(png.size()), 4);
        AppendLittleEndian(directory, static_cast<std::uint32_t>(firstOffset + pictures.size()), 4);
        pictures += png;
    }
    std::ofstream out(file, std::ios::binary);
    out << directory << pictures;
    return static_cast<bool>(out);
}
