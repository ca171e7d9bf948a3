"""A tiny raster painter for the skin pictures: fills, gradients, bevels,
circles, text in a TrueType face through FreeType, and 24-bit BMP output."""
import collections
import functools
import math
import struct
import subprocess

from PIL import Image, ImageDraw, ImageFont

# One caption as it was set: the text, the rectangle it must stay in, its
# colour, the region around it as (x0, y0, x1, y1) with that region's pixels
# just before and just after, and per visible character its box (advance
# wide, ink high).
Caption = collections.namedtuple('Caption', 'text rect colour region before after glyphs')

# DejaVu Sans from fonts-dejavu-core, its condensed cut from
# fonts-dejavu-extra; fontconfig finds them, the usual Debian path is the
# fallback where fc-match is missing.
FACES = {
    'regular': ('DejaVu Sans:style=Book', 'DejaVuSans.ttf'),
    'bold': ('DejaVu Sans:style=Bold', 'DejaVuSans-Bold.ttf'),
    'condensed': ('DejaVu Sans Condensed:style=Book', 'DejaVuSansCondensed.ttf'),
}
FONT_DIR = '/usr/share/fonts/truetype/dejavu/'


@functools.lru_cache(maxsize=None)
def face_file(style):
    pattern, name = FACES[style]
    try:
        found = subprocess.run(['fc-match', '-f', '%{file}', pattern], capture_output=True, text=True,
                               check=True).stdout.strip()
    except (OSError, subprocess.CalledProcessError):
        found = ''
    if not found.endswith('/' + name):
        found = FONT_DIR + name
    return found


@functools.lru_cache(maxsize=None)
def type_face(size, bold=False, condensed=False):
    """The face at size pixels to the em, hinted by FreeType; the basic
    layout (no shaping library) keeps the output the same on every machine
    with these fonts."""
    style = 'bold' if bold else 'condensed' if condensed else 'regular'
    return ImageFont.truetype(face_file(style), size, layout_engine=ImageFont.Layout.BASIC)


def mix(a, b, t):
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


class Canvas:
    def __init__(self, width, height, colour=(0, 0, 0)):
        self.width = width
        self.height = height
        self.px = [[colour] * width for _ in range(height)]
        self.captions = []

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

    def caption(self, rect, s, colour, size=11, bold=False, shadow=None, align='left', offset=(0, 0),
                condensed=False):
        """Sets one line of text in rect (x, y, w, h): vertically centred on
        its capitals, left, centred or right in the width, moved by offset.
        Anti-aliased against what is already painted there. Each caption is
        kept with its place so its fit and legibility can be checked."""
        face = type_face(size, bold, condensed)
        x, y, w, h = rect
        width = face.getlength(s) + (1 if shadow else 0)
        cap_top = face.getbbox('H', anchor='ls')[1]
        left = {'left': x, 'centre': x + (w - width) / 2, 'right': x + w - width}[align]
        left = int(round(left)) + offset[0]
        baseline = int(round(y + (h - cap_top) / 2)) + offset[1]
        ink = face.getbbox(s, anchor='ls')
        margin = 2
        region = (min(x, left + ink[0]) - margin, min(y, baseline + ink[1]) - margin,
                  max(x + w, left + ink[2]) + margin + 1, max(y + h, baseline + ink[3]) + margin + 1)
        region = (max(region[0], 0), max(region[1], 0), min(region[2], self.width), min(region[3], self.height))
        before = self.crop(region)
        if shadow:
            self._set(face, left + 1, baseline + 1, s, shadow, region)
        self._set(face, left, baseline, s, colour, region)
        glyphs = []
        for i, ch in enumerate(s):
            if ch.isspace():
                continue
            start = left + face.getlength(s[:i])
            box = face.getbbox(ch, anchor='ls')
            glyphs.append((ch, (int(math.floor(start)), baseline + box[1],
                                int(math.ceil(start + face.getlength(ch))), baseline + box[3])))
        self.captions.append(Caption(s, tuple(rect), colour, region, before, self.crop(region), glyphs))

    def _set(self, face, left, baseline, s, colour, region):
        x0, y0, x1, y1 = region
        mask = Image.new('L', (x1 - x0, y1 - y0), 0)
        ImageDraw.Draw(mask).text((left - x0, baseline - y0), s, fill=255, font=face, anchor='ls')
        data = mask.load()
        for yy in range(y1 - y0):
            for xx in range(x1 - x0):
                a = data[xx, yy]
                if a:
                    self.blend(x0 + xx, y0 + yy, colour, a / 255)

    def crop(self, region):
        x0, y0, x1, y1 = region
        return [row[x0:x1] for row in self.px[y0:y1]]

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
