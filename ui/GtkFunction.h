#pragma once

#include <dlfcn.h>

// A call of GTK's own, for what the toolkit has no call for (ending a message box's or a
// menu's loop). GTK is loaded with the toolkit, so its calls are looked up there rather than
// built against GTK's headers; nullptr when there is none of that name. Linux only.
template <class Function> Function GtkFunction(const char* name)
{
    return reinterpret_cast<Function>(dlsym(RTLD_DEFAULT, name));
}
