#!/usr/bin/python3
"""Measures the tones in a recording made through ALSA's file plugin.

  tones_in_wav.py WAV spectrum F1 F2 ...      prints the peak near each Fi (Hz)
  tones_in_wav.py WAV check F1 F2 [--pans L R] [--tolerance 0.05]
      fails unless the mixed sound has a peak within the tolerance of every Fi;
      with --pans, the left channel must hold L and the right R, each with the
      other tone at least 40 dB down.
  tones_in_wav.py WAV level-after BYTES
      prints the RMS level (of full scale) of the samples after BYTES of file.
  tones_in_wav.py WAV clicks N
      fails unless the recording holds N stretches of tones and each ends
      without a click: the largest step between two samples as it ends is at
      most 3 times the largest step while it plays.
"""
import struct
import sys

import numpy as np


def read_wav(path, skip_bytes=0):
    """S16 interleaved samples; sizes in the header may be stale while a
    recording is open, so the data chunk runs to the end of the file."""
    data = open(path, "rb").read()
    if data[:4] != b"RIFF" or data[8:12] != b"WAVE":
        raise SystemExit(f"{path}: not a WAV file")
    pos, rate, channels, bits = 12, None, None, None
    while pos + 8 <= len(data):
        tag, size = data[pos:pos + 4], struct.unpack("<I", data[pos + 4:pos + 8])[0]
        if tag == b"fmt ":
            fmt, channels, rate = struct.unpack("<HHI", data[pos + 8:pos + 16])
            bits = struct.unpack("<H", data[pos + 22:pos + 24])[0]
            if fmt != 1 or bits != 16:
                raise SystemExit(f"{path}: format {fmt}, {bits} bits; expected 16-bit PCM")
        if tag == b"data":
            start = max(pos + 8, skip_bytes)
            body = data[start:]
            body = body[: len(body) // (2 * channels) * 2 * channels]
            samples = np.frombuffer(body, dtype="<i2").astype(np.float64) / 32768.0
            return rate, samples.reshape(-1, channels)
        pos += 8 + size + (size & 1)
    raise SystemExit(f"{path}: no data chunk")


def spectrum(x, rate):
    """Magnitude spectrum, Hann window, zero-padded for a fine grid."""
    n = len(x)
    size = 1 << max(22, int(np.ceil(np.log2(n))) + 2)
    mag = np.abs(np.fft.rfft(x * np.hanning(n), size))
    return mag, rate / size


def peak_near(mag, step, freq, span=3.0):
    lo, hi = int((freq - span) / step), int((freq + span) / step)
    i = lo + int(np.argmax(mag[lo:hi]))
    # Parabolic interpolation on the log magnitude.
    a, b, c = np.log(mag[i - 1:i + 2] + 1e-30)
    offset = 0.5 * (a - c) / (a - 2 * b + c) if (a - 2 * b + c) != 0 else 0.0
    return (i + offset) * step, mag[i]


def stretches(level, rate):
    """(first, end) sample of each run of sound: where the loudest sample
    within 10 ms lies above 1 % of the recording's peak."""
    reach = max(1, rate // 100)
    padded = np.concatenate([np.zeros(reach), level, np.zeros(reach)])
    near = np.lib.stride_tricks.sliding_window_view(padded, 2 * reach + 1).max(axis=1)
    on = np.concatenate([[0], (near > 0.01 * level.max()).astype(np.int8), [0]])
    edges = np.flatnonzero(np.diff(on))
    return list(zip(edges[0::2], edges[1::2]))


def clicks(path, expected):
    rate, s = read_wav(path)
    x = np.rint(s * 32768.0)
    steps = np.abs(np.diff(x, axis=0)).max(axis=1)
    runs = [r for r in stretches(np.abs(x).max(axis=1), rate) if r[1] - r[0] >= rate]
    print(f"{path}: {len(s) / rate:.2f} s, {len(runs)} stretches of tones")
    ok = len(runs) == expected
    if not ok:
        print(f"FAIL: {len(runs)} stretches of tones, not {expected}")
    for first, end in runs:
        playing = steps[first + rate // 4:end - rate * 35 // 100].max()
        ending = steps[end - rate * 3 // 10:min(end + rate // 20, len(steps))].max()
        good = ending <= 3 * playing
        ok &= good
        print(f"{'ok  ' if good else 'FAIL'} {first / rate:.2f}-{end / rate:.2f} s: largest step "
              f"{playing:.0f} while playing, {ending:.0f} as it ends ({ending / playing:.1f} times)")
    return 0 if ok else 1


def main():
    path, mode, rest = sys.argv[1], sys.argv[2], sys.argv[3:]
    if mode == "clicks":
        return clicks(path, int(rest[0]))
    if mode == "level-after":
        rate, s = read_wav(path, int(rest[0]))
        rms = float(np.sqrt(np.mean(s ** 2))) if s.size else 0.0
        print(f"{rms:.6f} {len(s) / rate:.2f}")
        return 0
    tolerance, pans = 0.05, None
    freqs = []
    i = 0
    while i < len(rest):
        if rest[i] == "--tolerance":
            tolerance = float(rest[i + 1]); i += 2
        elif rest[i] == "--pans":
            pans = (float(rest[i + 1]), float(rest[i + 2])); i += 3
        else:
            freqs.append(float(rest[i])); i += 1
    rate, s = read_wav(path)
    seconds = len(s) / rate
    mixed = s.mean(axis=1)
    print(f"{path}: {seconds:.2f} s at {rate} Hz, rms {np.sqrt(np.mean(mixed ** 2)):.4f}")
    if seconds < 1.0:
        print("FAIL: less than a second recorded")
        return 1
    mag, step = spectrum(mixed, rate)
    ok = True
    for f in freqs:
        found, level = peak_near(mag, step, f)
        good = abs(found - f) <= tolerance and level > 1e-3 * mag.max()
        ok &= good
        print(f"{'ok  ' if good else 'FAIL'} tone {f:.2f} Hz: peak at {found:.3f} Hz ({found - f:+.3f})")
    if mode == "check" and pans:
        for ch, (name, wanted) in enumerate(zip(("left", "right"), pans)):
            cm, cstep = spectrum(s[:, ch], rate)
            levels = {f: peak_near(cm, cstep, f, 0.5)[1] for f in freqs}
            other = [f for f in freqs if f != wanted]
            for f in other:
                db = 20 * np.log10(levels[wanted] / max(levels[f], 1e-30))
                good = db >= 40
                ok &= good
                print(f"{'ok  ' if good else 'FAIL'} {name} channel: {wanted:.2f} Hz is {db:.1f} dB above {f:.2f} Hz")
    return 0 if ok or mode == "spectrum" else 1


if __name__ == "__main__":
    sys.exit(main())
