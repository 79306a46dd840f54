// A folder add stops at a sane depth and says in the log what it skipped.
#include "playlist/ZorviPlaylist.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(DeepFolders, ScanStopsAtTheDepthLimitAndLogsWhatItSkipped)
{
    const int limit = TZorviPlaylist::MaxScanDepth;
    QTemporaryDir dir;
    QStringList levels{dir.path()}; // one video at every level, the added folder being level 0
    for (int depth = 0; depth <= limit + 8; ++depth) {
        QFile(levels.last() + QStringLiteral("/v%1.avi").arg(depth)).open(QIODevice::WriteOnly);
        levels << levels.last() + "/d";
        ASSERT_TRUE(QDir().mkdir(levels.last()));
    }
    TZorviPlaylist playlist;
    QStringList log;
    playlist.Log = [&log](const QString &line) { log << line; };
    EXPECT_EQ(playlist.Add(dir.path()), 0);
    EXPECT_EQ(playlist.Count(), limit + 1);
    EXPECT_EQ(playlist.Items(0)->Title,
              QStringLiteral("v%1.avi").arg(limit)); // depth first: the deepest comes first
    EXPECT_EQ(log, QStringList{"$|Folder not scanned, deeper than 32 levels: " + levels[limit + 1]});
}
