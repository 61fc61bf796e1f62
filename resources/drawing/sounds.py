"""The sample alarm sounds, synthesised from sine partials.

Each one starts and ends in silence at exactly zero, so looping it never clicks. Noise comes
from a fixed linear congruential generator, so every run gives the same samples.
"""

import math

RATE = 22050


def _noise(seed):
    state = seed
    while True:
        state = (state * 1103515245 + 12345) & 0x7FFFFFFF
        yield state / 0x3FFFFFFF - 1.0


def _fade(samples, ramp):
    """Raised-cosine fade in and out over `ramp` samples; the ends become exact zeros."""
    n = len(samples)
    for i in range(ramp):
        g = 0.5 - 0.5 * math.cos(math.pi * i / ramp)
        samples[i] *= g
        samples[n - 1 - i] *= g
    samples[0] = samples[-1] = 0.0
    return samples


def _normalise(samples, peak):
    top = max(abs(s) for s in samples)
    return [s * peak / top for s in samples]


def _strike(out, start, freq, partials, decay, gain):
    """Adds one struck-metal tone: (ratio, level, decay factor) partials from `start`."""
    for ratio, level, speed in partials:
        if freq * ratio > 0.45 * RATE:
            continue  # above what the sample rate can carry: it would fold back as noise
        w = 2 * math.pi * freq * ratio / RATE
        k = math.exp(-speed / (decay * RATE))
        amp = gain * level
        for i in range(start, len(out)):
            out[i] += amp * math.sin(w * (i - start))
            amp *= k
            if amp < 1e-5:
                break


BELL_PARTIALS = [(1.0, 1.0, 1.0), (2.76, 0.55, 1.7), (5.40, 0.28, 2.6), (8.93, 0.12, 3.5)]


def alarm_classic():
    """A hammer rattling between two small bells for 0.9 s, then a short rest."""
    total, ringing = int(1.25 * RATE), int(0.9 * RATE)
    out = [0.0] * total
    period = RATE // 22  # 22 strikes a second, alternating bells
    noise = _noise(7)
    for n, start in enumerate(range(0, ringing, period)):
        bell = 1900.0 if n % 2 == 0 else 1615.0
        _strike(out, start, bell, BELL_PARTIALS, 0.09, 1.0 if n % 2 == 0 else 0.85)
        for i in range(start, min(start + 60, total)):
            out[i] += 0.25 * next(noise) * (1.0 - (i - start) / 60)
    # Let the last ring die away before the rest.
    tail = int(0.25 * RATE)
    for i in range(ringing, total):
        out[i] *= max(0.0, 1.0 - (i - ringing) / tail)
    return _fade(_normalise(out, 0.8), 40)


def beeps():
    """Four quick beeps, then a pause."""
    total = RATE
    out = [0.0] * total
    tone, on, off = 2048.0, int(0.075 * RATE), int(0.055 * RATE)
    w = 2 * math.pi * tone / RATE
    ramp = int(0.004 * RATE)
    for b in range(4):
        start = int(0.02 * RATE) + b * (on + off)
        for i in range(on):
            g = 1.0
            if i < ramp:
                g = 0.5 - 0.5 * math.cos(math.pi * i / ramp)
            elif i >= on - ramp:
                g = 0.5 - 0.5 * math.cos(math.pi * (on - 1 - i) / ramp)
            # A touch of the odd harmonics gives the hard edge of a buzzer.
            t = w * i
            out[start + i] = g * (math.sin(t) + 0.25 * math.sin(3 * t) + 0.1 * math.sin(5 * t))
    return _fade(_normalise(out, 0.7), 20)


def bell():
    """One stroke of a bell, ringing out over 1.8 s."""
    total = int(1.8 * RATE)
    out = [0.0] * total
    fundamental = 440.0
    # Hum, prime, minor third, fifth, nominal and above: the partials of a tuned bell.
    partials = [(0.5, 0.55, 0.6), (1.0, 0.8, 1.0), (1.2, 0.5, 1.4), (1.5, 0.35, 1.7),
                (2.0, 0.6, 2.0), (2.51, 0.25, 2.8), (3.01, 0.15, 3.6), (4.07, 0.08, 4.6)]
    _strike(out, 0, fundamental, partials, 1.1, 1.0)
    noise = _noise(11)
    for i in range(80):
        out[i] += 0.3 * next(noise) * (1.0 - i / 80)
    tail = int(0.35 * RATE)
    for i in range(total - tail, total):
        out[i] *= 0.5 + 0.5 * math.cos(math.pi * (i - (total - tail)) / tail)
    return _fade(_normalise(out, 0.8), 30)


RESERVE_RATE = 8000


def reserve():
    """The program's own alarm, small enough to live in the executable: two piercing tones in
    turn, three times, 0.6 s in all. 8 kHz, 8-bit: a few KB."""
    rate = RESERVE_RATE
    total, on = int(0.6 * rate), int(0.085 * rate)
    out = [0.0] * total
    ramp = int(0.003 * rate)
    for b in range(6):
        w = 2 * math.pi * (2500.0 if b % 2 == 0 else 1900.0) / rate
        start = b * (on + int(0.015 * rate))
        for i in range(on):
            g = min(1.0, i / ramp, (on - 1 - i) / ramp)
            t = w * i
            out[start + i] = g * (math.sin(t) + 0.2 * math.sin(3 * t))
    return _fade(_normalise(out, 0.95), 8)
