#!/usr/bin/env python3
"""Draws the measurement drawings shown beside the sail and rig editors as
uncompressed 24-bit BMP files of fixed sizes: each sail or rig outline with
the measurements its editor asks for as labelled lines. Needs ImageMagick.
Called by draw-pictures.sh; writes the files next to itself."""

import math
import os
import subprocess

HERE = os.path.dirname(os.path.abspath(__file__))
FONT = "DejaVu-Sans"
BOLD = "DejaVu-Sans-Bold"
SAIL_FILL = "#e6eef9"
SAIL_EDGE = "#1f3b6e"
MEASURE = "#c03030"
SPAR = "#5a3a1a"
HULL_FILL = "#d8d8d8"


class Picture:
    """Collects ImageMagick draw primitives for one white canvas."""

    def __init__(self, width, height):
        self.width = width
        self.height = height
        self.args = []

    def style(self, fill="none", stroke="black", width=1.0):
        self.args += ["-fill", fill, "-stroke", stroke, "-strokewidth", str(width)]

    def polygon(self, points, fill, stroke=SAIL_EDGE, width=1.5):
        self.style(fill, stroke, width)
        self.args += ["-draw", "polygon " + " ".join("%.1f,%.1f" % p for p in points)]

    def polyline(self, points, stroke, width=1.0):
        self.style("none", stroke, width)
        self.args += ["-draw", "polyline " + " ".join("%.1f,%.1f" % p for p in points)]

    def line(self, a, b, stroke=MEASURE, width=1.0, dashed=False):
        self.style("none", stroke, width)
        if dashed:
            self.args += ["-draw", "stroke-dasharray 4 3"]
        self.args += ["-draw", "line %.1f,%.1f %.1f,%.1f" % (a + b)]
        if dashed:
            self.args += ["-draw", "stroke-dasharray"]

    def text(self, at, words, size=11, colour="black", bold=False, anchor="w"):
        """Writes `words` with its left ("w"), middle ("c") or right ("e") end at `at`."""
        gravity = {"w": "NorthWest", "c": "North", "e": "NorthEast"}[anchor]
        x, y = at
        if anchor == "c":
            x -= self.width / 2.0
        elif anchor == "e":
            x = self.width - x
        self.args += ["-stroke", "none", "-fill", colour, "-font", BOLD if bold else FONT,
                      "-pointsize", str(size), "-gravity", gravity,
                      "-annotate", "+%d+%d" % (round(x), round(y - size * 0.75)), words,
                      "-gravity", "NorthWest"]

    def measure(self, a, b, label, offset=(0, 0), anchor="c", size=11):
        """A measured length from a to b with end ticks and its name near the middle."""
        self.line(a, b, MEASURE, 1.2)
        dx, dy = b[0] - a[0], b[1] - a[1]
        length = math.hypot(dx, dy) or 1.0
        nx, ny = -dy / length * 4, dx / length * 4
        for p in (a, b):
            self.line((p[0] - nx, p[1] - ny), (p[0] + nx, p[1] + ny), MEASURE, 1.2)
        mid = ((a[0] + b[0]) / 2 + offset[0], (a[1] + b[1]) / 2 + offset[1])
        self.text(mid, label, size, MEASURE, True, anchor)

    def dot(self, p, label=None, offset=(4, -4), anchor="w"):
        self.style(SAIL_EDGE, SAIL_EDGE, 1)
        self.args += ["-draw", "circle %.1f,%.1f %.1f,%.1f" % (p[0], p[1], p[0] + 2, p[1])]
        if label:
            self.text((p[0] + offset[0], p[1] + offset[1]), label, 10, SAIL_EDGE, False, anchor)

    def save(self, name):
        subprocess.run(["convert", "-size", "%dx%d" % (self.width, self.height), "xc:white",
                        "-gravity", "NorthWest"] + self.args +
                       ["-type", "TrueColor", "-units", "PixelsPerInch", "-density", "96.012",
                        "BMP3:" + os.path.join(HERE, name)], check=True)


