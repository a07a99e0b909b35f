#include "documents/FrmDocument.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTimer>

#include "platform/FileNames.h"
#include "records/FinishLogic.h"
#include "records/HubViews.h"
#include "records/Ranking.h"
#include "records/Results.h"
#include "shell/Grades.h"
#include "shell/ScreenKit.h"

namespace pekuru {

namespace {}  // namespace

FrmDocument::FrmDocument(AppContext& context, Kind kind, QWidget* parent)
    : QWidget(parent), ctx_(context), kind_(kind) {
    const bool report = kind == Kind::Report;
    setObjectName(report ? QStringLiteral("FrmReport") : QStringLiteral("FrmCertificate"));
    setWindowTitle(ctx_.g.ProgTitle + (report ? QStringLiteral(" - 成績表") : QStringLiteral(" - 賞状")));
    paintBackground(this, kBackdropColour, Qt::black);

    Label1 =
        makeLabel(this, QStringLiteral("Label1"), report ? QStringLiteral("成績表") : QStringLiteral("賞状"));
    Picture1 = named(new PaperPreview(this), QStringLiteral("Picture1"));
    Option1 = named(new QRadioButton(QStringLiteral("この人の成績表"), this), QStringLiteral("Option1"));
    Option2 =
        named(new QRadioButton(QStringLiteral("名簿のみんなの成績一覧"), this), QStringLiteral("Option2"));
    Option1->setChecked(true);
    Command4 = makeButton(this, QStringLiteral("Command4"), QStringLiteral("前のページ"));
    Label2 = makeLabel(this, QStringLiteral("Label2"), QString(), Qt::AlignCenter);
    Command5 = makeButton(this, QStringLiteral("Command5"), QStringLiteral("次のページ"));
    Command1 = makeButton(this, QStringLiteral("Command1"), QStringLiteral("印刷"));
    Command2 = makeButton(this, QStringLiteral("Command2"), QStringLiteral("PDFに保存…"));
    Command3 = makeButton(this, QStringLiteral("Command3"), QStringLiteral("戻る"));
    Label3 = makeLabel(this, QStringLiteral("Label3"));
    Label3->setWordWrap(true);
    Label3->setAccessibleName(QStringLiteral("お知らせ"));

    auto* grid = new QGridLayout(this);
    auto* top = new QHBoxLayout;
    top->addWidget(Label1, 1);
    top->addWidget(Option1);
    top->addWidget(Option2);
    grid->addLayout(top, 0, 0);
    grid->addWidget(Picture1, 1, 0);
    auto* pages = new QHBoxLayout;
    pages->addStretch(1);
    pages->addWidget(Command4);
    pages->addWidget(Label2);
    pages->addWidget(Command5);
    pages->addStretch(1);
    grid->addLayout(pages, 2, 0);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(Label3, 1);
    bottom->addWidget(Command1);
    bottom->addWidget(Command2);
    bottom->addWidget(Command3);
    grid->addLayout(bottom, 3, 0);
    grid->setRowStretch(1, 1);

    setTabOrder(Option1, Option2);
    setTabOrder(Option2, Command4);
    setTabOrder(Command4, Command5);
    setTabOrder(Command5, Command1);
    setTabOrder(Command1, Command2);
    setTabOrder(Command2, Command3);

    connect(Option2, &QRadioButton::toggled, this, [this](bool whole) { setWholeRoster(whole); });
    connect(Command4, &QPushButton::clicked, this, [this] { showPage(Picture1->page() - 1); });
    connect(Command5, &QPushButton::clicked, this, [this] { showPage(Picture1->page() + 1); });
    connect(Command1, &QPushButton::clicked, this, &FrmDocument::print);
    connect(Command2, &QPushButton::clicked, this, &FrmDocument::saveAsPdf);
    connect(Command3, &QPushButton::clicked, this, [this] {
        if (kind_ == Kind::Report)
            ctx_.flow.reportClosed();
        else
            ctx_.flow.certificateClosed();
    });
    // The roster's list is for a teacher only.
    const bool teacher = report && isTeacherName(ctx_.g.SeitoNamae);
    Option1->setVisible(teacher);
    Option2->setVisible(teacher);
    resize(1024, 768);
    layoutControls();
}

void FrmDocument::setAttempt(const Attempt& attempt) {
    attempt_ = attempt;
    refresh();
}

const PaperDocument& FrmDocument::document() const { return Picture1->document(); }

void FrmDocument::setWholeRoster(bool whole) {
    if (Option2->isChecked() != whole)
        Option2->setChecked(whole);  // toggles back here
    else
        refresh();
}

void FrmDocument::refresh() {
    const hensuu1& g = ctx_.g;
    const QDate today = ctx_.clock.today();
    if (kind_ == Kind::Certificate) {
        CertificateText t;
        t.name = g.SeitoNamae.trimmed();
        const int level = attempt_.LevelNo;
        t.levelName = level >= 0 && level <= kMaxLevelIndex ? g.LevelName[level] : QString();
        t.date = today;
        // A time-over has no time to show: the certificate gives the personal best instead.
        if (!attempt_.JikanGire && attempt_.KirokuTime < kNoTime) t.time = attempt_.KirokuTime;
        if (level >= 0 && level <= kMaxLevelIndex) {
            t.points = displayPoints(attempt_.KirokuTime, g.GoukakuTime[level], g.LevelPoint[level]).weighted;
            const Long best = g.JikoBest(attempt_.SeitoBangou, level);
            if (best >= 0 && best < kNoTime) t.best = best;
        }
        t.classroom = g.KyoutuuName;
        t.programTitle = g.ProgTitle;
        Picture1->setDocument(certificateDocument(t));
    } else if (Option2->isChecked()) {
        std::vector<QString> names;
        for (int l = 1; l <= g.LevelCount && l <= kMaxLevelIndex; ++l) names.push_back(g.LevelName[l]);
        Picture1->setDocument(rosterDocument(rosterReport(g), names, g.KyoutuuName, today, g.ProgTitle));
    } else {
        const std::vector<SeisekiRec> records =
            readNewestRecords(sharedResultPath(g), kViewRecordsRead, ctx_.waiter);
        Picture1->setDocument(reportDocument(studentReport(g, records, g.SeitoBangou, today), g.ProgTitle));
    }
    showPage(0);
}

void FrmDocument::showPage(int page) {
    Picture1->setPage(page);
    const int pages = Picture1->document().pages;
    const bool several = pages > 1;
    Command4->setVisible(several);
    Command5->setVisible(several);
    Label2->setVisible(several);
    Command4->setEnabled(Picture1->page() > 0);
    Command5->setEnabled(Picture1->page() + 1 < pages);
    Label2->setText(QStringLiteral("%1 / %2 ページ").arg(Picture1->page() + 1).arg(pages));
}

QString FrmDocument::defaultFileName() const {
    const QString date = ctx_.clock.today().toString(QStringLiteral("yyyyMMdd"));
    QString who = ctx_.g.SeitoNamae.trimmed();
    static const QRegularExpression blanks(QStringLiteral("\\s+"),
                                           QRegularExpression::UseUnicodePropertiesOption);
    who.replace(blanks, QStringLiteral("_"));
    who = usableFileName(who, QString());
    if (kind_ == Kind::Certificate) return QStringLiteral("賞状_%1_%2.pdf").arg(who, date);
    if (Option2->isChecked()) return QStringLiteral("成績一覧_%1.pdf").arg(date);
    return QStringLiteral("成績表_%1_%2.pdf").arg(who, date);
}

void FrmDocument::print() {
    const PaperDocument document = Picture1->document();
    const bool printed = printThroughDefaultOrDialog(
        this, [&](QPrinter& p) { setUpForDocument(document, p); },
        [&](QPrinter& p) { printDocument(document, p); });
    Label3->setText(printed ? QStringLiteral("印刷しました。") : QString());
}

void FrmDocument::saveAsPdf() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString path =
        QFileDialog::getSaveFileName(this, QStringLiteral("PDFに保存"),
                                     QDir(folder).filePath(defaultFileName()), QStringLiteral("PDF (*.pdf)"));
    if (path.isEmpty()) return;
    // The dialog takes any name; a classroom share that Windows computers use takes fewer.
    const QString problem = fileNameProblem(QFileInfo(path).fileName());
    if (!problem.isEmpty()) {
        Label3->setText(
            QStringLiteral("『%1』には保存できません。%2").arg(QFileInfo(path).fileName(), problem));
        return;
    }
    printToPdf(path);
    Label3->setText(QFileInfo(path).exists() ? QStringLiteral("『%1』に保存しました。").arg(path)
                                             : QStringLiteral("『%1』に保存できませんでした。").arg(path));
}

