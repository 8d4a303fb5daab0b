# shellcheck shell=bash
# The clipboard as the end-to-end harness reads and fills it, sourced by
# harness.sh: its bytes, its owner's answers to each target, and the
# program's clipboard holders.

# ---- clipboard --------------------------------------------------------------

# e2e_clipboard: the clipboard's text, byte for byte, on stdout.
e2e_clipboard() {
    timeout 5 xclip -o -selection clipboard 2>/dev/null
}

# e2e_clipboard_hex: the clipboard's bytes as hex pairs separated by blanks.
e2e_clipboard_hex() {
    e2e_clipboard | e2e_hex
}

e2e_hex() {
    od -An -v -tx1 | tr -s ' \n' '  ' | sed 's/^ //; s/ $//'
}

# e2e_assert_clipboard TEXT MSG: the clipboard holds exactly the bytes of TEXT
# (trailing newlines and carriage returns included).
e2e_assert_clipboard() {
    local expected actual
    expected=$(printf '%s' "$1" | e2e_hex)
    actual=$(e2e_clipboard_hex)
    e2e_assert_eq "$expected" "$actual" "$2 (clipboard bytes)"
}

# e2e_set_clipboard TEXT: an xclip of ours owns the clipboard with TEXT.
e2e_set_clipboard() {
    local file
    file=$(mktemp "$E2E_TMP/clip.XXXXXX")
    printf '%s' "$1" >"$file"
    xd_spawn --stdin "$file" "$E2E_TMP/xclip.log" xclip -quiet -i -selection clipboard
    # Until the new xclip has taken over, the previous owner still answers.
    xd_wait_until 5 e2e_clipboard_holds "$(e2e_hex <"$file")"
}

e2e_clipboard_holds() {
    [[ $(e2e_clipboard_hex) == "$1" ]]
}

# e2e_clipboard_holders: the pids of the program's clipboard holders on our
# display (the copies of it that keep its clipboard text after its end).
e2e_clipboard_holders() {
    local dir
    for dir in /proc/[0-9]*; do
        tr '\0' '\n' 2>/dev/null <"$dir/cmdline" | grep -qx -- --clipboard-holder || continue
        tr '\0' '\n' 2>/dev/null <"$dir/environ" | grep -qx -- "DISPLAY=$DISPLAY" || continue
        echo "${dir#/proc/}"
    done
}

e2e_no_clipboard_holder() {
    [[ -z $(e2e_clipboard_holders) ]]
}

# e2e_selection TARGET... : asks the clipboard's owner for each target as a
# requestor does (ICCCM), and prints a line "TARGET TYPE VALUE" for each:
# the bytes in hex for text, the atoms' names joined by commas for atoms,
# the number for an INTEGER; "TARGET refused" when the owner said no. The
# target "MULTIPLE" asks for all the targets after it in one request and
# prints a line "MULTIPLE/TARGET ..." for each.
e2e_selection() {
    timeout 10 python3 - "$@" <<'EOF'
import ctypes, sys, time
x = ctypes.CDLL("libX11.so.6")
P, L, I = ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int
x.XOpenDisplay.restype = P
x.XInternAtom.restype = L
x.XInternAtom.argtypes = [P, ctypes.c_char_p, I]
x.XGetAtomName.restype = ctypes.c_char_p
x.XGetAtomName.argtypes = [P, L]
x.XDefaultRootWindow.restype = L
x.XDefaultRootWindow.argtypes = [P]
x.XCreateSimpleWindow.restype = L
x.XCreateSimpleWindow.argtypes = [P, L, I, I, ctypes.c_uint, ctypes.c_uint, ctypes.c_uint, L, L]
x.XConvertSelection.argtypes = [P, L, L, L, L, L]
x.XChangeProperty.argtypes = [P, L, L, L, I, I, P, I]
x.XGetWindowProperty.argtypes = [P, L, L, ctypes.c_long, ctypes.c_long, I, L, ctypes.POINTER(L),
                                 ctypes.POINTER(I), ctypes.POINTER(L), ctypes.POINTER(L), ctypes.POINTER(P)]
x.XPending.argtypes = [P]
x.XNextEvent.argtypes = [P, P]
x.XFlush.argtypes = [P]
class Notify(ctypes.Structure):
    _fields_ = [("type", I), ("serial", L), ("send_event", I), ("display", P), ("requestor", L),
                ("selection", L), ("target", L), ("property", L), ("time", L)]
class Event(ctypes.Union):
    _fields_ = [("type", I), ("notify", Notify), ("pad", ctypes.c_long * 24)]
d = x.XOpenDisplay(None)
atom = lambda name: x.XInternAtom(d, name.encode(), 0)
name = lambda a: x.XGetAtomName(d, a).decode() if a else "None"
window = x.XCreateSimpleWindow(d, x.XDefaultRootWindow(d), 0, 0, 1, 1, 0, 0, 0)

def value(prop):
    kind, form, count, left, data = L(), I(), L(), L(), P()
    x.XGetWindowProperty(d, window, prop, 0, 1 << 20, 1, 0, ctypes.byref(kind), ctypes.byref(form),
                         ctypes.byref(count), ctypes.byref(left), ctypes.byref(data))
    if not kind.value:
        return "refused"
    if form.value == 32:
        items = ctypes.cast(data, ctypes.POINTER(ctypes.c_long))[:count.value]
        shown = [name(a) for a in items] if name(kind.value) in ("ATOM", "ATOM_PAIR") else map(str, items)
        return name(kind.value) + " " + ",".join(shown)
    return name(kind.value) + " " + ctypes.string_at(data, count.value).hex()

def convert(target, prop):
    x.XConvertSelection(d, atom("CLIPBOARD"), atom(target), prop, window, 0)
    x.XFlush(d)
    event = Event()
    while True:
        while x.XPending(d):
            x.XNextEvent(d, ctypes.byref(event))
            if event.type == 31:
                return event.notify.property
        time.sleep(0.01)

targets = sys.argv[1:]
if targets[0] == "MULTIPLE":
    pairs = [a for i, t in enumerate(targets[1:]) for a in (atom(t), atom("E2E_%d" % i))]
    x.XChangeProperty(d, window, atom("E2E_PAIRS"), atom("ATOM_PAIR"), 32, 0,
                      (ctypes.c_long * len(pairs))(*pairs), len(pairs))
    if not convert("MULTIPLE", atom("E2E_PAIRS")):
        print("MULTIPLE refused")
    for i, t in enumerate(targets[1:]):
        print("MULTIPLE/%s %s" % (t, value(atom("E2E_%d" % i))))
else:
    for t in targets:
        print(t, value(atom("E2E_OUT")) if convert(t, atom("E2E_OUT")) else "refused")
EOF
}
