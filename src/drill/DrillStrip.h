#pragma once

#include <QFrame>
#include <vector>

#include "drill/DrillCycle.h"

class QLabel;

namespace pekuru {

// The status strip across the top of the drill screen: the title, the minutes since the name was
// chosen and today's counts on the left; the classroom, the name, the level, the pictures still to
// solve and the time on the right; across it the time bar with its target and limit, and the
// squares that go out as the time runs.
class DrillStrip : public QFrame {
  public:
    explicit DrillStrip(QWidget* parent);

    // Lays the strip out across `width` at the drill's unit `u`, the title at `titlePoints` × u.
    void layoutControls(int width, double u, double titlePoints);
    // The figures, the time bar and the squares of `s`.
    void display(const StatusStrip& s);
    // The pictures still to solve.
    void setRemaining(int count);
    // What a screen reader says for the figures: what each one counts, with its number and unit,
    // and for the bar the time against the level's target and limit.
    void nameFigures(const hensuu1& g);

  private:
    QLabel *sLabel2 = nullptr, *sLabel3 = nullptr, *sLabel4 = nullptr, *sLabel5 = nullptr, *sLabel6 = nullptr;
    QLabel *sLabel7 = nullptr, *sLabel8 = nullptr, *sLabel9 = nullptr, *sLabel10 = nullptr,
           *sLabel11 = nullptr;
    QLabel *sLabel12 = nullptr, *sLabel13 = nullptr, *sLabel14 = nullptr;
    QLabel* sLabel16[6] = {};
    QFrame *sShape5 = nullptr, *sShape2 = nullptr, *sShape3 = nullptr, *sShape4 = nullptr, *sShape7 = nullptr;
    std::vector<QFrame*> sPicture3;  // entries 10..39
};

}  // namespace pekuru
