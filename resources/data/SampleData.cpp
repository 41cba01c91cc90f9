// SPDX-License-Identifier: MIT
#include "resources/data/SampleData.h"

#include "platform/gdi/BmpCodec.h"
#include "platform/rtl/FileStorage.h"
#include "resources/data/IsoMask.h"
#include "resources/data/SampleTextures.h"

#include <filesystem>
#include <system_error>

namespace {

std::filesystem::path MakeDirectory(const std::filesystem::path& path)
{
    std::error_code error;
    std::filesystem::create_directories(path, error);
    if (error)
        throw EInOutError("Cannot create the directory \"" + path.string() + "\": " + error.message());
    return path;
}

AnsiString SavePicture(const std::filesystem::path& path, const PixelRaster& picture)
{
    const AnsiString name = path.string();
    WriteFileAtomically(name, WriteBmp(picture));
    return name;
}

} // namespace

std::vector<AnsiString> WriteSampleData(const AnsiString& directory)
{
    const std::filesystem::path root(directory);
    const std::filesystem::path maskDirectory = MakeDirectory(root / "mask");
    const std::filesystem::path pictureDirectory = MakeDirectory(root / "bmp");

    std::vector<AnsiString> written;
    written.push_back(SavePicture(maskDirectory / "iso.bmp", DrawIsoMask(kDefaultMaskWidth, kDefaultMaskHeight)));
    for (const SampleTexture& texture : SampleTextures())
        written.push_back(SavePicture(pictureDirectory / texture.fileName, texture.draw(kSampleTextureSize)));
    return written;
}
