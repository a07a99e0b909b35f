#pragma once

#include <QLabel>

namespace pekuru {

// One tile of the puzzle: shows its piece of the picture, starts a drag on mouse-down and takes
// drops of other tiles. The puzzle decides whether a drag may start and what a drop does.
class TileWidget : public QLabel {
    Q_OBJECT
  public:
    TileWidget(int index, QWidget* parent);
    int index() const { return index_; }
    // Whether the tile takes part (drags and drops). A tile that does not stays fully coloured:
    // the whole picture must be seen bright while it is memorised.
    void setActive(bool active);
    bool isActive() const { return active_; }

    static const char* mimeType() { return "application/x-pekuru-tile"; }

  Q_SIGNALS:
    // Asked on mouse-down: the receiver sets `allowed` when a drag may start from this tile.
    void pressed(int tile, bool* allowed);
    void droppedOn(int target, int source);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    int index_;
    bool active_ = false;
};

}  // namespace pekuru
