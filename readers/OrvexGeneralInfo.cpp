// The ORVEX block of the .prj file: its eight general sections become the
// values of the "总信息" category, group by group.
//
// Each section starts with a title line and holds lines of reals whose
// fields are described by the tables below; a few fields are counts that
// say which optional lines follow. A missing title ends the block with the
// section's warning; what was created before stays.
#include <vector>

#include "readers/PrjConversions.h"
#include "readers/PrjField.h"
#include "readers/PrjLineReader.h"
#include "readers/ProjectModelReader.h"
#include "scoring/ScoringProject.h"
#include "scoring/TmData.h"
#include "tools/TmMessage.h"

namespace {

// The old ORVEX block, before "Version06.3-2", is a fixed number of lines
// that carry nothing the scoring uses.
const int kOldOrvexBlockLines = 16;

const CPrjField kGeneralFields[] = {
    {0, L"地下室层数", kPrjInt16, kPrjToInt, 0},
    {1, L"有侧约束的地下室层数", kPrjInt16, kPrjToInt, 0},
    {3, L"结构形式", kPrjChar, kPrjToInt, 0},
    {4, L"结构材料信息", kPrjChar, kPrjToInt, 0},
    {5, L"结构重要性系数", kPrjFloat, kPrjReal, 0},
    {6, L"竖向荷载计算标志", kPrjChar, kPrjToInt, 0},
    {7, L"考虑重力二阶效应", kPrjChar, kPrjToInt, 0},
    {8, L"梁柱重叠部分简化为刚域", kPrjChar, kPrjToInt, 0},
    {9, L"钢柱计算长度系数有无考虑侧移标志", kPrjChar, kPrjToInt, 0},
    {10, L"墙竖向细分尺寸", kPrjFloat, kPrjReal, 0},
    {11, L"墙水平细分尺寸", kPrjFloat, kPrjReal, 0},
    {12, L"是否异形柱结构", kPrjChar, kPrjToIntPrime, 0},
    {13, L"砼柱计算长度系数计算原则", kPrjChar, kPrjToIntPrime, 0},
    {14, L"所有楼层强制采用刚性楼板假定", kPrjChar, kPrjToIntPrime, 0},
    {15, L"嵌固层最大结构层号", kPrjInt16, kPrjToIntPrime, 0},
    {17, L"考虑填充墙刚度", kPrjChar, kPrjToIntPrime, 0},
    {20, L"梁配筋计算考虑板的影响", kPrjChar, kPrjToIntPrime, 0},
    {21, L"梁配筋计算考虑压筋的影响", kPrjChar, kPrjToIntPrime, 0},
    {22, L"是否为高层结构", kPrjChar, kPrjToIntPrime, 0},
    {23, L"是否满足广东高层", kPrjChar, kPrjToIntPrime, 0},
};

const CPrjField kEarthquakeFields1[] = {
    {0, L"地震力计算标志", kPrjChar, kPrjToInt, 0},
    {1, L"地震设防烈度", kPrjFloat, kPrjReal, 0},
    // The site class is -1 when not given; int± keeps it -1 where the
    // plain nudge would give 0.
    {2, L"场地类别", kPrjChar, kPrjToIntSigned, 0},
    {3, L"地震设计分组", kPrjChar, kPrjToInt, 0},
    {4, L"水平地震影响系数最大值", kPrjFloat, kPrjReal, 0},
    {5, L"特征周期", kPrjFloat, kPrjReal, 0},
    {6, L"计算地震的结构阻尼比", kPrjFloat, kPrjReal, 0},
    {7, L"振型计算方法", kPrjChar, kPrjToInt, 0},
    {8, L"振型组合数", kPrjInt, kPrjToInt, 0},
    {9, L"计算扭转的地震方向", kPrjChar, kPrjToInt, 0},
    {11, L"曲线下降段的衰减指数", kPrjFloat, kPrjReal, 0},
};
const int kEarthquakeDirectionsIndex = 10;
const int kEarthquakeDampingIndex = 6;

const CPrjField kEarthquakeFields2[] = {
    {0, L"框架抗震等级", kPrjChar, kPrjToInt, 0},
    {1, L"剪力墙抗震等级", kPrjChar, kPrjToInt, 0},
    {2, L"周期折减系数", kPrjFloat, kPrjReal, 0},
    {3, L"全楼地震力放大系数", kPrjFloat, kPrjReal, 0},
    {4, L"顶部小塔楼考虑鞭梢效应的层数", kPrjChar, kPrjToInt, 0},
    {5, L"顶部小塔楼考虑鞭梢效应的放大系数", kPrjFloat, kPrjReal, 0},
    {6, L"考虑偶然偏心", kPrjChar, kPrjToInt, 0},
    {7, L"框架剪力调整段数", kPrjInt, kPrjToInt, 0},
    {8, L"性能设计级别", kPrjChar, kPrjToIntSigned, 0},
    {9, L"计算竖向振型", kPrjChar, kPrjToInt, 0},
    {10, L"构造抗震等级", kPrjChar, kPrjToInt, 0},
    {11, L"地震水准", kPrjChar, kPrjToInt, 0},
    {12, L"调整系数0.2V0上限", kPrjFloat, kPrjReal, 2.0f},
    {13, L"框支柱调整系数上限", kPrjFloat, kPrjReal, 5.0f},
};
const int kWhipStoreyCountField = 4;     // in kEarthquakeFields2
const int kShearSegmentCountField = 7;   // in kEarthquakeFields2
// Mass eccentricity of a direction that the line does not give.
const float kDefaultEccentricity = 5.0f;

// "风信息" before and after "计算风的结构阻尼比" (#13), whose default is the
// earthquake damping ratio and so is not a constant.
const CPrjField kWindFields1[] = {
    {0, L"风力计算标志", kPrjChar, kPrjToInt, 0},
    {2, L"坡地建筑一层相对风为0的标高", kPrjFloat, kPrjReal, 0},
    {3, L"地面粗糙度", kPrjChar, kPrjToInt, 0},
    {4, L"风体形系数分段数", kPrjChar, kPrjToInt, 0},
    {5, L"第1段体形系数最高层号", kPrjInt, kPrjToInt, 0},
    {7, L"第2段体形系数最高层号", kPrjInt, kPrjToInt, 0},
    {9, L"第3段体形系数最高层号", kPrjInt, kPrjToInt, 0},
};
const CPrjField kWindFields2[] = {
    {14, L"考虑横风向风振影响", kPrjChar, kPrjToInt, 0},
    {15, L"第1阶扭转周期", kPrjFloat, kPrjReal, 0.2f},
    {17, L"计算舒适度的结构阻尼比", kPrjFloat, kPrjReal, 0.02f},
    {18, L"承载力设计时风荷载效应放大系数", kPrjFloat, kPrjReal, 1.0f},
    {19, L"计算横风振时结构截面类型", kPrjChar, kPrjToInt, 0},
    {20, L"考虑扭转风振影响", kPrjChar, kPrjToInt, 0},
};
const int kWindDampingIndex = 13;
const int kWindDirectionsIndex = 12;

// The seven per-direction wind lists, in the order they are created, with
// the fields of direction 1 in the first data line and of a further
// direction in its own line (-1: the further lines do not give it).
struct CWindList {
    const wchar_t* m_name;
    int m_firstLineIndex;
    int m_directionLineIndex;
};
const CWindList kWindLists[] = {
    {L"计算风荷载的基本风压", 1, 0},
    {L"第1段体型系数", 6, 1},
    {L"第2段体型系数", 8, 2},
    {L"第3段体型系数", 10, 3},
    {L"计算风的结构自振基本周期", 11, 4},
    {L"计算舒适度的基本风压", 16, 5},
    {L"角沿修正比例", 21, 6},
};
const int kWindListCount = 7;
const int kComfortList = 5;
const int kFirstOptionalDirectionField = 5;

const CPrjField kAdjustmentFields1[] = {
    {0, L"连梁刚度折减系数", kPrjFloat, kPrjReal, 0},
    {1, L"中梁刚度放大系数", kPrjFloat, kPrjReal, 0},
    {2, L"梁负弯矩调幅系数", kPrjFloat, kPrjReal, 0},
    {3, L"梁正负弯矩放大系数", kPrjFloat, kPrjReal, 0},
    {4, L"梁扭矩折减系数", kPrjFloat, kPrjReal, 0},
    {5, L"转换梁地震内力增大系数", kPrjFloat, kPrjReal, 0},
    {6, L"是否要进行墙柱基础活荷载折减标志", kPrjChar, kPrjToInt, 0},
    {7, L"是否要考虑活载不利布置", kPrjInt, kPrjToInt, 0},
};
const int kLiveLoadReductionIndex = 8;
const float kLiveLoadReductionDefaults[6] = {1.0f, 0.85f, 0.7f, 0.65f, 0.6f, 0.55f};
const CPrjField kAdjustmentFields2[] = {
    {14, L"高800以上梁中梁刚度放大系数", kPrjFloat, kPrjReal, 1.0f},
    {15, L"考虑结构使用年限的活载调整系数", kPrjFloat, kPrjReal, 1.0f},
};

const CPrjField kCombinationFields[] = {
    {0, L"恒荷载分项系数", kPrjFloat, kPrjReal, 0},
    {1, L"活荷载分项系数", kPrjFloat, kPrjReal, 0},
    {2, L"非屋面活载组合值系数", kPrjFloat, kPrjReal, 0},
    {3, L"屋面活载组合值系数", kPrjFloat, kPrjReal, 0},
    {4, L"活载重力荷载代表值系数", kPrjFloat, kPrjReal, 0},
    {5, L"吊车荷载分项系数", kPrjFloat, kPrjReal, 0},
    {6, L"吊车荷载组合值系数", kPrjFloat, kPrjReal, 0},
    {7, L"吊车重力荷载代表值系数", kPrjFloat, kPrjReal, 0},
    {8, L"温度荷载分项系数", kPrjFloat, kPrjReal, 0},
    {9, L"温度组合值系数", kPrjFloat, kPrjReal, 0},
    {10, L"雪荷载分项系数", kPrjFloat, kPrjReal, 0},
    {11, L"雪荷载组合值系数", kPrjFloat, kPrjReal, 0},
    {12, L"风荷载分项系数", kPrjFloat, kPrjReal, 0},
    {13, L"风荷载组合系数", kPrjFloat, kPrjReal, 0},
    {14, L"水平地震荷载分项系数", kPrjFloat, kPrjReal, 0},
    {15, L"竖向地震荷载分项系数", kPrjFloat, kPrjReal, 0},
    {16, L"非屋面活载准永久值系数", kPrjFloat, kPrjReal, 0},
    {17, L"屋面活载准永久值系数", kPrjFloat, kPrjReal, 0},
    {18, L"吊车荷载准永久值系数", kPrjFloat, kPrjReal, 0},
    {19, L"雪荷载准永久值系数", kPrjFloat, kPrjReal, 0},
};

const CPrjField kMaterialFields[] = {
    {0, L"砼构件容重", kPrjFloat, kPrjReal, 0},
    {1, L"梁主筋强度", kPrjFloat, kPrjReal, 0},
    {2, L"梁箍筋强度", kPrjFloat, kPrjReal, 0},
    {3, L"柱主筋强度", kPrjFloat, kPrjReal, 0},
    {4, L"柱箍筋强度", kPrjFloat, kPrjReal, 0},
    {5, L"墙端暗柱主筋强度", kPrjFloat, kPrjReal, 0},
    {6, L"墙水平分布筋强度", kPrjFloat, kPrjReal, 0},
    {7, L"钢构件容重", kPrjFloat, kPrjReal, 0},
    {8, L"钢构件牌号", kPrjChar, kPrjToInt, 0},
    {9, L"型钢构件牌号", kPrjChar, kPrjToInt, 0},
    {10, L"净截面和毛截面比值", kPrjFloat, kPrjReal, 0},
    {11, L"柱保护层厚度", kPrjInt, kPrjToInt, 0},
    {12, L"梁保护层厚度", kPrjInt, kPrjToInt, 0},
    {13, L"墙保护层厚度", kPrjInt, kPrjToInt, 0},
    {14, L"板保护层厚度", kPrjInt, kPrjToInt, 0},
    {15, L"混凝土热膨胀系数", kPrjFloat, kPrjReal, 0},
    {16, L"钢热膨胀系数", kPrjFloat, kPrjReal, 0},
    {17, L"板钢筋级别或强度", kPrjFloat, kPrjReal, 360.0f},
};
// The line is read with at most 18 values, so the wall stirrups take the
// strength of the horizontal wall bars (#6).
const int kWallStirrupSourceIndex = 6;

const CPrjField kFoundationFields[] = {
    {0, L"X向基床反力系数", kPrjFloat, kPrjReal, 0},
    {1, L"Y向基床反力系数", kPrjFloat, kPrjReal, 0},
};

const CPrjField kTimeHistoryFields[] = {
    {1, L"主分量峰值加速度值", kPrjFloat, kPrjReal, 0},
    {2, L"次分量峰值加速度值", kPrjFloat, kPrjReal, 0},
    {3, L"垂直分量峰值加速度值", kPrjFloat, kPrjReal, 0},
    {4, L"地震波波速", kPrjFloat, kPrjReal, 0},
};

class COrvexGeneralInfo {
public:
    COrvexGeneralInfo(CPrjLineReader& line, CScoringGenInfoItem& item) : m_line(line), m_item(item) {}

