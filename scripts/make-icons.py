#!/usr/bin/python3
"""Draws the editor's image lists into src/editor/res/.

A developer tool, not part of the build: the BMPs it writes are committed, so neither the
build nor CI ever runs it. Run it again after changing a glyph:

    apt-get install -y python3-pil      # once
    /usr/bin/python3 scripts/make-icons.py [--preview DIR]

Every strip is a 24-bit uncompressed bottom-up BMP, one row of square cells, with magenta
RGB(255,0,255) as the transparent colour (the editor loads them with ImageList_AddMasked).
Pixels are either fully opaque or magenta: anti-aliasing against magenta would leave pink
fringes once the mask is applied, so everything is drawn on the pixel grid.

One style for every glyph: a 1 px outline in the dark shade of the shape's own colour, light
from the top left (lighter inner edge top/left, darker inner edge bottom/right), and a small
outlined mark in the bottom right corner telling apart the kinds of one family, always with
the same meaning: down arrow get/read/download, up arrow upload, right arrow send/move, pencil
set/write/rename, red cross clear/delete/close, play run/call, stop sign kill.
--preview DIR also writes each strip enlarged 4x on white and on a selection blue as PNGs.
"""

import math
import os
import sys

from PIL import Image

MAGENTA = (255, 0, 255)

# name: (outline, shadow, base, light)
HUES = {
    "paper": ((80, 84, 92), (214, 218, 226), (255, 255, 255), (255, 255, 255)),
    "folder": ((150, 98, 12), (222, 164, 40), (250, 202, 72), (255, 232, 150)),
    "board": ((96, 58, 26), (138, 88, 44), (172, 116, 62), (208, 154, 98)),
    "metal": ((66, 70, 82), (150, 154, 166), (190, 194, 204), (236, 238, 242)),
    "blue": ((22, 58, 138), (40, 98, 184), (62, 132, 222), (134, 186, 246)),
    "green": ((22, 98, 32), (40, 134, 46), (62, 172, 62), (134, 216, 122)),
    "red": ((138, 20, 20), (180, 34, 30), (222, 52, 40), (250, 124, 102)),
    "grey": ((62, 64, 70), (158, 160, 166), (200, 202, 208), (236, 236, 240)),
    "note": ((150, 120, 30), (236, 220, 140), (255, 243, 176), (255, 252, 222)),
    "skin": ((150, 96, 56), (222, 170, 124), (244, 200, 158), (255, 228, 200)),
    "screen": ((40, 48, 66), (20, 52, 96), (28, 70, 124), (52, 100, 160)),
    "desk": ((40, 48, 66), (10, 110, 110), (16, 140, 140), (60, 176, 176)),
}
INK = (64, 68, 78)  # text lines, hands, key caps' gaps
LINE = (150, 158, 172)  # lines of text on paper
WHITE = (255, 255, 255)
DARK = (36, 40, 48)


class Canvas:
    def __init__(self, size):
        self.s = size
        self.px = [[None] * size for _ in range(size)]

    def v(self, small, large):
        """Picks the coordinate for this size; the two sizes are drawn, not scaled."""
        return small if self.s == 16 else large

    def set(self, x, y, colour):
        if 0 <= x < self.s and 0 <= y < self.s:
            self.px[y][x] = colour


# ---- masks: sets of (x, y) pixels --------------------------------------------------------


def rect(x0, y0, x1, y1):
    return {(x, y) for x in range(x0, x1 + 1) for y in range(y0, y1 + 1)}


def rounded(x0, y0, x1, y1):
    return rect(x0, y0, x1, y1) - {(x0, y0), (x1, y0), (x0, y1), (x1, y1)}


def ellipse(x0, y0, x1, y1, grow=0.0):
    cx, cy = (x0 + x1) / 2, (y0 + y1) / 2
    rx, ry = (x1 - x0) / 2 + 0.5 + grow, (y1 - y0) / 2 + 0.5 + grow
    out = set()
    for y in range(int(y0) - 1, int(y1) + 2):
        for x in range(int(x0) - 1, int(x1) + 2):
            if ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1.0:
                out.add((x, y))
    return out


def _seg_dist(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    t = 0.0 if dx == dy == 0 else max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)))
    return math.hypot(px - ax - t * dx, py - ay - t * dy)


