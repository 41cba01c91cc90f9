// SPDX-License-Identifier: MIT
// The folder tree: a native leaf control of class "FOLDERTREE" showing the directories under
// a root, as the shell's folder browser uses it. Its nodes, their expansion and the selection
// live in the window record, so it works the same with or without a host; the host shows the
// nodes and reports what the user expands and selects.
#pragma once

#include "platform/win32/shell/ShellItems.h"
#include "platform/win32/windows/WinUser.h"

#include <vector>

inline constexpr const char* kFolderTreeClass = "FOLDERTREE";

enum class FolderTreeRoot : std::uint8_t {
    Desktop, // the home folder and the file system's root
    Computer, // one node for the computer, holding the mounted file systems
    Folder, // one directory (the lParam of FTM_SETROOT) and what lies below it
};

// wParam: a FolderTreeRoot; lParam: the directory for FolderTreeRoot::Folder. The first top
// node becomes the selection, without a notification. FALSE, and nothing changes, for a
// wParam that names no root.
inline constexpr UINT FTM_SETROOT = WM_USER + 1;
// lParam: a path ("\" or "/"). Lists, expands and selects down to it; TRUE when it was found.
// A missing directory changes nothing.
inline constexpr UINT FTM_SELECTPATH = WM_USER + 2;
// wParam: a node id. TRUE when the node exists.
inline constexpr UINT FTM_SELECTNODE = WM_USER + 3;
// wParam: a node id; lParam: 1 to expand (listing its folders when not done yet), 0 to collapse.
inline constexpr UINT FTM_EXPAND = WM_USER + 4;
// The selected node's id, or -1.
inline constexpr UINT FTM_GETSELECTION = WM_USER + 5;

// Sent (a change made through a message) or posted (a change the user made) to the parent as
// WM_COMMAND with this notification code, the tree's id and the tree as lParam.
inline constexpr UINT FTN_SELCHANGE = 1;

struct FolderTreeNode {
    AnsiString text; // shown
    ShellItemKind kind = ShellItemKind::Folder;
    AnsiString path; // Folder: the directory as the host names it
    int parent = -1;
    std::vector<int> children; // in the order shown
    bool listed = false; // children read from the file system
    bool expanded = false;
};

struct FolderTreeState {
    // Nodes are only ever appended, so an id stays valid until the root is set again, which
    // starts a new generation.
    std::vector<FolderTreeNode> nodes;
    std::vector<int> roots;
    int selected = -1;
    int generation = 0;
};

// The tree's state, or nullptr when window is not a live folder tree.
const FolderTreeState* FolderTreeStateOf(HWND tree);
// A new item list for a node (to be freed with CoTaskMemFree), or nullptr for an unknown id.
LPITEMIDLIST FolderTreeItem(HWND tree, int node);

// The host reports the user's doing through these.
void HostFolderTreeExpanded(HWND tree, int node, bool expanded);
void HostFolderTreeSelected(HWND tree, int node);
