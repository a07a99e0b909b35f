// Synthesises the demo classroom's sound cues and writes them with the sound list 新音ファイル.txt:
//   pekuru-make-sounds <sound folder>      (data/sample/教室/音フォルダ for the demo classroom)
//
// Every sound is built from sine partials under smooth envelopes (bell-like chimes, a soft low
// buzz, small jingles and a fanfare), 16-bit PCM mono at 22050 Hz, peaks well below full scale and
// fades at both ends so that nothing clicks. The output depends on nothing but this file: the same
// program writes the same bytes on every run.
#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <iterator>
#include <vector>

#include "platform/Cp932.h"
#include "platform/ProgramError.h"
namespace {

constexpr int kRate = 22050;
constexpr double kPi = 3.14159265358979323846;
constexpr double kPeak = 0.55;  // of full scale: clear but never loud or clipped

// Equal-tempered pitch of a note, from A4 = 440 Hz; `semitones` counts from A4.
double pitch(int semitones) { return 440.0 * std::pow(2.0, semitones / 12.0); }
// Some notes by name (semitones from A4).
constexpr int G3 = -14, G4 = -2, A4 = 0, C5 = 3, D5 = 5, E5 = 7, G5 = 10, C6 = 15, E6 = 19, G6 = 22, C7 = 27;

struct Partial {
    double ratio;  // frequency as a multiple of the note's
    double level;  // amplitude relative to the first partial
    double decay;  // how much faster than the note this partial fades (1 = as fast)
};

const std::vector<Partial> kBell = {{1.0, 1.0, 1.0}, {2.0, 0.35, 1.6}, {3.0, 0.12, 2.4}, {4.2, 0.05, 3.5}};
const std::vector<Partial> kSoft = {{1.0, 1.0, 1.0}, {2.0, 0.2, 1.5}};
const std::vector<Partial> kBuzz = {{1.0, 1.0, 1.0}, {3.0, 0.28, 1.0}, {5.0, 0.1, 1.0}, {7.0, 0.04, 1.0}};
const std::vector<Partial> kBrass = {{1.0, 1.0, 1.0},  {2.0, 0.6, 1.0},  {3.0, 0.4, 1.0},
                                     {4.0, 0.22, 1.0}, {5.0, 0.12, 1.0}, {6.0, 0.06, 1.0}};

class Sound {
  public:
    // `peak`: the loudest sample as a fraction of full scale.
    explicit Sound(double seconds, double peak = kPeak)
        : peak_(peak), samples_(std::size_t(seconds * kRate), 0.0) {}

    // A struck note: quick attack, then an exponential fade with time constant `tau` seconds.
    void strike(double at, int note, double level, double tau, const std::vector<Partial>& partials,
                double length = 10.0) {
        const double f = pitch(note);
        for (std::size_t i = start(at); i < samples_.size(); ++i) {
            const double t = double(i) / kRate - at;
            if (t > length) break;
            const double attack = std::min(1.0, t / 0.004);
            const double release = t > length - 0.03 ? std::max(0.0, (length - t) / 0.03) : 1.0;
            double v = 0.0;
            for (const Partial& p : partials)
                v += p.level * std::exp(-t * p.decay / tau) * std::sin(2 * kPi * f * p.ratio * t);
            samples_[i] += level * attack * release * v;
        }
    }

    // A held note: smooth attack and release, an optional gentle vibrato and pitch glide.
    void hold(double at, double length, int note, double level, const std::vector<Partial>& partials,
              double attackTime = 0.02, double vibrato = 0.0, double glide = 0.0) {
        const double f = pitch(note);
        double phase = 0.0;
        const double releaseTime = std::min(0.06, length / 3);
        for (std::size_t i = start(at); i < samples_.size(); ++i) {
            const double t = double(i) / kRate - at;
            if (t > length) break;
            const double env = std::min(1.0, t / attackTime) * std::min(1.0, (length - t) / releaseTime);
            const double freq =
                f * (1.0 + glide * t / length) * (1.0 + vibrato * std::sin(2 * kPi * 5.5 * t));
            phase += 2 * kPi * freq / kRate;
            double v = 0.0;
            for (const Partial& p : partials) v += p.level * std::sin(p.ratio * phase);
            samples_[i] += level * env * v;
        }
    }

