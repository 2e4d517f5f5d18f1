// SPDX-License-Identifier: MIT
#include "activation_token.h"

#include <algorithm>

namespace lm {

bool IsUsableToken(const QString& token) {
    return !token.isEmpty() && token.size() <= kMaxTokenUnits &&
           std::all_of(token.begin(), token.end(),
                       [](QChar c) { return c.unicode() > 0x20 && c.unicode() < 0x7F; });
}

ActivationTokens ActivationTokensFromEnvironment() {
    ActivationTokens tokens;
    const QString xdg = qEnvironmentVariable("XDG_ACTIVATION_TOKEN");
    const QString startup = qEnvironmentVariable("DESKTOP_STARTUP_ID");
    if (IsUsableToken(xdg)) {
        tokens.xdgActivation = xdg;
    }
    if (IsUsableToken(startup)) {
        tokens.startupId = startup;
    }
    return tokens;
}

}  // namespace lm
