#include "platform/SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace pekuru {

namespace {

// The folder for this user's locks. Qt's runtime folder is the session's own on Linux; on Windows
// it is the user's home folder, where a lock file would lie among the user's documents, so the
// user's temporary folder serves there (a held lock file cannot be removed, so no clean-up takes it).
QString userLockFolder() {
#ifdef Q_OS_WIN
    return QStandardPaths::writableLocation(QStandardPaths::TempLocation);
#else
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
#endif
}

// One key per program folder, however the path was spelled: Windows' file names ignore case and
// take either separator, so C:\Juku\ペクル and c:/juku/ペクル are one folder there.
QString folderKey(const QString& programFolder) {
    const QFileInfo info(programFolder);
    QString key = info.exists() ? info.canonicalFilePath() : info.absoluteFilePath();
#ifdef Q_OS_WIN
    key = QDir::fromNativeSeparators(key).toCaseFolded();
#endif
    return key;
}

}  // namespace

SingleInstance::SingleInstance(const QString& programFolder, const QString& lockFolder) {
    QString folder = lockFolder;
    if (folder.isEmpty()) folder = userLockFolder();
    if (folder.isEmpty()) folder = QDir::tempPath();
    QDir().mkpath(folder);
    const QByteArray hash =
        QCryptographicHash::hash(folderKey(programFolder).toUtf8(), QCryptographicHash::Sha1)
            .toHex()
            .left(16);
    lockPath_ = QDir(folder).filePath(QStringLiteral("pekuru-%1.lock").arg(QString::fromLatin1(hash)));
    lock_ = std::make_unique<QLockFile>(lockPath_);
    // Only a dead owner makes a lock stale; a copy that runs for hours keeps it.
    lock_->setStaleLockTime(0);
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::acquire() {
    if (lock_->isLocked()) return true;
    return lock_->tryLock(0);
}

}  // namespace pekuru