    // 16-bit PCM, scaled so that the loudest sample sits at the peak, with 5 ms fades at both ends.
    QByteArray pcm() const {
        double peak = 0.0;
        for (double s : samples_) peak = std::max(peak, std::abs(s));
        const double scale = peak > 0 ? peak_ * 32767.0 / peak : 0.0;
        const std::size_t fade = kRate / 200;
        QByteArray out;
        out.reserve(qsizetype(samples_.size() * 2));
        for (std::size_t i = 0; i < samples_.size(); ++i) {
            double edge = 1.0;
            if (i < fade) edge = double(i) / fade;
            if (samples_.size() - 1 - i < fade) edge = double(samples_.size() - 1 - i) / fade;
            const long v = std::lround(samples_[i] * scale * edge);
            const auto s = std::int16_t(std::clamp(v, -32768L, 32767L));
            out.append(char(s & 0xFF));
            out.append(char((s >> 8) & 0xFF));
        }
        return out;
    }

  private:
    std::size_t start(double at) const { return std::size_t(std::lround(at * kRate)); }
    double peak_;
    std::vector<double> samples_;
};

void put32(QByteArray& b, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b.append(char((v >> (8 * i)) & 0xFF));
}
void put16(QByteArray& b, std::uint16_t v) {
    b.append(char(v & 0xFF));
    b.append(char(v >> 8));
}

QByteArray waveFile(const Sound& sound) {
    const QByteArray data = sound.pcm();
    QByteArray b("RIFF");
    put32(b, std::uint32_t(36 + data.size()));
    b.append("WAVEfmt ");
    put32(b, 16);
    put16(b, 1);  // PCM
    put16(b, 1);  // mono
    put32(b, kRate);
    put32(b, kRate * 2);
    put16(b, 2);
    put16(b, 16);
    b.append("data");
    put32(b, std::uint32_t(data.size()));
    b.append(data);
    return b;
}

// "ピンポン": two bell strokes falling a major third.
Sound pinpon1() {
    Sound s(0.95);
    s.strike(0.00, E6, 1.0, 0.28, kBell);
    s.strike(0.26, C6, 1.0, 0.32, kBell);
    return s;
}

// A rising sparkle: three quick bell notes and a soft high one.
Sound pinpon2() {
    Sound s(0.85);
    s.strike(0.00, C6, 0.8, 0.22, kBell);
    s.strike(0.09, E6, 0.8, 0.22, kBell);
    s.strike(0.18, G6, 0.9, 0.26, kBell);
    s.strike(0.30, C7, 0.45, 0.28, kBell);
    return s;
}

// "ブッブー": a soft low double buzz with only a few odd partials, so it hums rather than rasps. A
// held tone carries far more energy than a fading chime, so its peak is set lower to sound as loud.
Sound bubu1() {
    Sound s(0.72, 0.3);
    s.hold(0.00, 0.17, G3, 1.0, kBuzz, 0.015);
    s.hold(0.24, 0.45, G3, 1.0, kBuzz, 0.015, 0.0, -0.04);
    return s;
}

// A personal record: a rising arpeggio into a ringing chord.
Sound jiko1() {
    Sound s(1.6);
    const int notes[] = {C5, E5, G5, C6};
    for (int k = 0; k < 4; ++k) s.strike(0.11 * k, notes[k], 0.8, 0.3, kBell);
    for (int n : {C5, E5, G5, C6}) s.strike(0.50, n, 0.45, 0.45, kBell);
    s.hold(0.50, 1.05, C6, 0.12, kSoft, 0.05, 0.004);
    return s;
}

// The best of all students: a brighter run, a chord and a twinkle on top.
Sound saikou1() {
    Sound s(1.9);
    const int notes[] = {G5, C6, E6, G6};
    for (int k = 0; k < 4; ++k) s.strike(0.09 * k, notes[k], 0.8, 0.25, kBell);
    for (int n : {C6, E6, G6}) s.strike(0.42, n, 0.5, 0.5, kBell);
    s.hold(0.42, 1.4, C5, 0.25, kSoft, 0.04, 0.005);
    s.hold(0.42, 1.4, G5, 0.15, kSoft, 0.04, 0.005);
    for (int k = 0; k < 4; ++k) s.strike(0.75 + 0.16 * k, k % 2 ? G6 : C7, 0.22, 0.12, kBell);
    return s;
}

// A pass: a short fanfare, "ta-ta-ta taan", brass-like with a fifth on the last note.
Sound goukaku() {
    Sound s(1.9);
    s.hold(0.00, 0.13, G4, 0.8, kBrass, 0.015);
    s.hold(0.17, 0.13, G4, 0.8, kBrass, 0.015);
    s.hold(0.34, 0.13, G4, 0.8, kBrass, 0.015);
    s.hold(0.52, 1.30, C5, 0.9, kBrass, 0.03, 0.006);
    s.hold(0.52, 1.30, G5, 0.35, kBrass, 0.05, 0.006);
    s.hold(0.52, 1.30, E5, 0.30, kSoft, 0.05, 0.006);
    return s;
}

// Not passed this time: a gentle falling "ポロロン", mellow and short.
Sound zannen1() {
    Sound s(1.1);
    s.strike(0.00, E5, 0.8, 0.3, kSoft);
    s.strike(0.16, D5, 0.8, 0.3, kSoft);
    s.strike(0.32, C5, 0.8, 0.35, kSoft);
    s.strike(0.48, A4, 0.9, 0.4, kSoft);
    return s;
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "pekuru-make-sounds: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: pekuru-make-sounds <sound folder>\n");
        return 2;
    }
    QCoreApplication app(argc, argv);  // the arguments as Unicode, on Windows too
    const QString folder = QCoreApplication::arguments().at(1);
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "pekuru-make-sounds: cannot make %s\n", argv[1]);
        return 1;
    }
    struct Named {
        const char* name;
        Sound sound;
    };
    const Named sounds[] = {
        {"pinpon1", pinpon1()}, {"pinpon2", pinpon2()}, {"bubu1", bubu1()},     {"jiko1", jiko1()},
        {"最高1", saikou1()},   {"合格", goukaku()},    {"zannen1", zannen1()},
    };
    for (const Named& n : sounds) {
        if (!writeFile(folder + QLatin1Char('/') + QString::fromUtf8(n.name) + QStringLiteral(".wav"),
                       waveFile(n.sound)))
            return 1;
    }

    // The sound list: every cue gets a section; the cues the program does not play reuse files.
    const QStringList sections[] = {
        {QStringLiteral("正解音1"), QStringLiteral("pinpon1")},
        {QStringLiteral("正解音2"), QStringLiteral("pinpon1"), QStringLiteral("pinpon2")},
        {QStringLiteral("間違い音1"), QStringLiteral("bubu1")},
        {QStringLiteral("間違い音2"), QStringLiteral("bubu1")},
        {QStringLiteral("最高音1"), QStringLiteral("最高1")},
        {QStringLiteral("最高音2"), QStringLiteral("最高1")},
        {QStringLiteral("自己最高音1"), QStringLiteral("jiko1")},
        {QStringLiteral("自己最高音2"), QStringLiteral("jiko1")},
        {QStringLiteral("自己最高音3"), QStringLiteral("jiko1")},
        {QStringLiteral("不合格音1"), QStringLiteral("zannen1")},
    };
    QString list;
    for (const QStringList& section : sections) {
        for (const QString& value : section) list += QLatin1Char('"') + value + QStringLiteral("\"\r\n");
        list += QStringLiteral("\"*\"\r\n");
    }
    QByteArray bytes;
    try {
        bytes = pekuru::cp932::encode(list, QStringLiteral("新音ファイル.txt"));
    } catch (const pekuru::ProgramError& e) {
        std::fprintf(stderr, "pekuru-make-sounds: %s\n", e.what());
        return 1;
    }
    if (!writeFile(folder + QStringLiteral("/新音ファイル.txt"), bytes)) return 1;
    std::printf("pekuru-make-sounds: %zu sounds and 新音ファイル.txt in %s\n", std::size(sounds),
                qPrintable(folder));
    return 0;
}
