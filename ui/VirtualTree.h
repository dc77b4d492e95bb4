#pragma once

#include <wx/imaglist.h>
#include <wx/scrolwin.h>
#include <wx/treebase.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class TreeItem;
class wxDC;

// A tree of labelled rows with a hidden root that costs what it shows: it keeps its nodes in
// memory of its own, asks nothing of the toolkit per node, and measures, draws and hit-tests
// only the rows on screen. Every node knows how many rows it and its shown descendants take,
// so that a row is found from its number and a number from its node by walking the node's
// ancestors and their siblings, never all rows.
//
// It looks and behaves as the toolkit's tree with buttons, lines at the root and one
// selection: the expander, the state image, the image and the label from left to right,
// dotted lines joining siblings, the keyboard's arrows, Home, End and the page keys. Its
// member functions take the names and the item ids of the toolkit's tree, so that code and
// tests read as for any tree; an id holds the node's own pointer. Expand and Collapse,
// whether from the user or from a caller, send wxEVT_TREE_ITEM_EXPANDED and
// wxEVT_TREE_ITEM_COLLAPSED; SetExpanded changes the look alone.
class VirtualTree : public wxScrolled<wxWindow>
{
public:
    VirtualTree(wxWindow* parent, wxWindowID id, const wxString& name = "tree");
    ~VirtualTree() override;

    // The lists the images and the state images are drawn from; the tree owns them.
    void AssignImageList(wxImageList* list);
    void AssignStateImageList(wxImageList* list);
    wxImageList* GetImageList() const { return images.get(); }
    wxImageList* GetStateImageList() const { return stateImages.get(); }

    // Adds a node as the child at position of parent (past the last child: appends).
    // stateImage < 0 is none. A node inserted expanded opens as soon as it has children.
    wxTreeItemId InsertItem(const wxTreeItemId& parent, size_t position, const std::string& text,
                            int image, int selectedImage, int stateImage, bool expanded,
                            TreeItem* item);
    // The same for a node whose label the label source gives when the label is first needed:
    // to draw or measure the row, or for GetItemText. A tree of many rows is so filled without
    // a label made for every row that is never seen.
    wxTreeItemId InsertItem(const wxTreeItemId& parent, size_t position, int image,
                            int selectedImage, int stateImage, bool expanded, TreeItem& item);
    // Where the labels of nodes inserted without one come from.
    using LabelSource = std::function<std::string(const TreeItem&)>;
    void SetLabelSource(LabelSource source) { labels = std::move(source); }
    void Delete(const wxTreeItemId& id);
    void DeleteChildren(const wxTreeItemId& id);

    wxTreeItemId GetRootItem() const;
    wxTreeItemId GetItemParent(const wxTreeItemId& id) const;
    wxTreeItemId GetFirstChild(const wxTreeItemId& id, wxTreeItemIdValue& cookie) const;
    wxTreeItemId GetNextChild(const wxTreeItemId& id, wxTreeItemIdValue& cookie) const;
    size_t GetChildrenCount(const wxTreeItemId& id, bool recursively = true) const;
    // All nodes but the hidden root.
    size_t GetCount() const { return count; }

    void SetItemText(const wxTreeItemId& id, const std::string& text);
    wxString GetItemText(const wxTreeItemId& id) const;
    void SetItemImages(const wxTreeItemId& id, int image, int selectedImage);
    int GetItemImage(const wxTreeItemId& id) const;
    // wxTREE_ITEMSTATE_NONE (-1): no state image.
    void SetItemState(const wxTreeItemId& id, int state);
    int GetItemState(const wxTreeItemId& id) const;
    void SetItemBold(const wxTreeItemId& id, bool bold = true);
    bool IsBold(const wxTreeItemId& id) const;
    TreeItem* GetItemData(const wxTreeItemId& id) const;

