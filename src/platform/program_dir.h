#pragma once

#include <QString>

namespace lm {

// The folder that holds Linkmint.ini and LinkmintDebug.log, with a trailing
// "/": $LINKMINT_HOME when set; else the executable's folder when it is
// writable; else $XDG_CONFIG_HOME/linkmint/ (created when missing).
QString ProgramDirectory();

}  // namespace lm
