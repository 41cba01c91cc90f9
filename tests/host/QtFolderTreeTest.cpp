// SPDX-License-Identifier: MIT
// The folder browser on the offscreen host: what its Qt tree shows and what a selection made
// there reports to the browser's callback.
#include "platform/win32/internal/WindowRecord.h"
#include "platform/win32/shell/FolderTree.h"
#include "platform/win32/shell/ShellBrowser.h"
#include "tests/platform/rtl/TemporaryDirectory.h"

#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

struct TreeRun {
    std::string directory;
    std::vector<std::string> topTexts;
    std::vector<std::string> childTexts;
    std::vector<std::string> selections;
};

QTreeWidget* TreeWidgetOf(HWND dialog)
{
    const HWND tree = FindWindowExA(dialog, nullptr, kFolderTreeClass, nullptr);
    return tree ? dynamic_cast<QTreeWidget*>(static_cast<QWidget*>(tree->hostData)) : nullptr;
}

int Callback(HWND dialog, UINT message, LPARAM lParam, LPARAM data)
{
    TreeRun& run = *reinterpret_cast<TreeRun*>(data);
    if (message == BFFM_SELCHANGED) {
        const std::string path = reinterpret_cast<LPCITEMIDLIST>(lParam)->path;
        run.selections.push_back(path);
        if (path == run.directory + "/beta")
            PostMessageA(FindWindowExA(dialog, nullptr, kButtonClass, "OK"), BM_CLICK, 0, 0);
        return 0;
    }
    if (message != BFFM_INITIALIZED)
        return 0;
    QTreeWidget* widget = TreeWidgetOf(dialog);
    EXPECT_NE(widget, nullptr);
    if (!widget)
        return 0;
    for (int index = 0; index < widget->topLevelItemCount(); ++index)
        run.topTexts.push_back(widget->topLevelItem(index)->text(0).toStdString());
    // The user's doing, once the dialog runs its loop.
    QTimer::singleShot(0, widget, [widget, &run] {
        QTreeWidgetItem* top = widget->topLevelItem(0);
        top->setExpanded(true);
        for (int index = 0; index < top->childCount(); ++index)
            run.childTexts.push_back(top->child(index)->text(0).toStdString());
        if (top->childCount() == 2)
            widget->setCurrentItem(top->child(1));
    });
    return 0;
}

} // namespace

TEST(QtFolderTree, ShowsFoldersOnlyAndReportsTheUsersSelection)
{
    TemporaryDirectory directory;
    directory.MakeDirectory("alpha");
    directory.MakeDirectory("beta/deeper");
    directory.Write("picture.bmp");
    directory.Write("readme.txt");
    TreeRun run;
    run.directory = directory.Path();
    LPITEMIDLIST root = NewFolderItem(directory.Path());
    char displayName[MAX_PATH] = {};
    BROWSEINFOA info;
    info.pidlRoot = root;
    info.pszDisplayName = displayName;
    info.ulFlags = BIF_RETURNONLYFSDIRS;
    info.lpfn = &Callback;
    info.lParam = reinterpret_cast<LPARAM>(&run);
    LPITEMIDLIST chosen = SHBrowseForFolderA(&info);
    CoTaskMemFree(root);

    ASSERT_NE(chosen, nullptr);
    EXPECT_EQ(chosen->path, directory / "beta");
    CoTaskMemFree(chosen);
    EXPECT_EQ(run.topTexts, (std::vector<std::string> { FolderDisplayName(directory.Path()) }));
    EXPECT_EQ(run.childTexts, (std::vector<std::string> { "alpha", "beta" }));
    ASSERT_FALSE(run.selections.empty());
    EXPECT_EQ(run.selections.front(), directory.Path());
    EXPECT_EQ(run.selections.back(), directory / "beta");
    EXPECT_STREQ(displayName, "beta");
}
