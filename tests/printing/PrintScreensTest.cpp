// The worksheet selection and the print screen at every window size, and what a screen reader and
// the keyboard find on them. The idiom table is the demo classroom's own.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QHeaderView>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "printing/FormPrint0.h"
#include "printing/frmPrint.h"
#include "shell/ScreenManager.h"
#include "shell/ScreenScale.h"
#include "support/Accessibility.h"
#include "support/ScreenFakes.h"
#include "support/TextFit.h"

using namespace pekuru;

namespace {

const QSize kWindowSizes[] = {{1024, 768}, {1366, 768}, {1920, 1080}, {3840, 2160}};

struct Printing {
    QTemporaryDir dir;
    std::unique_ptr<hensuu1> g = std::make_unique<hensuu1>();
    FakeClock clock;
    MersenneRandom random{5};
    RecordingMessageService messages;
    ScreenManager screens;
    test::NoWait wait;
    std::unique_ptr<AppContext> ctx;

    Printing() {
        g->AppFolder = dir.path() + QStringLiteral("/");
        EXPECT_TRUE(QFile::copy(QStringLiteral(PEKURU_BUILT_IDIOM_TABLE),
                                g->AppFolder + QStringLiteral("四字02vv.ccc")));
        ctx = std::make_unique<AppContext>(AppContext{*g, clock, random, messages, screens, wait, nullptr});
        screens.setContext(ctx.get());
        screens.registerScreen(Screen::FormPrint0,
                               [](AppContext& c) -> QWidget* { return new FormPrint0(c); });
        screens.registerScreen(Screen::frmPrint, [](AppContext& c) -> QWidget* { return new frmPrint(c); });
    }
    ~Printing() {
        screens.unload(Screen::frmPrint);
        screens.unload(Screen::FormPrint0);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
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
