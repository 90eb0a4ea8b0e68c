#!/usr/bin/python3
"""Starts the program on an X display (run it under xvfb-run), waits for its main
window, and fails when any message box or other dialog of the program shows up. Then
runs the steps given, in order, and closes the program from its File menu (Alt+F, X).

    drive-program.py [--settle S] [--timeout S] [STEP ...] -- PROGRAM [ARG ...]

Steps: key:ctrl+n (a key press sent to the program's window that shows on top),
wait:SECONDS, shot:FILE.png (that window as it shows), size:WIDTHxHEIGHT, size:least or
size:first (the main window resized to that size, to the least size it accepts, or back to
the size it opened with), dialog:TITLE (a dialog with that title may show from now on,
until it closes). It prints the time from start to the main window and the program's peak
resident memory. Exit status 0 only when the main window appeared, no other dialog did,
and the program ended by itself with status 0.
"""

import resource
import select
import struct
import subprocess
import sys
import time
import zlib

from Xlib import X, XK, display
from Xlib.ext import xtest


def fail(message):
    print("drive-program: " + message, file=sys.stderr)
    sys.exit(1)


class Session:
    def __init__(self, argv):
        self.d = display.Display()
        self.root = self.d.screen().root
        self.root.change_attributes(event_mask=X.SubstructureNotifyMask)
        self.d.sync()
        self.atoms = {name: self.d.intern_atom(name) for name in (
            "_NET_WM_PID", "_NET_WM_NAME", "UTF8_STRING", "_NET_WM_WINDOW_TYPE",
            "_NET_WM_WINDOW_TYPE_DIALOG", "_NET_WM_WINDOW_TYPE_SPLASH", "_NET_WM_WINDOW_TYPE_NORMAL")}
        self.started = time.monotonic()
        self.proc = subprocess.Popen(argv)
        self.main = None
        self.main_shown_after = None
        self.first_size = None
        self.dialogs = []
        self.allowed = set()
        # Our own windows that show on top of the main window, latest last.
        self.above = []

    def prop(self, window, name, kind):
        try:
            p = window.get_full_property(self.atoms[name], kind)
        except Exception:
            return None
        return p.value if p else None

    def title(self, window):
        value = self.prop(window, "_NET_WM_NAME", self.atoms["UTF8_STRING"])
        if value is None:
            try:
                value = window.get_wm_name()
            except Exception:
                value = None
        if isinstance(value, bytes):
            value = value.decode("utf-8", "replace")
        return value or ""

    def ours(self, window):
        pid = self.prop(window, "_NET_WM_PID", X.AnyPropertyType)
        return pid is not None and len(pid) > 0 and pid[0] == self.proc.pid

    def handle(self, event):
        if event.type == X.UnmapNotify:
            self.above = [w for w in self.above if w.id != event.window.id]
            return
        if event.type != X.MapNotify or not self.ours(event.window):
            return
        types = self.prop(event.window, "_NET_WM_WINDOW_TYPE", X.AnyPropertyType) or []
        name = self.title(event.window)
        if self.atoms["_NET_WM_WINDOW_TYPE_DIALOG"] in types:
            if name in self.allowed:
                self.above.append(event.window)
            else:
                self.dialogs.append(name)
        elif self.atoms["_NET_WM_WINDOW_TYPE_SPLASH"] in types:
            return
        elif self.main is None and name == "Tavrolin" and self.atoms["_NET_WM_WINDOW_TYPE_NORMAL"] in types:
            self.main = event.window
            self.main_shown_after = time.monotonic() - self.started
            g = event.window.get_geometry()
            self.first_size = (g.width, g.height)

    def top(self):
        return self.above[-1] if self.above else self.main

    def pump(self, seconds, until=None):
        end = time.monotonic() + seconds
        while True:
            while self.d.pending_events():
                self.handle(self.d.next_event())
            if self.dialogs:
                fail("the program showed a dialog: \"%s\"" % "\", \"".join(self.dialogs))
            if until and until():
                return True
            if self.proc.poll() is not None:
                fail("the program ended with status %d before its steps were done" % self.proc.returncode)
            left = end - time.monotonic()
            if left <= 0:
                return False
            select.select([self.d.fileno()], [], [], min(left, 0.01))

    def key(self, keys, focus=True):
        # A menu that opens holds the keyboard itself; moving the focus would close it.
        if focus:
            self.top().set_input_focus(X.RevertToParent, X.CurrentTime)
        codes = [self.d.keysym_to_keycode(XK.string_to_keysym(
            {"ctrl": "Control_L", "alt": "Alt_L", "shift": "Shift_L"}.get(k, k))) for k in keys.split("+")]
        if 0 in codes:
            fail("no key for " + keys)
        for code in codes:
            xtest.fake_input(self.d, X.KeyPress, code)
        for code in reversed(codes):
            xtest.fake_input(self.d, X.KeyRelease, code)
        self.d.sync()

    def size(self, wanted):
        if wanted == "first":
            width, height = self.first_size
        elif wanted == "least":
            hints = self.main.get_wm_normal_hints()
            if not hints or not hints.flags & 16:  # PMinSize
                fail("the main window names no least size")
            width, height = hints.min_width, hints.min_height
        else:
            width, height = (int(n) for n in wanted.split("x"))
        self.main.configure(width=width, height=height)
        self.d.sync()

    def shot(self, path):
        window = self.top()
        g = window.get_geometry()
        image = window.get_image(0, 0, g.width, g.height, X.ZPixmap, 0xFFFFFFFF)
        data = image.data if isinstance(image.data, bytes) else image.data.encode("latin-1")
        stride = len(data) // g.height
        rows = []
        for y in range(g.height):
            line = data[y * stride:y * stride + g.width * 4]
            rgb = bytearray(g.width * 3)
            rgb[0::3], rgb[1::3], rgb[2::3] = line[2::4], line[1::4], line[0::4]
            rows.append(b"\0" + bytes(rgb))

        def chunk(tag, body):
            return struct.pack(">I", len(body)) + tag + body + struct.pack(">I", zlib.crc32(tag + body))

        with open(path, "wb") as f:
            f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", g.width, g.height, 8, 2, 0, 0, 0))
                    + chunk(b"IDAT", zlib.compress(b"".join(rows), 9)) + chunk(b"IEND", b""))


