// The global tables: bounds checked at every index, rows that take memory only when written.
#include <gtest/gtest.h>

#include "platform/ProgramError.h"
#include "shell/Tables.h"

using namespace pekuru;

TEST(Table2D, UntouchedRowsReadAsFilledAndWritesStayInTheirRow) {
    Table2D<int> t(5000, 35);
    const Table2D<int>& read = t;
    EXPECT_EQ(read(5000, 35), 0);
    t.fill(99999);
    t.fillColumn(0, 0);
    EXPECT_EQ(read(17, 0), 0);
    EXPECT_EQ(read(17, 1), 99999);
    EXPECT_EQ(t.rowsInUse(), 0);

    t(17, 3) = 42;
    t(4, 35) = 7;
    EXPECT_EQ(t.rowsInUse(), 2);
    EXPECT_EQ(read(17, 3), 42);
    EXPECT_EQ(read(17, 2), 99999);  // a new row starts from the untouched one
    EXPECT_EQ(read(17, 0), 0);
    EXPECT_EQ(read(18, 3), 99999);
    EXPECT_EQ(t.row(4)[35], 7);

    t.fillColumn(3, -1);  // reaches the rows in use and the untouched ones alike
    EXPECT_EQ(read(17, 3), -1);
    EXPECT_EQ(read(4999, 3), -1);
    t.fill(5);  // gives the rows back
    EXPECT_EQ(t.rowsInUse(), 0);
    EXPECT_EQ(read(17, 3), 5);
    EXPECT_EQ(read(17, 0), 5);
}

TEST(Table2D, EveryIndexOutsideTheBoundsIsTheRunTimeError) {
    Table2D<int> t(10, 3);
    const Table2D<int>& read = t;
    const std::pair<int, int> outside[] = {{-1, 0}, {11, 0}, {0, -1}, {0, 4}, {11, 4}};
    for (const auto& [a, b] : outside) {
        try {
            t(a, b) = 1;
            ADD_FAILURE() << "write (" << a << ", " << b << ") accepted";
        } catch (const ProgramError& e) {
            EXPECT_EQ(e.number(), ProgramError::SubscriptOutOfRange);
        }
        EXPECT_THROW((void)read(a, b), ProgramError);
    }
    EXPECT_THROW(t.fillColumn(4, 0), ProgramError);
    EXPECT_THROW((void)t.row(11), ProgramError);
    EXPECT_EQ(t.rowsInUse(), 0);  // nothing was allocated on the way
}
