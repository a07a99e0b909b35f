#include "roster/namesel.h"

#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

#include "platform/SingleInstance.h"
#include "roster/Roster.h"

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
    setWindowTitle(ctx_.g.ProgTitle);
    auto* layout = new QVBoxLayout(this);
    Label4 = new QLabel(ctx_.g.ProgTitle, this);
    Label4->setObjectName(QStringLiteral("Label4"));
    Label4->setAlignment(Qt::AlignCenter);
    QFont f = Label4->font();
    f.setPointSize(48);
    Label4->setFont(f);
    layout->addWidget(Label4);
    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    QFont lf = List1->font();
    lf.setPointSize(16);
    List1->setFont(lf);
    layout->addWidget(List1);
    const QColor back(ctx_.g.HaikeiColor & 0xFF, (ctx_.g.HaikeiColor >> 8) & 0xFF, (ctx_.g.HaikeiColor >> 16) & 0xFF);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, back);
    setPalette(pal);
    setAutoFillBackground(true);
    resize(1024, 768);

    if (ctx_.instance && !ctx_.instance->acquire()) {
        ctx_.messages.showMessage(MessageService::Icon::Critical, QStringLiteral("注意"), secondInstanceMessage());
        return false;
    }
    return true;
}

void namesel::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    activate();
}

void namesel::activate() {
    名簿ファイル処理(ctx_.g);
    List1->clear();
    List1->addItem(QStringLiteral("－－－－－－"));
    for (const ShownRow& row : loadRoster(ctx_.g, ctx_.clock))
        List1->addItem(row.gradeCode + QLatin1Char(' ') + row.record.Namae.trimmed());
}

}  // namespace pekuru
