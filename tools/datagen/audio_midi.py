"""Standard MIDI files: a small writer and a composer that turns a piece's
description (key, tempo, chord progression, instruments, groove) into a
type-1 file with a melody, a chord part, a bass line and drums.

Pieces loop in the game: the music player restarts a file at its end. So
every piece is a whole number of bars, all notes end before the end of the
last bar, and the last bars lead back into the first one.
"""
import random

PPQ = 480
BAR = 4 * PPQ
DRUM_CHANNEL = 9

MAJOR = [0, 2, 4, 5, 7, 9, 11]
MINOR = [0, 2, 3, 5, 7, 8, 10]
DORIAN = [0, 2, 3, 5, 7, 9, 10]
MIXOLYDIAN = [0, 2, 4, 5, 7, 9, 10]

# General MIDI percussion keys.
KICK, SNARE, CLOSED_HAT, OPEN_HAT, CRASH, RIDE = 36, 38, 42, 46, 49, 51
CLAP, TAMBOURINE, WOODBLOCK, SHAKER, LOW_TOM, HIGH_TOM = 39, 54, 76, 70, 45, 50
SIDE_STICK, COWBELL = 37, 56


def vlq(value):
    """A MIDI variable-length quantity."""
    out = [value & 0x7F]
    value >>= 7
    while value:
        out.append((value & 0x7F) | 0x80)
        value >>= 7
    return bytes(reversed(out))


class Track:
    def __init__(self, name):
        self.events = []  # (tick, order, bytes)
        self.meta(0, 0x03, name.encode("ascii"))

    def meta(self, tick, kind, data):
        self.events.append((tick, 0, bytes([0xFF, kind]) + vlq(len(data)) + data))

    def program(self, channel, program):
        self.events.append((0, 1, bytes([0xC0 | channel, program])))

    def control(self, channel, number, value):
        self.events.append((0, 1, bytes([0xB0 | channel, number, value])))

    def note(self, channel, start, length, key, velocity):
        key = max(0, min(127, key))
        velocity = max(1, min(127, velocity))
        # Note-offs sort before note-ons at the same tick, so repeated notes retrigger.
        self.events.append((start, 3, bytes([0x90 | channel, key, velocity])))
        self.events.append((start + length, 2, bytes([0x80 | channel, key, 0])))

    def encode(self, end_tick):
        body = bytearray()
        last = 0
        for tick, _order, data in sorted(self.events, key=lambda e: (e[0], e[1])):
            tick = min(tick, end_tick)
            body += vlq(tick - last) + data
            last = tick
        body += vlq(end_tick - last) + b"\xff\x2f\x00"
        return b"MTrk" + len(body).to_bytes(4, "big") + bytes(body)


def write_smf(path, tracks, end_tick):
    data = b"MThd" + (6).to_bytes(4, "big") + (1).to_bytes(2, "big")
    data += len(tracks).to_bytes(2, "big") + PPQ.to_bytes(2, "big")
    for track in tracks:
        data += track.encode(end_tick)
    with open(path, "wb") as f:
        f.write(data)


class Piece:
    """What distinguishes one room's music from another's."""

    def __init__(self, tempo, root, scale, progression, melody, chords, bass,
                 drums, chord_style="block", bass_style="root5", melody_style="song",
                 counter=None, beats_per_bar=4, swing=0.0):
        self.tempo = tempo
        self.root = root  # MIDI key of the tonic, around C4 = 60
        self.scale = scale
        self.progression = progression  # one scale degree (0-based) per bar, by section
        self.melody = melody  # GM program
        self.chords = chords
        self.bass = bass
        self.drums = drums  # a groove name from GROOVES, or None
        self.chord_style = chord_style
        self.bass_style = bass_style
        self.melody_style = melody_style
        self.counter = counter  # optional second melodic voice (GM program)
        self.beats_per_bar = beats_per_bar
        self.swing = swing


