"""A real FAR host under Wine, in a tmux session: driving it through the runner REAL_HOST_RUN names
and reading its screen. Shared by tests/real_host/check and tests/bench/real_host."""
import collections
import os
import re
import subprocess
import time

TOP = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
# The real FAR builds are set up only on the machines that try each landed build, each with its
# own runner; None where none is named.
RUN = os.path.abspath(os.environ["REAL_HOST_RUN"]) if os.environ.get("REAL_HOST_RUN") else None
WAIT = float(os.environ.get("REAL_HOST_WAIT", "3"))  # seconds a change may take to show
POLL = 0.05
LIST_TITLE = {"English": "Panel views", "Russian": "Виды панелей"}
# The plugins menu's entry (lang/Tolvane*.lng, message 4): other plugins' entries may stand above it.
MENU_ENTRY = {"English": "Tolvane: panel views", "Russian": "Tolvane: виды панелей"}
# The hosts FAR_HOST may name: the FAR the runner starts (its own FAR_HOST) and the plugin folder
# under dist/ it installs. FAR 3 x86 runs twice: with the API 1.70 build through its wrapper, and
# with its native build; FAR 3 x64 loads only the native x64 build.
HOSTS = {
    "far170": ("far170", "Tolvane"),
    "far175": ("far175", "Tolvane"),
    "far3-oem": ("far3", "Tolvane"),
    "far3": ("far3", "Tolvane-far3-x86"),
    "far3x64": ("far3x64", "Tolvane-far3-x64"),
}
NATIVE = {"far3", "far3x64"}  # the hosts that load the plugin's FAR 3 build
SGR = re.compile(r"\x1b\[([0-9;]*)m|(.)")
# A line of the list: number, kind, panel mark, folder.
ENTRY = re.compile(r"║[ >]*?(\d+)\. (.+?) ([<> ]) (\S.*?)\s*║")
# A panel's title on the top line: framed by a blank on each side within the panel's own frame, so
# that what FAR 3 draws after it there (its clock, ═5:10 PM) is no part of it.
TITLE = re.compile(r"[╔═] (.*?\S) (?=[═╗])")
# A menu box: its lines' texts, the index of the line with the name looked for and of the cursor's.
Menu = collections.namedtuple("Menu", "lines ours cursor")
NO_MENU = Menu([], None, None)


class Failed(Exception):
    def __init__(self, why, screen=None):
        super().__init__(why)
        self.screen = screen


