#include "roster/Roster.h"

#include <QFile>

#include "platform/FreeFormatReader.h"
#include "platform/ProgramError.h"

namespace pekuru {

QString rosterPath(const hensuu1& g) { return g.KyoutuuFolder + QStringLiteral("生徒用名簿.txt"); }
QString rosterTempPath(const hensuu1& g) { return g.KyoutuuFolder + QStringLiteral("生徒用名簿temp.txt"); }

int gradeIndex(int nendo, int umare) { return (nendo - umare) - 6; }

QString gradeCode(int G) {
    if (G <= -3) return QStringLiteral("幼-");
    if (G <= 0) return QStringLiteral("幼%1").arg(G + 3);
    if (G <= 6) return QStringLiteral("小%1").arg(G);
    if (G <= 9) return QStringLiteral("中%1").arg(G - 6);
    if (G <= 12) return QStringLiteral("高%1").arg(G - 9);
    return QStringLiteral("大+");
}

std::optional<QString> gradeLabel(int G) {
    static const QString fullWidth = QStringLiteral("０１２３４５６７８９");
    if (G == 0) return QStringLiteral("幼３");
    if (G >= 1 && G <= 6) return QStringLiteral("小") + fullWidth[G];
    if (G >= 7 && G <= 9) return QStringLiteral("中") + fullWidth[G - 6];
    if (G == 10) return QStringLiteral("高１");
    return std::nullopt;
}

QString GakunenMark(const Variant& G) {
    static const QString marks = QStringLiteral("①②③④⑤⑥ⅠⅡⅢ");
    const auto n = G.toNumber();
    if (G.isEmpty() || !n) return QStringLiteral("　");
    for (int i = 1; i <= 9; ++i)
        if (*n == i) return QString(marks[i - 1]);
    return QStringLiteral("　");
}

const QStringList& gradeFilterTexts() {
    static const QStringList texts = {
        QStringLiteral("全学年"), QStringLiteral("中学生全体"), QStringLiteral("小学生全体"),
        QStringLiteral("中３"),   QStringLiteral("中２"),       QStringLiteral("中１"),
        QStringLiteral("小６"),   QStringLiteral("小５"),       QStringLiteral("小４"),
        QStringLiteral("小３"),   QStringLiteral("小２"),       QStringLiteral("小１")};
    return texts;
}

int GakunenFilterMatch(const QString& filter, int G) {
    static const QString digits = QStringLiteral("１２３４５６");
    if (filter == QStringLiteral("全学年") || filter == QStringLiteral("家族")) return 1;
    if (filter == QStringLiteral("小学生全体")) return (G >= 1 && G <= 6) ? 1 : 0;
    if (filter == QStringLiteral("中学生全体")) return (G >= 7 && G <= 9) ? 1 : 0;
    if (filter.size() == 2) {
        const int d = int(digits.indexOf(filter[1])) + 1;
        if (filter[0] == QChar(u'小') && d >= 1 && d <= 6) return G == d ? 1 : 0;
        if (filter[0] == QChar(u'中') && d >= 1 && d <= 3) return G == d + 6 ? 1 : 0;
    }
    return 0;
}

Integer schoolYear(QDate today, const Variant& nendoTuki) {
    int year = today.year();
    const auto month = nendoTuki.toNumber();
    if (month && today.month() < *month) year -= 1;
    return Integer(year);
}

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
    g.FileNo = 1;
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
