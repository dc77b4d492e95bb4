#pragma once

#include <wx/defs.h> // before the drag image, which it configures
#include <wx/dragimag.h>
#include <wx/treebase.h>

#include <functional>
#include <memory>

class TreeItem;
class wxMouseCaptureLostEvent;
class wxMouseEvent;
class VirtualTree;

// Dragging a node of a tree with the left mouse button, pressed on the node's row and moved
// past the desktop's drag threshold. The node
// under the pointer that would take the drop is highlighted. The clock picture (image 1 of the
// tree's image list) follows the pointer, 10 pixels right of and 18 below it, and the tree
// holds the mouse captured until the button is released. A release over the tree hands the
// dragged item and the item under the pointer (nullptr over empty space) to the drop handler.
// A release outside the tree, a lost capture or a cancel ends the drag without any effect.
class TreeDrag
{
public:
    using DropHandler = std::function<void(TreeItem& dragged, TreeItem* target)>;

    TreeDrag(VirtualTree& tree, DropHandler onDrop);
    ~TreeDrag();
    TreeDrag(const TreeDrag&) = delete;
    TreeDrag& operator=(const TreeDrag&) = delete;

    bool IsDragging() const { return dragItem != nullptr; }
    // Ends a drag in progress without a drop: a command is about to change the items, and the
    // dragged one may not survive it.
    void Cancel();

    // Where the picture's top left corner stands relative to the pointer.
    static constexpr int kImageOffsetX = 10;
    static constexpr int kImageOffsetY = 18;

private:
    void OnLeftDown(wxMouseEvent& event);
    // Starts dragging the node pressed on.
    void Begin();
    void OnMotion(wxMouseEvent& event);
    void OnLeftUp(wxMouseEvent& event);
    void OnCaptureLost(wxMouseCaptureLostEvent& event);
    // Takes the picture and the highlight away and gives the capture back, if the tree still
    // holds it.
    void EndImageDrag();
    // The node whose row holds point, expanders not counted; not ok over none.
    wxTreeItemId RowAt(const wxPoint& point) const;
    // The node under point that the dragged item may be dropped on; not ok when none.
    wxTreeItemId DropTargetAt(const wxPoint& point) const;
    // Highlights node (not ok: none) as the drop target.
    void Highlight(const wxTreeItemId& node);

    VirtualTree& tree;
    DropHandler onDrop;
    TreeItem* dragItem = nullptr;
    std::unique_ptr<wxDragImage> dragImage;
    wxPoint pressPoint;
    // Whether the left button, while held, went down on a row.
    bool pressedOnRow = false;
    wxTreeItemId highlighted;
};
