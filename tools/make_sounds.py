#!/usr/bin/env python3
"""Synthesises the game's sound clips into resources/sounds/ as 16-bit mono PCM WAV files.

Every clip is made from sine tones, plucked strings, filtered noise and a small vowel synthesiser, so
the output is the same on every run (the noise generator has a fixed seed). Run it from anywhere:

    python3 tools/make_sounds.py

and commit the script together with the files it writes.
"""

import math
import os
import random
import struct
import wave

RATE = 22050
OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "resources", "sounds")
rng = random.Random(7772)


def silence(seconds):
    return [0.0] * int(RATE * seconds)


def envelope(samples, attack=0.005, release=0.05, curve=1.0):
    n = len(samples)
    a = max(1, int(attack * RATE))
    r = max(1, int(release * RATE))
    out = []
    for i, s in enumerate(samples):
        g = 1.0
        if i < a:
            g = i / a
        if i > n - r:
            g *= max(0.0, (n - i) / r) ** curve
        out.append(s * g)
    return out


def tone(freq, seconds, shape="sine", vibrato=0.0, vib_rate=5.0, decay=0.0, harmonics=None):
    """A tone whose frequency may be a number or a function of time (0..1 through the clip)."""
    n = int(RATE * seconds)
    phase = 0.0
    out = []
    for i in range(n):
        t = i / n
        f = freq(t) if callable(freq) else freq
        f *= 1.0 + vibrato * math.sin(2 * math.pi * vib_rate * i / RATE)
        phase += 2 * math.pi * f / RATE
        if harmonics:
            v = sum(a * math.sin(k * phase) for k, a in harmonics)
        elif shape == "square":
            v = 0.6 if math.sin(phase) >= 0 else -0.6
        elif shape == "saw":
            v = ((phase / math.pi) % 2.0) - 1.0
        else:
            v = math.sin(phase)
        if decay:
            v *= math.exp(-decay * i / RATE)
        out.append(v)
    return out


def pluck(freq, seconds, brightness=0.5):
    """A plucked string (Karplus-Strong): soft, wooden clicks and notes."""
    period = max(2, int(RATE / freq))
    buf = [rng.uniform(-1, 1) for _ in range(period)]
    out = []
    for i in range(int(RATE * seconds)):
        j = i % period
        nxt = buf[(j + 1) % period]
        buf[j] = (buf[j] * brightness + nxt * (1 - brightness)) * 0.996
        out.append(buf[j])
    return out


class Resonator:
    """A two-pole band-pass filter."""

    def __init__(self, freq, bandwidth):
        r = math.exp(-math.pi * bandwidth / RATE)
        self.a1 = 2 * r * math.cos(2 * math.pi * freq / RATE)
        self.a2 = -r * r
        self.gain = 1 - r
        self.y1 = self.y2 = 0.0

    def __call__(self, x):
        y = self.gain * x + self.a1 * self.y1 + self.a2 * self.y2
        self.y2, self.y1 = self.y1, y
        return y


def noise(seconds, centre=None, bandwidth=800.0):
    n = int(RATE * seconds)
    samples = [rng.uniform(-1, 1) for _ in range(n)]
    if centre is None:
        return samples
    f = Resonator(centre, bandwidth)
    return [f(s) * 6 for s in samples]


VOWELS = {"a": (750, 1200), "e": (500, 1900), "i": (300, 2300), "o": (500, 850), "u": (350, 700),
          "uh": (600, 1100)}


def voice(pitch, seconds, vowel, breath=0.05):
    """A voiced vowel: a pulse train through two formant resonators. `vowel` may be a function of time
    giving a vowel name, so a syllable can glide."""
    n = int(RATE * seconds)
    phase = 0.0
    res = [Resonator(1, 90), Resonator(1, 120)]
    out = []
    current = None
    for i in range(n):
        t = i / n
        v = vowel(t) if callable(vowel) else vowel
        if v != current:
            f1, f2 = VOWELS[v]
            res = [Resonator(f1, 90), Resonator(f2, 120)]
            current = v
        f = pitch(t) if callable(pitch) else pitch
        phase += f / RATE
        src = 1.0 if phase >= 1.0 else 0.0
        phase %= 1.0
        src += breath * rng.uniform(-1, 1)
        out.append(res[0](src) * 3.0 + res[1](src) * 1.8)
    return out


