// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

#include "dialog_host.h"
#include "file_data.h"
#include "path_names.h"

namespace lm::test {

// Stands in for the main window: a file table and its rows as plain lists,
// and a record of every call the dialogs make.
class FakeDialogHost : public DialogHost {
public:
    QList<TFileData> entries;
    QStringList rows;  // what the list shows for each entry
    QStringList added;
    QStringList errors;
    QStringList statusTexts;
    QList<bool> infoWinVisible;
    QList<bool> exitWhenDoneVisible;
    QList<ThreadPriority> priorities;
    QStringList openDialogDirs;
    int updateInfoWinCalls = 0;
    int editCalls = 0;
    int rerenderCalls = 0;
    int saveCalls = 0;
    int startHashingCalls = 0;
    int sortCalls = 0;
    int playCalls = 0;
    int remaining = 0;
    bool paused = false;
    std::function<void()> onSave;              // run by each SaveIniFile
    std::function<void(TFileData&)> rerender;  // what RerenderLinks does to each entry

    int ListRowCount() const override { return static_cast<int>(rows.size()); }
    void EditEntries(const std::function<void(TFileData&)>& edit) override {
        ++editCalls;
        for (int i = 0; i < entries.size(); ++i) {
            edit(entries[i]);
            rows[i] = entries[i].Link.isEmpty() ? entries[i].FileName : entries[i].Link;
        }
    }
    void RerenderLinks() override {
        ++rerenderCalls;
        for (int i = 0; rerender && i < entries.size(); ++i) {
            rerender(entries[i]);
            rows[i] = entries[i].Link.isEmpty() ? entries[i].FileName : entries[i].Link;
        }
    }
    void AddFileIfThere(const QString& path) override {
        if (KindOfPath(path) == PathKind::File) {
            added.append(path);
            ++remaining;
        }
    }
    int FileCount() const override { return static_cast<int>(added.size()); }
    int FilesRemaining() const override { return remaining; }
    void SortEntries() override { ++sortCalls; }
    void StartHashing() override { ++startHashingCalls; }
    bool HashingPaused() const override { return paused; }
    void SetWorkerPriority(ThreadPriority priority) override { priorities.append(priority); }
    void SetInfoWinVisible(bool visible) override { infoWinVisible.append(visible); }
    void UpdateInfoWin() override { ++updateInfoWinCalls; }
    void SetExitWhenDoneVisible(bool visible) override { exitWhenDoneVisible.append(visible); }
    void SetStatusText(int panel, const QString& text) override {
        statusTexts.append(QString::number(panel) + u':' + text);
    }
    void SetOpenDialogDirectory(const QString& dir) override { openDialogDirs.append(dir); }
    void PlayNotifySound() override { ++playCalls; }
    void SaveIniFile() override {
        ++saveCalls;
        if (onSave) {
            onSave();
        }
    }
    void ShowError(const QString& text) override { errors.append(text); }
};

}  // namespace lm::test
