// SPDX-License-Identifier: MIT
// The real Qt dialogs, answered by a timer that finds the open dialog.
#include "platform/qt/QtInputMapping.h"
#include "platform/win32/resources/CursorRecord.h"
#include "platform/win32/windows/Host.h"
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

// Runs answer on the modal dialog once it is open.
template <class Dialog> void WhenOpen(std::function<void(Dialog*)> answer)
{
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, answer] {
        if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            answer(dialog);
        }
    });
    timer->start();
}

TEST(QtDialogs, MessageBoxShowsTextAndCaptionAndReturnsTheButton)
{
    QString seenText;
    QString seenTitle;
    WhenOpen<QMessageBox>([&](QMessageBox* box) {
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
    WhenOpen<QFileDialog>([&](QFileDialog* dialog) {
        seenDirectory = dialog->directory().absolutePath();
        seenFilters = dialog->nameFilters();
        dialog->selectFile(QStringLiteral("grass.bmp"));
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
    WhenOpen<QFileDialog>([](QFileDialog* dialog) { dialog->reject(); });
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
    WhenOpen<QFileDialog>([](QFileDialog* dialog) {
        dialog->selectFile(QStringLiteral("tile"));
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
        WhenOpen<QFileDialog>([filter = QString::fromLatin1(filter)](QFileDialog* dialog) {
            // As a user does: the filter first, then the name.
            dialog->selectNameFilter(filter);
            emit dialog->filterSelected(filter);
            dialog->selectFile(QStringLiteral("tile"));
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
    WhenOpen<QFileDialog>([&](QFileDialog* dialog) {
        seenDirectory = dialog->directory().absolutePath();
        dialog->selectFile(QString::fromStdString(chosenPath));
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
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, timer, [timer] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        timer->stop();
        timer->deleteLater();
        // Down from the top lands on the first enabled item.
        for (const int key : { Qt::Key_Down, Qt::Key_Return }) {
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
            QCoreApplication::sendEvent(menu, &press);
        }
    });
    timer->start();
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
        auto* timer = new QTimer;
        timer->setInterval(5);
        QObject::connect(timer, &QTimer::timeout, timer, [timer, &shown] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu)
                return;
            timer->stop();
            timer->deleteLater();
            shown = menu->geometry();
            menu->close();
        });
        timer->start();
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
