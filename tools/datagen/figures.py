"""The data root's pictures that belong to no single room: the protagonist's
eyes, the in-game menu, the task note and its tick, the error sign, the title
screen, the loading screen and its progress pictures, the book page and the
black clear-screen pictures. (His body frames, faces and the icons are built
into the executable, see resources.py.)"""
import figures_kroxl
import figures_menu
import figures_title
from common import save


def pictures():
    """Game path -> picture."""
    out = {}
    open_, closed, open2, closed2 = figures_kroxl.eye_patches()
    out["\\graphic\\kroxl\\open.bmp"] = open_
    out["\\graphic\\kroxl\\close.bmp"] = closed
    out["\\graphic\\kroxl\\open2.bmp"] = open2
    out["\\graphic\\kroxl\\close2.bmp"] = closed2
    for name, picture in figures_menu.menu_pictures().items():
        out[f"\\graphic\\{name}.bmp"] = picture
    out["\\graphic\\zettel.bmp"] = figures_menu.note_picture()
    out["\\graphic\\ok.bmp"] = figures_menu.tick_picture()
    out["\\graphic\\error.bmp"] = figures_menu.error_sign()
    for name, picture in figures_title.title_pictures().items():
        out[f"\\graphic\\main\\{name}.bmp"] = picture
    for name, picture in figures_title.loading_pictures().items():
        out[f"\\movies\\{name}.bmp"] = picture
    out["\\movies\\cls.bmp"] = figures_title.black_screen()
    out["\\movies\\black.bmp"] = figures_title.black_screen()
    out["\\graphic\\buch\\seite.bmp"] = figures_title.book_page()
    return out


def build(gamedir):
    for game_path, picture in pictures().items():
        save(picture, gamedir, game_path)


def expected_files():
    return (["\\graphic\\kroxl\\" + n for n in ("open.bmp", "close.bmp", "open2.bmp", "close2.bmp")] +
            ["\\graphic\\menu.bmp", "\\graphic\\0.bmp"] +
            [f"\\graphic\\{name}.bmp" for name, _box, _caption in figures_menu.ENTRIES] +
            ["\\graphic\\zettel.bmp", "\\graphic\\ok.bmp", "\\graphic\\error.bmp"] +
            [f"\\graphic\\main\\{n}.bmp" for n in ("main", "1", "2", "3", "pfeil")] +
            ["\\movies\\loading.bmp"] +
            [f"\\movies\\loading{i:02d}.bmp" for i in range(1, figures_title.LOADING_STEPS + 1)] +
            ["\\movies\\cls.bmp", "\\movies\\black.bmp", "\\graphic\\buch\\seite.bmp"])
