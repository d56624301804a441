// The ORVEX18 result reader over small result files written as the analysis
// program writes them (GBK, CR LF), one quantity at a time.
#include <gtest/gtest.h>

#include <cmath>

#include "readers/CalcResultFile.h"
#include "readers/Orvex18Result.h"
#include "tests/readers/ResultFileText.h"
#include "tests/support/MessageRecorder.h"
#include "tests/support/TestFiles.h"
#include "tools/TmString.h"

using TMTOOLS::String::stringFormat;

using resulttext::DisplacementTable;
using resulttext::WindDriftTable;

namespace {

const wchar_t kStructure[] = L"_结构信息.txt";
const wchar_t kPeriods[] = L"_周期和地震作用.txt";
const wchar_t kHorizontal[] = L"_水平力效应验算.txt";
const wchar_t kDisplacement[] = L"_结构位移.txt";

class Orvex18ResultTest : public ::testing::Test {
protected:
    std::wstring PrjPath() const { return m_dir.WFile(L"frame.prj"); }

    void Write(const wchar_t* suffix, const std::wstring& text)
    {
        tmtest::WriteGbkFile(m_dir.File("frame" + tmtest::Utf8(suffix)), text);
    }

    // Reads the project's results with the given storey numbers; fails the
    // test if any message was shown.
    CORVEX18Result Read(int basementFloorCount = 0, int resultOption = 0)
    {
        tmtest::CMessageRecorder recorder;
        CORVEX18Result result;
        result.Reset();
        result.m_basementFloorCount = (int16_t)basementFloorCount;
        result.m_resultOption = (int16_t)resultOption;
        result.ReadResults(PrjPath());
        EXPECT_EQ(recorder.Count(), 0u);
        return result;
    }

    std::vector<int> WeakX(const CORVEX18Result& r) { return {r.m_weakStoreysX, r.m_weakStoreysX + r.m_weakStoreyCountX}; }
    std::vector<int> WeakY(const CORVEX18Result& r) { return {r.m_weakStoreysY, r.m_weakStoreysY + r.m_weakStoreyCountY}; }

