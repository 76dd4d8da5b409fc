"""The game's own tables as the program lists them (`kroxl --vocabulary`, see
docs/vocabulary.md): the commands of the queue with their operand lines, the
story commands of "change", the speakers, the people one talks with, the rooms
with their hot-spot slots and the items. The data check and the data's tests
read them here instead of keeping copies of their own.
"""
import functools
import os
import subprocess
import tempfile

class Vocabulary:
    def __init__(self, lines):
        self.commands = {}      # keyword -> operand kinds, in line order
        self.endings = {}       # keyword -> "check", "finish", "next" or "check/finish"
        self.sub_commands = {}  # keyword -> operand kinds after the sub-command's line
        self.speakers = {}      # name -> (colour or None, "bold" or "regular")
        self.people = {}        # name -> (room, headers)
        self.rooms = {}         # number -> (script prefix, set of hot-spot slots)
        self.items = []
        for line in lines:
            kind, *fields = line.rstrip("\n").split("\t")
            if kind == "command" and len(fields) >= 2:
                self.commands[fields[0]] = fields[2:]
                self.endings[fields[0]] = fields[1]
            elif kind == "change" and fields:
                self.sub_commands[fields[0]] = fields[1:]
            elif kind == "speaker" and len(fields) == 3:
                self.speakers[fields[0]] = (int(fields[1]) if fields[1] else None, fields[2])
            elif kind == "person" and len(fields) >= 3:
                self.people[fields[0]] = (int(fields[1]), fields[2:])
            elif kind == "room" and len(fields) >= 2:
                self.rooms[int(fields[0])] = (fields[1], {int(slot) for slot in fields[2:]})
            elif kind == "item" and len(fields) == 1:
                self.items.append(fields[0])
        if not self.commands:
            raise ValueError("the vocabulary lists no commands")

    def operand_kinds(self, lines, i):
        """The kinds of the operand lines of the command in lines[i], with the
        number some story commands take after their sub-command; [] for a line
        that is no command."""
        kinds = list(self.commands.get(lines[i], []))
        if "sub-command" in kinds:
            at = i + 1 + kinds.index("sub-command")
            if at < len(lines):
                kinds += self.sub_commands.get(lines[at], [])
        return kinds

    def headers(self):
        """Every header of a person's block in the dialogue option table."""
        return {header for _room, headers in self.people.values() for header in headers}

    def person_rooms(self):
        return {room for room, _headers in self.people.values()}

    def room_prefixes(self):
        """Script prefix -> (room number, hot-spot slots), for rooms with a prefix."""
        return {prefix: (number, slots) for number, (prefix, slots) in self.rooms.items() if prefix}


@functools.lru_cache(maxsize=None)
def load(program):
    """The vocabulary the program lists; raises OSError when it cannot."""
    with tempfile.TemporaryDirectory() as empty:
        try:
            result = subprocess.run([os.path.abspath(program), "--vocabulary"], cwd=empty,
                                    capture_output=True, timeout=60)
        except subprocess.SubprocessError as e:
            raise OSError(f"{program} --vocabulary: {e}") from e
    if result.returncode != 0:
        raise OSError(f"{program} --vocabulary failed: {result.stderr.decode('utf-8', 'replace').strip()}")
    try:
        return Vocabulary(result.stdout.decode("utf-8").splitlines())
    except (UnicodeError, ValueError) as e:
        raise OSError(f"{program} --vocabulary: {e}") from e

