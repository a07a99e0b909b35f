// The flow of screens, road by road through the program's real screens on a copy of the demo
// classroom: after every step the screens on show are exactly the ones the user should see, and a
// drill's attempt reaches the finish screen and the certificate.
#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "documents/FrmDocument.h"
#include "drill/DrillVisit.h"
#include "records/RecordFormat.h"
#include "records/seisekitime1.h"
#include "shell/Settings.h"
#include "support/TestSupport.h"
#include "support/TestWorld.h"

using namespace pekuru;

namespace {

struct Classroom : test::TestWorld {
    test::RecordingCues cues;
    int left = 0;

    // `earlier`: attempts of student 1 at level 1 today, 20 seconds each, before the visit.
    explicit Classroom(int earlier = 0) : TestWorld(QDate::currentDate(), 10 * 3600.0, 21) {
        test::copyFolder(QStringLiteral(PEKURU_SOURCE_DIR "/data/sample"), dir.path());
        program.useCues(cues);
        program.load(normaliseProgramFolder(dir.path() + QStringLiteral("/教室/ペクル")));
        program.flow().onLeave([this] { ++left; });
        QByteArray records;
        for (int i = 0; i < earlier; ++i) {
            SeisekiRec r;
            r.hiduke = dateValue(clock.today());
            r.jikoku = timeOfDayValue(9 * 3600 + 60 * i);
            r.bangou = 1;
            r.level = 1;
            r.time = 20;
            records += encode(r);
        }
        test::writeBytes(sharedResultPath(*g), records);
        EXPECT_TRUE(program.start());
        settle();
    }
    void settle() {
        for (int i = 0; i < 10; ++i) QCoreApplication::processEvents();
    }
    template <typename T = QWidget>
    T* control(Screen s, const QString& name) {
        QWidget* w = screens.loaded(s);
        T* c = w ? w->findChild<T*>(name) : nullptr;
        EXPECT_NE(c, nullptr) << test::screenName(s).toStdString() << " " << name.toStdString();
        return c;
    }
    void click(Screen s, const QString& name) {
        if (auto* b = control<QPushButton>(s, name)) b->click();
        settle();
    }
    void chooseStudent(int row) {
        control<QListWidget>(Screen::namesel, QStringLiteral("List1"))->setCurrentRow(row);
        click(Screen::namesel, QStringLiteral("Command14"));
    }
    MainFrm* drill() { return qobject_cast<MainFrm*>(screens.loaded(Screen::MainFrm)); }
    void solveEveryPicture() {
        ASSERT_NE(drill(), nullptr);
        test::playEveryPicture(drill(), clock);
        settle();
    }
    QStringList onShow() const { return screens.visible(); }
};

QString pdfText(const QString& pdf) {
    return test::runProgram(QStringLiteral("pdftotext"),
                            {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")});
}

}  // namespace

TEST(FlowRoads, ADrillFromTheNameToTheCertificateAndBackToTheNames) {
    Classroom c(12);  // enough earlier attempts for this one to clear level 1
    EXPECT_EQ(c.onShow(), QStringList{"namesel"});

    c.chooseStudent(1);  // やまだ先生, student 1
    ASSERT_EQ(c.g->SeitoBangou, 1);
    EXPECT_EQ(c.onShow(), QStringList{"seisekitime1"});
    EXPECT_EQ(c.g->LevelName[2], QStringLiteral("レベル２"));  // named before the hub came up

    c.click(Screen::seisekitime1, QStringLiteral("Command4_1"));
    EXPECT_EQ(c.onShow(), QStringList{"MainFrm"});
    ASSERT_EQ(c.g->LevelNo, 1);

    c.solveEveryPicture();
    EXPECT_EQ(c.onShow(), QStringList{"FrmSyuuryou"});
    // Recorded once: the earlier attempts and this one of 25 seconds.
    const QByteArray file = test::readBytes(sharedResultPath(*c.g));
    ASSERT_EQ(file.size(), 13 * kSeisekiRecLength);
    const SeisekiRec r = decodeSeisekiRec(file.constData() + 12 * kSeisekiRecLength);
    EXPECT_EQ(r.bangou, 1);
    EXPECT_EQ(r.level, 1);
    EXPECT_EQ(r.time, 25);
    // The finish screen shows the attempt the flow handed it, and offers the certificate.
    EXPECT_EQ(c.control<QLabel>(Screen::FrmSyuuryou, QStringLiteral("Label18"))->text(),
              QStringLiteral("今の成績：25秒"));
    auto* certificate = c.control<QPushButton>(Screen::FrmSyuuryou, QStringLiteral("Command6"));
    ASSERT_TRUE(certificate->isVisible());

    certificate->click();
    c.settle();
    EXPECT_EQ(c.onShow(), (QStringList{"FrmSyuuryou", "FrmCertificate"}));
    auto* page = qobject_cast<FrmDocument*>(c.screens.loaded(Screen::FrmCertificate));
    ASSERT_NE(page, nullptr);
    const QString pdf = c.dir.filePath(QStringLiteral("certificate.pdf"));
    page->printToPdf(pdf);
    const QString text = pdfText(pdf);
    for (const char* expected : {"やまだ先生", "レベル1", "25秒"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected << "\n" << text.toStdString();

    c.click(Screen::FrmCertificate, QStringLiteral("backButton"));
    EXPECT_EQ(c.onShow(), QStringList{"FrmSyuuryou"});

    c.click(Screen::FrmSyuuryou, QStringLiteral("Command4"));  // メニューへ
    EXPECT_EQ(c.onShow(), QStringList{"seisekitime1"});

    c.click(Screen::seisekitime1, QStringLiteral("Command1"));  // 戻る
    EXPECT_EQ(c.onShow(), QStringList{"namesel"});

    c.click(Screen::namesel, QStringLiteral("Command7"));  // 終了
    EXPECT_EQ(c.left, 1);
    EXPECT_TRUE(c.messages.messages.empty());
}

TEST(FlowRoads, ATimeOverAndTheSameLevelAgain) {
    Classroom c;
    c.chooseStudent(2);
    c.click(Screen::seisekitime1, QStringLiteral("Command4_1"));
    MainFrm* w = c.drill();
    ASSERT_NE(w, nullptr);
    // The clock runs to five times the limit without a picture solved; the tick that ends the
    // drill unloads the screen, so no tick follows it.
    for (int s = 0; s < 5 * c.g->SeigenTime[1] && c.drill() == w && w->sTimer1->isActive(); ++s) {
        c.clock.advanceMs(1000);
        w->cycle().tick();
    }
    c.settle();
    EXPECT_EQ(c.onShow(), QStringList{"FrmSyuuryou"});
    EXPECT_EQ(c.program.flow().lastAttempt().KirokuTime, kNoTime);
    EXPECT_TRUE(c.program.flow().lastAttempt().JikanGire);
    EXPECT_FALSE(c.control<QPushButton>(Screen::FrmSyuuryou, QStringLiteral("Command6"))->isVisible());

    // もう一度: the backdrop, then a fresh drill of the same level with the last one's flags cleared.
    c.screens.log.clear();
    c.control<QPushButton>(Screen::FrmSyuuryou, QStringLiteral("Command5"))->click();
    c.settle();
    EXPECT_EQ(c.screens.log.mid(0, 3), (QStringList{"show BASEFRM", "unload FrmSyuuryou", "show MainFrm"}));
    EXPECT_EQ(c.onShow(), QStringList{"MainFrm"});
    EXPECT_EQ(c.g->JikanGire + c.g->SyuuryouFlag + c.g->KirokuChuu + c.g->SeikaiSuu, 0);
    ASSERT_NE(c.drill(), nullptr);
    EXPECT_TRUE(c.drill()->sTimer1->isActive());
    EXPECT_EQ(test::readBytes(sharedResultPath(*c.g)).size(), kSeisekiRecLength);
}

TEST(FlowRoads, TheRosterAndAFolderWithoutPictures) {
    Classroom c;
    c.control<QAction>(Screen::namesel, QStringLiteral("mnuNameChange"))->trigger();
    c.settle();
    EXPECT_EQ(c.onShow(), QStringList{"FrmName2"});
    c.click(Screen::FrmName2, QStringLiteral("Command2"));  // 戻る
    EXPECT_EQ(c.onShow(), QStringList{"namesel"});

    // Without its pictures a level refuses to start: a message, and the hub again.
    QDir(c.g->DataFolder + QStringLiteral("picture")).removeRecursively();
    c.chooseStudent(2);
    c.click(Screen::seisekitime1, QStringLiteral("Command4_1"));
    EXPECT_EQ(c.onShow(), QStringList{"seisekitime1"});
    ASSERT_EQ(c.messages.messages.size(), 1u);
    EXPECT_EQ(c.messages.messages[0].title, QStringLiteral("注意"));
    EXPECT_TRUE(test::readBytes(sharedResultPath(*c.g)).isEmpty());
}
