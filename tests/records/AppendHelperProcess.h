#pragma once
// The stand-in for another copy of the program (AppendHelper.cpp) as the records' process tests
// start it, and the result files it writes.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace pekuru::test {

constexpr int kProcessTimeoutMs = 180000;  // far beyond what any of these runs needs

inline QString sharedFile(const QTemporaryDir& dir) {
    return dir.filePath(QStringLiteral("成績累積データ.dat"));
}
inline QString homeFile(const QTemporaryDir& dir) {
    return dir.filePath(QStringLiteral("成績累積データ家庭用.dat"));
}

inline QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline void startHelper(QProcess& p, const QStringList& args) {
    p.setProcessChannelMode(QProcess::SeparateChannels);
    p.start(QStringLiteral(PEKURU_APPEND_HELPER), args);
}

// Waits for the end and says whether it was a clean exit 0; the helper's diagnostic otherwise.
inline ::testing::AssertionResult endedCleanly(QProcess& p) {
    if (!p.waitForFinished(kProcessTimeoutMs)) return ::testing::AssertionFailure() << "did not finish";
    if (p.exitStatus() != QProcess::NormalExit) return ::testing::AssertionFailure() << "crashed";
    if (p.exitCode() != 0) {
        return ::testing::AssertionFailure()
               << "exit " << p.exitCode() << ": " << p.readAllStandardError().toStdString();
    }
    return ::testing::AssertionSuccess();
}

}  // namespace pekuru::test
