#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""measure_contrast.py PNG [FLOOR]: the WCAG contrast of every text of the window in a picture of its
client area (303 x 487), measured from its pixels: in each text's place the most common colour is the
background, and the pixel that stands out most from it is the text. Ends with status 1 if any is under
FLOOR (4.5 unless given; 7 where the user asked for more contrast).
measure_contrast.py PNG --system TEXT GREY: under a contrast theme, whether the texts that have colours
of their own elsewhere are drawn in the system's: every pixel of each is a blend of its background and
TEXT (greyed fields: GREY), colours as RRGGBB. Ends with status 1 if any pixel is not."""
import sys
from PIL import Image

def lum(c):
    def ch(v):
        v /= 255
        return v / 12.92 if v <= 0.04045 else ((v + 0.055) / 1.055) ** 2.4
    return 0.2126 * ch(c[0]) + 0.7152 * ch(c[1]) + 0.0722 * ch(c[2])

def ratio(a, b):
    la, lb = lum(a), lum(b)
    return (max(la, lb) + 0.05) / (min(la, lb) + 0.05)

F = (8, 6)  # the frame's origin in the client area


def tw(x, y, w, h, frame=True):
    """A place of the layout, in twips, as pixels of the client area."""
    ox, oy = F if frame else (0, 0)
    return (ox + x // 15, oy + y // 15, ox + (x + w) // 15, oy + (y + h) // 15)
regions = {
    "footer": tw(135, 7065, 4320, 195, False), "Calculate!": tw(120, 5760, 4335, 375, False),
    "Reset All": tw(120, 6600, 2295, 375, False), "Exit": tw(2400, 6600, 2055, 375, False),
    "Targets Reset": tw(120, 6120, 4335, 375, False), "frame title": (16, 6, 70, 16),
    "Density": tw(2760, 360, 615, 255), "Yeld": tw(2280, 2760, 1095, 255), "Width Target": tw(600, 3480, 1335, 255),
    "L/W": tw(120, 2400, 375, 255), "P/W": tw(3000, 2400, 375, 255), "C/W": tw(120, 2760, 375, 255),
    "Lenght Target": tw(480, 3840, 1455, 255), "Total Height": tw(120, 4920, 1815, 255),
    "Final Weight": tw(720, 5280, 1215, 255), "Crown caption": tw(1080, 4560, 855, 255),
    "Pavillion caption": tw(960, 4200, 975, 255), "Tip": tw(3060, 3720, 1170, 1515),
    "mat": tw(120, 360, 1935 - 300, 315), "spec (greyed)": tw(3480, 360, 735, 285), "w3": tw(3480, 2760, 735, 285),
    "wit": tw(2040, 3480, 855, 285), "lengh": tw(2040, 3840, 855, 285), "vl": tw(600, 2400, 855, 285),
    "pw": tw(3480, 2400, 735, 285), "cw": tw(600, 2760, 855, 285), "thi": tw(2040, 4920, 855, 285),
    "ct": tw(2040, 5280, 855, 285), "crown (greyed)": tw(2040, 4560, 855, 285),
    "pavillion (greyed)": tw(2160, 4320, 855, 285, False),
}
img = Image.open(sys.argv[1]).convert("RGB")
assert img.size == (303, 487), img.size
COLOURED = ("footer", "Width Target", "Lenght Target", "Crown caption", "Pavillion caption", "Tip", "wit", "lengh")


# How far a pixel of text may stray from a straight blend of its colour and the background: the toolkit
# blends in a gamma-corrected space (seen: 25 levels for dark red on white), while a colour of our own
# instead of the system's strays by 100 or more.
STRAY = 48


def off_blend(p, bg, ink):
    """How far the pixel P lies from every blend of BG and INK."""
    d = [i - b for i, b in zip(ink, bg)]
    t = max(0, min(1, sum((c - b) * e for c, b, e in zip(p, bg, d)) / max(1, sum(e * e for e in d))))
    return max(abs(c - (b + t * e)) for c, b, e in zip(p, bg, d))


if len(sys.argv) == 5 and sys.argv[2] == "--system":
    text, grey = (tuple(int(h[i:i + 2], 16) for i in (0, 2, 4)) for h in sys.argv[3:5])
    bad = 0
    for name in COLOURED + ("spec (greyed)", "crown (greyed)", "pavillion (greyed)"):
        x0, y0, x1, y1 = regions[name]
        inset = 3 if name[0].islower() else 0
        box = img.crop((x0 + inset, y0 + inset, x1 - inset, y1 - inset))
        colours = box.getcolors(1 << 16)
        bg = max(colours)[1]
        ink = grey if "greyed" in name else text
        worst = max(off_blend(c, bg, ink) for n, c in colours)
        drawn = max((ratio(c, bg), c) for n, c in colours)[1]
        print(f"{name:20s} background #{bg[0]:02x}{bg[1]:02x}{bg[2]:02x} text #{drawn[0]:02x}{drawn[1]:02x}{drawn[2]:02x}"
              f" furthest from a blend with #{''.join(f'{v:02x}' for v in ink)}: {worst:.0f}{'  OWN COLOUR' if worst > STRAY else ''}")
        bad += worst > STRAY
    sys.exit(1 if bad else 0)

floor = float(sys.argv[2]) if len(sys.argv) > 2 else 4.5
worst = 99
for name, (x0, y0, x1, y1) in regions.items():
    # inside the border of fields and buttons
    inset = 3 if name[0].islower() or name in ("Calculate!", "Reset All", "Exit", "Targets Reset") else 0
    box = img.crop((x0 + inset, y0 + inset, x1 - inset, y1 - inset))
    colours = box.getcolors(1 << 16)
    bg = max(colours)[1]
    ink = max((ratio(c, bg), c) for n, c in colours)
    worst = min(worst, ink[0])
    print(f"{name:20s} background #{bg[0]:02x}{bg[1]:02x}{bg[2]:02x} text #{ink[1][0]:02x}{ink[1][1]:02x}{ink[1][2]:02x} {ink[0]:5.2f}:1{'  LOW' if ink[0] < floor else ''}")
print(f"lowest {worst:.2f}:1")
sys.exit(0 if worst >= floor else 1)
