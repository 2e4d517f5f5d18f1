// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QDir>
#include <QPixmap>

#include "dialogs_gui_tests.h"

namespace lm::test {

bool SaveScreenshot(QWidget* widget, const QString& name) {
    const QString dir = QStringLiteral(LM_SCREENSHOT_DIR);
    QDir().mkpath(dir);
    return widget->grab().save(dir + u'/' + name + QStringLiteral(".png"));
}

}  // namespace lm::test

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    int failed = 0;
    for (auto run : {lm::test::RunPrefsDialogTests, lm::test::RunSelDirDialogTests,
                     lm::test::RunHintWindowTests, lm::test::RunAboutDialogTests,
                     lm::test::RunCheckFilesDialogTests}) {
        failed += run(argc, argv);
    }
    return failed == 0 ? 0 : 1;
}
