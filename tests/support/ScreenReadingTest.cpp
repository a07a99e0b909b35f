// The clipping check that the screens' size tests lean on: it must see a cut text, and pass a whole one.
#include <gtest/gtest.h>

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QWidget>

#include "support/Accessibility.h"
#include "support/TextFit.h"

using pekuru::test::clippedTexts;

namespace {

QFont font(int points) {
    QFont f(QStringLiteral("IPAPGothic"));
    f.setPointSize(points);
    return f;
}

template <typename W>
W* place(QWidget& screen, const char* name, QRect box, int points) {
    auto* w = new W(&screen);
    w->setObjectName(QString::fromLatin1(name));
    w->setGeometry(box);
    w->setFont(font(points));
    return w;
}

}  // namespace

TEST(TextFit, SeesCutTextsAndPassesWholeOnes) {
    QWidget screen;
    screen.resize(800, 600);
    place<QLabel>(screen, "roomy", {0, 0, 400, 60}, 12)
        ->setText(QStringLiteral("覚えたらスタートを押しなさい"));
    place<QLabel>(screen, "narrow", {0, 60, 60, 60}, 12)
        ->setText(QStringLiteral("覚えたらスタートを押しなさい"));
    place<QLabel>(screen, "short", {0, 120, 400, 8}, 12)->setText(QStringLiteral("低すぎる"));
    auto* wrapped = place<QLabel>(screen, "wrapped", {0, 130, 120, 200}, 12);
    wrapped->setWordWrap(true);
    wrapped->setText(QStringLiteral("長い 説明の 文は 何行かに 折り返して 読める"));
    place<QLabel>(screen, "twoLines", {0, 340, 300, 20}, 12)->setText(QStringLiteral("一行目\n二行目"));
    place<QPushButton>(screen, "button", {420, 0, 80, 40}, 12)
        ->setText(QStringLiteral("ギブアップ（５０秒追加）"));
    place<QPushButton>(screen, "key", {420, 40, 200, 40}, 12)->setText(QStringLiteral("ｽﾀｰﾄ(&1)"));
    place<QRadioButton>(screen, "radio", {420, 80, 60, 30}, 12)->setText(QStringLiteral("累計順"));
    auto* list = place<QListWidget>(screen, "list", {420, 120, 200, 200}, 12);
    list->addItems(
        {QStringLiteral("1●たろう"), QStringLiteral("とても長い行はこの狭いリストに入りきらない")});
    auto* hidden = place<QLabel>(screen, "hidden", {0, 500, 10, 10}, 12);
    hidden->setText(QStringLiteral("見えない"));
    hidden->hide();

    const QStringList cut = clippedTexts(&screen);
    QStringList names;
    for (const QString& line : cut) names << line.section(QLatin1Char(':'), 0, 0);
    names.sort();
    EXPECT_EQ(names,
              (QStringList{QStringLiteral("button"), QStringLiteral("list"), QStringLiteral("narrow"),
                           QStringLiteral("radio"), QStringLiteral("short"), QStringLiteral("twoLines")}))
        << cut.join(QLatin1Char('\n')).toStdString();
}

TEST(Accessibility, FindsUnnamedControlsAndFollowsTheTabOrder) {
    QWidget screen;
    screen.resize(400, 300);
    auto* start = place<QPushButton>(screen, "start", {0, 0, 100, 30}, 12);
    start->setText(QStringLiteral("スタート"));
    auto* icon = place<QPushButton>(screen, "icon", {0, 40, 30, 30}, 12);  // no text, no name
    auto* list = place<QListWidget>(screen, "names", {0, 80, 200, 100}, 12);
    list->setAccessibleName(QStringLiteral("名前の一覧"));
    place<QLabel>(screen, "caption", {0, 200, 200, 30}, 12)->setText(QStringLiteral("名前をえらんでね"));
    QWidget::setTabOrder(list, start);
    QWidget::setTabOrder(start, icon);

    EXPECT_EQ(pekuru::test::controlsWithoutName(&screen), QStringList{QStringLiteral("icon (QPushButton)")});
    EXPECT_EQ(pekuru::test::accessibleName(list), QStringLiteral("名前の一覧"));
    EXPECT_EQ(pekuru::test::accessibleRole(start), QAccessible::PushButton);

    screen.show();
    screen.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&screen));
    list->setFocus();
    EXPECT_EQ(pekuru::test::focusOrder(&screen),
              (QStringList{QStringLiteral("names"), QStringLiteral("start"), QStringLiteral("icon")}));
}
