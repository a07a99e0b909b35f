// The demo classroom's sounds, decoded as the Linux sound output decodes them (libsndfile). The
// Windows program hands the same files to winmm, which tests/windows plays for real.
#include <gtest/gtest.h>

#include <memory>

#include "platform/MediaWave.h"
#include "shell/Settings.h"
#include "shell/SoundCues.h"
#include "support/TestSupport.h"

using namespace pekuru;

TEST(DemoClassroom, TheSoundListNamesAPlayableShortSoundForEveryCue) {
    auto g = std::make_unique<hensuu1>();
    g->OtoFolder = QStringLiteral(PEKURU_SOURCE_DIR "/data/sample/教室/音フォルダ/");
    音ファイル読込(*g);
    QStringList files = {QStringLiteral("最高1"), QStringLiteral("合格")};
    for (int c = 1; c <= kSoundCueCount; ++c) {
        const int count = g->OtoList(c, kCueCountRow).toInt();
        EXPECT_GE(count, 1) << soundCueName(c).toStdString();
        for (int row = 1; row <= count; ++row) files << g->OtoList(c, row);
    }
    EXPECT_GE(g->OtoList(cue::Correct, kCueCountRow).toInt(), 2);  // two chimes take turns
    for (const QString& name : files) {
        SCOPED_TRACE(name.toStdString());
        const WaveReading w = readWave(test::readBytes(g->OtoFolder + name + QStringLiteral(".wav")));
        ASSERT_EQ(w.result, MediaOk) << w.problem.toStdString();
        EXPECT_EQ(w.sound.sample, WaveSound::Sample::Int16);
        EXPECT_EQ(w.sound.channels, 1);
        EXPECT_TRUE(w.sound.sampleRate == 22050 || w.sound.sampleRate == 44100);
        EXPECT_GE(w.sound.seconds(), 0.3);
        EXPECT_LE(w.sound.seconds(), 2.0);
    }
}
