#include "ui/VirtualTree.h"

#include "ui/WxText.h"

#include <wx/dcclient.h>
#include <wx/renderer.h>
#include <wx/settings.h>
#include <wx/treectrl.h>

#include <algorithm>

struct VirtualTree::Node
{
    // Empty and asked for when needed while textWanted holds.
    mutable std::string text;
    TreeItem* item = nullptr;
    Node* parent = nullptr;
    std::vector<std::unique_ptr<Node>> children;
    size_t index = 0; // among the parent's children
    // The rows this node takes: its own, and its children's while it shows them.
    size_t rows = 1;
    // The rows its children take, shown or not.
    size_t below = 0;
    int image = -1;
    int selectedImage = -1;
    int stateImage = -1;
    // The label's width in pixels, measured when first needed; < 0 until then.
    mutable int width = -1;
    mutable bool textWanted = false;
    bool expanded = false;
    bool bold = false;
};

namespace
{

constexpr int kGap = 2;       // between the pictures and before the label
constexpr int kLabelPad = 2;  // inside the label's background, left and right
constexpr int kExpander = 11; // the expander's box

} // namespace

VirtualTree::VirtualTree(wxWindow* parent, wxWindowID id, const wxString& name)
    : wxScrolled<wxWindow>(parent, id, wxDefaultPosition, wxDefaultSize,
                           wxBORDER_SUNKEN | wxWANTS_CHARS | wxHSCROLL | wxVSCROLL, name),
      root(std::make_unique<Node>())
{
    root->expanded = true;
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    SetBackgroundColour(wxSystemSettings::GetColour(wxSYS_COLOUR_LISTBOX));
    MeasureRows();
    Bind(wxEVT_PAINT, &VirtualTree::OnPaint, this);
    Bind(wxEVT_LEFT_DOWN, &VirtualTree::OnLeftDown, this);
    Bind(wxEVT_LEFT_DCLICK, &VirtualTree::OnLeftDoubleClick, this);
    Bind(wxEVT_KEY_DOWN, &VirtualTree::OnKeyDown, this);
    Bind(wxEVT_SET_FOCUS, &VirtualTree::OnFocus, this);
    Bind(wxEVT_KILL_FOCUS, &VirtualTree::OnFocus, this);
    Bind(wxEVT_SIZE,
         [this](wxSizeEvent& event)
         {
             Refresh();
             event.Skip();
         });
}

VirtualTree::~VirtualTree() = default;

void VirtualTree::AssignImageList(wxImageList* list)
{
    images.reset(list);
    MeasureRows();
}

void VirtualTree::AssignStateImageList(wxImageList* list)
{
    stateImages.reset(list);
    MeasureRows();
}

void VirtualTree::MeasureRows()
{
    int imageHeight = 0;
    imageWidth = 0;
    for (const wxImageList* list : {images.get(), stateImages.get()})
        if (list && list->GetImageCount() > 0)
        {
            const wxSize size = list->GetSize();
            imageWidth = std::max(imageWidth, size.x);
            imageHeight = std::max(imageHeight, size.y);
        }
    rowHeight = std::max(GetCharHeight(), imageHeight) + 4;
    indent = std::max(imageWidth, kExpander) + 4;
    SetScrollRate(indent, rowHeight);
    areaOutdated = true;
    Refresh();
}

VirtualTree::Node* VirtualTree::NodeOf(const wxTreeItemId& id)
{
    return static_cast<Node*>(id.GetID());
}

VirtualTree::Node& VirtualTree::NodeOrRoot(const wxTreeItemId& id) const
{
    return id.IsOk() ? *NodeOf(id) : *root;
}

bool VirtualTree::IsOpen(const Node& node)
{
    return node.expanded && !node.children.empty();
}

int VirtualTree::Depth(const Node& node)
{
    int depth = -1;
    for (const Node* up = node.parent; up; up = up->parent)
        ++depth;
    return depth;
}

