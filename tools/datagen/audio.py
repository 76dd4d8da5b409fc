"""The demo game's music and sound effects.

Music: one General MIDI piece per music file of the room table (and the
title tune), each with its own mood, composed here from a chord progression,
a melody that repeats its rhythm per section, a bass line and a groove.
Effects: WAV files, 16-bit mono PCM at 22050 Hz, synthesised in pure Python
and brought to the voices' loudness (loudness.py).
"""
import audio_effects
import audio_midi as m
import loudness
from audio_synth import silence, write_wav
from common import out_path

I, II, III, IV, V, VI, VII = range(7)

# General MIDI programs used below.
PIANO, EPIANO, HARPSICHORD, CELESTA, VIBRAPHONE, MARIMBA, XYLOPHONE = 0, 4, 6, 8, 11, 12, 13
ORGAN, ACCORDION, NYLON_GUITAR, STEEL_GUITAR, JAZZ_GUITAR = 19, 21, 24, 25, 26
ACOUSTIC_BASS, FINGER_BASS, PICKED_BASS, FRETLESS, SYNTH_BASS = 32, 33, 34, 35, 38
CELLO, PIZZICATO, STRINGS, SLOW_STRINGS, CHOIR, TIMPANI = 42, 45, 48, 49, 52, 47
TRUMPET, TROMBONE, TUBA, BRASS, OBOE, BASSOON, CLARINET = 56, 57, 58, 61, 68, 70, 71
FLUTE, RECORDER, WHISTLE, OCARINA, SQUARE_LEAD, BANJO, MUSIC_BOX = 73, 74, 78, 79, 80, 105, 10

