// The media commands: their words, the wave file reader (our own files and the compressed ones sox
// makes), the honest failures of the real output, and sounds played through the real audio
// back-end to a null output of a sound server that the tests start for themselves.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <csignal>
#include <cstring>
#include <functional>
#include <iostream>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "platform/MediaAudioOutput.h"
#include "platform/MediaCommands.h"
#include "platform/MediaWave.h"
#include "support/TestSupport.h"

using namespace pekuru;

namespace {

QByteArray le16(int v) {
    QByteArray b(2, '\0');
    b[0] = char(v & 0xFF);
    b[1] = char((v >> 8) & 0xFF);
    return b;
}
QByteArray le32(quint32 v) {
    QByteArray b(4, '\0');
    for (int i = 0; i < 4; ++i) b[i] = char((v >> (8 * i)) & 0xFF);
    return b;
}
QByteArray chunk(const char* id, const QByteArray& body) {
    QByteArray c = QByteArray(id, 4) + le32(quint32(body.size())) + body;
    if (body.size() % 2) c.append('\0');
    return c;
}

struct Fmt {
    int tag = 1;
    int channels = 1;
    int rate = 22050;
    int bits = 16;
    int blockAlign = -1;  // -1: channels × bits / 8
    bool extensible = false;
};
QByteArray fmtChunk(const Fmt& f) {
    const int align = f.blockAlign >= 0 ? f.blockAlign : f.channels * f.bits / 8;
    QByteArray body = le16(f.extensible ? 0xFFFE : f.tag) + le16(f.channels) + le32(quint32(f.rate)) +
                      le32(quint32(f.rate * align)) + le16(align) + le16(f.bits);
    if (f.extensible) {
        body += le16(22) + le16(f.bits) + le32(f.channels == 1 ? 4 : 3) + le16(f.tag);
        body += QByteArray::fromHex("000000001000800000aa00389b71");
    }
    return chunk("fmt ", body);
}
QByteArray riff(const QByteArray& chunks, const char* form = "WAVE") {
    return QByteArray("RIFF") + le32(quint32(4 + chunks.size())) + QByteArray(form, 4) + chunks;
}
QByteArray wave(const Fmt& f, const QByteArray& data) { return riff(fmtChunk(f) + chunk("data", data)); }

// A sine tone as 16-bit mono samples.
QByteArray tone(double seconds, int rate, double hertz, int amplitude) {
    constexpr double kPi = 3.14159265358979323846;
    QByteArray b;
    const int n = int(seconds * rate);
    for (int i = 0; i < n; ++i) b += le16(int(std::lround(amplitude * std::sin(2 * kPi * hertz * i / rate))));
    return b;
}

// Makes `path` with sox: a 440 Hz tone at half of full scale, `seconds` long, in `encoding` (as sox
// names it: ima-adpcm, ms-adpcm, u-law, a-law, gsm-full-rate). On failure `why` says what went wrong.
bool soxWave(const QString& path, const QString& encoding, int rate, int channels, double seconds,
             QString& why) {
    const QString sox = QStandardPaths::findExecutable(QStringLiteral("sox"));
    if (sox.isEmpty()) {
        why = QStringLiteral("sox is not installed (Debian: sox; scripts/setup.sh installs it)");
        return false;
    }
    QProcess p;
    p.start(sox, {QStringLiteral("-n"), QStringLiteral("-r"), QString::number(rate), QStringLiteral("-c"),
                  QString::number(channels), QStringLiteral("-e"), encoding, path, QStringLiteral("synth"),
                  QString::number(seconds), QStringLiteral("sine"), QStringLiteral("440"),
                  QStringLiteral("gain"), QStringLiteral("-6")});
    if (!p.waitForFinished(30000) || p.exitCode() != 0) {
        why = QStringLiteral("sox failed: ") + QString::fromLocal8Bit(p.readAllStandardError());
        return false;
    }
    return true;
}

// The compressed codings sox writes in wave files, as tones of 0.5 s, and how many
// frames each block of them decodes to.
struct Coding {
    const char* what;
    QString encoding;
    int rate, channels;
    int blockFrames;
};
const Coding kCodings[] = {
    {"IMA ADPCM", QStringLiteral("ima-adpcm"), 8000, 1, 505},
    {"IMA ADPCM, stereo at 22050 Hz", QStringLiteral("ima-adpcm"), 22050, 2, 505},
    {"Microsoft ADPCM", QStringLiteral("ms-adpcm"), 8000, 1, 500},
    {"μ-law", QStringLiteral("u-law"), 8000, 1, 1},
    {"A-law", QStringLiteral("a-law"), 8000, 1, 1},
    {"GSM 6.10", QStringLiteral("gsm-full-rate"), 8000, 1, 320},
};

// What one channel of 16-bit samples carries: where it is loud (beyond ±1000), and its pitch,
// counted in swings from below -1000 to above 1000 and back, so that the noise of a lossy coding
// about zero does not count.
struct Heard {
    qsizetype first = -1, last = -1, loud = 0;
    int peak = 0;
    double span = 0.0;  // seconds from the first loud sample to the last
    double hertz = 0.0;
};
Heard hear(const qint16* s, qsizetype frames, int stride, int rate) {
    constexpr int kLoud = 1000;
    Heard h;
    int side = 0;
    qsizetype swings = 0;
    for (qsizetype i = 0; i < frames; ++i) {
        const int v = s[i * stride];
        h.peak = std::max(h.peak, std::abs(v));
        if (std::abs(v) <= kLoud) continue;
        if (h.first < 0) h.first = i;
        h.last = i;
        ++h.loud;
        const int now = v > 0 ? 1 : -1;
        if (side != 0 && now != side) ++swings;
        side = now;
    }
    if (h.last > h.first) {
        h.span = double(h.last - h.first) / rate;
        h.hertz = swings / 2.0 / h.span;
    }
    return h;
}
Heard hear(const WaveSound& sound) {
    return hear(reinterpret_cast<const qint16*>(sound.frames.constData()), qsizetype(sound.frameCount()),
                sound.channels, sound.sampleRate);
}

// A PulseAudio sound server in a scratch folder, reachable only through its own socket, with a
// null output (or none). Started as a daemon, it is ready when its start command returns; it is
// stopped with this object, and leaves by itself five seconds after its last client (should a
// test die). With an output, a silent stream of 20 ms latency keeps the null output running in
// real time, as a sound card would, instead of in blocks of two seconds.
class SoundServer {
  public:
    explicit SoundServer(bool withOutput) : withOutput_(withOutput) {}
    ~SoundServer() {
        if (keepAlive_.state() != QProcess::NotRunning) {
            keepAlive_.terminate();
            keepAlive_.waitForFinished(3000);
        }
        if (daemonPid_ > 0 && ::kill(daemonPid_, SIGTERM) == 0) {
            // Its scratch folder can go only once it has left and stopped writing there.
            for (int i = 0; i < 150 && running(daemonPid_); ++i) QThread::msleep(20);
        }
    }

