// The name selection and roster registration screens, headless: activation, the list, the filter,
// every way of choosing a name, and a change of the roster seen back in the list.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "platform/Cp932.h"
#include "platform/Waiter.h"
#include "records/RecordFormat.h"
#include "records/Results.h"
#include "roster/FrmName2.h"
#include "roster/NameList.h"
#include "roster/frmver.h"
#include "roster/namesel.h"
#include "shell/CuePlayer.h"
#include "shell/ScreenManager.h"
#include "shell/ScreenScale.h"
#include "shell/Settings.h"
#include "support/Accessibility.h"
#include "support/Fakes.h"
#include "support/TestSupport.h"
#include "support/TestWorld.h"
#include "support/TextFit.h"

using namespace pekuru;

namespace {

QString rosterLine(int number, int born, const QString& name) {
    return QStringLiteral("%1,%2,0,0,\"%3\",0,\"                    \",\"                    \"\n")
        .arg(number)
        .arg(born)
        .arg(fixedText(name));
}

// School year 2024: 1 is a grown-up (大+), 2 is 中2, 3 is 小2.
const QString kRoster = rosterLine(1, 1985, QStringLiteral("やまだ先生")) +
                        rosterLine(2, 2010, QStringLiteral("たろう")) +
                        rosterLine(3, 2016, QStringLiteral("はなこ"));

struct Visit : test::TestWorld {
    test::Classroom room;
    test::RecordingCues cues;

    Visit() : TestWorld(QDate(2024, 5, 10), 10 * 3600 + 0.75, 3) {
        room.writeRoster(kRoster);
        設定読込(*g, room.programFolder());
        g->HaikeiColor = 0x808000;
        // Student 3: two attempts today, one yesterday.
        QByteArray file;
        for (int day : {0, 0, -1}) {
            SeisekiRec r;
            r.hiduke = dateValue(clock.today().addDays(day));
            r.bangou = 3;
            r.level = 1;
            r.time = 200;
            file += encode(r);
        }
        test::writeBytes(g->DataFolder + QStringLiteral("成績累積データ.dat"), file);
        program.useCues(cues);
        standIn({Screen::seisekitime1, Screen::FormPrint0});
    }
    QWidget* open(Screen s = Screen::namesel) { return TestWorld::open(s); }
    template <typename T>
    T* find(const QString& name, Screen s = Screen::namesel) {
        QWidget* w = screens.loaded(s);
        if (!w) return nullptr;
        if (auto* d = w->findChild<T*>(name)) return d;
        ADD_FAILURE() << "no control " << name.toStdString();
        return nullptr;
    }
    QListWidget* list() { return find<QListWidget>(QStringLiteral("List1")); }
    QString label(const QString& name, Screen s = Screen::namesel) { return find<QLabel>(name, s)->text(); }
    QAction* action(const QString& name) { return find<QAction>(name); }
    QComboBox* filter() { return find<QComboBox>(QStringLiteral("Combo1")); }
    void chooseFilter(const QString& text) {
        QComboBox* c = filter();
        const int i = c->findText(text);
        ASSERT_GE(i, 0);
        c->setCurrentIndex(i);
        Q_EMIT c->activated(i);
    }
    void clickRow(int row) {
        QListWidget* l = list();
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(l->item(row)).center());
    }
    void doubleClickRow(int row) {
        QListWidget* l = list();
        const QPoint at = l->visualItemRect(l->item(row)).center();
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(l->viewport(), Qt::LeftButton, {}, at);
    }
    std::vector<QString> entries() {
        std::vector<QString> out;
        for (int i = 0; i < list()->count(); ++i) out.push_back(list()->item(i)->text());
        return out;
    }
    QString rosterFile() const {
        const QString path = room.commonFile(QStringLiteral("生徒用名簿.txt"));
        return cp932::decode(test::readBytes(path), path);
    }
};

// Closes the about box as soon as it is open and says what it showed.
void closeAboutBoxSoon(QString* title, QString* version) {
    QTimer::singleShot(0, [title, version] {
        auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!box) return;
        *title = box->windowTitle();
        if (auto* v = box->findChild<QLabel*>(QStringLiteral("lblVersion"))) *version = v->text();
        box->accept();
    });
}

}  // namespace

