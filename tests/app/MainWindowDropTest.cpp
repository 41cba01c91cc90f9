// SPDX-License-Identifier: MIT
// Pictures dropped from a file manager onto the window open as if chosen with Open.
#include "tests/app/MainWindowFixture.h"

#include "platform/win32/internal/WindowRecord.h"
#include "platform/win32/shell/ShellApi.h"

#include <QCoreApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

namespace {

class MainWindowDrop : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        WritePngPicture(ProgramDir() + "bmp/texture.png", 30, 20);
        WriteSolidPicture(ProgramDir() + "bmp/red.bmp", 12, 6, RGB(200, 0, 0));
    }

    // What a file manager's drop does to the window on the screen: a drag enters, then drops.
    static bool DropOnScreen(TMainForm* window, const std::vector<AnsiString>& files)
    {
        auto* screenWindow = static_cast<QWidget*>(window->Handle()->hostData);
        QMimeData data;
        QList<QUrl> urls;
        for (const AnsiString& file : files)
            urls.append(QUrl::fromLocalFile(QString::fromStdString(file)));
        data.setUrls(urls);
        // Over the source picture, away from every button.
        const QPointF where(60, 30);
        QDragEnterEvent enter(where.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(screenWindow, &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent drop(where, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(screenWindow, &drop);
        Application->ProcessMessages();
        return drop.isAccepted();
    }
};

TEST_F(MainWindowDrop, ADroppedPictureOpensAsTheSourceAndTheFirstOfSeveralIsTaken)
{
    TMainForm* window = CreateWindow();
    window->Show();
    ASSERT_TRUE(DropOnScreen(window, { ProgramDir() + "bmp/texture.png", ProgramDir() + "bmp/red.bmp" }));
    EXPECT_EQ(window->BMPImg->Picture()->Width(), 30);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(PendingDropCount(), 0);

    // The dropped picture's folder is where Open starts next, as after an Open.
    Dialogs().PrepareFile(TDialogKind::OpenFile, false);
    Click(window->OpenBtn);
    EXPECT_EQ(LastFileDialog()->File.initialDir, ProgramDir() + "bmp");
}

TEST_F(MainWindowDrop, ADroppedFileThatIsNoPictureGetsOpensErrorAndTheSourceStays)
{
    TMainForm* window = CreateWindow();
    PostHostDroppedFiles(window->Handle(), { ProgramDir() + "bmp/red.bmp" });
    Application->ProcessMessages();
    ASSERT_EQ(window->BMPImg->Picture()->Width(), 12);

    Program().Write("notes.txt", "words, not pixels");
    PostHostDroppedFiles(window->Handle(), { ProgramDir() + "notes.txt" });
    Application->ProcessMessages();
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_NE(Messages().front().find("not a valid bitmap"), AnsiString::npos) << Messages().front();
    EXPECT_EQ(window->BMPImg->Picture()->Width(), 12);
    EXPECT_EQ(PendingDropCount(), 0);
}

TEST_F(MainWindowDrop, TextAndFilesElsewhereAreRefused)
{
    TMainForm* window = CreateWindow();
    window->Show();
    auto* screenWindow = static_cast<QWidget*>(window->Handle()->hostData);
    QMimeData text;
    text.setText(QStringLiteral("just words"));
    QDragEnterEvent enter(QPoint(60, 30), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(screenWindow, &enter);
    EXPECT_FALSE(enter.isAccepted());
    EXPECT_FALSE(DropOnScreen(window, {}));
    EXPECT_EQ(window->BMPImg->Picture()->Graphic(), nullptr);
}

} // namespace
