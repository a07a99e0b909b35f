#include "RealPointer.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

namespace {
Display* dpy(void* d) { return static_cast<Display*>(d); }
}  // namespace

RealPointer::RealPointer() : display_(XOpenDisplay(nullptr)) {}

RealPointer::~RealPointer() {
    if (display_) XCloseDisplay(dpy(display_));
}

bool RealPointer::usable() const {
    int event = 0, error = 0, major = 0, minor = 0;
    return display_ && XTestQueryExtension(dpy(display_), &event, &error, &major, &minor);
}

void RealPointer::moveTo(QPoint p) { XTestFakeMotionEvent(dpy(display_), -1, p.x(), p.y(), CurrentTime); }

void RealPointer::button(bool down) {
    XTestFakeButtonEvent(dpy(display_), 1, down ? True : False, CurrentTime);
}

void RealPointer::flush() { XSync(dpy(display_), False); }

void RealPointer::click(QPoint p) {
    moveTo(p);
    button(true);
    button(false);
    flush();
}

void RealPointer::drag(QPoint from, QPoint to) {
    moveTo(from);
    button(true);
    constexpr int kSteps = 12;
    for (int i = 1; i <= kSteps; ++i) moveTo(from + (to - from) * i / kSteps);
    button(false);
    flush();
}
