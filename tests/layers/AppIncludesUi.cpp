// The application sees the model, the toolbox and the resources, not the windows.
#include "app/Options.h"
#include "model/Todo.h"
#include "res/Commands.h"
#ifdef TALLYDENE_UPWARD
#include "ui/MainFrame.h"
#endif
