#pragma once

#include "toolbox/ConfigParameter.h"
#include "toolbox/NodeArena.h"
#include "toolbox/StringKeyHashMap.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace toolbox
{

// A named node of the configuration tree, owning its parameters and sub-sections. Names are
// compared byte for byte, case-sensitively; a parameter and a sub-section may share a name.
// The section keeps its names in the file's order, so that a save never sorts, and it can keep
// the text a save made of it until it or anything in it changes. A section made on its own is
// the root of a tree: its arena holds the entries of every section in it.
//
// A section with its text kept can be folded: it lets go of its parameters and sub-sections,
// and its text stands for them until they are next used, when they are read back from it.
// Nothing else changes for a caller, except that the values and sections handed out before
// the fold are gone. A large store keeps each project folded, in a quarter of the memory.
class ConfigSection
{
public:
    explicit ConfigSection(const char* name);
    ConfigSection(const ConfigSection&) = delete;
    ConfigSection& operator=(const ConfigSection&) = delete;
    ~ConfigSection();

    const char* GetName() const { return name; }

    // The getters create a missing parameter with the default, so that the next save writes
    // it; an existing one is read converted, whatever its kind.
    bool GetBool(const char* name, bool fallback);
    int32_t GetInt(const char* name, int32_t fallback);
    const char* GetString(const char* name, const char* fallback);
    // Hands the parameter out to be changed: the section counts as changed from here on.
    ConfigParameter& GetParameter(const char* name);
    ConfigSection& GetSection(const char* name);
    // Set a value only where it would be written differently, so that a section whose values
    // are all set again unchanged keeps its written text. An unchanged value keeps its kind.
    void SetBool(const char* name, bool value);
    void SetInt(const char* name, int32_t value);
    void SetString(const char* name, const char* value);
    bool HasParameter(const char* name) const;
    void RemoveParameter(const char* name);
    void RemoveSection(const char* name);
    void RemoveAllParameters();
    void RemoveAllSections();

    const StringKeyHashMap<ConfigParameter>& Parameters() const { return Content().parameters; }
    const StringKeyHashMap<ConfigSection>& Sections() const { return Content().sections; }
    // The names sorted as the file lists them; names that differ only in letter case are
    // next to each other in no particular order.
    using Names = std::vector<const char*, NodeArena::Allocator<const char*>>;
    const Names& ParameterNames() const { return Content().parameterNames; }
    const Names& SectionNames() const { return Content().sectionNames; }

    // The text a save made of this section, tags included, for that indentation and line end;
    // nullptr when the section has changed since.
    const std::string* WrittenText(int depth, const std::string& lineEnd) const;
    // Keeps the text, whose part from contentBegin to contentEnd is what the section holds,
    // and folds the section: that part is read back when next used.
    void KeepWrittenText(int depth, const std::string& lineEnd, std::string text,
                         std::size_t contentBegin, std::size_t contentEnd) const;
    // Folds the section while it is as its kept text says (as the file read it, or as the last
    // save wrote it); a section changed since, or never read or written, stays as it is.
    void Fold();
    bool IsFolded() const { return written != nullptr && written->folded; }

    // Names without regard to the letter case of A to Z, byte by byte as unsigned values, a
    // prefix before the longer name.
    static int CompareNames(const char* a, const char* b);
    // Whether two of the sorted names differ only in letter case: their order in the file is
    // then the map's, not the names'.
    static bool HasNamesAlike(std::span<const char* const> sortedNames);

private:
    // A sub-section, named by its entry's key in the parent's map.
    template <class, class> friend class HashMap;
    friend class ConfigFormat;
    explicit ConfigSection(ConfigSection* parent)
        : parent(parent), parameters(true, parent->sections.Arena()),
          sections(true, parent->sections.Arena()),
          parameterNames(Names::allocator_type(parent->sections.Arena())),
          sectionNames(Names::allocator_type(parent->sections.Arena()))
    {
    }

    struct Written
    {
        int depth; // kAsRead for the file's own text, which no save can copy
        bool folded;
        std::string lineEnd;
        std::string text;
        // The part of the text between the section's own tags.
        std::size_t contentBegin;
        std::size_t contentEnd;
    };
    static constexpr int kAsRead = -1;

    // What the section holds, as the file's text gave it: a load keeps it folded.
    void FoldAsRead(std::string text);
    // Reads the content back from the kept text, which stays.
    void Unfold();
    // The section with its content: a folded one is unfolded first. Unfolding changes nothing
    // a caller can tell, so a reader may do it; no section of a tree is made const.
    const ConfigSection& Content() const
    {
        if (IsFolded())
            const_cast<ConfigSection*>(this)->Unfold();
        return *this;
    }
    // Lets go of what the section holds, without counting as a change.
    void DropContent();

    ConfigParameter& Insert(const char* name, ConfigParameter&& parameter);
    // Drops the written text of this section and of every section around it.
    void Changed();

    const char* name = "";
    std::unique_ptr<char[]> ownName; // only a root owns its name
    std::unique_ptr<NodeArena> ownArena; // and its arena, which outlives its maps
    ConfigSection* parent;
    StringKeyHashMap<ConfigParameter> parameters;
    StringKeyHashMap<ConfigSection> sections;
    Names parameterNames;
    Names sectionNames;
    mutable std::unique_ptr<Written> written;
};

} // namespace toolbox
