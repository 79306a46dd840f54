#include "playlist/FolderScan.h"

#include "common/FileNames.h"
#include "playlist/MediaTypes.h"

#include <QList>
#include <algorithm>
#include <filesystem>
#include <set>
#include <sys/stat.h>
#include <utility>

namespace {

namespace fs = std::filesystem;

class Walk {
public:
    Walk(const std::atomic<bool> &stop, qsizetype maxEntries) : m_stop(stop), m_left(maxEntries) {}

    void Folder(const QString &folder, int depth)
    {
        if (Result.BudgetReached || m_stop.load(std::memory_order_relaxed))
            return;
        if (depth > FolderScan::MaxDepth) {
            Result.Skipped << folder;
            return;
        }
        struct stat st {};
        if (::stat(NativePath(folder).c_str(), &st) != 0 || !m_seen.insert({st.st_dev, st.st_ino}).second)
            return;
        QList<std::pair<QString, bool>> entries;
        std::error_code ec;
        for (fs::directory_iterator it(NativePath(folder), ec), end; !ec && it != end; it.increment(ec)) {
            if (m_stop.load(std::memory_order_relaxed) || Result.BudgetReached)
                return;
            if (--m_left < 0) {
                Result.BudgetReached = true;
                break; // what this folder gave so far still counts
            }
            const QString name = DecodeFileName(QByteArray::fromStdString(it->path().filename().native()));
            if (name.startsWith(u'.'))
                continue;
            std::error_code typeError;
            entries.append({name, it->is_directory(typeError)});
        }
        std::sort(entries.begin(), entries.end(), [](const auto &a, const auto &b) {
            const int c = a.first.compare(b.first, Qt::CaseInsensitive);
            return c != 0 ? c < 0 : a.first < b.first;
        });
        for (const auto &[name, isDir] : std::as_const(entries)) {
            const QString path = folder + u'/' + name;
            if (isDir) {
                Folder(path, depth + 1);
            } else if (MediaTypes::IsMediaFile(path)) {
                std::error_code fileError;
                if (fs::is_regular_file(NativePath(path), fileError))
                    Result.Files << path;
            }
        }
    }

    FolderScanResult Result;

private:
    const std::atomic<bool> &m_stop;
    qsizetype m_left;
    std::set<std::pair<dev_t, ino_t>> m_seen;
};

} // namespace

FolderScanResult FolderScan::Run(const QString &folder, const std::atomic<bool> &stop, qsizetype maxEntries)
{
    Walk walk(stop, maxEntries);
    walk.Folder(folder, 0);
    return std::move(walk.Result);
}
