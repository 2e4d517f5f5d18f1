// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <ostream>

#include "debug_sink.h"
#include "file_table.h"
#include "row_sink.h"
#include "worker_host.h"

inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QByteArray& text, std::ostream* out) {
    *out << text.toStdString();
}

namespace lm::test {

// The rows as a list would hold them, their texts read from the table as
// each change is told.
class RecordingRows : public RowSink {
public:
    const FileTable* table = nullptr;  // set before the first RefreshList
    QStringList rows;
    QList<bool> selected;
    int rewrites = 0;  // rows told that their text changed

    int RowCount() const override { return static_cast<int>(rows.size()); }
    QString RowText(int row) const { return rows.at(row); }
    void InsertRows(int first, int count) override {
        for (int i = 0; i < count; ++i) {
            rows.insert(first + i, table->ListedText(first + i));
            selected.insert(first + i, false);
        }
    }
    void RemoveRows(int first, int count) override {
        rows.remove(first, count);
        selected.remove(first, count);
    }
    void ResetRows(int count) override {
        rows.clear();
        selected.clear();
        InsertRows(0, count);
    }
    void RowsChanged(int first, int last) override {
        for (int row = first; row <= last; ++row) {
            rows[row] = table->ListedText(row);
            ++rewrites;
        }
    }
    void SetRowsSelected(int first, int last, bool on) override {
        for (int row = first; row <= last; ++row) {
            selected[row] = on;
        }
    }
    void BeginBatch() override {}
    void EndBatch() override {}
};

// Every call as one line in `calls`; the deferred events' actions, which
// come from a timer, in `events`.
class RecordingHost : public WorkerHost {
public:
    QStringList calls, events;
    RecordingRows rows;
    std::atomic<int> extent{0};
    bool startup = false;

    void SetStatusText(int panel, const QString& t) override {
        Add(QString("status%1:").arg(panel) + t);
    }
    void RepaintStatusBar() override { Add("repaint"); }
    void SetApplicationTitle(const QString& t) override { Add("title:" + t); }
    void SetTrayTip(const QString& t) override { Add("tip:" + t); }
    void SetPauseControls(int picture, const QString& tip, const QString& caption) override {
        Add(QString("pause:%1|%2|%3").arg(picture).arg(tip, caption));
    }
    void SetPauseEnabled(bool on) override { Add(QString("pauseEnabled:%1").arg(on)); }
    void EnableRemoveAllAndSort() override { Add("enableRemoveSort"); }
    void SetBusyCursor(bool busy) override { Add(QString("cursor:%1").arg(busy)); }
    RowSink& Rows() override {
        Add("rows");
        return rows;
    }
    // The two the worker calls on its own thread.
    int LinkTextWidth(const QString& link) override { return static_cast<int>(link.size()) * 6; }
    bool RaiseScrollExtent(int width) override {
        int current = extent.load();
        while (width > current) {
            if (extent.compare_exchange_weak(current, width)) {
                return true;
            }
        }
        return false;
    }
    void ApplyScrollExtent() override { Add(QString("scroll:%1").arg(extent.load())); }
    void CopyAllLinks() override { Add("copyAll"); }
    void CopySelectedLinks() override { Add("copySelected"); }
    void PlayNotifySound() override { Add("sound"); }
    void RefreshInfo() override { events << "info"; }
    void ShowError(const QString& text) override { events << "error:" + text; }
    void CloseProgram() override { events << "close"; }
    bool StartupInProgress() override {
        events << "startup?";
        return startup;
    }
    void HideToTray() override { events << "hide"; }

    // The calls that start with `prefix`, without it.
    QStringList Calls(const QString& prefix) const {
        QStringList out;
        for (const QString& call : calls) {
            if (call.startsWith(prefix)) {
                out << call.mid(prefix.size());
            }
        }
        return out;
    }

private:
    void Add(const QString& call) { calls << call; }
};

// Collects the debug messages. HookAt runs `action` on the worker thread
// when `message` is written the first time, and with `block` keeps the
// worker there until Release().
class RecordingDebug : public DebugSink {
public:
    bool Enabled() const override { return true; }
    void WriteDebugLog(const QString& message) override {
        std::unique_lock lock(mutex_);
        messages_ << message;
        if (message != hookMessage_ || reached_) {
            return;
        }
        lock.unlock();
        action_();
        lock.lock();
        reached_ = true;
        released_.wait(lock, [this] { return release_; });
    }
    void HookAt(const QString& message, std::function<void()> action, bool block) {
        std::lock_guard lock(mutex_);
        hookMessage_ = message;
        action_ = action ? std::move(action) : [] {};
        reached_ = false;
        release_ = !block;
    }
    QStringList Messages() const {
        std::lock_guard lock(mutex_);
        return messages_;
    }
    bool Reached() const {
        std::lock_guard lock(mutex_);
        return reached_;
    }
    void Release() {
        std::lock_guard lock(mutex_);
        release_ = true;
        released_.notify_all();
    }

private:
    mutable std::mutex mutex_;
    std::condition_variable released_;
    QStringList messages_;
    QString hookMessage_;
    std::function<void()> action_;
    bool reached_ = false;
    bool release_ = true;
};

// Runs the event loop until `done` holds; false after two minutes.
bool ProcessUntil(const std::function<bool()>& done);
void WriteFile(const QString& path, std::int64_t size, std::uint32_t seed = 1);

// What a file should give.
struct Reference {
    QByteArray ed2k, ed2kSecond, crc32, md5, sha1;  // upper-case hexadecimal
    std::int64_t size = 0;
};
Reference ReferenceFor(const QString& path);
QString LinkFor(const QString& name, std::int64_t size, const QByteArray& hash);

}  // namespace lm::test
