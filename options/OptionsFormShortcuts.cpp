// The shortcut page: one row per binding, kept in the order of the actions'
// descriptions; a shortcut is captured, then an action chosen or typed, then
// added or changed.
#include "options/OptionsForm.h"

#include "i18n/Localization.h"
#include "shortcuts/KeyNames.h"
#include "shortcuts/ShortcutList.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>

#include <algorithm>
#include <vector>

const char *const TOptionsForm::HelpLocate = "Click above the button above to add or locate a shortcut.";
const char *const TOptionsForm::HelpChange =
    "Change the action of this shortcut, or click above to add a new one.";
const char *const TOptionsForm::HelpExists = "Shortcut already exists. You can change its action.";
const char *const TOptionsForm::HelpNew = "Choose an action or type a custom command.";

namespace {
bool IsNamed(int index)
{
    return index >= 1 && index <= TShortcutList::CommandCount;
}
} // namespace

TOptionsForm::Row TOptionsForm::describe(std::uint32_t code, int index, const QString &text) const
{
    const QStringList &cmds = m_parts.Local->Texts.Cmds;
    const auto cmd = [&cmds](int i) { return i < cmds.size() ? cmds[i] : QString(); };
    // An index without a name (read from a hand-edited file) acts as the free
    // text; it is kept so the file gets it back unchanged.
    if (IsNamed(index))
        return {code, cmd(index), TShortcutList::CommandNames()[index], index};
    return {code, cmd(0) + text, text, index};
}

void TOptionsForm::loadShortcuts()
{
    const QSignalBlocker block(ShortcutListView);
    for (const TmyShortcut &s : m_parts.Shortcuts->Items) {
        const int row = ShortcutListView->rowCount();
        ShortcutListView->insertRow(row);
        setRow(row, describe(std::uint32_t(s.Code), s.Command, QString::fromUtf8(s.Custom)));
    }
    sortRows();
    setEditedCode(0);
    setAddMode(1);
}

void TOptionsForm::fillCommandList()
{
    const QStringList &cmds = m_parts.Local->Texts.Cmds;
    std::vector<std::pair<QString, int>> entries;
    for (int i = 0; i < cmds.size() && i <= TShortcutList::CommandCount; ++i)
        entries.emplace_back(i == 0 ? cmds[0] + QStringLiteral("...") : cmds[i], i);
    std::stable_sort(entries.begin(), entries.end(), [](const auto &a, const auto &b) {
        return QString::compare(a.first, b.first, Qt::CaseInsensitive) < 0;
    });
    for (const auto &[text, number] : entries)
        CommandComboBox->addItem(text, number);
    CommandComboBox->setCurrentIndex(-1);
}

TOptionsForm::Row TOptionsForm::rowAt(int row) const
{
    const QTableWidget *list = ShortcutListView;
    return {list->item(row, 0)->data(Qt::UserRole).toUInt(), list->item(row, 1)->text(),
            list->item(row, 2)->text(), list->item(row, 2)->data(Qt::UserRole).toInt()};
}

void TOptionsForm::setRow(int row, const Row &r)
{
    auto *caption = new QTableWidgetItem(ShortcutToText(r.Code));
    caption->setData(Qt::UserRole, r.Code);
    auto *command = new QTableWidgetItem(r.Command);
    command->setData(Qt::UserRole, r.Index);
    ShortcutListView->setItem(row, 0, caption);
    ShortcutListView->setItem(row, 1, new QTableWidgetItem(r.Description));
    ShortcutListView->setItem(row, 2, command);
}

void TOptionsForm::sortRows()
{
    const int selected = selectedRow();
    std::vector<std::pair<Row, bool>> rows;
    rows.reserve(std::size_t(ShortcutListView->rowCount()));
    for (int i = 0; i < ShortcutListView->rowCount(); ++i)
        rows.emplace_back(rowAt(i), i == selected);
    std::stable_sort(rows.begin(), rows.end(), [](const auto &a, const auto &b) {
        return QString::compare(a.first.Description, b.first.Description, Qt::CaseInsensitive) < 0;
    });
    const QSignalBlocker block(ShortcutListView);
    for (int i = 0; i < int(rows.size()); ++i) {
        setRow(i, rows[i].first);
        if (rows[i].second)
            ShortcutListView->selectRow(i);
    }
}

