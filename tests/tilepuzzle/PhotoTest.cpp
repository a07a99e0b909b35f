// The family's own photos as puzzle pictures: reading (upright by EXIF), the square, storing,
// every refusal, removal, and the screen that does it.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "support/Accessibility.h"
#include "support/TestWorld.h"
#include "support/TextFit.h"
#include "tilepuzzle/FrmPhotos.h"
#include "tilepuzzle/PhotoImport.h"
#include "tilepuzzle/PictureList.h"

using namespace pekuru;

namespace {

// An image of colour bands: across (`across` true) or down, in the given colours.
QImage bands(QSize size, std::initializer_list<QColor> colours, bool across) {
    QImage img(size, QImage::Format_RGB32);
    QPainter p(&img);
    const int n = int(colours.size());
    int i = 0;
    for (const QColor& c : colours) {
        if (across)
            p.fillRect(QRect(size.width() * i / n, 0, size.width() / n + 1, size.height()), c);
        else
            p.fillRect(QRect(0, size.height() * i / n, size.width(), size.height() / n + 1), c);
        ++i;
    }
    return img;
}

// A JPEG whose EXIF orientation says "turn 90° clockwise to show" (as a phone held upright writes).
QByteArray jpegTurnedClockwise(const QImage& stored) {
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    stored.save(&buffer, "JPEG", 95);
    // APP1 "Exif": a little-endian TIFF header and one entry, Orientation (0x0112) = 6.
    const unsigned char exif[] = {0xFF, 0xE1, 0x00, 0x22, 'E',  'x',  'i',  'f',  0,    0,    'I',  'I',
                                  0x2A, 0x00, 0x08, 0x00, 0x00, 0x00, 0x01, 0x00, 0x12, 0x01, 0x03, 0x00,
                                  0x01, 0x00, 0x00, 0x00, 0x06, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00};
    return jpeg.left(2) + QByteArray(reinterpret_cast<const char*>(exif), sizeof exif) + jpeg.mid(2);
}

bool near(QColor a, QColor b) {
    return std::abs(a.red() - b.red()) < 40 && std::abs(a.green() - b.green()) < 40 &&
           std::abs(a.blue() - b.blue()) < 40;
}

struct Folder {
    QTemporaryDir dir;
    QString pictures() const { return dir.filePath(QStringLiteral("picture")); }
    QString write(const QString& name, const QByteArray& bytes) {
        QFile f(dir.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return f.fileName();
    }
    QString save(const QString& name, const QImage& img) {
        EXPECT_TRUE(img.save(dir.filePath(name)));
        return dir.filePath(name);
    }
    QStringList stored() const { return QDir(pictures()).entryList(QDir::Files | QDir::Hidden, QDir::Name); }
};

}  // namespace

TEST(Photos, APngAndATurnedJpegGoInUprightAndSquare) {
    Folder f;
    // A wide PNG: red | green | blue thirds. The centred square is the green third.
    const QString png =
        f.save(QStringLiteral("うみ.png"), bands({900, 300}, {Qt::red, Qt::green, Qt::blue}, true));
    const PhotoRead wide = readPhoto(png);
    ASSERT_TRUE(wide.error.isEmpty()) << wide.error.toStdString();
    const PhotoAdded a =
        addPhoto(f.pictures(), wide.image, centredSquare(wide.image.size()), pictureNameFor(png));
    ASSERT_TRUE(a.ok()) << a.error.toStdString();
    EXPECT_EQ(a.name, QStringLiteral("うみ.jpg"));
    QImage stored(QDir(f.pictures()).filePath(a.name));
    EXPECT_EQ(stored.size(), QSize(kPuzzlePictureSide, kPuzzlePictureSide));
    for (const QPoint at : {QPoint(20, 20), QPoint(300, 300), QPoint(580, 580)})
        EXPECT_TRUE(near(stored.pixelColor(at), Qt::green)) << at.x();

    // Stored lying down: red above blue; shown upright (turned clockwise): blue left, red right.
    const QString turned = f.write(QStringLiteral("portrait.jpg"),
                                   jpegTurnedClockwise(bands({400, 200}, {Qt::red, Qt::blue}, false)));
    const PhotoRead upright = readPhoto(turned);
    ASSERT_TRUE(upright.error.isEmpty());
    EXPECT_EQ(upright.image.size(), QSize(200, 400));
    const PhotoAdded b = addPhoto(f.pictures(), upright.image, centredSquare(upright.image.size()),
                                  QStringLiteral("portrait.jpg"));
    ASSERT_TRUE(b.ok()) << b.error.toStdString();
    stored = QImage(QDir(f.pictures()).filePath(b.name));
    EXPECT_TRUE(near(stored.pixelColor(150, 300), Qt::blue));
    EXPECT_TRUE(near(stored.pixelColor(450, 300), Qt::red));

    // Both are pictures the puzzle takes.
    EXPECT_EQ(usablePictures(絵ファイル一覧(f.pictures())), (QStringList{"portrait.jpg", "うみ.jpg"}));
}

// Every host reads BMP, JPEG and PNG; the Linux build also reads what Debian's image format
// plugins add (WebP, TIFF), which the Windows build does not ship.
TEST(Photos, EveryPhotoFormatOfTheHostIsReadThroughQtsReaders) {
    Folder f;
    QStringList formats = {QStringLiteral("bmp"), QStringLiteral("jpg"), QStringLiteral("png")};
    formats << QStringLiteral(PEKURU_PHOTO_PLUGIN_FORMATS).split(QLatin1Char(','), Qt::SkipEmptyParts);
    for (const QString& fmt : formats) {
        const QByteArray format = fmt.toLatin1();
        const QString path = f.dir.filePath(QStringLiteral("photo.") + fmt);
        ASSERT_TRUE(bands({300, 200}, {Qt::magenta}, true).save(path, format.constData()))
            << format.constData();
        const PhotoRead read = readPhoto(path);
        EXPECT_TRUE(read.error.isEmpty()) << format.constData() << ": " << read.error.toStdString();
        EXPECT_EQ(read.image.size(), QSize(300, 200)) << format.constData();
    }
}

TEST(Photos, TheSquareMovesButStaysInsideThePhoto) {
    const QSize size(900, 300);
    const QRect centred = centredSquare(size);
    EXPECT_EQ(centred, QRect(300, 0, 300, 300));
    EXPECT_EQ(movedSquare(centred, {-1000, 50}, size), QRect(0, 0, 300, 300));
    EXPECT_EQ(movedSquare(centred, {250, 0}, size), QRect(550, 0, 300, 300));
    EXPECT_EQ(movedSquare(centred, {900, -9}, size), QRect(600, 0, 300, 300));
    EXPECT_EQ(centredSquare({200, 401}), QRect(0, 100, 200, 200));
}

TEST(Photos, NamesThePuzzleTakesFromAnyPhotoName) {
    EXPECT_EQ(pictureNameFor(QStringLiteral("/x/IMG_0001.JPG")), QStringLiteral("IMG_0001.jpg"));
    EXPECT_EQ(pictureNameFor(QStringLiteral("/x/ねこ:たま?.png")), QStringLiteral("ねこ_たま_.jpg"));
    EXPECT_EQ(pictureNameFor(QStringLiteral("/x/a.b.c.webp")), QStringLiteral("a_b_c.jpg"));
    EXPECT_EQ(pictureNameFor(QStringLiteral("/x/.png")), QStringLiteral("写真.jpg"));
    // Names a Windows share refuses, which the classroom's other computers could never open.
    EXPECT_EQ(pictureNameFor(QStringLiteral("/x/CON.png")), QStringLiteral("CON_.jpg"));
    EXPECT_EQ(pictureNameFor(QStringLiteral("/x/nul.JPG")), QStringLiteral("nul_.jpg"));
    EXPECT_EQ(pictureNameFor(QStringLiteral("/x/Com1.jpeg")), QStringLiteral("Com1_.jpg"));
    EXPECT_EQ(pictureNameFor(QStringLiteral("/x/tab\there|.png")), QStringLiteral("tab_here_.jpg"));
    EXPECT_EQ(
        pictureNameFor(QStringLiteral("/x/") + QString(60, QLatin1Char('z')) + QStringLiteral(".png")).size(),
        44);
}

TEST(Photos, EveryRefusalSaysWhyAndLeavesNothingBehind) {
    Folder f;
    const QImage photo = bands({300, 300}, {Qt::yellow}, true);
    ASSERT_TRUE(addPhoto(f.pictures(), photo, centredSquare(photo.size()), QStringLiteral("いぬ.jpg")).ok());
    const QStringList before = f.stored();

    struct Case {
        const char* what;
        std::function<QString()> attempt;
        QString says;
    };
    const Case cases[] = {
        {"not an image",
         [&] { return readPhoto(f.write(QStringLiteral("broken.jpg"), "this is not a picture")).error; },
         QStringLiteral("絵として読めません")},
        {"a phone's HEIC photo",
         [&] {
             return readPhoto(f.write(QStringLiteral("IMG_1234.HEIC"), QByteArray("\0\0\0\x18"
                                                                                  "ftypheic\0\0\0\0mif1heic",
                                                                                  24)))
                 .error;
         },
         QStringLiteral("HEIC")},
        {"no such file", [&] { return readPhoto(f.dir.filePath(QStringLiteral("none.png"))).error; },
         QStringLiteral("見つかりません")},
        {"a name that is there",
         [&] { return addPhoto(f.pictures(), photo, photo.rect(), QStringLiteral("いぬ.jpg")).error; },
         QStringLiteral("もうあります")},
        {"the same name in capitals",
         [&] {
             QFile::copy(QDir(f.pictures()).filePath(QStringLiteral("いぬ.jpg")),
                         f.dir.filePath(QStringLiteral("x")));
             QFile::rename(QDir(f.pictures()).filePath(QStringLiteral("いぬ.jpg")),
                           QDir(f.pictures()).filePath(QStringLiteral("Neko.JPG")));
             const QString e = addPhoto(f.pictures(), photo, photo.rect(), QStringLiteral("neko.jpg")).error;
             QFile::rename(QDir(f.pictures()).filePath(QStringLiteral("Neko.JPG")),
                           QDir(f.pictures()).filePath(QStringLiteral("いぬ.jpg")));
             return e;
         },
         QStringLiteral("もうあります")},
        {"a folder that cannot be made",
         [&] {
             f.write(QStringLiteral("file"), "x");
             return addPhoto(f.dir.filePath(QStringLiteral("file/picture")), photo, photo.rect(),
                             QStringLiteral("a.jpg"))
                 .error;
         },
         QStringLiteral("作れません")},
        {"a name the puzzle would not take",
         [&] { return addPhoto(f.pictures(), photo, photo.rect(), QStringLiteral("a.png")).error; },
         QStringLiteral("使えません")},
        {"a device name, which a Windows share refuses",
         [&] { return addPhoto(f.pictures(), photo, photo.rect(), QStringLiteral("aux.jpg")).error; },
         QStringLiteral("装置の名前")},
        {"a name through another folder",
         [&] { return addPhoto(f.pictures(), photo, photo.rect(), QStringLiteral("..\\x.jpg")).error; },
         QStringLiteral("「\\」")},
    };
    for (const Case& c : cases) {
        const QString said = c.attempt();
        EXPECT_TRUE(said.contains(c.says)) << c.what << ": " << said.toStdString();
        EXPECT_EQ(f.stored(), before) << c.what;
    }

    // A folder as full as the puzzle's list: one more would never be played.
    Folder full;
    QDir().mkpath(full.pictures());
    for (int i = 0; i < kMaxListedPictures; ++i) {
        QFile e(QDir(full.pictures()).filePath(QStringLiteral("p%1.bmp").arg(i, 3, 10, QLatin1Char('0'))));
        ASSERT_TRUE(e.open(QIODevice::WriteOnly));
    }
    const PhotoAdded refused = addPhoto(full.pictures(), photo, photo.rect(), QStringLiteral("more.jpg"));
    EXPECT_TRUE(refused.error.contains(QStringLiteral("100 まい"))) << refused.error.toStdString();
    EXPECT_EQ(full.stored().size(), kMaxListedPictures);
}

TEST(Photos, ARemovalRemovesOnlyThatPicture) {
    Folder f;
    const QImage photo = bands({300, 300}, {Qt::cyan}, true);
    for (const char* name : {"a.jpg", "b.jpg"})
        ASSERT_TRUE(addPhoto(f.pictures(), photo, photo.rect(), QString::fromLatin1(name)).ok());
    EXPECT_EQ(removePicture(f.pictures(), QStringLiteral("a.jpg")), QString());
    EXPECT_EQ(f.stored(), QStringList{"b.jpg"});
    EXPECT_EQ(removePicture(f.pictures(), QStringLiteral("a.jpg")), QString());  // already gone: fine
    EXPECT_FALSE(removePicture(f.pictures(), QStringLiteral("../b.jpg")).isEmpty());
    EXPECT_FALSE(removePicture(f.pictures(), QStringLiteral("..\\b.jpg")).isEmpty());  // Windows' separator
    EXPECT_EQ(f.stored(), QStringList{"b.jpg"});
}

// ---- The screen ----

namespace {

struct PhotoScreen : test::TestWorld {
    std::unique_ptr<FrmPhotos> screen;
    PhotoScreen() : TestWorld(QDate(2024, 5, 10), 10 * 3600.0, 7) {
        g->ProgTitle = QStringLiteral("ペクル");
        screen = std::make_unique<FrmPhotos>(*ctx);
    }
    ~PhotoScreen() override { screen.reset(); }
    template <typename T>
    T* find(const char* name) {
        return screen->findChild<T*>(QString::fromLatin1(name));
    }
    QStringList listed() {
        QStringList out;
        auto* list = find<QListWidget>("pictureList");
        for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
        return out;
    }
};

}  // namespace

TEST(PhotoScreen, PicksAddsShowsAndRemovesWithAConfirmation) {
    PhotoScreen s;
    const QString wide = s.dir.filePath(QStringLiteral("はなび.png"));
    ASSERT_TRUE(bands({800, 400}, {Qt::red, Qt::green}, true).save(wide));
    const QString broken = s.dir.filePath(QStringLiteral("こわれた.jpg"));
    QFile b(broken);
    ASSERT_TRUE(b.open(QIODevice::WriteOnly));
    b.write("garbage");
    b.close();

    s.screen->takePhotos({broken, wide});
    // The broken one is passed over with its reason; the good one waits with its own name.
    EXPECT_TRUE(s.screen->message().contains(QStringLiteral("こわれた.jpg")));
    EXPECT_EQ(s.find<QLineEdit>("nameEdit")->text(), QStringLiteral("はなび"));
    auto* view = s.find<PhotoCropView>("cropView");
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->square(), QRect(200, 0, 400, 400));
    view->moveSquare({-500, 0});  // all the way to the left: the red half
    s.find<QPushButton>("addButton")->click();
    EXPECT_EQ(s.listed(), QStringList{"はなび.jpg"});
    EXPECT_TRUE(s.screen->message().contains(QStringLiteral("加えました")));
    QImage stored(QDir(s.screen->pictureFolder()).filePath(QStringLiteral("はなび.jpg")));
    EXPECT_TRUE(near(stored.pixelColor(300, 300), Qt::red));
    EXPECT_FALSE(s.find<QPushButton>("addButton")->isEnabled());  // nothing left to add

