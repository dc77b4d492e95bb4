#include "ui/IconBundles.h"

#include <wx/image.h>
#include <wx/window.h>

#include <cstring>
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

} // namespace

wxBitmap IconBitmap(res::IconId icon, int size)
{
    return wxBitmap(ToImage(res::RenderIcon(icon, size)));
}

wxBitmapBundle IconBundle(res::IconId icon)
{
    wxVector<wxBitmap> bitmaps;
    for (int size : {16, 24, 32, 48})
        bitmaps.push_back(IconBitmap(icon, size));
    return wxBitmapBundle::FromBitmaps(bitmaps);
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
