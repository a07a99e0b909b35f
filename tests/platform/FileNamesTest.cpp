// The names the program makes from what people type, held to what a Windows share takes: the rule
// and its repair, on every host.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "platform/FileNames.h"

using namespace pekuru;

TEST(FileNames, WhatAWindowsShareRefusesIsNamedAndRepaired) {
    struct Case {
        QString name;
        const char* says;  // a part of the problem's words; empty: the name can be used
        QString repaired;
    };
    const Case cases[] = {
        {QStringLiteral("成績表_さとう_20240510.pdf"), "", QStringLiteral("成績表_さとう_20240510.pdf")},
        {QStringLiteral("ねこ.jpg"), "", QStringLiteral("ねこ.jpg")},
        {QStringLiteral(".hidden"), "", QStringLiteral(".hidden")},
        {QStringLiteral("  先の空白はよい"), "", QStringLiteral("  先の空白はよい")},
        {QStringLiteral("CONSOLE.txt"), "", QStringLiteral("CONSOLE.txt")},  // only the name itself
        {QStringLiteral("COM10"), "", QStringLiteral("COM10")},
        {QStringLiteral("LPT"), "", QStringLiteral("LPT")},
        {QStringLiteral("nul_.txt"), "", QStringLiteral("nul_.txt")},
        {QStringLiteral("a\\b.csv"), "「\\」", QStringLiteral("a_b.csv")},
        {QStringLiteral("a/b.csv"), "「/」", QStringLiteral("a_b.csv")},
        {QStringLiteral("5:30.csv"), "「:」", QStringLiteral("5_30.csv")},
        {QStringLiteral("何*.pdf"), "「*」", QStringLiteral("何_.pdf")},
        {QStringLiteral("なに?.pdf"), "「?」", QStringLiteral("なに_.pdf")},
        {QStringLiteral("\"引用\".pdf"), "「\"」", QStringLiteral("_引用_.pdf")},
        {QStringLiteral("<a>.pdf"), "「<」", QStringLiteral("_a_.pdf")},
        {QStringLiteral("a|b"), "「|」", QStringLiteral("a_b")},
        {QStringLiteral("tab\there"), "制御文字 (U+0009)", QStringLiteral("tab_here")},
        {QStringLiteral("new\nline"), "制御文字 (U+000A)", QStringLiteral("new_line")},
        {QStringLiteral("del\x7F"), "制御文字 (U+007F)", QStringLiteral("del_")},
        {QStringLiteral("おわり."), "終わり", QStringLiteral("おわり")},
        {QStringLiteral("おわり "), "終わり", QStringLiteral("おわり")},
        {QStringLiteral("おわり. . "), "終わり", QStringLiteral("おわり")},
        {QStringLiteral("."), "終わり", QStringLiteral("名前なし")},
        {QStringLiteral(".."), "終わり", QStringLiteral("名前なし")},
        {QString(), "名前がありません", QStringLiteral("名前なし")},
        {QStringLiteral("CON"), "「CON」は Windows が装置の名前", QStringLiteral("CON_")},
        {QStringLiteral("con.txt"), "「con」", QStringLiteral("con_.txt")},
        {QStringLiteral("Prn.tar.gz"), "「Prn」", QStringLiteral("Prn_.tar.gz")},
        {QStringLiteral("aux"), "「aux」", QStringLiteral("aux_")},
        {QStringLiteral("NUL .csv"), "「NUL」", QStringLiteral("NUL _.csv")},
        {QStringLiteral("com1"), "「com1」", QStringLiteral("com1_")},
        {QStringLiteral("COM9.pdf"), "「COM9」", QStringLiteral("COM9_.pdf")},
        {QStringLiteral("LPT1"), "「LPT1」", QStringLiteral("LPT1_")},
        {QStringLiteral("lpt9.jpg"), "「lpt9」", QStringLiteral("lpt9_.jpg")},
        {QStringLiteral("COM\u00B9"), "「COM\u00B9」", QStringLiteral("COM\u00B9_")},
        {QString(256, QLatin1Char('x')), "長すぎます (256 文字", QString(255, QLatin1Char('x'))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        const QString problem = fileNameProblem(c.name);
        if (*c.says == '\0') {
            EXPECT_EQ(problem, QString());
        } else {
            EXPECT_TRUE(problem.contains(QString::fromUtf8(c.says))) << problem.toStdString();
        }
        const QString repaired = usableFileName(c.name, QStringLiteral("名前なし"));
        EXPECT_EQ(repaired, c.repaired);
        EXPECT_EQ(fileNameProblem(repaired), QString()) << "the repair itself must be usable";
    }
}

TEST(FileNames, ARepairNeverCutsACharacterInHalf) {
    // 254 units and a character of two: the cut at 255 would split it.
    const QString name = QString(254, QLatin1Char('a')) + QStringLiteral("𠮷");
    const QString repaired = usableFileName(name, QStringLiteral("x"));
    EXPECT_EQ(repaired, QString(254, QLatin1Char('a')));
}

TEST(FileNames, EveryUsableNameCanBeMadeInAFolder) {
    // What the rule lets through, the host's file system takes: written and read back by name.
    QTemporaryDir dir;
    for (const QString& name :
         {usableFileName(QStringLiteral("CON.txt"), QStringLiteral("x")),
          usableFileName(QStringLiteral("5:30 \"さとう\"?.csv"), QStringLiteral("x")),
          usableFileName(QStringLiteral("おわり..."), QStringLiteral("x")), QString(255, QLatin1Char('z'))}) {
        SCOPED_TRACE(name.toStdString());
        QFile f(QDir(dir.path()).filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << f.errorString().toStdString();
        f.write("x");
        f.close();
        EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).contains(name));
    }
}
