// The media commands: their words, the wave file reader, the honest failures of the real output,
// and one sound played through the real audio back-end to a null output of a sound server that
// the test starts for itself.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QKeyEvent>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <cmath>
#include <csignal>
#include <cstring>
#include <iostream>
#include <limits>
#include <optional>

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
        if (daemonPid_ > 0) ::kill(daemonPid_, SIGTERM);
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
        {"odd-sized chunk before fmt, data before fmt",
         riff(chunk("LIST", "abc") + chunk("data", s16) + fmtChunk({})), WaveSound::Sample::Int16, 1, 22050,
         s16},
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
        {"ADPCM", wave({2, 1, 22050, 4, 1}, s16), MediaUnsupportedWave},
        {"no channels", wave({1, 0, 22050, 16, 2}, s16), MediaUnsupportedWave},
        {"nine channels", wave({1, 9, 22050, 16}, s16), MediaUnsupportedWave},
        {"12-bit samples", wave({1, 1, 22050, 12, 2}, s16), MediaUnsupportedWave},
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
    if (!empty.start(why)) GTEST_SKIP() << "no sound server to test against: " << why.toStdString();
    EXPECT_EQ(probe(empty.address(), playAndWaitCommand(file), &text), MediaNoOutputDevice)
        << text.toStdString();
}

// The one test that plays: a 0.5 s tone from a folder with a blank in its name, through Qt
// Multimedia and PulseAudio to a null output, recorded from that output's monitor.
TEST(AudioOutput, PlaysTheWholeSoundBeforeItReturnsAndHandlesNoEventMeanwhile) {
    SoundServer server(true);
    QString why;
    if (!server.start(why)) GTEST_SKIP() << "no sound server to play to: " << why.toStdString();
    qputenv("PULSE_SERVER", server.address().toLocal8Bit());  // read when Qt first looks for outputs

    QTemporaryDir dir;
    constexpr int kRate = 22050;
    constexpr double kSeconds = 0.5;
    const QString file = dir.path() + QStringLiteral("/音 フォルダ/tone.wav");
    test::writeBytes(file, wave({}, tone(kSeconds, kRate, 440, 8000)));

    const QString recording = dir.filePath(QStringLiteral("monitor.raw"));
    QProcess recorder;
    recorder.setStandardOutputFile(recording);
    recorder.start(server.pacat(),
                   {QStringLiteral("--server=") + server.address(), QStringLiteral("--record"),
                    QStringLiteral("--device=") + server.sink() + QStringLiteral(".monitor"),
                    QStringLiteral("--latency-msec=20"), QStringLiteral("--rate=22050"),
                    QStringLiteral("--channels=1"), QStringLiteral("--format=s16le")});
    // Until the silent stream holds it, the null output plays out the silence it rendered ahead.
    ASSERT_TRUE(waitUntil([&] { return server.outputLatencyUsec() < 50000; }));
    ASSERT_TRUE(waitUntil([&] {
        return !server
                    .pactl(
                        {QStringLiteral("list"), QStringLiteral("short"), QStringLiteral("source-outputs")})
                    .value_or(QString())
                    .isEmpty();
    }));

    bool timerFired = false;
    QTimer::singleShot(0, [&] { timerFired = true; });
    EventWitness witness;
    QCoreApplication::postEvent(&witness, new QKeyEvent(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier));

    AudioOutputMediaCommands media;
    QElapsedTimer clock;
    clock.start();
    const int code = media.send(playAndWaitCommand(file));
    const qint64 elapsed = clock.elapsed();
    EXPECT_EQ(code, MediaOk) << media.errorText(code).toStdString();
    EXPECT_GE(elapsed, 450);
    EXPECT_LE(elapsed, 1500);
    EXPECT_FALSE(timerFired) << "a timer ran while the sound played";
    EXPECT_FALSE(witness.keySeen) << "a key was handled while the sound played";
    QCoreApplication::processEvents();
    EXPECT_TRUE(timerFired && witness.keySeen) << "the events were not pending after all";

    // Let the recorder take the last of the sound, then look at what reached the output.
    recorder.waitForFinished(300);
    recorder.terminate();
    recorder.waitForFinished(3000);
    const QByteArray raw = test::readBytes(recording);
    const auto* s = reinterpret_cast<const qint16*>(raw.constData());
    const qsizetype n = raw.size() / 2;
    qsizetype first = -1, last = -1, loud = 0, crossings = 0;
    for (qsizetype i = 0; i < n; ++i) {
        if (std::abs(s[i]) > 1000) {
            if (first < 0) first = i;
            last = i;
            ++loud;
        }
    }
    for (qsizetype i = first + 1; first >= 0 && i <= last; ++i) crossings += (s[i - 1] < 0) != (s[i] < 0);
    ASSERT_GE(first, 0) << "nothing reached the output (" << n << " samples recorded)";
    const double span = double(last - first) / kRate;
    const double hertz = crossings / 2.0 / span;
    std::cout << "played 0.5 s: send() returned after " << elapsed << " ms; the output carried " << span
              << " s of sound at " << hertz << " Hz" << std::endl;
    RecordProperty("elapsed_ms", int(elapsed));
    EXPECT_NEAR(span, kSeconds, 0.06);
    EXPECT_GE(loud, qsizetype(0.8 * kSeconds * kRate));
    EXPECT_NEAR(hertz, 440.0, 15.0);
}
