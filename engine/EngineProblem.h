#pragma once
// What went wrong in a run of the engine, as its output says it: a reason
// that ends playback, or one that leaves a part of the media out while the
// rest plays. The window words each in the language in use.
#include <QString>
#include <cstdint>

enum class EngineProblem : std::uint8_t {
    None,
    FileNotFound,  // no such file, or not readable
    Unreadable,    // no stream or demuxer for it
    HostNotFound,  // a network name that does not resolve
    NoConnection,  // the server cannot be reached
    ServerRefused, // the server answered with an error
    Failed,        // the run ended without playing, for a reason not recognised
    NoVideoCodec,  // plays without its picture
    NoAudioCodec,  // plays without its sound
    NoSoundDevice, // plays without sound: no sound device could be opened
};

// Whether the reason ends playback rather than leaving a part out.
constexpr bool EndsPlayback(EngineProblem problem)
{
    return problem != EngineProblem::None && problem < EngineProblem::NoVideoCodec;
}

// The media's own tags, as the engine's identification lists them.
struct MediaTags {
    QString Title, Artist, Album;
    bool IsEmpty() const { return Title.isEmpty() && Artist.isEmpty() && Album.isEmpty(); }
};