def mix(*tracks):
    n = max(len(t) for t in tracks)
    return [sum(t[i] for t in tracks if i < len(t)) for i in range(n)]


def join(*parts):
    out = []
    for p in parts:
        out.extend(p)
    return out


def gain(samples, g):
    return [s * g for s in samples]


def normalise(samples, peak=0.7):
    top = max(1e-9, max(abs(s) for s in samples))
    return [s * peak / top for s in samples]


def write(name, samples, peak=0.7):
    samples = normalise(envelope(samples, 0.002, 0.01), peak)
    path = os.path.join(OUT, name + ".wav")
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(b"".join(struct.pack("<h", int(max(-1, min(1, s)) * 32767)) for s in samples))


def note(freq, seconds, decay=6.0):
    return envelope(tone(freq, seconds, harmonics=[(1, 1.0), (2, 0.35), (3, 0.12)], decay=decay), 0.004, 0.04)


def syllable(pitch, seconds, vowel, breath=0.05):
    return envelope(voice(pitch, seconds, vowel, breath), 0.02, 0.06)


def glide(a, b):
    return lambda t: a + (b - a) * t


# Game cues: short, soft and distinct.
def game_cues():
    write("CLICKCARD", envelope(mix(pluck(1800, 0.06, 0.3), gain(noise(0.03, 3000, 1500), 0.4)), 0.001, 0.03), 0.5)
    write("CLEARCARD", envelope(pluck(900, 0.09, 0.4), 0.001, 0.05), 0.45)
    write("PLACECARD", envelope(mix(pluck(600, 0.12, 0.35), gain(noise(0.05, 1200, 900), 0.5)), 0.001, 0.06), 0.55)
    write("GETCARD", join(*[envelope(mix(pluck(700 + 150 * k, 0.07, 0.35), gain(noise(0.04, 2500, 1500), 0.3)),
                                     0.001, 0.03) for k in range(3)]), 0.5)
    write("NOCANDO", mix(envelope(tone(glide(220, 180), 0.25, "square"), 0.005, 0.08),
                         envelope(tone(glide(165, 135), 0.25, "square"), 0.005, 0.08)), 0.4)
    write("NOTVALID", join(note(392, 0.14), note(330, 0.14), note(262, 0.3, 4.0)), 0.55)
    write("PRESSYES", join(note(523, 0.08, 10), note(784, 0.18, 8)), 0.5)
    write("PRESSEDIT", join(note(659, 0.08, 10), note(587, 0.16, 8)), 0.5)
    write("TURN", mix(note(523, 0.5, 4), join(silence(0.12), note(659, 0.4, 4)), join(silence(0.24), note(784, 0.3, 4))),
          0.6)
    write("TURNNEW", join(note(880, 0.1, 9), note(1175, 0.1, 9), note(1568, 0.35, 5)), 0.55)
    write("TIME", envelope(tone(1320, 0.1, harmonics=[(1, 1.0), (3, 0.2)], decay=25), 0.001, 0.02), 0.4)
    write("ENTERED", join(note(587, 0.12, 7), note(880, 0.3, 5)), 0.5)
    write("ROUNDOVER", join(note(523, 0.14), note(440, 0.14), note(349, 0.14), note(392, 0.5, 3.0)), 0.55)
    write("WINNER", join(note(523, 0.12, 5), note(659, 0.12, 5), note(784, 0.12, 5),
                         mix(note(1047, 0.6, 2.5), note(784, 0.6, 2.5), note(659, 0.6, 2.5))), 0.6)
    # Played for a cue that has no clip of its own.
    write("DEFAULT", envelope(pluck(1200, 0.07, 0.4), 0.001, 0.04), 0.4)


