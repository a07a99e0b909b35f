#include "tilepuzzle/FrmPhotos.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>

#include "platform/FileNames.h"
#include "shell/ScreenScale.h"
#include "tilepuzzle/PhotoImport.h"
#include "tilepuzzle/PictureList.h"

namespace pekuru {

// ---- The photo and its square ----

PhotoCropView::PhotoCropView(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(200, 150);
    setCursor(Qt::SizeAllCursor);
    describe(this, QStringLiteral("写真の切りぬき"), QAccessible::Graphic,
             QStringLiteral("明るい四角の中がパズルの絵になります。ドラッグか矢印キーで四角を動かします。"));
}

void PhotoCropView::setPhoto(const QImage& photo) {
    photo_ = photo;
    square_ = photo.isNull() ? QRect() : centredSquare(photo.size());
    update();
}

void PhotoCropView::moveSquare(const QPoint& by) {
    if (photo_.isNull()) return;
    square_ = movedSquare(square_, by, photo_.size());
    update();
}

QRectF PhotoCropView::shownRect() const {
    if (photo_.isNull()) return QRectF();
    const QSizeF s = QSizeF(photo_.size()).scaled(QSizeF(size()), Qt::KeepAspectRatio);
    return QRectF(QPointF((width() - s.width()) / 2, (height() - s.height()) / 2), s);
}

void PhotoCropView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), QColor(0x30, 0x30, 0x30));
    if (photo_.isNull()) {
        p.setPen(Qt::white);
        p.setFont(gothicFont(14 * screenUnit(window()->size())));
        p.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap,
                   QStringLiteral("「写真をえらぶ」を押して、パズルにしたい写真をえらんでください。"));
        return;
    }
    const QRectF shown = shownRect();
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(shown, photo_);
    const double k = shown.width() / photo_.width();
    const QRectF sq(shown.left() + square_.left() * k, shown.top() + square_.top() * k, square_.width() * k,
                    square_.height() * k);
    // Dim what is left out; frame what is kept.
    QPainterPath outside;
    outside.addRect(shown);
    QPainterPath inside;
    inside.addRect(sq);
    p.fillPath(outside.subtracted(inside), QColor(0, 0, 0, 150));
    p.setPen(QPen(QColor(0xff, 0xd4, 0x3b), std::max(2.0, width() / 200.0)));
    p.drawRect(sq);
    if (hasFocus()) {
        p.setPen(QPen(QColor(0x33, 0x9a, 0xf0), 2, Qt::DashLine));
        p.drawRect(rect().adjusted(1, 1, -2, -2));
    }
}

void PhotoCropView::mousePressEvent(QMouseEvent* event) {
    lastDrag_ = event->position();
    setFocus();
}

void PhotoCropView::mouseMoveEvent(QMouseEvent* event) {
    const QRectF shown = shownRect();
    if (photo_.isNull() || shown.isEmpty()) return;
    const double k = photo_.width() / shown.width();
    const QPointF d = (event->position() - lastDrag_) * k;
    const QPoint by(int(std::lround(d.x())), int(std::lround(d.y())));
    if (by.isNull()) return;
    lastDrag_ += QPointF(by) / k;
    moveSquare(by);
}

void PhotoCropView::keyPressEvent(QKeyEvent* event) {
    // One press moves the square by a twentieth of the photo's shorter side.
    const int step = std::max(1, std::min(photo_.width(), photo_.height()) / 20);
    switch (event->key()) {
        case Qt::Key_Left:
            moveSquare({-step, 0});
            return;
        case Qt::Key_Right:
            moveSquare({step, 0});
            return;
        case Qt::Key_Up:
            moveSquare({0, -step});
            return;
        case Qt::Key_Down:
            moveSquare({0, step});
            return;
        default:
            QWidget::keyPressEvent(event);
    }
}

// ---- The screen ----

