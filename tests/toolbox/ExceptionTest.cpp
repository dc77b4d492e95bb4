#include "toolbox/Exception.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace toolbox;

namespace
{

struct LoggedLine
{
    std::string place;
    int line;
    std::string text;
};

std::vector<LoggedLine> logged;

void Record(const char* place, int line, const char* text)
{
    logged.push_back({place, line, text});
}

class ExceptionTest : public testing::Test
{
protected:
    void SetUp() override
    {
        logged.clear();
        SetExceptionLogHook(Record);
    }
    void TearDown() override { SetExceptionLogHook(nullptr); }
};

} // namespace

TEST_F(ExceptionTest, LogsOnlyWithPlaceAndLine)
{
    EIllegalState state("The __argv[0] does not denote a valid path",
                        "toolbox::Path::CreateApplicationLikePathInternal", 42);
    ASSERT_EQ(logged.size(), 1u);
    EXPECT_EQ(logged[0].place, "toolbox::Path::CreateApplicationLikePathInternal");
    EXPECT_EQ(logged[0].line, 42);
    EXPECT_EQ(logged[0].text,
              "EIllegalState.\nMessage: The __argv[0] does not denote a valid path");

    EIllegalArgument noLine("message", "place", 0);
    EIllegalArgument noPlace("message", nullptr, 7);
    Exception plain("Plain");
    EOutOfMemory memory;
    EXPECT_EQ(logged.size(), 1u);

    EAutoBreaking custom("ECustom", nullptr, "here", 3);
    ASSERT_EQ(logged.size(), 2u);
    EXPECT_EQ(logged[1].text, "ECustom.\nMessage: (null)");
}

TEST_F(ExceptionTest, OutOfMemoryCarriesOnlyItsName)
{
    EOutOfMemory memory;
    EXPECT_STREQ(memory.GetName(), "EOutOfMemory");
    EXPECT_EQ(memory.GetMessage(), nullptr);
    EXPECT_EQ(memory.GetFile(), nullptr);
    EXPECT_EQ(memory.GetLine(), 0);
}

TEST_F(ExceptionTest, KeepsThePlaceAfterItsLastBackslash)
{
    EIllegalArgument fromPath("m", "C:\\work\\toolbox\\Path.cpp", 12);
    EXPECT_STREQ(fromPath.GetFile(), "Path.cpp");
    EXPECT_STREQ(fromPath.GetName(), "EIllegalArgument");
    EXPECT_EQ(fromPath.GetLine(), 12);
    // The logger strips the place itself, so it gets it whole.
    EXPECT_EQ(logged.back().place, "C:\\work\\toolbox\\Path.cpp");

    EIllegalArgument trailing("m", "folder\\", 1);
    EXPECT_STREQ(trailing.GetFile(), "");
    EIllegalArgument qualified("m", "toolbox::Logger::Logger", 1);
    EXPECT_STREQ(qualified.GetFile(), "toolbox::Logger::Logger");
}

TEST_F(ExceptionTest, CopiesOwnTheirTexts)
{
    std::string message = "first message";
    auto original = std::make_unique<EIllegalState>(message.c_str(), "a\\b.cpp", 5);
    message = "changed";
    EIllegalState copy(*original);
    EXPECT_NE(copy.GetMessage(), original->GetMessage());
    EXPECT_NE(copy.GetFile(), original->GetFile());
    original.reset();
    EXPECT_STREQ(copy.GetMessage(), "first message");
    EXPECT_STREQ(copy.GetFile(), "b.cpp");

    EIllegalArgument assigned("other", "x", 9);
    static_cast<Exception&>(assigned) = copy;
    EXPECT_STREQ(assigned.GetName(), "EIllegalState");
    EXPECT_STREQ(assigned.GetMessage(), "first message");
    EXPECT_EQ(assigned.GetLine(), 5);
    EXPECT_EQ(logged.size(), 2u) << "copying never logs";
}

TEST_F(ExceptionTest, GuardAllocationTurnsBadAllocIntoOutOfMemory)
{
    EXPECT_THROW(GuardAllocation([]() -> int { throw std::bad_alloc(); }), EOutOfMemory);
    EXPECT_EQ(GuardAllocation([] { return 3; }), 3);
}
