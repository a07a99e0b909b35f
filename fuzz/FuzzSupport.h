#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>

namespace pekuru::fuzz {

// Writes the fuzzer's bytes into a file of a scratch folder that lives for the whole run.
inline QString writeScratch(const QString& name, const std::uint8_t* data, std::size_t size) {
    static QTemporaryDir dir;
    const QString path = dir.filePath(name);
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(reinterpret_cast<const char*>(data), qint64(size));
    return dir.path() + QLatin1Char('/');
}

}  // namespace pekuru::fuzz
