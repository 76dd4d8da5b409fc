"""The sound effects, one recipe each. A recipe returns a list of float
samples at audio_synth.RATE; audio.py normalises and writes them.

The scripts play the main ones (doors, the title arrow, the crate, the
exploding vacuum cleaner, the mine cart...); the person animation names a
few more as cues that the engine never plays, which get short cheap sounds.
"""
import math

from audio_synth import (RATE, bandpass, envelope, gain, highpass, lowpass, mix, multiply,
                         noise, rng_for, samples, shape_curve, silence, tone)


def thud(freq, seconds, rng, brightness=400):
    """A heavy low knock: a falling sine with a burst of muffled noise."""
    body = envelope(tone(freq, seconds, freq_end=freq * 0.6), 0.002, seconds / 5)
    hit = envelope(lowpass(noise(seconds, rng), brightness), 0.001, 0.03)
    return [a + 0.6 * b for a, b in zip(body, hit)]


def knock(freq, seconds, rng):
    """A short wooden knock."""
    body = envelope(tone(freq, seconds, shape="triangle"), 0.001, seconds / 6)
    click = envelope(bandpass(noise(seconds, rng), freq * 3, q=2), 0.0005, 0.01)
    return [a + 0.5 * b for a, b in zip(body, click)]


def doorclose():
    rng = rng_for("door")
    creak = envelope(bandpass(tone(38, 0.35, shape="saw", freq_end=52), 900, 1300, q=6), 0.05, 0.2)
    slam = thud(70, 0.45, rng, 700)
    latch = envelope(highpass(noise(0.05, rng), 2500), 0.0005, 0.008)
    return mix(0.85, (0.0, gain(creak, 0.5)), (0.3, slam), (0.31, gain(latch, 0.5)))


def pfeil():
    """An arrow's whoosh: a sweeping band of noise, then the thunk of the hit."""
    rng = rng_for("pfeil")
    n = noise(0.42, rng)
    whoosh = bandpass(n, 3200, 500, q=3)
    whoosh = multiply(whoosh, shape_curve(len(whoosh), [(0, 0), (0.55, 1), (1, 0.15)]))
    return mix(0.62, (0.0, whoosh), (0.4, gain(knock(180, 0.2, rng), 0.8)))


def kiste():
    """A crate crashing down: a heavy thud and splintering wood."""
    rng = rng_for("kiste")
    parts = [(0.0, gain(thud(55, 0.7, rng, 500), 1.2))]
    for i in range(14):
        t = 0.02 + rng.random() * 0.5 * (1 + i / 14)
        parts.append((t, gain(knock(rng.uniform(180, 520), rng.uniform(0.05, 0.14), rng), rng.uniform(0.2, 0.6))))
    crack = envelope(bandpass(noise(0.5, rng), 1800, 600, q=1.5), 0.001, 0.12)
    parts.append((0.0, gain(crack, 0.6)))
    return mix(1.3, *parts)


def writing():
    """A pen scribbling: bursts of high, scratchy noise in irregular strokes."""
    rng = rng_for("writing")
    total = 1.4
    out = silence(total)
    t = 0.02
    while t < total - 0.15:
        stroke = rng.uniform(0.06, 0.16)
        scratch = bandpass(noise(stroke, rng), rng.uniform(2500, 4200), rng.uniform(1800, 3600), q=2)
        scratch = multiply(scratch, shape_curve(len(scratch), [(0, 0), (0.2, 1), (0.8, 0.8), (1, 0)]))
        start = int(t * len(out) / total)
        for i, x in enumerate(scratch):
            if start + i < len(out):
                out[start + i] += x
        t += stroke + rng.uniform(0.01, 0.07)
    return out


def click():
    """A key turning in a lock: two dry clicks."""
    rng = rng_for("click")
    c1 = envelope(bandpass(noise(0.03, rng), 3000, q=3), 0.0003, 0.004)
    c2 = envelope(bandpass(noise(0.04, rng), 1800, q=3), 0.0003, 0.006)
    return mix(0.16, (0.0, c1), (0.07, gain(c2, 0.8)))


def fall():
    """Someone slumping over: a sliding whistle down, then a thud."""
    rng = rng_for("fall")
    slide = envelope(tone(900, 0.45, freq_end=180), 0.02, 0.3)
    return mix(0.95, (0.0, gain(slide, 0.35)), (0.42, thud(60, 0.5, rng, 600)))


