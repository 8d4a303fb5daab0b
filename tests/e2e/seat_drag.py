#!/usr/bin/python3
"""seat_drag.py mutter|kwin X1 Y1 X2 Y2 STEPS PAUSE WID: a press of the left
button at X1,Y1 on the X window WID, STEPS moves to X2,Y2 with PAUSE seconds
between them, and the release there, made by the compositor's own seat
pointer. The moves GNOME's and KDE's compositors run themselves follow that
pointer only, never XTEST input.

The compositor takes a move only while its button is down, which a loaded
machine's program may ask for late: the press waits until XWayland sees the
pointer at X1,Y1, the release (at most HOLD s) until WID has followed.

mutter (and GNOME Shell): its RemoteDesktop service on the session bus. The
remote session lasts as long as the bus connection that made it, so this one
process holds it for the whole drag.
kwin: its fake-input Wayland protocol on $XDG_RUNTIME_DIR/$WAYLAND_DISPLAY,
open to any client under KWIN_WAYLAND_NO_PERMISSION_CHECKS=1."""
import os
import socket
import struct
import subprocess
import sys
import time

BTN_LEFT = 0x110  # evdev's code of the left button


class MutterSeat:
    SERVICE = "org.gnome.Mutter.RemoteDesktop"
    SESSION = SERVICE + ".Session"
    FAR = 100000.0  # further than any screen: the pointer stops at its corner

    def __init__(self):
        from gi.repository import Gio, GLib
        self.gio, self.glib = Gio, GLib
        self.bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)
        reply = self.bus.call_sync(self.SERVICE, "/org/gnome/Mutter/RemoteDesktop", self.SERVICE,
                                   "CreateSession", None, GLib.VariantType("(o)"),
                                   Gio.DBusCallFlags.NONE, 5000, None)
        self.session = reply.unpack()[0]
        self.call("Start")
        # Relative motion only (absolute motion needs a screen-cast stream):
        # from the screen's bottom-left corner, reached by a long move down,
        # then one left. The pointer starts near the top-left corner, GNOME
        # Shell's hot corner, where a push left opens the overview.
        self.call("NotifyPointerMotionRelative", "(dd)", (0.0, self.FAR))
        self.call("NotifyPointerMotionRelative", "(dd)", (-self.FAR, 0.0))
        height = subprocess.run(["xdotool", "getdisplaygeometry"], check=True,
                                capture_output=True, text=True).stdout.split()[1]
        self.x, self.y = 0, int(height) - 1

    def call(self, method, signature=None, args=None):
        self.bus.call_sync(self.SERVICE, self.session, self.SESSION, method,
                           self.glib.Variant(signature, args) if signature else None, None,
                           self.gio.DBusCallFlags.NONE, 5000, None)

    def move_to(self, x, y):
        self.call("NotifyPointerMotionRelative", "(dd)", (float(x - self.x), float(y - self.y)))
        self.x, self.y = x, y

    def button(self, pressed):
        self.call("NotifyPointerButton", "(ib)", (BTN_LEFT, pressed))

    def close(self):
        self.call("Stop")


