// A GoogleTest program for the verdict rule's own test (verdict.sh): one test of each
// outcome, and one that waits to be ended from outside.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>

TEST(VerdictProbe, Passes)
{
    SUCCEED();
}

TEST(VerdictProbe, Fails)
{
    ADD_FAILURE() << "as it should";
}

TEST(VerdictProbe, Skips)
{
    GTEST_SKIP() << "as it should";
}

TEST(VerdictProbe, WaitsToBeEnded)
{
    printf("verdict probe: waiting\n");
    fflush(stdout);
    Sleep(60000);
}