void VirtualTree::RowsChanged(Node* parent, long delta)
{
    for (Node* node = parent; node && delta != 0; node = node->parent)
    {
        node->below = static_cast<size_t>(static_cast<long>(node->below) + delta);
        const size_t before = node->rows;
        node->rows = 1 + (IsOpen(*node) ? node->below : 0);
        delta = static_cast<long>(node->rows) - static_cast<long>(before);
    }
    areaOutdated = true;
}

void VirtualTree::SetOpen(Node& node, bool expanded)
{
    const size_t before = node.rows;
    node.expanded = expanded;
    node.rows = 1 + (IsOpen(node) ? node.below : 0);
    RowsChanged(node.parent, static_cast<long>(node.rows) - static_cast<long>(before));
}

wxTreeItemId VirtualTree::InsertItem(const wxTreeItemId& parent, size_t position,
                                     const std::string& text, int image, int selectedImage,
                                     int stateImage, bool expanded, TreeItem* item)
{
    const wxTreeItemId id =
        InsertNode(parent, position, image, selectedImage, stateImage, expanded, item);
    NodeOf(id)->text = text;
    return id;
}

wxTreeItemId VirtualTree::InsertItem(const wxTreeItemId& parent, size_t position, int image,
                                     int selectedImage, int stateImage, bool expanded,
                                     TreeItem& item)
{
    const wxTreeItemId id =
        InsertNode(parent, position, image, selectedImage, stateImage, expanded, &item);
    NodeOf(id)->textWanted = true;
    return id;
}

wxTreeItemId VirtualTree::InsertNode(const wxTreeItemId& parent, size_t position, int image,
                                     int selectedImage, int stateImage, bool expanded,
                                     TreeItem* item)
{
    Node& into = NodeOrRoot(parent);
    std::unique_ptr<Node> node = NewNode();
    node->item = item;
    node->parent = &into;
    node->image = image;
    node->selectedImage = selectedImage;
    node->stateImage = stateImage;
    node->expanded = expanded;
    Node* added = node.get();
    position = std::min(position, into.children.size());
    into.children.insert(into.children.begin() + static_cast<ptrdiff_t>(position), std::move(node));
    for (size_t i = position; i < into.children.size(); ++i)
        into.children[i]->index = i;
    ++count;
    RowsChanged(&into, 1);
    if (!IsFrozen() && HasRow(*added))
        Refresh();
    return wxTreeItemId(added);
}

std::unique_ptr<VirtualTree::Node> VirtualTree::NewNode()
{
    if (spare.empty())
        return std::make_unique<Node>();
    std::unique_ptr<Node> node = std::move(spare.back());
    spare.pop_back();
    for (auto& child : node->children)
        spare.push_back(std::move(child));
    node->children.clear();
    node->item = nullptr;
    node->parent = nullptr;
    node->index = 0;
    node->rows = 1;
    node->below = 0;
    node->image = -1;
    node->selectedImage = -1;
    node->stateImage = -1;
    node->width = -1;
    node->text.clear();
    node->textWanted = false;
    node->expanded = false;
    node->bold = false;
    return node;
}

void VirtualTree::ForgetSubtree(const Node& node)
{
    if (selection == &node)
        selection = nullptr;
    if (dropHighlight == &node)
        dropHighlight = nullptr;
    --count;
    for (const auto& child : node.children)
        ForgetSubtree(*child);
}

void VirtualTree::Delete(const wxTreeItemId& id)
{
    Node& node = *NodeOf(id);
    Node& parent = *node.parent;
    const bool hadSelection = selection != nullptr;
    const bool shown = HasRow(node);
    ForgetSubtree(node);
    const long rows = static_cast<long>(node.rows);
    const size_t position = node.index;
    parent.children.erase(parent.children.begin() + static_cast<ptrdiff_t>(position));
    for (size_t i = position; i < parent.children.size(); ++i)
        parent.children[i]->index = i;
    RowsChanged(&parent, -rows);
    // A deleted selection passes to the parent, as in the toolkit's tree.
    if (hadSelection && selection == nullptr && &parent != root.get())
        selection = &parent;
    if (shown)
        Refresh();
}

