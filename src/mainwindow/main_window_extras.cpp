// SPDX-License-Identifier: MIT
// What the window does beyond the list of links: links that follow the
// part-hash and AICH options, magnet links, and checking files against the
// lists they were saved in.

#include <QFileDialog>

#include <utility>

#include "check_files_dialog.h"
#include "dat_lst.h"
#include "main_window.h"
#include "path_names.h"
#include "stored_link.h"

namespace lm {

void TeD2KfrmMain::RerenderLinks() {
    const SettingsValues values = settings_.Snapshot();
    EditEntries([&values](TFileData& entry) {
        if (!entry.Link.isEmpty()) {
            entry.Link = RerenderLink(entry.Link, entry.Kept ? *entry.Kept : KeptDigests{}, values);
        }
    });
    // Part hashes make links much longer.
    DatLst->SetHorizontalExtent(DatLst->WidestRowExtent());
}

namespace {

// The magnet link of every hashed entry of `entries`, each followed by CR LF.
QString MagnetLines(const QList<TFileData>& entries, const SettingsValues& values) {
    QString text;
    for (const TFileData& entry : entries) {
        const QString magnet = MagnetForLink(entry.Link, entry.SHA1(),
                                             entry.Kept ? *entry.Kept : KeptDigests{}, values);
        if (!magnet.isEmpty()) {
            text += magnet;
            text += QLatin1StringView("\r\n");
        }
    }
    return text;
}

}  // namespace

void TeD2KfrmMain::mnuCpyMagnetClick() {
    // Every hashed row's magnet link, each with its CR LF, as Copy All does
    // with the links.
    const QString text = MagnetLines(table_.ListedEntries(), settings_.Snapshot());
    if (!text.isEmpty()) {
        SetClipboardText(text);
    }
}

void TeD2KfrmMain::mnuCpySelMagnetClick() {
    // The selected hashed rows' magnet links, as Copy Selected copies their
    // links: one alone without its CR LF.
    QList<TFileData> selected;
    for (const int row : DatLst->SelectedRows()) {
        if (const std::optional<TFileData> entry = table_.ListedEntry(row)) {
            selected << *entry;
        }
    }
    QString text = MagnetLines(selected, settings_.Snapshot());
    if (text.count(QLatin1StringView("\r\n")) == 1) {
        text.chop(2);
    }
    if (!text.isEmpty()) {
        SetClipboardText(text);
    }
}

void TeD2KfrmMain::mnuCheckListsClick() {
    QStringList lists;
    if (checkListsDialogHook) {
        lists = checkListsDialogHook();
    } else {
        const QStringList chosen = QFileDialog::getOpenFileNames(
            this, tr("Check Files Against List"), QString(), ListFileFilter(), nullptr,
            QFileDialog::DontUseNativeDialog | QFileDialog::ReadOnly);
        for (const QString& path : chosen) {
            lists << PathFromDialog(path);
        }
    }
    if (!lists.isEmpty()) {
        frmCheckFiles->CheckLists(lists);
    }
}

bool TeD2KfrmMain::TakeListToCheck(const QString& path) {
    if (!IsListToCheck(path)) {
        return false;
    }
    listsToCheck_ << path;
    return true;
}

void TeD2KfrmMain::CheckTakenLists() {
    if (!listsToCheck_.isEmpty() && !closing_) {
        frmCheckFiles->CheckLists(std::exchange(listsToCheck_, {}));
    }
}

}  // namespace lm
