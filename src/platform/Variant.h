#pragma once

#include <QString>
#include <optional>

namespace pekuru {

// A value whose type follows what was read into it: nothing, a number or a text. Settings columns
// that the program stores "as read" keep this form; callers ask for a number when they need one.
class Variant {
  public:
    enum class Kind { Empty, Number, Text };

    Variant() = default;
    static Variant number(double value);
    static Variant text(QString value);

    Kind kind() const { return kind_; }
    bool isEmpty() const { return kind_ == Kind::Empty; }
    bool isNumber() const { return kind_ == Kind::Number; }
    bool isText() const { return kind_ == Kind::Text; }

    // The numeric value: a number as it is, an empty value as 0, a text that reads as a decimal
    // number as that number; any other text has none.
    std::optional<double> toNumber() const;
    // The value as text (numbers in their shortest decimal form).
    QString toText() const;
    // Equality with a number as the settings files mean it: the text "1" equals 1.
    bool equalsNumber(double value) const;

    bool operator==(const Variant& other) const = default;

  private:
    Kind kind_ = Kind::Empty;
    double number_ = 0;
    QString text_;
};

// Parses a decimal number as the settings files write it: optional blanks, an optional sign, digits
// with an optional decimal point and fraction, an optional exponent. The whole text must match.
std::optional<double> parseDecimal(QStringView text);

// The leading number of a text: blanks skipped, then the longest prefix that reads as a decimal
// number; 0 when there is none ("12ab" gives 12, "ab12" gives 0).
double leadingNumber(QStringView text);

}  // namespace pekuru
