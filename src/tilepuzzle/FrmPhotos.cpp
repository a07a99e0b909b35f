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

    titleLabel = makeLabel(this, QStringLiteral("titleLabel"), QStringLiteral("写真をパズルにする"));
    cropView = named(new PhotoCropView(this), QStringLiteral("cropView"));
    nameLabel = makeLabel(this, QStringLiteral("nameLabel"), QStringLiteral("絵の名前"));
    nameEdit = named(new QLineEdit(this), QStringLiteral("nameEdit"));
    nameEdit->setAccessibleName(QStringLiteral("絵の名前"));
    nameEdit->setMaxLength(40);
    nameLabel->setBuddy(nameEdit);
    extensionLabel = makeLabel(this, QStringLiteral("extensionLabel"), QStringLiteral(".jpg"));
    chooseButton = makeButton(this, QStringLiteral("chooseButton"), QStringLiteral("写真をえらぶ…"));
    addButton = makeButton(this, QStringLiteral("addButton"), QStringLiteral("パズルに追加"));
    skipButton = makeButton(this, QStringLiteral("skipButton"), QStringLiteral("この写真はとばす"));
    picturesLabel = makeLabel(this, QStringLiteral("picturesLabel"), QStringLiteral("今ある絵"));
    pictureList = named(new QListWidget(this), QStringLiteral("pictureList"));
    pictureList->setAccessibleName(QStringLiteral("今ある絵"));
    pictureList->setViewMode(QListView::IconMode);
    pictureList->setResizeMode(QListView::Adjust);
    pictureList->setMovement(QListView::Static);
    pictureList->setWordWrap(true);
    picturesLabel->setBuddy(pictureList);
    removeButton = makeButton(this, QStringLiteral("removeButton"), QStringLiteral("えらんだ絵を消す"));
    removeQuestionLabel = makeLabel(this, QStringLiteral("removeQuestionLabel"));
    removeQuestionLabel->setWordWrap(true);
    confirmRemoveButton =
        makeButton(this, QStringLiteral("confirmRemoveButton"), QStringLiteral("はい、消す"));
    cancelRemoveButton = makeButton(this, QStringLiteral("cancelRemoveButton"), QStringLiteral("やめる"));
    messageLabel = makeLabel(this, QStringLiteral("messageLabel"));
    messageLabel->setWordWrap(true);
    messageLabel->setAccessibleName(QStringLiteral("お知らせ"));
    backButton = makeButton(this, QStringLiteral("backButton"), QStringLiteral("戻る"));

    arrangeControls();

    setTabOrder(chooseButton, cropView);
    setTabOrder(cropView, nameEdit);
    setTabOrder(nameEdit, addButton);
    setTabOrder(addButton, skipButton);
    setTabOrder(skipButton, pictureList);
    setTabOrder(pictureList, removeButton);
    setTabOrder(removeButton, confirmRemoveButton);
    setTabOrder(confirmRemoveButton, cancelRemoveButton);
    setTabOrder(cancelRemoveButton, backButton);

    connect(chooseButton, &QPushButton::clicked, this, &FrmPhotos::choosePhotos);
    connect(addButton, &QPushButton::clicked, this, &FrmPhotos::addShown);
    connect(skipButton, &QPushButton::clicked, this, &FrmPhotos::showNext);
    connect(removeButton, &QPushButton::clicked, this, &FrmPhotos::askToRemove);
    connect(confirmRemoveButton, &QPushButton::clicked, this, &FrmPhotos::removeChosen);
    connect(cancelRemoveButton, &QPushButton::clicked, this, [this] {
        removeQuestionLabel->hide();
        confirmRemoveButton->hide();
        cancelRemoveButton->hide();
        removeButton->setFocus();
    });
    connect(nameEdit, &QLineEdit::returnPressed, this, &FrmPhotos::addShown);
    connect(backButton, &QPushButton::clicked, this, [this] { ctx_.flow.photosClosed(); });
    connect(pictureList, &QListWidget::currentRowChanged, this,
            [this](int row) { removeButton->setEnabled(row >= 0); });

    removeQuestionLabel->hide();
    confirmRemoveButton->hide();
    cancelRemoveButton->hide();
    addButton->setEnabled(false);
    skipButton->setEnabled(false);
    removeButton->setEnabled(false);
    nameEdit->setEnabled(false);
    fillPictures();
    resize(1024, 768);
    layoutControls();
}

