#pragma once
// A framed group of radio buttons with one chosen item, as the options
// dialog's resize choice; language files caption it and each of its items.
#include <QGroupBox>
#include <QList>

class QButtonGroup;
class QRadioButton;

class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    RadioGroup(const QString &caption, const QStringList &items, QWidget *parent = nullptr);

    int ItemCount() const { return int(m_items.size()); }
    QString ItemText(int index) const;
    void SetItemText(int index, const QString &text);
    // -1 when none is chosen.
    int ItemIndex() const;
    void SetItemIndex(int index);

private:
    QButtonGroup *m_group;
    QList<QRadioButton *> m_items;
};
