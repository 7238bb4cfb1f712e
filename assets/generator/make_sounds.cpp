// Makes the game's four sounds from nothing but arithmetic:
//
//   駒打音.wav  a piece set down on the board: a short, dry wooden knock
//   禁止.wav    a refused move: a soft, low two-note "bonk" going down
//   その他.wav  the About box: a gentle two-note bell chime
//   BGM.wav     background music: koto over a quiet drone, in the
//               hirajōshi scale on D, made to loop without a seam
//
// Usage: mirelo-soundgen <output folder>
//
// Everything is deterministic (fixed seeds, no clock), so running it again
// gives the same files.  Plain C++20: no audio library is involved.

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 44100;
constexpr double kPi = std::numbers::pi;

using Signal = std::vector<double>;

std::size_t samplesFor(double seconds) { return static_cast<std::size_t>(std::llround(seconds * kRate)); }

// std::mt19937 gives the same numbers with every compiler, the standard
// distributions do not, so the conversion to [0, 1) is done here.
class Noise {
public:
    explicit Noise(std::uint32_t seed) : engine_(seed) {}
    double unit() { return static_cast<double>(engine_() >> 8) / 16777216.0; }
    double bipolar() { return 2.0 * unit() - 1.0; }

private:
    std::mt19937 engine_;
};

// Second-order section from the usual audio cookbook formulas.
class Biquad {
public:
    static Biquad lowPass(double hertz, double q) { return make(hertz, q, Kind::Low); }
    static Biquad highPass(double hertz, double q) { return make(hertz, q, Kind::High); }
    static Biquad bandPass(double hertz, double q) { return make(hertz, q, Kind::Band); }

    double operator()(double x) {
        const double y = b0_ * x + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
        x2_ = x1_;
        x1_ = x;
        y2_ = y1_;
        y1_ = y;
        return y;
    }

    void run(Signal& s) {
        for (double& v : s) v = (*this)(v);
    }

private:
    enum class Kind { Low, High, Band };

    static Biquad make(double hertz, double q, Kind kind) {
        const double w = 2.0 * kPi * hertz / kRate;
        const double alpha = std::sin(w) / (2.0 * q);
        const double c = std::cos(w);
        Biquad f;
        double b0 = 0, b1 = 0, b2 = 0;
        switch (kind) {
        case Kind::Low:
            b0 = (1 - c) / 2;
            b1 = 1 - c;
            b2 = (1 - c) / 2;
            break;
        case Kind::High:
            b0 = (1 + c) / 2;
            b1 = -(1 + c);
            b2 = (1 + c) / 2;
            break;
        case Kind::Band:
            b0 = alpha;
            b1 = 0;
            b2 = -alpha;
            break;
        }
        const double a0 = 1 + alpha;
        f.b0_ = b0 / a0;
        f.b1_ = b1 / a0;
        f.b2_ = b2 / a0;
        f.a1_ = -2 * c / a0;
        f.a2_ = (1 - alpha) / a0;
        return f;
    }