def poly(points):
    """Pixels whose centre lies inside the polygon or on its edge; vertices are pixel centres."""
    xs, ys = [p[0] for p in points], [p[1] for p in points]
    out = set()
    n = len(points)
    for y in range(int(min(ys)) - 1, int(max(ys)) + 2):
        for x in range(int(min(xs)) - 1, int(max(xs)) + 2):
            inside = False
            for i in range(n):
                ax, ay = points[i]
                bx, by = points[(i + 1) % n]
                if (ay > y) != (by > y) and x < ax + (y - ay) * (bx - ax) / (by - ay):
                    inside = not inside
            near = any(_seg_dist(x, y, *points[i], *points[(i + 1) % n]) <= 0.35 for i in range(n))
            if inside or near:
                out.add((x, y))
    return out


def stroke(points, half_width):
    """A thick polyline: pixels within half_width of any segment."""
    xs, ys = [p[0] for p in points], [p[1] for p in points]
    r = int(half_width) + 2
    out = set()
    for y in range(int(min(ys)) - r, int(max(ys)) + r + 1):
        for x in range(int(min(xs)) - r, int(max(xs)) + r + 1):
            if any(_seg_dist(x, y, *points[i], *points[i + 1]) <= half_width for i in range(len(points) - 1)):
                out.add((x, y))
    return out


def ring(cx, cy, r_in, r_out, skip=None):
    """Annulus; skip(angle_degrees) drops a sector (angle counter-clockwise from 3 o'clock)."""
    out = set()
    for y in range(int(cy - r_out) - 1, int(cy + r_out) + 2):
        for x in range(int(cx - r_out) - 1, int(cx + r_out) + 2):
            d = math.hypot(x - cx, y - cy)
            if r_in <= d <= r_out:
                a = math.degrees(math.atan2(cy - y, x - cx)) % 360
                if skip is None or not skip(a):
                    out.add((x, y))
    return out


# ---- painting ------------------------------------------------------------------------------


def paint(c, mask, hue, outline=True):
    """Fills a shape lit from the top left, outlined in its own dark shade."""
    line, shadow, base, light = HUES[hue]
    inside = lambda x, y: (x, y) in mask
    for x, y in mask:
        edge = not all(inside(x + dx, y + dy) for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))
        if edge and outline:
            c.set(x, y, line)
            continue
        if not outline:
            lit = not inside(x - 1, y) or not inside(x, y - 1)
            dim = not inside(x + 1, y) or not inside(x, y + 1)
        else:
            near = lambda dx, dy: not all(
                inside(x + dx + ex, y + dy + ey) for ex, ey in ((1, 0), (-1, 0), (0, 1), (0, -1))
            )
            lit = near(-1, 0) or near(0, -1)
            dim = near(1, 0) or near(0, 1)
        if lit and not dim:
            c.set(x, y, light)
        elif dim and not lit:
            c.set(x, y, shadow)
        else:
            c.set(x, y, base)


def flat(c, mask, colour):
    for x, y in mask:
        c.set(x, y, colour)


def hline(c, x0, x1, y, colour):
    flat(c, rect(x0, y, x1, y), colour)


def vline(c, x, y0, y1, colour):
    flat(c, rect(x, y0, x, y1), colour)


# ---- corner marks --------------------------------------------------------------------------
# Drawn by hand at both sizes (interior only; the outline is grown around them), because a
# 6 px arrow scaled from anything looks like a smudge.

MARK_COLOURS = {
    "g": HUES["green"][2], "G": HUES["green"][3], "h": HUES["green"][1],
    "r": HUES["red"][2], "R": HUES["red"][3], "s": HUES["red"][1],
    "b": HUES["blue"][2], "B": HUES["blue"][3],
    "y": HUES["folder"][2], "Y": HUES["folder"][3],
    "w": WHITE, "p": (240, 150, 160), "t": (232, 196, 140), "k": DARK, "m": HUES["metal"][2],
    "n": HUES["board"][2],
}
MARK_OUTLINE = {"g": "green", "r": "red", "b": "blue", "y": "folder", "n": "board"}

