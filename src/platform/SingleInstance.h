#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

namespace pekuru {

// Refuses a second copy of the program on the same program folder in the same user session.
// The lock lives in the session's runtime folder and holds the owner's process id, so a copy that
// crashed does not block the next start: its lock is found stale and taken over.
class SingleInstance {
  public:
    // `programFolder` keys the lock; `lockFolder` defaults to the session's runtime folder.
    explicit SingleInstance(const QString& programFolder, const QString& lockFolder = {});
    ~SingleInstance();

    // True when this copy now holds the lock; false when another live copy does.
    bool acquire();
    const QString& lockPath() const { return lockPath_; }

  private:
    QString lockPath_;
    std::unique_ptr<QLockFile> lock_;
};

}  // namespace pekuru
