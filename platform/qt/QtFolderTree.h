// SPDX-License-Identifier: MIT
// The folder tree control on the screen: shows the nodes of its window record and tells the
// record what the user expands, collapses and selects.
#pragma once

#include "platform/win32/internal/WindowRecord.h"

#include <QTreeWidget>

#include <vector>

class QtFolderTree final : public QTreeWidget {
public:
    QtFolderTree(HWND window, QWidget* parent);

    HWND Window() const { return FWindow; }
    // Adds the nodes the record gained and follows its expansion; a new root starts afresh.
    void SyncItems();
    void SyncSelection();

private:
    int NodeOf(const QTreeWidgetItem* item) const;
    void Expanded(QTreeWidgetItem* item, bool expanded);
    void Selected(QTreeWidgetItem* item);

    HWND FWindow;
    int FGeneration = -1;
    std::vector<QTreeWidgetItem*> FItems; // by node id
    bool FApplying = false;
};
