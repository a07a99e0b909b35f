#pragma once

#include <QString>
#include <cstdint>
#include <vector>

#include "platform/Variant.h"
#include "shell/Tables.h"

namespace pekuru {

using Integer = std::int16_t;  // a signed 16-bit integer
using Long = std::int32_t;     // a signed 32-bit integer
using Single = float;

constexpr int kMaxLevelIndex = 35;
constexpr int kMaxStudent = 5000;
constexpr int kMaxRecordSlots = 20000;
constexpr Long kNoTime = 99999;  // "no best yet" and "ended by time-over"

// One roster row as loaded (fields in file order; the texts are fixed at 20 characters).
struct MeiboRecord {
    Integer Bangou = 0;
    Integer Umare = 0;
    Integer MeiboValue3 = 0;
    Integer MeiboValue4 = 0;
    QString Namae;
    QString MeiboText2;
    QString MeiboText3;
};

// The values that the screens and shared procedures work on, in groups. Each module takes the
// groups it uses; `hensuu1` holds them all, once for the run, handed by reference to whoever
// needs it. Every value starts at zero or empty; the per-level and per-student tables are
// allocated here, once.

// Folders, files and the classroom's settings, read at start-up.
struct ClassroomSettings {
    QString AppFolder;
    QString KyoutuuFolder;
    QString DataFolder;
    QString OtoFolder;
    QString ProgFolderName;
    Variant FolderMode;
    Long HaikeiColor = 0;
    Integer MeiboMode = 0;
    Variant NendoTuki;
    QString KyoutuuName;
    QString KyousituCode;
    Variant MeiboOption;
    // The program's title and whether printing is offered.
    QString ProgTitle;
    Integer PrintOK = 0;
};

// The level table (levels 0..35) and the level range.
struct LevelTable {
    Table1D<Long> GoukakuTime{0, kMaxLevelIndex};
    Table1D<Long> SeigenTime{0, kMaxLevelIndex};
    Table1D<Long> HituyouKaisuu{0, kMaxLevelIndex};
    Table1D<Integer> HituyouKaisuu2{0, kMaxLevelIndex};
    Table1D<Single> LevelPoint{0, kMaxLevelIndex};
    Table1D<Variant> LevelValue6{0, kMaxLevelIndex};
    Table1D<Variant> LevelValue7{0, kMaxLevelIndex};
    Table1D<Variant> LevelValue8{0, kMaxLevelIndex};
    Table1D<Variant> LevelValue9{0, kMaxLevelIndex};
    Table1D<Variant> LevelValue10{0, kMaxLevelIndex};
    Table1D<Variant> LevelValue11{0, kMaxLevelIndex};
    Table1D<Variant> LevelValue12{0, kMaxLevelIndex};
    Table1D<QString> LevelName{0, kMaxLevelIndex};
    Integer LevelCount = 0;
    Integer MaxLevel = 0;
};

// The roster, the student working now and the level chosen.
struct RosterTable {
    Table1D<MeiboRecord> MeiboData{0, kMaxStudent};
    Integer MeiboKazu = 0;
    std::vector<Variant> BangouList;  // by row, from 1 (entry 0 unused)
    Table1D<QString> BangouNamae{0, kMaxStudent};
    Table1D<Integer> BangouUmare{0, kMaxStudent};
    Table1D<QString> BangouGakunen{0, kMaxStudent};
    Integer Nendo = 0;
    QString GakunenFilter;
    Integer SeitoBangou = 0;
    QString SeitoNamae;
    QString SeitoGakunen;
    Long KaisiTime = 0;
    Integer LevelNo = 0;
};

// The drill under way.
struct DrillState {
    Single StartTime = 0;
    Long KeikaTime = 0;
    Long BarMax = 0;
    Integer MondaiSuu = 0;
    Long SeikaiSuu = 0;
    Integer SyuuryouFlag = 0;
    Integer JikanGire = 0;
    Integer KirokuChuu = 0;
    Integer GoukeiKaisuu = 0;
};

// Counts, points and bests, by roster number (0..5000) and level (0..35).
struct Statistics {
    Table2D<Single> HonjituKaisuu{kMaxStudent, kMaxLevelIndex};
    Table2D<Long> HonjituPoint{kMaxStudent, kMaxLevelIndex};
    Table2D<Integer> RuikeiKaisuu{kMaxStudent, kMaxLevelIndex};
    Table2D<Long> RuikeiPoint{kMaxStudent, kMaxLevelIndex};
    Table2D<Integer> KikanKaisuuA{kMaxStudent, kMaxLevelIndex};
    Table2D<Integer> KikanKaisuuB{kMaxStudent, kMaxLevelIndex};
    Table2D<Long> KikanPointA{kMaxStudent, kMaxLevelIndex};
    Table2D<Long> KikanPointB{kMaxStudent, kMaxLevelIndex};
    Table2D<Long> JikoBest{kMaxStudent, kMaxLevelIndex};
    Integer MaxLevelClear = 0;
    Table1D<Long> LevelBest{0, kMaxLevelIndex};
};

// The newest records of the shared result file, in slots 1..RecordSuu (slot 0 stays empty).
struct RecentRecords {
    Table1D<double> RecHiduke{0, kMaxRecordSlots};
    Table1D<double> RecJikoku{0, kMaxRecordSlots};
    Table1D<Integer> RecBangou{0, kMaxRecordSlots};
    Table1D<Integer> RecLevel{0, kMaxRecordSlots};
    Table1D<Long> RecTime{0, kMaxRecordSlots};
    Long RecordSuu = 0;
    Integer RetryCount = 0;
};

// The sound cues.
struct SoundTable {
    Table2D<QString> OtoList{10, 21};  // (cue 0..10, row 0..21): row 0 the cue names, rows 1..20 the wave
                                       // files' base names, row 21 the number of files as text
    QString OtoCommand;                // the last media command sent
    Integer OtoErrorCount = 0;         // failed answer cues in a row
};

// The idiom table and the worksheet made from it.
struct PrintTable {
    Table2D<QString> TableData{1000, 100};
    Long TableRows = 0;
    Long TableCols = 0;
    Table2D<QString> PrintCell{10, 1000};
    Integer PrintRows = 0;
    Integer PrintCols = 0;
    std::vector<double> PrintColX;
    Integer PrintFontSize = 0;
    Integer PrintTateYoko = 0;
};

// Every group, for the run.
struct hensuu1 : ClassroomSettings,
                 LevelTable,
                 RosterTable,
                 DrillState,
                 Statistics,
                 RecentRecords,
                 SoundTable,
                 PrintTable {
    hensuu1();
};

}  // namespace pekuru
