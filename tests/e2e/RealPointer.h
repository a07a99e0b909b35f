#pragma once

#include <QPoint>

// Real pointer input at the X server named by DISPLAY, sent through the XTest extension over a
// connection of its own. The events queue at the server; the caller pumps Qt's event loop until
// their effect shows. Xlib stays inside RealPointer.cpp: its macros clash with Qt's and GoogleTest's.
class RealPointer {
  public:
    RealPointer();
    ~RealPointer();
    RealPointer(const RealPointer&) = delete;
    RealPointer& operator=(const RealPointer&) = delete;

    // An X server with XTest is there.
    bool usable() const;
    void click(QPoint global);
    // Press on `from`, move there in the small steps a hand makes, release on `to`.
    void drag(QPoint from, QPoint to);

  private:
    void moveTo(QPoint global);
    void button(bool down);
    void flush();
    void* display_;
};
