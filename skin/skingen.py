"""Paints every picture of the Lumivane 3 skin and writes them as 24-bit
BMP files with a resource script that names them.

    python3 skingen.py OUTPUT_FOLDER

The same input always gives the same bytes. Places of the buttons are
those of src/skin/SkinLayout.h; keep the two in step."""
import math
import re
import os
import sys

from icon import save_ico
from canvas import Canvas, mix, type_face

KEY = (255, 0, 255)
NAVY_TOP = (40, 56, 92)
NAVY_BOTTOM = (14, 20, 38)
STEEL_LIGHT = (118, 140, 182)
STEEL = (70, 88, 128)
STEEL_DARK = (34, 44, 70)
EDGE = (8, 12, 24)
PANEL = (210, 218, 232)          # the colour the standard controls take
PANEL_LIGHT = (240, 244, 252)
PANEL_SHADE = (150, 162, 186)
INK = (24, 30, 48)
TEXT = (236, 240, 250)
SHADOW = (6, 10, 20)
GOLD = (255, 196, 76)
GLOW = (120, 206, 255)

# Sizes of the text in pixels to the em: body and button text at 11, bold
# never below 12, titles larger.
BODY_SIZE = 11
BUTTON_SIZE = 11
LABEL_SIZE = 12        # bold headings of groups and blocks
TITLE_SIZE = 13        # the windows' own titles on their strips
HEADING_SIZE = 16      # the page headings

def read_layout(path):
    """The places of src/skin/SkinLayout.h, the one source of the skin's
    rectangles: `constexpr Rect Name{l, t, w, h};`, Points and ints."""
    layout = {}
    with open(path) as f:
        text = f.read()
    for kind, name, values in re.findall(r'constexpr (Rect|Point) (\w+)\{([-\d, ]+)\};', text):
        layout[name] = tuple(int(v) for v in values.split(','))
    for name, value in re.findall(r'constexpr int (\w+) = (-?\d+);', text):
        layout[name] = int(value)
    return layout


LAYOUT = read_layout(os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'src', 'skin', 'SkinLayout.h'))

WIDTH, HEIGHT = 590, 426
SIDEBAR = 75
CONTENT = LAYOUT['ContentPanel']  # down to the bottom of the preview frame
HEADER = 22                   # height of a page panel's heading strip


def left_edge(y):
    """The skin's curved left edge over its top rows: an elliptic sweep."""
    a, b = 44.0, 110.0
    if y >= b:
        return 0
    return int(round(a * (1 - math.sqrt(1 - ((b - y) / b) ** 2))))


def right_edge(y):
    """The rounded top-right corner over rows 0 to 5."""
    r = 6
    if y >= r:
        return WIDTH - 1
    dy = r - y - 0.5
    return WIDTH - 1 - int(round(r - math.sqrt(max(r * r - dy * dy, 0))))


# ---------------------------------------------------------------- buttons

def button(w, h, label, state):
    c = Canvas(w, h)
    if state == 'idle':
        c.vgradient(0, 0, w, h, STEEL_LIGHT, STEEL_DARK)
        c.frame(0, 0, w, h, EDGE)
        c.bevel(1, 1, w - 2, h - 2, mix(STEEL_LIGHT, TEXT, 0.45), mix(STEEL_DARK, EDGE, 0.4))
        colour, dx = TEXT, 0
    elif state == 'up':
        c.vgradient(0, 0, w, h, mix(STEEL_LIGHT, GLOW, 0.35), mix(STEEL, GLOW, 0.15))
        c.frame(0, 0, w, h, GLOW)
        c.bevel(1, 1, w - 2, h - 2, mix(GLOW, TEXT, 0.6), STEEL_DARK)
        colour, dx = GOLD, 0
    else:
        c.vgradient(0, 0, w, h, STEEL_DARK, STEEL)
        c.frame(0, 0, w, h, GLOW)
        c.bevel(1, 1, w - 2, h - 2, EDGE, mix(STEEL, TEXT, 0.3))
        colour, dx = mix(GOLD, TEXT, 0.5), 1
    if label:
        # Inside the frame and bevel; a held-down button's text moves by a pixel.
        c.caption((2, 2, w - 4, h - 4), label, colour, BUTTON_SIZE, shadow=SHADOW, align='centre',
                  offset=(dx, dx))
    return c


