// The pages to take home: the progress report's figures against a classroom of known answers, the
// report, the roster's list and the certificate as PDF text and as page images.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "documents/FrmDocument.h"
#include "documents/Report.h"
#include "records/HubFixture.h"
#include "support/Accessibility.h"
#include "support/TextFit.h"

using namespace pekuru;
using namespace pekuru::test;

namespace {

// pdftotext gives an ideographic space as one or more plain ones, and may break a line between
// two texts, as the glyphs' places on the page suggest (the Windows build's font metrics differ a
// little); the expectations are written with either space, and any run of blanks is one.
QString blanksAsOne(QString text) {
    return text.replace(QChar(0x3000), QLatin1Char(' '))
        .replace(QRegularExpression(QStringLiteral("\\s+")), QStringLiteral(" "));
}
bool holds(const QString& text, const char* expected) {
    return blanksAsOne(text).contains(blanksAsOne(QString::fromUtf8(expected)));
}

// Student 2 (さとう　たろう, 小３) on a classroom of target 60 s, 3 attempts and 30 points in 7 days:
//   level 1: 25 s yesterday (14 points), 30 s and 45 s today (11 + 5): cleared, best 25 s on 5/9;
//   level 3: 50 s eleven days ago (5 points): outside the 7 days, not cleared.
// Student 3 has one attempt of 40 s on level 2 today.
std::vector<SeisekiRec> knownAttempts() {
    return {rec(kToday.addDays(-11), 9, 0, 0, 2, 3, 50), rec(kToday.addDays(-1), 16, 0, 0, 2, 1, 25),
            rec(kToday, 9, 10, 0, 2, 1, 30), rec(kToday, 9, 20, 0, 3, 2, 40),
            rec(kToday, 9, 30, 0, 2, 1, 45)};
}

int colouredPixels(const QImage& page, const QRect& area, const std::function<bool(QColor)>& is) {
    int n = 0;
    for (int y = std::max(0, area.top()); y <= std::min(page.height() - 1, area.bottom()); ++y)
        for (int x = std::max(0, area.left()); x <= std::min(page.width() - 1, area.right()); ++x)
            n += is(page.pixelColor(x, y)) ? 1 : 0;
    return n;
}

QImage pageImage(const QString& pdf, const QString& dir, int page = 1) {
    const QString out = QDir(dir).filePath(QStringLiteral("page%1").arg(page));
    const QString result = test::runProgram(
        QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("40"), QStringLiteral("-png"),
                                     QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                                     QString::number(page), QStringLiteral("-singlefile"), pdf, out});
    EXPECT_EQ(result, QString());
    return QImage(out + QStringLiteral(".png"));
}

// With PEKURU_SCREENSHOTS naming a folder, the pages are kept there as pictures (for the README).
void keep(const QString& pdf, const QString& name) {
    const QString folder = qEnvironmentVariable("PEKURU_SCREENSHOTS");
    if (folder.isEmpty()) return;
    QDir().mkpath(folder);
    test::runProgram(QStringLiteral("pdftoppm"),
                     {QStringLiteral("-r"), QStringLiteral("70"), QStringLiteral("-png"),
                      QStringLiteral("-singlefile"), pdf, QDir(folder).filePath(name)});
}

}  // namespace

TEST(Report, TheFiguresAreTheHubsOwn) {
    Hub h(knownAttempts());
    h.results->回数求();
    const StudentReport r =
        studentReport(*h.g, readNewestRecords(sharedResultPath(*h.g), 20000, h.wait), 2, kToday);
    EXPECT_EQ(r.name, QStringLiteral("さとう　たろう"));
    EXPECT_EQ(r.grade, QStringLiteral("小３"));
    EXPECT_EQ(r.classroom, QStringLiteral("ひまわり教室"));
    ASSERT_EQ(r.levels.size(), 3u);
    struct Expected {
        const char* today;
        const char* period;
        const char* all;
        std::optional<Long> best;
        QDate bestDay;
        bool cleared;
    };
    const Expected expected[] = {
        {"2回/16点", "最近7日=3回 / 30点", "3回/30点", 25, kToday.addDays(-1), true},
        {"-----", "最近7日=0回 / 0点", "------", std::nullopt, QDate(), false},
        {"-----", "最近7日=0回 / 0点", "1回/5点", 50, kToday.addDays(-11), false},
    };
    for (int l = 0; l < 3; ++l) {
        SCOPED_TRACE(l + 1);
        const LevelReport& got = r.levels[std::size_t(l)];
        EXPECT_EQ(got.today, QString::fromUtf8(expected[l].today));
        EXPECT_EQ(got.period, QString::fromUtf8(expected[l].period));
        EXPECT_EQ(got.all, QString::fromUtf8(expected[l].all));
        EXPECT_EQ(got.best, expected[l].best);
        EXPECT_EQ(got.bestDay, expected[l].bestDay);
        EXPECT_EQ(got.cleared, expected[l].cleared);
        ASSERT_EQ(got.days.size(), std::size_t(kReportChartDays));
        EXPECT_EQ(got.days.back().day, kToday);
        EXPECT_EQ(got.days.front().day, kToday.addDays(1 - kReportChartDays));
    }
    const LevelReport& one = r.levels[0];
    EXPECT_EQ(one.days.back().attempts, 2);
    EXPECT_EQ(one.days.back().points, 16);
    EXPECT_EQ(one.days.back().bestTime, 30);
    EXPECT_EQ(one.days[std::size_t(kReportChartDays - 2)].bestTime, 25);

    // The whole roster: every student on every level, in roster order.
    const std::vector<RosterReportLine> lines = rosterReport(*h.g);
    ASSERT_EQ(lines.size(), 12u);
    EXPECT_EQ(lines[0].name, QStringLiteral("やまだ先生"));
    EXPECT_EQ(lines[0].grade, QString());  // a grown-up has no school grade
    const RosterReportLine& taro = lines[3];
    EXPECT_EQ(taro.student, 2);
    EXPECT_EQ(taro.attempts, 3);
    EXPECT_EQ(taro.points, 30);
    EXPECT_EQ(taro.best, 25);
    EXPECT_TRUE(taro.cleared);
    const RosterReportLine& hanako = lines[7];
    EXPECT_EQ(hanako.student, 3);
    EXPECT_EQ(hanako.level, 2);
    EXPECT_EQ(hanako.best, 40);
    EXPECT_FALSE(hanako.cleared);
}

