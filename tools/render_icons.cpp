// Writes the application icon into an icon theme folder, as the desktop looks for it:
// hicolor/<n>x<n>/apps/tallydene.png for each size and hicolor/scalable/apps/tallydene.svg.
// Given a second file name, it writes the Windows program's icon there too (ui/tallydene.ico,
// which the Windows build cannot draw itself; the Linux build checks that it is up to date).
// The build runs it, so the installed icons are drawn by the code that draws the window icon.
#include "res/IconPainter.h"
#include "res/Icons.h"
#include "res/SvgPainter.h"
#include "tools/PngFile.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <vector>

namespace
{

constexpr int kSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

bool MakeFolder(const std::filesystem::path& folder)
{
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    return !error;
}

bool WriteSvg(const std::filesystem::path& file)
{
    res::SvgPainter painter;
    res::DrawIcon(res::kApplicationIcon, painter);
    std::ofstream out(file, std::ios::binary);
    out << painter.Document();
    return static_cast<bool>(out);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2 && argc != 3)
    {
        std::fprintf(stderr, "usage: %s THEME-FOLDER [ICO-FILE]\n", argv[0]);
        return 2;
    }
    const std::filesystem::path theme = std::filesystem::path(argv[1]) / "hicolor";
    for (const int size : kSizes)
    {
        const std::string name = std::to_string(size) + "x" + std::to_string(size);
        const auto folder = theme / name / "apps";
        if (!MakeFolder(folder) ||
            !WritePng(folder / "tallydene.png", res::RenderIcon(res::kApplicationIcon, size)))
        {
            std::fprintf(stderr, "cannot write the %s icon into %s\n", name.c_str(), argv[1]);
            return 1;
        }
    }
    const auto scalable = theme / "scalable" / "apps";
    if (!MakeFolder(scalable) || !WriteSvg(scalable / "tallydene.svg"))
    {
        std::fprintf(stderr, "cannot write the scalable icon into %s\n", argv[1]);
        return 1;
    }
    if (argc == 3)
    {
        std::vector<res::IconImage> images;
        for (const int size : {16, 24, 32, 48, 64, 256})
            images.push_back(res::RenderIcon(res::kApplicationIcon, size));
        if (!WriteIco(argv[2], images))
        {
            std::fprintf(stderr, "cannot write the Windows icon %s\n", argv[2]);
            return 1;
        }
    }
    return 0;
}
