#!/usr/bin/python3
# Reads the game through AT-SPI and presses through its actions, as a client
# would, and asks it what no screen reader asks but a buggy client may. What
# Orca speaks of it, orca.sh hears; the sort itself, the widget tests. Run by
# a11y.sh.
import subprocess
import sys
import pyatspi
from gi.repository import GLib

failures = 0
checks = 0


def check(description, ok):
    global failures, checks
    checks += 1
    print(("ok" if ok else "not ok"), checks, "-", description, flush=True)
    failures += 0 if ok else 1


def find(root, role, name):
    # Roles by their constants: their names differ between at-spi2-core releases.
    return pyatspi.findDescendant(root, lambda o: o.getRole() == role and o.name == name)


def action_names(obj):
    try:
        return [obj.queryAction().getName(i) for i in range(obj.queryAction().nActions)]
    except NotImplementedError:
        return []


def press(obj):
    obj.queryAction().doAction(action_names(obj).index("Press"))


def game_frame():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "Corvanthelix":
            return find(app, pyatspi.ROLE_FRAME, "Corvanthelix")
    return None


def label(frame, text):
    return lambda: find(frame, pyatspi.ROLE_LABEL, text) is not None


def wait(condition, seconds=3.0):
    """Runs the event loop until the condition holds or the time is up."""
    context = GLib.MainContext.default()
    deadline = GLib.get_monotonic_time() + int(seconds * 1e6)
    while not condition() and GLib.get_monotonic_time() < deadline:
        context.iteration(False)
        GLib.usleep(20000)
    return condition()


def main():
    wait(lambda: game_frame() is not None, 10)
    frame = game_frame()
    check("the game's window is in the accessibility tree", frame is not None)
    if frame is None:
        return
    tiles = [find(frame, pyatspi.ROLE_PUSH_BUTTON, f"Tile, row {r}, column {c}") for r in (1, 2, 3) for c in (1, 2, 3)]
    check("the nine tiles are push buttons with their names and a press action",
          all(t is not None and "Press" in action_names(t) for t in tiles))
    check("the sums speak their numbers", wait(label(frame, "Top row sum, 13")))
    press(tiles[0])
    check("a tile pressed through its action is picked, and checked",
          wait(lambda: tiles[0].getState().contains(pyatspi.STATE_CHECKED)))
    table = find(frame, pyatspi.ROLE_TABLE, "Score table")
    check("the headings have a sort action",
          all("Sort" in action_names(find(table, pyatspi.ROLE_TABLE_COLUMN_HEADER, h)) for h in ("Name", "Score")))
    hostile(frame, table)
    removal(tiles, table)


def answers(call):
    """What a call answers, or the error it raises: never a crash."""
    try:
        return call()
    except Exception as error:  # the refusal a client may get
        return error


def hostile(frame, table):
    # Questions no screen reader asks, but a client may: none may crash the game.
    field = pyatspi.findDescendant(frame, lambda o: o.getRole() == pyatspi.ROLE_TEXT)
    editable, text = field.queryEditableText(), field.queryText()
    editable.setTextContents("abcdefgh")
    for start, end in ((5, 0), (0, -200000), (-3, 2), (2, 1 << 30)):
        answers(lambda: editable.deleteText(start, end))
        answers(lambda: editable.cutText(start, end))
    check("reversed and huge ranges delete nothing", text.getText(0, -1) == "abcdefgh")
    editable.setTextContents("e\u0301\U0001F642x")
    check("a character is read whole: a letter with its accent, an emoji",
          [text.getTextAtOffset(offset, pyatspi.TEXT_BOUNDARY_CHAR)[0] for offset in (0, 2)] == ["e\u0301", "\U0001F642"])
    sample = "Ann Lee. Bo, too!  "
    editable.setTextContents(sample)
    kinds = (pyatspi.TEXT_BOUNDARY_CHAR, pyatspi.TEXT_BOUNDARY_WORD_START, pyatspi.TEXT_BOUNDARY_SENTENCE_START,
             pyatspi.TEXT_BOUNDARY_LINE_START)
    told = [answers(lambda: ask(offset, kind)) for ask in (text.getTextAtOffset, text.getTextBeforeOffset,
            text.getTextAfterOffset) for kind in kinds for offset in range(-1, len(sample) + 2)]
    check("every question about the text around an offset is answered, at either end too, with the text it names",
          all(not isinstance(answer, Exception) and answer[0] == sample[answer[1]:answer[2]] for answer in told))
    cells = table.queryTable()
    check("a client that lists the table's children gets the headings and the first thousand rows",
          wait(lambda: cells.nRows == 300002, 10) and table.childCount == 2 * 1001
          and table.getChildAtIndex(table.childCount - 1).name == "5")
    rows, columns = cells.nRows, cells.nColumns
    for row, column in ((rows, 0), (-1, 0), (0, -1), (rows + 1000, columns), (-2, -2)):
        for ask in (cells.isSelected, cells.getRowExtentAt, cells.getColumnExtentAt):
            answers(lambda: ask(row, column))
    answers(lambda: cells.getRowColumnExtentsAtIndex(1 << 30))
    check("questions about cells that are not there are answered", game_frame() is not None and frame.name == "Corvanthelix")

def removal(tiles, table):
    # After a removal, the focus is told again on the cell that has it: a
    # client that kept what that cell said (Orca 48 does) reads the row that
    # moved up into it, not the one removed.
    for well in (2, 2, 6, 4, 5, 5, 9, 6, 7, 7, 9):  # with the first tile picked, the board is solved
        press(tiles[well - 1])
    cells = table.queryTable()
    wait(lambda: table.getState().contains(pyatspi.STATE_ENABLED))
    table.queryComponent().grabFocus()
    check("the table takes the focus on its first row", wait(lambda: cells.getAccessibleAt(0, 0).getState().contains(
        pyatspi.STATE_FOCUSED)) and cells.getAccessibleAt(0, 0).name == "Ann")
    told = []
    pyatspi.Registry.registerEventListener(lambda event: told.append(event.source), "object:state-changed:focused")
    wait(lambda: False, 0.5)  # the focus told as the table took it
    told.clear()
    subprocess.run(["xdotool", "key", "Delete"], check=True)
    check("a removal tells the focus again on that cell, which reads the next row",
          wait(lambda: told) and told[-1] == cells.getAccessibleAt(0, 0) and told[-1].name == "Zoe")


if __name__ == "__main__":
    main()
    print(f"{checks - failures} passed, {failures} failed")
    sys.exit(1 if failures else 0)