def applause(seconds, density=90):
    out = silence(seconds)
    for _ in range(int(density * seconds)):
        at = rng.randrange(0, len(out) - 800)
        clap = envelope(noise(0.03, rng.uniform(900, 2400), 1600), 0.001, 0.025)
        for i, s in enumerate(clap):
            out[at + i] += s * rng.uniform(0.4, 1.0)
    return envelope(out, 0.08, 0.4)


def laugh(base, count, vowel="a", step=0.16):
    parts = []
    for k in range(count):
        p = base * (1.0 - 0.04 * k)
        parts.append(join(gain(noise(0.03, 1500, 2000), 0.3), syllable(glide(p * 1.1, p), step - 0.07, vowel, 0.2),
                          silence(0.04)))
    return join(*parts)


# Chatter sounds: exclamations sketched with the vowel synthesiser, tones and noise.
def chatter():
    clips = {
        1: join(syllable(glide(180, 120), 0.35, "o", 0.1)),  # Doh
        2: join(envelope(noise(0.12, 700, 1400), 0.002, 0.08), silence(0.06),
                envelope(noise(0.16, 600, 1200), 0.002, 0.12)),  # Cough
        3: join(syllable(200, 0.14, "e"), syllable(glide(220, 260), 0.3, "o")),  # Hello
        4: join(syllable(230, 0.16, "a"), silence(0.04), syllable(glide(250, 200), 0.24, "u")),  # Thank You
        5: join(syllable(glide(200, 230), 0.14, "e"), syllable(210, 0.12, "a"), syllable(200, 0.1, "u"),
                syllable(glide(230, 300), 0.28, "i")),  # Where have you been?
        6: join(envelope(noise(0.7, 220, 300), 0.3, 0.3), silence(0.15),
                envelope(gain(noise(0.5, 900, 1500), 0.4), 0.2, 0.3)),  # Snoring
        7: join(syllable(glide(260, 340), 0.3, "a", 0.3), envelope(noise(0.2, 3000, 3000), 0.002, 0.15)),  # Sneezing
        8: join(syllable(220, 0.16, "o"), syllable(glide(200, 170), 0.26, "i")),  # Sorry
        9: join(syllable(230, 0.14, "e"), syllable(210, 0.12, "uh"), syllable(glide(240, 200), 0.22, "uh")),  # Welcome
        10: join(syllable(glide(260, 360), 0.18, "e"), syllable(glide(400, 300), 0.4, "a")),  # Yeehaa
        11: join(syllable(glide(300, 380), 0.14, "i"), syllable(glide(420, 560), 0.3, "i")),  # Yippee
        12: join(syllable(glide(230, 210), 0.26, "o"), silence(0.04), syllable(glide(230, 160), 0.34, "o")),  # Oh No
        13: applause(1.6),  # Applause
        14: join(envelope(tone(350, 0.22, "square", 0.01), 0.01, 0.05), silence(0.05),
                 envelope(tone(350, 0.3, "square", 0.01), 0.01, 0.08)),  # Honk
        15: syllable(glide(180, 320), 0.7, "u"),  # Oooh
        16: envelope(mix(tone(110, 0.7, "saw", 0.08, 28), gain(noise(0.7, 400, 600), 0.5)), 0.02, 0.2),  # Razzberry
        17: mix(applause(1.4, 60), gain(join(silence(0.1), syllable(glide(300, 420), 0.6, "e", 0.3)), 0.6)),  # Cheer
        18: laugh(330, 5, "a"),  # Woman Laughing
        19: laugh(140, 5, "uh"),  # Man Laughing
        20: join(syllable(glide(380, 300), 0.4, "a", 0.2), silence(0.06), syllable(glide(360, 280), 0.5, "a", 0.2)),
    }
    for number, samples in clips.items():
        write("WAVE%d" % number, samples, 0.6)


def main():
    os.makedirs(OUT, exist_ok=True)
    game_cues()
    chatter()


if __name__ == "__main__":
    main()
