"""Drives the installed numoria program on an X display, as a user would.

Runs inside xvfb-run and dbus-run-session (see run_e2e.sh). Types and clicks
with xdotool, reads what the window shows through its accessibility tree
(AT-SPI) and the clipboard (xclip): the four tools, the keypad from the
keyboard, the cheque form copied from a context menu and a full-width paste.
Then fires a long fixed-seed run of random clicks, context menus, keys and
pastes at the window (also against the sanitizer build in CI). Every wait is
for what the window shows, never for a time, so a slow build passes too.
Fails on a wrong text, a crash, a hang or any line the program prints on
stderr.

Usage: drive.py PROGRAM [--screenshot FILE]
"""

import argparse
import os
import random
import subprocess
import sys
import tempfile
import time

import pyatspi

WINDOW_NAME = "^Numoria$"
# Controls a user presses, types into or moves, found in the accessibility
# tree by the names a screen reader reads.
PRESSED_ROLES = ("push button", "text", "scroll bar")

RANDOM_SEED = 20240611
RANDOM_EVENTS = 10_000
EVENTS_PER_BATCH = 200
BATCH_PAUSE_SECONDS = 0.3
RANDOM_KEYS = (
    [str(d) for d in range(10)]
    + [chr(c) for c in range(ord("a"), ord("z") + 1)]
    + ["plus", "minus", "asterisk", "slash", "period", "parenleft", "parenright",
       "Tab", "shift+Tab", "Return", "BackSpace", "Delete", "Left", "Right",
       "Up", "Down", "Home", "End", "space", "KP_Enter", "KP_Add", "KP_5",
       "Escape", "F9", "Menu", "ctrl+c", "ctrl+v", "ctrl+x", "ctrl+z", "ctrl+a",
       "ctrl+shift+c", "ctrl+shift+z"]
)
# Put on the clipboard before each batch of random input, for its pastes.
RANDOM_CLIPBOARD = [
    "1001", "12.5", "99999999.99", "１２３．５", "￥1,234.50元", " 16409.02\n",
    "sin(x)*2+(1024)/3", "pow(2,1e3)", "(((", "-1.79769313486231E+308", "1e309",
    "壹仟零壹元", "ARCCOS(2)", "1/0", "\u200b7\u3000", "龘", "9" * 320,
]


class Failure(Exception):
    pass


def centre(name):
    """Where a control lies in the window, from the accessibility tree."""
    return PLACES[name]


def xdotool(*args, check=True, timeout=30):
    try:
        result = subprocess.run(["xdotool", *args], capture_output=True, text=True,
                                timeout=timeout)
    except subprocess.TimeoutExpired:
        if check:
            raise Failure("xdotool %s took longer than %d s" % (args[0], timeout)) from None
        return ""
    if check and result.returncode != 0:
        raise Failure("xdotool %s failed: %s" % (args[0], result.stderr.strip()))
    return result.stdout


def visible_windows():
    out = xdotool("search", "--onlyvisible", "--name", WINDOW_NAME, check=False)
    return [w for w in out.split() if w]


def answered(read):
    """What read() gives, or None where a call to the program, busy with queued
    input, timed out."""
    try:
        return read()
    except Failure:
        raise
    except Exception:
        return None


def wait_until(what, predicate, seconds=60.0):
    deadline = time.monotonic() + seconds
    while True:
        value = predicate()
        if value:
            return value
        if time.monotonic() > deadline:
            raise Failure("timed out waiting for " + what)
        time.sleep(0.05)


