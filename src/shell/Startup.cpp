#include "shell/Startup.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

#include "platform/HostFolders.h"
#include "platform/ProgramError.h"
#include "shell/Settings.h"

namespace pekuru {

namespace {

const QString kSettingsFile = QStringLiteral("設定.txt");

QString programFolderIn(const QString& classroom) {
    return classroom + QLatin1Char('/') + QString::fromUtf8(kProgramFolderName);
}

bool holdsSettings(const QString& folder) {
    return !folder.isEmpty() && QFileInfo(folder + QLatin1Char('/') + kSettingsFile).isFile();
}

// Copies one file so that the target either does not exist or is whole: the bytes go to a
// scratch name first and are renamed into place. The copy is the user's own to change, whatever
// the installed file's mode.
void copyWhole(const QString& from, const QString& to) {
    const QString scratch = to + QStringLiteral(".pekuru-copy");
    QFile::remove(scratch);
    QFile source(from);
    if (!QDir().mkpath(QFileInfo(to).absolutePath()) || !source.copy(scratch) ||
        !QFile::setPermissions(scratch,
                               QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther) ||
        !QFile::rename(scratch, to)) {
        const QString why = source.errorString();
        QFile::remove(scratch);
        throw ProgramError(ProgramError::PathFileAccess,
                           QStringLiteral("見本の教室のファイル『%1』を『%2』にコピーできませんでした (%3)。"
                                          "フォルダに書きこめるか、空きがあるかを確かめてください。")
                               .arg(QDir::toNativeSeparators(from), QDir::toNativeSeparators(to), why));
    }
}

// Fills `target` with every file of `demo` that it lacks; the program folder's 設定.txt last,
// because its presence is what marks the classroom as ready.
bool fillFromDemo(const QString& demo, const QString& target) {
    const QString settingsPath = QString::fromUtf8(kProgramFolderName) + QLatin1Char('/') + kSettingsFile;
    bool copied = false;
    QDirIterator it(demo, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString from = it.next();
        const QString relative = QDir(demo).relativeFilePath(from);
        if (relative == settingsPath) continue;
        const QString to = target + QLatin1Char('/') + relative;
        if (QFileInfo::exists(to)) continue;
        copyWhole(from, to);
        copied = true;
    }
    const QString settingsTarget = target + QLatin1Char('/') + settingsPath;
    if (!QFileInfo::exists(settingsTarget)) {
        copyWhole(demo + QLatin1Char('/') + settingsPath, settingsTarget);
        copied = true;
    }
    return copied;
}

}  // namespace

CommandLine parseCommandLine(const QStringList& arguments, const QString& executableFolder) {
    CommandLine c;
    c.programFolder = executableFolder;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (a == QStringLiteral("--folder")) {
            if (i + 1 >= arguments.size()) {
                c.error = QStringLiteral("--folder の後にプログラムフォルダを指定してください。");
                return c;
            }
            c.programFolder = arguments[++i];
            c.folderGiven = true;
        } else if (a.startsWith(QStringLiteral("--folder="))) {
            c.programFolder = a.mid(9);
            c.folderGiven = true;
        } else if (a == QStringLiteral("--help") || a == QStringLiteral("-h")) {
            c.showHelp = true;
        } else if (a == QStringLiteral("--version")) {
            c.showVersion = true;
        } else {
            c.error = QStringLiteral("分からない引数「%1」があります。").arg(a);
            return c;
        }
    }
    c.programFolder = normaliseProgramFolder(c.programFolder);
    return c;
}

QString usageText() {
    const HostFolders host = hostFolders(QString());
    const QString order =
        host.executableFolderFirst
            ? QStringLiteral(
                  "                実行ファイルのあるフォルダに設定.txt があれば、--folder があっても\n"
                  "                そこを使います。なければ --folder の DIR、環境変数 PEKURU_FOLDER の\n"
                  "                フォルダ、自分用の教室 (%1) の順にさがします。\n"
                  "                自分用の教室は、はじめての起動のときに見本の教室から作ります。\n")
            : QStringLiteral(
                  "                省略すると、環境変数 PEKURU_FOLDER "
                  "のフォルダ、実行ファイルのあるフォルダ\n"
                  "                (設定.txt があるとき)、自分用の教室 (%1) の順に\n"
                  "                "
                  "さがします。自分用の教室は、はじめての起動のときに見本の教室から作ります。\n");
    return QStringLiteral(
               "使い方: pekuru [--folder プログラムフォルダ]\n"
               "  --folder DIR  DIR をプログラムフォルダとして使います (設定.txt のあるフォルダ)。\n") +
           order.arg(host.userClassroomInWords) +
           QStringLiteral(
               "  --version     版を表示します。\n"
               "  --help        この説明を表示します。\n");
}

FolderSources hostFolderSources(const QString& executableFolder) {
    const HostFolders host = hostFolders(executableFolder);
    FolderSources s;
    s.environmentFolder = qEnvironmentVariable("PEKURU_FOLDER");
    s.executableFolder = executableFolder;
    s.userClassroom = host.userClassroom;
    s.demoClassrooms = host.demoClassrooms;
    s.executableFolderFirst = host.executableFolderFirst;
    return s;
}

FolderChoice chooseProgramFolder(const CommandLine& commandLine, const FolderSources& sources) {
    const bool besideTheProgram = holdsSettings(sources.executableFolder);
    if (sources.executableFolderFirst && besideTheProgram)
        return {normaliseProgramFolder(sources.executableFolder)};
    if (commandLine.folderGiven) return {commandLine.programFolder};
    if (!sources.environmentFolder.isEmpty()) return {normaliseProgramFolder(sources.environmentFolder)};
    if (besideTheProgram) return {normaliseProgramFolder(sources.executableFolder)};

    const QString own = sources.userClassroom.isEmpty() ? QString() : programFolderIn(sources.userClassroom);
    if (holdsSettings(own)) return {normaliseProgramFolder(own)};
    if (!own.isEmpty()) {
        for (const QString& demo : sources.demoClassrooms) {
            if (!holdsSettings(programFolderIn(demo))) continue;
            const bool copied = fillFromDemo(demo, sources.userClassroom);
            return {normaliseProgramFolder(own), copied};
        }
    }

    QStringList looked;
    looked << QDir::toNativeSeparators(sources.executableFolder);
    if (!own.isEmpty()) looked << QDir::toNativeSeparators(own);
    for (const QString& demo : sources.demoClassrooms) looked << QDir::toNativeSeparators(demo);
    throw ProgramError(ProgramError::FileNotFound,
                       QStringLiteral("ペクルの教室が見つかりません。設定.txt のあるプログラムフォルダを、"
                                      "--folder で指定するか、環境変数 PEKURU_FOLDER に書いてください。\n"
                                      "さがした場所: %1")
                           .arg(looked.join(QStringLiteral("、"))));
}

QString resolveProgramFolder(const CommandLine& commandLine, const QString& executableFolder) {
    const FolderChoice choice = chooseProgramFolder(commandLine, hostFolderSources(executableFolder));
    if (choice.laidOut) {
        std::fprintf(
            stderr, "ペクル: 見本の教室から、自分用の教室を %s に用意しました。\n",
            QDir::toNativeSeparators(QFileInfo(choice.programFolder).absolutePath()).toUtf8().constData());
    }
    return choice.programFolder;
}

}  // namespace pekuru
