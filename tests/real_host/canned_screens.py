"""The check's screen reading tried on screens as the real hosts draw them, so that it runs where no
real host does: FAR 3's top line with its clock and FAR 1.70's without, plugins menus with other
plugins' entries above and below ours, over the panels."""
from farhost import MENU_ENTRY, Menu, Screen, shows

PANEL, FRAME, LIT = 44, 46, 40  # backgrounds: the panels, a menu's frame and lines, its cursor's line
DEEP = "level9-".ljust(44, "n")
FAR3_DEEP = "Z:\\…\\" + DEEP  # shortened to fill the room the clock leaves, as FAR 3 does


def top_line(left, right, clock=""):
    """Two panels' top lines, each title centred in its 60 columns; FAR 3's clock at the end."""
    end = "═" + clock if clock else "╗"
    return Screen(f"╔{f' {left} ':═^58}╗╔{f' {right} ':═^{59 - len(end)}}{end}")


def menu_screen(lines, cursor):
    """A menu box at column 40 over both panels, the cursor on lines[cursor]."""
    width = max(map(len, lines)) + 4
    box = [[(f"╔{' Plugin commands ':═^{width - 2}}╗", FRAME)]]
    box += [[("║", FRAME), (f" {text}".ljust(width - 2), LIT if i == cursor else FRAME), ("║", FRAME)]
            for i, text in enumerate(lines)]
    box.append([(f"╚{'═' * (width - 2)}╝", FRAME)])
    panels = f"║{' ' * 58}║" * 2
    rows = []
    for cells in [[]] + box + [[]]:
        end = 40 + sum(len(text) for text, _ in cells) if cells else 0
        drawn = "".join(f"\x1b[30;{bg}m{text}" for text, bg in cells)
        rows.append(f"\x1b[37;{PANEL}m{panels[:40] if cells else ''}{drawn}\x1b[37;{PANEL}m{panels[end:]}")
    return Screen("\n".join(rows))


def failures():
    """What the screen reading gets wrong on the canned screens, one line each; and how many."""
    wrong, tried = [], 0

    def expect(what, got, want):
        nonlocal tried
        tried += 1
        if got != want:
            wrong.append(f"{what}: read {got!r}, not {want!r}")

    for what, screen, titles in (
            ("FAR 1.70's top line", top_line("Z:\\work\\left", "Z:\\work\\my right"),
             ("Z:\\work\\left", "Z:\\work\\my right")),
            ("FAR 3's top line, clock 5:10 PM", top_line("Z:\\work\\left", FAR3_DEEP, "5:10 PM"),
             ("Z:\\work\\left", FAR3_DEEP)),
            ("FAR 3's top line, clock 17:10", top_line("C:\\", "Z:\\work\\right", "17:10"),
             ("C:\\", "Z:\\work\\right"))):
        expect(what, (screen.title(0), screen.title(1)), titles)
    expect("a deep folder's title beside the clock shows it",
           shows(top_line("C:\\", FAR3_DEEP, "5:10 PM").title(1), DEEP), True)
    a, b = (top_line("C:\\", "Z:\\work", clock) for clock in ("5:10 PM", "5:11 PM"))
    expect("a screen whose clock alone changed is steady", a.steady() == b.steady(), True)
    expect("a screen whose title changed is not", a.steady() == top_line("C:\\", "Z:\\x").steady(), False)

    ours, rus = MENU_ENTRY["English"], MENU_ENTRY["Russian"]
    for what, lines, cursor, want in (
            ("Macro Browser above ours, the cursor on it", ["Macro Browser", ours], 0, 1),
            ("ours first, the cursor on it", [ours, "Macro Browser"], 0, 0),
            ("ours between two, in Russian", ["Macro Browser", rus, "Temporary panel"], 2, 1)):
        name = rus if rus in lines else ours
        expect(f"the plugins menu, {what}", menu_screen(lines, cursor).menu(name),
               Menu(lines, want, cursor))
    expect("a screen without the menu", top_line("C:\\", "D:\\").menu(ours), None)
    return wrong, tried
