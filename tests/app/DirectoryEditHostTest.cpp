// SPDX-License-Identifier: MIT
// The main window's directory edits on the real host: keys, drops and the embedded button.
#include "tests/app/MainWindowFixture.h"

#include "platform/win32/internal/WindowRecord.h"

#include <QCoreApplication>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QUrl>

namespace {

class DirectoryEditHost : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        CreateWindow();
        MainForm->Show();
        Click(MainForm->SettBtn); // the panel opens and the window grows to show it
        Application->ProcessMessages();
    }
    static QLineEdit* LineOf(TDirectoryEdit* edit)
    {
        return qobject_cast<QLineEdit*>(static_cast<QObject*>(edit->Handle()->hostData));
    }
    static bool Press(QLineEdit* line, Qt::Key key, Qt::KeyboardModifiers modifiers, const QString& text = {})
    {
        QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
        const bool taken = QCoreApplication::sendEvent(line, &press);
        QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
        QCoreApplication::sendEvent(line, &release);
        return taken;
    }
};

TEST_F(DirectoryEditHost, AltDownOnTheLineEditOpensTheDialogAndGoesNoFurther)
{
    QLineEdit* line = LineOf(MainForm->OutDir);
    ASSERT_NE(line, nullptr);
    MainForm->OutDir->SetFocus();
    MainForm->OutDir->SetText("kept");
    EXPECT_TRUE(Press(line, Qt::Key_Down, Qt::AltModifier)) << "held back for our queue";
    EXPECT_TRUE(Dialogs().Calls().empty());
    Application->ProcessMessages();
    ASSERT_EQ(Dialogs().Calls().size(), 1u);
    EXPECT_EQ(Dialogs().Calls()[0].Kind, TDialogKind::Directory);
    EXPECT_EQ(line->text(), QStringLiteral("kept")) << "cancelled: unchanged";

    // What the program consumes never reaches the line edit; the rest does.
    MainForm->OutDir->OnKeyPress = [](TObject*, char& key) {
        if (key == 'q')
            key = 0;
    };
    line->setCursorPosition(4);
    Press(line, Qt::Key_Q, Qt::NoModifier, QStringLiteral("q"));
    Press(line, Qt::Key_W, Qt::NoModifier, QStringLiteral("w"));
    Press(line, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    Application->ProcessMessages();
    EXPECT_EQ(line->text(), QStringLiteral("keptw"));
    EXPECT_EQ(MainForm->OutDir->Text(), "keptw");
}

TEST_F(DirectoryEditHost, ADroppedDirectoryBecomesTheText)
{
    const std::string pictures = Program().MakeDirectory("pictures");
    MainForm->InDir->SetAcceptFiles(true);
    QLineEdit* line = LineOf(MainForm->InDir);
    QMimeData data;
    data.setUrls({ QUrl::fromLocalFile(QString::fromStdString(pictures)) });
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(line, &enter);
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(line, &drop);
    Application->ProcessMessages();
    EXPECT_EQ(MainForm->InDir->Text(), pictures);
    EXPECT_EQ(line->text(), QString::fromStdString(pictures)) << "no file:// address";
}

TEST_F(DirectoryEditHost, TheButtonIsCutOutOfTheLineEditAndTheTextStopsBeforeIt)
{
    QLineEdit* line = LineOf(MainForm->InDir);
    EXPECT_EQ(line->size(), QSize(121, 21));
    // The holder sits at 96, 0 of the 117 x 17 client area inside the 2-pixel edge.
    EXPECT_FALSE(line->mask().contains(QPoint(2 + 100, 2 + 8)));
    EXPECT_TRUE(line->mask().contains(QPoint(2 + 90, 2 + 8)));
    EXPECT_EQ(line->textMargins().right(), 117 - 94);
}

} // namespace
