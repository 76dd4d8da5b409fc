"""One loudness for every voice and effect: each WAV is measured as the
mean power of its sounding parts and scaled to TARGET_DB, unless that
would push its peak above PEAK_DB, where it stops.

The measure follows the gating of EBU R 128 without its frequency
weighting: 50 ms blocks, those below -60 dBFS left out as silence, then
those more than 20 dB below the mean of the rest left out as pauses, so a
line with long pauses between words is as loud as one without.
"""
import array
import math
import operator
import sys
import wave

TARGET_DB = -22.0
PEAK_DB = -1.0
BLOCK_SECONDS = 0.05
SILENCE_DB = -60.0
PAUSE_DB = -20.0
FULL_SCALE = 32768.0


def read_samples(path):
    """(samples as a 16-bit array, the wave parameters) of a 16-bit PCM WAV."""
    with wave.open(path, "rb") as w:
        params = w.getparams()
        if params.sampwidth != 2:
            raise ValueError(f"{path}: {8 * params.sampwidth}-bit samples, only 16-bit PCM is normalised")
        data = array.array("h", w.readframes(params.nframes))
    if sys.byteorder == "big":
        data.byteswap()
    return data, params


def _db(power):
    return 10 * math.log10(power) if power > 0 else -math.inf


def loudness_db(samples, rate, channels=1):
    """The gated mean power in dB below full scale; -inf for silence."""
    block = max(1, int(BLOCK_SECONDS * rate)) * channels
    powers = []
    for start in range(0, len(samples), block):
        part = samples[start:start + block]
        powers.append(sum(map(operator.mul, part, part)) / (len(part) * FULL_SCALE * FULL_SCALE))
    sounding = [p for p in powers if _db(p) > SILENCE_DB]
    if not sounding:
        return -math.inf
    gate = _db(sum(sounding) / len(sounding)) + PAUSE_DB
    speech = [p for p in sounding if _db(p) > gate]
    return _db(sum(speech) / len(speech))


def peak_db(samples):
    top = max(max(samples, default=0), -min(samples, default=0))
    return 20 * math.log10(top / FULL_SCALE) if top else -math.inf


def wav_loudness_db(path):
    samples, params = read_samples(path)
    return loudness_db(samples, params.framerate, params.nchannels)


def normalize_wav(path):
    """Scales a 16-bit PCM WAV in place to TARGET_DB (see the module text).
    Silent files stay as they are. Returns the gain applied, in dB."""
    samples, params = read_samples(path)
    level = loudness_db(samples, params.framerate, params.nchannels)
    if level == -math.inf:
        return 0.0
    gain_db = min(TARGET_DB - level, PEAK_DB - peak_db(samples))
    # The peak stays below full scale, so no sample needs clipping.
    scaled = array.array("h", map(round, map((10 ** (gain_db / 20)).__mul__, samples)))
    if sys.byteorder == "big":
        scaled.byteswap()
    with wave.open(path, "wb") as w:
        w.setparams(params)
        w.writeframes(scaled.tobytes())
    return gain_db


def normalize_wavs(paths):
    for path in paths:
        normalize_wav(path)


def problems(paths, tolerance_db=2.0):
    """(path, why) for each WAV that is not within tolerance of TARGET_DB,
    unless its peak is what held it below (a sharp click cannot be as loud
    as a voice without clipping). Silent files are left out."""
    out = []
    for path in paths:
        samples, params = read_samples(path)
        level = loudness_db(samples, params.framerate, params.nchannels)
        if level == -math.inf or abs(level - TARGET_DB) <= tolerance_db:
            continue
        if level < TARGET_DB and peak_db(samples) >= PEAK_DB - 0.1:
            continue
        out.append((path, f"loudness {level:.1f} dB, not within {tolerance_db:g} dB of {TARGET_DB:g} dB"))
    return out


if __name__ == "__main__":
    # Prints the loudness and peak of the WAV files named: a look at what the
    # normalisation gave.
    for name in sys.argv[1:]:
        data, info = read_samples(name)
        print(f"{loudness_db(data, info.framerate, info.nchannels):6.1f} dB  peak {peak_db(data):5.1f} dB  {name}")
