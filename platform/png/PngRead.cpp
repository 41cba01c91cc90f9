// SPDX-License-Identifier: MIT
#include "platform/png/PngCodec.h"

#include "platform/gdi/BmpCodec.h"
#include "platform/gdi/BmpHeader.h"
#include "platform/rtl/ReadOnlyFile.h"

#include <array>
#include <bit>
#include <cstring>
#include <exception>
#include <new>
#include <optional>
#include <spng.h>

namespace {

constexpr std::array<std::uint8_t, 8> kSignature = { 0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n' };
// The checksum of the empty end marker chunk "IEND".
constexpr std::array<std::uint8_t, 4> kEndChecksum = { 0xAE, 0x42, 0x60, 0x82 };

// Deflate packs at most 258 bytes into one code of about two bits, so no sound stream grows
// more than 1032 times when inflated; a picture claiming more pixels than that is a bomb.
constexpr std::uint64_t kMaxInflation = 1032;

// Ancillary chunks (text, colour profiles) are read whole; these bounds keep a forged one
// from asking for much memory. Image data is streamed and not bound by them.
constexpr std::size_t kChunkSizeLimit = std::size_t { 1 } << 22;
constexpr std::size_t kChunkCacheLimit = std::size_t { 1 } << 23;

[[noreturn]] void ThrowInvalidPng(const AnsiString& reason)
{
    throw EInvalidGraphic("The file is not a valid PNG picture: " + reason);
}

// The source read for libspng in order. No exception may cross libspng's C frames, so a
// read error is kept here and raised again once libspng has returned.
class SourceStream {
public:
    explicit SourceStream(const TByteSource& source)
        : FReader(source, 0)
    {
    }

    static int Read(spng_ctx*, void* user, void* destination, std::size_t length)
    {
        auto& stream = *static_cast<SourceStream*>(user);
        try {
            return stream.FReader.Read({ static_cast<std::uint8_t*>(destination), length }) ? 0 : SPNG_IO_EOF;
        } catch (...) {
            stream.FError = std::current_exception();
            return SPNG_IO_ERROR;
        }
    }
    // How far libspng has read.
    std::uint64_t Consumed() const { return FReader.Offset(); }
    void RethrowReadError() const
    {
        if (FError)
            std::rethrow_exception(FError);
    }

private:
    TSequentialReader FReader;
    std::exception_ptr FError;
};

class Decoder {
public:
    // The image data's own Adler-32 is not checked: every byte of it is covered by the chunk
    // checksums already, and skipping it saves a tenth of the decoding time.
    explicit Decoder(const TByteSource& source)
        : FSource(source)
        , FStream(source)
        , FContext(spng_ctx_new(SPNG_CTX_IGNORE_ADLER32))
    {
        if (!FContext)
            throw std::bad_alloc();
        spng_set_png_stream(FContext, SourceStream::Read, &FStream);
        spng_set_chunk_limits(FContext, kChunkSizeLimit, kChunkCacheLimit);
        spng_set_crc_action(FContext, SPNG_CRC_ERROR, SPNG_CRC_ERROR);
    }
    ~Decoder() { spng_ctx_free(FContext); }
    Decoder(const Decoder&) = delete;
    Decoder& operator=(const Decoder&) = delete;

    // The checked header; nothing larger than a chunk has been read or allocated yet.
    spng_ihdr Header()
    {
        spng_ihdr header {};
        Check(spng_get_ihdr(FContext, &header));
        const std::uint64_t width = header.width;
        const std::uint64_t height = header.height;
        if (width * height > kBmpMaxPixels)
            ThrowInvalidPng("the picture is too large (" + std::to_string(width) + " x "
                + std::to_string(height) + " pixels)");
        const std::uint64_t bitsPerPixel = std::uint64_t(ChannelCount(header.color_type)) * header.bit_depth;
        const std::uint64_t storedBytes = height * ((width * bitsPerPixel + 7) / 8);
        if (storedBytes > kMaxInflation * FSource.Size())
            ThrowInvalidPng("the picture is larger than its compressed data can describe");
        return header;
    }

    void Start()
    {
        Check(spng_decode_image(
            FContext, nullptr, 0, SPNG_FMT_RGBA8, SPNG_DECODE_TRNS | SPNG_DECODE_PROGRESSIVE));
    }

    // Decodes the next stored row into row; false after the last one.
    bool NextRow(std::vector<std::uint8_t>& row) { return NextRow(row.data(), row.size()); }
    bool NextRow(void* row, std::size_t size)
    {
        if (FEnded)
            return false;
        const int result = spng_decode_row(FContext, row, size);
        if (result == SPNG_EOI)
            FEnded = true;
        else
            Check(result);
        return true;
    }

    // The picture row the next NextRow decodes (an interlaced file visits rows many times), or
    // nothing when every row is done: libspng tells the end of a picture whose last passes are
    // empty (one row high, say) only here, not with its last row.
    std::optional<std::uint32_t> NextRowNumber()
    {
        if (FEnded)
            return std::nullopt;
        spng_row_info info {};
        const int result = spng_get_row_info(FContext, &info);
        if (result == SPNG_EOI) {
            FEnded = true;
            return std::nullopt;
        }
        Check(result);
        return info.row_num;
    }

    // Decodes what is left, then reads the chunks after the image up to the end marker, so
    // damage anywhere in the file is found before a tile is written.
    void Finish(std::vector<std::uint8_t>& row)
    {
        while (NextRow(row)) { }
        Check(spng_decode_chunks(FContext));
        // libspng takes a file that ends inside the end marker's checksum; that checksum
        // never changes, so it is checked here.
        std::array<std::uint8_t, 4> checksum {};
        const std::uint64_t end = FStream.Consumed();
        if (end < checksum.size() || FSource.ReadAt(end - checksum.size(), checksum) != checksum.size()
            || checksum != kEndChecksum)
            ThrowInvalidPng("the file is cut short");
    }

private:
    static int ChannelCount(std::uint8_t colorType)
    {
        switch (colorType) {
        case SPNG_COLOR_TYPE_GRAYSCALE_ALPHA:
            return 2;
        case SPNG_COLOR_TYPE_TRUECOLOR:
            return 3;
        case SPNG_COLOR_TYPE_TRUECOLOR_ALPHA:
            return 4;
        default:
            return 1;
        }
    }

    void Check(int result) const
    {
        if (result == 0)
            return;
        FStream.RethrowReadError();
        if (result == SPNG_IO_EOF)
            ThrowInvalidPng("the file is cut short");
        ThrowInvalidPng(spng_strerror(result));
    }

    const TByteSource& FSource;
    SourceStream FStream;
    spng_ctx* FContext;
    bool FEnded = false;
};

// Lays each of count RGBA pixels over white by its alpha, rounding to the nearest. The
// pixels may be the very bytes of rgba: each is read whole before it is written.
void OverWhite(const std::uint8_t* rgba, std::size_t count, COLORREF* pixels)
{
    for (std::size_t x = 0; x < count; ++x) {
        const std::uint8_t* pixel = rgba + 4 * x;
        const unsigned alpha = pixel[3];
        const auto over
            = [alpha](unsigned channel) { return std::uint8_t(255 - ((255 - channel) * alpha + 127) / 255); };
        pixels[x] = alpha == 255 ? RGB(pixel[0], pixel[1], pixel[2])
                                 : RGB(over(pixel[0]), over(pixel[1]), over(pixel[2]));
    }
}

// Turns a row of RGBA bytes that is opaque throughout into colours in place, in two passes
// the compiler can vectorise; false, changing nothing, when some pixel is not opaque.
bool DropOpaqueAlpha(COLORREF* pixels, std::size_t count)
{
    static_assert(std::endian::native == std::endian::little, "RGBA bytes read as one colour value");
    std::uint32_t allAlpha = 0xFF000000;
    for (std::size_t x = 0; x < count; ++x)
        allAlpha &= pixels[x];
    if (allAlpha != 0xFF000000)
        return false;
    for (std::size_t x = 0; x < count; ++x)
        pixels[x] &= 0x00FFFFFF;
    return true;
}

// Every row of a picture stored without interlacing, converted straight into its place: a
// whole picture needs no map to say where each pixel goes.
PixelRaster ReadEveryRow(Decoder& decoder, const spng_ihdr& header)
{
    const int width = int(header.width);
    const int height = int(header.height);
    PixelRaster raster { width, height, false, std::vector<COLORREF>(std::size_t(width) * std::size_t(height)) };
    std::vector<std::uint8_t> rgba(std::size_t(width) * 4);
    decoder.Start();
    for (int y = 0; y < height; ++y) {
        // Each row is decoded into its own place and converted there, which spares a copy of
        // every pixel.
        COLORREF* row = raster.Row(y);
        if (!decoder.NextRow(row, rgba.size()))
            ThrowInvalidPng("the image data ends early");
        if (!DropOpaqueAlpha(row, std::size_t(width)))
            OverWhite(reinterpret_cast<const std::uint8_t*>(row), std::size_t(width), row);
    }
    decoder.Finish(rgba);
    return raster;
}

using TMapFor = std::function<const TSampleMap&(int width, int height)>;

// Sampled through the map mapFor gives for the picture's size, or the whole picture without one.
PixelRaster ReadSampled(const TByteSource& source, const TMapFor& mapFor)
{
    Decoder decoder(source);
    const spng_ihdr header = decoder.Header();
    if (!mapFor && header.interlace_method == SPNG_INTERLACE_NONE)
        return ReadEveryRow(decoder, header);
    std::optional<TSampleMap> identity;
    const TSampleMap& map = mapFor
        ? mapFor(int(header.width), int(header.height))
        : identity.emplace(int(header.width), int(header.height), int(header.width), int(header.height), StretchSample);
    std::vector<std::uint8_t> rgba(std::size_t(header.width) * 4);
    std::vector<COLORREF> pixels(header.width);
    decoder.Start();
    if (header.interlace_method == SPNG_INTERLACE_NONE) {
        int nextRow = 0;
        PixelRaster raster = SampleRows(map, false, [&](int y) {
            for (; nextRow <= y; ++nextRow) {
                if (!decoder.NextRow(rgba))
                    ThrowInvalidPng("the image data ends early");
            }
            OverWhite(rgba.data(), header.width, pixels.data());
            return pixels.data();
        });
        decoder.Finish(rgba);
        return raster;
    }
    // Each pass of an interlaced picture adds pixels to rows seen before, so the rows the map
    // takes are kept whole until the last pass; the others go through one scratch row.
    const std::span<const int> rows = map.Rows();
    std::vector<std::vector<std::uint8_t>> kept(rows.size(), std::vector<std::uint8_t>(rgba.size(), 0));
    while (const std::optional<std::uint32_t> row = decoder.NextRowNumber()) {
        const std::optional<std::size_t> index = map.RowIndex(int(*row));
        decoder.NextRow(index ? kept[*index] : rgba);
    }
    decoder.Finish(rgba);
    PixelRaster raster = map.Blank(false);
    for (std::size_t index = 0; index < rows.size(); ++index) {
        OverWhite(kept[index].data(), header.width, pixels.data());
        map.Place(index, pixels.data(), raster);
    }
    return raster;
}

PixelRaster ReadNamed(const AnsiString& path, const TMapFor& mapFor)
{
    try {
        return ReadSampled(TReadOnlyFile(path), mapFor);
    } catch (const EInvalidGraphic& error) {
        ThrowCannotLoad(path, error);
    }
}

TMapFor MapsOf(TSampler& sampler)
{
    return [&sampler](int width, int height) -> const TSampleMap& { return sampler.MapFor(width, height); };
}

} // namespace

bool IsPngFile(const AnsiString& path)
{
    try {
        const TReadOnlyFile file(path);
        std::array<std::uint8_t, kSignature.size()> start {};
        return file.ReadAt(0, start) == start.size() && start == kSignature;
    } catch (const EInOutError&) {
        return false;
    }
}

PixelRaster ReadPngFileSampled(const AnsiString& path, TSampler& sampler)
{
    return ReadNamed(path, MapsOf(sampler));
}

PixelRaster ReadPngFile(const AnsiString& path)
{
    return ReadNamed(path, {});
}

PixelRaster ReadPngSampled(const TByteSource& bytes, TSampler& sampler)
{
    return ReadSampled(bytes, MapsOf(sampler));
}

PixelRaster ReadPng(const TByteSource& bytes)
{
    return ReadSampled(bytes, {});
}
