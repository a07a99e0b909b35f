#include "records/Results.h"

#include <QFileInfo>
#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>

#include "platform/ProgramError.h"
#include "records/Points.h"
#include "records/RecordFormat.h"
#include "records/ResultFile.h"

namespace pekuru {

void endWithResultFileDiagnostic(const QString& text) {
    throw ProgramExit(QString(), text, ProgramExit::Icon::Critical);
}

QString sharedResultPath(const hensuu1& g) { return g.DataFolder + QStringLiteral("成績累積データ.dat"); }
QString homeResultPath(const hensuu1& g) {
    return g.KyoutuuFolder + QStringLiteral("成績累積データ家庭用.dat");
}

Results::Results(hensuu1& g, const Clock& clock, Waiter& waiter) : g_(g), clock_(clock), waiter_(waiter) {
    g_.RuikeiKaisuu.fill(0);
    g_.KikanKaisuuA.fill(0);
    g_.KikanKaisuuB.fill(0);
    g_.HonjituKaisuu.fill(0);
    g_.RuikeiPoint.fill(0);
    g_.KikanPointA.fill(0);
    g_.KikanPointB.fill(0);
    g_.HonjituPoint.fill(0);
    // No best time yet for anyone (student 0 and level 0 stay 0).
    g_.JikoBest.fill(kNoTime);
    g_.JikoBest.fillColumn(0, 0);
    for (int l = 1; l <= kMaxLevelIndex; ++l) g_.JikoBest(0, l) = 0;
    g_.LevelBest.fill(0);
}

AttemptOutcome Results::Seisekikiroku(const Attempt& attempt) {
    const int s = attempt.SeitoBangou, l = attempt.LevelNo;
    const Long t = attempt.KirokuTime;
    AttemptOutcome o;
    o.KiteiClearFlag =
        (g_.RuikeiKaisuu(s, l) >= g_.HituyouKaisuu2[l] && g_.RuikeiPoint(s, l) >= g_.HituyouKaisuu[l]) ? 1
                                                                                                       : 0;
    if (g_.JikoBest(s, l) > t) {
        o.JikoBestFlag = 1;
        g_.JikoBest(s, l) = t;
        touch(s);
    }
    成績ランダムファイル記録(attempt);
    if (g_.LevelBest[l] > t) {
        g_.LevelBest[l] = t;
        o.SaikouFlag = 1;
    }
    return o;
}

void Results::appendRecord(const QString& path, const QByteArray& record, int recordLength,
                           const QString& procedure) {
    const ResultFile::Outcome o = ResultFile(path, recordLength).append(record, waiter_);
    if (o.ok()) return;
    const QString head = procedure + QLatin1Char('\n') + o.hostError() + QLatin1Char('\n');
    if (o.readOnly)
        endWithResultFileDiagnostic(
            head + QStringLiteral(
                       "『%1』に書き込めません。このアカウントには書き込む許可がありません。"
                       "教室のすべてのアカウントがこのファイルとそのフォルダに書き込めるようにしてください"
                       " (例: chmod a+rw)。")
                       .arg(path));
    switch (o.failedAt) {
        case ResultFile::Step::Open:
            endWithResultFileDiagnostic(head + QStringLiteral("『%1』を開けません。").arg(path));
        case ResultFile::Step::Lock:
            endWithResultFileDiagnostic(head + QStringLiteral("『%1』をロックできません。").arg(path));
        case ResultFile::Step::Length:
            endWithResultFileDiagnostic(head + QStringLiteral("『%1』の長さが分かりません。").arg(path));
        case ResultFile::Step::Read:
        case ResultFile::Step::Write:
            break;
    }
    endWithResultFileDiagnostic(head + QStringLiteral("『%1』に書き込めません。").arg(path));
}

void Results::成績ランダムファイル記録(const Attempt& attempt) {
    SeisekiRec r;
    r.hiduke = dateValue(clock_.today());
    r.jikoku = timeOfDayValue(clock_.secondsSinceMidnight());
    r.bangou = attempt.SeitoBangou;
    r.level = attempt.LevelNo;
    r.time = attempt.KirokuTime;
    r.code = g_.KyousituCode;
    appendRecord(sharedResultPath(g_), encode(r), kSeisekiRecLength,
                 QStringLiteral("成績ランダムファイル記録"));

    // Students 4900 to 5000 are kept out of the home-use file.
    if (g_.MeiboMode == 1 && (attempt.SeitoBangou < 4900 || attempt.SeitoBangou > 5000)) {
        KateiRec h;
        QString folder = g_.DataFolder;
        folder.chop(1);  // drop the trailing separator, then take the last component
        h.folderName = folder.mid(folder.lastIndexOf(QLatin1Char('/')) + 1) + QLatin1Char('\\');
        h.hiduke = dateValue(clock_.today());
        h.jikoku = timeOfDayValue(clock_.secondsSinceMidnight());
        h.bangou = attempt.SeitoBangou;
        h.level = attempt.LevelNo;
        h.time = attempt.KirokuTime;
        h.code = g_.KyousituCode;
        appendRecord(homeResultPath(g_), encode(h), kKateiRecLength,
                     QStringLiteral("成績ランダムファイル記録"));
    }
}

Long Results::KeisanPoint(Long t, int level) const { return statisticsPoints(g_, t, level); }

}  // namespace pekuru
