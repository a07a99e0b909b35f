#pragma once

#include <QDate>
#include <QString>
#include <optional>
#include <vector>

#include "documents/Report.h"
#include "printing/PaperDocument.h"

namespace pekuru {

// The pages families and teachers take home, drawn on A4 paper in tenths of a millimetre.

// The progress report of one student: one upright page.
PaperDocument reportDocument(const StudentReport& report, const QString& programTitle);

// The whole roster, one line per student and level, as many upright pages as the lines need.
constexpr int kRosterLinesPerPage = 44;
PaperDocument rosterDocument(const std::vector<RosterReportLine>& lines,
                             const std::vector<QString>& levelNames, const QString& classroom, QDate date,
                             const QString& programTitle);

// The certificate for a cleared level: one page lying on its side.
struct CertificateText {
    QString name;       // the child's name
    QString levelName;  // "レベル２"
    QDate date;
    std::optional<Long> time;  // the attempt's seconds; none after a time-over
    Long points = 0;           // its points (weighted), as the finish screen shows them
    std::optional<Long> best;  // the personal best, shown when the attempt has no time
    QString classroom;
    QString programTitle;
};
PaperDocument certificateDocument(const CertificateText& text);

// "2024年5月10日"
QString japaneseDate(QDate date);

}  // namespace pekuru
