#pragma once

#include "app/Prompts.h"

class wxWindow;

// The program's message boxes, captioned "Tallydene", over the given parent window (none:
// the toolkit picks the active top-level window).
class WxPrompts : public Prompts
{
public:
    explicit WxPrompts(wxWindow* parent = nullptr) : parent(parent) {}

    void Refuse(const std::string& message) override;
    bool Ask(const std::string& message, QuestionIcon icon) override;
    bool AskBeforeDestroying(const std::string& message) override;
    void Inform(const std::string& message) override;

    // Shows a MessageBox and gives the id of the button that ended it.
    static int Show(wxWindow* parent, const std::string& message, long style);

private:
    wxWindow* parent;
};