    // Starts the server; on failure `why` says what is missing.
    bool start(QString& why) {
        const QString pulseaudio = QStandardPaths::findExecutable(QStringLiteral("pulseaudio"));
        pacat_ = QStandardPaths::findExecutable(QStringLiteral("pacat"));
        pactl_ = QStandardPaths::findExecutable(QStringLiteral("pactl"));
        if (pulseaudio.isEmpty() || pacat_.isEmpty() || pactl_.isEmpty()) {
            why = QStringLiteral(
                "pulseaudio, pacat or pactl is not installed (Debian: pulseaudio, pulseaudio-utils)");
            return false;
        }
        const QString run = dir_.filePath(QStringLiteral("run"));
        QDir(dir_.path()).mkpath(QStringLiteral("home"));
        QDir(dir_.path()).mkpath(QStringLiteral("run"));
        QFile::setPermissions(run, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), dir_.filePath(QStringLiteral("home")));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), run);
        env.remove(QStringLiteral("PULSE_SERVER"));
        QStringList args = {QStringLiteral("--daemonize=yes"), QStringLiteral("--exit-idle-time=5"),
                            QStringLiteral("-n"), QStringLiteral("--disable-shm=yes"),
                            QStringLiteral("--log-target=stderr")};
        if (withOutput_)
            args << QStringLiteral("-L") << QStringLiteral("module-null-sink sink_name=%1").arg(sink());
        args << QStringLiteral("-L")
             << QStringLiteral("module-native-protocol-unix socket=%1 auth-anonymous=1")
                    .arg(dir_.filePath(QStringLiteral("native")));
        QProcess daemon;
        daemon.setProcessEnvironment(env);
        daemon.start(pulseaudio, args);
        if (!daemon.waitForFinished(20000) || daemon.exitCode() != 0) {
            why = QStringLiteral("pulseaudio did not start: ") +
                  QString::fromLocal8Bit(daemon.readAllStandardError());
            return false;
        }
        daemonPid_ =
            QString::fromLatin1(test::readBytes(run + QStringLiteral("/pulse/pid"))).trimmed().toInt();
        if (!withOutput_) return true;
        // Bounded, so that it cannot outlive a test that dies.
        keepAlive_.setStandardInputFile(QStringLiteral("/dev/zero"));
        keepAlive_.start(QStringLiteral("timeout"),
                         {QStringLiteral("120"), pacat_, QStringLiteral("--server=") + address(),
                          QStringLiteral("--playback"), QStringLiteral("--device=") + sink(),
                          QStringLiteral("--latency-msec=20"), QStringLiteral("--rate=44100"),
                          QStringLiteral("--channels=2"), QStringLiteral("--format=s16le")});
        if (!keepAlive_.waitForStarted(5000)) {
            why = QStringLiteral("the silent stream did not start: ") + keepAlive_.errorString();
            return false;
        }
        return true;
    }

    QString address() const { return QStringLiteral("unix:") + dir_.filePath(QStringLiteral("native")); }
    QString sink() const { return QStringLiteral("pekuru_null"); }
    const QString& pacat() const { return pacat_; }

    // The output of `pactl` with these arguments, or nothing if it failed.
    std::optional<QString> pactl(const QStringList& args) const {
        QProcess p;
        p.start(pactl_, QStringList{QStringLiteral("--server=") + address()} + args);
        if (!p.waitForFinished(5000) || p.exitCode() != 0) return std::nullopt;
        return QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
    }

    // The null output's latency in microseconds, the larger of what it has and what it is set to
    // (very large if unknown): a short one once the silent stream holds it.
    qint64 outputLatencyUsec() const {
        const QString sinks = pactl({QStringLiteral("list"), QStringLiteral("sinks")}).value_or(QString());
        const QRegularExpressionMatch m =
            QRegularExpression(QStringLiteral("Latency: (\\d+) usec, configured (\\d+) usec")).match(sinks);
        if (!m.hasMatch()) return std::numeric_limits<qint64>::max();
        return std::max(m.captured(1).toLongLong(), m.captured(2).toLongLong());
    }

  private:
    // Whether the process still runs: a daemon is not our child, and whoever adopts it may be slow
    // to reap it, so a zombie counts as gone.
    static bool running(qint64 pid) {
        const QByteArray stat = test::readBytes(QStringLiteral("/proc/%1/stat").arg(pid));
        const qsizetype state = stat.lastIndexOf(')') + 2;  // after the command name in brackets
        return state >= 2 && state < stat.size() && stat[state] != 'Z';
    }

    bool withOutput_;
    QTemporaryDir dir_;
    QString pacat_, pactl_;
    qint64 daemonPid_ = 0;
    QProcess keepAlive_;
};

