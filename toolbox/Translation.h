#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace toolbox
{

// The user's language for the texts the core builds. The windows install the translator at
// start; without one (tests, the command line) every text stays the English original. The
// build finds the texts to translate where Tr, TrFormat and TrLater are given a literal.
class Translation
{
public:
    using Translator = std::string (*)(const char* english);

    Translation() = delete;

    static void SetTranslator(Translator translator);

    // The text in the user's language.
    static std::string Tr(const char* english);

    // The translated format with each "%s" replaced by the next value, in order, and "%%" by
    // "%": the values are put in after translation, so a translator may move the words
    // around them but keeps their order.
    static std::string TrFormat(const char* english,
                                std::initializer_list<std::string_view> values);

    // Puts the values into a format that is already translated.
    static std::string FillIn(std::string_view format,
                              std::initializer_list<std::string_view> values);
};

// Marks a text of a constant table for the translators; whoever shows it translates it.
constexpr const char* TrLater(const char* english)
{
    return english;
}

} // namespace toolbox
