#include "engine/TrackLabel.h"

#include "common/TextHelpers.h"

#include <QLocale>
#include <algorithm>

namespace TrackLabel {

QString Part(const QString &text)
{
    return ReplaceControlChars(text.left(64), u' ').trimmed();
}

QString Language(const QString &code)
{
    QString text = Part(code).left(16);
    const bool letters = text.size() >= 2 && text.size() <= 3 &&
                         std::all_of(text.begin(), text.end(), [](QChar c) { return c.isLower(); });
    const QLocale::Language language =
        letters ? QLocale::codeToLanguage(text, QLocale::AnyLanguageCode) : QLocale::AnyLanguage;
    if (language == QLocale::AnyLanguage || language == QLocale::C)
        return text;
    return QLocale::languageToString(language) + QStringLiteral(" (") + text + u')';
}

QString Compose(const QString &language, const QString &title, const QString &codec)
{
    constexpr qsizetype MaxLabel = 64;
    QString label = language;
    if (!title.isEmpty())
        label += (label.isEmpty() ? QString() : QStringLiteral(" \u2013 ")) + title;
    const QString tail = codec.isEmpty() ? QString() : QStringLiteral(" [") + codec.left(16) + u']';
    return (label.left(MaxLabel - tail.size()) + tail).trimmed();
}
} // namespace TrackLabel
