#include "tilepuzzle/TileWidget.h"

#include <QDrag>
#include <QDragEnterEvent>
#include <QMimeData>
#include <QMouseEvent>

namespace pekuru {

TileWidget::TileWidget(int index, QWidget* parent) : QLabel(parent), index_(index) {
    setObjectName(QStringLiteral("PicClipImage1_%1").arg(index));
    setAcceptDrops(false);
    setScaledContents(true);
    setFrameShape(QFrame::NoFrame);
}

void TileWidget::setActive(bool active) {
    active_ = active;
    setAcceptDrops(active);
    setCursor(active ? Qt::OpenHandCursor : Qt::ArrowCursor);
}

void TileWidget::mousePressEvent(QMouseEvent* event) {
    if (!active_) return;
    if (event->button() != Qt::LeftButton) {
        QLabel::mousePressEvent(event);
        return;
    }
    bool allowed = false;
    Q_EMIT pressed(index_, &allowed);
    if (!allowed) return;
    auto* drag = new QDrag(this);
    auto* mime = new QMimeData;
    mime->setData(QString::fromLatin1(mimeType()), QByteArray::number(index_));
    drag->setMimeData(mime);
    if (!pixmap().isNull()) {
        const QPixmap face = pixmap().scaled(size() * 0.9, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        drag->setPixmap(face);
        drag->setHotSpot(QPoint(face.width() / 2, face.height() / 2));
    }
    drag->exec(Qt::MoveAction);
}

void TileWidget::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasFormat(QString::fromLatin1(mimeType()))) event->acceptProposedAction();
}

void TileWidget::dragMoveEvent(QDragMoveEvent* event) {
    if (event->mimeData()->hasFormat(QString::fromLatin1(mimeType()))) event->acceptProposedAction();
}

void TileWidget::dropEvent(QDropEvent* event) {
    if (!active_) return;
    bool ok = false;
    const int source = event->mimeData()->data(QString::fromLatin1(mimeType())).toInt(&ok);
    if (!ok) return;
    event->acceptProposedAction();
    Q_EMIT droppedOn(index_, source);
}

}  // namespace pekuru