void VirtualTree::DeleteChildren(const wxTreeItemId& id)
{
    Node& node = NodeOrRoot(id);
    if (&node == root.get())
    {
        selection = nullptr;
        dropHighlight = nullptr;
        count = 0;
    }
    else
        for (const auto& child : node.children)
            ForgetSubtree(*child);
    const bool shown = HasRow(node);
    const long before = static_cast<long>(node.rows);
    if (&node == root.get())
        for (auto& child : node.children)
            spare.push_back(std::move(child));
    node.children.clear();
    node.rows = 1;
    node.below = 0;
    RowsChanged(node.parent, 1 - before);
    if (shown)
        Refresh();
}

wxTreeItemId VirtualTree::GetRootItem() const
{
    return wxTreeItemId(root.get());
}

wxTreeItemId VirtualTree::GetItemParent(const wxTreeItemId& id) const
{
    return wxTreeItemId(NodeOf(id)->parent);
}

wxTreeItemId VirtualTree::GetFirstChild(const wxTreeItemId& id, wxTreeItemIdValue& cookie) const
{
    cookie = nullptr;
    return GetNextChild(id, cookie);
}

wxTreeItemId VirtualTree::GetNextChild(const wxTreeItemId& id, wxTreeItemIdValue& cookie) const
{
    // The cookie counts the children handed out.
    const auto next = reinterpret_cast<uintptr_t>(cookie);
    const Node& node = NodeOrRoot(id);
    if (next >= node.children.size())
        return wxTreeItemId();
    cookie = reinterpret_cast<wxTreeItemIdValue>(next + 1);
    return wxTreeItemId(node.children[next].get());
}

size_t VirtualTree::GetChildrenCount(const wxTreeItemId& id, bool recursively) const
{
    const Node& node = NodeOrRoot(id);
    size_t children = node.children.size();
    if (recursively)
        for (const auto& child : node.children)
            children += GetChildrenCount(wxTreeItemId(child.get()), true);
    return children;
}

void VirtualTree::SetItemText(const wxTreeItemId& id, const std::string& text)
{
    Node& node = *NodeOf(id);
    node.text = text;
    node.textWanted = false;
    node.width = -1;
    RefreshNode(node);
}

wxString VirtualTree::GetItemText(const wxTreeItemId& id) const
{
    return ToWx(TextOf(*NodeOf(id)));
}

void VirtualTree::SetItemImages(const wxTreeItemId& id, int image, int selectedImage)
{
    Node& node = *NodeOf(id);
    node.image = image;
    node.selectedImage = selectedImage;
    RefreshNode(node);
}

int VirtualTree::GetItemImage(const wxTreeItemId& id) const
{
    return NodeOf(id)->image;
}

void VirtualTree::SetItemState(const wxTreeItemId& id, int state)
{
    Node& node = *NodeOf(id);
    node.stateImage = state;
    RefreshNode(node);
}

int VirtualTree::GetItemState(const wxTreeItemId& id) const
{
    return NodeOf(id)->stateImage;
}

void VirtualTree::SetItemBold(const wxTreeItemId& id, bool bold)
{
    Node& node = *NodeOf(id);
    if (node.bold == bold)
        return;
    node.bold = bold;
    node.width = -1;
    RefreshNode(node);
}

bool VirtualTree::IsBold(const wxTreeItemId& id) const
{
    return NodeOf(id)->bold;
}

TreeItem* VirtualTree::GetItemData(const wxTreeItemId& id) const
{
    return id.IsOk() ? NodeOf(id)->item : nullptr;
}

bool VirtualTree::IsExpanded(const wxTreeItemId& id) const
{
    return IsOpen(*NodeOf(id));
}

void VirtualTree::Expand(const wxTreeItemId& id)
{
    Toggle(*NodeOf(id), true);
}

void VirtualTree::Collapse(const wxTreeItemId& id)
{
    Toggle(*NodeOf(id), false);
}

