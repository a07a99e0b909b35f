#include "printing/Worksheet.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "platform/Variant.h"
#include "printing/ScrambledTable.h"

namespace pekuru {

QString circledNumber(int k) {
    static const QString numbers = QStringLiteral("①②③④⑤⑥⑦⑧⑨⑩⑪⑫⑬⑭⑮⑯⑰⑱⑲⑳");
    return (k >= 1 && k <= 20) ? QString(numbers[k - 1]) : QString();
}

int buildWorksheet(hensuu1& g, Random& random, const WorksheetChoice& choice) {
    表ファイル読込(g, g.AppFolder + QStringLiteral("四字02.CSV"));
    return buildWorksheetFromTable(g, random, choice);
}

int buildWorksheetFromTable(PrintTable& g, Random& random, const WorksheetChoice& choice) {
    for (int r = 1; r <= kWorksheetRows; ++r)
        for (int c = 1; c <= 7; ++c) g.PrintCell(c, r).clear();

    // The selected idioms, in file order.
    int n = 0;
    for (int r = 1; r <= g.TableRows && n < 1000; ++r) {
        const QString levelText = g.TableData(r, 1).trimmed();
        const auto level = parseDecimal(levelText);
        if (!level || *level != std::floor(*level) || *level < 1 || *level > kIdiomLevels) continue;
        if (!choice.levels[std::size_t(*level)]) continue;
        ++n;
        const QString idiom = g.TableData(r, 2);
        g.PrintCell(2, n) = g.TableData(r, 4);
        for (int i = 0; i < 4; ++i) g.PrintCell(3 + i, n) = i < idiom.size() ? QString(idiom[i]) : QString();
        g.PrintCell(7, n) =
            QStringLiteral("   ") + idiom + QLatin1Char('(') + g.TableData(r, 3) + QLatin1Char(')');
    }

    if (choice.shuffle) {
        for (int i = 0; i < 2 * n; ++i) {
            const int a = 1 + random.below(n), b = 1 + random.below(n);
            for (int c = 2; c <= 7; ++c) std::swap(g.PrintCell(c, a), g.PrintCell(c, b));
        }
    }

    g.PrintFontSize = 13;
    g.PrintColX.clear();
    if (choice.mode == 1) {
        for (int i = 1; i <= n; ++i) g.PrintCell(3, i) = g.PrintCell(7, i);
        g.PrintColX = {0, 0, 0.05, 0.6, 1};  // entry 0 unused
        g.PrintCols = 3;
    } else {
        const int hide = std::clamp(choice.mode - 1, 1, 4);
        for (int round = 0; round < hide; ++round) {
            for (int i = 1; i <= n; ++i) {
                if (choice.mode == 2) {
                    g.PrintCell(2 + 1 + random.below(4), i).clear();
                    continue;
                }
                bool any = false;
                for (int c = 3; c <= 6; ++c) any = any || !g.PrintCell(c, i).isEmpty();
                if (!any) continue;  // a short idiom has nothing more to hide
                int c;
                do {
                    c = 1 + random.below(4);
                } while (g.PrintCell(c + 2, i).isEmpty());
                g.PrintCell(c + 2, i).clear();
            }
        }
        g.PrintColX = {0, 0, 0.05, 0.5, 0.55, 0.6, 0.65, 0.7, 1};
        g.PrintCols = 7;
    }
    g.PrintCell(2, 0) = QStringLiteral("意味");
    g.PrintCell(3, 0) = QStringLiteral("四字熟語");
    g.PrintCell(4, 0).clear();
    g.PrintRows = kWorksheetRows;
    for (int k = 1; k <= kWorksheetRows; ++k) g.PrintCell(1, k) = circledNumber(k);
    g.PrintTateYoko = 1;
    return n;
}

}  // namespace pekuru
