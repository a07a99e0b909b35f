#include "shell/Settings.h"

#include <QDir>
#include <QFileInfo>
#include <limits>

#include "platform/Cp932.h"
#include "platform/FreeFormatReader.h"
#include "platform/ProgramError.h"
#include "shell/LevelSetup.h"
#include "shell/SoundCues.h"

namespace pekuru {

namespace {
const QString kSep = QStringLiteral("/");
}

QString normaliseProgramFolder(const QString& folder) {
    QString path = QDir::fromNativeSeparators(QFileInfo(folder).absoluteFilePath());
    while (path.size() > 1 && path.endsWith(kSep)) path.chop(1);
    return path;
}

Folders resolveFolders(const QString& programFolder, const Variant& folderMode) {
    Folders f;
    const bool own = folderMode.equalsNumber(1);
    f.AppFolder = programFolder + kSep;
    f.KyoutuuFolder = own ? programFolder + kSep : programFolder + kSep + QStringLiteral("..") + kSep;
    // The last component: drop everything up to each separator in turn.
    QString rest = programFolder;
    while (rest.contains(kSep)) rest = rest.mid(rest.indexOf(kSep) + 1);
    f.ProgFolderName = rest;
    f.DataFolder = own ? f.KyoutuuFolder : f.KyoutuuFolder + f.ProgFolderName + kSep;
    f.OtoFolder = own ? f.KyoutuuFolder : f.KyoutuuFolder + QStringLiteral("音フォルダ") + kSep;
    return f;
}

CodeSplit splitClassroomCode(const QString& displayText) {
    const QString head = displayText.left(5);
    if (leadingNumber(head) != 0) return {head, displayText.mid(5)};
    return {QString(), displayText};
}

void readLevelTable(hensuu1& g, const QString& path) {
    FreeFormatReader in = FreeFormatReader::open(path);
    int level = -1;
    while (!in.atEnd()) {
        const int line = in.nextLine();
        ++level;
        if (level > kMaxLevelIndex) {
            throw ProgramError(ProgramError::SubscriptOutOfRange,
                               QStringLiteral("%1: レベルの行は %2 行 (レベル番号 0 から %3) までです。")
                                   .arg(describePlace(path, line))
                                   .arg(kMaxLevelIndex + 1)
                                   .arg(kMaxLevelIndex));
        }
        FreeValue v[12];
        for (int c = 0; c < 12; ++c) {
            v[c] = in.next();
            // Each level is one line of twelve values; a short or long line would shift every later
            // value into the wrong column, so it is reported instead of read on.
            const bool last = c == 11;
            if (v[c].endsLine && !last) {
                throw ProgramError(
                    ProgramError::InputPastEnd,
                    QStringLiteral("%1には値が %2 個しかありません。1 行に 12 個の値が必要です。")
                        .arg(describePlace(path, line))
                        .arg(c + 1));
            }
            if (!v[c].endsLine && last) {
                throw ProgramError(
                    ProgramError::TypeMismatch,
                    QStringLiteral("%1には値が 12 個より多くあります。1 行に 12 個の値が必要です。")
                        .arg(describePlace(path, line)));
            }
        }
        g.GoukakuTime[level] = in.toInt32(v[0]);
        g.SeigenTime[level] = in.toInt32(v[1]);
        g.HituyouKaisuu[level] = in.toInt32(v[2]);
        g.HituyouKaisuu2[level] = in.toInt16(v[3]);
        g.LevelPoint[level] = in.toSingle(v[4]);
        Table1D<Variant>* rest[] = {&g.LevelValue6,  &g.LevelValue7,  &g.LevelValue8, &g.LevelValue9,
                                    &g.LevelValue10, &g.LevelValue11, &g.LevelValue12};
        for (int c = 5; c < 12; ++c) (*rest[c - 5])[level] = FreeFormatReader::toVariant(v[c]);
        // The drill is cut off at five times the limit, counted in 32-bit seconds.
        const std::int64_t fivefold = std::int64_t(g.SeigenTime[level]) * 5;
        if (g.SeigenTime[level] < 0 || fivefold > std::numeric_limits<std::int32_t>::max()) {
            throw ProgramError(
                ProgramError::Overflow,
                QStringLiteral("%1の制限時間 (2 番目の値)「%2」は使えません: 0 以上 %3 以下にしてください。")
                    .arg(describePlace(path, line), v[1].text)
                    .arg(std::numeric_limits<std::int32_t>::max() / 5));
        }
    }
}

void 設定読込(hensuu1& g, const QString& programFolder) {
    // 1. The program folder's 設定.txt: value 1 decides where the data lie; 2 to 10 are not ours.
    {
        FreeFormatReader in = FreeFormatReader::open(programFolder + kSep + QStringLiteral("設定.txt"));
        g.FolderMode = in.readVariant();
        for (int i = 2; i <= 10; ++i) in.skip();
    }
    // 2.-3. Folders.
    const Folders f = resolveFolders(programFolder, g.FolderMode);
    g.AppFolder = f.AppFolder;
    g.MeiboMode = 1;
    g.KyoutuuFolder = f.KyoutuuFolder;
    // 4. 共通データ.txt in the common folder.
    {
        FreeFormatReader in = FreeFormatReader::open(g.KyoutuuFolder + QStringLiteral("共通データ.txt"));
        const FreeValue month = in.next();
        g.NendoTuki = FreeFormatReader::toVariant(month);
        if (!g.NendoTuki.toNumber()) {
            throw ProgramError(
                ProgramError::TypeMismatch,
                QStringLiteral(
                    "%1の 1 番目の値「%2」は年度の始まる月 (1 から 12 の数) でなければなりません。")
                    .arg(describePlace(in.fileName(), month.line), month.text));
        }
        g.KyoutuuName = in.readText();
        g.MeiboOption = in.readVariant();
        for (int i = 4; i <= 10; ++i) in.skip();
    }
    // 5. The code split.
    const CodeSplit split = splitClassroomCode(g.KyoutuuName);
    if (!split.code.isEmpty()) {
        g.KyousituCode = split.code;
        g.KyoutuuName = split.name;
    }
    // 6.-8. The program's own folders. The folder's name goes into every home-use record, which
    // other programs read in Shift-JIS: a name that has no such form is refused here, before a
    // record could be written wrongly.
    if (!cp932::canEncode(f.ProgFolderName)) {
        throw ProgramError(
            ProgramError::BadFileName,
            QStringLiteral(
                "プログラムフォルダの名前「%1」には シフトJIS (CP932) で表せない文字「%2」があります。"
                "フォルダの名前を変えてください。")
                .arg(f.ProgFolderName, cp932::firstUnencodable(f.ProgFolderName)));
    }
    g.ProgFolderName = f.ProgFolderName;
    g.DataFolder = f.DataFolder;
    g.OtoFolder = f.OtoFolder;
    // 9. The program's identity.
    プログラム名設定(g);
    // 10. The level table.
    readLevelTable(g, g.DataFolder + QStringLiteral("タイム回数データ.txt"));
    // 11. The sound list.
    音ファイル読込(g);
}

}  // namespace pekuru