int TOptionsForm::selectedRow() const
{
    const QList<QTableWidgetItem *> items = ShortcutListView->selectedItems();
    return items.isEmpty() ? -1 : items.first()->row();
}

void TOptionsForm::selectRow(int row)
{
    {
        const QSignalBlocker block(ShortcutListView);
        ShortcutListView->clearSelection();
        ShortcutListView->selectRow(row);
    }
    rowSelected();
}

void TOptionsForm::rowSelected()
{
    const int selected = selectedRow();
    if (selected < 0)
        return;
    const Row r = rowAt(selected);
    setEditedCode(r.Code);
    CommandComboBox->setCurrentIndex(-1);
    CommandComboBox->setCurrentIndex(CommandComboBox->findData(r.Index));
    CmdStrEdit->setText(r.Command);
    BShortRemove->setEnabled(true);
    setAddMode(2);
    LShortHelp->setText(QLatin1String(HelpChange));
}

void TOptionsForm::shortcutClicked()
{
    std::uint32_t code = 0;
    if (!CaptureShortcut || !CaptureShortcut(code))
        return;
    for (int i = 0; i < ShortcutListView->rowCount(); ++i) {
        if (rowAt(i).Code == code) {
            selectRow(i);
            ShortcutListView->scrollToItem(ShortcutListView->item(i, 0));
            LShortHelp->setText(QLatin1String(HelpExists));
            return;
        }
    }
    setEditedCode(code);
    {
        const QSignalBlocker block(ShortcutListView);
        ShortcutListView->clearSelection();
    }
    BShortRemove->setEnabled(false);
    setAddMode(1);
    LShortHelp->setText(QLatin1String(HelpNew));
}

void TOptionsForm::commandChosen(int item)
{
    const int number = CommandComboBox->itemData(item).toInt();
    if (IsNamed(number))
        CmdStrEdit->setText(TShortcutList::CommandNames()[number]);
}

void TOptionsForm::commandEdited(const QString &text)
{
    const int item = CommandComboBox->currentIndex();
    if (item < 0)
        return;
    const int number = CommandComboBox->itemData(item).toInt();
    if (IsNamed(number) && text != TShortcutList::CommandNames()[number])
        CommandComboBox->setCurrentIndex(CommandComboBox->findData(0));
}

void TOptionsForm::addOrChange()
{
    const int item = CommandComboBox->currentIndex();
    if (m_editedCode == 0 || item < 0)
        return;
    int row = m_addMode == 1 ? ShortcutListView->rowCount() : selectedRow();
    if (row < 0)
        return; // changing, but the user has unselected every row
    const int number = CommandComboBox->itemData(item).toInt();
    const std::uint32_t code = m_addMode == 1 ? m_editedCode : rowAt(row).Code;
    const Row r = describe(code, IsNamed(number) ? number : 0, CmdStrEdit->text());
    if (m_addMode == 1) {
        const QSignalBlocker block(ShortcutListView);
        ShortcutListView->insertRow(row);
        ShortcutListView->clearSelection();
    }
    setRow(row, r);
    {
        const QSignalBlocker block(ShortcutListView);
        ShortcutListView->selectRow(row);
    }
    sortRows();
    row = selectedRow();
    if (m_addMode == 1)
        selectRow(row);
    ShortcutListView->scrollToItem(ShortcutListView->item(row, 0));
    m_shortcutsModified = true;
}

void TOptionsForm::removeRow()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    {
        const QSignalBlocker block(ShortcutListView);
        ShortcutListView->removeRow(row);
    }
    const int count = ShortcutListView->rowCount();
    if (row < count)
        selectRow(row);
    else if (count > 0)
        selectRow(row - 1);
    else
        BShortRemove->setEnabled(false);
    m_shortcutsModified = true;
}

void TOptionsForm::setEditedCode(std::uint32_t code)
{
    m_editedCode = code;
    BShortcut->setText(ShortcutToText(code));
}

void TOptionsForm::setAddMode(int mode)
{
    m_addMode = mode;
    const TZorviLocal &texts = m_parts.Local->Texts;
    BShortAC->setText(mode == 1 ? texts.Add : texts.Change);
}
