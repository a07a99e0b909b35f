// The sound on Windows: the commands go to the media control interface as they are, but for the
// separators of the file, and its answers are told in its own words with their number.
#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include "platform/HostMedia.h"
#include "platform/MediaCommands.h"
#include "platform/WindowsMediaCommands.h"

using namespace pekuru;

namespace {
// MCI's own numbers (mmsystem.h).
constexpr int kMciFileNotFound = 256 + 19;        // MCIERR_FILE_NOT_FOUND
constexpr int kMciUnrecognizedCommand = 256 + 5;  // MCIERR_UNRECOGNIZED_COMMAND
}  // namespace

TEST(WindowsMedia, CommandsGoToTheMediaControlInterfaceAndItsAnswersAreTold) {
    QTemporaryDir dir;
    WindowsMediaCommands media;
    struct Case {
        const char* what;
        QString command;
        int result;
    };
    const Case cases[] = {
        // The program's paths use "/", which MCI would take for part of the name.
        {"a missing file named with /",
         playAndWaitCommand(dir.filePath(QStringLiteral("音フォルダ/なし.wav"))), kMciFileNotFound},
        {"a word MCI does not know", QStringLiteral("sing \"a.wav\" wait"), kMciUnrecognizedCommand},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(media.send(c.command), c.result);
        const QString said = media.errorText(c.result);
        EXPECT_TRUE(said.contains(QStringLiteral("(MCI のエラー %1)").arg(c.result))) << said.toStdString();
        EXPECT_GT(said.size(), QStringLiteral("(MCI のエラー %1)").arg(c.result).size())
            << said.toStdString();
    }
    EXPECT_EQ(media.errorText(0), mediaResultText(0));
    // The program gets this output from the host's factory.
    EXPECT_NE(dynamic_cast<WindowsMediaCommands*>(makeHostMediaCommands(dir.path()).get()), nullptr);
}

// Every classroom keeps its sounds in 音フォルダ: a wave file there plays to its end (into the test
// run's PulseAudio null sink under Wine) before the command returns, the fixed cue with a Japanese
// name too.
TEST(WindowsMedia, TheDemoSoundsPlayFromAJapaneseFolderAndTheCommandWaitsForTheirEnd) {
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("教室/音フォルダ"));
    ASSERT_TRUE(QDir().mkpath(folder));
    WindowsMediaCommands media;
    for (const QString& name : {QStringLiteral("pinpon1.wav"), QStringLiteral("合格.wav")}) {
        SCOPED_TRACE(name.toStdString());
        const QString path = folder + QLatin1Char('/') + name;
        ASSERT_TRUE(
            QFile::copy(QStringLiteral(PEKURU_SOURCE_DIR "/data/sample/教室/音フォルダ/") + name, path));
        // The sound's length from its header: PCM, the byte rate at offset 28, the data after 44.
        QFile wave(path);
        ASSERT_TRUE(wave.open(QIODevice::ReadOnly));
        const QByteArray header = wave.read(44);
        const quint32 byteRate = quint32(uchar(header[28])) | quint32(uchar(header[29])) << 8 |
                                 quint32(uchar(header[30])) << 16 | quint32(uchar(header[31])) << 24;
        ASSERT_GT(byteRate, 0u);
        const double seconds = double(wave.size() - 44) / byteRate;
        QElapsedTimer played;
        played.start();
        const int result = media.send(playAndWaitCommand(path));
        EXPECT_EQ(result, 0) << media.errorText(result).toStdString();
        EXPECT_GE(played.elapsed(), qint64(seconds * 1000 * 0.9)) << "returned before the sound's end";
    }
}
