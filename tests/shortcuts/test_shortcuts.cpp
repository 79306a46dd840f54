#include "i18n/ZorviLocal.h"
#include "settings/IniFile.h"
#include "settings/SettingsStore.h"
#include "shortcuts/BoundActions.h"
#include "shortcuts/uShortcuts.h"

TEST(ShortcutText, TextsAndVirtualKeys)
{
    const std::pair<std::uint32_t, const char *> rows[] = {{0, "..."},
                                                           {0x4, "Middle click"},
                                                           {0x10004, "Shift+Middle click"},
                                                           {0x50004, "Ctrl+Shift+Middle click"},
                                                           {0x480001, "Double Left click"},
                                                           {0x80002, "Left+Right click"},
                                                           {0x100001, "Right+Left click"},
                                                           {0x380001, "Left+Middle+Right+Left click"},
                                                           {0x7FFFE9, "Ctrl+Alt+Shift+Double Wheel up"},
                                                           {0xFFE8, "Wheel down"},
                                                           {0x40009, "Ctrl+Tab"},
                                                           {0x0D, "Enter"},
                                                           {0x10027, "Shift+Right"},
                                                           {0x21, "Page Up"},
                                                           {0x4D, "M"},
                                                           {0x35, "5"},
                                                           {0x74, "F5"},
                                                           {0xC0, "`"},
                                                           {0x60, "Num 0"},
                                                           {0xFF, "0xFF"},
                                                           {0x20005, "Alt+0x05"}};
    for (const auto &[code, text] : rows)
        EXPECT_EQ(ShortcutToText(code), QString::fromLatin1(text)) << std::hex << code;
    constexpr auto none = Qt::NoModifier;
    const struct {
        int key;
        std::uint32_t scanCode;
        Qt::KeyboardModifiers modifiers;
        std::uint32_t vk;
    } rows2[] = {{Qt::Key_Return, 36, none, 0x0D},
                 {Qt::Key_Enter, 104, Qt::KeypadModifier, 0x0D},
                 {Qt::Key_Left, 0, none, 0x25},
                 {Qt::Key_M, 58, none, 0x4D},
                 {Qt::Key_Tab, 23, Qt::ControlModifier, 0x09},
                 {Qt::Key_F5, 71, none, 0x74},
                 // The key left of 1 and the quote key go by their place.
                 {Qt::Key_QuoteLeft, 49, none, 0xC0},
                 {Qt::Key_AsciiCircum, 49, none, 0xC0}, // German
                 {Qt::Key_twosuperior, 49, none, 0xC0}, // French
                 {Qt::Key_Adiaeresis, 48, none, 0xDE},  // German
                 {Qt::Key_Apostrophe, 0, none, 0xDE},   // no place known: a US key
                 {Qt::Key_Ampersand, 10, none, 0x31},   // French digit row
                 {Qt::Key_Z, 29, none, 0x5A},           // German Z sits where US has Y
                 {Qt::Key_M, 47, none, 0x4D},           // French M sits where US has ";"
                 {0x0444, 38, none, 0x41},              // Cyrillic ef on the A key
                 {Qt::Key_5, 84, Qt::KeypadModifier, 0x65},
                 {Qt::Key_Asterisk, 63, Qt::KeypadModifier, 0x6A},
                 {Qt::Key_MediaTogglePlayPause, 172, none, 0xB3},
                 {Qt::Key_Shift, 50, Qt::ShiftModifier, 0x10},
                 {Qt::Key_unknown, 0, none, 0}};
    for (const auto &row : rows2)
        EXPECT_EQ(VirtualKeyFor(row.key, row.scanCode, row.modifiers), row.vk) << std::hex << row.key;

    EXPECT_EQ(ModifierBits(Qt::ShiftModifier | Qt::ControlModifier, Qt::RightButton), 1u | 4u | 16u);
    EXPECT_EQ(ModifierBits(Qt::AltModifier, Qt::LeftButton | Qt::MiddleButton), 2u | 8u | 32u);
}

