#include "platform/MediaCommands.h"

#include <QRegularExpression>
#include <QStringList>

namespace pekuru {

namespace {

bool isBlank(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); }

ParsedMediaCommand refused(int result, const QString& problem) {
    ParsedMediaCommand p;
    p.result = result;
    p.problem = problem;
    return p;
}

}  // namespace

QString playAndWaitCommand(const QString& path) { return QStringLiteral("play \"%1\" wait").arg(path); }

ParsedMediaCommand parseMediaCommand(const QString& command) {
    const QString text = command.trimmed();
    qsizetype pos = 0;
    while (pos < text.size() && !isBlank(text[pos])) ++pos;
    const QString verb = text.left(pos);
    if (verb.compare(QLatin1String("play"), Qt::CaseInsensitive) != 0)
        return refused(MediaUnknownCommand,
                       QStringLiteral("命令「%1」は使えません (unknown command)").arg(verb));
    while (pos < text.size() && isBlank(text[pos])) ++pos;
    if (pos >= text.size())
        return refused(MediaBadCommand, QStringLiteral("ファイルの名前がありません (no file named)"));

    ParsedMediaCommand parsed;
    QString rest;
    if (text[pos] == QLatin1Char('"')) {
        // The path runs to the last quote, so that even a name holding a quote stays whole.
        const qsizetype close = text.lastIndexOf(QLatin1Char('"'));
        if (close == pos)
            return refused(MediaBadCommand, QStringLiteral("閉じる「\"」がありません (unclosed quote)"));
        parsed.path = text.mid(pos + 1, close - pos - 1);
        rest = text.mid(close + 1);
    } else {
        const qsizetype start = pos;
        while (pos < text.size() && !isBlank(text[pos])) ++pos;
        parsed.path = text.mid(start, pos - start);
        rest = text.mid(pos);
    }
    if (parsed.path.isEmpty())
        return refused(MediaBadCommand, QStringLiteral("ファイルの名前が空です (empty file name)"));

    bool wait = false;
    const QStringList words = rest.split(QRegularExpression(QStringLiteral("[ \t]+")), Qt::SkipEmptyParts);
    for (const QString& word : words) {
        if (word.compare(QLatin1String("wait"), Qt::CaseInsensitive) == 0) {
            wait = true;
        } else {
            // A bare path with a blank lands here: its second half is not a word of the command.
            return refused(
                MediaBadCommand,
                QStringLiteral("「%1」は命令の言葉ではありません (unknown word after the file)").arg(word));
        }
    }
    if (!wait) {
        return refused(
            MediaBadCommand,
            QStringLiteral(
                "「wait」がありません: 音は終わりまで鳴らします (only play ... wait is supported)"));
    }
    return parsed;
}

QString mediaResultText(int code) {
    switch (code) {
        case MediaOk:
            return QStringLiteral("正常に終わりました。(No error.)");
        case MediaUnknownCommand:
            return QStringLiteral("知らない命令です。(Unknown media command.)");
        case MediaBadCommand:
            return QStringLiteral("命令の書き方が正しくありません。(The media command is malformed.)");
        case MediaFileNotFound:
            return QStringLiteral("音のファイルが見つかりません。(The sound file was not found.)");
        case MediaFileUnreadable:
            return QStringLiteral("音のファイルを読めません。(The sound file cannot be read.)");
        case MediaNotWave:
            return QStringLiteral(
                "音のファイルが WAVE 形式ではないか、壊れています。(The file is not a valid wave file.)");
        case MediaUnsupportedWave:
            return QStringLiteral(
                "この WAVE ファイルの形式は再生できません。(This wave format cannot be played.)");
        case MediaNoOutputDevice:
            return QStringLiteral("音声の出力装置がありません。(No audio output device is available.)");
        case MediaOutputFailed:
            return QStringLiteral(
                "音声の出力装置が音を再生できませんでした。(The audio output failed while playing.)");
        default:
            return QStringLiteral("不明なエラー %1 です。(Unknown media error %1.)").arg(code);
    }
}

}  // namespace pekuru