PIECES = {
    # Title: a bright, adventurous march-like theme.
    "titel.mid": m.Piece(112, 60, m.MAJOR,
                         [[I, V, VI, IV, I, IV, V, V], [I, V, VI, IV, II, V, I, I],
                          [IV, V, III, VI, II, IV, V, V], [I, V, VI, IV, II, V, I, V]],
                         TRUMPET, STRINGS, PICKED_BASS, "pop", "block", "root5", counter=BRASS),
    # The boss: pompous and a little threatening.
    "bigboss.mid": m.Piece(92, 62, m.MINOR,
                           [[I, I, VI, VII, I, IV, V, V], [VI, IV, I, V, VI, IV, V, V],
                            [I, I, VI, VII, I, IV, V, V]],
                           BRASS, STRINGS, TUBA, "march", "stab", "root5", counter=TROMBONE),
    # Corinna's office: light, tidy, a little jazzy.
    "buero.mid": m.Piece(108, 65, m.MAJOR,
                         [[I, VI, II, V, I, VI, II, V], [IV, IV, III, VI, II, V, I, I],
                          [I, VI, II, V, I, VI, II, V], [IV, III, II, V, II, V, I, V]],
                         VIBRAPHONE, EPIANO, FINGER_BASS, "swing", "jazz", "walk", swing=0.33),
    # The upper corridors: strolling, curious.
    "gang.mid": m.Piece(98, 57, m.MINOR,
                        [[I, VII, VI, VII, I, VII, VI, V], [III, VII, I, IV, III, VII, IV, V],
                         [I, VII, VI, VII, I, IV, V, V]],
                        MARIMBA, PIZZICATO, ACOUSTIC_BASS, "soft", "arp", "walk"),
    # The library: calm, thoughtful, a waltz.
    "gang2.mid": m.Piece(96, 67, m.MAJOR,
                         [[I, IV, I, V, I, IV, II, V], [VI, III, IV, I, II, V, I, I],
                          [IV, V, III, VI, II, V, I, V]],
                         FLUTE, HARPSICHORD, ACOUSTIC_BASS, "waltz", "arp", "root5",
                         melody_style="sparse", beats_per_bar=3),
    # The ground floor: friendly bustle.
    "erdgeschoss.mid": m.Piece(116, 58, m.MAJOR,
                               [[I, IV, V, I, VI, IV, II, V], [I, IV, V, I, VI, II, V, V],
                                [IV, IV, I, I, II, II, V, V], [I, IV, V, I, VI, II, V, V]],
                               CLARINET, NYLON_GUITAR, FINGER_BASS, "pop", "pulse", "eighths"),
    # Tägl's canteen: a polka with accordion and tuba.
    "toegl.mid": m.Piece(126, 65, m.MAJOR,
                         [[I, I, V, V, V, V, I, I], [I, I, IV, IV, V, V, I, I],
                          [IV, IV, I, I, V, V, I, V], [I, I, V, V, V, V, I, V]],
                         ACCORDION, ACCORDION, TUBA, "polka", "oompah", "oompah"),
    # Hubert's workshop: quirky clockwork.
    "bastelraum.mid": m.Piece(104, 64, m.DORIAN,
                              [[I, IV, I, IV, VII, IV, V, V], [I, IV, VI, V, I, IV, V, V],
                               [III, IV, I, I, VII, VII, V, V]],
                              XYLOPHONE, MUSIC_BOX, SYNTH_BASS, "clockwork", "pulse", "eighths"),
    # Kroxl's own office: warm and pensive.
    "kroxl.mid": m.Piece(84, 63, m.MAJOR,
                         [[I, III, IV, V, I, III, IV, V], [VI, III, IV, I, II, IV, V, V],
                          [I, III, IV, V, VI, IV, V, V]],
                         PIANO, STRINGS, FRETLESS, "soft", "arp", "root5", counter=CELLO),
    # The archive: dusty, mysterious, slow.
    "archiv.mid": m.Piece(70, 62, m.MINOR,
                          [[I, VI, IV, V, I, VI, VII, V], [III, VI, II, V, I, IV, V, V]],
                          CELESTA, ORGAN, CELLO, None, "block", "pedal",
                          melody_style="sparse", counter=CHOIR),
    # Outside: sunny and open.
    "out.mid": m.Piece(100, 67, m.MAJOR,
                       [[I, IV, I, V, I, IV, V, V], [VI, IV, I, V, VI, IV, V, V],
                        [I, IV, I, V, II, IV, V, V]],
                       RECORDER, STEEL_GUITAR, ACOUSTIC_BASS, "outdoor", "arp", "root5", counter=STRINGS),
    # The minigolf course: cheerful and silly.
    "minigolf.mid": m.Piece(132, 60, m.MIXOLYDIAN,
                            [[I, VII, IV, I, I, VII, V, V], [IV, IV, I, I, II, V, I, I],
                             [I, VII, IV, I, IV, VII, V, V], [IV, IV, I, VI, II, V, I, V]],
                            OCARINA, BANJO, PICKED_BASS, "bounce", "stab", "walk"),
}

MUSIC_DIR = "\\sound\\music\\"
EFFECT_DIR = "\\sound\\effects\\"
SILENCE = "none.wav"


def build(gamedir):
    for name, piece in PIECES.items():
        m.Composer(piece, "kroxl-" + name).compose(out_path(gamedir, MUSIC_DIR + name))
    # Start-up plays this: silent, but of positive length so that its end
    # does not clear every spoken line at once.
    write_wav(out_path(gamedir, EFFECT_DIR + SILENCE), silence(0.1), raw=True)
    for name, recipe in audio_effects.EFFECTS.items():
        path = out_path(gamedir, EFFECT_DIR + name)
        write_wav(path, recipe())
        loudness.normalize_wav(path)


def expected_files():
    files = [MUSIC_DIR + name for name in PIECES]
    files.append(EFFECT_DIR + SILENCE)
    files += [EFFECT_DIR + name for name in audio_effects.EFFECTS]
    return files


def durations():
    """Seconds per piece, for checking that every loop is 30 to 90 s long."""
    out = {}
    for name, piece in PIECES.items():
        bars = sum(len(s) for s in piece.progression)
        out[name] = bars * piece.beats_per_bar * 60.0 / piece.tempo
    return out
