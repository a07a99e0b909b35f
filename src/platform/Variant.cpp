#include "platform/Variant.h"

#include <cmath>

namespace pekuru {

Variant Variant::number(double value) {
    Variant v;
    v.kind_ = Kind::Number;
    v.number_ = value;
    return v;
}

Variant Variant::text(QString value) {
    Variant v;
    v.kind_ = Kind::Text;
    v.text_ = std::move(value);
    return v;
}

std::optional<double> Variant::toNumber() const {
    switch (kind_) {
        case Kind::Empty:
            return 0.0;
        case Kind::Number:
            return number_;
        case Kind::Text:
            return parseDecimal(text_);
    }
    return std::nullopt;
}

QString Variant::toText() const {
    switch (kind_) {
        case Kind::Empty:
            return {};
        case Kind::Number:
            return QString::number(number_, 'g', 15);
        case Kind::Text:
            return text_;
    }
    return {};
}

bool Variant::equalsNumber(double value) const {
    const auto n = toNumber();
    return n && *n == value;
}

namespace {

bool isBlank(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); }
bool isDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

// Length of the longest prefix of `t` (from `i`) that is a decimal number, 0 when none.
qsizetype numberPrefix(QStringView t, qsizetype i) {
    const qsizetype start = i;
    if (i < t.size() && (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-'))) ++i;
    qsizetype digits = 0;
    while (i < t.size() && isDigit(t[i])) ++i, ++digits;
    if (i < t.size() && t[i] == QLatin1Char('.')) {
        ++i;
        while (i < t.size() && isDigit(t[i])) ++i, ++digits;
    }
    if (digits == 0) return 0;
    if (i < t.size() && (t[i] == QLatin1Char('e') || t[i] == QLatin1Char('E'))) {
        qsizetype j = i + 1;
        if (j < t.size() && (t[j] == QLatin1Char('+') || t[j] == QLatin1Char('-'))) ++j;
        qsizetype expDigits = 0;
        while (j < t.size() && isDigit(t[j])) ++j, ++expDigits;
        if (expDigits > 0) i = j;
    }
    return i - start;
}

}  // namespace

std::optional<double> parseDecimal(QStringView text) {
    qsizetype i = 0;
    while (i < text.size() && isBlank(text[i])) ++i;
    qsizetype end = text.size();
    while (end > i && isBlank(text[end - 1])) --end;
    const QStringView core = text.sliced(i, end - i);
    const qsizetype len = numberPrefix(core, 0);
    if (len == 0 || len != core.size()) return std::nullopt;
    bool ok = false;
    const double value = core.toString().toDouble(&ok);
    if (!ok || !std::isfinite(value)) return std::nullopt;
    return value;
}

double leadingNumber(QStringView text) {
    qsizetype i = 0;
    while (i < text.size() && isBlank(text[i])) ++i;
    const qsizetype len = numberPrefix(text, i);
    if (len == 0) return 0;
    bool ok = false;
    const double value = text.sliced(i, len).toString().toDouble(&ok);
    return (ok && std::isfinite(value)) ? value : 0;
}

}  // namespace pekuru
