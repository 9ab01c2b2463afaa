#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Vorn developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""Writes the scripts of the recorded games that pin down the computer's play: seeded random
games on every board size and shape, whole games on the largest board, a long session on the
largest board in which the influence map drifts to its bounds, and preset layouts that leave
several deciding cells at once; and games at the Strong level, with hints.
largest board in which the influence map drifts to its bounds, preset layouts that leave
several deciding cells at once, and games with clicks taken back at random.

    tests/replay/make_games.py BUILD_DIR [NAME...]

The scripts (all, or the named ones) are written to tests/replay/games/; record their traces
afterwards with update-golden.sh. The generator plays through the vorn-replay of BUILD_DIR to
know which cells are empty and when a game is won, so the scripts it writes depend on the
game that played them: regenerate them only together with their traces, and read both.
"""

import os
import random
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
GAMES = os.path.join(HERE, "games")
LARGEST = 21
START_SIZE = 11


class Replay:
    """A running vorn-replay fed one command at a time, each followed by a dump that tells
    the generator what the position is. Those dumps are not part of the script written."""

    def __init__(self, binary):
        self.proc = subprocess.Popen([binary], stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                     text=True, bufsize=1)
        self.run("# start")

    def run(self, line):
        self.proc.stdin.write(line + "\ndump\n")
        self.proc.stdin.flush()
        self.events = []
        while True:
            text = self.proc.stdout.readline()
            if not text:
                raise RuntimeError("vorn-replay stopped after: " + line)
            words = text.split()
            if words[0] == "state":
                break
            self.events.append(text.rstrip("\n"))
        size, square, cells, _side, started, preset = map(int, words[1:])
        self.size, self.square, self.cells = size, square == 1, cells
        self.started, self.preset = started == 1, preset == 1
        self.dumped = [text]
        while True:
            text = self.proc.stdout.readline()
            self.dumped.append(text)
            words = text.split()
            if words[0] == "owner":
                self.owner = [None] + [int(w) for w in words[1:]]
            elif words[0] == "influence":
                self.influence = [None] + [int(w) for w in words[1:]]
            elif words[0] == "indicator":
                break

    def hint(self):
        """The cell the hint names, or None."""
        hints = [e.split()[1] for e in self.events if e.startswith("hint ")]
        return int(hints[-1]) if hints and hints[-1] != "none" else None

    def won(self):
        return any(" WON - " in event for event in self.events)

    def empty(self):
        return [c for c in range(1, self.cells + 1) if self.owner[c] == -1]

    def neighbours(self, cell):
        n = self.size
        rows = n if self.square else n - 1
        r, c = divmod(cell - 1, n)
        found = []
        for dr, dc in ((-1, -1), (1, 1), (-1, 0), (1, 0), (0, -1), (0, 1)):
            if 0 <= r + dr < rows and 0 <= c + dc < n:
                found.append((r + dr) * n + c + dc + 1)
        return found

    def close(self):
        self.proc.stdin.close()
        self.proc.wait()


class Writer:
    """Plays and writes one script: every command goes to the game and to the script."""

    def __init__(self, replay, name, seed, dump_every):
        self.game = replay
        self.name = name
        self.random = random.Random(seed)
        self.dump_every = dump_every
        self.lines = []
        self.clicks = 0
        self.extremes = [0, 0]

    def comment(self, text):
        self.lines.append("# " + text)

    def command(self, line):
        self.lines.append(line)
        self.game.run(line)
        self.extremes[0] = min(self.extremes[0], *self.game.influence[1:])
        self.extremes[1] = max(self.extremes[1], *self.game.influence[1:])

    def dump(self):
        self.lines.append("dump")

    def resize(self, size, square):
        if self.game.square != square:
            self.command("menu Squarex")
        while self.game.size < size:
            self.command("menu Increasex")
        while self.game.size > size:
            self.command("menu Decreasex")

    def green_cell(self):
        """A random empty cell, often next to a GREEN stone, so that chains, bridges and
        threats at the edges build up as in real play."""
        empty = self.game.empty()
        if self.random.random() < 0.6:
            near = [c for c in empty
                    if any(self.game.owner[x] == 0 for x in self.game.neighbours(c))]
            if near:
                return self.random.choice(near)
        return self.random.choice(empty)

    def click(self, cell):
        # Mostly the left button; the middle button and a shifted right click also play GREEN.
        button, shift = self.random.choice([(1, 0)] * 8 + [(4, 0), (2, 1)])
        self.command(f"cell {button} {shift} {cell}")
        self.clicks += 1
        if self.dump_every and self.clicks % self.dump_every == 0:
            self.dump()

    def play_to_win(self, computer_opens=False):
        if computer_opens and self.game.square:
            self.command(f"cell 2 0 {self.random.randint(1, self.game.cells)}")
        while True:
            self.click(self.green_cell())
            if self.game.won():
                self.dump()
                return

    def preset(self, stones):
        """Lays out stones: a list of (side, cell), then starts the game from them."""
        self.command("menu Presetx")
        for side, cell in stones:
            self.command(f"cell {2 if side == 1 else 1} 0 {cell}")
        self.command("menu StartPreset")
        self.dump()

    def random_layout(self, count):
        cells = self.random.sample(range(1, self.game.cells + 1), count)
        return [(self.random.randint(0, 1), cell) for cell in cells]

    def save(self, header):
        path = os.path.join(GAMES, self.name + ".script")
        with open(path, "w") as out:
            for text in header:
                out.write("# " + text + "\n")
            out.write("\n".join(self.lines) + "\n")
        low, high = self.extremes
        print(f"{self.name}: {self.clicks} clicks, influence {low}..{high}")


def every_size(binary, square):
    shape = "square" if square else "short"
    writer = Writer(Replay(binary), "every_size_" + shape, 11 if square else 12, dump_every=4)
    for size in range(5, LARGEST + 1):
        writer.resize(size, square)
        writer.comment(f"size {size}")
        writer.play_to_win(computer_opens=square and size % 3 == 0)
    writer.save([f"One seeded random game on every board size, {shape} boards, each to a win.",
                 "Written by make_games.py."])
    writer.game.close()


def largest_board(binary):
    writer = Writer(Replay(binary), "largest_board", 21, dump_every=1)
    writer.resize(LARGEST, True)
    for game in range(3):
        writer.comment(f"game {game + 1}")
        writer.play_to_win(computer_opens=game == 1)
    writer.resize(LARGEST, False)
    writer.comment("the largest short board")
    writer.play_to_win()
    writer.save(["Whole seeded random games on the largest board, a dump after every click.",
                 "Written by make_games.py."])
    writer.game.close()


def long_session(binary):
    """Many games in one run, with the influence map driven to both of its bounds first.
    Preset stones spread -100 each, so crowded GREEN layouts on the lower half of the
    largest board, each discarded again, pin that half at the lower bound (GREEN ones, as a
    RED preset stone first sets its own cell to 0). On a board that is not
    square nothing takes GREEN's +100 back, so a series of games on the smallest one pins
    its cells, which are the top row of the largest board, at the upper bound. Then whole
    games on the largest board, some from preset layouts."""
    writer = Writer(Replay(binary), "long_session", 31, dump_every=100)
    game = writer.game
    writer.resize(LARGEST, True)
    lower_half = range(LARGEST * LARGEST // 2 + 1, LARGEST * LARGEST + 1)
    layouts = 0
    while game.influence[1:].count(-32768) < 100 and layouts < 60:
        layouts += 1
        writer.comment(f"layout {layouts}, discarded")
        writer.command("menu Presetx")
        for cell in writer.random.sample(lower_half, 150):
            writer.command(f"cell 1 0 {cell}")
        writer.command("menu Restartx")
        writer.dump()
    writer.resize(5, False)
    games = 0
    while 32767 not in game.influence[1:] and games < 800:
        games += 1
        writer.comment(f"short game {games} on the smallest board")
        writer.play_to_win()
    writer.resize(LARGEST, True)
    writer.dump_every = 20
    for number in range(1, 13):
        writer.comment(f"game {number} on the largest board")
        if number % 4 == 0:
            writer.preset(writer.random_layout(writer.random.randint(60, 150)))
        writer.play_to_win(computer_opens=number % 3 == 1)
    writer.save(["A long session of seeded random games in which the influence map drifts far",
                 "and is pinned at both bounds. Written by make_games.py."])
    writer.game.close()


def take_backs(binary):
    """Seeded games with clicks taken back at random, one or several at a time, on boards of
    several sizes and both shapes, now and then from a preset layout. The generator checks
    that every take-back leaves the game exactly as the dump before its click showed it."""
    writer = Writer(Replay(binary), "take_backs", 51, dump_every=0)
    game, pick = writer.game, writer.random
    for size, square in ((5, True), (6, False), (9, True), (12, False), (15, True), (21, True),
                         (21, False)):
        writer.command("menu Restartx")  # the game before may be under way
        writer.resize(size, square)
        writer.comment(f"size {size}, {'square' if square else 'short'}")
        if pick.random() < 0.4:
            writer.preset(writer.random_layout(size))
        before = []  # the dump before each click that can be taken back
        for _ in range(6 * size):
            if before and pick.random() < 0.3:
                for _ in range(min(len(before), pick.randint(1, 3))):
                    writer.command("undo")
                    expected = before.pop()
                    if game.dumped != expected:
                        raise RuntimeError(f"undo on size {size} left another game")
                writer.dump()
                continue
            if not game.empty():
                break
            dumped = game.dumped
            writer.click(writer.green_cell())
            if game.won():
                writer.dump()
                before = []
                continue
            if any(e.startswith("stone") for e in game.events):
                before.append(dumped)
        writer.command("undo")
        writer.dump()
    writer.save(["Seeded games with clicks taken back at random; each take-back was checked",
                 "against the dump before its click. Written by make_games.py."])
    writer.game.close()


def gapped_row(n, row, gap):
    return [(0, (row - 1) * n + c) for c in range(1, n + 1) if c != gap]


def gapped_column(n, rows, column, gap):
    return [(1, (r - 1) * n + column) for r in range(1, rows + 1) if r != gap]


def deciding_presets(binary):
    """Layouts in which one more stone completes a chain at several cells at once: GREEN rows
    and RED columns with a gap each, and a row and a column that share their gap."""
    writer = Writer(Replay(binary), "deciding_presets", 41, dump_every=1)
    pick = writer.random
    for size, square in ((5, True), (7, False), (9, True), (13, True), (16, False), (21, True),
                         (21, False)):
        writer.resize(size, square)
        n, rows = size, size if square else size - 1
        # Two GREEN rows, each with a gap of its own.
        first, second = sorted(pick.sample(range(1, rows + 1), 2))
        stones = gapped_row(n, first, pick.randint(1, n))
        stones += gapped_row(n, second, pick.randint(1, n))
        writer.comment(f"size {size}: GREEN rows {first} and {second} with a gap each")
        writer.preset(stones)
        writer.play_to_win()
        # Two RED columns, each with a gap of its own, and some GREEN stones about.
        left, right = sorted(pick.sample(range(1, n + 1), 2))
        stones = gapped_column(n, rows, left, pick.randint(1, rows))
        stones += gapped_column(n, rows, right, pick.randint(1, rows))
        taken = {cell for _, cell in stones}
        free = [c for c in range(1, n * rows + 1) if c not in taken]
        stones += [(0, cell) for cell in pick.sample(free, n)]
        writer.comment(f"size {size}: RED columns {left} and {right} with a gap each")
        writer.preset(stones)
        writer.play_to_win()
        # A GREEN row and a RED column whose gap is the same cell, deciding for both sides.
        row, column = pick.randint(1, rows), pick.randint(1, n)
        stones = gapped_row(n, row, column)
        stones += [s for s in gapped_column(n, rows, column, row)]
        writer.comment(f"size {size}: row {row} and column {column} share their gap")
        writer.preset(stones)
        writer.play_to_win()
    writer.save(["Preset layouts that leave several deciding cells at once, on boards of",
                 "several sizes and both shapes. Written by make_games.py."])
    writer.game.close()


def strong_level(binary):
    """The engine's play, which every build must repeat exactly: whole games at the Strong
    level on small boards with GREEN now taking the hint, now a random cell; a level changed
    in mid-game both ways; a few moves and hints on the middle and largest boards; the
    mirror answer on a short board at the Strong level; and hints refused where there is no
    move for GREEN. Kept short, as every search runs in full on every build."""
    writer = Writer(Replay(binary), "strong_level", 51, dump_every=0)

    def follow_hints(to_win, moves=None, then_end=True):
        played = 0
        while moves is None or played < moves:
            writer.command("hint")
            hinted = writer.game.hint()
            use_hint = hinted is not None and writer.random.random() < 0.5
            writer.click(hinted if use_hint else writer.green_cell())
            played += 1
            if writer.game.won():
                writer.dump()
                return
        if not to_win and then_end:
            writer.dump()
            writer.command("menu Restartx")

    writer.command("level Strong")
    writer.resize(5, True)
    writer.comment("5 x 5 at the Strong level, GREEN now and then on the hint")
    follow_hints(True)
    writer.resize(7, True)
    writer.comment("7 x 7: the computer opens; Standard for three moves, then Strong again")
    writer.command("cell 2 0 1")
    writer.command("level Standard")
    follow_hints(False, moves=3, then_end=False)
    writer.command("level Strong")
    follow_hints(True)
    writer.comment("no hint in preset mode, nor on a board the preset layout filled")
    writer.command("menu Presetx")
    writer.command("hint")
    writer.command("menu Restartx")
    writer.resize(6, False)
    writer.comment("a short board: the mirror answer at the Strong level too")
    follow_hints(False, moves=3)
    writer.resize(11, True)
    writer.comment("the middle board: a few moves")
    follow_hints(False, moves=3)
    writer.resize(LARGEST, True)
    writer.comment("the largest board: one move")
    follow_hints(False, moves=1)
    writer.save(["Games at the Strong level with GREEN's hints. Written by make_games.py."])
    writer.game.close()


SETS = {
    "every_size_square": lambda binary: every_size(binary, True),
    "every_size_short": lambda binary: every_size(binary, False),
    "largest_board": largest_board,
    "long_session": long_session,
    "deciding_presets": deciding_presets,
    "strong_level": strong_level,
    "take_backs": take_backs,
}


def main():
    if len(sys.argv) < 2 or any(name not in SETS for name in sys.argv[2:]):
        sys.exit("usage: make_games.py BUILD_DIR [" + "|".join(SETS) + "]...")
    binary = os.path.join(sys.argv[1], "vorn-replay")
    for name in sys.argv[2:] or SETS:
        SETS[name](binary)


if __name__ == "__main__":
    main()
