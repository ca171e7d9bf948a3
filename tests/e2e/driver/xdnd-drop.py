#!/usr/bin/python3
"""Drops files on whatever window lies at a screen point, as a file manager
does: an XDND source that offers text/uri-list, so that Wine's X11 driver
turns the drop into WM_DROPFILES for the Windows window under the point.

usage: xdnd-drop.py X Y PATH...   (screen coordinates, Unix paths)

Needs $DISPLAY and python3-xlib (Debian's, for /usr/bin/python3). Exits 0
when the target reports the drop finished, 1 when it refuses or does not
answer in time.
"""
import sys
import time
import urllib.parse

from Xlib import X, Xatom, display
from Xlib.protocol import event

XDND_VERSION = 5
TIMEOUT_S = 10.0


def fail(message):
    print("xdnd-drop: " + message, file=sys.stderr)
    sys.exit(1)


def find_target(root, x, y, aware):
    """The outermost window at (x, y) that says it takes XDND drops."""
    window = root
    while True:
        child = window.translate_coords(root, x, y).child
        if not child:
            return None
        prop = child.get_full_property(aware, X.AnyPropertyType)
        if prop is not None and len(prop.value):
            return child
        window = child


def main(argv):
    if len(argv) < 4:
        print(__doc__, file=sys.stderr)
        return 2
    x, y = int(argv[1]), int(argv[2])
    uris = "".join("file://" + urllib.parse.quote(path) + "\r\n" for path in argv[3:])

    disp = display.Display()
    screen = disp.screen()
    root = screen.root
    atom = disp.intern_atom
    aware, selection = atom("XdndAware"), atom("XdndSelection")
    enter, position, status = atom("XdndEnter"), atom("XdndPosition"), atom("XdndStatus")
    drop, finished, leave = atom("XdndDrop"), atom("XdndFinished"), atom("XdndLeave")
    copy, uri_list, targets = atom("XdndActionCopy"), atom("text/uri-list"), atom("TARGETS")

    # The source's own window: the selection owner and the address of the
    # target's answers.
    source = root.create_window(-10, -10, 1, 1, 0, screen.root_depth, event_mask=X.PropertyChangeMask)
    source.set_selection_owner(selection, X.CurrentTime)
    if disp.get_selection_owner(selection) != source:
        fail("cannot own XdndSelection")

    target = find_target(root, x, y, aware)
    if target is None:
        fail("no XDND-aware window at %d,%d" % (x, y))

    def send(kind, data):
        message = event.ClientMessage(window=target, client_type=kind, data=(32, data + [0] * (5 - len(data))))
        target.send_event(message, event_mask=0)
        disp.flush()

    def answer(request):
        # The target reads the names from the selection (while it handles
        # the enter or the drop), so it is served while we wait.
        prop = request.property or request.target
        if request.target == uri_list:
            request.requestor.change_property(prop, uri_list, 8, uris.encode())
        elif request.target == targets:
            request.requestor.change_property(prop, Xatom.ATOM, 32, [targets, uri_list])
        else:
            prop = X.NONE
        reply = event.SelectionNotify(time=request.time, requestor=request.requestor,
                                      selection=request.selection, target=request.target, property=prop)
        request.requestor.send_event(reply, event_mask=0)
        disp.flush()

    def wait_for(kind):
        deadline = time.monotonic() + TIMEOUT_S
        while time.monotonic() < deadline:
            if not disp.pending_events():
                time.sleep(0.01)
                continue
            e = disp.next_event()
            if e.type == X.SelectionRequest:
                answer(e)
            elif e.type == X.ClientMessage and e.client_type == kind:
                return e.data[1]
        return None

    send(enter, [source.id, XDND_VERSION << 24, uri_list])
    send(position, [source.id, 0, (x << 16) | y, X.CurrentTime, copy])
    accepted = wait_for(status)
    if accepted is None:
        fail("the target sent no XdndStatus")
    if not accepted[1] & 1:
        send(leave, [source.id])
        fail("the target does not accept the drop here")
    send(drop, [source.id, 0, X.CurrentTime])
    if wait_for(finished) is None:
        fail("the target did not finish the drop")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
