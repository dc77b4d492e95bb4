#include "res/Icons.h"

#include "tools/PngFile.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

using namespace res;

namespace
{

std::vector<IconId> AllIcons()
{
    std::vector<IconId> icons;
    for (int i = 0; i < static_cast<int>(IconId::Count); ++i)
        icons.push_back(static_cast<IconId>(i));
    return icons;
}

// The pixel under a point of the 16-unit drawing square.
int At(const IconImage& image, float units)
{
    return static_cast<int>(units * image.width / 16);
}

bool IsRed(std::uint32_t rgb)
{
    const int r = (rgb >> 16) & 0xFF, g = (rgb >> 8) & 0xFF, b = rgb & 0xFF;
    return r > 180 && g < 90 && b < 90;
}

bool IsWhitish(std::uint32_t rgb)
{
    return ((rgb >> 16) & 0xFF) > 230 && ((rgb >> 8) & 0xFF) > 230 && (rgb & 0xFF) > 230;
}

std::uint32_t RgbAtUnits(const IconImage& image, float x, float y)
{
    return image.Rgb(At(image, x), At(image, y));
}

} // namespace

TEST(Icons, EveryPictureHasInkAndTransparencyAtEverySize)
{
    for (const int size : {1, 16, 24, 32, 48})
    {
        for (const IconId icon : AllIcons())
        {
            SCOPED_TRACE("icon " + std::to_string(static_cast<int>(icon)) + " at " +
                         std::to_string(size));
            const IconImage image = RenderIcon(icon, size);
            ASSERT_EQ(image.width, size);
            ASSERT_EQ(image.height, size);
            ASSERT_EQ(image.rgba.size(), static_cast<std::size_t>(size * size * 4));
            if (size < 16)
                continue;
            int opaque = 0, clear = 0;
            for (int y = 0; y < size; ++y)
                for (int x = 0; x < size; ++x)
                {
                    opaque += image.Alpha(x, y) == 255;
                    clear += image.Alpha(x, y) == 0;
                }
            EXPECT_GT(opaque, size * size / 8);
            EXPECT_GT(clear, 0);
        }
    }
}

TEST(Icons, ShapesLeaveTheirCornersTransparent)
{
    const std::vector<IconId> round = {
        IconId::Clock,     IconId::Priority1, IconId::Priority2,        IconId::Priority3,
        IconId::Priority4, IconId::Priority5, IconId::PriorityCompleted};
    const std::vector<IconId> pages = {IconId::Todo, IconId::TodoWithTime, IconId::TodoWithComment,
                                       IconId::TodoWithCommentTime};
    const std::vector<IconId> windows = {IconId::Project, IconId::ProjectWithTime,
                                         IconId::ProjectWithComment,
                                         IconId::ProjectWithCommentTime};
    for (const int size : {16, 32})
    {
        for (const IconId icon : AllIcons())
        {
            SCOPED_TRACE("icon " + std::to_string(static_cast<int>(icon)));
            const IconImage image = RenderIcon(icon, size);
            const int last = size - 1;
            auto isRound = std::find(round.begin(), round.end(), icon) != round.end();
            auto isPage = std::find(pages.begin(), pages.end(), icon) != pages.end();
            auto isWindow = std::find(windows.begin(), windows.end(), icon) != windows.end();
            if (isRound || isPage)
            {
                EXPECT_EQ(image.Alpha(0, 0), 0);
                EXPECT_EQ(image.Alpha(last, 0), 0);
                EXPECT_EQ(image.Alpha(0, last), 0);
                EXPECT_EQ(image.Alpha(last, last), 0);
            }
            if (isWindow)
            {
                // A window spans the full width below an empty top row.
                EXPECT_EQ(image.Alpha(0, 0), 0);
                EXPECT_EQ(image.Alpha(last, 0), 0);
                EXPECT_EQ(image.Alpha(0, size / 2), 255);
                EXPECT_EQ(image.Alpha(last, size / 2), 255);
            }
            if (isRound || isPage || isWindow)
            {
                EXPECT_EQ(image.Alpha(size / 2, size / 2), 255);
            }
        }
    }
}

TEST(Icons, NoTwoPicturesAreAlike)
{
    for (const int size : {16, 32})
    {
        std::vector<IconImage> images;
        for (const IconId icon : AllIcons())
            images.push_back(RenderIcon(icon, size));
        for (std::size_t i = 0; i < images.size(); ++i)
            for (std::size_t j = i + 1; j < images.size(); ++j)
                EXPECT_NE(images[i].rgba, images[j].rgba)
                    << "icons " << i << " and " << j << " at " << size;
    }
}

