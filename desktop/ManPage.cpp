// zorvi-manpage TEMPLATE OUTPUT: writes the manual page with its keys, mouse
// actions and menus taken from the program itself (the default bindings, the
// English texts of their actions, the menus as the window builds them), so
// the page never drifts from the program. Each marker line of the template
// (".\" generated: keys", "mouse", "menus") is replaced by its list.
#include "i18n/EnglishLoc.h"
#include "i18n/LngFile.h"
#include "i18n/ZorviLocal.h"
#include "mainwindow/MainMenus.h"
#include "settings/IniFile.h"
#include "shortcuts/BoundActions.h"
#include "shortcuts/ShortcutList.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QWidget>
#include <algorithm>
#include <cstdio>

namespace {

// Text as troff reads it: backslashes and dashes escaped, and a line that
// would start with a control character made plain.
QString Troff(QString text)
{
    text.replace(u'\\', QLatin1String("\\e")).replace(u'-', QLatin1String("\\-"));
    if (text.startsWith(u'.') || text.startsWith(u'\''))
        text.prepend(QLatin1String("\\&"));
    return text;
}

// One paragraph per action: its shortcuts in bold, its text below.
QStringList Bindings(const std::vector<BoundAction> &actions, QStringList BoundAction::*names)
{
    QStringList lines;
    for (const BoundAction &action : actions) {
        const QStringList &shortcuts = action.*names;
        if (shortcuts.isEmpty())
            continue;
        QStringList bold;
        for (const QString &name : shortcuts)
            bold << QLatin1String("\\fB") + Troff(name) + QLatin1String("\\fR");
        lines << QStringLiteral(".TP") << QStringLiteral("\\&") + bold.join(QLatin1String(", "))
              << Troff(action.Description);
    }
    return lines;
}

QString Caption(const QAction *item)
{
    QString text = item->text();
    return text.replace(QLatin1String("&&"), QLatin1String("&"));
}

// A menu's items in order, a submenu's after its title in parentheses.
QString Items(const QMenu *menu)
{
    QStringList items;
    for (const QAction *item : menu->actions()) {
        if (item->isSeparator())
            continue;
        QString text = Troff(Caption(item));
        if (item->menu() && !item->menu()->actions().isEmpty())
            text += QLatin1String(" (") + Items(item->menu()) + u')';
        items << text;
    }
    return items.join(QLatin1String(", "));
}

// One paragraph per item of the menu's top level.
QStringList Menu(const QMenu *menu)
{
    QStringList lines;
    for (const QAction *item : menu->actions()) {
        if (item->isSeparator())
            continue;
        lines << QStringLiteral(".TP") << QLatin1String(".B ") + Troff(Caption(item));
        const QMenu *sub = item->menu();
        lines << (sub && !sub->actions().isEmpty() ? Items(sub) : QStringLiteral("\\&"));
    }
    return lines;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: zorvi-manpage TEMPLATE OUTPUT\n");
        return 2;
    }
    QFile in(QString::fromLocal8Bit(argv[1]));
    if (!in.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "zorvi-manpage: cannot read %s\n", argv[1]);
        return 1;
    }
    const QStringList lines = QString::fromUtf8(in.readAll()).split(u'\n');

    TShortcutList defaults;
    defaults.LoadFromIni(IniFile());
    const std::vector<BoundAction> actions = BoundActions(defaults, TZorviLocal::English().Cmds);

    QWidget owner;
    MainMenus menus(&owner);
    // The Skins menu is the skin loader's; its title is the built-in English one.
    TLngFile english;
    english.LoadFromLines(EnglishLoc().split(QLatin1String("\r\n")));
    QMenu skins(english.ReadValue(QStringLiteral("Main"), QStringLiteral("MSkins")));
    menus.SetSkinsMenu(&skins);

    const QList<std::pair<QString, QStringList>> parts = {
        {QStringLiteral("keys"), Bindings(actions, &BoundAction::Keys)},
        {QStringLiteral("mouse"), Bindings(actions, &BoundAction::Mouse)},
        {QStringLiteral("menus"), Menu(menus.MainPopup)},
        {QStringLiteral("playlist menu"), Menu(menus.PLPopup)},
    };
    QStringList out;
    int replaced = 0;
    for (const QString &line : lines) {
        const auto part = std::find_if(parts.begin(), parts.end(), [&](const auto &p) {
            return line == QLatin1String(".\\\" generated: ") + p.first;
        });
        if (part == parts.end()) {
            out << line;
            continue;
        }
        out << part->second;
        ++replaced;
    }
    if (replaced != parts.size()) {
        std::fprintf(stderr, "zorvi-manpage: %s lacks a marker line\n", argv[1]);
        return 1;
    }
    QFile file(QString::fromLocal8Bit(argv[2]));
    if (!file.open(QIODevice::WriteOnly) || file.write(out.join(u'\n').toUtf8()) < 0 || !file.flush()) {
        std::fprintf(stderr, "zorvi-manpage: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
