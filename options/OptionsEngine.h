#pragma once
// What the options dialog asks of the engine link. The dialog includes no
// engine header; the main window hands it an implementation over the link,
// tests a recorder.
#include <QByteArray>
#include <QString>

class OptionsEngine {
public:
    virtual ~OptionsEngine() = default;
    // A slave command through the command queue ("osd 2").
    virtual void PostCommand(const QByteArray &text) = 0;
    virtual bool IsRunning() const = 0;
    // Ends the run without moving on in the playlist.
    virtual void Stop() = 0;
    // Starts the engine again on the current entry, where it was.
    virtual void StartAgain() = 0;
    // Reads the version of the engine MPlayerPath now names.
    virtual void DetectVersion() = 0;
    // "?" while unknown.
    virtual QString Version() const = 0;
};
