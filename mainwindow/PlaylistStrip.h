#pragma once
// A plain list of the playlist's rows below the video area, until the skin's
// list box takes its place.
#include <QWidget>

class TZorviPlaylist;

class PlaylistStrip : public QWidget {
public:
    PlaylistStrip(TZorviPlaylist *playlist, QWidget *parent);
    static constexpr int RowHeight = 26;
    // Height for the current number of rows (at most MaxRows; 0 when empty).
    int WantedHeight() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    static constexpr int MaxRows = 3;
    TZorviPlaylist *m_playlist;
};