    // Adding it again under the same name is refused, and the name box keeps the focus.
    s.screen->takePhotos({wide});
    s.find<QPushButton>("addButton")->click();
    EXPECT_TRUE(s.screen->message().contains(QStringLiteral("もうあります")));
    s.find<QLineEdit>("nameEdit")->setText(QStringLiteral("はなび2"));
    s.find<QPushButton>("addButton")->click();
    EXPECT_EQ(s.listed(), (QStringList{"はなび.jpg", "はなび2.jpg"}));

    // Removal asks first; "やめる" keeps the picture, "はい、消す" removes it.
    s.find<QListWidget>("pictureList")->setCurrentRow(0);
    s.find<QPushButton>("removeButton")->click();
    EXPECT_TRUE(s.find<QLabel>("removeQuestionLabel")->isVisibleTo(s.screen.get()));
    EXPECT_TRUE(s.find<QLabel>("removeQuestionLabel")->text().contains(QStringLiteral("はなび.jpg")));
    s.find<QPushButton>("cancelRemoveButton")->click();
    EXPECT_EQ(s.listed().size(), 2);
    s.find<QPushButton>("removeButton")->click();
    s.find<QPushButton>("confirmRemoveButton")->click();
    EXPECT_EQ(s.listed(), QStringList{"はなび2.jpg"});
    EXPECT_FALSE(QFile::exists(QDir(s.screen->pictureFolder()).filePath(QStringLiteral("はなび.jpg"))));
}

