#pragma once

#include <QPushButton>

namespace pekuru {

// A puzzle button that also answers to one key, and shows that key as a small key cap painted at
// its right end. The caption (text()) stays exactly the button's own words; the cap is drawn, not
// written into it.
class KeyButton : public QPushButton {
    Q_OBJECT
  public:
    KeyButton(const QString& text, Qt::Key key, QWidget* parent);
    Qt::Key key() const { return key_; }
    // The letter on the key cap ("S").
    QString keyText() const;
    // The room the key cap takes at the right end; the caption, centred, keeps clear of it.
    int keyCapWidth() const;
    // The widest caption the button can show beside its key cap.
    int captionRoom() const;
    // The largest font up to `points` with which the caption fits beside the key cap.
    void fitFont(double points, bool bold);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    QRect keyCapRect() const;
    Qt::Key key_;
};

}  // namespace pekuru