def lerp(a, b, t):
    return (a[0] + (b[0] - a[0]) * t, a[1] + (b[1] - a[1]) * t)


def foot_on_line(p, a, b):
    """The point of the line a-b nearest to p."""
    dx, dy = b[0] - a[0], b[1] - a[1]
    t = ((p[0] - a[0]) * dx + (p[1] - a[1]) * dy) / (dx * dx + dy * dy)
    return lerp(a, b, t)


def curve(a, b, bulge, steps=24):
    """Points of a gentle arc from a to b, bowed by `bulge` pixels to the right of a-b."""
    dx, dy = b[0] - a[0], b[1] - a[1]
    length = math.hypot(dx, dy)
    nx, ny = -dy / length, dx / length
    return [(a[0] + dx * t + nx * bulge * 4 * t * (1 - t), a[1] + dy * t + ny * bulge * 4 * t * (1 - t))
            for t in (i / steps for i in range(steps + 1))]


def main_sail():
    pic = Picture(163, 406)
    pic.text((81, 16), "MAIN SAIL", 13, "black", True, "c")
    tack, head = (40.0, 360.0), (40.0, 40.0)
    luff = 320.0
    widths = {0.0: 104, 0.25: 84, 0.5: 62, 0.75: 36, 0.875: 23, 1.0: 12}
    leech = [(tack[0] + w, tack[1] - luff * f) for f, w in sorted(widths.items())]
    pic.line((tack[0] - 3, tack[1] + 12), (head[0] - 3, head[1] - 14), SPAR, 5)
    pic.line((tack[0] - 6, tack[1] + 6), (tack[0] + 112, tack[1] + 6), SPAR, 5)
    pic.polygon([tack] + leech + [head], SAIL_FILL)
    pic.measure((tack[0] - 22, tack[1]), (head[0] - 22, head[1]), "P", (-6, 0), "e", 13)
    pic.measure((tack[0], tack[1] + 24), (leech[0][0], tack[1] + 24), "E", (0, 17), "c", 13)
    names = {0.25: ("MQW", "q"), 0.5: ("MHW", "h"), 0.75: ("MTW", "t"), 0.875: ("MUW", "u")}
    for f, (name, point) in names.items():
        y = tack[1] - luff * f
        end = (tack[0] + widths[f], y)
        pic.measure((tack[0], y), end, name, (4 - widths[f] / 2, -3), "w", 10)
        pic.dot(end, point, (5, 4))
    pic.dot(head, "H1", (-4, -6), "e")
    pic.dot(leech[-1], "H2", (5, -4))
    pic.measure((head[0], head[1] - 12), (leech[-1][0], head[1] - 12), "MHB", (10, -1), "w", 10)
    pic.save("MainSailDrawing.bmp")


def headsail(pic, tack, head, clew, names, leech_bulge, luff_bulge=0.0):
    """A headsail from tack to head to clew with its luff, perpendicular and girths."""
    luff = curve(tack, head, luff_bulge) if luff_bulge else [tack, head]
    leech = curve(head, clew, leech_bulge)
    pic.polygon(luff + leech[1:], SAIL_FILL)
    # Luff length along the luff, to its left.
    dx, dy = head[0] - tack[0], head[1] - tack[1]
    length = math.hypot(dx, dy)
    shift = (dy / length * 20, -dx / length * 20)
    pic.measure((tack[0] + shift[0], tack[1] + shift[1]), (head[0] + shift[0], head[1] + shift[1]),
                names["luff"], (-8, 0), "e", 12)
    # Luff perpendicular: from the clew square to the luff.
    foot = foot_on_line(clew, tack, head)
    pic.measure(clew, foot, names["perpendicular"], (4, 14), "c", 12)
    ux, uy = dx / length * 7, dy / length * 7
    vx, vy = (clew[0] - foot[0]), (clew[1] - foot[1])
    vl = math.hypot(vx, vy)
    vx, vy = vx / vl * 7, vy / vl * 7
    pic.polyline([(foot[0] + ux, foot[1] + uy), (foot[0] + ux + vx, foot[1] + uy + vy),
                  (foot[0] + vx, foot[1] + vy)], MEASURE, 1)
    # Girths from the leech points to the nearest points of the luff.
    # Names of the wide girths stand inside the sail, the narrow ones left of the luff.
    for fraction, name in names["girths"]:
        point = leech[round((1 - fraction) * (len(leech) - 1))]
        near = foot_on_line(point, tack, head)
        if fraction <= 0.75:
            pic.measure(near, point, name, (0, -6), "c", 10)
        else:
            pic.measure(near, point, name, ((near[0] - point[0]) / 2 - 6, 4), "e", 10)
    pic.measure(head, leech[1], names["head"], ((head[0] - leech[1][0]) / 2 - 6, -2), "e", 10)
    pic.dot(tack, "T", (-6, 6), "e")
    pic.dot(clew, "C", (6, 6))
    pic.dot(head)