// Waits up to five seconds, in steps of 20 ms, for `ready`. Only the playback test waits: for
// the null output to come down to a short latency and for the recorder to connect.
template <typename F>
bool waitUntil(F ready) {
    for (int i = 0; i < 250; ++i) {
        if (ready()) return true;
        QThread::msleep(20);
    }
    return false;
}

// Runs media_probe with PULSE_SERVER set to `server` and returns the code it printed.
int probe(const QString& server, const QString& command, QString* text) {
    QTemporaryDir home;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("PULSE_SERVER"), server);
    env.insert(QStringLiteral("HOME"), home.path());
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.path());
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(PEKURU_MEDIA_PROBE), {command});
    if (!p.waitForFinished(30000)) return -1;
    const QStringList lines = QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\n'));
    if (text && lines.size() > 1) *text = lines[1];
    bool ok = false;
    const int code = lines.value(0).toInt(&ok);
    return ok ? code : -1;
}

// Records that an event reached it.
class EventWitness : public QObject {
  public:
    bool keySeen = false;
    bool event(QEvent* e) override {
        if (e->type() == QEvent::KeyPress) keySeen = true;
        return QObject::event(e);
    }
};

}  // namespace

TEST(MediaCommand, TakesPlayWaitWithAQuotedOrABarePath) {
    struct Case {
        QString command;
        int result;
        QString path;
    };
    const Case cases[] = {
        {QStringLiteral("play \"/a/音 フォルダ/pinpon1.wav\" wait"), MediaOk,
         QStringLiteral("/a/音 フォルダ/pinpon1.wav")},
        {QStringLiteral("play /a/音フォルダ/pinpon1.wav wait"), MediaOk,
         QStringLiteral("/a/音フォルダ/pinpon1.wav")},
        {QStringLiteral("  PLAY   \"x.wav\"   WAIT  "), MediaOk, QStringLiteral("x.wav")},
        {QStringLiteral("play \"a\"b.wav\" wait"), MediaOk, QStringLiteral("a\"b.wav")},
        {QStringLiteral("play \"x.wav\"wait"), MediaOk, QStringLiteral("x.wav")},
        {QStringLiteral("play /a/音 フォルダ/pinpon1.wav wait"), MediaBadCommand,
         QString()},  // a bare path splits
        {QStringLiteral("play \"x.wav\""), MediaBadCommand, QString()},
        {QStringLiteral("play \"x.wav\" wait notify"), MediaBadCommand, QString()},
        {QStringLiteral("play \"x.wav wait"), MediaBadCommand, QString()},
        {QStringLiteral("play \"\" wait"), MediaBadCommand, QString()},
        {QStringLiteral("play"), MediaBadCommand, QString()},
        {QStringLiteral("open x.wav wait"), MediaUnknownCommand, QString()},
        {QStringLiteral("playx.wav wait"), MediaUnknownCommand, QString()},
        {QString(), MediaUnknownCommand, QString()},
    };
    for (const Case& c : cases) {
        const ParsedMediaCommand p = parseMediaCommand(c.command);
        EXPECT_EQ(p.result, c.result) << c.command.toStdString();
        EXPECT_EQ(p.path, c.path) << c.command.toStdString();
        EXPECT_EQ(p.problem.isEmpty(), c.result == MediaOk) << c.command.toStdString();
    }
    for (const QString& path : {QStringLiteral("/srv/教室 1/音 フォルダ/.wav"),
                                QStringLiteral("C:\\a b\\合格.wav"), QStringLiteral("/x/\"q\".wav")}) {
        const QString command = playAndWaitCommand(path);
        EXPECT_EQ(parseMediaCommand(command).path, path) << command.toStdString();
    }
}

