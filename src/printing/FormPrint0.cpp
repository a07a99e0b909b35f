#include "printing/FormPrint0.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTimer>
#include <cmath>

#include "shell/ScreenKit.h"

namespace pekuru {

namespace {

QLabel* label(QWidget* parent, const QString& name, const QString& text) {
    QLabel* l = makeLabel(parent, name, text);
    l->setWordWrap(true);
    return l;
}

}  // namespace

FormPrint0::FormPrint0(AppContext& context, QWidget* parent) : QWidget(parent), ctx_(context) {
    setObjectName(QStringLiteral("FormPrint0"));
    setWindowTitle(QStringLiteral("四字熟語の印刷"));
    const QFont base = gothicFont(13);
    setFont(base);

    Label1 = label(this, QStringLiteral("Label1"), QStringLiteral("印刷設定"));
    Label1->setFont(gothicFont(20, true));
    Label2 = label(this, QStringLiteral("Label2"), QStringLiteral("レベルを選んでください"));
    Label3 = label(this, QStringLiteral("Label3"),
                   QStringLiteral("Shiftを押しながら選ぶと複数選択できます(そのうち20問が印刷されます)"));
    List1 = named(new QListWidget(this), QStringLiteral("List1"));
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
        Option1[i] = named(new QRadioButton(modes[i], this), QStringLiteral("Option1_%1").arg(i));
        connect(Option1[i], &QRadioButton::clicked, this, [this] { rebuild(); });
    }
    Option1[1]->setChecked(true);
    Check1 = named(new QCheckBox(QStringLiteral("順序を変える"), this), QStringLiteral("Check1"));
    Command3 = named(new QPushButton(QStringLiteral("再並べ替え"), this), QStringLiteral("Command3"));
    Command1 = named(new QPushButton(QStringLiteral("印刷へ"), this), QStringLiteral("Command1"));
    Command1->setStyleSheet(QStringLiteral(
        "QPushButton { background: #1c6dd0; color: white; border-radius: 8px; font-weight: bold; }"));
    Command2 = named(new QPushButton(QStringLiteral("もどる"), this), QStringLiteral("Command2"));
    countLabel_ = label(this, QStringLiteral("selectedCount"), QString());
    table_ = named(new QTableWidget(kWorksheetRows, 7, this), QStringLiteral("printTable"));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->setVisible(false);
    table_->setWordWrap(true);
    table_->setTextElideMode(Qt::ElideNone);
    table_->setAccessibleName(QStringLiteral("印刷する問題の見本"));
    List1->setAccessibleName(QStringLiteral("印刷するレベル"));
    List1->setAccessibleDescription(Label3->text());
    table_->setHorizontalHeaderLabels({QStringLiteral("番号"), QStringLiteral("意味"), QStringLiteral("1"),
                                       QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"),
                                       QStringLiteral("答え")});

    // Row heights follow the column widths, which the header settles only when it lays itself out.
    connect(table_->horizontalHeader(), &QHeaderView::sectionResized, this, [this] {
        if (rowsPending_) return;
        rowsPending_ = true;
        QTimer::singleShot(0, this, [this] {
            rowsPending_ = false;
            table_->resizeRowsToContents();
        });
    });
    connect(List1, &QListWidget::itemSelectionChanged, this, [this] { rebuild(); });
    connect(Check1, &QCheckBox::clicked, this, [this] { rebuild(); });
    connect(Command3, &QPushButton::clicked, this, [this] { rebuild(); });
    connect(Command1, &QPushButton::clicked, this, [this] { ctx_.flow.previewChosen(); });
    connect(Command2, &QPushButton::clicked, this, [this] { ctx_.flow.printingClosed(); });

    // Tab goes through the choices, then the questions they make, then the way on or back (the
    // table stands beside the choices but is made after them).
    setTabOrder(List1, Option1[1]);
    for (int i = 1; i < 5; ++i) setTabOrder(Option1[i], Option1[i + 1]);
    setTabOrder(Option1[5], Check1);
    setTabOrder(Check1, Command3);
    setTabOrder(Command3, table_);
    setTabOrder(table_, Command1);
    setTabOrder(Command1, Command2);
    for (QPushButton* b : {Command1, Command2, Command3}) b->setAutoDefault(true);

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
    fitColumns();
}

void FormPrint0::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layoutControls();
}

void FormPrint0::layoutControls() {
    // Drawn for 1024 × 768; every size and font grows with the window.
    const double u = screenUnit(size());
    auto px = [u](double v) { return int(std::lround(v * u)); };
    setFont(gothicFont(13 * u));
    Label1->setFont(gothicFont(20 * u, true));
    QFont bold = gothicFont(13 * u, true);
    Command1->setFont(bold);
    for (int i = 0; i < List1->count(); ++i) List1->item(i)->setFont(font());
    // The round and square marks grow with the text beside them.
    const QString marks = QStringLiteral(
                              "QRadioButton::indicator, QCheckBox::indicator { width: %1px; height: %1px; }"
                              "QRadioButton, QCheckBox { spacing: %2px; }")
                              .arg(px(16))
                              .arg(px(8));
    for (int i = 1; i <= 5; ++i) Option1[i]->setStyleSheet(marks);
    Check1->setStyleSheet(marks);
    table_->verticalHeader()->setMinimumSectionSize(px(30));
    const int m = px(16), left = px(300);
    Label1->setGeometry(m, m, left - m, px(40));
    Label2->setGeometry(m, px(64), left - m, px(30));
    List1->setGeometry(m, px(96), px(120), px(250));
    Label3->setGeometry(m + px(130), px(96), left - m - px(130), px(160));
    int y = px(360);
    for (int i = 1; i <= 5; ++i, y += px(34)) Option1[i]->setGeometry(m, y, left - m, px(30));
    Check1->setGeometry(m, y + px(6), left - m, px(30));
    Command3->setGeometry(m, y + px(46), left - 2 * m, px(40));
    Command1->setGeometry(m, height() - px(110), left - 2 * m, px(48));
    Command2->setGeometry(m, height() - px(56), left - 2 * m, px(40));
    countLabel_->setGeometry(left + m, m, width() - left - 2 * m, px(30));
    table_->setGeometry(left + m, px(50), width() - left - 2 * m, height() - px(50) - m);
    table_->setFont(font());
    table_->horizontalHeader()->setFont(font());
    fitColumns();
}

void FormPrint0::fitColumns() {
    // The meaning takes the room that is left and wraps onto a second line where it must; the
    // numbers, the single characters and the answer are never cut.
    const double u = screenUnit(size());
    const bool answers = ctx_.g.PrintCols == 3;
    QHeaderView* header = table_->horizontalHeader();
    header->setSectionResizeMode(1, QHeaderView::Stretch);
    header->setSectionResizeMode(6, QHeaderView::ResizeToContents);
    for (int c : {0, 3, 4, 5}) {
        header->setSectionResizeMode(c, QHeaderView::Fixed);
        table_->setColumnWidth(c, int(std::lround(44 * u)));
    }
    if (answers) {
        header->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    } else {
        header->setSectionResizeMode(2, QHeaderView::Fixed);
        table_->setColumnWidth(2, int(std::lround(44 * u)));
    }
    table_->resizeRowsToContents();
}

}  // namespace pekuru
