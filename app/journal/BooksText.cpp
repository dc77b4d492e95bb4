#include "app/journal/BooksText.h"

#include "app/Options.h"
#include "app/Tallydene.h"
#include "toolbox/ConfigFormat.h"
#include "toolbox/ConfigSection.h"
#include "toolbox/ConfigWriter.h"

namespace
{

class StringWriter : public toolbox::ConfigWriter
{
public:
    explicit StringWriter(std::string& text) : ConfigWriter("\r\n"), text(text) {}

protected:
    bool Deliver(const char* data, std::size_t size) override
    {
        text.append(data, size);
        return true;
    }

private:
    std::string& text;
};

constexpr const char* kSections[] = {"Projects", "WorkingTime"};

} // namespace

std::string BooksText::Of(Tallydene& app)
{
    app.SaveSettings();
    toolbox::ConfigSection& root = *app.GetRootSection();
    std::string text;
    StringWriter writer(text);
    // The two sections alone, as the file holds them.
    for (const char* name : kSections)
    {
        toolbox::ConfigSection* section = root.Sections().Get(name);
        if (section == nullptr)
            continue;
        text += std::string("<") + name + ">\r\n";
        toolbox::ConfigFormat::Write(*section, writer);
        text += std::string("</") + name + ">\r\n";
    }
    // The options that are the books' own: read back into the options they join.
    toolbox::ConfigSection options("");
    settings::kWorkingTime.Write(options, settings::kWorkingTime.Read(root));
    settings::kDaysLocal.Write(options, settings::kDaysLocal.Read(root));
    toolbox::ConfigFormat::Write(options, writer);
    return text;
}

bool BooksText::Load(Tallydene& app, const std::string& text)
{
    // The parser writes into the text it reads.
    toolbox::ConfigSection books("");
    std::string checked = text;
    if (!toolbox::ConfigFormat::Parse(books, checked.data()))
        return false;
    toolbox::ConfigSection& root = *app.GetRootSection();
    for (const char* name : kSections)
        root.RemoveSection(name);
    std::string parsed = text;
    toolbox::ConfigFormat::Parse(root, parsed.data());
    // The days charged are the books' own: whatever update they were written at, they are not
    // those of a file another program moved on.
    root.GetSection(settings::kChargedAtUpdate.section)
        .RemoveParameter(settings::kChargedAtUpdate.key);
    app.LoadSettings();
    return true;
}
