#include "tilepuzzle/TileWidget.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QTouchEvent>

namespace pekuru {

namespace {

// A tile is something a child presses (to pick it up or to put a piece there), so a screen reader
// hears a button that can be pressed, with "選択中" while it is in hand.
class TileAccessible : public QAccessibleWidget {
  public:
    explicit TileAccessible(TileWidget* tile) : QAccessibleWidget(tile, QAccessible::Button) {}
    TileWidget* tile() const { return static_cast<TileWidget*>(widget()); }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = tile()->isPicked();
        if (!tile()->isActive()) s.disabled = true;
        return s;
    }
    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == pressAction())
            tile()->press();
        else
            QAccessibleWidget::doAction(action);
    }
};

QAccessibleInterface* tileAccessible(const QString& key, QObject* object) {
    if (key == QLatin1String(TileWidget::staticMetaObject.className()))
        if (auto* tile = qobject_cast<TileWidget*>(object)) return new TileAccessible(tile);
    return nullptr;
}

bool farEnough(QPointF from, QPointF to) {
    return (to - from).manhattanLength() >= QApplication::startDragDistance();
}

}  // namespace

TileWidget::TileWidget(int index, QWidget* parent) : QLabel(parent), index_(index) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(tileAccessible);
        return true;
    }();
    (void)factoryInstalled;
    setObjectName(QStringLiteral("PicClipImage1_%1").arg(index));
    setAcceptDrops(false);
    setScaledContents(true);
    setFrameShape(QFrame::NoFrame);
    setAttribute(Qt::WA_AcceptTouchEvents);
    setFocusPolicy(Qt::NoFocus);
}

void TileWidget::setPlace(int row, int col) {
    setAccessibleName(QStringLiteral("%1行目 %2列目のタイル").arg(row).arg(col));
}

void TileWidget::setActive(bool active) {
    if (active == active_) return;
    active_ = active;
    setAcceptDrops(active);
    setCursor(active ? Qt::OpenHandCursor : Qt::ArrowCursor);
    // Only tiles that can be moved are stops for Tab and the arrow keys.
    setFocusPolicy(active ? Qt::StrongFocus : Qt::NoFocus);
    if (!active) {
        pressAllowed_ = false;
        endFingerDrag();
    }
    update();
}

void TileWidget::setPicked(bool picked) {
    if (picked == picked_) return;
    picked_ = picked;
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent ev(this, changed);
    QAccessible::updateAccessibility(&ev);
    update();
}

void TileWidget::setFocusFrameShown(bool shown) {
    if (shown == focusFrameShown_) return;
    focusFrameShown_ = shown;
    if (hasFocus()) update();
}

void TileWidget::setStateText(const QString& text) {
    if (accessibleDescription() != text) setAccessibleDescription(text);
}

void TileWidget::press() {
    if (active_) Q_EMIT tapped(index_);
}

