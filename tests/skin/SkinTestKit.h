#pragma once
// Test skins written by the tests themselves: folder skins with BMPs from the
// artwork tool's writer, the same skins packed by the skin archive writer, and a host window carrying the
// skin control set with every reported message captured.
#include "controls/ZorviControls.h"
#include "graphics/Convert.h"
#include "playlist/ZorviPlaylist.h"
#include "skin/SkinIni.h"
#include "skin/ZipFile.h"
#include "skin/uSkin.h"
#include "tools/skinart/Bmp.h"
#include "tools/skinzip/ZipWriter.h"

#include <QActionGroup>
#include <QMenu>
#include <QWidget>
#include <map>

inline QByteArray BmpOf(QSize size, QColor colour = QColor(90, 120, 150))
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return EncodeBmp(image);
}

// File name -> content; ".bmp" files can be made with BmpOf.
using SkinFiles = std::map<QString, QByteArray>;

// skinsDir/name/ holding skin.ini and the files.
inline QString WriteFolderSkin(const QString &skinsDir, const QString &name, const QString &ini,
                               const SkinFiles &files = {})
{
    const QString folder = skinsDir + u'/' + name + u'/';
    WriteFile(folder + "skin.ini", ini.toUtf8());
    for (const auto &[file, bytes] : files)
        WriteFile(folder + file, bytes);
    return folder;
}

// skinsDir/name.zip holding skin.ini and the files, deflated.
inline QString WriteArchiveSkin(const QString &skinsDir, const QString &name, const QString &ini,
                                const SkinFiles &files = {})
{
    std::vector<ZipMember> members{{"skin.ini", ini.toUtf8()}};
    for (const auto &[file, bytes] : files)
        members.push_back({file.toUtf8(), bytes});
    const QString path = skinsDir + u'/' + name + ".zip";
    WriteFile(path, WriteZip(members));
    return path;
}

// A host window with the skin control set, over a skins folder the test fills
// before calling Create.
class SkinHostTest : public ::testing::Test {
protected:
    QTemporaryDir tmp;
    QString skins = tmp.path() + "/Skins";
    std::unique_ptr<QWidget> host = std::make_unique<QWidget>();
    TZorviPlaylist playlist;
    std::unique_ptr<SkinControls> skin;
    ReportCapture reports;

    void SetUp() override { QDir().mkpath(skins); }
    void TearDown() override
    {
        skin.reset();
        host.reset();
    }
    void Create(bool show = true)
    {
        host->setAttribute(Qt::WA_DontShowOnScreen);
        host->resize(400, 300);
        skin = std::make_unique<SkinControls>(host.get());
        skin->CreateSkinControls(&playlist, {skins});
        if (show)
            host->show();
    }
    int IndexOf(const QString &name, SkinKind kind) const
    {
        const auto &e = skin->Skins().Entries();
        const auto it = std::find_if(e.begin(), e.end(),
                                     [&](const SkinEntry &x) { return x.Name == name && x.Kind == kind; });
        return it == e.end() ? -1 : int(it - e.begin());
    }
    // Writes a folder skin, creates the controls and loads it.
    void LoadFolderSkin(const QString &ini, const SkinFiles &files = {})
    {
        WriteFolderSkin(skins, "Test", ini, files);
        Create();
        skin->LoadSkin(IndexOf("Test", SkinKind::Folder));
    }
    // Writes a folder skin and loads it into the controls made before, past the skin menu.
    void LoadEntry(const QString &name, const QString &ini)
    {
        WriteFolderSkin(skins, name, ini);
        skin->LoadSkinEntry({name, SkinKind::Folder, skins + u'/' + name + u'/'}, -1);
    }
    // The control's rectangle in host coordinates.
    QRect InHost(const QWidget *w) const { return QRect(w->mapTo(host.get(), QPoint(0, 0)), w->size()); }
};
