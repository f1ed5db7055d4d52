"""What a screen reader user hears of the window, through AT-SPI as Orca would ask it: the solo game
is started with the Start buttons, the rack is read tile by tile, the player draws until the computer
has laid sets, and the board is read cell by cell."""

import os
import re
import sys
import time

import pyatspi

TILE = re.compile(r"^((Green|Orange|Red|Black) (\d+|Jack|Queen|King)|Joker)$")
CELL = re.compile(r"^row \d+, column \d+: ((Green|Orange|Red|Black) (\d+|Jack|Queen|King)|Joker), "
                  r"(in a (run|group) of \d+|alone|in an unfinished set of \d+)$")


def fail(message):
    print("FAILED:", message)
    sys.exit(1)


def within(seconds, what, probe):
    """Asks `probe` until it gives something, for at most `seconds`."""
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        if not os.path.exists(f"/proc/{os.environ.get('RIMBALO_PID', 'self')}"):
            fail(f"the program ended while waiting for {what}")
        found = probe()
        if found:
            return found
        time.sleep(0.25)
    fail(f"no {what} within {seconds} s")


def find_all(node, keep, depth=0, out=None):
    out = [] if out is None else out
    if node is None or depth > 16:
        return out
    if keep(node):
        out.append(node)
    for i in range(node.childCount):
        find_all(node.getChildAtIndex(i), keep, depth + 1, out)
    return out


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def buttons(app, name):
    return find_all(app, lambda n: n.getRoleName() == "push button" and n.name == name and showing(n))


def press(button):
    button.queryAction().doAction(0)


def the_window():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name == "Rimbalo" and app.childCount > 0:
            return app
    return None


def main():
    app = within(40, "Rimbalo on the accessibility bus", the_window)

    # The window's Start asks for the game's options; the options' own Start deals.
    first = within(20, "Start button", lambda: buttons(app, "Start"))[0]
    press(first)
    deal = within(20, "Start in the game options", lambda: [b for b in buttons(app, "Start") if b != first])
    press(deal[0])

    rack = within(10, "rack", lambda: find_all(app, lambda n: n.name == "Your rack"))[0]
    def dealt():
        names = [n.name for n in find_all(rack, lambda n: TILE.match(n.name or "") and showing(n))]
        return names if len(names) >= 14 else None

    tiles = within(30, "dealt rack", dealt)
    print("rack:", ", ".join(tiles))

    board = find_all(app, lambda n: n.name == "Board")
    if len(board) != 1:
        fail(f"{len(board)} boards")
    board = board[0]
    if board.description != "The board is empty.":
        fail(f"a new round's board reads {board.description!r}")

    # Draw on every turn of ours until the computer has laid its sets.
    draw = within(10, "Draw button", lambda: buttons(app, "Draw"))[0]

    def cells():
        if draw.getState().contains(pyatspi.STATE_ENABLED):
            press(draw)
        return [board.getChildAtIndex(i) for i in range(board.childCount)]

    laid = within(90, "tiles on the board", cells)
    names = [c.name for c in laid]
    print("board:", board.description)
    print("cells:", "; ".join(names))
    wrong = [n for n in names if not CELL.match(n or "")]
    if wrong:
        fail(f"cells a listener cannot make out: {wrong}")
    if not re.match(r"^\d+ tiles in \d+ sets on the board", board.description):
        fail(f"the board reads {board.description!r}")


if __name__ == "__main__":
    main()
