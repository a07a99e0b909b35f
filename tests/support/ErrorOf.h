#pragma once

#include <gtest/gtest.h>

#include "platform/ProgramError.h"

namespace pekuru::test {

// Runs `f` and returns the ProgramError it throws; a test fails when nothing is thrown.
template <typename F>
ProgramError errorOf(F f) {
    try {
        f();
    } catch (const ProgramError& e) {
        return e;
    }
    ADD_FAILURE() << "no error thrown";
    return ProgramError(0, QString());
}

}  // namespace pekuru::test
