// SPDX-License-Identifier: MIT
#include "platform/qt/QtFolderTree.h"

#include "platform/qt/QtStrings.h"
#include "platform/win32/shell/FolderTree.h"
#include "platform/win32/windows/Host.h"

#include <QHeaderView>
#include <QStyle>

namespace {

constexpr int kNodeRole = Qt::UserRole + 1;

QIcon IconFor(const FolderTreeState& state, const FolderTreeNode& node, QStyle* style)
{
    if (node.kind == ShellItemKind::Computer)
        return style->standardIcon(QStyle::SP_ComputerIcon);
    const bool mounted
        = node.parent >= 0 && state.nodes[std::size_t(node.parent)].kind == ShellItemKind::Computer;
    if (node.path == "/" || mounted)
        return style->standardIcon(QStyle::SP_DriveHDIcon);
    if (node.parent < 0)
        return style->standardIcon(QStyle::SP_DirHomeIcon);
    return style->standardIcon(QStyle::SP_DirIcon);
}

// No exception may cross Qt's loop; the application's report gets it instead.
template <class Action> void Guarded(Action action)
{
    try {
        action();
    } catch (const std::exception& error) {
        ReportError(error);
    }
}

} // namespace

QtFolderTree::QtFolderTree(HWND window, QWidget* parent)
    : QTreeWidget(parent)
    , FWindow(window)
{
    setHeaderHidden(true);
    setColumnCount(1);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    header()->setStretchLastSection(true);
    connect(this, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* item) { Expanded(item, true); });
    connect(
        this, &QTreeWidget::itemCollapsed, this, [this](QTreeWidgetItem* item) { Expanded(item, false); });
    connect(this, &QTreeWidget::currentItemChanged, this,
        [this](QTreeWidgetItem* current, QTreeWidgetItem*) { Selected(current); });
    SyncItems();
    SyncSelection();
}

int QtFolderTree::NodeOf(const QTreeWidgetItem* item) const
{
    return item ? item->data(0, kNodeRole).toInt() : -1;
}

void QtFolderTree::Expanded(QTreeWidgetItem* item, bool expanded)
{
    if (FApplying)
        return;
    Guarded([&] { HostFolderTreeExpanded(FWindow, NodeOf(item), expanded); });
}

void QtFolderTree::Selected(QTreeWidgetItem* item)
{
    if (FApplying || !item)
        return;
    Guarded([&] { HostFolderTreeSelected(FWindow, NodeOf(item)); });
}

void QtFolderTree::SyncItems()
{
    const FolderTreeState* state = FolderTreeStateOf(FWindow);
    if (!state)
        return;
    const QSignalBlocker quiet(this);
    FApplying = true;
    if (state->generation != FGeneration) {
        clear();
        FItems.clear();
        FGeneration = state->generation;
    }
    for (std::size_t id = FItems.size(); id < state->nodes.size(); ++id) {
        const FolderTreeNode& node = state->nodes[id];
        auto* item = node.parent >= 0 ? new QTreeWidgetItem(FItems[std::size_t(node.parent)])
                                      : new QTreeWidgetItem(this);
        item->setText(0, ToQString(node.text));
        item->setData(0, kNodeRole, int(id));
        item->setIcon(0, IconFor(*state, node, style()));
        item->setToolTip(0, ToQString(node.path));
        FItems.push_back(item);
    }
    for (std::size_t id = 0; id < state->nodes.size(); ++id) {
        const FolderTreeNode& node = state->nodes[id];
        // Until its folders are read, a node is shown as one that can be opened.
        FItems[id]->setChildIndicatorPolicy(
            node.listed ? QTreeWidgetItem::DontShowIndicatorWhenChildless : QTreeWidgetItem::ShowIndicator);
        if (FItems[id]->isExpanded() != node.expanded)
            FItems[id]->setExpanded(node.expanded);
    }
    FApplying = false;
}

void QtFolderTree::SyncSelection()
{
    const FolderTreeState* state = FolderTreeStateOf(FWindow);
    if (!state || state->selected < 0 || std::size_t(state->selected) >= FItems.size())
        return;
    const QSignalBlocker quiet(this);
    FApplying = true;
    QTreeWidgetItem* item = FItems[std::size_t(state->selected)];
    setCurrentItem(item);
    scrollToItem(item, QAbstractItemView::PositionAtCenter);
    FApplying = false;
}
