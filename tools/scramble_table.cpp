// pekuru-scramble-table: writes the scrambled file of a plain table, as the program reads it.
//
//   pekuru-scramble-table [--utf8] PLAIN.CSV [OUT]
//
// Every line of the plain table is one row, its fields separated by ","; the output holds the same
// rows scrambled with the program's key, CP932 with CR LF. Nothing is written unless every line can
// be stored, and a failed run leaves any existing output file as it was.
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <cstdio>

#include "platform/Cp932.h"
#include "platform/ProgramError.h"
#include "printing/ScrambledTable.h"

namespace {

const char kUsage[] =
    "使い方: pekuru-scramble-table [--utf8] PLAIN.CSV [OUT]\n"
    "\n"
    "平文の表 PLAIN.CSV (1 行が 1 つの行、項目は「,」区切り、1000 行・1 行 100 項目まで) を\n"
    "ペクルが読む暗号化した表ファイルにします。出力は CP932、改行は CR LF です。\n"
    "OUT を省くと、PLAIN.CSV "
    "と同じフォルダに、ファイル名の最初の「.」から後を「vv.ccc」にした名前で書きます\n"
    "(例: 四字02.CSV → 四字02vv.ccc)。\n"
    "\n"
    "  --utf8   PLAIN.CSV を UTF-8 として読む (省くと CP932 (シフトJIS) として読む)\n"
    "  --help   この説明を表示する\n";

struct Failure {
    QString message;
    int exitCode;
};

void printTo(std::FILE* stream, const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream);
}

QByteArray readInput(const QString& path) {
    QFile file(path);
    if (!file.exists()) throw Failure{QStringLiteral("『%1』が見つかりません。").arg(path), 1};
    if (!file.open(QIODevice::ReadOnly))
        throw Failure{QStringLiteral("『%1』を開けません (%2)。").arg(path, file.errorString()), 1};
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw Failure{QStringLiteral("『%1』を読めません (%2)。").arg(path, file.errorString()), 1};
    return bytes;
}

QString decodeUtf8(const QByteArray& bytes, const QString& path) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError()) throw Failure{QStringLiteral("『%1』は UTF-8 として読めません。").arg(path), 1};
    if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
    return text;
}

// The default output beside the input, named by the program's own rule.
QString defaultOutput(const QString& input) { return pekuru::scrambledFileName(input); }

void writeOutput(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw Failure{QStringLiteral("『%1』に書けません (%2)。").arg(path, file.errorString()), 1};
    file.write(bytes);
    if (!file.commit())
        throw Failure{QStringLiteral("『%1』に書けません (%2)。").arg(path, file.errorString()), 1};
}

int run(const QStringList& args) {
    bool utf8 = false;
    QStringList names;
    for (const QString& a : args) {
        if (a == QStringLiteral("--utf8"))
            utf8 = true;
        else if (a == QStringLiteral("--help") || a == QStringLiteral("-h")) {
            printTo(stdout, QString::fromUtf8(kUsage));
            return 0;
        } else if (a.startsWith(QLatin1Char('-')) && a.size() > 1)
            throw Failure{
                QStringLiteral("知らないオプション「%1」です。\n\n%2").arg(a, QString::fromUtf8(kUsage)), 2};
        else
            names.append(a);
    }
    if (names.isEmpty() || names.size() > 2) throw Failure{QString::fromUtf8(kUsage), 2};

    const QString input = names[0];
    const QString output = names.size() == 2 ? names[1] : defaultOutput(input);
    if (QFileInfo(output).absoluteFilePath() == QFileInfo(input).absoluteFilePath())
        throw Failure{
            QStringLiteral("出力『%1』が入力と同じファイルです。別の名前を指定してください。").arg(output),
            2};

    const QByteArray bytes = readInput(input);
    const QString text = utf8 ? decodeUtf8(bytes, input) : pekuru::cp932::decode(bytes, input);
    writeOutput(output, pekuru::scrambleTable(text, input));
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    // The arguments as Unicode: on Windows argv holds them in the ANSI code page, which may lack
    // the table's Japanese file name.
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    try {
        return run(args);
    } catch (const Failure& f) {
        printTo(stderr, QStringLiteral("pekuru-scramble-table: %1\n").arg(f.message));
        return f.exitCode;
    } catch (const pekuru::ProgramError& e) {
        printTo(stderr, QStringLiteral("pekuru-scramble-table: %1\n").arg(e.description()));
        return 1;
    }
}
