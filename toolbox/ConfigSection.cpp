#include "toolbox/ConfigSection.h"

#include "toolbox/Exception.h"
#include "toolbox/PointeredList.h"

#include <utility>

namespace toolbox
{

namespace
{

// Names sort without regard to the letter case of A to Z, byte by byte as unsigned values,
// a prefix before the longer name.
int CompareNames(const char* a, const char* b)
{
    for (;; ++a, ++b)
    {
        unsigned char x = static_cast<unsigned char>(*a);
        unsigned char y = static_cast<unsigned char>(*b);
        if (x >= 'A' && x <= 'Z')
            x = static_cast<unsigned char>(x + ('a' - 'A'));
        if (y >= 'A' && y <= 'Z')
            y = static_cast<unsigned char>(y + ('a' - 'A'));
        if (x != y || x == 0)
            return x - y;
    }
}

PointeredList<const char> SortedNames(PointeredList<const char> names)
{
    names.Sort([](const char& a, const char& b) { return CompareNames(&a, &b); });
    return names;
}

bool WriteIndent(Config::Writer& writer, int depth)
{
    for (int i = 0; i < depth; ++i)
        if (!writer.WriteChar('\t'))
            return false;
    return true;
}

} // namespace

ConfigSection::ConfigSection(const char* sectionName)
{
    GuardAllocation([&] { name.Set(sectionName); });
}

ConfigParameter& ConfigSection::Insert(const char* parameterName, ConfigParameter&& parameter)
{
    auto created =
        GuardAllocation([&] { return std::make_unique<ConfigParameter>(std::move(parameter)); });
    ConfigParameter& result = *created;
    parameters.Put(parameterName, std::move(created));
    return result;
}

bool ConfigSection::GetBool(const char* parameterName, bool def)
{
    if (const ConfigParameter* parameter = parameters.Get(parameterName))
        return parameter->AsBool();
    Insert(parameterName, ConfigParameter(def));
    return def;
}

int32_t ConfigSection::GetInt(const char* parameterName, int32_t def)
{
    if (const ConfigParameter* parameter = parameters.Get(parameterName))
        return parameter->AsInt();
    Insert(parameterName, ConfigParameter(def));
    return def;
}

const char* ConfigSection::GetString(const char* parameterName, const char* def)
{
    if (const ConfigParameter* parameter = parameters.Get(parameterName))
        return parameter->AsString();
    return Insert(parameterName, ConfigParameter(def)).AsString();
}

ConfigParameter& ConfigSection::GetParameter(const char* parameterName)
{
    if (ConfigParameter* parameter = parameters.Get(parameterName))
        return *parameter;
    return Insert(parameterName, ConfigParameter());
}

ConfigSection& ConfigSection::GetSection(const char* sectionName)
{
    if (ConfigSection* section = sections.Get(sectionName))
        return *section;
    auto created = GuardAllocation([&] { return std::make_unique<ConfigSection>(sectionName); });
    ConfigSection& result = *created;
    sections.Put(sectionName, std::move(created));
    return result;
}

bool ConfigSection::HasParameter(const char* parameterName) const
{
    return parameters.Get(parameterName) != nullptr;
}

void ConfigSection::RemoveParameter(const char* parameterName)
{
    parameters.Delete(parameterName);
}

void ConfigSection::RemoveSection(const char* sectionName)
{
    sections.Delete(sectionName);
}

void ConfigSection::RemoveAllParameters()
{
    parameters.Clear();
}

void ConfigSection::RemoveAllSections()
{
    sections.Clear();
}

bool ConfigSection::Write(Config::Writer& writer, int depth) const
{
    PointeredList<const char> parameterNames = SortedNames(parameters.Keys());
    PointeredList<const char> sectionNames = SortedNames(sections.Keys());
    for (const char* parameterName : parameterNames)
    {
        if (!WriteIndent(writer, depth) || !writer.WriteChar('<') ||
            !writer.WriteEscaped(parameterName) || !writer.WriteChar('>') ||
            !parameters.Get(parameterName)->Write(writer) || !writer.WriteString("</>\n"))
            return false;
    }
    if (parameterNames.Count() > 0 && sectionNames.Count() > 0 && !writer.WriteChar('\n'))
        return false;
    bool first = true;
    for (const char* sectionName : sectionNames)
    {
        if (!first && !writer.WriteChar('\n'))
            return false;
        first = false;
        if (!WriteIndent(writer, depth) || !writer.WriteChar('<') ||
            !writer.WriteEscaped(sectionName) || !writer.WriteString(">\n") ||
            !sections.Get(sectionName)->Write(writer, depth + 1) || !WriteIndent(writer, depth) ||
            !writer.WriteString("</") || !writer.WriteEscaped(sectionName) ||
            !writer.WriteString(">\n"))
            return false;
    }
    return true;
}

} // namespace toolbox