void VirtualTree::SetExpanded(const wxTreeItemId& id, bool expanded)
{
    Node& node = *NodeOf(id);
    if (node.expanded == expanded)
        return;
    const bool shown = HasRow(node);
    SetOpen(node, expanded);
    if (shown)
        Refresh();
}

void VirtualTree::Renew(const wxTreeItemId& id, int image, int selectedImage, int stateImage,
                        bool expanded, bool bold)
{
    Node& node = *NodeOf(id);
    node.image = image;
    node.selectedImage = selectedImage;
    node.stateImage = stateImage;
    node.bold = bold;
    node.text.clear();
    node.textWanted = true;
    node.width = -1;
    if (node.expanded != expanded)
        SetOpen(node, expanded);
}

void VirtualTree::Toggle(Node& node, bool expanded)
{
    // As in the toolkit's tree: a node without children neither expands nor collapses.
    if (node.children.empty() || IsOpen(node) == expanded)
        return;
    SetExpanded(wxTreeItemId(&node), expanded);
    wxTreeEvent event(expanded ? wxEVT_TREE_ITEM_EXPANDED : wxEVT_TREE_ITEM_COLLAPSED, GetId());
    event.SetItem(wxTreeItemId(&node));
    event.SetEventObject(this);
    ProcessWindowEvent(event);
}

wxTreeItemId VirtualTree::GetSelection() const
{
    return wxTreeItemId(selection);
}

void VirtualTree::SelectItem(const wxTreeItemId& id)
{
    Node* node = NodeOf(id);
    if (node == selection)
        return;
    if (selection)
        RefreshNode(*selection);
    selection = node;
    if (selection)
    {
        EnsureVisible(id);
        RefreshNode(*selection);
    }
}

void VirtualTree::EnsureVisible(const wxTreeItemId& id)
{
    Node& node = *NodeOf(id);
    // The outermost first, so that each expands into a shown row.
    std::vector<Node*> ancestors;
    for (Node* up = node.parent; up && up != root.get(); up = up->parent)
        ancestors.push_back(up);
    for (auto up = ancestors.rbegin(); up != ancestors.rend(); ++up)
        Toggle(**up, true);
    if (!HasRow(node))
        return;
    UpdateArea();
    const int row = static_cast<int>(RowOf(node));
    int left = 0;
    int top = 0;
    GetViewStart(&left, &top);
    if (row < top)
        Scroll(-1, row);
    else if (row >= top + RowsPerPage())
        Scroll(-1, row - RowsPerPage() + 1);
}

void VirtualTree::SetItemDropHighlight(const wxTreeItemId& id, bool highlight)
{
    Node* node = NodeOf(id);
    if (highlight == (dropHighlight == node))
        return;
    if (dropHighlight)
        RefreshNode(*dropHighlight);
    dropHighlight = highlight ? node : nullptr;
    if (dropHighlight)
        RefreshNode(*dropHighlight);
}

bool VirtualTree::HasRow(const Node& node)
{
    for (const Node* up = node.parent; up; up = up->parent)
        if (!IsOpen(*up))
            return false;
    return true;
}

size_t VirtualTree::RowOf(const Node& node) const
{
    size_t row = 0;
    for (const Node* at = &node; at->parent; at = at->parent)
    {
        const Node& parent = *at->parent;
        for (size_t i = 0; i < at->index; ++i)
            row += parent.children[i]->rows;
        if (&parent != root.get())
            ++row;
    }
    return row;
}

VirtualTree::Node* VirtualTree::NodeAtRow(size_t row) const
{
    const Node* node = root.get();
    for (;;)
    {
        const Node* inside = nullptr;
        for (const auto& child : node->children)
        {
            if (row < child->rows)
            {
                inside = child.get();
                break;
            }
            row -= child->rows;
        }
        if (!inside)
            return nullptr;
        if (row == 0)
            return const_cast<Node*>(inside);
        --row;
        node = inside;
    }
}

VirtualTree::Node* VirtualTree::NextShown(const Node& node)
{
    if (IsOpen(node))
        return node.children.front().get();
    for (const Node* at = &node; at->parent; at = at->parent)
        if (at->index + 1 < at->parent->children.size())
            return at->parent->children[at->index + 1].get();
    return nullptr;
}

