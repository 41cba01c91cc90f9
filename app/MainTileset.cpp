// SPDX-License-Identifier: MIT
// The window's Save tileset... command: the batch's pictures as PNG tiles on one sheet laid
// out as the user asks, with its Tiled, atlas and Godot descriptions, byte for byte what
// durnik-batch --sheet writes for the same settings.
#include "app/Main.h"

#include "platform/vcl/dialogs/Dialogs.h"
#include "resources/Version.h"
#include "support/FileUtil.h"
#include "tile/BatchConverter.h"
#include "tile/Overdraw.h"
#include "tileset/TileSheet.h"

TTilesetOptionsForm* TMainForm::TilesetOptions()
{
    if (!FTilesetOptions)
        FTilesetOptions = new TTilesetOptionsForm(this);
    return FTilesetOptions;
}

void TMainForm::SaveTileset()
{
    TSheetOptions options;
    if (!TilesetOptions()->Execute(options))
        return;
    if (!FTilesetDlg) {
        FTilesetDlg = new TSaveDialog(this);
        FTilesetDlg->SetTitle("Save tileset");
        FTilesetDlg->SetFilter("Tiled tilesets (*.tsx)|*.tsx");
        FTilesetDlg->SetDefaultExt("tsx");
    }
    FTilesetDlg->SetInitialDir(OutDir->Text());
    if (!FTilesetDlg->Execute())
        return;
    // The sheet is named after the tileset, and its tiles go beside it.
    const AnsiString fileName = FTilesetDlg->FileName();
    const AnsiString folder = TrimTrailingBackslash(ExtractFilePath(fileName));
    options.name = ExtractFileName(fileName);
    options.name = options.name.substr(0, options.name.rfind('.'));
    const int width = StrToInt(wEdt->Text());
    const int height = StrToInt(hEdt->Text());
    const int depth = Depth();
    const TTileCell cell { width, height, ProjectedTileHeight(FProjection.Chosen(), height, depth) - height,
        kDefaultOverdraw };
    const TBatchNames names { SourceExtensions(FSources.Chosen()), TileExtension(TTileFormat::Png) };
    RememberSettings(false);
    TTileSheet sheet(options, folder, cell);
    const TBatchResult result = RunBatch(
        InDir->Text(), folder,
        [&](const AnsiString& sourceFile, const AnsiString& tileFile) {
            OpenSource(sourceFile);
            ComposeTile(width, height, depth);
            FTile.Save(*IsoImg->Picture()->Bitmap(), tileFile, TTileFormat::Png);
            const TWrittenTile written = FTile.Written(*IsoImg->Picture()->Bitmap(), TTileFormat::Png);
            sheet.Add(written.colours, written.alpha);
        },
        {}, names,
        [&](const std::vector<AnsiString>& sourceFiles) { sheet.Plan(sourceFiles, InDir->Text(), names); });
    if (result.outcome == TBatchOutcome::Converted)
        sheet.Write(kFileVersion);
    if (!result.message.empty())
        ShowMessage(result.message);
}
