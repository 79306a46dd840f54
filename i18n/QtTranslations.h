#pragma once
// Qt's own texts (the file dialog, its buttons and columns, the standard
// buttons of boxes) in the UI language: Qt's catalogue for the language, from
// Qt's translations folder, in place of the one used before. Installing or
// removing it makes every open window retranslate itself.
#include <QString>
#include <memory>

class QTranslator;

class QtTranslations {
public:
    QtTranslations();
    ~QtTranslations();
    QtTranslations(const QtTranslations &) = delete;
    QtTranslations &operator=(const QtTranslations &) = delete;

    // A language code as Qt names its catalogues ("de", "fr", "pt_BR"); an
    // empty one, one of another form (it comes from a language file) or a
    // language Qt has no catalogue for leaves Qt's built-in English. True
    // when a catalogue is in use afterwards.
    bool Use(const QString &language);
    // The code last given, when it was of the right form.
    QString Language() const { return m_language; }
    // Where Qt's catalogues are looked for.
    static QString Folder();

private:
    std::unique_ptr<QTranslator> m_translator;
    QString m_language;
};
