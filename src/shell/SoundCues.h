#pragma once

#include <QString>

#include "platform/MediaCommands.h"
#include "platform/Random.h"
#include "shell/CuePlayer.h"
#include "shell/GlobalState.h"

namespace pekuru {

// The cue names in row 0 of OtoList, by column 1..10.
constexpr int kSoundCueCount = 10;
constexpr int kMaxCueFiles = 20;
constexpr int kCueCountRow = 21;
QString soundCueName(int column);

// The cues and the columns of OtoList they play from.
namespace cue {
constexpr int Correct = 2;       // 正解音2
constexpr int Wrong = 4;         // 間違い音2
constexpr int PersonalBest = 8;  // 自己最高音2
constexpr int Fail = 10;         // 不合格音1
}  // namespace cue

// The sound list file in the sound folder.
QString soundListPath(const hensuu1& g);

// 音ファイル読込: reads OtoFolder & "新音ファイル.txt" into OtoList. The file is sections: a cue
// name, up to twenty wave file base names and "*". Sections come in any order, a repeated section
// overwrites the earlier one name by name and sets its own count, values outside sections are
// skipped. After twenty names the section ends without a count; a "*" after them is an ordinary
// value outside any section. A missing file, or one that ends inside a section, is a run-time
// error naming the file.
void 音ファイル読込(hensuu1& g);

// The six sound cues. Each builds "play "<OtoFolder><name>.wav" wait", sends it and returns when
// the sound has ended; OtoCommand keeps the last command sent.
//
// The four listed cues draw one file of their column at random. A column that no section of the
// sound list filled plays nothing: nothing is sent, and for the answer cues it is neither a
// failure nor a success, since the output was not tried.
//
// The answer cues (correct, wrong) watch the output: three failures in a row pass silently, a
// success of either resets the count, and the fourth failure in a row ends the program with
// "音声がでません。先生を呼びなさい。" and the error's description under "音声エラー" (thrown as
// ProgramExit, which the application shows once before it closes every screen and ends).
// Failures of the other cues are ignored.
class SoundCues final : public CuePlayer {
  public:
    SoundCues(hensuu1& g, MediaCommands& media, Random& random) : g_(g), media_(media), random_(random) {}

    void 正解音再生() override;
    void 間違い音再生() override;
    void 自己最高音再生() override;
    void 不合格音再生() override;
    void 最高音再生() override;
    void 合格音再生() override;

    static QString failureTitle();
    static QString failureText(const QString& errorText);
    static constexpr int kSilentFailures = 3;

  private:
    // Plays a random file of the column into `result`; false (nothing sent) for an empty column.
    bool playListed(int column, int& result);
    int playFile(const QString& baseName);
    void watchAnswer(int column);

    hensuu1& g_;
    MediaCommands& media_;
    Random& random_;
};

}  // namespace pekuru
