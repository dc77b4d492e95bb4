#include "ui/TreeDrag.h"

#include "model/ItemImages.h"
#include "ui/WxTreeControl.h"

#include <wx/dragimag.h>
#include <wx/imaglist.h>
#include <wx/treectrl.h>

#include <utility>

TreeDrag::TreeDrag(wxTreeCtrl& tree, DropHandler onDrop) : tree(tree), onDrop(std::move(onDrop))
{
    tree.Bind(wxEVT_TREE_BEGIN_DRAG, &TreeDrag::OnBeginDrag, this);
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
    dragItem = nullptr;
    EndImageDrag();
}

void TreeDrag::OnBeginDrag(wxTreeEvent& event)
{
    // Not allowed to go on as the tree's own drag: the tree would capture the mouse itself.
    TreeItem* item = WxTreeControl::ItemOf(tree, event.GetItem());
    const wxImageList* pictures = tree.GetImageList();
    if (item == nullptr || pictures == nullptr || pictures->GetImageCount() <= IMAGE_DRAG)
        return;

    EndImageDrag();
    dragItem = item;
    tree.SelectItem(event.GetItem());

    dragImage = std::make_unique<wxDragImage>(pictures->GetBitmap(IMAGE_DRAG));
    // The picture's drag captures the mouse for the tree, so that a release anywhere is seen.
    if (!dragImage->BeginDrag(wxPoint(-kImageOffsetX, -kImageOffsetY), &tree))
    {
        Cancel();
        return;
    }
    dragImage->Move(event.GetPoint());
    dragImage->Show();
}

void TreeDrag::OnMotion(wxMouseEvent& event)
{
    if (!IsDragging())
        return event.Skip();
    dragImage->Move(event.GetPosition());
}

void TreeDrag::OnLeftUp(wxMouseEvent& event)
{
    if (!IsDragging())
        return event.Skip();
    TreeItem& dragged = *dragItem;
    const wxPoint point = event.GetPosition();
    // The drag ends before the drop's effect, so that a dialog it opens gets the mouse.
    Cancel();
    if (!tree.GetClientRect().Contains(point))
        return;
    int flags = 0;
    const wxTreeItemId node = tree.HitTest(point, flags);
    onDrop(dragged, node.IsOk() ? WxTreeControl::ItemOf(tree, node) : nullptr);
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
    // After a lost capture there is nothing to give back; the picture only needs to go.
    if (tree.HasCapture())
        dragImage->EndDrag();
    else
        dragImage->Hide();
    dragImage.reset();
}
