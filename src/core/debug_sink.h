// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace lm {

// Where step messages go when the program runs with "/debug". Safe to call
// from any thread.
class DebugSink {
public:
    virtual ~DebugSink() = default;
    virtual bool Enabled() const = 0;
    virtual void WriteDebugLog(const QString& message) = 0;
};

}  // namespace lm