TEST(ShortcutList, DefaultsLoadingAndSaving)
{
    TShortcutList list;
    list.LoadFromIni(IniFile::FromBytes("[Shortcuts]\n[Options]\nx=1\n"));
    ASSERT_EQ(list.Items.size(), 40u);
    EXPECT_EQ(list.Items.front().Code, 0x480001);
    EXPECT_EQ(list.Items.back().Code, 0x24);
    const struct {
        std::uint32_t modifiers, key;
        const char *command;
    } rows[] = {{0x48, 1, "fullscreen"}, {0, 0x0D, "fullscreen"}, {0, 0x20, "pause"},
                {0, 4, "pause"},         {4, 0x09, "options"},    {0, 0x5D, "popup"},
                {1, 0xFFE9, "seek +30"}, {0x10, 1, "seek -600"},  {0, 0xC0, "showlog"},
                {0, 0xDE, "showlog"},    {0, 0x27, "seek +10"},   {0, 0xFFE8, "volume -6"},
                {4, 0x4F, "openfile"},   {4, 0x55, "openurl"},    {4, 0x51, "mainquit"},
                {0, 0x70, "keys"},       {0, 0x4E, ""},           {1, 0x20, ""}};
    for (const auto &row : rows)
        EXPECT_EQ(list.ActionFor(row.modifiers, row.key), QString::fromLatin1(row.command)) << row.key;
    TShortcutList list2;
    list2.LoadFromIni(
        IniFile::FromBytes("[Shortcuts]\n1ffe9=9\n43=osd 2\n4E=0\n20=99\n[ShortcutDefaults]\nLevel=2\n"));
    ASSERT_EQ(list2.Items.size(), 4u);
    EXPECT_EQ(list2.ActionFor(1, 0xFFE9), "seek +30");
    EXPECT_EQ(list2.ActionFor(0, 0x43), "osd 2");
    EXPECT_EQ(list2.IndexOfCode(0x4E), 2);
    EXPECT_EQ(list2.ActionAt(2), ""); // listed, does nothing
    EXPECT_EQ(list2.ActionAt(3), ""); // no command 99
    EXPECT_EQ(list2.ActionAt(4), "");
    EXPECT_EQ(list2.ActionAt(-1), "");

    // Two bindings of one code: the first acts, the file keeps the later one's value.
    list2.Items.push_back({0x43, 5, "ignored"});
    EXPECT_EQ(list2.ActionFor(0, 0x43), "osd 2");
    IniFile ini = IniFile::FromBytes("[Shortcuts]\nold=1\n[Options]\nSnap=1\n");
    list2.SaveToIni(ini);
    EXPECT_EQ(ini.Keys("Shortcuts"), (QStringList{"1FFE9", "43", "4E", "20"}));
    EXPECT_EQ(ini.ReadString("Shortcuts", "43", {}), "5");
    EXPECT_EQ(ini.ReadString("Shortcuts", "4E", {}), ""); // command 0 keeps its empty text
    EXPECT_EQ(ini.ReadString("Options", "Snap", {}), "1");

    TShortcutList again;
    again.LoadFromIni(IniFile::FromBytes(ini.ToBytes(false)));
    EXPECT_EQ(again.ActionFor(1, 0xFFE9), "seek +30");
    EXPECT_EQ(again.ActionFor(0, 0x43), "stop");
}

