#pragma once

#include <QImage>
#include <QStringList>
#include <QWidget>

#include "shell/AppContext.h"
#include "shell/ScreenKit.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace pekuru {

// The photo with the square that will become the puzzle picture: the part outside is dimmed. The
// square follows the mouse or a finger when dragged, and the arrow keys move it.
class PhotoCropView : public QWidget {
    Q_OBJECT
  public:
    explicit PhotoCropView(QWidget* parent = nullptr);
    void setPhoto(const QImage& photo);  // the square starts centred
    const QImage& photo() const { return photo_; }
    QRect square() const { return square_; }  // in the photo's pixels
    void moveSquare(const QPoint& byPhotoPixels);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QRectF shownRect() const;  // where the photo is drawn, in the widget
    QImage photo_;
    QRect square_;
    QPointF lastDrag_;
};

// 写真をパズルにする: a parent or teacher picks photos, chooses the square part of each and adds
// it to the classroom's picture folder; the pictures already there are shown small and can be
// removed.
class FrmPhotos : public QWidget {
    Q_OBJECT
  public:
    explicit FrmPhotos(AppContext& context, QWidget* parent = nullptr);

    QString pictureFolder() const;
    // The photos to go through, one after another (what the file dialog gave).
    void takePhotos(const QStringList& paths);
    // "パズルに追加": stores the square of the photo on show; then the next photo, if any.
    void addShown();
    // "消す" on the chosen picture asks first; "はい、消す" removes it.
    void askToRemove();
    void removeChosen();
    QString message() const;

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void choosePhotos();
    void showNext();
    void fillPictures();
    void say(const QString& text, bool problem);
    void arrangeControls();  // the grid, once
    void layoutControls();

    AppContext& ctx_;
    QStringList queue_;
    int queueTotal_ = 0;
    QString shownPath_;
    bool messageIsError_ = false;  // what the message label says is a problem, not a step done
    QLabel* titleLabel = nullptr;
    // The photo on show and its square; the picture's name with ".jpg" (and which photo of how many).
    PhotoCropView* cropView = nullptr;
    QLabel *nameLabel = nullptr, *extensionLabel = nullptr;
    QLineEdit* nameEdit = nullptr;
    QPushButton *chooseButton = nullptr, *addButton = nullptr, *skipButton = nullptr;
    // The pictures already in the folder, and the question before one is removed.
    QLabel* picturesLabel = nullptr;
    QListWidget* pictureList = nullptr;
    QPushButton* removeButton = nullptr;
    QLabel* removeQuestionLabel = nullptr;
    QPushButton *confirmRemoveButton = nullptr, *cancelRemoveButton = nullptr;
    QLabel* messageLabel = nullptr;
    QPushButton* backButton = nullptr;
};

}  // namespace pekuru
