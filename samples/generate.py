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

import argparse
import copy
import os
import shutil
import subprocess
import sys

import orvex_output
import sample_class

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


def chunks(values, size):
    return [values[i:i + size] for i in range(0, len(values), size)]


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
    # The program writes 20 lower-storey numbers, 10 heights and 35
    # standard-storey tops to a line.
    for line in chunks(list(range(n)), 20):
        add(numbers(line))
    for line in chunks([float(h) for h in p["storey_heights"]], 10):
        add(numbers(line))
    add("1")
    add(str(n))
    # floor tables
    tops = p["standard_storey_tops"]
    add("标准层")
    add(str(len(tops)))
    for line in chunks(tops, 35):
        add(numbers(line))
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
# Writing


def write_project(folder, p):
    if os.path.isdir(folder):
        shutil.rmtree(folder)
    os.makedirs(folder)
    for name, data in project_files(p):
        with open(os.path.join(folder, name), "wb") as out:
            out.write(data)
        os.utime(os.path.join(folder, name), (FIXED_TIME, FIXED_TIME))


def gbk(text):
    return text.replace("\n", "\r\n").encode("gbk")


def project_files(p):
    """The project's files as (name, bytes), GBK with CR LF line ends."""
    base = p.get("base", "frame")
    files = [(p.get("prj_name", base + ".prj"), gbk(prj_text(p)))]
    if p["results"]:
        for title, text in orvex_output.RESULT_FILES:
            if title not in p.get("missing_results", ()):
                files.append(("%s_%s.txt" % (base, title), gbk("\n".join(text(dict(p, base=base))) + "\n")))
    if p["drawings"]:
        files.append((base + ".pfd", gbk("ORVEX 施工图 %s\n" % p["title"])))
    if p["quantities"]:
        files.append((base + ".tsm", gbk("ORVEX 钢筋算量 %s\n" % p["title"])))
    return files


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
    parser = argparse.ArgumentParser(description="Writes the sample class, or a class of any size.")
    parser.add_argument("--class", dest="count", type=int, help="students in a generated class")
    parser.add_argument("--out", help="folder of the generated class (standard/, archives/, class.tsv)")
    parser.add_argument("--seed", default="tmscore", help="seed of the generated class (default: tmscore)")
    parser.add_argument("--floors", type=int, default=0, help="storeys of its building (default: 10 to 40 from the seed)")
    args = parser.parse_args()
    os.environ["TZ"] = "UTC"
    if args.count is not None:
        if not args.out or args.count < 1:
            parser.error("--class N needs N >= 1 and --out DIR")
        if args.floors and not 6 <= args.floors <= 60:
            parser.error("--floors takes 6 to 60")
        standard = sample_class.make_class(args.count, args.out, args.seed, args.floors, project_files)
        print("%s: %d students, %d storeys" % (args.out, args.count, standard["floors"]))
        return
    if shutil.which("zip") is None:
        sys.exit("generate.py: Info-ZIP zip is needed (apt-get install zip)")
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
