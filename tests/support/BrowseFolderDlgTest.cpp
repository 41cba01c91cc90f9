// SPDX-License-Identifier: MIT
// The folder browse dialog driven headless: steps are posted to our queue and run while the
// browser's modal loop dispatches them, as a user's clicks would be.
#include "support/FileUtil.h"

#include "platform/vcl/components/ComObj.h"
#include "platform/vcl/components/FormReader.h"
#include "platform/vcl/components/ObjectInstance.h"
#include "platform/vcl/controls/NewStyleControls.h"
#include "platform/vcl/dialogs/DialogService.h"
#include "tests/platform/rtl/TemporaryDirectory.h"
#include "tests/support/BrowseDialogDriver.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>

namespace {

using browsedialog::ButtonCount;
using browsedialog::Child;
using browsedialog::Later;
using browsedialog::OkEnabled;
using browsedialog::Press;
using browsedialog::RunningDialog;
using browsedialog::Tree;

constexpr int kHelpId = 0xFFFF;

// Registers a window class of the tests' own, once.
void RegisterTestClass(const char* name, WNDPROC procedure)
{
    WNDCLASSA windowClass;
    if (GetClassInfoA(nullptr, name, &windowClass))
        return;
    windowClass = {};
    windowClass.lpszClassName = name;
    windowClass.lpfnWndProc = procedure;
    RegisterClassA(windowClass);
}

TRect WindowRect(HWND window)
{
    TRect rect;
    GetWindowRect(window, &rect);
    return rect;
}

// A visible top-level window standing for the application's forms.
struct PlainWindow {
    PlainWindow()
    {
        RegisterTestClass("BROWSETESTWINDOW", &DefWindowProcA);
        window = CreateWindowExA(
            0, "BROWSETESTWINDOW", "", WS_POPUP | WS_VISIBLE, 10, 10, 200, 100, nullptr, 0, nullptr);
    }
    ~PlainWindow() { DestroyWindow(window); }
    PlainWindow(const PlainWindow&) = delete;
    PlainWindow& operator=(const PlainWindow&) = delete;
    HWND window = nullptr;
};

class BrowseFolderDlgTest : public testing::Test {
protected:
    BrowseFolderDlgTest()
    {
        FDirectory.MakeDirectory("home");
        FDirectory.MakeDirectory("pictures/tiles");
        FDirectory.Write("notes.txt");
        if (const char* home = std::getenv("HOME"))
            FOldHome = home;
        ::setenv("HOME", (FDirectory / "home").c_str(), 1);
        FHelpCalls.clear();
        Application->OnHelp = [this](WORD command, std::intptr_t data, bool&) {
            FHelpCalls.emplace_back(command, data);
            return true;
        };
    }
    ~BrowseFolderDlgTest() override
    {
        Application->OnHelp = nullptr;
        if (FOldHome)
            ::setenv("HOME", FOldHome->c_str(), 1);
        else
            ::unsetenv("HOME");
    }

    std::string Path(const std::string& name) const { return FDirectory / name; }

    TemporaryDirectory FDirectory;
    std::optional<std::string> FOldHome;
    std::vector<std::pair<WORD, std::intptr_t>> FHelpCalls;
};

} // namespace

TEST_F(BrowseFolderDlgTest, StartsWithItsDocumentedDefaults)
{
    TBrowseFolderDlg dialog(nullptr);
    EXPECT_EQ(dialog.BrowseKind(), bfFolders);
    EXPECT_TRUE(dialog.DesktopRoot());
    EXPECT_EQ(dialog.Position(), dpScreenCenter);
    EXPECT_EQ(dialog.HelpContext(), 0);
    EXPECT_EQ(dialog.DialogText(), "");
    EXPECT_EQ(dialog.FolderName(), "");
    EXPECT_EQ(dialog.SelectedImage(), 0);
}

