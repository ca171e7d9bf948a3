"""The program's icon file: the skin's emblem on a round backdrop, as
16 x 16 and 32 x 32 pictures in 16 and 256 colours (for systems before
Windows XP) and in 32-bit colour with an alpha channel (16, 32, 48).

    save_ico(path, emblem, backdrop, rim)

emblem(canvas, cx, cy, r) paints the emblem; backdrop and rim are colours."""
import struct

from canvas import Canvas

# The 16 colours of the standard VGA palette, as Windows orders them.
VGA = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
       (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
       (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]
# 256 colours: the 6 x 6 x 6 cube and 40 greys between its steps.
CUBE = [(r * 51, g * 51, b * 51) for r in range(6) for g in range(6) for b in range(6)]
GREYS = [(v, v, v) for v in (round(i * 255 / 41) for i in range(1, 42)) if v % 51][:40]
WEB = CUBE + GREYS


def paint(size, emblem, backdrop, rim):
    """RGBA rows of one picture: painted over black and over white, the
    difference gives each pixel's coverage (all painting is linear blends)."""
    def over(ground):
        c = Canvas(size, size, ground)
        half = size / 2
        c.disc(half, half, half - 0.25, backdrop)
        c.ring(half, half, half - 0.25, rim, max(1.0, size / 24))
        emblem(c, half, half, half * 0.86)
        return c
    black, white = over((0, 0, 0)), over((255, 255, 255))
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            b, w = black.get(x, y), white.get(x, y)
            alpha = 255 - max(0, min(255, round(sum(w[i] - b[i] for i in range(3)) / 3)))
            if alpha == 0:
                row.append((0, 0, 0, 0))
            else:
                row.append(tuple(min(255, round(b[i] * 255 / alpha)) for i in range(3)) + (alpha,))
        rows.append(row)
    return rows


def nearest(palette, colour):
    return min(range(len(palette)),
               key=lambda i: sum((palette[i][k] - colour[k]) ** 2 for k in range(3)))


def mask_rows(rows):
    """The AND mask, 1 where the screen shows through; rows padded to 32 bits."""
    size = len(rows)
    stride = ((size + 31) // 32) * 4
    data = bytearray()
    for row in reversed(rows):
        bits = bytearray(stride)
        for x, px in enumerate(row):
            if px[3] < 128:
                bits[x // 8] |= 0x80 >> (x % 8)
        data += bits
    return bytes(data)


def image(rows, bits):
    """One icon image: BITMAPINFOHEADER (double height), palette, colour
    bits bottom-up, AND mask."""
    size = len(rows)
    palette = {4: VGA, 8: WEB}.get(bits, [])
    colour = bytearray()
    for row in reversed(rows):
        line = bytearray()
        if bits == 32:
            for r, g, b, a in row:
                line += bytes((b, g, r, a))
        else:
            # Transparent pixels are black: black XOR the screen leaves it.
            indices = [nearest(palette, px) if px[3] >= 128 else 0 for px in row]
            if bits == 4:
                for i in range(0, size, 2):
                    line.append(indices[i] << 4 | indices[i + 1])
            else:
                line += bytes(indices)
        line += b'\0' * ((-len(line)) % 4)
        colour += line
    mask = mask_rows(rows)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, bits, 0, len(colour) + len(mask),
                         0, 0, len(palette), 0)
    table = b''.join(bytes((b, g, r, 0)) for r, g, b in palette)
    return header + table + bytes(colour) + mask


def save_ico(path, emblem, backdrop, rim):
    entries = [(16, 4), (32, 4), (16, 8), (32, 8), (16, 32), (32, 32), (48, 32)]
    pictures = {size: paint(size, emblem, backdrop, rim) for size in {s for s, _ in entries}}
    images = [(size, bits, image(pictures[size], bits)) for size, bits in entries]
    directory = struct.pack('<HHH', 0, 1, len(images))
    offset = len(directory) + 16 * len(images)
    body = b''
    for size, bits, data in images:
        colours = 16 if bits == 4 else 0
        directory += struct.pack('<BBBBHHII', size, size, colours, 0, 1, bits, len(data), offset)
        offset += len(data)
        body += data
    with open(path, 'wb') as f:
        f.write(directory + body)