MARKS = {
    "down": (
        "g",
        ["..Gg..", "..Gg..", "GGGggg", ".Gggh.", "..gh..", "......"],
        ["...GGgg...", "...Gggg...", "...Gggg...", "...Gggg...", "GGGGgggggh",
         ".GGggggh..", "..Gggggh..", "...Gggh...", "....gh....", ".........."],
    ),
    "plus": (
        "g",
        ["..Gg..", "..Gg..", "GGGggg", "gggggh", "..gh..", "..gh.."],
        ["...GGgg...", "...Gggg...", "...Gggg...", "GGGGgggggg", "GGgggggggh",
         "Ggggggghhh", "ggghgggh..", "...Gggh...", "...Gghh...", "...ghhh..."],
    ),
    "x": (
        "r",
        ["RR..Rr", ".Rrrr.", "..Rr..", "..rr..", ".Rrrs.", "Rr..rs"],
        ["RR......Rr", "RRr....Rrr", ".RRr..Rrr.", "..RrrRrr..", "...Rrrr...",
         "...Rrrs...", "..Rrrrrs..", ".Rrr..rrs.", "Rrr....rss", "rr......ss"],
    ),
    "pencil": (
        "y",
        ["....pp", "...Yyp", "..Yyy.", ".Yyy..", "tyy...", "kt...."],
        ["........pp", ".......ppp", "......Yyp.", ".....Yyyy.", "....Yyyy..",
         "...Yyyy...", "..tyyy....", ".ttyy.....", ".ktt......", "kk........"],
    ),
    "play": (
        "g",
        ["G.....", "GGG...", "Gggg..", "Ggggh.", "Ggh...", "g....."],
        ["GG........", "GGGg......", "GGggg.....", "GGggggg...", "GGgggggggh",
         "Gggggggghh", "Gggggghh..", "Ggggh.....", "Gghh......", "gh........"],
    ),
    "stop": (
        "r",
        [".RRrr.", "Rrrrrr", "Rwwwws", "Rwwwws", "rrrrss", ".rsss."],
        ["..RRRrrr..", ".RRrrrrrr.", "RRrrrrrrrr", "Rrrrrrrrrs", "Rwwwwwwwws",
         "Rwwwwwwwws", "rrrrrrrrrs", "rrrrrrrrss", ".rrrrrsss.", "..rsssss.."],
    ),
    "info": (
        "b",
        [".BBbb.", "BbwwBb", "bbbbbb", "bbwwbb", "bbwwbb", ".bbbb."],
        ["..BBBbbb..", ".BBbwwbbb.", "BBbbwwbbbb", "Bbbbbbbbbb", "Bbbwwwbbbb",
         "bbbbwwbbbb", "bbbbwwbbbb", "bbbwwwwbbb", ".bbbbbbbb.", "..bbbbbb.."],
    ),
    "alert": (
        "r",
        [".RRrr.", "RrwwRr", "rrwwrr", "rrrrrr", "rrwwrr", ".rrrr."],
        ["..RRRrrr..", ".RRrwwrrr.", "RRrrwwrrrr", "Rrrrwwrrrr", "Rrrrwwrrrr",
         "rrrrwwrrrr", "rrrrrrrrrr", "rrrrwwrrrr", ".rrrwwrrr.", "..rrrrrr.."],
    ),
    "star": (
        "y",
        ["..YY..", "..Yy..", "YYYyyy", ".Yyyy.", ".Yyyy.", "Yy..yy"],
        ["....YY....", "....Yy....", "...YYyy...", "YYYYYyyyyy", ".YYyyyyyy.",
         "..YYyyyy..", "..YYyyyy..", ".YYyyyyyy.", ".Yyy..yyy.", "Yy......yy"],
    ),
    "house": (
        "n",
        ["..RR..", ".RRrr.", "RRrrrr", ".wwww.", ".wnnw.", ".wnnw."],
        ["....RR....", "...RRrr...", "..RRrrrr..", ".RRrrrrrr.", "RRrrrrrrrr",
         ".wwwwwwww.", ".wwwwnnww.", ".wwwwnnww.", ".wwwwnnww.", ".wwwwnnww."],
    ),
}


def mark(c, name):
    main, small, large = MARKS[name]
    art = small if c.s == 16 else large
    n = len(art)
    ox = oy = c.s - n - 1
    cells = {(ox + x, oy + y): ch for y, row in enumerate(art) for x, ch in enumerate(row) if ch != "."}
    rim = HUES[MARK_OUTLINE[main]][0]
    for x, y in cells:
        for dx in (-1, 0, 1):
            for dy in (-1, 0, 1):
                c.set(x + dx, y + dy, rim)
    for (x, y), ch in cells.items():
        c.set(x, y, MARK_COLOURS[ch])


def _derive_arrows():
    """Right and up are the down arrow turned, so the three always match."""
    main, small, large = MARKS["down"]
    turn = lambda art: ["".join(row[i] for row in art) for i in range(len(art))]
    flip = lambda art: [row.translate(str.maketrans("Gh", "hG")) for row in reversed(art)]
    MARKS["right"] = (main, turn(small), turn(large))
    MARKS["up"] = (main, flip(small), flip(large))


_derive_arrows()


# ---- family glyphs -----------------------------------------------------------------------


