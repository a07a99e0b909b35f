// ペクル: a timed picture tile puzzle drill for pupils.

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>

#include "app/CsvExport.h"
#include "app/Program.h"
#include "platform/LazyMediaCommands.h"
#include "platform/PekuruApplication.h"
#include "platform/SingleInstance.h"
#include "platform/Waiter.h"
#include "platform/WidgetMessageService.h"
#include "shell/ScreenManager.h"
#include "shell/Settings.h"
#include "shell/Startup.h"

using namespace pekuru;

namespace {

bool asksForExport(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], "--export-csv", 12) == 0) return true;
    return false;
}

// The teacher's export runs without a screen: no widgets, so no display is needed.
int exportMain(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList arguments = QCoreApplication::arguments();
    const ExportRequest request = takeExportRequest(arguments);
    const CommandLine cl = parseCommandLine(arguments, QCoreApplication::applicationDirPath());
    const QString error = !request.error.isEmpty() ? request.error : cl.error;
    if (!error.isEmpty()) {
        std::fprintf(stderr, "%s\n%s%s", error.toUtf8().constData(), usageText().toUtf8().constData(),
                     exportUsageText().toUtf8().constData());
        return 2;
    }
    // The same classroom as the program would open: --folder, PEKURU_FOLDER, beside it, the user's own.
    QString folder;
    try {
        folder = resolveProgramFolder(cl, QCoreApplication::applicationDirPath());
    } catch (const ProgramExit& e) {
        std::fprintf(stderr, "%s\n", e.text().toUtf8().constData());
        return 1;
    }
    return runExport(folder, request.output, stdout, stderr);
}

// Help, the version and a wrong command line are answered before any application object is made,
// so that they work without a display too.
std::optional<int> answerWithoutScreen(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    const CommandLine cl = parseCommandLine(arguments, QString());
    if (!cl.error.isEmpty()) {
        std::fprintf(stderr, "%s\n%s%s", cl.error.toUtf8().constData(), usageText().toUtf8().constData(),
                     exportUsageText().toUtf8().constData());
        return 2;
    }
    if (cl.showHelp) {
        std::fputs((usageText() + exportUsageText()).toUtf8().constData(), stdout);
        return 0;
    }
    if (cl.showVersion) {
        std::printf("ペクル %s\n", PEKURU_VERSION);
        return 0;
    }
    return std::nullopt;
}

}  // namespace

int main(int argc, char** argv) {
    if (asksForExport(argc, argv)) return exportMain(argc, argv);
    if (const std::optional<int> answered = answerWithoutScreen(argc, argv)) return *answered;

    PekuruApplication app(argc, argv);
    PekuruApplication::setApplicationName(QStringLiteral("pekuru"));
    PekuruApplication::setApplicationDisplayName(QStringLiteral("ペクル"));
    PekuruApplication::setApplicationVersion(QStringLiteral(PEKURU_VERSION));

    CommandLine cl =
        parseCommandLine(PekuruApplication::arguments(), PekuruApplication::applicationDirPath());

    // An unattended run (automated checks) writes its messages to standard error instead of
    // waiting for someone to close a box.
    std::unique_ptr<MessageService> messages;
    if (qEnvironmentVariableIntValue("PEKURU_UNATTENDED") == 1)
        messages = std::make_unique<StderrMessageService>();
    else
        messages = std::make_unique<WidgetMessageService>();
    app.setMessageService(messages.get());
    // Without --folder: PEKURU_FOLDER, the executable's folder, or the user's own classroom.
    app.runGuarded(
        [&] { cl.programFolder = resolveProgramFolder(cl, PekuruApplication::applicationDirPath()); });

    SystemClock clock;
    MersenneRandom random;
    ScreenManager screens;
    SingleInstance instance(cl.programFolder);
    EventLoopWaiter waiter(clock);
    Program program(clock, random, *messages, screens, waiter);
    program.guardAgainstSecondCopies(instance);
    // Plays each cue to its end before the program goes on; loaded with the first sound.
    program.playSoundsThrough(LazyMediaCommands::moduleFoldersFor(PekuruApplication::applicationDirPath()));

    bool refused = false;
    app.runGuarded([&] {
        program.load(cl.programFolder);
        refused = !program.start();
    });
    if (refused) return 1;
    return app.exec();
}
