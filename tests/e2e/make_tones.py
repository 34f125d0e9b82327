#!/usr/bin/env python3
"""Writes the music scenarios' test tones into the folder given: tone.wav (1 s: 0.2 s of
880 Hz, the start marker, then 440 Hz) and tone.mp3 (1.5 s: the marker, then 660 Hz),
encoded with lame. 22,050 Hz, mono, 16 bits."""
import math
import pathlib
import subprocess
import sys
import wave

RATE = 22050
MARKER_HZ = 880
MARKER_SECONDS = 0.2


def write_tone(path, body_hz, seconds):
    samples = bytearray()
    for i in range(int(RATE * seconds)):
        hz = MARKER_HZ if i < RATE * MARKER_SECONDS else body_hz
        samples += int(12000 * math.sin(2 * math.pi * hz * i / RATE)).to_bytes(2, "little", signed=True)
    with wave.open(str(path), "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(bytes(samples))


folder = pathlib.Path(sys.argv[1])
folder.mkdir(parents=True, exist_ok=True)
write_tone(folder / "tone.wav", 440, 1.0)
write_tone(folder / "tone-for-mp3.wav", 660, 1.5)
subprocess.run(["lame", "--silent", "-b", "64", str(folder / "tone-for-mp3.wav"), str(folder / "tone.mp3")], check=True)
