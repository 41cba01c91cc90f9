// SPDX-License-Identifier: MIT
#include "support/VCLUtils.h"

#include "platform/gdi/Text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Texts = std::vector<std::string>;

// Every character is 10 pixels wide, a multi-byte one too, and a broken one takes no room, as
// in a font engine that drops what it cannot decode; notes each text it measures.
class RecordingEngine final : public TextEngine {
public:
    TEXTMETRIC Metrics(const LOGFONT&) override
    {
        TEXTMETRIC metrics;
        metrics.tmHeight = 12;
        metrics.tmAscent = 10;
        return metrics;
    }
    int Width(const LOGFONT&, std::string_view text) override
    {
        Measured.emplace_back(text);
        int characters = 0;
        for (std::size_t offset = 0; offset < text.size();) {
            const auto lead = static_cast<unsigned char>(text[offset]);
            const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
            const bool complete = offset + length <= text.size();
            characters += complete ? 1 : 0;
            offset += complete ? length : 1;
        }
        return characters * 10;
    }
    void DrawLine(PixelRaster&, const TRect&, int, int, const LOGFONT&, std::string_view, COLORREF) override
    {
    }

    Texts Measured;
};

class Shortening : public testing::Test {
protected:
    Shortening()
    {
        SetTextEngine(&engine);
        surface.SetSize(1, 1);
    }
    ~Shortening() override { SetTextEngine(nullptr); }

    std::string Shorten(const std::string& text, int maxWidth)
    {
        engine.Measured.clear();
        return ShortenTextToWidth(text, surface.Canvas(), maxWidth);
    }

    RecordingEngine engine;
    TBitmap surface;
};

TEST_F(Shortening, ATextThatFitsComesBackUnchanged)
{
    EXPECT_EQ(Shorten("abcde", 50), "abcde");
    EXPECT_EQ(engine.Measured, Texts { "abcde" });
}

TEST_F(Shortening, DropsTwoCharactersFirstThenOneMoreEachTime)
{
    EXPECT_EQ(Shorten("abcdefghij", 60), "abc...");
    EXPECT_EQ(engine.Measured,
        (Texts { "abcdefghij", "abcdefgh...", "abcdefg...", "abcdef...", "abcde...", "abcd...", "abc..." }));
}

TEST_F(Shortening, GivesTheEllipsisAloneWhenNothingFitsEvenIfItIsTooWide)
{
    EXPECT_EQ(Shorten("abcdefghij", 0), "...");
    EXPECT_EQ(Shorten("a", 5), "...");
    EXPECT_EQ(engine.Measured, (Texts { "a", "..." }));
}

TEST_F(Shortening, TheEmptyTextStaysEmpty)
{
    EXPECT_EQ(Shorten("", 0), "");
    EXPECT_EQ(Shorten("", -10), "");
}

TEST_F(Shortening, CountsCharactersAndNeverSplitsOne)
{
    // Six two-byte characters, "äöüßéä": cut by bytes, "äö" plus half of "ü" would fit.
    const std::string text = "\xC3\xA4\xC3\xB6\xC3\xBC\xC3\x9F\xC3\xA9\xC3\xA4";
    EXPECT_EQ(Shorten(text, 59), "\xC3\xA4\xC3\xB6...");
    EXPECT_EQ(engine.Measured,
        (Texts { text, "\xC3\xA4\xC3\xB6\xC3\xBC\xC3\x9F...", "\xC3\xA4\xC3\xB6\xC3\xBC...",
            "\xC3\xA4\xC3\xB6..." }));
    // A three-byte euro sign between plain letters.
    EXPECT_EQ(Shorten("ab\xE2\x82\xAC"
                      "cdefg",
                  50),
        "ab...");
}

TEST_F(Shortening, MeasuresInTheCanvasFont)
{
    SetTextEngine(nullptr);
    TCanvas* canvas = surface.Canvas();
    const int fourCharacters = canvas->TextWidth("abcd");
    EXPECT_EQ(ShortenTextToWidth("abcd", canvas, fourCharacters), "abcd");
    canvas->Font()->SetHeight(canvas->Font()->Height() * 2);
    EXPECT_EQ(ShortenTextToWidth("abcd", canvas, fourCharacters), "...");
}

} // namespace
