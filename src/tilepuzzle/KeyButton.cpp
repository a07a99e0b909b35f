#include "tilepuzzle/KeyButton.h"

#include <QKeySequence>
#include <QPainter>
#include <QStyle>

namespace pekuru {

KeyButton::KeyButton(const QString& text, Qt::Key key, QWidget* parent)
    : QPushButton(text, parent), key_(key) {
    setToolTip(QStringLiteral("キーボードの %1 キーでも押せます").arg(keyText()));
    setAccessibleDescription(toolTip());
}

QString KeyButton::keyText() const { return QKeySequence(key_).toString(QKeySequence::NativeText); }

QRect KeyButton::keyCapRect() const {
    const int h = std::max(14, int(height() * 0.5));
    QFont f = font();
    f.setPointSizeF(std::max(6.0, font().pointSizeF() * 0.7));
    const int w = std::max(h, QFontMetrics(f).horizontalAdvance(keyText()) + h / 2);
    const int margin = std::max(6, height() / 6);
    return QRect(width() - margin - w, (height() - h) / 2, w, h);
}

int KeyButton::keyCapWidth() const { return width() - keyCapRect().left(); }

int KeyButton::captionRoom() const {
    const int frame = style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, this) +
                      2 * style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    // Centred text with the cap on one side needs the same room free on the other.
    return std::max(0, width() - 2 * keyCapWidth() - frame);
}

void KeyButton::fitFont(double points, bool bold) {
    QFont f = font();
    f.setBold(bold);
    const int room = captionRoom();
    const int heightRoom = height() - 4;
    for (double pt = points; pt > 5; pt *= 0.94) {
        f.setPointSizeF(pt);
        const QFontMetrics fm(f);
        if (fm.horizontalAdvance(text()) <= room && fm.height() <= heightRoom) break;
    }
    setFont(f);
}

void KeyButton::resizeEvent(QResizeEvent* event) {
    QPushButton::resizeEvent(event);
    update();
}

void KeyButton::paintEvent(QPaintEvent* event) {
    QPushButton::paintEvent(event);
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF cap = keyCapRect();
    const double r = cap.height() / 5.0;
    // A key cap: a light face on a darker rim, so it reads as a key of the keyboard.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x5a, 0x5a, 0x5a));
    p.drawRoundedRect(cap.translated(0, 2), r, r);
    p.setBrush(QColor(0xfc, 0xfc, 0xf7));
    p.setPen(QPen(QColor(0x70, 0x70, 0x70), 1));
    p.drawRoundedRect(cap, r, r);
    QFont f = font();
    f.setBold(true);
    f.setPointSizeF(std::max(6.0, font().pointSizeF() * 0.7));
    p.setFont(f);
    p.setPen(QColor(0x20, 0x3a, 0x5c));
    p.drawText(cap, Qt::AlignCenter, keyText());
}

}  // namespace pekuru
