#include "roster/FrmName2.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "shell/ScreenKit.h"

namespace pekuru {

namespace {

// The screen's own words.
const QString kTitle = QStringLiteral("Form3");
const QString kHeading = QStringLiteral("名前変更");
const QString kNameHeading = QStringLiteral("名前");
const QString kBirthHeading = QStringLiteral("生まれた年");
const QString kNote = QStringLiteral("※生まれた年は早生まれの場合は1年引いてください");
const QString kSave = QStringLiteral("変更");
const QString kBack = QStringLiteral("もどる");

}  // namespace

FrmName2::FrmName2(AppContext& context, QWidget* parent) : QWidget(parent), ctx_(context) {
    setObjectName(QStringLiteral("FrmName2"));
    build();
    fillBoxes();
}

void FrmName2::build() {
    setWindowTitle(kTitle);
    paintBackground(this, kBackdropColour, QColor(0x20, 0x20, 0x20));

    Label4 = makeLabel(this, QStringLiteral("Label4"), kHeading, Qt::AlignCenter);
    Label2 = makeLabel(this, QStringLiteral("Label2"), kNameHeading);
    Label1 = makeLabel(this, QStringLiteral("Label1"), kBirthHeading);
    Label3 = makeLabel(this, QStringLiteral("Label3"), kNote);
    Label3->setWordWrap(true);

    auto* grid = new QGridLayout;
    grid->addWidget(Label2, 0, 0);
    grid->addWidget(Label1, 0, 1);
    for (int i = 1; i <= kRegistrationRows; ++i) {
        Text1[i] = named(new QLineEdit(this), QStringLiteral("Text1_%1").arg(i));
        Text2[i] = named(new QLineEdit(this), QStringLiteral("Text2_%1").arg(i));
        // A screen reader hears which row and which column a box belongs to.
        Text1[i]->setAccessibleName(QStringLiteral("%1人目の%2").arg(i).arg(kNameHeading));
        Text2[i]->setAccessibleName(QStringLiteral("%1人目の%2").arg(i).arg(kBirthHeading));
        Text2[i]->setAccessibleDescription(kNote);
        grid->addWidget(Text1[i], i, 0);
        grid->addWidget(Text2[i], i, 1);
    }
    grid_ = grid;
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(1, 1);

    Command1 = named(new QPushButton(kSave, this), QStringLiteral("Command1"));
    Command2 = named(new QPushButton(kBack, this), QStringLiteral("Command2"));
    // Enter presses the button that has the focus, as Space does.
    for (QPushButton* b : {Command1, Command2}) b->setAutoDefault(true);
    connect(Command1, &QPushButton::clicked, this, &FrmName2::save);
    connect(Command2, &QPushButton::clicked, this, &FrmName2::back);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command1);
    buttons->addSpacing(40);
    buttons->addWidget(Command2);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addStretch(1);
    layout->addWidget(Label4);
    layout->addSpacing(24);
    auto* centre = new QHBoxLayout;
    centre->addStretch(1);
    auto* form = new QVBoxLayout;
    form->addLayout(grid);
    form->addSpacing(12);
    form->addWidget(Label3);
    centre->addLayout(form, 8);
    centre->addStretch(1);
    layout->addLayout(centre);
    layout->addSpacing(32);
    layout->addLayout(buttons);
    layout->addStretch(2);
    resize(1024, 768);
    applyFonts();
}

void FrmName2::applyFonts() {
    const double u = screenUnit(size());
    grid_->setVerticalSpacing(int(14 * u));
    grid_->setHorizontalSpacing(int(16 * u));
    layout()->setContentsMargins(int(12 * u), int(12 * u), int(12 * u), int(12 * u));
    Label4->setFont(gothicFont(36 * u, true));
    for (QLabel* l : {Label2, Label1}) l->setFont(gothicFont(18 * u, true));
    Label3->setFont(gothicFont(16 * u));
    for (int i = 1; i <= kRegistrationRows; ++i) {
        for (QLineEdit* e : {Text1[i], Text2[i]}) {
            e->setFont(gothicFont(22 * u));
            e->setMinimumHeight(int(52 * u));
        }
    }
    for (QPushButton* b : {Command1, Command2}) {
        b->setFont(gothicFont(20 * u, true));
        b->setMinimumSize(int(150 * u), int(60 * u));
    }
}

void FrmName2::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    applyFonts();
}

void FrmName2::fillBoxes() {
    const RegistrationInputs boxes = registrationBoxes(readRosterForEditing(ctx_.g));
    for (int i = 1; i <= kRegistrationRows; ++i) {
        Text1[i]->setText(boxes[std::size_t(i - 1)].name);
        Text2[i]->setText(boxes[std::size_t(i - 1)].birthYear);
    }
}

void FrmName2::save() {
    RegistrationInputs boxes;
    for (int i = 1; i <= kRegistrationRows; ++i)
        boxes[std::size_t(i - 1)] = {Text1[i]->text(), Text2[i]->text()};
    if (const auto refusal = saveRegistration(ctx_.g, boxes)) {
        ctx_.messages.showMessage(MessageService::Icon::Warning, QStringLiteral("注意"), *refusal);
        return;
    }
    // Show what the file now holds: trimmed and cut names, birth years as numbers.
    fillBoxes();
}

void FrmName2::back() {
    leaving_ = true;
    ctx_.flow.rosterEditEnded();
}

void FrmName2::closeEvent(QCloseEvent* event) {
    // Closing the window is taken as "もどる": the program never stays without a screen.
    event->accept();
    if (!leaving_) back();
}

}  // namespace pekuru
