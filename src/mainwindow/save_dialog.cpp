// SPDX-License-Identifier: MIT
#include "save_dialog.h"

#include <QDir>
#include <QFileInfo>

namespace lm {

TSavDlg::TSavDlg(QWidget* parent, std::function<void(const QString&)> report)
    : QFileDialog(parent, tr("Save As")), report_(std::move(report)) {
    setObjectName(QStringLiteral("SavDlg"));
    setOption(QFileDialog::DontUseNativeDialog);
    setAcceptMode(QFileDialog::AcceptSave);
    setFileMode(QFileDialog::AnyFile);
    setDefaultSuffix(QStringLiteral("ed2k"));
    setNameFilters({tr("ED2K Links (*.ed2k)"), tr("Text Files (*.txt)"), tr("All files (*.*)")});
    setFilter(filter() | QDir::Hidden);
    setSizeGripEnabled(true);
}

QString TSavDlg::CheckedTarget(const QString& chosen) {
    if (chosen.isEmpty() || !QFileInfo(QFileInfo(chosen).absolutePath()).isDir()) {
        return {};
    }
    return chosen;
}

QString TSavDlg::SuffixForFilter(const QString& nameFilter) {
    // "Text Files (*.txt)" gives "txt"; "All files (*.*)" none of its own.
    const qsizetype star = nameFilter.lastIndexOf(QLatin1StringView("(*."));
    const QString suffix = star < 0 ? QString() : nameFilter.mid(star + 3).chopped(1);
    return suffix.isEmpty() || suffix == u"*" ? QStringLiteral("ed2k") : suffix;
}

void TSavDlg::accept() {
    // A name typed without an extension gets the chosen type's: "info" with
    // "Text Files (*.txt)" chosen is saved as info.txt.
    setDefaultSuffix(SuffixForFilter(selectedNameFilter()));
    const QString chosen = selectedFiles().value(0);
    if (!chosen.isEmpty() && CheckedTarget(chosen).isEmpty()) {
        if (report_) {
            report_(tr("Error: The folder \"%1\" does not exist.")
                        .arg(QDir::toNativeSeparators(QFileInfo(chosen).absolutePath())));
        }
        return;  // stays open
    }
    QFileDialog::accept();
}

}  // namespace lm