def document(c, box=None):
    x0, y0, x1, y1 = box or c.v((3, 1, 12, 14), (4, 1, 19, 22))
    f = c.v(3, 5)
    paint(c, poly([(x0, y0), (x1 - f, y0), (x1, y0 + f), (x1, y1), (x0, y1)]), "paper")
    fold = poly([(x1 - f, y0), (x1 - f, y0 + f), (x1, y0 + f)])
    flat(c, fold, HUES["paper"][1])
    flat(c, {(x1 - f, y) for y in range(y0, y0 + f + 1)} | {(x, y0 + f) for x in range(x1 - f, x1 + 1)},
         HUES["paper"][0])
    for y in range(y0 + f + 2, y1 - 1, 2):
        hline(c, x0 + 2, x1 - 2, y, LINE)
    for y in range(y0 + 2, y0 + f + 1, 2):
        hline(c, x0 + 2, x1 - f - 2, y, LINE)


def folder(c, box=None):
    x0, y0, x1, y1 = box or c.v((1, 2, 14, 13), (1, 3, 22, 20))
    tab_w, tab_h = c.v((5, 2), (8, 3))
    paint(c, rounded(x0, y0, x0 + tab_w, y0 + tab_h + 1), "folder")
    paint(c, rect(x0, y0 + tab_h, x1, y1), "folder")


def open_folder(c):
    folder(c, (0, 2, 13, 13))
    paint(c, poly([(3, 6), (15, 6), (12, 13), (0, 13)]), "folder")


def clipboard(c):
    board, sheet, clip = c.v(((2, 2, 13, 15), (4, 4, 11, 13), (5, 1, 10, 3)),
                             ((3, 2, 20, 23), (5, 5, 18, 21), (8, 1, 15, 5)))
    paint(c, rounded(*board), "board")
    paint(c, rect(*sheet), "paper")
    for y in range(sheet[1] + 3, sheet[3] - 1, 2):
        hline(c, sheet[0] + 2, sheet[2] - 2, y, LINE)
    paint(c, rounded(*clip), "metal")
    cx = (clip[0] + clip[2]) // 2
    flat(c, rect(cx, clip[1] + 1, cx + 1, clip[1] + c.v(1, 2)), HUES["metal"][0])


def globe(c):
    x0, y0, x1, y1 = c.v((1, 1, 15, 15), (1, 1, 23, 23))
    paint(c, ellipse(x0, y0, x1, y1), "blue")
    cx, cy, r = (x0 + x1) // 2, (y0 + y1) // 2, (x1 - x0) / 2
    grid = HUES["blue"][3]
    inner = ellipse(x0 + 1, y0 + 1, x1 - 1, y1 - 1, grow=-0.6)
    lines = {(x, cy) for x in range(x0, x1 + 1)} | {(cx, y) for y in range(y0, y1 + 1)}
    meridian = ellipse(cx - r * 0.5, y0, cx + r * 0.5, y1)
    lines |= meridian - ellipse(cx - r * 0.5 + 1, y0 + 1, cx + r * 0.5 - 1, y1 - 1)
    for dy in (-round(r * 0.5), round(r * 0.5)):
        lines |= {(x, cy + dy) for x in range(x0, x1 + 1)}
    flat(c, lines & inner, grid)


def envelope(c):
    x0, y0, x1, y1 = c.v((1, 3, 14, 12), (1, 5, 22, 19))
    paint(c, rect(x0, y0, x1, y1), "paper")
    mid = (x0 + x1) / 2
    flap = stroke([(x0, y0), (mid, y0 + (x1 - x0) * 0.42), (x1, y0)], 0.5)
    flat(c, flap & rect(x0, y0, x1, y1), HUES["paper"][0])


def window(c, box=None, active=True):
    x0, y0, x1, y1 = box or c.v((1, 2, 14, 13), (1, 2, 22, 20))
    bar = c.v(3, 4)
    paint(c, rect(x0, y0, x1, y1), "blue" if active else "grey")
    paint(c, rect(x0 + 1, y0 + bar, x1 - 1, y1 - 1), "paper", outline=False)
    flat(c, rect(x1 - c.v(2, 3), y0 + 1, x1 - c.v(2, 2), y0 + bar - c.v(2, 2)), WHITE)


def monitor(c, hue="screen"):
    frame, screen, neck, foot = c.v(
        ((0, 1, 15, 11), (2, 3, 13, 9), (6, 12, 9, 12), (3, 13, 12, 14)),
        ((1, 2, 22, 16), (3, 4, 20, 14), (9, 17, 14, 19), (5, 20, 18, 22)))
    paint(c, rect(*neck), "metal")
    paint(c, rounded(*foot), "metal")
    paint(c, rounded(*frame), "metal")
    paint(c, rect(*screen), hue, outline=False)
    return screen


