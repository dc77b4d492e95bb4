#include "toolbox/CommandLine.h"

#include "toolbox/Places.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace toolbox
{

CommandLine::Option::Option(const char* name, int32_t parameterCount)
    : parameterCount(parameterCount), name(name)
{
}

void CommandLine::AddOption(const char* name, int32_t parameterCount)
{
    // A negative count would make the parser step backwards and never end.
    options.Put(name, std::make_unique<Option>(name, std::max(parameterCount, 0)));
}

void CommandLine::Parse(int argc, const char* const* argv)
{
    if (argc > 0)
        program.Set(argv[0]);
    int i = 1;
    while (i < argc)
    {
        const char* argument = argv[i];
        if (argument[0] != '/' && argument[0] != '-')
        {
            plainArguments.Append(std::make_unique<String>(argument));
            ++i;
            continue;
        }
        Option* option = options.Get(argument);
        if (option == nullptr)
        {
            options.Put(argument, std::make_unique<Option>(argument, 0));
            ++i;
            continue;
        }
        ArrayList<String>& parameters = option->GetParameters();
        parameters.Clear();
        const int32_t count = option->GetParameterCount();
        if (count >= argc - i)
            return; // too few arguments left: the option keeps no parameters
        for (int32_t k = 1; k <= count; ++k)
            parameters.Append(std::make_unique<String>(argv[i + k]));
        i += count + 1;
    }
}

void CommandLine::ParseGlobal()
{
    std::vector<String> arguments = Places::Arguments();
    std::vector<const char*> argv;
    argv.reserve(arguments.size());
    for (const String& argument : arguments)
        argv.push_back(argument.c_str());
    Parse(static_cast<int>(argv.size()), argv.data());
}

const ArrayList<String>* CommandLine::GetOptionArgs(const char* name) const
{
    const Option* option = options.Get(name);
    return option == nullptr ? nullptr : &option->GetParameters();
}

} // namespace toolbox
