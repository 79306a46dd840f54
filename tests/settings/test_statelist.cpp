// State lists: any bytes survive a round trip, a hostile file is read within
// its bounds, and changes keep the newest entries first.
#include "settings/StateList.h"

TEST(StateList, HostileTextChangesAndBadFiles)
{
    const QByteArray big(StateList::MaxKeyBytes + 1, 'k');
    const struct {
        QByteArray text;
        QList<StateList::Entry> entries;
    } rows[] = {
        {"1\ta\n2\tb\n", {{"a", "1"}, {"b", "2"}}},
        {"1\ta\n2\ta\n", {{"a", "1"}}},                              // the first of a key counts
        {"no tab\n\t\n3\tc", {{"c", "3"}}},                          // malformed lines skipped
        {"%0A%09\t%25%0A%FF\n", {{"%\n\xff", "\n\t"}}},              // escaped bytes come back
        {"1\t" + big + "\n2\tb\n", {{"b", "2"}}},                    // an over-long key is skipped
        {QByteArray(StateList::MaxFileBytes, 'x') + "\n1\ta\n", {}}, // past the size bound
    };
    for (const auto &row : rows) {
        EXPECT_EQ(StateList::Parse(row.text, 2), row.entries) << row.text.left(40).toStdString();
        EXPECT_EQ(StateList::Parse(StateList::Format(row.entries), 2), row.entries);
    }
    EXPECT_EQ(StateList::Parse("1\ta\n2\tb\n3\tc\n", 2).size(), 2);
    QTemporaryDir dir;
    StateList list(dir.filePath("sub/list"), 3);
    EXPECT_TRUE(list.Entries().isEmpty());
    for (const char *key : {"a", "b", "c", "d", "b"})
        ASSERT_TRUE(list.Put(key, key));
    EXPECT_EQ(list.Entries(), (QList<StateList::Entry>{{"b", "b"}, {"d", "d"}, {"c", "c"}}));
    EXPECT_TRUE(list.Remove("d"));
    EXPECT_EQ(list.Value("c") + list.Value("d"), "c");
    EXPECT_TRUE(list.Clear() && list.Entries().isEmpty());

    // A folder or a device in its place reads as empty and is never written through.
    ASSERT_TRUE(QDir(dir.path()).mkpath("folder"));
    StateList folder(dir.filePath("folder"), 3);
    EXPECT_TRUE(folder.Entries().isEmpty());
    EXPECT_FALSE(folder.Put("a", "1"));
    EXPECT_TRUE(StateList("/dev/zero", 3).Entries().isEmpty());
}