void FrmDocument::printToPdf(const QString& path) {
    const PaperDocument document = Picture1->document();
    printToPdfFile(
        path, [&](QPrinter& p) { setUpForDocument(document, p); },
        [&](QPrinter& p) { printDocument(document, p); });
}

bool FrmDocument::event(QEvent* event) {
    const QEvent::Type type = event->type();
    const bool handled = QWidget::event(event);
    // The figures may have changed while the screen was away (the hub reloaded them).
    if ((type == QEvent::Show || type == shownAgainEvent()) && !activated_) {
        activated_ = true;
        refresh();
        Command1->setFocus();
    }
    if (type == QEvent::Hide) activated_ = false;
    return handled;
}

void FrmDocument::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        Command3->click();
        return;
    }
    if (event->key() == Qt::Key_PageDown && Command5->isEnabled()) {
        showPage(Picture1->page() + 1);
        return;
    }
    if (event->key() == Qt::Key_PageUp && Command4->isEnabled()) {
        showPage(Picture1->page() - 1);
        return;
    }
    QWidget::keyPressEvent(event);
}

void FrmDocument::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layoutControls();
}

void FrmDocument::layoutControls() {
    const double u = screenUnit(size());
    for (QWidget* w : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) setGothic(w, 14 * u);
    setGothic(Label1, 22 * u, true);
    for (QPushButton* b : {Command1, Command2, Command3, Command4, Command5}) {
        b->setMinimumHeight(int(40 * u));
        b->setMinimumWidth(int(150 * u));
    }
    setGothic(Command1, 16 * u, true);
    if (auto* grid = qobject_cast<QGridLayout*>(layout())) {
        const int m = int(14 * u);
        grid->setContentsMargins(m, m, m, m);
        grid->setSpacing(int(8 * u));
    }
}

}  // namespace pekuru
