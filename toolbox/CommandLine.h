#pragma once

#include "toolbox/ArrayList.h"
#include "toolbox/String.h"
#include "toolbox/StringKeyHashMap.h"

#include <cstdint>

namespace toolbox
{

// Splits an argument vector into options (arguments beginning with "/" or "-"), the
// parameters of the options declared to take some, and plain arguments. Option names are
// compared exactly: "/log", "-log" and "/LOG" are three options.
class CommandLine
{
public:
    class Option
    {
    public:
        Option(const char* name, int32_t parameterCount);

        const String& GetName() const { return name; }
        int32_t GetParameterCount() const { return parameterCount; }
        const ArrayList<String>& GetParameters() const { return parameters; }
        ArrayList<String>& GetParameters() { return parameters; }

    private:
        int32_t parameterCount;
        String name;
        ArrayList<String> parameters;
    };

    // Declares an option taking parameterCount arguments; a second declaration replaces the
    // first. A negative count is taken as none.
    void AddOption(const char* name, int32_t parameterCount);

    // Parses the arguments, the first being the program path. Plain arguments of several
    // parses add up; an option's parameters are those of its last occurrence.
    void Parse(int argc, const char* const* argv);

    // Parses the process's own arguments.
    void ParseGlobal();

    // The parameters of the option, empty when it did not occur or lacked arguments; nullptr
    // when no option of that name was declared or met.
    const ArrayList<String>* GetOptionArgs(const char* name) const;

    const ArrayList<String>& GetPlainArguments() const { return plainArguments; }
    const String& GetProgram() const { return program; }

private:
    StringKeyHashMap<Option> options;
    ArrayList<String> plainArguments;
    String program;
};

} // namespace toolbox