namespace {

// What the file dialog offers: every format an image plugin reads, and HEIC, so that a phone's
// photo can be picked and told why it cannot be used.
QString photoFilter() {
    QStringList patterns;
    for (const QByteArray& f : QImageReader::supportedImageFormats())
        patterns << QStringLiteral("*.") + QString::fromLatin1(f);
    patterns << QStringLiteral("*.heic") << QStringLiteral("*.heif");
    patterns.removeDuplicates();
    return QStringLiteral("写真や絵 (%1);;すべてのファイル (*)").arg(patterns.join(QLatin1Char(' ')));
}

}  // namespace

FrmPhotos::FrmPhotos(AppContext& context, QWidget* parent) : QWidget(parent), ctx_(context) {
    setObjectName(QStringLiteral("FrmPhotos"));
    setWindowTitle(ctx_.g.ProgTitle + QStringLiteral(" - 写真をパズルにする"));
    paintBackground(this, kBackdropColour, Qt::black);

    Label1 = makeLabel(this, QStringLiteral("Label1"), QStringLiteral("写真をパズルにする"));
    Picture1 = named(new PhotoCropView(this), QStringLiteral("Picture1"));
    Label2 = makeLabel(this, QStringLiteral("Label2"), QStringLiteral("絵の名前"));
    Text1 = named(new QLineEdit(this), QStringLiteral("Text1"));
    Text1->setAccessibleName(QStringLiteral("絵の名前"));
    Text1->setMaxLength(40);
    Label2->setBuddy(Text1);
    Label4 = makeLabel(this, QStringLiteral("Label4"), QStringLiteral(".jpg"));
    Command1 = makeButton(this, QStringLiteral("Command1"), QStringLiteral("写真をえらぶ…"));
    Command2 = makeButton(this, QStringLiteral("Command2"), QStringLiteral("パズルに追加"));
    Command5 = makeButton(this, QStringLiteral("Command5"), QStringLiteral("この写真はとばす"));
    Label5 = makeLabel(this, QStringLiteral("Label5"), QStringLiteral("今ある絵"));
    List1 = named(new QListWidget(this), QStringLiteral("List1"));
    List1->setAccessibleName(QStringLiteral("今ある絵"));
    List1->setViewMode(QListView::IconMode);
    List1->setResizeMode(QListView::Adjust);
    List1->setMovement(QListView::Static);
    List1->setWordWrap(true);
    Label5->setBuddy(List1);
    Command3 = makeButton(this, QStringLiteral("Command3"), QStringLiteral("えらんだ絵を消す"));
    Label6 = makeLabel(this, QStringLiteral("Label6"));
    Label6->setWordWrap(true);
    Command6 = makeButton(this, QStringLiteral("Command6"), QStringLiteral("はい、消す"));
    Command7 = makeButton(this, QStringLiteral("Command7"), QStringLiteral("やめる"));
    Label3 = makeLabel(this, QStringLiteral("Label3"));
    Label3->setWordWrap(true);
    Label3->setAccessibleName(QStringLiteral("お知らせ"));
    Command4 = makeButton(this, QStringLiteral("Command4"), QStringLiteral("戻る"));

    auto* grid = new QGridLayout(this);
    grid->addWidget(Label1, 0, 0, 1, 2);
    auto* left = new QVBoxLayout;
    left->addWidget(Picture1, 1);
    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(Label2);
    nameRow->addWidget(Text1, 1);
    nameRow->addWidget(Label4);
    left->addLayout(nameRow);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);
    buttons->addWidget(Command5);
    left->addLayout(buttons);
    grid->addLayout(left, 1, 0);
    auto* right = new QVBoxLayout;
    right->addWidget(Label5);
    right->addWidget(List1, 1);
    right->addWidget(Command3);
    right->addWidget(Label6);
    auto* confirm = new QHBoxLayout;
    confirm->addWidget(Command6);
    confirm->addWidget(Command7);
    right->addLayout(confirm);
    grid->addLayout(right, 1, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(Label3, 1);
    bottom->addWidget(Command4);
    grid->addLayout(bottom, 2, 0, 1, 2);
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(1, 2);
    grid->setRowStretch(1, 1);

    setTabOrder(Command1, Picture1);
    setTabOrder(Picture1, Text1);
    setTabOrder(Text1, Command2);
    setTabOrder(Command2, Command5);
    setTabOrder(Command5, List1);
    setTabOrder(List1, Command3);
    setTabOrder(Command3, Command6);
    setTabOrder(Command6, Command7);
    setTabOrder(Command7, Command4);

    connect(Command1, &QPushButton::clicked, this, &FrmPhotos::choosePhotos);
    connect(Command2, &QPushButton::clicked, this, &FrmPhotos::addShown);
    connect(Command5, &QPushButton::clicked, this, &FrmPhotos::showNext);
    connect(Command3, &QPushButton::clicked, this, &FrmPhotos::askToRemove);
    connect(Command6, &QPushButton::clicked, this, &FrmPhotos::removeChosen);
    connect(Command7, &QPushButton::clicked, this, [this] {
        Label6->hide();
        Command6->hide();
        Command7->hide();
        Command3->setFocus();
    });
    connect(Text1, &QLineEdit::returnPressed, this, &FrmPhotos::addShown);
    connect(Command4, &QPushButton::clicked, this, [this] { ctx_.flow.photosClosed(); });
    connect(List1, &QListWidget::currentRowChanged, this,
            [this](int row) { Command3->setEnabled(row >= 0); });

    Label6->hide();
    Command6->hide();
    Command7->hide();
    Command2->setEnabled(false);
    Command5->setEnabled(false);
    Command3->setEnabled(false);
    Text1->setEnabled(false);
    fillPictures();
    resize(1024, 768);
    layoutControls();
}

