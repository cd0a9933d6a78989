#!/usr/bin/python3
"""An independent check of the tie figures of `tessarin-cli tie`, worked with numpy.

From a project's synthetic (its text export), make a seismic trace with a known shift, phase and
noise, on the synthetic's own sample times so that no resampling enters, write it as a text
trace, tie it with tessarin-cli and work the same figures with numpy: r at zero lag, the lag
curve and its peak placed by a parabola, the phase and lag searched together, PEP.

Usage: tie_check.py PROJECT.tsp [--cli PATH] [--shift-samples N] [--phase DEG] [--noise F]
/usr/bin/python3 (Debian's, with numpy and python3-segyio).
"""
import argparse
import json
import os
import subprocess
import tempfile

import numpy as np


def synthetic_of(cli, project, folder):
    """The synthetic's two-way times and amplitudes: the times from the project's text export,
    the amplitudes from its SEG-Y export, whose 32-bit samples keep more digits than the text.
    The project's synthetic must start at time 0 (a Start of Log datum), so that the SEG-Y
    trace holds its samples unmoved."""
    import segyio

    dat = os.path.join(folder, "synthetic.dat")
    prefix = os.path.join(folder, "synthetic_")
    subprocess.run([cli, "export", project, "--dat", dat, "--segy", prefix, "--traces", "1"],
                   check=True)
    with open(dat, encoding="latin-1") as f:
        times = np.array([float(line.split()[-7]) for line in f.readlines()[5:]])
    if abs(times[0]) > 1e-9:
        raise SystemExit("the synthetic must start at time 0: use a Start of Log datum")
    with segyio.open(prefix + "normal.sgy", ignore_geometry=True) as f:
        values = np.array(f.trace[0][:len(times)], dtype=float)
    return times, values


def hilbert(x):
    """The quadrature trace: the imaginary part of the analytic signal of the trace taken as zero
    beyond its samples, padded to twice its length so that its end does not wrap onto its start."""
    n = 2 * len(x)
    spectrum = np.fft.fft(x, n)
    h = np.zeros(n)
    h[0] = 1
    h[n // 2] = 1
    h[1:n // 2] = 2
    return np.imag(np.fft.ifft(spectrum * h))[:len(x)]


def rotated(s, hs, degrees):
    phi = np.radians(degrees)
    return s * np.cos(phi) - hs * np.sin(phi)


def pearson(x, d):
    return float(np.corrcoef(x, d)[0, 1])


def parabola(left, centre, right):
    curvature = left - 2 * centre + right
    if not curvature < 0:
        return 0.0, centre
    offset = 0.5 * (left - right) / curvature
    return offset, centre - 0.25 * (left - right) * offset


def lag_curve(x, d_of_lag, lags):
    return np.array([pearson(x, d_of_lag(m)) for m in range(-lags, lags + 1)])


def peak(curve, lags, dt):
    k = int(np.nanargmax(curve))
    if 0 < k < len(curve) - 1:
        offset, r = parabola(curve[k - 1], curve[k], curve[k + 1])
    else:
        offset, r = 0.0, curve[k]
    return (k - lags + offset) * dt, r


def pep(x, d):
    a = np.dot(x, d) / np.dot(x, x)
    return 1 - np.sum((d - a * x) ** 2) / np.sum(d * d)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("project")
    parser.add_argument("--cli", default="build/bin/tessarin-cli")
    parser.add_argument("--shift-samples", type=int, default=6)
    parser.add_argument("--phase", type=float, default=40.0)
    parser.add_argument("--noise", type=float, default=0.2)
    args = parser.parse_args()

    with tempfile.TemporaryDirectory() as folder:
        t, s = synthetic_of(args.cli, args.project, folder)
        dt = t[1] - t[0]
        hs = hilbert(s)
        rng = np.random.default_rng(7)
        seismic = rotated(s, hs, args.phase)
        seismic = seismic + args.noise * np.std(seismic) * rng.standard_normal(len(s))
        shift = args.shift_samples
        trace = os.path.join(folder, "seismic.txt")
        with open(trace, "w") as f:
            for ti, v in zip(t + shift * dt, seismic):
                f.write(f"{ti:.6f} {v:.9g}\n")
        out = subprocess.run([args.cli, "tie", args.project, "--seismic", trace, "--json"],
                             check=True, capture_output=True, text=True).stdout
        tool = json.loads(out)

        # The window is the overlap: the synthetic from the seismic's first sample on.
        n = len(s) - shift
        lags = int(round(0.100 / dt))
        x0, h0 = s[shift:], hs[shift:]
        d = np.concatenate([np.full(lags, np.nan), seismic, np.full(lags + shift, np.nan)])

        def d_at(m):  # the seismic at the window's samples, m samples later
            return d[lags + m: lags + m + n]

        def r_at(x, m):
            dm = d_at(m)
            ok = ~np.isnan(dm)
            return pearson(x[ok], dm[ok]) if ok.sum() >= 0.5 * n else np.nan

        r0 = r_at(x0, 0)
        curve = np.array([r_at(x0, m) for m in range(-lags, lags + 1)])
        best_lag, best_r = peak(curve, lags, dt)
        # Each whole phase's lag peak; the best phase placed between phases by a parabola,
        # its lag moved as far towards the neighbour on that side.
        peaks = []
        for p in range(-180, 180):
            xp = rotated(x0, h0, p)
            peaks.append(peak(np.array([r_at(xp, m) for m in range(-lags, lags + 1)]), lags, dt))
        k = int(np.argmax([r for _, r in peaks]))
        offset, r = parabola(peaks[k - 1][1], peaks[k][1], peaks[(k + 1) % 360][1])
        side = peaks[(k + (1 if offset > 0 else -1)) % 360]
        lag = peaks[k][0] + abs(offset) * (side[0] - peaks[k][0])
        best = (k - 180 + offset, lag, r)
        ok = ~np.isnan(d_at(0))
        fit = pep(x0[ok], d_at(0)[ok])

    print(f"{'':22}{'tessarin-cli':>14}{'numpy':>14}")
    rows = [("r at zero lag", tool["zero_lag_r"], r0),
            ("best lag (ms)", tool["best_lag"]["lag_ms"], best_lag * 1000),
            ("r at best lag", tool["best_lag"]["r"], best_r),
            ("best phase (deg)", tool["best_phase"]["phase_degrees"], best[0]),
            ("lag at best phase (ms)", tool["best_phase"]["lag_ms"], best[1] * 1000),
            ("r at best phase", tool["best_phase"]["r"], best[2]),
            ("PEP at zero lag", tool["pep"]["zero_lag"], fit)]
    for name, a, b in rows:
        print(f"{name:22}{a:14.4f}{b:14.4f}")


if __name__ == "__main__":
    main()
