// ペクル: a timed picture tile puzzle drill for pupils.

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <cstdio>
#include <memory>
#include <optional>

#include "app/CsvExport.h"
#include "app/Program.h"
#include "platform/HostConsole.h"
#include "platform/HostFonts.h"
#include "platform/HostMedia.h"
#include "platform/PekuruApplication.h"
#include "platform/SingleInstance.h"
#include "platform/Waiter.h"
#include "platform/WidgetMessageService.h"
#include "shell/ScreenManager.h"
#include "shell/ScreenScale.h"
#include "shell/Settings.h"
#include "shell/Startup.h"

using namespace pekuru;

namespace {

bool asksForExport(const QStringList& arguments) {
    for (qsizetype i = 1; i < arguments.size(); ++i)
        if (arguments[i].startsWith(QStringLiteral("--export-csv"))) return true;
    return false;
}

// The teacher's export runs without a screen: no widgets, so no display is needed.
int exportMain(int argc, char** argv) {
    connectHostConsole();
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
    // The same classroom as the program would open, looked for in the same places.
    QString folder;
    try {
        folder = resolveProgramFolder(cl, QCoreApplication::applicationDirPath());
    } catch (const ProgramExit& e) {
        std::fprintf(stderr, "%s\n", e.text().toUtf8().constData());
        return 1;
    }
    SystemClock clock;
    EventLoopWaiter waiter(clock);
    return runExport(folder, request.output, stdout, stderr, waiter);
}

// Help, the version and a wrong command line are answered before any application object is made,
// so that they work without a display too.
std::optional<int> answerWithoutScreen(const QStringList& arguments) {
    const CommandLine cl = parseCommandLine(arguments, QString());
    if (!cl.error.isEmpty() || cl.showHelp || cl.showVersion) connectHostConsole();
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
    const QStringList arguments = hostArguments(argc, argv);
    if (asksForExport(arguments)) return exportMain(argc, argv);
    if (const std::optional<int> answered = answerWithoutScreen(arguments)) return *answered;

    PekuruApplication app(argc, argv);
    PekuruApplication::setApplicationName(QStringLiteral("pekuru"));
    PekuruApplication::setApplicationDisplayName(QStringLiteral("ペクル"));
    PekuruApplication::setApplicationVersion(QStringLiteral(PEKURU_VERSION));
    useHostFonts(PekuruApplication::applicationDirPath(), kGothicFace, kMonoGothicFace);

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
    // The classroom: this host's places in this host's order (chooseProgramFolder).
    app.runGuarded(
        [&] { cl.programFolder = resolveProgramFolder(cl, PekuruApplication::applicationDirPath()); });

    SystemClock clock;
    MersenneRandom random;
    ScreenManager screens;
    SingleInstance instance(cl.programFolder);
    EventLoopWaiter waiter(clock);
    Program program(clock, random, *messages, screens, waiter);
    program.guardAgainstSecondCopies(instance);
    // Plays each cue to its end before the program goes on.
    program.playSoundsThrough(makeHostMediaCommands(PekuruApplication::applicationDirPath()));

    bool refused = false;
    app.runGuarded([&] {
        program.load(cl.programFolder);
        refused = !program.start();
    });
    if (refused) return 1;
    return app.exec();
}
