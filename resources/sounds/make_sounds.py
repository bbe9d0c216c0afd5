#!/usr/bin/env python3
"""Writes the program's two sounds as RIFF WAVE files next to this script.

hebbes.wav: a short bright "pling" for every hit (1,609 samples, about 73 ms).
stop.wav:   a falling three-note chime at the end of a search (19,777 samples,
            about 0.9 s), followed by an INFO list and two DISP chunks (a title
            and a small picture) that players skip.

Both are 8-bit unsigned PCM, mono, 22,050 samples per second. The output is
fully determined by this script: run it again and the files come out the same.
"""

import math
import struct
from pathlib import Path

RATE = 22050
HEBBES_SAMPLES = 1609
STOP_SAMPLES = 19777
STOP_FILE_SIZE = 21778


def to_u8(signal):
    """Samples in -1..1 as 8-bit unsigned PCM, 128 being silence."""
    out = bytearray()
    for value in signal:
        level = math.floor(128 + 127 * value + 0.5)
        out.append(min(255, max(0, level)))
    return bytes(out)


def fade_out(signal, seconds):
    """A raised-cosine fade over the last `seconds`, ending in silence."""
    count = int(seconds * RATE)
    start = len(signal) - count
    return [
        value if i < start else value * 0.5 * (1 + math.cos(math.pi * (i - start + 1) / count))
        for i, value in enumerate(signal)
    ]


def bell(frequency, t, decay):
    """A soft bell: a fundamental with two quiet overtones, a 5 ms attack."""
    if t < 0:
        return 0.0
    attack = min(1.0, t / 0.005)
    tone = (math.sin(2 * math.pi * frequency * t)
            + 0.25 * math.sin(2 * math.pi * 2 * frequency * t)
            + 0.08 * math.sin(2 * math.pi * 3 * frequency * t))
    return attack * math.exp(-t / decay) * tone / 1.33


def hebbes_samples():
    signal = [0.85 * bell(1318.51, i / RATE, 0.035) for i in range(HEBBES_SAMPLES)]
    return to_u8(fade_out(signal, 0.012))


def stop_samples():
    notes = [(783.99, 0.00), (659.26, 0.14), (523.25, 0.28)]  # G5, E5, C5
    signal = [
        0.45 * sum(bell(frequency, i / RATE - start, 0.22) for frequency, start in notes)
        for i in range(STOP_SAMPLES)
    ]
    return to_u8(fade_out(signal, 0.15))


def chunk(chunk_id, data):
    padding = b"\0" if len(data) % 2 else b""
    return chunk_id + struct.pack("<I", len(data)) + data + padding


def riff_wave(chunks):
    body = b"WAVE" + b"".join(chunks)
    return b"RIFF" + struct.pack("<I", len(body)) + body


def fmt_chunk():
    # PCM, mono, 22,050 samples/s, 22,050 bytes/s, block align 1, 8 bits.
    return chunk(b"fmt ", struct.pack("<HHIIHH", 1, 1, RATE, RATE, 1, 8))


def stop_picture():
    """A 64 x 48 four-bit DIB: a red disc with a white bar, a stop sign."""
    width, height = 64, 48
    palette = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
               (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
               (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]
    white, red = 15, 9
    rows = []
    for y in range(height):  # bottom row first
        pixels = []
        for x in range(width):
            dx, dy = x - 31.5, y - 23.5
            inside = dx * dx + dy * dy <= 21 * 21
            bar = abs(dy) <= 3 and abs(dx) <= 14
            pixels.append(white if not inside or bar else red)
        rows.append(bytes((pixels[i] << 4) | pixels[i + 1] for i in range(0, width, 2)))
    bits = b"".join(rows)
    header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 4, 0, len(bits), 2835, 2835, 16, 16)
    colours = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    return header + colours + bits


def stop_wave():
    title = chunk(b"DISP", struct.pack("<I", 1) + b"Paarvinder: einde\0")  # CF_TEXT
    picture = chunk(b"DISP", struct.pack("<I", 8) + stop_picture())  # CF_DIB
    fixed_info = chunk(b"INAM", b"Stop\0") + chunk(b"ISFT", b"make_sounds.py\0")
    head = [fmt_chunk(), chunk(b"data", stop_samples())]
    # The comment takes up what is left, so that the file has its fixed size.
    without_comment = len(riff_wave(head + [chunk(b"LIST", b"INFO" + fixed_info), title, picture]))
    comment_size = STOP_FILE_SIZE - without_comment - 8
    text = "Paarvinder speelt dit geluid aan het einde van een zoektocht.\0".encode("ascii")
    if comment_size < len(text) or comment_size % 2:
        raise SystemExit(f"no room for the comment: {comment_size} bytes")
    comment = chunk(b"ICMT", text.ljust(comment_size, b"\0"))
    info = chunk(b"LIST", b"INFO" + fixed_info + comment)
    return riff_wave(head + [info, title, picture])


def main():
    folder = Path(__file__).resolve().parent
    hebbes = riff_wave([fmt_chunk(), chunk(b"data", hebbes_samples())])
    stop = stop_wave()
    assert len(hebbes) == 1654, len(hebbes)
    assert len(stop) == STOP_FILE_SIZE, len(stop)
    (folder / "hebbes.wav").write_bytes(hebbes)
    (folder / "stop.wav").write_bytes(stop)


if __name__ == "__main__":
    main()
