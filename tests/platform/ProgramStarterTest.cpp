// Another program is started only when it is there, by a path that may hold ".." and "/".
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include "platform/ProgramStarter.h"

using namespace pekuru;

TEST(ProgramStarter, StartsAProgramThatIsThereAndNothingElse) {
    const QFileInfo probe(QStringLiteral(PEKURU_INSTANCE_PROBE));
    ASSERT_TRUE(probe.isFile());
    QTemporaryDir dir;
    // The probe ends at once (exit 2) when it is given no program folder.
    const struct {
        const char* what;
        QString program;
        bool started;
    } cases[] = {
        {"there, by a path through ..",
         probe.absolutePath() + QStringLiteral("/../") + probe.absoluteDir().dirName() + QLatin1Char('/') +
             probe.fileName(),
         true},
        {"there, in the host's separators", QDir::toNativeSeparators(probe.absoluteFilePath()), true},
        {"not there", dir.filePath(QStringLiteral("起動/プログラムメニュー.exe")), false},
        {"a folder of that name", dir.path(), false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(startProgram(c.program, {QStringLiteral("001")}), c.started) << c.what;
}