QString FrmPhotos::pictureFolder() const { return ctx_.g.DataFolder + QStringLiteral("picture"); }

QString FrmPhotos::message() const { return Label3->text(); }

void FrmPhotos::say(const QString& text, bool problem) {
    Label3->setText(text);
    Label3->setStyleSheet(problem ? QStringLiteral("color: #b00020;") : QStringLiteral("color: #1b5e20;"));
}

void FrmPhotos::choosePhotos() {
    const QString start = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    const QStringList paths =
        QFileDialog::getOpenFileNames(this, QStringLiteral("パズルにする写真をえらぶ"), start, photoFilter());
    if (!paths.isEmpty()) takePhotos(paths);
}

void FrmPhotos::takePhotos(const QStringList& paths) {
    queue_ = paths;
    queueTotal_ = int(paths.size());
    showNext();
}

void FrmPhotos::showNext() {
    while (!queue_.isEmpty()) {
        shownPath_ = queue_.takeFirst();
        const int number = queueTotal_ - int(queue_.size());
        const PhotoRead read = readPhoto(shownPath_);
        if (read.image.isNull()) {
            say(read.error, true);
            continue;  // the next one, if any; the message stays
        }
        Picture1->setPhoto(read.image);
        QString name = pictureNameFor(shownPath_);
        name.chop(4);
        Text1->setText(name);
        Text1->setEnabled(true);
        Command2->setEnabled(true);
        Command5->setEnabled(!queue_.isEmpty());
        if (queueTotal_ > 1)
            Label4->setText(QStringLiteral(".jpg　(%1まいのうち%2まい目)").arg(queueTotal_).arg(number));
        else
            Label4->setText(QStringLiteral(".jpg"));
        if (Label3->text().isEmpty() || !Label3->styleSheet().contains(QStringLiteral("b00020")))
            say(QStringLiteral("四角を動かして、パズルにする所をえらび、「パズルに追加」を押してください。"),
                false);
        Picture1->setFocus();
        return;
    }
    shownPath_.clear();
    Picture1->setPhoto(QImage());
    Text1->clear();
    Text1->setEnabled(false);
    Command2->setEnabled(false);
    Command5->setEnabled(false);
    Label4->setText(QStringLiteral(".jpg"));
    Command1->setFocus();
}