def keyboard(c):
    x0, y0, x1, y1 = c.v((0, 4, 15, 12), (1, 6, 22, 18))
    paint(c, rounded(x0, y0, x1, y1), "grey")
    cap = c.v(1, 2)
    step = cap + 1
    for row, y in enumerate(range(y0 + 2, y1 - 2 - cap, step)):
        for x in range(x0 + 2 + (row % 2), x1 - 1 - cap, step):
            flat(c, rect(x, y, x + cap - 1, y + cap - 1), WHITE)
    flat(c, rect(x0 + c.v(4, 6), y1 - 1 - cap, x1 - c.v(4, 6), y1 - 2), WHITE)


def mouse(c, box=None, click=False):
    x0, y0, x1, y1 = box or c.v((4, 3, 11, 14), (6, 5, 17, 22))
    body = ellipse(x0, y0, x1, y1)
    paint(c, body, "paper")
    split = y0 + c.v(4, 6)
    cx = (x0 + x1 + 1) // 2
    if click:
        left = {(x, y) for x, y in body if x < cx and y < split and (x - 1, y) in body and (x, y - 1) in body}
        flat(c, left, HUES["red"][2])
    hline(c, x0 + 1, x1 - 1, split, HUES["paper"][0])
    vline(c, cx, y0 + 1, split, HUES["paper"][0])
    vline(c, cx, 0, y0 - 1, INK)


GEAR16 = [
    "......####......",
    ".##...####...##.",
    ".###.######.###.",
    "..############..",
    "..############..",
    "..#####..#####..",
    "#######..#######",
    "#####......#####",
    "#####......#####",
    "#######..#######",
    "..#####..#####..",
    "..############..",
    "..############..",
    ".###.######.###.",
    ".##...####...##.",
    "......####......",
]


def gear(c):
    if c.s == 16:  # too few pixels for computed teeth to read as teeth
        paint(c, {(x, y) for y, row in enumerate(GEAR16) for x, ch in enumerate(row) if ch == "#"}, "metal")
        return
    cx = cy = 12
    mask = set()
    for y in range(1, 24):
        for x in range(1, 24):
            d = math.hypot(x - cx, y - cy)
            tooth = math.cos(8 * math.atan2(y - cy, x - cx)) > -0.1
            if 3.5 <= d <= (11.5 if tooth else 8.5):
                mask.add((x, y))
    paint(c, mask, "metal")


def clock(c):
    x0, y0, x1, y1 = c.v((1, 1, 15, 15), (1, 1, 23, 23))
    paint(c, ellipse(x0, y0, x1, y1), "paper")
    cx, cy = (x0 + x1) // 2, (y0 + y1) // 2
    r = (x1 - x0) // 2
    for dx, dy in ((0, -1), (1, 0), (0, 1), (-1, 0)):
        c.set(cx + dx * (r - 2), cy + dy * (r - 2), LINE)
    flat(c, rect(cx, cy - r + c.v(3, 4), cx, cy), DARK)
    flat(c, rect(cx, cy, cx + r - c.v(4, 5), cy), DARK)
    if c.s == 24:
        c.set(cx - 1, cy, DARK)


def gauge(c):
    x0, y0, x1, y1 = c.v((1, 1, 15, 15), (1, 1, 23, 23))
    paint(c, ellipse(x0, y0, x1, y1), "paper")
    cx, cy, r = (x0 + x1) // 2, (y0 + y1) // 2, (x1 - x0) / 2
    band = ring(cx, cy, r - c.v(3.2, 4.4), r - 1.6, skip=lambda a: 200 < a < 340)
    for x, y in band:
        a = math.degrees(math.atan2(cy - y, x - cx)) % 360
        a = a - 360 if a > 200 else a
        colour = HUES["red"][2] if a < 50 else HUES["folder"][2] if a < 120 else HUES["green"][2]
        c.set(x, y, colour)
    flat(c, stroke([(cx, cy), (cx + r * 0.55, cy - r * 0.5)], c.v(0.5, 0.7)), DARK)
    flat(c, ellipse(cx - 1, cy - 1, cx + 1, cy + 1), DARK)


def record(c):
    x0, y0, x1, y1 = c.v((2, 2, 13, 13), (3, 3, 20, 20))
    paint(c, ellipse(x0, y0, x1, y1), "red")
    flat(c, ellipse(x0 + 2, y0 + 2, x0 + c.v(4, 6), y0 + c.v(4, 6)), HUES["red"][3])


def two_windows(c):
    window(c, c.v((0, 0, 11, 9), (0, 0, 16, 13)), active=False)
    window(c, c.v((4, 5, 15, 15), (6, 8, 23, 22)))


