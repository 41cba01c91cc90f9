// SPDX-License-Identifier: MIT
// Speed buttons in every mode: the four layouts, a group, flat, transparent, auto-repeat,
// drop-down menus, disabled and driven by an action.
#include "tools/gallery/Gallery.h"
#include "tools/gallery/GalleryGlyphs.h"

#include "platform/vcl/menus/ActnList.h"
#include "widgets/SpeedButton.h"

namespace {

// A container painted in stripes, to show what a transparent button lets through.
class TStripedBox : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    const char* ClassName() const override { return "TStripedBox"; }

protected:
    void Paint() override
    {
        TCanvas* canvas = Canvas();
        canvas->Brush()->SetStyle(bsSolid);
        for (int x = -Height(); x < Width(); x += 6) {
            canvas->Brush()->SetColor((x / 6) % 2 ? TColor(0x00C0E0F0) : TColor(0x0080B0D0));
            for (int y = 0; y < Height(); ++y)
                canvas->FillRect(Rect(x + y, y, x + y + 6, y + 1));
        }
    }
};

TSpeedButton* AddButton(TGalleryForm& gallery, TWinControl* parent, const AnsiString& name,
    const AnsiString& caption, const TRect& bounds, GalleryPicture picture, TColor color)
{
    auto* button = new TSpeedButton(&gallery);
    button->SetName(name);
    button->SetParent(parent);
    button->SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
    button->SetCaption(caption);
    button->SetGlyph(MakeGalleryGlyph(picture, color).get());
    return button;
}

void AddLayouts(TGalleryForm& gallery)
{
    TGroupBox* section = gallery.AddSection("Layouts", 72);
    const struct {
        const char* name;
        const char* caption;
        TButtonLayout layout;
        GalleryPicture picture;
    } rows[] = {
        { "LayoutLeft", "&Left", blGlyphLeft, GalleryPicture::ArrowLeft },
        { "LayoutRight", "&Right", blGlyphRight, GalleryPicture::ArrowRight },
        { "LayoutTop", "&Top", blGlyphTop, GalleryPicture::ArrowUp },
        { "LayoutBottom", "&Bottom", blGlyphBottom, GalleryPicture::ArrowDown },
    };
    int left = 10;
    for (const auto& row : rows) {
        AddButton(gallery, section, row.name, row.caption, Bounds(left, 20, 96, 44), row.picture, clNavy)
            ->SetLayout(row.layout);
        left += 104;
    }
}

void AddGroup(TGalleryForm& gallery)
{
    TGroupBox* section = gallery.AddSection("A group of three, all may be up", 56);
    const GalleryPicture pictures[] = { GalleryPicture::Disc, GalleryPicture::Square, GalleryPicture::Plus };
    const char* names[] = { "GroupA", "GroupB", "GroupC" };
    for (int index = 0; index < 3; ++index) {
        TSpeedButton* button = AddButton(gallery, section, names[index], "",
            Bounds(10 + index * 32, 20, 28, 28), pictures[index], clGreen);
        button->SetGroupIndex(1);
        button->SetAllowAllUp(true);
    }
    gallery.AddLabel(section, "Click one to latch it, again to release it.", 120, 28);
}

void AddFlat(TGalleryForm& gallery)
{
    TGroupBox* section = gallery.AddSection("Flat, grey until the mouse is over it", 56);
    AddButton(gallery, section, "FlatPlain", "", Bounds(10, 20, 28, 28), GalleryPicture::Star, clRed)
        ->SetFlat(true);
    TSpeedButton* latched = AddButton(
        gallery, section, "FlatLatched", "", Bounds(42, 20, 28, 28), GalleryPicture::Disc, clTeal);
    latched->SetFlat(true);
    latched->SetGroupIndex(2);
    latched->SetAllowAllUp(true);
    latched->SetDown(true);
    TSpeedButton* captioned = AddButton(
        gallery, section, "FlatCaption", "Flat", Bounds(74, 20, 64, 28), GalleryPicture::Square, clMaroon);
    captioned->SetFlat(true);
    captioned->SetLayout(blGlyphLeft);
}