    bool Read();

private:
    bool Title(const wchar_t* title, const wchar_t* message);
    bool ReadGeneral();
    bool ReadEarthquake();
    bool ReadWind();
    bool ReadAdjustment();
    bool ReadCombination();
    bool ReadMaterial();
    bool ReadFoundation();
    bool ReadTimeHistory();
    void AddFields(int group, const CPrjField* fields, size_t count)
    {
        AddPrjFieldValues(m_item, group, m_line, fields, count);
    }
    template <size_t N>
    void AddFields(int group, const CPrjField (&fields)[N])
    {
        AddFields(group, fields, N);
    }
    void AddFloat(const wchar_t* name, int group, float value)
    {
        m_item.AddValue(new CTmFloatData(name, group, value));
    }

    CPrjLineReader& m_line;
    CScoringGenInfoItem& m_item;
    // "计算地震的结构阻尼比", the default of the wind damping ratio.
    float m_earthquakeDamping = 0.0f;
};

bool COrvexGeneralInfo::Read()
{
    return ReadGeneral() && ReadEarthquake() && ReadWind() && ReadAdjustment() && ReadCombination() &&
           ReadMaterial() && ReadFoundation() && ReadTimeHistory();
}

bool COrvexGeneralInfo::Title(const wchar_t* title, const wchar_t* message)
{
    if (m_line.TitleLine(title))
        return true;
    TMTOOLS::OS::TmShowWarnMessage(message);
    return false;
}

bool COrvexGeneralInfo::ReadGeneral()
{
    if (!Title(L"总信息", L"读取'总信息'出错!") || !m_line.RealLine(24))
        return false;
    AddFields(TM_GROUP_GENERAL, kGeneralFields);
    m_item.m_basementFloorCount = LowWord(m_line.Int(1));
    m_item.m_resultOption = m_line.IntPrime(19);
    const int transferCount = m_line.Int(2);
    const int weakCount = m_line.IntPrime(16);
    const int strengthenedCount = m_line.IntPrime(18);

    std::vector<int32_t> transfer, weak, strengthened;
    if (!m_line.OptionalIntegerList(transferCount, 8, transfer) || !m_line.OptionalIntegerList(weakCount, 10, weak) ||
        !m_line.OptionalIntegerList(strengthenedCount, 10, strengthened))
        return false;
    m_item.AddValue(new CTmIntArrayData(L"转换层所在的结构层号", TM_GROUP_GENERAL, transfer));
    m_item.AddValue(new CTmIntArrayData(L"薄弱的结构层号", TM_GROUP_GENERAL, weak));
    m_item.AddValue(new CTmIntArrayData(L"加强层所在的结构层号", TM_GROUP_GENERAL, strengthened));
    return true;
}

bool COrvexGeneralInfo::ReadEarthquake()
{
    if (!Title(L"地震信息", L"读取'地震信息'出错!") || !m_line.RealLine(14))
        return false;
    AddFields(TM_GROUP_EARTHQUAKE, kEarthquakeFields1);
    m_earthquakeDamping = m_line.Real(kEarthquakeDampingIndex);
    const int directions = LowByte(m_line.Int(kEarthquakeDirectionsIndex));

    if (!m_line.RealLine(14))
        return false;
    AddFields(TM_GROUP_EARTHQUAKE, kEarthquakeFields2);
    const int whipStoreys = LowByte(PrjFieldInteger(m_line, kEarthquakeFields2[kWhipStoreyCountField]));
    const int shearSegments = PrjFieldInteger(m_line, kEarthquakeFields2[kShearSegmentCountField]);

    // Per direction: its angle at #i and its mass eccentricity at #(D + i).
    std::vector<float> angles, eccentricities;
    if (directions > 0) {
        if (!m_line.RealLine(16))
            return false;
        for (int i = 0; i < directions; ++i) {
            angles.push_back(m_line.Real(i));
            eccentricities.push_back(m_line.Real(directions + i, kDefaultEccentricity));
        }
    }
    m_item.AddValue(new CTmFloatArrayData(L"地震方向角", TM_GROUP_EARTHQUAKE, angles));
    m_item.AddValue(new CTmFloatArrayData(L"偶然偏心时质量偏心", TM_GROUP_EARTHQUAKE, eccentricities));

    std::vector<int32_t> whipStoreyNumbers, shearStoreyNumbers;
    if (!m_line.OptionalIntegerList(whipStoreys, 15, whipStoreyNumbers) ||
        !m_line.OptionalIntegerList(shearSegments, 10, shearStoreyNumbers))
        return false;
    m_item.AddValue(new CTmIntArrayData(L"顶部小塔楼考虑鞭梢效应的层号", TM_GROUP_EARTHQUAKE, whipStoreyNumbers));
    m_item.AddValue(new CTmIntArrayData(L"剪力调整Vo所在的层号", TM_GROUP_EARTHQUAKE, shearStoreyNumbers));
    return true;
}

bool COrvexGeneralInfo::ReadWind()
{
    if (!Title(L"风信息", L"读取'风信息'出错!") || !m_line.RealLine(22))
        return false;
    AddFields(TM_GROUP_WIND, kWindFields1);
    AddFloat(L"计算风的结构阻尼比", TM_GROUP_WIND, m_line.Real(kWindDampingIndex, m_earthquakeDamping));
    AddFields(TM_GROUP_WIND, kWindFields2);

    const int directions = LowByte(m_line.Int(kWindDirectionsIndex));
    std::vector<float> lists[kWindListCount];
    for (int k = 0; k < kWindListCount; ++k)
        lists[k].push_back(m_line.Real(kWindLists[k].m_firstLineIndex));
    // The comfort pressure defaults to the basic pressure of the direction.
    if (!m_line.Has(kWindLists[kComfortList].m_firstLineIndex))
        lists[kComfortList][0] = lists[0][0];

    std::vector<float> directionAngles;
    if (directions > 0) {
        if (!m_line.RealLine(8))
            return false;
        for (int i = 0; i < m_line.Count(); ++i)
            directionAngles.push_back(m_line.Real(i));
    }
    m_item.AddValue(new CTmFloatArrayData(L"风方向", TM_GROUP_WIND, directionAngles));

    if (directions > 1) {
        if (m_line.NextLineContains(L"调整信息")) {
            // No per-direction lines: every direction repeats direction 1.
            for (int d = 1; d < directions; ++d) {
                for (int k = 0; k < kWindListCount; ++k)
                    lists[k].push_back(lists[k][0]);
            }
        } else {
            for (int d = 1; d < directions; ++d) {
                if (!m_line.RealLine(7))
                    return false;
                for (int k = 0; k < kWindListCount; ++k) {
                    const int index = kWindLists[k].m_directionLineIndex;
                    if (index < kFirstOptionalDirectionField || m_line.Has(index))
                        lists[k].push_back(m_line.Real(index));
                }
            }
        }
    }
    for (int k = 0; k < kWindListCount; ++k)
        m_item.AddValue(new CTmFloatArrayData(kWindLists[k].m_name, TM_GROUP_WIND, lists[k]));
    return true;
}

bool COrvexGeneralInfo::ReadAdjustment()
{
    if (!Title(L"调整信息", L"读取'调整信息'出错!") || !m_line.RealLine(16))
        return false;
    AddFields(TM_GROUP_ADJUSTMENT, kAdjustmentFields1);
    // The six reduction factors come as a whole from a line that reaches
    // them; a line cut short within them keeps the defaults of the rest.
    std::vector<float> reduction(kLiveLoadReductionDefaults, kLiveLoadReductionDefaults + 6);
    if (m_line.Has(kLiveLoadReductionIndex)) {
        for (int i = 0; i < 6; ++i)
            reduction[i] = m_line.Real(kLiveLoadReductionIndex + i, kLiveLoadReductionDefaults[i]);
    }
    m_item.AddValue(new CTmFloatArrayData(L"墙柱基础活荷载折减系数", TM_GROUP_ADJUSTMENT, reduction));
    AddFields(TM_GROUP_ADJUSTMENT, kAdjustmentFields2);
    return true;
}

bool COrvexGeneralInfo::ReadCombination()
{
    if (!Title(L"组合系数", L"读取'组合系数'出错!") || !m_line.RealLine(20))
        return false;
    AddFields(TM_GROUP_ADJUSTMENT, kCombinationFields);
    return true;
}

bool COrvexGeneralInfo::ReadMaterial()
{
    if (!Title(L"材料信息", L"读取'材料信息'出错!") || !m_line.RealLine(18))
        return false;
    AddFields(TM_GROUP_MATERIAL, kMaterialFields);
    AddFloat(L"墙箍筋强度", TM_GROUP_MATERIAL, m_line.Real(kWallStirrupSourceIndex));
    return true;
}

bool COrvexGeneralInfo::ReadFoundation()
{
    if (!Title(L"基础信息", L"读取'基础信息'出错!") || !m_line.RealLine(4))
        return false;
    AddFields(TM_GROUP_FOUNDATION, kFoundationFields);
    return true;
}

// Optional: a block without it ends here, and its next line is left for
// what follows.
bool COrvexGeneralInfo::ReadTimeHistory()
{
    if (!m_line.NextLineContains(L"时程信息"))
        return true;
    m_line.TextLine();
    if (!m_line.RealLine(5))
        return false;
    const long long waveCount = m_line.IntSigned(0);
    AddFields(TM_GROUP_TIME_HISTORY, kTimeHistoryFields);
    std::vector<std::wstring> waves;
    const long long lines = waveCount < 0 ? -waveCount : waveCount;
    for (long long i = 0; i < lines; ++i) {
        std::wstring name = m_line.TextLineWithoutLineFeed();
        if (m_line.AtEnd())
            break;
        waves.push_back(name);
    }
    m_item.AddValue(new CTmStringArrayData(TM_GROUP_TIME_HISTORY, waves));
    return true;
}

}  // namespace

bool ReadOrvexGeneralInfo(const std::wstring& header, FILE* file, CReadALine& reader, CScoringProject& project)
{
    CPrjLineReader line(file, reader);
    if (header.find(L"Version06.3-2") == std::wstring::npos) {
        for (int i = 0; i < kOldOrvexBlockLines; ++i)
            line.TextLine();
        return true;
    }
    COrvexGeneralInfo general(line, project.m_genInfoItem);
    return general.Read();
}
