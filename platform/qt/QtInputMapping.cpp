// SPDX-License-Identifier: MIT
#include "platform/qt/QtInputMapping.h"

#include "platform/qt/QtStrings.h"
#include "platform/win32/resources/CursorRecord.h"

#include <QBitmap>
#include <QImage>
#include <QUrl>

namespace {

Qt::CursorShape ShapeFor(int standardId)
{
    switch (standardId) {
    case IDC_IBEAM:
        return Qt::IBeamCursor;
    case IDC_WAIT:
        return Qt::WaitCursor;
    case IDC_CROSS:
        return Qt::CrossCursor;
    case IDC_UPARROW:
        return Qt::UpArrowCursor;
    case IDC_SIZENWSE:
        return Qt::SizeFDiagCursor;
    case IDC_SIZENESW:
        return Qt::SizeBDiagCursor;
    case IDC_SIZEWE:
        return Qt::SizeHorCursor;
    case IDC_SIZENS:
        return Qt::SizeVerCursor;
    case IDC_SIZEALL:
        return Qt::SizeAllCursor;
    case IDC_NO:
        return Qt::ForbiddenCursor;
    case IDC_HAND:
        return Qt::PointingHandCursor;
    case IDC_APPSTARTING:
        return Qt::BusyCursor;
    case IDC_HELP:
        return Qt::WhatsThisCursor;
    default:
        return Qt::ArrowCursor;
    }
}

bool Bit(const PixelRaster& raster, int x, int y)
{
    return (raster.At(x, y) & 0xFFFFFF) != 0;
}

} // namespace

int VirtualKeyFor(int qtKey)
{
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return 'A' + (qtKey - Qt::Key_A);
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return '0' + (qtKey - Qt::Key_0);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return VK_F1 + (qtKey - Qt::Key_F1);
    switch (qtKey) {
    case Qt::Key_Backspace:
        return VK_BACK;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return VK_TAB;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return VK_RETURN;
    case Qt::Key_Shift:
        return VK_SHIFT;
    case Qt::Key_Control:
        return VK_CONTROL;
    case Qt::Key_Alt:
        return VK_MENU;
    case Qt::Key_Escape:
        return VK_ESCAPE;
    case Qt::Key_Space:
        return VK_SPACE;
    case Qt::Key_PageUp:
        return VK_PRIOR;
    case Qt::Key_PageDown:
        return VK_NEXT;
    case Qt::Key_End:
        return VK_END;
    case Qt::Key_Home:
        return VK_HOME;
    case Qt::Key_Left:
        return VK_LEFT;
    case Qt::Key_Up:
        return VK_UP;
    case Qt::Key_Right:
        return VK_RIGHT;
    case Qt::Key_Down:
        return VK_DOWN;
    case Qt::Key_Insert:
        return VK_INSERT;
    case Qt::Key_Delete:
        return VK_DELETE;
    default:
        return 0;
    }
}

WPARAM MouseKeysFor(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers)
{
    WPARAM keys = 0;
    if (buttons & Qt::LeftButton)
        keys |= MK_LBUTTON;
    if (buttons & Qt::RightButton)
        keys |= MK_RBUTTON;
    if (modifiers & Qt::ShiftModifier)
        keys |= MK_SHIFT;
    if (modifiers & Qt::ControlModifier)
        keys |= MK_CONTROL;
    return keys;
}

QCursor QtCursorFor(HCURSOR cursor)
{
    if (!cursor)
        return QCursor(Qt::BlankCursor);
    if (cursor->standardId != 0 || cursor->andMask.Empty())
        return QCursor(ShapeFor(cursor->standardId));
    // Qt's bitmap and mask bits against the classic AND and XOR masks:
    //   AND 1 XOR 0 transparent: bitmap 0 mask 0;  AND 0 XOR 0 black: bitmap 1 mask 1;
    //   AND 0 XOR 1 white: bitmap 0 mask 1;        AND 1 XOR 1 inverted: bitmap 1 mask 0.
    const int width = cursor->andMask.width;
    const int height = cursor->andMask.height;
    QImage bitmapImage(width, height, QImage::Format_RGB32);
    QImage maskImage(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const bool andBit = Bit(cursor->andMask, x, y);
            const bool xorBit = Bit(cursor->xorMask, x, y);
            bitmapImage.setPixel(x, y, andBit == xorBit ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
            maskImage.setPixel(x, y, andBit ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
        }
    }
    return QCursor(QBitmap::fromImage(bitmapImage.convertToFormat(QImage::Format_Mono, Qt::ThresholdDither)),
        QBitmap::fromImage(maskImage.convertToFormat(QImage::Format_Mono, Qt::ThresholdDither)),
        cursor->hotSpot.x, cursor->hotSpot.y);
}

std::vector<AnsiString> LocalFiles(const QMimeData* data)
{
    std::vector<AnsiString> names;
    if (!data || !data->hasUrls())
        return names;
    for (const QUrl& url : data->urls())
        if (url.isLocalFile())
            names.push_back(FromQString(url.toLocalFile()));
    return names;
}
