// Run-time errors of the window toolkit and the resume-next mode.
//
// An error carries the number that the windows and the monitor set test for
// (453: a system function is missing, 457: the key is already in a collection,
// ...). A guarded step is one call of resumeNext(): whatever the step throws is
// skipped silently and the caller goes on with its next statement. This header
// is plain C++ so that the monitor set can use it without the toolkit's GUI.
#pragma once

#include <exception>
#include <string>
#include <utility>

namespace toolkit {

enum ErrorNumber : int {
    ErrSubscriptOutOfRange = 9,
    ErrOverflow = 6,
    ErrDivisionByZero = 11,
    ErrInvalidProcedureCall = 5,
    ErrInvalidPropertyValue = 380,
    ErrPropertyNotFound = 438,
    ErrFunctionMissing = 453,
    ErrDuplicateKey = 457,
};

class Error : public std::exception {
public:
    Error(int number, std::string description)
        : m_number(number), m_description(std::move(description)) {}

    int number() const noexcept { return m_number; }
    const std::string &description() const noexcept { return m_description; }
    const char *what() const noexcept override { return m_description.c_str(); }

private:
    int m_number;
    std::string m_description;
};

// Runs one guarded step: an error raised by it is skipped, as in resume-next mode.
template <class Step>
void resumeNext(Step &&step) noexcept
{
    try {
        step();
    } catch (const std::exception &) {
    }
}

} // namespace toolkit
