// The headless tests start as the program does: a write past the file-size limit fails
// instead of ending the run.
#include <gtest/gtest.h>

#include "platform/Environment.h"

int main(int argc, char** argv)
{
    platform::IgnoreFileSizeSignal();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