TEST(Namesel, ActivationListsTheRosterInThePointsViewAndTheModesSwitchTheColumns) {
    Visit v;
    QWidget* w = v.open();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("ペクル"));
    EXPECT_EQ(v.label(QStringLiteral("Label4")), QStringLiteral("ペクル"));
    EXPECT_EQ(v.label(QStringLiteral("Label1")), QStringLiteral("名前を選びなさい"));
    EXPECT_TRUE(v.find<QRadioButton>(QStringLiteral("Option1_1"))->isChecked());
    EXPECT_FALSE(v.find<QLabel>(QStringLiteral("Picture5"))->isVisible());
    EXPECT_TRUE(v.find<QPushButton>(QStringLiteral("Command1"))->isVisible());  // PrintOK is 1
    EXPECT_EQ(v.filter()->currentText(), QStringLiteral("全学年"));
    EXPECT_EQ(v.filter()->toolTip(), QStringLiteral("表示する学年を選びなさい"));
    EXPECT_EQ(v.g->GakunenFilter, QStringLiteral("全学年"));
    EXPECT_EQ(v.list()->currentRow(), 0);

    const QString captions[4] = {
        QStringLiteral("回数(今日／今まで）"), QStringLiteral("ポイント（今日／今まで）"),
        QStringLiteral("本日（ポイント／回数）"), QStringLiteral("今まで（ポイント／回数）")};
    struct Mode {
        int mode;
        QString student3;  // the tallies of the student with results
    };
    const long p = v.results->KeisanPoint(200, 1);
    const Mode modes[] = {
        {1, QStringLiteral("%1/%2").arg(QString::number(2 * p).rightJustified(4),
                                        QString::number(3 * p).rightJustified(7))},
        {0, QStringLiteral("  2回/    3回")},
        {2, QStringLiteral("%1/  2回").arg(QString::number(2 * p).rightJustified(4))},
        {3, QStringLiteral("%1/    3回").arg(QString::number(3 * p).rightJustified(7))},
    };
    for (const Mode& m : modes) {
        SCOPED_TRACE(m.mode);
        auto* option = v.find<QRadioButton>(QStringLiteral("Option1_%1").arg(m.mode));
        EXPECT_EQ(option->text(), captions[m.mode]);
        if (m.mode != 1) option->click();
        const auto e = v.entries();
        ASSERT_EQ(e.size(), 4u);
        EXPECT_EQ(e[0], QStringLiteral("－－－－－－"));
        EXPECT_TRUE(e[1].startsWith(QStringLiteral("大+ やまだ先生"))) << e[1].toStdString();
        EXPECT_TRUE(e[3].startsWith(QStringLiteral("小2 はなこ"))) << e[3].toStdString();
        EXPECT_TRUE(e[3].endsWith(m.student3)) << e[3].toStdString();
        EXPECT_EQ(v.list()->currentRow(), 0);
        // In the list's font the padded columns line up: the same width up to "/" and in all.
        const QFontMetrics fm(v.list()->font());
        for (std::size_t i = 2; i < e.size(); ++i) {
            EXPECT_EQ(fm.horizontalAdvance(e[i].left(e[i].indexOf(QLatin1Char('/')))),
                      fm.horizontalAdvance(e[1].left(e[1].indexOf(QLatin1Char('/')))))
                << e[i].toStdString();
            EXPECT_EQ(fm.horizontalAdvance(e[i]), fm.horizontalAdvance(e[1])) << e[i].toStdString();
        }
    }
}

