#!/usr/bin/env python3
"""A bounded soak of the stand-alone rimbalo-server on 127.0.0.1.

Nine scripted clients log in (four seats, five onlookers); the host starts games again and again; the
seats play at random (place tiles, take them back, finish, draw, accept penalties) and everybody chats,
acts and plays sounds at random. Checked all along:
  - tiles are conserved: at every turn, tiles left in the pool + the four rack counts + the tiles on
    the board (mirrored from the server's commands) make 106;
  - every seat's own rack (mirrored from its commands) holds as many tiles as the server says;
  - the server's resident memory stays flat (the last quarter's peak against the second quarter's).

  python3 tools/soak.py [--seconds 60] [--server build/src/serverapp/rimbalo-server] [--seed 1]
                        [--record DIR]   also write fuzz seeds from the game to DIR/client and DIR/server
"""
import argparse
import os
import random
import re
import selectors
import socket
import subprocess
import sys
import threading
import time

END = b"\xff"
TILES = 106
VERSION = "1.0.11"


class Failure(Exception):
    pass


class Client:
    def __init__(self, index, port, rng, log):
        self.index = index
        self.name = "Soak%d" % index
        self.rng = rng
        self.log = log  # (client index, bytes sent), in sending order
        self.sock = socket.create_connection(("127.0.0.1", port))
        self.sock.setblocking(False)
        self.buffer = b""
        self.received = bytearray()
        self.slot = 0
        self.rack = {}
        self.board = {}
        self.counts = {}
        self.logged = set()
        self.next_chat = time.monotonic() + rng.uniform(0.05, 1.0)
        self.turns = 0
        self.checks = 0
        self.rounds = 0
        self.games = 0
        self.nudge = None  # when a turn that got no answer is ended by a draw

    def send(self, text, ends=1):
        data = text.encode("utf-8", "replace") + END * ends
        self.log.append((self.index, data))
        self.sock.sendall(data)

    def seat(self):
        return self.slot if 1 <= self.slot <= 4 else 0

    def feed(self, data):
        self.received += data
        self.buffer += data
        while END in self.buffer:
            entry, self.buffer = self.buffer.split(END, 1)
            if entry:
                self.handle(entry.decode("utf-8", "replace"))

    def handle(self, entry):
        word, _, args = entry.partition("+")
        fields = args.split("+") if args else []
        if word == "CMD_sendlogininfo":
            self.slot = int(fields[0])
            # The name is followed by two end markers.
            self.send("CMD_logininfo+%d+%s+%s" % (self.slot, VERSION, self.name), ends=2)
        elif word in ("CMD_newplayerinfo", "CMD_existingplayers"):
            for i in range(0, len(fields) - 2, 3):
                self.logged.add(int(fields[i]))
        elif word == "CMD_playerdisconnected":
            self.logged.discard(int(fields[0]))
        elif word in ("CMD_startgame", "CMD_startround"):
            self.rack.clear()
            self.board.clear()
        elif word == "CMD_yourtiles":
            if int(fields[0]) == self.slot:
                for item in fields[1:]:
                    if item:
                        cell, tile = item.split(",")
                        self.rack[int(cell)] = int(tile)
        elif word == "CMD_freecard":
            if int(fields[0]) == self.slot:
                self.rack.pop(int(fields[1]), None)
        elif word == "CMD_placehistile":
            self.board[(int(fields[2]), int(fields[3]))] = int(fields[1])
        elif word == "CMD_removetile":
            self.board.pop((int(fields[0]), int(fields[1])), None)
        elif word == "CMD_swaptiles":
            tile = self.board.pop((int(fields[3]), int(fields[4])), None)
            if tile is not None:
                self.board[(int(fields[1]), int(fields[2]))] = tile
        elif word in ("CMD_undothem", "CMD_movedtiles"):
            items = fields[1:] if word == "CMD_undothem" else fields[3:]
            for i in range(0, len(items) - 2, 3):
                at = (int(items[i]), int(items[i + 1]))
                if int(items[i + 2]) == 0:
                    self.board.pop(at, None)
                else:
                    self.board[at] = int(items[i + 2])
        elif word == "CMD_nextplayer":
            self.check_turn(fields)
        elif word in ("CMD_askpenalty",):
            self.send("CMD_clickyes+%d+" % self.slot if self.rng.random() < 0.5 else "CMD_drawcard+%d+" % self.slot)
        elif word in ("CMD_notenough", "CMD_incomplete"):
            self.send("CMD_drawcard+%d+" % self.slot)
        elif word == "CMD_endround":
            self.rounds += 1
        elif word == "CMD_winner":
            self.games += 1
            if self.slot == 1:
                self.start_game()

    def check_turn(self, fields):
        on_turn, left = int(fields[0]), int(fields[1])
        counts = {int(fields[i]): int(fields[i + 2]) for i in range(2, 14, 3)}
        total = max(left, 0) + sum(counts.values()) + len(self.board)
        if total != TILES:
            raise Failure("%s: %d tiles in pool, racks and board (pool %d, racks %s, board %d)" %
                          (self.name, total, left, counts, len(self.board)))
        if self.seat() and counts.get(self.slot, 0) != len(self.rack):
            raise Failure("%s: the server counts %d tiles in seat %d, the seat's own rack holds %d" %
                          (self.name, counts.get(self.slot, 0), self.slot, len(self.rack)))
        self.checks += 1
        self.nudge = None
        if on_turn == self.seat():
            self.play()

    def play(self):
        self.turns += 1
        # A finish the referee does not answer (nothing laid, say) would hold the turn until its clock
        # runs out: a draw ends it.
        self.nudge = time.monotonic() + 0.5
        seat = self.slot
        for _ in range(self.rng.randrange(0, 4)):
            if self.rack:
                cell = self.rng.choice(sorted(self.rack))
                self.send("CMD_placemytile+%d+%d+%d+%d+" % (seat, cell, self.rng.randrange(23), self.rng.randrange(13)))
        choice = self.rng.random()
        if choice < 0.15 and self.board:
            column, row = self.rng.choice(sorted(self.board))
            self.send("CMD_replacetile+%d+%d+%d+" % (seat, column, row))
            self.send("CMD_drawcard+%d+" % seat)
        elif choice < 0.35:
            self.send("CMD_finish+%d+" % seat)
        elif choice < 0.45:
            self.send("CMD_undothem+%d+" % seat)
            self.send("CMD_drawcard+%d+" % seat)
        else:
            self.send("CMD_drawcard+%d+" % seat)

    def start_game(self):
        self.send("CMD_startgame+%s+%d+%d+%s+%s+%d+" % (
            self.name, self.rng.choice([50, 100, 200]), self.rng.choice([10, 30, 60]),
            self.rng.choice("tf"), self.rng.choice("tf"), self.rng.choice([7, 14, 20])))

    def tick(self, now):
        if self.nudge is not None and now >= self.nudge:
            self.nudge = now + 0.5
            self.send("CMD_drawcard+%d+" % self.slot)
        self.chat(now)

    def chat(self, now):
        if now < self.next_chat or not self.slot:
            return
        self.next_chat = now + self.rng.uniform(0.05, 1.5)
        words = ["hi", "a+b", "gg", "x:y", "www.example.org", ":)#12", "|", "nice", "<b>bold</b>", "ünï"]
        text = " ".join(self.rng.choice(words) for _ in range(self.rng.choice([1, 5, 20, 150])))[:1000]
        kind = self.rng.random()
        if kind < 0.7:
            self.send("CMD_chat+%d+%s|clBlack" % (self.slot, text))
        elif kind < 0.9:
            self.send("CMD_action+%d+%s|$00FF0000" % (self.slot, text))
        else:
            self.send("CMD_playasound+%d+wave%d+" % (self.slot, self.rng.randrange(1, 21)))


