#include "roster/Roster.h"

#include <QFile>

#include "platform/FreeFormatReader.h"
#include "platform/ProgramError.h"

namespace pekuru {

QString rosterPath(const hensuu1& g) { return g.KyoutuuFolder + QStringLiteral("生徒用名簿.txt"); }
QString rosterTempPath(const hensuu1& g) { return g.KyoutuuFolder + QStringLiteral("生徒用名簿temp.txt"); }

QString fixedText(const QString& text, int width) {
    return text.left(width).leftJustified(width, QLatin1Char(' '));
}

namespace {

constexpr int kFields = 8;

[[noreturn]] void wrongFieldCount(const QString& path, int line, int found) {
    throw ProgramError(
        ProgramError::InputPastEnd,
        QStringLiteral("%1には値が %2 個あります。名簿の 1 行には 8 個の値 (番号, 生まれ年, 数, 数, "
                       "\"名前\", 表示, \"文字\", \"文字\") が必要です。")
            .arg(describePlace(path, line))
            .arg(found));
}

}  // namespace

RosterLine readRosterLine(FreeFormatReader& in) {
    const QString& path = in.fileName();
    RosterLine out;
    out.line = in.nextLine();
    // One row is one line of eight values; a short row would take the next row's values.
    FreeValue v[kFields];
    for (int c = 0; c < kFields; ++c) {
        v[c] = in.next();
        if (v[c].endsLine && c < kFields - 1) wrongFieldCount(path, out.line, c + 1);
        if (!v[c].endsLine && c == kFields - 1) wrongFieldCount(path, out.line, kFields + 1);
    }
    MeiboRecord& r = out.record;
    r.Bangou = in.toInt16(v[0]);
    if (r.Bangou < 0 || r.Bangou > kMaxStudent) {
        throw ProgramError(
            ProgramError::SubscriptOutOfRange,
            QStringLiteral("%1の生徒番号「%2」は使えません: 0 から %3 までの番号にしてください。")
                .arg(describePlace(path, v[0].line), v[0].text)
                .arg(kMaxStudent));
    }
    r.Umare = in.toInt16(v[1]);
    r.MeiboValue3 = in.toInt16(v[2]);
    r.MeiboValue4 = in.toInt16(v[3]);
    r.Namae = fixedText(v[4].text);
    r.MeiboText2 = fixedText(v[6].text);
    r.MeiboText3 = fixedText(v[7].text);
    out.flag = v[5];
    return out;
}

std::vector<ShownRow> loadRoster(hensuu1& g, const Clock& clock) {
    g.Nendo = schoolYear(clock.today(), g.NendoTuki);
    const QString path = rosterPath(g);
    FreeFormatReader in = FreeFormatReader::open(path);
    std::vector<ShownRow> shown;
    int k = 0;
    while (!in.atEnd()) {
        ++k;
        if (k > kHomeRosterLimit) {
            throw ProgramExit(QString(), QStringLiteral("家庭用は3人までしか登録できません"),
                              ProgramExit::Icon::Information);
        }
        const RosterLine read = readRosterLine(in);
        const MeiboRecord& r = read.record;
        Integer flag = in.toInt16(read.flag);
        g.MeiboData[k] = r;
        if (flag == 2 && g.MeiboOption.equalsNumber(1)) flag = 0;
        g.BangouNamae[r.Bangou] = r.Namae;
        g.BangouUmare[r.Bangou] = r.Umare;
        if (int(g.BangouList.size()) <= k) g.BangouList.resize(std::size_t(k) + 1);
        g.BangouList[std::size_t(k)] = Variant::number(r.Bangou);
        const int G = gradeIndex(g.Nendo, r.Umare);
        if (const auto label = gradeLabel(G)) g.BangouGakunen[r.Bangou] = *label;
        if (flag != 0) {
            --k;  // hidden: the next row takes its place
            continue;
        }
        shown.push_back({k, r, G, gradeCode(G)});
    }
    g.MeiboKazu = Integer(k);
    return shown;
}

void 名簿ファイル処理(const hensuu1& g) {
    const QString path = rosterPath(g);
    {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly)) return;
    }
    const QString temp = rosterTempPath(g);
    if (!QFile::exists(temp)) {
        throw ProgramError(ProgramError::FileNotFound,
                           QStringLiteral("名簿ファイル『%1』がありません。控えの『%2』もありません。\n"
                                          "名簿ファイルを置いてから、もう一度起動してください。")
                               .arg(path, temp));
    }
    if (QFile::exists(path)) {
        // There but unreadable: never overwrite it with the copy, the teacher must look at it.
        throw ProgramError(
            ProgramError::PermissionDenied,
            QStringLiteral("名簿ファイル『%1』はありますが開けません。ファイルの権限を確かめてください。")
                .arg(path));
    }
    if (!QFile::rename(temp, path)) {
        throw ProgramError(
            ProgramError::PathFileAccess,
            QStringLiteral("名簿ファイル『%1』を開けず、控えの『%2』から戻すこともできませんでした。")
                .arg(path, temp));
    }
}

}  // namespace pekuru
