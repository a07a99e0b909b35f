#include "tilepuzzle/PictureList.h"

#include <QDir>

namespace pekuru {

QStringList 絵ファイル一覧(const QString& pictureFolder) {
    QStringList names;
    const QDir dir(pictureFolder);
    if (!dir.exists()) return names;
    for (const QString& suffix : {QStringLiteral(".bmp"), QStringLiteral(".jpg")}) {
        QStringList pass;
        const QStringList all =
            dir.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name | QDir::IgnoreCase);
        for (const QString& name : all)
            if (name.endsWith(suffix, Qt::CaseInsensitive)) pass.append(name);
        for (const QString& name : pass) {
            if (names.size() >= kMaxListedPictures) return names;
            names.append(name);
        }
    }
    return names;
}

QStringList usablePictures(const QStringList& listed) {
    QStringList out;
    for (const QString& name : listed) {
        if (name.contains(QStringLiteral(".BMP")) || name.contains(QStringLiteral(".bmp")) ||
            name.contains(QStringLiteral(".jpg")) || name.contains(QStringLiteral(".JPG")))
            out.append(name);
    }
    return out;
}

}  // namespace pekuru