class Composer:
    def __init__(self, piece, seed):
        self.p = piece
        self.rng = random.Random(seed)
        self.bar = piece.beats_per_bar * PPQ

    # --- harmony ----------------------------------------------------------
    def degree_key(self, degree, octave=0):
        """The key of a scale degree (may exceed 7 or go negative)."""
        s = self.p.scale
        return self.p.root + 12 * (degree // 7 + octave) + s[degree % 7]

    def chord_keys(self, degree, sevenths=False):
        keys = [self.degree_key(degree + i) for i in (0, 2, 4)]
        if sevenths:
            keys.append(self.degree_key(degree + 6))
        return keys

    def scale_keys(self, low, high):
        keys = []
        for octave in range(-3, 4):
            for step in self.p.scale:
                k = self.p.root + 12 * octave + step
                if low <= k <= high:
                    keys.append(k)
        return sorted(keys)

    # --- parts -------------------------------------------------------------
    def compose(self, path):
        p = self.p
        bars = [d for section in p.progression for d in section]
        end = len(bars) * self.bar
        conductor = Track("Tempo")
        mpqn = int(60_000_000 / p.tempo)
        conductor.meta(0, 0x51, mpqn.to_bytes(3, "big"))
        conductor.meta(0, 0x58, bytes([p.beats_per_bar, 2, 24, 8]))
        tracks = [conductor]
        tracks.append(self.melody_track(bars, p.progression))
        tracks.append(self.chord_track(bars))
        tracks.append(self.bass_track(bars))
        if p.counter is not None:
            tracks.append(self.counter_track(bars))
        if p.drums:
            tracks.append(self.drum_track(bars))
        write_smf(path, tracks, end)
        return end * 60.0 / (p.tempo * PPQ)

    def setup(self, track, channel, program, volume, pan, reverb=40):
        track.program(channel, program)
        track.control(channel, 7, volume)
        track.control(channel, 10, pan)
        track.control(channel, 91, reverb)

    def swung(self, tick):
        """Delays every off-beat eighth for a shuffle feel."""
        if self.p.swing and tick % PPQ == PPQ // 2:
            return tick + int(PPQ * self.p.swing / 2)
        return tick

    def melody_track(self, bars, sections):
        t = Track("Melodie")
        self.setup(t, 0, self.p.melody, 100, 70)
        low, high = self.p.root + 2, self.p.root + 21
        keys = self.scale_keys(low, high)
        motifs = {}
        bar_index = 0
        previous = self.degree_key(4) if self.degree_key(4) <= high else self.p.root + 7
        played = {}
        for section in sections:
            # Sections with the same progression share their rhythm, and a
            # section heard before comes back note for note: that is what
            # makes a tune recognisable.
            key = tuple(section)
            if key in played:
                for tick, dur, k, vel in played[key]:
                    t.note(0, bar_index * self.bar + tick, dur, k, vel)
                bar_index += len(section)
                continue
            if key not in motifs:
                motifs[key] = [self.rhythm() for _ in range(2)]
            rhythms = motifs[key]
            section_start = bar_index * self.bar
            notes = played[key] = []
            for i, degree in enumerate(section):
                start = bar_index * self.bar
                rhythm = rhythms[i % 2]
                last_bar = i == len(section) - 1
                if last_bar:
                    rhythm = [(0, 2), (2, 2), (4, 4)] if self.p.beats_per_bar == 4 else [(0, 2), (2, 4)]
                chord = set(k % 12 for k in self.chord_keys(degree))
                for n, (pos, length) in enumerate(rhythm):
                    strong = pos % 4 == 0
                    if strong or n == 0:
                        candidates = [k for k in keys if k % 12 in chord]
                    else:
                        candidates = keys
                    near = sorted(candidates, key=lambda k: (abs(k - previous), k))
                    if strong:
                        choice = near[min(len(near) - 1, self.rng.choice([0, 0, 1]))]
                    else:
                        step = self.rng.choice([-2, -1, -1, 1, 1, 2])
                        idx = keys.index(min(keys, key=lambda k: abs(k - previous)))
                        choice = keys[max(0, min(len(keys) - 1, idx + step))]
                    tick = self.swung(start + pos * PPQ // 2)
                    dur = length * PPQ // 2 - 20
                    vel = 92 + (10 if strong else 0) + self.rng.randint(-8, 6)
                    if self.p.melody_style == "sparse" and not strong and self.rng.random() < 0.4:
                        continue
                    t.note(0, tick, dur, choice, vel)
                    notes.append((tick - section_start, dur, choice, vel))
                    previous = choice
                bar_index += 1
        return t

    def rhythm(self):
        """One bar of melody rhythm as (position, length) in eighths."""
        eighths = self.p.beats_per_bar * 2
        if self.p.beats_per_bar == 3:
            patterns = [[(0, 2), (2, 2), (4, 2)], [(0, 3), (3, 1), (4, 2)], [(0, 4), (4, 1), (5, 1)],
                        [(0, 2), (2, 1), (3, 1), (4, 2)]]
        elif self.p.melody_style == "sparse":
            patterns = [[(0, 4), (4, 4)], [(0, 6), (6, 2)], [(0, 2), (2, 2), (4, 4)], [(0, 8)]]
        else:
            patterns = [
                [(0, 2), (2, 2), (4, 2), (6, 2)],
                [(0, 3), (3, 1), (4, 2), (6, 2)],
                [(0, 1), (1, 1), (2, 2), (4, 4)],
                [(0, 2), (2, 1), (3, 1), (4, 3), (7, 1)],
                [(0, 4), (4, 1), (5, 1), (6, 2)],
                [(1, 1), (2, 2), (4, 2), (6, 2)],
            ]
        pattern = self.rng.choice(patterns)
        assert all(pos + length <= eighths for pos, length in pattern)
        return pattern

    def counter_track(self, bars):
        """Long notes a third or sixth under the harmony: a second voice."""
        t = Track("Gegenstimme")
        self.setup(t, 3, self.p.counter, 70, 40, 60)
        for i, degree in enumerate(bars):
            start = i * self.bar
            half = self.bar // 2
            first = self.degree_key(degree + 2, 0)
            second = self.degree_key(degree + (4 if i % 2 else 0), 0)
            t.note(3, start, half - 20, first, 64)
            t.note(3, start + half, half - 20, second, 60)
        return t

    def chord_track(self, bars):
        t = Track("Begleitung")
        self.setup(t, 1, self.p.chords, 78, 90, 55)
        style = self.p.chord_style
        beats = self.p.beats_per_bar
        for i, degree in enumerate(bars):
            start = i * self.bar
            keys = self.chord_keys(degree, sevenths=style == "jazz")
            # Keep voicings near the tonic: fold notes into one octave window.
            keys = sorted(((k - self.p.root + 5) % 12) + self.p.root - 5 for k in keys)
            if style in ("block", "jazz"):
                for k in keys:
                    t.note(1, start, self.bar - 30, k, 62)
            elif style == "arp":
                order = keys + [keys[1] + 12 if len(keys) > 1 else keys[0] + 12] + keys[::-1][1:]
                for n in range(beats * 2):
                    t.note(1, start + n * PPQ // 2, PPQ // 2 - 10, order[n % len(order)], 58 + (8 if n % 2 == 0 else 0))
            elif style == "oompah":
                for beat in range(1, beats):
                    for k in keys:
                        t.note(1, start + beat * PPQ, PPQ // 2, k, 64)
            elif style == "stab":
                for beat in range(beats):
                    if beat % 2 == 1:
                        for k in keys:
                            t.note(1, self.swung(start + beat * PPQ), PPQ // 2, k, 66)
            elif style == "pulse":
                for n in range(beats * 2):
                    for k in keys:
                        t.note(1, start + n * PPQ // 2, PPQ // 2 - 40, k, 50 + (12 if n % 2 == 0 else 0))
        return t

    def bass_track(self, bars):
        t = Track("Bass")
        self.setup(t, 2, self.p.bass, 96, 64, 20)
        beats = self.p.beats_per_bar
        for i, degree in enumerate(bars):
            start = i * self.bar
            root = self.degree_key(degree, -2)
            fifth = self.degree_key(degree + 4, -2)
            third = self.degree_key(degree + 2, -2)
            nxt = bars[(i + 1) % len(bars)]
            style = self.p.bass_style
            if style == "root5":
                t.note(2, start, 2 * PPQ - 40, root, 96)
                t.note(2, start + 2 * PPQ, (beats - 2) * PPQ - 40, fifth if beats == 4 else root, 88)
            elif style == "walk":
                target = self.degree_key(nxt, -2)
                approach = target - 1 if self.rng.random() < 0.5 else target + 2
                line = [root, third, fifth, approach][:beats]
                for b, k in enumerate(line):
                    t.note(2, start + b * PPQ, PPQ - 30, k, 92 - 6 * (b % 2))
            elif style == "oompah":
                for b in range(beats):
                    if b == 0:
                        t.note(2, start, PPQ - 40, root, 100)
                    elif b == 2 and beats == 4:
                        t.note(2, start + b * PPQ, PPQ - 40, fifth, 92)
            elif style == "pedal":
                t.note(2, start, self.bar - 40, root, 80)
            elif style == "eighths":
                for n in range(beats * 2):
                    k = root if n % 4 != 3 else fifth
                    t.note(2, start + n * PPQ // 2, PPQ // 2 - 30, k, 90 - 8 * (n % 2))
        return t

    def drum_track(self, bars):
        t = Track("Schlagzeug")
        t.control(DRUM_CHANNEL, 7, 88)
        t.control(DRUM_CHANNEL, 91, 30)
        groove = GROOVES[self.p.drums]
        steps = self.p.beats_per_bar * 4
        for i in range(len(bars)):
            start = i * self.bar
            fill = i == len(bars) - 1 or (i % 8 == 7)
            for key, pattern in groove.items():
                for s in range(steps):
                    ch = pattern[s % len(pattern)]
                    if ch == ".":
                        continue
                    vel = {"x": 96, "o": 70, "X": 118}.get(ch, 80) + self.rng.randint(-6, 6)
                    tick = self.swung(start + s * PPQ // 4)
                    t.note(DRUM_CHANNEL, tick, PPQ // 8, key, vel)
            if fill:
                for s in range(steps - 4, steps):
                    t.note(DRUM_CHANNEL, start + s * PPQ // 4, PPQ // 8, HIGH_TOM if s % 2 else LOW_TOM, 90)
            if i == 0:
                t.note(DRUM_CHANNEL, start, PPQ, CRASH, 92)
        return t


# Sixteenth-step drum patterns: "x" hit, "X" accent, "o" soft, "." rest.
GROOVES = {
    "pop": {KICK: "x.......x.x.....", SNARE: "....x.......x...", CLOSED_HAT: "x.o.x.o.x.o.x.o."},
    "march": {KICK: "x.......x.......", SNARE: "....x..o....x.oo", CRASH: "................"},
    "soft": {KICK: "x.........x.....", SIDE_STICK: "....o.......o...", SHAKER: "o.o.o.o.o.o.o.o."},
    "swing": {KICK: "x.......x.......", RIDE: "x...x..ox...x..o", SIDE_STICK: "....o.......o..."},
    "polka": {KICK: "x.......x.......", SNARE: "....x.......x...", CLOSED_HAT: "..o...o...o...o."},
    "clockwork": {KICK: "x.....x.x.......", WOODBLOCK: "x.o.x.o.x.o.x.o.", CLAP: "....x.......x..."},
    "outdoor": {KICK: "x.......x.......", TAMBOURINE: "..o...o...o...o.", SHAKER: "o.o.o.o.o.o.o.o."},
    "bounce": {KICK: "x.....x...x.....", SNARE: "....x.......x...", COWBELL: "x...o...x...o.o.",
               CLOSED_HAT: "o.o.o.o.o.o.o.o."},
    "waltz": {KICK: "x...........", CLOSED_HAT: "....o...o...", SIDE_STICK: "....o...o..."},
}
