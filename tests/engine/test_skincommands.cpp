// What a skin button may run: the named commands and the engine's playback
// commands in every form the engine reads them; nothing that runs a program,
// opens a file or quits, however it is prefixed, cased or split.
#include "engine/SkinCommandPolicy.h"

TEST(SkinCommandPolicy, AllowedAndRefusedForms)
{
    for (const char *allowed :
         {"pause", "seek -10", "fullscreen", "mainquit", "osd", "speed_incr 0.1", "&pause", "@seek 10 0",
          "  OSD_SHOW_TEXT hello", "pausing_keep sub_visibility", "&pausing_toggle frame_step",
          "step_property volume 5", "openfile", "openurl", "keys"})
        EXPECT_TRUE(SkinMayRunCommand(QString::fromLatin1(allowed))) << allowed;
    // Separated by "|"; the last one is empty.
    const QString refused =
        "run \"id > /tmp/x\"|RUN id|&run id|@run id|   run id|\trun id|pausing_keep run id|"
        "pausing_keep_force run id|pausing_toggle Run id|PAUSING run id|"
        "pausing  pausing_keep run id|loadfile http://127.0.0.1/x|@loadlist /tmp/list|quit|"
        "&quit|sub_load /etc/passwd|af_add export=/tmp/x|screenshot 0|set_property path x|"
        "step_property|pausing_keep|seek 10\nrun id|pause\rrun id|&osd\nquit|";
    for (const QString &command : refused.split(u'|'))
        EXPECT_FALSE(SkinMayRunCommand(command)) << command.toStdString();
    EXPECT_FALSE(SkinMayRunCommand(QStringLiteral("osd_show_text a") + QChar(0) + QStringLiteral("run id")));
    EXPECT_FALSE(SkinMayRunCommand(QStringLiteral("osd_show_text ") + QString(300, u'x')));
}
