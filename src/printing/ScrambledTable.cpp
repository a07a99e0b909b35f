#include "printing/ScrambledTable.h"

#include <QFile>
#include <utility>
#include <vector>

#include "platform/Cp932.h"
#include "platform/ProgramError.h"

namespace pekuru {
namespace {

// Made by tools/make_table_key.py (seeded shuffles of 1..99). Every scrambled table file depends
// on these digits: never change them without remaking the files.
constexpr char16_t kFirstKeyText[] =
    u"106518221995157440855843463116453023984927410664115344206186716047"
    u"039332792459763368736735567017019650662914521009785163896294878355"
    u"341290540802800482214899073875916926429213887728398157728497253637"
    u"054902030473318567524867430642704622867472091835791188508450548336"
    u"705055103216893535335768076245293627388569495693667297494290449269"
    u"999324712409634257886094247116964075707565513840568802085354596128";
constexpr char16_t kSecondKeyText[] =
    u"238258020368999555529381562896877225273612504726213488733384866966"
    u"392449944215778592769745635330140870113883629119896537182917354871"
    u"790607104064464451054131045980167854677532437490609813570120610922"
    u"234860545554459967957151328912657713992156558025757468746157988645"
    u"449232323746760664304409795982252510666425497124922217904970885657"
    u"455597676353101612757154297666730793852838512373472470201645295601";

constexpr int kKeyDigits = 396;

constexpr int keyNumberAt(const char16_t* text, int i) {
    return (text[2 * i] - u'0') * 10 + (text[2 * i + 1] - u'0');
}

// 396 decimal digits, and numbers 1..99 each a position from 01 to 99.
template <std::size_t N>
constexpr bool isKeyText(const char16_t (&text)[N]) {
    if (N != kKeyDigits + 1) return false;
    for (int i = 0; i < kKeyDigits; ++i)
        if (text[i] < u'0' || text[i] > u'9') return false;
    for (int j = 1; j <= kKeyExchanges; ++j)
        if (keyNumberAt(text, j) < 1 || keyNumberAt(text, j) > kKeyExchanges) return false;
    return true;
}
static_assert(isKeyText(kFirstKeyText));
static_assert(isKeyText(kSecondKeyText));

// Errors as the run-time error report numbers them: a text operation at a position that the line
// does not have is "invalid procedure call".
constexpr int kInvalidProcedureCall = 5;

struct Key {
    std::array<std::pair<int, int>, kKeyExchanges + 1> exchange{};  // 1-based positions, entry 0 unused
    int longest = 0;
};

const Key& key() {
    static const Key k = [] {
        Key made;
        const auto a = keyNumbers(firstKeyText());
        const auto b = keyNumbers(secondKeyText());
        for (int j = 1; j <= kKeyExchanges; ++j) {
            made.exchange[j] = {a[j].toInt(), b[j].toInt()};
            made.longest = std::max({made.longest, made.exchange[j].first, made.exchange[j].second});
        }
        return made;
    }();
    return k;
}

QString marker() { return QString::fromUtf16(kTableEndMarker); }

void exchange(QString& s, int j) {
    const auto [a, b] = key().exchange[j];
    QChar* d = s.data();
    std::swap(d[a - 1], d[b - 1]);
}

// Lines split on CR LF or LF; a line end at the very end does not start another line.
std::vector<QString> splitLines(const QString& text) {
    std::vector<QString> lines;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf(QLatin1Char('\n'), start);
        if (end < 0) end = text.size();
        qsizetype cut = end;
        if (cut > start && text.at(cut - 1) == QLatin1Char('\r')) --cut;
        lines.push_back(text.mid(start, cut - start));
        start = end + 1;
    }
    return lines;
}

QByteArray readWholeFile(const QString& path, const QString& plainName) {
    QFile file(path);
    if (!file.exists())
        throw ProgramError(ProgramError::FileNotFound,
                           QStringLiteral("表ファイル『%1』(『%2』を暗号化したもの) が見つかりません。")
                               .arg(path, plainName));
    if (!file.open(QIODevice::ReadOnly))
        throw ProgramError(
            ProgramError::PathFileAccess,
            QStringLiteral("表ファイル『%1』を開けません (%2)。").arg(path, file.errorString()));
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw ProgramError(
            ProgramError::DeviceIo,
            QStringLiteral("表ファイル『%1』を読めません (%2)。").arg(path, file.errorString()));
    return bytes;
}

}  // namespace

QStringView firstKeyText() { return QStringView(kFirstKeyText, kKeyDigits); }
QStringView secondKeyText() { return QStringView(kSecondKeyText, kKeyDigits); }

std::array<QString, 199> keyNumbers(QStringView keyText) {
    std::array<QString, 199> numbers;
    for (int i = 0; i < 199; ++i)
        numbers[i] = keyText.mid(2 * i, 2).toString();  // 198 lies past the end: empty
    return numbers;
}

int longestKeyPosition() { return key().longest; }

QString scrambledFileName(const QString& plainName) {
    // Only the file's own name is cut: the folders above it may carry dots of their own
    // (~/.local/share, /home/taro.yamada, /mnt/juku.share), and cutting there would name a file
    // that does not exist.
    const qsizetype nameStart = plainName.lastIndexOf(QLatin1Char('/')) + 1;
    const qsizetype dot = plainName.indexOf(QLatin1Char('.'), nameStart);
    if (dot < 0)
        throw ProgramError(
            ProgramError::BadFileName,
            QStringLiteral(
                "表ファイルの名前『%1』に「.」がないため、暗号化した表ファイルの名前を決められません。")
                .arg(plainName));
    return plainName.left(dot) + QStringLiteral("vv.ccc");
}

