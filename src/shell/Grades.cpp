#include "shell/Grades.h"

namespace pekuru {

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

}  // namespace pekuru
