#include "roster/RosterEdit.h"

#include <cmath>
#include <limits>
#include <set>

#include "platform/Cp932.h"
#include "platform/FreeFormatWriter.h"

namespace pekuru {

namespace {

QString dropPadding(const QString& fixed) {
    qsizetype end = fixed.size();
    while (end > 0 && fixed[end - 1] == QLatin1Char(' ')) --end;
    return fixed.left(end);
}

QString trimBlanks(const QString& s) {
    qsizetype begin = 0, end = s.size();
    while (begin < end && s[begin] == QLatin1Char(' ')) ++begin;
    while (end > begin && s[end - 1] == QLatin1Char(' ')) --end;
    return s.mid(begin, end - begin);
}

// Why a name cannot go into the file, or nothing when it can.
std::optional<QString> nameProblem(int row, const QString& name) {
    for (const QChar c : name) {
        if (c == QLatin1Char('"'))
            return QStringLiteral(
                       "%1 "
                       "行目の名前「%"
                       "2」の「\"」は名簿に書けません。取ってから、もう一度「変更」を押してください。")
                .arg(row)
                .arg(name);
        if (c.unicode() < 0x20)
            return QStringLiteral(
                       "%1 行目の名前に、名簿に書けない制御文字 (U+%2) "
                       "が入っています。名前を打ち直してください。")
                .arg(row)
                .arg(int(c.unicode()), 4, 16, QLatin1Char('0'));
    }
    const QString bad = cp932::firstUnencodable(name);
    if (!bad.isEmpty())
        return QStringLiteral(
                   "%1 "
                   "行目の名前「%2」の「%"
                   "3」は名簿に書けない文字です。別の文字にしてから、もう一度「変更」を押してください。")
            .arg(row)
            .arg(name, bad);
    return std::nullopt;
}

void writeFlag(FreeFormatWriter& w, const FreeValue& flag) {
    const Variant v = FreeFormatReader::toVariant(flag);
    if (v.isText()) {
        w.text(v.toText());
        return;
    }
    const double n = v.toNumber().value_or(0);
    if (n == std::floor(n) && std::fabs(n) < 1e15)
        w.integer(std::int64_t(n));
    else
        w.single(float(n));
}

void writeLine(FreeFormatWriter& w, const RosterLine& line) {
    const MeiboRecord& r = line.record;
    w.integer(r.Bangou)
        .integer(r.Umare)
        .integer(r.MeiboValue3)
        .integer(r.MeiboValue4)
        .text(fixedText(r.Namae));
    writeFlag(w, line.flag);
    w.text(fixedText(r.MeiboText2)).text(fixedText(r.MeiboText3)).endLine();
}

// A row the file does not hold yet: a student number no other line uses, shown, nothing reserved.
RosterLine newRow(const std::vector<RosterLine>& lines) {
    std::set<int> used;
    for (const RosterLine& l : lines) used.insert(l.record.Bangou);
    RosterLine row;
    int number = 1;
    while (used.count(number)) ++number;
    row.record.Bangou = Integer(number);
    row.record.MeiboText2 = fixedText(QString());
    row.record.MeiboText3 = fixedText(QString());
    row.flag.text = QStringLiteral("0");
    return row;
}

}  // namespace

std::vector<RosterLine> readRosterForEditing(hensuu1& g) {
    FreeFormatReader in = FreeFormatReader::open(rosterPath(g));
    std::vector<RosterLine> lines;
    while (!in.atEnd()) {
        lines.push_back(readRosterLine(in));
        const int i = int(lines.size());
        if (i <= kMaxStudent) g.MeiboData[i] = lines.back().record;
    }
    return lines;
}

RegistrationInputs registrationBoxes(const std::vector<RosterLine>& lines) {
    RegistrationInputs boxes;
    for (int i = 0; i < kRegistrationRows && i < int(lines.size()); ++i) {
        boxes[std::size_t(i)].name = dropPadding(lines[std::size_t(i)].record.Namae);
        boxes[std::size_t(i)].birthYear = QString::number(lines[std::size_t(i)].record.Umare);
    }
    return boxes;
}

std::optional<Integer> birthYearOf(const QString& box) {
    QString text = box;
    for (QChar& c : text) {
        if (c >= QChar(0xFF10) && c <= QChar(0xFF19))
            c = QChar(u'0' + (c.unicode() - 0xFF10));
        else if (c == QChar(0xFF0D) || c == QChar(0x2212))
            c = QLatin1Char('-');
        else if (c == QChar(0xFF0B))
            c = QLatin1Char('+');
        else if (c == QChar(0xFF0E))
            c = QLatin1Char('.');
        else if (c == QChar(0x3000))
            c = QLatin1Char(' ');
    }
    const double rounded = std::nearbyint(leadingNumber(text));  // halves to even
    if (rounded < std::numeric_limits<Integer>::min() || rounded > std::numeric_limits<Integer>::max())
        return std::nullopt;
    return Integer(rounded);
}

QString storedName(const QString& box) { return trimBlanks(box).left(kRosterTextLength); }

std::optional<QString> saveRegistration(hensuu1& g, const RegistrationInputs& boxes) {
    std::vector<RosterLine> lines = readRosterForEditing(g);
    // Check every box before anything is written.
    for (int i = 0; i < kRegistrationRows; ++i) {
        const RegistrationInput& box = boxes[std::size_t(i)];
        if (const auto problem = nameProblem(i + 1, storedName(box.name))) return problem;
        if (!birthYearOf(box.birthYear))
            return QStringLiteral(
                       "%1 行目の生まれた年「%2」は大きすぎて名簿に書けません。4 けたの年 (たとえば 2015) "
                       "を入れてください。")
                .arg(i + 1)
                .arg(trimBlanks(box.birthYear));
    }
    const std::size_t inFile = lines.size();
    for (std::size_t k = 0; k < std::size_t(kRegistrationRows); ++k) {
        const RegistrationInput& box = boxes[k];
        if (k >= inFile) {
            if (storedName(box.name).isEmpty()) continue;  // an empty new row is no student
            lines.push_back(newRow(lines));
        }
        RosterLine& line = k < inFile ? lines[k] : lines.back();
        line.record.Namae = fixedText(storedName(box.name));
        line.record.Umare = *birthYearOf(box.birthYear);
    }
    for (std::size_t k = 0; k < lines.size() && k < std::size_t(kRegistrationRows); ++k)
        g.MeiboData[int(k) + 1] = lines[k].record;
    FreeFormatWriter out(rosterPath(g));
    for (const RosterLine& line : lines) writeLine(out, line);
    out.saveTo(rosterPath(g));
    return std::nullopt;
}

}  // namespace pekuru
