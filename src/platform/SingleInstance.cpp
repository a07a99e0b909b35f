#include "platform/SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace pekuru {

SingleInstance::SingleInstance(const QString& programFolder, const QString& lockFolder) {
    QString folder = lockFolder;
    if (folder.isEmpty()) folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) folder = QDir::tempPath();
    QDir().mkpath(folder);
    const QString key = QFileInfo(programFolder).absoluteFilePath();
    const QByteArray hash = QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
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
