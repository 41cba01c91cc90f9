// SPDX-License-Identifier: MIT
// The real Qt dialogs, answered by a timer that finds the open dialog.
#include "platform/qt/QtInputMapping.h"
#include "platform/win32/resources/CursorRecord.h"
#include "platform/win32/windows/Host.h"
#include "tests/host/ModalAnswer.h"
#include "tests/platform/rtl/TemporaryDirectory.h"

#include <QAbstractButton>
#include <QApplication>
#include <QBitmap>
#include <QFileDialog>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

TEST(QtDialogs, MessageBoxShowsTextAndCaptionAndReturnsTheButton)
{
    QString seenText;
    QString seenTitle;
    const DialogAnswer<QMessageBox> answer([&](QMessageBox* box) {
        seenText = box->text();
        seenTitle = box->windowTitle();
        box->button(QMessageBox::No)->click();
    });
    EXPECT_EQ(CurrentHost()->MessageBox("Replace the tile?", "durnik", MB_YESNO | MB_ICONQUESTION), IDNO);
    EXPECT_EQ(seenText, QStringLiteral("Replace the tile?"));
    EXPECT_EQ(seenTitle, QStringLiteral("durnik"));
}

TEST(QtDialogs, FileDialogStartsWhereAskedAndReturnsTheChosenFile)
{
    TemporaryDirectory directory;
    directory.Write("grass.bmp");
    FileDialogRequest request;
    request.title = "Open image";
    request.initialDir = directory.Path();
    request.filter = "Bitmaps (*.bmp)|*.bmp";
    request.defaultExt = "bmp";
    QString seenDirectory;
    QStringList seenFilters;
    const DialogAnswer<QFileDialog> answer([&](QFileDialog* dialog) {
        seenDirectory = dialog->directory().absolutePath();
        seenFilters = dialog->nameFilters();
        TypeFileName(dialog, QStringLiteral("grass.bmp"));
        static_cast<QDialog*>(dialog)->accept();
    });
    AnsiString chosen;
    ASSERT_TRUE(CurrentHost()->FileDialog(request, chosen));
    EXPECT_EQ(chosen, directory / "grass.bmp");
    EXPECT_EQ(seenDirectory.toStdString(), directory.Path());
    EXPECT_EQ(seenFilters, QStringList { QStringLiteral("Bitmaps (*.bmp)") });
}

TEST(QtDialogs, CancelledFileDialogReturnsFalse)
{
    const DialogAnswer<QFileDialog> answer([](QFileDialog* dialog) { dialog->reject(); });
    FileDialogRequest request;
    request.save = true;
    AnsiString chosen = "unchanged";
    EXPECT_FALSE(CurrentHost()->FileDialog(request, chosen));
    EXPECT_EQ(chosen, "unchanged");
}

TEST(QtDialogs, SaveDialogAddsTheDefaultExtension)
{
    TemporaryDirectory directory;
    FileDialogRequest request;
    request.save = true;
    request.initialDir = directory.Path();
    request.filter = "Bitmaps (*.bmp)|*.bmp";
    request.defaultExt = "bmp";
    const DialogAnswer<QFileDialog> answer([](QFileDialog* dialog) {
        TypeFileName(dialog, QStringLiteral("tile"));
        static_cast<QDialog*>(dialog)->accept();
    });
    AnsiString chosen;
    ASSERT_TRUE(CurrentHost()->FileDialog(request, chosen));
    EXPECT_EQ(chosen, directory / "tile.bmp");
}

TEST(QtDialogs, SaveDialogGivesANameWithoutExtensionThatOfTheChosenFilter)
{
    TemporaryDirectory directory;
    FileDialogRequest request;
    request.save = true;
    request.initialDir = directory.Path();
    request.filter = "Bitmaps (*.bmp)|*.bmp|PNG pictures (*.png)|*.png|All files (*)|*";
    request.defaultExt = "bmp";
    const std::pair<const char*, std::string> rows[] = {
        { "PNG pictures (*.png)", "tile.png" },
        { "Bitmaps (*.bmp)", "tile.bmp" },
        { "All files (*)", "tile.bmp" },
    };
    for (const auto& [filter, expected] : rows) {
        SCOPED_TRACE(filter);
        const DialogAnswer<QFileDialog> answer([filter = QString::fromLatin1(filter)](QFileDialog* dialog) {
            // As a user does: the filter first, then the name.
            dialog->selectNameFilter(filter);
            emit dialog->filterSelected(filter);
            TypeFileName(dialog, QStringLiteral("tile"));
            static_cast<QDialog*>(dialog)->accept();
        });
        AnsiString chosen;
        ASSERT_TRUE(CurrentHost()->FileDialog(request, chosen));
        EXPECT_EQ(chosen, directory / expected);
    }
}

