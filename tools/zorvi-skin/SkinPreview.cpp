#include "tools/zorvi-skin/SkinPreview.h"

#include "common/Report.h"
#include "controls/ZorviControls.h"
#include "skin/SkinControls.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPainterPath>
#include <QWidget>

std::optional<SkinTarget> FindSkin(const QString &arg, QString &why)
{
    const QFileInfo fi(QDir::cleanPath(arg)); // "Blue/" names the folder Blue
    if (fi.isDir()) {
        const QString folder = fi.absoluteFilePath() + u'/';
        if (!QFileInfo(ResolveSkinFile(folder, QStringLiteral("skin.ini"))).isFile()) {
            why = QStringLiteral("%1 holds no skin.ini").arg(arg);
            return std::nullopt;
        }
        return SkinTarget{{fi.fileName(), SkinKind::Folder, folder}, -1};
    }
    if (fi.isFile()) {
        QString name = fi.fileName();
        if (name.endsWith(QLatin1String(".zip"), Qt::CaseInsensitive))
            name.chop(4);
        return SkinTarget{{name, SkinKind::Archive, fi.absoluteFilePath()}, -1};
    }
    SkinList builtIn;
    builtIn.Build({});
    const int index = builtIn.IndexOf(arg);
    if (index < 0) {
        why = QStringLiteral("%1 is no skin folder, no archive and no built-in skin").arg(arg);
        return std::nullopt;
    }
    return SkinTarget{builtIn.At(index), index};
}

SkinPreview::SkinPreview(const QSize &size) : m_host(std::make_unique<QWidget>())
{
    m_host->setAttribute(Qt::WA_DontShowOnScreen);
    m_host->resize(size);
    // The video area: what the skin panels leave, black while nothing plays.
    m_video = new TZorviPanel(m_host.get());
    m_video->SetColor(clBlack);
    m_video->SetAlign(Align::Client);
    m_skin = std::make_unique<SkinControls>(m_host.get());
    m_skin->CreateSkinControls(&m_playlist, {});
    m_host->show();
}

SkinPreview::~SkinPreview()
{
    m_skin.reset();
}

QStringList SkinPreview::Load(const SkinTarget &target)
{
    QStringList messages;
    const ReportHandler previous =
        SetReportHandler([&messages](const QString &message) { messages << message; });
    // A fault that ends the load is collected like the section faults before it.
    RunGuarded([&] { m_skin->LoadSkinEntry(target.Entry, target.Index); });
    SetReportHandler(previous);
    return messages;
}

void SkinPreview::FillSamples(bool showPlaylist)
{
    SkinControls &s = *m_skin;
    s.LMediaURL->SetCaption(QStringLiteral("Northern Lights over the Fjord.mkv"));
    s.LTime->SetCaption(QStringLiteral("01:24 / 04:12"));
    s.LStatus->SetCaption(QStringLiteral("Playing"));
    s.LPlaylist->SetCaption(QStringLiteral("Playlist"));
    s.SeekBar->SetMax(252);
    s.SeekBar->SetPosition(84);
    s.VolBar->SetPosition(75);
    if (showPlaylist) {
        const char *titles[] = {"Northern Lights over the Fjord",
                                "City at Night",
                                "Morning Market",
                                "Harbour Timelapse",
                                "Mountain Pass",
                                "Rainy Boulevard"};
        for (const char *title : titles) {
            TPlItem item;
            item.Kind = EntryKind::File;
            item.Title = QString::fromLatin1(title);
            item.Path = QByteArray("/media/") + title + ".mkv";
            m_playlist.AddItem(item);
        }
        m_playlist.SetSelected(1, true);
        m_playlist.SetCurrent(0);
        s.Playlist->show();
        s.BPlaylist->SetChecked(true);
    }
    m_video->lower();
    ZorviRealign(m_host.get());
}

QImage SkinPreview::Render()
{
    const QSize size = m_host->size();
    QImage window(size, QImage::Format_ARGB32_Premultiplied);
    window.fill(Qt::transparent);
    m_host->render(&window);
    const int round = m_skin->Params.RoundRect;
    if (round == 0)
        return window;
    // The window's outline: a rounded rectangle one pixel larger than the
    // window, with corner ellipses of RoundRect pixels.
    QImage shaped(size, QImage::Format_ARGB32_Premultiplied);
    shaped.fill(Qt::transparent);
    QPainter p(&shaped);
    QPainterPath outline;
    outline.addRoundedRect(QRectF(0, 0, size.width() + 1, size.height() + 1), round / 2.0, round / 2.0);
    p.setClipPath(outline);
    p.drawImage(0, 0, window);
    return shaped;
}
