// The control map: what a driver without a screen reader bridge reads of the screen.
#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>
#include <memory>

#include "platform/ControlMap.h"

using namespace pekuru;

namespace {

QJsonObject readMap(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(f.readAll(), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    return doc.object();
}

// The window in the map with this object name, or an empty object.
QJsonObject windowNamed(const QJsonObject& map, const QString& objectName) {
    for (const QJsonValue& w : map.value(QStringLiteral("windows")).toArray())
        if (w[QStringLiteral("objectName")].toString() == objectName) return w.toObject();
    return {};
}

QJsonObject widgetNamed(const QJsonObject& window, const QString& objectName) {
    for (const QJsonValue& w : window.value(QStringLiteral("widgets")).toArray())
        if (w[QStringLiteral("objectName")].toString() == objectName) return w.toObject();
    return {};
}

QRect rectOf(const QJsonValue& v) {
    const QJsonArray a = v.toArray();
    return a.size() == 4 ? QRect(a[0].toInt(), a[1].toInt(), a[2].toInt(), a[3].toInt()) : QRect();
}

QRect onScreen(const QWidget* w) { return QRect(w->mapToGlobal(QPoint(0, 0)), w->size()); }

struct Window {
    QWidget top;
    QPushButton* start = new QPushButton(QStringLiteral("スタート(&S)"), &top);
    QPushButton* ok = new QPushButton(QStringLiteral("O.K."), &top);
    QLabel* prompt = new QLabel(QStringLiteral("名前を選びなさい"), &top);
    QLineEdit* edit = new QLineEdit(QStringLiteral("たろう"), &top);
    QListWidget* list = new QListWidget(&top);
    QPushButton* hidden = new QPushButton(QStringLiteral("かくれた"), &top);

    Window() {
        top.setObjectName(QStringLiteral("namesel"));
        top.setWindowTitle(QStringLiteral("名前の選択"));
        auto* layout = new QVBoxLayout(&top);
        for (QWidget* w : std::initializer_list<QWidget*>{start, ok, prompt, edit, list, hidden})
            layout->addWidget(w);
        start->setObjectName(QStringLiteral("Command1"));
        start->setAccessibleDescription(QStringLiteral("パズルをはじめます"));
        ok->setObjectName(QStringLiteral("Command2"));
        ok->setEnabled(false);
        prompt->setObjectName(QStringLiteral("Label1"));
        edit->setObjectName(QStringLiteral("Text1"));
        list->setObjectName(QStringLiteral("List1"));
        list->setAccessibleName(QStringLiteral("名前の一覧"));
        list->addItem(QStringLiteral("小5 たろう"));
        list->addItem(QStringLiteral("先生 はなこ"));
        list->item(0)->setData(Qt::AccessibleTextRole, QStringLiteral("小5 たろう、今日 0ポイント"));
        hidden->setObjectName(QStringLiteral("Command3"));
        hidden->hide();
        top.setGeometry(40, 30, 300, 360);
        top.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&top));
    }
};

class ControlMapTest : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("画面.json"));
};

TEST_F(ControlMapTest, DescribesEveryShownControlWhereItIsOnScreen) {
    Window w;
    ControlMap map(path, 0);
    ASSERT_TRUE(map.refresh());
    const QJsonObject window = windowNamed(readMap(path), QStringLiteral("namesel"));
    ASSERT_FALSE(window.isEmpty()) << "the shown window is missing from the map";
    EXPECT_EQ(window[QStringLiteral("title")].toString(), QStringLiteral("名前の選択"));
    EXPECT_EQ(rectOf(window[QStringLiteral("rect")]), onScreen(&w.top));

    struct Case {
        QWidget* widget;
        const char* objectName;
        const char* className;
        const char* role;
        QString name, text;
        bool enabled;
    };
    const Case cases[] = {
        {w.start, "Command1", "QPushButton", "Button", QStringLiteral("スタート(S)"),
         QStringLiteral("スタート(&S)"), true},
        {w.ok, "Command2", "QPushButton", "Button", QStringLiteral("O.K."), QStringLiteral("O.K."), false},
        {w.prompt, "Label1", "QLabel", "StaticText", QStringLiteral("名前を選びなさい"),
         QStringLiteral("名前を選びなさい"), true},
        {w.edit, "Text1", "QLineEdit", "EditableText", QString(), QStringLiteral("たろう"), true},
        {w.list, "List1", "QListWidget", "List", QStringLiteral("名前の一覧"), QString(), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.objectName);
        const QJsonObject o = widgetNamed(window, QString::fromLatin1(c.objectName));
        ASSERT_FALSE(o.isEmpty()) << "missing from the map";
        EXPECT_EQ(o[QStringLiteral("class")].toString(), QString::fromLatin1(c.className));
        EXPECT_EQ(o[QStringLiteral("role")].toString(), QString::fromLatin1(c.role));
        EXPECT_EQ(o[QStringLiteral("name")].toString(), c.name);
        EXPECT_EQ(o[QStringLiteral("text")].toString(), c.text);
        EXPECT_EQ(o[QStringLiteral("enabled")].toBool(), c.enabled);
        EXPECT_EQ(rectOf(o[QStringLiteral("rect")]), onScreen(c.widget));
    }
    EXPECT_EQ(widgetNamed(window, QStringLiteral("Command1"))[QStringLiteral("description")].toString(),
              QStringLiteral("パズルをはじめます"));
    EXPECT_TRUE(widgetNamed(window, QStringLiteral("Command3")).isEmpty()) << "a hidden button is in the map";

    // The list's lines, each with what a screen reader says for it and where it is.
    const QJsonArray items = widgetNamed(window, QStringLiteral("List1"))[QStringLiteral("items")].toArray();
    ASSERT_EQ(items.size(), 2);
    const QRect firstLine = w.list->visualItemRect(w.list->item(0));
    EXPECT_EQ(items[0][QStringLiteral("text")].toString(), QStringLiteral("小5 たろう"));
    EXPECT_EQ(items[0][QStringLiteral("name")].toString(), QStringLiteral("小5 たろう、今日 0ポイント"));
    EXPECT_EQ(items[1][QStringLiteral("name")].toString(), QStringLiteral("先生 はなこ"));
    EXPECT_EQ(rectOf(items[0][QStringLiteral("rect")]),
              QRect(w.list->viewport()->mapToGlobal(firstLine.topLeft()), firstLine.size()));
}