TEST(Namesel, EachActivationFillsTheFilterOnceAndStartsOverInThePointsView) {
    Visit v;
    v.open();
    const std::function<void()> openers[] = {
        [&] { v.action(QStringLiteral("mnuVersion"))->trigger(); },
        [&] { QTest::mouseClick(v.find<QLabel>(QStringLiteral("Label4")), Qt::LeftButton); },
        [&] { v.action(QStringLiteral("mnuVersion"))->trigger(); },
    };
    for (const auto& openAbout : openers) {
        v.chooseFilter(QStringLiteral("中学生全体"));
        v.find<QRadioButton>(QStringLiteral("Option1_3"))->click();
        ASSERT_EQ(v.list()->count(), 2);
        EXPECT_EQ(v.g->GakunenFilter, QStringLiteral("中学生全体"));

        QString title, version;
        closeAboutBoxSoon(&title, &version);
        openAbout();
        EXPECT_EQ(title, QStringLiteral("ペクル"));
        EXPECT_EQ(version, QStringLiteral("バージョン %1").arg(QStringLiteral(PEKURU_VERSION)));

        QComboBox* c = v.filter();
        ASSERT_EQ(c->count(), 12);
        for (int i = 0; i < 12; ++i) EXPECT_EQ(c->itemText(i), gradeFilterTexts()[i]);
        EXPECT_EQ(c->currentText(), QStringLiteral("全学年"));
        EXPECT_EQ(v.g->GakunenFilter, QStringLiteral("全学年"));
        EXPECT_TRUE(v.find<QRadioButton>(QStringLiteral("Option1_1"))->isChecked());
        EXPECT_EQ(v.list()->count(), 4);  // the list matches the box
    }
}

TEST(Namesel, TheFilterNarrowsTheListAndATypedUnknownTextEmptiesIt) {
    struct Case {
        QString filter;
        bool typed;
        std::vector<QString> names;
    };
    const Case cases[] = {
        {QStringLiteral("中学生全体"), false, {QStringLiteral("中2 たろう")}},
        {QStringLiteral("小学生全体"), false, {QStringLiteral("小2 はなこ")}},
        {QStringLiteral("小２"), false, {QStringLiteral("小2 はなこ")}},
        {QStringLiteral("中１"), false, {}},
        {QStringLiteral("全学年"),
         false,
         {QStringLiteral("大+ やまだ先生"), QStringLiteral("中2 たろう"), QStringLiteral("小2 はなこ")}},
        {QStringLiteral("こうこう"), true, {}},
    };
    Visit v;
    v.open();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.filter.toStdString());
        const QString before = v.g->GakunenFilter;
        if (c.typed) {
            QLineEdit* edit = v.filter()->lineEdit();
            edit->selectAll();
            edit->insert(c.filter);
            QTest::keyClick(edit, Qt::Key_Return);
            EXPECT_EQ(v.g->GakunenFilter, before);  // only a chosen text is handed on
        } else {
            v.chooseFilter(c.filter);
            EXPECT_EQ(v.g->GakunenFilter, c.filter);
        }
        const auto e = v.entries();
        ASSERT_EQ(e.size(), c.names.size() + 1);
        EXPECT_EQ(e[0], QStringLiteral("－－－－－－"));
        for (std::size_t i = 0; i < c.names.size(); ++i)
            EXPECT_TRUE(e[i + 1].startsWith(c.names[i])) << e[i + 1].toStdString();
        EXPECT_EQ(v.label(QStringLiteral("Label1")), QStringLiteral("名前を選びなさい"));
    }
}

TEST(Namesel, EveryWayOfChoosingConfirmsTheStudentOnce) {
    struct Way {
        const char* how;
        std::function<void(Visit&)> choose;
    };
    const Way ways[] = {
        {"click and O.K.",
         [](Visit& v) {
             v.clickRow(2);
             v.find<QPushButton>(QStringLiteral("Command14"))->click();
         }},
        {"double-click", [](Visit& v) { v.doubleClickRow(2); }},
        {"Enter",
         [](Visit& v) {
             v.clickRow(2);
             QTest::keyClick(v.list(), Qt::Key_Return);
         }},
        {"space",
         [](Visit& v) {
             v.clickRow(2);
             QTest::keyClick(v.list(), Qt::Key_Space);
         }},
        {"the key 1",
         [](Visit& v) {
             v.clickRow(2);
             QTest::keyClick(v.list(), Qt::Key_1);
         }},
        {"the key 1 on the keypad",
         [](Visit& v) {
             v.clickRow(2);
             QTest::keyClick(v.list(), Qt::Key_1, Qt::KeypadModifier);
         }},
        {"arrow keys and Enter",
         [](Visit& v) {
             v.list()->setFocus();
             QTest::keyClick(v.list(), Qt::Key_Down);
             QTest::keyClick(v.list(), Qt::Key_Down);
             QTest::keyClick(v.list(), Qt::Key_Enter);
         }},
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.how);
        Visit v;
        QWidget* w = v.open();
        w->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w));
        way.choose(v);
        EXPECT_EQ(v.screens.count("show seisekitime1"), 1);
        EXPECT_EQ(v.g->SeitoBangou, 2);
        EXPECT_EQ(v.g->SeitoNamae, fixedText(QStringLiteral("たろう")));
        EXPECT_EQ(v.g->SeitoGakunen, QStringLiteral("中２"));
        EXPECT_EQ(v.g->KaisiTime, 36000);
        EXPECT_EQ(v.g->LevelCount, 3);
        EXPECT_EQ(v.cues.count(u"間違い"), 0);
        EXPECT_TRUE(v.find<QPushButton>(QStringLiteral("Command14"))->isHidden());
        EXPECT_TRUE(v.find<QLabel>(QStringLiteral("Picture5"))->isVisible());
        EXPECT_EQ(v.label(QStringLiteral("Picture5")), QStringLiteral("Just a moment, please."));
        // With O.K. hidden, neither "1" nor Enter nor a double-click confirms again.
        w->activateWindow();
        QTest::keyClick(v.list(), Qt::Key_1);
        QTest::keyClick(v.list(), Qt::Key_Return);
        v.doubleClickRow(3);
        EXPECT_EQ(v.screens.count("show seisekitime1"), 1);
        EXPECT_EQ(v.g->SeitoBangou, 2);
    }
}

