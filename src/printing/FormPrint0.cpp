#include "printing/FormPrint0.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

namespace pekuru {

namespace {

QLabel* label(QWidget* parent, const QString& name, const QString& text) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setWordWrap(true);
    return l;
}

}  // namespace

FormPrint0::FormPrint0(AppContext& context, QWidget* parent) : QWidget(parent), ctx_(context) {
    setObjectName(QStringLiteral("FormPrint0"));
    setWindowTitle(QStringLiteral("四字熟語の印刷"));
    QFont base(QStringLiteral("IPAPGothic"));
    base.setPointSize(13);
    setFont(base);

    Label1 = label(this, QStringLiteral("Label1"), QStringLiteral("印刷設定"));
    QFont big = base;
    big.setPointSize(20);
    big.setBold(true);
    Label1->setFont(big);
    Label2 = label(this, QStringLiteral("Label2"), QStringLiteral("レベルを選んでください"));
    Label3 = label(this, QStringLiteral("Label3"),
                   QStringLiteral("Shiftを押しながら選ぶと複数選択できます(そのうち20問が印刷されます)"));
    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setSelectionMode(QAbstractItemView::ExtendedSelection);  // Shift for a range, Ctrl for one more
    for (int level = 1; level <= kIdiomLevels; ++level) List1->addItem(QString::number(level));
    List1->item(0)->setSelected(true);
    List1->setCurrentRow(0);

    const QString modes[6] = {QString(),
                              QStringLiteral("すべて印刷"),
                              QStringLiteral("問題１カ所"),
                              QStringLiteral("問題２カ所"),
                              QStringLiteral("問題３カ所"),
                              QStringLiteral("問題４カ所")};
    for (int i = 1; i <= 5; ++i) {
        Option1[i] = new QRadioButton(modes[i], this);
        Option1[i]->setObjectName(QStringLiteral("Option1_%1").arg(i));
        connect(Option1[i], &QRadioButton::clicked, this, [this] { rebuild(); });
    }
    Option1[1]->setChecked(true);
    Check1 = new QCheckBox(QStringLiteral("順序を変える"), this);
    Check1->setObjectName(QStringLiteral("Check1"));
    Command3 = new QPushButton(QStringLiteral("再並べ替え"), this);
    Command3->setObjectName(QStringLiteral("Command3"));
    Command1 = new QPushButton(QStringLiteral("印刷へ"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setStyleSheet(QStringLiteral(
        "QPushButton { background: #1c6dd0; color: white; border-radius: 8px; font-weight: bold; }"));
    Command2 = new QPushButton(QStringLiteral("もどる"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    countLabel_ = label(this, QStringLiteral("selectedCount"), QString());
    table_ = new QTableWidget(kWorksheetRows, 7, this);
    table_->setObjectName(QStringLiteral("printTable"));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->setVisible(false);
    table_->setHorizontalHeaderLabels({QStringLiteral("番号"), QStringLiteral("意味"), QStringLiteral("1"),
                                       QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"),
                                       QStringLiteral("答え")});

    connect(List1, &QListWidget::itemSelectionChanged, this, [this] { rebuild(); });
    connect(Check1, &QCheckBox::clicked, this, [this] { rebuild(); });
    connect(Command3, &QPushButton::clicked, this, [this] { rebuild(); });
    connect(Command1, &QPushButton::clicked, this, [this] { ctx_.nav.show(Screen::frmPrint); });
    connect(Command2, &QPushButton::clicked, this, [this] { ctx_.nav.unload(Screen::FormPrint0); });

    resize(1024, 768);
    rebuild();
}

WorksheetChoice FormPrint0::choice() const {
    WorksheetChoice c;
    for (int level = 1; level <= kIdiomLevels; ++level)
        c.levels[std::size_t(level)] = List1->item(level - 1)->isSelected();
    for (int i = 1; i <= 5; ++i)
        if (Option1[i]->isChecked()) c.mode = i;
    c.shuffle = Check1->isChecked();
    return c;
}

void FormPrint0::rebuild() {
    const int n = buildWorksheet(ctx_.g, ctx_.random, choice());
    countLabel_->setText(n > kWorksheetRows
                             ? QStringLiteral("えらんだ熟語: %1 問 (印刷するのは 20 問)").arg(n)
                             : QStringLiteral("えらんだ熟語: %1 問").arg(n));
    showTable();
}

void FormPrint0::showTable() {
    const hensuu1& g = ctx_.g;
    const bool answers = g.PrintCols == 3;
    for (int r = 1; r <= kWorksheetRows; ++r) {
        for (int c = 1; c <= 7; ++c) {
            QString text = g.PrintCell(c, r);
            if (answers && c >= 4) text.clear();  // not printed on an answer sheet
            if (!answers && c >= 3 && c <= 6 && text.isEmpty() && !g.PrintCell(2, r).isEmpty())
                text = QStringLiteral("□");
            auto* item = new QTableWidgetItem(text);
            if (c >= 3 && c <= 6) item->setTextAlignment(Qt::AlignCenter);
            table_->setItem(r - 1, c - 1, item);
        }
    }
    table_->setColumnHidden(3, answers);
    table_->setColumnHidden(4, answers);
    table_->setColumnHidden(5, answers);
    table_->setColumnHidden(6, answers);
    table_->horizontalHeaderItem(2)->setText(answers ? QStringLiteral("答え") : QStringLiteral("1"));
}

void FormPrint0::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int m = 16, left = 300;
    Label1->setGeometry(m, m, left - m, 40);
    Label2->setGeometry(m, 64, left - m, 30);
    List1->setGeometry(m, 96, 120, 250);
    Label3->setGeometry(m + 130, 96, left - m - 130, 160);
    int y = 360;
    for (int i = 1; i <= 5; ++i, y += 34) Option1[i]->setGeometry(m, y, left - m, 30);
    Check1->setGeometry(m, y + 6, left - m, 30);
    Command3->setGeometry(m, y + 46, left - 2 * m, 40);
    Command1->setGeometry(m, height() - 110, left - 2 * m, 48);
    Command2->setGeometry(m, height() - 56, left - 2 * m, 40);
    countLabel_->setGeometry(left + m, m, width() - left - 2 * m, 30);
    table_->setGeometry(left + m, 50, width() - left - 2 * m, height() - 50 - m);
    table_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    table_->horizontalHeader()->setSectionResizeMode(6, QHeaderView::ResizeToContents);
    for (int c : {0, 2, 3, 4, 5}) table_->setColumnWidth(c, 44);
}

}  // namespace pekuru
