#include "options/RadioGroup.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

RadioGroup::RadioGroup(const QString &caption, const QStringList &items, QWidget *parent)
    : QGroupBox(caption, parent), m_group(new QButtonGroup(this))
{
    auto *layout = new QVBoxLayout(this);
    for (const QString &text : items) {
        auto *button = new QRadioButton(text, this);
        m_group->addButton(button, int(m_items.size()));
        m_items.append(button);
        layout->addWidget(button);
    }
}

QString RadioGroup::ItemText(int index) const
{
    return index >= 0 && index < m_items.size() ? m_items[index]->text() : QString();
}

void RadioGroup::SetItemText(int index, const QString &text)
{
    if (index >= 0 && index < m_items.size())
        m_items[index]->setText(text);
}

int RadioGroup::ItemIndex() const
{
    return m_group->checkedId();
}

void RadioGroup::SetItemIndex(int index)
{
    if (index >= 0 && index < m_items.size())
        m_items[index]->setChecked(true);
}
