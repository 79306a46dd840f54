#pragma once
// The small window that lists what the bindings do: one row per action, its
// text in the UI language beside the names of its keys and mouse actions.
// It is not modal; Esc closes it.
#include "shortcuts/BoundActions.h"

#include <QDialog>
#include <vector>

class QTreeWidget;

class KeysWindow : public QDialog {
    Q_OBJECT
public:
    explicit KeysWindow(QWidget *parent = nullptr);

    // Replaces the title and the rows, and fits the window to them.
    void Fill(const QString &title, const std::vector<BoundAction> &actions);

    QTreeWidget *List;
};
