#!/usr/bin/env python3
"""Generates the sample class: a standard project, five student projects and
the students' hand-in archives.

    python3 samples/generate.py          # rewrites samples/standard,
                                         # samples/students, samples/archives

Every project is a folder as the ORVEX analysis program leaves it: the model
file frame.prj, the four ORVEX18 result files frame_结构信息.txt,
frame_周期和地震作用.txt, frame_水平力效应验算.txt and frame_结构位移.txt
(GBK, CR LF), and, where the student got that far, the drawing file frame.pfd
and the rebar-quantity file frame.tsm (only their existence counts).

The students:

    张三  the standard project handed in again: equal everywhere
    李四  every result off by a little, within the scoring tolerances;
          drawings but no rebar quantities
    王五  a different seismic intensity, taller upper storeys, stronger beams:
          most values off by more than the tolerances, one weak storey more
    赵六  the model only: no result files, no drawings, no quantities
    钱七  a damaged model file (the storey count line reads "5层"): the load
          fails with the line reader's warning

Each student is also packed as archives/<name>.zip with Info-ZIP zip, the
project's files at the top of the archive, as the import expects: it unpacks
archives/<name>.zip into archives/<name>/ and takes the first .prj file at
the top of that folder. File times are fixed, so the archives come out the
same on every run.

Change a student by changing its parameters in STUDENTS below and run the
script again; the generated files are committed.
"""

import copy
import os
import shutil
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
FIXED_TIME = 1262304000  # 2010-01-01, the time of every generated file

# --------------------------------------------------------------------------
# Project parameters


def standard_parameters():
    """The standard project: a five-storey reinforced-concrete frame."""
    return {
        "title": "标准工程",
        # model (.prj)
        "floors": 5,
        "intensity": 7.0,        # 地震设防烈度
        "alpha_max": 0.08,       # 水平地震影响系数最大值
        "site": 2,               # 场地类别
        "group": 1,              # 地震设计分组
        "period_factor": 0.7,    # 周期折减系数
        "wind_pressure": 0.45,   # 基本风压
        "wind_period": 0.91,     # 计算风的结构自振基本周期
        "roughness": 2,          # 地面粗糙度
        "frame_grade": 3,        # 框架抗震等级
        "storey_heights": [4.2, 3.3, 3.3, 3.3, 3.3],
        "standard_storey_tops": [1, 5],
        "column_grade": 30,      # 墙柱砼等级
        "beam_grade": 30,
        "slab_grade": 30,
        "bar_strength": 360,
        "cover": 20,
        # results
        "storey_weights": [3450.0, 3320.0, 3320.0, 3320.0, 2890.0],  # kN, storeys 1..5
        "live_share": 0.15,
        "mass_sum": (95.60, 96.20),
        "periods": [0.9123, 0.8456, 0.7401, 0.3012, 0.2788, 0.2433, 0.1711, 0.1596, 0.1402],
        "shear_weight": (4.05, 3.86),   # first-storey shear-to-weight ratio, %
        "moment_arm": 11.8,             # overturning moment / base shear, m
        "disp_ratio": (1.12, 1.09),
        "storey_disp_ratio": (1.15, 1.11),
        "quake_drift": (687, 742),
        "wind_drift": ((1850, 2140), (1620, 1790)),  # X: 0° 180°, Y: 90° 270°
        "ecc_disp_ratio": ((1.21, 1.23), (1.18, 1.17)),  # X: +ex -ex, Y: +ex -ex
        "ecc_storey_disp_ratio": ((1.25, 1.26), (1.20, 1.22)),
        "stiffness_weight": (48.62, 52.37),
        "shear_capacity": ([1.00, 1.02, 1.03, 1.05, 1.21], [1.00, 1.01, 1.04, 1.06, 1.19]),  # top to bottom
        "stiffness_ratio": ([0.93, 0.88, 0.87, 0.86, 1.12], [0.91, 0.87, 0.86, 0.85, 0.98]),  # storeys 5..1
        "results": True,
        "drawings": True,
        "quantities": True,
        "damaged_model": False,
    }


