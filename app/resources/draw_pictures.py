#!/usr/bin/env python3
"""Draws Tovan's pictures: the application icon, the main window's bitmap and the
eye diagram of the help pages. Standard library only, so the output is the same
on every machine.

    python3 app/resources/draw_pictures.py

rewrites app/resources/icon.png, app/resources/bitmap144.png and
help/images/eye_diagram.png (paths relative to the repository root).
"""

import math
import pathlib
import struct
import zlib

ROOT = pathlib.Path(__file__).resolve().parents[2]

BLACK = (0.0, 0.0, 0.0)
PANEL = (0.07, 0.08, 0.10)
GRID = (0.5, 0.5, 0.5)
ORANGE = (1.0, 0.543, 0.0)
BLUE = (0.28125, 0.516, 0.797)
LETTERS = (0.92, 0.93, 0.95)


class Canvas:
    """Straight-alpha RGBA floats, composited with "over"."""

    def __init__(self, width, height):
        self.width = width
        self.height = height
        self.pixels = [[0.0, 0.0, 0.0, 0.0] for _ in range(width * height)]

    def blend(self, x, y, colour, alpha):
        if alpha <= 0.0 or not (0 <= x < self.width and 0 <= y < self.height):
            return
        dst = self.pixels[y * self.width + x]
        out_a = alpha + dst[3] * (1.0 - alpha)
        for c in range(3):
            dst[c] = (colour[c] * alpha + dst[c] * dst[3] * (1.0 - alpha)) / out_a
        dst[3] = out_a

    def fill_rounded_rect(self, x0, y0, x1, y1, radius, colour):
        for y in range(max(0, int(y0)), min(self.height, int(math.ceil(y1)))):
            for x in range(max(0, int(x0)), min(self.width, int(math.ceil(x1)))):
                px, py = x + 0.5, y + 0.5
                inside = min(px - x0, x1 - px, py - y0, y1 - py) + 0.5
                dx = max(x0 + radius - px, 0.0, px - (x1 - radius))
                dy = max(y0 + radius - py, 0.0, py - (y1 - radius))
                if dx > 0.0 and dy > 0.0:
                    inside = min(inside, radius - math.hypot(dx, dy) + 0.5)
                self.blend(x, y, colour, min(1.0, max(0.0, inside)))

    def stroke(self, points, width, colour, opacity=1.0, dash=None):
        """One polyline; a pixel takes its largest coverage over the segments, so
        joints do not darken. dash = (on, off) lengths in pixels."""
        coverage = {}
        half = width * 0.5
        travelled = 0.0
        for (ax, ay), (bx, by) in zip(points, points[1:]):
            length = math.hypot(bx - ax, by - ay)
            for x in range(int(min(ax, bx) - half - 1), int(max(ax, bx) + half + 2)):
                for y in range(int(min(ay, by) - half - 1), int(max(ay, by) + half + 2)):
                    t, distance = _project(x + 0.5, y + 0.5, ax, ay, bx, by, length)
                    if dash and (travelled + t * length) % (dash[0] + dash[1]) > dash[0]:
                        continue
                    value = min(1.0, max(0.0, half + 0.5 - distance))
                    if value > coverage.get((x, y), 0.0):
                        coverage[(x, y)] = value
            travelled += length
        for (x, y), value in coverage.items():
            self.blend(x, y, colour, value * opacity)

    def png(self):
        rows = bytearray()
        for y in range(self.height):
            rows.append(0)
            for x in range(self.width):
                r, g, b, a = self.pixels[y * self.width + x]
                rows.extend(round(min(1.0, max(0.0, v)) * 255) for v in (r, g, b, a))
        header = struct.pack(">IIBBBBB", self.width, self.height, 8, 6, 0, 0, 0)
        return (b"\x89PNG\r\n\x1a\n" + _chunk(b"IHDR", header) +
                _chunk(b"IDAT", zlib.compress(bytes(rows), 9)) + _chunk(b"IEND", b""))


def _project(px, py, ax, ay, bx, by, length):
    if length == 0.0:
        return 0.0, math.hypot(px - ax, py - ay)
    t = ((px - ax) * (bx - ax) + (py - ay) * (by - ay)) / (length * length)
    t = min(1.0, max(0.0, t))
    return t, math.hypot(px - (ax + t * (bx - ax)), py - (ay + t * (by - ay)))


def _chunk(kind, data):
    return (struct.pack(">I", len(data)) + kind + data +
            struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))


def prbs7():
    """128 bits of bit[i] = bit[i-7] xor bit[i-6], seeded with seven ones."""
    bits = [1] * 7 + [0] * 121
    for i in range(7, 128):
        bits[i] = bits[i - 7] ^ bits[i - 6]
    return bits


def low_pass(drive, omega, damping, y=0.0):
    """A two-pole low-pass (omega in radians per sample), stepped semi-implicitly."""
    dy, out = 0.0, []
    for u in drive:
        dy += omega * omega * (u - y) - 2.0 * damping * omega * dy
        y += dy
        out.append(y)
    return out


def filtered_pattern(bits, samples_per_bit, pole, damping):
    """The NRZ pattern (+-1) through the low-pass (pole in radians per bit cell),
    run over two periods so the returned second period is in its steady state."""
    drive = [1.0 if b else -1.0 for b in bits for _ in range(samples_per_bit)]
    return low_pass(drive + drive, pole / samples_per_bit, damping)[len(drive):]