class Screen:
    """One capture of the session: text rows and, per cell, its foreground and background."""

    def __init__(self, raw):
        self.raw = raw
        # tmux writes a colour only where it changes, also from one line to the next
        self.cells, colours = [], (39, 49)
        for line in raw.split("\n"):
            row, colours = self._parse(line, *colours)
            self.cells.append(row)
        self.rows = ["".join(c[0] for c in row) for row in self.cells]
        self.text = "\n".join(self.rows)

    @staticmethod
    def _parse(line, fg, bg):
        cells = []
        for m in SGR.finditer(line):
            if m.group(2) is not None:
                cells.append((m.group(2), fg, bg))
                continue
            for n in (int(code or 0) for code in (m.group(1) or "0").split(";")):
                if n == 0:
                    fg, bg = 39, 49
                elif 30 <= n <= 39 or 90 <= n <= 97:
                    fg = n
                elif 40 <= n <= 49 or 100 <= n <= 107:
                    bg = n
        return cells, (fg, bg)

    def title(self, half=0):
        """The left (0) or right (1) panel's title: its folder; empty when none is framed there."""
        m = TITLE.search(self.rows[0][60 * half:60 * half + 60])
        return m.group(1) if m else ""

    def steady(self):
        """What the screen shows but for the top line's clock: equal while nothing else changed."""
        return self.title(0), self.title(1), self.cells[1:]

    def menu(self, name):
        """The menu box holding a line with this name, or None. Its cursor's line is the one whose text
        is drawn on another background than the box's frame."""
        y = next((y for y, row in enumerate(self.rows) if name in row), None)
        if y is None:
            return None
        x = self.rows[y].index(name)
        left, right = self.rows[y].rfind("║", 0, x), self.rows[y].find("║", x)
        if left < 0 or right < 0:
            return None

        def side(row):
            return self.rows[row][left:left + 1]
        top = bottom = y
        while top > 0 and side(top - 1) in ("║", "╟"):
            top -= 1
        while bottom + 1 < len(self.rows) and side(bottom + 1) in ("║", "╟"):
            bottom += 1
        lines = [row for row in range(top, bottom + 1) if side(row) == "║"]  # not separators
        texts = [self.rows[row][left + 1:right].strip() for row in lines]
        frame = self.cells[y][left][2]

        def lit(row):
            text = self.rows[row][left + 1:right]
            start = left + 1 + len(text) - len(text.lstrip())
            return start < right and self.cells[row][start][2] != frame
        return Menu(texts, lines.index(y), next((i for i, row in enumerate(lines) if lit(row)), None))

    def window(self):
        """Whether a box (a dialog, menu or notice) stands over the panels, whose frames start on the
        top line alone."""
        return any("╔" in row for row in self.rows[1:])

    def entries(self):
        """The list's lines: (row, column, number, panel mark, folder)."""
        return [(y, m.start(1), m.group(1), m.group(3), m.group(4))
                for y, m in ((y, ENTRY.search(row)) for y, row in enumerate(self.rows)) if m]

    def cursor(self):
        """The number of the list line under the cursor: the one drawn on a background of its own."""
        entries = self.entries()
        bgs = [self.cells[y][x][2] for y, x, *_ in entries]
        odd = [e[2] for e, bg in zip(entries, bgs) if bgs.count(bg) == 1]
        return odd[0] if len(entries) > 2 and len(odd) == 1 else None

    def selectable(self):
        """The list's numbers in order, but the other panel's view (marked '>'): the cursor skips it."""
        return [n for _, _, n, mark, _ in self.entries() if mark != ">"]

    def folder_of(self, number):
        return next((f for _, _, n, _, f in self.entries() if n == number), None)

    def compact(self, lang):
        """The list in quick-switch form: its frame has no dialog margin above it."""
        for y, row in enumerate(self.rows):
            x = row.find(LIST_TITLE[lang])
            if x > 0 and y > 0:
                return self.cells[y - 1][x][2] != self.cells[y][x][2]
        return False

    def selected(self):
        """Names drawn in the selection colour (yellow) in the left panel's first column."""
        names = ("".join(c[0] for c in row[1:29] if c[1] == 93).strip() for row in self.cells[2:35])
        return {n for n in names if n}

    def line_with(self, text):
        """The notice's line holding the start of this text, between the box's sides."""
        row = next((r for r in self.rows if text[:8] in r), None)
        if row is None:
            return None
        at = row.index(text[:8])
        return row[row.rfind("║", 0, at) + 1:row.find("║", at)].strip()


def tool_dir():
    """run's cache under TMPDIR: its tools, once it has built them."""
    return os.path.join(os.environ.get("TMPDIR", "/tmp"), "real-host-cache")


def winpath(path):
    return "Z:" + path.replace("/", "\\")


def shows(title, folder):
    """Whether a panel title, perhaps shortened at its start, names this folder."""
    return bool(title) and title.rstrip("\\").endswith(folder.rstrip("\\").split("\\")[-1])


def dist_of(name):
    return os.path.join(TOP, "dist", HOSTS[name][1])


