// What a skin button may run: the named commands and the engine's playback
// commands in every form the engine reads them; nothing that runs a program,
// opens a file or quits, however it is prefixed, cased or split.
#include "engine/SkinCommandPolicy.h"

#include <gtest/gtest.h>

TEST(SkinCommandPolicy, AllowedAndRefusedForms)
{
    const std::pair<const char *, bool> rows[] = {
        // Named commands (ours; letter case counts, as in the command table).
        {"pause", true},
        {"seek -10", true},
        {"fullscreen", true},
        {"mainquit", true},
        {"playlist", true},
        // Engine commands, in any case and prefix form.
        {"osd", true},
        {"speed_incr 0.1", true},
        {"&pause", true},
        {"@seek 10 0", true},
        {"  OSD_SHOW_TEXT hello", true},
        {"pausing_keep sub_visibility", true},
        {"&pausing_toggle frame_step", true},
        {"step_property volume 5", true},
        // Refused: programs, files, quitting, filters, and every way of dressing them up.
        {"run \"id > /tmp/x\"", false},
        {"RUN id", false},
        {"&run id", false},
        {"@run id", false},
        {"   run id", false},
        {"\trun id", false},
        {"pausing_keep run id", false},
        {"pausing_keep_force run id", false},
        {"pausing_toggle Run id", false},
        {"PAUSING run id", false},
        {"pausing  pausing_keep run id", false},
        {"loadfile http://127.0.0.1/x", false},
        {"@loadlist /tmp/list", false},
        {"quit", false},
        {"&quit", false},
        {"sub_load /etc/passwd", false},
        {"af_add export=/tmp/x", false},
        {"screenshot 0", false},
        {"set_property path x", false},
        {"step_property", false},
        {"pausing_keep", false},
        // A second command smuggled into the arguments.
        {"seek 10\nrun id", false},
        {"pause\rrun id", false},
        {"&osd\nquit", false},
        {"", false},
    };
    for (const auto &[command, allowed] : rows)
        EXPECT_EQ(SkinMayRunCommand(QString::fromLatin1(command)), allowed) << command;
    EXPECT_FALSE(
        SkinMayRunCommand(QStringLiteral("osd_show_text a") + QChar(0) + QStringLiteral("\nrun id")));
    EXPECT_FALSE(SkinMayRunCommand(QStringLiteral("osd_show_text ") + QString(300, u'x')));
}