int VirtualTree::RowsPerPage() const
{
    return std::max(1, GetClientSize().y / rowHeight);
}

const std::string& VirtualTree::TextOf(const Node& node) const
{
    if (node.textWanted && node.item && labels)
    {
        node.text = labels(*node.item);
        node.textWanted = false;
    }
    return node.text;
}

int VirtualTree::LabelWidth(const Node& node) const
{
    if (node.width < 0)
    {
        const wxFont font = node.bold ? GetFont().Bold() : GetFont();
        int height = 0;
        GetTextExtent(ToWx(TextOf(node)), &node.width, &height, nullptr, nullptr, &font);
        node.width += 2 * kLabelPad;
    }
    return node.width;
}

VirtualTree::RowLayout VirtualTree::LayOut(const Node& node, size_t row) const
{
    RowLayout layout;
    layout.top = static_cast<int>(row) * rowHeight;
    const int left = Depth(node) * indent;
    layout.expanderCentre = left + indent / 2;
    layout.stateImage = left + indent;
    layout.image = layout.stateImage;
    if (node.stateImage >= 0 && stateImages)
        layout.image += stateImages->GetSize().x + kGap;
    layout.label = layout.image;
    if (node.image >= 0 && images)
        layout.label += images->GetSize().x + kGap;
    layout.labelWidth = LabelWidth(node);
    return layout;
}

bool VirtualTree::GetBoundingRect(const wxTreeItemId& id, wxRect& rect, bool textOnly) const
{
    const Node& node = *NodeOf(id);
    if (!HasRow(node))
        return false;
    const RowLayout layout = LayOut(node, RowOf(node));
    const int left = textOnly ? layout.label : layout.stateImage;
    rect = wxRect(CalcScrolledPosition(wxPoint(left, layout.top)),
                  wxSize(layout.label + layout.labelWidth - left, rowHeight));
    return true;
}

wxTreeItemId VirtualTree::HitTest(const wxPoint& point, int& flags) const
{
    flags = wxTREE_HITTEST_NOWHERE;
    const wxPoint at = CalcUnscrolledPosition(point);
    if (at.y < 0 || point.x < 0 || point.x >= GetClientSize().x || point.y >= GetClientSize().y)
        return wxTreeItemId();
    const size_t row = static_cast<size_t>(at.y / rowHeight);
    Node* node = NodeAtRow(row);
    if (!node)
        return wxTreeItemId();
    const RowLayout layout = LayOut(*node, row);
    if (!node->children.empty() && std::abs(at.x - layout.expanderCentre) <= kExpander / 2 + 1)
        flags = wxTREE_HITTEST_ONITEMBUTTON;
    else if (at.x < layout.stateImage)
        flags = wxTREE_HITTEST_ONITEMINDENT;
    else if (at.x < layout.image)
        flags = wxTREE_HITTEST_ONITEMSTATEICON;
    else if (at.x < layout.label)
        flags = wxTREE_HITTEST_ONITEMICON;
    else if (at.x < layout.label + layout.labelWidth)
        flags = wxTREE_HITTEST_ONITEMLABEL;
    else
        flags = wxTREE_HITTEST_ONITEMRIGHT;
    return wxTreeItemId(node);
}

void VirtualTree::RefreshNode(const Node& node)
{
    if (IsFrozen() || !HasRow(node))
        return;
    const int top = static_cast<int>(RowOf(node)) * rowHeight;
    const wxPoint shown = CalcScrolledPosition(wxPoint(0, top));
    if (shown.y + rowHeight <= 0 || shown.y >= GetClientSize().y)
        return;
    RefreshRect(wxRect(0, shown.y, GetClientSize().x, rowHeight));
}

void VirtualTree::UpdateArea()
{
    if (!areaOutdated)
        return;
    areaOutdated = false;
    SetVirtualSize(widest, static_cast<int>(root->rows - 1) * rowHeight);
}

