#pragma once

#include "app/Prompts.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

// Message boxes answered from a queue of Yes (true) and No (false), each recorded with its
// kind and icon: "refuse" (OK, error), "ask question", "ask warning" or "inform".
class ScriptedPrompts : public Prompts
{
public:
    struct Shown
    {
        std::string kind;
        std::string message;
        bool operator==(const Shown&) const = default;
    };

    // An answer left over is a question that was expected and never asked.
    ~ScriptedPrompts() override { EXPECT_TRUE(answers.empty()) << "answers left unused"; }

    void Refuse(const std::string& message) override { shown.push_back({"refuse", message}); }
    bool Ask(const std::string& message, QuestionIcon icon) override
    {
        shown.push_back({icon == QuestionIcon::Warning ? "ask warning" : "ask question", message});
        if (answers.empty())
        {
            ADD_FAILURE() << "unexpected question: " << message;
            return false;
        }
        const bool yes = answers.front();
        answers.pop_front();
        return yes;
    }
    void Inform(const std::string& message) override { shown.push_back({"inform", message}); }

    std::deque<bool> answers;
    std::vector<Shown> shown;
};

inline void PrintTo(const ScriptedPrompts::Shown& shown, std::ostream* out)
{
    *out << shown.kind << " \"" << shown.message << "\"";
}
