// SPDX-License-Identifier: MIT
// The shell's folder browser without a host: its tree, its item lists and the dialog driven
// through the queue from its callback.
#include "platform/win32/shell/ShellBrowser.h"

#include "platform/win32/internal/WindowRecord.h"
#include "platform/win32/shell/FolderTree.h"
#include "platform/win32/windows/Host.h"
#include "tests/platform/rtl/TemporaryDirectory.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <optional>
#include <vector>

namespace {

// Puts HOME somewhere known for the life of the object.
class HomeOverride {
public:
    explicit HomeOverride(const std::string& home)
    {
        if (const char* old = std::getenv("HOME"))
            FOld = old;
        ::setenv("HOME", home.c_str(), 1);
    }
    ~HomeOverride()
    {
        if (FOld)
            ::setenv("HOME", FOld->c_str(), 1);
        else
            ::unsetenv("HOME");
    }
    HomeOverride(const HomeOverride&) = delete;
    HomeOverride& operator=(const HomeOverride&) = delete;

private:
    std::optional<std::string> FOld;
};

// A container window that keeps the notifications of its children.
struct TreeParent {
    TreeParent()
    {
        WNDCLASSA windowClass;
        if (!GetClassInfoA(nullptr, "SHELLTESTPARENT", &windowClass)) {
            windowClass = {};
            windowClass.lpszClassName = "SHELLTESTPARENT";
            windowClass.lpfnWndProc = [](HWND target, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
                if (message == WM_COMMAND)
                    reinterpret_cast<TreeParent*>(GetWindowLongPtrA(target, GWLP_USERDATA))
                        ->commands.push_back(wParam);
                return DefWindowProcA(target, message, wParam, lParam);
            };
            RegisterClassA(windowClass);
        }
        window = CreateWindowExA(0, "SHELLTESTPARENT", "", WS_POPUP, 0, 0, 300, 300, nullptr, 0, this);
        tree = CreateWindowExA(
            0, kFolderTreeClass, "", WS_CHILD | WS_VISIBLE, 0, 0, 200, 200, window, 7, nullptr);
    }
    ~TreeParent() { DestroyWindow(window); }
    TreeParent(const TreeParent&) = delete;
    TreeParent& operator=(const TreeParent&) = delete;

    const FolderTreeState& State() const { return *FolderTreeStateOf(tree); }
    const FolderTreeNode& Node(int id) const { return State().nodes[std::size_t(id)]; }
    std::vector<std::string> ChildTexts(int id) const
    {
        std::vector<std::string> texts;
        for (int child : Node(id).children)
            texts.push_back(Node(child).text);
        return texts;
    }
    std::string SelectedPath() const { return Node(State().selected).path; }
    bool SelectPath(const std::string& path) const
    {
        return SendMessageA(tree, FTM_SELECTPATH, 0, reinterpret_cast<LPARAM>(path.c_str())) != FALSE;
    }

    HWND window = nullptr;
    HWND tree = nullptr;
    std::vector<WPARAM> commands;
};

struct Notification {
    UINT message = 0;
    std::string path; // of the item of BFFM_SELCHANGED
};

// Runs the browser with a callback that logs what it hears and hands each notification to
// react, which answers the dialog the way a user would.
struct BrowseRun {
    std::function<void(HWND dialog, const Notification&)> react;
    std::vector<Notification> heard;
    char displayName[MAX_PATH] = "untouched";
    BROWSEINFOA info;

    explicit BrowseRun(UINT flags = BIF_RETURNONLYFSDIRS | BIF_RETURNFSANCESTORS)
    {
        info.pszDisplayName = displayName;
        info.ulFlags = flags;
        info.lParam = reinterpret_cast<LPARAM>(this);
        info.iImage = -1;
        info.lpfn = [](HWND dialog, UINT message, LPARAM lParam, LPARAM data) -> int {
            auto& run = *reinterpret_cast<BrowseRun*>(data);
            Notification notification { message, {} };
            if (message == BFFM_SELCHANGED)
                if (const auto* item = reinterpret_cast<LPCITEMIDLIST>(lParam))
                    notification.path
                        = item->kind == ShellItemKind::Folder ? item->path : "<" + item->displayName + ">";
            run.heard.push_back(notification);
            if (run.react)
                run.react(dialog, notification);
            return 0;
        };
    }