TEST(Namesel, WithoutANameTheCuePlaysAndNothingElseHappens) {
    struct Way {
        const char* how;
        std::function<void(Visit&)> act;
        int cues;
    };
    const Way ways[] = {
        {"O.K. on the dashes", [](Visit& v) { v.find<QPushButton>(QStringLiteral("Command14"))->click(); },
         1},
        {"Enter on the dashes",
         [](Visit& v) {
             v.clickRow(0);
             QTest::keyClick(v.list(), Qt::Key_Return);
         },
         1},
        {"the key 1 with nothing chosen", [](Visit& v) { QTest::keyClick(v.list(), Qt::Key_1); }, 1},
        {"a name, then the dashes",
         [](Visit& v) {
             v.clickRow(1);
             v.clickRow(0);
             v.find<QPushButton>(QStringLiteral("Command14"))->click();
         },
         1},
        {"a double-click on the dashes", [](Visit& v) { v.doubleClickRow(0); }, 0},
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.how);
        Visit v;
        QWidget* w = v.open();
        w->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w));
        way.act(v);
        EXPECT_EQ(v.cues.count(u"間違い"), way.cues);
        EXPECT_EQ(v.screens.count("show seisekitime1"), 0);
        EXPECT_EQ(v.label(QStringLiteral("Label1")), QStringLiteral("名前を選びなさい"));
        EXPECT_FALSE(v.find<QPushButton>(QStringLiteral("Command14"))->isHidden());
    }
    // No cue player at all (a classroom without sounds): still nothing happens, and no crash.
    Visit v;
    v.ctx->cues = nullptr;
    v.open();
    v.find<QPushButton>(QStringLiteral("Command14"))->click();
    EXPECT_EQ(v.screens.count("show seisekitime1"), 0);
}

TEST(Namesel, TheChosenNumberDecidesEvenAfterTheFilterChanged) {
    Visit v;
    v.open();
    v.clickRow(3);
    EXPECT_EQ(v.label(QStringLiteral("Label1")),
              QStringLiteral("小2 はなこ　　　"));  // its padding, not blanks, stays
    EXPECT_EQ(v.label(QStringLiteral("Label2")), QStringLiteral("3"));
    // A new filter rebuilds the list and clears the choice: O.K. now asks for a name.
    v.chooseFilter(QStringLiteral("小学生全体"));
    EXPECT_EQ(v.label(QStringLiteral("Label1")), QStringLiteral("名前を選びなさい"));
    v.find<QPushButton>(QStringLiteral("Command14"))->click();
    EXPECT_EQ(v.cues.count(u"間違い"), 1);
    EXPECT_EQ(v.screens.count("show seisekitime1"), 0);
    // Row 1 is now student 3 (row 3 of the roster): the number, not the row, picks the student.
    v.clickRow(1);
    v.find<QPushButton>(QStringLiteral("Command14"))->click();
    EXPECT_EQ(v.g->SeitoBangou, 3);
    EXPECT_EQ(v.g->SeitoNamae, fixedText(QStringLiteral("はなこ")));
    EXPECT_EQ(v.g->SeitoGakunen, QStringLiteral("小２"));
    EXPECT_EQ(v.g->GakunenFilter, QStringLiteral("小学生全体"));
}

