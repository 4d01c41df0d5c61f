// Which resources the executable holds: exactly the program's, all in US English.
#include "res/ResourceTest.h"

#include <algorithm>

namespace
{
class ResourceSetTest : public ResourceTest
{
protected:
    std::vector<WORD> SortedIds(WORD type) const
    {
        std::vector<WORD> ids = m_module->Ids(MAKEINTRESOURCEW(type));
        std::sort(ids.begin(), ids.end());
        return ids;
    }
};
} // namespace

TEST_P(ResourceSetTest, OnlyTheProgramsResourceKinds)
{
    std::vector<WORD> types = m_module->Types();
    std::sort(types.begin(), types.end());
    // cursor, bitmap, icon, dialog, string, group cursor, group icon, version, manifest:
    // no menu, accelerator, toolbar or dialog-initialisation data
    EXPECT_EQ((std::vector<WORD>{1, 2, 3, 5, 6, 12, 14, 16, 24}), types);
}

TEST_P(ResourceSetTest, NumbersOfEachKind)
{
    EXPECT_EQ((std::vector<WORD>{100, 102}), SortedIds(5));
    EXPECT_EQ((std::vector<WORD>{128, 131, 132}), SortedIds(14));
    EXPECT_EQ((std::vector<WORD>{129, 130}), SortedIds(12));
    EXPECT_EQ((std::vector<WORD>{133}), SortedIds(2));
    EXPECT_EQ((std::vector<WORD>{1}), SortedIds(16));
    EXPECT_EQ((std::vector<WORD>{1}), SortedIds(24));
    // The groups hold 4 + 2 + 1 icon images and 1 + 1 cursor images.
    EXPECT_EQ(7u, SortedIds(3).size());
    EXPECT_EQ(2u, SortedIds(1).size());
}

TEST_P(ResourceSetTest, EverythingIsUsEnglish)
{
    ASSERT_FALSE(m_module->Types().empty());
    for (WORD type : m_module->Types())
        for (WORD id : m_module->Ids(MAKEINTRESOURCEW(type)))
            EXPECT_EQ(std::vector<WORD>{0x0409}, m_module->Languages(MAKEINTRESOURCEW(type), id))
                << "type " << type << " id " << id;
}

INSTANTIATE_FOR_BOTH_EXES(ResourceSetTest);
