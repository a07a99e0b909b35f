#include "platform/FileNames.h"

#include <QStringList>

namespace pekuru {

namespace {

const QString kRefused = QStringLiteral("\\/:*?\"<>|");
constexpr qsizetype kLongestName = 255;  // UTF-16 units in one name, on NTFS and SMB shares

bool isControl(QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7F; }
bool refusedChar(QChar c) { return isControl(c) || kRefused.contains(c); }
bool endsBadly(const QString& name) {
    return name.endsWith(QLatin1Char('.')) || name.endsWith(QLatin1Char(' '));
}

// Where a device name would end: Windows takes the name up to its first dot, blanks before the
// dot dropped, for the device ("con .txt" is CON).
qsizetype deviceNameEnd(const QString& name) {
    const qsizetype dot = name.indexOf(QLatin1Char('.'));
    return dot < 0 ? name.size() : dot;
}

bool isDeviceName(const QString& name) {
    const QString base = name.left(deviceNameEnd(name)).trimmed().toUpper();
    static const QStringList plain = {QStringLiteral("CON"), QStringLiteral("PRN"), QStringLiteral("AUX"),
                                      QStringLiteral("NUL")};
    if (plain.contains(base)) return true;
    if (base.size() != 4 ||
        !(base.startsWith(QStringLiteral("COM")) || base.startsWith(QStringLiteral("LPT"))))
        return false;
    const QChar n = base.at(3);
    // COM0 to COM9, and the superscript ¹ ² ³ that Windows also takes for digits here.
    return (n >= QLatin1Char('0') && n <= QLatin1Char('9')) || n == QChar(0xB9) || n == QChar(0xB2) ||
           n == QChar(0xB3);
}

}  // namespace

QString fileNameProblem(const QString& name) {
    if (name.isEmpty()) return QStringLiteral("名前がありません。");
    for (const QChar c : name) {
        if (isControl(c))
            return QStringLiteral("ファイルの名前に制御文字 (U+%1) は使えません。")
                .arg(QString::number(c.unicode(), 16).toUpper().rightJustified(4, QLatin1Char('0')));
        if (kRefused.contains(c))
            return QStringLiteral("ファイルの名前に「%1」は使えません (使えない文字: \\ / : * ? \" < > |)。")
                .arg(c);
    }
    if (endsBadly(name)) return QStringLiteral("ファイルの名前の終わりに「.」や空白は使えません。");
    if (isDeviceName(name))
        return QStringLiteral("「%1」は Windows が装置の名前に使っているので、ファイルの名前にできません。")
            .arg(name.left(deviceNameEnd(name)).trimmed());
    if (name.size() > kLongestName)
        return QStringLiteral("ファイルの名前が長すぎます (%1 文字あります。%2 文字までです)。")
            .arg(name.size())
            .arg(kLongestName);
    return {};
}

QString usableFileName(const QString& name, const QString& fallback) {
    QString out = name;
    for (QChar& c : out)
        if (refusedChar(c)) c = QLatin1Char('_');
    if (out.size() > kLongestName) {
        out.truncate(kLongestName);
        if (out.back().isHighSurrogate()) out.chop(1);  // never half a character
    }
    while (endsBadly(out)) out.chop(1);
    if (out.isEmpty()) out = fallback;
    if (isDeviceName(out)) out.insert(deviceNameEnd(out), QLatin1Char('_'));
    return out;
}

}  // namespace pekuru