TEST(Namesel, PrintingIsOfferedOnlyWhenEnabledAndTheGuideOpensBesideTheNames) {
    for (int printOK : {0, 1}) {
        SCOPED_TRACE(printOK);
        Visit v;
        v.standIn(Screen::FrmHelp);
        v.g->PrintOK = Integer(printOK);
        v.open();
        auto* print = v.find<QPushButton>(QStringLiteral("Command1"));
        EXPECT_EQ(print->isVisible(), printOK == 1);
        EXPECT_EQ(print->text(), QStringLiteral("印刷"));
        if (printOK == 1) {
            print->click();
            EXPECT_EQ(v.screens.count("show FormPrint0"), 1);
            EXPECT_NE(v.screens.loaded(Screen::namesel), nullptr);
        }
        // 目次 opens the guide's window beside the names: no message, the names stay up and usable.
        v.action(QStringLiteral("mnuContents"))->trigger();
        EXPECT_EQ(v.screens.count("show FrmHelp"), 1);
        EXPECT_NE(v.screens.loaded(Screen::FrmHelp), nullptr);
        EXPECT_TRUE(v.messages.messages.empty());
        EXPECT_TRUE(v.screens.loaded(Screen::namesel)->isVisible());
        EXPECT_TRUE(v.screens.loaded(Screen::namesel)->isEnabled());
    }
}

TEST(Namesel, TheMenuOpensThePhotosScreenAndTheNamesStay) {
    Visit v;
    v.standIn(Screen::FrmPhotos);
    v.open();
    EXPECT_EQ(v.action(QStringLiteral("mnuPhotos"))->text(), QStringLiteral("写真をパズルにする…"));
    v.action(QStringLiteral("mnuPhotos"))->trigger();
    EXPECT_EQ(v.screens.count("show FrmPhotos"), 1);
    EXPECT_NE(v.screens.loaded(Screen::FrmPhotos), nullptr);
    EXPECT_NE(v.screens.loaded(Screen::namesel), nullptr);
}

