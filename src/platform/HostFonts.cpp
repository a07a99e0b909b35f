#include "platform/HostFonts.h"

#include <QDir>
#include <algorithm>

namespace pekuru {

FontPlan planFonts(const std::vector<FaceWanted>& faces, const std::function<bool(const QString&)>& hostHas,
                   const std::function<bool(const QString&)>& fileExists, const QString& fontFolder) {
    FontPlan plan;
    for (const FaceWanted& f : faces) {
        if (hostHas(f.face)) continue;
        const auto standIn = std::find_if(f.standIns.begin(), f.standIns.end(), hostHas);
        if (standIn != f.standIns.end()) {
            plan.substitutions.emplace_back(f.face, *standIn);
            continue;
        }
        const QString file = fontFolder + QLatin1Char('/') + f.bundledFile;
        if (fileExists(file)) {
            if (!plan.filesToLoad.contains(file)) plan.filesToLoad << file;
            continue;
        }
        plan.problems << QStringLiteral(
                             "日本語のフォント %1 がありません。代わりになる %2 も、『%3』もありません。"
                             "文字が正しく表示されないことがあります。")
                             .arg(f.face, f.standIns.join(QStringLiteral("、")),
                                  QDir::toNativeSeparators(file));
    }
    return plan;
}

}  // namespace pekuru
