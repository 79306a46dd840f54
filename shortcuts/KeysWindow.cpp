#include "shortcuts/KeysWindow.h"

#include <QHeaderView>
#include <QTreeWidget>
#include <QVBoxLayout>

KeysWindow::KeysWindow(QWidget *parent) : QDialog(parent), List(new QTreeWidget(this))
{
    setObjectName(QStringLiteral("KeysWindow"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    List->setObjectName(QStringLiteral("List"));
    List->setColumnCount(2);
    List->setHeaderHidden(true);
    List->setRootIsDecorated(false);
    List->setAlternatingRowColors(true);
    List->setSelectionMode(QAbstractItemView::NoSelection);
    List->setFocusPolicy(Qt::NoFocus);
    List->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    List->header()->setStretchLastSection(false);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(List);
}

void KeysWindow::Fill(const QString &title, const std::vector<BoundAction> &actions)
{
    setWindowTitle(title);
    List->clear();
    for (const BoundAction &action : actions) {
        auto *row = new QTreeWidgetItem(List, {action.Description, (action.Keys + action.Mouse).join(", ")});
        row->setToolTip(0, action.Command);
    }
    // As large as the rows want, with a gap between the columns; adjustSize
    // keeps it within most of the screen (a scroll bar shows the rest).
    List->resizeColumnToContents(0);
    List->resizeColumnToContents(1);
    List->setColumnWidth(0, List->columnWidth(0) + 3 * fontMetrics().averageCharWidth());
    adjustSize();
}