void FrmPhotos::addShown() {
    if (Picture1->photo().isNull()) return;
    const QString name = Text1->text().trimmed() + QStringLiteral(".jpg");
    const QString wanted = pictureNameFor(name);
    if (wanted != name) {
        // The file server's own rule when it has one to say; else the puzzle's (one dot only).
        QString why =
            Text1->text().trimmed().isEmpty() ? QStringLiteral("名前がありません。") : fileNameProblem(name);
        if (why.isEmpty()) why = QStringLiteral("名前に「.」は使えません。");
        say(QStringLiteral("名前『%1』は使えません。%2「%3」のような名前にしてください。")
                .arg(Text1->text(), why, wanted.chopped(4)),
            true);
        Text1->setFocus();
        return;
    }
    const PhotoAdded added = addPhoto(pictureFolder(), Picture1->photo(), Picture1->square(), name);
    if (!added.ok()) {
        say(added.error, true);
        Text1->setFocus();
        return;
    }
    fillPictures();
    say(QStringLiteral("『%1』をパズルの絵に加えました。").arg(added.name), false);
    showNext();
}

void FrmPhotos::askToRemove() {
    QListWidgetItem* item = List1->currentItem();
    if (!item) return;
    Label6->setText(QStringLiteral("『%1』を消しますか？ 消した絵はもどせません。").arg(item->text()));
    Label6->show();
    Command6->show();
    Command7->show();
    Command7->setFocus();  // the safe answer first
}

void FrmPhotos::removeChosen() {
    QListWidgetItem* item = List1->currentItem();
    Label6->hide();
    Command6->hide();
    Command7->hide();
    if (!item) return;
    const QString name = item->text();
    const QString problem = removePicture(pictureFolder(), name);
    if (!problem.isEmpty()) {
        say(problem, true);
        return;
    }
    fillPictures();
    say(QStringLiteral("『%1』を消しました。").arg(name), false);
    List1->setFocus();
}

namespace {
// Thumbnails are read once at the size a 3840 × 2160 window shows them; a smaller window only
// draws them smaller, so that resizing the window reads no file.
constexpr int kThumbnailSide = 96 * 4;
}  // namespace

void FrmPhotos::fillPictures() {
    List1->clear();
    const int side = kThumbnailSide;
    const QDir folder(pictureFolder());
    for (const QString& name : usablePictures(絵ファイル一覧(pictureFolder()))) {
        QImageReader reader(folder.filePath(name));
        reader.setAutoTransform(true);
        const QSize full = reader.size();
        if (full.isValid()) reader.setScaledSize(full.scaled(side, side, Qt::KeepAspectRatio));
        const QImage thumb = reader.read();
        auto* item = new QListWidgetItem(QIcon(QPixmap::fromImage(thumb)), name, List1);
        item->setToolTip(name);
    }
    Label5->setText(QStringLiteral("今ある絵 (%1まい)").arg(List1->count()));
    Command3->setEnabled(List1->currentRow() >= 0);
}

void FrmPhotos::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layoutControls();
}

void FrmPhotos::layoutControls() {
    const double u = screenUnit(size());
    for (QWidget* w : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) setGothic(w, 14 * u);
    setGothic(Label1, 22 * u, true);
    for (QPushButton* b : {Command1, Command2, Command3, Command4, Command5, Command6, Command7})
        b->setMinimumHeight(int(40 * u));
    if (auto* grid = qobject_cast<QGridLayout*>(layout())) {
        const int m = int(16 * u);
        grid->setContentsMargins(m, m, m, m);
        grid->setSpacing(int(10 * u));
    }
    const int side = int(96 * u);
    List1->setIconSize(QSize(side, side));
    List1->setGridSize(QSize(side + int(24 * u), side + int(40 * u)));
}

}  // namespace pekuru
