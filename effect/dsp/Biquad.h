// One second-order filter section: the cookbook design and the direct form I
// recurrence that runs it, per sample or over a block.
#pragma once

namespace dsp {

enum class BiquadType {
    LowShelf = 1,
    HighShelf = 2,
    Peaking = 3,
    LowPass = 4,
    HighPass = 5,
    BandPass = 6,
    Notch = 7,
    AllPass = 8,
};

// b0..a2 are normalised by a0; the design intermediates are kept beside them
// so a test or a display can see what the design worked from.
struct BiquadCoeffs {
    double b0 = 0.0, b1 = 0.0, b2 = 0.0, a1 = 0.0, a2 = 0.0;
    double w0 = 0.0, sinW0 = 0.0, cosW0 = 0.0, alpha = 0.0, A = 0.0, sqrtAOverQ = 0.0, a0 = 0.0;
};

// Last two inputs and outputs of one filter instance.
struct BiquadState {
    double x1 = 0.0, x2 = 0.0, y1 = 0.0, y2 = 0.0;
};

// Type is a number 1..8 (clamped, matched within the runtime's tolerance);
// Q is clamped to [0.01, 10] and frequency to [0.1, sampleRate / 2].
BiquadCoeffs designBiquad(double frequency, double q, double gainDb, double type,
                          double sampleRate);

inline BiquadCoeffs designBiquad(double frequency, double q, double gainDb, BiquadType type,
                                 double sampleRate) {
    return designBiquad(frequency, q, gainDb, static_cast<double>(type), sampleRate);
}

// y = b0·x + b1·x1 + b2·x2 − a1·y1 − a2·y2, evaluated left to right; the
// block form below repeats exactly this expression so both agree bit for bit.
inline double runBiquad(const BiquadCoeffs& c, BiquadState& s, double x) {
    const double y = c.b0 * x + c.b1 * s.x1 + c.b2 * s.x2 - c.a1 * s.y1 - c.a2 * s.y2;
    s.x2 = s.x1;
    s.x1 = x;
    s.y2 = s.y1;
    s.y1 = y;
    return y;
}

// A biquad with its state copied into locals, so a loop running one or more
// of them keeps the state in registers; store() writes it back.
class BiquadRunner {
  public:
    BiquadRunner(const BiquadCoeffs& c, BiquadState& s)
        : b0(c.b0), b1(c.b1), b2(c.b2), a1(c.a1), a2(c.a2), x1(s.x1), x2(s.x2), y1(s.y1), y2(s.y2),
          home(s) {}

    double operator()(double x) {
        const double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
        x2 = x1;
        x1 = x;
        y2 = y1;
        y1 = y;
        return y;
    }

    void store() const { home = BiquadState{x1, x2, y1, y2}; }

  private:
    double b0, b1, b2, a1, a2;
    double x1, x2, y1, y2;
    BiquadState& home;
};

// In place over a block; in and out may be the same buffer.
inline void runBiquadBlock(const BiquadCoeffs& c, BiquadState& s, const double* in, double* out,
                           int frames) {
    BiquadRunner f(c, s);
    for (int i = 0; i < frames; ++i)
        out[i] = f(in[i]);
    f.store();
}

} // namespace dsp