// A typed name that the classroom's file server would refuse is told in the screen, with a name
// that would do, and nothing is stored.
TEST(PhotoScreen, ANameTheFileServerRefusesIsToldAndNothingIsStored) {
    PhotoScreen s;
    const QString photo = s.dir.filePath(QStringLiteral("p.png"));
    ASSERT_TRUE(bands({640, 480}, {Qt::blue, Qt::yellow}, true).save(photo));
    s.screen->takePhotos({photo});
    const struct {
        const char* typed;
        const char* says;
        const char* instead;
    } cases[] = {
        {"CON", "装置の名前", "「CON_」"},    {"lpt1", "装置の名前", "「lpt1_」"},
        {"5:30", "「:」", "「5_30」"},        {"a.b", "「.」", "「a_b」"},
        {"", "名前がありません", "「写真」"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        s.find<QLineEdit>("nameEdit")->setText(QString::fromUtf8(c.typed));
        s.find<QPushButton>("addButton")->click();
        const QString said = s.screen->message();
        EXPECT_TRUE(said.contains(QStringLiteral("『%1』は使えません").arg(QString::fromUtf8(c.typed))))
            << said.toStdString();
        EXPECT_TRUE(said.contains(QString::fromUtf8(c.says))) << said.toStdString();
        EXPECT_TRUE(said.contains(QString::fromUtf8(c.instead))) << said.toStdString();
        EXPECT_EQ(s.listed(), QStringList());
    }
}

TEST(PhotoScreen, FitsEverySizeIsNamedTakesTheKeyboardAndCloses) {
    for (const QSize size : {QSize(1024, 768), QSize(1920, 1080), QSize(3840, 2160)}) {
        PhotoScreen s;
        const QString photo = s.dir.filePath(QStringLiteral("p.png"));
        ASSERT_TRUE(bands({640, 480}, {Qt::blue, Qt::yellow}, true).save(photo));
        s.screen->takePhotos({photo});
        s.screen->resize(size);
        s.screen->show();
        QCoreApplication::processEvents();
        EXPECT_EQ(test::clippedTexts(s.screen.get()), QStringList()) << size.width();
        EXPECT_EQ(test::controlsWithoutName(s.screen.get()), QStringList()) << size.width();
        if (size.width() != 1024) continue;
        // The arrow keys move the square; Enter in the name box adds the photo.
        auto* view = s.find<PhotoCropView>("cropView");
        view->setFocus();
        const QRect before = view->square();
        QTest::keyClick(view, Qt::Key_Left);
        EXPECT_LT(view->square().left(), before.left());
        QTest::keyClick(s.find<QLineEdit>("nameEdit"), Qt::Key_Return);
        EXPECT_EQ(s.listed(), QStringList{"p.jpg"});
    }
    // 戻る closes the screen through the flow.
    PhotoScreen s;
    s.find<QPushButton>("backButton")->click();
    EXPECT_EQ(s.screens.log, QStringList{"unload FrmPhotos"});
}
