// SPDX-License-Identifier: MIT
// The gallery window: titled sections stacked top to bottom, each a group box that one kind
// of widget fills with examples of its modes. A new widget adds a builder to GallerySections.
#pragma once

#include "platform/vcl/forms/Forms.h"
#include "platform/vcl/standardcontrols/StdCtrls.h"

#include <functional>
#include <memory>
#include <vector>

class TGalleryForm : public TForm {
public:
    explicit TGalleryForm(TComponent* owner);
    const char* ClassName() const override { return "TGalleryForm"; }

    // A new section below the others, as wide as the window; its client area is free to use.
    TGroupBox* AddSection(const AnsiString& title, int height);
    // A caption inside a section, at a point of its client area.
    TLabel* AddLabel(TWinControl* parent, const AnsiString& caption, int left, int top);
    // Lines "Name left top width height" for every named control, in the window's client
    // coordinates, so that tests outside the program know where to click.
    AnsiString DescribeLayout();

private:
    int FNextSectionTop = 8;
};

// Fills a gallery with one kind of widget. The gallery runs every builder of the list.
using TGallerySectionBuilder = std::function<void(TGalleryForm& gallery)>;
const std::vector<TGallerySectionBuilder>& GallerySections();

// Speed buttons in every mode.
void AddSpeedButtonSections(TGalleryForm& gallery);
// A speed button that runs the folder browse dialog.
void AddFolderBrowserSection(TGalleryForm& gallery);
// A directory edit for one folder and one for a list of folders that takes drops.
void AddDirectoryEditSection(TGalleryForm& gallery);

// Prints a line for the tests that drive the gallery from outside, when it runs with --report.
void GalleryReport(const AnsiString& line);
