#pragma once
// A saved session read back as a listener's tools would: the header checked
// against the file's length, the samples per channel, a tone's peak by the
// Goertzel magnitude, and a channel's frequency second by second.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <numbers>
#include <string>
#include <vector>

struct WavSamples {
    std::vector<std::int16_t> left, right;

    // Fails the test unless the file is the plain 44,100 Hz 16-bit stereo
    // format with both sizes agreeing with its length.
    static WavSamples read(const std::string& bytes) {
        auto u32 = [&](std::size_t at) { std::uint32_t v; std::memcpy(&v, bytes.data() + at, 4); return v; };
        auto u16 = [&](std::size_t at) { std::uint16_t v; std::memcpy(&v, bytes.data() + at, 2); return v; };
        WavSamples w;
        EXPECT_GE(bytes.size(), 44u);
        if (bytes.size() < 44) return w;
        EXPECT_EQ(bytes.substr(0, 4) + bytes.substr(8, 8) + bytes.substr(36, 4), "RIFFWAVEfmt data");
        EXPECT_EQ(u32(4), bytes.size() - 8);
        EXPECT_EQ(u32(40), bytes.size() - 44);
        EXPECT_EQ(u32(16), 16u);
        EXPECT_EQ((std::vector<std::uint32_t>{u16(20), u16(22), u32(24), u32(28), u16(32), u16(34)}),
                  (std::vector<std::uint32_t>{1, 2, 44100, 176400, 4, 16}));
        for (std::size_t at = 44; at + 4 <= bytes.size(); at += 4) {
            w.left.push_back(static_cast<std::int16_t>(u16(at)));
            w.right.push_back(static_cast<std::int16_t>(u16(at + 2)));
        }
        return w;
    }
};

// The spectrum of the first n samples of a channel, Hann-windowed: its
// magnitude at any frequency (Goertzel), and its peak near a frequency.
class Spectrum {
public:
    Spectrum(const std::vector<std::int16_t>& x, std::size_t n) : windowed_(n) {
        for (std::size_t i = 0; i < n; ++i)
            windowed_[i] = x[i] * (0.5 - 0.5 * std::cos(2 * std::numbers::pi * double(i) / double(n - 1)));
    }

    double magnitudeAt(double hz) const {
        const double coeff = 2 * std::cos(2 * std::numbers::pi * hz / 44100);
        double s1 = 0, s2 = 0;
        for (double v : windowed_) {
            const double s0 = v + coeff * s1 - s2;
            s2 = s1;
            s1 = s0;
        }
        return std::sqrt(std::max(0.0, s1 * s1 + s2 * s2 - coeff * s1 * s2));
    }

    // Within 1 Hz of `near`: a coarse scan, then a golden-section search
    // down to a ten-thousandth of a hertz.
    double peakNear(double near) const {
        double best = near - 1, bestMagnitude = 0;
        for (double f = near - 1; f <= near + 1; f += 0.05) {
            if (const double m = magnitudeAt(f); m > bestMagnitude) best = f, bestMagnitude = m;
        }
        double lo = best - 0.05, hi = best + 0.05;
        const double g = (std::sqrt(5.0) - 1) / 2;
        while (hi - lo > 1e-4) {
            const double a = hi - g * (hi - lo), b = lo + g * (hi - lo);
            if (magnitudeAt(a) > magnitudeAt(b)) hi = b;
            else lo = a;
        }
        return (lo + hi) / 2;
    }

private:
    std::vector<double> windowed_;
};

// The frequency within second `second`, from the first to the last upward
// zero crossing inside it, each placed between its two samples.
inline double hertzInSecond(const std::vector<std::int16_t>& x, std::size_t second) {
    double first = -1, last = -1;
    int crossings = 0;
    for (std::size_t i = second * 44100; i + 1 < (second + 1) * 44100 && i + 1 < x.size(); ++i) {
        if (x[i] < 0 && x[i + 1] >= 0) {
            const double at = static_cast<double>(i) + double(x[i]) / (x[i] - x[i + 1]);
            if (first < 0) first = at;
            last = at;
            ++crossings;
        }
    }
    return crossings > 1 ? (crossings - 1) * 44100.0 / (last - first) : 0;
}

// The largest step between neighbouring samples.
inline int largestStep(const std::vector<std::int16_t>& x) {
    int most = 0;
    for (std::size_t i = 1; i < x.size(); ++i) most = std::max(most, std::abs(x[i] - x[i - 1]));
    return most;
}
