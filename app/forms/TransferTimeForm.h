#pragma once

#include "app/forms/FormResult.h"

#include <cstdint>
#include <optional>
#include <string>

class Prompts;
class Tallydene;
class Todo;
class TreeControl;
class TreeItem;

// The transfer time dialog's form: moves an amount, or all the time, from one todo to another
// and, as checked, between their projects' totals; the overtime balance never moves.
//
// The two todos live in the caller's variables. The selector variant lets the user pick them
// in two trees and writes the picks back into the variables on confirming, also when it then
// refuses; the simple variant only reads them.
class TransferTimeForm
{
public:
    TransferTimeForm(Tallydene& app, Todo*& from, Todo*& to, bool simple);
    TransferTimeForm(const TransferTimeForm&) = delete;
    TransferTimeForm& operator=(const TransferTimeForm&) = delete;

    bool IsSimple() const { return simple; }

    void Open();
    // Fills a selector as the main tree is filled, every project followed by its todos in
    // sorted order, and selects the todo when there is one.
    void FillSelector(TreeControl& selector, Todo* preselect) const;
    // The From selector with the from todo, then the To selector with the to todo.
    void FillSelectors(TreeControl& fromSelector, TreeControl& toSelector) const;
    // Brings the clock up to date, then moves the time or refuses naming the field to focus.
    FormResult Confirm(Prompts& prompts);

    bool allTheTime = false;
    std::string amount;
    // "(e.g. 12,50 or 12:30)" in the user's decimal character.
    std::string hint;
    bool adjustProjects = true;
    // What the selectors hold selected (a todo, a project or nothing); read by the selector
    // variant only.
    TreeItem* fromChoice = nullptr;
    TreeItem* toChoice = nullptr;

private:
    // The typed amount or all the time, at most what the from todo has (after asking) and,
    // moving back, what the to todo has; empty when refused.
    std::optional<int64_t> AmountToMove(Prompts& prompts) const;
    // Moves the amount between the todos and, as checked, their projects' totals.
    void Move(int64_t moved);

    Tallydene& app;
    Todo*& from;
    Todo*& to;
    bool simple;
};
