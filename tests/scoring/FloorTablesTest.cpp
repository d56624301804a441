// Floor tables: the defaults for N storeys and emptying.
#include <gtest/gtest.h>

#include "scoring/FloorTables.h"

TEST(FloorTables, ResetGivesEveryStoreyItsDefaults)
{
    CFloorTables tables;
    tables.Reset(3);
    EXPECT_EQ(tables.m_standardStoreyTops, (std::vector<int32_t>{1, 2, 3}));
    EXPECT_EQ(tables.m_lowerStoreys, (std::vector<int32_t>{0, 1, 2}));
    EXPECT_EQ(tables.m_storeyHeights, (std::vector<float>{3.0f, 3.0f, 3.0f}));
    EXPECT_EQ(tables.m_optimization.m_storeys, (std::vector<int32_t>{1, 2, 3}));
    ASSERT_EQ(tables.m_wallColumnGradeRuns.size(), 1u);
    EXPECT_EQ(tables.m_wallColumnGradeRuns[0].m_top, 3);
    EXPECT_EQ(tables.m_wallColumnGradeRuns[0].m_value, 25);
    EXPECT_EQ(tables.m_blockGradeRuns[0].m_value, 7.5f);
}

TEST(FloorTables, ResetDropsWhatTheLastProjectLeftAndClearEmptiesAll)
{
    CFloorTables tables;
    tables.Reset(5);
    tables.m_perStoreyMode = false;
    tables.m_heightRuns.push_back({9, 4.2f});
    tables.m_optimization.m_leading[0] = 7.0f;
    tables.Reset(2);
    EXPECT_TRUE(tables.m_perStoreyMode);
    EXPECT_EQ(tables.m_heightRuns.size(), 1u);
    EXPECT_EQ(tables.m_lowerStoreys.size(), 2u);
    EXPECT_EQ(tables.m_optimization.m_leading[0], 0.9f);

    tables.m_perStoreyMode = false;
    tables.Clear();
    EXPECT_EQ(tables.m_floorCount, 0);
    EXPECT_TRUE(tables.m_standardStoreyTops.empty());
    EXPECT_TRUE(tables.m_steelTubeRuns.empty());
    EXPECT_TRUE(tables.m_storeyGroups.empty());
    EXPECT_TRUE(tables.m_optimization.m_storeys.empty());
    EXPECT_TRUE(tables.m_perStoreyMode);
}

TEST(FloorTables, ANonPositiveCountGivesNoStoreys)
{
    CFloorTables tables;
    tables.Reset(0);
    EXPECT_TRUE(tables.m_standardStoreyTops.empty());
    EXPECT_TRUE(tables.m_lowerStoreys.empty());
    tables.Reset(-4);
    EXPECT_TRUE(tables.m_storeyHeights.empty());
    EXPECT_TRUE(tables.m_optimization.m_storeys.empty());
}
