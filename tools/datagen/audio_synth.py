"""A tiny synthesiser for the sound effects: oscillators, noise, filters and
envelopes on plain float lists, written out as 16-bit mono PCM at 22050 Hz.

Pure Python keeps datagen free of extra packages; effects are short, so the
per-sample loops stay well under a second for the whole set.
"""
import array
import math
import random
import sys
import wave

RATE = 22050


def samples(seconds):
    return max(1, int(seconds * RATE))


def silence(seconds):
    return [0.0] * samples(seconds)


def tone(freq, seconds, shape="sine", freq_end=None, phase=0.0):
    """An oscillator whose frequency glides exponentially to freq_end."""
    n = samples(seconds)
    out = [0.0] * n
    f0 = freq
    f1 = freq_end if freq_end else freq
    ratio = (f1 / f0) ** (1.0 / n)
    f = f0
    for i in range(n):
        phase += f / RATE
        phase -= math.floor(phase)
        if shape == "sine":
            v = math.sin(2 * math.pi * phase)
        elif shape == "square":
            v = 1.0 if phase < 0.5 else -1.0
        elif shape == "saw":
            v = 2.0 * phase - 1.0
        else:  # triangle
            v = 4.0 * abs(phase - 0.5) - 1.0
        out[i] = v
        f *= ratio
    return out


def noise(seconds, rng):
    return [rng.uniform(-1.0, 1.0) for _ in range(samples(seconds))]


def lowpass(signal, cutoff, cutoff_end=None):
    """One-pole low-pass; the cutoff may glide linearly."""
    out = [0.0] * len(signal)
    y = 0.0
    n = len(signal)
    c_end = cutoff if cutoff_end is None else cutoff_end
    for i, x in enumerate(signal):
        c = cutoff + (c_end - cutoff) * i / n
        a = 1.0 - math.exp(-2 * math.pi * c / RATE)
        y += a * (x - y)
        out[i] = y
    return out


def highpass(signal, cutoff):
    low = lowpass(signal, cutoff)
    return [x - y for x, y in zip(signal, low)]


def bandpass(signal, center, center_end=None, q=4.0):
    """A resonant two-pole band-pass (state-variable filter) with a gliding centre."""
    out = [0.0] * len(signal)
    low = band = 0.0
    n = len(signal)
    c_end = center if center_end is None else center_end
    damp = 1.0 / q
    for i, x in enumerate(signal):
        c = center * (c_end / center) ** (i / n)
        f = 2 * math.sin(math.pi * min(c, RATE / 6) / RATE)
        high = x - low - damp * band
        band += f * high
        low += f * band
        out[i] = band
    return out


def envelope(signal, attack, decay_time, sustain=0.0, release=None):
    """Attack to full, then exponential fall towards sustain; optional linear release at the end."""
    n = len(signal)
    a = samples(attack) if attack > 0 else 0
    tau = max(1e-4, decay_time) * RATE
    r = samples(release) if release else 0
    out = [0.0] * n
    for i, x in enumerate(signal):
        if i < a:
            g = i / a
        else:
            g = sustain + (1 - sustain) * math.exp(-(i - a) / tau)
        if r and i > n - r:
            g *= (n - i) / r
        out[i] = x * g
    return out


def gain(signal, g):
    return [x * g for x in signal]


def mix(length_seconds, *parts):
    """Sums (offset_seconds, signal) pairs into one track of the given length."""
    out = [0.0] * samples(length_seconds)
    for offset, signal in parts:
        start = int(offset * RATE)
        for i, x in enumerate(signal):
            j = start + i
            if j >= len(out):
                break
            out[j] += x
    return out


def multiply(signal, other):
    return [x * y for x, y in zip(signal, other)]


def shape_curve(n, points):
    """A piecewise-linear gain curve through (fraction, gain) points."""
    out = [0.0] * n
    for i in range(n):
        t = i / n
        for (t0, g0), (t1, g1) in zip(points, points[1:]):
            if t0 <= t <= t1:
                out[i] = g0 + (g1 - g0) * (t - t0) / max(1e-9, t1 - t0)
                break
    return out


def normalise(signal, peak=0.85):
    top = max((abs(x) for x in signal), default=0.0)
    if top <= 0:
        return signal
    return [x * peak / top for x in signal]


def fade_edges(signal, seconds=0.004):
    """Short fades so a sound never starts or stops with a click."""
    n = min(len(signal) // 2, samples(seconds))
    out = list(signal)
    for i in range(n):
        g = i / n
        out[i] *= g
        out[-1 - i] *= g
    return out


def write_wav(path, signal, peak=0.85, raw=False):
    data = signal if raw else fade_edges(normalise(signal, peak))
    pcm = array.array("h", (max(-32767, min(32767, int(x * 32767))) for x in data))
    if sys.byteorder == "big":
        pcm.byteswap()  # WAV samples are little-endian
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(pcm.tobytes())


def rng_for(name):
    return random.Random("kroxl-sfx-" + name)
