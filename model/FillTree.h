#pragma once

#include "toolbox/ArrayList.h"

class ItemContext;
class Project;
class TreeControl;

// Sorts the projects and their todos and shows them all in tree: every project followed by its
// todos. The item that was selected is selected again when it is still there.
void FillTree(TreeControl& tree, toolbox::ArrayList<Project>& projects, const ItemContext& context);

// Moves a project (one with no todos yet) among the others to its sorted place, in the list
// and in tree, and selects it; the other nodes stay as they are.
void InsertProjectInOrder(TreeControl& tree, toolbox::ArrayList<Project>& projects,
                          Project& project, const ItemContext& context);