QPixmap TileWidget::face() const {
    if (pixmap().isNull()) return {};
    return pixmap().scaled(size() * 0.9, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

bool TileWidget::event(QEvent* event) {
    switch (event->type()) {
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::TouchCancel:
            touch(static_cast<QTouchEvent*>(event));
            return true;
        default:
            return QLabel::event(event);
    }
}

// The first finger on the tile does what the mouse does; other fingers are ignored. Touch events
// for a finger keep coming to the tile it went down on, so the drop target is found by position.
void TileWidget::touch(QTouchEvent* event) {
    event->accept();
    if (event->type() == QEvent::TouchCancel) {
        endFingerDrag();
        pressAllowed_ = false;
        touchId_ = -1;
        return;
    }
    if (event->type() == QEvent::TouchBegin) {
        touchId_ = -1;
        pressAllowed_ = false;
        dragging_ = false;
        if (!active_ || event->points().isEmpty()) return;
        const QEventPoint& first = event->points().first();
        touchId_ = first.id();
        pressPos_ = first.position();
        bool allowed = false;
        Q_EMIT pressed(index_, &allowed);
        pressAllowed_ = allowed;
        return;
    }
    const QEventPoint* point = nullptr;
    for (const QEventPoint& p : event->points())
        if (p.id() == touchId_) point = &p;
    if (!point) return;
    const QPointF pos = point->position();
    const bool lifted = event->type() == QEvent::TouchEnd || point->state() == QEventPoint::Released;
    if (pressAllowed_ && !dragging_ && farEnough(pressPos_, pos)) {
        dragging_ = true;
        Q_EMIT dragBegun(index_);
    }
    if (dragging_ && !lifted) showFingerPiece(pos);
    if (!lifted) return;

    const bool wasDrag = dragging_, wasAllowed = pressAllowed_;
    endFingerDrag();
    touchId_ = -1;
    pressAllowed_ = false;
    if (wasDrag) {
        QWidget* under = parentWidget()->childAt(mapToParent(pos.toPoint()));
        auto* target = qobject_cast<TileWidget*>(under);
        if (target && target->isActive()) Q_EMIT droppedOn(target->index(), index_);
    } else if (wasAllowed) {
        Q_EMIT tapped(index_);
    }
}

void TileWidget::showFingerPiece(QPointF localPos) {
    if (!fingerPiece_) {
        fingerPiece_ = new QLabel(parentWidget());
        fingerPiece_->setObjectName(QStringLiteral("fingerPiece"));
        fingerPiece_->setAttribute(Qt::WA_TransparentForMouseEvents);
        fingerPiece_->setStyleSheet(QStringLiteral("border: 4px solid #ffd400;"));
        fingerPiece_->setScaledContents(true);
        fingerPiece_->setPixmap(face());
        fingerPiece_->resize(size() * 0.9);
        fingerPiece_->show();
    }
    fingerPiece_->raise();
    const QPoint centre = mapToParent(localPos.toPoint());
    fingerPiece_->move(centre - QPoint(fingerPiece_->width() / 2, fingerPiece_->height() / 2));
}

void TileWidget::endFingerDrag() {
    dragging_ = false;
    delete fingerPiece_.data();
}

void TileWidget::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    const bool framed = hasFocus() && active_ && focusFrameShown_;
    if (!picked_ && !framed) return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const int side = std::min(width(), height());
    if (picked_) {
        // In hand: a thick yellow frame with a dark edge, seen on light and dark pictures alike.
        const int t = std::max(6, side / 9);
        p.setPen(QPen(QColor(0xff, 0xd4, 0x00), t, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        p.drawRect(QRectF(rect()).adjusted(t / 2.0, t / 2.0, -t / 2.0, -t / 2.0));
        p.setPen(QPen(QColor(0x8a, 0x3b, 0x00), 2));
        p.drawRect(QRectF(rect()).adjusted(t + 1, t + 1, -t - 1, -t - 1));
        p.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
    if (framed) {
        // The keyboard's place: a blue and white frame, thinner than the yellow one.
        const int t = std::max(4, side / 20);
        const double inset = picked_ ? std::max(6, side / 9) + 2 : 0;
        const QRectF box = QRectF(rect()).adjusted(inset, inset, -inset, -inset);
        p.setPen(QPen(QColor(0x1c, 0x6d, 0xd0), t, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        p.drawRect(box.adjusted(t / 2.0, t / 2.0, -t / 2.0, -t / 2.0));
        p.setPen(QPen(Qt::white, 2, Qt::DashLine));
        p.drawRect(box.adjusted(t + 1, t + 1, -t - 1, -t - 1));
    }
}

void TileWidget::keyPressEvent(QKeyEvent* event) {
    if (!active_) {
        event->ignore();
        return;
    }
    switch (event->key()) {
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            // A held key repeats; it must not pick up and put down again and again.
            if (!event->isAutoRepeat()) Q_EMIT tapped(index_);
            return;
        case Qt::Key_Left:
            Q_EMIT moveFocusBy(index_, 0, -1);
            return;
        case Qt::Key_Right:
            Q_EMIT moveFocusBy(index_, 0, 1);
            return;
        case Qt::Key_Up:
            Q_EMIT moveFocusBy(index_, -1, 0);
            return;
        case Qt::Key_Down:
            Q_EMIT moveFocusBy(index_, 1, 0);
            return;
        default:
            event->ignore();
    }
}

void TileWidget::focusInEvent(QFocusEvent* event) {
    QLabel::focusInEvent(event);
    update();
}

void TileWidget::focusOutEvent(QFocusEvent* event) {
    QLabel::focusOutEvent(event);
    update();
}

void TileWidget::mousePressEvent(QMouseEvent* event) {
    pressAllowed_ = false;
    if (!active_) return;
    if (event->button() != Qt::LeftButton) {
        QLabel::mousePressEvent(event);
        return;
    }
    bool allowed = false;
    Q_EMIT pressed(index_, &allowed);
    pressAllowed_ = allowed;
    pressPos_ = event->position();
}

void TileWidget::mouseMoveEvent(QMouseEvent* event) {
    if (!pressAllowed_ || !(event->buttons() & Qt::LeftButton) || !farEnough(pressPos_, event->position()))
        return;
    pressAllowed_ = false;
    Q_EMIT dragBegun(index_);
    startMouseDrag();
}

void TileWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !pressAllowed_) return;
    pressAllowed_ = false;
    Q_EMIT tapped(index_);
}

void TileWidget::startMouseDrag() {
    auto* drag = new QDrag(this);
    auto* mime = new QMimeData;
    mime->setData(QString::fromLatin1(mimeType()), QByteArray::number(index_));
    drag->setMimeData(mime);
    const QPixmap piece = face();
    if (!piece.isNull()) {
        drag->setPixmap(piece);
        drag->setHotSpot(QPoint(piece.width() / 2, piece.height() / 2));
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
