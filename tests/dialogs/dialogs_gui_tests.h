// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QWidget>

namespace lm::test {

// Each file's test class, run by dialogs_gui_main.cpp.
int RunPrefsDialogTests(int argc, char** argv);
int RunSelDirDialogTests(int argc, char** argv);
int RunHintWindowTests(int argc, char** argv);
int RunAboutDialogTests(int argc, char** argv);
int RunCheckFilesDialogTests(int argc, char** argv);

// Grabs `widget` to <build>/screenshots/<name>.png; false when it could
// not be written.
bool SaveScreenshot(QWidget* widget, const QString& name);

}  // namespace lm::test
