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

FrmDocument::FrmDocument(AppContext& context, Kind kind, QWidget* parent)
    : QWidget(parent), ctx_(context), kind_(kind) {
    const bool report = kind == Kind::Report;
    setObjectName(report ? QStringLiteral("FrmReport") : QStringLiteral("FrmCertificate"));
    setWindowTitle(ctx_.g.ProgTitle + (report ? QStringLiteral(" - 成績表") : QStringLiteral(" - 賞状")));
    paintBackground(this, kBackdropColour, Qt::black);

    titleLabel = makeLabel(this, QStringLiteral("titleLabel"),
                           report ? QStringLiteral("成績表") : QStringLiteral("賞状"));
    paperView = named(new PaperPreview(this), QStringLiteral("paperView"));
    studentOption =
        named(new QRadioButton(QStringLiteral("この人の成績表"), this), QStringLiteral("studentOption"));
    rosterOption = named(new QRadioButton(QStringLiteral("名簿のみんなの成績一覧"), this),
                         QStringLiteral("rosterOption"));
    studentOption->setChecked(true);
    previousPageButton = makeButton(this, QStringLiteral("previousPageButton"), QStringLiteral("前のページ"));
    pageLabel = makeLabel(this, QStringLiteral("pageLabel"), QString(), Qt::AlignCenter);
    nextPageButton = makeButton(this, QStringLiteral("nextPageButton"), QStringLiteral("次のページ"));
    printButton = makeButton(this, QStringLiteral("printButton"), QStringLiteral("印刷"));
    savePdfButton = makeButton(this, QStringLiteral("savePdfButton"), QStringLiteral("PDFに保存…"));
    backButton = makeButton(this, QStringLiteral("backButton"), QStringLiteral("戻る"));
    messageLabel = makeLabel(this, QStringLiteral("messageLabel"));
    messageLabel->setWordWrap(true);
    messageLabel->setAccessibleName(QStringLiteral("お知らせ"));

    auto* grid = new QGridLayout(this);
    auto* top = new QHBoxLayout;
    top->addWidget(titleLabel, 1);
    top->addWidget(studentOption);
    top->addWidget(rosterOption);
    grid->addLayout(top, 0, 0);
    grid->addWidget(paperView, 1, 0);
    auto* pages = new QHBoxLayout;
    pages->addStretch(1);
    pages->addWidget(previousPageButton);
    pages->addWidget(pageLabel);
    pages->addWidget(nextPageButton);
    pages->addStretch(1);
    grid->addLayout(pages, 2, 0);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(messageLabel, 1);
    bottom->addWidget(printButton);
    bottom->addWidget(savePdfButton);
    bottom->addWidget(backButton);
    grid->addLayout(bottom, 3, 0);
    grid->setRowStretch(1, 1);

    setTabOrder(studentOption, rosterOption);
    setTabOrder(rosterOption, previousPageButton);
    setTabOrder(previousPageButton, nextPageButton);
    setTabOrder(nextPageButton, printButton);
    setTabOrder(printButton, savePdfButton);
    setTabOrder(savePdfButton, backButton);

    connect(rosterOption, &QRadioButton::toggled, this, [this](bool whole) { setWholeRoster(whole); });
    connect(previousPageButton, &QPushButton::clicked, this, [this] { showPage(paperView->page() - 1); });
    connect(nextPageButton, &QPushButton::clicked, this, [this] { showPage(paperView->page() + 1); });
    connect(printButton, &QPushButton::clicked, this, &FrmDocument::print);
    connect(savePdfButton, &QPushButton::clicked, this, &FrmDocument::saveAsPdf);
    connect(backButton, &QPushButton::clicked, this, [this] {
        if (kind_ == Kind::Report)
            ctx_.flow.reportClosed();
        else
            ctx_.flow.certificateClosed();
    });
    // The roster's list is for a teacher only.
    const bool teacher = report && isTeacherName(ctx_.g.SeitoNamae);
    studentOption->setVisible(teacher);
    rosterOption->setVisible(teacher);
    resize(1024, 768);
    layoutControls();
}

void FrmDocument::setAttempt(const Attempt& attempt) {
    attempt_ = attempt;
    refresh();
}

const PaperDocument& FrmDocument::document() const { return paperView->document(); }

