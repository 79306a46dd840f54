#pragma once
// Every value of zorvi.ini with its built-in default. The settings store moves
// values between the file and their holders; until a component binds a key to
// a field of its own (SettingsStore::Bind), the key is held here.
#include <QString>
#include <array>

struct TAddParams {
    bool Enabled = false;
    QString Text;
};

// Section "Options".
struct OptionsSettings {
    bool Verbose = false; // read only, never written; "-v" sets it before loading
    bool SingleInstance = true;
    bool StartFullscreen = false;
    bool ResizeOnOpen = true;
    bool Snap = true;
    QString MPlayerPath = QStringLiteral("mplayer");
    std::array<TAddParams, 3> AddParams;
    int AudioOut = 3;
    QString CustomAudioOut = QStringLiteral("-ao alsa");
    bool MuteOnPauseSeek = true;
    int VideoOut = 3;
    QString CustomVideoOut = QStringLiteral("-vo x11 -zoom");
    QString CustomPostProc;
    bool PriorityBoost = false;
    bool Cache = false;
    int CacheSize = 5120;
    int OSDLevel = 0;
    QString Local = QStringLiteral("en");
    // Playback of media at least ResumeMinLength seconds long goes on where
    // it stopped the last time.
    bool Resume = true;
    int ResumeMinLength = 180;
    bool RestorePlaylist = true; // a start without media names brings the last playlist back
    // Which engine plays: "auto" (MPlayer when installed, else mpv), "mplayer" or "mpv".
    QString Engine = QStringLiteral("auto");
    QString MpvPath = QStringLiteral("mpv");
    bool HardwareDecoding = false; // mpv only: "auto-safe" when on
    // The custom outputs when mpv plays (VideoOut/AudioOut 0).
    QString MpvCustomVideoOut = QStringLiteral("--vo=x11");
    QString MpvCustomAudioOut = QStringLiteral("--ao=alsa");
};

// Section "LastSession".
struct LastSessionSettings {
    bool Compact = false;
    bool HideFSControls = true;
    bool OnTop = false;
    int WindowSize = 0;
    bool WindowKeepAspect = true;
    float WinRatio = 16.f / 9.f;
    bool WinCenter = true;
    int Left = 0;
    int Top = 0;
    int Width = 300;
    int Height = 200;
    QString Skin;
    float Volume = 75.f;
    bool Mute = false;
    bool FrameDrop = true;
    bool PostProc = false;
    float SubScale = 3.5f;
    int LastOptionsTab = 0; // the General page the first time, then where the user left it
    int Repeat = 0;         // the playlist's RepeatMode: 0 off, 1 one, 2 all
    bool Shuffle = false;
};

struct SettingsData {
    OptionsSettings Options;
    LastSessionSettings LastSession;
};