def arrow_button(w, h, up, state):
    c = button(w, h, '', state)
    d = 1 if state == 'down' else 0
    colour = {'idle': TEXT, 'up': GOLD, 'down': mix(GOLD, TEXT, 0.5)}[state]
    cx, cy = w / 2 + d, h / 2 + d
    if up:
        pts = [(cx - 6, cy + 3), (cx + 6, cy + 3), (cx, cy - 4)]
    else:
        pts = [(cx - 6, cy - 3), (cx + 6, cy - 3), (cx, cy + 4)]
    c.polygon([(x + 1, y + 1) for x, y in pts], SHADOW)
    c.polygon(pts, colour)
    return c


def title_box(kind, state):
    c = Canvas(14, 14)
    base = {'idle': STEEL, 'up': mix(STEEL, GLOW, 0.4), 'down': STEEL_DARK}[state]
    c.vgradient(0, 0, 14, 14, mix(base, TEXT, 0.25), base)
    c.frame(0, 0, 14, 14, GLOW if state != 'idle' else EDGE)
    ink = GOLD if state == 'up' else TEXT
    d = 1 if state == 'down' else 0
    if kind == 'min':
        c.fill(3 + d, 9 + d, 8, 2, ink)
    else:
        for i in range(7):
            c.put(3 + i + d, 3 + i + d, ink)
            c.put(4 + i + d, 3 + i + d, ink)
            c.put(9 - i + d, 3 + i + d, ink)
            c.put(10 - i + d, 3 + i + d, ink)
    return c


