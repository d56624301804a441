"""A whole class of any size: a standard project of 10 to 40 storeys and the
students' hand-in archives, as a teacher collects them.

Students differ from the standard as real students do. Most modelled the
building as asked and differ by rounding and small modelling choices (within
the scoring tolerances); some changed storey heights, concrete grades, the
seismic intensity, the wind pressure or the loads; a few handed in the model
without results, lost a result file or two, a damaged result file or a
damaged model file; many skipped the drawings or the rebar quantities.

Archives are made the way their students' machines make them: Windows zips
with GBK names (the project's files at the top, or in one folder), zips with
the UTF-8 flag, a Linux `zip -r` of a folder (UTF-8 names, no flag), a Mac
"Compress" (UTF-8 names, no flag, a __MACOSX folder and .DS_Store), an old
tool's backslash separators, and a model file whose name differs from its
result files' in letter case.

Everything comes from one seed: the same seed, size and storey count give
the same bytes. class.tsv beside the archives says, for each archive, how it
was made and what the grade should show (bench/check_class.py checks it).
"""

import copy
import os
import random
import struct
import zlib

SURNAMES = "王李张刘陈杨黄赵吴周徐孙马朱胡郭何高林罗郑梁谢宋唐许韩冯邓曹彭曾肖田董袁潘于蒋蔡余杜叶程苏魏吕丁任沈姚卢姜崔钟谭陆汪范金石廖贾夏韦付方白邹孟熊秦邱江尹薛闫段雷侯龙史陶黎贺顾毛郝龚邵万钱严覃武戴莫孔向汤"
GIVEN = "伟芳娜敏静丽强磊军洋勇艳杰娟涛明超秀霞平刚桂英华玉萍红建文辉力兰飞鑫波宁斌浩凯晨宇轩博然思雨欣怡子涵梓睿嘉琪佳豪俊宏志鹏"
BASES = ["frame", "frame", "frame", "办公楼", "教学楼", "宿舍楼", "jiegou", "kuangjia"]

# (kind, weight): how a student's project differs from the standard.
PROJECT_KINDS = [("equal", 8), ("within", 50), ("off", 26), ("missing-results", 4), ("model-only", 3),
                 ("damaged-result", 3), ("damaged-model", 2), ("weak-storey", 4)]
# (kind, weight): how the archive was made.
ARCHIVE_KINDS = [("windows", 70), ("windows-folder", 16), ("utf8-flag", 6), ("linux", 3), ("mac", 3),
                 ("backslash", 1), ("case", 1)]
# The first students show one of each uncommon archive, whatever the size.
FIRST_ARCHIVES = ["windows", "linux", "mac", "windows-folder", "utf8-flag", "case", "backslash"]

# What the grade should show, and what marks the archive.
EXPECTED = {
    "equal": "满分",
    "within": "满分或接近满分",
    "off": "部分得分",
    "weak-storey": "部分得分(多一个薄弱层)",
    "missing-results": "缺结果文件的值不得分",
    "model-only": "只有模型的得分",
    "damaged-result": "截断的结果文件中缺少的值不得分",
    "damaged-model": "读入失败",
}
MARKS = {
    "windows": "GBK 名称",
    "windows-folder": "GBK 名称, 一个文件夹",
    "utf8-flag": "UTF-8 名称(有标志), 一个文件夹",
    "linux": "UTF-8 名称(无标志), 一个文件夹",
    "mac": "UTF-8 名称(无标志), 一个文件夹, __MACOSX 与 .DS_Store",
    "backslash": "GBK 名称, 反斜杠分隔, 一个文件夹",
    "case": "GBK 名称, 模型文件名大小写与结果文件不同",
}


def weighted(r, table):
    total = sum(weight for _, weight in table)
    pick = r.uniform(0, total)
    for kind, weight in table:
        pick -= weight
        if pick <= 0:
            return kind
    return table[-1][0]


