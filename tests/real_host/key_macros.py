"""The check's session on remapped keys in FAR 3: a macro of FAR 3's own macro engine acting in the
list alone (the native builds), and the API 1.70 build's table in the registry handing FAR the keys
of a sequence that follow the one closing the list (through FAR 3's wrapper)."""
import os

from farhost import Failed

LIST_GUID = "4454820B-1070-4ED5-B053-3973154E6E8C"
# F7 in the list clones the view under the cursor and switches to it; elsewhere F7 stays FAR's
# make-folder key. A terminal under Wine sends F7 as it is (PgUp and PgDn come as NumPad keys).
LUA = f"""Macro {{ area="Dialog"; key="F7"; description="Tolvane check: clone and switch";
  condition=function() return Dlg.Id=="{LIST_GUID}" end;
  action=function() Keys("CtrlF3 Enter") end; }}
"""
TABLE = r"HKCU\Software\Far\KeyMacros\Tolvane"
TRIGGER, SEQUENCE = "AltF5", "Esc F7"  # Esc closes the list; F7 is then FAR's


def key_macros(h, d):
    folder = d["keys"]  # where F7 makes folders: none yet from another host
    for name in os.listdir(folder):
        if os.path.isdir(os.path.join(folder, name)):
            os.rmdir(os.path.join(folder, name))
    h.start(folder, d["right"])
    if h.native:
        far3_macro(h, folder)
    else:
        table_macro(h, folder)


def numbers(s):
    return {n for _, _, n, _, _ in s.entries()}


def make_folder(h, parent, name, what):
    """After what (keys ending in F7), types a name into the window over the panels, and Enter: FAR's
    make-folder dialog makes the folder."""
    h.expect(lambda s: not s.entries() and s.window(),
             lambda s: f"{what} left the list open" if s.entries() else f"{what} opened no window of FAR's")
    h.tmux("C-y")  # whatever name the dialog offers goes
    h.tmux("-l", name)
    h.tmux("Enter")
    path = os.path.join(parent, name)
    h.expect(lambda s: os.path.isdir(path) and not s.window(),
             lambda s: "the window stays open" if os.path.isdir(path) else f"no folder {path} made")


def far3_macro(h, folder):
    # run empties the profile before FAR starts, so the macro comes in once FAR runs
    scripts = os.path.join(h.run_dir(), "Profile", "Macros", "scripts")
    os.makedirs(scripts, exist_ok=True)
    with open(os.path.join(scripts, "TolvaneCheck.lua"), "w", encoding="utf-8") as f:
        f.write(LUA)
    h.tmux("-l", "lm:load")  # FAR 3 looks for completions at every letter typed: slow under Wine
    h.expect(lambda s: "lm:load" in s.text, "lm:load does not show on FAR's command line", 30)
    h.tmux("Enter")
    h.expect(lambda s: "lm:load" not in s.text and not s.window(), "lm:load did not load the macros", 30)

    def in_list():
        before = numbers(h.fresh_list())
        h.tmux("F7")
        h.expect(lambda s: not s.entries(), "F7 left the list open: the macro did not act in it")
        s = h.open_list()
        made, shown = numbers(s) - before, [n for _, _, n, m, _ in s.entries() if m == "<"]
        h.close_list()
        if len(made) != 1 or shown != sorted(made):
            raise Failed(f"after F7 the list has {len(made)} new views and the panel shows view "
                         f"{', '.join(shown) or 'none'}", s)
    h.check("a FAR 3 macro on F7 in the list clones the view and switches to it", in_list)

    def in_panels():
        h.tidy()
        h.tmux("F7")
        make_folder(h, folder, "made-by-f7", "F7 in the panels")
    h.check("F7 outside the list is FAR's: it makes a folder", in_panels)


def table_macro(h, folder):
    h.fresh_list()  # the first opening writes the default macros: they stay when ours goes
    h.close_list()
    key = f"{TABLE}\\{TRIGGER}"
    h.wine("reg", "add", key, "/v", "Sequence", "/t", "REG_SZ", "/d", SEQUENCE, "/f")
    try:
        def posted():
            h.fresh_list()
            h.key("0x74", "2")  # Alt+F5, read from the table at this opening
            make_folder(h, folder, "made-after-list", f"{TRIGGER} ('{SEQUENCE}') in the list")
        h.check(f"a key macro's keys after the list closes go to FAR: '{SEQUENCE}' opens F7's dialog",
                posted)
    finally:
        h.wine("reg", "delete", key, "/f")