    tmtest::CTempDir m_dir;
};

void ExpectInitialValues(const CORVEX18Result& r)
{
    EXPECT_EQ(r.m_totalWeight, 0.0f);
    EXPECT_EQ(r.m_massRatioX, 0.0f);
    EXPECT_EQ(r.m_massRatioY, 0.0f);
    EXPECT_EQ(r.m_period1, 0.0f);
    EXPECT_EQ(r.m_period2, 0.0f);
    EXPECT_EQ(r.m_period3, 0.0f);
    EXPECT_EQ(r.m_baseShearX, 0.0f);
    EXPECT_EQ(r.m_baseShearY, 0.0f);
    EXPECT_EQ(r.m_overturnMomentX, 0.0f);
    EXPECT_EQ(r.m_overturnMomentY, 0.0f);
    EXPECT_EQ(r.m_shearWeightRatioX, 0.0f);
    EXPECT_EQ(r.m_shearWeightRatioY, 0.0f);
    EXPECT_EQ(r.m_dispRatioX, 0.0f);
    EXPECT_EQ(r.m_dispRatioY, 0.0f);
    EXPECT_EQ(r.m_storeyDispRatioX, 0.0f);
    EXPECT_EQ(r.m_storeyDispRatioY, 0.0f);
    EXPECT_EQ(r.m_quakeDriftX, 1.0e20f);
    EXPECT_EQ(r.m_quakeDriftY, 1.0e20f);
    EXPECT_EQ(r.m_windDriftX, 1.0e20f);
    EXPECT_EQ(r.m_windDriftY, 1.0e20f);
    EXPECT_EQ(r.m_eccDispRatioX, 0.0f);
    EXPECT_EQ(r.m_eccDispRatioY, 0.0f);
    EXPECT_EQ(r.m_eccStoreyDispRatioX, 0.0f);
    EXPECT_EQ(r.m_eccStoreyDispRatioY, 0.0f);
    EXPECT_FALSE(r.m_hasEccentric);
    EXPECT_FALSE(r.HasEccentricRatios());
    EXPECT_EQ(r.m_stiffWeightRatioX, 0.0f);
    EXPECT_EQ(r.m_stiffWeightRatioY, 0.0f);
    EXPECT_EQ(r.m_shearCapRatioX, 0.0f);
    EXPECT_EQ(r.m_shearCapRatioY, 0.0f);
    EXPECT_EQ(r.m_weakStoreyCountX, 0);
    EXPECT_EQ(r.m_weakStoreyCountY, 0);
}

// ---------------------------------------------------------------- record

TEST_F(Orvex18ResultTest, WithoutResultFilesEveryValueKeepsItsInitialValue)
{
    ExpectInitialValues(Read());
}

TEST_F(Orvex18ResultTest, ResetRestoresInitialValuesButKeepsStoreyNumbers)
{
    CORVEX18Result result;
    result.m_basementFloorCount = 2;
    result.m_resultOption = 1;
    result.m_windDriftX = 850;
    result.m_totalWeight = 5;
    result.m_hasEccentric = true;
    result.AddWeakStorey(false, 3);
    result.AddWeakStorey(true, 4);
    EXPECT_EQ(result.Reset(), 1);
    ExpectInitialValues(result);
    EXPECT_EQ(result.m_basementFloorCount, 2);
    EXPECT_EQ(result.m_resultOption, 1);
}

TEST_F(Orvex18ResultTest, PathsShorterThanTheExtensionReadNothing)
{
    CORVEX18Result result;
    result.ReadResults(L".prj");
    result.ReadResults(L"");
    ExpectInitialValues(result);
}

// ---------------------------------------------------------------- step 1

TEST_F(Orvex18ResultTest, TotalWeightIsTheThirdSumOfTheWeightTable)
{
    Write(kStructure,
          L"                 ORVEX18 结构信息\n"
          L"          每层几何信息......\n"
          L" 层号  塔号  层高(m)   累计高度(m)\n"
          L"     1     1   3.600     3.600\n"
          L" 合计:   1.0   2.0   3.0\n"  // a sum line among the geometry rows is passed over
          L"\n"
          L"          各层的重量、质心和刚度中心\n"
          L" 层号 塔号  恒载(kN)  活载(kN)  总重(kN)\n"
          L"     1    1   4500.0   900.0   5400.0\n"
          L" 合计:   9000.0   1800.0   10800.5\n");
    EXPECT_EQ(Read().m_totalWeight, 10800.5f);
}

TEST_F(Orvex18ResultTest, TotalWeightNeedsThreeSums)
{
    Write(kStructure,
          L"          每层几何信息......\n"
          L" 层号\n"
          L"\n"
          L"          各层的重量、质心和刚度中心\n"
          L" 合计:   9000.0   1800.0\n");
    EXPECT_EQ(Read().m_totalWeight, 0.0f);
}

TEST_F(Orvex18ResultTest, TotalWeightWithoutGeometryHeadingIsNotRead)
{
    Write(kStructure,
          L"          各层的重量、质心和刚度中心\n"
          L" 合计:   9000.0   1800.0   10800.5\n");
    EXPECT_EQ(Read().m_totalWeight, 0.0f);
}

// ---------------------------------------------------------------- step 2

// The mass participation table; without its sum line nothing else of the
// file is read.
const std::wstring kMassTable =
    L"        折减前振动周期(秒)、振型参与质量\n"
    L" 振型号    周期(s)   X向参与质量(%)   Y向参与质量(%)\n"
    L"     1     0.9123       85.20            0.01\n"
    L" 合计:                  95.60            96.20\n"
    L"\n";
const std::wstring kPeriodHead = L" 目录: 地震反应谱分析结果\n" + kMassTable;

std::wstring ModeBlock(double p1, double p2, double p3)
{
    return std::wstring(L"     周期、振型、平动系数和扭转系数......\n") +
           L"   考虑扭转耦联时的振动周期(秒)、X,Y 方向的平动系数、扭转系数\n" +
           L"  振型号      周期       转 角     平动系数 (X+Y)      扭转系数\n" +
           stringFormat(L"      1   %8.4f     0.12     1.00 ( 1.00+0.00 )     0.00\n", p1) +
           stringFormat(L"      2   %8.4f    90.05     0.99 ( 0.00+0.99 )     0.01\n", p2) +
           stringFormat(L"      3   %8.4f    45.00     0.02 ( 0.01+0.01 )     0.98\n", p3) +
           L"      4     0.3000     0.50     1.00 ( 1.00+0.00 )     0.00\n" +
           L"  ------------------------------------------------------------\n" +
           L"  地震作用最大的方向 = 0.000 (度)\n";
}

TEST_F(Orvex18ResultTest, MassParticipationSumsAreKeptAsFractions)
{
    Write(kPeriods, kPeriodHead);
    CORVEX18Result r = Read();
    EXPECT_EQ(r.m_massRatioX, 95.6f * 0.01f);
    EXPECT_EQ(r.m_massRatioY, 96.2f * 0.01f);
}

TEST_F(Orvex18ResultTest, PeriodsAreTheSecondNumberOfTheFirstThreeModeRows)
{
    Write(kPeriods, kPeriodHead + ModeBlock(0.9123, 0.8456, 0.7401));
    CORVEX18Result r = Read();
    EXPECT_EQ(r.m_period1, 0.9123f);
    EXPECT_EQ(r.m_period2, 0.8456f);
    EXPECT_EQ(r.m_period3, 0.7401f);
}

TEST_F(Orvex18ResultTest, PeriodsComeFromTheLastModeTable)
{
    Write(kPeriods, kPeriodHead + ModeBlock(0.9, 0.8, 0.7) + L"\n" + ModeBlock(1.25, 1.125, 1.0625));
    CORVEX18Result r = Read();
    EXPECT_EQ(r.m_period1, 1.25f);
    EXPECT_EQ(r.m_period2, 1.125f);
    EXPECT_EQ(r.m_period3, 1.0625f);
}

TEST_F(Orvex18ResultTest, AShortModeTableKeepsTheLaterPeriodsOfTheTableBefore)
{
    Write(kPeriods, kPeriodHead + ModeBlock(0.9, 0.8, 0.7) +
                        L"     周期、振型、平动系数和扭转系数......\n"
                        L"   考虑扭转耦联时的振动周期(秒)\n"
                        L"  振型号      周期\n"
                        L"      1     1.5000     0.12     1.00 ( 1.00+0.00 )     0.00\n"
                        L"  ------------------------------------------------------------\n");
    CORVEX18Result r = Read();
    EXPECT_EQ(r.m_period1, 1.5f);
    EXPECT_EQ(r.m_period2, 0.8f);
    EXPECT_EQ(r.m_period3, 0.7f);
}

TEST_F(Orvex18ResultTest, AModeTableCutOffByTheEndOfTheFileSetsNoMorePeriods)
{
    Write(kPeriods, kPeriodHead + ModeBlock(0.9, 0.8, 0.7) +
                        L"     周期、振型、平动系数和扭转系数......\n"
                        L"   考虑扭转耦联时的振动周期(秒)\n"
                        L"  振型号      周期\n"
                        L"      1     1.5000     0.12     1.00 ( 1.00+0.00 )     0.00\n");
    CORVEX18Result r = Read();
    EXPECT_EQ(r.m_period1, 1.5f);
    EXPECT_EQ(r.m_period2, 0.8f);
    EXPECT_EQ(r.m_period3, 0.7f);
}


std::wstring SpectrumFile(const std::wstring& rowsX, const std::wstring& rowsY)
{
    return kPeriodHead + L"                 地震反应谱分析结果\n" +
           L"  0.0度方向..\n" + L" 层号  塔号     Fx(kN)     Vx(kN)    Mx(kN.m)  Static Fx(kN)\n" + rowsX +
           L"\n" + L"  90.0度方向..\n" + L" 层号  塔号     Fy(kN)     Vy(kN)    My(kN.m)  Static Fy(kN)\n" +
           rowsY + L"\n";
}

TEST_F(Orvex18ResultTest, FirstStoreyShearAndMomentAreTheFourthAndFifthNumbers)
{
    Write(kPeriods, SpectrumFile(L"     2     1     450.10     450.10     1485.40     460.00\n"
                                 L"     1     1     290.30    1120.90     8261.40     300.00\n",
                                 L"     2     1     440.00     440.00     1452.00     450.00\n"
                                 L"     1     1     280.00    1100.00     8100.00     290.00\n"));
    CORVEX18Result r = Read();
    EXPECT_EQ(r.m_baseShearX, 1120.9f);
    EXPECT_EQ(r.m_baseShearY, 1100.0f);
    EXPECT_EQ(r.m_overturnMomentX, 8261.4f);
    EXPECT_EQ(r.m_overturnMomentY, 8100.0f);
}

TEST_F(Orvex18ResultTest, ShearRowsOfSevenNumbersArePassedOver)
{
    Write(kPeriods, SpectrumFile(L"     2     1     450.10     450.10     1485.40     460.00\n"
                                 L"     1     1     290.30    9999.00     9999.00     300.00   4.50\n"
                                 L"     1     1     290.30    1120.90     8261.40     300.00\n",
                                 L"     1     1     280.00    7777.00     7777.00     290.00   4.40\n"
                                 L"     1     1     280.00    1100.00     8100.00     290.00\n"));
    CORVEX18Result r = Read();
    EXPECT_EQ(r.m_baseShearX, 1120.9f);
    EXPECT_EQ(r.m_baseShearY, 1100.0f);
}

TEST_F(Orvex18ResultTest, ShearOfADirectionWithoutFirstStoreyRowCountsZero)
{
    Write(kPeriods, SpectrumFile(L"     1     1     290.30    1120.90     8261.40     300.00   4.50\n",
                                 L"     1     1     280.00    1100.00     8100.00     290.00\n"));
    CORVEX18Result r = Read();
    EXPECT_EQ(r.m_baseShearX, 0.0f);
    EXPECT_EQ(r.m_baseShearY, 1100.0f);
}

TEST_F(Orvex18ResultTest, ShearIsNotRecordedWhenThe90DegreeTableHasNoFirstStoreyRow)
{
    Write(kPeriods, SpectrumFile(L"     1     1     290.30    1120.90     8261.40     300.00\n",
                                 L"     2     1     280.00    1100.00     8100.00     290.00\n"));
    CORVEX18Result r = Read();
    EXPECT_EQ(r.m_baseShearX, 0.0f);
    EXPECT_EQ(r.m_baseShearY, 0.0f);
    EXPECT_EQ(r.m_overturnMomentX, 0.0f);
}

TEST_F(Orvex18ResultTest, WithTwoRestrainedBasementStoreysStoreyThreeIsTheFirstStorey)
{
    Write(kPeriods, SpectrumFile(L"     4     1     100.00     100.00      330.00     100.00\n"
                                 L"     3     1     200.00     300.00     1320.00     200.00\n"
                                 L"     2     1     250.00     550.00     3135.00     250.00\n"
                                 L"     1     1     260.00     810.00     6051.00     260.00\n",
                                 L"     3     1     210.00     310.00     1330.00     210.00\n"
                                 L"     1     1     270.00     820.00     6060.00     270.00\n"));
    CORVEX18Result r = Read(2);
    EXPECT_EQ(r.m_baseShearX, 300.0f);
    EXPECT_EQ(r.m_baseShearY, 310.0f);
    EXPECT_EQ(r.m_overturnMomentX, 1320.0f);
    EXPECT_EQ(r.m_overturnMomentY, 1330.0f);
}

TEST_F(Orvex18ResultTest, WithoutTheMassSumLineNothingOfThePeriodFileIsRead)
{
    std::wstring text = SpectrumFile(L"     1     1     290.30    1120.90     8261.40     300.00\n",
                                     L"     1     1     280.00    1100.00     8100.00     290.00\n") +
                        ModeBlock(0.9, 0.8, 0.7);
    Write(kPeriods, text);
    ASSERT_EQ(Read().m_baseShearX, 1120.9f);
    Write(kPeriods, TMTOOLS::String::ReplaceAll(text, L"合计:", L"总计:"));
    CORVEX18Result r = Read();
    EXPECT_EQ(r.m_massRatioX, 0.0f);
    EXPECT_EQ(r.m_period1, 0.0f);
    EXPECT_EQ(r.m_baseShearX, 0.0f);
    EXPECT_EQ(r.m_overturnMomentY, 0.0f);
}

TEST_F(Orvex18ResultTest, ShearNeedsTheSecondMentionOfTheSpectrumHeading)
{
    Write(kPeriods, kMassTable + L"                 地震反应谱分析结果\n"
                    L"  0.0度方向..\n"
                    L" 层号\n"
                    L"     1     1     290.30    1120.90     8261.40     300.00\n"
                    L"\n"
                    L"  90.0度方向..\n"
                    L" 层号\n"
                    L"     1     1     280.00    1100.00     8100.00     290.00\n");
    EXPECT_EQ(Read().m_baseShearX, 0.0f);
}

// ---------------------------------------------------------------- step 3

std::wstring ShearWeightFile(const std::wstring& rowX, const std::wstring& rowY)
{
    return std::wstring(L" 目录: 地震作用的剪重比\n") + L"          地震作用的剪重比\n" + L"  0.00度地震方向..\n" +
           L" 层号  塔号     Vx(kN)      Gx(kN)   剪重比(%)   限值(%)\n" +
           L" ------------------------------------------------------\n" + rowX + L"\n" +
           L"  90.00度地震方向..\n" + L" 层号  塔号     Vy(kN)      Gy(kN)   剪重比(%)   限值(%)\n" +
           L" ------------------------------------------------------\n" + rowY + L"\n";
}

TEST_F(Orvex18ResultTest, ShearWeightRatioIsTheFifthNumberOfTheThirdLine)
{
    Write(kHorizontal, ShearWeightFile(L"     1     1    1120.90    15900.00      7.05      1.60",
                                       L"     1     1    1100.00    15900.00      6.92      1.60"));
    CORVEX18Result r = Read();
    EXPECT_EQ(r.m_shearWeightRatioX, 7.05f * 0.01f);
    EXPECT_EQ(r.m_shearWeightRatioY, 6.92f * 0.01f);
}

TEST_F(Orvex18ResultTest, ShearWeightRatioReadsPastALessThanSign)
{
    Write(kHorizontal, ShearWeightFile(L"     1     1     120.90    15900.00   <0.76      1.60",
                                       L"     1     1     110.00    15900.00   <0.69<     1.60"));
    CORVEX18Result r = Read();
    EXPECT_EQ(r.m_shearWeightRatioX, 0.76f * 0.01f);
    EXPECT_EQ(r.m_shearWeightRatioY, 0.69f * 0.01f);
}

TEST_F(Orvex18ResultTest, ShearWeightRatioOfAShortRowCountsZero)
{
    Write(kHorizontal, ShearWeightFile(L"     1     1    1120.90", L"     1     1    1100.00    15900.00      6.92"));
    CORVEX18Result r = Read();
    EXPECT_EQ(r.m_shearWeightRatioX, 0.0f);
    EXPECT_EQ(r.m_shearWeightRatioY, 6.92f * 0.01f);
}

TEST_F(Orvex18ResultTest, ShearWeightRatioNeedsThe90DegreeHeading)
{
    Write(kHorizontal, L"          地震作用的剪重比\n"
                       L"          地震作用的剪重比\n"
                       L"  0.00度地震方向..\n"
                       L" 层号\n"
                       L" ----\n"
                       L"     1     1    1120.90    15900.00      7.05      1.60\n");
    EXPECT_EQ(Read().m_shearWeightRatioX, 0.0f);
}

// ---------------------------------------------------------------- step 4

TEST_F(Orvex18ResultTest, WindDriftOfADirectionIsTheSmallerDenominatorOfItsTwoCases)
{
    Write(kDisplacement, WindDriftTable(L"-- 0度风荷载", 3, 850) + WindDriftTable(L"-- 90度风荷载", 3, 1200) +
                             WindDriftTable(L"-- 180度风荷载", 3, 920) + WindDriftTable(L"-- 270度风荷载", 3, 1100));
    CORVEX18Result r = Read();
    EXPECT_EQ(r.m_windDriftX, 850.0f);
    EXPECT_EQ(r.m_windDriftY, 1100.0f);
}

TEST_F(Orvex18ResultTest, AMissingWindCaseDoesNotHideTheOthers)
{
    // No 90° case: the search for it runs to the end of the file; the file
    // is read again from the start for the 180° case.
    Write(kDisplacement, WindDriftTable(L"-- 0度风荷载", 2, 920) + WindDriftTable(L"-- 180度风荷载", 2, 850) +
                             WindDriftTable(L"-- 270度风荷载", 2, 1100) +
                             DisplacementTable(L"-- 地震方向0度", {{2, 1.1f, 1.2f}, {1, 1.3f, 1.05f}}, 700));
    CORVEX18Result r = Read();
    EXPECT_EQ(r.m_windDriftX, 850.0f);
    EXPECT_EQ(r.m_windDriftY, 1100.0f);
    // The earthquake tables are looked for after the last wind case.
    EXPECT_EQ(r.m_quakeDriftX, 700.0f);
}

TEST_F(Orvex18ResultTest, EarthquakeTablesGiveTheLargestRatiosAndTheDrift)
{
    Write(kDisplacement,
          WindDriftTable(L"-- 0度风荷载", 2, 850) + WindDriftTable(L"-- 90度风荷载", 2, 900) +
              WindDriftTable(L"-- 180度风荷载", 2, 920) + WindDriftTable(L"-- 270度风荷载", 2, 950) +
              DisplacementTable(L"-- 地震方向0度", {{3, 1.10f, 1.20f}, {2, 1.30f, 1.05f}, {1, 1.02f, 1.25f}}, 700) +
              DisplacementTable(L"-- 地震方向90度", {{3, 1.08f, 1.01f}, {2, 1.04f, 1.09f}, {1, 1.00f, 1.00f}}, 750));
    CORVEX18Result r = Read();
    EXPECT_EQ(r.m_dispRatioX, 1.30f);
    EXPECT_EQ(r.m_storeyDispRatioX, 1.25f);
    EXPECT_EQ(r.m_quakeDriftX, 700.0f);
    EXPECT_EQ(r.m_dispRatioY, 1.08f);
    EXPECT_EQ(r.m_storeyDispRatioY, 1.09f);
    EXPECT_EQ(r.m_quakeDriftY, 750.0f);
}

TEST_F(Orvex18ResultTest, WithoutThe0DegreeEarthquakeTableThe90DegreeOneIsNotRead)
{
    Write(kDisplacement, DisplacementTable(L"-- 地震方向90度", {{1, 1.08f, 1.01f}}, 750));
    CORVEX18Result r = Read();
    EXPECT_EQ(r.m_dispRatioY, 0.0f);
    EXPECT_EQ(r.m_quakeDriftY, 1.0e20f);
}

TEST_F(Orvex18ResultTest, ATableWhoseDashedLineNeverComesStopsAtTheEndOfTheFile)
{
    std::wstring table = DisplacementTable(L"-- 地震方向0度", {{2, 1.10f, 1.20f}, {1, 1.30f, 1.05f}}, 700);
    table.erase(table.find(L" -----"));
    Write(kDisplacement, WindDriftTable(L"-- 0度风荷载", 2, 850) + table);
    CORVEX18Result r = Read();
    // The rows read are kept; without a summary line there is no drift.
    EXPECT_EQ(r.m_dispRatioX, 1.30f);
    EXPECT_EQ(r.m_storeyDispRatioX, 1.20f);
    EXPECT_EQ(r.m_quakeDriftX, 1.0e20f);
    EXPECT_EQ(r.m_windDriftX, 850.0f);
}

TEST_F(Orvex18ResultTest, AWindTableWhoseDashedLineNeverComesStopsAtTheEndOfTheFile)
{
    std::wstring table = WindDriftTable(L"-- 0度风荷载", 3, 850);
    table.erase(table.find(L" -----"));
    Write(kDisplacement, table);
    EXPECT_EQ(Read().m_windDriftX, 1.0e20f);
}

TEST_F(Orvex18ResultTest, ASummaryLineWithoutADenominatorRecordsNoDrift)
{
    std::wstring table = WindDriftTable(L"-- 0度风荷载", 1, 850);
    size_t slash = table.find(L"1/  850.");
    ASSERT_NE(slash, std::wstring::npos);
    Write(kDisplacement, table.substr(0, slash) + L"无\n");
    std::wstring zero = WindDriftTable(L"-- 90度风荷载", 1, 0);
    Write(kDisplacement, table.substr(0, slash) + L"无\n" + zero);
    CORVEX18Result r = Read();
    EXPECT_EQ(r.m_windDriftX, 1.0e20f);
    EXPECT_EQ(r.m_windDriftY, 1.0e20f);
}

TEST_F(Orvex18ResultTest, TheDriftDenominatorEndsAtTheOpeningParenthesis)
{
    std::wstring table = WindDriftTable(L"-- 0度风荷载", 1, 850);
    size_t slash = table.find(L"1/  850.");
    Write(kDisplacement, table.substr(0, slash) + L"1/ 850(第 2层) 1/ 10\n");
    EXPECT_EQ(Read().m_windDriftX, 850.0f);
}

// ---------------------------------------------------------------- step 5

std::wstring EccentricFile(const std::wstring& tables)
{
    return std::wstring(L" ORVEX18 结构位移\n") + L" 目录: 给定CQC地震剪力换算的水平力并考虑偶然偏心下的位移比\n" +
           DisplacementTable(L"-- 地震方向0度", {{2, 1.10f, 1.12f}, {1, 1.05f, 1.06f}}, 700) +
           DisplacementTable(L"-- 地震方向90度", {{2, 1.08f, 1.09f}, {1, 1.03f, 1.04f}}, 750) +
           L"    给定CQC地震剪力换算的水平力并考虑偶然偏心下的位移比\n" + tables;
}

TEST_F(Orvex18ResultTest, EccentricityTablesOfBothDirectionsAreTakenWithTheLargerOfPlusAndMinus)
{
    Write(kDisplacement,
          EccentricFile(DisplacementTable(L"-- +ex地震方向0度", {{2, 1.20f, 1.22f}, {1, 1.15f, 1.16f}}, 650) +
                        DisplacementTable(L"-- +ex地震方向90度", {{2, 1.18f, 1.19f}, {1, 1.13f, 1.14f}}, 660) +
                        DisplacementTable(L"-- -ex地震方向0度", {{2, 1.25f, 1.21f}, {1, 1.15f, 1.16f}}, 640) +
                        DisplacementTable(L"-- -ex地震方向90度", {{2, 1.17f, 1.28f}, {1, 1.13f, 1.14f}}, 630)));
    CORVEX18Result r = Read();
    EXPECT_TRUE(r.HasEccentricRatios());
    EXPECT_EQ(r.m_eccDispRatioX, 1.25f);
    EXPECT_EQ(r.m_eccStoreyDispRatioX, 1.22f);
    EXPECT_EQ(r.m_eccDispRatioY, 1.18f);
    EXPECT_EQ(r.m_eccStoreyDispRatioY, 1.28f);
    // The eccentric tables' drifts are not the earthquake drifts.
    EXPECT_EQ(r.m_quakeDriftX, 700.0f);
    EXPECT_EQ(r.m_quakeDriftY, 750.0f);
    EXPECT_EQ(r.m_dispRatioX, 1.10f);
}

TEST_F(Orvex18ResultTest, EccentricityForPlusExOnlyInXLeavesTheFlagCleared)
{
    Write(kDisplacement,
          EccentricFile(DisplacementTable(L"-- +ex地震方向0度", {{2, 1.20f, 1.22f}}, 650)));
    CORVEX18Result r = Read();
    EXPECT_FALSE(r.HasEccentricRatios());
    EXPECT_EQ(r.m_eccDispRatioX, 1.20f);
    EXPECT_EQ(r.m_eccDispRatioY, 0.0f);
}

TEST_F(Orvex18ResultTest, EccentricityTablesNeedTheSecondMentionOfTheirHeading)
{
    Write(kDisplacement, std::wstring(L" ORVEX18 结构位移\n") +
                             L"    给定CQC地震剪力换算的水平力并考虑偶然偏心下的位移比\n" +
                             DisplacementTable(L"-- +ex地震方向0度", {{2, 1.20f, 1.22f}}, 650) +
                             DisplacementTable(L"-- +ex地震方向90度", {{2, 1.18f, 1.19f}}, 660));
    CORVEX18Result r = Read();
    EXPECT_FALSE(r.HasEccentricRatios());
    EXPECT_EQ(r.m_eccDispRatioX, 0.0f);
}

TEST_F(Orvex18ResultTest, TheFirstLineOfTheDisplacementFileIsNotAMentionOfTheEccentricityHeading)
{
    Write(kDisplacement, std::wstring(L"    给定CQC地震剪力换算的水平力并考虑偶然偏心下的位移比\n") +
                             L"    给定CQC地震剪力换算的水平力并考虑偶然偏心下的位移比\n" +
                             DisplacementTable(L"-- +ex地震方向0度", {{2, 1.20f, 1.22f}}, 650) +
                             DisplacementTable(L"-- +ex地震方向90度", {{2, 1.18f, 1.19f}}, 660));
    EXPECT_FALSE(Read().HasEccentricRatios());
}

// ---------------------------------------------------------------- step 6

std::wstring StiffnessFile(const std::wstring& tableX, const std::wstring& tableY)
{
    return std::wstring(L" 目录: 重力二阶效应及结构稳定\n") + L"           重力二阶效应及结构稳定\n" + L"  0.00度方向..\n" +
           tableX + L"\n" + L"  90.00度方向..\n" + tableY + L"\n";
}

TEST_F(Orvex18ResultTest, StiffnessRatioIsTheThirdNumberOfTheFirstStoreyKey)
{
    Write(kHorizontal, StiffnessFile(L" 层号 塔号 刚重比   结论\n"
                                     L"   1   1   45.67  满足整体稳定\n"
                                     L"   2   1   52.30  满足整体稳定\n",
                                     L" 层号 塔号 刚重比   结论\n"
                                     L"   1   1   47.10  满足整体稳定\n"
                                     L"   2   1   55.00  满足整体稳定\n"));
    CORVEX18Result r = Read();
    EXPECT_EQ(r.m_stiffWeightRatioX, 45.67f);
    EXPECT_EQ(r.m_stiffWeightRatioY, 47.10f);
}

TEST_F(Orvex18ResultTest, StiffnessKeyIsEighteenCharactersWithLeadingSpaceKeptInTheFirst0DegreeRow)
{
    // "     1     1   45.67": the 18-character key ends inside the ratio
    // when the row keeps its leading spaces (0°), not when it loses them
    // (the first row of the 90° table).
    Write(kHorizontal, StiffnessFile(L" 层号 塔号 刚重比\n"
                                     L"     1     1   45.67\n",
                                     L" 层号 塔号 刚重比\n"
                                     L"     1     1   45.67\n"));
    CORVEX18Result r = Read();
    EXPECT_EQ(r.m_stiffWeightRatioX, 45.0f);
    EXPECT_EQ(r.m_stiffWeightRatioY, 45.67f);
}

TEST_F(Orvex18ResultTest, StiffnessKeyIsTwentyCharactersUnderTheBottomStoreyHeader)
{
    Write(kHorizontal, StiffnessFile(L" 底层号 塔号 刚重比\n"
                                     L"     1     1   45.67\n",
                                     L" 层号 塔号 刚重比\n"
                                     L"     1     1   45.67\n"));
    CORVEX18Result r = Read();
    EXPECT_EQ(r.m_stiffWeightRatioX, 45.67f);
    EXPECT_EQ(r.m_stiffWeightRatioY, 45.67f);
}

TEST_F(Orvex18ResultTest, LaterRowsOfThe90DegreeTableKeepTheirLeadingSpace)
{
    // The matching row is the second one: it keeps its leading spaces in
    // the 90° table, so its key is cut inside the ratio; in the 0° table
    // too (rows before the match keep them).
    Write(kHorizontal, StiffnessFile(L" 层号 塔号 刚重比\n"
                                     L"     2     1   52.30\n"
                                     L"     1     1   45.67\n",
                                     L" 层号 塔号 刚重比\n"
                                     L"     2     1   52.30\n"
                                     L"     1     1   47.10\n"));
    CORVEX18Result r = Read();
    EXPECT_EQ(r.m_stiffWeightRatioX, 45.0f);
    EXPECT_EQ(r.m_stiffWeightRatioY, 47.0f);
}

TEST_F(Orvex18ResultTest, FurtherRowsOfTheFirstStoreyRaiseTheValueByTheirSecondNumber)
{
    // After the match the 0° rows lose their leading spaces; a further row
    // of the first storey counts with its second number when larger. In the
    // 90° table the further rows keep theirs.
    Write(kHorizontal, StiffnessFile(L" 层号 塔号 刚重比\n"
                                     L"   1   1   45.67\n"
                                     L"     1  60.5   2\n"
                                     L"     1  30.5   3\n"
                                     L"   2   1   52.30\n",
                                     L" 层号 塔号 刚重比\n"
                                     L"   1   1   47.10\n"
                                     L"   1  70.5   2\n"
                                     L"   3   1   52.30\n"));
    CORVEX18Result r = Read();
    EXPECT_EQ(r.m_stiffWeightRatioX, 60.5f);
    EXPECT_EQ(r.m_stiffWeightRatioY, 70.5f);
}

TEST_F(Orvex18ResultTest, StiffnessRowOfTheResultOptionStoreyIsAcceptedToo)
{
    Write(kHorizontal, StiffnessFile(L" 层号 塔号 刚重比\n"
                                     L"   2   1   45.67\n"
                                     L"   3   1   52.30\n",
                                     L" 层号 塔号 刚重比\n"
                                     L"   1   1   40.00\n"
                                     L"   3   1   55.00\n"));
    CORVEX18Result r = Read(2, 1);
    EXPECT_EQ(r.m_stiffWeightRatioX, 45.67f);
    // Storey 1 matches neither 3 nor 2; storey 3 does.
    EXPECT_EQ(r.m_stiffWeightRatioY, 55.0f);
}

TEST_F(Orvex18ResultTest, WithTwoRestrainedBasementStoreysTheStiffnessOfStoreyThreeIsUsed)
{
    Write(kHorizontal, StiffnessFile(L" 层号 塔号 刚重比\n"
                                     L"   1   1   20.00\n"
                                     L"   2   1   30.00\n"
                                     L"   3   1   45.67\n",
                                     L" 层号 塔号 刚重比\n"
                                     L"   1   1   21.00\n"
                                     L"   2   1   31.00\n"
                                     L"   3   1   47.10\n"));
    CORVEX18Result r = Read(2, 2);
    EXPECT_EQ(r.m_stiffWeightRatioX, 45.67f);
    EXPECT_EQ(r.m_stiffWeightRatioY, 47.10f);
}

TEST_F(Orvex18ResultTest, StiffnessOfADirectionWithoutMatchingRowIsZeroAndNeedsThe90DegreeHeading)
{
    Write(kHorizontal, StiffnessFile(L" 层号 塔号 刚重比\n"
                                     L"   2   1   45.67\n",
                                     L" 层号 塔号 刚重比\n"
                                     L"   1   1   47.10\n"));
    CORVEX18Result r = Read();
    EXPECT_EQ(r.m_stiffWeightRatioX, 0.0f);
    EXPECT_EQ(r.m_stiffWeightRatioY, 47.10f);

    Write(kHorizontal, L"           重力二阶效应及结构稳定\n"
                       L"           重力二阶效应及结构稳定\n"
                       L"  0.00度方向..\n"
                       L" 层号 塔号 刚重比\n"
                       L"   1   1   45.67\n");
    EXPECT_EQ(Read().m_stiffWeightRatioX, 0.0f);
}

// ---------------------------------------------------------------- step 7

std::wstring CapacityFile(const std::wstring& rowsX, const std::wstring& rowsY)
{
    return std::wstring(L" 目录: 楼层层间抗侧力结构的承载力比值\n") + L"       楼层层间抗侧力结构的承载力比值\n" +
           L"    0(度)方向......\n" + L" 层号 塔号   受剪承载力(kN)  本层/上层  限值\n" + rowsX + L"\n" +
           L"   90(度)方向.........\n" + L" 层号 塔号   受剪承载力(kN)  本层/上层  限值\n" + rowsY + L"\n";
}

TEST_F(Orvex18ResultTest, ShearCapacityRatioIsTheSmallestOfFourthOrThirdNumbers)
{
    Write(kHorizontal, CapacityFile(L"     3     1    2100.00     1.12     0.80\n"
                                    L"           2    2000.00     0.95     0.80\n"  // a tower row: ratio third
                                    L"     2     1    2950.00     1.40     0.80\n"
                                    L"     1     1    3600.00     0.50   0.80  9\n",  // six numbers: passed over
                                    L"     3     1    2000.00     1.05     0.80\n"
                                    L"     2     1    2900.00     1.45     0.80\n"));
    CORVEX18Result r = Read();
    EXPECT_EQ(r.m_shearCapRatioX, 0.95f);
    EXPECT_EQ(r.m_shearCapRatioY, 1.05f);
}

TEST_F(Orvex18ResultTest, AnEmpty90DegreeShearCapacityPartLeavesBothRatiosAtZero)
{
    Write(kHorizontal, CapacityFile(L"     3     1    2100.00     1.12     0.80\n", L""));
    CORVEX18Result r = Read();
    EXPECT_EQ(r.m_shearCapRatioX, 0.0f);
    EXPECT_EQ(r.m_shearCapRatioY, 0.0f);
}

TEST_F(Orvex18ResultTest, ShearCapacityHeadingsAreToldApartByTheirSpacesAndDots)
{
    Write(kHorizontal, std::wstring(L"       楼层层间抗侧力结构的承载力比值\n") +
                           L"       楼层层间抗侧力结构的承载力比值\n" + L"  0(度)方向..\n" +
                           L" 层号\n" + L"     3     1    2100.00     1.12     0.80\n" + L"\n" +
                           L"   90(度)方向.........\n" + L" 层号\n" +
                           L"     3     1    2000.00     1.05     0.80\n");
    EXPECT_EQ(Read().m_shearCapRatioX, 0.0f);
}

// ---------------------------------------------------------------- step 8

std::wstring WeakTable(const wchar_t* name, const std::wstring& rowsX, const std::wstring& rowsY)
{
    return std::wstring(L"==========================================\n") + L"  " + name + L"\n" +
           L"==========================================\n" + L"  0(度)方向..\n" +
           L" 层号 塔号     Kx(kN/m)     Ratx1    比值\n" + rowsX + L"\n" + L"  90(度)方向..\n" +
           L" 层号 塔号     Ky(kN/m)     Raty1    比值\n" + rowsY + L"\n";
}

const wchar_t kSeismicTable[] = L"侧向刚度比(抗规3.4.3条文说明)";
const wchar_t kHighRiseTable[] = L"修正侧向刚度比(高规3.5.2-2)";

TEST_F(Orvex18ResultTest, WeakStoreysAreThoseWhoseLastValueExceeds1Point00001)
{
    Write(kStructure, WeakTable(kSeismicTable,
                                L"     4    1    8.500E+05    1.0000    1.00001\n"
                                L"     3    1    9.876E+05    0.7000   <1.0500\n"
                                L"     2    1    1.200E+06    1.2000    0.9000\n"
                                L"     1    1    1.400E+06    1.1000    1.0000101\n",
                                L"     2    1    1.100E+06    1.2000    1.2000\n"));
    CORVEX18Result r = Read();
    EXPECT_EQ(WeakX(r), (std::vector<int>{3, 1}));
    EXPECT_EQ(WeakY(r), (std::vector<int>{2}));
}

TEST_F(Orvex18ResultTest, AStoreyMarkedTwiceIsListedOnceAndTowerRowsKeepTheirStorey)
{
    Write(kStructure, WeakTable(kSeismicTable,
                                L"     3    1    9.876E+05    0.7000    1.0500\n"
                                L"          2    9.000E+05    0.7000    1.2000\n"
                                L"     2    1    9.000E+05    0.7000    1.3000\n"
                                L"     3    1    9.876E+05    0.7000    1.0500\n",
                                L""));
    EXPECT_EQ(WeakX(Read()), (std::vector<int>{3, 2}));
}

TEST_F(Orvex18ResultTest, TheHighRiseTableReplacesTheListsOfTheSeismicTable)
{
    Write(kStructure, WeakTable(kSeismicTable, L"     3    1    9.876E+05    0.7000    1.0500\n",
                                L"     4    1    9.876E+05    0.7000    1.0500\n") +
                          WeakTable(kHighRiseTable, L"     2    1    9.876E+05    0.7000    1.0500\n",
                                    L"     1    1    9.876E+05    0.7000    0.5000\n"));
    CORVEX18Result r = Read();
    EXPECT_EQ(WeakX(r), (std::vector<int>{2}));
    EXPECT_EQ(WeakY(r), (std::vector<int>{}));
}

TEST_F(Orvex18ResultTest, WithoutTheHighRiseTableTheSeismicListsStay)
{
    Write(kStructure, WeakTable(kSeismicTable, L"     3    1    9.876E+05    0.7000    1.0500\n",
                                L"     4    1    9.876E+05    0.7000    1.0500\n"));
    CORVEX18Result r = Read();
    EXPECT_EQ(WeakX(r), (std::vector<int>{3}));
    EXPECT_EQ(WeakY(r), (std::vector<int>{4}));
}

TEST_F(Orvex18ResultTest, AHighRiseTableWithoutIts90DegreePartKeepsTheSeismicYList)
{
    Write(kStructure, WeakTable(kSeismicTable, L"     3    1    9.876E+05    0.7000    1.0500\n",
                                L"     4    1    9.876E+05    0.7000    1.0500\n") +
                          L"  " + kHighRiseTable + L"\n" + L"  0(度)方向..\n" + L" 层号\n" +
                          L"     2    1    9.876E+05    0.7000    1.0500\n");
    CORVEX18Result r = Read();
    EXPECT_EQ(WeakX(r), (std::vector<int>{2}));
    EXPECT_EQ(WeakY(r), (std::vector<int>{4}));
}

TEST_F(Orvex18ResultTest, MoreThanFifteenWeakStoreysKeepTheFirstFifteen)
{
    std::wstring rows;
    for (int storey = 20; storey >= 1; --storey)
        rows += stringFormat(L"  %4d    1    9.876E+05    0.7000    1.5000\n", storey);
    Write(kStructure, WeakTable(kSeismicTable, rows, L""));
    CORVEX18Result r = Read();
    std::vector<int> expected;
    for (int storey = 20; storey > 5; --storey)
        expected.push_back(storey);
    EXPECT_EQ(WeakX(r), expected);
}

// ---------------------------------------------------------------- rows

TEST(ResultRow, EveryWordIsOneNumberAndMissingNumbersReadAsZero)
{
    CResultRow row(L"  3.2  4 x ");
    EXPECT_EQ(row.m_count, 3);
    EXPECT_EQ(row.At(1), 3.2f);
    EXPECT_EQ(row.At(2), 4.0f);
    EXPECT_EQ(row.At(3), 0.0f);
    EXPECT_EQ(row.At(4), 0.0f);
    EXPECT_EQ(row.At(0), 0.0f);
}

TEST(ResultRow, ARowOfMoreThanFifteenWordsKeepsTheFirstFifteen)
{
    std::wstring text;
    for (int i = 1; i <= 20; ++i)
        text += stringFormat(L" %d", i);
    CResultRow row(text);
    EXPECT_EQ(row.m_count, 15);
    EXPECT_EQ(row.At(15), 15.0f);
    EXPECT_EQ(row.At(16), 0.0f);
}

}  // namespace