def class_standard(r, floors, base):
    """The building the teacher set: a concrete frame of floors storeys."""
    n = floors
    first, typical = r.choice([4.2, 4.5, 4.8]), r.choice([3.0, 3.3, 3.6])
    area = r.uniform(600, 1100)
    period1 = 0.06 * n + r.uniform(0.05, 0.2)
    periods = [period1, period1 * 0.93, period1 * 0.79]
    while len(periods) < min(3 * n, 45):
        periods.append(periods[-3] * (0.33 if len(periods) < 6 else 0.62))
    capacity = [1.00] + [round(r.uniform(0.96, 1.08), 2) for _ in range(n - 2)] + [round(r.uniform(1.1, 1.25), 2)]
    stiffness_x = [round(r.uniform(0.84, 0.97), 2) for _ in range(n - 1)] + [round(r.uniform(1.03, 1.15), 2)]
    stiffness_y = [round(r.uniform(0.84, 0.97), 2) for _ in range(n)]
    tops = sorted({1, max(2, n // 3), max(3, 2 * n // 3), n - 1, n})
    drift = r.randint(700, 1100)
    return {
        "title": "标准工程", "base": base, "floors": n,
        "intensity": 7.0, "alpha_max": 0.08, "site": 2, "group": 1, "period_factor": 0.7,
        "wind_pressure": 0.45, "wind_period": round(period1, 2), "roughness": 2, "frame_grade": 2,
        "storey_heights": [first] + [typical] * (n - 1), "standard_storey_tops": tops,
        "column_grade": 40, "beam_grade": 30, "slab_grade": 30, "bar_strength": 360, "cover": 20,
        "storey_weights": [round(area * 14.5 * (1.12 if s == 0 else 0.86 if s == n - 1 else 1.0), 2)
                           for s in range(n)],
        "live_share": 0.15,
        "mass_sum": (round(r.uniform(91, 97), 2), round(r.uniform(91, 97), 2)),
        "periods": [round(t, 4) for t in periods],
        "shear_weight": (round(r.uniform(1.7, 3.0), 2), round(r.uniform(1.7, 3.0), 2)),
        "moment_arm": round((first + typical * (n - 1)) * 0.66, 2),
        "disp_ratio": (round(r.uniform(1.05, 1.25), 2), round(r.uniform(1.05, 1.25), 2)),
        "storey_disp_ratio": (round(r.uniform(1.05, 1.25), 2), round(r.uniform(1.05, 1.25), 2)),
        "quake_drift": (drift, drift + r.randint(20, 120)),
        "wind_drift": ((r.randint(1800, 4000), r.randint(1800, 4000)), (r.randint(1800, 4000), r.randint(1800, 4000))),
        "ecc_disp_ratio": ((round(r.uniform(1.1, 1.35), 2), round(r.uniform(1.1, 1.35), 2)),
                           (round(r.uniform(1.1, 1.35), 2), round(r.uniform(1.1, 1.35), 2))),
        "ecc_storey_disp_ratio": ((round(r.uniform(1.1, 1.35), 2), round(r.uniform(1.1, 1.35), 2)),
                                  (round(r.uniform(1.1, 1.35), 2), round(r.uniform(1.1, 1.35), 2))),
        "stiffness_weight": (round(r.uniform(12, 30), 2), round(r.uniform(12, 30), 2)),
        "shear_capacity": (capacity, [round(v * r.uniform(0.99, 1.01), 2) if 0 < i < n - 1 else v
                                      for i, v in enumerate(capacity)]),
        "stiffness_ratio": (stiffness_x, stiffness_y),
        "results": True, "drawings": True, "quantities": True, "damaged_model": False,
    }


def jitter(r, values, spread):
    """Every value off by at most spread (a fraction), as rounding and small
    modelling choices make it."""
    if isinstance(values, (list, tuple)):
        out = [jitter(r, v, spread) for v in values]
        return tuple(out) if isinstance(values, tuple) else out
    if isinstance(values, int):
        return int(round(values * (1 + r.uniform(-spread, spread))))
    return round(values * (1 + r.uniform(-spread, spread)), 4)


def scale(p, key, factor):
    value = p[key]
    if isinstance(value, (list, tuple)):
        out = [scale({"v": v}, "v", factor) for v in value]
        p[key] = tuple(out) if isinstance(value, tuple) else out
        return p[key]
    p[key] = int(round(value * factor)) if isinstance(value, int) else round(value * factor, 4)
    return p[key]


def within(r, p):
    """Results within the tolerances: weight and periods within 5 %, the rest
    within 10 %, kept well inside both."""
    for key in ("storey_weights", "periods"):
        p[key] = jitter(r, p[key], 0.015)
    for key in ("mass_sum", "shear_weight", "moment_arm", "disp_ratio", "storey_disp_ratio", "quake_drift",
                "wind_drift", "ecc_disp_ratio", "ecc_storey_disp_ratio", "stiffness_weight"):
        p[key] = jitter(r, p[key], 0.03)


def off(r, p):
    """One to three changes a student makes to the building, with the results
    they bring."""
    changes = r.sample(["heights", "grades", "intensity", "wind", "loads"], r.randint(1, 3))
    if "heights" in changes:
        p["storey_heights"] = [p["storey_heights"][0]] + [round(h + 0.3, 1) for h in p["storey_heights"][1:]]
        scale(p, "periods", 1.09)
        scale(p, "quake_drift", 0.88)
        scale(p, "moment_arm", 1.08)
        scale(p, "stiffness_weight", 0.86)
    if "grades" in changes:
        p["beam_grade"] += 5
        p["column_grade"] = r.choice([35, 45])
        scale(p, "periods", 0.96)
        scale(p, "quake_drift", 1.06)
    if "intensity" in changes:
        p["intensity"], p["alpha_max"] = 8.0, 0.16
        scale(p, "shear_weight", 1.9)
        scale(p, "quake_drift", 0.52)
        p["frame_grade"] = 1
    if "wind" in changes:
        p["wind_pressure"] = 0.55
        scale(p, "wind_drift", 0.8)
    if "loads" in changes:
        scale(p, "storey_weights", 1.09)
        scale(p, "periods", 1.045)
        scale(p, "stiffness_weight", 0.92)
    within(r, p)


def student_project(r, standard, kind, name):
    p = copy.deepcopy(standard)
    p["title"] = name
    p["base"] = r.choice(BASES)
    if kind == "equal":
        pass
    elif kind == "off":
        off(r, p)
    elif kind == "weak-storey":
        within(r, p)
        storey = r.randint(2, p["floors"] - 1)
        p["stiffness_ratio"][0][p["floors"] - storey] = round(r.uniform(1.05, 1.2), 2)
        p["shear_capacity"][0][p["floors"] - storey] = round(r.uniform(0.74, 0.79), 2)
    else:
        within(r, p)
    if kind == "missing-results":
        p["missing_results"] = r.sample(["结构信息", "周期和地震作用", "水平力效应验算", "结构位移"], r.randint(1, 2))
    if kind == "model-only":
        p["results"] = False
    if kind == "damaged-model":
        p["damaged_model"] = True
    if kind != "equal":
        p["drawings"] = r.random() < 0.85
        p["quantities"] = p["drawings"] and r.random() < 0.7
    return p


def damage(r, files):
    """Cuts one result file off in the middle of a line, as an interrupted
    copy leaves it."""
    results = [i for i, (name, _) in enumerate(files) if name.endswith(".txt")]
    i = r.choice(results)
    name, data = files[i]
    files[i] = (name, data[:int(len(data) * r.uniform(0.3, 0.8))])


# --------------------------------------------------------------------------
# Zip archives, written here so that every flag and name byte is the one the
# student's tool would write.

DOS_TIME = (0 << 11) | (0 << 5)
DOS_DATE = ((2010 - 1980) << 9) | (1 << 5) | 1


class ZipWriter:
    def __init__(self, path, made_by_unix):
        self.out = open(path, "wb")
        self.entries = []
        self.unix = made_by_unix

    def add(self, name, data, utf8_flag=False, folder=False):
        compressor = zlib.compressobj(6, zlib.DEFLATED, -15)
        packed = compressor.compress(data) + compressor.flush() if data else b""
        method = 8 if data else 0
        if not data:
            packed = b""
        crc = zlib.crc32(data) & 0xFFFFFFFF
        flags = 0x800 if utf8_flag else 0
        offset = self.out.tell()
        self.out.write(struct.pack("<IHHHHHIIIHH", 0x04034B50, 20, flags, method, DOS_TIME, DOS_DATE, crc,
                                   len(packed), len(data), len(name), 0))
        self.out.write(name)
        self.out.write(packed)
        if self.unix:
            attributes = ((0o40755 if folder else 0o100644) << 16) | (0x10 if folder else 0)
        else:
            attributes = 0x10 if folder else 0x20
        self.entries.append((name, flags, method, crc, len(packed), len(data), offset, attributes))

    def close(self):
        start = self.out.tell()
        made_by = (3 << 8 | 30) if self.unix else 20
        for name, flags, method, crc, packed, size, offset, attributes in self.entries:
            self.out.write(struct.pack("<IHHHHHHIIIHHHHHII", 0x02014B50, made_by, 20, flags, method, DOS_TIME,
                                       DOS_DATE, crc, packed, size, len(name), 0, 0, 0, 0, attributes, offset))
            self.out.write(name)
        end = self.out.tell()
        self.out.write(struct.pack("<IHHHHIIH", 0x06054B50, 0, 0, len(self.entries), len(self.entries), end - start,
                                   start, 0))
        self.out.close()


APPLE_DOUBLE = struct.pack(">IIH", 0x00051607, 0x00020000, 0) + b"Mac OS X        " + b"\0" * 50


def write_class_archive(path, kind, folder, files):
    """files: (name, bytes) of the project; folder: the student's folder name
    where the tool packs one."""
    unix = kind in ("linux", "mac")
    zip_file = ZipWriter(path, unix)
    encode = (lambda text: text.encode("utf-8")) if kind in ("linux", "mac", "utf8-flag") else \
        (lambda text: text.encode("gbk"))
    flag = kind == "utf8-flag"
    prefix = ""
    if kind in ("windows-folder", "linux", "mac", "backslash", "utf8-flag"):
        prefix = folder + ("\\" if kind == "backslash" else "/")
        if kind in ("linux", "mac", "windows-folder"):
            zip_file.add(encode(prefix), b"", flag, folder=True)
    for name, data in files:
        zip_file.add(encode(prefix + name), data, flag)
    if kind == "mac":
        zip_file.add(encode(prefix + ".DS_Store"), b"\0\0\0\1Bud1" + b"\0" * 90)
        zip_file.add(b"__MACOSX/", b"", folder=True)
        zip_file.add(encode("__MACOSX/" + prefix), b"", folder=True)
        for name, _ in files:
            zip_file.add(encode("__MACOSX/" + prefix + "._" + name), APPLE_DOUBLE)
    zip_file.close()


def make_class(count, out, seed, floors, project_files):
    """Writes out/standard/ and out/archives/ for count students; returns the
    standard's parameters. project_files turns parameters into files."""
    r = random.Random(seed)
    floors = floors or r.randint(10, 40)
    standard = class_standard(r, floors, "frame")
    standard_folder = os.path.join(out, "standard")
    archives = os.path.join(out, "archives")
    for folder in (standard_folder, archives):
        os.makedirs(folder, exist_ok=True)
    for name, data in project_files(standard):
        with open(os.path.join(standard_folder, name), "wb") as f:
            f.write(data)
    rows = ["档案\t学号\t姓名\t压缩方式\t工程\t应得结果\t特点"]
    used = set()
    for i in range(count):
        sr = random.Random("%s/%d" % (seed, i))
        name = sr.choice(SURNAMES) + sr.choice(GIVEN) + (sr.choice(GIVEN) if sr.random() < 0.6 else "")
        while name in used:
            name += sr.choice(GIVEN)
        used.add(name)
        number = "2023%04d" % (i + 1)
        archive_kind = FIRST_ARCHIVES[i] if i < len(FIRST_ARCHIVES) else weighted(sr, ARCHIVE_KINDS)
        kind = "equal" if i == 0 else weighted(sr, PROJECT_KINDS)
        p = student_project(sr, standard, kind, name)
        if archive_kind == "case":
            # Typed by the student when saving: the results keep the
            # analysis program's lower case.
            p["base"] = "frame"
            p["prj_name"] = "Frame.prj"
        files = project_files(p)
        if kind == "damaged-result" and p["results"]:
            damage(sr, files)
        archive = "%s_%s.zip" % (number, name)
        write_class_archive(os.path.join(archives, archive), archive_kind, "%s%s结构设计" % (number, name), files)
        rows.append("\t".join([archive, number, name, archive_kind, kind, EXPECTED[kind],
                               MARKS[archive_kind]]))
    with open(os.path.join(out, "class.tsv"), "w", encoding="utf-8") as f:
        f.write("\n".join(rows) + "\n")
    return standard
