// A data file can hold names made to collide in the map's plain hash. Loading it must stay as
// quick as loading everyday names, so the names must not end up chained in one bucket.
#include "tests/support/FnvCollisions.h"
#include "tests/support/TempFolder.h"
#include "toolbox/Config.h"
#include "toolbox/ConfigSection.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

using toolbox::StringKeyHashMap;

namespace
{

// Names that share only the bucket of a table of 288, the size a map grows to at its 144th
// name: they spread until that growth, which then gathers them all.
std::vector<std::string> NamesSharingBucket288(int count)
{
    std::vector<std::string> names;
    for (int i = 0; static_cast<int>(names.size()) < count; ++i)
    {
        const std::string name = "n" + std::to_string(i);
        if (StringKeyHashMap<int>::Hash(name.c_str()) % 288 == 0)
            names.push_back(name);
    }
    return names;
}

} // namespace

TEST(HashFloodTest, CraftedNamesInAFileDoNotShareABucket)
{
    const std::vector<std::string> colliding = FnvCollidingNames(4096);
    ASSERT_TRUE(std::all_of(colliding.begin(), colliding.end(),
                            [&](const std::string& name)
                            {
                                return StringKeyHashMap<int>::Hash(name.c_str()) ==
                                       StringKeyHashMap<int>::Hash(colliding[0].c_str());
                            }));
    struct Case
    {
        const char* what;
        std::vector<std::string> names;
    };
    const Case cases[] = {{"one plain hash", colliding},
                          {"one bucket after a growth", NamesSharingBucket288(144)}};
    for (const Case& test : cases)
    {
        TempFolder folder;
        const std::string file = (folder.Path() / "tallydene.cfg").string();
        {
            std::ofstream out(file, std::ios::binary);
            out << "<Projects>\r\n";
            for (const std::string& name : test.names)
                out << "\t<" << name << ">\r\n\t\t<TotalTime>1</TotalTime>\r\n\t</" << name
                    << ">\r\n";
            out << "</Projects>\r\n";
        }
        toolbox::Config config;
        ASSERT_TRUE(config.LoadFile(file.c_str(), true)) << test.what;
        const auto& projects = config.GetRoot().GetSection("Projects").Sections();
        ASSERT_EQ(projects.Count(), static_cast<int>(test.names.size())) << test.what;
        uint32_t longestChain = 0;
        for (const std::string& name : test.names)
        {
            ASSERT_NE(projects.Get(name.c_str()), nullptr) << test.what;
            // The rank's low half is the name's place in its bucket.
            longestChain =
                std::max(longestChain, static_cast<uint32_t>(projects.IterationRank(name.c_str())));
        }
        EXPECT_LE(longestChain, 32u) << test.what;
    }
}