QString plainLineProblem(const QString& plainLine) {
    for (const QChar ch : plainLine) {
        if (ch.unicode() < 0x20 && ch != QLatin1Char('\t'))
            return QStringLiteral("制御文字 U+%1 があります。")
                .arg(QString::number(ch.unicode(), 16).toUpper().rightJustified(4, QLatin1Char('0')));
    }
    if (!cp932::canEncode(plainLine))
        return QStringLiteral("文字「%1」はシフトJIS (CP932) で表せません。")
            .arg(cp932::firstUnencodable(plainLine));
    const qsizetype fields = plainLine.count(QLatin1Char(',')) + 1;
    if (fields > kMaxTableFields)
        return QStringLiteral("項目が %1 個あります。1 行の項目は %2 個までです。")
            .arg(fields)
            .arg(kMaxTableFields);
    // The reader cuts at the first marker: it must be the one appended here. This also refuses a
    // row that ends in "／ｅｎｄ", which would run together with the marker.
    if ((plainLine + marker()).indexOf(marker()) != plainLine.size())
        return QStringLiteral("終わりの印「%1」(またはその一部) が行の中にあります。").arg(marker());
    return {};
}

QString scrambleLine(const QString& plainLine) {
    const QString problem = plainLineProblem(plainLine);
    if (!problem.isEmpty())
        throw ProgramError(ProgramError::InvalidCharacter,
                           QStringLiteral("この行は表にできません: ") + problem);
    QString s = plainLine + marker();
    if (s.size() < longestKeyPosition())
        s.append(QString(longestKeyPosition() - s.size(), QChar(kTableFiller)));
    for (int j = 1; j <= kKeyExchanges; ++j) exchange(s, j);
    return s;
}

QString unscrambleLine(const QString& scrambledLine) {
    if (scrambledLine.size() < longestKeyPosition())
        throw ProgramError(
            kInvalidProcedureCall,
            QStringLiteral("暗号化した表の行は %1 文字以上のはずですが、%2 文字しかありません。")
                .arg(longestKeyPosition())
                .arg(scrambledLine.size()));
    QString s = scrambledLine;
    for (int j = kKeyExchanges; j >= 1; --j) exchange(s, j);
    return s;
}

bool splitTableLine(const QString& unscrambled, QStringList& fields) {
    const qsizetype end = unscrambled.indexOf(marker());
    if (end < 0) return false;
    fields = unscrambled.left(end).split(QLatin1Char(','));
    return true;
}

QByteArray scrambleTable(const QString& plainText, const QString& fileName) {
    const std::vector<QString> lines = splitLines(plainText);
    if (lines.size() > std::size_t(kMaxTableLines))
        throw ProgramError(ProgramError::SubscriptOutOfRange,
                           QStringLiteral("『%1』は %2 行あります。表は %3 行までです。")
                               .arg(fileName)
                               .arg(lines.size())
                               .arg(kMaxTableLines));
    QString out;
    out.reserve(qsizetype(lines.size()) * (longestKeyPosition() + 2));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const QString problem = plainLineProblem(lines[i]);
        if (!problem.isEmpty())
            throw ProgramError(ProgramError::InvalidCharacter,
                               QStringLiteral("%1: %2").arg(describePlace(fileName, int(i) + 1), problem));
        out += scrambleLine(lines[i]);
        out += QStringLiteral("\r\n");
    }
    return cp932::encode(out, fileName);
}

void readScrambledTable(PrintTable& g, const QByteArray& bytes, const QString& fileName) {
    const std::vector<QString> lines = splitLines(cp932::decode(bytes, fileName));
    if (lines.size() > std::size_t(kMaxTableLines))
        throw ProgramError(ProgramError::SubscriptOutOfRange,
                           QStringLiteral("%1 があります。表は %2 行までです。")
                               .arg(describePlace(fileName, kMaxTableLines + 1))
                               .arg(kMaxTableLines));
    // Everything is checked before the shared table is touched.
    std::vector<QStringList> rows(lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const QString place = describePlace(fileName, int(i) + 1);
        if (lines[i].size() < longestKeyPosition())
            throw ProgramError(
                kInvalidProcedureCall,
                QStringLiteral("%1 は %2 文字しかありません。暗号化した表の行は %3 文字以上のはずです。")
                    .arg(place)
                    .arg(lines[i].size())
                    .arg(longestKeyPosition()));
        if (!splitTableLine(unscrambleLine(lines[i]), rows[i]))
            throw ProgramError(
                kInvalidProcedureCall,
                QStringLiteral(
                    "%1 に終わりの印「%2」がありません。この表のキーで暗号化されていないようです。")
                    .arg(place, marker()));
        if (rows[i].size() > kMaxTableFields)
            throw ProgramError(ProgramError::SubscriptOutOfRange,
                               QStringLiteral("%1 には項目が %2 個あります。1 行の項目は %3 個までです。")
                                   .arg(place)
                                   .arg(rows[i].size())
                                   .arg(kMaxTableFields));
    }
    g.TableData.fill(QString());
    for (std::size_t i = 0; i < rows.size(); ++i)
        for (qsizetype c = 0; c < rows[i].size(); ++c) g.TableData(int(i) + 1, int(c) + 1) = rows[i][c];
    g.TableRows = Long(rows.size());
    g.TableCols = rows.empty() ? 0 : Long(rows.back().size());
}

void 表ファイル読込(hensuu1& g, const QString& name) {
    const QString path = scrambledFileName(name);
    readScrambledTable(g, readWholeFile(path, name), path);
}

}  // namespace pekuru