    double b0_ = 1, b1_ = 0, b2_ = 0, a1_ = 0, a2_ = 0;
    double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

// A decaying sine that starts at zero, as a struck mode of wood or metal.
void addMode(Signal& s, std::size_t at, double hertz, double amplitude, double decaySeconds, double phase = 0.0) {
    const double w = 2.0 * kPi * hertz / kRate;
    const double k = std::exp(-1.0 / (decaySeconds * kRate));
    double envelope = amplitude;
    for (std::size_t i = at; i < s.size(); ++i) {
        s[i] += envelope * std::sin(w * static_cast<double>(i - at) + phase);
        envelope *= k;
        if (envelope < 1e-7) break;
    }
}

// Brings the last `seconds` smoothly to exactly zero, so the sound never
// ends on a step.
void fadeOut(Signal& s, double seconds) {
    const std::size_t n = std::min(s.size(), samplesFor(seconds));
    for (std::size_t i = 0; i < n; ++i) {
        const double x = static_cast<double>(i + 1) / static_cast<double>(n);  // 1/n .. 1
        s[s.size() - n + i] *= 0.5 * (1.0 + std::cos(kPi * x));
    }
}

void fadeIn(Signal& s, double seconds) {
    const std::size_t n = std::min(s.size(), samplesFor(seconds));
    for (std::size_t i = 0; i < n; ++i)
        s[i] *= 0.5 * (1.0 - std::cos(kPi * static_cast<double>(i) / static_cast<double>(n)));
}

double peakOf(const Signal& s) {
    double peak = 0;
    for (double v : s) peak = std::max(peak, std::abs(v));
    return peak;
}

void scaleToPeak(Signal& s, double peak) {
    const double now = peakOf(s);
    if (now > 0)
        for (double& v : s) v *= peak / now;
}

double meanOf(const Signal& s) {
    double sum = 0;
    for (double v : s) sum += v;
    return sum / static_cast<double>(s.size());
}

// For one-shot sounds: the struck modes leave a little DC behind; a gentle
// high-pass removes it without touching anything audible, and the fades put
// both ends at rest afterwards.
void finishOneShot(Signal& s, double peak, double fadeSeconds) {
    Biquad::highPass(25.0, 0.707).run(s);
    s[0] = 0.0;
    fadeOut(s, fadeSeconds);
    scaleToPeak(s, peak);
}

bool writeWav(const std::filesystem::path& path, const Signal& s) {
    std::vector<std::uint8_t> bytes;
    auto put16 = [&](std::uint32_t v) {
        bytes.push_back(static_cast<std::uint8_t>(v));
        bytes.push_back(static_cast<std::uint8_t>(v >> 8));
    };
    auto put32 = [&](std::uint32_t v) {
        put16(v & 0xFFFFu);
        put16(v >> 16);
    };
    auto putId = [&](const char* id) {
        for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<std::uint8_t>(id[i]));
    };
    const auto dataBytes = static_cast<std::uint32_t>(s.size() * 2);
    putId("RIFF");
    put32(36 + dataBytes);
    putId("WAVE");
    putId("fmt ");
    put32(16);
    put16(1);  // PCM
    put16(1);  // mono
    put32(kRate);
    put32(kRate * 2);
    put16(2);
    put16(16);
    putId("data");
    put32(dataBytes);
    for (double v : s) {
        const double scaled = std::round(std::clamp(v, -1.0, 1.0) * 32767.0);
        put16(static_cast<std::uint16_t>(static_cast<std::int16_t>(scaled)));
    }
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

// ---------------------------------------------------------------------------
// 駒打音: a boxwood piece snapped down on a thick wooden board.  A very short
// filtered noise burst is the contact; a few high, quickly dying modes are
// the small hard piece; a few lower ones, a little longer, are the board.

Signal makePieceClick() {
    Signal s(samplesFor(0.17), 0.0);
    Noise noise(0x5eed'0001);

    Signal contact(samplesFor(0.006), 0.0);
    for (std::size_t i = 0; i < contact.size(); ++i)
        contact[i] = noise.bipolar() * std::exp(-static_cast<double>(i) / (0.0007 * kRate));
    Biquad::bandPass(3800.0, 0.9).run(contact);
    for (std::size_t i = 0; i < contact.size(); ++i) s[i + 1] += 1.4 * contact[i];

    struct Mode {
        double hertz, amplitude, decay;
    };
    const Mode piece[] = {{1870, 0.80, 0.020}, {2990, 0.50, 0.013}, {4150, 0.32, 0.009}, {5480, 0.18, 0.006}};
    const Mode board[] = {{182, 0.38, 0.040}, {415, 0.36, 0.032}, {748, 0.30, 0.024}, {1215, 0.22, 0.018}};
    for (const Mode& m : piece) addMode(s, 1, m.hertz, m.amplitude, m.decay);
    for (const Mode& m : board) addMode(s, 1, m.hertz, m.amplitude, m.decay);

    finishOneShot(s, 0.60, 0.05);
    return s;
}

// ---------------------------------------------------------------------------
// 禁止: two soft, round notes a fourth apart going down (E4 then B3), each
// sagging slightly in pitch like a muted wooden "bonk".  Only the first
// three harmonics, low-passed, so it is never harsh.

void addBonk(Signal& s, double start, double hertz, double length, double decay) {
    const std::size_t at = samplesFor(start);
    const std::size_t n = samplesFor(length);
    double phase = 0.0;
    for (std::size_t i = 0; i < n && at + i < s.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double f = hertz * (1.0 - 0.035 * (1.0 - std::exp(-t / 0.05)));  // sags ~60 cents
        phase += 2.0 * kPi * f / kRate;
        const double attack = t < 0.008 ? 0.5 * (1.0 - std::cos(kPi * t / 0.008)) : 1.0;
        const double tail = static_cast<double>(n - i) / static_cast<double>(n);  // ends at zero
        const double envelope = attack * std::exp(-t / decay) * std::min(1.0, tail * 6.0);
        s[at + i] += envelope * (std::sin(phase) + 0.28 * std::sin(2 * phase) + 0.08 * std::sin(3 * phase));
    }
}

Signal makeRefusal() {
    Signal s(samplesFor(0.27), 0.0);
    addBonk(s, 0.000, 329.63, 0.13, 0.055);
    addBonk(s, 0.105, 246.94, 0.165, 0.065);
    Biquad::lowPass(1800.0, 0.707).run(s);
    finishOneShot(s, 0.50, 0.03);
    return s;
}

// ---------------------------------------------------------------------------
// その他: a small bell struck softly, twice, E5 then B5.  Bell partials are
// not harmonic; a faint twin of the fundamental, a hertz away, gives the
// slow shimmer of a real bell.

void addBell(Signal& s, double start, double hertz, double level) {
    const std::size_t at = samplesFor(start);
    struct Partial {
        double ratio, amplitude, decay;
    };
    const Partial partials[] = {
        {1.000, 1.00, 0.42}, {1.0016, 0.35, 0.42}, {2.010, 0.16, 0.26},
        {2.760, 0.09, 0.18}, {4.070, 0.05, 0.11},  {5.400, 0.03, 0.07},
    };
    Signal note(s.size() - at, 0.0);
    for (const Partial& p : partials) addMode(note, 0, hertz * p.ratio, p.amplitude, p.decay);
    fadeIn(note, 0.003);  // a soft mallet, not a hard strike
    for (std::size_t i = 0; i < note.size(); ++i) s[at + i] += level * note[i];
}

Signal makeChime() {
    Signal s(samplesFor(0.9), 0.0);
    addBell(s, 0.00, 659.26, 0.85);
    addBell(s, 0.12, 987.77, 0.70);
    Biquad::lowPass(6000.0, 0.707).run(s);
    finishOneShot(s, 0.50, 0.30);
    return s;
}

// ---------------------------------------------------------------------------
// BGM: a slow koto melody in the hirajōshi scale on D (D E♭ G A B♭), a
// lower koto answering on the strong beats, and a soft drone on D and A.
//
// The loop is 8 bars of 4/4 at 60 beats a minute: exactly 32 s, a whole
// number of samples per beat.  To loop without a seam, every part is built
// on a circle of that length: a note that rings past the end carries on at
// the start, the drone's frequencies are nudged to whole numbers of cycles
// per loop, and the reverb runs over the loop twice so its tail at the start
// is the tail of the loop's own end.

constexpr double kBeat = 1.0;  // seconds
constexpr int kBeats = 32;
const std::size_t kLoop = samplesFor(kBeats * kBeat);

double midiHz(double note) { return 440.0 * std::pow(2.0, (note - 69.0) / 12.0); }

// Adds `note` to the loop starting at `at`, wrapping round its end.
void addCircular(Signal& loop, std::size_t at, const Signal& note) {
    for (std::size_t i = 0; i < note.size(); ++i) loop[(at + i) % loop.size()] += note[i];
}

struct Pluck {
    double beat;    // when, in beats from the loop start
    double note;    // MIDI note number
    double level;   // 0..1
    double ring;    // seconds before the player damps it
    double bend;    // semitones pressed up behind the bridge (oshide), 0 for none
    double bendAt;  // seconds after the pluck that the press begins
};

// One koto string: harmonics shaped by plucking near the bridge (bright),
// the higher ones dying faster; a slight inharmonicity of a stiff silk or
// nylon string; the pitch settling from a touch sharp just after the pluck;
// and the click of the ivory plectrum (tsume).
Signal koto(const Pluck& p, Noise& noise) {
    const double f0 = midiHz(p.note);
    const double ring = p.ring;
    Signal s(samplesFor(ring), 0.0);
    const double pluckPoint = 0.19;
    const double stiffness = 1.2e-4;
    const double baseDecay = 1.5 * std::pow(220.0 / f0, 0.45);
    std::vector<double> amplitude, decayStep, ratio, phase;
    for (int n = 1; n <= 40 && n * f0 < 11000.0; ++n) {
        const double a = std::abs(std::sin(kPi * n * pluckPoint)) / std::pow(n, 1.15);
        // Above ~3 kHz the string's energy falls away quickly.
        const double air = 1.0 / (1.0 + std::pow(n * f0 / 3200.0, 2.0));
        amplitude.push_back(a * air);
        const double tau = baseDecay / (1.0 + 0.45 * std::pow(n - 1, 1.3));
        decayStep.push_back(std::exp(-1.0 / (tau * kRate)));
        ratio.push_back(n * std::sqrt(1.0 + stiffness * n * n));
        phase.push_back(0.0);
    }
    std::vector<double> envelope = amplitude;
    const std::size_t release = samplesFor(0.12);
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        double cents = 14.0 * std::exp(-t / 0.035);
        if (p.bend != 0.0 && t > p.bendAt) {
            // Pressing the string: the pitch rises smoothly over ~0.15 s.
            const double x = std::min(1.0, (t - p.bendAt) / 0.15);
            cents += 100.0 * p.bend * 0.5 * (1.0 - std::cos(kPi * x));
        }
        const double f = f0 * std::pow(2.0, cents / 1200.0);
        double v = 0.0;
        for (std::size_t h = 0; h < amplitude.size(); ++h) {
            phase[h] += 2.0 * kPi * f * ratio[h] / kRate;
            if (phase[h] > 2.0 * kPi) phase[h] -= 2.0 * kPi;
            v += envelope[h] * std::sin(phase[h]);
            envelope[h] *= decayStep[h];
        }
        const double attack = t < 0.0015 ? 0.5 * (1.0 - std::cos(kPi * t / 0.0015)) : 1.0;
        const std::size_t left = s.size() - i;
        const double damp = left < release ? 0.5 * (1.0 - std::cos(kPi * static_cast<double>(left) / release)) : 1.0;
        s[i] = v * attack * damp;
    }
    Signal click(samplesFor(0.004), 0.0);
    for (std::size_t i = 0; i < click.size(); ++i)
        click[i] = noise.bipolar() * std::exp(-static_cast<double>(i) / (0.0008 * kRate));
    Biquad::bandPass(2600.0, 1.2).run(click);
    for (std::size_t i = 0; i < click.size(); ++i) s[i] += 0.25 * click[i];
    for (double& v : s) v *= p.level;
    return s;
}

// A small room: eight damped comb filters in parallel, then four all-pass
// filters, as in the classic Schroeder/Moorer design.
class Room {
public:
    Room() {
        for (int length : {1116, 1188, 1277, 1356, 1422, 1491, 1557, 1617})
            combs_.push_back(Comb{std::vector<double>(static_cast<std::size_t>(length), 0.0)});
        for (int length : {556, 441, 341, 225})
            allpasses_.push_back(std::vector<double>(static_cast<std::size_t>(length), 0.0));
        allpassAt_.assign(allpasses_.size(), 0);
    }

