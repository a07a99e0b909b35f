// bench-make-results FILE COUNT [STUDENTS]
//
// Writes COUNT attempts to a shared result file (44-byte records, the program's own encoding):
// students 1..STUDENTS (3, the demo roster, unless given) on levels 1 to 3, spread over the last
// 60 days up to today, mostly near the demo level table's target times, now and then a time-over.
// The start-up measurement loads the demo classroom with a file of 20000 of them.
#include <QDate>
#include <QFile>
#include <cstdio>
#include <random>

#include "records/RecordFormat.h"

using namespace pekuru;

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: bench-make-results FILE COUNT [STUDENTS]\n");
        return 2;
    }
    const int count = std::atoi(argv[2]);
    const int students = argc > 3 ? std::atoi(argv[3]) : 3;
    QFile f(QString::fromLocal8Bit(argv[1]));
    if (count < 0 || students < 1 || !f.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "bench-make-results: cannot write %s\n", argv[1]);
        return 1;
    }
    std::mt19937 random{20000};
    std::uniform_int_distribution<int> student(1, students), level(1, 3), daysAgo(0, 59),
        second(8 * 3600, 20 * 3600), percent(0, 99);
    const int target[] = {0, 60, 90, 150};
    const QDate today = QDate::currentDate();
    QByteArray bytes;
    bytes.reserve(qsizetype(count) * kSeisekiRecLength);
    for (int i = 0; i < count; ++i) {
        SeisekiRec r;
        r.bangou = std::int16_t(student(random));
        r.level = std::int16_t(level(random));
        r.hiduke = dateValue(today.addDays(-daysAgo(random)));
        r.jikoku = timeOfDayValue(second(random));
        const int p = percent(random);
        r.time = p < 3 ? 99999 : target[r.level] * (50 + p) / 100;
        bytes += encode(r);
    }
    if (f.write(bytes) != bytes.size() || !f.flush()) {
        std::fprintf(stderr, "bench-make-results: writing %s failed\n", argv[1]);
        return 1;
    }
    return 0;
}