def two_folders(c):
    folder(c, c.v((0, 0, 11, 9), (0, 0, 16, 13)))
    folder(c, c.v((4, 5, 15, 15), (6, 8, 23, 22)))


# ---- whole-icon glyphs -------------------------------------------------------------------


def padlock(c):
    shackle, hole, body = c.v(((4, 1, 11, 12), (6, 3, 9, 10), (2, 7, 13, 15)),
                              ((6, 1, 17, 18), (9, 4, 14, 15), (3, 10, 20, 22)))
    arc = {p for p in ellipse(*shackle) - ellipse(*hole) if p[1] <= body[1] + 1}
    paint(c, arc, "metal")
    paint(c, rounded(*body), "folder")
    cx = (body[0] + body[2]) // 2
    ky = body[1] + c.v(3, 4)
    flat(c, rect(cx, ky, cx + 1, ky + c.v(1, 2)) | rect(cx, ky + c.v(2, 3), cx + 1, ky + c.v(3, 6)), DARK)


def person(c):
    head, chest = c.v(((5, 0, 10, 5), (1, 7, 14, 20)), ((8, 1, 15, 8), (2, 10, 21, 31)))
    paint(c, ellipse(*chest) & rect(0, 0, c.s - 1, c.s - 1 - c.v(0, 1)), "blue")
    paint(c, ellipse(*head), "skin")


def restart(c):
    cx, cy = c.v((8, 8), (12, 12))
    r_in, r_out = c.v((3.0, 6.6), (4.6, 9.8))
    arc = ring(cx, cy, r_in, r_out, skip=lambda a: 20 < a < 90)
    tip = c.v([(8, -0.5), (13.5, 3), (8, 6.5)], [(12, -0.8), (19.5, 4.2), (12, 9.6)])
    paint(c, arc | poly(tip), "green")


def moon(c):
    full, bite = c.v(((1, 2, 13, 14), (5, 0, 17, 11)), ((2, 3, 20, 21), (8, 0, 26, 16)))
    paint(c, ellipse(*full) - ellipse(*bite), "folder")
    z = c.v([(10, 2), (13, 2), (10, 5), (13, 5)], [(15, 3), (20, 3), (15, 8), (20, 8)])
    flat(c, stroke(z, 0.5), HUES["blue"][0])


def power(c):
    x0, y0, x1, y1 = c.v((1, 1, 15, 15), (1, 1, 23, 23))
    paint(c, ellipse(x0, y0, x1, y1), "red")
    cx, cy = (x0 + x1) // 2, (y0 + y1) // 2
    r_in, r_out = c.v((2.6, 4.3), (4.0, 6.4))
    flat(c, ring(cx, cy + c.v(0, 0.5), r_in, r_out, skip=lambda a: 55 < a < 125), WHITE)
    flat(c, rect(cx - c.v(0, 1), cy - c.v(5, 8), cx, cy), WHITE)


def show_desktop(c):
    x0, y0, x1, y1 = monitor(c, "desk")
    for i in range(2):
        y = y0 + 1 + i * c.v(3, 4)
        flat(c, rect(x0 + 1, y, x0 + c.v(2, 3), y + c.v(1, 2)), WHITE)
    hline(c, x0, x1, y1, HUES["blue"][1])
    flat(c, rect(x0, y1, x0 + c.v(2, 3), y1), HUES["green"][2])


def variable(c):
    box = c.v((0, 1, 13, 10), (0, 2, 20, 15))
    paint(c, rounded(*box), "note")
    x0, y0 = box[0] + c.v(2, 3), box[1] + c.v(2, 3)
    n = c.v(4, 6)
    flat(c, stroke([(x0, y0), (x0 + n, y0 + n)], 0.5) | stroke([(x0 + n, y0), (x0, y0 + n)], 0.5), DARK)
    ex = x0 + n + c.v(2, 3)
    flat(c, rect(ex, y0 + c.v(1, 1), ex + c.v(3, 5), y0 + c.v(1, 1)), DARK)
    flat(c, rect(ex, y0 + c.v(3, 4), ex + c.v(3, 5), y0 + c.v(3, 4)), DARK)


def minimize(c):
    window(c)
    x0, y0, x1, y1 = c.v((4, 10, 9, 11), (5, 15, 13, 17))
    flat(c, rect(x0, y0, x1, y1), DARK)


def maximize(c):
    window(c)
    x0, y0, x1, y1 = c.v((4, 6, 11, 11), (5, 8, 18, 17))
    flat(c, rect(x0, y0, x1, y1) - rect(x0 + 1, y0 + 2, x1 - 1, y1 - 1), DARK)


