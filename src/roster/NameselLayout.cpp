#include "roster/namesel.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPainter>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QStyleOptionComplex>
#include <QVBoxLayout>
#include <algorithm>

#include "shell/ScreenKit.h"

// The name selection screen's controls, their layout and their sizes at the screen's scale; what
// they do is in namesel.cpp.

namespace pekuru {

namespace {

// The screen's own words.
const QString kModeCaptions[4] = {
    QStringLiteral("回数(今日／今まで）"), QStringLiteral("ポイント（今日／今まで）"),
    QStringLiteral("本日（ポイント／回数）"), QStringLiteral("今まで（ポイント／回数）")};
const QString kFilterTip = QStringLiteral("表示する学年を選びなさい");
const QString kAllGrades = QStringLiteral("全学年");
const QString kOk = QStringLiteral("O.K.");
const QString kPrint = QStringLiteral("印刷");
const QString kEnd = QStringLiteral("終了");
const QString kMenuFile = QStringLiteral("file");
const QString kMenuNameChange = QStringLiteral("名前の変更");
const QString kMenuHelp = QStringLiteral("ヘルプ");
const QString kMenuContents = QStringLiteral("目次");
const QString kMenuVersion = QStringLiteral("バージョン情報");

// A monospaced font in which an ideographic space is as wide as a kanji and a blank or a digit
// half as wide, so that the padded lines of the name list align.
QFont listFont(double points) {
    QFont mono(kMonoGothicFace);
    mono.setStyleHint(QFont::Monospace);
    // The font's own widths: hinted to whole pixels (as Windows draws text), a blank and a kanji
    // would no longer be exactly one to two, and the columns would drift a pixel apart.
    mono.setHintingPreference(QFont::PreferNoHinting);
    mono.setPointSizeF(points);
    return mono;
}

// The drill's picture: a three by three puzzle with two tiles still to swap.
QPixmap drillIcon(int size) {
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const int order[9] = {0, 1, 2, 3, 7, 5, 6, 4, 8};
    const double cell = size / 3.0;
    for (int k = 0; k < 9; ++k) {
        const int piece = order[k];
        const QRectF r((k % 3) * cell + 1.5, (k / 3) * cell + 1.5, cell - 3, cell - 3);
        p.setPen(QPen(QColor(255, 255, 255), 1.5));
        p.setBrush(QColor::fromHsv((piece * 40) % 360, 150, 245));
        p.drawRoundedRect(r, cell * 0.15, cell * 0.15);
        p.setPen(QColor(60, 60, 60));
        QFont f = p.font();
        f.setPixelSize(int(cell * 0.5));
        f.setBold(true);
        p.setFont(f);
        p.drawText(r, Qt::AlignCenter, QString::number(piece + 1));
    }
    return pm;
}

}  // namespace

// The filter box's drop-down button grows with the window, so that a small hand on a big screen
// still finds it: a wider button with a larger arrow drawn over the style's own small one.
class ScaledComboStyle : public QProxyStyle {
  public:
    void setUnit(double u) { unit_ = u; }

    QRect subControlRect(ComplexControl cc, const QStyleOptionComplex* opt, SubControl sc,
                         const QWidget* w) const override {
        QRect r = QProxyStyle::subControlRect(cc, opt, sc, w);
        if (cc != CC_ComboBox) return r;
        const int button = int(34 * unit_);
        const QRect frame = opt->rect;
        if (sc == SC_ComboBoxArrow) return QRect(frame.right() - button, frame.top(), button, frame.height());
        if (sc == SC_ComboBoxEditField) r.setRight(std::min(r.right(), frame.right() - button - 2));
        return r;
    }

    void drawComplexControl(ComplexControl cc, const QStyleOptionComplex* opt, QPainter* p,
                            const QWidget* w) const override {
        QProxyStyle::drawComplexControl(cc, opt, p, w);
        if (cc != CC_ComboBox) return;
        const QRectF arrow = subControlRect(cc, opt, SC_ComboBoxArrow, w);
        const double half = 9 * unit_, high = 10 * unit_;
        const QPointF c = arrow.center();
        const QPointF points[3] = {
            {c.x() - half, c.y() - high / 2}, {c.x() + half, c.y() - high / 2}, {c.x(), c.y() + high / 2}};
        p->save();
        p->setRenderHint(QPainter::Antialiasing);
        p->setPen(Qt::NoPen);
        p->setBrush(opt->palette.color(QPalette::ButtonText));
        p->drawPolygon(points, 3);
        p->restore();
    }

