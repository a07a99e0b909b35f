#include "shell/SoundCues.h"

#include <cmath>

#include "platform/FreeFormatReader.h"
#include "platform/ProgramError.h"

namespace pekuru {

namespace {

const QString kEndOfSection = QStringLiteral("*");

// A column that no section filled: no name and no count.
bool columnIsEmpty(const hensuu1& g, int column) {
    for (int row = 1; row <= kCueCountRow; ++row) {
        if (!g.OtoList(column, row).isEmpty()) return false;
    }
    return true;
}

}  // namespace

QString soundCueName(int column) {
    static const QString names[kSoundCueCount + 1] = {
        QString(),
        QStringLiteral("正解音1"),
        QStringLiteral("正解音2"),
        QStringLiteral("間違い音1"),
        QStringLiteral("間違い音2"),
        QStringLiteral("最高音1"),
        QStringLiteral("最高音2"),
        QStringLiteral("自己最高音1"),
        QStringLiteral("自己最高音2"),
        QStringLiteral("自己最高音3"),
        QStringLiteral("不合格音1"),
    };
    return column >= 1 && column <= kSoundCueCount ? names[column] : QString();
}

QString soundListPath(const hensuu1& g) { return g.OtoFolder + QStringLiteral("新音ファイル.txt"); }

void 音ファイル読込(hensuu1& g) {
    for (int c = 1; c <= kSoundCueCount; ++c) g.OtoList(c, 0) = soundCueName(c);
    FreeFormatReader in = FreeFormatReader::open(soundListPath(g));
    while (!in.atEnd()) {
        const FreeValue v = in.next();
        for (int c = 1; c <= kSoundCueCount; ++c) {
            if (v.text != g.OtoList(c, 0)) continue;
            for (int d = 1; d <= kMaxCueFiles; ++d) {
                if (in.atEnd()) {
                    throw ProgramError(
                        ProgramError::InputPastEnd,
                        QStringLiteral("%1で始まる「%2」の区切りが「*」で閉じる前にファイルが終わりました。"
                                       "区切りの終わりに「*」を書いてください。")
                            .arg(describePlace(in.fileName(), v.line), v.text));
                }
                const QString w = in.next().text;
                if (w == kEndOfSection) {
                    g.OtoList(c, kCueCountRow) = QString::number(d - 1);
                    break;
                }
                g.OtoList(c, d) = w;
            }
        }
    }
}

QString SoundCues::failureTitle() { return QStringLiteral("音声エラー"); }

QString SoundCues::failureText(const QString& errorText) {
    return QStringLiteral("音声がでません。先生を呼びなさい。\r\n") + errorText;
}

int SoundCues::playFile(const QString& baseName) {
    g_.OtoCommand = playAndWaitCommand(g_.OtoFolder + baseName + QStringLiteral(".wav"));
    return media_.send(g_.OtoCommand);
}

bool SoundCues::playListed(int column, int& result) {
    if (columnIsEmpty(g_, column)) return false;
    // n = Int(r × count + 1): 1 to count, each equally likely; a count of 0 (or none) picks row 1.
    const int count = g_.OtoList(column, kCueCountRow).toInt();
    int n = int(std::floor(double(random_.next()) * count + 1.0));
    if (n > count && count > 0) n = count;
    result = playFile(g_.OtoList(column, n));
    return true;
}

void SoundCues::watchAnswer(int column) {
    int result = 0;
    if (!playListed(column, result)) return;
    if (result == MediaOk) {
        g_.OtoErrorCount = 0;
        return;
    }
    if (g_.OtoErrorCount < kSilentFailures) {
        ++g_.OtoErrorCount;
        return;
    }
    throw ProgramExit(failureTitle(), failureText(media_.errorText(result)));
}

void SoundCues::正解音再生() { watchAnswer(cue::Correct); }
void SoundCues::間違い音再生() { watchAnswer(cue::Wrong); }

void SoundCues::自己最高音再生() {
    int ignored = 0;
    playListed(cue::PersonalBest, ignored);
}

void SoundCues::不合格音再生() {
    int ignored = 0;
    playListed(cue::Fail, ignored);
}

void SoundCues::最高音再生() { playFile(QStringLiteral("最高1")); }
void SoundCues::合格音再生() { playFile(QStringLiteral("合格")); }

}  // namespace pekuru
