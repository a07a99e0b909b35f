#pragma once

#include <QImage>
#include <QRect>
#include <QString>
#include <QStringList>

namespace pekuru {

// A family's or classroom's own photos made into puzzle pictures: read (turned upright by their
// EXIF orientation), cut to a square, scaled and stored in the classroom's picture folder as a JPEG
// whose name the puzzle takes. Every refusal comes with a message for the parent or teacher.

constexpr int kPuzzlePictureSide = 600;  // pixels of a stored picture's side

struct PhotoRead {
    QImage image;   // upright; null when the file could not be read
    QString error;  // why not, for the user
};
// Reads an image file with every image plugin Qt has, turned upright by its EXIF orientation.
PhotoRead readPhoto(const QString& path);

// The largest square inside an image of `size`, centred.
QRect centredSquare(const QSize& size);
// `square` moved by `offset` and kept inside an image of `size` (its side unchanged).
QRect movedSquare(const QRect& square, const QPoint& offset, const QSize& size);

// A file name the puzzle takes (".jpg"), made from a photo's own name: characters and names that a
// classroom's file server refuses are replaced (usableFileName), the length is kept reasonable.
QString pictureNameFor(const QString& photoPath);

struct PhotoAdded {
    QString name;   // the stored file's name, when it was stored
    QString error;  // else why not
    bool ok() const { return error.isEmpty(); }
};
// Cuts `square` out of `image`, scales it to kPuzzlePictureSide and stores it as `name` in
// `pictureFolder` (made if missing). Refused: a name that is there already, a folder that holds
// as many pictures as the puzzle lists, a folder that cannot be written. The file is written
// beside its place and renamed into it, so nothing half-written is ever left under its name.
PhotoAdded addPhoto(const QString& pictureFolder, const QImage& image, const QRect& square,
                    const QString& name);

// Removes one picture from the folder; an empty string, or why not.
QString removePicture(const QString& pictureFolder, const QString& name);

}  // namespace pekuru