def scaled(values, factor):
    return [round(v * factor, 4) for v in values]


def student_zhang():
    p = standard_parameters()
    p["title"] = "张三"
    return p


def student_li():
    """Within tolerance: periods and weight within 5 %, the rest within 10 %."""
    p = standard_parameters()
    p["title"] = "李四"
    p["storey_weights"] = scaled(p["storey_weights"], 1.02)
    p["mass_sum"] = (95.10, 96.90)
    p["periods"] = scaled(p["periods"], 1.03)
    p["shear_weight"] = (4.21, 3.75)
    p["moment_arm"] = 12.1
    p["disp_ratio"] = (1.14, 1.08)
    p["storey_disp_ratio"] = (1.17, 1.13)
    p["quake_drift"] = (702, 731)
    p["wind_drift"] = ((1905, 2190), (1655, 1830))
    p["ecc_disp_ratio"] = ((1.22, 1.24), (1.19, 1.18))
    p["ecc_storey_disp_ratio"] = ((1.27, 1.28), (1.21, 1.23))
    p["stiffness_weight"] = (47.10, 53.90)
    p["shear_capacity"] = ([1.00, 1.02, 1.03, 1.04, 1.18], [1.00, 1.01, 1.04, 1.05, 1.16])
    p["quantities"] = False
    return p


def student_wang():
    """Intensity 8, upper storeys 3.6 m, C35 beams: most values are off."""
    p = standard_parameters()
    p["title"] = "王五"
    p["intensity"] = 8.0
    p["alpha_max"] = 0.16
    p["storey_heights"] = [4.2, 3.6, 3.6, 3.6, 3.6]
    p["beam_grade"] = 35
    p["storey_weights"] = scaled(p["storey_weights"], 1.08)
    p["mass_sum"] = (93.40, 94.10)
    p["periods"] = scaled(p["periods"], 1.21)
    p["shear_weight"] = (7.62, 7.15)
    p["moment_arm"] = 12.9
    p["disp_ratio"] = (1.31, 1.22)
    p["storey_disp_ratio"] = (1.36, 1.27)
    p["quake_drift"] = (512, 566)
    p["wind_drift"] = ((1410, 1630), (1250, 1380))
    p["ecc_disp_ratio"] = ((1.42, 1.45), (1.33, 1.31))
    p["ecc_storey_disp_ratio"] = ((1.48, 1.50), (1.37, 1.39))
    p["stiffness_weight"] = (36.20, 39.80)
    p["shear_capacity"] = ([1.00, 1.01, 0.86, 1.02, 1.15], [1.00, 1.00, 0.88, 1.03, 1.12])
    p["stiffness_ratio"] = ([0.93, 0.88, 1.08, 0.86, 1.19], [0.91, 0.87, 0.86, 0.85, 1.04])
    p["drawings"] = False
    p["quantities"] = False
    return p


def student_zhao():
    p = standard_parameters()
    p["title"] = "赵六"
    p["results"] = False
    p["drawings"] = False
    p["quantities"] = False
    return p


def student_qian():
    p = standard_parameters()
    p["title"] = "钱七"
    p["damaged_model"] = True
    p["quantities"] = False
    return p


STUDENTS = [student_zhang, student_li, student_wang, student_zhao, student_qian]

# --------------------------------------------------------------------------
# The model file (.prj)


def numbers(values):
    """One positional line: numbers separated by spaces."""
    out = []
    for v in values:
        if isinstance(v, float):
            text = "%.6g" % v
            out.append(text if "." in text or "e" in text else text + ".0")
        else:
            out.append(str(v))
    return " ".join(out)