TEST_F(ControlMapTest, IsRewrittenOnlyWhenTheScreenChanged) {
    Window w;
    ControlMap map(path, 0);
    ASSERT_TRUE(map.refresh());
    QFile::remove(path);
    EXPECT_FALSE(map.refresh()) << "an unchanged screen was written again";
    EXPECT_FALSE(QFileInfo::exists(path));

    w.ok->setEnabled(true);
    w.start->setText(QStringLiteral("もう一度"));
    ASSERT_TRUE(map.refresh());
    QJsonObject window = windowNamed(readMap(path), QStringLiteral("namesel"));
    EXPECT_TRUE(widgetNamed(window, QStringLiteral("Command2"))[QStringLiteral("enabled")].toBool());
    EXPECT_EQ(widgetNamed(window, QStringLiteral("Command1"))[QStringLiteral("text")].toString(),
              QStringLiteral("もう一度"));

    w.top.hide();
    ASSERT_TRUE(map.refresh());
    EXPECT_TRUE(windowNamed(readMap(path), QStringLiteral("namesel")).isEmpty())
        << "a hidden window is in the map";
}

TEST_F(ControlMapTest, AMessageBoxIsAWindowWithItsTextAndButton) {
    Window w;
    QMessageBox box(QMessageBox::Critical, QStringLiteral("音声エラー"), QStringLiteral("音声がでません。"),
                    QMessageBox::Ok);
    box.setObjectName(QStringLiteral("box"));
    box.open();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
    ControlMap map(path, 0);
    ASSERT_TRUE(map.refresh());
    const QJsonObject shown = windowNamed(readMap(path), QStringLiteral("box"));
    ASSERT_FALSE(shown.isEmpty()) << "the message box is not among the windows";
    EXPECT_EQ(shown[QStringLiteral("title")].toString(), QStringLiteral("音声エラー"));
    EXPECT_TRUE(shown[QStringLiteral("modal")].toBool());
    QStringList texts, buttons;
    for (const QJsonValue& c : shown[QStringLiteral("widgets")].toArray()) {
        if (c[QStringLiteral("role")].toString() == QStringLiteral("StaticText"))
            texts << c[QStringLiteral("text")].toString();
        if (c[QStringLiteral("role")].toString() == QStringLiteral("Button"))
            buttons << c[QStringLiteral("name")].toString();
    }
    EXPECT_TRUE(texts.contains(QStringLiteral("音声がでません。"))) << texts.join(u'|').toStdString();
    EXPECT_EQ(buttons.size(), 1) << buttons.join(u'|').toStdString();
    // The window it covers is still listed: a driver must see what is on top by itself.
    EXPECT_FALSE(windowNamed(readMap(path), QStringLiteral("namesel")).isEmpty());
}

TEST_F(ControlMapTest, KeptOnItsOwnOnlyWhenTheEnvironmentAsks) {
    qunsetenv("PEKURU_CONTROL_MAP");
    EXPECT_EQ(ControlMap::fromEnvironment(), nullptr);
    // qputenv takes the local 8-bit encoding, which on Windows may lack the characters of 画面.
    path = dir.filePath(QStringLiteral("controls.json"));
    qputenv("PEKURU_CONTROL_MAP", path.toLocal8Bit());
    Window w;
    const std::unique_ptr<ControlMap> map = ControlMap::fromEnvironment();
    qunsetenv("PEKURU_CONTROL_MAP");
    ASSERT_NE(map, nullptr);
    EXPECT_TRUE(QTest::qWaitFor([&] { return QFileInfo::exists(path); }, 5000)) << "no map within 5 s";
    EXPECT_FALSE(windowNamed(readMap(path), QStringLiteral("namesel")).isEmpty());
    // Later changes reach the file by the timer alone.
    w.prompt->setText(QStringLiteral("よくできました"));
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return widgetNamed(windowNamed(readMap(path), QStringLiteral("namesel")),
                               QStringLiteral("Label1"))[QStringLiteral("text")]
                       .toString() == QStringLiteral("よくできました");
        },
        5000));
}

TEST_F(ControlMapTest, AFolderThatCannotBeWrittenLeavesTheProgramRunning) {
    Window w;
    ControlMap map(dir.filePath(QStringLiteral("ない/画面.json")), 0);
    EXPECT_FALSE(map.refresh());
    EXPECT_FALSE(map.refresh());
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("ない"))));
}

}  // namespace