def main():
    args = sys.argv[1:]
    if "--" not in args:
        fail("usage: drive-program.py [--settle S] [--timeout S] [STEP ...] -- PROGRAM [ARG ...]")
    split = args.index("--")
    options, argv = args[:split], args[split + 1:]
    settle, timeout, steps = 1.5, 30.0, []
    while options:
        opt = options.pop(0)
        if opt in ("--settle", "--timeout") and options:
            value = float(options.pop(0))
            settle, timeout = (value, timeout) if opt == "--settle" else (settle, value)
        elif ":" in opt:
            steps.append(opt.split(":", 1))
        else:
            fail("unknown step " + opt)

    s = Session(argv)
    try:
        if not s.pump(timeout, until=lambda: s.main is not None):
            fail("no main window within %g s" % timeout)
        print("main window after %.0f ms" % (s.main_shown_after * 1000))
        # Boxes that the start queues behind the first showing come within this time.
        s.pump(settle)
        for kind, value in steps:
            if kind == "key":
                s.key(value)
                s.pump(0.5)
            elif kind == "wait":
                s.pump(float(value))
            elif kind == "shot":
                s.shot(value)
            elif kind == "size":
                s.size(value)
                s.pump(0.5)
            elif kind == "dialog":
                s.allowed.add(value)
            else:
                fail("unknown step " + kind)
        # Ctrl+X is the text field's own while one has the focus; the menu always reaches Exit.
        if s.above:
            fail("a dialog is still open at the end")
        s.key("alt+f")
        s.pump(0.3)
        s.key("x", focus=False)
        try:
            s.proc.wait(10)
        except subprocess.TimeoutExpired:
            fail("the program did not close on File > Exit (Alt+F, X)")
        status = s.proc.returncode
        # The program is this script's only child, so the children's peak is its own.
        print("peak resident memory %.1f MB" % (resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss / 1024))
    finally:
        if s.proc.poll() is None:
            s.proc.kill()
            s.proc.wait()
    if status != 0:
        fail("the program ended with status %d" % status)


if __name__ == "__main__":
    main()
