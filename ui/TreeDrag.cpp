#include "ui/TreeDrag.h"

#include "app/commands/DropRule.h"
#include "model/ItemImages.h"
#include "ui/VirtualTree.h"
#include "ui/WxTreeControl.h"

#include <wx/dragimag.h>
#include <wx/imaglist.h>
#include <wx/settings.h>

#include <cstdlib>
#include <utility>

TreeDrag::TreeDrag(VirtualTree& tree, DropHandler onDrop) : tree(tree), onDrop(std::move(onDrop))
{
    tree.Bind(wxEVT_LEFT_DOWN, &TreeDrag::OnLeftDown, this);
    tree.Bind(wxEVT_MOTION, &TreeDrag::OnMotion, this);
    tree.Bind(wxEVT_LEFT_UP, &TreeDrag::OnLeftUp, this);
    tree.Bind(wxEVT_MOUSE_CAPTURE_LOST, &TreeDrag::OnCaptureLost, this);
}

TreeDrag::~TreeDrag()
{
    Cancel();
}

void TreeDrag::Cancel()
{
    pressedOnRow = false;
    dragItem = nullptr;
    EndImageDrag();
}

void TreeDrag::OnLeftDown(wxMouseEvent& event)
{
    pressPoint = event.GetPosition();
    pressedOnRow = RowAt(pressPoint).IsOk();
    event.Skip();
}

wxTreeItemId TreeDrag::RowAt(const wxPoint& point) const
{
    // Anywhere on a node's row but its expander.
    int flags = 0;
    const wxTreeItemId node = tree.HitTest(point, flags);
    if (flags & (wxTREE_HITTEST_ONITEMBUTTON | wxTREE_HITTEST_NOWHERE))
        return wxTreeItemId();
    return node;
}

void TreeDrag::Begin()
{
    // The node is looked up only now: a command may have changed the rows since the press.
    pressedOnRow = false;
    const wxTreeItemId node = RowAt(pressPoint);
    TreeItem* item = WxTreeControl::ItemOf(tree, node);
    const wxImageList* pictures = tree.GetImageList();
    if (item == nullptr || pictures == nullptr || pictures->GetImageCount() <= IMAGE_DRAG)
        return;

    EndImageDrag();
    dragItem = item;
    tree.SelectItem(node);
    // The selection's new look is on screen before the picture saves what lies beneath it.
    tree.Update();

    dragImage = std::make_unique<wxDragImage>(pictures->GetBitmap(IMAGE_DRAG));
    // The picture's drag captures the mouse for the tree, so that a release anywhere is seen.
    if (!dragImage->BeginDrag(wxPoint(-kImageOffsetX, -kImageOffsetY), &tree))
    {
        Cancel();
        return;
    }
    dragImage->Move(pressPoint);
    dragImage->Show();
}

void TreeDrag::OnMotion(wxMouseEvent& event)
{
    if (!IsDragging() && pressedOnRow && event.LeftIsDown())
    {
        const wxPoint moved = event.GetPosition() - pressPoint;
        if (std::abs(moved.x) > wxSystemSettings::GetMetric(wxSYS_DRAG_X, &tree) / 2 ||
            std::abs(moved.y) > wxSystemSettings::GetMetric(wxSYS_DRAG_Y, &tree) / 2)
            Begin();
    }
    if (!IsDragging())
        return event.Skip();
    Highlight(DropTargetAt(event.GetPosition()));
    dragImage->Move(event.GetPosition());
}

wxTreeItemId TreeDrag::DropTargetAt(const wxPoint& point) const
{
    if (!tree.GetClientRect().Contains(point))
        return wxTreeItemId();
    const wxTreeItemId node = RowAt(point);
    return TakesDrop(*dragItem, WxTreeControl::ItemOf(tree, node)) ? node : wxTreeItemId();
}

void TreeDrag::Highlight(const wxTreeItemId& node)
{
    if (node == highlighted)
        return;
    // The picture keeps the pixels beneath it: it goes while the tree draws, then comes back.
    if (dragImage)
        dragImage->Hide();
    if (highlighted.IsOk())
        tree.SetItemDropHighlight(highlighted, false);
    highlighted = node;
    if (highlighted.IsOk())
        tree.SetItemDropHighlight(highlighted, true);
    tree.Update();
    if (dragImage)
        dragImage->Show();
}

void TreeDrag::OnLeftUp(wxMouseEvent& event)
{
    pressedOnRow = false;
    if (!IsDragging())
        return event.Skip();
    TreeItem& dragged = *dragItem;
    const wxPoint point = event.GetPosition();
    // The drag ends before the drop's effect, so that a dialog it opens gets the mouse.
    Cancel();
    if (!tree.GetClientRect().Contains(point))
        return;
    onDrop(dragged, WxTreeControl::ItemOf(tree, RowAt(point)));
}

void TreeDrag::OnCaptureLost(wxMouseCaptureLostEvent& event)
{
    if (!IsDragging())
        return event.Skip();
    Cancel();
}

void TreeDrag::EndImageDrag()
{
    if (!dragImage)
        return;
    Highlight(wxTreeItemId());
    // After a lost capture there is nothing to give back; the picture only needs to go.
    if (tree.HasCapture())
        dragImage->EndDrag();
    else
        dragImage->Hide();
    dragImage.reset();
    // What the picture restores may be older than the tree's own drawing: the tree draws
    // itself anew, so that no trace of the drag stays.
    tree.Refresh();
}
