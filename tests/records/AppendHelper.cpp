// A small process for the load tests of the shared result file. One copy of the program's append
// path per process:
//   append FOLDER STUDENT COUNT  appends COUNT records of STUDENT with the times 1..COUNT, through the
//                                program's own append under the real clock and the event-loop
//                                wait; a 100 ms timer runs meanwhile. Prints "ticks N" at the end.
//   hold FOLDER SECONDS          takes the lock of the shared file, prints "locked", keeps it for
//                                SECONDS, prints "releasing" with the file's length in bytes as
//                                it is at the end of the hold, then lets go.
//   tear FOLDER                  takes the lock, writes the first 20 bytes of a record after the
//                                last whole one, prints "torn" and waits to be killed.
// Exit 0 on success, 2 on bad arguments, 3 when the file cannot be opened or locked, 4 when the
// program's append ends with its diagnostic (printed to standard error).
#include <QCoreApplication>
#include <QThread>
#include <QTimer>
#include <cstdio>
#include <memory>

#include "platform/Clock.h"
#include "platform/ProgramError.h"
#include "platform/RecordFile.h"
#include "platform/Waiter.h"
#include "records/RecordFormat.h"
#include "records/Results.h"

using namespace pekuru;

namespace {

void say(const char* text) {
    std::puts(text);
    std::fflush(stdout);
}

QString withSeparator(QString folder) {
    if (!folder.endsWith(QLatin1Char('/'))) folder += QLatin1Char('/');
    return folder;
}

int append(const QString& folder, int student, int count) {
    auto g = std::make_unique<hensuu1>();
    g->DataFolder = g->KyoutuuFolder = withSeparator(folder);
    g->MeiboMode = 1;
    g->LevelNo = 1;
    g->SeitoBangou = Integer(student);
    g->KyousituCode = QStringLiteral("12345");
    SystemClock clock;
    EventLoopWaiter waiter(clock);
    Results results(*g, clock, waiter);

    int ticks = 0;
    QTimer timer;
    timer.setInterval(100);
    QObject::connect(&timer, &QTimer::timeout, [&ticks] { ++ticks; });
    timer.start();
    try {
        for (int i = 1; i <= count; ++i) {
            results.成績ランダムファイル記録(Attempt{g->SeitoBangou, g->LevelNo, Long(i), false});
        }
    } catch (const ProgramExit& e) {
        std::fprintf(stderr, "%s\n", e.text().toUtf8().constData());
        return 4;
    }
    std::printf("ticks %d\n", ticks);
    std::fflush(stdout);
    return 0;
}

bool openAndLock(RecordFile& file, const QString& folder) {
    auto g = std::make_unique<hensuu1>();
    g->DataFolder = withSeparator(folder);
    if (file.open(sharedResultPath(*g)) != RecordFile::Status::Ok) return false;
    return file.tryLock() == RecordFile::Status::Ok;
}

int hold(const QString& folder, double seconds) {
    RecordFile file;
    if (!openAndLock(file, folder)) return 3;
    say("locked");
    QThread::msleep(static_cast<unsigned long>(seconds * 1000));
    std::printf("releasing %lld\n", static_cast<long long>(file.length()));
    std::fflush(stdout);
    file.unlock();
    file.close();
    return 0;
}

int tear(const QString& folder) {
    RecordFile file;
    if (!openAndLock(file, folder)) return 3;
    SeisekiRec r;
    r.hiduke = 45000;
    r.bangou = 7;
    r.level = 2;
    r.time = 77;
    const QByteArray whole = encode(r);
    const std::int64_t end = file.length() / kSeisekiRecLength * kSeisekiRecLength;
    if (file.writeAt(end, whole.left(20)) != RecordFile::Status::Ok) return 3;
    say("torn");
    for (;;) QThread::sleep(60);  // killed here, lock held and record half written
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 3) return 2;
    const QString& mode = args[1];
    bool ok1 = true, ok2 = true;
    if (mode == QLatin1String("append") && args.size() == 5) {
        const int student = args[3].toInt(&ok1), count = args[4].toInt(&ok2);
        return ok1 && ok2 ? append(args[2], student, count) : 2;
    }
    if (mode == QLatin1String("hold") && args.size() == 4) {
        const double seconds = args[3].toDouble(&ok1);
        return ok1 ? hold(args[2], seconds) : 2;
    }
    if (mode == QLatin1String("tear") && args.size() == 3) return tear(args[2]);
    return 2;
}