    // The item's path, or "" when the dialog was cancelled; the item is freed.
    std::optional<std::string> Run()
    {
        LPITEMIDLIST item = SHBrowseForFolderA(&info);
        if (!item)
            return std::nullopt;
        const std::string path
            = item->kind == ShellItemKind::Folder ? item->path : "<" + item->displayName + ">";
        CoTaskMemFree(item);
        return path;
    }
};

HWND DialogChild(HWND dialog, int id)
{
    for (HWND child = FindWindowExA(dialog, nullptr, nullptr, nullptr); child;
         child = FindWindowExA(dialog, child, nullptr, nullptr))
        if (GetDlgCtrlID(child) == id)
            return child;
    return nullptr;
}

void Press(HWND dialog, int buttonId)
{
    PostMessageA(DialogChild(dialog, buttonId), BM_CLICK, 0, 0);
}

void SelectPath(HWND dialog, const std::string& path)
{
    SendMessageA(dialog, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(path.c_str()));
}

} // namespace

TEST(FolderTree, ListsTheFoldersOfAFolderOnlyInNameOrderWithoutHiddenOnes)
{
    TemporaryDirectory directory;
    directory.MakeDirectory("beta");
    directory.MakeDirectory("Alpha");
    directory.MakeDirectory(".cache");
    directory.Write("notes.txt");
    directory.Write("zeta.bmp");
    TreeParent parent;
    SendMessageA(parent.tree, FTM_SETROOT, WPARAM(FolderTreeRoot::Folder),
        reinterpret_cast<LPARAM>(directory.Path().c_str()));
    ASSERT_EQ(parent.State().roots.size(), 1u);
    const int root = parent.State().roots.front();
    EXPECT_EQ(parent.State().selected, root) << "the top node is selected at first";
    EXPECT_FALSE(parent.Node(root).listed) << "nothing is read before it is opened";

    SendMessageA(parent.tree, FTM_EXPAND, WPARAM(root), 1);
    EXPECT_EQ(parent.ChildTexts(root), (std::vector<std::string> { "Alpha", "beta" }));
    EXPECT_TRUE(parent.Node(root).expanded);
    EXPECT_TRUE(parent.commands.empty()) << "opening a folder is not a selection";
}

TEST(FolderTree, AnUnknownRootIsRefusedAndLeavesTheTreeAsItWas)
{
    TemporaryDirectory directory;
    TreeParent parent;
    SendMessageA(parent.tree, FTM_SETROOT, WPARAM(FolderTreeRoot::Folder),
        reinterpret_cast<LPARAM>(directory.Path().c_str()));
    const int root = parent.State().roots.front();

    EXPECT_EQ(SendMessageA(parent.tree, FTM_SETROOT, WPARAM(FolderTreeRoot::Folder) + 1, 0), FALSE);
    EXPECT_EQ(SendMessageA(parent.tree, FTM_SETROOT, WPARAM(-1), 0), FALSE);
    ASSERT_EQ(parent.State().roots.size(), 1u);
    EXPECT_EQ(parent.State().selected, root);
    EXPECT_EQ(parent.Node(root).path, directory.Path());
}

TEST(FolderTree, SelectingAPathOpensItsFoldersAndTellsTheParentOnce)
{
    TemporaryDirectory directory;
    directory.MakeDirectory("one/two");
    directory.MakeDirectory("one/.secret");
    TreeParent parent;
    SendMessageA(parent.tree, FTM_SETROOT, WPARAM(FolderTreeRoot::Folder),
        reinterpret_cast<LPARAM>(directory.Path().c_str()));

    ASSERT_TRUE(parent.SelectPath(directory / "one/two/"));
    EXPECT_EQ(parent.SelectedPath(), directory / "one/two");
    EXPECT_EQ(parent.commands, (std::vector<WPARAM> { MAKEWPARAM(7, FTN_SELCHANGE) }));
    const int one = parent.Node(parent.State().selected).parent;
    EXPECT_TRUE(parent.Node(one).expanded);

    // The system's own spelling with "\" and a hidden folder, which is found though not listed.
    ASSERT_TRUE(parent.SelectPath(TemporaryDirectory::Backslashed(directory / "one/.secret")));
    EXPECT_EQ(parent.SelectedPath(), directory / "one/.secret");
    EXPECT_EQ(parent.commands.size(), 2u);

    // Selecting what is selected already, a missing folder, a file or a relative path does
    // nothing.
    directory.Write("one/file.txt");
    EXPECT_TRUE(parent.SelectPath(directory / "one/.secret"));
    for (const std::string& path :
        { directory / "one/missing", directory / "one/file.txt", std::string("one/two") })
        EXPECT_FALSE(parent.SelectPath(path)) << path;
    EXPECT_EQ(parent.SelectedPath(), directory / "one/.secret");
    EXPECT_EQ(parent.commands.size(), 2u);
}

