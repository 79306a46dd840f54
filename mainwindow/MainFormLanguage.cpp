// The window's side of the localization: the captions of its two popup
// menus, the lines they give a written language file, and the labels that
// show UI texts.
#include "mainwindow/MainForm.h"

#include "console/LogForm.h"
#include "i18n/Localization.h"
#include "mainwindow/MainMenus.h"
#include "mainwindow/WindowEngine.h"
#include "skin/SkinControls.h"

#include <QAction>
#include <QMenu>

namespace {
const QString MainSection = QStringLiteral("Main");

// Depth first in menu order. Separators and items made at run time have no
// name or one starting with "N": they and their sub-items are left out.
template <typename Visit> void walkMenu(const QMenu *menu, Visit &visit)
{
    for (QAction *item : menu->actions()) {
        QMenu *sub = item->menu();
        QString name = item->objectName();
        if (name.isEmpty() && sub)
            name = sub->objectName(); // a menu put in by another owner (Skins)
        if (name.isEmpty() || name.startsWith(u'N'))
            continue;
        visit(item, name);
        if (sub)
            walkMenu(sub, visit);
    }
}
} // namespace

const TZorviLocal &TMainForm::texts() const
{
    return m_program.Locale.Texts;
}

void TMainForm::initLanguage()
{
    Localization &locale = m_program.Locale;
    locale.Log.Set([this](const QString &line) { m_log->AddLine(line); });
    locale.ApplyToMenus.Set([this](const Localization &l) { applyMenuTexts(l); });
    locale.MenuLines.Set([this](const Localization &) { return menuLines(); });
    locale.TextsChanged.Set([this](const Localization &) {
        if (!m_skin)
            return; // the skin is made after the language: it reads the texts itself
        UpdateStatusDisplay(m_engine->State().Status);
        updateListTitle();
        updateButtonTips();
        fillKeys();
    });
    locale.InitLocalization();
}

void TMainForm::freeLanguage()
{
    Localization &locale = m_program.Locale;
    locale.FreeLocalization();
    // The localization outlives the window: nothing may call back into it.
    locale.Log.Clear();
    locale.ApplyToMenus.Clear();
    locale.MenuLines.Clear();
    locale.TextsChanged.Clear();
}

void TMainForm::applyMenuTexts(const Localization &locale)
{
    auto caption = [&locale](QAction *item, const QString &name) {
        item->setText(locale.GetText(MainSection, name));
    };
    walkMenu(m_menus->MainPopup, caption);
    walkMenu(m_menus->PLPopup, caption);
    // Before the skin is loaded its menu is not in MainPopup yet.
    m_skinsTitle = locale.GetText(MainSection, QStringLiteral("MSkins"));
    if (m_skin && m_skin->MSkins())
        m_skin->MSkins()->setTitle(m_skinsTitle);
}

QStringList TMainForm::menuLines() const
{
    QStringList lines;
    auto line = [&lines](QAction *item, const QString &name) {
        QString text = item->text();
        if (const qsizetype amp = text.indexOf(u'&'); amp >= 0)
            text.remove(amp, 1);
        lines << name + u'=' + text;
    };
    walkMenu(m_menus->MainPopup, line);
    walkMenu(m_menus->PLPopup, line);
    return lines;
}
