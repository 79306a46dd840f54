#pragma once
// The options dialog's captions: one row per text a language file gives it,
// in the order a written language file lists them. The dialog takes its
// captions from these rows and the language writer writes them, so the two
// never differ. The buttons and the output lists' "Custom..." take the words
// of section "Misc" (TZorviLocal) instead.
#include <QString>
#include <QStringList>
#include <array>
#include <functional>

class Localization;

struct OptionsText {
    const char *Section; // a page's name, or "Options" for the dialog itself
    const char *Key;     // a control's name, or "Caption" for the window or the page's tab
    const char *English;
};
extern const std::array<OptionsText, 41> OptionsTexts;

// The row of that section and key. Asking for one no row has is a mistake in
// the dialog: std::logic_error.
const OptionsText &FindOptionsText(QStringView section, QStringView key);
// The caption the dialog shows for a row: its English while English is
// chosen, else the chosen language's text (English with translator marks
// where it has none).
QString OptionsCaption(const Localization &local, const OptionsText &row);
// Every row as "key=text" lines under its section's "[name]", each section
// ended by an empty line; the text of a row is `text(row)`.
QStringList OptionsTextLines(const std::function<QString(const OptionsText &)> &text);
