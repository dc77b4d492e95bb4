#include "ui/IconBundles.h"

#include <wx/image.h>
#include <wx/window.h>

#include <cstring>
#include <iterator>
#include <utility>
#include <vector>

namespace
{

wxImage ToImage(const res::IconImage& picture)
{
    const int pixels = picture.width * picture.height;
    // wxImage takes ownership of malloc'ed buffers.
    auto* rgb = static_cast<unsigned char*>(malloc(pixels * 3));
    auto* alpha = static_cast<unsigned char*>(malloc(pixels));
    for (int i = 0; i < pixels; ++i)
    {
        std::memcpy(rgb + i * 3, picture.rgba.data() + i * 4, 3);
        alpha[i] = picture.rgba[i * 4 + 3];
    }
    return wxImage(picture.width, picture.height, rgb, alpha);
}

// The pictures are square: another shape is drawn at its width and stretched.
wxBitmap Drawn(res::IconId icon, const wxSize& size)
{
    if (size.x <= 0 || size.y <= 0)
        return wxBitmap();
    if (size.y == size.x)
        return IconBitmap(icon, size.x);
    wxImage image = ToImage(res::RenderIcon(icon, size.x));
    image.Rescale(size.x, size.y, wxIMAGE_QUALITY_HIGH);
    return wxBitmap(image);
}

// One icon at 16 × 16 and its 1.5, 2 and 3 times sizes, each drawn when first asked for: a
// menu or a tool bar shows one of them, and drawing all four for every command cost each start
// about 40 ms.
class IconSizes : public wxBitmapBundleImpl
{
public:
    explicit IconSizes(res::IconId icon) : icon(icon) {}

    wxSize GetDefaultSize() const override { return wxSize(16, 16); }
    wxSize GetPreferredBitmapSizeAtScale(double scale) const override
    {
        return DoGetPreferredSize(scale);
    }
    wxBitmap GetBitmap(const wxSize& size) override
    {
        for (const auto& [drawnSize, bitmap] : drawn)
            if (drawnSize == size)
                return bitmap;
        drawn.emplace_back(size, Drawn(icon, size));
        return drawn.back().second;
    }

protected:
    double GetNextAvailableScale(size_t& i) const override
    {
        static constexpr double kScales[] = {1, 1.5, 2, 3};
        return i < std::size(kScales) ? kScales[i++] : 0;
    }

private:
    res::IconId icon;
    std::vector<std::pair<wxSize, wxBitmap>> drawn;
};

} // namespace

wxBitmap IconBitmap(res::IconId icon, int size)
{
    return wxBitmap(ToImage(res::RenderIcon(icon, size)));
}

wxBitmapBundle IconBundle(res::IconId icon)
{
    return wxBitmapBundle::FromImpl(new IconSizes(icon));
}

wxIconBundle WindowIcons(res::IconId icon)
{
    wxIconBundle icons;
    for (int size : {16, 24, 32, 48, 64})
    {
        wxIcon sized;
        sized.CopyFromBitmap(IconBitmap(icon, size));
        icons.AddIcon(sized);
    }
    return icons;
}

std::unique_ptr<wxImageList> TreeImageList(wxWindow* window)
{
    // Windows raises the DPI of a dense screen; GTK keeps it and scales the whole window
    // (GDK_SCALE), where the toolkit's choice of size by DPI would stretch 16 pixels. Both
    // count: the list's size is in the window's units, its pictures have the screen's pixels.
    const int units = window->FromDIP(16);
    const double scale = window->GetContentScaleFactor();
    const int pixels = static_cast<int>(units * scale + 0.5);
    auto list = std::make_unique<wxImageList>(units, units, true, res::kTreeImageCount);
    for (int i = 0; i < res::kTreeImageCount; ++i)
    {
        wxBitmap picture = IconBitmap(res::TreeImage(i), pixels);
        picture.SetScaleFactor(scale);
        list->Add(picture);
    }
    return list;
}