GIRTHS = [(0.25, "HQW"), (0.5, "HHW"), (0.75, "HTW"), (0.875, "HUW")]


def jib():
    pic = Picture(250, 393)
    pic.text((125, 16), "HEADSAIL", 13, "black", True, "c")
    mast_x, deck_y = 222.0, 372.0
    pic.polygon([(4, deck_y), (246, deck_y), (240, deck_y + 14), (14, deck_y + 14)], HULL_FILL, "#606060", 1)
    pic.line((mast_x, deck_y), (mast_x, 30), SPAR, 5)
    tack, hound = (26.0, deck_y - 4), (mast_x - 3, 34.0)
    pic.line(tack, hound, "#707070", 1.5)
    head = lerp(tack, hound, 0.93)
    clew = (170.0, deck_y - 38)
    headsail(pic, tack, head, clew,
             {"luff": "HLU", "perpendicular": "HLP", "girths": GIRTHS, "head": "HHB"}, -10)
    pic.save("JibSailDrawing.bmp")


def hsf():
    pic = Picture(288, 375)
    pic.text((144, 16), "HEADSAIL SET FLYING", 13, "black", True, "c")
    tack, head, clew = (34.0, 345.0), (200.0, 40.0), (262.0, 318.0)
    headsail(pic, tack, head, clew,
             {"luff": "HLU", "perpendicular": "HLP", "girths": GIRTHS, "head": "HHB"}, -14, 18)
    pic.save("HsfSailDrawing.bmp")