def icon(c, kind, ox, oy, ink, accent):
    """Draws a page's emblem in a 26 x 24 box at (ox, oy)."""
    if kind == 'general':
        cx, cy = ox + 13, oy + 12
        for k in range(8):
            a = k * math.pi / 4
            p = [(cx + math.cos(a + s) * r, cy + math.sin(a + s) * r) for s, r in
                 ((-0.22, 7), (-0.16, 11), (0.16, 11), (0.22, 7))]
            c.polygon(p, ink)
        c.disc(cx, cy, 8, ink)
        c.disc(cx, cy, 3.5, accent)
    elif kind == 'wallpaper':
        c.fill(ox + 1, oy + 2, 24, 17, ink)
        c.vgradient(ox + 3, oy + 4, 20, 13, (120, 190, 255), (210, 236, 255))
        c.polygon([(ox + 3, oy + 17), (ox + 10, oy + 8), (ox + 15, oy + 13), (ox + 18, oy + 10), (ox + 23, oy + 17)],
                  (60, 130, 70))
        c.disc(ox + 19, oy + 7, 2, GOLD)
        c.fill(ox + 10, oy + 19, 6, 2, ink)
        c.fill(ox + 7, oy + 21, 12, 2, ink)
    elif kind == 'sounds':
        c.polygon([(ox + 2, oy + 8), (ox + 7, oy + 8), (ox + 13, oy + 2), (ox + 13, oy + 22), (ox + 7, oy + 16),
                   (ox + 2, oy + 16)], ink)
        for r in (5, 9, 13):
            for t in range(-40, 41, 4):
                a = math.radians(t)
                c.put(int(ox + 13 + r * math.cos(a)), int(oy + 12 + r * math.sin(a)), accent)
                c.put(int(ox + 14 + r * math.cos(a)), int(oy + 12 + r * math.sin(a)), accent)
    elif kind == 'saver':
        c.fill(ox + 1, oy + 2, 24, 17, ink)
        c.fill(ox + 3, oy + 4, 20, 13, (12, 16, 40))
        c.disc(ox + 16, oy + 10, 4, GOLD)
        c.disc(ox + 18, oy + 9, 3.5, (12, 16, 40))
        for (x, y) in ((6, 6), (9, 12), (12, 7), (6, 14)):
            c.put(ox + x, oy + y, TEXT)
        c.fill(ox + 10, oy + 19, 6, 2, ink)
        c.fill(ox + 7, oy + 21, 12, 2, ink)
    elif kind == 'logo':
        colours = ((230, 80, 60), (90, 190, 80), (70, 140, 240), (250, 200, 60))
        for i, col in enumerate(colours):
            x = ox + 3 + (i % 2) * 11
            y = oy + 2 + (i // 2) * 11
            c.polygon([(x, y + 1), (x + 10, y), (x + 10, y + 9), (x, y + 10)], col)
    elif kind == 'theme':
        c.disc(ox + 13, oy + 12, 11, ink)
        c.disc(ox + 17, oy + 17, 3.5, mix(ink, (0, 0, 0), 0.6))
        for (x, y, col) in ((8, 8, (230, 80, 60)), (13, 5, (250, 200, 60)), (19, 8, (90, 190, 80)),
                            (7, 15, (70, 140, 240))):
            c.disc(ox + x, oy + y, 2.6, col)


def page_button(kind, label, state):
    c = button(*LAYOUT['FirstPageButton'][2:], '', state)
    ink = {'idle': (226, 232, 244), 'up': (255, 255, 255), 'down': (200, 208, 224)}[state]
    accent = GOLD if state != 'idle' else mix(GOLD, STEEL, 0.3)
    d = 1 if state == 'down' else 0
    icon(c, kind, 12 + d, 5 + d, ink, accent)
    colour = {'idle': TEXT, 'up': GOLD, 'down': mix(GOLD, TEXT, 0.5)}[state]
    # The condensed cut leaves the six labels a margin in the 50-pixel button.
    c.caption((2, 29, 46, 19), label, colour, BUTTON_SIZE, shadow=SHADOW, align='centre', offset=(d, d),
              condensed=True)
    return c


# ------------------------------------------------------------ backgrounds

def emblem(c, cx, cy, r):
    """The Lumivane vane: a gold sun with six blades."""
    for k in range(6):
        a = k * math.pi / 3 + 0.3
        p = [(cx + math.cos(a) * r * 0.35, cy + math.sin(a) * r * 0.35),
             (cx + math.cos(a + 0.5) * r, cy + math.sin(a + 0.5) * r),
             (cx + math.cos(a + 0.15) * r * 1.05, cy + math.sin(a + 0.15) * r * 1.05)]
        c.polygon(p, mix(GLOW, TEXT, 0.3))
    c.disc(cx, cy, r * 0.42, GOLD)
    c.disc(cx - r * 0.12, cy - r * 0.12, r * 0.18, mix(GOLD, (255, 255, 255), 0.6))


def main_background():
    c = Canvas(WIDTH, HEIGHT, KEY)
    for y in range(HEIGHT):
        x0 = left_edge(y)
        x1 = right_edge(y)
        row_colour = mix(NAVY_TOP, NAVY_BOTTOM, y / (HEIGHT - 1))
        for x in range(x0, x1 + 1):
            c.px[y][x] = row_colour
    # The cycler bar on the left: brushed steel.
    for y in range(HEIGHT):
        x0 = left_edge(y)
        for x in range(x0, SIDEBAR):
            t = (x - x0) / max(SIDEBAR - x0, 1)
            base = mix(STEEL, STEEL_DARK, t)
            c.px[y][x] = mix(base, NAVY_BOTTOM, 0.25 * y / HEIGHT + (0.04 if (y * 7 + x) % 5 == 0 else 0))
        c.put(x0, y, mix(STEEL_LIGHT, TEXT, 0.3))
    c.vline(SIDEBAR, 22, HEIGHT - 22, EDGE)
    c.vline(SIDEBAR + 1, 22, HEIGHT - 22, mix(STEEL, NAVY_TOP, 0.5))
    # The title strip.
    for y in range(1, 22):
        x1 = right_edge(y)
        for x in range(48, x1):
            c.px[y][x] = mix(mix(STEEL_LIGHT, STEEL, (y - 1) / 20), c.px[y][x], 0.15)
    c.hline(48, 21, WIDTH - 48, EDGE)
    c.hline(48, 22, WIDTH - 48, mix(STEEL, NAVY_TOP, 0.3))
    c.caption((84, 2, 300, 18), 'Lumivane 3 Control Center', TEXT, TITLE_SIZE, True, SHADOW)
    emblem(c, 48, 44, 17)
    # Sockets of the six page buttons.
    for i in range(6):
        y = 72 + 55 * i
        c.bevel(12, y - 1, 52, 52, EDGE, mix(STEEL_LIGHT, TEXT, 0.2))
    # The content area under the page panels; its colour at (500, 350)
    # is the colour the standard controls take.
    x, y, w, h = CONTENT
    c.bevel(x - 1, y - 1, w + 2, h + 2, EDGE, mix(STEEL_LIGHT, TEXT, 0.2))
    c.fill(x, y, w, h, PANEL)
    # The bottom bar.
    c.caption((84, 396, 206, 20), 'A new desktop, every day', mix(TEXT, STEEL, 0.25), BODY_SIZE)
    c.frame(0, 0, 1, 1, KEY)
    return c


PAGES = [
    ('general', 'General Options', 'Options', 'How the Updater works for you'),
    ('wallback', 'Wallpaper Cycler', 'Paper', 'Pictures and web pages for the desktop'),
    ('soundback', 'Sounds Cycler', 'Sounds', 'Wave files for each system event'),
    ('saverback', 'Screen Saver Cycler', 'Saver', 'Screen savers in turn'),
    ('logoback', 'Logo Cycler', 'Logos', 'Start-up and shut-down pictures'),
    ('themeback', 'Theme Cycler', 'Themes', 'Desktop themes and their parts'),
]
ICONS = ['general', 'wallpaper', 'sounds', 'saver', 'logo', 'theme']


def sunken(c, x, y, w, h, fill=None):
    c.bevel(x, y, w, h, PANEL_SHADE, PANEL_LIGHT)
    c.bevel(x + 1, y + 1, w - 2, h - 2, mix(PANEL_SHADE, INK, 0.4), PANEL)
    if fill:
        c.fill(x + 2, y + 2, w - 4, h - 4, fill)


def group(c, x, y, w, h, title):
    """A group frame whose title stands in a gap of its top line."""
    c.frame(x, y + 4, w, h - 4, PANEL_SHADE)
    c.frame(x + 1, y + 5, w - 2, h - 6, PANEL_LIGHT)
    width = int(math.ceil(type_face(LABEL_SIZE, True).getlength(title)))
    c.fill(x + 6, y - 2, width + 6, 12, PANEL)
    c.caption((x + 9, y - 3, width, 14), title, INK, LABEL_SIZE, True)


def page_panel(index):
    name, title, _, subtitle = PAGES[index]
    x0, y0, w, h = CONTENT
    c = Canvas(w, h, PANEL)
    c.vgradient(0, 0, w, HEADER, mix(STEEL_LIGHT, PANEL, 0.2), STEEL)
    c.hline(0, HEADER, w, PANEL_SHADE)
    c.caption((8, 1, 250, HEADER - 1), title, TEXT, HEADING_SIZE, True, SHADOW)
    c.caption((262, 1, w - 270, HEADER - 2), subtitle, mix(TEXT, GOLD, 0.3), BODY_SIZE, shadow=SHADOW,
              align='right')
    local = lambda x, y: (x - x0, y - y0)
    if name == 'general':
        lx, ly = local(88, 58)
        group(c, lx, ly, 300, 110, 'The Updater')
        group(c, lx + 310, ly, 176, 110, 'Scheduling')
        for i, line in enumerate(['Choose, per cycler, when', 'the Updater changes it:',
                                  'at start-up only, or also', 'every so many minutes.']):
            c.caption((lx + 318, ly + 14 + 14 * i, 160, 14), line, INK, BODY_SIZE)
        group(c, lx, ly + 122, 486, 90, 'Getting started')
        tips = ['1. Pick a cycler on the left and add files to its list.',
                '2. Choose Enabled or Enabled Random for each item.',
                '3. Save and Exit: the Updater takes over from there.']
        for i, tip in enumerate(tips):
            c.caption((lx + 10, ly + 136 + 18 * i, 466, 16), tip, INK, BODY_SIZE)
        group(c, lx, ly + 224, 486, 76, 'More')
        return c
    # A cycler page: the well of the list, the column of options.
    wx, wy, ww, wh = LAYOUT['ListWell']
    lx, ly = local(wx, wy)
    c.caption((lx, HEADER + 1, ww, ly - HEADER - 3), 'Files in their order of use:', INK, BODY_SIZE)
    sunken(c, lx - 2, ly - 2, ww + 4, wh + 4)
    cx, cy, cw, ch = LAYOUT['ItemColumn']
    px, py = local(cx, cy)
    group(c, px, py, cw, ch, 'This item')
    if name in ('wallback', 'logoback'):
        fx, fy, fw, fh = LAYOUT['PreviewFrame']
        fx, fy = local(fx, fy)
        sunken(c, fx - 2, fy - 2, fw + 4, fh + 4, (236, 240, 248))
        c.caption((fx, fy, fw, fh), 'Preview', PANEL_SHADE, BODY_SIZE, align='centre')
    return c


def octagon_frame(c, cut=5):
    """The dark outline of a window whose corners are cut by `cut` pixels:
    the four sides and the four diagonals, so the outline has no notches
    wherever the window's region puts its edge."""
    w, h = c.width, c.height
    c.frame(0, 0, w, h, EDGE)
    for y in range(cut + 1):
        for x in range(cut + 1 - y):
            for px, py in ((x, y), (w - 1 - x, y), (x, h - 1 - y), (w - 1 - x, h - 1 - y)):
                c.put(px, py, EDGE)


def window_strip(c, title):
    """The title strip of the small windows, over rows 0 to 16."""
    c.vgradient(0, 0, c.width, 17, STEEL_LIGHT, STEEL)
    c.hline(0, 17, c.width, EDGE)
    c.caption((10, 1, 300, 16), title, TEXT, TITLE_SIZE, True, SHADOW)


# The scheduler's cells: places of the five blocks and of the sixth cell,
# which holds the note and the two buttons (src/skin/SkinLayout.h).
def scheduler_cell(i):
    x, y, w, h = LAYOUT['FirstSchedulerBlock']
    sx, sy = LAYOUT['SchedulerBlockStep']
    return x + sx * (i % 3), y + sy * (i // 3), w, h


def scheduler_background():
    c = Canvas(483, 243, PANEL)
    window_strip(c, 'Lumivane Schedule')
    blocks = ['Wallpaper', 'Screen Saver', 'Desktop Themes', 'Windows Logos', 'System Sounds']
    for i in range(6):
        x, y, w, h = scheduler_cell(i)
        sunken(c, x, y, w, h, mix(PANEL, PANEL_LIGHT, 0.35))
        if i == 5:
            # Above the column of the two buttons at (x + 8, y + 42).
            c.caption((x + 8, y + 5, w - 14, 15), 'The longest interval is', INK, BODY_SIZE)
            c.caption((x + 8, y + 20, w - 14, 16), '35,000 minutes.', INK, LABEL_SIZE, True)
            continue
        c.caption((x + 8, y + 3, w - 14, 14), blocks[i], INK, LABEL_SIZE, True)
        c.hline(x + 8, y + 17, w - 16, PANEL_SHADE)
        # Beside the two circles of the choice group and after the interval field.
        fx, fy, fw, _ = LAYOUT['SchedulerIntervalInBlock']
        c.caption((x + fx, y + 32, w - fx - 6, 14), 'Only at start-up', INK, BODY_SIZE)
        c.caption((x + fx, y + 50, w - fx - 6, 14), 'At start-up and', INK, BODY_SIZE)
        c.caption((x + fx, y + 63, w - fx - 6, 13), 'then every', INK, BODY_SIZE)
        c.caption((x + fx + fw + 6, y + fy + 2, w - fx - fw - 12, 16), 'minutes', INK, BODY_SIZE)
    octagon_frame(c)
    return c


def about_background():
    w, h = 483, 243
    c = Canvas(w, h)
    c.vgradient(0, 0, w, h, NAVY_TOP, NAVY_BOTTOM)
    window_strip(c, 'Lumivane V2.0 About')
    emblem(c, 70, 88, 40)
    c.caption((126, 36, 340, 40), 'Lumivane 3', TEXT, 34, True, SHADOW)
    c.caption((128, 80, 340, 24), 'Control Center', mix(TEXT, GOLD, 0.5), 18, True, SHADOW)
    lines = ['Version 2.0',
             'Wallpapers, screen savers, desktop themes, logos and',
             'system sounds: a new desktop every time you start.',
             'Set it up here; the Updater does the changing.']
    for i, line in enumerate(lines):
        c.caption((130, 110 + 16 * i, 340, 16), line, TEXT if i else GOLD, BODY_SIZE)
    c.hline(16, 198, w - 32, mix(STEEL, NAVY_TOP, 0.3))
    octagon_frame(c)
    return c


# ---------------------------------------------------------------- output

BUTTONS = [
    # resource stem, the button's place in SkinLayout.h (its size is the picture's), label
    ('SAVEEXIT', 'SaveExitButton', 'Save and Exit'),
    ('CANCELEXIT', 'CancelExitButton', 'Cancel and Exit'),
    ('HELP', 'HelpButton', 'Help'),
    ('ADDFILES', 'AddFilesButton', 'Add Files'),
    ('INSERTFILES', 'InsertFilesButton', 'Insert'),
    ('REMOVEFILES', 'RemoveFilesButton', 'Remove'),
    ('ADDFOLDER', 'AddFolderButton', 'Folder...'),
    ('APPLYNOW', 'WallpaperApplyButton', 'Apply Now'),
    ('APPLYSELECTED', 'WallpaperSameButton', 'Apply to Selected'),
    ('RESTORELOGOS', 'RestoreLogosButton', 'Restore Logos'),
    ('RESTORESOUNDS', 'RestoreSoundsButton', 'Restore Sounds'),
    ('SAVERPREVIEW', 'SaverPreviewButton', 'Preview'),
    ('SAVEROPTIONS', 'SaverOptionsButton', 'Settings'),
    ('THEMEPREVIEW', 'ThemePreviewButton', 'Preview'),
    ('SCHEDULER', 'SchedulerButton', 'Scheduler...'),
    ('ABOUTBOX', 'AboutButton', 'About...'),
    ('PLAY', 'PlayButton', 'Play'),
    ('PAUSE', 'PauseButton', 'Pause'),
    ('STOP', 'StopButton', 'Stop'),
    ('WEBSITE', 'AboutWebButton', "Go to Lumivane's Internet Site"),
    ('RETURN', 'AboutReturnButton', 'Return to Lumivane'),
    ('QUIT', 'AboutQuitButton', 'Quit Lumivane'),
    ('USESETTINGS', 'ScheduleUseButton', 'Use These Settings'),
    ('SCHEDCANCEL', 'ScheduleCancelButton', 'Cancel'),
]
STATES = [('IDLE', 'idle'), ('UP', 'up'), ('DOWN', 'down')]


def pictures():
    yield 'BACKGROUND', main_background()
    for i, (name, _, label, _) in enumerate(PAGES):
        yield name.upper(), page_panel(i)
        for suffix, state in STATES:
            yield 'PAGE%d_%s' % (i + 1, suffix), page_button(ICONS[i], label, state)
    for stem, place, label in BUTTONS:
        _, _, w, h = LAYOUT[place]
        for suffix, state in STATES:
            yield '%s_%s' % (stem, suffix), button(w, h, label, state)
    for suffix, state in STATES:
        yield 'MOVEUP_' + suffix, arrow_button(*LAYOUT['MoveUpButton'][2:], True, state)
        yield 'MOVEDOWN_' + suffix, arrow_button(*LAYOUT['MoveDownButton'][2:], False, state)
        yield 'MINBOX_' + suffix, title_box('min', state)
        yield 'CLOSEBOX_' + suffix, title_box('close', state)
    yield 'SCHEDULEBACK', scheduler_background()
    yield 'ABOUTBACK', about_background()


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    script = ['// Made by skin/skingen.py: the pictures of the skin.']
    for name, picture in pictures():
        file = name.lower() + '.bmp'
        picture.save_bmp(os.path.join(out, file))
        script.append('%s BITMAP "%s"' % (name, os.path.abspath(os.path.join(out, file))))
    with open(os.path.join(out, 'skin.rc'), 'w') as f:
        f.write('\n'.join(script) + '\n')
    save_ico(os.path.join(out, 'lumivane3.ico'), emblem, NAVY_TOP, STEEL_LIGHT)


if __name__ == '__main__':
    main()
