// The fixture of the resource checks: each runs once on the shipped 32-bit executable
// and once on the 64-bit build of the same sources.
#pragma once
#include "res/ResourceModule.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

struct TintletExe
{
    const char* name;
    const char* path;
    // What the manifest names as the processor architecture of this build.
    const char* manifestArchitecture;
    WORD machine;
};

class ResourceTest : public ::testing::TestWithParam<TintletExe>
{
protected:
    void SetUp() override;

    // The resource `id` of `type`, after checking it exists in US English only.
    std::vector<BYTE> Resource(LPCWSTR type, WORD id) const;

    std::unique_ptr<ResourceModule> m_module;
};

::testing::internal::ParamGenerator<TintletExe> BothExes();
std::string ExeName(const ::testing::TestParamInfo<TintletExe>& info);

#define INSTANTIATE_FOR_BOTH_EXES(fixture) INSTANTIATE_TEST_SUITE_P(Exe, fixture, BothExes(), ExeName)

// Names the executable in test failure messages.
void PrintTo(const TintletExe& exe, std::ostream* os);
