#include "tilepuzzle/PhotoImport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QSaveFile>

#include "platform/FileNames.h"
#include "tilepuzzle/PictureList.h"

namespace pekuru {

namespace {

// The "ftyp" box of a HEIF/HEIC file (the photos of recent phones), which no image plugin of
// this system reads.
bool looksLikeHeif(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return false;
    const QByteArray head = f.read(32);
    if (head.size() < 12 || head.mid(4, 4) != "ftyp") return false;
    const QByteArray brand = head.mid(8, 4);
    return brand == "heic" || brand == "heix" || brand == "hevc" || brand == "mif1" || brand == "msf1" ||
           brand == "heim" || brand == "heis" || brand == "avif";
}

}  // namespace

PhotoRead readPhoto(const QString& path) {
    const QString name = QFileInfo(path).fileName();
    if (!QFileInfo(path).isFile()) return {QImage(), QStringLiteral("『%1』が見つかりません。").arg(name)};
    QImageReader reader(path);
    reader.setAutoTransform(true);  // EXIF orientation: a photo taken upright stays upright
    QImage image = reader.read();
    if (!image.isNull()) return {image.convertToFormat(QImage::Format_RGB32), QString()};
    if (looksLikeHeif(path))
        return {QImage(),
                QStringLiteral(
                    "『%1』は HEIC 形式の写真です。このパソコンでは読めません。スマートフォンの写真アプリで"
                    "「JPEG で書き出す」か、カメラの設定を「互換性優先」にして撮った写真を使ってください。")
                    .arg(name)};
    return {QImage(), QStringLiteral("『%1』は絵として読めません (%2)。JPEG、PNG、BMP などの絵のファイルを"
                                     "えらんでください。")
                          .arg(name, reader.errorString())};
}

QRect centredSquare(const QSize& size) {
    const int side = std::min(size.width(), size.height());
    return QRect((size.width() - side) / 2, (size.height() - side) / 2, side, side);
}

QRect movedSquare(const QRect& square, const QPoint& offset, const QSize& size) {
    QRect r = square.translated(offset);
    r.moveLeft(std::clamp(r.left(), 0, std::max(0, size.width() - r.width())));
    r.moveTop(std::clamp(r.top(), 0, std::max(0, size.height() - r.height())));
    return r;
}

QString pictureNameFor(const QString& photoPath) {
    // The name after the last folder separator, without its extension. Not QFileInfo: on Windows it
    // would read a typed "5:30" as the drive "5:" and keep only "30".
    const QString path = QDir::fromNativeSeparators(photoPath);
    const QString fileName = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    QString base = (dot > 0 ? fileName.left(dot) : dot == 0 ? QString() : fileName).trimmed();
    base.replace(QLatin1Char('.'), QLatin1Char('_'));  // the puzzle lists names with one dot
    if (base.size() > 40) base.truncate(40);
    if (!base.isEmpty() && base.back().isHighSurrogate()) base.chop(1);
    return usableFileName(base, QStringLiteral("写真")) + QStringLiteral(".jpg");
}

PhotoAdded addPhoto(const QString& pictureFolder, const QImage& image, const QRect& square,
                    const QString& name) {
    if (image.isNull()) return {QString(), QStringLiteral("絵がありません。")};
    const QString problem = fileNameProblem(name);  // a separator among the rest: never another folder
    if (!problem.isEmpty() || !name.endsWith(QStringLiteral(".jpg")))
        return {QString(), QStringLiteral("名前『%1』は使えません。%2").arg(name, problem)};
    QDir folder(pictureFolder);
    if (!folder.exists() && !QDir().mkpath(pictureFolder))
        return {QString(), QStringLiteral("絵のフォルダ『%1』を作れません。").arg(pictureFolder)};
    // The puzzle lists at most this many names; one more would never be played.
    if (絵ファイル一覧(pictureFolder).size() >= kMaxListedPictures)
        return {QString(),
                QStringLiteral(
                    "絵のフォルダには、もう %1 まいの絵があります。パズルが使えるのは %1 まいまでです。"
                    "先に、いらない絵を消してください。")
                    .arg(kMaxListedPictures)};
    // The listing ignores case, as the classroom's file server does: "Neko.JPG" is "neko.jpg".
    for (const QString& there : folder.entryList(QDir::Files))
        if (there.compare(name, Qt::CaseInsensitive) == 0)
            return {QString(),
                    QStringLiteral("『%1』という絵はもうあります。ちがう名前にしてください。").arg(name)};
    const QRect cut = square.intersected(image.rect());
    if (cut.isEmpty()) return {QString(), QStringLiteral("えらんだ四角が絵の外にあります。")};
    const QImage picture = image.copy(cut).scaled(kPuzzlePictureSide, kPuzzlePictureSide,
                                                  Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QSaveFile out(folder.filePath(name));
    out.setDirectWriteFallback(false);
    if (!out.open(QIODevice::WriteOnly))
        return {QString(), QStringLiteral("絵のフォルダ『%1』に書き込めません (%2)。")
                               .arg(pictureFolder, out.errorString())};
    if (!picture.save(&out, "JPEG", 90) || !out.commit())
        return {QString(), QStringLiteral("『%1』を保存できません (%2)。").arg(name, out.errorString())};
    return {name, QString()};
}

QString removePicture(const QString& pictureFolder, const QString& name) {
    // Either separator would reach outside the folder on Windows.
    if (name.isEmpty() || name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')))
        return QStringLiteral("名前『%1』は使えません。").arg(name);
    QFile f(QDir(pictureFolder).filePath(name));
    if (!f.exists()) return QString();  // already gone
    if (!f.remove()) return QStringLiteral("『%1』を消せません (%2)。").arg(name, f.errorString());
    return QString();
}

}  // namespace pekuru
