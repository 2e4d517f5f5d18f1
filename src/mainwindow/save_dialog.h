// SPDX-License-Identifier: MIT
#pragma once

#include <QFileDialog>
#include <QString>

#include <functional>

namespace lm {

// The save dialog of both save commands. A name in a folder that does not
// exist is refused with a message and the dialog stays open, so the last
// save folder never names a missing one.
class TSavDlg : public QFileDialog {
    Q_OBJECT

public:
    // `report` shows a refusal to the user.
    TSavDlg(QWidget* parent, std::function<void(const QString&)> report);

    // The extension a name typed without one gets under the name filter
    // chosen: the filter's own ("ed2k", "txt"), and "ed2k" for all files.
    static QString SuffixForFilter(const QString& nameFilter);

    // The chosen file when it may be saved; empty when its folder is missing.
    static QString CheckedTarget(const QString& chosen);

public slots:
    void accept() override;

private:
    std::function<void(const QString&)> report_;
};

}  // namespace lm
