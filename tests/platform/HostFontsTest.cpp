// How the program gets the faces its screens ask for on a host that may lack them: the host's own,
// a stand-in that the host has, the program's own font file, or a message that says which is missing.
#include <gtest/gtest.h>

#include <QSet>

#include "platform/HostFonts.h"

using namespace pekuru;

TEST(HostFonts, EachFaceComesFromTheHostAStandInOrTheProgramsOwnFile) {
    const std::vector<FaceWanted> faces = {
        {QStringLiteral("IPAPGothic"),
         {QStringLiteral("Yu Gothic UI"), QStringLiteral("Meiryo UI")},
         QStringLiteral("ipagp.ttf")},
        {QStringLiteral("IPAGothic"), {QStringLiteral("MS Gothic")}, QStringLiteral("ipag.ttf")},
    };
    using Pairs = std::vector<std::pair<QString, QString>>;
    struct Case {
        const char* what;
        QSet<QString> families;
        QSet<QString> files;
        Pairs substitutions;
        QStringList loaded;
        QStringList missing;  // the faces the problems name
    };
    const QString folder = QStringLiteral("/opt/pekuru/fonts");
    const QString gp = folder + QStringLiteral("/ipagp.ttf"), g = folder + QStringLiteral("/ipag.ttf");
    const Case cases[] = {
        {"the host has both faces", {"IPAPGothic", "IPAGothic", "Meiryo UI"}, {gp, g}, {}, {}, {}},
        {"the best stand-in the host has",
         {"Meiryo UI", "Yu Gothic UI", "MS Gothic"},
         {gp, g},
         {{"IPAPGothic", "Yu Gothic UI"}, {"IPAGothic", "MS Gothic"}},
         {},
         {}},
        {"a later stand-in", {"Meiryo UI"}, {g}, {{"IPAPGothic", "Meiryo UI"}}, {g}, {}},
        {"no stand-in: the program's own files", {}, {gp, g}, {}, {gp, g}, {}},
        {"nothing at all: both are told", {}, {}, {}, {}, {"IPAPGothic", "IPAGothic"}},
        {"one file only", {"IPAGothic"}, {g}, {}, {}, {"IPAPGothic"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const FontPlan plan = planFonts(
            faces, [&](const QString& f) { return c.families.contains(f); },
            [&](const QString& f) { return c.files.contains(f); }, folder);
        EXPECT_EQ(plan.substitutions, c.substitutions);
        EXPECT_EQ(plan.filesToLoad, c.loaded);
        ASSERT_EQ(plan.problems.size(), c.missing.size());
        for (qsizetype i = 0; i < c.missing.size(); ++i) {
            EXPECT_TRUE(plan.problems[i].contains(c.missing[i])) << plan.problems[i].toStdString();
            EXPECT_TRUE(plan.problems[i].contains(QStringLiteral("ipag"))) << plan.problems[i].toStdString();
        }
    }
}