def mouse_click(c):
    mouse(c, c.v((6, 3, 13, 14), (9, 5, 20, 22)), click=True)
    rays = c.v([[(0, 6), (2, 6)], [(1, 1), (3, 3)], [(5, 0), (5, 1)]],
               [[(0, 9), (4, 9)], [(1, 2), (4, 5)], [(7, 0), (7, 2)]])
    for ray in rays:
        flat(c, stroke(ray, 0.5), HUES["red"][1])


def with_mark(base, name):
    return lambda c: (base(c), mark(c, name))


# ---- toolbar and menu commands (16 px only) ----------------------------------------------


def floppy(c):
    paint(c, poly([(1, 1), (12, 1), (14, 3), (14, 14), (1, 14)]), "blue")
    paint(c, rect(4, 1, 11, 6), "metal")
    flat(c, rect(8, 2, 9, 5), HUES["metal"][0])
    paint(c, rect(3, 9, 12, 14), "paper")
    hline(c, 5, 10, 11, LINE)


def big_play(c):
    paint(c, poly([(3, 1), (13, 7.5), (3, 14)]), "green")


def run_selected(c):
    for i, y in enumerate((2, 6, 10)):
        if i == 1:
            paint(c, rect(0, y - 1, 13, y + 1), "blue", outline=False)
            hline(c, 2, 10, y, WHITE)
        else:
            hline(c, 2, 11, y, INK)
    mark(c, "play")


def exit_door(c):
    paint(c, rect(1, 1, 10, 15), "grey")
    paint(c, poly([(2, 2), (7, 3), (7, 15), (2, 14)]), "board")
    c.set(6, 9, HUES["folder"][3])
    paint(c, poly([(7, 6), (11, 6), (11, 3), (15, 7.5), (11, 12), (11, 9), (7, 9)]), "green")


def scissors(c):
    paint(c, stroke([(4, 10), (11, 0)], 1.4), "metal")
    paint(c, stroke([(11, 10), (4, 0)], 1.4), "metal")
    for box, hole in (((0, 9, 6, 15), (2, 11, 4, 13)), ((9, 9, 15, 15), (11, 11, 13, 13))):
        paint(c, ellipse(*box) - ellipse(*hole), "red")


def copy_docs(c):
    document(c, (1, 0, 9, 10))
    document(c, (6, 5, 14, 15))


def paste(c):
    clipboard(c)
    document(c, (7, 6, 15, 15))


def big_x(c):
    mask = {(x, y) for x in range(1, 15) for y in range(1, 15) if abs(x - y) <= 2 or abs(x + y - 15) <= 2}
    paint(c, mask, "red")


def select_all(c):
    for x in range(1, 15):
        for y in range(1, 15):
            if x in (1, 14) or y in (1, 14):
                c.set(x, y, DARK if (x + y) % 2 == 0 else WHITE)
    for y0, x1 in ((4, 11), (7, 11), (10, 8)):
        flat(c, rect(3, y0, x1, y0 + 1), HUES["blue"][2])


def checkbox(c):
    paint(c, rect(1, 2, 13, 14), "paper")
    paint(c, stroke([(3, 8), (6, 11), (14, 2)], 1.0), "green")


def big_arrow(c, up):
    pts = [(7.5, 1), (14, 7.5), (10, 7.5), (10, 14), (5, 14), (5, 7.5), (1, 7.5)]
    if not up:
        pts = [(x, 15 - y) for x, y in pts]
    paint(c, poly(pts), "blue")


def balloon(c):
    paint(c, rounded(0, 1, 15, 11) | poly([(3, 10), (3, 15), (8, 10)]), "note")
    for y, x1 in ((4, 12), (6, 12), (8, 9)):
        hline(c, 3, x1, y, LINE)


def about(c):
    paint(c, ellipse(1, 1, 14, 14), "blue")
    flat(c, rect(7, 3, 8, 4) | rect(7, 6, 8, 11) | rect(6, 6, 6, 6) | rect(6, 11, 9, 11), WHITE)


COMMANDS = [
    with_mark(document, "star"),  # New
    open_folder,  # Open
    floppy,  # Save
    with_mark(floppy, "pencil"),  # Save As
    big_play,  # Run
    run_selected,  # Run Selected
    exit_door,  # Exit
    scissors,  # Cut
    copy_docs,  # Copy
    paste,  # Paste
    big_x,  # Delete
    select_all,  # Select All
    checkbox,  # Enable/Disable
    lambda c: big_arrow(c, True),  # Move Up
    lambda c: big_arrow(c, False),  # Move Down
    balloon,  # Add/Edit Comment
    about,  # About
    with_mark(globe, "house"),  # Visit Homepage
    gear,  # Preferences
    with_mark(envelope, "alert"),  # Report Errors
]

