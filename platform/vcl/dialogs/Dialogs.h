// SPDX-License-Identifier: MIT
// The file dialogs as components, and ShowMessage. Both go through the dialog service.
#pragma once

#include "platform/vcl/components/Component.h"

#include <cstdint>

enum TOpenOption : std::uint32_t {
    ofReadOnly = 1u << 0,
    ofOverwritePrompt = 1u << 1,
    ofHideReadOnly = 1u << 2,
    ofNoChangeDir = 1u << 3,
    ofShowHelp = 1u << 4,
    ofNoValidate = 1u << 5,
    ofAllowMultiSelect = 1u << 6,
    ofExtensionDifferent = 1u << 7,
    ofPathMustExist = 1u << 8,
    ofFileMustExist = 1u << 9,
    ofCreatePrompt = 1u << 10,
    ofShareAware = 1u << 11,
    ofNoReadOnlyReturn = 1u << 12,
    ofNoTestFileCreate = 1u << 13,
    ofNoNetworkButton = 1u << 14,
    ofNoLongNames = 1u << 15,
    ofOldStyleDialog = 1u << 16,
    ofNoDereferenceLinks = 1u << 17,
    ofEnableIncludeNotify = 1u << 18,
    ofEnableSizing = 1u << 19,
};
using TOpenOptions = std::uint32_t;

class TCommonDialog : public TComponent {
public:
    explicit TCommonDialog(TComponent* owner)
        : TComponent(owner)
    {
    }
    const char* ClassName() const override { return "TCommonDialog"; }

    // Runs the dialog modally; true when the user confirmed.
    virtual bool Execute() = 0;
};

class TOpenDialog : public TCommonDialog {
public:
    explicit TOpenDialog(TComponent* owner)
        : TCommonDialog(owner)
    {
    }
    const char* ClassName() const override { return "TOpenDialog"; }

    AnsiString Title() const { return FTitle; } // "": the host's wording
    void SetTitle(const AnsiString& value) { FTitle = value; }
    // Added to a name typed without an extension; "*.bmp" and "bmp" mean the same.
    AnsiString DefaultExt() const { return FDefaultExt; }
    void SetDefaultExt(const AnsiString& value) { FDefaultExt = value; }
    // Pairs of description and patterns: "Bitmaps (*.bmp)|*.bmp".
    AnsiString Filter() const { return FFilter; }
    void SetFilter(const AnsiString& value) { FFilter = value; }
    int FilterIndex() const { return FFilterIndex; } // 1
    void SetFilterIndex(int value) { FFilterIndex = value; }
    // The directory the dialog starts in; "" leaves it to the host.
    AnsiString InitialDir() const { return FInitialDir; }
    void SetInitialDir(const AnsiString& value) { FInitialDir = value; }
    // Proposed on opening; the chosen file once the user confirmed.
    AnsiString FileName() const { return FFileName; }
    void SetFileName(const AnsiString& value) { FFileName = value; }
    TOpenOptions Options() const { return FOptions; } // ofHideReadOnly | ofEnableSizing
    void SetOptions(TOpenOptions value) { FOptions = value; }

    bool Execute() override;

protected:
    bool DoExecute(bool save);

private:
    AnsiString FTitle;
    AnsiString FDefaultExt;
    AnsiString FFilter;
    int FFilterIndex = 1;
    AnsiString FInitialDir;
    AnsiString FFileName;
    TOpenOptions FOptions = ofHideReadOnly | ofEnableSizing;
};

class TSaveDialog : public TOpenDialog {
public:
    explicit TSaveDialog(TComponent* owner)
        : TOpenDialog(owner)
    {
    }
    const char* ClassName() const override { return "TSaveDialog"; }

    bool Execute() override;
};

// A modal message box with the text, the application's title and an OK button.
void ShowMessage(const AnsiString& text);
