#pragma once
// The native panel the engine draws into, and the window sized after the video.
#include <cstdint>

class VideoPanel {
public:
    virtual ~VideoPanel() = default;
    virtual void HideVideo() = 0;
    // Before an engine starts: the panel sized in the window's video area and
    // shown, so the engine draws its first picture into a window that is there.
    virtual void PrepareVideo() = 0;
    // The media has no picture: the panel goes, the video area shows through.
    virtual void WithdrawVideo() = 0;
    virtual void LayoutVideo() = 0;
    virtual void RevealVideo() = 0;
    virtual void ApplyWindowSize() = 0;
    virtual void SetSizeMode(int mode, bool absolute) = 0;
    virtual std::uint64_t VideoWindowId() = 0;
    // The panel's pixel value as the X server reads it: 0xRRGGBB.
    virtual std::uint32_t VideoColorKey() = 0;
};
