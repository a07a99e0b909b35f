// Leaving for the suite's menu program: "終了" by button, menu and key starts it with "001" and ends
// the event loop, and the program ends as well when the menu program is missing. Each case runs the
// application's own event loop, so these cases live in a program of their own.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <functional>
#include <memory>

#include "platform/Waiter.h"
#include "records/Results.h"
#include "roster/namesel.h"
#include "shell/ScreenManager.h"
#include "shell/Settings.h"
#include "support/Fakes.h"
#include "support/TestSupport.h"
#include "support/TestWorld.h"

using namespace pekuru;

namespace {

struct Leaving : test::TestWorld {
    test::Classroom room;

    Leaving() : TestWorld(QDate(2024, 5, 10), 9 * 3600.0, 3) { 設定読込(*g, room.programFolder()); }
    QString menuProgram() const { return room.common() + QStringLiteral("/起動/プログラムメニュー.exe"); }
    // What the stand-in writes: the arguments it was given, one to a line.
    QString output() const { return menuProgram() + QStringLiteral(".args"); }
    // A stand-in for the menu program where the suite keeps it: it writes down its arguments. The
    // Windows build copies a real Windows program there (tests/windows/MenuStandIn.cpp); on Linux a
    // script does the same.
    void installMenuProgram() {
        QDir().mkpath(QFileInfo(menuProgram()).absolutePath());
        const QString standIn = QStringLiteral(PEKURU_MENU_STAND_IN);
        if (!standIn.isEmpty()) {
            ASSERT_TRUE(QFile::copy(standIn, menuProgram()));
            return;
        }
        QFile script(menuProgram());
        ASSERT_TRUE(script.open(QIODevice::WriteOnly));
        script.write(QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$@\" > '%1.part' && mv '%1.part' '%1'\n")
                         .arg(output())
                         .toUtf8());
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    // Runs the application's event loop with `leave` as its first event; the exit status, or 99
    // when the loop was not ended within ten seconds.
    int runAndLeave(const std::function<void(QWidget*)>& leave) {
        screens.show(Screen::namesel);
        QWidget* w = screens.loaded(Screen::namesel);
        QTimer::singleShot(0, w, [w, leave] { leave(w); });
        QTimer guard;
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(99); });
        guard.start(10000);
        return QApplication::exec();
    }
    QString waitForOutput() const {
        QElapsedTimer t;
        t.start();
        while (!QFile::exists(output()) && t.elapsed() < 10000) QThread::msleep(20);
        return QString::fromUtf8(test::readBytes(output()));
    }
};

}  // namespace

TEST(Leaving, TheMenuProgramIsStartedWithOneArgumentAndTheProgramEnds) {
    struct Way {
        const char* how;
        std::function<void(QWidget*)> leave;
    };
    const Way ways[] = {
        {"the 終了 button",
         [](QWidget* w) { w->findChild<QPushButton*>(QStringLiteral("Command7"))->click(); }},
        {"the menu", [](QWidget* w) { w->findChild<QAction*>(QStringLiteral("mnuEnd"))->trigger(); }},
        {"the key 0",
         [](QWidget* w) {
             w->activateWindow();
             if (!QTest::qWaitForWindowActive(w)) return;  // the shortcut needs the active window
             QTest::keyClick(w->findChild<QWidget*>(QStringLiteral("List1")), Qt::Key_0);
         }},
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.how);
        Leaving l;
        l.installMenuProgram();
        EXPECT_EQ(l.runAndLeave(way.leave), 0);
        EXPECT_EQ(l.waitForOutput(), QStringLiteral("001\n"));  // exactly one argument
        EXPECT_TRUE(l.messages.messages.empty());
    }
}

TEST(Leaving, WithoutTheMenuProgramTheProgramEndsAllTheSame) {
    Leaving l;
    EXPECT_EQ(
        l.runAndLeave([](QWidget* w) { w->findChild<QPushButton*>(QStringLiteral("Command7"))->click(); }),
        0);
    EXPECT_TRUE(l.messages.messages.empty());
}
