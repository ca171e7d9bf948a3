"""Every caption the skin painter sets must be readable: each of its glyphs
leaves ink but is no filled block, the caption stays inside the rectangle
it was given, and nothing painted later covers it."""
import os
import sys
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..', 'skin'))
import skingen  # noqa: E402

# Share of ink in a glyph's box above which the glyph reads as a block;
# DejaVu's densest glyphs at the skin's sizes stay below 0.6.
MAX_INK_SHARE = 0.7


def ink_maps(caption):
    """Per pixel of the caption's region: whether it changed at all, and how
    far it moved towards the caption's own colour (0 untouched, 1 full ink;
    a shadow, which moves away from it, is no ink of the glyph)."""
    changed, ink = [], []
    for before_row, after_row in zip(caption.before, caption.after):
        changed.append([max(abs(q - p) for q, p in zip(a, b)) > 24 for b, a in zip(before_row, after_row)])
        row = []
        for b, a in zip(before_row, after_row):
            towards = [c - p for c, p in zip(caption.colour, b)]
            moved = [q - p for q, p in zip(a, b)]
            reach = max(sum(t * t for t in towards), 1)
            row.append(min(max(sum(t * m for t, m in zip(towards, moved)) / reach, 0.0), 1.0))
        ink.append(row)
    return changed, ink


def glyph_box(box):
    """A glyph's advance box over its ink rows, widened to at least half its
    height so that a narrow stem ("l", "I") is not taken for a block."""
    x0, y0, x1, y1 = box
    grow = max((y1 - y0) // 2 - (x1 - x0), 0)
    return x0 - grow // 2, y0, x1 + grow - grow // 2, y1


class CaptionTest(unittest.TestCase):
    def test_every_caption_is_legible_and_fits(self):
        checked = 0
        for name, picture in skingen.pictures():
            for caption in picture.captions:
                with self.subTest(picture=name, caption=caption.text):
                    self.check(picture, caption)
                checked += 1
        self.assertGreater(checked, 100)

    def check(self, picture, caption):
        x0, y0 = caption.region[:2]
        changed, ink = ink_maps(caption)
        rx, ry, rw, rh = caption.rect
        for y, row in enumerate(changed):
            for x, value in enumerate(row):
                if not value:
                    continue
                at = (x0 + x, y0 + y)
                self.assertTrue(rx <= at[0] < rx + rw and ry <= at[1] < ry + rh,
                                'ink at %s outside %s' % (at, caption.rect))
                self.assertEqual(picture.get(*at), caption.after[y][x], 'painted over at %s' % (at,))
        for ch, box in caption.glyphs:
            gx0, gy0, gx1, gy1 = glyph_box(box)
            values = [ink[y - y0][x - x0] for y in range(gy0, gy1) for x in range(gx0, gx1)
                      if 0 <= y - y0 < len(ink) and 0 <= x - x0 < len(ink[0])]
            share = sum(values) / max(len(values), 1)
            self.assertGreater(sum(1 for v in values if v > 0.5), 0, 'glyph %r leaves no ink' % ch)
            self.assertLess(share, MAX_INK_SHARE, 'glyph %r is a block (ink share %.2f)' % (ch, share))


if __name__ == '__main__':
    unittest.main()