TEST(Icons, RedBodyMarksVisibleTime)
{
    for (const int size : {16, 32})
    {
        struct Body
        {
            IconId icon;
            bool red;
        };
        // Points inside the body, clear of the lines of text.
        for (const Body b :
             {Body{IconId::ProjectWithTime, true}, Body{IconId::ProjectWithCommentTime, true},
              Body{IconId::Project, false}, Body{IconId::ProjectWithComment, false}})
        {
            const std::uint32_t rgb = RgbAtUnits(RenderIcon(b.icon, size), 8.5f, 12.5f);
            EXPECT_EQ(IsRed(rgb), b.red) << static_cast<int>(b.icon) << " at " << size;
            EXPECT_EQ(IsWhitish(rgb), !b.red) << static_cast<int>(b.icon) << " at " << size;
        }
        for (const Body b :
             {Body{IconId::TodoWithTime, true}, Body{IconId::TodoWithCommentTime, true},
              Body{IconId::Todo, false}, Body{IconId::TodoWithComment, false}})
        {
            const std::uint32_t rgb = RgbAtUnits(RenderIcon(b.icon, size), 10.5f, 14.5f);
            EXPECT_EQ(IsRed(rgb), b.red) << static_cast<int>(b.icon) << " at " << size;
            EXPECT_EQ(IsWhitish(rgb), !b.red) << static_cast<int>(b.icon) << " at " << size;
        }
        // The active todo's pad carries a red patch.
        for (const IconId pad : {IconId::ActiveTodo, IconId::ActiveTodoWithComment})
            EXPECT_TRUE(IsRed(RgbAtUnits(RenderIcon(pad, size), 3.5f, 14.5f)));
        // Only the first priority's disc is red.
        EXPECT_TRUE(IsRed(RgbAtUnits(RenderIcon(IconId::Priority1, size), 3.5f, 8.5f)));
        EXPECT_FALSE(IsRed(RgbAtUnits(RenderIcon(IconId::Priority2, size), 3.5f, 8.5f)));
        EXPECT_TRUE(IsWhitish(RgbAtUnits(RenderIcon(IconId::Priority5, size), 3.5f, 8.5f)));
    }
}

TEST(Icons, LargerSizesShowTheSamePicture)
{
    // Halving a 32-pixel picture gives nearly the 16-pixel one: the drawing scales as a whole.
    for (const IconId icon : AllIcons())
    {
        const IconImage small = RenderIcon(icon, 16);
        const IconImage large = RenderIcon(icon, 32);
        long difference = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
            {
                int sum = 0;
                for (int dy = 0; dy < 2; ++dy)
                    for (int dx = 0; dx < 2; ++dx)
                        sum += large.Alpha(2 * x + dx, 2 * y + dy);
                difference += std::abs(sum / 4 - small.Alpha(x, y));
            }
        EXPECT_LT(difference / 256, 12) << "icon " << static_cast<int>(icon);
    }
}

// Lays every picture out on one sheet for people to look at: each at 16 pixels, at 32 pixels
// and at 16 pixels magnified four times, on a light and on a dark ground.
TEST(Icons, ContactSheetIsWritten)
{
    const std::vector<IconId> icons = AllIcons();
    const int cellWidth = 136, cellHeight = 144, columns = 6;
    const int rows = (static_cast<int>(icons.size()) + columns - 1) / columns;
    IconImage sheet{columns * cellWidth, rows * cellHeight, {}};
    sheet.rgba.assign(static_cast<std::size_t>(sheet.width) * sheet.height * 4, 255);

    auto fill = [&](int left, int top, int width, int height, std::uint8_t ground)
    {
        for (int y = top; y < top + height; ++y)
            for (int x = left; x < left + width; ++x)
                for (int c = 0; c < 3; ++c)
                    sheet.rgba[(y * sheet.width + x) * 4 + c] = ground;
    };
    auto place = [&](const IconImage& image, int left, int top, int zoom)
    {
        for (int y = 0; y < image.height * zoom; ++y)
            for (int x = 0; x < image.width * zoom; ++x)
            {
                const std::uint8_t* source = &image.rgba[((y / zoom) * image.width + x / zoom) * 4];
                std::uint8_t* target = &sheet.rgba[((top + y) * sheet.width + left + x) * 4];
                for (int c = 0; c < 3; ++c)
                    target[c] = static_cast<std::uint8_t>(
                        (source[c] * source[3] + target[c] * (255 - source[3])) / 255);
            }
    };
    for (std::size_t i = 0; i < icons.size(); ++i)
    {
        const int left = static_cast<int>(i) % columns * cellWidth;
        const int top = static_cast<int>(i) / columns * cellHeight;
        for (const int half : {0, 1})
        {
            const int y = top + half * cellHeight / 2;
            fill(left, y, cellWidth - 2, cellHeight / 2 - 2, half == 0 ? 240 : 48);
            place(RenderIcon(icons[i], 16), left + 4, y + 4, 1);
            place(RenderIcon(icons[i], 32), left + 4, y + 26, 1);
            place(RenderIcon(icons[i], 16), left + 44, y + 3, 4);
        }
    }

    const std::filesystem::path file = std::filesystem::path(TALLYDENE_BINARY_DIR) / "icons.png";
    ASSERT_TRUE(WritePng(file, sheet));
    const std::string bytes = ReadFileBytes(file);
    ASSERT_GT(bytes.size(), 8u);
    EXPECT_EQ(bytes.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
}
