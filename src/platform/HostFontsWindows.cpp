#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <cstdio>

#include "platform/HostFonts.h"

namespace pekuru {

void useHostFonts(const QString& executableFolder, const QString& proportionalFace,
                  const QString& monospaceFace) {
    // Yu Gothic UI from Windows 8.1, Meiryo UI from Vista, MS UI Gothic and MS Gothic always (with
    // the Japanese language files); the IPA fonts that the installer puts beside the program else.
    const std::vector<FaceWanted> faces = {
        {proportionalFace,
         {QStringLiteral("Yu Gothic UI"), QStringLiteral("Meiryo UI"), QStringLiteral("MS UI Gothic")},
         QStringLiteral("ipagp.ttf")},
        {monospaceFace, {QStringLiteral("MS Gothic")}, QStringLiteral("ipag.ttf")},
    };
    FontPlan plan = planFonts(
        faces, [](const QString& family) { return QFontDatabase::hasFamily(family); },
        [](const QString& file) { return QFileInfo(file).isFile(); },
        executableFolder + QStringLiteral("/fonts"));
    for (const auto& [face, standIn] : plan.substitutions) QFont::insertSubstitution(face, standIn);
    for (const QString& file : plan.filesToLoad)
        if (QFontDatabase::addApplicationFont(file) < 0)
            plan.problems << QStringLiteral("フォントのファイル『%1』を読み込めません。")
                                 .arg(QDir::toNativeSeparators(file));
    for (const QString& problem : plan.problems)
        std::fprintf(stderr, "ペクル: %s\n", problem.toUtf8().constData());
    if (!plan.problems.isEmpty()) std::fflush(stderr);
}

}  // namespace pekuru