TEST(MediaCommand, EveryCodeHasItsOwnDescription) {
    QStringList seen;
    for (int code = MediaOk; code <= MediaOutputFailed; ++code) {
        const QString text = mediaResultText(code);
        EXPECT_FALSE(seen.contains(text)) << code;
        seen << text;
    }
    EXPECT_TRUE(mediaResultText(4711).contains(QStringLiteral("4711")));
}

TEST(WaveFile, ReadsEveryUncompressedCoding) {
    const QByteArray s16 = le16(1000) + le16(-1000) + le16(32767) + le16(-32768);
    float f32[] = {0.5f, -0.25f};
    double f64[] = {0.5, -2.0};  // out of range: clipped to -1
    struct Case {
        const char* what;
        QByteArray file;
        WaveSound::Sample sample;
        int channels, rate;
        QByteArray frames;
    };
    const Case cases[] = {
        {"16-bit mono", wave({}, s16), WaveSound::Sample::Int16, 1, 22050, s16},
        {"16-bit stereo at 44100 Hz", wave({1, 2, 44100, 16}, s16), WaveSound::Sample::Int16, 2, 44100, s16},
        {"8-bit", wave({1, 1, 8000, 8}, QByteArray("\x80\x00\xff", 3)), WaveSound::Sample::UInt8, 1, 8000,
         QByteArray("\x80\x00\xff", 3)},
        {"24-bit widened to 32", wave({1, 1, 48000, 24}, QByteArray::fromHex("123456abcdef")),
         WaveSound::Sample::Int32, 1, 48000,
         QByteArray::fromHex("00123456"
                             "00abcdef")},
        {"32-bit integer", wave({1, 1, 22050, 32}, le32(0x7fffffff)), WaveSound::Sample::Int32, 1, 22050,
         le32(0x7fffffff)},
        {"32-bit float", wave({3, 1, 22050, 32}, QByteArray(reinterpret_cast<const char*>(f32), 8)),
         WaveSound::Sample::Float, 1, 22050, QByteArray(reinterpret_cast<const char*>(f32), 8)},
        {"64-bit float narrowed", wave({3, 1, 22050, 64}, QByteArray(reinterpret_cast<const char*>(f64), 16)),
         WaveSound::Sample::Float, 1, 22050,
         [] {
             const float v[] = {0.5f, -1.0f};
             return QByteArray(reinterpret_cast<const char*>(v), 8);
         }()},
        {"extensible header", wave({1, 1, 22050, 16, -1, true}, s16), WaveSound::Sample::Int16, 1, 22050,
         s16},
        {"odd-sized chunks before fmt and after data",
         riff(chunk("LIST", "abc") + fmtChunk({}) + chunk("data", s16) + chunk("LIST", "xyz")),
         WaveSound::Sample::Int16, 1, 22050, s16},
        {"12-bit samples in 16-bit containers", wave({1, 1, 22050, 12, 2}, s16), WaveSound::Sample::Int16, 1,
         22050, s16},
        {"RF64, its lengths in ds64",
         QByteArray("RF64") + le32(0xFFFFFFFF) + "WAVE" +
             chunk("ds64",
                   le32(0) + le32(0) + le32(quint32(s16.size())) + le32(0) + le32(4) + le32(0) + le32(0)) +
             fmtChunk({}) + "data" + le32(0xFFFFFFFF) + s16,
         WaveSound::Sample::Int16, 1, 22050, s16},
        {"data cut short: whole frames only",
         riff(fmtChunk({1, 2, 22050, 16}) + QByteArray("data") + le32(400) + s16 + "x"),
         WaveSound::Sample::Int16, 2, 22050, s16},
        {"empty data", wave({}, QByteArray()), WaveSound::Sample::Int16, 1, 22050, QByteArray()},
    };
    for (const Case& c : cases) {
        const WaveReading r = readWave(c.file);
        ASSERT_EQ(r.result, MediaOk) << c.what << ": " << r.problem.toStdString();
        EXPECT_EQ(r.sound.sample, c.sample) << c.what;
        EXPECT_EQ(r.sound.channels, c.channels) << c.what;
        EXPECT_EQ(r.sound.sampleRate, c.rate) << c.what;
        EXPECT_EQ(r.sound.frames.toHex(), c.frames.toHex()) << c.what;
    }
    const WaveReading half = readWave(wave({}, tone(0.5, 22050, 440, 8000)));
    EXPECT_DOUBLE_EQ(half.sound.seconds(), 0.5);
}