class KWinSeat:
    """A Wayland client of the wire protocol's few messages it needs."""
    DISPLAY, REGISTRY, CALLBACK, FAKE_INPUT = 1, 2, 3, 4

    def __init__(self):
        path = os.path.join(os.environ["XDG_RUNTIME_DIR"], os.environ["WAYLAND_DISPLAY"])
        self.sock = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
        self.sock.connect(path)
        self.buffer = b""
        self.send(self.DISPLAY, 1, "I", self.REGISTRY)  # get_registry
        name, version = self.find_global(b"org_kde_kwin_fake_input")
        self.send(self.REGISTRY, 0, "IsII", name, b"org_kde_kwin_fake_input", min(version, 4),
                  self.FAKE_INPUT)  # bind
        self.send(self.FAKE_INPUT, 0, "ss", b"ombrix-e2e", b"a test's drag")  # authenticate

    def send(self, obj, opcode, kinds, *args):
        body = b""
        for kind, arg in zip(kinds, args):
            if kind == "s":
                data = arg + b"\0"
                body += struct.pack("=I", len(data)) + data + b"\0" * (-len(data) % 4)
            else:
                body += struct.pack("=" + kind, arg)
        self.sock.sendall(struct.pack("=II", obj, (8 + len(body)) << 16 | opcode) + body)

    def event(self):
        while len(self.buffer) < 8 or len(self.buffer) < self.size_of_first():
            chunk = self.sock.recv(4096)
            if not chunk:
                raise ConnectionError("kwin closed the connection")
            self.buffer += chunk
        obj, word = struct.unpack_from("=II", self.buffer)
        body, self.buffer = self.buffer[8:word >> 16], self.buffer[word >> 16:]
        return obj, word & 0xFFFF, body

    def size_of_first(self):
        return struct.unpack_from("=II", self.buffer)[1] >> 16

    def roundtrip(self, callback):
        """The events that come before the server has read all sent."""
        self.send(self.DISPLAY, 0, "I", callback)  # sync
        while True:
            obj, opcode, body = self.event()
            if obj == callback:
                return
            yield obj, opcode, body

    def find_global(self, interface):
        found = None
        for obj, opcode, body in self.roundtrip(self.CALLBACK):
            if obj == self.REGISTRY and opcode == 0:  # global: name, interface, version
                name, length = struct.unpack_from("=II", body)
                if body[8:8 + length - 1] == interface:
                    found = name, struct.unpack_from("=I", body, 8 + length + (-length % 4))[0]
        if not found:
            raise LookupError("kwin offers no " + interface.decode())
        return found

    def move_to(self, x, y):
        self.send(self.FAKE_INPUT, 9, "ii", x * 256, y * 256)  # pointer_motion_absolute

    def button(self, pressed):
        self.send(self.FAKE_INPUT, 2, "II", BTN_LEFT, int(pressed))

    def close(self):
        for _ in self.roundtrip(self.FAKE_INPUT + 1):
            pass


HOLD = 10.0


def pointer_seen_at(x, y):
    shell = subprocess.run(["xdotool", "getmouselocation", "--shell"], capture_output=True,
                           text=True).stdout
    seen = dict(line.split("=", 1) for line in shell.split())
    return seen.get("X") == str(x) and seen.get("Y") == str(y)


def place_of(wid):
    info = subprocess.run(["xwininfo", "-id", wid], capture_output=True, text=True).stdout
    corner = [line.split()[-1] for line in info.splitlines() if "Absolute upper-left" in line]
    return tuple(map(int, corner)) if len(corner) == 2 else None


def wait_until(condition, pause, nudge=lambda: None):
    deadline = time.monotonic() + HOLD
    while not condition() and time.monotonic() < deadline:
        nudge()
        time.sleep(pause)


def main(kind, x1, y1, x2, y2, steps, pause, wid):
    seat = {"mutter": MutterSeat, "kwin": KWinSeat}[kind]()
    seat.move_to(x1, y1)
    # A window shown after the pointer came is entered at its next move, and a
    # move started after the pointer's last one follows from the next.
    def nudge(x, y):
        return lambda: (seat.move_to(x + 1, y), seat.move_to(x, y))

    wait_until(lambda: pointer_seen_at(x1, y1), pause, nudge(x1, y1))
    start = place_of(wid)
    seat.button(True)
    time.sleep(pause)
    for i in range(1, steps + 1):
        seat.move_to(x1 + (x2 - x1) * i // steps, y1 + (y2 - y1) * i // steps)
        time.sleep(pause)
    if start:
        wait_until(lambda: place_of(wid) == (start[0] + x2 - x1, start[1] + y2 - y1), pause,
                   nudge(x2, y2))
    seat.button(False)
    time.sleep(pause)
    seat.close()


if __name__ == "__main__":
    if len(sys.argv) != 9:
        sys.exit(__doc__)
    main(sys.argv[1], *map(int, sys.argv[2:7]), float(sys.argv[7]), sys.argv[8])