def spinnaker():
    pic = Picture(250, 312)
    pic.text((125, 16), "ASYMMETRIC SPINNAKER", 12, "black", True, "c")
    head, tack, clew = (120.0, 34.0), (26.0, 270.0), (226.0, 250.0)
    luff = curve(tack, head, -30)
    leech = curve(head, clew, -22)
    foot = curve(clew, tack, -8)
    pic.polygon(luff + leech[1:] + foot[1:], SAIL_FILL)
    pic.measure(tack, head, "SLU", (-34, 22), "e", 12)
    pic.measure(head, clew, "SLE", (46, -30), "w", 12)
    pic.measure(tack, clew, "SFL", (0, 34), "c", 12)
    pic.measure(luff[len(luff) // 2], leech[len(leech) // 2], "SHW", (0, -6), "c", 12)
    pic.dot(head, "head", (8, -4))
    pic.dot(tack, "tack", (-2, 16), "c")
    pic.dot(clew, "clew", (2, 16), "c")
    pic.save("SpiSailDrawing.bmp")


def boat(pic, deck_y, bow_x, stern_x, mast_x):
    """Side view of a hull with its deck (sheerline) at deck_y."""
    pic.polygon([(stern_x, deck_y), (bow_x, deck_y), (bow_x - 24, deck_y + 46), (stern_x + 12, deck_y + 42)],
                HULL_FILL, "#505050", 1.5)
    pic.polygon([(mast_x - 50, deck_y + 44), (mast_x - 20, deck_y + 44), (mast_x - 28, deck_y + 84),
                 (mast_x - 48, deck_y + 84)], "#a0a0a0", "#505050", 1)


def rig():
    pic = Picture(476, 724)
    pic.text((238, 18), "RIG DIMENSIONS", 14, "black", True, "c")

    # Side view with the main, the forestay and the heights above the sheerline.
    deck_y, mast_x, bow_x, stern_x = 430.0, 250.0, 440.0, 40.0
    boat(pic, deck_y, bow_x, stern_x, mast_x)
    top_y, hound_y, spi_y = 50.0, 84.0, 60.0
    boom_y = deck_y - 44
    boom_end = mast_x - 170
    pic.polygon([(mast_x - 4, boom_y - 8), (mast_x - 4, top_y + 8), (boom_end + 8, boom_y - 8)], SAIL_FILL)
    pic.line((mast_x, deck_y), (mast_x, top_y - 10), SPAR, 6)
    pic.line((mast_x - 3, boom_y), (boom_end, boom_y), SPAR, 5)
    pic.polygon([(mast_x - 3, boom_y + 3), (boom_end, boom_y + 3), (boom_end, boom_y + 12),
                 (mast_x - 3, boom_y + 12)], "#b08050", SPAR, 1)
    tack = (mast_x + 150, deck_y)
    pic.line(tack, (mast_x, hound_y), "#707070", 1.5)
    pic.line((mast_x + 4, spi_y), (mast_x + 20, spi_y + 10), "#707070", 1.5)
    # Heights at the right of the mast.
    x = mast_x + 170
    pic.text((stern_x + 6, deck_y - 5), "sheerline", 10, "#505050", False, "w")
    for y, name, column in ((hound_y, "IG", 0), (spi_y, "ISP", 1), (boom_y + 3, "BAS", 2)):
        cx = x - 30 * (2 - column)
        pic.line((mast_x + 4, y), (cx + 6, y), "#909090", 1, True)
        pic.measure((cx, deck_y), (cx, y), name, (4, 0), "w", 11)
    # Main sail luff and foot, the boom depth.
    pic.measure((mast_x - 24, boom_y - 8), (mast_x - 24, top_y + 8), "P", (-6, 0), "e", 13)
    pic.measure((boom_end + 8, boom_y - 22), (mast_x - 4, boom_y - 22), "E", (0, -4), "c", 13)
    pic.measure((boom_end - 14, boom_y + 3), (boom_end - 14, boom_y + 12), "BD", (-4, 4), "e", 11)
    pic.measure((mast_x, deck_y + 18), (tack[0], deck_y + 18), "J", (0, 16), "c", 13)

    # Second view: the spinnaker pole and the tack point of spinnaker or headsail set flying.
    deck2 = 630.0
    boat(pic, deck2, bow_x, stern_x, mast_x)
    pic.line((mast_x, deck2), (mast_x, 490), SPAR, 6)
    pole_y = deck2 - 40
    pic.line((mast_x + 3, pole_y), (mast_x + 118, pole_y - 16), SPAR, 3)
    pic.measure((mast_x + 3, pole_y - 24), (mast_x + 118, pole_y - 40), "SPL", (0, -6), "c", 12)
    spi_tack = (bow_x + 14, deck2 - 2)
    pic.line((bow_x, deck2), spi_tack, SPAR, 3)
    pic.dot(spi_tack)
    pic.measure((mast_x, deck2 + 20), (spi_tack[0], deck2 + 20), "TPS", (0, 16), "c", 12)
    pic.text((mast_x - 230, 520), "Spinnaker pole and", 11, "black", False, "w")
    pic.text((mast_x - 230, 536), "tack point of spinnaker", 11, "black", False, "w")
    pic.text((mast_x - 230, 552), "or headsail set flying", 11, "black", False, "w")
    pic.save("RigDrawing.bmp")


main_sail()
jib()
spinnaker()
hsf()
rig()