TEST_F(BrowseFolderDlgTest, ByDefaultBrowsesFoldersFromTheDesktopCentredOnTheScreen)
{
    TBrowseFolderDlg dialog(nullptr);
    dialog.OnInitialized = [&](TObject* sender) {
        EXPECT_EQ(sender, &dialog);
        const HWND window = RunningDialog();
        EXPECT_EQ(GetWindowTextString(window), kBrowseForFolderCaption);
        const TRect bounds = WindowRect(window);
        // Without a host the screen is 1024 x 768.
        EXPECT_EQ(bounds.Left, (1024 - bounds.Width()) / 2);
        EXPECT_EQ(bounds.Top, (768 - bounds.Height()) / 2);
        ASSERT_EQ(Tree().roots.size(), 2u);
        EXPECT_EQ(Tree().nodes[std::size_t(Tree().roots[0])].path, Path("home"));
        EXPECT_EQ(Tree().nodes[std::size_t(Tree().roots[1])].path, "/");
        Later([&] {
            dialog.SetSelectionPath(Path("pictures/tiles/"));
            EXPECT_EQ(dialog.CurrentPath(), Path("pictures/tiles"));
            EXPECT_TRUE(OkEnabled());
            Press(IDOK);
        });
    };
    ASSERT_TRUE(dialog.Execute());
    EXPECT_EQ(dialog.FolderName(), Path("pictures/tiles"));
    EXPECT_EQ(dialog.CurrentPath(), dialog.FolderName());
    EXPECT_EQ(dialog.SelectedImage(), 0);
    EXPECT_EQ(RunningDialog(), nullptr);
}

TEST_F(BrowseFolderDlgTest, WithoutTheDesktopRootStartsAtTheComputerWhereOkWaitsForAFolder)
{
    TBrowseFolderDlg dialog(nullptr);
    dialog.SetDesktopRoot(false);
    dialog.SetPosition(dpDefault);
    dialog.SetFolderName("/");
    std::vector<std::pair<std::string, bool>> selections;
    dialog.OnSelChanged = [&](TObject*) { selections.emplace_back(dialog.CurrentPath(), OkEnabled()); };
    dialog.OnInitialized = [&](TObject*) {
        EXPECT_EQ(Tree().nodes[std::size_t(Tree().roots.front())].kind, ShellItemKind::Computer);
        const TRect bounds = WindowRect(RunningDialog());
        EXPECT_NE(bounds.Left, (1024 - bounds.Width()) / 2) << "dpDefault leaves the shell's placement";
        Later([&] {
            SendMessageA(
                Child(RunningDialog(), kBrowseTreeId), FTM_SELECTNODE, WPARAM(Tree().roots.front()), 0);
            Press(IDOK); // ignored: the computer is no folder
            Later([&] {
                dialog.SetSelectionPath("/");
                Press(IDOK);
            });
        });
    };
    ASSERT_TRUE(dialog.Execute());
    EXPECT_EQ(dialog.FolderName(), "/") << "the root keeps its separator";
    EXPECT_EQ(selections,
        (std::vector<std::pair<std::string, bool>> { { "/", true }, { "", false }, { "/", true } }));
}

TEST_F(BrowseFolderDlgTest, BrowsingForComputersFailsWithAClearErrorAndLeavesTheWindowsAlone)
{
    PlainWindow form;
    for (const bool desktopRoot : { true, false }) {
        TBrowseFolderDlg dialog(nullptr);
        dialog.SetBrowseKind(bfComputers);
        dialog.SetDesktopRoot(desktopRoot);
        dialog.SetFolderName("server");
        bool initialized = false;
        dialog.OnInitialized = [&](TObject*) { initialized = true; };
        try {
            dialog.Execute();
            ADD_FAILURE() << "no error";
        } catch (const EOleSysError& error) {
            EXPECT_STREQ(error.what(), "Browsing for computers is not available on this system");
        }
        EXPECT_FALSE(initialized);
        EXPECT_TRUE(IsWindowEnabled(form.window));
        EXPECT_EQ(dialog.FolderName(), "server");
    }
}

TEST_F(BrowseFolderDlgTest, PreselectsTheFolderNameOnlyWhenItIsAnExistingDirectory)
{
    struct Row {
        std::string folderName;
        std::string selectedAtStart;
    };
    const std::vector<Row> rows { { Path("pictures"), Path("pictures") }, { Path("missing"), Path("home") },
        { Path("notes.txt"), Path("home") }, { "", Path("home") } };
    for (const Row& row : rows) {
        TBrowseFolderDlg dialog(nullptr);
        dialog.SetFolderName(row.folderName);
        std::string atInitialized;
        dialog.OnInitialized = [&](TObject*) {
            atInitialized = dialog.CurrentPath();
            Press(IDCANCEL);
        };
        EXPECT_FALSE(dialog.Execute()) << row.folderName;
        EXPECT_EQ(atInitialized, row.folderName == Path("pictures") ? Path("pictures") : "")
            << row.folderName;
        // The last selection is kept; the name given is not touched by Cancel.
        EXPECT_EQ(dialog.CurrentPath(), row.selectedAtStart) << row.folderName;
        EXPECT_EQ(dialog.FolderName(), row.folderName);
    }
}

