// The archives embedded as :/skins/1.zip and :/skins/2.zip: well formed,
// every picture they name present as a 24-bit BMP, and their skin.ini
// declaring what the two built-in skins are known by.
#include "skin/BuiltInSkins.h"

#include "ZipTestReader.h"

#include <QFile>
#include <QMap>
#include <gtest/gtest.h>
#include <optional>

namespace {

using Ini = QMap<QString, QMap<QString, QString>>; // lower-case section and key

Ini ParseIni(const QByteArray &text)
{
    Ini ini;
    QString section;
    for (const QByteArray &raw : text.split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.startsWith('[') && line.endsWith(']'))
            section = line.mid(1, line.size() - 2).trimmed().toLower();
        else if (!section.isEmpty() && !line.startsWith(';') && line.contains('='))
            ini[section][line.section('=', 0, 0).trimmed().toLower()] = line.section('=', 1).trimmed();
    }
    return ini;
}

struct Skin {
    ZipTestArchive archive;
    Ini ini;
    const ZipTestMember *Find(const QString &name) const
    {
        for (const ZipTestMember &m : archive.members)
            if (QString::fromUtf8(m.name).compare(name, Qt::CaseInsensitive) == 0)
                return &m;
        return nullptr;
    }
};

Skin Load(int id)
{
    InitBuiltInSkins();
    QFile f(BuiltInSkinResource(id));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << f.fileName().toStdString();
    Skin s{ZipTestParse(f.readAll()), {}};
    if (!s.archive.members.empty())
        s.ini = ParseIni(s.archive.members.front().data);
    return s;
}

} // namespace

TEST(BuiltInSkins, ArchivesAreWellFormedAndStartWithSkinIni)
{
    for (int id : {1, 2}) {
        SCOPED_TRACE(id);
        const Skin s = Load(id);
        ASSERT_TRUE(s.archive.error.isEmpty()) << s.archive.error.toStdString();
        ASSERT_GT(s.archive.members.size(), 10u);
        EXPECT_EQ(s.archive.members.front().name, "skin.ini");
        for (const ZipTestMember &m : s.archive.members) {
            EXPECT_EQ(m.method, 8) << m.name.toStdString();
            EXPECT_EQ(m.flags & 0x0008, 0) << m.name.toStdString();
        }
    }
}

TEST(BuiltInSkins, EveryNamedPictureIsA24BitBmpInTheArchive)
{
    static const QStringList fileKeys = {"bitmap",    "bitmapb",      "bitmapf",
                                         "selbitmap", "scrollbarbmp", "thumbbmp"};
    for (int id : {1, 2}) {
        SCOPED_TRACE(id);
        const Skin s = Load(id);
        int named = 0;
        for (auto sec = s.ini.begin(); sec != s.ini.end(); ++sec) {
            for (const QString &key : fileKeys) {
                const QString file = sec.value().value(key);
                if (file.isEmpty())
                    continue;
                ++named;
                const ZipTestMember *m = s.Find(file);
                ASSERT_NE(m, nullptr) << sec.key().toStdString() << " names " << file.toStdString();
                const QByteArray &b = m->data;
                ASSERT_GE(b.size(), 54);
                EXPECT_EQ(b.left(2), "BM");
                const quint32 w = ZipTestRead(b, 18, 4), h = ZipTestRead(b, 22, 4);
                EXPECT_EQ(ZipTestRead(b, 28, 2), 24u) << file.toStdString();
                EXPECT_EQ(ZipTestRead(b, 30, 4), 0u) << file.toStdString(); // uncompressed
                EXPECT_EQ(quint32(b.size()), 54 + ((w * 3 + 3) & ~3u) * h) << file.toStdString();
            }
        }
        EXPECT_EQ(named, int(s.archive.members.size()) - 1) << "every picture is named by skin.ini";
    }
}