class Host:
    """One FAR of HOSTS in the tmux session rh<role>-<name>, with a plugin folder (by default the
    one that host loads)."""

    def __init__(self, name, role, dist=None, lang="English"):
        self.name, self.dist, self.lang = name, dist or dist_of(name), lang
        self.far = HOSTS[name][0]
        self.native = name in NATIVE
        self.session = f"rh{role}-{name}"

    def run(self, *args, env=None):
        subprocess.run([RUN, *args], env=env, stdout=subprocess.DEVNULL, check=False)

    def tmux(self, *keys):
        subprocess.run(["tmux", "send-keys", "-t", self.session, *keys], check=False)

    def key(self, vk, state=None):
        """One key through the console: state 100 (default) grey, 0 NumPad, 8 Ctrl, 18 Ctrl+Shift."""
        self.run("key", self.session, vk, *([state] if state else []))

    def screen(self):
        return Screen(subprocess.run(["tmux", "capture-pane", "-pe", "-t", self.session],
                                     capture_output=True, encoding="utf-8", errors="replace",
                                     check=False).stdout)

    def run_dir(self):
        """run's folder for this session: the path of the Wine prefix its FAR runs in, in the file
        wine.prefix, and FAR 3's profile, Profile."""
        return os.path.join(os.environ.get("TMPDIR", "/tmp"), f"real-host-{self.session}")

    def wine_env(self):
        """The environment for a Wine call of our own: the prefix of this session's FAR (the 64-bit
        FAR 3 runs in a prefix of its own), where its processes, registry and key state are."""
        path = os.path.join(self.run_dir(), "wine.prefix")
        try:
            with open(path, encoding="utf-8") as f:
                prefix = f.read().strip()
        except OSError:
            prefix = ""
        if not prefix:
            raise Failed(f"run left no Wine prefix in {path}")
        return dict(os.environ, WINEPREFIX=prefix, WINEDEBUG="-all")

    def wine(self, *args):
        """A Windows program of our own in this session's Wine prefix, its output dropped."""
        env = self.wine_env()
        done = subprocess.run(["wine", *args], env=env, stdin=subprocess.DEVNULL,
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=False)
        if done.returncode:
            raise Failed(f"wine {' '.join(args)} failed ({done.returncode}) in {env['WINEPREFIX']}")

    def far_pid(self):
        """Far.exe's process id in Wine, as run finds it."""
        env = self.wine_env()
        out = subprocess.run(["winedbg", "--command", "info proc"], env=env, text=True,
                             capture_output=True, check=False).stdout
        pid = next(("0x" + line.split()[0] for line in out.splitlines() if "'Far.exe'" in line), None)
        if pid is None:
            raise Failed(f"winedbg finds no Far.exe in the Wine prefix {env['WINEPREFIX']}")
        return pid

    def wait(self, ok, timeout=WAIT, poll=POLL):
        """Polls the screen until ok(screen) or the timeout; returns the last screen and the verdict."""
        end = time.monotonic() + timeout
        while True:
            s = self.screen()
            if ok(s) or time.monotonic() > end:
                return s, bool(ok(s))
            time.sleep(poll)

    def expect(self, ok, why, timeout=WAIT):
        s, good = self.wait(ok, timeout)
        if not good:
            raise Failed(why(s) if callable(why) else why, s)
        return s

    def start(self, left, right):
        env = dict(os.environ, FAR_HOST=self.far)
        if self.lang != "English":
            env["FAR_LANG"] = self.lang
        self.run(self.dist, self.session, left, right, env=env)
        self.expect(lambda s: re.search(r"^1\w+ +2", s.text, re.M), "FAR did not start: no key bar", 60)
        self.run("ctrl", self.session, "up")  # a Ctrl left held by an interrupted run

    def stop(self):
        """Quits as a user does: F10, Enter for FAR's question (or a notice left open)."""
        for key in ("F10", "Enter") * 4:
            if self.wait(lambda s: "FAR EXITED" in s.text, 1)[1]:
                break
            self.tmux(key)
        subprocess.run(["tmux", "kill-session", "-t", self.session], check=False)

    def choose_entry(self, timeout=WAIT):
        """F11, then the menu's cursor onto the plugin's entry, wherever it stands: only Enter is left
        to press. Returns the menu's lines."""
        name = MENU_ENTRY[self.lang]
        self.tmux("F11")
        menu = self.expect(lambda s: (s.menu(name) or NO_MENU).cursor is not None,
                           f"F11 shows no menu with '{name}' and its cursor", timeout).menu(name)
        for _ in range(abs(menu.ours - menu.cursor)):
            self.key("0x28" if menu.ours > menu.cursor else "0x26")

        def where(s):
            now = s.menu(name) or NO_MENU
            on = "nothing" if now.cursor is None else f"'{now.lines[now.cursor]}'"
            return f"the plugins menu's cursor is on {on}, not on '{name}'"
        self.expect(lambda s: (s.menu(name) or NO_MENU).cursor == menu.ours, where, timeout)
        return menu.lines

    def open_list(self):
        self.menu_lines = self.choose_entry()
        self.tmux("Enter")
        return self.expect(lambda s: len(s.entries()) >= 2, "the plugins menu entry opens no list")

    def close_list(self):
        self.tmux("Escape")
        self.wait(lambda s: not s.entries())