TEST_F(BrowseFolderDlgTest, ChooseFolderChangesItsArgumentOnlyOnOk)
{
    const int components = Application->ComponentCount();
    AnsiString folder = Path("pictures");
    Later([] { Press(IDCANCEL); });
    EXPECT_FALSE(ChooseFolder(folder, "Output folder:", 0));
    EXPECT_EQ(folder, Path("pictures"));

    Later([&] {
        const HWND dialog = RunningDialog();
        EXPECT_EQ(Tree().nodes[std::size_t(Tree().selected)].path, Path("pictures")) << "preselected";
        SendMessageA(
            dialog, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(Path("pictures/tiles").c_str()));
        Press(IDOK);
    });
    EXPECT_TRUE(ChooseFolder(folder, "Output folder:", 0));
    EXPECT_EQ(folder, Path("pictures/tiles"));
    EXPECT_EQ(Application->ComponentCount(), components) << "the dialog object is gone";
}

TEST_F(BrowseFolderDlgTest, ChooseFolderWithOldStyleControlsUsesTheToolkitsDirectoryDialog)
{
    TDialogService& service = TDialogService::Instance();
    struct Row {
        bool accepted;
        std::string answer;
        bool chosen;
        std::string folderAfter;
    };
    // An empty or missing answer is no choice: the folder stays as it was.
    const std::vector<Row> rows { { true, Path("home"), true, Path("home") },
        { true, "", false, Path("pictures") }, { true, Path("missing"), false, Path("pictures") },
        { false, "", false, Path("pictures") } };
    for (const Row& row : rows) {
        service.Reset();
        service.SetScripted(true);
        NewStyleControls = false;
        AnsiString folder = Path("pictures");
        service.PrepareDirectory(row.accepted, row.answer);
        const bool chosen = ChooseFolder(folder, "Output folder:", 3);
        NewStyleControls = true;
        ASSERT_EQ(service.Calls().size(), 1u);
        EXPECT_EQ(service.Calls()[0].Kind, TDialogKind::Directory);
        EXPECT_EQ(service.Calls()[0].InitialDir, Path("pictures"));
        EXPECT_EQ(service.Calls()[0].HelpContext, 3) << "the help context reaches the dialog";
        service.Reset();
        EXPECT_EQ(chosen, row.chosen) << row.answer;
        EXPECT_EQ(folder, row.folderAfter) << row.answer;
    }
}

// A folder deleted after the tree listed it can still be selected; OK must not offer it.
TEST_F(BrowseFolderDlgTest, OkIsEnabledOnlyForASelectionThatIsAnExistingDirectory)
{
    static std::vector<LPARAM> enableOk;
    RegisterTestClass(
        "BROWSEOKTESTDIALOG", [](HWND window, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
            if (message == BFFM_ENABLEOK)
                enableOk.push_back(lParam);
            return DefWindowProcA(window, message, wParam, lParam);
        });
    const HWND window
        = CreateWindowExA(0, "BROWSEOKTESTDIALOG", "", WS_POPUP, 100, 100, 300, 200, nullptr, 0, nullptr);
    TBrowseFolderDlg dialog(nullptr);
    dialog.SetPosition(dpDefault);
    const auto data = reinterpret_cast<LPARAM>(&dialog);
    TBrowseFolderDlg::BrowseCallback(window, BFFM_INITIALIZED, 0, data);
    for (const std::string& path : { Path("pictures"), Path("gone"), Path("notes.txt") }) {
        const ITEMIDLIST item { ShellItemKind::Folder, path, FolderDisplayName(path) };
        TBrowseFolderDlg::BrowseCallback(window, BFFM_SELCHANGED, reinterpret_cast<LPARAM>(&item), data);
        EXPECT_EQ(dialog.CurrentPath(), path);
    }
    EXPECT_EQ(enableOk, (std::vector<LPARAM> { 1, 0, 0 }));
    DestroyWindow(window);
}

