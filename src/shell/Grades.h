#pragma once

// The grades of pupils, shared by the roster, the name selection and the records hub.

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>

#include "shell/GlobalState.h"

namespace pekuru {

// Grade index G = (school year − birth year) − 6 and the texts derived from it.
int gradeIndex(int nendo, int umare);
QString gradeCode(int G);                  // "幼-" … "小1" … "大+", half-width digits
std::optional<QString> gradeLabel(int G);  // "幼３", "小１" … "高１"; none outside 0..10
QString GakunenMark(const Variant& G);     // "①" … "⑥", "Ⅰ" … "Ⅲ", else "　"

// The twelve texts of the grade filter, in the order the filter boxes list them.
const QStringList& gradeFilterTexts();
// Whether a row of grade index G passes the grade filter `filter`. "家族" (the family view of the
// records hub) passes every row; a text that is not one of the filters passes none.
int GakunenFilterMatch(const QString& filter, int G);

// The school year: the calendar year, one less before the month in which the year begins.
Integer schoolYear(QDate today, const Variant& nendoTuki);

// A name with "先生" in it is a teacher's: the hub offers the worksheets, the photos and the
// whole roster's list to it.
inline bool isTeacherName(const QString& name) { return name.contains(QStringLiteral("先生")); }

}  // namespace pekuru
