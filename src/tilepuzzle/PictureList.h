#pragma once

#include <QString>
#include <QStringList>

namespace pekuru {

constexpr int kMaxListedPictures = 100;

// 絵ファイル一覧: the names in the picture folder, bitmaps first ("*.BMP"), then JPEG pictures
// ("*.jpg"), each pass in name order; the patterns match without regard to case, as the folder
// listing of the classroom's file server does. At most 100 names are listed; a missing folder
// gives none.
QStringList 絵ファイル一覧(const QString& pictureFolder);

// The names the puzzle takes from the listing: those holding ".BMP", ".bmp", ".jpg" or ".JPG"
// (a case-sensitive test, so "x.Bmp" is listed but not used).
QStringList usablePictures(const QStringList& listed);

}  // namespace pekuru
