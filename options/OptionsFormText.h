#pragma once
// The options dialog's texts and language files: captions from the language
// in use, and the dialog's sections for a new language file. A control is
// addressed by its name in the section named after its page; only labels,
// check boxes, group boxes and radio groups placed on a page itself take part,
// and none whose name starts with "_".
#include <QStringList>

class Localization;
class TOptionsForm;
struct OptionsFormParts;

// Sets every caption of the dialog from the current language.
void LocalizeOptionsForm(TOptionsForm &form, const Localization &local);
// "[Options]", then one section per page, each line "name=caption".
QStringList OptionsFormLines(const TOptionsForm &form);
// The same from the open dialog, or else from one made (and never shown) for
// the purpose; its creation applies the current language.
QStringList OptionsFormLines(const OptionsFormParts &parts);
