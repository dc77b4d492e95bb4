#pragma once

#include "toolbox/ConfigParameter.h"
#include "toolbox/String.h"
#include "toolbox/StringKeyHashMap.h"

#include <cstdint>

namespace toolbox
{

// A named node of the configuration tree, owning its parameters and sub-sections. Names are
// compared byte for byte, case-sensitively; a parameter and a sub-section may share a name.
class ConfigSection
{
public:
    explicit ConfigSection(const char* name);
    ConfigSection(const ConfigSection&) = delete;
    ConfigSection& operator=(const ConfigSection&) = delete;

    const char* GetName() const { return name.c_str(); }

    // The getters create a missing parameter with the default, so that the next save writes
    // it; an existing one is read converted, whatever its kind.
    bool GetBool(const char* name, bool def);
    int32_t GetInt(const char* name, int32_t def);
    const char* GetString(const char* name, const char* def);
    ConfigParameter& GetParameter(const char* name);
    ConfigSection& GetSection(const char* name);
    bool HasParameter(const char* name) const;
    void RemoveParameter(const char* name);
    void RemoveSection(const char* name);
    void RemoveAllParameters();
    void RemoveAllSections();

    StringKeyHashMap<ConfigParameter>& Parameters() { return parameters; }
    const StringKeyHashMap<ConfigParameter>& Parameters() const { return parameters; }
    StringKeyHashMap<ConfigSection>& Sections() { return sections; }
    const StringKeyHashMap<ConfigSection>& Sections() const { return sections; }

private:
    ConfigParameter& Insert(const char* name, ConfigParameter&& parameter);

    String name;
    StringKeyHashMap<ConfigParameter> parameters;
    StringKeyHashMap<ConfigSection> sections;
};

} // namespace toolbox