TEST(QtDialogs, DirectoryDialogStartsWhereAskedAndReturnsTheDirectory)
{
    TemporaryDirectory directory;
    const std::string chosenPath = directory.MakeDirectory("tiles");
    QString seenDirectory;
    const DialogAnswer<QFileDialog> answer([&](QFileDialog* dialog) {
        seenDirectory = dialog->directory().absolutePath();
        TypeFileName(dialog, QString::fromStdString(chosenPath));
        static_cast<QDialog*>(dialog)->accept();
    });
    AnsiString chosen;
    ASSERT_TRUE(CurrentHost()->DirectoryDialog("Select directory", directory.Path(), chosen));
    EXPECT_EQ(seenDirectory.toStdString(), directory.Path());
    EXPECT_EQ(chosen, chosenPath);
}

TEST(QtDialogs, PopupMenuReturnsTheChosenItemSkippingSeparatorsAndDisabledOnes)
{
    const std::vector<PopupMenuItem> items { { "Cut", false, false }, { "-", true, false },
        { "Copy", true, false }, { "Paste", true, true } };
    const MenuAnswer answer([](QMenu* menu) {
        // Down from the top lands on the first enabled item.
        for (const int key : { Qt::Key_Down, Qt::Key_Return }) {
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
            QCoreApplication::sendEvent(menu, &press);
        }
    });
    EXPECT_EQ(CurrentHost()->TrackPopupMenu(items, { 100, 100 }), 2);
}

TEST(QtDialogs, PopupMenuPutsTheEdgeOfItsAlignmentAtThePoint)
{
    const std::vector<PopupMenuItem> items { { "First", true, false }, { "Second", true, false } };
    struct Row {
        PopupAlignment alignment;
        const char* name;
    };
    for (const Row row : { Row { PopupAlignment::Left, "left" }, Row { PopupAlignment::Right, "right" },
             Row { PopupAlignment::Center, "centre" } }) {
        SCOPED_TRACE(row.name);
        QRect shown;
        const MenuAnswer answer([&shown](QMenu* menu) {
            shown = menu->geometry();
            menu->close();
        });
        EXPECT_EQ(CurrentHost()->TrackPopupMenu(items, { 300, 200 }, row.alignment), -1);
        EXPECT_EQ(shown.top(), 200);
        switch (row.alignment) {
        case PopupAlignment::Left:
            EXPECT_EQ(shown.left(), 300);
            break;
        case PopupAlignment::Right:
            EXPECT_EQ(shown.left() + shown.width(), 300);
            break;
        case PopupAlignment::Center:
            EXPECT_NEAR(shown.left() + shown.width() / 2, 300, 1);
            break;
        }
    }
}

TEST(QtDialogs, ClipboardKeepsOurText)
{
    CurrentHost()->SetClipboardText("C:\\tiles ü");
    EXPECT_EQ(CurrentHost()->ClipboardText(), "C:\\tiles ü");
}

TEST(QtCursors, OurMonochromeCursorKeepsItsHotSpotAndShape)
{
    CursorRecord record;
    record.andMask = PixelRaster { 4, 4, true, std::vector<COLORREF>(16, 0xFFFFFF) };
    record.xorMask = PixelRaster { 4, 4, true, std::vector<COLORREF>(16, 0x000000) };
    record.andMask.At(1, 2) = 0x000000; // black
    record.andMask.At(2, 2) = 0x000000; // white
    record.xorMask.At(2, 2) = 0xFFFFFF;
    record.hotSpot = { 2, 3 };
    const QCursor cursor = QtCursorFor(&record);
    EXPECT_EQ(cursor.hotSpot(), QPoint(2, 3));
    const QImage bitmap = cursor.bitmap().toImage();
    const QImage mask = cursor.mask().toImage();
    // Shown where the AND mask is 0; ink (bitmap 1) only for black.
    EXPECT_EQ(mask.pixelIndex(0, 0) != mask.pixelIndex(1, 2), true);
    EXPECT_EQ(mask.pixelIndex(1, 2), mask.pixelIndex(2, 2));
    EXPECT_NE(bitmap.pixelIndex(1, 2), bitmap.pixelIndex(2, 2));
}

TEST(QtCursors, StandardShapesMapToQtShapes)
{
    EXPECT_EQ(QtCursorFor(LoadCursorA(HInstance, IDC_IBEAM)).shape(), Qt::IBeamCursor);
    EXPECT_EQ(QtCursorFor(LoadCursorA(HInstance, IDC_ARROW)).shape(), Qt::ArrowCursor);
    EXPECT_EQ(QtCursorFor(LoadCursorA(HInstance, IDC_WAIT)).shape(), Qt::WaitCursor);
}

} // namespace
