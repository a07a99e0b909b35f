// A real print into a PDF file: the text is there and the rules stand where they belong.
#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <memory>

#include "platform/Waiter.h"
#include "printing/Worksheet.h"
#include "printing/frmPrint.h"
#include "shell/ScreenManager.h"
#include "support/Fakes.h"
#include "support/TestSupport.h"
#include "support/TestWorld.h"

using namespace pekuru;

namespace {

struct Sheet : test::TestWorld {
    explicit Sheet(int mode) : TestWorld(QDate(2024, 4, 1), 9 * 3600.0, 4) {
        const QString rows[][4] = {
            {"1", "一石二鳥", "いっせきにちょう", "ひとつのことで二つのとくをすること"},
            {"1", "十人十色", "じゅうにんといろ", "考えや好みは人によってちがうこと"},
            {"1", "三日坊主", "みっかぼうず", "あきやすくて長続きしないこと"},
        };
        for (int r = 1; r <= 3; ++r)
            for (int c = 1; c <= 4; ++c) g->TableData(r, c) = rows[r - 1][c - 1];
        g->TableRows = 3;
        WorksheetChoice choice;
        choice.levels[1] = true;
        choice.mode = mode;
        buildWorksheetFromTable(*g, random, choice);
    }
    QString print(frmPrint& screen) {
        const QString pdf = dir.filePath(QStringLiteral("sheet.pdf"));
        screen.printToPdf(pdf);
        return pdf;
    }
};

// Dark pixels in a column (or row) of the page image between two page positions (0..10000).
int darkInColumn(const QImage& img, double xPage, double y0, double y1) {
    const int x = std::clamp(int(std::lround(xPage / 10000 * (img.width() - 1))), 0, img.width() - 1);
    int dark = 0, total = 0;
    for (int y = int(y0 / 10000 * img.height()); y < int(y1 / 10000 * img.height()); ++y, ++total) {
        bool any = false;
        for (int dx = -2; dx <= 2; ++dx) {
            const int xx = std::clamp(x + dx, 0, img.width() - 1);
            any = any || qGray(img.pixel(xx, y)) < 128;
        }
        dark += any ? 1 : 0;
    }
    return total == 0 ? 0 : 100 * dark / total;
}

}  // namespace

TEST(PrintPdf, AQuestionSheetHasItsTextAndItsRules) {
    Sheet s(3);
    frmPrint screen(*s.ctx);
    screen.show();  // the layout runs when the screen shows
    const QString pdf = s.print(screen);
    const QString text =
        test::runProgram(QStringLiteral("pdftotext"),
                         {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")});
    // The heading 四字熟語 stands in a narrow column and wraps after two characters.
    for (const char* expected : {"①", "②", "⑳", "意味", "四字\n熟語", "ひとつのことで二つのとくをすること",
                                 "一石二鳥(いっせきにちょう)"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected << "\n" << text.toStdString();

    ASSERT_EQ(test::runProgram(QStringLiteral("pdftoppm"),
                               {QStringLiteral("-r"), QStringLiteral("60"), QStringLiteral("-png"),
                                QStringLiteral("-singlefile"), pdf, s.dir.filePath(QStringLiteral("page"))}),
              QString());
    const QImage page(s.dir.filePath(QStringLiteral("page.png")));
    ASSERT_FALSE(page.isNull());
    EXPECT_LT(page.width(), page.height());  // portrait
    // The vertical rules run from 450 to 9900 at 500, 5000, 5500, 6000, 6500, 7000; not at 3000.
    for (double x : {500.0, 5000.0, 5500.0, 6000.0, 6500.0, 7000.0})
        EXPECT_GT(darkInColumn(page, x, 600, 9800), 95) << x;
    EXPECT_LT(darkInColumn(page, 3000, 600, 9800), 30);
    // Nothing above the heading's rule.
    EXPECT_EQ(darkInColumn(page, 5000, 100, 400), 0);
    // The preview is drawn again as it was before printing.
    EXPECT_FALSE(screen.setup().toPrinter);
}

TEST(PrintPdf, AnAnswerSheetHasThreeColumns) {
    Sheet s(1);
    frmPrint screen(*s.ctx);
    screen.show();
    const QString pdf = s.print(screen);
    ASSERT_EQ(test::runProgram(QStringLiteral("pdftoppm"),
                               {QStringLiteral("-r"), QStringLiteral("60"), QStringLiteral("-png"),
                                QStringLiteral("-singlefile"), pdf, s.dir.filePath(QStringLiteral("page"))}),
              QString());
    const QImage page(s.dir.filePath(QStringLiteral("page.png")));
    for (double x : {500.0, 6000.0}) EXPECT_GT(darkInColumn(page, x, 600, 9800), 95) << x;
    for (double x : {5000.0, 7000.0}) EXPECT_LT(darkInColumn(page, x, 600, 9800), 30) << x;
    const QString text =
        test::runProgram(QStringLiteral("pdftotext"),
                         {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")});
    EXPECT_TRUE(text.contains(QStringLiteral("三日坊主(みっかぼうず)"))) << text.toStdString();
}
