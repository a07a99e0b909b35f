#include "shell/Startup.h"

#include "shell/Settings.h"

namespace pekuru {

CommandLine parseCommandLine(const QStringList& arguments, const QString& executableFolder) {
    CommandLine c;
    c.programFolder = executableFolder;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (a == QStringLiteral("--folder")) {
            if (i + 1 >= arguments.size()) {
                c.error = QStringLiteral("--folder の後にプログラムフォルダを指定してください。");
                return c;
            }
            c.programFolder = arguments[++i];
        } else if (a.startsWith(QStringLiteral("--folder="))) {
            c.programFolder = a.mid(9);
        } else if (a == QStringLiteral("--help") || a == QStringLiteral("-h")) {
            c.showHelp = true;
        } else if (a == QStringLiteral("--version")) {
            c.showVersion = true;
        } else {
            c.error = QStringLiteral("分からない引数「%1」があります。").arg(a);
            return c;
        }
    }
    c.programFolder = normaliseProgramFolder(c.programFolder);
    return c;
}

QString usageText() {
    return QStringLiteral(
        "使い方: pekuru [--folder プログラムフォルダ]\n"
        "  --folder DIR  DIR をプログラムフォルダとして使います (設定.txt のあるフォルダ)。\n"
        "                省略すると、実行ファイルのあるフォルダを使います。\n"
        "  --version     版を表示します。\n"
        "  --help        この説明を表示します。\n");
}

}  // namespace pekuru
