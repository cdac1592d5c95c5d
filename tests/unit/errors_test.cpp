#include "core/errors.h"
#include "forms/form.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

TEST(Errors, ResumeNextSkipsTheFailingStepAndRunsTheNext) {
    std::vector<int> ran;
    rt::ResumeNext steps;
    steps([&] { ran.push_back(1); });
    steps([&] {
        rt::raise(rt::DivisionByZero);
        ran.push_back(99);  // the rest of a failing step does not run
    });
    steps([&] { ran.push_back(3); });
    steps([&] { rt::raise(rt::TypeMismatch, "Text1"); });
    steps([&] { ran.push_back(5); });
    EXPECT_EQ(ran, (std::vector<int>{1, 3, 5}));
}

TEST(Errors, LeaveAtFirstErrorReturnsItsNumber) {
    struct Case { std::vector<int> steps; int expected; int stepsRun; };
    // 0 is a step that succeeds, anything else the error it raises.
    const std::vector<Case> cases = {
        {{0, 0, 0}, 0, 3},
        {{0, rt::Overflow, rt::TypeMismatch}, rt::Overflow, 1},
        {{rt::FileNotFound, 0}, rt::FileNotFound, 0},
        {{}, 0, 0},
    };
    for (const auto& c : cases) {
        int run = 0;
        EXPECT_EQ(rt::leaveAtFirstError([&] {
            for (int e : c.steps) {
                if (e) rt::raise(e);
                ++run;
            }
        }), c.expected);
        EXPECT_EQ(run, c.stepsRun);
    }
}

TEST(Errors, OnlyRunTimeErrorsAreSwallowed) {
    rt::ResumeNext steps;
    EXPECT_THROW(steps([] { throw std::runtime_error("bug"); }), std::runtime_error);
    EXPECT_THROW(rt::leaveAtFirstError([] { throw std::out_of_range("bug"); }), std::out_of_range);
    // Ending the program inside a resumed handler still ends it.
    EXPECT_THROW(steps([] { throw forms::ProgramEnded{}; }), forms::ProgramEnded);
    forms::Form form("Form1");
    EXPECT_THROW(rt::leaveAtFirstError([&] { form.endProgram(); }), forms::ProgramEnded);
}

TEST(Errors, EndProgramTellsTheObserversThenThrows) {
    struct Ending : forms::FormObserver {
        int ended = 0;
        void formChanged(forms::Form&, forms::Prop) override {}
        void controlChanged(forms::Control&, forms::Prop) override {}
        void programEnding(forms::Form&) override { ++ended; }
    } ending;
    forms::Form form("Form1");
    form.addObserver(&ending);
    bool after = false;
    EXPECT_THROW(
        {
            form.endProgram();
            after = true;
        },
        forms::ProgramEnded);
    form.removeObserver(&ending);
    EXPECT_EQ(ending.ended, 1);
    EXPECT_FALSE(after);
}

TEST(Errors, TheUnhandledErrorMessageNamesTheNumberThenDescribesIt) {
    struct Case { int number; const char* detail; const char* shown; };
    const Case cases[] = {
        // A known number speaks the runtime's own words, whatever the detail.
        {rt::InvalidProcedureCall, "", "Run-time error '5':\n\nInvalid procedure call or argument"},
        {rt::FileNotFound, "C:\\x\\settings.ini", "Run-time error '53':\n\nFile not found"},
        {rt::ObjectNotSet, "", "Run-time error '91':\n\nObject variable or With block variable not set"},
        {381, "List1: no entry 4", "Run-time error '381':\n\nInvalid property array index"},
        // Others say what the raiser said, or the generic text.
        {-2005401480, "DirectSoundCreate8 failed (0x88780078)",
         "Run-time error '-2005401480':\n\nDirectSoundCreate8 failed (0x88780078)"},
        {1000, "", "Run-time error '1000':\n\nApplication-defined or object-defined error"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.number);
        EXPECT_EQ(rt::unhandledErrorMessage(rt::Error(c.number, c.detail)), c.shown);
    }
}

} // namespace