TEST(WaveFile, RefusesWhatIsNotAPlayableWave) {
    struct Case {
        const char* what;
        QByteArray file;
        int result;
    };
    const QByteArray s16 = le16(1) + le16(2);
    const Case cases[] = {
        {"empty file", QByteArray(), MediaNotWave},
        {"text", QByteArray("正解音2,pinpon1,*\r\n"), MediaNotWave},
        {"RIFF but AVI", riff(fmtChunk({}) + chunk("data", s16), "AVI "), MediaNotWave},
        {"header only", riff(QByteArray()), MediaNotWave},
        {"no fmt chunk", riff(chunk("data", s16)), MediaNotWave},
        {"no data chunk", riff(fmtChunk({})), MediaNotWave},
        {"fmt chunk too short", riff(chunk("fmt ", QByteArray(14, '\1')) + chunk("data", s16)), MediaNotWave},
        {"fmt chunk longer than the file", riff(QByteArray("fmt ") + le32(64) + QByteArray(20, '\1')),
         MediaNotWave},
        {"block size that does not fit", wave({1, 2, 22050, 16, 3}, s16), MediaNotWave},
        {"extensible header cut short",
         riff(chunk("fmt ", le16(0xFFFE) + le16(1) + le32(22050) + le32(44100) + le16(2) + le16(16)) +
              chunk("data", s16)),
         MediaNotWave},
        {"data before fmt", riff(chunk("data", s16) + fmtChunk({})), MediaNotWave},
        {"8-bit samples in blocks of 2 bytes", wave({1, 1, 22050, 8, 2}, s16), MediaNotWave},
        {"Microsoft ADPCM without its coefficients", wave({2, 1, 22050, 4, 1}, s16), MediaUnsupportedWave},
        {"a coding unknown to the decoder",
         riff(chunk("fmt ",
                    le16(0x2000) + le16(1) + le32(22050) + le32(44100) + le16(2) + le16(16) + le16(0)) +
              chunk("data", s16)),
         MediaUnsupportedWave},
        {"no channels", wave({1, 0, 22050, 16, 2}, s16), MediaUnsupportedWave},
        {"nine channels", wave({1, 9, 22050, 16}, s16), MediaUnsupportedWave},
        {"40-bit samples", wave({1, 1, 22050, 40}, QByteArray(10, '\1')), MediaUnsupportedWave},
        {"16-bit float", wave({3, 1, 22050, 16}, s16), MediaUnsupportedWave},
        {"sample rate 0", wave({1, 1, 0, 16}, s16), MediaUnsupportedWave},
        {"sample rate 1 MHz", wave({1, 1, 1000000, 16}, s16), MediaUnsupportedWave},
    };
    for (const Case& c : cases) {
        const WaveReading r = readWave(c.file);
        EXPECT_EQ(r.result, c.result) << c.what;
        EXPECT_FALSE(r.problem.isEmpty()) << c.what;
    }
}