TEST(FolderTree, TheDesktopShowsHomeAndTheRootAndFindsEachPathBelowTheRightOne)
{
    TemporaryDirectory directory;
    directory.MakeDirectory("home/pictures");
    const HomeOverride home(directory / "home");
    TreeParent parent;
    SendMessageA(parent.tree, FTM_SETROOT, WPARAM(FolderTreeRoot::Desktop), 0);
    ASSERT_EQ(parent.State().roots.size(), 2u);
    const int homeNode = parent.State().roots[0];
    const int rootNode = parent.State().roots[1];
    EXPECT_EQ(parent.Node(homeNode).path, directory / "home");
    EXPECT_EQ(parent.Node(rootNode).path, "/");
    EXPECT_EQ(parent.Node(rootNode).text, "/");

    ASSERT_TRUE(parent.SelectPath(directory / "home/pictures"));
    EXPECT_EQ(parent.Node(parent.State().selected).parent, homeNode);
    ASSERT_TRUE(parent.SelectPath(directory.Path()));
    int top = parent.State().selected;
    while (parent.Node(top).parent >= 0)
        top = parent.Node(top).parent;
    EXPECT_EQ(top, rootNode);
    ASSERT_TRUE(parent.SelectPath("/"));
    EXPECT_EQ(parent.State().selected, rootNode);
}

TEST(FolderTree, TheComputerHoldsTheMountedFileSystems)
{
    TreeParent parent;
    SendMessageA(parent.tree, FTM_SETROOT, WPARAM(FolderTreeRoot::Computer), 0);
    const int computer = parent.State().roots.front();
    EXPECT_EQ(parent.Node(computer).kind, ShellItemKind::Computer);
    EXPECT_TRUE(parent.Node(computer).path.empty());
    ASSERT_TRUE(parent.SelectPath("/"));
    EXPECT_EQ(parent.Node(parent.State().selected).parent, computer);
    EXPECT_EQ(parent.ChildTexts(computer), MountedFileSystems());
}

TEST(MountTable, KeepsTheRootDevicesAndNetworkSharesOnce)
{
    const AnsiString table = "overlay / overlay rw,relatime 0 0\n"
                             "proc /proc proc rw 0 0\n"
                             "/dev/sda1 /boot/efi vfat rw 0 0\n"
                             "/dev/sdb1 /media/My\\040Disk ext4 rw 0 0\n"
                             "/dev/loop3 /snap/core/1 squashfs ro 0 0\n"
                             "server:/export /mnt/share nfs4 rw 0 0\n"
                             "//nas/music /mnt/music cifs rw 0 0\n"
                             "tmpfs /run tmpfs rw 0 0\n"
                             "/dev/sda1 /boot/efi vfat rw 0 0\n"
                             "broken line\n";
    EXPECT_EQ(BrowsableMountPoints(table),
        (std::vector<AnsiString> { "/", "/boot/efi", "/media/My Disk", "/mnt/music", "/mnt/share" }));
    EXPECT_EQ(BrowsableMountPoints(""), (std::vector<AnsiString> { "/" }));
}

TEST(ShellItems, SpecialFoldersHaveNoPathAndTheNetworkIsMissing)
{
    for (const int folder : { CSIDL_DESKTOP, CSIDL_DRIVES }) {
        LPITEMIDLIST item = nullptr;
        ASSERT_EQ(SHGetSpecialFolderLocation(nullptr, folder, &item), S_OK);
        char path[MAX_PATH] = "stale";
        EXPECT_FALSE(SHGetPathFromIDListA(item, path));
        EXPECT_STREQ(path, "");
        CoTaskMemFree(item);
    }
    LPITEMIDLIST network = reinterpret_cast<LPITEMIDLIST>(1);
    const HRESULT result = SHGetSpecialFolderLocation(nullptr, CSIDL_NETWORK, &network);
    EXPECT_TRUE(FAILED(result));
    EXPECT_EQ(network, nullptr);
    EXPECT_EQ(ComErrorMessage(result), "Browsing for computers is not available on this system");
}

