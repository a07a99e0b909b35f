// Reloading the statistics (回数求) from shared result files of 1 000, 20 000 and 1 000 000 records,
// beside a bare read of the same bytes the loader reads: open, read the newest min(n, 20000)
// records, close. The ratio of the two is what the loader and statistics add to the file read.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QFile>
#include <QTemporaryDir>
#include <map>
#include <memory>
#include <random>

#include "platform/Clock.h"
#include "platform/ProgramError.h"
#include "records/RecordFormat.h"
#include "records/Results.h"
#include "support/Fakes.h"

using namespace pekuru;

namespace {

const QDate kToday(2024, 6, 14);

// A classroom's file: about 30 students on levels 1 to 3, attempts spread over the last 60 days,
// mostly a little above or below the target time, now and then a time-over.
QString makeFile(const QString& folder, int records) {
    const QString path = folder + QStringLiteral("成績累積データ.dat");
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return {};
    std::mt19937 random{std::uint32_t(records)};
    std::uniform_int_distribution<int> student(1, 30), level(1, 3), daysAgo(0, 59),
        second(8 * 3600, 20 * 3600), percent(0, 99);
    const int target[] = {0, 60, 90, 150};
    QByteArray chunk;
    chunk.reserve(4096 * kSeisekiRecLength);
    for (int i = 0; i < records; ++i) {
        SeisekiRec r;
        r.bangou = Integer(student(random));
        r.level = Integer(level(random));
        r.hiduke = dateValue(kToday.addDays(-daysAgo(random)));
        r.jikoku = timeOfDayValue(second(random));
        const int p = percent(random);
        r.time = p < 3 ? kNoTime : target[r.level] * (50 + p) / 100;
        r.code = QStringLiteral("12345");
        chunk += encode(r);
        if (chunk.size() >= 4096 * kSeisekiRecLength) {
            f.write(chunk);
            chunk.clear();
        }
    }
    f.write(chunk);
    return path;
}

// One temporary folder for the run, one file per size, made on first use.
struct Files {
    QTemporaryDir dir;
    std::map<int, QString> folders;

    QString folderFor(int records) {
        auto it = folders.find(records);
        if (it != folders.end()) return it->second;
        const QString folder = dir.filePath(QString::number(records)) + QLatin1Char('/');
        QDir().mkpath(folder);
        makeFile(folder, records);
        return folders[records] = folder;
    }
};

Files& files() {
    static Files f;
    return f;
}

// The program's state, made once as at start-up: the tables are allocated for the life of the run.
struct Program {
    std::unique_ptr<hensuu1> g = std::make_unique<hensuu1>();
    FakeClock clock{kToday, 10 * 3600.0};
    test::NoWait waiter;
    std::unique_ptr<Results> results;

    Program() {
        const Long target[] = {0, 60, 90, 150};
        const float factor[] = {0, 1, 1.2f, 1.5f};
        for (int l = 1; l <= 3; ++l) {
            g->GoukakuTime[l] = target[l];
            g->LevelPoint[l] = factor[l];
            g->LevelValue8[l] = Variant::number(7);
            g->LevelValue9[l] = Variant::number(1);
        }
        results = std::make_unique<Results>(*g, clock, waiter);
    }
};

Program& program() {
    static Program p;
    return p;
}

void reportPeakMemory(benchmark::State& state) {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_rss_MiB"] = double(usage.ru_maxrss) / 1024.0;  // ru_maxrss is in KiB
}

void BM_回数求(benchmark::State& state) {
    const int records = int(state.range(0));
    Program& p = program();
    p.g->DataFolder = p.g->KyoutuuFolder = files().folderFor(records);
    for (auto _ : state) {
        try {
            p.results->回数求();
        } catch (const ProgramExit& e) {
            state.SkipWithError(e.text().toUtf8().constData());
            break;
        }
        benchmark::DoNotOptimize(p.g->RuikeiPoint(1, 1));
    }
    state.counters["slots"] = double(p.g->RecordSuu);
    reportPeakMemory(state);
}

void BM_BareRead(benchmark::State& state) {
    const int records = int(state.range(0));
    const QByteArray path =
        QFile::encodeName(files().folderFor(records) + QStringLiteral("成績累積データ.dat"));
    const std::int64_t read = std::min(records, kMaxRecordSlots) * std::int64_t(kSeisekiRecLength);
    const std::int64_t from = std::int64_t(records) * kSeisekiRecLength - read;
    std::vector<char> buffer(static_cast<std::size_t>(read));
    for (auto _ : state) {
        const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
        const ssize_t got = ::pread(fd, buffer.data(), buffer.size(), off_t(from));
        ::close(fd);
        if (got != ssize_t(read)) {
            state.SkipWithError("short read");
            break;
        }
        benchmark::DoNotOptimize(buffer.data());
    }
    reportPeakMemory(state);
}

}  // namespace

BENCHMARK(BM_回数求)->Arg(1000)->Arg(20000)->Arg(1000000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BareRead)->Arg(1000)->Arg(20000)->Arg(1000000)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
