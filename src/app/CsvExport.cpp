#include "app/CsvExport.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <cmath>
#include <memory>

#include "platform/FileNames.h"
#include "platform/FreeFormatReader.h"
#include "platform/ProgramError.h"
#include "records/HubViews.h"
#include "records/Points.h"
#include "records/ResultFile.h"
#include "records/Results.h"
#include "roster/Roster.h"
#include "shell/Settings.h"

namespace pekuru {

namespace {

const QString kOption = QStringLiteral("--export-csv");
const QString kTimeOver = QStringLiteral("時間切れ");
constexpr Long kTimeOverMark = 99999;

QString timeOfDayText(double jikoku) {
    const int seconds = std::clamp(int(std::lround(jikoku * 86400.0)), 0, 86399);
    return QStringLiteral("%1:%2:%3")
        .arg(seconds / 3600, 2, 10, QLatin1Char('0'))
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

bool skipped(const SeisekiRec& r) { return skippedByTheProgram(r.hiduke, r.bangou, r.level); }

// What is wrong with a record that no copy of the program could have written, or nothing.
QString brokenField(const SeisekiRec& r) {
    if (!dateFromValue(r.hiduke).isValid())
        return QStringLiteral("日付の値 %1 が日付になりません").arg(r.hiduke);
    if (!(r.jikoku >= 0 && r.jikoku < 1))
        return QStringLiteral("時刻の値 %1 が 0 以上 1 未満ではありません").arg(r.jikoku);
    if (r.bangou < 0 || r.bangou > kMaxStudent)
        return QStringLiteral("生徒番号 %1 が 0 から %2 の外です").arg(r.bangou).arg(kMaxStudent);
    if (r.level < 0 || r.level > kMaxLevelIndex)
        return QStringLiteral("レベル %1 が 0 から %2 の外です").arg(r.level).arg(kMaxLevelIndex);
    if (r.time < 0) return QStringLiteral("タイム %1 が負の数です").arg(r.time);
    return QString();
}

}  // namespace

ExportRequest takeExportRequest(QStringList& arguments) {
    ExportRequest request;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString a = arguments[i];
        QString value;
        if (a == kOption) {
            if (i + 1 >= arguments.size() || arguments[i + 1].startsWith(QStringLiteral("--"))) {
                request.error =
                    QStringLiteral(
                        "%1 の後に書き出すファイルの名前 (画面に出すときは -) を指定してください。")
                        .arg(kOption);
                return request;
            }
            value = arguments[i + 1];
            arguments.remove(i, 2);
        } else if (a.startsWith(kOption + QLatin1Char('='))) {
            value = a.mid(kOption.size() + 1);
            arguments.remove(i);
        } else {
            continue;
        }
        if (request.wanted) {
            request.error = QStringLiteral("%1 は一度だけ指定してください。").arg(kOption);
            return request;
        }
        if (value.isEmpty()) {
            request.error = QStringLiteral("%1 の書き出し先が空です。").arg(kOption);
            return request;
        }
        // The file's own name, not its folders ("C:" is a drive there): a teacher may well write
        // the export into the classroom's share, which Windows computers use too.
        const QString problem =
            value == QStringLiteral("-") ? QString() : fileNameProblem(QFileInfo(value).fileName());
        if (!problem.isEmpty()) {
            request.error =
                QStringLiteral("%1 の書き出し先『%2』には書き出せません。%3").arg(kOption, value, problem);
            return request;
        }
        request.wanted = true;
        request.output = value;
        --i;
    }
    return request;
}

QString exportUsageText() {
    return QStringLiteral(
        "  --export-csv OUT.csv  成績ファイルの記録を CSV (UTF-8, BOM 付き) に書き出して終わります。\n"
        "                        OUT.csv に - を指定すると標準出力に書き出します。画面は使いません。\n");
}

QString csvField(const QString& text) {
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) &&
        !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString csvNameField(const QString& name) {
    static const QString formulaStarts = QStringLiteral("=+-@\t\r");
    if (!name.isEmpty() && formulaStarts.contains(name.front())) return csvField(QLatin1Char('\'') + name);
    return csvField(name);
}

QByteArray csvBytes(const hensuu1& g, const std::vector<SeisekiRec>& records,
                    const std::map<int, QString>& names) {
    QString text = QStringLiteral("日付,時刻,生徒番号,名前,レベル,タイム(秒),ポイント\r\n");
    for (const SeisekiRec& r : records) {
        if (skipped(r)) continue;
        const auto name = names.find(r.bangou);
        const bool timeOver = r.time == kTimeOverMark;
        const QStringList row = {
            dateFromValue(r.hiduke).toString(QStringLiteral("yyyy/MM/dd")),
            timeOfDayText(r.jikoku),
            QString::number(r.bangou),
            csvNameField(name == names.end() ? QString() : name->second),
            QString::number(r.level),
            timeOver ? kTimeOver : QString::number(r.time),
            QString::number(statisticsPoints(g, r.time, r.level)),
        };
        text += row.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    }
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

std::vector<SeisekiRec> readAllRecords(const QString& path, QStringList& notes, Waiter& waiter) {
    // Never made here, as the program's own first look would make it: a missing file is reported.
    const ResultFile::Reading r = ResultFile(path, kSeisekiRecLength).newest(-1, waiter, false);
    if (!r.ok() && r.status == RecordFile::Status::NotFound)
        throw ProgramError(ProgramError::FileNotFound,
                           QStringLiteral("成績ファイル『%1』がありません。設定.txt の 1 番目の値と "
                                          "--folder で指定したフォルダを確かめてください。")
                               .arg(path));
    if (!r.ok() && r.failedAt == ResultFile::Step::Open)
        throw ProgramError(ProgramError::PermissionDenied,
                           QStringLiteral("成績ファイル『%1』を読めません: %2").arg(path, r.error));
    // Records are only ever added: a file that gives fewer bytes than its length was cut short or
    // is on a share that stopped answering, and exporting what came would drop the newest records.
    if (!r.ok())
        throw ProgramError(ProgramError::DeviceIo,
                           QStringLiteral("成績ファイル『%1』を読み切れません: %2 バイトのはずが、%3 "
                                          "バイトしか読めませんでした。")
                               .arg(path)
                               .arg(r.records * kSeisekiRecLength)
                               .arg(r.bytes.size()));
    const QByteArray& bytes = r.bytes;
    const qsizetype whole = bytes.size() / kSeisekiRecLength;
    if (r.length % kSeisekiRecLength != 0)
        notes << QStringLiteral(
                     "成績ファイル『%1』の最後の %2 バイトは途中までしかない記録なので、書き出しません。")
                     .arg(path)
                     .arg(r.length % kSeisekiRecLength);
    std::vector<SeisekiRec> records;
    records.reserve(std::size_t(whole));
    for (qsizetype i = 0; i < whole; ++i) {
        const SeisekiRec r = decodeSeisekiRec(bytes.constData() + i * kSeisekiRecLength);
        if (!skipped(r)) {
            const QString broken = brokenField(r);
            if (!broken.isEmpty())
                throw ProgramError(
                    ProgramError::SubscriptOutOfRange,
                    QStringLiteral(
                        "成績ファイル『%1』の %2 番目の記録 (%3 バイト目から) がこわれています: %4。")
                        .arg(path)
                        .arg(i + 1)
                        .arg(i * kSeisekiRecLength)
                        .arg(broken));
        }
        records.push_back(r);
    }
    return records;
}

std::map<int, QString> rosterNames(const hensuu1& g, QStringList& notes) {
    std::map<int, QString> names;
    const QString path = rosterPath(g);
    if (!QFile::exists(path)) {
        notes << QStringLiteral("名簿ファイル『%1』がないので、名前の列は空になります。").arg(path);
        return names;
    }
    FreeFormatReader in = FreeFormatReader::open(path);
    while (!in.atEnd()) {
        const RosterLine line = readRosterLine(in);
        names[line.record.Bangou] = line.record.Namae.trimmed();
    }
    return names;
}

int runExport(const QString& programFolder, const QString& output, std::FILE* out, std::FILE* err,
              Waiter& waiter) {
    const auto say = [err](const QString& text) { std::fprintf(err, "%s\n", text.toUtf8().constData()); };
    try {
        auto g = std::make_unique<hensuu1>();
        {
            FreeFormatReader in = FreeFormatReader::open(programFolder + QStringLiteral("/設定.txt"));
            g->FolderMode = in.readVariant();
        }
        const Folders f = resolveFolders(programFolder, g->FolderMode);
        g->AppFolder = f.AppFolder;
        g->KyoutuuFolder = f.KyoutuuFolder;
        g->DataFolder = f.DataFolder;
        readLevelTable(*g, g->DataFolder + QStringLiteral("タイム回数データ.txt"));

        QStringList notes;
        const std::vector<SeisekiRec> records = readAllRecords(sharedResultPath(*g), notes, waiter);
        const std::map<int, QString> names = rosterNames(*g, notes);
        const QByteArray bytes = csvBytes(*g, records, names);
        for (const QString& note : notes) say(QStringLiteral("注意: ") + note);

        if (output == QStringLiteral("-")) {
            if (std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), out) !=
                    std::size_t(bytes.size()) ||
                std::fflush(out) != 0)
                throw ProgramError(ProgramError::DeviceIo,
                                   QStringLiteral("標準出力に書き出せませんでした。"));
            return 0;
        }
        QSaveFile file(output);
        if (!file.open(QIODevice::WriteOnly))
            throw ProgramError(
                ProgramError::PathFileAccess,
                QStringLiteral("書き出し先『%1』を作れません: %2").arg(output, file.errorString()));
        file.write(bytes);
        if (!file.commit())
            throw ProgramError(
                ProgramError::DeviceIo,
                QStringLiteral("書き出し先『%1』に書き込めません: %2").arg(output, file.errorString()));
        const auto rows =
            std::count_if(records.begin(), records.end(), [](const SeisekiRec& r) { return !skipped(r); });
        say(QStringLiteral("%1 件の記録を『%2』に書き出しました。")
                .arg(rows)
                .arg(QFileInfo(output).absoluteFilePath()));
        return 0;
    } catch (const ProgramError& e) {
        say(QStringLiteral("書き出せませんでした (エラー %1): %2").arg(e.number()).arg(e.description()));
    } catch (const ProgramExit& e) {
        say(QStringLiteral("書き出せませんでした: %1").arg(e.text()));
    }
    return 1;
}

}  // namespace pekuru
