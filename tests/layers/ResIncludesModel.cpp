// The resources see the toolbox, not the model.
#include "res/Commands.h"
#ifdef TALLYDENE_UPWARD
#include "model/Todo.h"
#endif
