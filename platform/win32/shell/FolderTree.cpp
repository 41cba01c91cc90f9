// SPDX-License-Identifier: MIT
// The folder tree's procedure: its nodes are read from the file system as they are expanded,
// and a path is found by walking down from the top node that holds it.
#include "platform/win32/shell/FolderTree.h"

#include "platform/rtl/FileNames.h"
#include "platform/win32/internal/WindowRegistry.h"

#include <algorithm>
#include <optional>

using namespace win32_internal;

namespace {

FolderTreeState* StateOf(HWND tree)
{
    if (!IsLive(tree) || tree->kind != WindowKind::NativeFolderTree)
        return nullptr;
    return static_cast<FolderTreeState*>(tree->controlState.get());
}

AnsiString JoinPath(const AnsiString& directory, const AnsiString& name)
{
    return directory.ends_with('/') ? directory + name : directory + "/" + name;
}

// Letter case decides only between names that are otherwise the same.
bool LessByName(const AnsiString& a, const AnsiString& b)
{
    const AnsiString lowerA = LowerCase(a);
    const AnsiString lowerB = LowerCase(b);
    return lowerA != lowerB ? lowerA < lowerB : a < b;
}

// The directories in a directory, in the order a person looks for them. Names starting with
// "." are hidden here as in every Linux file manager; FTM_SELECTPATH still reaches them.
std::vector<AnsiString> SubdirectoriesOf(const AnsiString& directory)
{
    std::vector<AnsiString> names;
    WIN32_FIND_DATAA found {};
    const HANDLE search = FindFirstFileA(JoinPath(directory, "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        const AnsiString name = found.cFileName;
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && !name.empty() && name.front() != '.')
            names.push_back(name);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end(), LessByName);
    return names;
}

bool IsDirectory(const AnsiString& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

int AddNode(FolderTreeState& state, int parent, FolderTreeNode node)
{
    node.parent = parent;
    const int id = int(state.nodes.size());
    state.nodes.push_back(std::move(node));
    if (parent >= 0)
        state.nodes[std::size_t(parent)].children.push_back(id);
    else
        state.roots.push_back(id);
    return id;
}

FolderTreeNode FolderNode(const AnsiString& text, const AnsiString& path)
{
    FolderTreeNode node;
    node.text = text;
    node.kind = ShellItemKind::Folder;
    node.path = path;
    return node;
}

void ListChildren(FolderTreeState& state, int id)
{
    if (state.nodes[std::size_t(id)].listed)
        return;
    state.nodes[std::size_t(id)].listed = true;
    const FolderTreeNode node = state.nodes[std::size_t(id)];
    if (node.kind == ShellItemKind::Computer) {
        for (const AnsiString& mountPoint : MountedFileSystems())
            AddNode(state, id, FolderNode(mountPoint, mountPoint));
        return;
    }
    for (const AnsiString& name : SubdirectoriesOf(node.path))
        AddNode(state, id, FolderNode(name, JoinPath(node.path, name)));
}

// The path as the host names it, with "." and ".." resolved by their text; "" when it is not
// absolute.
AnsiString NormalisedPath(const AnsiString& path)
{
    const AnsiString host = HostPath(path);
    if (host.empty() || host.front() != '/')
        return {};
    std::vector<AnsiString> components;
    std::size_t start = 1;
    while (start <= host.size()) {
        std::size_t end = host.find('/', start);
        if (end == AnsiString::npos)
            end = host.size();
        const AnsiString component = host.substr(start, end - start);
        if (component == "..") {
            if (!components.empty())
                components.pop_back();
        } else if (!component.empty() && component != ".")
            components.push_back(component);
        start = end + 1;
    }
    AnsiString result;
    for (const AnsiString& component : components)
        result += "/" + component;
    return result.empty() ? "/" : result;
}

// The part of path below base, or nullopt when path does not lie in base.
std::optional<AnsiString> RemainderBelow(const AnsiString& path, const AnsiString& base)
{
    if (base == "/")
        return path.substr(1);
    if (path == base)
        return AnsiString();
    if (path.starts_with(base) && path[base.size()] == '/')
        return path.substr(base.size() + 1);
    return std::nullopt;
}

// The node of the folder holding path that lies deepest among the nodes known so far without
// listing anything: a top folder or, under the computer, a mounted file system.
int AnchorFor(FolderTreeState& state, const AnsiString& path, AnsiString& remainder)
{
    std::vector<int> candidates = state.roots;
    for (int root : state.roots)
        if (state.nodes[std::size_t(root)].kind == ShellItemKind::Computer) {
            ListChildren(state, root);
            const auto& children = state.nodes[std::size_t(root)].children;
            candidates.insert(candidates.end(), children.begin(), children.end());
        }
    int best = -1;
    std::size_t bestLength = 0;
    for (int candidate : candidates) {
        const FolderTreeNode& node = state.nodes[std::size_t(candidate)];
        if (node.kind != ShellItemKind::Folder)
            continue;
        const auto below = RemainderBelow(path, node.path);
        if (below && (best < 0 || node.path.size() > bestLength)) {
            best = candidate;
            bestLength = node.path.size();
            remainder = *below;
        }
    }
    return best;
}

int FindPath(FolderTreeState& state, const AnsiString& path)
{
    const AnsiString target = NormalisedPath(path);
    if (target.empty() || !IsDirectory(target))
        return -1;
    AnsiString remainder;
    int current = AnchorFor(state, target, remainder);
    if (current < 0)
        return -1;
    std::size_t start = 0;
    while (start < remainder.size()) {
        std::size_t end = remainder.find('/', start);
        if (end == AnsiString::npos)
            end = remainder.size();
        const AnsiString name = remainder.substr(start, end - start);
        start = end + 1;
        ListChildren(state, current);
        const auto& children = state.nodes[std::size_t(current)].children;
        const auto found = std::find_if(children.begin(), children.end(),
            [&](int child) { return state.nodes[std::size_t(child)].text == name; });
        if (found != children.end()) {
            current = *found;
            continue;
        }
        // A hidden folder is not listed but can still be asked for.
        const AnsiString childPath = JoinPath(state.nodes[std::size_t(current)].path, name);
        current = AddNode(state, current, FolderNode(name, childPath));
    }
    return current;
}

void NotifyParent(HWND tree, bool post)
{
    if (!tree->parent)
        return;
    const WPARAM wParam = MAKEWPARAM(WORD(tree->id), WORD(FTN_SELCHANGE));
    if (post)
        PostMessageA(tree->parent, WM_COMMAND, wParam, reinterpret_cast<LPARAM>(tree));
    else
        SendMessageA(tree->parent, WM_COMMAND, wParam, reinterpret_cast<LPARAM>(tree));
}

void Select(HWND tree, FolderTreeState& state, int id, bool post)
{
    // What the selection shows must be in sight: every folder above it opens.
    bool opened = false;
    for (int ancestor = state.nodes[std::size_t(id)].parent; ancestor >= 0;
         ancestor = state.nodes[std::size_t(ancestor)].parent) {
        ListChildren(state, ancestor);
        opened = opened || !state.nodes[std::size_t(ancestor)].expanded;
        state.nodes[std::size_t(ancestor)].expanded = true;
    }
    NotifyHost(tree, WindowChange::Items);
    if (state.selected == id && !opened)
        return;
    const bool changed = state.selected != id;
    state.selected = id;
    NotifyHost(tree, WindowChange::Selection);
    if (changed)
        NotifyParent(tree, post);
}

void SetRoot(HWND tree, FolderTreeState& state, FolderTreeRoot root, const AnsiString& folder)
{
    state.nodes.clear();
    state.roots.clear();
    state.selected = -1;
    ++state.generation;
    switch (root) {
    case FolderTreeRoot::Desktop: {
        const AnsiString home = UserHomeDirectory();
        if (!home.empty() && NormalisedPath(home) != "/")
            AddNode(state, -1, FolderNode("Home", NormalisedPath(home)));
        AddNode(state, -1, FolderNode("/", "/"));
        break;
    }
    case FolderTreeRoot::Computer: {
        FolderTreeNode computer;
        computer.text = "Computer";
        computer.kind = ShellItemKind::Computer;
        AddNode(state, -1, computer);
        break;
    }
    case FolderTreeRoot::Folder: {
        const AnsiString path = NormalisedPath(folder);
        AddNode(
            state, -1, FolderNode(FolderDisplayName(path.empty() ? "/" : path), path.empty() ? "/" : path));
        break;
    }
    }
    state.selected = state.roots.front();
    NotifyHost(tree, WindowChange::Items);
    NotifyHost(tree, WindowChange::Selection);
}

bool ValidNode(const FolderTreeState& state, WPARAM id)
{
    return std::intptr_t(id) >= 0 && id < state.nodes.size();
}

} // namespace

const FolderTreeState* FolderTreeStateOf(HWND tree)
{
    return StateOf(tree);
}

LPITEMIDLIST FolderTreeItem(HWND tree, int id)
{
    const FolderTreeState* state = StateOf(tree);
    if (!state || id < 0 || std::size_t(id) >= state->nodes.size())
        return nullptr;
    const FolderTreeNode& node = state->nodes[std::size_t(id)];
    return CoTaskMemNew<ITEMIDLIST>(ITEMIDLIST { node.kind, node.path, node.text });
}

namespace win32_internal {

LRESULT FolderTreeWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_CREATE) {
        window->controlState = std::make_shared<FolderTreeState>();
        SetRoot(window, *StateOf(window), FolderTreeRoot::Desktop, {});
        return 0;
    }
    FolderTreeState* state = StateOf(window);
    if (!state)
        return DefWindowProcA(window, message, wParam, lParam);
    switch (message) {
    case FTM_SETROOT: {
        // An unknown root would leave the tree without a node to select.
        if (wParam > WPARAM(FolderTreeRoot::Folder))
            return FALSE;
        const char* folder = reinterpret_cast<const char*>(lParam);
        SetRoot(window, *state, FolderTreeRoot(wParam), folder ? folder : "");
        return TRUE;
    }
    case FTM_SELECTPATH: {
        const char* path = reinterpret_cast<const char*>(lParam);
        const int id = path ? FindPath(*state, path) : -1;
        if (id < 0)
            return FALSE;
        Select(window, *state, id, false);
        return TRUE;
    }
    case FTM_SELECTNODE:
        if (!ValidNode(*state, wParam))
            return FALSE;
        Select(window, *state, int(wParam), false);
        return TRUE;
    case FTM_EXPAND: {
        if (!ValidNode(*state, wParam))
            return FALSE;
        if (lParam)
            ListChildren(*state, int(wParam));
        state->nodes[wParam].expanded = lParam != 0;
        NotifyHost(window, WindowChange::Items);
        return TRUE;
    }
    case FTM_GETSELECTION:
        return state->selected;
    case WM_KEYDOWN:
        // The dialog holding the tree answers Return and Escape.
        if ((wParam == VK_RETURN || wParam == VK_ESCAPE) && window->parent)
            return SendMessageA(window->parent, message, wParam, lParam);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

} // namespace win32_internal

void HostFolderTreeExpanded(HWND tree, int node, bool expanded)
{
    if (FolderTreeState* state = StateOf(tree); state && ValidNode(*state, WPARAM(node))) {
        if (expanded)
            ListChildren(*state, node);
        state->nodes[std::size_t(node)].expanded = expanded;
        NotifyHost(tree, WindowChange::Items);
    }
}

void HostFolderTreeSelected(HWND tree, int node)
{
    FolderTreeState* state = StateOf(tree);
    if (!state || !ValidNode(*state, WPARAM(node)) || state->selected == node)
        return;
    state->selected = node;
    NotifyParent(tree, true);
}
