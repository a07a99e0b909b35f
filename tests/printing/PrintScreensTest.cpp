// The worksheet selection and the print screen at every window size, and what a screen reader and
// the keyboard find on them. The idiom table is the demo classroom's own.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QImage>
#include <QListWidget>
#include <QPrintDialog>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

#include "printing/FormPrint0.h"
#include "printing/Worksheet.h"
#include "printing/frmPrint.h"
#include "shell/ScreenManager.h"
#include "shell/ScreenScale.h"
#include "support/Accessibility.h"
#include "support/Fakes.h"
#include "support/ScreenFakes.h"
#include "support/TestSupport.h"
#include "support/TestWorld.h"
#include "support/TextFit.h"

using namespace pekuru;

namespace {

const QSize kWindowSizes[] = {{1024, 768}, {1366, 768}, {1920, 1080}, {3840, 2160}};

struct Printing : test::TestWorld {
    // `place`: the program folder's path inside the temporary folder.
    explicit Printing(const QString& place = QStringLiteral("ペクル"))
        : TestWorld(QDate(2024, 4, 1), 9 * 3600.0, 5) {
        g->AppFolder = dir.path() + QLatin1Char('/') + place + QLatin1Char('/');
        EXPECT_TRUE(QDir().mkpath(g->AppFolder));
        EXPECT_TRUE(QFile::copy(QStringLiteral(PEKURU_BUILT_IDIOM_TABLE),
                                g->AppFolder + QStringLiteral("四字02vv.ccc")));
    }
    QWidget* open(Screen s, QSize size = {1024, 768}) {
        screens.show(s);
        QWidget* w = screens.loaded(s);
        w->resize(size);
        QCoreApplication::processEvents();
        return w;
    }
    template <typename T>
    T* find(Screen s, const char* name) {
        return screens.loaded(s)->findChild<T*>(QString::fromLatin1(name));
    }
};

// The idioms of the print table as the worksheet selection made it (from the answers, "一石二鳥(…)").
QStringList idiomsOf(const hensuu1& g) {
    QStringList idioms;
    for (int r = 1; r <= kWorksheetRows; ++r) {
        const QString idiom = g.PrintCell(7, r).trimmed().section(QLatin1Char('('), 0, 0);
        if (!idiom.isEmpty()) idioms << idiom;
    }
    return idioms;
}

QString withoutBlanks(QString text) {
    text.remove(QRegularExpression(QStringLiteral("\\s")));
    return text;
}

// Everything the page holds, line after line, without blanks: a cell wrapped over two lines
// reads as one text again.
QString textOf(const LaidOutPage& page) {
    QString all;
    for (const LaidOutText& t : page.texts) all += t.text;
    return withoutBlanks(all);
}

// What `program` writes to standard output; a failure to start or a non-zero exit fails the test.
QString outputOf(const QString& program, const QStringList& arguments) {
    const test::HostRun run = test::runHostProgram(program, arguments);
    if (!run.ok()) {
        ADD_FAILURE() << program.toStdString() << " failed: " << run.error.toStdString()
                      << run.err.toStdString() << run.out.toStdString();
        return {};
    }
    return QString::fromUtf8(run.out);
}

QString pdfText(const QString& pdf) {
    return withoutBlanks(
        outputOf(QStringLiteral("pdftotext"),
                 {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")}));
}

// Table cells whose text does not fit their cell, wrapped where the table wraps it.
QStringList clippedCells(QTableWidget* table) {
    QStringList out;
    const int pad = 6;  // the cell's own margins
    for (int r = 0; r < table->rowCount(); ++r)
        for (int c = 0; c < table->columnCount(); ++c) {
            const QTableWidgetItem* item = table->item(r, c);
            if (!item || item->text().isEmpty() || table->isColumnHidden(c)) continue;
            const QRect room(0, 0, table->columnWidth(c) - pad, table->rowHeight(r));
            const QRect need = QFontMetrics(table->font()).boundingRect(room, Qt::TextWordWrap, item->text());
            if (need.width() > room.width() || need.height() > room.height())
                out << QStringLiteral("%1,%2: %3").arg(r).arg(c).arg(item->text());
        }
    return out;
}

}  // namespace

TEST(ScreenSizes, TheWorksheetSelectionShowsEveryWordAndCellWholeInEveryMode) {
    for (const QSize size : kWindowSizes) {
        SCOPED_TRACE(size.width());
        Printing p;
        QWidget* w = p.open(Screen::FormPrint0, size);
        auto* table = p.find<QTableWidget>(Screen::FormPrint0, "printTable");
        for (int mode = 1; mode <= 5; ++mode) {
            SCOPED_TRACE(mode);
            p.find<QRadioButton>(Screen::FormPrint0, QStringLiteral("Option1_%1").arg(mode).toLatin1())
                ->click();
            QCoreApplication::processEvents();
            EXPECT_EQ(test::clippedTexts(w), QStringList());
            EXPECT_EQ(clippedCells(table), QStringList());
        }
        EXPECT_NEAR(table->font().pointSizeF(), 13 * screenUnit(size), 0.01);
    }
}

TEST(ScreenSizes, ThePreviewKeepsTheA4PageInItsProportionsAtEverySize) {
    for (const QSize size : kWindowSizes) {
        for (const int portrait : {1, 0}) {
            SCOPED_TRACE(std::to_string(size.width()) + (portrait ? " portrait" : " landscape"));
            Printing p;
            p.g->PrintTateYoko = portrait;
            p.open(Screen::FormPrint0, size);
            p.g->PrintTateYoko = portrait;  // the worksheet sets it; here both ways are tried
            QWidget* w = p.open(Screen::frmPrint, size);
            auto* preview = p.find<PagePreview>(Screen::frmPrint, "Picture1");
            const QRectF paper = preview->paperRect();
            const double a4 = portrait ? 210.0 / 297.0 : 297.0 / 210.0;
            EXPECT_NEAR(paper.width() / paper.height(), a4, 0.005);
            EXPECT_TRUE(QRectF(preview->rect()).contains(paper));
            // As large as the box allows on its tighter side.
            EXPECT_GT(std::max(paper.width() / preview->width(), paper.height() / preview->height()), 0.9);
            EXPECT_EQ(test::clippedTexts(w), QStringList());
        }
    }
}

TEST(ScreenReading, ThePrintScreensAreNamedAndTabInTheOrderOfUse) {
    Printing p;
    QWidget* w = p.open(Screen::FormPrint0);
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    EXPECT_EQ(test::controlsWithoutName(w), QStringList());
    p.find<QListWidget>(Screen::FormPrint0, "List1")->setFocus();
    // The choices, then the questions they make, then on to printing or back.
    EXPECT_EQ(test::focusOrder(w), QStringList({"List1", "Option1_1", "Check1", "Command3", "printTable",
                                                "Command1", "Command2"}));
    EXPECT_EQ(test::accessibleRole(p.find<QWidget>(Screen::FormPrint0, "List1")), QAccessible::List);
    EXPECT_EQ(test::accessibleName(p.find<QWidget>(Screen::FormPrint0, "List1")),
              QStringLiteral("印刷するレベル"));

    // Levels 1 and 2 by Shift and the arrow key, then Tab on to "印刷へ" and Enter.
    auto* levels = p.find<QListWidget>(Screen::FormPrint0, "List1");
    levels->setFocus();
    QTest::keyClick(levels, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(levels->selectedItems().size(), 2);
    auto* toPrint = p.find<QPushButton>(Screen::FormPrint0, "Command1");
    toPrint->setFocus();
    QTest::keyClick(toPrint, Qt::Key_Return);
    QWidget* print = p.screens.loaded(Screen::frmPrint);
    ASSERT_NE(print, nullptr);
    print->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(print));
    EXPECT_EQ(test::controlsWithoutName(print), QStringList());
    auto* preview = p.find<QWidget>(Screen::frmPrint, "Picture1");
    EXPECT_EQ(test::accessibleRole(preview), QAccessible::Graphic);
    EXPECT_EQ(test::accessibleName(preview), QStringLiteral("印刷の見本"));
    p.find<QWidget>(Screen::frmPrint, "Command9")->setFocus();
    EXPECT_EQ(test::focusOrder(print), QStringList({"Command9", "Command8"}));
}

// The installed program lays a family's classroom out under ~/.local/share; a home may be
// /home/taro.yamada, a share /mnt/juku.share, a program folder ペクル.v2. The idiom table is found
// beside the program whatever dots the folders carry.
TEST(WorksheetRoad, FindsTheIdiomTableUnderFoldersWithDots) {
    for (const char* place :
         {"home/.local/share/pekuru/教室/ペクル", "taro.yamada/教室/ペクル", "juku.share/教室/ペクル.v2"}) {
        SCOPED_TRACE(place);
        Printing p(QString::fromUtf8(place));
        ASSERT_NO_THROW(p.open(Screen::FormPrint0));
        const QStringList idioms = idiomsOf(*p.g);
        ASSERT_FALSE(idioms.isEmpty());
        p.find<QPushButton>(Screen::FormPrint0, "Command1")->click();
        QCoreApplication::processEvents();
        auto* preview = p.find<PagePreview>(Screen::frmPrint, "Picture1");
        ASSERT_NE(preview, nullptr);
        EXPECT_TRUE(textOf(preview->page()).contains(idioms.first())) << idioms.first().toStdString();
    }
}

// The teacher goes back to the selection with the preview still open, changes the levels and
// presses "印刷へ" again: the preview shows the new sheet, and the printed page is that sheet.
TEST(WorksheetRoad, ThePreviewIsWhatPrintsAfterTheSelectionChanged) {
    Printing p;
    p.open(Screen::FormPrint0);
    auto* toPrint = p.find<QPushButton>(Screen::FormPrint0, "Command1");
    toPrint->click();
    QCoreApplication::processEvents();
    auto* preview = p.find<PagePreview>(Screen::frmPrint, "Picture1");
    ASSERT_NE(preview, nullptr);
    const QStringList first = idiomsOf(*p.g);
    ASSERT_FALSE(first.isEmpty());
    for (const QString& idiom : first)
        EXPECT_TRUE(textOf(preview->page()).contains(idiom)) << idiom.toStdString();

    auto* levels = p.find<QListWidget>(Screen::FormPrint0, "List1");
    levels->clearSelection();
    levels->item(1)->setSelected(true);
    QCoreApplication::processEvents();
    ASSERT_TRUE(p.screens.loaded(Screen::frmPrint)->isVisible());  // the preview stayed open
    toPrint->click();
    QCoreApplication::processEvents();
    const QStringList second = idiomsOf(*p.g);
    ASSERT_FALSE(second.isEmpty());
    ASSERT_NE(second, first);

    // What the teacher sees before pressing "印刷" (printing lays the page out afresh itself).
    const QString shown = textOf(preview->page());
    const QString pdf = p.dir.filePath(QStringLiteral("sheet.pdf"));
    static_cast<frmPrint*>(p.screens.loaded(Screen::frmPrint))->printToPdf(pdf);
    const QString printed = pdfText(pdf);
    for (const QString& idiom : second) {
        EXPECT_TRUE(shown.contains(idiom)) << "not in the preview: " << idiom.toStdString();
        EXPECT_TRUE(printed.contains(idiom)) << "not printed: " << idiom.toStdString();
    }
    for (const QString& idiom : first) {
        if (second.contains(idiom)) continue;
        EXPECT_FALSE(shown.contains(idiom)) << "still in the preview: " << idiom.toStdString();
        EXPECT_FALSE(printed.contains(idiom)) << "printed: " << idiom.toStdString();
    }
}

// Printing through the print spooler, as a teacher's computer does: each of these runs under
// tests/e2e/with-cupsd.sh, which starts a CUPS scheduler of its own with one queue that prints into
// a file (the default queue, or with --no-default none).
namespace {

QString cupsEnv(const char* name) {
    const QString value = qEnvironmentVariable(name);
    if (value.isEmpty()) ADD_FAILURE() << name << " is not set: run this test under tests/e2e/with-cupsd.sh";
    return value;
}

// The jobs the scheduler holds, in the state `which` ("completed", "not-completed").
QStringList cupsJobs(const char* which) {
    return outputOf(QStringLiteral("lpstat"),
                    {QStringLiteral("-W"), QString::fromLatin1(which), QStringLiteral("-o")})
        .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

// The share of dark pixels of a grey page image inside a rectangle given in page units 0..10000.
double darkShare(const QImage& page, const QRectF& area) {
    const QRect px(int(area.left() / 10000 * page.width()), int(area.top() / 10000 * page.height()),
                   int(area.width() / 10000 * page.width()), int(area.height() / 10000 * page.height()));
    int dark = 0;
    for (int y = px.top(); y <= px.bottom(); ++y)
        for (int x = px.left(); x <= px.right(); ++x) dark += qGray(page.pixel(x, y)) < 128 ? 1 : 0;
    return double(dark) / (double(px.width()) * px.height());
}

// The job as a PDF: Qt's CUPS plugin sends one, Wine's spooler (the Windows program) sends
// PostScript, which ghostscript turns into one for the checks.
QString spooledPdf(const QString& output, const QString& dir) {
    QFile job(output);
    if (!job.open(QIODevice::ReadOnly) || !job.read(4).startsWith("%!PS")) return output;
    const QString pdf = QDir(dir).filePath(QStringLiteral("spooled-from-postscript.pdf"));
    outputOf(QStringLiteral("ps2pdf"), {output, pdf});
    return pdf;
}

}  // namespace

TEST(PrintCups, TheSheetGoesToTheDefaultQueueAsOneA4Page) {
    const QString server = cupsEnv("CUPS_SERVER"), output = cupsEnv("PEKURU_CUPS_OUTPUT");
    ASSERT_FALSE(server.isEmpty());
    Printing p;
    p.open(Screen::FormPrint0);
    p.find<QPushButton>(Screen::FormPrint0, "Command1")->click();
    QCoreApplication::processEvents();
    const QStringList idioms = idiomsOf(*p.g);
    ASSERT_FALSE(idioms.isEmpty());
    p.find<QPushButton>(Screen::frmPrint, "Command9")->click();  // "印刷"
    EXPECT_TRUE(p.messages.messages.empty()) << p.messages.messages.front().text.toStdString();
    outputOf(QStringLiteral(PEKURU_SOURCE_DIR "/tests/e2e/cups-wait-jobs.sh"), {QStringLiteral("120")});
    EXPECT_EQ(cupsJobs("completed").size(), 1);
    EXPECT_EQ(cupsJobs("not-completed"), QStringList());

    const QString pdf = spooledPdf(output, p.dir.path());
    const QString info = outputOf(QStringLiteral("pdfinfo"), {pdf});
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n")))) << info.toStdString();
    EXPECT_TRUE(info.contains(
        QRegularExpression(QStringLiteral("Page size:\\s+595(\\.\\d+)? x 84[12](\\.\\d+)? pts \\(A4\\)"))))
        << info.toStdString();
    // Qt's own PDF keeps the text; Wine's PostScript driver draws the Japanese glyphs as shapes,
    // so the Windows program's page is checked by its pixels alone.
    if (pdf == output) {
        const QString printed = pdfText(pdf);
        for (const QString& idiom : idioms) EXPECT_TRUE(printed.contains(idiom)) << idiom.toStdString();
    }

    const QString stem = p.dir.filePath(QStringLiteral("spooled"));
    outputOf(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("50"), QStringLiteral("-gray"),
                                          QStringLiteral("-png"), QStringLiteral("-singlefile"), pdf, stem});
    const QImage page(stem + QStringLiteral(".png"));
    ASSERT_FALSE(page.isNull());
    // The table's area holds text and rules; the margin above the heading stays white.
    EXPECT_GT(darkShare(page, QRectF(600, 600, 8800, 8800)), 0.02);
    EXPECT_EQ(darkShare(page, QRectF(600, 50, 8800, 300)), 0.0);
    // Printing leaves the preview as it was.
    EXPECT_FALSE(static_cast<frmPrint*>(p.screens.loaded(Screen::frmPrint))->setup().toPrinter);
}

TEST(PrintCups, WithoutADefaultQueueTheDialogOpensAndCancellingPrintsNothing) {
    ASSERT_FALSE(cupsEnv("CUPS_SERVER").isEmpty());
    const QString output = cupsEnv("PEKURU_CUPS_OUTPUT");
    Printing p;
    p.open(Screen::FormPrint0);
    p.find<QPushButton>(Screen::FormPrint0, "Command1")->click();
    QCoreApplication::processEvents();
    QString dialogSeen;
    // The dialog runs its own event loop: it is found and cancelled from there, as a teacher would.
    // Whatever modal window comes up is closed, so a wrong one fails the test instead of hanging it.
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            dialogSeen = QString::fromLatin1(dialog->metaObject()->className()) + QLatin1Char(' ') +
                         dialog->windowTitle();
            dialog->reject();
        }
    });
    poll.start(20);
    p.find<QPushButton>(Screen::frmPrint, "Command9")->click();
    poll.stop();
    EXPECT_EQ(dialogSeen, QStringLiteral("QPrintDialog 印刷"));
    EXPECT_TRUE(p.messages.messages.empty()) << p.messages.messages.front().text.toStdString();
    EXPECT_EQ(cupsJobs("all"), QStringList());
    EXPECT_FALSE(QFileInfo(output).size() > 0);
    // The program goes on: the print screen is up with its preview, ready to print again.
    QWidget* print = p.screens.loaded(Screen::frmPrint);
    ASSERT_NE(print, nullptr);
    EXPECT_TRUE(print->isVisible());
    EXPECT_FALSE(static_cast<frmPrint*>(print)->setup().toPrinter);
    EXPECT_TRUE(
        textOf(p.find<PagePreview>(Screen::frmPrint, "Picture1")->page()).contains(idiomsOf(*p.g).first()));
}
