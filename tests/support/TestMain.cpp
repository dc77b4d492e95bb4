#include "tests/support/PrivateHome.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    UsePrivateHome();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
