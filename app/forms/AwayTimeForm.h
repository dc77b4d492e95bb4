#pragma once

#include "app/forms/FormResult.h"

#include <string>

struct AwayGap;
class Dialogs;
class Prompts;
class Tallydene;

// The question about time away while a todo ran: the time goes on the todo, or is dropped and
// the todo runs on, or is dropped and the clock stops. Nothing of it is booked before the
// answer; the answer writes its line in the event log.
class AwayTimeForm
{
public:
    enum class Answer
    {
        Keep,
        Discard,
        DiscardAndPause,
    };

    explicit AwayTimeForm(Tallydene& app);

    // Shows the question once while one is due; Cancel leaves it for a later tick. False when
    // the user cancelled it.
    static bool Ask(Tallydene& app, Dialogs& dialogs);

    void Open();
    // Applies the answer to the away time as it stands now; nothing is ever refused.
    FormResult Confirm(Prompts& prompts);

    // "You were away from 10:05 to 11:40 (1:35) while Mail was running."
    std::string question;
    Answer answer = Answer::Keep;

private:
    void Discard(const AwayGap& away);
    // Ends the running session where the user left and starts one where they came back, with
    // the time worked since.

    Tallydene& app;
};