TEST_F(BrowseFolderDlgTest, AHelpContextAddsOneHelpButtonBesideTheOthersThatAsksForTheTopic)
{
    TBrowseFolderDlg dialog(nullptr);
    dialog.SetHelpContext(42);
    dialog.OnInitialized = [&](TObject*) {
        const HWND window = RunningDialog();
        EXPECT_EQ(ButtonCount(window), 3);
        const HWND help = Child(window, kHelpId);
        const HWND ok = Child(window, IDOK);
        ASSERT_NE(help, nullptr);
        EXPECT_EQ(GetWindowTextString(help), "&Help");
        EXPECT_EQ(help->bounds, Bounds(12, ok->bounds.Top, ok->bounds.Width(), ok->bounds.Height()));
        EXPECT_EQ(help->font, window->font);
        EXPECT_EQ(help->style, DWORD(0x54010000));
        HostButtonClicked(help); // the user's click, through the queue
        Later([&] {
            EXPECT_EQ(FHelpCalls, (std::vector<std::pair<WORD, std::intptr_t>> { { HELP_CONTEXT, 42 } }));
            EXPECT_NE(RunningDialog(), nullptr) << "help leaves the dialog open";
            Press(IDCANCEL);
        });
    };
    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(FHelpCalls.size(), 1u);

    TBrowseFolderDlg plain(nullptr);
    plain.OnInitialized = [&](TObject*) {
        EXPECT_EQ(ButtonCount(RunningDialog()), 2);
        EXPECT_EQ(Child(RunningDialog(), kHelpId), nullptr);
        Press(IDCANCEL);
    };
    EXPECT_FALSE(plain.Execute());
}

// The component's procedure on a dialog window of the test's own, to see what reaches the
// dialog's own procedure.
TEST_F(BrowseFolderDlgTest, TheHelpCommandGoesToTheDialogsOwnProcedureOnlyWithoutAHelpContext)
{
    static std::vector<WPARAM> ownCommands;
    static int ownDestroys = 0;
    RegisterTestClass(
        "BROWSETESTDIALOG", [](HWND window, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
            if (message == WM_COMMAND)
                ownCommands.push_back(wParam);
            if (message == WM_NCDESTROY)
                ++ownDestroys;
            return DefWindowProcA(window, message, wParam, lParam);
        });
    for (const THelpContext helpContext : { 0, 9 }) {
        ownCommands.clear();
        ownDestroys = 0;
        FHelpCalls.clear();
        const HWND window
            = CreateWindowExA(0, "BROWSETESTDIALOG", "", WS_POPUP, 100, 100, 300, 200, nullptr, 0, nullptr);
        const HWND ok = CreateWindowExA(
            0, kButtonClass, "OK", WS_CHILD | WS_VISIBLE, 120, 160, 75, 23, window, IDOK, nullptr);
        ASSERT_NE(ok, nullptr);
        TBrowseFolderDlg dialog(nullptr);
        dialog.SetHelpContext(helpContext);
        dialog.SetPosition(dpDefault);
        TBrowseFolderDlg::BrowseCallback(window, BFFM_INITIALIZED, 0, reinterpret_cast<LPARAM>(&dialog));

        SendMessageA(window, WM_COMMAND, kHelpId, 0);
        SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        if (helpContext == 0) {
            EXPECT_EQ(ButtonCount(window), 1);
            EXPECT_EQ(ownCommands, (std::vector<WPARAM> { WPARAM(kHelpId), MAKEWPARAM(IDOK, BN_CLICKED) }));
            EXPECT_TRUE(FHelpCalls.empty());
        } else {
            EXPECT_EQ(Child(window, kHelpId)->bounds, Bounds(12, 160, 75, 23));
            EXPECT_EQ(ownCommands, (std::vector<WPARAM> { MAKEWPARAM(IDOK, BN_CLICKED) }));
            EXPECT_EQ(FHelpCalls, (std::vector<std::pair<WORD, std::intptr_t>> { { HELP_CONTEXT, 9 } }));
        }
        DestroyWindow(window);
        EXPECT_EQ(ownDestroys, 1) << "WM_NCDESTROY is passed on";
        // The window is forgotten: this must not reach the destroyed window.
        dialog.SetSelectionPath(Path("pictures"));
        dialog.EnableOk(true);
    }
}

TEST_F(BrowseFolderDlgTest, EveryWindowIsEnabledAndTheActiveOneRestoredAlsoWhenAHandlerRaises)
{
    PlainWindow first;
    PlainWindow second;
    for (const bool inInitialized : { true, false }) {
        SetActiveWindow(first.window);
        TBrowseFolderDlg dialog(nullptr);
        const auto fail = [&](TObject*) {
            EXPECT_FALSE(IsWindowEnabled(first.window));
            EXPECT_FALSE(IsWindowEnabled(second.window));
            throw EInvalidOperation("the handler failed");
        };
        if (inInitialized)
            dialog.OnInitialized = fail;
        else
            dialog.OnSelChanged = fail;
        EXPECT_THROW(dialog.Execute(), EInvalidOperation);
        EXPECT_TRUE(IsWindowEnabled(first.window));
        EXPECT_TRUE(IsWindowEnabled(second.window));
        EXPECT_EQ(GetActiveWindow(), first.window);
        EXPECT_EQ(RunningDialog(), nullptr);
        // The object is idle again.
        dialog.SetSelectionPath("/");
    }
}

