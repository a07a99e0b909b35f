#include "app/ScreenFlow.h"

#include <QCoreApplication>

#include "documents/FrmDocument.h"
#include "records/FrmSyuuryou.h"
#include "shell/LevelSetup.h"

namespace pekuru {

void ScreenFlow::namesShown() { screens_.unload(Screen::seisekitime1); }

void ScreenFlow::nameConfirmed() {
    レベル名設定(g_);
    screens_.show(Screen::seisekitime1);
}

void ScreenFlow::rosterEditChosen() {
    screens_.show(Screen::FrmName2);
    screens_.unload(Screen::namesel);
}

void ScreenFlow::leaveChosen() {
    if (leave_)
        leave_();
    else
        QCoreApplication::exit(0);
}

void ScreenFlow::rosterEditEnded() {
    screens_.show(Screen::namesel);
    screens_.unload(Screen::FrmName2);
}

void ScreenFlow::hubShown() { screens_.unload(Screen::namesel); }

void ScreenFlow::startDrill() {
    ドリル開始(g_, screens_);
    screens_.show(Screen::MainFrm);
}

void ScreenFlow::levelChosen() {
    startDrill();
    screens_.unload(Screen::seisekitime1);
}

void ScreenFlow::hubLeft() { screens_.show(Screen::namesel); }

void ScreenFlow::printingChosen() { screens_.show(Screen::FormPrint0); }

void ScreenFlow::drillBegun() {
    screens_.unload(Screen::seisekitime1);
    screens_.unload(Screen::BASEFRM);
}

void ScreenFlow::drillRefused() {
    screens_.show(Screen::seisekitime1);
    screens_.unload(Screen::MainFrm);
}

void ScreenFlow::drillEnded(const Attempt& attempt) {
    attempt_ = attempt;
    outcome_ = results_.Seisekikiroku(attempt);
    screens_.show(Screen::BASEFRM);
}

void ScreenFlow::finishDue() {
    screens_.unload(Screen::MainFrm);
    // The finish screen is handed the attempt before it comes up: its activation reads it.
    if (auto* finish = qobject_cast<FrmSyuuryou*>(screens_.load(Screen::FrmSyuuryou)))
        finish->setAttempt(attempt_, outcome_);
    screens_.show(Screen::FrmSyuuryou);
}

void ScreenFlow::finishShown() { screens_.unload(Screen::BASEFRM); }

void ScreenFlow::menuChosen() {
    screens_.show(Screen::seisekitime1);
    screens_.unload(Screen::FrmSyuuryou);
}

void ScreenFlow::againChosen() {
    screens_.show(Screen::BASEFRM);
    screens_.unload(Screen::FrmSyuuryou);
    startDrill();
}

void ScreenFlow::previewChosen() { screens_.show(Screen::frmPrint); }

void ScreenFlow::printingClosed() { screens_.unload(Screen::FormPrint0); }

void ScreenFlow::previewClosed() { screens_.unload(Screen::frmPrint); }

void ScreenFlow::reportChosen() { screens_.show(Screen::FrmReport); }

void ScreenFlow::photosChosen() { screens_.show(Screen::FrmPhotos); }

void ScreenFlow::certificateChosen() {
    // The certificate is of the attempt just recorded.
    if (auto* page = qobject_cast<FrmDocument*>(screens_.load(Screen::FrmCertificate)))
        page->setAttempt(attempt_);
    screens_.show(Screen::FrmCertificate);
}

void ScreenFlow::reportClosed() { screens_.unload(Screen::FrmReport); }

void ScreenFlow::certificateClosed() { screens_.unload(Screen::FrmCertificate); }

void ScreenFlow::photosClosed() { screens_.unload(Screen::FrmPhotos); }

void ScreenFlow::helpChosen() { screens_.show(Screen::FrmHelp); }

void ScreenFlow::helpClosed() { screens_.unload(Screen::FrmHelp); }

}  // namespace pekuru
