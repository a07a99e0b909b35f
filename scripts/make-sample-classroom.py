#!/usr/bin/env python3
"""Writes the settings, level table and roster of the demo classroom in data/sample/.

The files are CP932 text with CR LF line ends, in the free sequential format the program reads
(texts in double quotes, numbers bare). Run it after changing a value here; it rewrites only these
four files. The pictures (picture/) and the sound folder (音フォルダ/) are made by their own tools
in tools/.
"""

from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent / "data" / "sample"
COMMON = ROOT / "教室"            # the common data folder, shared by the programs of a classroom
PROGRAM = COMMON / "ペクル"        # this program's folder inside it


def quoted(text: str, width: int | None = None) -> str:
    if width is not None:
        text = text[:width].ljust(width)
    return '"' + text + '"'


def write(path: Path, lines: list[str]) -> None:
    path.parent.mkdir(parents=True, exist_ok=True)
    path.write_bytes("".join(line + "\r\n" for line in lines).encode("cp932"))


# 設定.txt: ten values. Value 1 = 0: the common data lie one folder up, the program's own data in
# its own folder. Values 2 to 10 are not used by this program.
write(PROGRAM / "設定.txt", [",".join(["0"] * 10)])

# 共通データ.txt: the school year starts in April; a five-digit classroom code and the classroom's
# name; roster option 0 (rows with flag 2 stay hidden); seven values not used by this program.
write(COMMON / "共通データ.txt", [",".join(["4", quoted("10234ひまわり教室"), "0"] + ["0"] * 7)])

# 生徒用名簿.txt: number, birth year, two reserved numbers, name (20 characters), row flag (0 =
# shown), two reserved texts (20 characters). The birth years make a 5th and a 2nd year of
# elementary school in the school year from April 2026; grades move up each April.
students = [
    (1, 1985, "やまだ先生"),
    (2, 2015, "たろう"),
    (3, 2018, "はなこ"),
]
write(COMMON / "生徒用名簿.txt", [
    f"{number},{born},0,0,{quoted(name, 20)},0,{quoted('', 20)},{quoted('', 20)}"
    for number, born, name in students
])

# タイム回数データ.txt: one line per level index from 0; levels 1 to 3 are played, line 0 is kept
# equal to level 1 so that line n is level n. Columns:
#  1 target time s, 2 limit s (the drill is cut off at 5 × limit), 3 points needed and 4 attempts
#  needed within period A to clear the level, 5 points factor, 6 attempts and 7 points within
#  period B after which a cleared level sends the student on to the next one (0 = no such goal),
#  8 period A in days, 9 period B in days, 10-12 not used.
levels = [
    # target limit points attempts factor  6   7  A  B  10 11 12
    (180, 300, 30, 5, "1", 3, 15, 7, 1, 0, 0, 0),   # 0: same as level 1
    (180, 300, 30, 5, "1", 3, 15, 7, 1, 0, 0, 0),   # 1: 3×3 tiles, 5 pictures
    (180, 360, 40, 5, "1.5", 3, 20, 7, 1, 0, 0, 0),  # 2: 4×4 tiles, 3 pictures
    (200, 420, 50, 5, "2", 3, 25, 7, 1, 0, 0, 0),   # 3: 5×5 tiles, 2 pictures
]
write(PROGRAM / "タイム回数データ.txt", [",".join(str(v) for v in row) for row in levels])