// The picture being cut on the left with its name and buttons, the puzzle's pictures on the right,
// the message and 戻る along the bottom.
void FrmPhotos::arrangeControls() {
    auto* grid = new QGridLayout(this);
    grid->addWidget(titleLabel, 0, 0, 1, 2);
    auto* left = new QVBoxLayout;
    left->addWidget(cropView, 1);
    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(nameLabel);
    nameRow->addWidget(nameEdit, 1);
    nameRow->addWidget(extensionLabel);
    left->addLayout(nameRow);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(chooseButton);
    buttons->addWidget(addButton);
    buttons->addWidget(skipButton);
    left->addLayout(buttons);
    grid->addLayout(left, 1, 0);
    auto* right = new QVBoxLayout;
    right->addWidget(picturesLabel);
    right->addWidget(pictureList, 1);
    right->addWidget(removeButton);
    right->addWidget(removeQuestionLabel);
    auto* confirm = new QHBoxLayout;
    confirm->addWidget(confirmRemoveButton);
    confirm->addWidget(cancelRemoveButton);
    right->addLayout(confirm);
    grid->addLayout(right, 1, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(messageLabel, 1);
    bottom->addWidget(backButton);
    grid->addLayout(bottom, 2, 0, 1, 2);
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(1, 2);
    grid->setRowStretch(1, 1);
}

QString FrmPhotos::pictureFolder() const { return ctx_.g.DataFolder + QStringLiteral("picture"); }

QString FrmPhotos::message() const { return messageLabel->text(); }

void FrmPhotos::say(const QString& text, bool problem) {
    messageIsError_ = problem;
    messageLabel->setText(text);
    messageLabel->setStyleSheet(problem ? QStringLiteral("color: #b00020;")
                                        : QStringLiteral("color: #1b5e20;"));
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
        cropView->setPhoto(read.image);
        QString name = pictureNameFor(shownPath_);
        name.chop(4);
        nameEdit->setText(name);
        nameEdit->setEnabled(true);
        addButton->setEnabled(true);
        skipButton->setEnabled(!queue_.isEmpty());
        if (queueTotal_ > 1)
            extensionLabel->setText(
                QStringLiteral(".jpg　(%1まいのうち%2まい目)").arg(queueTotal_).arg(number));
        else
            extensionLabel->setText(QStringLiteral(".jpg"));
        // A problem with an earlier photo stays said until something else is.
        if (!messageIsError_ || messageLabel->text().isEmpty())
            say(QStringLiteral("四角を動かして、パズルにする所をえらび、「パズルに追加」を押してください。"),
                false);
        cropView->setFocus();
        return;
    }
    shownPath_.clear();
    cropView->setPhoto(QImage());
    nameEdit->clear();
    nameEdit->setEnabled(false);
    addButton->setEnabled(false);
    skipButton->setEnabled(false);
    extensionLabel->setText(QStringLiteral(".jpg"));
    chooseButton->setFocus();
}

void FrmPhotos::addShown() {
    if (cropView->photo().isNull()) return;
    const QString name = nameEdit->text().trimmed() + QStringLiteral(".jpg");
    const QString wanted = pictureNameFor(name);
    if (wanted != name) {
        // The file server's own rule when it has one to say; else the puzzle's (one dot only).
        QString why = nameEdit->text().trimmed().isEmpty() ? QStringLiteral("名前がありません。")
                                                           : fileNameProblem(name);
        if (why.isEmpty()) why = QStringLiteral("名前に「.」は使えません。");
        say(QStringLiteral("名前『%1』は使えません。%2「%3」のような名前にしてください。")
                .arg(nameEdit->text(), why, wanted.chopped(4)),
            true);
        nameEdit->setFocus();
        return;
    }
    const PhotoAdded added = addPhoto(pictureFolder(), cropView->photo(), cropView->square(), name);
    if (!added.ok()) {
        say(added.error, true);
        nameEdit->setFocus();
        return;
    }
    fillPictures();
    say(QStringLiteral("『%1』をパズルの絵に加えました。").arg(added.name), false);
    showNext();
}

void FrmPhotos::askToRemove() {
    QListWidgetItem* item = pictureList->currentItem();
    if (!item) return;
    removeQuestionLabel->setText(
        QStringLiteral("『%1』を消しますか？ 消した絵はもどせません。").arg(item->text()));
    removeQuestionLabel->show();
    confirmRemoveButton->show();
    cancelRemoveButton->show();
    cancelRemoveButton->setFocus();  // the safe answer first
}

void FrmPhotos::removeChosen() {
    QListWidgetItem* item = pictureList->currentItem();
    removeQuestionLabel->hide();
    confirmRemoveButton->hide();
    cancelRemoveButton->hide();
    if (!item) return;
    const QString name = item->text();
    const QString problem = removePicture(pictureFolder(), name);
    if (!problem.isEmpty()) {
        say(problem, true);
        return;
    }
    fillPictures();
    say(QStringLiteral("『%1』を消しました。").arg(name), false);
    pictureList->setFocus();
}

namespace {
// Thumbnails are read once at the size a 3840 × 2160 window shows them; a smaller window only
// draws them smaller, so that resizing the window reads no file.
constexpr int kThumbnailSide = 96 * 4;
}  // namespace

void FrmPhotos::fillPictures() {
    pictureList->clear();
    const int side = kThumbnailSide;
    const QDir folder(pictureFolder());
    for (const QString& name : usablePictures(絵ファイル一覧(pictureFolder()))) {
        QImageReader reader(folder.filePath(name));
        reader.setAutoTransform(true);
        const QSize full = reader.size();
        if (full.isValid()) reader.setScaledSize(full.scaled(side, side, Qt::KeepAspectRatio));
        const QImage thumb = reader.read();
        auto* item = new QListWidgetItem(QIcon(QPixmap::fromImage(thumb)), name, pictureList);
        item->setToolTip(name);
    }
    picturesLabel->setText(QStringLiteral("今ある絵 (%1まい)").arg(pictureList->count()));
    removeButton->setEnabled(pictureList->currentRow() >= 0);
}

void FrmPhotos::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layoutControls();
}

void FrmPhotos::layoutControls() {
    const double u = screenUnit(size());
    for (QWidget* w : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) setGothic(w, 14 * u);
    setGothic(titleLabel, 22 * u, true);
    for (QPushButton* b : {chooseButton, addButton, removeButton, backButton, skipButton, confirmRemoveButton,
                           cancelRemoveButton})
        b->setMinimumHeight(int(40 * u));
    if (auto* grid = qobject_cast<QGridLayout*>(layout())) {
        const int m = int(16 * u);
        grid->setContentsMargins(m, m, m, m);
        grid->setSpacing(int(10 * u));
    }
    const int side = int(96 * u);
    pictureList->setIconSize(QSize(side, side));
    pictureList->setGridSize(QSize(side + int(24 * u), side + int(40 * u)));
}

}  // namespace pekuru
