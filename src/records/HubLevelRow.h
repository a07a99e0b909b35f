#pragma once

#include <QColor>
#include <QFrame>
#include <QString>

#include "shell/GlobalState.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace pekuru {

enum class LineMark;

// How a marked line of the hub's lists looks: its background, its mark and what the mark means.
struct MarkLook {
    QColor background, glyphColour;
    QString glyph, words;
};
MarkLook lookOf(LineMark mark);

// One level's row of the records hub: the level's name and start button, its goal and period, the
// student's figures of today and of all time, and the list that the chosen view fills.
class HubLevelRow : public QFrame {
  public:
    HubLevelRow(const hensuu1& g, int level, QWidget* parent);

    QPushButton* startButton() const { return Command4; }
    QListWidget* list() const { return List5; }

    // The student's period, all-time and today's figures on this level.
    void showFigures(const hensuu1& g, int student);
    // Empties the list; the two headers stand over the points columns only for the ranking and
    // today's lines, the other lists carry their words in every line.
    void clearLines(bool rankingHeaders);
    void addLine(const QString& text, LineMark mark);
    // As large as lets about six lines show and the widest line, after its mark, fit across.
    void fitListFont();
    // Places the controls in a row of `width` × `height`, drawn for the 1024 × 768 design and
    // scaled by `sx`, `sy`; fonts by `u`.
    void layoutControls(int width, int height, double sx, double sy, double u);

  private:
    int level_;
    QLabel* levelTitle_ = nullptr;
    QPushButton* Command4 = nullptr;
    QLabel *Label7 = nullptr, *Label8 = nullptr;  // the goal; the period and its progress
    QLabel *todayCaption_ = nullptr, *allCaption_ = nullptr;
    QLabel *Label14 = nullptr, *Label15 = nullptr;  // today's figures; all-time figures
    QLabel *Label9 = nullptr, *Label10 = nullptr;   // the list's headers: today, all time
    QListWidget* List5 = nullptr;
};

}  // namespace pekuru
