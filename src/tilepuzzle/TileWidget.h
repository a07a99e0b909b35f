#pragma once

#include <QLabel>
#include <QPointer>

class QTouchEvent;

namespace pekuru {

// One tile of the puzzle: shows its piece of the picture and turns the mouse, a finger and the
// keyboard into the puzzle's few events (a mouse-down, a drop on another tile, a tap). The puzzle
// decides whether a tile may be picked up and what a drop does.
//
// Mouse: a press and release without moving is a tap; a press that moves on starts a drag.
// Finger: the same, with the piece following the finger while it drags. Keys: Space or Enter taps,
// the arrow keys ask to move the keyboard frame to a neighbour.
class TileWidget : public QLabel {
    Q_OBJECT
  public:
    TileWidget(int index, QWidget* parent);
    int index() const { return index_; }
    // Row and column from 1, for the name a screen reader speaks.
    void setPlace(int row, int col);
    // Whether the tile takes part (drags, drops, taps, keyboard focus). A tile that does not stays
    // fully coloured: the whole picture must be seen bright while it is memorised.
    void setActive(bool active);
    bool isActive() const { return active_; }
    // The tile is in hand after a tap: it wears a thick bright frame.
    void setPicked(bool picked);
    bool isPicked() const { return picked_; }
    // Whether the keyboard's frame shows while the tile has focus: only once keys are in use, so a
    // child who plays with the mouse sees no second frame beside the yellow one.
    void setFocusFrameShown(bool shown);
    // The state a screen reader reads after the name (empty when there is nothing to say).
    void setStateText(const QString& text);
    // Pressing the tile through its accessibility interface: the same as a tap.
    void press();
    // The piece that follows the finger during a touch drag, or null.
    QLabel* fingerPiece() const { return fingerPiece_; }

    static const char* mimeType() { return "application/x-pekuru-tile"; }

  Q_SIGNALS:
    // Asked on mouse-down (or finger-down): the receiver sets `allowed` when a drag may start.
    void pressed(int tile, bool* allowed);
    // A press has turned into a drag.
    void dragBegun(int tile);
    void droppedOn(int target, int source);
    void tapped(int tile);
    // An arrow key: move the keyboard frame by `rows`, `cols`.
    void moveFocusBy(int tile, int rows, int cols);

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void touch(QTouchEvent* event);
    void startMouseDrag();
    void showFingerPiece(QPointF localPos);
    void endFingerDrag();
    QPixmap face() const;

    int index_;
    bool active_ = false;
    bool picked_ = false;
    bool focusFrameShown_ = false;
    // A press the puzzle allowed, not yet a drag or a tap.
    bool pressAllowed_ = false;
    bool dragging_ = false;
    QPointF pressPos_;
    int touchId_ = -1;
    QPointer<QLabel> fingerPiece_;
};

}  // namespace pekuru
