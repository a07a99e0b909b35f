#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

#include "platform/Variant.h"

namespace pekuru {

// One value of a free-format text file.
struct FreeValue {
    QString text;           // without the quotes; unquoted values are trimmed of blanks
    bool quoted = false;    // the value stood in double quotes
    int line = 0;           // line (from 1) on which the value begins
    bool endsLine = false;  // the value was followed by a line end or the end of the file
};

// Reads the free format of sequential input: values separated by commas or line breaks, optional
// double quotes around texts (a quoted text may hold commas and line breaks), blanks around values,
// empty values between commas, CR LF or LF line ends, Shift-JIS (CP932) text.
//
// Blank lines carry no values. Every conversion failure throws ProgramError naming the file, the
// line, the value and the expected type.
class FreeFormatReader {
  public:
    // Reads the whole file at once; a missing or unreadable file is an error naming it.
    static FreeFormatReader open(const QString& path);
    FreeFormatReader(const QByteArray& bytes, QString fileName);

    const QString& fileName() const { return fileName_; }
    // No value is left (only blanks and line ends remain).
    bool atEnd();
    // The line on which the next value begins (or the last line at the end).
    int nextLine();

    FreeValue next();
    QString readText();
    std::int16_t readInt16();
    std::int32_t readInt32();
    float readSingle();
    Variant readVariant();
    void skip() { (void)next(); }

    // Conversions of one value; the value's line and text are named in any error.
    std::int16_t toInt16(const FreeValue& v) const;
    std::int32_t toInt32(const FreeValue& v) const;
    float toSingle(const FreeValue& v) const;
    static Variant toVariant(const FreeValue& v);

  private:
    double toNumber(const FreeValue& v, const QString& expected) const;
    std::int64_t toInteger(const FreeValue& v, std::int64_t low, std::int64_t high,
                           const QString& expected) const;
    void skipBlanks();
    bool atLineEnd() const;
    void consumeLineEnd();

    QString fileName_;
    QString text_;
    qsizetype pos_ = 0;
    int line_ = 1;
    bool afterComma_ = false;
};

}  // namespace pekuru
