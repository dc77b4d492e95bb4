#pragma once

#include "ui/TreeDrag.h"
#include "ui/VirtualTree.h"
#include "ui/WxTreeControl.h"

#include <wx/menu.h>

#include <memory>

class Prompts;
class Tallydene;

// The tree of projects and their todos that fills the main window. It keeps the pictures and
// the two context menus, guards the active todo's project against collapsing, turns a
// double-click on a node into the activate command, and lets a node be dragged onto another.
class MainView : public VirtualTree
{
public:
    // A dragged item released over the tree goes to onDrop with the item under the pointer.
    MainView(wxWindow* parent, Tallydene& app, Prompts& prompts, TreeDrag::DropHandler onDrop);

    TreeControl& GetTreeControl() { return treeControl; }

    // Sorts the projects and each project's todos, then fills the tree afresh.
    void FullUpdate();

    // Shows the context menu of the node under a screen point, selecting the node first.
    // false when the point is over no node: no menu is shown.
    bool ShowContextMenu(const wxPoint& screenPoint);

    bool IsDragging() const { return drag.IsDragging(); }
    // Ends a drag in progress without any effect.
    void CancelDrag() { drag.Cancel(); }

private:
    void OnItemExpandedOrCollapsed(wxTreeEvent& event);
    void OnLeftDoubleClick(wxMouseEvent& event);
    void OnContextMenu(wxContextMenuEvent& event);
    // The node under a point of the tree's own coordinates, on its label or pictures.
    wxTreeItemId NodeAt(const wxPoint& point) const;

    Tallydene& app;
    Prompts& prompts;
    WxTreeControl treeControl;
    std::unique_ptr<wxMenu> projectMenu;
    std::unique_ptr<wxMenu> todoMenu;
    TreeDrag drag;
};
