#!/usr/bin/env python3
"""Writes examples/stress.obx: a drawing at the limits of the format.

1000 placements and 1000 primitives, the most a drawing holds; the placements come first
because reading ends with the 1000th primitive. Lines after it are never read.
"""
import pathlib

out = []
for i in range(1000):
    column, row = i % 40, i // 40
    out.append(f"MC {200 + column * 20} {row * 20} {i % 4} {i % 3} {1 + i % 19}")

figures = [
    "LI {x} {y} {x2} {y2}",
    "RV {x} {y} {x2} {y2}",
    "RP {x} {y} {x2} {y2}",
    "EV {x} {y} {x2} {y2}",
    "EP {x} {y} {x2} {y2}",
    "BE {x} {y2} {x} {y} {x2} {y2} {x2} {y}",
    "PV {x} {y2} {xm} {y} {x2} {y2} 0 0",
    "PP {x} {y2} {xm} {y} {x2} {y2} 0 0",
    "SA {xm} {ym}",
    "TE {x} {y} {n}",
]
for i in range(996):
    column, row = i % 40, i // 40
    x, y = column * 5, row * 3
    out.append(figures[i % len(figures)].format(
        x=x, y=y, x2=x + 3, y2=y + 2, xm=x + 1, ym=y + 1, n=i % 100))
# Four at the edges of 32 bits: mapped coordinates wrap around, and nothing may crash.
out += [
    "LI -2147483648 0 2147483647 40",
    "RV -2147483648 -2147483648 2147483647 2147483647",
    "EP 0 0 99999999999 3",
    "TE 2147483647 2147483647 far away",
]
out.append("[Never read: the drawing is full]")
out.append("LI 0 0 130 76")
path = pathlib.Path(__file__).resolve().parent.parent / "examples" / "stress.obx"
path.write_text("\n".join(out) + "\n")