# ---- step kinds, in image-index order; the 16 px tree and the 24 px list share them -------

KINDS = [
    with_mark(clipboard, "down"),  # Get Clipboard
    with_mark(clipboard, "pencil"),  # Set Clipboard
    with_mark(clipboard, "x"),  # Clear Clipboard
    two_folders,  # Copy Object
    with_mark(folder, "right"),  # Move Object
    with_mark(folder, "pencil"),  # Rename Object
    with_mark(folder, "x"),  # Delete Object
    with_mark(document, "play"),  # Run Object
    with_mark(document, "down"),  # Read From File
    with_mark(document, "pencil"),  # Write To File
    with_mark(envelope, "right"),  # Send Email
    with_mark(globe, "up"),  # Ftp Upload File
    with_mark(globe, "down"),  # Ftp Download File
    with_mark(globe, "pencil"),  # Ftp Rename File
    with_mark(globe, "x"),  # Ftp Delete File
    with_mark(window, "info"),  # Show Message
    two_windows,  # Activate Window
    minimize,  # Minimize Window
    maximize,  # Maximize Window
    with_mark(window, "x"),  # Close Window
    with_mark(window, "stop"),  # Kill Window
    with_mark(two_windows, "x"),  # Close All Windows
    show_desktop,  # Show Desktop
    with_mark(keyboard, "right"),  # Send Keys
    lambda c: (mouse(c, c.v((3, 2, 10, 13), (4, 3, 15, 20))), mark(c, "right")),  # Mouse Move
    mouse_click,  # Mouse Click
    clock,  # Wait
    with_mark(variable, "pencil"),  # Set Variable
    gauge,  # Execution Speed
    with_mark(gear, "play"),  # Call DLL Function
    padlock,  # Lock Computer
    with_mark(person, "right"),  # Log OFF Current User
    restart,  # Restart Windows
    moon,  # Hibernate System
    power,  # Shutdown Windows
    record,  # Record
]

# The tree shows each family's glyph above its kinds; Record stands alone at the end.
FAMILIES = [(clipboard, 3), (folder, 7), (globe, 5), (window, 8), (keyboard, 3), (gear, 6)]


def tree_icons():
    icons, k = [], 0
    for family, count in FAMILIES:
        icons.append(family)
        icons.extend(KINDS[k:k + count])
        k += count
    return icons + KINDS[k:]


def strip(draws, size):
    img = Image.new("RGB", (size * len(draws), size), MAGENTA)
    for i, draw in enumerate(draws):
        c = Canvas(size)
        draw(c)
        for y in range(size):
            for x in range(size):
                if c.px[y][x] is not None:
                    assert c.px[y][x] != MAGENTA
                    img.putpixel((i * size + x, y), c.px[y][x])
    return img


def preview(img, size, path, per_row=10):
    """Enlarged 4x, each row of cells once on white and once on the selection blue."""
    n = img.width // size
    z, gap = 4, 4
    cell = size * z + gap
    rows = (n + per_row - 1) // per_row
    out = Image.new("RGB", (per_row * cell + gap, rows * 2 * cell + gap), (128, 128, 128))
    for i in range(n):
        for band, back in enumerate((WHITE, (0, 120, 215))):
            tile = Image.new("RGB", (size, size), back)
            for y in range(size):
                for x in range(size):
                    p = img.getpixel((i * size + x, y))
                    if p != MAGENTA:
                        tile.putpixel((x, y), p)
            at = (gap + (i % per_row) * cell, gap + ((i // per_row) * 2 + band) * cell)
            out.paste(tile.resize((size * z, size * z), Image.NEAREST), at)
    out.save(path)


def main():
    root = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "src", "editor", "res")
    os.makedirs(root, exist_ok=True)
    tree = tree_icons()
    assert len(COMMANDS) == 20 and len(KINDS) == 36 and len(tree) == 42
    sets = {"commands16": (COMMANDS, 16), "tree16": (tree, 16), "steps24": (KINDS, 24)}
    preview_dir = sys.argv[2] if len(sys.argv) == 3 and sys.argv[1] == "--preview" else None
    for name, (draws, size) in sets.items():
        img = strip(draws, size)
        img.save(os.path.join(root, name + ".bmp"))
        if preview_dir:
            preview(img, size, os.path.join(preview_dir, name + ".png"))


if __name__ == "__main__":
    main()