def prj_text(p):
    n = p["floors"]
    lines = []
    add = lines.append
    # 1: the version text; "Version06.3-2" carries the general sections.
    add("ORVEX Version06.3-2 结构模型数据 " + p["title"])
    # 2: 结构计算总层数
    add(("%d层" if p["damaged_model"] else "%d") % n)
    # 3 to 6: data of the modelling program, kept for their place
    add(numbers([0.0, 0.0, 0.0, 0.0]))
    add("0")
    add(numbers([1, 0, 0, 1, 0, 0]))
    add(numbers([0.0] * 11))
    add(numbers([0.0] * 9))
    add(numbers([0.0] * 14))
    # 7: the ORVEX block
    add("ORVEX")
    add("总信息")
    add(numbers([
        0,      # 0 地下室层数
        0,      # 1 有侧约束的地下室层数
        0,      # 2 转换层数
        1,      # 3 结构形式
        0,      # 4 结构材料信息
        1.0,    # 5 结构重要性系数
        1,      # 6 竖向荷载计算标志
        1,      # 7 考虑重力二阶效应
        0,      # 8 梁柱重叠部分简化为刚域
        1,      # 9 钢柱计算长度系数有无考虑侧移标志
        1.0,    # 10 墙竖向细分尺寸
        1.0,    # 11 墙水平细分尺寸
        0,      # 12 是否异形柱结构
        0,      # 13 砼柱计算长度系数计算原则
        0,      # 14 所有楼层强制采用刚性楼板假定
        0,      # 15 嵌固层最大结构层号
        0,      # 16 薄弱层数
        0,      # 17 考虑填充墙刚度
        0,      # 18 加强层数
        0,      # 19 结果层号
        1,      # 20 梁配筋计算考虑板的影响
        0,      # 21 梁配筋计算考虑压筋的影响
        0,      # 22 是否为高层结构
        0,      # 23 是否满足广东高层
    ]))
    add("地震信息")
    add(numbers([1, p["intensity"], p["site"], p["group"], p["alpha_max"], 0.35, 0.05, 1, 15, 0,
                 0,      # 10 地震方向数: none beyond the two main ones
                 0.9, 0, 0]))
    add(numbers([p["frame_grade"], 3, p["period_factor"], 1.0, 0, 1.0, 1, 0, 0, 0, 3, 1, 2.0, 5.0]))
    add("风信息")
    add(numbers([1, p["wind_pressure"], 0.0, p["roughness"], 1, n, 1.3, 0, 0.0, 0, 0.0,
                 p["wind_period"], 0, 0.05, 0, 0.2, p["wind_pressure"], 0.02, 1.0, 0, 0, 0.0]))
    add("调整信息")
    add(numbers([0.6, 1.5, 0.85, 1.0, 0.4, 1.0, 0, 1, 1.0, 0.85, 0.7, 0.65, 0.6, 0.55, 1.0, 1.0]))
    add("组合系数")
    add(numbers([1.3, 1.5, 0.7, 0.7, 0.5, 1.5, 0.7, 0.5, 1.5, 0.6, 1.5, 0.7, 1.5, 0.6, 1.3, 0.5,
                 0.5, 0.4, 0.6, 0.2]))
    add("材料信息")
    add(numbers([25.0, p["bar_strength"], 300, p["bar_strength"], 300, p["bar_strength"], 300, 78.0, 0, 0,
                 0.85, p["cover"], p["cover"], 15, 15, 0.00001, 0.000012, p["bar_strength"]]))
    add("基础信息")
    add(numbers([20000.0, 20000.0, 0.0, 0.0]))
    add("时程信息")
    add(numbers([2, 35.0, 29.75, 22.75, 0.0]))
    add("TH1TG035")
    add("RH2TG035")
    # 10: data of the solver, kept for their place
    add("0")
    add(numbers([0] * 13))
    add(numbers([0.0] * 9))
    add(numbers([0.0] * 6))
    add(numbers([0.0] * 21))
    add(numbers([0.0] * 11))
    # 15: VESKO, storey data; mode 0: the floor tables give lower storeys
    # and heights
    add("VESKO")
    add("0")
    add(numbers(list(range(n))))
    add(numbers([float(h) for h in p["storey_heights"]]))
    add("1")
    add(str(n))
    # floor tables
    tops = p["standard_storey_tops"]
    add("标准层")
    add(str(len(tops)))
    add(numbers(tops))
    heights = p["storey_heights"]
    runs = []
    for storey, h in enumerate(heights, 1):
        if runs and runs[-1][1] == h:
            runs[-1][0] = storey
        else:
            runs.append([storey, h])
    add("层高")
    add(str(len(runs)))
    for top, h in runs:
        add(numbers([top, float(h)]))
    for title, grade in (("墙柱砼等级", p["column_grade"]), ("梁砼等级", p["beam_grade"]),
                         ("板砼等级", p["slab_grade"])):
        add(title)
        add("1")
        add(numbers([n, grade]))
    for title in ("墙钢筋等级", "梁钢筋等级", "柱钢筋等级"):
        add(title)
        add("0")
    add("荷载组合")
    add("1")
    add(numbers([1.0, 1.0, 1.0, 1.0, 1.0]))
    add("无优化信息")
    # load cases
    cases = [("恒荷载", "恒", 1), ("活荷载", "活", 2), ("风荷载", "风", 5), ("地震作用", "震", 7)]
    add(str(len(cases)))
    for name, short, code in cases:
        add(name)
        add(short)
        add(str(code))
    return "\n".join(lines) + "\n"

