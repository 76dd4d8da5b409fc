"""The demo game's short films under \\movies\\: frames drawn with cairo and
encoded by the ffmpeg command line (MPEG-4 part 2 in AVI, MPEG-1 in the
.mpg program stream), some with a synthesised sound track.

The game shows the studio logo, the intro film and the pigeon film in a
panel placed at (160, 120): those are 320 x 240. The crate, Hubert and the
ending fill the screen: 640 x 480 (the ending 640 x 400, shown at y 40).
"""
import os
import subprocess
import tempfile

import cairo

import audio_effects
import video_scenes as scenes
from audio_synth import RATE, gain, mix, silence, write_wav
from common import out_path

FPS = 12
MOVIES = "\\movies\\"

# name: (width, height, seconds, draw(ctx, w, h, t, seconds), sound recipe or None)
FILMS = {
    "black.avi": (320, 240, 1.0, scenes.black, None),
    "nembrik.avi": (320, 240, 3.0, scenes.nembrik, scenes.chime),
    "01.avi": (320, 240, 5.0, scenes.research_centre, None),
    "archiv.mpg": (640, 480, 3.0, scenes.crate, lambda: mix(3.0, (0.0, gain(audio_effects.pfeil(), 0.7)),
                                                             (1.25, audio_effects.kiste()))),
    "taube.avi": (320, 240, 4.0, scenes.pigeon, scenes.flutter),
    "hubert.avi": (640, 480, 3.0, scenes.sooty_hubert, scenes.cough),
    "ende.avi": (640, 400, 5.0, scenes.money_rain, None),
}


def encoder_args(name, w, h, sound):
    args = ["ffmpeg", "-loglevel", "error", "-y",
            "-f", "rawvideo", "-pix_fmt", "bgr0", "-s", f"{w}x{h}", "-framerate", str(FPS), "-i", "-"]
    if sound:
        args += ["-i", sound]
    if name.endswith(".mpg"):
        # MPEG-1 knows only the classic frame rates: each drawn frame is shown twice.
        args += ["-r", "24", "-c:v", "mpeg1video", "-q:v", "4"]
        args += ["-c:a", "mp2", "-b:a", "128k", "-ar", "44100"] if sound else []
        args += ["-f", "mpeg"]
    else:
        args += ["-c:v", "mpeg4", "-q:v", "4", "-vtag", "XVID"]
        args += ["-c:a", "pcm_s16le"] if sound else []
        args += ["-f", "avi"]
    args += ["-pix_fmt", "yuv420p"]
    if sound:
        args += ["-shortest"]
    return args


def start_film(gamedir, tmpdir, name):
    """Starts ffmpeg for one film and feeds it every frame; returns the process."""
    w, h, seconds, draw, recipe = FILMS[name]
    sound = None
    if recipe:
        sound = os.path.join(tmpdir, name + ".wav")
        track = recipe()
        # The sound never outlasts the pictures: the film's length is the game's wait.
        track = (track + silence(seconds))[: int(seconds * RATE)]
        write_wav(sound, track, peak=0.8)
    proc = subprocess.Popen(encoder_args(name, w, h, sound) + [out_path(gamedir, MOVIES + name)],
                            stdin=subprocess.PIPE)
    surface = cairo.ImageSurface(cairo.FORMAT_RGB24, w, h)
    frames = int(round(seconds * FPS))
    for i in range(frames):
        ctx = cairo.Context(surface)
        ctx.set_source_rgb(0, 0, 0)
        ctx.paint()
        draw(ctx, w, h, i / FPS, seconds)
        surface.flush()
        proc.stdin.write(bytes(surface.get_data()))
    proc.stdin.close()
    return proc


def build(gamedir):
    with tempfile.TemporaryDirectory(prefix=".video-", dir=gamedir) as tmpdir:
        running = []
        for name in FILMS:
            running.append((name, start_film(gamedir, tmpdir, name)))
        for name, proc in running:
            if proc.wait() != 0:
                raise RuntimeError(f"ffmpeg could not encode {name}")


def expected_files():
    return [MOVIES + name for name in FILMS]


def durations():
    return {name: film[2] for name, film in FILMS.items()}