TEST(WaveFile, DecodesTheCompressedCodingsOfSoxToTheirFramesAndTone) {
    QTemporaryDir dir;
    for (const Coding& c : kCodings) {
        SCOPED_TRACE(c.what);
        const QString path = dir.filePath(c.encoding + QString::number(c.channels) + QStringLiteral(".wav"));
        QString why;
        ASSERT_TRUE(soxWave(path, c.encoding, c.rate, c.channels, 0.5, why)) << why.toStdString();
        const WaveReading r = readWave(test::readBytes(path));
        ASSERT_EQ(r.result, MediaOk) << r.problem.toStdString();
        ASSERT_EQ(r.sound.sample, WaveSound::Sample::Int16);
        EXPECT_EQ(r.sound.channels, c.channels);
        EXPECT_EQ(r.sound.sampleRate, c.rate);
        // Exactly the tone's frames: not the padding of the last block.
        EXPECT_EQ(r.sound.frameCount(), c.rate / 2);
        const Heard h = hear(r.sound);
        EXPECT_GE(h.peak, 12000);  // half of full scale, give or take the coding's error
        EXPECT_LE(h.peak, 21000);
        EXPECT_GE(h.loud, qsizetype(0.8 * r.sound.frameCount()));
        EXPECT_NEAR(h.span, 0.5, 0.01);
        EXPECT_NEAR(h.hertz, 440.0, 5.0);
    }
}

TEST(WaveFile, ACompressedFileCutShortPlaysItsWholeBlocksAndABrokenHeaderIsRefused) {
    QTemporaryDir dir;
    for (const Coding& c : kCodings) {
        SCOPED_TRACE(c.what);
        const QString path = dir.filePath(c.encoding + QString::number(c.channels) + QStringLiteral(".wav"));
        QString why;
        ASSERT_TRUE(soxWave(path, c.encoding, c.rate, c.channels, 0.5, why)) << why.toStdString();
        const QByteArray file = test::readBytes(path);
        const WaveReading whole = readWave(file);
        ASSERT_EQ(whole.result, MediaOk) << whole.problem.toStdString();
        const qsizetype data = file.indexOf("data") + 8;
        ASSERT_GE(data, 8);

        // Cut in the middle of a block: the blocks before it, decoded as in the whole file.
        const WaveReading cut = readWave(file.left(data + (file.size() - data) * 6 / 10 + 1));
        ASSERT_EQ(cut.result, MediaOk) << cut.problem.toStdString();
        EXPECT_GT(cut.sound.frameCount(), 0);
        EXPECT_LT(cut.sound.frameCount(), whole.sound.frameCount());
        EXPECT_EQ(cut.sound.frameCount() % c.blockFrames, 0) << cut.sound.frameCount();
        EXPECT_TRUE(whole.sound.frames.startsWith(cut.sound.frames));

        // Cut anywhere before the first sample: refused, whatever the bytes left say.
        for (qsizetype length = 0; length < data; ++length) {
            const WaveReading r = readWave(file.left(length));
            EXPECT_TRUE(r.result == MediaNotWave || r.result == MediaUnsupportedWave)
                << length << " bytes: " << r.result;
            EXPECT_FALSE(r.problem.isEmpty()) << length << " bytes";
        }
    }
}

TEST(WaveFile, ASoundLongerThanTheLimitIsRefused) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ima.wav"));
    QString why;
    ASSERT_TRUE(soxWave(path, QStringLiteral("ima-adpcm"), 8000, 1, 0.5, why)) << why.toStdString();
    const QByteArray file = test::readBytes(path);
    constexpr std::int64_t kBytes = 4000 * 2;  // 0.5 s of 16-bit mono at 8000 Hz
    struct Case {
        const char* what;
        QByteArray file;
        std::int64_t limit;
        int result;
    };
    const Case cases[] = {
        {"ADPCM, exactly the limit", file, kBytes, MediaOk},
        {"ADPCM, a limit a byte short", file, kBytes - 1, MediaUnsupportedWave},
        {"PCM, exactly the limit", wave({}, tone(0.5, 8000, 440, 8000)), kBytes, MediaOk},
        {"PCM, a limit a frame short", wave({}, tone(0.5, 8000, 440, 8000)), kBytes - 2,
         MediaUnsupportedWave},
    };
    for (const Case& c : cases) {
        const WaveReading r = readWave(c.file, c.limit);
        EXPECT_EQ(r.result, c.result) << c.what << ": " << r.problem.toStdString();
        EXPECT_EQ(r.sound.frames.size(), c.result == MediaOk ? kBytes : 0) << c.what;
    }
}

