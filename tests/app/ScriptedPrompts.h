#pragma once

#include "app/Prompts.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

// Message boxes answered from a script: each question takes the next queued answer, and
// every box shown is recorded with its kind, so a test sees what the user was told.
class ScriptedPrompts : public Prompts
{
public:
    struct Shown
    {
        std::string kind; // "refuse", "question", "warning" or "inform"
        std::string message;
        bool operator==(const Shown&) const = default;
    };

    void Refuse(const std::string& message) override { shown.push_back({"refuse", message}); }

    bool Ask(const std::string& message, QuestionIcon icon) override
    {
        shown.push_back({icon == QuestionIcon::Question ? "question" : "warning", message});
        if (whileAsking)
            whileAsking();
        if (answers.empty())
        {
            ADD_FAILURE() << "unexpected question: " << message;
            return false;
        }
        const bool yes = answers.front();
        answers.pop_front();
        return yes;
    }

    bool AskBeforeDestroying(const std::string& message) override
    {
        return Ask(message, QuestionIcon::Question);
    }

    void Inform(const std::string& message) override { shown.push_back({"inform", message}); }

    std::deque<bool> answers;
    std::vector<Shown> shown;
    // What happens while a question is open: a tick of the clock, the user mending a file.
    std::function<void()> whileAsking;
};
