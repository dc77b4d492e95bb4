#include "tests/ui/WindowTest.h"

#include "res/CommandIds.h"
#include "res/Icons.h"
#include "res/Commands.h"
#include "ui/MainFrame.h"
#include "ui/VirtualTree.h"

#include <wx/imaglist.h>
#include <wx/toolbar.h>

#include <cstdlib>
#include <string>

// On a screen scaled to 200% (GDK_SCALE=2, as the build's extra run of this test sets) every
// picture of the tree and the tool bar is drawn at twice its size, not stretched from 16 pixels.
namespace
{

// True when the bitmap holds exactly the picture drawn at its pixel size.
bool HoldsPicture(const wxBitmap& bitmap, res::IconId icon)
{
    const res::IconImage expected = res::RenderIcon(icon, bitmap.GetWidth());
    const wxImage actual = bitmap.ConvertToImage();
    if (actual.GetHeight() != expected.height || !actual.HasAlpha())
        return false;
    for (int y = 0; y < expected.height; ++y)
        for (int x = 0; x < expected.width; ++x)
        {
            const std::uint8_t* want = &expected.rgba[(y * expected.width + x) * 4];
            // Invisible pixels may keep any colour.
            if (actual.GetAlpha(x, y) != want[3] ||
                (want[3] != 0 &&
                 (actual.GetRed(x, y) != want[0] || actual.GetGreen(x, y) != want[1] ||
                  actual.GetBlue(x, y) != want[2])))
                return false;
        }
    return true;
}

} // namespace

class HighDensity : public WindowTest
{
};

TEST_F(HighDensity, TreeAndToolBarPicturesHaveThePixelsOfTheScreen)
{
    MainFrame& frame = Start();
    const double scale = frame.GetContentScaleFactor();
    const char* asked = std::getenv("GDK_SCALE");
    if (scale < 2 && (asked == nullptr || std::string(asked) != "2"))
        GTEST_SKIP() << "the screen is not scaled; the build runs this test with GDK_SCALE=2";
    ASSERT_EQ(2.0, scale);
    const int pixels = static_cast<int>(16 * scale);

    for (const wxImageList* list : {Tree().GetImageList(), Tree().GetStateImageList()})
    {
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(wxSize(16, 16), list->GetSize()); // logical pixels, as the rows are laid out
        for (int i = 0; i < res::kTreeImageCount; ++i)
        {
            SCOPED_TRACE(i);
            const wxBitmap bitmap = list->GetBitmap(i);
            EXPECT_EQ(pixels, bitmap.GetWidth());
            EXPECT_EQ(scale, bitmap.GetScaleFactor());
            EXPECT_TRUE(HoldsPicture(bitmap, res::TreeImage(i)));
        }
    }

    wxToolBar* toolBar = frame.GetToolBar();
    ASSERT_NE(toolBar, nullptr);
    for (const int id : res::MainToolBar())
    {
        if (id == 0)
            continue;
        SCOPED_TRACE(id);
        const wxToolBarToolBase* button = toolBar->FindById(res::WxIdOf(id));
        ASSERT_NE(button, nullptr);
        const wxBitmap bitmap = button->GetNormalBitmapBundle().GetBitmapFor(toolBar);
        EXPECT_EQ(pixels, bitmap.GetWidth());
        EXPECT_TRUE(HoldsPicture(bitmap, res::FindCommandDescription(id)->picture));
    }
    Screenshot(frame, "high-density");
}
