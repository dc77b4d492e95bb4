#pragma once

#include <string>

// The message boxes of the program, all captioned "Tallydene". The windows show them; tests
// answer them from a script.
class Prompts
{
public:
    enum class QuestionIcon
    {
        Question,
        Warning
    };

    virtual ~Prompts() = default;

    // Tells the user why something was not done: an OK button and an error icon.
    virtual void Refuse(const std::string& message) = 0;
    // Yes and No; true only for Yes, so closing the box counts as No.
    virtual bool Ask(const std::string& message, QuestionIcon icon) = 0;
    // A question whose Yes destroys data: as Ask with the question icon, but No is the default
    // button, so that a hasty Enter keeps the data.
    virtual bool AskBeforeDestroying(const std::string& message) = 0;
    // An OK button and an information icon.
    virtual void Inform(const std::string& message) = 0;
};
