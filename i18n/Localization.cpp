#include "i18n/Localization.h"

#include "common/ZError.h"
#include "i18n/EnglishLoc.h"
#include "i18n/OptionsTexts.h"
#include "settings/SettingsData.h"

#include <QDir>
#include <QSaveFile>
#include <QStringEncoder>
#include <algorithm>

namespace {
const QString English = QStringLiteral("en");
const QString MainSection = QStringLiteral("Main");
const QString MiscSection = QStringLiteral("Misc");
const QString CmdsSection = QStringLiteral("Cmds");
const QString LocaleKey = QStringLiteral("Locale");
const QString Todo = QStringLiteral("*TODO* ");
} // namespace

Localization::Localization(SettingsData &settings, QStringList langDirs, QStringList saveDirs)
    : m_settings(settings), m_langDirs(std::move(langDirs)), m_saveDirs(std::move(saveDirs))
{
}

void Localization::InitLocalization()
{
    m_current.Clear();
    m_qt.Use(QString());
    QStringList lines = EnglishLoc().split(QLatin1String("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    if (Log)
        for (const QString &line : lines)
            Log(line);
    m_default.LoadFromLines(lines);
    Texts = TZorviLocal::English();

    Languages = {TLocalsItem{English.toLatin1(), QStringLiteral("English")}};
    m_languageDirs = {QString()};
    for (const QString &dir : m_langDirs) {
        // Sorted, so the list reads the same on every file system.
        for (const QString &name : QDir(dir).entryList(QDir::Files, QDir::Name)) {
            if (!name.endsWith(QLatin1String(".lng"), Qt::CaseSensitive) || name.size() <= 4)
                continue;
            const QByteArray fileName = name.toUtf8();
            // A name in two folders: the first folder's file is the one offered.
            const bool known =
                std::any_of(Languages.cbegin(), Languages.cend(),
                            [&](const TLocalsItem &item) { return item.FileName == fileName; });
            if (known)
                continue;
            Languages.append({fileName, name.chopped(4)});
            m_languageDirs.append(dir);
        }
    }

    QString &local = m_settings.Options.Local;
    if (local != English) {
        for (int i = 1; i < Languages.size(); ++i) {
            if (QString::fromUtf8(Languages[i].FileName) == local) {
                SwitchLanguage(i);
                return;
            }
        }
    }
    LanguageIndex = 0;
    local = English;
}

void Localization::SwitchLanguage(int index)
{
    if (index < 0 || index >= Languages.size())
        return;
    if (index == 0) {
        m_current.Clear();
    } else {
        try {
            m_current.LoadFromFile(
                QDir(m_languageDirs[index]).filePath(QString::fromUtf8(Languages[index].FileName)));
        } catch (const ZError &e) {
            // A language that cannot be read is not worth a message box: the
            // log says why, English is shown, and "en" is what the settings keep.
            if (Log)
                Log(e.message());
            m_current.Clear();
            index = 0;
        }
    }
    applyLanguage();
    LanguageIndex = index;
    m_settings.Options.Local = QString::fromUtf8(Languages[index].FileName);
    if (TextsChanged)
        TextsChanged(*this);
}

void Localization::applyLanguage()
{
    if (ApplyToMenus)
        ApplyToMenus(*this);
    m_current.DeleteSection(MainSection);

    const TZorviLocal english = TZorviLocal::English();
    for (const MiscText &misc : MiscTexts)
        Texts.*misc.Field = GetTextDef(MiscSection, QLatin1String(misc.Key), english.*misc.Field);
    Texts.ShortCapHelp = TLngFile::Unescape(Texts.ShortCapHelp);
    const QString language = m_current.ReadValue(MiscSection, LocaleKey);
    if (!m_qt.Use(language) && !m_qt.Language().isEmpty() && Log)
        Log(QStringLiteral("No translations of Qt's dialogs for \"%1\" in %2")
                .arg(language, QtTranslations::Folder()));
    m_current.DeleteSection(MiscSection);

    Texts.Cmds = english.Cmds;
    for (int i = 0; i < english.Cmds.size(); ++i)
        Texts.Cmds[i] = GetTextDef(CmdsSection, QString::number(i), english.Cmds[i]);
    m_current.DeleteSection(CmdsSection);
    // The options dialog's sections stay for the dialog (OptionsCaption).
}

QString Localization::GetText(const QString &section, const QString &key) const
{
    QString value = m_current.ReadValue(section, key);
    if (!value.isEmpty())
        return value;
    QString fallback = m_default.ReadValue(section, key);
    if (fallback.isEmpty())
        fallback = QStringLiteral("**MISSING DEFAULT**");
    return TranslatorMode ? Todo + fallback : fallback;
}

QString Localization::GetTextDef(const QString &section, const QString &key, const QString &def) const
{
    QString value = m_current.ReadValue(section, key);
    if (!value.isEmpty())
        return value;
    return TranslatorMode ? Todo + def : def;
}

QString Localization::SaveLanguage(const QString &fileName)
{
    QStringList lines{QStringLiteral("[Main]")};
    if (MenuLines)
        lines << MenuLines(*this);

    lines << QString() << QStringLiteral("[Misc]");
    for (const MiscText &misc : MiscTexts) {
        const QString value = Texts.*misc.Field;
        lines << QLatin1String(misc.Key) + u'=' +
                     (misc.Field == &TZorviLocal::ShortCapHelp ? TLngFile::Escape(value) : value);
    }
    lines << LocaleKey + u'=' + (m_qt.Language().isEmpty() ? English : m_qt.Language());

    lines << QString() << QStringLiteral("[Cmds]");
    for (int i = 0; i < Texts.Cmds.size(); ++i)
        lines << QString::number(i) + u'=' + Texts.Cmds[i];
    lines << QString();

    lines << OptionsTextLines([this](const OptionsText &row) { return OptionsCaption(*this, row); });

    QStringEncoder utf16(QStringConverter::Utf16LE);
    QByteArray bytes("\xFF\xFE");
    bytes += utf16(lines.join(QLatin1String("\r\n")) + QLatin1String("\r\n"));

    // The program's folder when it may be written, else the user's.
    QString path;
    for (const QString &dir : m_saveDirs) {
        path = QDir(dir).filePath(fileName);
        if (!QDir().mkpath(dir))
            continue;
        QSaveFile file(path);
        if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
            return path;
    }
    throw ZError(QStringLiteral("Unable to write to ") + (path.isEmpty() ? fileName : path));
}

void Localization::FreeLocalization()
{
    m_current.Clear();
    m_default.Clear();
}