TEST(AudioOutput, ABadCommandOrFileFailsWithItsOwnCodeAndNamesTheFile) {
    QTemporaryDir dir;
    const QString folder = dir.path() + QStringLiteral("/音 フォルダ/");
    test::writeBytes(folder + QStringLiteral("text.wav"), "正解音2,*");
    test::writeBytes(folder + QStringLiteral("adpcm.wav"), wave({2, 1, 22050, 4, 1}, le16(0)));
    QDir().mkpath(folder + QStringLiteral("folder.wav"));
    struct Case {
        QString command;
        int result;
        QString named;  // what the description of the failure must contain
    };
    const Case cases[] = {
        {playAndWaitCommand(folder + QStringLiteral("none.wav")), MediaFileNotFound,
         folder + QStringLiteral("none.wav")},
        {playAndWaitCommand(folder + QStringLiteral(".wav")), MediaFileNotFound,
         folder + QStringLiteral(".wav")},
        {playAndWaitCommand(folder + QStringLiteral("folder.wav")), MediaFileNotFound,
         QStringLiteral("folder.wav")},
        {playAndWaitCommand(folder + QStringLiteral("text.wav")), MediaNotWave, QStringLiteral("RIFF/WAVE")},
        {playAndWaitCommand(folder + QStringLiteral("adpcm.wav")), MediaUnsupportedWave,
         QStringLiteral("adpcm.wav")},
        {QStringLiteral("play %1text.wav wait").arg(folder), MediaBadCommand,
         QStringLiteral("フォルダ/text.wav")},
        {QStringLiteral("stop all"), MediaUnknownCommand, QStringLiteral("stop")},
    };
    AudioOutputMediaCommands media;
    for (const Case& c : cases) {
        const int code = media.send(c.command);
        EXPECT_EQ(code, c.result) << c.command.toStdString();
        const QString text = media.errorText(code);
        EXPECT_TRUE(text.startsWith(mediaResultText(c.result))) << text.toStdString();
        EXPECT_TRUE(text.contains(c.named)) << text.toStdString();
    }
    // Another code than the last failure's gets only its standing description.
    EXPECT_EQ(media.errorText(MediaNoOutputDevice), mediaResultText(MediaNoOutputDevice));
}

TEST(AudioOutput, NoSoundServerAndAServerWithoutOutputsAreNoOutputDevice) {
    QTemporaryDir dir;
    const QString file = dir.path() + QStringLiteral("/a b/tone.wav");
    test::writeBytes(file, wave({}, tone(0.3, 22050, 440, 8000)));
    QString text;
    EXPECT_EQ(probe(QStringLiteral("unix:") + dir.path() + QStringLiteral("/no-server"),
                    playAndWaitCommand(file), &text),
              MediaNoOutputDevice);
    EXPECT_TRUE(text.startsWith(mediaResultText(MediaNoOutputDevice))) << text.toStdString();

    SoundServer empty(false);
    QString why;
    ASSERT_TRUE(empty.start(why)) << "no sound server to test against: " << why.toStdString();
    EXPECT_EQ(probe(empty.address(), playAndWaitCommand(file), &text), MediaNoOutputDevice)
        << text.toStdString();
}

// The tests that play, through Qt Multimedia and PulseAudio to a null output, recorded from that
// output's monitor. They share one sound server: Qt connects to the server it first finds and keeps
// that connection for the rest of the process.
class Playback : public ::testing::Test {
  protected:
    static constexpr int kRecordRate = 22050;

    static void SetUpTestSuite() {
        server_ = new SoundServer(true);
        QString why;
        if (!server_->start(why)) {
            why_ = why.toStdString();
            delete server_;
            server_ = nullptr;
            return;
        }
        qputenv("PULSE_SERVER", server_->address().toLocal8Bit());  // read when Qt first looks for outputs
    }
    static void TearDownTestSuite() {
        delete server_;
        server_ = nullptr;
    }
    void SetUp() override { ASSERT_NE(server_, nullptr) << "no sound server to play to: " << why_; }

    // Records the null output, mono at kRecordRate, while `play` runs, into `samples`.
    static void record(const std::function<void()>& play, std::vector<qint16>& samples) {
        QTemporaryDir dir;
        const QString recording = dir.filePath(QStringLiteral("monitor.raw"));
        QProcess recorder;
        recorder.setStandardOutputFile(recording);
        recorder.start(server_->pacat(),
                       {QStringLiteral("--server=") + server_->address(), QStringLiteral("--record"),
                        QStringLiteral("--device=") + server_->sink() + QStringLiteral(".monitor"),
                        QStringLiteral("--latency-msec=20"), QStringLiteral("--rate=%1").arg(kRecordRate),
                        QStringLiteral("--channels=1"), QStringLiteral("--format=s16le")});
        // Until the silent stream holds it, the null output plays out the silence it rendered ahead.
        ASSERT_TRUE(waitUntil([&] { return server_->outputLatencyUsec() < 50000; }));
        ASSERT_TRUE(waitUntil([&] {
            return !server_
                        ->pactl({QStringLiteral("list"), QStringLiteral("short"),
                                 QStringLiteral("source-outputs")})
                        .value_or(QString())
                        .isEmpty();
        }));
        play();
        // Let the recorder take the last of the sound, then look at what reached the output.
        recorder.waitForFinished(300);
        recorder.terminate();
        recorder.waitForFinished(3000);
        const QByteArray raw = test::readBytes(recording);
        samples.assign(reinterpret_cast<const qint16*>(raw.constData()),
                       reinterpret_cast<const qint16*>(raw.constData()) + raw.size() / 2);
    }

