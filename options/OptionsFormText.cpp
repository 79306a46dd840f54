#include "options/OptionsFormText.h"

#include "i18n/Localization.h"
#include "options/OptionsForm.h"
#include "options/RadioGroup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>

#include <memory>

namespace {
const QString kOptions = QStringLiteral("Options");
const QString kCaption = QStringLiteral("Caption");
const char *const kVideoKeys[] = {"VOnull", "VOdx", "VOgl2"};
const char *const kAudioKeys[] = {"AOnull", "AOwin32", "AOdsound"};

// The captioned controls on a page, in the order they were made.
QList<QWidget *> CaptionedControls(const QWidget *page)
{
    QList<QWidget *> out;
    for (QWidget *w : page->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        const QString name = w->objectName();
        if (name.isEmpty() || name.startsWith(u'_'))
            continue;
        if (qobject_cast<QLabel *>(w) || qobject_cast<QCheckBox *>(w) || qobject_cast<QGroupBox *>(w))
            out.append(w);
    }
    return out;
}

QString Caption(const QWidget *w)
{
    if (const auto *label = qobject_cast<const QLabel *>(w))
        return label->text();
    if (const auto *check = qobject_cast<const QCheckBox *>(w))
        return check->text();
    return static_cast<const QGroupBox *>(w)->title();
}

void SetCaption(QWidget *w, const QString &text)
{
    if (auto *label = qobject_cast<QLabel *>(w))
        label->setText(text);
    else if (auto *check = qobject_cast<QCheckBox *>(w))
        check->setText(text);
    else
        static_cast<QGroupBox *>(w)->setTitle(text);
}

// The output list beside the page that holds it, with the keys of its entries 1 to 3.
struct OutputList {
    QComboBox *List;
    const char *const *Keys;
};

OutputList OutputsOf(const TOptionsForm &form, const QWidget *page)
{
    if (page == form.VideoTab)
        return {form.VOComboBox, kVideoKeys};
    if (page == form.AudioTab)
        return {form.AOComboBox, kAudioKeys};
    return {nullptr, nullptr};
}
} // namespace

void LocalizeOptionsForm(TOptionsForm &form, const Localization &local)
{
    form.setWindowTitle(local.GetText(kOptions, kCaption));
    form.BCancel->setText(local.Texts.Cancel);
    form.BSave->setText(local.Texts.Ok);
    form.BShortRemove->setText(local.Texts.Remove);
    for (int i = 0; i < form.Pages->count(); ++i) {
        QWidget *page = form.Pages->widget(i);
        const QString section = page->objectName();
        form.Pages->setTabText(i, local.GetText(section, kCaption));
        for (QWidget *w : CaptionedControls(page)) {
            SetCaption(w, local.GetText(section, w->objectName()));
            if (auto *group = qobject_cast<RadioGroup *>(w))
                for (int k = 0; k < group->ItemCount(); ++k)
                    group->SetItemText(k, local.GetText(section, w->objectName() + QString::number(k)));
        }
        if (const OutputList out = OutputsOf(form, page); out.List) {
            out.List->setItemText(0, local.Texts.Custom + QStringLiteral("..."));
            for (int k = 0; k < 3; ++k)
                out.List->setItemText(k + 1, local.GetText(section, QLatin1String(out.Keys[k])));
        }
        if (page == form.ShortcutsTab)
            form.ShortcutListView->setHorizontalHeaderLabels(
                {local.GetText(section, QStringLiteral("Shortcut")),
                 local.GetText(section, QStringLiteral("Action")), QString()});
    }
}

QStringList OptionsFormLines(const TOptionsForm &form)
{
    QStringList lines{QStringLiteral("[Options]"), kCaption + u'=' + form.windowTitle(), QString()};
    for (int i = 0; i < form.Pages->count(); ++i) {
        const QWidget *page = form.Pages->widget(i);
        lines << u'[' + page->objectName() + u']' << kCaption + u'=' + form.Pages->tabText(i);
        for (const QWidget *w : CaptionedControls(page)) {
            lines << w->objectName() + u'=' + Caption(w);
            if (const auto *group = qobject_cast<const RadioGroup *>(w))
                for (int k = 0; k < group->ItemCount(); ++k)
                    lines << w->objectName() + QString::number(k) + u'=' + group->ItemText(k);
        }
        if (const OutputList out = OutputsOf(form, page); out.List)
            for (int k = 0; k < 3; ++k)
                lines << QLatin1String(out.Keys[k]) + u'=' + out.List->itemText(k + 1);
        if (page == form.ShortcutsTab)
            for (int c = 0; c < 2; ++c)
                lines << QLatin1String(c == 0 ? "Shortcut=" : "Action=") +
                             form.ShortcutListView->horizontalHeaderItem(c)->text();
        lines << QString();
    }
    return lines;
}

QStringList OptionsFormLines(const OptionsFormParts &parts)
{
    if (const TOptionsForm *open = TOptionsForm::Current())
        return OptionsFormLines(*open);
    auto form = std::make_unique<TOptionsForm>(parts);
    form->SetHidden();
    return OptionsFormLines(*form);
}
