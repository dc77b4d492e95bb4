#include "res/IconPainter.h"
#include "res/Icons.h"
#include "res/SvgPainter.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>
#include <wx/image.h>

#include <cstdlib>
#include <filesystem>
#include <string>

// The icon theme's files and the vector pictures are read back with the desktop's own
// readers: the toolkit's PNG loader and librsvg, which draws SVG icons for GTK.
namespace
{

const std::filesystem::path kTheme =
    std::filesystem::path(TALLYDENE_BINARY_DIR) / "icons" / "hicolor";

// The mean difference per channel (0 to 255) between a picture and an image of its size,
// colour weighted by coverage so that invisible pixels do not count.
double MeanDifference(const res::IconImage& expected, const wxImage& actual)
{
    double sum = 0;
    for (int y = 0; y < expected.height; ++y)
        for (int x = 0; x < expected.width; ++x)
        {
            const std::uint8_t* want = &expected.rgba[(y * expected.width + x) * 4];
            const int alpha = actual.HasAlpha() ? actual.GetAlpha(x, y) : 255;
            const unsigned char got[3] = {actual.GetRed(x, y), actual.GetGreen(x, y),
                                          actual.GetBlue(x, y)};
            sum += std::abs(alpha - want[3]);
            for (int c = 0; c < 3; ++c)
                sum += std::abs(got[c] * alpha - want[c] * want[3]) / 255.0;
        }
    return sum / (expected.width * expected.height * 4);
}

wxImage DrawnByLibrsvg(const std::string& svg, const std::filesystem::path& folder, int size)
{
    WriteFileBytes(folder / "icon.svg", svg);
    const std::string command = "rsvg-convert -w " + std::to_string(size) + " -h " +
                                std::to_string(size) + " -o '" + (folder / "icon.png").string() +
                                "' '" + (folder / "icon.svg").string() + "'";
    EXPECT_EQ(0, std::system(command.c_str())) << command;
    return wxImage((folder / "icon.png").string(), wxBITMAP_TYPE_PNG);
}

} // namespace

TEST(IconFiles, EveryThemeSizeHoldsTheWindowIconPixelForPixel)
{
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256})
    {
        SCOPED_TRACE(size);
        const std::string name = std::to_string(size) + "x" + std::to_string(size);
        const wxImage file((kTheme / name / "apps" / "tallydene.png").string(), wxBITMAP_TYPE_PNG);
        ASSERT_TRUE(file.IsOk());
        ASSERT_EQ(size, file.GetWidth());
        ASSERT_EQ(size, file.GetHeight());
        EXPECT_EQ(0.0, MeanDifference(res::RenderIcon(res::kApplicationIcon, size), file));
    }
}

TEST(IconFiles, TheScalableIconLooksLikeThePixelOnes)
{
    TempFolder folder;
    const std::string svg = ReadFileBytes(kTheme / "scalable" / "apps" / "tallydene.svg");
    const wxImage drawn = DrawnByLibrsvg(svg, folder.Path(), 96);
    ASSERT_TRUE(drawn.IsOk());
    EXPECT_LT(MeanDifference(res::RenderIcon(res::kApplicationIcon, 96), drawn), 1.0);
}

// Every picture uses some of the shapes; drawn as vectors, each must match its pixels.
TEST(IconFiles, EveryPictureDrawnAsVectorsMatchesItsPixels)
{
    TempFolder folder;
    for (int i = 0; i < static_cast<int>(res::IconId::Count); ++i)
    {
        SCOPED_TRACE(i);
        const auto icon = static_cast<res::IconId>(i);
        res::SvgPainter painter;
        res::DrawIcon(icon, painter);
        const wxImage drawn = DrawnByLibrsvg(painter.Document(), folder.Path(), 64);
        ASSERT_TRUE(drawn.IsOk());
        EXPECT_LT(MeanDifference(res::RenderIcon(icon, 64), drawn), 1.0);
    }
}
