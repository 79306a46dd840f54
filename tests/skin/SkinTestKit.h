#pragma once
// Test skins written by the tests themselves: folder skins with BMPs saved by
// QImage, the same skins packed as archives, and a host window carrying the
// skin control set with every reported message captured.
#include "ZipBuilder.h"
#include "common/Report.h"
#include "controls/ZorviControls.h"
#include "playlist/ZorviPlaylist.h"
#include "skin/SkinIni.h"
#include "skin/ZipFile.h"
#include "skin/uSkin.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>
#include <map>
#include <memory>

// Every message given to ReportError while the object lives.
struct ReportCapture {
    QStringList messages;
    ReportHandler previous;
    ReportCapture()
    {
        previous = SetReportHandler([this](const QString &m) { messages << m; });
    }
    ~ReportCapture() { SetReportHandler(previous); }
    QStringList take()
    {
        QStringList m = messages;
        messages.clear();
        return m;
    }
};

inline QByteArray BmpOf(QSize size, QColor colour = QColor(90, 120, 150))
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

// File name -> content; ".bmp" files can be made with BmpOf.
using SkinFiles = std::map<QString, QByteArray>;

inline void WriteFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
    f.write(bytes);
}

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
                                const SkinFiles &files = {}, bool withIni = true)
{
    std::vector<ZipMember> members;
    if (withIni)
        members.emplace_back("skin.ini", ini.toUtf8());
    for (const auto &[file, bytes] : files)
        members.emplace_back(file.toUtf8(), bytes);
    const QString path = skinsDir + u'/' + name + ".zip";
    WriteFile(path, BuildZip(members));
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

    void SetUp() override
    {
        QDir().mkpath(skins);
        host->setAttribute(Qt::WA_DontShowOnScreen);
    }
    void TearDown() override
    {
        skin.reset();
        host.reset();
    }
    void Create(QSize size = QSize(400, 300), bool show = true)
    {
        host->resize(size);
        skin = std::make_unique<SkinControls>(host.get());
        skin->CreateSkinControls(&playlist, {skins});
        if (show)
            host->show();
    }
    int IndexOf(const QString &name, SkinKind kind) const
    {
        const auto &entries = skin->Skins().Entries();
        for (size_t i = 0; i < entries.size(); ++i)
            if (entries[i].Name == name && entries[i].Kind == kind)
                return int(i);
        return -1;
    }
    // Writes a folder skin, creates the controls and loads it.
    void LoadFolderSkin(const QString &ini, const SkinFiles &files = {}, QSize size = QSize(400, 300))
    {
        WriteFolderSkin(skins, "Test", ini, files);
        Create(size);
        skin->LoadSkin(IndexOf("Test", SkinKind::Folder));
    }
    // The control's rectangle in host coordinates.
    QRect InHost(const QWidget *w) const { return QRect(w->mapTo(host.get(), QPoint(0, 0)), w->size()); }
};
