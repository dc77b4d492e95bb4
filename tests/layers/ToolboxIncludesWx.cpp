// The toolbox is the bottom layer: it sees its own headers, not the toolkit's.
#include "toolbox/String.h"
#ifdef TALLYDENE_UPWARD
#include <wx/string.h>
#endif