TEST(FrmName2, ANameChangedInTheRegistrationScreenIsInTheNameListOnReturn) {
    Visit v;
    v.open();
    v.action(QStringLiteral("mnuNameChange"))->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_NE(v.screens.loaded(Screen::FrmName2), nullptr);
    EXPECT_EQ(v.screens.loaded(Screen::namesel), nullptr);
    EXPECT_EQ(v.screens.loaded(Screen::FrmName2)->windowTitle(), QStringLiteral("Form3"));
    const std::pair<const char*, const char*> captions[] = {
        {"Label4", "名前変更"},
        {"Label2", "名前"},
        {"Label1", "生まれた年"},
        {"Label3", "※生まれた年は早生まれの場合は1年引いてください"},
    };
    for (const auto& [name, caption] : captions)
        EXPECT_EQ(v.label(QString::fromLatin1(name), Screen::FrmName2), QString::fromUtf8(caption));
    EXPECT_EQ(v.find<QPushButton>(QStringLiteral("Command1"), Screen::FrmName2)->text(),
              QStringLiteral("変更"));
    EXPECT_EQ(v.find<QPushButton>(QStringLiteral("Command2"), Screen::FrmName2)->text(),
              QStringLiteral("もどる"));

    auto box = [&](const char* name) {
        return v.find<QLineEdit>(QString::fromLatin1(name), Screen::FrmName2);
    };
    EXPECT_EQ(box("Text1_2")->text(), QStringLiteral("たろう"));
    EXPECT_EQ(box("Text2_2")->text(), QStringLiteral("2010"));

    // A name the roster cannot hold: told which row and which character, nothing written.
    const QString before = v.rosterFile();
    box("Text1_1")->setText(QStringLiteral("𠮷田"));
    v.find<QPushButton>(QStringLiteral("Command1"), Screen::FrmName2)->click();
    ASSERT_EQ(v.messages.messages.size(), 1u);
    EXPECT_TRUE(v.messages.messages[0].text.contains(QStringLiteral("1 行目")));
    EXPECT_TRUE(v.messages.messages[0].text.contains(QStringLiteral("𠮷")));
    EXPECT_EQ(v.rosterFile(), before);
    box("Text1_1")->setText(QStringLiteral("やまだ先生"));

    box("Text1_2")->setText(QStringLiteral("  じろう "));
    box("Text2_2")->setText(QStringLiteral("2011年"));
    v.find<QPushButton>(QStringLiteral("Command1"), Screen::FrmName2)->click();
    EXPECT_EQ(v.messages.messages.size(), 1u);
    EXPECT_TRUE(v.rosterFile().contains(
        QStringLiteral("\n2,2011,0,0,\"%1\",0,").arg(fixedText(QStringLiteral("じろう")))));
    EXPECT_EQ(box("Text1_2")->text(), QStringLiteral("じろう"));  // the boxes show what was stored
    EXPECT_EQ(box("Text2_2")->text(), QStringLiteral("2011"));
    EXPECT_NE(v.screens.loaded(Screen::FrmName2), nullptr);  // "変更" stays on the screen

    v.find<QPushButton>(QStringLiteral("Command2"), Screen::FrmName2)->click();
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(v.screens.loaded(Screen::FrmName2), nullptr);
    ASSERT_NE(v.screens.loaded(Screen::namesel), nullptr);
    const auto e = v.entries();
    ASSERT_EQ(e.size(), 4u);
    EXPECT_TRUE(e[2].startsWith(QStringLiteral("中1 じろう"))) << e[2].toStdString();

    // The close box leads back to the name list as well.
    v.action(QStringLiteral("mnuNameChange"))->trigger();
    ASSERT_NE(v.screens.loaded(Screen::FrmName2), nullptr);
    v.screens.loaded(Screen::FrmName2)->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(v.screens.loaded(Screen::FrmName2), nullptr);
    ASSERT_NE(v.screens.loaded(Screen::namesel), nullptr);
    EXPECT_TRUE(v.screens.loaded(Screen::namesel)->isVisible());
}

// ---- Every window size, and what a screen reader and the keyboard find ----

namespace {

const QSize kWindowSizes[] = {{1024, 768},  {1280, 1024}, {1366, 768},
                              {1920, 1080}, {2560, 1440}, {3840, 2160}};

std::string sizeName(QSize s) { return std::to_string(s.width()) + "x" + std::to_string(s.height()); }

QWidget* openAt(Visit& v, QSize size, Screen s = Screen::namesel) {
    QWidget* w = v.open(s);
    w->resize(size);
    QCoreApplication::processEvents();
    return w;
}

// Where the "/" between the two columns of each name line falls, in pixels, with the line's font.
std::vector<int> slashPositions(QListWidget* list) {
    std::vector<int> xs;
    for (int i = 1; i < list->count(); ++i) {
        const QString line = list->item(i)->text();
        xs.push_back(QFontMetrics(list->item(i)->font()).horizontalAdvance(line.left(line.indexOf(u'/'))));
    }
    return xs;
}

}  // namespace

TEST(ScreenSizes, TheNameListStaysWholeAlignedAndGrowsWithTheWindow) {
    for (const QSize size : kWindowSizes) {
        SCOPED_TRACE(sizeName(size));
        Visit v;
        QWidget* w = openAt(v, size);
        double designPoints = 0;
        for (int mode = 0; mode < 4; ++mode) {
            SCOPED_TRACE(mode);
            v.find<QRadioButton>(QStringLiteral("Option1_%1").arg(mode))->click();
            QCoreApplication::processEvents();
            EXPECT_EQ(test::clippedTexts(w), QStringList());
            const std::vector<int> xs = slashPositions(v.list());
            ASSERT_EQ(xs.size(), 3u);
            EXPECT_EQ(xs[0], xs[1]);
            EXPECT_EQ(xs[1], xs[2]);
            designPoints = v.list()->item(1)->font().pointSizeF();
        }
        // Nothing had to shrink: the list is drawn at its full size for this window.
        EXPECT_NEAR(designPoints, 24 * screenUnit(size), 0.01);
    }
}