void AddTransparent(TGalleryForm& gallery)
{
    TGroupBox* section = gallery.AddSection("Transparent over a striped parent", 64);
    auto* stripes = new TStripedBox(&gallery);
    stripes->SetName("Stripes");
    stripes->SetParent(section);
    stripes->SetBounds(10, 18, 200, 40);
    TSpeedButton* flat = AddButton(
        gallery, stripes, "TransparentFlat", "", Bounds(8, 6, 28, 28), GalleryPicture::Plus, clNavy);
    flat->SetFlat(true);
    flat->SetTransparent(true);
    TSpeedButton* raised = AddButton(gallery, stripes, "TransparentRaised", "Raised", Bounds(44, 6, 80, 28),
        GalleryPicture::Disc, clOlive);
    raised->SetTransparent(true);
    raised->SetLayout(blGlyphLeft);
}

void AddAutoRepeat(TGalleryForm& gallery)
{
    TGroupBox* section = gallery.AddSection("Auto-repeat while held", 56);
    TSpeedButton* button = AddButton(
        gallery, section, "RepeatButton", "Hold", Bounds(10, 20, 72, 28), GalleryPicture::ArrowUp, clGreen);
    button->SetLayout(blGlyphLeft);
    button->SetAllowTimer(true);
    TLabel* count = gallery.AddLabel(section, "Clicks: 0", 96, 28);
    count->SetName("RepeatCount");
    button->OnClick
        = [count, clicks = 0](TObject*) mutable { count->SetCaption("Clicks: " + IntToStr(++clicks)); };
}

void AddDropDown(TGalleryForm& gallery)
{
    TGroupBox* section = gallery.AddSection("Drop-down menus", 56);
    TLabel* chosen = gallery.AddLabel(section, "Chosen: none", 200, 28);
    chosen->SetName("MenuChoice");
    const auto makeMenu = [&](const AnsiString& name, TPopupAlignment alignment) {
        auto* menu = new TPopupMenu(&gallery);
        menu->SetName(name);
        menu->SetAlignment(alignment);
        for (const char* caption : { "First", "Second", "-", "Third" }) {
            auto* item = new TMenuItem(&gallery);
            item->SetCaption(caption);
            item->OnClick
                = [chosen, caption](TObject*) { chosen->SetCaption(AnsiString("Chosen: ") + caption); };
            menu->Items()->Add(item);
        }
        return menu;
    };
    TSpeedButton* below = AddButton(gallery, section, "DropDownButton", "Menu", Bounds(10, 20, 80, 28),
        GalleryPicture::ArrowDown, clNavy);
    below->SetLayout(blGlyphLeft);
    below->SetDropDownMenu(makeMenu("BelowMenu", paLeft));
    TSpeedButton* right = AddButton(gallery, section, "DropRightButton", "Right", Bounds(98, 20, 80, 28),
        GalleryPicture::ArrowRight, clNavy);
    right->SetLayout(blGlyphLeft);
    right->SetMenuPosition(dmpRight);
    right->SetDropDownMenu(makeMenu("RightMenu", paLeft));
}

void AddDisabledAndAction(TGalleryForm& gallery)
{
    TGroupBox* section = gallery.AddSection("Disabled, and driven by an action", 56);
    TSpeedButton* disabled = AddButton(
        gallery, section, "DisabledButton", "Off", Bounds(10, 20, 72, 28), GalleryPicture::Star, clRed);
    disabled->SetLayout(blGlyphLeft);
    disabled->SetEnabled(false);

    auto* images = new TImageList(&gallery);
    images->Add(MakeGalleryGlyph(GalleryPicture::Plus, clGreen).get(), nullptr);
    auto* actions = new TActionList(&gallery);
    actions->SetImages(images);
    auto* action = new TAction(&gallery);
    action->SetActionList(actions);
    action->SetCaption("Action");
    action->SetImageIndex(0);
    TLabel* runs = gallery.AddLabel(section, "Runs: 0", 200, 28);
    runs->SetName("ActionRuns");
    action->OnExecute
        = [runs, count = 0](TObject*) mutable { runs->SetCaption("Runs: " + IntToStr(++count)); };

    auto* button = new TSpeedButton(&gallery);
    button->SetName("ActionButton");
    button->SetParent(section);
    button->SetBounds(90, 20, 96, 28);
    button->SetLayout(blGlyphLeft);
    button->SetAction(action);
}

} // namespace

void AddSpeedButtonSections(TGalleryForm& gallery)
{
    AddLayouts(gallery);
    AddGroup(gallery);
    AddFlat(gallery);
    AddTransparent(gallery);
    AddAutoRepeat(gallery);
    AddDropDown(gallery);
    AddDisabledAndAction(gallery);
}
