#include "shortcuts/VirtualKeys.h"

#include "shortcuts/ShortcutCode.h"

#include <algorithm>
#include <iterator>

namespace {

struct KeyRow {
    std::uint32_t from;
    std::uint32_t vk;
};

// X keycodes (evdev codes + 8) of the keys whose virtual key follows their
// place: the digit row and the punctuation of a US keyboard, and the extra
// key beside the left Shift of a 105-key keyboard.
constexpr KeyRow kPositions[] = {
    {10, 0x31}, {11, 0x32}, {12, 0x33}, {13, 0x34}, {14, 0x35}, {15, 0x36}, {16, 0x37}, {17, 0x38},
    {18, 0x39}, {19, 0x30}, {20, 0xBD}, {21, 0xBB}, {34, 0xDB}, {35, 0xDD}, {47, 0xBA}, {48, 0xDE},
    {49, 0xC0}, {51, 0xDC}, {59, 0xBC}, {60, 0xBE}, {61, 0xBF}, {94, 0xE2},
};

// Letters by place, for layouts whose letters Qt does not name A-Z (Cyrillic, Greek ...).
constexpr KeyRow kLetterPositions[] = {
    {24, 'Q'}, {25, 'W'}, {26, 'E'}, {27, 'R'}, {28, 'T'}, {29, 'Y'}, {30, 'U'}, {31, 'I'}, {32, 'O'},
    {33, 'P'}, {38, 'A'}, {39, 'S'}, {40, 'D'}, {41, 'F'}, {42, 'G'}, {43, 'H'}, {44, 'J'}, {45, 'K'},
    {46, 'L'}, {52, 'Z'}, {53, 'X'}, {54, 'C'}, {55, 'V'}, {56, 'B'}, {57, 'N'}, {58, 'M'},
};

constexpr KeyRow kKeypad[] = {
    {Qt::Key_0, 0x60},     {Qt::Key_1, 0x61},      {Qt::Key_2, 0x62},        {Qt::Key_3, 0x63},
    {Qt::Key_4, 0x64},     {Qt::Key_5, 0x65},      {Qt::Key_6, 0x66},        {Qt::Key_7, 0x67},
    {Qt::Key_8, 0x68},     {Qt::Key_9, 0x69},      {Qt::Key_Asterisk, 0x6A}, {Qt::Key_Plus, 0x6B},
    {Qt::Key_Minus, 0x6D}, {Qt::Key_Period, 0x6E}, {Qt::Key_Comma, 0x6E},    {Qt::Key_Slash, 0x6F},
};

// Everything else by what the key is; punctuation as on a US layout.
constexpr KeyRow kKeys[] = {
    {Qt::Key_Backspace, 0x08},
    {Qt::Key_Tab, 0x09},
    {Qt::Key_Backtab, 0x09},
    {Qt::Key_Clear, 0x0C},
    {Qt::Key_Return, 0x0D},
    {Qt::Key_Enter, 0x0D},
    {Qt::Key_Shift, 0x10},
    {Qt::Key_Control, 0x11},
    {Qt::Key_Alt, 0x12},
    {Qt::Key_AltGr, 0x12},
    {Qt::Key_Pause, 0x13},
    {Qt::Key_CapsLock, 0x14},
    {Qt::Key_Escape, 0x1B},
    {Qt::Key_Space, 0x20},
    {Qt::Key_PageUp, 0x21},
    {Qt::Key_PageDown, 0x22},
    {Qt::Key_End, 0x23},
    {Qt::Key_Home, 0x24},
    {Qt::Key_Left, 0x25},
    {Qt::Key_Up, 0x26},
    {Qt::Key_Right, 0x27},
    {Qt::Key_Down, 0x28},
    {Qt::Key_Print, 0x2C},
    {Qt::Key_Insert, 0x2D},
    {Qt::Key_Delete, 0x2E},
    {Qt::Key_Help, 0x2F},
    {Qt::Key_ParenRight, 0x30},
    {Qt::Key_Exclam, 0x31},
    {Qt::Key_At, 0x32},
    {Qt::Key_NumberSign, 0x33},
    {Qt::Key_Dollar, 0x34},
    {Qt::Key_Percent, 0x35},
    {Qt::Key_AsciiCircum, 0x36},
    {Qt::Key_Ampersand, 0x37},
    {Qt::Key_Asterisk, 0x38},
    {Qt::Key_ParenLeft, 0x39},
    {Qt::Key_Meta, 0x5B},
    {Qt::Key_Super_L, 0x5B},
    {Qt::Key_Super_R, 0x5C},
    {Qt::Key_Menu, 0x5D},
    {Qt::Key_NumLock, 0x90},
    {Qt::Key_ScrollLock, 0x91},
    {Qt::Key_VolumeMute, 0xAD},
    {Qt::Key_VolumeDown, 0xAE},
    {Qt::Key_VolumeUp, 0xAF},
    {Qt::Key_MediaNext, 0xB0},
    {Qt::Key_MediaPrevious, 0xB1},
    {Qt::Key_MediaStop, 0xB2},
    {Qt::Key_MediaPlay, 0xB3},
    {Qt::Key_MediaPause, 0xB3},
    {Qt::Key_MediaTogglePlayPause, 0xB3},
    {Qt::Key_Semicolon, 0xBA},
    {Qt::Key_Colon, 0xBA},
    {Qt::Key_Equal, 0xBB},
    {Qt::Key_Plus, 0xBB},
    {Qt::Key_Comma, 0xBC},
    {Qt::Key_Less, 0xBC},
    {Qt::Key_Minus, 0xBD},
    {Qt::Key_Underscore, 0xBD},
    {Qt::Key_Period, 0xBE},
    {Qt::Key_Greater, 0xBE},
    {Qt::Key_Slash, 0xBF},
    {Qt::Key_Question, 0xBF},
    {Qt::Key_QuoteLeft, 0xC0},
    {Qt::Key_AsciiTilde, 0xC0},
    {Qt::Key_BracketLeft, 0xDB},
    {Qt::Key_BraceLeft, 0xDB},
    {Qt::Key_Backslash, 0xDC},
    {Qt::Key_Bar, 0xDC},
    {Qt::Key_BracketRight, 0xDD},
    {Qt::Key_BraceRight, 0xDD},
    {Qt::Key_Apostrophe, 0xDE},
    {Qt::Key_QuoteDbl, 0xDE},
};

template <std::size_t N> std::uint32_t lookUp(const KeyRow (&rows)[N], std::uint32_t from)
{
    const auto *row =
        std::find_if(std::begin(rows), std::end(rows), [from](const KeyRow &r) { return r.from == from; });
    return row == std::end(rows) ? 0 : row->vk;
}

} // namespace