    double operator()(double x) {
        double sum = 0.0;
        for (Comb& c : combs_) {
            const double out = c.line[c.at];
            c.store = out * (1.0 - kDamp) + c.store * kDamp;
            c.line[c.at] = x * kInputGain + c.store * kFeedback;
            c.at = (c.at + 1) % c.line.size();
            sum += out;
        }
        for (std::size_t i = 0; i < allpasses_.size(); ++i) {
            std::vector<double>& line = allpasses_[i];
            std::size_t& at = allpassAt_[i];
            const double delayed = line[at];
            line[at] = sum + delayed * 0.5;
            sum = delayed - sum;
            at = (at + 1) % line.size();
        }
        return sum;
    }

private:
    static constexpr double kFeedback = 0.83;
    static constexpr double kDamp = 0.35;
    static constexpr double kInputGain = 0.015;

    struct Comb {
        std::vector<double> line;
        std::size_t at = 0;
        double store = 0.0;
    };
    std::vector<Comb> combs_;
    std::vector<std::vector<double>> allpasses_;
    std::vector<std::size_t> allpassAt_;
};

// Runs the room over the loop twice and keeps the second pass, whose start
// already carries the reverberation of the loop's end.
Signal withRoom(const Signal& dry, double wet) {
    Room room;
    Signal out(dry.size(), 0.0);
    for (int pass = 0; pass < 2; ++pass)
        for (std::size_t i = 0; i < dry.size(); ++i) {
            const double r = room(dry[i]);
            if (pass == 1) out[i] = dry[i] + wet * r;
        }
    return out;
}

// The drone: sustained tones on D and A, each a sine with a little second
// and third harmonic, with a detuned twin for slow beating, swelling and
// fading over the loop.  Every frequency is a whole number of cycles per
// loop, so the drone is the same at the end as at the start.
Signal drone() {
    Signal s(kLoop, 0.0);
    const double loopSeconds = static_cast<double>(kLoop) / kRate;
    auto wholeCycles = [&](double hertz) { return std::round(hertz * loopSeconds) / loopSeconds; };
    struct Voice {
        double note, level, swellCycles, swellPhase;
    };
    const Voice voices[] = {{38, 1.00, 1, 0.0}, {45, 0.70, 2, 1.3}, {50, 0.55, 1, 2.6}, {57, 0.30, 3, 4.0}};
    for (const Voice& v : voices) {
        const double f = wholeCycles(midiHz(v.note));
        const double twin = f + 7.0 / loopSeconds;  // ~0.22 Hz above: slow beating
        const double swell = v.swellCycles / loopSeconds;
        for (std::size_t i = 0; i < s.size(); ++i) {
            const double t = static_cast<double>(i) / kRate;
            const double a = 2.0 * kPi * f * t;
            const double b = 2.0 * kPi * twin * t;
            const double tone = std::sin(a) + 0.18 * std::sin(2 * a) + 0.05 * std::sin(3 * a) + 0.6 * std::sin(b);
            const double level = 0.65 + 0.35 * std::sin(2.0 * kPi * swell * t + v.swellPhase);
            s[i] += v.level * level * tone;
        }
    }
    return s;
}

std::vector<Pluck> melody() {
    // MIDI numbers: D4 62, E♭4 63, G4 67, A4 69, B♭4 70, D5 74, E♭5 75;
    // B♭3 58.
    return {
        // bar 1
        {0.0, 74, 1.00, 2.2, 0, 0},
        {1.5, 70, 0.70, 1.4, 0, 0},
        {2.0, 69, 0.85, 1.6, 0, 0},
        {3.0, 70, 0.75, 1.6, 0, 0},
        // bar 2
        {4.0, 69, 0.80, 1.0, 0, 0},
        {4.5, 67, 0.70, 1.2, 0, 0},
        {5.0, 63, 0.85, 1.8, 0, 0},
        {6.0, 62, 0.95, 2.6, 0, 0},
        // bar 3
        {8.0, 67, 0.90, 1.6, 0, 0},
        {9.0, 69, 0.80, 1.6, 0, 0},
        {10.0, 70, 0.85, 1.6, 0, 0},
        {11.0, 74, 0.90, 1.8, 0, 0},
        // bar 4: the closing A4 is pressed up to B♭ while it rings
        {12.0, 75, 1.00, 2.0, 0, 0},
        {13.5, 74, 0.70, 1.2, 0, 0},
        {14.0, 70, 0.80, 1.6, 0, 0},
        {15.0, 69, 0.85, 1.9, 1, 0.45},
        // bar 5
        {16.0, 74, 0.95, 2.2, 0, 0},
        {17.5, 70, 0.70, 1.4, 0, 0},
        {18.0, 69, 0.85, 1.6, 0, 0},
        {19.0, 67, 0.80, 1.8, 0, 0},
        // bar 6
        {20.0, 69, 0.80, 1.0, 0, 0},
        {20.5, 70, 0.70, 1.0, 0, 0},
        {21.0, 69, 0.80, 1.6, 0, 0},
        {22.0, 63, 0.85, 1.6, 0, 0},
        {23.0, 62, 0.90, 2.0, 0, 0},
        // bar 7
        {24.0, 58, 0.85, 1.8, 0, 0},
        {25.0, 62, 0.80, 1.6, 0, 0},
        {26.0, 63, 0.85, 1.6, 0, 0},
        {27.0, 67, 0.75, 1.2, 0, 0},
        {27.5, 69, 0.75, 1.2, 0, 0},
        // bar 8: A4 pressed up to B♭ again, then home to D4, whose ring
        // carries over the loop point into bar 1.
        {28.0, 69, 0.95, 1.8, 1, 0.5},
        {29.5, 67, 0.70, 1.0, 0, 0},
        {30.0, 62, 0.95, 3.2, 0, 0},
    };
}

std::vector<Pluck> accompaniment() {
    std::vector<Pluck> parts;
    for (int bar = 0; bar < 8; ++bar) {
        const double b = bar * 4.0;
        const bool onG = bar == 2 || bar == 6;
        const double root = onG ? 43 : 50;   // G2 or D3
        const double fifth = onG ? 50 : 57;  // D3 or A3
        // The two strings of the first beat a hair apart, as a player sweeps.
        parts.push_back({b, root, 0.80, 2.6, 0, 0});
        parts.push_back({b + 0.02, fifth, 0.60, 2.4, 0, 0});
        parts.push_back({b + 2.0, onG ? 55.0 : 62.0, 0.45, 1.8, 0, 0});  // G3 or D4
        parts.push_back({b + 3.5, fifth, 0.40, 1.4, 0, 0});
    }
    // The low bass string at the start of each half.
    parts.push_back({0.0, 38, 0.90, 3.5, 0, 0});
    parts.push_back({16.0, 38, 0.90, 3.5, 0, 0});
    return parts;
}

Signal makeMusic() {
    Noise noise(0x5eed'0004);
    Noise timing(0x5eed'0005);
    auto place = [&](Signal& into, const std::vector<Pluck>& plucks, double level, double spread) {
        for (Pluck p : plucks) {
            // A few milliseconds of human unevenness in time and touch.
            const double late = spread * timing.bipolar();
            p.level *= level * (1.0 + 0.06 * timing.bipolar());
            const double seconds = std::max(0.0, p.beat * kBeat + late);
            addCircular(into, samplesFor(seconds), koto(p, noise));
        }
    };
    Signal mix(kLoop, 0.0);
    place(mix, melody(), 1.0, 0.008);
    place(mix, accompaniment(), 0.55, 0.006);
    const Signal pad = drone();
    for (std::size_t i = 0; i < mix.size(); ++i) mix[i] += 0.045 * pad[i];
    Signal out = withRoom(mix, 1.0);

    const double dc = meanOf(out);
    for (double& v : out) v -= dc;
    scaleToPeak(out, 0.40);

    // The loop may start anywhere on its circle.  Start it at the quietest
    // point just before the first note, so that even the very first play,
    // out of silence, begins without a tick.
    const std::size_t window = samplesFor(0.05);
    std::size_t best = 0;
    double bestScore = 1e9;
    for (std::size_t back = 0; back < window; ++back) {
        const std::size_t i = (kLoop - back) % kLoop;
        const double step = out[i] - out[(i + kLoop - 1) % kLoop];
        const double score = std::abs(out[i]) + 4.0 * std::abs(step);
        if (score < bestScore) {
            bestScore = score;
            best = i;
        }
    }
    std::rotate(out.begin(), out.begin() + static_cast<std::ptrdiff_t>(best), out.end());
    return out;
}

void report(const char* name, const Signal& s) {
    std::printf("%-12s %6.3f s  peak %5.1f dBFS  mean %+.6f  first %+.5f  last %+.5f\n", name,
                static_cast<double>(s.size()) / kRate, 20.0 * std::log10(peakOf(s)), meanOf(s), s.front(), s.back());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        std::fprintf(stderr, "cannot create %s: %s\n", folder.c_str(), error.message().c_str());
        return 1;
    }
    struct Output {
        const char8_t* file;
        Signal (*make)();
    };
    const Output outputs[] = {
        {u8"駒打音.wav", makePieceClick},
        {u8"禁止.wav", makeRefusal},
        {u8"その他.wav", makeChime},
        {u8"BGM.wav", makeMusic},
    };
    for (const Output& o : outputs) {
        const Signal s = o.make();
        const std::filesystem::path path = folder / std::filesystem::path(o.file);
        if (!writeWav(path, s)) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
        report(reinterpret_cast<const char*>(o.file), s);
    }
    return 0;
}