# --------------------------------------------------------------------------
# ORVEX18 result files


RULE = "=" * 78


def heading(text):
    return [RULE, "%s%s" % (" " * max(2, (78 - 2 * len(text)) // 2), text), RULE]


def structure_text(p):
    n = p["floors"]
    w = p["storey_weights"]
    lines = ["                       ORVEX18 结构信息输出",
             "  工程名称: %s" % p["title"],
             "  结构类型: 框架结构      结构计算总层数: %d" % n,
             ""]
    lines += heading("每层几何信息......")
    lines.append(" 层号  塔号    层高(m)   累计高度(m)")
    level = 0.0
    for storey in range(1, n + 1):
        level += p["storey_heights"][storey - 1]
        lines.append("%6d%6d%11.3f%13.3f" % (storey, 1, p["storey_heights"][storey - 1], level))
    lines.append("")
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
    return lines


def period_text(p):
    n = p["floors"]
    periods = p["periods"]
    w = p["storey_weights"]
    total = sum(w)
    lines = ["                     ORVEX18 周期、振型和地震作用输出",
             "  工程名称: %s" % p["title"],
             "  目录: 1. 振动周期与振型   2. 地震反应谱分析结果",
             ""]
    lines += heading("折减前振动周期(秒)、振型参与质量")
    lines.append(" 振型号    周期(s)    X向参与质量(%)   Y向参与质量(%)   扭转参与质量(%)")
    shares_x = [85.20, 0.02, 0.10, 9.10, 0.01, 0.05, 1.12, 0.00, 0.00]
    shares_y = [0.01, 84.90, 0.35, 0.02, 9.60, 0.08, 0.00, 1.24, 0.00]
    for mode, period in enumerate(periods, 1):
        lines.append("%6d%12.4f%16.2f%17.2f%17.2f" % (mode, period / p["period_factor"], shares_x[mode - 1],
                                                      shares_y[mode - 1], 0.30))
    lines.append(" 合计:%33.2f%17.2f%17.2f" % (p["mass_sum"][0], p["mass_sum"][1], 94.10))
    lines.append("")
    # The mode rows start on the third line after this heading.
    lines += [RULE, "     周期、振型、平动系数和扭转系数......"]
    lines.append("   考虑扭转耦联时的振动周期(秒)、X,Y 方向的平动系数、扭转系数")
    lines.append("  振型号      周期       转 角          平动系数 (X+Y)          扭转系数")
    angles = [0.12, 90.05, 45.20, 0.35, 89.80, 130.10, 0.20, 90.10, 47.00]
    kinds = [(1.00, 0.00), (0.00, 0.99), (0.01, 0.01), (0.99, 0.00), (0.00, 0.98), (0.01, 0.02),
             (0.99, 0.00), (0.00, 0.99), (0.01, 0.01)]
    for mode, period in enumerate(periods, 1):
        tx, ty = kinds[mode - 1]
        torsion = round(1.0 - tx - ty, 2)
        lines.append("%8d%11.4f%11.2f%11.2f ( %.2f+%.2f )%12.2f" % (mode, period, angles[mode - 1], tx + ty, tx, ty,
                                                                  torsion))
    lines.append("  " + "-" * 70)
    lines.append("  地震作用最大的方向 = %.3f (度)" % 0.214)
    lines.append("")
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
        moment = 0.0
        rows = []
        for storey in range(n, 0, -1):
            force = base_shear * weights_heights[storey - 1] / whs
            shear += force
            rows.append([storey, force, shear])
        # The overturning moment of a storey: its shear times the arm the
        # parameters give for the first storey, scaled up the building.
        for row in rows:
            storey, force, shear = row
            arm = p["moment_arm"] * (n - storey + 1) / n
            moment = shear * arm
            lines.append("%6d%6d%11.2f%11.2f%12.2f%11.2f" % (storey, 1, force, shear, moment, force * 1.04))
        lines.append("")
    return lines


def horizontal_text(p):
    n = p["floors"]
    total = sum(p["storey_weights"])
    lines = ["                    ORVEX18 水平力效应验算输出",
             "  工程名称: %s" % p["title"],
             "  目录: 1. 地震作用的剪重比  2. 重力二阶效应及结构稳定  3. 楼层层间抗侧力结构的承载力比值",
             ""]
    lines += heading("地震作用的剪重比")
    for direction, label in ((0, "  0.00度地震方向.."), (1, "  90.00度地震方向..")):
        lines.append(label)
        axis = "xy"[direction]
        lines.append(" 层号  塔号     V%s(kN)      G(kN)   剪重比(%%)   限值(%%)" % axis)
        lines.append(" " + "-" * 58)
        ratio = p["shear_weight"][direction]
        lines.append("%6d%6d%11.2f%12.2f%10.2f%10.2f" % (1, 1, total * ratio / 100.0, total, ratio, 1.60))
        lines.append("")
    lines += heading("重力二阶效应及结构稳定")
    for direction, label in ((0, "  0.00度方向.."), (1, "  90.00度方向..")):
        lines.append(label)
        lines.append(" 层号 塔号 刚重比    结论")
        first = p["stiffness_weight"][direction]
        for storey in range(1, n + 1):
            ratio = first * (1.0 + 0.35 * (storey - 1))
            lines.append("%4d%4d%8.2f  满足整体稳定" % (storey, 1, ratio))
        lines.append("")
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
    return lines


def displacement_table(title, head, storeys, ratio, storey_ratio, drift, axis):
    """Two lines a storey: storey, tower and node in the first 22
    characters; the largest ratio in the top storey row."""
    lines = ["=== 工况 === %s" % title, head, "",
             " 层号  塔号    节点号    最大位移    平均位移   位移比      层高",
             "               节点号    最大层间    平均层间   层间      最大层间",
             "                         位移        位移       位移比    位移角",
             "                         (mm)        (mm)",
             ""]
    for i, storey in enumerate(range(storeys, 0, -1)):
        shrink = 0.01 * i
        lines.append("%6d%6d%10d%12.2f%12.2f%9.2f%10.0f." % (storey, 1, 100 + storey, 14.0 - 2.5 * i,
                                                             (14.0 - 2.5 * i) / ratio, ratio - shrink, 3300.0))
        lines.append("%12s%10d%12.2f%12.2f%9.2f    1/%5d." % ("", 100 + storey, 2.9 - 0.2 * i,
                                                             (2.9 - 0.2 * i) / storey_ratio,
                                                             storey_ratio - shrink, drift + 40 * i))
    lines.append(" " + "-" * 74)
    lines.append("  %s方向最大层间位移角:        1/%5d.(第 %2d层第 1塔)" % (axis, drift, max(1, storeys - 3)))
    lines.append("")
    return lines


ECCENTRIC = "给定CQC地震剪力换算的水平力并考虑偶然偏心下的位移比"


def displacement_text(p):
    n = p["floors"]
    lines = ["                       ORVEX18 结构位移输出",
             "  工程名称: %s" % p["title"],
             "  目录: 1. 风荷载作用下的楼层最大位移  2. 地震作用下的楼层最大位移",
             "        3. %s" % ECCENTRIC,
             "  所有位移的单位为毫米",
             ""]
    (wx0, wx180), (wy90, wy270) = p["wind_drift"]
    for angle, drift, axis in ((0, wx0, "X"), (90, wy90, "Y"), (180, wx180, "X"), (270, wy270, "Y")):
        lines += displacement_table("%d 度风荷载作用下的楼层最大位移" % angle, "-- %d度风荷载" % angle, n,
                                    1.01, 1.02, drift, axis)
    for direction, angle, axis in ((0, 0, "X"), (1, 90, "Y")):
        lines += displacement_table("%d 度地震作用下的楼层最大位移" % angle, "-- 地震方向%d度" % angle, n,
                                    p["disp_ratio"][direction], p["storey_disp_ratio"][direction],
                                    p["quake_drift"][direction], axis)
    lines += heading(ECCENTRIC)
    for sign_index, sign in enumerate(("+ex", "-ex")):
        for direction, angle, axis in ((0, 0, "X"), (1, 90, "Y")):
            lines += displacement_table("%s 偏心 %d 度地震作用下的楼层最大位移" % (sign, angle),
                                        "-- %s地震方向%d度" % (sign, angle), n,
                                        p["ecc_disp_ratio"][direction][sign_index],
                                        p["ecc_storey_disp_ratio"][direction][sign_index],
                                        p["quake_drift"][direction] - 20, axis)
    return lines

# --------------------------------------------------------------------------
# Writing


def write_gbk(path, text):
    with open(path, "wb") as out:
        out.write(text.replace("\n", "\r\n").encode("gbk"))


def write_project(folder, p):
    if os.path.isdir(folder):
        shutil.rmtree(folder)
    os.makedirs(folder)
    base = os.path.join(folder, "frame")
    write_gbk(base + ".prj", prj_text(p))
    if p["results"]:
        write_gbk(base + "_结构信息.txt", "\n".join(structure_text(p)) + "\n")
        write_gbk(base + "_周期和地震作用.txt", "\n".join(period_text(p)) + "\n")
        write_gbk(base + "_水平力效应验算.txt", "\n".join(horizontal_text(p)) + "\n")
        write_gbk(base + "_结构位移.txt", "\n".join(displacement_text(p)) + "\n")
    if p["drawings"]:
        write_gbk(base + ".pfd", "ORVEX 施工图 %s\n" % p["title"])
    if p["quantities"]:
        write_gbk(base + ".tsm", "ORVEX 钢筋算量 %s\n" % p["title"])
    for name in os.listdir(folder):
        os.utime(os.path.join(folder, name), (FIXED_TIME, FIXED_TIME))


def write_archive(folder, archive):
    """Info-ZIP zip, the project's files at the top of the archive."""
    if os.path.exists(archive):
        os.remove(archive)
    names = sorted(os.listdir(folder))
    # -X: no extra fields (owner, times beyond the DOS time), so the archive
    # depends on the files alone; -D: no folder entries.
    subprocess.run(["zip", "-q", "-X", "-D", os.path.abspath(archive)] + names, cwd=folder, check=True)
    os.utime(archive, (FIXED_TIME, FIXED_TIME))


def main():
    if shutil.which("zip") is None:
        sys.exit("generate.py: Info-ZIP zip is needed (apt-get install zip)")
    os.environ["TZ"] = "UTC"
    write_project(os.path.join(HERE, "standard"), standard_parameters())
    students = os.path.join(HERE, "students")
    archives = os.path.join(HERE, "archives")
    for folder in (students, archives):
        if os.path.isdir(folder):
            shutil.rmtree(folder)
        os.makedirs(folder)
    for make in STUDENTS:
        p = make()
        folder = os.path.join(students, p["title"])
        write_project(folder, p)
        write_archive(folder, os.path.join(archives, p["title"] + ".zip"))


if __name__ == "__main__":
    main()
