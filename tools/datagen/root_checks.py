"""Deeper checks of a finished data root: the media files' headers and the
command scripts, whose mistakes would otherwise only show as a game that
hangs (an empty line stops the queue for good) or a missing sound.

Each check returns a list of problem texts; an empty list means fine.
"""
import os
import re
import struct

# Every command the runner knows, with the number of operand lines it takes.
COMMANDS = {
    "walking to": 1, "wait for franz": 0, "show map": 0, "hugo": 0, "wait for zweistein": 0,
    "wahl": 0, "wahl sound": 0, "inventar add": 1, "inventar sub": 1, "change": 1, "inkey": 0,
    "invisible": 0, "wait for midi": 0, "activate": 0, "play video": 1, "stop midi": 0,
    "bitmap": 3, "new bitmap": 3, "mp3 pos": 1, "music pos": 1, "look right": 0, "look left": 0,
    "look behind": 0, "execute script": 1, "open dialog": 0, "end dialog": 0, "exit": 0,
    "play music": 1, "wait": 1, "say": 2, "jump to": 1, "goto room": 1, "play wav effect": 1,
    "play wav speech": 1, "stop wav background": 0, "play wav background": 1, "wait for wait": 0,
    "wait for talk": 0, "wait for video": 0, "wait for sound": 0, "wait for stop": 0, "work": 0,
}
# "change" sub-commands that take a number as a further line.
CHANGE_WITH_NUMBER = {"schirm", "bad", "sick"}
NUMERIC = {"walking to": [0], "jump to": [0], "wait": [0], "goto room": [0], "bitmap": [1, 2],
           "new bitmap": [1, 2], "mp3 pos": [0], "music pos": [0]}
# Operands that name a file of the data root.
FILE_OPERAND = {"play video", "bitmap", "new bitmap", "execute script", "play music",
                "play wav effect", "play wav speech", "play wav background"}
INTEGER = re.compile(r"-?\d+$")


def media_problem(path, data):
    """What is wrong with the header of a sound, music or video file, or None."""
    ext = os.path.splitext(path)[1].lower()
    if ext == ".wav":
        return wav_problem(data)
    if ext == ".mid":
        return midi_problem(data)
    if ext == ".avi":
        if data[:4] != b"RIFF" or data[8:12] != b"AVI ":
            return "not an AVI file"
    elif ext == ".mpg":
        if data[:4] not in (b"\x00\x00\x01\xba", b"\x00\x00\x01\xb3"):
            return "not an MPEG stream"
    return None


def wav_problem(data):
    if data[:4] != b"RIFF" or data[8:12] != b"WAVE":
        return "not a WAV"
    pos, fmt, frames = 12, None, None
    while pos + 8 <= len(data):
        chunk, size = data[pos:pos + 4], struct.unpack("<I", data[pos + 4:pos + 8])[0]
        if chunk == b"fmt " and size >= 16:
            fmt = struct.unpack("<HHIIHH", data[pos + 8:pos + 24])
        elif chunk == b"data":
            frames = min(size, len(data) - pos - 8)
            break
        pos += 8 + size + (size & 1)
    if fmt is None or frames is None:
        return "a WAV without fmt or data chunk"
    if fmt[0] != 1:
        return "a WAV that is not PCM"
    # A zero-length wave ends at once: the game would clear every spoken line.
    if frames <= 0:
        return "a WAV of zero length"
    return None


def midi_problem(data):
    if data[:4] != b"MThd" or len(data) < 14:
        return "not a MIDI file"
    _fmt, tracks, division = struct.unpack(">HHH", data[8:14])
    pos, found = 8 + struct.unpack(">I", data[4:8])[0], 0
    while pos + 8 <= len(data) and found < tracks:
        if data[pos:pos + 4] != b"MTrk":
            return "a MIDI file with a broken track chunk"
        pos += 8 + struct.unpack(">I", data[pos + 4:pos + 8])[0]
        found += 1
    if found != tracks or tracks == 0 or division == 0:
        return "a MIDI file whose tracks do not match its header"
    return None


def script_lines(data):
    """The lines of a script file as the game reads them (Windows-1252, CR LF)."""
    text = data.decode("cp1252")
    if not text.endswith("\r\n"):
        raise ValueError("does not end with CR LF")
    lines = text[:-2].split("\r\n")
    if any("\r" in line or "\n" in line for line in lines):
        raise ValueError("mixes line ends")
    return lines