TEST(ShellItems, APathLongerThanTheClassicLimitNeedsTheLargerBuffer)
{
    const int before = CoTaskMemLiveBlocks();
    const std::string deep = "/" + std::string(300, 'd');
    LPITEMIDLIST item = NewFolderItem(deep);
    EXPECT_EQ(item->displayName, std::string(300, 'd'));
    char classic[MAX_PATH];
    EXPECT_FALSE(SHGetPathFromIDListA(item, classic));
    std::string large(kHostMaxPath, '\0');
    ASSERT_TRUE(SHGetPathFromIDListEx(item, large.data(), kHostMaxPath, 0));
    EXPECT_EQ(std::string(large.c_str()), deep);
    LPITEMIDLIST copy = ILClone(item);
    CoTaskMemFree(item);
    EXPECT_EQ(copy->path, deep);
    CoTaskMemFree(copy);
    CoTaskMemFree(copy); // a second free of the same block is ignored
    EXPECT_EQ(CoTaskMemLiveBlocks(), before);
}

TEST(ShellBrowser, TellsTheCallbackInOrderAndReturnsTheFolderChosenWithOk)
{
    TemporaryDirectory directory;
    directory.MakeDirectory("pictures");
    const int before = CoTaskMemLiveBlocks();
    BrowseRun run;
    HWND seenDialog = nullptr;
    run.react = [&](HWND dialog, const Notification& notification) {
        seenDialog = dialog;
        if (notification.message != BFFM_INITIALIZED)
            return;
        EXPECT_FALSE(IsWindowVisible(dialog)) << "the dialog shows after its initialisation";
        SelectPath(dialog, directory / "pictures");
        Press(dialog, IDOK);
    };
    EXPECT_EQ(run.Run(), directory / "pictures");
    ASSERT_GE(run.heard.size(), 2u);
    EXPECT_EQ(run.heard[0].message, BFFM_INITIALIZED);
    EXPECT_EQ(run.heard.back().message, BFFM_SELCHANGED);
    EXPECT_EQ(run.heard.back().path, directory / "pictures");
    EXPECT_STREQ(run.displayName, "pictures");
    EXPECT_EQ(run.info.iImage, 0);
    EXPECT_FALSE(IsWindow(seenDialog)) << "the dialog is gone when the call returns";
    EXPECT_EQ(CoTaskMemLiveBlocks(), before) << "every item list was freed";
}

TEST(ShellBrowser, CancelCloseAndANoOneToAnswerAllReturnNothing)
{
    const std::vector<std::function<void(HWND)>> endings {
        [](HWND dialog) { Press(dialog, IDCANCEL); },
        [](HWND dialog) { PostMessageA(dialog, WM_CLOSE, 0, 0); },
        [](HWND dialog) { PostMessageA(DialogChild(dialog, kBrowseTreeId), WM_KEYDOWN, VK_ESCAPE, 0); },
        [](HWND) {}, // without a host nothing can ever arrive
    };
    for (std::size_t index = 0; index < endings.size(); ++index) {
        BrowseRun run;
        run.react = [&](HWND dialog, const Notification& notification) {
            if (notification.message == BFFM_INITIALIZED)
                endings[index](dialog);
        };
        EXPECT_EQ(run.Run(), std::nullopt) << "ending " << index;
    }
}

TEST(ShellBrowser, OkDoesNothingWhileTheCallbackKeepsItDisabled)
{
    TemporaryDirectory directory;
    BrowseRun run;
    int okClicks = 0;
    run.react = [&](HWND dialog, const Notification& notification) {
        if (notification.message != BFFM_SELCHANGED)
            return;
        SendMessageA(dialog, BFFM_ENABLEOK, 0, 0);
        EXPECT_FALSE(IsWindowEnabled(DialogChild(dialog, IDOK)));
        // The click of a disabled button is lost; Return asks the same button.
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        SendMessageA(dialog, WM_KEYDOWN, VK_RETURN, 0);
        ++okClicks;
        Press(dialog, IDCANCEL);
    };
    EXPECT_EQ(run.Run(), std::nullopt);
    EXPECT_EQ(okClicks, 1);
}

