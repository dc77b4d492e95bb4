#include "toolbox/Translation.h"

namespace toolbox
{
namespace
{

Translation::Translator installed = nullptr;

} // namespace

void Translation::SetTranslator(Translator translator)
{
    installed = translator;
}

std::string Translation::Tr(const char* english)
{
    return installed ? installed(english) : std::string(english);
}

std::string Translation::TrFormat(const char* english,
                                  std::initializer_list<std::string_view> values)
{
    return FillIn(Tr(english), values);
}

std::string Translation::FillIn(std::string_view format,
                                std::initializer_list<std::string_view> values)
{
    std::string text;
    const std::string_view* next = values.begin();
    for (size_t i = 0; i < format.size(); ++i)
    {
        const bool directive = format[i] == '%' && i + 1 < format.size();
        if (directive && format[i + 1] == '%')
        {
            text += '%';
            ++i;
        }
        else if (directive && format[i + 1] == 's' && next != values.end())
        {
            text += *next++;
            ++i;
        }
        else
            text += format[i];
    }
    return text;
}

} // namespace toolbox
