#pragma once
// What the engine link asks of the window beyond showing things: the playlist
// box, and the question about an engine left running by an earlier session.
#include <QString>

enum class KillAnswer { Yes, No, Cancel };

class WindowRequests {
public:
    virtual ~WindowRequests() = default;
    virtual void CenterItem(int index) = 0;
    virtual bool IsPlaylistDragging() = 0;
    // Yes / No / Cancel question (title, text).
    virtual KillAnswer AskKillPreviousEngine(const QString &title, const QString &text) = 0;
};