void VirtualTree::OnInternalIdle()
{
    wxScrolled<wxWindow>::OnInternalIdle();
    UpdateArea();
    spare.clear();
}

void VirtualTree::OnPaint(wxPaintEvent&)
{
    UpdateArea();
    wxPaintDC dc(this);
    PrepareDC(dc);
    dc.SetBackground(GetBackgroundColour());
    dc.Clear();
    int left = 0;
    int top = 0;
    GetViewStart(&left, &top);
    const int before = widest;
    size_t row = static_cast<size_t>(top);
    const size_t end = row + static_cast<size_t>(RowsPerPage()) + 2;
    for (const Node* node = NodeAtRow(row); node && row < end; node = NextShown(*node), ++row)
        DrawRow(dc, *node, row);
    if (widest > before)
        areaOutdated = true;
}

void VirtualTree::DrawRow(wxDC& dc, const Node& node, size_t row)
{
    const RowLayout layout = LayOut(node, row);
    widest = std::max(widest, layout.label + layout.labelWidth + kGap);
    DrawLines(dc, node, layout);
    if (!node.children.empty())
    {
        const wxRect box(layout.expanderCentre - kExpander / 2,
                         layout.top + (rowHeight - kExpander) / 2, kExpander, kExpander);
        wxRendererNative::Get().DrawTreeItemButton(this, dc, box,
                                                   IsOpen(node) ? int{wxCONTROL_EXPANDED} : 0);
    }
    if (node.stateImage >= 0 && stateImages)
        stateImages->Draw(node.stateImage, dc, layout.stateImage,
                          layout.top + (rowHeight - stateImages->GetSize().y) / 2,
                          wxIMAGELIST_DRAW_TRANSPARENT);
    const bool selected = &node == selection;
    const int image = selected ? node.selectedImage : node.image;
    if (image >= 0 && images)
        images->Draw(image, dc, layout.image, layout.top + (rowHeight - images->GetSize().y) / 2,
                     wxIMAGELIST_DRAW_TRANSPARENT);

    const wxRect label(layout.label, layout.top, layout.labelWidth, rowHeight);
    wxColour text = wxSystemSettings::GetColour(wxSYS_COLOUR_LISTBOXTEXT);
    if (selected || &node == dropHighlight)
    {
        // The drop target as the selection with the focus; the selection paler without it.
        const bool strong = &node == dropHighlight || HasFocus();
        dc.SetPen(*wxTRANSPARENT_PEN);
        dc.SetBrush(
            wxSystemSettings::GetColour(strong ? wxSYS_COLOUR_HIGHLIGHT : wxSYS_COLOUR_BTNSHADOW));
        dc.DrawRectangle(label);
        if (strong)
            text = wxSystemSettings::GetColour(wxSYS_COLOUR_HIGHLIGHTTEXT);
    }
    dc.SetFont(node.bold ? GetFont().Bold() : GetFont());
    dc.SetTextForeground(text);
    dc.DrawText(ToWx(TextOf(node)), layout.label + kLabelPad,
                layout.top + (rowHeight - dc.GetCharHeight()) / 2);
}

void VirtualTree::DrawLines(wxDC& dc, const Node& node, const RowLayout& layout)
{
    dc.SetPen(wxPen(wxSystemSettings::GetColour(wxSYS_COLOUR_GRAYTEXT), 1, wxPENSTYLE_DOT));
    const int middle = layout.top + rowHeight / 2;
    const int bottom = layout.top + rowHeight;
    // Its own: up to its previous sibling or parent, across to the pictures, down to the next.
    const bool first = node.index == 0 && node.parent == root.get();
    const bool last = node.index + 1 == node.parent->children.size();
    dc.DrawLine(layout.expanderCentre, first ? middle : layout.top, layout.expanderCentre,
                last ? middle : bottom);
    dc.DrawLine(layout.expanderCentre, middle, layout.stateImage, middle);
    // Through the row for every ancestor with siblings still to come below.
    int x = layout.expanderCentre - indent;
    for (const Node* up = node.parent; up != root.get(); up = up->parent, x -= indent)
        if (up->index + 1 < up->parent->children.size())
            dc.DrawLine(x, layout.top, x, bottom);
}

