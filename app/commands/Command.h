#pragma once

class CommandContext;

// Where a command runs. View commands act on the main tree's selection and run only while the
// main window exists; after them the tree has the focus, except after the deletes, which leave
// it where it is. App commands run with or without the window.
enum class CommandScope
{
    View,
    ViewKeepingFocus,
    App
};

// What a command may change: nothing (it copies, shows or opens something, or refreshes the
// display), only which todo the clock runs for, or the data itself: projects, todos, times,
// the options or the overtime account. Any of them may bring the clock up to date first.
// A command that edits is one step of the undo history, except one that keeps the history
// itself: undo and redo are no steps, and the history window records each of its corrections
// as a step of its own.
enum class CommandEffect
{
    Reads,
    Clock,
    Edits,
    EditsInStepsOfItsOwn
};

// One command: its identifier, a short name for the lists that show what was done, where it
// runs, what it may change, and the function that runs it.
struct Command
{
    int id;
    const char* name;
    CommandScope scope;
    CommandEffect effect;
    void (*run)(CommandContext& context);

    bool ChangesData() const
    {
        return effect == CommandEffect::Edits || effect == CommandEffect::EditsInStepsOfItsOwn;
    }
    // Whether the undo history records the whole command as one step.
    bool IsOneStep() const { return effect == CommandEffect::Edits; }
};
