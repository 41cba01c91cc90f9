// SPDX-License-Identifier: MIT
#include "platform/qt/QtFonts.h"
#include "platform/qt/QtStrings.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QString>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

bool IsOneOf(const QString& name, std::initializer_list<const char*> names)
{
    return std::any_of(names.begin(), names.end(), [&](const char* candidate) {
        return name.compare(QLatin1String(candidate), Qt::CaseInsensitive) == 0;
    });
}

QStringList FamiliesFor(const QString& faceName)
{
    const QStringList sans { QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans"),
        QStringLiteral("sans-serif") };
    if (faceName.isEmpty()
        || IsOneOf(faceName,
            { "MS Sans Serif", "MS Shell Dlg", "MS Shell Dlg 2", "Microsoft Sans Serif", "Tahoma", "Arial",
                "Helvetica", "System" }))
        return sans;
    if (IsOneOf(faceName, { "Times New Roman", "Times", "MS Serif" }))
        return { QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif"),
            QStringLiteral("serif") };
    if (IsOneOf(faceName, { "Courier New", "Courier", "Fixedsys", "Terminal" }))
        return { QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono"),
            QStringLiteral("monospace") };
    QStringList families { faceName };
    families.append(sans);
    return families;
}

QFont BaseFont(const LOGFONT& font, int pixelSize)
{
    QFont result;
    result.setFamilies(FamiliesFor(
        QString::fromUtf8(font.lfFaceName, int(strnlen(font.lfFaceName, sizeof font.lfFaceName)))));
    result.setPixelSize(std::max(1, pixelSize));
    result.setWeight(font.lfWeight >= 600 ? QFont::Bold : QFont::Normal);
    result.setItalic(font.lfItalic);
    result.setUnderline(font.lfUnderline);
    result.setStrikeOut(font.lfStrikeOut);
    // Small dialog text reads best snapped to the pixel grid, as the classic fonts were.
    result.setHintingPreference(QFont::PreferFullHinting);
    return result;
}

QRgb ToQRgb(COLORREF color)
{
    return qRgb(GetRValue(color), GetGValue(color), GetBValue(color));
}
COLORREF FromQRgb(QRgb color)
{
    return RGB(std::uint8_t(qRed(color)), std::uint8_t(qGreen(color)), std::uint8_t(qBlue(color)));
}

} // namespace

QFont QtFontFor(const LOGFONT& font)
{
    if (font.lfHeight <= 0)
        return BaseFont(font, font.lfHeight < 0 ? -font.lfHeight : 11);
    // A cell height: scale the character size so that ascent plus descent fills the cell.
    const QFont probe = BaseFont(font, font.lfHeight);
    const int cell = std::max(1, QFontMetrics(probe).height());
    return BaseFont(font, font.lfHeight * font.lfHeight / cell);
}

TEXTMETRIC QtTextEngine::Metrics(const LOGFONT& font)
{
    const QFont qtFont = QtFontFor(font);
    const QFontMetrics metrics(qtFont);
    TEXTMETRIC result;
    // Rounded up apart, as the classic fonts' cells were: Liberation Sans at 11 pixels gives
    // the 13-pixel line of "MS Sans Serif" 8 point.
    result.tmAscent = int(std::ceil(QFontMetricsF(qtFont).ascent()));
    result.tmDescent = int(std::ceil(QFontMetricsF(qtFont).descent()));
    result.tmHeight = result.tmAscent + result.tmDescent;
    result.tmInternalLeading = std::max(0, result.tmHeight - qtFont.pixelSize());
    result.tmExternalLeading = std::max(0, metrics.leading());
    result.tmAveCharWidth = metrics.averageCharWidth();
    result.tmMaxCharWidth = metrics.maxWidth();
    result.tmWeight = font.lfWeight;
    return result;
}

int QtTextEngine::Width(const LOGFONT& font, std::string_view text)
{
    return QFontMetrics(QtFontFor(font))
        .horizontalAdvance(ToQString(text));
}

void QtTextEngine::DrawLine(PixelRaster& raster, const TRect& clip, int x, int y, const LOGFONT& font,
    std::string_view text, COLORREF color)
{
    QFont qtFont = QtFontFor(font);
    if (raster.monochrome)
        qtFont.setStyleStrategy(QFont::NoAntialias);
    const QFontMetrics metrics(qtFont);
    const int ascent = int(std::ceil(QFontMetricsF(qtFont).ascent()));
    const QString line = ToQString(text);
    // Glyphs may reach a little past their advance (italics, overhangs), so the area drawn
    // through is wider than the line; the clip still bounds it.
    const int overhang = std::max(2, metrics.height() / 4);
    const TRect area = IntersectRects(
        clip, Bounds(x - overhang, y, metrics.horizontalAdvance(line) + 2 * overhang, metrics.height() + 2));
    if (area.IsEmpty())
        return;

    // Drawn over a copy of what is there, so anti-aliased edges blend with the background.
    QImage image(area.Width(), area.Height(), QImage::Format_RGB32);
    for (int row = 0; row < area.Height(); ++row) {
        auto* target = reinterpret_cast<QRgb*>(image.scanLine(row));
        const COLORREF* source = raster.Row(area.Top + row) + area.Left;
        for (int column = 0; column < area.Width(); ++column)
            target[column] = ToQRgb(source[column]);
    }
    {
        QPainter painter(&image);
        painter.setFont(qtFont);
        painter.setPen(QColor(ToQRgb(color)));
        painter.drawText(x - area.Left, y - area.Top + ascent, line);
    }
    for (int row = 0; row < area.Height(); ++row) {
        const auto* source = reinterpret_cast<const QRgb*>(image.constScanLine(row));
        COLORREF* target = raster.Row(area.Top + row) + area.Left;
        for (int column = 0; column < area.Width(); ++column) {
            const COLORREF pixel = FromQRgb(source[column]);
            if (!raster.monochrome) {
                target[column] = pixel;
                continue;
            }
            const int grey = (GetRValue(pixel) + GetGValue(pixel) + GetBValue(pixel)) / 3;
            target[column] = grey >= 128 ? 0xFFFFFF : 0x000000;
        }
    }
}
