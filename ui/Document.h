#pragma once

#include "toolbox/Translation.h"

#include <string>

// The one document of the program. It holds no data, only its title, which the window title
// shows: the active todo's name, or "Paused" while no todo runs.
class Document
{
public:
    const std::string& GetTitle() const { return title; }
    void SetTitle(const std::string& newTitle) { title = newTitle; }

    // The main window's title: the document's, then the program's name.
    std::string WindowTitle() const { return title + " - Tallydene"; }

private:
    std::string title = toolbox::Translation::Tr("Paused");
};
