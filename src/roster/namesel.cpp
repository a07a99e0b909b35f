#include "roster/namesel.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "platform/ProgramStarter.h"
#include "platform/SingleInstance.h"
#include "records/Results.h"
#include "roster/NameList.h"
#include "roster/frmver.h"
#include "shell/CuePlayer.h"
#include "shell/ScreenKit.h"

namespace pekuru {

QString secondInstanceMessage() {
    return QStringLiteral(
        "このプログラムと同じプログラムがすでに起動され、完全に終了されていません。"
        "同じプログラムを完全に終了させてから実行してください。");
}

namesel::namesel(AppContext& context, QWidget* parent) : QWidget(parent), ctx_(context) {
    setObjectName(QStringLiteral("namesel"));
}

bool namesel::load() {
    build();
    const QColor back = bgrColour(ctx_.g.HaikeiColor);
    for (QWidget* w : {static_cast<QWidget*>(this), static_cast<QWidget*>(Picture5)})
        paintBackground(w, back, Qt::white);
    resize(1024, 768);
    Label4->setText(ctx_.g.ProgTitle);
    Picture5->hide();

    if (ctx_.instance && !ctx_.instance->acquire()) {
        ctx_.messages.showMessage(MessageService::Icon::Critical, QStringLiteral("注意"),
                                  secondInstanceMessage());
        return false;
    }
    return true;
}

void namesel::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) activate();
}

void namesel::activate() {
    名簿ファイル処理(ctx_.g);
    List1->setCurrentRow(-1);
    Command1->setVisible(ctx_.g.PrintOK == 1);
    // The filter box is filled before the list is rebuilt, so that the list matches the "全学年"
    // the box shows.
    fillFilter();
    HyoujiMode = 1;
    Option1[1]->setChecked(true);
    markMode();
    名簿表示();
    ctx_.flow.namesShown();
    Label1->setText(choosePrompt());
    Label1->setVisible(true);
    Label1->setVisible(false);
    Label1->setVisible(true);
    Picture5->hide();
    List1->setFocus();
}

void namesel::fillFilter() {
    const QSignalBlocker block(Combo1);
    Combo1->clear();
    Combo1->addItems(gradeFilterTexts());
    Combo1->setCurrentIndex(0);
    ctx_.g.GakunenFilter = gradeFilterTexts().front();  // "全学年"
}

void namesel::名簿表示() {
    if (ctx_.results) ctx_.results->回数求();
    const QString filter = Combo1->currentText();
    NameLists lists = buildNameLists(ctx_.g, ctx_.clock, HyoujiMode, filter);
    shownFilter_ = filter;
    List2 = std::move(lists.List2);
    List3 = std::move(lists.List3);
    {
        const QSignalBlocker block(List1);
        List1->clear();
        List1->addItems(lists.List1);
        for (int i = 0; i < List1->count() && i < lists.spoken.size(); ++i)
            List1->item(i)->setData(Qt::AccessibleTextRole, lists.spoken[i]);
    }
    fitListFont();
    List1->setCurrentRow(0);
}

void namesel::chooseFilter(int index) {
    ctx_.g.GakunenFilter = Combo1->itemText(index);
    Combo1->setEditText(ctx_.g.GakunenFilter);
    名簿表示();
    List1->setFocus();
}

void namesel::typedFilter() {
    // A text typed into the box applies when the typing ends; it names no grade unless it is one
    // of the listed texts.
    if (Combo1->currentText() != shownFilter_) 名簿表示();
}

void namesel::chooseMode(int mode) {
    HyoujiMode = mode;
    名簿表示();
    markMode();
}

void namesel::markMode() {
    for (QRadioButton* r : Option1) {
        QFont f = r->font();
        f.setBold(r->isChecked());
        r->setFont(f);
    }
}

void namesel::clickEntry(int row) {
    if (row < 0) return;
    if (row == 0 || row > List3.size()) {
        Label1->setText(choosePrompt());
        return;
    }
    Label1->setText(clickedName(List1->item(row)->text()));
    Label2->setText(numberOfEntry(List3[row - 1]));
}

void namesel::doubleClickEntry(QListWidgetItem* item) {
    const int row = List1->row(item);
    if (row <= 0 || row > List3.size()) {
        Label1->setText(choosePrompt());
        return;
    }
    Label1->setText(doubleClickedName(item->text()));
    Label2->setText(numberOfEntry(List3[row - 1]));
    confirm();
}

void namesel::confirm() {
    // Once a name is confirmed the hub is on its way; a second Enter or double-click must not
    // start it again.
    if (Command14->isHidden()) return;
    if (Label1->text() == choosePrompt() || Label1->text().isEmpty()) {
        if (ctx_.cues) ctx_.cues->間違い音再生();
        return;
    }
    名前確定(ctx_.g, ctx_.clock, Label2->text());
    Command14->hide();
    Picture5->setGeometry(rect());
    Picture5->show();
    Picture5->raise();
    ctx_.events.yieldToEvents();
    ctx_.flow.nameConfirmed();
}

void namesel::digitKey(int digit) {
    if (digit == 1) {
        if (!Command14->isHidden()) confirm();
    } else {
        leave();
    }
}

void namesel::leave() {
    // The menu program may be missing on this computer; the program ends all the same.
    (void)startProgram(programMenuPath(ctx_.g), {programMenuArgument()});
    ctx_.flow.leaveChosen();
}

void namesel::openHelp() { ctx_.flow.helpChosen(); }

void namesel::showAbout(bool centred) {
    {
        frmver box(ctx_.g.ProgTitle, this);
        if (centred) box.move(geometry().center() - box.rect().center());
        box.exec();
    }
    // The screen becomes active again when the box closes.
    activate();
}

void namesel::openRegistration() { ctx_.flow.rosterEditChosen(); }

void namesel::openPrinting() { ctx_.flow.printingChosen(); }

bool namesel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Label4 && event->type() == QEvent::MouseButtonRelease) {
        showAbout(true);
        return true;
    }
    if (watched == List1->viewport() && event->type() == QEvent::Resize) fitListFont();
    if (watched == List1 && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter || key->key() == Qt::Key_Space) {
            confirm();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace pekuru
