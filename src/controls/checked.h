#pragma once

#include <QtGlobal>

#include <exception>
#include <limits>
#include <stdexcept>

namespace orbisco {

// Counts, indices and zone numbers are 16-bit; a value that leaves that range is an error, never
// a wrap.
inline qint16 toInt16(qint64 value)
{
    if (value < std::numeric_limits<qint16>::min() || value > std::numeric_limits<qint16>::max())
        throw std::overflow_error("value out of the 16-bit range");
    return static_cast<qint16>(value);
}

// Runs one step of a handler that must not stop at a failure: a step that fails loses only
// itself, and the handler goes on with its next step. Nothing is shown or logged; the handlers
// have nothing to tell the person that the state of the window does not already show.
template <typename Step>
void skipOnError(Step &&step) noexcept
{
    try {
        step();
    } catch (const std::exception &) {}
}

} // namespace orbisco
