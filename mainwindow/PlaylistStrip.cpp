#include "mainwindow/PlaylistStrip.h"

#include "common/Report.h"
#include "playlist/ZorviPlaylist.h"

#include <QPainter>

PlaylistStrip::PlaylistStrip(TZorviPlaylist *playlist, QWidget *parent)
    : QWidget(parent), m_playlist(playlist)
{
    setObjectName(QStringLiteral("Playlist"));
    QFont f = font();
    f.setPixelSize(12);
    setFont(f);
}

int PlaylistStrip::WantedHeight() const
{
    return std::min(m_playlist->Count(), MaxRows) * RowHeight;
}

void PlaylistStrip::paintEvent(QPaintEvent *)
{
    RunGuarded([&] {
        QPainter p(this);
        p.fillRect(rect(), QColor(0x20, 0x20, 0x28));
        p.setPen(QColor(0xE0, 0xE0, 0xE0));
        p.setFont(font());
        for (int i = 0; i < m_playlist->Count() && i * RowHeight < height(); ++i)
            m_playlist->DrawItem(p, i, QRect(0, i * RowHeight, width(), RowHeight));
    });
}
