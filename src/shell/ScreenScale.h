#pragma once

// The screens are drawn for a 1024 × 768 window. A larger window (a big monitor, a maximised
// window) scales every font, gap and button by one unit, so that the screen looks the same, only
// bigger. Sizes are in device-independent pixels and points, so a high-DPI scale factor on top of
// this keeps the same proportions.
#include <QFont>
#include <QSize>
#include <QWidget>
#include <algorithm>

#include "shell/FontFaces.h"

namespace pekuru {

inline constexpr QSize kDesignSize{1024, 768};

// The unit: how many times larger than the 1024 × 768 design the window is, by its tighter side.
// A window made smaller than the design shrinks a little, down to 0.75, rather than hiding things.
inline double screenUnit(QSize window) {
    const double u = std::min(window.width() / double(kDesignSize.width()),
                              window.height() / double(kDesignSize.height()));
    return std::max(0.75, u);
}

// The program's proportional Gothic face at a size in points.
inline QFont gothicFont(double points, bool bold = false) {
    QFont f(kGothicFace);
    f.setPointSizeF(std::max(1.0, points));
    f.setBold(bold);
    return f;
}

inline void setGothic(QWidget* w, double points, bool bold = false) { w->setFont(gothicFont(points, bold)); }

}  // namespace pekuru
