"""Deeper checks of a finished data root: the media files' headers and the
command scripts, whose mistakes would otherwise only show as a game that
hangs (an empty line stops the queue for good) or a missing sound. The
commands, story commands and people come from the program's own tables
(vocabulary.py).

Each check returns a list of problem texts; an empty list means fine.
"""
import os
import re
import struct

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


def script_problems(lines, exists, vocabulary):
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
        if line not in vocabulary.commands:
            out.append(f"{where}: unknown command {line!r}")
            i += 1
            continue
        kinds = vocabulary.operand_kinds(lines, i)
        operands = lines[i + 1:i + 1 + len(kinds)]
        if len(operands) < len(kinds):
            out.append(f"{where}: {line!r} lacks its operand lines")
            break
        named = " ".join([line] + [op for op, kind in zip(operands, kinds) if kind == "sub-command"])
        for operand, kind in zip(operands, kinds):
            if kind == "number" and not INTEGER.match(operand):
                out.append(f"{where}: {named!r} needs a number, not {operand!r}")
            elif kind == "file" and not exists(operand):
                out.append(f"{where}: {line!r} names a missing file '{operand}'")
            elif kind == "sub-command" and operand not in vocabulary.sub_commands:
                out.append(f"{where}: 'change {operand}' is no story command the game knows: it does nothing")
        nxt = i + 1 + len(kinds)
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


def spoken_keys(lines, vocabulary):
    """The caption keys of the lines a script says, as (line number, key);
    a text of only blanks speaks nothing."""
    out = []
    i = 0
    while i < len(lines):
        line = lines[i]
        if line == "say" and i + 2 < len(lines) and lines[i + 2].strip(" "):
            out.append((i + 1, f'{lines[i + 1]}: "{lines[i + 2]}"'))
        i += 1 + len(vocabulary.operand_kinds(lines, i))
    return out


def reply_keys(lines):
    """The protagonist speaks every reply he chooses: the keys of the replies
    of the dialogue source (all lines but the headers and the empty ones)."""
    return [(i + 1, f'Kroxl: "{line}"') for i, line in enumerate(lines)
            if line.strip(" ") and not line.endswith(":")]


def dialog_source_problems(lines, vocabulary):
    """Every person one talks with needs a block, under one of their headers."""
    return [f"no block {headers[0]!r}" for _room, headers in vocabulary.people.values()
            if not any(header in lines for header in headers)]


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
