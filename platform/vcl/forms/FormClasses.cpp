// SPDX-License-Identifier: MIT
#include "platform/vcl/forms/FormClasses.h"

#include "platform/vcl/components/ClassRegistry.h"
#include "platform/vcl/dialogs/ExtDlgs.h"
#include "platform/vcl/forms/Forms.h"
#include "platform/vcl/forms/Timer.h"

namespace {

void RegisterForm()
{
    TComponentClass& form = RegisterComponentClass<TForm>("TForm", "TWinControl");
    form.String<TControl>("Caption", &TControl::SetCaption);
    form.Boolean<TWinControl>("AutoSize", &TWinControl::SetAutoSize);
    form.Ident<TForm, TFormBorderStyle>("BorderStyle", &TForm::SetBorderStyle,
        { { "bsNone", bsNone }, { "bsSingle", bsSingle }, { "bsSizeable", bsSizeable },
            { "bsDialog", bsDialog }, { "bsToolWindow", bsToolWindow }, { "bsSizeToolWin", bsSizeToolWin } });
    form.Set<TForm, TBorderIcons>("BorderIcons", &TForm::SetBorderIcons,
        { { "biSystemMenu", biSystemMenu }, { "biMinimize", biMinimize }, { "biMaximize", biMaximize },
            { "biHelp", biHelp } });
    form.Ident<TForm, TPosition>("Position", &TForm::SetPosition,
        { { "poDesigned", poDesigned }, { "poDefault", poDefault }, { "poDefaultPosOnly", poDefaultPosOnly },
            { "poDefaultSizeOnly", poDefaultSizeOnly }, { "poScreenCenter", poScreenCenter },
            { "poDesktopCenter", poDesktopCenter } });
    form.Integer<TForm>("PixelsPerInch", &TForm::SetPixelsPerInch);
    form.Integer<TForm>("TextHeight", &TForm::SetTextHeight);
    // Which of OnCreate and the descendant's constructor runs first; ours always runs
    // OnCreate after construction, so the stored choice is read and has no effect.
    form.AddProperty("OldCreateOrder", [](TComponent&, const TFormValue& value) { BooleanValue(value); });
    form.Event<TForm>("OnCreate", &TForm::OnCreate);
    form.Event<TForm>("OnDestroy", &TForm::OnDestroy);
    form.Event<TForm>("OnShow", &TForm::OnShow);
    form.Event<TForm>("OnHide", &TForm::OnHide);
}

void RegisterDialogs()
{
    RegisterAbstractClass<TCommonDialog>("TCommonDialog", "TComponent");
    TComponentClass& open = RegisterComponentClass<TOpenDialog>("TOpenDialog", "TCommonDialog");
    open.String<TOpenDialog>("Title", &TOpenDialog::SetTitle);
    open.String<TOpenDialog>("DefaultExt", &TOpenDialog::SetDefaultExt);
    open.String<TOpenDialog>("Filter", &TOpenDialog::SetFilter);
    open.Integer<TOpenDialog>("FilterIndex", &TOpenDialog::SetFilterIndex);
    open.String<TOpenDialog>("InitialDir", &TOpenDialog::SetInitialDir);
    open.String<TOpenDialog>("FileName", &TOpenDialog::SetFileName);
    open.Set<TOpenDialog, TOpenOptions>("Options", &TOpenDialog::SetOptions,
        { { "ofReadOnly", ofReadOnly }, { "ofOverwritePrompt", ofOverwritePrompt },
            { "ofHideReadOnly", ofHideReadOnly }, { "ofNoChangeDir", ofNoChangeDir },
            { "ofShowHelp", ofShowHelp }, { "ofNoValidate", ofNoValidate },
            { "ofAllowMultiSelect", ofAllowMultiSelect }, { "ofExtensionDifferent", ofExtensionDifferent },
            { "ofPathMustExist", ofPathMustExist }, { "ofFileMustExist", ofFileMustExist },
            { "ofCreatePrompt", ofCreatePrompt }, { "ofShareAware", ofShareAware },
            { "ofNoReadOnlyReturn", ofNoReadOnlyReturn }, { "ofNoTestFileCreate", ofNoTestFileCreate },
            { "ofNoNetworkButton", ofNoNetworkButton }, { "ofNoLongNames", ofNoLongNames },
            { "ofOldStyleDialog", ofOldStyleDialog }, { "ofNoDereferenceLinks", ofNoDereferenceLinks },
            { "ofEnableIncludeNotify", ofEnableIncludeNotify }, { "ofEnableSizing", ofEnableSizing } });
    RegisterComponentClass<TSaveDialog>("TSaveDialog", "TOpenDialog");
    RegisterComponentClass<TOpenPictureDialog>("TOpenPictureDialog", "TOpenDialog");
    RegisterComponentClass<TSavePictureDialog>("TSavePictureDialog", "TOpenPictureDialog");
}

void RegisterTimer()
{
    TComponentClass& timer = RegisterComponentClass<TTimer>("TTimer", "TComponent");
    timer.Boolean<TTimer>("Enabled", &TTimer::SetEnabled);
    timer.AddProperty("Interval", [](TComponent& component, const TFormValue& value) {
        const int interval = IntegerValue(value);
        if (interval < 0)
            throw EReadError("A timer interval cannot be negative");
        TComponentClass::Cast<TTimer>(component, "Interval").SetInterval(UINT(interval));
    });
    timer.Event<TTimer>("OnTimer", &TTimer::OnTimer);
}

} // namespace

void RegisterFormClasses()
{
    RegisterForm();
    RegisterDialogs();
    RegisterTimer();
}

void RegisterStandardClasses()
{
    RegisterControlClasses();
    RegisterFormClasses();
    RegisterMenuClasses();
}
