#include "ui/MainView.h"

#include "app/Tallydene.h"
#include "app/commands/CollapseGuard.h"
#include "model/FillTree.h"
#include "model/Todo.h"
#include "res/CommandIds.h"
#include "toolbox/Translation.h"
#include "ui/CommandTables.h"
#include "ui/IconBundles.h"

#include <utility>

MainView::MainView(wxWindow* parent, Tallydene& app, Prompts& prompts, TreeDrag::DropHandler onDrop)
    : VirtualTree(parent, wxID_ANY), app(app), prompts(prompts), treeControl(*this),
      projectMenu(CreateMenu(res::ProjectContextMenu())),
      todoMenu(CreateMenu(res::TodoContextMenu())), drag(*this, std::move(onDrop))
{
    // Two lists of the same pictures, so that state image i shows the same as image i.
    AssignImageList(TreeImageList(this).release());
    AssignStateImageList(TreeImageList(this).release());

    Bind(wxEVT_TREE_ITEM_EXPANDED, &MainView::OnItemExpandedOrCollapsed, this);
    Bind(wxEVT_TREE_ITEM_COLLAPSED, &MainView::OnItemExpandedOrCollapsed, this);
    Bind(wxEVT_LEFT_DCLICK, &MainView::OnLeftDoubleClick, this);
    Bind(wxEVT_CONTEXT_MENU, &MainView::OnContextMenu, this);
}

void MainView::FullUpdate()
{
    Freeze();
    FillTree(treeControl, app.GetProjects(), app);
    Thaw();
}

bool MainView::ShowContextMenu(const wxPoint& screenPoint)
{
    const wxPoint point = ScreenToClient(screenPoint);
    const wxTreeItemId node = NodeAt(point);
    if (!node.IsOk())
        return false;
    SelectItem(node);
    TreeItem* item = WxTreeControl::ItemOf(*this, node);
    wxMenu& menu = item->GetContextMenu() == ContextMenu::Project ? *projectMenu : *todoMenu;
    PopupMenu(&menu, point);
    return true;
}

void MainView::OnItemExpandedOrCollapsed(wxTreeEvent& event)
{
    const bool expanded = event.GetEventType() == wxEVT_TREE_ITEM_EXPANDED;
    TreeItem* item = WxTreeControl::ItemOf(*this, event.GetItem());
    if (!item)
        return;
    if (!expanded && !MayCollapse(app, prompts, *item))
    {
        Expand(event.GetItem());
        return;
    }
    app.GetLedger().SetExpanded(*item, expanded);
}

void MainView::OnLeftDoubleClick(wxMouseEvent& event)
{
    int flags = 0;
    const wxTreeItemId node = HitTest(event.GetPosition(), flags);
    if (!node.IsOk() || (flags & wxTREE_HITTEST_ONITEMBUTTON))
    {
        event.Skip(); // the tree's own double-click handling: an expander only expands
        return;
    }
    // Not passed on, so the tree does not expand or collapse the node as well.
    TreeItem* item = WxTreeControl::ItemOf(*this, node);
    const int command = dynamic_cast<Todo*>(item) ? res::WxIdOf(res::ID_TODO_ACTIVATE)
                                                  : res::WxIdOf(res::ID_ITEM_ACTIVATE);
    wxCommandEvent activate(wxEVT_MENU, command);
    activate.SetEventObject(this);
    ProcessWindowEvent(activate);
}

void MainView::OnContextMenu(wxContextMenuEvent& event)
{
    wxPoint point = event.GetPosition();
    if (point == wxDefaultPosition)
    {
        // From the keyboard: the menu of the selected node, beside it.
        wxRect rect;
        if (!GetSelection().IsOk() || !GetBoundingRect(GetSelection(), rect, true))
            return event.Skip();
        point = ClientToScreen(rect.GetLeftBottom());
    }
    if (!ShowContextMenu(point))
        event.Skip();
}

wxTreeItemId MainView::NodeAt(const wxPoint& point) const
{
    // Anywhere on a node's row counts, its indent and button and the space right of its label
    // too, as for a drop.
    int flags = 0;
    return HitTest(point, flags);
}