TEST_F(BrowseFolderDlgTest, AHandlerMayFreeTheObjectWhileItsDialogRuns)
{
    const int instances = ObjectInstancesInUse();
    for (const bool inInitialized : { true, false }) {
        auto* dialog = new TBrowseFolderDlg(nullptr);
        const auto freeIt = [dialog](TObject*) { delete dialog; };
        if (inInitialized)
            dialog->OnInitialized = freeIt;
        else
            dialog->OnSelChanged = freeIt;
        EXPECT_FALSE(dialog->Execute()) << "a dialog whose object went is cancelled";
        EXPECT_EQ(RunningDialog(), nullptr);
        EXPECT_EQ(ObjectInstancesInUse(), instances);
    }
}

TEST_F(BrowseFolderDlgTest, ExecuteIsRefusedWhileItsDialogRunsAndWorksAgainAfterwards)
{
    TBrowseFolderDlg dialog(nullptr);
    dialog.OnInitialized = [&](TObject*) { dialog.Execute(); };
    EXPECT_THROW(dialog.Execute(), EInvalidOperation);
    EXPECT_EQ(RunningDialog(), nullptr);

    dialog.OnInitialized = [](TObject*) { Press(IDCANCEL); };
    EXPECT_FALSE(dialog.Execute());
}

namespace {
// A window whose handler raises when it is enabled again.
LRESULT RaiseOnEnable(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_ENABLE && wParam)
        throw EInvalidOperation("the window refused to be enabled");
    return DefWindowProcA(window, message, wParam, lParam);
}
} // namespace

TEST_F(BrowseFolderDlgTest, AnErrorWhileCleaningUpIsReportedAndTheOtherWindowsAreEnabledStill)
{
    RegisterTestClass("BROWSERAISINGWINDOW", &RaiseOnEnable);
    PlainWindow before;
    const HWND raising = CreateWindowExA(
        0, "BROWSERAISINGWINDOW", "", WS_POPUP | WS_VISIBLE, 10, 10, 200, 100, nullptr, 0, nullptr);
    PlainWindow after;
    SetActiveWindow(before.window);
    std::vector<std::string> reported;
    Application->OnException
        = [&](TObject*, const std::exception& error) { reported.push_back(error.what()); };
    TBrowseFolderDlg dialog(nullptr);
    dialog.OnInitialized = [](TObject*) { Press(IDCANCEL); };
    EXPECT_FALSE(dialog.Execute());
    Application->OnException = nullptr;

    EXPECT_EQ(reported, (std::vector<std::string> { "the window refused to be enabled" }));
    EXPECT_TRUE(IsWindowEnabled(before.window));
    EXPECT_TRUE(IsWindowEnabled(after.window));
    EXPECT_EQ(GetActiveWindow(), before.window);
    EXPECT_EQ(RunningDialog(), nullptr);
    DestroyWindow(raising);
}

TEST_F(BrowseFolderDlgTest, IsReadFromAFormDescription)
{
    RegisterFileUtilClasses();
    TBrowseFolderDlg dialog(nullptr);
    ReadComponentText(&dialog,
        "object FolderDlg: TBrowseFolderDlg\n"
        "  BrowseKind = bfComputers\n"
        "  DesktopRoot = False\n"
        "  DialogText = 'Where to?'\n"
        "  FolderName = 'C:\\Tiles'\n"
        "  HelpContext = 12\n"
        "  Position = dpDefault\n"
        "end\n");
    EXPECT_EQ(dialog.Name(), "FolderDlg");
    EXPECT_EQ(dialog.BrowseKind(), bfComputers);
    EXPECT_FALSE(dialog.DesktopRoot());
    EXPECT_EQ(dialog.DialogText(), "Where to?");
    EXPECT_EQ(dialog.FolderName(), "C:\\Tiles");
    EXPECT_EQ(dialog.HelpContext(), 12);
    EXPECT_EQ(dialog.Position(), dpDefault);
}