TEST(BuiltInSkins, DeclareWhatEachSkinIsKnownBy)
{
    struct Row {
        int id;
        const char *section, *key;
        std::optional<const char *> value; // nullopt: the key must be absent
    };
    const Row rows[] = {
        {1, "TopPanel", "Size", "22"},
        {1, "BottomPanel", "Size", "52"},
        {1, "LeftPanel", "Size", "4"},
        {1, "RightPanel", "Size", "4"},
        {1, "BottomPanel", "BitmapPart1", "X1,Y0,X2,LY|HS"},
        {1, "BottomPanel", "BitmapPart3", std::nullopt},
        {1, "BStatus", "Command", "showlog"},
        {1, "BMinimize", "Command", "minimize"},
        {1, "BFullscreen", "Command", "fullscreen"},
        {1, "BMainQuit", "Command", "mainquit"},
        {1, "BPlaylist", "Command", "playlist"},
        {1, "BStop", "Command", "stop"},
        {1, "BPrev", "Command", "prev"},
        {1, "BPlayPause", "Command", "pause"},
        {1, "BNext", "Command", "next"},
        {1, "BSeekB", "Command", "seek -10"},
        {1, "BSeekF", "Command", "seek +10"},
        {1, "BSeekB", "Repeat", "1"},
        {1, "BSeekF", "Repeat", "1"},
        {1, "BMute", "Command", "mute"},
        {1, "BStop", "CenterH", "1"},
        {1, "BPrev", "CenterH", "1"},
        {1, "BPlayPause", "CenterH", "1"},
        {1, "BNext", "CenterH", "1"},
        {1, "BMute", "CenterH", std::nullopt},
        {1, "SeekBar", "BitmapF", "seek_f.bmp"},
        {1, "VolBar", "BitmapF", "vol_f.bmp"},
        {1, "SeekBar", "ThumbBmp", std::nullopt},
        {1, "Playlist", "Align", "alLeft"},
        {1, "Playlist", "Size", "200"},
        {1, "Playlist", "Margins", "0,18,5,0"},
        {1, "Playlist", "SelBitmap", std::nullopt},
        {1, "BPLClose", "Type", "button"},
        {1, "BPLClose", "Parent", "Playlist"},
        {1, "BPLClose", "Command", "playlist"},

        {2, "TopPanel", "Size", "29"},
        {2, "BottomPanel", "Size", "77"},
        {2, "LeftPanel", "Size", "4"},
        {2, "RightPanel", "Size", "4"},
        {2, "BPlay", "Command", "play"},
        {2, "BPause", "Command", "frame_step"},
        {2, "BPause", "Repeat", "1"},
        {2, "BSeekB", "Command", "seek -10"},
        {2, "BSeekF", "Command", "seek +10"},
        {2, "BSeekB", "Repeat", "1"},
        {2, "BSeekF", "Repeat", "1"},
        {2, "BStatus", "Command", "showlog"},
        {2, "BStop", "Command", "stop"},
        {2, "BMute", "Command", "mute"},
        {2, "BPlaylist", "Command", "playlist"},
        {2, "VolBar", "ThumbStates", "2"},
        {2, "SeekBar", "BitmapF", std::nullopt},
        {2, "VolBar", "BitmapF", std::nullopt},
        {2, "Playlist", "Align", "alRight"},
        {2, "Playlist", "Size", "200"},
        {2, "Playlist", "Margins", "4,23,0,0"},
        {2, "Playlist", "ScrollbarWidth", "17"},
        {2, "Playlist", "ThumbStates", "3"},
        {2, "Playlist", "Bitmap", std::nullopt},
        {2, "Playlist", "SelBitmap", std::nullopt},
        {2, "LPlaylist", "Font1Color", std::nullopt},
        {2, "LPlaylist", "F1Color", "$009E4E1D"},
        {2, "Separator0", "Type", "image"},
        {2, "Separator1", "Type", "image"},
        {2, "Separator0", "Bitmap", std::nullopt},
        {2, "Separator1", "BitmapPart1", std::nullopt},
        {2, "SizeGrip", "Type", "sizegrip"},
        {2, "BPLClose", "Type", "button"},
        {2, "BPLClose", "Parent", "Playlist"},
        {2, "BPLClose", "Command", "playlist"},
    };
    const Skin skins[2] = {Load(1), Load(2)};
    for (const Row &r : rows) {
        const Ini &ini = skins[r.id - 1].ini;
        const QString section = QString(r.section).toLower();
        SCOPED_TRACE(std::to_string(r.id) + " [" + r.section + "] " + r.key);
        ASSERT_TRUE(ini.contains(section));
        const QMap<QString, QString> &keys = ini[section];
        if (r.value)
            EXPECT_EQ(keys.value(QString(r.key).toLower(), "<absent>"), QString(*r.value));
        else
            EXPECT_FALSE(keys.contains(QString(r.key).toLower()));
    }
    // Colour parts: the playlist background and selection of "ZE6 ZO" and the
    // selection of "Default" are drawn from colours, as are both separators.
    const QList<std::pair<int, QString>> colourParts = {
        {1, "SelBitmapPart0"}, {2, "BitmapPart0"}, {2, "SelBitmapPart0"}};
    for (const auto &[id, key] : colourParts)
        EXPECT_TRUE(skins[id - 1].ini["playlist"].value(key.toLower()).contains("|C:"))
            << id << key.toStdString();
    EXPECT_TRUE(skins[1].ini["separator0"].value("bitmappart0").contains("|C:"));
    EXPECT_TRUE(skins[1].ini["separator1"].value("bitmappart0").contains("|C:"));

    const QStringList onlyDefault = {"bplaypause"},
                      onlyZe6 = {"bplay", "bpause", "lstatus", "sizegrip", "separator0", "separator1"};
    for (const QString &s : onlyDefault)
        EXPECT_FALSE(skins[1].ini.contains(s)) << s.toStdString();
    for (const QString &s : onlyZe6)
        EXPECT_FALSE(skins[0].ini.contains(s)) << s.toStdString();
}

TEST(BuiltInSkins, DefaultPlaylistThumbIs8By12)
{
    const Skin s = Load(1);
    const ZipTestMember *thumb = s.Find(s.ini["playlist"].value("thumbbmp"));
    ASSERT_NE(thumb, nullptr);
    EXPECT_EQ(ZipTestRead(thumb->data, 18, 4), 8u);
    EXPECT_EQ(ZipTestRead(thumb->data, 22, 4), 12u);
}
