#pragma once

#include "res/Icons.h"

#include <wx/bmpbndl.h>
#include <wx/iconbndl.h>
#include <wx/imaglist.h>

#include <memory>

// The program's pictures as the toolkit wants them, drawn from res at the sizes a screen of
// any density asks for.
wxBitmap IconBitmap(res::IconId icon, int size);
// 16 × 16 and its 1.5, 2 and 3 times sizes, so that menus and tool bars stay crisp.
wxBitmapBundle IconBundle(res::IconId icon);
// The window icon at the sizes desktops use for title bars and task switchers.
wxIconBundle WindowIcons(res::IconId icon);
// The seventeen tree pictures in their order, size × size each.
std::unique_ptr<wxImageList> TreeImageList(int size);
