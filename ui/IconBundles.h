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
// The seventeen tree pictures in their order, 16 × 16 device-independent pixels each, drawn
// with as many pixels as the screen has there, so that they stay crisp on a dense screen.
std::unique_ptr<wxImageList> TreeImageList(wxWindow* window);