std::uint32_t VirtualKeyFor(int qtKey, std::uint32_t nativeScanCode, Qt::KeyboardModifiers modifiers)
{
    const auto key = std::uint32_t(qtKey);
    if (modifiers & Qt::KeypadModifier) {
        if (const std::uint32_t vk = lookUp(kKeypad, key))
            return vk;
    }
    // A letter is the letter the layout puts there (a German Z is Z).
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return 'A' + std::uint32_t(qtKey - Qt::Key_A);
    if (const std::uint32_t vk = lookUp(kPositions, nativeScanCode))
        return vk;
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return '0' + std::uint32_t(qtKey - Qt::Key_0);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return 0x70 + std::uint32_t(qtKey - Qt::Key_F1);
    if (const std::uint32_t vk = lookUp(kKeys, key))
        return vk;
    return lookUp(kLetterPositions, nativeScanCode);
}

std::uint32_t ModifierBits(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons)
{
    std::uint32_t bits = 0;
    if (modifiers & Qt::ShiftModifier)
        bits |= ShortcutCode::Shift;
    if (modifiers & Qt::AltModifier)
        bits |= ShortcutCode::Alt;
    if (modifiers & Qt::ControlModifier)
        bits |= ShortcutCode::Ctrl;
    if (buttons & Qt::LeftButton)
        bits |= ShortcutCode::LeftHeld;
    if (buttons & Qt::RightButton)
        bits |= ShortcutCode::RightHeld;
    if (buttons & Qt::MiddleButton)
        bits |= ShortcutCode::MiddleHeld;
    return bits;
}
