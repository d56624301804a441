"""The four ORVEX18 result files of a project, laid out as the analysis
program prints them.

A real output carries far more than the grader reads: a banner, the echo of
every design parameter, per-storey tables for every load case, mode and
direction, repeated column headers, page breaks and notes. The tables the
grader reads sit among them, in the order and with the headings the program
uses. Everything around them is filler of the right shape: its numbers are
plausible, never read, and its headings never repeat one the grader looks
for (a filler heading that did would change what is read).

Each function takes a project's parameters (see generate.py) and returns the
file's lines; the numbers of the filler come from a random generator seeded
by the project's title and the file, so a project always gets the same
bytes.
"""

import random

RULE = "=" * 78
DASHES = "-" * 74

BANNER = [
    "  " + "*" * 74,
    "  *" + " " * 72 + "*",
    "  *          ORVEX18  多层及高层建筑结构空间有限元分析与设计软件            *",
    "  *                     版本 2018.06    (2018 年 6 月)                       *",
    "  *" + " " * 72 + "*",
    "  " + "*" * 74,
    "",
]


def heading(text):
    return [RULE, "%s%s" % (" " * max(2, (78 - 2 * len(text)) // 2), text), RULE]


class Pages:
    """Page breaks between sections: a form feed and the page's header."""

    def __init__(self, title):
        self.title = title
        self.number = 1

    def brk(self, lines):
        self.number += 1
        lines += ["\f  ORVEX18  %s%s第 %d 页" % (self.title, " " * 30, self.number), ""]


def opening(p, file_title, file_name, contents):
    return BANNER + [
        "                       ORVEX18 %s" % file_title,
        "  工程名称: %s" % p["title"],
        "  文件名称: %s      计算日期: 2010. 1. 1   开始时间:  8: 0: 0" % file_name,
        "  目录: %s" % contents[0],
    ] + ["        %s" % more for more in contents[1:]] + [""]


def notes(r, topic):
    """A paragraph of the program's remarks at a section's end."""
    clauses = ["抗规 3.4.3", "抗规 5.2.5", "高规 3.4.5", "高规 3.5.2", "高规 3.7.3", "高规 5.4.1", "混规 11.4.16"]
    lines = ["  说明:"]
    for k in range(1, r.randint(3, 6)):
        lines.append("   %d. %s的计算结果依据 %s 给出, 限值按设计参数取用;" % (k, topic, r.choice(clauses)))
        lines.append("      表中数值为各塔各层的最不利值, 未满足限值的楼层以 * 号标出。")
    lines.append("")
    return lines


def storey_levels(p):
    levels, level = [], 0.0
    for h in p["storey_heights"]:
        level += h
        levels.append(level)
    return levels


# --------------------------------------------------------------------------
# 结构信息


PARAMETER_GROUPS = [
    ("总信息", ["结构材料信息: 钢砼结构", "混凝土容重 (kN/m3): Gc = 25.00", "钢材容重 (kN/m3): Gs = 78.00",
              "水平力的夹角 (Degree): ARF = 0.00", "地下室层数: MBASE = 0", "竖向荷载计算信息: 按模拟施工3加荷计算",
              "风荷载计算信息: 计算X,Y两个方向的风荷载", "地震力计算信息: 计算X,Y两个方向的地震力",
              "特殊荷载计算信息: 不计算", "结构类别: 框架结构", "裙房层数: MANNEX = 0", "转换层所在层号: MCHANGE = 0",
              "墙元细分最大控制长度(m): DMAX = 1.00", "墙元侧向节点信息: 内部节点", "是否对全楼强制采用刚性楼板假定: 否",
              "采用的楼层刚度算法: 层间剪力比层间位移算法", "结构所在地区: 全国"]),
    ("风荷载信息", ["修正后的基本风压 (kN/m2): WO = %(wind_pressure).2f", "风荷载作用下舒适度验算风压(kN/m2): WOC = 0.30",
                "地面粗糙程度: C 类", "结构X向基本周期(秒): Tx = %(wind_period).2f",
                "结构Y向基本周期(秒): Ty = %(wind_period).2f", "是否考虑风振: 是", "风荷载作用下结构的阻尼比(%%): WDAMP = 5.00",
                "承载力设计时风荷载效应放大系数: WENL = 1.00", "体形变化分段数: MPART = 1",
                "各段最高层号: NSTi = %(floors)d", "各段体形系数: USi = 1.30"]),
    ("地震信息", ["振型组合方法(CQC耦联; SRSS非耦联): CQC", "计算振型数: NMODE = %(modes)d",
               "地震烈度: NAF = %(intensity).2f", "场地类别: KD = %(site)d", "设计地震分组: 第 %(group)d 组",
               "特征周期: TG = 0.35", "地震影响系数最大值: Rmax1 = %(alpha_max).2f", "结构的阻尼比 (%%): DAMP = 5.00",
               "是否考虑偶然偏心: 是", "是否考虑双向地震扭转效应: 否", "斜交抗侧力构件方向的附加地震数 = 0",
               "活荷重力荷载代表值组合系数: RMC = 0.50", "周期折减系数: TC = %(period_factor).2f",
               "结构的框架抗震等级: NF = %(frame_grade)d", "剪力墙抗震等级: NW = 3", "钢框架抗震等级: NS = 3",
               "是否按抗规5.2.5调整楼层地震力: 是"]),
    ("活荷载信息", ["考虑活荷不利布置的层数: 从第 1 到 %(floors)d 层", "柱、墙活荷载是否折减: 不折算",
                "传到基础的活荷载是否折减: 折算", "考虑结构使用年限的活荷载调整系数: 1.00"]),
    ("调整信息", ["中梁刚度增大系数: BK = 2.00", "梁端弯矩调幅系数: BT = 0.85", "梁设计弯矩增大系数: BM = 1.00",
               "连梁刚度折减系数: BLZ = 0.60", "梁扭矩折减系数: TB = 0.40", "全楼地震力放大系数: RSF = 1.00",
               "0.2Vo 调整分段数: VSEG = 0", "0.2Vo 调整上限: KQ_L = 2.00", "框支柱调整上限: KZZ_L = 5.00",
               "顶塔楼内力放大起算层号: NTL = 0", "顶塔楼内力放大: RTL = 1.00", "薄弱层地震内力放大系数: WEAKCOEF = 1.25"]),
    ("配筋信息", ["梁主筋强度 (N/mm2): IB = %(bar_strength)d", "柱主筋强度 (N/mm2): IC = %(bar_strength)d",
               "墙主筋强度 (N/mm2): IW = %(bar_strength)d", "梁箍筋强度 (N/mm2): JB = 300", "柱箍筋强度 (N/mm2): JC = 300",
               "墙分布筋强度 (N/mm2): JWH = 300", "梁箍筋最大间距 (mm): SB = 100.00", "柱箍筋最大间距 (mm): SC = 100.00",
               "墙水平分布筋最大间距 (mm): SWH = 200.00", "墙竖向筋分布最小配筋率 (%%): RWV = 0.25",
               "梁保护层厚度 (mm): BCB = %(cover).2f", "柱保护层厚度 (mm): ACA = %(cover).2f"]),
    ("设计信息", ["结构重要性系数: RWO = 1.00", "柱计算长度计算原则: 有侧移", "梁柱重叠部分简化: 不作为刚域",
               "是否考虑 P-Delt 效应: 否", "柱配筋计算原则: 按单偏压计算", "按高规或高钢规进行构件设计: 否",
               "钢构件截面净毛面积比: RN = 0.85", "梁保护层厚度 (mm): BCB = %(cover).2f", "是否按砼规范 (7.3.11-3) 计算砼柱计算长度系数: 否"]),
    ("荷载组合信息", ["恒载分项系数: CDEAD = 1.30", "活载分项系数: CLIVE = 1.50", "风荷载分项系数: CWIND = 1.50",
                 "水平地震力分项系数: CEA_H = 1.30", "竖向地震力分项系数: CEA_V = 0.50", "活荷载的组合系数: CD_L = 0.70",
                 "风荷载的组合系数: CD_W = 0.60", "活荷载的重力荷载代表值系数: CEA_L = 0.50"]),
]


def parameter_echo(p):
    values = dict(p)
    values["modes"] = len(p["periods"])
    lines = []
    for group, entries in PARAMETER_GROUPS:
        lines += ["  %s: ........................................" % group, ""]
        for entry in entries:
            lines.append("  " + entry % values)
        lines.append("")
    return lines


def structure_text(p):
    n = p["floors"]
    w = p["storey_weights"]
    r = random.Random("%s/结构信息" % p["title"])
    pages = Pages("结构信息")
    lines = opening(p, "结构信息输出", "%s_结构信息.txt" % p["base"],
                    ["1. 设计参数  2. 每层几何信息  3. 各层的重量、质心和刚度中心",
                     "4. 各层刚心、偏心率、相邻层侧移刚度比等计算信息  5. 风荷载信息",
                     "6. 侧向刚度比  7. 楼层抗剪承载力  8. 结构整体抗倾覆验算"])
    lines.append("  结构类型: 框架结构      结构计算总层数: %d" % n)
    lines.append("")
    lines += heading("设计参数")
    lines += parameter_echo(p)
    pages.brk(lines)

    lines += heading("每层几何信息......")
    lines.append(" 层号  塔号    层高(m)   累计高度(m)")
    for storey, level in enumerate(storey_levels(p), 1):
        lines.append("%6d%6d%11.3f%13.3f" % (storey, 1, p["storey_heights"][storey - 1], level))
    lines.append("")
    lines += heading("各层构件数量、构件材料和层高")
    lines.append(" 层号(标准层号)  塔号    梁数(砼)  柱数(砼)  墙数(砼)    层高(m)   累计高度(m)")
    for storey, level in enumerate(storey_levels(p), 1):
        beams, columns = 96 + r.randint(0, 8), 40 + r.randint(0, 4)
        lines.append("%6d(%4d)%8d%8d(%2d)%6d(%2d)%6d(%2d)%11.3f%13.3f" % (
            storey, 1 + (storey - 1) * len(p["standard_storey_tops"]) // n, 1, beams, p["beam_grade"], columns,
            p["column_grade"], 0, p["column_grade"], p["storey_heights"][storey - 1], level))
    lines.append("")
    pages.brk(lines)

    lines += heading("各层的重量、质心和刚度中心")
    lines.append(" 层号 塔号   恒载重量(kN)  活载重量(kN)  总重量(kN)   质心X(m)   质心Y(m)")
    dead_sum = live_sum = 0.0
    for storey in range(1, n + 1):
        live = round(w[storey - 1] * p["live_share"], 2)
        dead = round(w[storey - 1] - live, 2)
        dead_sum += dead
        live_sum += live
        lines.append("%6d%5d%14.2f%14.2f%13.2f%11.3f%11.3f" % (storey, 1, dead, live, dead + live, 16.2, 7.35))
    lines.append(" 合计:%14.2f%14.2f%13.2f" % (dead_sum, live_sum, dead_sum + live_sum))
    lines.append("")
    lines += notes(r, "楼层质量")
    pages.brk(lines)

    lines += heading("各层刚心、偏心率、相邻层侧移刚度比等计算信息")
    lines += ["  Floor No  : 层号                 Tower No  : 塔号",
              "  Xstif,Ystif : 刚心的 X,Y 坐标值    Alf : 层刚性主轴的方向",
              "  Xmass,Ymass : 质心的 X,Y 坐标值    Gmass : 总质量",
              "  Eex,Eey : X,Y 方向的偏心率",
              "  Ratx,Raty : X,Y 方向本层塔侧移刚度与下一层相应塔侧移刚度的比值",
              "  RJX,RJY,RJZ : 结构总体坐标系中塔的侧移刚度和扭转刚度", ""]
    for storey in range(1, n + 1):
        stiff = 8.5e5 + 1.2e5 * storey
        lines += [" Floor No. %d   Tower No. 1" % storey,
                  " Xstif= %10.4f(m)  Ystif= %10.4f(m)  Alf  = %10.4f(Degree)" % (
                      16.2 + r.uniform(-0.3, 0.3), 7.35 + r.uniform(-0.2, 0.2), 45.0),
                  " Xmass= %10.4f(m)  Ymass= %10.4f(m)  Gmass(活荷折减)= %11.4f(%11.4f)(t)" % (
                      16.2, 7.35, w[storey - 1] / 9.8, w[storey - 1] * 0.93 / 9.8),
                  " Eex  = %10.4f     Eey  = %10.4f" % (r.uniform(0, 0.05), r.uniform(0, 0.05)),
                  " Ratx = %10.4f     Raty = %10.4f" % (r.uniform(0.9, 1.1), r.uniform(0.9, 1.1)),
                  " Ratx1= %10.4f     Raty1= %10.4f     薄弱层地震剪力放大系数= %5.2f" % (
                      r.uniform(1.1, 1.6), r.uniform(1.1, 1.6), 1.00),
                  " RJX1 = %10.4E(kN/m) RJY1 = %10.4E(kN/m) RJZ1 = %10.4E(kN/m)" % (stiff, stiff * 1.08, 0.0),
                  " RJX3 = %10.4E(kN/m) RJY3 = %10.4E(kN/m) RJZ3 = %10.4E(kN/m)" % (stiff * 0.7, stiff * 0.75, 0.0),
                  " " + "-" * 74]
    lines.append("")
    pages.brk(lines)

    lines += heading("各层构件截面统计")
    lines.append(" 层号  塔号   构件    截面类型        数量     长度(m)    砼量(m3)    钢筋估算(t)")
    sections = (("柱", "600x600"), ("柱", "500x500"), ("主梁", "300x700"), ("主梁", "300x600"), ("次梁", "250x500"),
                ("次梁", "200x400"), ("连梁", "250x600"), ("板", "h=120"))
    for storey in range(1, n + 1):
        for kind, size in sections:
            count = r.randint(4, 40)
            length = count * r.uniform(3.0, 8.4)
            lines.append("%6d%6d%6s%14s%9d%12.2f%12.2f%14.3f" % (storey, 1, kind, size, count, length,
                                                               length * 0.18, length * 0.018))
    lines.append("")
    lines += heading("各楼层单位面积质量分布")
    lines.append(" 层号  塔号   单位面积质量(kg/m2)   质量比")
    for storey in range(1, n + 1):
        lines.append("%6d%6d%20.2f%11.2f" % (storey, 1, 1000 * w[storey - 1] / 9.8 / 1000.0, r.uniform(0.9, 1.1)))
    lines.append("")
    pages.brk(lines)

    lines += heading("风荷载信息")
    for label in ("X 向正风", "X 向负风", "Y 向正风", "Y 向负风"):
        lines.append("  %s.." % label)
        lines.append(" 层号  塔号   风荷载(kN)   剪力(kN)   倾覆弯矩(kN-m)")
        shear = moment = 0.0
        for storey in range(n, 0, -1):
            force = p["wind_pressure"] * 40.0 * p["storey_heights"][storey - 1] * (0.8 + 0.4 * storey / n)
            shear += force
            moment += shear * p["storey_heights"][storey - 1]
            lines.append("%6d%6d%12.1f%12.1f%16.1f" % (storey, 1, force, shear, moment))
        lines.append("")
    pages.brk(lines)

    for table in ("侧向刚度比(抗规3.4.3条文说明)", "修正侧向刚度比(高规3.5.2-2)"):
        lines += heading(table)
        for direction, label in ((0, "  0(度)方向.."), (1, "  90(度)方向..")):
            lines.append(label)
            lines.append(" 层号 塔号      K(kN/m)      本层/上层     比值")
            ratios = p["stiffness_ratio"][direction]
            for i, storey in enumerate(range(n, 0, -1)):
                stiffness = 8.5e5 + 1.2e5 * storey
                lines.append("%6d%5d%15.4E%12.4f%11.4f" % (storey, 1, stiffness, 0.7 * ratios[i], ratios[i]))
            lines.append("")
    lines += notes(r, "侧向刚度比")
    pages.brk(lines)

    lines += heading("楼层抗剪承载力")
    for label in ("X 方向", "Y 方向"):
        lines.append("  %s:" % label)
        lines.append(" 层号  塔号    X向承载力    Y向承载力    Ratio_Bu:X,Y")
        for storey in range(n, 0, -1):
            lines.append("%6d%6d%13.4E%13.4E%9.2f%9.2f" % (storey, 1, 2.0e4 + 800 * (n - storey), 2.1e4 + 820 * (n - storey),
                                                         r.uniform(0.95, 1.1), r.uniform(0.95, 1.1)))
        lines.append("")
    lines += heading("结构整体抗倾覆验算")
    lines.append("                   抗倾覆力矩Mr     倾覆力矩Mov     比值Mr/Mov   零应力区(%)")
    for label in ("X风荷载", "Y风荷载", "X 地震", "Y 地震"):
        lines.append("  %-10s%16.4E%16.4E%12.2f%12.2f" % (label, 6.5e6 * n / 10, 2.1e5 * n / 10, r.uniform(15, 40), 0.0))
    lines.append("")
    lines += notes(r, "结构整体稳定")
    lines.append("  ====== 结构信息输出完毕 ======")
    return lines


# --------------------------------------------------------------------------
# 周期和地震作用


def mode_pattern(p):
    """Mass shares (X, Y, torsion), the angle and the translation factors of
    every mode."""
    periods = p["periods"]
    if len(periods) == 9:
        shares_x = [85.20, 0.02, 0.10, 9.10, 0.01, 0.05, 1.12, 0.00, 0.00]
        shares_y = [0.01, 84.90, 0.35, 0.02, 9.60, 0.08, 0.00, 1.24, 0.00]
        angles = [0.12, 90.05, 45.20, 0.35, 89.80, 130.10, 0.20, 90.10, 47.00]
        kinds = [(1.00, 0.00), (0.00, 0.99), (0.01, 0.01), (0.99, 0.00), (0.00, 0.98), (0.01, 0.02),
                 (0.99, 0.00), (0.00, 0.99), (0.01, 0.01)]
        return shares_x, shares_y, angles, kinds
    shares_x, shares_y, angles, kinds = [], [], [], []
    for mode in range(len(periods)):
        kind, rank = mode % 3, mode // 3
        share = 78.0 * (0.14 ** rank)
        shares_x.append(round(share, 2) if kind == 0 else 0.01)
        shares_y.append(round(share * 1.01, 2) if kind == 1 else 0.02)
        angles.append((0.15, 89.95, 45.10)[kind] + 0.01 * rank)
        kinds.append(((0.99, 0.00), (0.00, 0.99), (0.01, 0.01))[kind])
    return shares_x, shares_y, angles, kinds


def period_text(p):
    n = p["floors"]
    periods = p["periods"]
    w = p["storey_weights"]
    total = sum(w)
    r = random.Random("%s/周期和地震作用" % p["title"])
    pages = Pages("周期、振型和地震作用")
    lines = opening(p, "周期、振型和地震作用输出", "%s_周期和地震作用.txt" % p["base"],
                    ["1. 振动周期与振型   2. 各振型的振型位移   3. 各振型的地震力   4. 地震反应谱分析结果",
                     "5. 各楼层地震剪力系数调整情况"])
    shares_x, shares_y, angles, kinds = mode_pattern(p)
    lines += heading("折减前振动周期(秒)、振型参与质量")
    lines.append(" 振型号    周期(s)    X向参与质量(%)   Y向参与质量(%)   扭转参与质量(%)")
    for mode, period in enumerate(periods, 1):
        lines.append("%6d%12.4f%16.2f%17.2f%17.2f" % (mode, period / p["period_factor"], shares_x[mode - 1],
                                                      shares_y[mode - 1], 0.30))
    lines.append(" 合计:%33.2f%17.2f%17.2f" % (p["mass_sum"][0], p["mass_sum"][1], 94.10))
    lines.append("")
    # The mode rows start on the third line after this heading.
    lines += [RULE, "     周期、振型、平动系数和扭转系数......"]
    lines.append("   考虑扭转耦联时的振动周期(秒)、X,Y 方向的平动系数、扭转系数")
    lines.append("  振型号      周期       转 角          平动系数 (X+Y)          扭转系数")
    for mode, period in enumerate(periods, 1):
        tx, ty = kinds[mode - 1]
        torsion = round(1.0 - tx - ty, 2)
        lines.append("%8d%11.4f%11.2f%11.2f ( %.2f+%.2f )%12.2f" % (mode, period, angles[mode - 1], tx + ty, tx, ty,
                                                                  torsion))
    lines.append("  " + "-" * 70)
    lines.append("  地震作用最大的方向 = %.3f (度)" % 0.214)
    lines.append("")
    lines += notes(r, "振型")
    pages.brk(lines)

    levels = storey_levels(p)
    lines += heading("各振型的振型位移")
    for mode, period in enumerate(periods, 1):
        lines.append("  振型 %3d   周期 = %8.4f (秒)" % (mode, period))
        lines.append(" 层号  塔号     X-位移      Y-位移      转角")
        tx, ty = kinds[mode - 1]
        for storey in range(n, 0, -1):
            shape = levels[storey - 1] / levels[-1]
            lines.append("%6d%6d%12.4f%12.4f%12.4f" % (storey, 1, tx * shape, ty * shape, (1 - tx - ty) * shape * 0.01))
        lines.append("")
    pages.brk(lines)

    for axis in ("X", "Y"):
        lines += heading("各振型作用下 %s 方向的地震力" % axis)
        base_shears = []
        for mode, period in enumerate(periods, 1):
            lines.append("  振型 %3d 的地震力" % mode)
            lines.append(" 层号  塔号     F-X(kN)     F-Y(kN)     F-T(kN.m)")
            share = (shares_x if axis == "X" else shares_y)[mode - 1] / 100.0
            shear = 0.0
            for storey in range(n, 0, -1):
                force = share * w[storey - 1] * 0.08 * levels[storey - 1] / levels[-1]
                shear += force
                lines.append("%6d%6d%12.2f%12.2f%12.2f" % (storey, 1, force if axis == "X" else 0.01 * force,
                                                           force if axis == "Y" else 0.01 * force, r.uniform(-5, 5)))
            base_shears.append(shear)
            lines.append("")
        lines.append("  各振型作用下 %s 方向的基底剪力" % axis)
        lines.append("  振型号      剪力(kN)")
        for mode, shear in enumerate(base_shears, 1):
            lines.append("%8d%14.2f" % (mode, shear))
        lines.append("")
        pages.brk(lines)

    lines += heading("地震反应谱分析结果")
    for direction, label in ((0, "  0.0度方向.."), (1, "  90.0度方向..")):
        lines.append(label)
        axis = "xy"[direction]
        lines.append(" 层号  塔号     F%s(kN)     V%s(kN)    M%s(kN.m)  Static F%s(kN)" % (axis, axis, axis, axis))
        base_shear = total * p["shear_weight"][direction] / 100.0
        heights = p["storey_heights"]
        weights_heights = [w[i] * sum(heights[:i + 1]) for i in range(n)]
        whs = sum(weights_heights)
        shear = 0.0
        rows = []
        for storey in range(n, 0, -1):
            force = base_shear * weights_heights[storey - 1] / whs
            shear += force
            rows.append([storey, force, shear])
        # The overturning moment of a storey: its shear times the arm the
        # parameters give for the first storey, scaled up the building.
        for storey, force, shear in rows:
            arm = p["moment_arm"] * (n - storey + 1) / n
            lines.append("%6d%6d%11.2f%11.2f%12.2f%11.2f" % (storey, 1, force, shear, shear * arm, force * 1.04))
        lines.append("")
    lines += notes(r, "反应谱")
    pages.brk(lines)

    lines += heading("各楼层地震剪力系数调整情况")
    for label in ("X 方向", "Y 方向"):
        lines.append("  %s:" % label)
        lines.append(" 层号  塔号   剪重比(%)   调整系数   最小剪重比(%)")
        for storey in range(n, 0, -1):
            lines.append("%6d%6d%11.2f%11.2f%14.2f" % (storey, 1, r.uniform(2.0, 6.0), 1.00, 1.60))
        lines.append("")
    lines.append("  ====== 周期、振型和地震作用输出完毕 ======")
    return lines


# --------------------------------------------------------------------------
# 水平力效应验算


AXES = "ABCDEFGH"


def horizontal_text(p):
    n = p["floors"]
    total = sum(p["storey_weights"])
    r = random.Random("%s/水平力效应验算" % p["title"])
    pages = Pages("水平力效应验算")
    lines = opening(p, "水平力效应验算输出", "%s_水平力效应验算.txt" % p["base"],
                    ["1. 地震作用的剪重比  2. 重力二阶效应及结构稳定  3. 楼层层间抗侧力结构的承载力比值",
                     "4. 风荷载作用下的楼层剪力  5. 框架柱地震剪力分担及轴压比"])
    lines += heading("地震作用的剪重比")
    weights_above = [sum(p["storey_weights"][s:]) for s in range(n)]
    for direction, label in ((0, "  0.00度地震方向.."), (1, "  90.00度地震方向..")):
        lines.append(label)
        axis = "xy"[direction]
        lines.append(" 层号  塔号     V%s(kN)      G(kN)   剪重比(%%)   限值(%%)" % axis)
        lines.append(" " + "-" * 58)
        ratio = p["shear_weight"][direction]
        lines.append("%6d%6d%11.2f%12.2f%10.2f%10.2f" % (1, 1, total * ratio / 100.0, total, ratio, 1.60))
        for storey in range(2, n + 1):
            above = weights_above[storey - 1]
            upper = ratio * (1.0 + 0.04 * (storey - 1))
            lines.append("%6d%6d%11.2f%12.2f%10.2f%10.2f" % (storey, 1, above * upper / 100.0, above, upper, 1.60))
        lines.append("")
    lines += heading("各楼层地震剪力调整系数")
    for label in ("X 方向", "Y 方向"):
        lines.append("  %s:" % label)
        lines.append(" 层号  塔号   调整前剪力(kN)   调整系数   调整后剪力(kN)")
        for storey in range(n, 0, -1):
            shear = total * 0.03 * (n - storey + 1) / n
            lines.append("%6d%6d%15.2f%12.3f%15.2f" % (storey, 1, shear, 1.0, shear))
        lines.append("")
    pages.brk(lines)

    lines += heading("风荷载作用下的楼层剪力和倾覆弯矩")
    for label in ("0 度风", "90 度风", "180 度风", "270 度风"):
        lines.append("  %s:" % label)
        lines.append(" 层号  塔号   剪力(kN)   倾覆弯矩(kN.m)   剪力/重力(%)")
        shear = moment = 0.0
        for storey in range(n, 0, -1):
            shear += p["wind_pressure"] * 40.0 * p["storey_heights"][storey - 1]
            moment += shear * p["storey_heights"][storey - 1]
            lines.append("%6d%6d%11.2f%17.2f%14.3f" % (storey, 1, shear, moment, 100.0 * shear / total))
        lines.append("")
    pages.brk(lines)

    lines += heading("重力二阶效应及结构稳定")
    for direction, label in ((0, "  0.00度方向.."), (1, "  90.00度方向..")):
        lines.append(label)
        lines.append(" 层号 塔号 刚重比    结论")
        first = p["stiffness_weight"][direction]
        for storey in range(1, n + 1):
            ratio = first * (1.0 + 0.35 * (storey - 1))
            lines.append("%4d%4d%8.2f  满足整体稳定" % (storey, 1, ratio))
        lines.append("")
    lines += notes(r, "刚重比")
    lines += heading("楼层侧向刚度及刚度比")
    for label in ("X 方向", "Y 方向"):
        lines.append("  %s:" % label)
        lines.append(" 层号  塔号     K(kN/m)     K/K+1     K/0.7K+1")
        for storey in range(n, 0, -1):
            lines.append("%6d%6d%13.4E%10.4f%10.4f" % (storey, 1, 8.5e5 + 1.2e5 * storey, r.uniform(0.9, 1.2),
                                                       r.uniform(1.2, 1.6)))
        lines.append("")
    pages.brk(lines)

    lines += heading("楼层层间抗侧力结构的承载力比值")
    for direction, label in ((0, "    0(度)方向......"), (1, "   90(度)方向.........")):
        lines.append(label)
        lines.append(" 层号 塔号   受剪承载力(kN)  本层/上层    限值")
        ratios = p["shear_capacity"][direction]
        capacity = 1850.0
        for i, storey in enumerate(range(n, 0, -1)):
            capacity *= ratios[i]
            lines.append("%6d%6d%15.2f%12.2f%9.2f" % (storey, 1, capacity, ratios[i], 0.80))
        lines.append("")
    lines += notes(r, "楼层受剪承载力")
    pages.brk(lines)

    for title, unit in (("框架柱地震剪力分担", "剪力(kN)"), ("框架柱轴压比", "轴压比")):
        lines += heading(title)
        for label in ("X 方向", "Y 方向"):
            lines.append("  %s:" % label)
            lines.append(" 层号  塔号   轴线   柱数   %s    占楼层比例(%%)" % unit)
            for storey in range(n, 0, -1):
                for axis in AXES:
                    lines.append("%6d%6d%7s%7d%12.3f%14.2f" % (storey, 1, axis, 5, r.uniform(10, 400) if unit != "轴压比"
                                                               else r.uniform(0.2, 0.75), r.uniform(8, 16)))
            lines.append("")
        pages.brk(lines)
    lines.append("  ====== 水平力效应验算输出完毕 ======")
    return lines


# --------------------------------------------------------------------------
# 结构位移


ECCENTRIC = "给定CQC地震剪力换算的水平力并考虑偶然偏心下的位移比"


def displacement_table(title, head, storeys, ratio, storey_ratio, drift, axis, heights):
    """Two lines a storey: storey, tower and node in the first 22
    characters; the largest ratio in the top storey row."""
    lines = ["=== 工况 === %s" % title, head, "",
             " 层号  塔号    节点号    最大位移    平均位移   位移比      层高",
             "               节点号    最大层间    平均层间   层间      最大层间",
             "                         位移        位移       位移比    位移角",
             "                         (mm)        (mm)",
             ""]
    top = 2.8 * storeys
    for i, storey in enumerate(range(storeys, 0, -1)):
        shrink = 0.01 * i
        displacement = top * storey / storeys
        step = 0.6 + 2.3 * storey / storeys
        lines.append("%6d%6d%10d%12.2f%12.2f%9.2f%10.0f." % (storey, 1, 100 + storey, displacement,
                                                             displacement / ratio, ratio - shrink,
                                                             1000 * heights[storey - 1]))
        lines.append("%12s%10d%12.2f%12.2f%9.2f    1/%5d." % ("", 100 + storey, step, step / storey_ratio,
                                                             storey_ratio - shrink, drift + 40 * i))
    lines.append(" " + "-" * 74)
    lines.append("  %s方向最大层间位移角:        1/%5d.(第 %2d层第 1塔)" % (axis, drift, max(1, storeys - 3)))
    lines.append("")
    return lines


def displacement_text(p):
    n = p["floors"]
    heights = p["storey_heights"]
    r = random.Random("%s/结构位移" % p["title"])
    pages = Pages("结构位移")
    lines = opening(p, "结构位移输出", "%s_结构位移.txt" % p["base"],
                    ["1. 恒、活荷载作用下的楼层最大位移  2. 风荷载作用下的楼层最大位移",
                     "3. 地震作用下的楼层最大位移  4. %s" % ECCENTRIC,
                     "5. 竖向及双向地震作用下的楼层最大位移  6. 规定水平力作用下的楼层最大位移"])
    lines.append("  所有位移的单位为毫米")
    lines.append("")

    def filler(title, head, axis):
        return displacement_table(title, head, n, round(r.uniform(1.0, 1.1), 2), round(r.uniform(1.0, 1.1), 2),
                                  r.randint(3000, 9000), axis, heights)

    for case in ("恒荷载", "活荷载"):
        for axis in ("X", "Y"):
            lines += filler("%s作用下的楼层最大%s向位移" % (case, axis), "-- %s %s 方向" % (case, axis), axis)
    pages.brk(lines)
    (wx0, wx180), (wy90, wy270) = p["wind_drift"]
    for angle, drift, axis in ((0, wx0, "X"), (90, wy90, "Y"), (180, wx180, "X"), (270, wy270, "Y")):
        lines += displacement_table("%d 度风荷载作用下的楼层最大位移" % angle, "-- %d度风荷载" % angle, n,
                                    1.01, 1.02, drift, axis, heights)
    pages.brk(lines)
    for direction, angle, axis in ((0, 0, "X"), (1, 90, "Y")):
        lines += displacement_table("%d 度地震作用下的楼层最大位移" % angle, "-- 地震方向%d度" % angle, n,
                                    p["disp_ratio"][direction], p["storey_disp_ratio"][direction],
                                    p["quake_drift"][direction], axis, heights)
    pages.brk(lines)
    lines += heading(ECCENTRIC)
    for sign_index, sign in enumerate(("+ex", "-ex")):
        for direction, angle, axis in ((0, 0, "X"), (1, 90, "Y")):
            lines += displacement_table("%s 偏心 %d 度地震作用下的楼层最大位移" % (sign, angle),
                                        "-- %s地震方向%d度" % (sign, angle), n,
                                        p["ecc_disp_ratio"][direction][sign_index],
                                        p["ecc_storey_disp_ratio"][direction][sign_index],
                                        p["quake_drift"][direction] - 20, axis, heights)
    pages.brk(lines)
    for title, head in (("竖向地震作用下的楼层最大位移", "-- 竖向地震"),
                        ("X 向双向地震作用下的楼层最大位移", "-- X双向地震"),
                        ("Y 向双向地震作用下的楼层最大位移", "-- Y双向地震")):
        for axis in ("X", "Y"):
            lines += filler("%s(%s 向)" % (title, axis), "%s %s 方向" % (head, axis), axis)
    pages.brk(lines)
    for axis in ("X", "Y"):
        for sign in ("正", "负"):
            lines += filler("规定水平力 %s 向%s偏心下的楼层最大位移" % (axis, sign), "-- 规定水平力%s%s" % (axis, sign), axis)
    lines += notes(r, "位移比")
    lines.append("  ====== 结构位移输出完毕 ======")
    return lines


RESULT_FILES = (("结构信息", structure_text), ("周期和地震作用", period_text),
                ("水平力效应验算", horizontal_text), ("结构位移", displacement_text))
