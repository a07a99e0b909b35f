#pragma once

// A records hub over a temporary data folder: a classroom of four in memory, a result file of the
// given attempts, and the program's screen manager recording what is shown and unloaded. Shared by
// the hub's tests and the screenshot maker.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdint>
#include <memory>

#include "records/RecordFormat.h"
#include "records/Results.h"
#include "records/seisekitime1.h"
#include "roster/Roster.h"
#include "shell/ScreenManager.h"
#include "support/Fakes.h"
#include "support/ScreenFakes.h"
#include "support/TestSupport.h"
#include "support/TestWorld.h"

namespace pekuru::test {

inline const QDate kToday(2024, 5, 10);

struct Student {
    int number;
    int born;
    const char16_t* name;
};
// School year 2024: born 2015 is 小３ (①…③ marks), 2018 is kindergarten, 1985 the teacher.
inline const Student kRoster[] = {{1, 1985, u"やまだ先生"},
                                  {2, 2015, u"さとう　たろう"},
                                  {3, 2018, u"すずき　はなこ"},
                                  {4, 2015, u"いとう　さくら"}};

// A classroom of four with three levels of target time 60 s; student 2 is the one working.
inline void classroom(hensuu1& state, int rows = 4) {
    hensuu1* g = &state;
    g->Nendo = 2024;
    g->LevelCount = g->MaxLevel = 3;
    for (int l = 1; l <= 3; ++l) {
        g->GoukakuTime[l] = 60;
        g->SeigenTime[l] = 120;
        g->HituyouKaisuu[l] = 30;
        g->HituyouKaisuu2[l] = 3;
        g->LevelPoint[l] = 1;
        g->LevelValue8[l] = Variant::number(7);
        g->LevelValue9[l] = Variant::number(1);
        g->LevelName[l] =
            l == 1 ? QStringLiteral("レベル1") : QStringLiteral("レベル%1").arg(QChar(u'０' + l));
    }
    g->BangouList.assign(std::size_t(rows) + 1, Variant());
    for (int r = 1; r <= rows; ++r) {
        const Student& s = kRoster[r - 1];
        g->BangouList[std::size_t(r)] = Variant::number(s.number);
        g->BangouNamae[s.number] = fixedText(QString::fromUtf16(s.name));
        g->BangouUmare[s.number] = Integer(s.born);
    }
    g->MeiboKazu = Integer(rows);
    g->SeitoBangou = 2;
    g->SeitoNamae = g->BangouNamae[2];
    g->SeitoGakunen = QStringLiteral("小３");
    for (int s = 0; s <= 4; ++s)
        for (int l = 1; l <= 3; ++l) g->JikoBest(s, l) = kNoTime;
}
inline std::unique_ptr<hensuu1> classroom(int rows = 4) {
    auto g = std::make_unique<hensuu1>();
    classroom(*g, rows);
    return g;
}

inline SeisekiRec rec(QDate day, int hh, int mm, int ss, int student, int level, Long time) {
    SeisekiRec r;
    r.hiduke = dateValue(day);
    r.jikoku = timeOfDayValue(hh * 3600 + mm * 60 + ss);
    r.bangou = Integer(student);
    r.level = Integer(level);
    r.time = time;
    return r;
}

inline QString shown(Screen s) { return QStringLiteral("show ") + screenName(s); }
inline QString unloaded(Screen s) { return QStringLiteral("unload ") + screenName(s); }

struct Hub : TestWorld {
    explicit Hub(const std::vector<SeisekiRec>& records = {}) : TestWorld(kToday, 10 * 3600.0 + 30, 3) {
        classroom(*g);
        g->ProgTitle = QStringLiteral("ペクル");
        g->KyoutuuName = QStringLiteral("ひまわり教室");
        g->HaikeiColor = 0x808000;
        g->GakunenFilter = QStringLiteral("全学年");
        g->KaisiTime = 10 * 3600 - 12 * 60;
        QByteArray bytes;
        for (const SeisekiRec& r : records) bytes += encode(r);
        test::writeBytes(sharedResultPath(*g), bytes);
        standIn({Screen::namesel, Screen::MainFrm, Screen::FormPrint0});
    }
    seisekitime1* open() {
        screens.show(Screen::seisekitime1);
        auto* w = qobject_cast<seisekitime1*>(screens.loaded(Screen::seisekitime1));
        for (int i = 0; i < 5 && w && w->KeyReady == 0; ++i) QCoreApplication::processEvents();
        return w;
    }
    template <typename T>
    T* find(seisekitime1* w, const QString& name) {
        T* c = w->findChild<T*>(name);
        EXPECT_NE(c, nullptr) << name.toStdString();
        return c;
    }
    QString text(seisekitime1* w, const QString& label) { return find<QLabel>(w, label)->text(); }
    std::vector<QString> lines(seisekitime1* w, int level) {
        std::vector<QString> out;
        auto* list = find<QListWidget>(w, QStringLiteral("List5_%1").arg(level));
        for (int i = 0; i < list->count(); ++i) out.push_back(list->item(i)->text());
        return out;
    }
    QString selected(seisekitime1* w, int level) {
        auto* item = find<QListWidget>(w, QStringLiteral("List5_%1").arg(level))->currentItem();
        return item ? item->text() : QString();
    }
};

// A few attempts of the demo's students: student 2 (chosen) and 4 are third graders.
inline std::vector<SeisekiRec> someAttempts() {
    return {
        rec(kToday.addDays(-20), 16, 0, 0, 2, 1, 45),  // 5 points, outside the 7 days
        rec(kToday, 9, 5, 3, 2, 1, 30),                // 11
        rec(kToday, 9, 15, 0, 4, 1, 20),               // 19
        rec(kToday, 9, 20, 0, 3, 1, 10),               // 33
        rec(kToday, 9, 30, 0, 2, 1, 99999),            // time-over
        rec(kToday, 9, 40, 0, 4, 2, 60),               // 5
    };
}

// Four weeks of attempts of every student on every level up to `today`, with a few days off,
// time-overs now and then and each student getting faster: content for the views and pictures.
inline std::vector<SeisekiRec> weeksOfAttempts(QDate today, int weeks = 4) {
    std::vector<SeisekiRec> out;
    std::uint32_t seed = 12345;
    const auto next = [&seed](int below) {
        seed = seed * 1103515245u + 12345u;
        return int((seed >> 16) % std::uint32_t(below));
    };
    const int days = weeks * 7;
    for (int d = 0; d < days; ++d) {
        const QDate day = today.addDays(d - days + 1);
        for (int s = 1; s <= 4; ++s) {
            if ((d + 2 * s) % 5 == 0) continue;  // a day off now and then
            for (int level = 1; level <= 3; ++level) {
                const int tries = 1 + next(3);
                for (int t = 0; t < tries; ++t) {
                    // Slow at first, close to the 60-second target after four weeks; the
                    // kindergartner (student 3) stays slower.
                    const int start = 100 + 15 * level + 6 * s, end = s == 3 ? 115 : 40;
                    Long time = Long(start - (start - end) * d / days + next(25) - 10);
                    if (next(23) == 0) time = kNoTime;
                    out.push_back(rec(day, 15 + t, 5 * s + next(5), next(60), s, level, time));
                }
            }
        }
    }
    std::stable_sort(out.begin(), out.end(), [](const SeisekiRec& a, const SeisekiRec& b) {
        return a.hiduke + a.jikoku < b.hiduke + b.jikoku;
    });
    return out;
}

}  // namespace pekuru::test
