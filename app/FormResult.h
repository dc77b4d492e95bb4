#pragma once

// What a form's Confirm answers: accepted (the input was applied), or refused with the field
// that the dialog focuses, its text selected, while it stays open.
enum class FormField
{
    None,
    Name,
    TotalTime,
    Comment,
    Amount,
    Overtime,
};

struct FormResult
{
    bool accepted = false;
    FormField focus = FormField::None;

    static FormResult Accept() { return {true, FormField::None}; }
    static FormResult Refuse(FormField field) { return {false, field}; }
};
