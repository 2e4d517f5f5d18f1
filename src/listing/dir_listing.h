// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>

namespace lm {

// Set to stop a running listing: the select-directory dialog sets it from the
// events that a listing lets through. Every ListDirFiles clears it first.
extern std::atomic<bool> CancelListing;

// Called after each file that a listing appends, so that the window can
// process pending events (and a Cancel click can set CancelListing).
using ListingEventHook = std::function<void()>;

// A hook that lets the window's pending events through, at most every
// `intervalMs`: a listing of many small files would otherwise spend more
// time on events than on the files, while the window still paints and
// answers (a Cancel click among them) within that time.
ListingEventHook EventsEvery(int intervalMs);

// Lists `dir` (with or without its trailing "/"; empty lists nothing) and
// appends to `list` every file whose name matches one of `masks` (split by
// SplitMasks, tested in order, each file taken once): its full path when
// `fullPath`, else its bare name. The order is the file system's own,
// depth-first and pre-order when `recurse`: a subdirectory's files come where
// the subdirectory stands in its parent's listing.
//
// Hidden files are listed like any others. Only regular files are taken;
// fifos, sockets and devices are skipped (reading one could block forever).
// A directory that cannot be read contributes nothing, silently. Symbolic
// links are followed: a directory reached under several names is walked
// under each of them, and its files are listed under each. Only a directory
// that is already being walked above the current one (by device and inode)
// is not entered again, so link cycles end.
//
// CancelListing is looked at after each entry of the top directory only; a
// subdirectory being walked is finished first.
//
// Throws EMaskException when a file is tested against an invalid mask; what
// was appended until then stays in `list`.
void ListDirFiles(const QString& dir, const QString& masks, QStringList& list, bool recurse,
                  bool fullPath, const ListingEventHook& afterMatch = {});

// What a folder holds for adding to the file list.
struct FilesToAdd {
    // The full paths of the matching files, in listing order; empty when
    // maskError is set.
    QStringList paths;
    // Empty when the listing is complete; otherwise the message of the
    // invalid mask ("'<mask>' is an invalid mask at (<position>)").
    QString maskError;
};

// Lists `dir` for adding: ListDirFiles with full paths, `afterMatch` after
// each file found (the window lets its events through there). Gives either
// every matching file or, when a file met an invalid mask, the error and no
// file at all: nothing of a folder whose mask fails may be added. Every way
// of adding a folder (Open Directory, a dropped folder, the command line, a
// hand-over) goes through here.
FilesToAdd ListFilesToAdd(const QString& dir, const QString& masks, bool recurse,
                          const ListingEventHook& afterMatch = {});

}  // namespace lm
