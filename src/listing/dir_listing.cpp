// SPDX-License-Identifier: MIT
#include "dir_listing.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "mask.h"
#include "path_names.h"

namespace lm {

std::atomic<bool> CancelListing{false};

ListingEventHook EventsEvery(int intervalMs) {
    auto since = std::make_shared<QElapsedTimer>();
    since->start();
    return [since, intervalMs] {
        if (since->elapsed() >= intervalMs) {
            QCoreApplication::processEvents();
            since->restart();
        }
    };
}

namespace {

struct DirCloser {
    void operator()(DIR* d) const { closedir(d); }
};
using DirHandle = std::unique_ptr<DIR, DirCloser>;

using DirId = std::pair<dev_t, ino_t>;

// `a` followed by `b` in a string of just that length: a folder of many
// files keeps every path for as long as it is listed (`a + b` would leave
// room to grow in each).
QString Joined(const QString& a, const QString& b) {
    QString out(a.size() + b.size(), Qt::Uninitialized);
    std::copy(b.cbegin(), b.cend(), std::copy(a.cbegin(), a.cend(), out.begin()));
    return out;
}

// Compiles each mask once, on its first use, so that an invalid mask is only
// reported when a file is tested against it, as if it were compiled per test.
class MaskList {
public:
    explicit MaskList(const QString& masks) {
        for (const QString& text : SplitMasks(masks)) {
            entries_.push_back({text, std::nullopt});
        }
    }

    bool AnyMatches(const QString& name) {
        for (Entry& entry : entries_) {
            if (!entry.mask) {
                entry.mask.emplace(entry.text);  // throws for an invalid mask
            }
            if (entry.mask->Matches(name)) {
                return true;
            }
        }
        return false;
    }

    bool Empty() const { return entries_.empty(); }

private:
    struct Entry {
        QString text;
        std::optional<TMask> mask;
    };
    std::vector<Entry> entries_;
};

class Lister {
public:
    Lister(MaskList& masks, QStringList& list, bool recurse, bool fullPath,
           const ListingEventHook& afterMatch)
        : masks_(masks),
          list_(list),
          recurse_(recurse),
          fullPath_(fullPath),
          afterMatch_(afterMatch) {}

    // `dir` ends in "/"; `encoded` is the same path as the file system has
    // it (names are carried as found, not re-encoded). `top` is the directory the user asked for,
    // the only one that looks at CancelListing.
    void Walk(const QString& dir, const QByteArray& encoded, bool top) {
        DirHandle handle(opendir(encoded.constData()));
        if (!handle) {
            return;
        }
        struct stat self {};
        if (fstat(dirfd(handle.get()), &self) != 0) {
            return;
        }
        // A directory that is already being walked further up is a link
        // back into the walk: entering it again would never end. Any other
        // directory is walked under every name that reaches it.
        const DirId id{self.st_dev, self.st_ino};
        for (const DirId& above : chain_) {
            if (above == id) {
                return;
            }
        }
        chain_.push_back(id);
        while (dirent* entry = readdir(handle.get())) {
            const char* raw = entry->d_name;
            if (std::strcmp(raw, ".") == 0 || std::strcmp(raw, "..") == 0) {
                continue;
            }
            HandleEntry(dir, encoded, raw, entry->d_type);
            if (top && CancelListing.load()) {
                break;
            }
        }
        chain_.pop_back();
    }

private:
    void HandleEntry(const QString& dir, const QByteArray& encodedDir, const char* raw,
                     unsigned char type) {
        bool isDir = type == DT_DIR;
        bool isFile = type == DT_REG;
        if (type == DT_LNK || type == DT_UNKNOWN) {
            // Follow links: whatever they point at decides.
            struct stat st {};
            if (stat((encodedDir + raw).constData(), &st) != 0) {
                return;  // a dangling link or a vanished entry
            }
            isDir = S_ISDIR(st.st_mode);
            isFile = S_ISREG(st.st_mode);
        }
        const QString name = PathFromBytes(raw);
        if (isDir) {
            if (recurse_) {
                Walk(dir + name + u'/', encodedDir + raw + '/', false);
            }
            return;
        }
        if (!isFile || !masks_.AnyMatches(name)) {
            return;
        }
        list_.append(fullPath_ ? Joined(dir, name) : name);
        if (afterMatch_) {
            afterMatch_();
        }
    }

    MaskList& masks_;
    QStringList& list_;
    bool recurse_;
    bool fullPath_;
    const ListingEventHook& afterMatch_;
    std::vector<DirId> chain_;  // the directories being walked, the top one first
};

}  // namespace

void ListDirFiles(const QString& dir, const QString& masks, QStringList& list, bool recurse,
                  bool fullPath, const ListingEventHook& afterMatch) {
    CancelListing = false;
    if (dir.isEmpty()) {
        return;
    }
    const QString top = dir.endsWith(u'/') ? dir : dir + u'/';
    MaskList maskList(masks);
    if (maskList.Empty()) {
        return;  // nothing can match
    }
    Lister(maskList, list, recurse, fullPath, afterMatch).Walk(top, PathToBytes(top), true);
}

FilesToAdd ListFilesToAdd(const QString& dir, const QString& masks, bool recurse,
                          const ListingEventHook& afterMatch) {
    FilesToAdd result;
    try {
        ListDirFiles(dir, masks, result.paths, recurse, true, afterMatch);
    } catch (const EMaskException& error) {
        result.paths.clear();
        result.maskError = error.Message();
    }
    return result;
}

}  // namespace lm