  private:
    double unit_ = 1;
};

void namesel::build() {
    setWindowTitle(ctx_.g.ProgTitle);
    setWindowIcon(QIcon(drillIcon(64)));
    auto* layout = new QVBoxLayout(this);
    buildMenu();
    layout->setMenuBar(menuBar_);

    // Title: icon and program name; a click on the name opens the about box.
    auto* header = new QHBoxLayout;
    Image1 = named(new QLabel(this), QStringLiteral("Image1"));
    Label4 = named(new QLabel(this), QStringLiteral("Label4"));
    Label4->setCursor(Qt::PointingHandCursor);
    Image1->setAccessibleName(QStringLiteral("ペクルのマーク"));
    Label4->installEventFilter(this);
    header->addStretch();
    header->addWidget(Image1);
    header->addSpacing(16);
    header->addWidget(Label4);
    header->addStretch();
    layout->addLayout(header);

    // Left: the grade filter and the display modes; right: the names.
    auto* body = new QHBoxLayout;
    body->addLayout(buildSidePanel());
    body->addSpacing(16);

    List1 = named(new QListWidget(this), QStringLiteral("List1"));
    List1->setSelectionMode(QAbstractItemView::SingleSelection);
    List1->setAccessibleName(QStringLiteral("名前の一覧"));
    List1->setAccessibleDescription(QStringLiteral("自分の名前を選んで、O.K.を押しなさい"));
    // Whole lines or nothing: a line cut at the right edge would hide the points.
    List1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    List1->installEventFilter(this);
    List1->viewport()->installEventFilter(this);
    connect(List1, &QListWidget::currentRowChanged, this, &namesel::clickEntry);
    connect(List1, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { clickEntry(List1->row(item)); });
    connect(List1, &QListWidget::itemDoubleClicked, this, &namesel::doubleClickEntry);
    body->addWidget(List1, 1);
    layout->addLayout(body, 1);

    // Bottom: the chosen name and the commands.
    layout->addLayout(buildFooter());

    // The wait panel covers the screen while the next one loads.
    Picture5 = named(new QLabel(kWaitWords, this), QStringLiteral("Picture5"));
    Picture5->setAlignment(Qt::AlignCenter);

    // Typed anywhere on the screen except into the filter box, whose edit takes digits as text.
    for (const auto key : {Qt::Key_1, Qt::Key_0}) {
        const int digit = key == Qt::Key_1 ? 1 : 0;
        for (const QKeySequence& seq : {QKeySequence(key), QKeySequence(Qt::KeypadModifier | key)}) {
            auto* s = new QShortcut(seq, this);
            connect(s, &QShortcut::activated, this, [this, digit] { digitKey(digit); });
        }
    }
    applyFonts();
}

// The grade filter and, below it, the display modes.
QVBoxLayout* namesel::buildSidePanel() {
    auto* side = new QVBoxLayout;
    Combo1 = named(new QComboBox(this), QStringLiteral("Combo1"));
    Combo1->setEditable(true);
    comboStyle_ = new ScaledComboStyle;
    comboStyle_->setParent(Combo1);
    Combo1->setStyle(comboStyle_);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    Combo1->setToolTip(kFilterTip);
    Combo1->setEditText(kAllGrades);
    Combo1->setMaxVisibleItems(12);
    Combo1->setAccessibleName(QStringLiteral("表示する学年"));
    Combo1->setAccessibleDescription(kFilterTip);
    connect(Combo1, &QComboBox::activated, this, &namesel::chooseFilter);
    connect(Combo1->lineEdit(), &QLineEdit::editingFinished, this, &namesel::typedFilter);
    side->addWidget(Combo1);
    side->addSpacing(12);
    for (int i = 0; i < 4; ++i) {
        Option1[i] = new QRadioButton(kModeCaptions[i], this);
        Option1[i]->setObjectName(QStringLiteral("Option1_%1").arg(i));
        connect(Option1[i], &QRadioButton::clicked, this, [this, i] { chooseMode(i); });
        // Tab comes into the views at the one shown, not at the first of them (Qt's own rule is
        // the last one that had the focus); the arrow keys move among them.
        connect(Option1[i], &QRadioButton::toggled, this, [this](bool on) {
            if (!on) return;
            for (QRadioButton* b : Option1)
                b->setFocusPolicy(b->isChecked() ? Qt::StrongFocus
                                                 : Qt::FocusPolicy(Qt::StrongFocus & ~Qt::TabFocus));
        });
        side->addWidget(Option1[i]);
    }
    side->addStretch();
    return side;
}

// The chosen name and the commands.
QHBoxLayout* namesel::buildFooter() {
    auto* footer = new QHBoxLayout;
    Label1 = named(new QLabel(this), QStringLiteral("Label1"));
    Label1->setMinimumWidth(240);
    Label2 = named(new QLabel(this), QStringLiteral("Label2"));
    Label2->hide();
    Label1->setAccessibleDescription(QStringLiteral("選んだ名前"));
    Command14 = named(new QPushButton(kOk, this), QStringLiteral("Command14"));
    Command1 = named(new QPushButton(kPrint, this), QStringLiteral("Command1"));
    Command7 = named(new QPushButton(kEnd, this), QStringLiteral("Command7"));
    // Enter presses the button that has the focus, as Space does, for those who use the keys only.
    for (QPushButton* b : {Command14, Command1, Command7}) b->setAutoDefault(true);
    connect(Command14, &QPushButton::clicked, this, &namesel::confirm);
    connect(Command1, &QPushButton::clicked, this, &namesel::openPrinting);
    connect(Command7, &QPushButton::clicked, this, &namesel::leave);
    footer->addWidget(Label1, 1);
    footer->addWidget(Command14);
    footer->addSpacing(24);
    footer->addWidget(Command1);
    footer->addWidget(Command7);
    return footer;
}

void namesel::buildMenu() {
    menuBar_ = named(new QMenuBar(this), QStringLiteral("menuBar"));
    QMenu* file = menuBar_->addMenu(kMenuFile);
    mnuNameChange = file->addAction(kMenuNameChange, this, &namesel::openRegistration);
    mnuNameChange->setObjectName(QStringLiteral("mnuNameChange"));
    mnuPhotos =
        file->addAction(QStringLiteral("写真をパズルにする…"), this, [this] { ctx_.flow.photosChosen(); });
    mnuPhotos->setObjectName(QStringLiteral("mnuPhotos"));
    mnuEnd = file->addAction(kEnd, this, &namesel::leave);
    mnuEnd->setObjectName(QStringLiteral("mnuEnd"));
    QMenu* help = menuBar_->addMenu(kMenuHelp);
    mnuContents = help->addAction(kMenuContents, this, &namesel::openHelp);
    mnuContents->setObjectName(QStringLiteral("mnuContents"));
    mnuVersion = help->addAction(kMenuVersion, this, [this] { showAbout(false); });
    mnuVersion->setObjectName(QStringLiteral("mnuVersion"));
}

void namesel::applyFonts() {
    const double u = screenUnit(size());
    auto px = [u](double v) { return int(v * u); };
    // Margins and gaps grow with the fonts, so that a big screen does not crowd its edges.
    layout()->setContentsMargins(px(12), px(8), px(12), px(12));
    for (QLayout* l : layout()->findChildren<QLayout*>()) l->setSpacing(px(8));
    menuBar_->setFont(gothicFont(14 * u));
    for (QAction* a : menuBar_->actions())
        if (a->menu()) a->menu()->setFont(gothicFont(14 * u));
    Label4->setFont(gothicFont(48 * u, true));
    Image1->setPixmap(drillIcon(px(80)));
    Combo1->setFont(gothicFont(20 * u));
    Combo1->setMinimumHeight(px(50));
    Combo1->setMinimumWidth(px(230));
    comboStyle_->setUnit(u);
    Combo1->updateGeometry();
    Combo1->update();
    Combo1->view()->setFont(gothicFont(20 * u));
    // Large round marks that show clearly which view is on.
    const QString radio = QStringLiteral(
                              "QRadioButton { color: white; spacing: %1px; }"
                              "QRadioButton::indicator { width: %2px; height: %2px; border-radius: %3px;"
                              " border: %4px solid white; background: #2f6f6f; }"
                              "QRadioButton::indicator:checked { background: #ffd84a; }"
                              "QRadioButton:focus { background: rgba(255, 255, 255, 40); }")
                              .arg(px(10))
                              .arg(px(20))
                              .arg(px(20) / 2)
                              .arg(std::max(2, px(3)));
    for (QRadioButton* r : Option1) {
        r->setFont(gothicFont(16 * u, r->isChecked()));
        r->setStyleSheet(radio);
        r->setMinimumHeight(px(44));
    }
    List1->setSpacing(px(3));
    fitListFont();
    Label1->setFont(gothicFont(24 * u, true));
    Label1->setMinimumHeight(px(56));
    Label1->setMinimumWidth(px(240));
    for (QPushButton* b : {Command14, Command1, Command7}) {
        b->setFont(gothicFont(20 * u, true));
        b->setMinimumSize(px(130), px(60));
    }
    Picture5->setFont(gothicFont(36 * u, true));
}

void namesel::fitListFont() {
    // 24 points on the 1024 × 768 design, smaller only when the longest line would not fit whole
    // (a name of twenty characters): the lines stay aligned and the points stay in view.
    const double u = screenUnit(size());
    double points = 24 * u;
    const int room = List1->viewport()->width() - 2 * List1->spacing() - 8;
    int widest = 0;
    const QFontMetrics fm(listFont(points));
    for (int i = 0; i < List1->count(); ++i)
        widest = std::max(widest, fm.horizontalAdvance(List1->item(i)->text()));
    if (widest > room && room > 0) points = std::max(8.0, points * room / widest);
    const QFont font = listFont(points);
    List1->setFont(font);
    // Each line carries the font, so that what measures a line measures what is drawn.
    for (int i = 0; i < List1->count(); ++i) List1->item(i)->setFont(font);
}

void namesel::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    applyFonts();
    Picture5->setGeometry(rect());
}

}  // namespace pekuru