    static SoundServer* server_;
    static std::string why_;
};
SoundServer* Playback::server_ = nullptr;
std::string Playback::why_;

// A 0.5 s tone from a folder with a blank in its name.
TEST_F(Playback, PlaysTheWholeSoundBeforeItReturnsAndHandlesNoEventMeanwhile) {
    QTemporaryDir dir;
    constexpr int kRate = 22050;
    constexpr double kSeconds = 0.5;
    const QString file = dir.path() + QStringLiteral("/音 フォルダ/tone.wav");
    test::writeBytes(file, wave({}, tone(kSeconds, kRate, 440, 8000)));

    bool timerFired = false;
    EventWitness witness;
    AudioOutputMediaCommands media;
    int code = -1;
    qint64 elapsed = 0;
    std::vector<qint16> samples;
    ASSERT_NO_FATAL_FAILURE(record(
        [&] {
            QTimer::singleShot(0, [&] { timerFired = true; });
            QCoreApplication::postEvent(&witness,
                                        new QKeyEvent(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier));
            QElapsedTimer clock;
            clock.start();
            code = media.send(playAndWaitCommand(file));
            elapsed = clock.elapsed();
        },
        samples));
    EXPECT_EQ(code, MediaOk) << media.errorText(code).toStdString();
    EXPECT_GE(elapsed, 450);
    EXPECT_LE(elapsed, 1500);
    EXPECT_FALSE(timerFired) << "a timer ran while the sound played";
    EXPECT_FALSE(witness.keySeen) << "a key was handled while the sound played";
    QCoreApplication::processEvents();
    EXPECT_TRUE(timerFired && witness.keySeen) << "the events were not pending after all";

    const Heard h = hear(samples.data(), qsizetype(samples.size()), 1, kRecordRate);
    ASSERT_GE(h.first, 0) << "nothing reached the output (" << samples.size() << " samples recorded)";
    std::cout << "played 0.5 s: send() returned after " << elapsed << " ms; the output carried " << h.span
              << " s of sound at " << h.hertz << " Hz" << std::endl;
    RecordProperty("elapsed_ms", int(elapsed));
    EXPECT_NEAR(h.span, kSeconds, 0.06);
    EXPECT_GE(h.loud, qsizetype(0.8 * kSeconds * kRecordRate));
    EXPECT_NEAR(h.hertz, 440.0, 15.0);
}

// The compressed wave files that sox makes, played through the same output as any other.
TEST_F(Playback, PlaysCompressedWaveFiles) {
    QTemporaryDir dir;
    AudioOutputMediaCommands media;
    for (const Coding& c : kCodings) {
        SCOPED_TRACE(c.what);
        const QString file = dir.path() + QStringLiteral("/音 フォルダ/") + c.encoding +
                             QString::number(c.channels) + QStringLiteral(".wav");
        QDir().mkpath(QFileInfo(file).path());
        QString why;
        ASSERT_TRUE(soxWave(file, c.encoding, c.rate, c.channels, 0.5, why)) << why.toStdString();
        int code = -1;
        qint64 elapsed = 0;
        std::vector<qint16> samples;
        ASSERT_NO_FATAL_FAILURE(record(
            [&] {
                QElapsedTimer clock;
                clock.start();
                code = media.send(playAndWaitCommand(file));
                elapsed = clock.elapsed();
            },
            samples));
        EXPECT_EQ(code, MediaOk) << media.errorText(code).toStdString();
        const Heard h = hear(samples.data(), qsizetype(samples.size()), 1, kRecordRate);
        ASSERT_GE(h.first, 0) << "nothing reached the output (" << samples.size() << " samples recorded)";
        std::cout << "played " << c.what << ": send() returned after " << elapsed
                  << " ms; the output carried " << h.span << " s of sound at " << h.hertz << " Hz"
                  << std::endl;
        EXPECT_GE(elapsed, 450);
        EXPECT_NEAR(h.span, 0.5, 0.06);
        EXPECT_GE(h.loud, qsizetype(0.8 * 0.5 * kRecordRate));
        EXPECT_NEAR(h.hertz, 440.0, 15.0);
    }
}
