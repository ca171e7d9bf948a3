"""A tiny raster painter for the skin pictures: fills, gradients, bevels,
circles, the pixel font, and 24-bit BMP output."""
import struct

import font


def mix(a, b, t):
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


class Canvas:
    def __init__(self, width, height, colour=(0, 0, 0)):
        self.width = width
        self.height = height
        self.px = [[colour] * width for _ in range(height)]

    def put(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.px[y][x] = colour

    def get(self, x, y):
        return self.px[y][x]

    def blend(self, x, y, colour, alpha):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.px[y][x] = mix(self.px[y][x], colour, alpha)

    def fill(self, x, y, w, h, colour):
        for yy in range(max(y, 0), min(y + h, self.height)):
            row = self.px[yy]
            for xx in range(max(x, 0), min(x + w, self.width)):
                row[xx] = colour

    def vgradient(self, x, y, w, h, top, bottom):
        for i in range(h):
            self.fill(x, y + i, w, 1, mix(top, bottom, i / max(h - 1, 1)))

    def hgradient(self, x, y, w, h, left, right):
        for i in range(w):
            self.fill(x + i, y, 1, h, mix(left, right, i / max(w - 1, 1)))

    def hline(self, x, y, w, colour):
        self.fill(x, y, w, 1, colour)

    def vline(self, x, y, h, colour):
        self.fill(x, y, 1, h, colour)

    def frame(self, x, y, w, h, colour):
        self.hline(x, y, w, colour)
        self.hline(x, y + h - 1, w, colour)
        self.vline(x, y, h, colour)
        self.vline(x + w - 1, y, h, colour)

    def bevel(self, x, y, w, h, light, dark):
        """A raised edge (light top-left); swap the colours for a sunken one."""
        self.hline(x, y, w - 1, light)
        self.vline(x, y, h - 1, light)
        self.hline(x, y + h - 1, w, dark)
        self.vline(x + w - 1, y, h, dark)

    def disc(self, cx, cy, r, colour, edge=None):
        """A filled circle with a soft edge (coverage sampled 4 x 4)."""
        for y in range(int(cy - r) - 1, int(cy + r) + 2):
            for x in range(int(cx - r) - 1, int(cx + r) + 2):
                inside = 0
                for sy in range(4):
                    for sx in range(4):
                        dx = x + (sx + 0.5) / 4 - cx
                        dy = y + (sy + 0.5) / 4 - cy
                        if dx * dx + dy * dy <= r * r:
                            inside += 1
                if inside:
                    self.blend(x, y, colour, inside / 16)
        if edge:
            self.ring(cx, cy, r, edge)

    def ring(self, cx, cy, r, colour, width=1.0):
        for y in range(int(cy - r) - 2, int(cy + r) + 3):
            for x in range(int(cx - r) - 2, int(cx + r) + 3):
                inside = 0
                for sy in range(4):
                    for sx in range(4):
                        dx = x + (sx + 0.5) / 4 - cx
                        dy = y + (sy + 0.5) / 4 - cy
                        d = (dx * dx + dy * dy) ** 0.5
                        if r - width <= d <= r:
                            inside += 1
                if inside:
                    self.blend(x, y, colour, inside / 16)

    def polygon(self, points, colour):
        """Filled polygon, even-odd rule, sampled 4 x 4 per pixel."""
        xs = [p[0] for p in points]
        ys = [p[1] for p in points]
        for y in range(int(min(ys)), int(max(ys)) + 1):
            for x in range(int(min(xs)), int(max(xs)) + 1):
                inside = 0
                for sy in range(4):
                    for sx in range(4):
                        px = x + (sx + 0.5) / 4
                        py = y + (sy + 0.5) / 4
                        c = False
                        j = len(points) - 1
                        for i in range(len(points)):
                            xi, yi = points[i]
                            xj, yj = points[j]
                            if (yi > py) != (yj > py) and px < (xj - xi) * (py - yi) / (yj - yi) + xi:
                                c = not c
                            j = i
                        inside += c
                if inside:
                    self.blend(x, y, colour, inside / 16)

    def line(self, x0, y0, x1, y1, colour):
        steps = max(abs(x1 - x0), abs(y1 - y0), 1)
        for i in range(steps + 1):
            self.put(int(round(x0 + (x1 - x0) * i / steps)), int(round(y0 + (y1 - y0) * i / steps)), colour)

    def text(self, x, y, s, colour, scale=1, shadow=None, bold=False):
        if shadow:
            self.text(x + 1, y + 1, s, shadow, scale, None, bold)
        for ch in s:
            width, rows = font.glyph(ch)
            for gy, row in enumerate(rows):
                for gx, cell in enumerate(row):
                    if cell == '#':
                        self.fill(x + gx * scale, y + gy * scale, scale + (1 if bold else 0), scale, colour)
            x += (width + 1) * scale + (1 if bold else 0)

    def text_centred(self, x, y, w, h, s, colour, scale=1, shadow=None, bold=False):
        tw = font.text_width(s, scale) + (len(s) if bold else 0)
        th = 7 * scale
        self.text(x + (w - tw) // 2, y + (h - th) // 2, s, colour, scale, shadow, bold)

    def blit(self, other, x, y):
        for yy in range(other.height):
            for xx in range(other.width):
                self.put(x + xx, y + yy, other.px[yy][xx])

    def save_bmp(self, path):
        stride = (self.width * 3 + 3) & ~3
        data = bytearray()
        for y in range(self.height - 1, -1, -1):
            row = bytearray()
            for (r, g, b) in self.px[y]:
                row += bytes((b, g, r))
            row += b'\0' * (stride - len(row))
            data += row
        header = struct.pack('<2sIHHI', b'BM', 14 + 40 + len(data), 0, 0, 54)
        info = struct.pack('<IiiHHIIiiII', 40, self.width, self.height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
        with open(path, 'wb') as f:
            f.write(header + info + data)
