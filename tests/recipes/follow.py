#!/usr/bin/python3
"""Follows the recipes of docs/ARCHITECTURE.md ("Adding a room, a command, an
item, a person") on copies of the program's tables: each edit below is a step
of a recipe, made where the recipe says, with a laboratory, its assistant, a
test tube and a command "note" that writes its line into the protocol.

    follow.py SOURCE_DIR OUT_DIR

writes OUT_DIR/src/<folder>/<file> for every file the recipes touch. The
kroxl_recipes program is built from these copies instead of the originals
(its include path puts OUT_DIR/src first); recipes.sh plays it. A table that
has moved or changed its shape stops this script, and with it the build: then
the recipe needs the same change.
"""
import os
import sys

# (file, the line that opens the table or the line to insert before,
#  where: "table" appends to the end of the table, "before" inserts above
#  the line, lines)
EDITS = [
    # A room: its row in the room table ...
    ("src/rooms/RoomTable.cpp", "constexpr Room kRooms[] = {", "table", [
        '  {900, "Labor", "gang.mid", "\\\\graphic\\\\labor\\\\hintergrund.bmp", kCleared, 0, 640},',
    ]),
    # ... and its hot spots, one row per slot.
    ("src/rooms/HotSpotTable.cpp", "constexpr HotSpot kHotSpots[] = {", "table", [
        '  {900, 1, 400, 150, 120, 200, "Laborantin"},',
        '  {900, 2, 100, 250, 60, 60, "Reagenzglas"},',
    ]),
    # A command: its handler's declaration (the handler is tests/recipes/Note.cpp) ...
    ("src/script/Commands.h", "// Music, sound and video.", "before", [
        "Ending note(TForm1& f1);",
        "",
    ]),
    # ... and its row in the dispatch table.
    ("src/script/DispatchTable.cpp", "constexpr CommandRow kTable[] = {", "table", [
        '    {"note", {Text}, Check, note},',
    ]),
    # An item: its row in the item table (it borrows the rat poison's icon).
    ("src/interaction/ItemTable.cpp", "const Item kItems[] = {", "table", [
        '    {9, "Reagenzglas", None, "Ein Reagenzglas voller Schaum.", "Das schäumt mir zu sehr.",',
        '     "Lieber nicht."},',
    ]),
    # A person: the dialogue tree's declaration (the tree is
    # tests/recipes/DialogTreeLaborantin.cpp) ...
    ("src/interaction/DialogTree.h", "const std::vector<Row>& zweisteinRows();", "before", [
        "const std::vector<Row>& laborantinRows();",
    ]),
    # ... and the row in the table of people.
    ("src/interaction/People.cpp", "const Person kPeople[] = {", "table", [
        '  {"Laborantin", 32768, 900, {"Laborantin:"}, laborantinRows},',
    ]),
]


def edit(text, opening, where, lines, name):
    rows = text.split("\n")
    try:
        at = next(i for i, row in enumerate(rows) if row.strip() == opening.strip())
    except StopIteration:
        sys.exit(f"{name}: no line '{opening}'")
    if where == "table":
        try:
            at = next(i for i in range(at, len(rows)) if rows[i].strip() == "};")
        except StopIteration:
            sys.exit(f"{name}: the table '{opening}' has no end")
    return "\n".join(rows[:at] + lines + rows[at:])


def main(source, out):
    texts = {}
    for name, opening, where, lines in EDITS:
        if name not in texts:
            with open(os.path.join(source, name), encoding="utf-8") as f:
                texts[name] = f.read()
        texts[name] = edit(texts[name], opening, where, lines, name)
    for name, text in texts.items():
        path = os.path.join(out, name)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "w", encoding="utf-8") as f:
            f.write(text)


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2])