TEST(ShellBrowser, OnlyFileSystemFoldersCanBeChosenBelowTheComputer)
{
    LPITEMIDLIST computer = nullptr;
    ASSERT_EQ(SHGetSpecialFolderLocation(nullptr, CSIDL_DRIVES, &computer), S_OK);
    BrowseRun run;
    run.info.pidlRoot = computer;
    std::vector<bool> okEnabled;
    run.react = [&](HWND dialog, const Notification& notification) {
        if (notification.message == BFFM_INITIALIZED) {
            SelectPath(dialog, "/");
            Press(dialog, IDOK);
            return;
        }
        okEnabled.push_back(IsWindowEnabled(DialogChild(dialog, IDOK)) != FALSE);
    };
    EXPECT_EQ(run.Run(), "/");
    // The preselection is reported before the first selection, the computer, would be.
    EXPECT_EQ(run.heard[1].path, "/");
    EXPECT_EQ(okEnabled, (std::vector<bool> { true }));

    BrowseRun untouched;
    untouched.info.pidlRoot = computer;
    untouched.react = [&](HWND dialog, const Notification& notification) {
        if (notification.message == BFFM_SELCHANGED) {
            EXPECT_EQ(notification.path, "<Computer>");
            EXPECT_FALSE(IsWindowEnabled(DialogChild(dialog, IDOK)));
            Press(dialog, IDOK);
            Press(dialog, IDCANCEL);
        }
    };
    EXPECT_EQ(untouched.Run(), std::nullopt);
    EXPECT_STREQ(untouched.displayName, "Computer");
    CoTaskMemFree(computer);
}

TEST(ShellBrowser, TheOwnerWaitsAndAnErrorOfTheCallbackEndsTheDialog)
{
    TreeParent owner; // any top-level window will do
    BrowseRun run;
    run.info.hwndOwner = owner.window;
    HWND seenDialog = nullptr;
    run.react = [&](HWND dialog, const Notification& notification) {
        seenDialog = dialog;
        EXPECT_FALSE(IsWindowEnabled(owner.window));
        if (notification.message == BFFM_SELCHANGED)
            throw EInvalidOperation("handler failed");
    };
    EXPECT_THROW(run.Run(), EInvalidOperation);
    EXPECT_TRUE(IsWindowEnabled(owner.window));
    EXPECT_FALSE(IsWindow(seenDialog));
}

TEST(ShellBrowser, TheDialogIsOwnedByTheActiveWindowElseByTheCallersOwner)
{
    TreeParent requested;
    TreeParent form;
    ShowWindow(form.window, SW_SHOW);
    for (const bool formActive : { true, false }) {
        SetActiveWindow(formActive ? form.window : nullptr);
        BrowseRun run;
        run.info.hwndOwner = requested.window;
        HWND owner = nullptr;
        run.react = [&](HWND dialog, const Notification& notification) {
            if (notification.message != BFFM_INITIALIZED)
                return;
            owner = GetWindow(dialog, GW_OWNER);
            Press(dialog, IDCANCEL);
        };
        EXPECT_EQ(run.Run(), std::nullopt);
        EXPECT_EQ(owner, formActive ? form.window : requested.window) << formActive;
    }
}

TEST(Windows, AnOwnedWindowForgetsItsOwnerWhenTheOwnerGoes)
{
    TreeParent parent;
    const HWND owner = CreateWindowExA(0, "SHELLTESTPARENT", "", WS_POPUP, 0, 0, 50, 50, nullptr, 0, &parent);
    const HWND child = CreateWindowExA(0, "SHELLTESTPARENT", "", WS_CHILD, 0, 0, 10, 10, owner, 0, &parent);
    const HWND owned = CreateWindowExA(0, "SHELLTESTPARENT", "", WS_POPUP, 0, 0, 50, 50, child, 0, &parent);
    EXPECT_EQ(GetWindow(owned, GW_OWNER), owner) << "the owner is the parent's top-level window";
    EXPECT_EQ(GetParent(owned), nullptr);
    EXPECT_EQ(GetWindow(owner, GW_OWNER), nullptr);
    DestroyWindow(owner);
    EXPECT_TRUE(IsWindow(owned));
    EXPECT_EQ(GetWindow(owned, GW_OWNER), nullptr);
    DestroyWindow(owned);
}

TEST(ShellBrowser, LeavesRoomForATitleOnlyWhenThereIsOne)
{
    for (const char* title : { "Choose the output folder:", "" }) {
        BrowseRun run;
        run.info.lpszTitle = title;
        int treeTop = -1;
        run.react = [&](HWND dialog, const Notification& notification) {
            if (notification.message != BFFM_INITIALIZED)
                return;
            treeTop = DialogChild(dialog, kBrowseTreeId)->bounds.Top;
            EXPECT_EQ(GetWindowTextString(dialog), kBrowseForFolderCaption);
            Press(dialog, IDCANCEL);
        };
        run.Run();
        if (*title)
            EXPECT_GT(treeTop, 40) << "room for the title";
        else
            EXPECT_EQ(treeTop, 12);
    }
}
