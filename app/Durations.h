#pragma once

#include <cstdint>
#include <optional>
#include <string>

// The text forms of a duration (a signed count of seconds): the display form of the main
// view, status line and dialogs, the copy form for the clipboard, and the parser for what the
// user types. Holds the settings they depend on; callers reach it through the application.
class Durations
{
public:
    int32_t TimeFormat() const { return timeFormat; }
    void SetTimeFormat(int32_t format) { timeFormat = format; }
    int32_t TimeRound() const { return timeRound; }
    void SetTimeRound(int32_t round) { timeRound = round; }
    char DecimalChar() const { return decimalChar; }
    void SetDecimalChar(char c) { decimalChar = c; }

    // Width is the minimum number of hour digits, each missing one padded by two blanks;
    // roundForCopy first rounds to the unit of TimeRound. An unknown format gives "".
    std::string FormatDuration(int32_t seconds, int width, bool roundForCopy, int32_t format) const;
    std::string FormatDuration(int32_t seconds, int width, bool roundForCopy) const;
    // Dialogs never show a single decimal, so that a value read back keeps its minutes.
    std::string FormatForDialog(int32_t seconds) const;
    // The clipboard form never uses hours and minutes; its decimals follow TimeRound.
    std::string FormatForCopy(int32_t seconds) const;

    // Reads "12,5", "12.5", "12:30" or "12" as hours; never fails, a text without digits is 0.
    static int32_t ParseDuration(const std::string& text);
    // What a dialog accepts: blanks around, an optional "-", digits with at most one ",", "."
    // or ":" among them, and at least one digit; read as ParseDuration reads it. Anything
    // else, the empty text included, is none.
    static std::optional<int32_t> ReadDuration(const std::string& text);
    // "(e.g. 12,50 or 12:30)" with the decimal character, shown beside a duration field.
    std::string DurationHint() const;
    // Twelve and a half hours as the user would type them in the current TimeFormat.
    std::string DurationExample() const;

    // True when the duration shows as more than zero in the current TimeFormat.
    bool ShowsTime(int32_t seconds) const;

private:
    int32_t timeFormat = 1;
    int32_t timeRound = 1;
    char decimalChar = '.';
};

// The user's decimal separator as the locale's number formatting writes it; '.' when the
// user's locale cannot be made.
char LocaleDecimalChar();