TEST(Report, ThePrintedPageHoldsTheFiguresAndTheCharts) {
    Hub h(knownAttempts());
    h.results->回数求();
    FrmDocument screen(*h.ctx, FrmDocument::Kind::Report);
    screen.show();
    const QString pdf = h.dir.filePath(QStringLiteral("report.pdf"));
    screen.printToPdf(pdf);
    keep(pdf, QStringLiteral("report-page"));
    const QString text =
        test::runProgram(QStringLiteral("pdftotext"),
                         {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")});
    for (const char* expected :
         {"ペクル　成績表", "小３　さとう　たろう さん", "ひまわり教室", "2024年5月10日", "レベル1",
          "レベル２", "レベル３", "2回/16点", "3回/30点", "25秒 (2024年5月9日)", "50秒 (2024年4月29日)",
          "まだありません", "クリア", "目標 60秒"})
        EXPECT_TRUE(holds(text, expected)) << expected << "\n" << text.toStdString();
    EXPECT_EQ(text.count(QStringLiteral("クリア")), 1);  // level 1 only
    EXPECT_TRUE(test::runProgram(QStringLiteral("pdfinfo"), {pdf})
                    .contains(QRegularExpression(QStringLiteral("Pages: +1\\n"))));

    // As a picture: an upright page; level 1's chart (its upper third, on the right) has the blue
    // line of times and the orange bars of points; level 2's has neither.
    const QImage page = pageImage(pdf, h.dir.path());
    ASSERT_FALSE(page.isNull());
    EXPECT_LT(page.width(), page.height());
    const auto blue = [](QColor c) { return c.blue() > 150 && c.red() < 90; };
    const auto orange = [](QColor c) {
        return c.red() > 200 && c.green() > 100 && c.green() < 180 && c.blue() < 60;
    };
    const int w = page.width(), hgt = page.height();
    const QRect chart1(w * 45 / 100, hgt * 16 / 100, w * 50 / 100, hgt * 26 / 100);
    const QRect chart2 = chart1.translated(0, chart1.height() + hgt * 2 / 100);
    EXPECT_GT(colouredPixels(page, chart1, blue), 10);
    EXPECT_GT(colouredPixels(page, chart1, orange), 10);
    EXPECT_EQ(colouredPixels(page, chart2, orange), 0);
}

TEST(Report, ATeacherMayPrintTheWholeRoster) {
    Hub h(knownAttempts());
    h.g->SeitoBangou = 1;
    h.g->SeitoNamae = h.g->BangouNamae[1];
    h.results->回数求();
    FrmDocument screen(*h.ctx, FrmDocument::Kind::Report);
    screen.show();
    auto* whole = screen.findChild<QRadioButton*>(QStringLiteral("rosterOption"));
    ASSERT_TRUE(whole && whole->isVisible());  // for a teacher only
    whole->click();
    const QString pdf = h.dir.filePath(QStringLiteral("roster.pdf"));
    screen.printToPdf(pdf);
    keep(pdf, QStringLiteral("roster-page"));
    const QString text =
        test::runProgram(QStringLiteral("pdftotext"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"),
                                                       QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    for (const char* expected : {"成績一覧", "やまだ先生", "さとう　たろう", "すずき　はなこ",
                                 "いとう　さくら", "3回", "25秒", "30点", "40秒", "★"})
        EXPECT_TRUE(holds(text, expected)) << expected << "\n" << text.toStdString();
    EXPECT_EQ(text.count(QStringLiteral("★")), 1);
    EXPECT_EQ(screen.defaultFileName(), QStringLiteral("成績一覧_20240510.pdf"));

    // A pupil sees no such choice.
    Hub pupil(knownAttempts());
    FrmDocument own(*pupil.ctx, FrmDocument::Kind::Report);
    own.show();
    EXPECT_FALSE(own.findChild<QRadioButton*>(QStringLiteral("rosterOption"))->isVisible());
    EXPECT_EQ(own.defaultFileName(), QStringLiteral("成績表_さとう_たろう_20240510.pdf"));
    // A name with characters that a classroom's Windows share refuses still gives a usable file name.
    pupil.g->SeitoNamae = QStringLiteral("さとう:たろう?\t");
    EXPECT_EQ(own.defaultFileName(), QStringLiteral("成績表_さとう_たろう__20240510.pdf"));
}

TEST(Certificate, ThePageLiesOnItsSideWithTheNameLevelDateAndAttempt) {
    Hub h(knownAttempts());
    h.results->回数求();
    FrmDocument screen(*h.ctx, FrmDocument::Kind::Certificate);
    screen.setAttempt(Attempt{2, 2, 30, false});
    screen.show();
    const QString pdf = h.dir.filePath(QStringLiteral("certificate.pdf"));
    screen.printToPdf(pdf);
    keep(pdf, QStringLiteral("certificate-page"));
    // In drawing order: the name's widely set words stay on one line.
    const QString text = test::runProgram(
        QStringLiteral("pdftotext"),
        {QStringLiteral("-enc"), QStringLiteral("UTF-8"), QStringLiteral("-raw"), pdf, QStringLiteral("-")});
    // 30 s against 60 s: 11 points, × 1.
    for (const char* expected : {"賞", "さとう　たろう　さん", "「レベル２」", "2024年5月10日", "タイム 30秒",
                                 "ポイント 11点", "ひまわり教室"})
        EXPECT_TRUE(holds(text, expected)) << expected << "\n" << text.toStdString();
    const QImage page = pageImage(pdf, h.dir.path());
    ASSERT_FALSE(page.isNull());
    EXPECT_GT(page.width(), page.height());  // landscape
    // The gold frame runs round the edge, and the medal stands at the left.
    const auto gold = [](QColor c) { return c.red() > 150 && c.green() > 110 && c.blue() < 90; };
    EXPECT_GT(colouredPixels(page, QRect(0, page.height() / 2 - 5, page.width() / 10, 10), gold), 3);
    EXPECT_GT(
        colouredPixels(page, QRect(page.width() / 10, page.height() / 2, page.width() / 5, page.height() / 3),
                       gold),
        100);
    EXPECT_EQ(screen.defaultFileName(), QStringLiteral("賞状_さとう_たろう_20240510.pdf"));

    // A level cleared on a time-over: no "99999", the personal best instead.
    screen.setAttempt(Attempt{2, 1, kNoTime, true});
    screen.printToPdf(pdf);
    const QString overText = test::runProgram(
        QStringLiteral("pdftotext"),
        {QStringLiteral("-enc"), QStringLiteral("UTF-8"), QStringLiteral("-raw"), pdf, QStringLiteral("-")});
    EXPECT_TRUE(holds(overText, "自己ベスト 25秒")) << overText.toStdString();
    EXPECT_FALSE(overText.contains(QStringLiteral("99999")));
}

TEST(DocumentScreen, FitsEverySizeIsNamedAndGoesBackThroughTheFlow) {
    for (const QSize size : {QSize(1024, 768), QSize(1920, 1080), QSize(3840, 2160)}) {
        Hub h(knownAttempts());
        h.results->回数求();
        FrmDocument screen(*h.ctx, FrmDocument::Kind::Report);
        screen.resize(size);
        screen.show();
        QCoreApplication::processEvents();
        EXPECT_EQ(clippedTexts(&screen), QStringList()) << size.width();
        EXPECT_EQ(controlsWithoutName(&screen), QStringList()) << size.width();
        screen.findChild<QPushButton*>(QStringLiteral("backButton"))->click();
        EXPECT_EQ(h.screens.count(unloaded(Screen::FrmReport)), 1);
    }
}

TEST(Certificate, APrinterThatWillNotStartIsToldApartFromAPrintedPage) {
    CertificateText text;
    text.name = QStringLiteral("さとう　たろう");
    text.levelName = QStringLiteral("レベル２");
    text.date = QDate(2024, 5, 10);
    text.time = 30;
    const PaperDocument certificate = certificateDocument(text);
    QTemporaryDir dir;
    struct Case {
        QString path;
        bool printed;
    } cases[] = {{dir.filePath(QStringLiteral("page.pdf")), true},
                 {dir.filePath(QStringLiteral("no such folder/page.pdf")), false}};
    for (const Case& c : cases) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(c.path);
        setUpForDocument(certificate, printer);
        EXPECT_EQ(printDocument(certificate, printer), c.printed) << c.path.toStdString();
        EXPECT_EQ(QFileInfo(c.path).isFile(), c.printed) << c.path.toStdString();
    }
}
