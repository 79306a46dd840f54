#pragma once
// The media files of a folder tree (video and sound, by the extensions of the
// one media list), read from the file system alone, so it
// can run on a thread of its own while the window goes on answering. Each
// folder is sorted by name without regard to case, hidden entries are
// skipped, and the walk is depth first. Every real folder is read once,
// however many links lead to it (a web of links would otherwise multiply the
// walk), folders more than MaxDepth levels down are left out, and the walk
// stops after MaxEntries directory entries (a whole disk would take minutes).
#include <QString>
#include <QStringList>
#include <atomic>

struct FolderScanResult {
    QStringList Files;   // in play order
    QStringList Skipped; // folders left out for their depth
    bool BudgetReached = false;
};

class FolderScan {
public:
    static constexpr int MaxDepth = 32;
    static constexpr qsizetype MaxEntries = 100000;

    // Walks the tree below the absolute folder; a stop request ends it early
    // with what was found so far.
    static FolderScanResult Run(const QString &folder, const std::atomic<bool> &stop,
                                qsizetype maxEntries = MaxEntries);
};
