// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace lm {

// The folder that holds Linkmint.ini and LinkmintDebug.log, with a trailing
// "/": $LINKMINT_HOME when set; else, for an installed program,
// $XDG_CONFIG_HOME/linkmint/ (created when missing); else the executable's
// folder when it is writable; else that config folder too.
QString ProgramDirectory();

// ProgramDirectory() for a program whose executable lies in `exeDir`
// (empty when there is none to ask).
QString ProgramDirectoryFor(const QString& exeDir);

// True when `exeDir` is the bin folder of an installed Linkmint: the desktop
// entry that the install puts in <prefix>/share/applications/ is found at
// its place relative to it. A build tree has none, whoever may write it.
bool IsInstalledProgramDir(const QString& exeDir);

// The icon-theme name of the installed icons when the running executable is
// an installed one; empty otherwise (a build tree has no themed icon).
QString InstalledIconName();

}  // namespace lm
