#include "ui/TrayTooltip.h"

#include "app/Tallydene.h"
#include "app/sharing/Sharing.h"
#include "model/Todo.h"
#include "toolbox/Translation.h"

namespace
{

constexpr std::size_t kMaxTooltipCharacters = 63;

// The length of the UTF-8 sequence that starts at position, 1 for a byte that starts none.
std::size_t SequenceLength(const std::string& text, std::size_t position)
{
    const auto lead = static_cast<unsigned char>(text[position]);
    const std::size_t length = lead >= 0xF0 && lead < 0xF5   ? 4
                               : lead >= 0xE0 && lead < 0xF0 ? 3
                               : lead >= 0xC2 && lead < 0xE0 ? 2
                                                             : 1;
    if (position + length > text.size())
        return 1;
    for (std::size_t i = 1; i < length; ++i)
        if ((static_cast<unsigned char>(text[position + i]) & 0xC0) != 0x80)
            return 1;
    return length;
}

} // namespace

std::string CutToCharacters(const std::string& text, std::size_t maxCharacters)
{
    std::size_t position = 0;
    for (std::size_t characters = 0; characters < maxCharacters && position < text.size();
         ++characters)
        position += SequenceLength(text, position);
    return text.substr(0, position);
}

std::string TrayTooltip(const Tallydene& app)
{
    // Paused here, a todo may run on another machine that shares the books.
    std::string tooltip = app.GetSharing().RunningElsewhereText();
    if (tooltip.empty())
        tooltip = toolbox::Translation::Tr("Paused");
    if (const Todo* active = app.GetActiveTodo())
        tooltip = active->GetName() + ": " + app.FormatDuration(active->GetTime(), 0);
    if (app.GetOptions().IsWorkingTimeEnabled())
        tooltip += toolbox::Translation::TrFormat(
            " - Working time: %s", {app.FormatDuration(app.GetOvertimeAccount().GetBalance(), 0)});
    return CutToCharacters(tooltip, kMaxTooltipCharacters);
}