class Program:
    """The program under test, its window and its stderr."""

    def __init__(self, path, workdir):
        self.stderr_path = os.path.join(workdir, "stderr.txt")
        self.stderr = open(self.stderr_path, "w")
        self.process = subprocess.Popen([path], stdout=subprocess.DEVNULL,
                                        stderr=self.stderr)
        self.window = wait_until("the window", self._first_window)[0]

    def _first_window(self):
        if self.process.poll() is not None:
            raise Failure("the program ended at start-up (%s)" % self.process.returncode)
        return visible_windows()

    def windows(self):
        """The program's shown windows: the main window, a message box, a menu."""
        out = xdotool("search", "--onlyvisible", "--pid", str(self.process.pid), check=False)
        return [w for w in out.split() if w]

    def check_alive(self):
        if self.process.poll() is not None:
            raise Failure("the program ended (exit status %s)" % self.process.returncode)

    def click(self, name):
        x, y = centre(name)
        xdotool("mousemove", "--window", self.window, str(x), str(y), "click", "1")

    def type(self, text):
        xdotool("type", "--delay", "30", text)

    def keys(self, *keys):
        xdotool("key", "--delay", "30", *keys)

    def stderr_lines(self):
        self.stderr.flush()
        with open(self.stderr_path, encoding="utf-8", errors="replace") as f:
            return [line.rstrip("\n") for line in f if line.strip()]


# The centre of every control in PRESSED_ROLES by its accessible name, and
# the window's size, in the window's pixels (Tree.read_places).
PLACES = {}
CLIENT_SIZE = [0, 0]


