#include "toolbox/ConfigSection.h"

#include "toolbox/ConfigFormat.h"
#include "toolbox/Exception.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace toolbox
{

namespace
{

bool Before(const char* a, const char* b)
{
    return ConfigSection::CompareNames(a, b) < 0;
}

// Taken before the map takes the entry, so that a failure leaves the map and the names alike.
// A full list grows only for a name the map lacks, and only then is the map asked twice.
template <class Map>
void MakeRoom(ConfigSection::Names& names, const Map& map, const char* name)
{
    if (names.size() == names.capacity() && map.Get(name) == nullptr)
        GuardAllocation([&] { names.reserve(std::max<std::size_t>(4, names.size() * 2)); });
}

// Never fails: MakeRoom came first.
void InsertName(ConfigSection::Names& names, const char* name)
{
    // A file lists its names in order, so a load appends.
    auto place = names.empty() || !Before(name, names.back())
                     ? names.end()
                     : std::upper_bound(names.begin(), names.end(), name, Before);
    names.insert(place, name);
}

void EraseName(ConfigSection::Names& names, const char* name)
{
    auto [first, last] = std::equal_range(names.begin(), names.end(), name, Before);
    auto found =
        std::find_if(first, last, [&](const char* n) { return std::strcmp(n, name) == 0; });
    if (found != last)
        names.erase(found);
}

} // namespace

ConfigSection::ConfigSection(const char* sectionName)
    : ownArena(GuardAllocation([] { return std::make_unique<NodeArena>(); })), parent(nullptr),
      parameters(true, ownArena.get()), sections(true, ownArena.get()),
      parameterNames(Names::allocator_type(ownArena.get())),
      sectionNames(Names::allocator_type(ownArena.get()))
{
    if (sectionName == nullptr)
        return;
    const std::size_t size = std::strlen(sectionName) + 1;
    ownName = GuardAllocation([&] { return std::make_unique<char[]>(size); });
    name = static_cast<const char*>(std::memcpy(ownName.get(), sectionName, size));
}

ConfigSection::~ConfigSection()
{
    // A root takes its whole tree along: the entries go with the arena, not one by one.
    if (ownArena)
        ownArena->Close();
}

int ConfigSection::CompareNames(const char* a, const char* b)
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

bool ConfigSection::HasNamesAlike(std::span<const char* const> sortedNames)
{
    return std::adjacent_find(sortedNames.begin(), sortedNames.end(),
                              [](const char* a, const char* b) { return CompareNames(a, b) == 0; }) !=
           sortedNames.end();
}

void ConfigSection::Changed()
{
    for (const ConfigSection* section = this; section != nullptr; section = section->parent)
        section->written.reset();
}

const std::string* ConfigSection::WrittenText(int depth, const std::string& lineEnd) const
{
    if (written == nullptr || written->depth != depth || written->lineEnd != lineEnd)
        return nullptr;
    return &written->text;
}

void ConfigSection::KeepWrittenText(int depth, const std::string& lineEnd, std::string text,
                                    std::size_t contentBegin, std::size_t contentEnd) const
{
    if (written == nullptr)
    {
        written = GuardAllocation(
            [&]
            {
                return std::make_unique<Written>(
                    Written{depth, false, lineEnd, std::move(text), contentBegin, contentEnd});
            });
    }
    else
    {
        // The text as read takes the written one in its own memory where it has the room:
        // a first save of a large store then leaves no gaps behind in the heap.
        GuardAllocation(
            [&]
            {
                written->lineEnd = lineEnd;
                written->text.assign(text.data(), text.size());
            });
        written->depth = depth;
        written->contentBegin = contentBegin;
        written->contentEnd = contentEnd;
    }
    const_cast<ConfigSection*>(this)->Fold();
}

void ConfigSection::FoldAsRead(std::string text)
{
    const std::size_t size = text.size();
    written = GuardAllocation(
        [&]
        { return std::make_unique<Written>(Written{kAsRead, false, "", std::move(text), 0, size}); });
    Fold();
}

void ConfigSection::Fold()
{
    if (written == nullptr || written->folded)
        return;
    DropContent();
    written->folded = true;
}

void ConfigSection::DropContent()
{
    parameters.Clear();
    sections.Clear();
    // Cleared lists keep their room: these give it back.
    Names(parameterNames.get_allocator()).swap(parameterNames);
    Names(sectionNames.get_allocator()).swap(sectionNames);
}

void ConfigSection::Unfold()
{
    // Taken aside while the text is read, so that the parameters it makes leave it kept.
    std::unique_ptr<Written> kept = std::move(written);
    kept->folded = false;
    bool read = false;
    try
    {
        // The reader works on its text in place.
        std::string text = kept->text.substr(kept->contentBegin,
                                             kept->contentEnd - kept->contentBegin);
        read = ConfigFormat::Parse(*this, text.data(), ConfigFormat::Kept::ReadInFull);
    }
    catch (...)
    {
        DropContent();
        kept->folded = true;
        written = std::move(kept);
        throw;
    }
    written = std::move(kept);
    // Text that was read or written whole reads again: anything else is a fault of this class.
    if (!read)
        throw EIllegalState("A folded configuration section does not read back",
                            "toolbox::ConfigSection::Unfold", __LINE__);
}

ConfigParameter& ConfigSection::Insert(const char* parameterName, ConfigParameter&& parameter)
{
    MakeRoom(parameterNames, parameters, parameterName);
    auto made = parameters.Emplace(parameterName, std::move(parameter));
    InsertName(parameterNames, made.key);
    Changed();
    return *made.value;
}

bool ConfigSection::GetBool(const char* parameterName, bool fallback)
{
    Content();
    if (const ConfigParameter* parameter = parameters.Get(parameterName))
        return parameter->AsBool();
    Insert(parameterName, ConfigParameter(fallback));
    return fallback;
}

int32_t ConfigSection::GetInt(const char* parameterName, int32_t fallback)
{
    Content();
    if (const ConfigParameter* parameter = parameters.Get(parameterName))
        return parameter->AsInt();
    Insert(parameterName, ConfigParameter(fallback));
    return fallback;
}

const char* ConfigSection::GetString(const char* parameterName, const char* fallback)
{
    Content();
    if (const ConfigParameter* parameter = parameters.Get(parameterName))
        return parameter->AsString();
    return Insert(parameterName, ConfigParameter(fallback)).AsString();
}

ConfigParameter& ConfigSection::GetParameter(const char* parameterName)
{
    Content();
    MakeRoom(parameterNames, parameters, parameterName);
    auto found = parameters.Emplace(parameterName);
    if (found.made)
        InsertName(parameterNames, found.key);
    Changed();
    return *found.value;
}

void ConfigSection::SetBool(const char* parameterName, bool value)
{
    Content();
    const ConfigParameter* parameter = parameters.Get(parameterName);
    if (parameter == nullptr || !parameter->IsWrittenAs(value ? "1" : "0"))
        GetParameter(parameterName).SetBool(value);
}

void ConfigSection::SetInt(const char* parameterName, int32_t value)
{
    Content();
    char digits[16];
    const char* written = ConfigParameter(value).WrittenForm(digits);
    const ConfigParameter* parameter = parameters.Get(parameterName);
    if (parameter == nullptr || !parameter->IsWrittenAs(written))
        GetParameter(parameterName).SetInt(value);
}

void ConfigSection::SetString(const char* parameterName, const char* value)
{
    Content();
    const ConfigParameter* parameter = parameters.Get(parameterName);
    if (parameter == nullptr || !parameter->IsWrittenAs(value != nullptr ? value : ""))
        GetParameter(parameterName).SetString(value);
}

ConfigSection& ConfigSection::GetSection(const char* sectionName)
{
    Content();
    MakeRoom(sectionNames, sections, sectionName);
    auto found = sections.Emplace(sectionName, this);
    if (found.made)
    {
        found.value->name = found.key;
        InsertName(sectionNames, found.key);
        Changed();
    }
    return *found.value;
}

bool ConfigSection::HasParameter(const char* parameterName) const
{
    Content();
    return parameters.Get(parameterName) != nullptr;
}

void ConfigSection::RemoveParameter(const char* parameterName)
{
    Content();
    if (parameters.Get(parameterName) == nullptr)
        return;
    EraseName(parameterNames, parameterName);
    parameters.Delete(parameterName);
    Changed();
}

void ConfigSection::RemoveSection(const char* sectionName)
{
    Content();
    if (sections.Get(sectionName) == nullptr)
        return;
    EraseName(sectionNames, sectionName);
    sections.Delete(sectionName);
    Changed();
}

void ConfigSection::RemoveAllParameters()
{
    Content();
    parameterNames.clear();
    parameters.Clear();
    Changed();
}

void ConfigSection::RemoveAllSections()
{
    Content();
    sectionNames.clear();
    sections.Clear();
    Changed();
}

} // namespace toolbox
