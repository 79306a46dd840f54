#pragma once
// The built-in English language text: the menus' and the options dialog's
// captions in the format of a language file. "Misc" and "Cmds" are not in it;
// their English lives in TZorviLocal::English().
#include <QString>

// The whole text, lines separated by CR LF.
QString EnglishLoc();
