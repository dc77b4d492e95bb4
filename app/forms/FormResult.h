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
    Monday,
    Tuesday,
    Wednesday,
    Thursday,
    Friday,
    Saturday,
    Sunday,
    ShareFolder,
    CalendarAddress,
};

// The field of a weekday's target, 0 Monday to 6 Sunday.
inline FormField TargetField(int weekday)
{
    return static_cast<FormField>(static_cast<int>(FormField::Monday) + weekday);
}

struct FormResult
{
    bool accepted = false;
    FormField focus = FormField::None;

    static FormResult Accept() { return {true, FormField::None}; }
    static FormResult Refuse(FormField field) { return {false, field}; }
};
