#include "i18n/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QRegularExpression>
#include <QTranslator>

QtTranslations::QtTranslations() = default;

QtTranslations::~QtTranslations()
{
    if (m_translator && QCoreApplication::instance())
        QCoreApplication::removeTranslator(m_translator.get());
}

QString QtTranslations::Folder()
{
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}

bool QtTranslations::Use(const QString &language)
{
    // Two or three letters, maybe a region: never a path to some other file.
    static const QRegularExpression form(QStringLiteral("^[a-z]{2,3}(_[A-Z]{2})?$"));
    const QString wanted = form.match(language).hasMatch() ? language : QString();
    if (wanted == m_language && (m_translator || wanted.isEmpty()))
        return bool(m_translator);
    if (m_translator && QCoreApplication::instance())
        QCoreApplication::removeTranslator(m_translator.get());
    m_translator.reset();
    m_language = wanted;
    if (wanted.isEmpty() || !QCoreApplication::instance())
        return false;
    // "qt_<language>" gathers the catalogues of Qt's modules (qtbase ...).
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral("qt_") + wanted, Folder()))
        return false;
    QCoreApplication::installTranslator(translator.get());
    m_translator = std::move(translator);
    return true;
}