def sauger():
    """A wheezing old vacuum cleaner: motor hum spinning up, rising whine, air noise."""
    rng = rng_for("sauger")
    total = 2.6
    n = samples(total)
    hum = tone(60, total, shape="saw", freq_end=110)
    whine = tone(400, total, freq_end=1400)
    air = bandpass(noise(total, rng), 1200, 2500, q=1.2)
    spin = shape_curve(n, [(0, 0), (0.35, 0.8), (0.9, 1), (1, 0.6)])
    wobble = [1 + 0.15 * math.sin(2 * math.pi * 7 * i / RATE) for i in range(n)]
    out = [(0.6 * h + 0.15 * w + 0.5 * a) * s * wb for h, w, a, s, wb in zip(lowpass(hum, 900), whine, air, spin, wobble)]
    return out


def explosion():
    """A bang: a sub-bass punch, a long rumble and crackling debris."""
    rng = rng_for("explosion")
    total = 2.4
    boom = envelope(tone(75, total, freq_end=30), 0.002, 0.35)
    rumble = envelope(lowpass(noise(total, rng), 1800, 150), 0.003, 0.6)
    parts = [(0.0, gain(boom, 1.0)), (0.0, gain(rumble, 1.4))]
    for _ in range(24):
        t = 0.05 + rng.random() * 1.4
        parts.append((t, gain(envelope(highpass(noise(0.03, rng), 2000), 0.0005, 0.01), rng.uniform(0.1, 0.35))))
    return mix(total, *parts)


def lift():
    """A lift: the arrival chime over the hum of the motor."""
    rng = rng_for("lift")
    total = 2.0
    hum = envelope(lowpass(tone(50, total, shape="saw"), 300), 0.3, 10, sustain=1.0, release=0.4)
    rattle = envelope(bandpass(noise(total, rng), 300, q=2), 0.3, 10, sustain=1.0, release=0.4)
    ding = [a + 0.6 * b for a, b in zip(tone(880, 1.0), tone(1320, 1.0))]
    dong = [a + 0.6 * b for a, b in zip(tone(698.5, 1.1), tone(1047, 1.1))]
    return mix(total, (0.0, gain(hum, 0.5)), (0.0, gain(rattle, 0.3)),
               (0.85, gain(envelope(ding, 0.005, 0.35), 0.7)), (1.15, gain(envelope(dong, 0.005, 0.45), 0.7)))


def lore():
    """A mine cart rolling away: rail-joint clacks that speed up over a rumble."""
    rng = rng_for("lore")
    total = 2.6
    parts = [(0.0, gain(envelope(lowpass(noise(total, rng), 250), 0.4, 10, sustain=1.0, release=0.5), 0.9))]
    t, gap = 0.05, 0.34
    while t < total - 0.2:
        parts.append((t, gain(knock(rng.uniform(260, 320), 0.08, rng), 0.7)))
        parts.append((t + 0.06, gain(knock(rng.uniform(240, 300), 0.08, rng), 0.55)))
        t += gap
        gap = max(0.14, gap * 0.9)
    squeal = envelope(tone(2400, 0.5, freq_end=2000), 0.05, 0.2)
    parts.append((1.7, gain(squeal, 0.12)))
    return mix(total, *parts)


def boing():
    """A spring: a tone that bends up and wobbles out."""
    n = samples(0.7)
    freq = [180 + 160 * (1 - math.exp(-i / 2000)) + 40 * math.sin(i / 300) * math.exp(-i / 5000) for i in range(n)]
    out, phase = [], 0.0
    for i, f in enumerate(freq):
        phase += f / RATE
        out.append(math.sin(2 * math.pi * phase) * math.exp(-i / 5500))
    return out


def blitz():
    """An electric flash: a mains buzz torn by crackling sparks."""
    rng = rng_for("blitz")
    total = 0.9
    buzz = envelope(highpass(tone(100, total, shape="saw"), 200), 0.005, 0.35)
    parts = [(0.0, gain(buzz, 0.6))]
    for _ in range(18):
        parts.append((rng.random() * 0.6, gain(envelope(highpass(noise(0.02, rng), 3000), 0.0003, 0.006), rng.uniform(0.4, 1.0))))
    zap = envelope(tone(3000, 0.25, shape="square", freq_end=200), 0.001, 0.08)
    parts.append((0.0, gain(lowpass(zap, 4000), 0.5)))
    return mix(total, *parts)