    // Whether the node shows its children: it is expanded and has some.
    bool IsExpanded(const wxTreeItemId& id) const;
    void Expand(const wxTreeItemId& id);
    void Collapse(const wxTreeItemId& id);
    void SetExpanded(const wxTreeItemId& id, bool expanded);
    // Gives a node its pictures, expanded state (the look alone) and weight anew, and has its
    // label asked of the label source again when it is next needed, as for a node inserted
    // without one. Nothing is redrawn: a caller that renews many nodes calls Refresh once.
    void Renew(const wxTreeItemId& id, int image, int selectedImage, int stateImage,
               bool expanded, bool bold);

    wxTreeItemId GetSelection() const;
    void SelectItem(const wxTreeItemId& id);
    // Expands the node's ancestors and scrolls it into view.
    void EnsureVisible(const wxTreeItemId& id);
    void SetItemDropHighlight(const wxTreeItemId& id, bool highlight = true);

    // The row of a shown node in client coordinates, or with textOnly its label's part; false
    // when the node is inside a collapsed one.
    bool GetBoundingRect(const wxTreeItemId& id, wxRect& rect, bool textOnly = false) const;
    // The node whose row holds a client point, and where on it: wxTREE_HITTEST_ONITEMBUTTON,
    // ONITEMSTATEICON, ONITEMICON, ONITEMLABEL, ONITEMINDENT, ONITEMRIGHT, or NOWHERE.
    wxTreeItemId HitTest(const wxPoint& point, int& flags) const;

private:
    struct Node;
    // What the row of a node is made of, in virtual coordinates.
    struct RowLayout
    {
        int top{};
        int expanderCentre{};
        int stateImage{}; // left edge; equal to image when there is none
        int image{};
        int label{};
        int labelWidth{};
    };

    static Node* NodeOf(const wxTreeItemId& id);
    wxTreeItemId InsertNode(const wxTreeItemId& parent, size_t position, int image,
                            int selectedImage, int stateImage, bool expanded, TreeItem* item);
    Node& NodeOrRoot(const wxTreeItemId& id) const;
    static bool IsOpen(const Node& node);
    static int Depth(const Node& node);
    // The rows below node's parents changed by delta: their counts follow.
    void RowsChanged(Node* parent, long delta);
    void SetOpen(Node& node, bool expanded);
    // Expands or collapses as the user does, telling the handlers.
    void Toggle(Node& node, bool expanded);
    size_t RowOf(const Node& node) const;
    Node* NodeAtRow(size_t row) const;
    static Node* NextShown(const Node& node);
    // Whether node is shown, that is no ancestor of it is collapsed.
    static bool HasRow(const Node& node);
    // The node's label, asked of the label source when the node was inserted without one.
    const std::string& TextOf(const Node& node) const;
    int LabelWidth(const Node& node) const;
    RowLayout LayOut(const Node& node, size_t row) const;
    void ForgetSubtree(const Node& node);
    // A node with its defaults: one of the spare nodes when there are any.
    std::unique_ptr<Node> NewNode();
    // Redraws the row of one node if it is on screen.
    void RefreshNode(const Node& node);
    // Gives the scrolled area the size the rows need, once per batch of changes.
    void UpdateArea();
    void MeasureRows();
    void DrawRow(wxDC& dc, const Node& node, size_t row);
    void DrawLines(wxDC& dc, const Node& node, const RowLayout& layout);
    int RowsPerPage() const;

    void OnPaint(wxPaintEvent& event);
    void OnLeftDown(wxMouseEvent& event);
    void OnLeftDoubleClick(wxMouseEvent& event);
    void OnKeyDown(wxKeyEvent& event);
    void OnFocus(wxFocusEvent& event);
    void OnInternalIdle() override;

    std::unique_ptr<Node> root;
    LabelSource labels;
    // The nodes of the whole tree when it was last emptied: a tree filled afresh takes them
    // again, with their texts' memory, and what is left over goes when the program is idle.
    std::vector<std::unique_ptr<Node>> spare;
    size_t count = 0;
    Node* selection = nullptr;
    Node* dropHighlight = nullptr;
    std::unique_ptr<wxImageList> images;
    std::unique_ptr<wxImageList> stateImages;
    int rowHeight = 0;
    int indent = 0;
    int imageWidth = 0;
    // The widest row drawn so far: the scrolled width grows as wider rows come into view.
    int widest = 0;
    bool areaOutdated = true;
};
