#include "ui/CommandTables.h"

#include "res/Commands.h"
#include "ui/IconBundles.h"
#include "ui/Language.h"
#include "ui/WxText.h"

#include <vector>

namespace
{

std::string TranslatedLabel(const char* english)
{
    return FromWx(wxGetTranslation(ToWx(english)));
}

void AppendItems(wxMenu& menu, const res::MenuSpec& table)
{
    for (const res::MenuItemSpec& entry : table.items)
    {
        if (entry.IsSeparator())
        {
            menu.AppendSeparator();
            continue;
        }
        if (entry.submenu)
        {
            menu.AppendSubMenu(CreateMenu(*entry.submenu).release(),
                               wxGetTranslation(ToWx(entry.submenu->title)));
            continue;
        }
        const res::CommandDescription& command = *res::FindCommandDescription(entry.id);
        auto* item = new wxMenuItem(
            &menu, res::WxIdOf(entry.id),
            ToWx(res::MenuLabelOf(entry.id, table.isContextMenu, TranslatedLabel)),
            Language::StatusPromptOf(entry.id), command.ticks ? wxITEM_CHECK : wxITEM_NORMAL);
        // The menus show the menu images only; the tool bar has pictures of its own as well.
        if (res::IsMenuImage(command.picture))
            item->SetBitmap(IconBundle(command.picture));
        menu.Append(item);
    }
}

int KeyCode(res::Key key)
{
    switch (key)
    {
    case res::Key::Space:
        return WXK_SPACE;
    case res::Key::Enter:
        return WXK_RETURN;
    case res::Key::Escape:
        return WXK_ESCAPE;
    case res::Key::Insert:
        return WXK_INSERT;
    case res::Key::Delete:
        return WXK_DELETE;
    case res::Key::F1:
        return WXK_F1;
    case res::Key::F5:
        return WXK_F5;
    case res::Key::F6:
        return WXK_F6;
    case res::Key::F7:
        return WXK_F7;
    case res::Key::F8:
        return WXK_F8;
    case res::Key::F9:
        return WXK_F9;
    case res::Key::F10:
        return WXK_F10;
    default:
        return static_cast<int>(key); // letters and digits are their characters
    }
}

int Flags(unsigned modifiers)
{
    int flags = wxACCEL_NORMAL;
    if (modifiers & res::kShift)
        flags |= wxACCEL_SHIFT;
    if (modifiers & res::kCtrl)
        flags |= wxACCEL_CTRL;
    if (modifiers & res::kAlt)
        flags |= wxACCEL_ALT;
    return flags;
}

// The same key on the numeric keypad, which GTK reports under a code of its own; 0 for none.
int KeypadKeyCode(res::Key key)
{
    switch (key)
    {
    case res::Key::Enter:
        return WXK_NUMPAD_ENTER;
    case res::Key::Insert:
        return WXK_NUMPAD_INSERT;
    case res::Key::Delete:
        return WXK_NUMPAD_DELETE;
    default:
        return 0;
    }
}

} // namespace

std::unique_ptr<wxMenu> CreateMenu(const res::MenuSpec& table)
{
    auto menu = std::make_unique<wxMenu>();
    AppendItems(*menu, table);
    return menu;
}

wxMenuBar* CreateMainMenuBar()
{
    auto* bar = new wxMenuBar;
    for (const res::MenuSpec& popup : res::MainMenuBar())
        bar->Append(CreateMenu(popup).release(), wxGetTranslation(ToWx(popup.title)));
    return bar;
}

wxAcceleratorTable MainAcceleratorTable()
{
    std::vector<wxAcceleratorEntry> entries;
    for (const res::AcceleratorSpec& key : res::MainAccelerators())
    {
        entries.emplace_back(Flags(key.modifiers), KeyCode(key.key), res::WxIdOf(key.id));
        if (const int keypad = KeypadKeyCode(key.key))
            entries.emplace_back(Flags(key.modifiers), keypad, res::WxIdOf(key.id));
    }
    return wxAcceleratorTable(static_cast<int>(entries.size()), entries.data());
}

void FillMainToolBar(wxToolBar& toolBar)
{
    for (const int id : res::MainToolBar())
    {
        if (id == 0)
        {
            toolBar.AddSeparator();
            continue;
        }
        const wxString tooltip = Language::TooltipOf(id);
        toolBar.AddTool(res::WxIdOf(id), tooltip,
                        IconBundle(res::FindCommandDescription(id)->picture), tooltip);
        toolBar.SetToolLongHelp(res::WxIdOf(id), Language::StatusPromptOf(id));
    }
    toolBar.Realize();
}