class Tree:
    """The program's accessibility tree."""

    def _places(self):
        # Screen places, made relative to the window's client area.
        window = self.window.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        places = {}

        def walk(node):
            for child in node:
                if child is None:
                    continue
                if child.getRoleName() in PRESSED_ROLES:
                    e = child.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
                    places[child.name] = (e.x - window.x + e.width // 2,
                                          e.y - window.y + e.height // 2)
                walk(child)

        walk(self.window)
        return places, (window.x, window.y, window.width, window.height)

    def read_places(self):
        """Fills PLACES and CLIENT_SIZE once the window has stopped moving
        (the window manager places it after it is shown)."""
        last = [None]

        def settled():
            now = self._places()
            stable, last[0] = now == last[0], now
            return stable

        wait_until("the window's places", settled)
        PLACES.update(last[0][0])
        CLIENT_SIZE[:] = list(last[0][1][2:])

    def __init__(self):
        self.window = wait_until("the window in the accessibility tree", self._find)

    @staticmethod
    def _find():
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name == "Numoria":
                for child in app:
                    if child is not None and child.name == "Numoria":
                        return child
        return None

    def panel(self, caption):
        for child in self.window:
            if child.getRoleName() == "panel" and child.name == caption:
                return child
        raise Failure("no panel " + caption)

    def button(self, panel, name):
        """The button, asked for until a program busy with queued input answers."""
        def find():
            for frame in self.window:
                if frame.getRoleName() == "panel" and frame.name == panel:
                    for child in frame:
                        if child.getRoleName() == "push button" and child.name == name:
                            return child
            return None

        return wait_until("the button " + name, lambda: answered(find))

    def text_box(self, panel, name):
        for child in self.panel(panel):
            if child.getRoleName() == "text" and child.name == name:
                return child
        raise Failure("no text box " + name)

    @staticmethod
    def text_of(accessible):
        return accessible.queryText().getText(0, -1)


def expect(what, read, wanted, seconds=60.0):
    seen = [None]

    def matches():
        seen[0] = answered(read)
        return seen[0] == wanted

    try:
        wait_until(what, matches, seconds)
    except Failure:
        raise Failure("%s: wanted %r, saw %r" % (what, wanted, seen[0])) from None
    print("ok   %s = %r" % (what, wanted))


def scripted_part(program, tree):
    # Converter: every keystroke rewrites the capital amount.
    program.click("小写金额")
    program.type("1001")
    text4 = tree.text_box("小写金额转换为大写金额", "大写金额")
    expect("Text4 for 1001", lambda: Tree.text_of(text4), "壹仟零壹元")

    # Expression calculator: the result appears in Label2 on 计 算.
    program.click("表达式")
    program.type("1+2*3")
    program.click("计 算")
    label2 = tree.panel("表达式计算器")[0]
    expect("Label2 for 1+2*3", lambda: label2.name, "计算结果为: 7")

    # Keypad: 1 2 + 3 =. The display's accessible name is what it shows.
    for key in ("数字 1", "数字 2", "加", "数字 3", "等于"):
        program.click(key)
    display = tree.panel("按键式计算器")[0]
    expect("Display for 12+3=", lambda: display.name, "15")

    # Discount: a price, then the bar moved with the keyboard (Tab from Text2).
    program.click("原价")
    program.type("100")
    program.keys("Tab", *["Right"] * 8)
    discount = tree.panel("计算打折")
    expect("Labzhe at 8", lambda: discount[4].name, "8折")
    expect("Labxj for 100 at 8", lambda: discount[7].name, "80元")


def clipboard():
    result = subprocess.run(["xclip", "-selection", "clipboard", "-o"],
                            capture_output=True, text=True, timeout=10)
    return result.stdout if result.returncode == 0 else None


def set_clipboard(text, selection="clipboard"):
    # xclip stays in the background and serves the text until it is replaced.
    subprocess.run(["xclip", "-selection", selection, "-i"], input=text,
                   text=True, check=True, timeout=10)


def keyboard_part(program, tree):
    # Keypad from the keyboard: a click puts the focus on a key, the keys
    # typed then press the buttons.
    display = tree.panel("按键式计算器")[0]
    program.click("清除")
    program.type("12+3=")
    expect("Display for 12+3= typed", lambda: display.name, "15")
    # Escape clears the entry only: 12 + 7 is left.
    program.type("12+3")
    program.keys("Escape")
    program.type("7=")
    expect("Display for 12+3 Escape 7=", lambda: display.name, "19")

    # Cheque form, copied from Text4's context menu (its first entry).
    program.click("小写金额")
    program.keys("ctrl+a", "BackSpace")
    program.type("16409.02")
    x, y = centre("大写金额")
    xdotool("mousemove", "--window", program.window, str(x), str(y), "click", "3")
    wait_until("the context menu", lambda: len(program.windows()) > 1)
    program.keys("Down", "Return")
    expect("clipboard after 复制票据金额", clipboard, "壹万陆仟肆佰零玖元零贰分")

    # The selection pasted into Text3 with the middle button, cleaned as
    # every paste into it is.
    program.click("小写金额")
    program.keys("ctrl+a", "BackSpace")
    set_clipboard(" ￥1,234.50\r\n", "primary")
    x, y = centre("小写金额")
    xdotool("mousemove", "--window", program.window, str(x), str(y), "click", "2")
    text4 = tree.text_box("小写金额转换为大写金额", "大写金额")
    expect("Text4 after a middle-click paste", lambda: Tree.text_of(text4), "壹仟贰佰叁拾肆元伍角零分")

    # Full-width text from a Chinese input method, pasted into Text1.
    set_clipboard("（１＋２）＊３\n")
    program.click("表达式")
    program.keys("ctrl+a", "ctrl+v")
    program.click("计 算")
    label2 = tree.panel("表达式计算器")[0]
    expect("Label2 for a full-width paste", lambda: label2.name, "计算结果为: 9")


def refusal_part(program, tree):
    """Pastes that would put a wrong number in a box insert nothing, and the
    number pad's Enter on a focused keypad key is =."""
    # Cut to ten characters, the paste would be ten times too small. The
    # "6" typed after it shows the paste was handled, and refused.
    amount = tree.text_box("小写金额转换为大写金额", "小写金额")
    program.click("小写金额")
    program.keys("ctrl+a", "BackSpace")
    program.type("5")
    set_clipboard("12345678901")
    program.keys("ctrl+v")
    program.type("6")
    expect("Text3 after a paste of 12345678901", lambda: Tree.text_of(amount), "56")

    # Two cells are never joined into one number (100200).
    program.click("表达式")
    program.keys("ctrl+a", "BackSpace")
    program.type("1+1")
    set_clipboard("100\n200")
    program.keys("ctrl+a", "ctrl+v")
    program.click("计 算")
    label2 = tree.panel("表达式计算器")[0]
    expect("Label2 after a paste of 100, 200 into Text1", lambda: label2.name, "计算结果为: 2")

    display = tree.panel("按键式计算器")[0]
    program.click("清除")
    program.type("12+3")
    program.keys("KP_Enter")
    expect("Display for 12+3 and the number pad's Enter", lambda: display.name, "15")


def message_box_part(program, tree):
    display = tree.panel("按键式计算器")[0]
    # 99999999 * 99999999 = = ...: each = multiplies the display by 99999999
    # again, until the product overflows: the modal message box, then ERROR.
    for key in ["数字 9"] * 8 + ["乘"] + ["数字 9"] * 8:
        program.click(key)
    x, y = centre("等于")
    xdotool("mousemove", "--window", program.window, str(x), str(y),
            *["click", "--delay", "0", "1", "sleep", "0.05"] * 45)
    wait_until("the message box", lambda: len(visible_windows()) > 1)
    close_message_boxes(program)
    wait_until("the message box to close", lambda: len(visible_windows()) == 1)
    expect("Display after an overflow", lambda: display.name, "ERROR")
    program.click("清除")


def random_batch(rng, window, count):
    """xdotool arguments for `count` random clicks (one in eight opens a
    context menu) and keystrokes; an Escape at the end closes a menu left open."""
    args = []
    names = list(PLACES)
    for _ in range(count):
        if rng.random() < 0.5:
            if rng.random() < 0.5:
                x, y = rng.randrange(CLIENT_SIZE[0]), rng.randrange(CLIENT_SIZE[1])
            else:
                x, y = centre(rng.choice(names))
            button = "3" if rng.random() < 0.125 else "1"
            args += ["mousemove", "--window", window, str(x), str(y),
                     "click", "--delay", "0", button]
        else:
            args += ["key", "--delay", "0", rng.choice(RANDOM_KEYS)]
    return args + ["key", "Escape"]


def overflow_burst(program, tree):
    """More digits than a double holds on the keypad, then an operator: waits
    for the overflow message box and closes it. The keys are sent only once no
    menu or message box is left from the random input, the window holds the
    keyboard focus, the keypad's 9 key has the program's focus and the display
    reads "9". The random input may leave a point or a negative exponent in the
    display ("0.", "1E-20"), after which more nines never overflow: the clear
    key empties it first."""
    quiet_window(program)
    settle(tree)
    nine = tree.button("按键式计算器", "数字 9")
    display = tree.panel("按键式计算器")[0]

    def ready():
        return (answered(lambda: nine.getState().contains(pyatspi.STATE_FOCUSED))
                and answered(lambda: display.name) == "9")

    for _ in range(3):
        quiet_window(program)
        program.click("清除")
        program.click("数字 9")
        try:
            wait_until("the focus on the keypad's 9 and a display of 9", ready, 60)
            break
        except Failure:
            pass
    else:
        raise Failure("the keypad's 9 never took the focus after a clear display")
    if [w for w in program.windows() if w != program.window]:
        raise Failure("a window came up between the focus check and the burst")
    xdotool("key", "--delay", "0", *["9"] * 320, "plus", timeout=60)

    def box_shown():
        program.check_alive()
        return len(visible_windows()) > 1

    wait_until("the overflow message box", box_shown, 180)
    quiet_window(program)


def quiet_window(program):
    """Closes message boxes and menus until the main window alone is shown and
    holds the keyboard focus, however long the program takes to answer."""
    def quiet():
        program.check_alive()
        others = [w for w in program.windows() if w != program.window]
        if not others:
            if xdotool("getwindowfocus", check=False).strip() == program.window:
                return True
            xdotool("windowactivate", "--sync", program.window, check=False, timeout=10)
            return False
        if not close_message_boxes(program):
            # A menu: Escape closes its innermost level.
            xdotool("key", "Escape", check=False)
        time.sleep(0.2)
        return False

    wait_until("the window alone with the keyboard focus", quiet, 120)


def close_message_boxes(program):
    """Closes the keypad's message box if random input opened it. Return is
    typed only while the box holds the keyboard focus: one that reached the
    window instead would press its focused key."""
    closed = 0
    for window in visible_windows():
        if window != program.window:
            def box_focused():
                if window not in visible_windows():
                    return "gone"
                if xdotool("getwindowfocus", check=False).strip() == window:
                    return "focused"
                xdotool("windowactivate", "--sync", window, check=False, timeout=10)
                return None

            if wait_until("the message box to take the focus", box_focused) == "focused":
                xdotool("key", "Return", check=False)
            closed += 1
    return closed


def settle(tree):
    """Returns once the program answers over the accessibility bus again, which
    it does from its event loop, behind the input already queued. A batch's
    pastes each wait for xclip to hand over the text, so on a loaded machine
    this takes minutes; only a program that never answers fails."""
    wait_until("the program to answer", lambda: answered(lambda: tree.window.name) == "Numoria",
               600)


def random_part(program, tree):
    rng = random.Random(RANDOM_SEED)
    start = time.monotonic()
    sent = boxes = bursts = 0
    while sent < RANDOM_EVENTS:
        count = min(EVENTS_PER_BATCH, RANDOM_EVENTS - sent)
        set_clipboard(rng.choice(RANDOM_CLIPBOARD))
        if rng.random() < 0.125:
            overflow_burst(program, tree)
            bursts += 1
        xdotool(*random_batch(rng, program.window, count), timeout=60)
        sent += count
        time.sleep(BATCH_PAUSE_SECONDS)
        settle(tree)
        program.check_alive()
        boxes += close_message_boxes(program)
    # Clear any last menu or box, then check what the window holds.
    settle(tree)
    quiet_window(program)
    settle(tree)
    program.check_alive()
    # The window came through whole: still shown, and the amount box still
    # holds no more than its ten characters.
    if program.window not in visible_windows():
        raise Failure("the window is gone after the random input")
    amount = Tree.text_of(tree.text_box("小写金额转换为大写金额", "小写金额"))
    if len(amount) > 10:
        raise Failure("Text3 holds %d characters after the random input" % len(amount))
    if bursts == 0:
        raise Failure("the random input never reached the overflow message box")
    print("ok   %d random events in %.1f s, %d overflow boxes, %d more message boxes closed"
          % (sent, time.monotonic() - start, bursts, boxes))


def close_program(program):
    xdotool("windowactivate", "--sync", program.window, check=False, timeout=10)
    xdotool("key", "--clearmodifiers", "alt+F4", check=False)
    try:
        # The sanitizer build checks for leaks on its way out.
        status = program.process.wait(120)
    except subprocess.TimeoutExpired:
        program.process.kill()
        raise Failure("the program did not end when its window was closed") from None
    if status != 0:
        raise Failure("the program ended with status %d" % status)


def start_window_manager():
    wm = subprocess.Popen(["openbox", "--sm-disable"], stdout=subprocess.DEVNULL,
                          stderr=subprocess.DEVNULL)

    def ready():
        out = subprocess.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"],
                             capture_output=True, text=True).stdout
        return "window id" in out

    wait_until("the window manager", ready)
    return wm


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("program")
    parser.add_argument("--screenshot")
    args = parser.parse_args()

    wm = start_window_manager()
    # Starting the accessibility bus before the program lets it register.
    pyatspi.Registry.getDesktop(0)
    program = None
    with tempfile.TemporaryDirectory() as workdir:
        try:
            program = Program(args.program, workdir)
            tree = Tree()
            tree.read_places()
            scripted_part(program, tree)
            if args.screenshot:
                time.sleep(1)  # a clock tick or two
                subprocess.run(["import", "-window", program.window, "-frame",
                                args.screenshot], check=True)
                print("saved " + args.screenshot)
            keyboard_part(program, tree)
            refusal_part(program, tree)
            message_box_part(program, tree)
            random_part(program, tree)
            close_program(program)
            lines = program.stderr_lines()
            if lines:
                raise Failure("the program printed on stderr:\n  " + "\n  ".join(lines[:20]))
        except Failure as failure:
            if program is not None:
                lines = program.stderr_lines()
                if lines:
                    print("program stderr:\n  " + "\n  ".join(lines[:20]), file=sys.stderr)
            print("FAIL " + str(failure), file=sys.stderr)
            return 1
        finally:
            if program is not None and program.process.poll() is None:
                program.process.kill()
                program.process.wait()
            wm.terminate()
            wm.wait()
    print("e2e passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