void VirtualTree::OnLeftDown(wxMouseEvent& event)
{
    SetFocus();
    int flags = 0;
    const wxTreeItemId id = HitTest(event.GetPosition(), flags);
    if (id.IsOk())
    {
        if (flags & wxTREE_HITTEST_ONITEMBUTTON)
            Toggle(*NodeOf(id), !IsExpanded(id));
        else
            SelectItem(id);
    }
    event.Skip();
}

void VirtualTree::OnLeftDoubleClick(wxMouseEvent& event)
{
    // The second click of a double-click on an expander toggles again, as two clicks do.
    int flags = 0;
    const wxTreeItemId id = HitTest(event.GetPosition(), flags);
    if (id.IsOk() && (flags & wxTREE_HITTEST_ONITEMBUTTON))
        Toggle(*NodeOf(id), !IsExpanded(id));
}

void VirtualTree::OnKeyDown(wxKeyEvent& event)
{
    // The tree takes all keys, so Tab and Shift+Tab move the focus on as in other controls.
    if (event.GetKeyCode() == WXK_TAB && HandleAsNavigationKey(event))
        return;
    if (event.HasAnyModifiers())
        return event.Skip();
    Node* node = selection;
    const size_t rows = root->rows - 1;
    if (rows == 0)
        return event.Skip();
    // A selection inside a collapsed node moves from the row that shows it.
    Node* shown = node;
    while (shown && !HasRow(*shown))
        shown = shown->parent;
    const size_t row = shown ? RowOf(*shown) : 0;
    const size_t page = static_cast<size_t>(RowsPerPage());
    Node* target = nullptr;
    switch (event.GetKeyCode())
    {
    case WXK_UP:
    case WXK_NUMPAD_UP:
        target = NodeAtRow(shown && row > 0 ? row - 1 : 0);
        break;
    case WXK_DOWN:
    case WXK_NUMPAD_DOWN:
        target = shown ? NodeAtRow(std::min(row + 1, rows - 1)) : NodeAtRow(0);
        break;
    case WXK_HOME:
    case WXK_NUMPAD_HOME:
        target = NodeAtRow(0);
        break;
    case WXK_END:
    case WXK_NUMPAD_END:
        target = NodeAtRow(rows - 1);
        break;
    case WXK_PAGEUP:
    case WXK_NUMPAD_PAGEUP:
        target = NodeAtRow(row > page ? row - page : 0);
        break;
    case WXK_PAGEDOWN:
    case WXK_NUMPAD_PAGEDOWN:
        target = NodeAtRow(std::min(row + page, rows - 1));
        break;
    case WXK_LEFT:
    case WXK_NUMPAD_LEFT:
    case WXK_SUBTRACT:
    case WXK_NUMPAD_SUBTRACT:
        if (shown && IsOpen(*shown))
            Toggle(*shown, false);
        else if (shown && shown->parent != root.get() && event.GetKeyCode() != WXK_SUBTRACT &&
                 event.GetKeyCode() != WXK_NUMPAD_SUBTRACT)
            target = shown->parent;
        break;
    case WXK_RIGHT:
    case WXK_NUMPAD_RIGHT:
    case WXK_ADD:
    case WXK_NUMPAD_ADD:
        if (shown && !shown->children.empty() && !IsOpen(*shown))
            Toggle(*shown, true);
        else if (shown && IsOpen(*shown) && event.GetKeyCode() != WXK_ADD &&
                 event.GetKeyCode() != WXK_NUMPAD_ADD)
            target = shown->children.front().get();
        break;
    default:
        return event.Skip();
    }
    if (target)
    {
        SelectItem(wxTreeItemId(target));
        EnsureVisible(wxTreeItemId(target));
    }
}

void VirtualTree::OnFocus(wxFocusEvent& event)
{
    // The selection looks different with and without the focus.
    if (selection)
        RefreshNode(*selection);
    event.Skip();
}
