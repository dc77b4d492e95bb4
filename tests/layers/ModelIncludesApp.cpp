// The model sees the toolbox, not the application above it.
#include "model/Project.h"
#include "toolbox/String.h"
#ifdef TALLYDENE_UPWARD
#include "app/Tallydene.h"
#endif