# --- cues the person animation names (never played by the engine) -----------

def typing(seed):
    rng = rng_for("typing" + seed)
    parts = []
    t = 0.0
    for _ in range(3 if seed == "1" else 5):
        parts.append((t, knock(rng.uniform(900, 1400), 0.05, rng)))
        t += rng.uniform(0.07, 0.14)
    parts.append((t, gain(tone(2093, 0.15), 0.1)) if seed == "2" else (t, silence(0.01)))
    return mix(t + 0.2, *parts)


def low_buzz(seed, seconds, freq, freq_end):
    rng = rng_for(seed)
    body = lowpass(tone(freq, seconds, shape="saw", freq_end=freq_end), 600)
    rasp = lowpass(noise(seconds, rng), 500)
    return envelope([a + 0.5 * b for a, b in zip(body, rasp)], 0.02, seconds / 2)


def snore(seed, pitch):
    rng = rng_for(seed)
    inhale = multiply(bandpass(noise(0.9, rng), pitch, q=3), shape_curve(samples(0.9), [(0, 0), (0.6, 1), (1, 0)]))
    return mix(1.4, (0.0, inhale), (0.95, gain(envelope(bandpass(noise(0.4, rng), 700, q=2), 0.05, 0.15), 0.3)))


def clink():
    return [a + 0.5 * b for a, b in zip(envelope(tone(2637, 0.4), 0.001, 0.1), envelope(tone(3951, 0.4), 0.001, 0.06))]


def gulp(seed, count):
    rng = rng_for(seed)
    parts = [(i * 0.28, envelope(tone(rng.uniform(200, 260), 0.15, freq_end=120), 0.01, 0.05)) for i in range(count)]
    return mix(count * 0.28 + 0.1, *parts)


def birds(seed):
    rng = rng_for(seed)
    parts = []
    t = 0.05
    for _ in range(rng.randint(3, 6)):
        f = rng.uniform(2500, 4200)
        parts.append((t, gain(envelope(tone(f, 0.09, freq_end=f * rng.uniform(0.7, 1.4)), 0.005, 0.03), 0.6)))
        t += rng.uniform(0.08, 0.2)
    return mix(t + 0.2, *parts)


def wind(seed):
    rng = rng_for(seed)
    w = bandpass(noise(2.0, rng), 400, 700, q=1.5)
    return multiply(w, shape_curve(len(w), [(0, 0), (0.5, 1), (1, 0)]))


def water():
    rng = rng_for("water")
    n = noise(2.0, rng)
    return multiply(bandpass(n, 1500, q=0.8), shape_curve(len(n), [(0, 0), (0.1, 1), (0.9, 1), (1, 0)]))


# Game path (below \sound\effects\) -> recipe. none.wav is written apart: silence.
EFFECTS = {
    "doorclose.wav": doorclose,
    "pfeil.wav": pfeil,
    "kiste.wav": kiste,
    "writing.wav": writing,
    "click.wav": click,
    "fall.wav": fall,
    "sauger.wav": sauger,
    "explosion.wav": explosion,
    "lift.wav": lift,
    "lore.wav": lore,
    "boing.wav": boing,
    "blitz.wav": blitz,
    "noneblitz.wav": lambda: gain(blitz()[: samples(0.2)], 0.3),
    "typing1.wav": lambda: typing("1"),
    "typing2.wav": lambda: typing("2"),
    "pfurz.wav": lambda: low_buzz("pfurz", 0.6, 70, 55),
    "rülps.wav": lambda: low_buzz("ruelps", 0.7, 95, 80),
    "schlaf.wav": lambda: snore("schlaf", 260),
    "schlaf2.wav": lambda: snore("schlaf2", 180),
    "heferl.wav": clink,
    "trink.wav": lambda: gulp("trink", 3),
    "würg1.wav": lambda: low_buzz("wuerg1", 0.4, 140, 90),
    "würg2.wav": lambda: low_buzz("wuerg2", 0.5, 120, 80),
    "würg3.wav": lambda: low_buzz("wuerg3", 0.6, 110, 70),
    "out1.wav": lambda: birds("out1"),
    "out2.wav": lambda: birds("out2"),
    "out3.wav": lambda: wind("out3"),
    "out4.wav": lambda: wind("out4"),
    "water.wav": water,
}