TEST(ShortcutList, LaterDefaultsBoundActionsAndABadKey)
{
    const struct {
        const char *file;
        const char *ctrlO, *f1;
        int level; // written back
    } rows[] = {   // Saved before the level existed: Ctrl+O keeps the user's meaning, F1 is free.
                {"[Shortcuts]\n20=4\n4004F=osd 2\n", "osd 2", "keys", 2},
                // Saved since: F1 was removed on purpose and stays so.
                {"[Shortcuts]\n20=4\n[ShortcutDefaults]\nLevel=1\n", "", "", 2},
                // A later program's file: nothing is added, its level is kept.
                {"[Shortcuts]\n20=4\n[ShortcutDefaults]\nLevel=7\n", "", "", 7},
                // A key that cannot be read: what follows it is unknown, so nothing is added.
                {"[Shortcuts]\n20=4\nzz=1\n70=5\n", "", "", 0}};
    for (const auto &row : rows) {
        TShortcutList list;
        EXPECT_EQ(ErrorText([&] { list.LoadFromIni(IniFile::FromBytes(row.file)); }),
                  QString(row.file).contains("zz") ? "'$0zz' is not a valid integer value" : "no error");
        EXPECT_EQ(list.ActionFor(4, 0x4F), row.ctrlO) << row.file;
        EXPECT_EQ(list.ActionFor(0, 0x70), row.f1) << row.file;
        EXPECT_EQ(list.ActionFor(0, 0x20), "pause") << row.file;
        IniFile saved;
        list.SaveToIni(saved);
        EXPECT_EQ(saved.ReadInteger("ShortcutDefaults", "Level", -1), row.level) << row.file;
    }
    QTemporaryDir dir;
    WriteFile(dir.filePath("zorvi.ini"),
              "[Options]\nSnap=0\n[Shortcuts]\n20=4\n0x21=5\nzz=7\n41=19\n4d=1\n[LastSession]\n");
    SettingsData data;
    SettingsStore store(data);
    store.SetFileName(dir.filePath("zorvi.ini"));
    TShortcutList list;
    list.ConnectTo(store);
    ReportCapture reports;
    store.LoadSettings();
    EXPECT_EQ(reports.take(), QStringList{"'$00x21' is not a valid integer value"});
    EXPECT_FALSE(data.Options.Snap);
    ASSERT_EQ(list.Items.size(), 1u);
    EXPECT_EQ(list.ActionFor(0, 0x20), "pause");

    // Writing goes through the same hook, only when the bindings were edited;
    // the lines never read stay, but for a code the user bound meanwhile.
    list.Items = {{0x4D, 3, {}}};
    store.SaveOptions(true);
    EXPECT_TRUE(ReadFile(dir.filePath("zorvi.ini")).contains("[Shortcuts]\n4D=3\n0x21=5\nzz=7\n41=19\n"));
}

TEST(BoundActions, ActionsWithTheirKeysAndTheButtonTips)
{
    TShortcutList list;
    list.LoadFromIni(IniFile::FromBytes("[Shortcuts]\n20=4\n4=4\n43=osd 2\n20=5\n2D=pause\n480001=15\n4E=99\n"
                                        "[ShortcutDefaults]\nLevel=2\n"));
    QStringList texts = TZorviLocal::English().Cmds;
    texts[4] = "Wiedergabe: Pause";
    const std::vector<BoundAction> actions = BoundActions(list, texts);
    // Sorted by text; Space counts once (its first binding acts); a custom
    // "pause" is the named command; 99 names none and binds nothing.
    ASSERT_EQ(actions.size(), 3u);
    EXPECT_EQ(actions[0].Description, "Custom: osd 2");
    EXPECT_EQ(actions[1].Description, "View: Fullscreen");
    EXPECT_EQ(actions[1].Mouse, QStringList{"Double Left click"});
    EXPECT_EQ(actions[2].Description, "Wiedergabe: Pause");
    EXPECT_EQ(actions[2].Keys, (QStringList{"Space", "Insert"}));
    EXPECT_EQ(actions[2].Mouse, QStringList{"Middle click"});

    EXPECT_EQ(CommandTip(list, texts, "pause"), "Wiedergabe: Pause (Space)");
    EXPECT_EQ(CommandTip(list, texts, "fullscreen"), "View: Fullscreen"); // a mouse action is no key to show
    EXPECT_EQ(CommandTip(list, texts, " stop "), "Playback: Stop"); // Space's second binding does not act
    EXPECT_EQ(CommandTip(list, texts, "minimize"), "");             // no text of its own
    EXPECT_EQ(CommandTip(list, texts, "osd 2"), "");
    EXPECT_EQ(CommandTip(list, texts, "&pause"), "");
}
