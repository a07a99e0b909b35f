#pragma once

#include "shell/Attempt.h"

namespace pekuru {

// What the screens tell the program's flow. The flow alone decides which screen follows which:
// a screen raises one of these when the user has done something (or when it has come up) and
// never shows or unloads another screen itself.
class Flow {
  public:
    virtual ~Flow() = default;

    // The name selection.
    virtual void namesShown() = 0;        // it is up: a hub left behind goes
    virtual void nameConfirmed() = 0;     // 名前確定 has run: the records hub follows
    virtual void rosterEditChosen() = 0;  // 名簿登録
    virtual void leaveChosen() = 0;       // 終了: the menu program has been started
    virtual void helpChosen() = 0;        // ヘルプ ▸ 目次: the guide, beside the names
    // The roster registration is closed.
    virtual void rosterEditEnded() = 0;

    // The records hub.
    virtual void hubShown() = 0;        // it is up: the name selection goes
    virtual void levelChosen() = 0;     // a start button, LevelNo set: the drill follows
    virtual void hubLeft() = 0;         // 戻る(0): back to the names
    virtual void printingChosen() = 0;  // 印刷 (also from the name selection's menu)
    virtual void reportChosen() = 0;    // 成績表: the chosen student's progress report
    virtual void photosChosen() = 0;    // 写真 (also from the name selection's menu)

    // The drill.
    virtual void drillBegun() = 0;                        // its set-up runs: the hub and background go
    virtual void drillRefused() = 0;                      // no pictures to play: back to the hub
    virtual void drillEnded(const Attempt& attempt) = 0;  // record it; the background comes up
    virtual void finishDue() = 0;                         // the pause after the drill is over

    // The finish screen.
    virtual void finishShown() = 0;        // its first activation ran: the background goes
    virtual void menuChosen() = 0;         // メニューへ: back to the hub
    virtual void againChosen() = 0;        // もう一度: the same level again
    virtual void certificateChosen() = 0;  // 賞状を印刷, after a cleared level

    // The worksheets.
    virtual void previewChosen() = 0;   // 印刷へ
    virtual void printingClosed() = 0;  // the selection's 戻る
    virtual void previewClosed() = 0;   // the preview's 戻る, or printed

    // The pages to take home and the photos.
    virtual void reportClosed() = 0;
    virtual void certificateClosed() = 0;
    virtual void photosClosed() = 0;
    virtual void helpClosed() = 0;
};

}  // namespace pekuru