TEST(ScreenSizes, ALongNameShrinksTheListJustEnoughToShowItWhole) {
    // Twenty characters, the most the roster holds.
    const QString longName = QStringLiteral("じゅげむじゅげむごこうのすりきれかいじゃ");
    ASSERT_EQ(longName.size(), 20);
    for (const QSize size : {QSize(1024, 768), QSize(3840, 2160)}) {
        SCOPED_TRACE(sizeName(size));
        Visit v;
        v.room.writeRoster(rosterLine(1, 1985, QStringLiteral("やまだ先生")) + rosterLine(2, 2010, longName) +
                           rosterLine(3, 2016, QStringLiteral("はなこ")));
        QWidget* w = openAt(v, size);
        for (int mode = 0; mode < 4; ++mode) {
            v.find<QRadioButton>(QStringLiteral("Option1_%1").arg(mode))->click();
            QCoreApplication::processEvents();
            EXPECT_EQ(test::clippedTexts(w), QStringList()) << mode;
            const double points = v.list()->item(1)->font().pointSizeF();
            if (size.width() == 1024) {
                EXPECT_LT(points, 24.0);  // had to shrink to show the line whole
            }
            EXPECT_GE(points, 14 * screenUnit(size));  // and is still easy to read
        }
    }
}

TEST(ScreenSizes, RegistrationAndAboutBoxFitAndGrowWithTheWindow) {
    for (const QSize size : kWindowSizes) {
        SCOPED_TRACE(sizeName(size));
        Visit v;
        QWidget* selection = openAt(v, size);
        {
            frmver box(v.g->ProgTitle, selection);
            box.show();
            QCoreApplication::processEvents();
            EXPECT_EQ(test::clippedTexts(&box), QStringList());
            EXPECT_LE(box.width(), size.width());
            EXPECT_LE(box.height(), size.height());
            // A third of the design window on every screen, not a speck on a big one.
            EXPECT_GE(box.width(), int(400 * screenUnit(size)));
        }
        v.action(QStringLiteral("mnuNameChange"))->trigger();
        QWidget* registration = openAt(v, size, Screen::FrmName2);
        EXPECT_EQ(test::clippedTexts(registration), QStringList());
        auto* name = v.find<QLineEdit>(QStringLiteral("Text1_1"), Screen::FrmName2);
        // Twenty wide characters fit in the name box without scrolling.
        EXPECT_GE(name->width(), QFontMetrics(name->font()).horizontalAdvance(QString(20, QChar(0x3042))));
        EXPECT_GE(name->font().pointSizeF(), 22 * screenUnit(size) - 0.01);
    }
}

TEST(ScreenReading, TheNameSelectionNamesEveryControlAndTabsInScreenOrder) {
    Visit v;
    QWidget* w = v.open();
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    EXPECT_EQ(test::controlsWithoutName(w), QStringList());
    // From the name list, which has the focus, round the screen; of the four views only the one
    // shown is a stop (the arrow keys choose among them).
    EXPECT_EQ(test::focusOrder(w),
              QStringList({"List1", "Command14", "Command1", "Command7", "Combo1", "Option1_1"}));
    const std::pair<const char*, QAccessible::Role> roles[] = {
        {"Combo1", QAccessible::ComboBox},   {"Option1_0", QAccessible::RadioButton},
        {"List1", QAccessible::List},        {"Command14", QAccessible::Button},
        {"Label1", QAccessible::StaticText}, {"Image1", QAccessible::Graphic},
    };
    for (const auto& [name, role] : roles) {
        auto* control = v.find<QWidget>(QString::fromLatin1(name));
        EXPECT_EQ(test::accessibleRole(control), role) << name;
    }
    // An editable box is read by what it holds, with its purpose as the description. Qt gives it
    // as the box's name on Linux (AT-SPI finds the label through a relation) and as its value
    // beside the label's name on Windows, where screen readers read both.
    EXPECT_EQ(QAccessible::queryAccessibleInterface(v.filter())->text(QAccessible::Value),
              QStringLiteral("全学年"));
#ifdef Q_OS_UNIX
    EXPECT_EQ(test::accessibleName(v.filter()), QStringLiteral("全学年"));
#else
    EXPECT_EQ(test::accessibleName(v.filter()), QStringLiteral("表示する学年"));
#endif
    EXPECT_EQ(QAccessible::queryAccessibleInterface(v.filter())->text(QAccessible::Description),
              QStringLiteral("表示する学年を選びなさい"));
    EXPECT_EQ(test::accessibleName(v.list()), QStringLiteral("名前の一覧"));
}

