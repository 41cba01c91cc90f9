// SPDX-License-Identifier: MIT
#include "tools/gallery/Gallery.h"

namespace {

constexpr int kWidth = 440;
constexpr int kGap = 8;

// Where a control's top-left corner lies in the form's client area.
TPoint OffsetInForm(const TControl* control, const TForm* form)
{
    TPoint offset;
    for (const TControl* current = control; current && current != form; current = current->Parent()) {
        offset.x += current->Left();
        offset.y += current->Top();
        if (current->Parent() && current->Parent() != form) {
            const TRect client = current->Parent()->ClientRect();
            offset.x += client.Left;
            offset.y += client.Top;
        }
    }
    return offset;
}

} // namespace

const std::vector<TGallerySectionBuilder>& GallerySections()
{
    static const std::vector<TGallerySectionBuilder> sections {
        AddSpeedButtonSections,
        AddFolderBrowserSection,
        AddDirectoryEditSection,
    };
    return sections;
}

TGalleryForm::TGalleryForm(TComponent* owner)
    : TForm(owner)
{
    SetCaption("Durnik widget gallery");
    SetBorderStyle(bsSingle);
    SetBorderIcons(biSystemMenu | biMinimize);
    SetBounds(40, 40, kWidth, 2 * kGap);
}

TGroupBox* TGalleryForm::AddSection(const AnsiString& title, int height)
{
    auto* section = new TGroupBox(this);
    section->SetParent(this);
    section->SetCaption(title);
    section->SetBounds(kGap, FNextSectionTop, kWidth - 2 * kGap, height);
    FNextSectionTop += height + kGap;
    SetClientHeight(FNextSectionTop);
    return section;
}

TLabel* TGalleryForm::AddLabel(TWinControl* parent, const AnsiString& caption, int left, int top)
{
    auto* label = new TLabel(this);
    label->SetParent(parent);
    label->SetCaption(caption);
    label->SetLeft(left);
    label->SetTop(top);
    return label;
}

AnsiString TGalleryForm::DescribeLayout()
{
    AnsiString lines;
    for (int index = 0; index < ComponentCount(); ++index) {
        auto* control = dynamic_cast<TControl*>(Components(index));
        if (!control || control->Name().empty())
            continue;
        const TPoint offset = OffsetInForm(control, this);
        lines += control->Name() + " " + IntToStr(offset.x) + " " + IntToStr(offset.y) + " "
            + IntToStr(control->Width()) + " " + IntToStr(control->Height()) + "\n";
    }
    return lines;
}
