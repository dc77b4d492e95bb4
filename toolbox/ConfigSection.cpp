#include "toolbox/ConfigSection.h"

#include "toolbox/Exception.h"

#include <utility>

namespace toolbox
{

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

} // namespace toolbox