void FrmDocument::setWholeRoster(bool whole) {
    if (rosterOption->isChecked() != whole)
        rosterOption->setChecked(whole);  // toggles back here
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
        paperView->setDocument(certificateDocument(t));
    } else if (rosterOption->isChecked()) {
        std::vector<QString> names;
        for (int l = 1; l <= g.LevelCount && l <= kMaxLevelIndex; ++l) names.push_back(g.LevelName[l]);
        paperView->setDocument(rosterDocument(rosterReport(g), names, g.KyoutuuName, today, g.ProgTitle));
    } else {
        const std::vector<SeisekiRec> records =
            readNewestRecords(sharedResultPath(g), kViewRecordsRead, ctx_.waiter);
        paperView->setDocument(reportDocument(studentReport(g, records, g.SeitoBangou, today), g.ProgTitle));
    }
    showPage(0);
}

void FrmDocument::showPage(int page) {
    paperView->setPage(page);
    const int pages = paperView->document().pages;
    const bool several = pages > 1;
    previousPageButton->setVisible(several);
    nextPageButton->setVisible(several);
    pageLabel->setVisible(several);
    previousPageButton->setEnabled(paperView->page() > 0);
    nextPageButton->setEnabled(paperView->page() + 1 < pages);
    pageLabel->setText(QStringLiteral("%1 / %2 ページ").arg(paperView->page() + 1).arg(pages));
}

QString FrmDocument::defaultFileName() const {
    const QString date = ctx_.clock.today().toString(QStringLiteral("yyyyMMdd"));
    QString who = ctx_.g.SeitoNamae.trimmed();
    static const QRegularExpression blanks(QStringLiteral("\\s+"),
                                           QRegularExpression::UseUnicodePropertiesOption);
    who.replace(blanks, QStringLiteral("_"));
    who = usableFileName(who, QString());
    if (kind_ == Kind::Certificate) return QStringLiteral("賞状_%1_%2.pdf").arg(who, date);
    if (rosterOption->isChecked()) return QStringLiteral("成績一覧_%1.pdf").arg(date);
    return QStringLiteral("成績表_%1_%2.pdf").arg(who, date);
}

void FrmDocument::print() {
    const PaperDocument document = paperView->document();
    bool started = false;
    QString printerName;
    const bool chosen = printThroughDefaultOrDialog(
        this, [&](QPrinter& p) { setUpForDocument(document, p); },
        [&](QPrinter& p) {
            printerName = p.printerName();
            started = printDocument(document, p);
        });
    // A printer that would not start has printed nothing: say so rather than "印刷しました".
    if (!chosen)
        messageLabel->setText(QString());
    else if (started)
        messageLabel->setText(QStringLiteral("印刷しました。"));
    else
        messageLabel->setText(
            QStringLiteral(
                "プリンター『%1』で印刷できませんでした。プリンターの電源と用紙を確かめてください。")
                .arg(printerName));
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
        messageLabel->setText(
            QStringLiteral("『%1』には保存できません。%2").arg(QFileInfo(path).fileName(), problem));
        return;
    }
    printToPdf(path);
    messageLabel->setText(QFileInfo(path).exists()
                              ? QStringLiteral("『%1』に保存しました。").arg(path)
                              : QStringLiteral("『%1』に保存できませんでした。").arg(path));
}

void FrmDocument::printToPdf(const QString& path) {
    const PaperDocument document = paperView->document();
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
        printButton->setFocus();
    }
    if (type == QEvent::Hide) activated_ = false;
    return handled;
}

void FrmDocument::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        backButton->click();
        return;
    }
    if (event->key() == Qt::Key_PageDown && nextPageButton->isEnabled()) {
        showPage(paperView->page() + 1);
        return;
    }
    if (event->key() == Qt::Key_PageUp && previousPageButton->isEnabled()) {
        showPage(paperView->page() - 1);
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
    setGothic(titleLabel, 22 * u, true);
    for (QPushButton* b : {printButton, savePdfButton, backButton, previousPageButton, nextPageButton}) {
        b->setMinimumHeight(int(40 * u));
        b->setMinimumWidth(int(150 * u));
    }
    setGothic(printButton, 16 * u, true);
    if (auto* grid = qobject_cast<QGridLayout*>(layout())) {
        const int m = int(14 * u);
        grid->setContentsMargins(m, m, m, m);
        grid->setSpacing(int(8 * u));
    }
}

}  // namespace pekuru