def script_problems(lines, exists):
    """Problems of one command script; exists(game_path) tells whether a file is there."""
    out = []
    i = 0
    in_dialog = False
    previous = None
    while i < len(lines):
        line = lines[i]
        where = f"line {i + 1}"
        if line in ("", " ", "#"):
            out.append(f"{where}: an empty, blank or '#' line stops the queue for good")
            break
        if line not in COMMANDS:
            out.append(f"{where}: unknown command {line!r}")
            i += 1
            continue
        count = COMMANDS[line]
        if line == "change" and i + 1 < len(lines) and lines[i + 1] in CHANGE_WITH_NUMBER:
            count = 2
        operands = lines[i + 1:i + 1 + count]
        if len(operands) < count:
            out.append(f"{where}: {line!r} lacks its operand lines")
            break
        for k in NUMERIC.get(line, []):
            if not INTEGER.match(operands[k]):
                out.append(f"{where}: {line!r} needs a number, not {operands[k]!r}")
        if line == "change" and count == 2 and not INTEGER.match(operands[1]):
            out.append(f"{where}: 'change {operands[0]}' needs a number, not {operands[1]!r}")
        if line in FILE_OPERAND and not exists(operands[0]):
            out.append(f"{where}: {line!r} names a missing file '{operands[0]}'")
        nxt = i + 1 + count
        if line == "goto room" and operands[0] != "0":
            # A room change does not move the protagonist: scripts place him at once.
            if nxt < len(lines) and lines[nxt] != "jump to":
                out.append(f"{where}: 'goto room {operands[0]}' is not followed by 'jump to'")
        if line == "wait for talk":
            if previous != "say":
                out.append(f"{where}: 'wait for talk' not directly after a 'say' may wait for ever")
            elif in_dialog:
                out.append(f"{where}: 'wait for talk' after a 'say' in dialogue mode waits for ever")
        if line == "open dialog":
            in_dialog = True
        elif line == "end dialog":
            in_dialog = False
        previous = line
        i = nxt
    return out


def spoken_keys(lines):
    """The caption keys of the lines a script says, as (line number, key);
    a text of only blanks speaks nothing."""
    out = []
    i = 0
    while i < len(lines):
        line = lines[i]
        count = COMMANDS.get(line, 0)
        if line == "change" and i + 1 < len(lines) and lines[i + 1] in CHANGE_WITH_NUMBER:
            count = 2
        if line == "say" and i + 2 < len(lines) and lines[i + 2].strip(" "):
            out.append((i + 1, f'{lines[i + 1]}: "{lines[i + 2]}"'))
        i += 1 + count
    return out


def reply_keys(lines):
    """The protagonist speaks every reply he chooses: the keys of the replies
    of the dialogue source (all lines but the headers and the empty ones)."""
    return [(i + 1, f'Kroxl: "{line}"') for i, line in enumerate(lines)
            if line.strip(" ") and not line.endswith(":")]


def dialog_source_problems(lines):
    headers = ["Corinna:", "Putzfrau:", "Archivar:", "Hubert:", "Franz:", "Zweistein:", "Motty:"]
    out = [f"no block {h!r}" for h in headers if h not in lines]
    if "Tägl:" not in lines and "Tögl:" not in lines:
        out.append("no block 'Tägl:'")
    return out


def recorded_keys(lines, exists):
    """The keys of a voice database whose recording is there."""
    return {lines[k] for k in range(0, len(lines) - 2, 3)
            if lines[k + 2].startswith("\\") and exists("\\sound\\samples\\deutsch" + lines[k + 2])}


def voice_problems(lines, exists):
    out = []
    seen = set()
    if len(lines) % 3:
        out.append(f"{len(lines)} lines, not three-line records")
    for k in range(0, len(lines) - 2, 3):
        key, sound = lines[k], lines[k + 2]
        if not re.match(r'^[^:]+: ".*"$', key):
            out.append(f"line {k + 1}: not a caption key {key!r}")
        if key in seen:
            out.append(f"line {k + 1}: {key!r} has a record already; both would play")
        seen.add(key)
        if not sound.startswith("\\"):
            out.append(f"line {k + 3}: the sound file must begin with a backslash")
        elif not exists("\\sound\\samples\\deutsch" + sound):
            out.append(f"line {k + 3}: no recording {sound!r}")
    return out
