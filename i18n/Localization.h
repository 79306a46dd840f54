#pragma once
// The program's localization: the built-in English, the language chosen in
// the settings, text lookups with translator marks, and writing the texts in
// use to a new language file. One instance, made by main(); widgets reach it
// through the hooks below so this library stays free of them.
#include "common/Hook.h"
#include "i18n/LngFile.h"
#include "i18n/QtTranslations.h"
#include "i18n/ZorviLocal.h"

#include <QList>
#include <functional>

struct SettingsData;

class Localization {
public:
    // `settings.Options.Local` names the chosen language file. `langDirs`
    // are the folders searched for "*.lng", in order (the program's "Lang/"
    // first, then the per-user one); `saveDirs` the folders "savelocal"
    // tries to write to, in order.
    Localization(SettingsData &settings, QStringList langDirs, QStringList saveDirs);

    bool TranslatorMode = false;
    TZorviLocal Texts = TZorviLocal::English();
    QList<TLocalsItem> Languages;
    int LanguageIndex = 0;

    // Applies the current language to widgets owned elsewhere (the window's
    // two popup menus); called by SwitchLanguage after the lookups are ready.
    Hook<void(const Localization &)> ApplyToMenus;
    // The "name=caption" lines of section "[Main]" (the menus), for
    // SaveLanguage; the options dialog's sections come from OptionsTexts.
    Hook<QStringList(const Localization &)> MenuLines;
    // After a switch has filled Texts (the status label, the list title).
    Hook<void(const Localization &)> TextsChanged;
    // The log window: each line of the built-in English text as it is read,
    // and why a chosen language could not be read.
    Hook<void(const QString &)> Log;

    void InitLocalization();
    void SwitchLanguage(int index);
    QString GetText(const QString &section, const QString &key) const;
    QString GetTextDef(const QString &section, const QString &key, const QString &def) const;
    // Writes the texts in use as a language file; returns the path written.
    // Throws ZError("Unable to write to <file>") when no folder takes it.
    QString SaveLanguage(const QString &fileName);
    void FreeLocalization();

private:
    SettingsData &m_settings;
    QStringList m_langDirs, m_saveDirs;
    QList<QString> m_languageDirs; // the folder of each entry of Languages
    TLngFile m_default, m_current;
    // Qt's own texts in the language the file names (key "Locale" of "Misc").
    QtTranslations m_qt;
    void applyLanguage();
};
