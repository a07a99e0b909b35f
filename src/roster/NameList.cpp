#include "roster/NameList.h"

#include <algorithm>
#include <cmath>

namespace pekuru {

namespace {

const QChar kIdeographicSpace(0x3000);

// Blanks (not ideographic spaces) off both ends, as the roster's fixed texts are padded.
QString trimBlanks(const QString& s) {
    qsizetype begin = 0, end = s.size();
    while (begin < end && s[begin] == QLatin1Char(' ')) ++begin;
    while (end > begin && s[end - 1] == QLatin1Char(' ')) --end;
    return s.mid(begin, end - begin);
}

QString lastCharacters(const QString& s, int n) { return s.size() <= n ? s : s.right(n); }

}  // namespace

double StudentTallies::of(Tally t) const {
    switch (t) {
        case Tally::HonjituKaisuu:
            return honjituKaisuu;
        case Tally::RuikeiKaisuu:
            return ruikeiKaisuu;
        case Tally::HonjituPoint:
            return honjituPoint;
        case Tally::RuikeiPoint:
            return ruikeiPoint;
    }
    return 0;
}

StudentTallies studentTallies(const hensuu1& g, int bangou) {
    StudentTallies t;
    for (int level = 1; level <= kMaxLevelIndex; ++level) {
        t.honjituKaisuu += g.HonjituKaisuu(bangou, level);
        t.ruikeiKaisuu += g.RuikeiKaisuu(bangou, level);
        t.honjituPoint += g.HonjituPoint(bangou, level);
        t.ruikeiPoint += g.RuikeiPoint(bangou, level);
    }
    return t;
}

QString tallyText(Tally tally, double n) {
    const QString digits = Variant::number(n).toText();
    switch (tally) {
        case Tally::HonjituKaisuu:
            return n == 0 ? QStringLiteral("     ")
                          : lastCharacters(QStringLiteral("  ") + digits, 3) + QStringLiteral("回");
        case Tally::RuikeiKaisuu:
            return n == 0 ? QStringLiteral("     ") + kIdeographicSpace
                          : lastCharacters(QStringLiteral("      ") + digits, 5) + QStringLiteral("回");
        case Tally::HonjituPoint:
            return n == 0 ? QStringLiteral("  ") + kIdeographicSpace
                          : lastCharacters(QStringLiteral("   ") + digits, 4);
        case Tally::RuikeiPoint:
            return n == 0 ? QStringLiteral("       ") : lastCharacters(QStringLiteral("      ") + digits, 7);
    }
    return {};
}

ModeColumns modeColumns(int mode) {
    switch (mode) {
        case 0:
            return {Tally::HonjituKaisuu, Tally::RuikeiKaisuu};
        case 2:
            return {Tally::HonjituPoint, Tally::HonjituKaisuu};
        case 3:
            return {Tally::RuikeiPoint, Tally::RuikeiKaisuu};
        default:
            return {Tally::HonjituPoint, Tally::RuikeiPoint};
    }
}

QString nameListEntry(const ShownRow& row, int mode, const StudentTallies& tallies) {
    const QString head = row.gradeCode + QLatin1Char(' ') + trimBlanks(row.record.Namae);
    // Kindergarten codes are followed by two more spaces, except in the points view.
    const int width = (row.gradeIndex <= 0 && mode != 1) ? 11 : 9;
    const qsizetype padding = std::max<qsizetype>(0, width - head.size());
    const ModeColumns c = modeColumns(mode);
    return head + QString(padding, kIdeographicSpace) + tallyText(c.first, tallies.of(c.first)) +
           QLatin1Char('/') + tallyText(c.second, tallies.of(c.second)) + QLatin1Char('*') +
           QString::number(row.record.Bangou);
}

QString nameListLine(const ShownRow& row, int mode, const StudentTallies& tallies) {
    return QString::number(row.record.Umare) + nameListEntry(row, mode, tallies);
}

namespace {

QString spokenTally(Tally tally, double n) {
    const QString number = Variant::number(n).toText();
    switch (tally) {
        case Tally::HonjituKaisuu:
            return QStringLiteral("今日 %1回").arg(number);
        case Tally::RuikeiKaisuu:
            return QStringLiteral("今まで %1回").arg(number);
        case Tally::HonjituPoint:
            return QStringLiteral("今日 %1ポイント").arg(number);
        case Tally::RuikeiPoint:
            return QStringLiteral("今まで %1ポイント").arg(number);
    }
    return {};
}

}  // namespace

QString spokenNameEntry(const ShownRow& row, int mode, const StudentTallies& tallies) {
    const ModeColumns c = modeColumns(mode);
    return QStringLiteral("%1 %2、%3、%4")
        .arg(row.gradeCode, trimBlanks(row.record.Namae), spokenTally(c.first, tallies.of(c.first)),
             spokenTally(c.second, tallies.of(c.second)));
}

QString spokenPlaceholder() { return QStringLiteral("まだ名前を選んでいません"); }

NameLists buildNameLists(hensuu1& g, const Clock& clock, int mode, const QString& filter) {
    NameLists lists;
    lists.List1.append(nameListPlaceholder());
    lists.spoken.append(spokenPlaceholder());
    const std::vector<ShownRow> rows = loadRoster(g, clock);
    // "家族" is the records hub's own view; here it is no filter text like any other.
    const bool knownFilter = filter != QStringLiteral("家族");
    for (const ShownRow& row : rows) {
        const StudentTallies t = studentTallies(g, row.record.Bangou);
        lists.List2.append(nameListLine(row, mode, t));
        if (!knownFilter || !GakunenFilterMatch(filter, row.gradeIndex)) continue;
        // Built from the row, not cut from the hidden line: a birth year that is not four digits
        // long (0 for one that was not a number) must not eat into the grade code.
        const QString entry = nameListEntry(row, mode, t);
        // The number follows the last "*": a name may hold one itself.
        lists.List1.append(entry.left(entry.lastIndexOf(QLatin1Char('*'))));
        lists.List3.append(entry);
        lists.spoken.append(spokenNameEntry(row, mode, t));
    }
    return lists;
}

QString nameListPlaceholder() { return QStringLiteral("－－－－－－"); }
QString choosePrompt() { return QStringLiteral("名前を選びなさい"); }

QString clickedName(const QString& entry) { return trimBlanks(trimBlanks(entry).left(10)); }

QString doubleClickedName(const QString& entry) {
    const qsizetype slash = entry.indexOf(QLatin1Char('/'));
    return trimBlanks(slash < 0 ? entry : entry.left(slash));
}

QString numberOfEntry(const QString& list3Entry) {
    const qsizetype star = list3Entry.lastIndexOf(QLatin1Char('*'));
    return star < 0 ? QString() : list3Entry.mid(star + 1);
}

void 名前確定(hensuu1& g, const Clock& clock, const QString& number) {
    g.KaisiTime = Long(std::floor(clock.secondsSinceMidnight()));
    const double n = leadingNumber(number);
    g.SeitoBangou = (n >= 0 && n <= kMaxStudent) ? Integer(n) : Integer(0);
    g.SeitoNamae = g.BangouNamae[g.SeitoBangou];
    g.SeitoGakunen = g.BangouGakunen[g.SeitoBangou];
}

QString programMenuPath(const hensuu1& g) {
    return g.AppFolder + QStringLiteral("../起動/プログラムメニュー.exe");
}
QString programMenuArgument() { return QStringLiteral("001"); }

}  // namespace pekuru
