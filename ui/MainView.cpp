#include "ui/MainView.h"

#include "app/Prompts.h"
#include "app/Tallydene.h"
#include "model/Project.h"
#include "model/Todo.h"
#include "res/CommandIds.h"
#include "ui/CommandTables.h"
#include "ui/IconBundles.h"

#include <utility>

namespace
{

constexpr long kStyle =
    wxTR_HAS_BUTTONS | wxTR_LINES_AT_ROOT | wxTR_HIDE_ROOT | wxTR_SINGLE | wxBORDER_SUNKEN;

constexpr const char* kCannotCollapse = "You cannot collapse a project with an active todo.";

} // namespace

MainView::MainView(wxWindow* parent, Tallydene& app, Prompts& prompts, TreeDrag::DropHandler onDrop)
    : wxTreeCtrl(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, kStyle), app(app),
      prompts(prompts), treeControl(*this), projectMenu(CreateMenu(res::ProjectContextMenu())),
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
    toolbox::ArrayList<Project>& projects = app.GetProjects();
    projects.Sort(CompareProjects);
    for (Project* project : projects)
        project->GetTodos().Sort(CompareTodos);

    Freeze();
    treeControl.DeleteAllNodes();
    for (Project* project : projects)
    {
        project->InsertIntoTree(treeControl, app);
        for (Todo* todo : project->GetTodos())
            todo->InsertIntoTree(treeControl, app);
    }
    Thaw();
}

Project* MainView::ProjectOfSelection() const
{
    TreeItem* item = WxTreeControl::ItemOf(*this, GetSelection());
    if (auto* todo = dynamic_cast<Todo*>(item))
        return todo->GetProject();
    return dynamic_cast<Project*>(item);
}

Todo* MainView::TodoOfSelection() const
{
    return dynamic_cast<Todo*>(WxTreeControl::ItemOf(*this, GetSelection()));
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
    const Todo* active = app.GetActiveTodo();
    if (!expanded && active && active->GetProject() == item)
    {
        Expand(event.GetItem());
        prompts.Inform(kCannotCollapse);
        return;
    }
    item->SetExpanded(expanded);
}

void MainView::OnLeftDoubleClick(wxMouseEvent& event)
{
    const wxTreeItemId node = NodeAt(event.GetPosition());
    if (!node.IsOk())
    {
        event.Skip(); // the tree's own double-click handling
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
