#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <ostream>

#include "debug_sink.h"
#include "row_sink.h"
#include "worker_host.h"

// Readable values in failure messages.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QByteArray& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace lm::test {

// List rows kept in memory.
class RecordingRows : public RowSink {
public:
    QStringList rows;
    QList<bool> selected;
    int current = -1;
    int batches = 0;
    int rewrites = 0;  // SetRowText calls

    int RowCount() const override { return static_cast<int>(rows.size()); }
    QString RowText(int row) const override { return rows.at(row); }
    void SetRowText(int row, const QString& text) override {
        rows[row] = text;
        ++rewrites;
    }
    void AppendRow(const QString& text) override {
        rows.append(text);
        selected.append(false);
    }
    void DeleteLastRow() override {
        rows.removeLast();
        selected.removeLast();
    }
    void SetRowSelected(int row, bool on) override { selected[row] = on; }
    int CurrentItem() const override { return current; }
    void SetCurrentItem(int row) override { current = row; }
    void BeginBatch() override {}
    void EndBatch() override { ++batches; }
};

// Writes every host call as one line into `calls`, except the deferred
// events' actions, which go to `events` (they fire on a timer).
class RecordingHost : public WorkerHost {
public:
    QStringList calls;
    QStringList events;
    RecordingRows rows;
    int extent = 0;
    bool startupInProgress = false;

    void SetStatusText(int panel, const QString& text) override {
        calls << QStringLiteral("status%1:%2").arg(panel).arg(text);
    }
    void RepaintStatusBar() override { calls << QStringLiteral("repaint"); }
    void SetApplicationTitle(const QString& title) override { calls << "title:" + title; }
    void SetTrayTip(const QString& tip) override { calls << "tip:" + tip; }
    void SetPauseControls(int picture, const QString& tooltip, const QString& caption) override {
        calls << QStringLiteral("pause:%1|%2|%3").arg(picture).arg(tooltip, caption);
    }
    void SetPauseEnabled(bool enabled) override {
        calls << QStringLiteral("pauseEnabled:%1").arg(enabled ? 1 : 0);
    }
    void EnableRemoveAllAndSort() override { calls << QStringLiteral("enableRemoveSort"); }
    void SetBusyCursor(bool busy) override {
        calls << QStringLiteral("cursor:%1").arg(busy ? 1 : 0);
    }
    RowSink& Rows() override {
        calls << QStringLiteral("rows");
        return rows;
    }
    int LinkTextWidth(const QString& link) override { return static_cast<int>(link.size()) * 6; }
    int ScrollExtent() override { return extent; }
    void SetScrollExtent(int width) override {
        extent = width;
        calls << QStringLiteral("scroll:%1").arg(width);
    }
    void CopyAllLinks() override { calls << QStringLiteral("copyAll"); }
    void CopySelectedLinks() override { calls << QStringLiteral("copySelected"); }
    void PlayNotifySound() override { calls << QStringLiteral("sound"); }
    void RefreshInfo() override { events << QStringLiteral("info"); }
    void ShowError(const QString& text) override { events << "error:" + text; }
    void CloseProgram() override { events << QStringLiteral("close"); }
    bool StartupInProgress() override {
        events << QStringLiteral("startup?");
        return startupInProgress;
    }
    void HideToTray() override { events << QStringLiteral("hide"); }

    // Only the calls whose text starts with `prefix`, without it.
    QStringList Calls(const QString& prefix) const;
};

// Collects the worker's debug messages. A hook may be set for one message:
// when the worker writes it for the `occurrence`-th time, `action` runs on
// the worker thread, and with `block` the worker then waits there until the
// test calls Release().
class RecordingDebug : public DebugSink {
public:
    bool Enabled() const override { return true; }
    void WriteDebugLog(const QString& message) override;

    QStringList Messages() const;
    void HookAt(const QString& message, int occurrence, std::function<void()> action, bool block);
    bool Reached() const;
    void Release();

private:
    mutable std::mutex mutex_;
    std::condition_variable released_;
    QStringList messages_;
    QString hookMessage_;
    int hookOccurrence_ = 0;
    int seen_ = 0;
    std::function<void()> action_;
    bool block_ = false;
    bool reached_ = false;
    bool release_ = false;
};

// Runs the event loop until `done` holds; false after a generous limit
// (the test then fails instead of hanging).
bool ProcessUntil(const std::function<bool()>& done);
// Runs the event loop for the posted events that are already waiting.
void ProcessPending();

// A file of `size` bytes of varied content (seeded), made in one go.
void WriteFile(const QString& path, std::int64_t size, std::uint32_t seed = 1);

// What the file should give, computed here with Qt's hashes and a plain
// bitwise CRC-32, independent of the hashing library.
struct Reference {
    QByteArray ed2k;        // upper-case hexadecimal
    QByteArray ed2kSecond;  // empty unless the size is a multiple of the chunk size
    QByteArray crc32;
    QByteArray md5;
    QByteArray sha1;
    std::int64_t size = 0;
};
Reference ReferenceFor(const QString& path);
QString LinkFor(const QString& path, std::int64_t size, const QByteArray& hash);

}  // namespace lm::test