def edge_delay(samples_per_bit, pole, damping):
    """Samples from a -1 to +1 step to the filtered edge's zero crossing."""
    response = low_pass([1.0] * 64 * samples_per_bit, pole / samples_per_bit, damping, -1.0)
    return next(i for i, v in enumerate(response) if v >= 0.0)


def eye_traces(signal, samples_per_bit, start, cells):
    """Overlaid slices `cells` bit cells wide, one per bit, beginning `start`
    samples into each cell and wrapping round the period."""
    span = round(cells * samples_per_bit)
    traces = []
    for first in range(0, len(signal), samples_per_bit):
        traces.append([signal[(first + start + i) % len(signal)] for i in range(span + 1)])
    return traces


def draw_eye(canvas, box, traces, colour, width, opacity, amplitude):
    x0, y0, x1, y1 = box
    for trace in traces:
        step = (x1 - x0) / (len(trace) - 1)
        middle, half = (y0 + y1) * 0.5, (y1 - y0) * 0.5
        canvas.stroke([(x0 + i * step, middle - half * v / amplitude) for i, v in enumerate(trace)],
                      width, colour, opacity)


def draw_grid(canvas, box, columns, rows, width):
    x0, y0, x1, y1 = box
    for j in range(1, columns):
        x = x0 + (x1 - x0) * j / columns
        canvas.stroke([(x, y0), (x, y1)], width, GRID, 0.8, None if 2 * j == columns else (1.5, 1.5))
    for i in range(1, rows):
        y = y0 + (y1 - y0) * i / rows
        canvas.stroke([(x0, y), (x1, y)], width, GRID, 0.8, None if 2 * i == rows else (1.5, 1.5))


# Letters on a 0.7 x 1.0 box, y upwards.
_GLYPHS = {
    "T": [[(0.0, 1.0), (0.7, 1.0)], [(0.35, 1.0), (0.35, 0.0)]],
    "O": [[(0.35 + 0.35 * math.cos(a * math.pi / 24), 0.5 + 0.5 * math.sin(a * math.pi / 24))
           for a in range(49)]],
    "V": [[(0.0, 1.0), (0.35, 0.0), (0.7, 1.0)]],
    "A": [[(0.0, 0.0), (0.35, 1.0), (0.7, 0.0)], [(0.12, 0.34), (0.58, 0.34)]],
    "N": [[(0.0, 0.0), (0.0, 1.0), (0.7, 0.0), (0.7, 1.0)]],
}


def draw_word(canvas, word, left, baseline, height, width, colour):
    x = left
    for letter in word:
        for line in _GLYPHS[letter]:
            canvas.stroke([(x + px * height, baseline - py * height) for px, py in line], width, colour)
        x += 0.98 * height


def pattern_traces(samples_per_bit, pole, damping, lead, cells):
    """Slices `cells` bit cells wide that begin `lead` cells before a bit edge,
    with the filter's delay taken out."""
    signal = filtered_pattern(prbs7(), samples_per_bit, pole, damping)
    start = edge_delay(samples_per_bit, pole, damping) - round(lead * samples_per_bit)
    return eye_traces(signal, samples_per_bit, start, cells)


def icon():
    canvas = Canvas(64, 64)
    canvas.fill_rounded_rect(1, 1, 63, 63, 10, PANEL)
    box = (6, 14, 58, 50)
    draw_grid(canvas, box, 2, 2, 1.0)
    traces = pattern_traces(16, 5.0, 0.6, 0.25, 1.5)
    draw_eye(canvas, box, traces, BLUE, 2.2, 0.35, 1.25)
    return canvas


def bitmap144():
    canvas = Canvas(176, 58)
    canvas.fill_rounded_rect(0, 0, 176, 58, 8, PANEL)
    box = (6, 6, 70, 52)
    draw_grid(canvas, box, 4, 4, 1.0)
    traces = pattern_traces(16, 5.0, 0.6, 0.25, 1.5)
    draw_eye(canvas, box, traces, ORANGE, 1.2, 0.25, 1.25)
    draw_eye(canvas, box, pattern_traces(16, 3.5, 0.45, 0.25, 1.5), BLUE, 1.2, 0.3, 1.25)
    draw_word(canvas, "TOVAN", 80, 38, 18, 2.6, LETTERS)
    return canvas


def help_eye_diagram():
    canvas = Canvas(360, 240)
    canvas.fill_rounded_rect(0, 0, 360, 240, 0, BLACK)
    box = (0, 0, 360, 240)
    draw_grid(canvas, box, 10, 8, 1.0)
    draw_eye(canvas, box, pattern_traces(32, 8.0, 0.7, 0.0, 1), ORANGE, 1.5, 0.35, 1.6)
    draw_eye(canvas, box, pattern_traces(32, 4.5, 0.55, 0.0, 1), BLUE, 1.5, 0.35, 1.6)
    return canvas


def main():
    outputs = {
        ROOT / "app" / "resources" / "icon.png": icon,
        ROOT / "app" / "resources" / "bitmap144.png": bitmap144,
        ROOT / "help" / "images" / "eye_diagram.png": help_eye_diagram,
    }
    for path, draw in outputs.items():
        path.parent.mkdir(parents=True, exist_ok=True)
        path.write_bytes(draw().png())
        print(path.relative_to(ROOT))


if __name__ == "__main__":
    main()