TEST(ScreenReading, NameLinesAreReadAsWordsNotAsPaddedColumns) {
    Visit v;
    v.open();
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(v.list());
    ASSERT_NE(list, nullptr);
    auto spoken = [&](int row) {
        QAccessibleInterface* item = list->child(row);
        return item ? item->text(QAccessible::Name) : QString();
    };
    // Pupil 3 (はなこ, 小2) made two attempts today and one yesterday.
    v.find<QRadioButton>(QStringLiteral("Option1_0"))->click();
    EXPECT_EQ(spoken(0), QStringLiteral("まだ名前を選んでいません"));
    EXPECT_EQ(spoken(3), QStringLiteral("小2 はなこ、今日 2回、今まで 3回"));
    EXPECT_EQ(spoken(1), QStringLiteral("大+ やまだ先生、今日 0回、今まで 0回"));
    // Each rebuild gives its lines their words again (read here from the lines themselves, as the
    // interface above caches its children while no screen reader listens).
    auto line = [&](int row) { return v.list()->item(row)->data(Qt::AccessibleTextRole).toString(); };
    v.find<QRadioButton>(QStringLiteral("Option1_3"))->click();
    EXPECT_TRUE(line(3).startsWith(QStringLiteral("小2 はなこ、今まで "))) << line(3).toStdString();
    EXPECT_TRUE(line(3).endsWith(QStringLiteral("ポイント、今まで 3回")));
    // The filter narrows what is read along with what is shown.
    v.chooseFilter(QStringLiteral("中学生全体"));
    ASSERT_EQ(v.list()->count(), 2);
    EXPECT_TRUE(line(1).startsWith(QStringLiteral("中2 たろう、"))) << line(1).toStdString();
}

TEST(ScreenReading, APupilIsChosenAndConfirmedWithTheKeysAlone) {
    Visit v;
    QWidget* w = v.open();
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    v.list()->setFocus();
    for (int i = 0; i < 3; ++i) QTest::keyClick(v.list(), Qt::Key_Down);
    EXPECT_TRUE(v.label(QStringLiteral("Label1")).startsWith(QStringLiteral("小2 はなこ")));
    QTest::keyClick(v.list(), Qt::Key_Tab);
    auto* ok = v.find<QPushButton>(QStringLiteral("Command14"));
    ASSERT_EQ(QApplication::focusWidget(), ok);
    QTest::keyClick(ok, Qt::Key_Return);
    EXPECT_EQ(v.screens.count("show seisekitime1"), 1);
    EXPECT_EQ(v.g->SeitoBangou, 3);
}

TEST(ScreenReading, TheRegistrationBoxesSayWhichRowTheyHoldAndEnterSaves) {
    Visit v;
    v.open();
    v.action(QStringLiteral("mnuNameChange"))->trigger();
    QWidget* w = v.open(Screen::FrmName2);
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    EXPECT_EQ(test::controlsWithoutName(w), QStringList());
    EXPECT_EQ(test::focusOrder(w), QStringList({"Text1_1", "Text2_1", "Text1_2", "Text2_2", "Text1_3",
                                                "Text2_3", "Command1", "Command2"}));
    auto* name2 = v.find<QLineEdit>(QStringLiteral("Text1_2"), Screen::FrmName2);
    EXPECT_EQ(test::accessibleName(name2), QStringLiteral("2人目の名前"));
    EXPECT_EQ(test::accessibleRole(name2), QAccessible::EditableText);
    EXPECT_EQ(test::accessibleName(v.find<QLineEdit>(QStringLiteral("Text2_3"), Screen::FrmName2)),
              QStringLiteral("3人目の生まれた年"));

    // Type a name, Tab on to "変更" and press Enter: the roster is written.
    name2->setFocus();
    name2->setText(QStringLiteral("じろう"));  // as typed through the input method
    for (int i = 0; i < 4; ++i) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), v.find<QPushButton>(QStringLiteral("Command1"), Screen::FrmName2));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_TRUE(v.rosterFile().contains(QStringLiteral("\"%1\"").arg(fixedText(QStringLiteral("じろう")))));
}