def rss_kb(pid):
    with open("/proc/%d/status" % pid) as f:
        for line in f:
            if line.startswith("VmRSS:"):
                return int(line.split()[1])
    return 0


def write_seeds(directory, clients, log):
    """Short stretches of the recorded game, cut at command ends: fuzzing runs best on small inputs."""
    client_dir = os.path.join(directory, "client")
    server_dir = os.path.join(directory, "server")
    os.makedirs(client_dir, exist_ok=True)
    os.makedirs(server_dir, exist_ok=True)
    for c in clients:
        data = bytes(c.received)
        for part, at in enumerate((0, len(data) // 3, 2 * len(data) // 3)):
            begin = 0 if at == 0 else data.find(END, at) + 1
            piece = data[begin: data.rfind(END, begin, begin + 3000) + 1]
            if piece:
                with open(os.path.join(client_dir, "slot%d-%d" % (c.slot, part)), "wb") as f:
                    f.write(piece)
    # The server target reads operations: [slot-1][0] accepts a connection, [slot-1][1][n][n bytes]
    # receives bytes on a slot, [any][9][t] lets t quarter seconds pass and runs the queue. Each seed logs the nine slots in, then
    # replays a stretch of what the clients sent.
    slots = {c.index: c.slot for c in clients}
    # Later stretches log in and start a game first, so that their turns reach the referee.
    logins = [entry for entry in log if entry[1].startswith(b"CMD_logininfo")]
    logins += [entry for entry in log if entry[1].startswith(b"CMD_startgame")][:1]
    for part, first in enumerate(range(0, len(log), max(len(log) // 6, 1))):
        ops = bytearray()
        for _ in clients:
            ops += bytes([0, 0])
        stretch = log[first:first + 60]
        for index, data in (logins if first > 0 else []) + stretch:
            slot = slots[index]
            for at in range(0, len(data), 255):
                chunk = data[at:at + 255]
                ops += bytes([slot - 1, 1, len(chunk)]) + chunk
            ops += bytes([0, 9, 0])  # no time passes: the queue runs
            if len(ops) > 4000:
                break
        with open(os.path.join(server_dir, "game%d" % part), "wb") as f:
            f.write(ops)


def read_port(server, timeout=20):
    """The port from the server's first log line (on standard error); the rest of its log is read on a
    thread of its own from then on, so that the server never blocks on a full pipe."""
    lines = []
    found = threading.Event()

    def drain():
        for line in server.stderr:
            if not found.is_set():
                lines.append(line)
                if re.search(r"port (\d+)", line):
                    found.set()
        found.set()  # the server ended

    threading.Thread(target=drain, daemon=True).start()
    if not found.wait(timeout):
        raise Failure("the server did not say its port within %d s" % timeout)
    for line in lines:
        match = re.search(r"port (\d+)", line)
        if match:
            return int(match.group(1))
    raise Failure("the server ended without listening: %r" % "".join(lines))


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--seconds", type=float, default=60)
    parser.add_argument("--server", default="build/src/serverapp/rimbalo-server")
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--record")
    args = parser.parse_args()
    rng = random.Random(args.seed)

    server = subprocess.Popen([args.server, "--bind", "127.0.0.1", "--port", "0"],
                              stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
    try:
        port = read_port(server)
        log = []
        clients = []
        sel = selectors.DefaultSelector()
        for i in range(9):
            c = Client(i + 1, port, random.Random(rng.random()), log)
            clients.append(c)
            sel.register(c.sock, selectors.EVENT_READ, c)
            time.sleep(0.02)  # keep the slot order the connection order

        start = time.monotonic()
        started = False
        samples = []
        next_sample = start
        while time.monotonic() - start < args.seconds:
            for key, _ in sel.select(timeout=0.02):
                c = key.data
                data = c.sock.recv(65536)
                if not data:
                    raise Failure("%s was disconnected by the server" % c.name)
                c.feed(data)
            now = time.monotonic()
            host = clients[0]
            if not started and host.slot == 1 and len(host.logged) == 9:
                host.start_game()
                started = True
            if started:
                for c in clients:
                    c.tick(now)
            if now >= next_sample:
                samples.append(rss_kb(server.pid))
                next_sample = now + 0.5
            if server.poll() is not None:
                raise Failure("the server stopped (exit %s)" % server.returncode)

        quarter = max(len(samples) // 4, 1)
        settled = max(samples[quarter: 2 * quarter] or samples)
        late = max(samples[-quarter:])
        turns = sum(c.turns for c in clients)
        checks = sum(c.checks for c in clients)
        sent = sum(len(d) for _, d in log)
        print("%.0f s, %d games won, %d rounds ended, %d turns played, %d tile checks, %d commands (%d bytes) sent" %
              (args.seconds, clients[0].games, clients[0].rounds, turns, checks, len(log), sent))
        print("server RSS: first %d kB, settled peak %d kB, last-quarter peak %d kB" % (samples[0], settled, late))
        if late > settled * 1.10 + 1024:
            raise Failure("the server's memory keeps growing: %d kB, then %d kB" % (settled, late))
        if turns == 0:
            raise Failure("no game was played")
        if args.record:
            write_seeds(args.record, clients, log)
        print("soak passed")
    finally:
        server.terminate()
        server.wait(timeout=10)


if __name__ == "__main__":
    try:
        main()
    except Failure as failure:
        print("soak failed: %s" % failure, file=sys.stderr)
        sys.exit(1)
