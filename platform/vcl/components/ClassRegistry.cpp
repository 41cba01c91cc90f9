// SPDX-License-Identifier: MIT
#include "platform/vcl/components/ClassRegistry.h"

#include <algorithm>
#include <cassert>
#include <limits>
#include <memory>

namespace {

using TRegistry = std::map<AnsiString, std::unique_ptr<TComponentClass>>;

TRegistry& Registry()
{
    static TRegistry registry;
    static bool standardRegistered = false;
    if (!standardRegistered) {
        standardRegistered = true;
        RegisterStandardClasses();
    }
    return registry;
}

[[noreturn]] void Expected(const char* what, const TFormValue& value)
{
    throw EReadError(AnsiString(what) + " expected but " + DescribeFormValue(value) + " found");
}

const std::pair<const char*, int>* FindName(const TIdentTable& names, const AnsiString& name)
{
    for (const auto& entry : names)
        if (SameText(entry.first, name))
            return &entry;
    return nullptr;
}

const TIdentTable& ColorNames()
{
    static const TIdentTable names = {
        { "clBlack", int(clBlack) },
        { "clMaroon", int(clMaroon) },
        { "clGreen", int(clGreen) },
        { "clOlive", int(clOlive) },
        { "clNavy", int(clNavy) },
        { "clPurple", int(clPurple) },
        { "clTeal", int(clTeal) },
        { "clGray", int(clGray) },
        { "clSilver", int(clSilver) },
        { "clRed", int(clRed) },
        { "clLime", int(clLime) },
        { "clYellow", int(clYellow) },
        { "clBlue", int(clBlue) },
        { "clFuchsia", int(clFuchsia) },
        { "clAqua", int(clAqua) },
        { "clWhite", int(clWhite) },
        { "clNone", int(clNone) },
        { "clDefault", int(clDefault) },
        { "clScrollBar", int(clScrollBar) },
        { "clBackground", int(clBackground) },
        { "clActiveCaption", int(clActiveCaption) },
        { "clInactiveCaption", int(clInactiveCaption) },
        { "clMenu", int(clMenu) },
        { "clWindow", int(clWindow) },
        { "clWindowFrame", int(clWindowFrame) },
        { "clMenuText", int(clMenuText) },
        { "clWindowText", int(clWindowText) },
        { "clCaptionText", int(clCaptionText) },
        { "clActiveBorder", int(clActiveBorder) },
        { "clInactiveBorder", int(clInactiveBorder) },
        { "clAppWorkSpace", int(clAppWorkSpace) },
        { "clHighlight", int(clHighlight) },
        { "clHighlightText", int(clHighlightText) },
        { "clBtnFace", int(clBtnFace) },
        { "clBtnShadow", int(clBtnShadow) },
        { "clGrayText", int(clGrayText) },
        { "clBtnText", int(clBtnText) },
        { "clInactiveCaptionText", int(clInactiveCaptionText) },
        { "clBtnHighlight", int(clBtnHighlight) },
        { "cl3DDkShadow", int(cl3DDkShadow) },
        { "cl3DLight", int(cl3DLight) },
        { "clInfoText", int(clInfoText) },
        { "clInfoBk", int(clInfoBk) },
    };
    return names;
}

} // namespace

int IntegerValue(const TFormValue& value)
{
    if (value.Kind != TFormValueKind::Integer)
        Expected("A number", value);
    if (value.Integer < std::numeric_limits<int>::min() || value.Integer > std::numeric_limits<int>::max())
        throw EReadError("The number " + IntToStr(value.Integer) + " is out of range");
    return int(value.Integer);
}

AnsiString StringValue(const TFormValue& value)
{
    if (value.Kind != TFormValueKind::String)
        Expected("A string", value);
    return value.Text;
}

bool BooleanValue(const TFormValue& value)
{
    if (value.Kind == TFormValueKind::Identifier) {
        if (SameText(value.Text, "True"))
            return true;
        if (SameText(value.Text, "False"))
            return false;
    }
    Expected("True or False", value);
}

TColor ColorValue(const TFormValue& value)
{
    // A colour number is 32 bits, written signed or unsigned ($80000005 is clWindow).
    if (value.Kind == TFormValueKind::Integer) {
        if (value.Integer < std::numeric_limits<std::int32_t>::min()
            || value.Integer > std::numeric_limits<std::uint32_t>::max())
            throw EReadError("The colour " + IntToStr(value.Integer) + " is out of range");
        return TColor(std::uint32_t(value.Integer));
    }
    if (value.Kind == TFormValueKind::Identifier) {
        if (const auto* entry = FindName(ColorNames(), value.Text))
            return TColor(entry->second);
        throw EReadError("Unknown colour " + value.Text);
    }
    Expected("A colour", value);
}

int IdentValue(const TFormValue& value, const TIdentTable& names)
{
    if (value.Kind != TFormValueKind::Identifier)
        Expected("An identifier", value);
    if (const auto* entry = FindName(names, value.Text))
        return entry->second;
    throw EReadError("Unknown value " + value.Text);
}

int ModalResultValue(const TFormValue& value)
{
    if (value.Kind == TFormValueKind::Integer)
        return IntegerValue(value);
    return IdentValue(value,
        { { "mrNone", 0 }, { "mrOk", 1 }, { "mrCancel", 2 }, { "mrAbort", 3 }, { "mrRetry", 4 },
            { "mrIgnore", 5 }, { "mrYes", 6 }, { "mrNo", 7 }, { "mrAll", 8 } });
}

int SetValue(const TFormValue& value, const TIdentTable& names)
{
    if (value.Kind != TFormValueKind::Set)
        Expected("A set", value);
    int bits = 0;
    for (const AnsiString& element : value.Elements) {
        const auto* entry = FindName(names, element);
        if (!entry)
            throw EReadError("Unknown set element " + element);
        bits |= entry->second;
    }
    return bits;
}

TComponentClass::TComponentClass(
    AnsiString name, AnsiString baseName, TComponentFactory factory, TInstanceTest isInstance)
    : FName(std::move(name))
    , FBaseName(std::move(baseName))
    , FFactory(std::move(factory))
    , FIsInstance(std::move(isInstance))
{
}

const TComponentClass* TComponentClass::Base() const
{
    return FBaseName.empty() ? nullptr : FindComponentClass(FBaseName);
}

int TComponentClass::Depth() const
{
    int depth = 0;
    for (const TComponentClass* base = Base(); base; base = base->Base())
        ++depth;
    return depth;
}

TComponent* TComponentClass::Create(TComponent* owner) const
{
    if (!FFactory)
        throw EReadError("Class " + FName + " cannot be created from a form description");
    return FFactory(owner);
}

void TComponentClass::AddProperty(const AnsiString& name, TPropertySetter setter)
{
    FProperties[UpperCase(name)] = std::move(setter);
}

void TComponentClass::AddEvent(const AnsiString& name, TEventSetter setter)
{
    FEvents[UpperCase(name)] = std::move(setter);
}

void TComponentClass::AddMethodEvent(const AnsiString& name, TMethodEventSetter setter)
{
    assert(setter.Type && *setter.Type != typeid(TNotifyEvent) && "notify events go through AddEvent");
    FMethodEvents[UpperCase(name)] = std::move(setter);
}

template <class Setter>
const Setter* TComponentClass::FindIn(
    std::map<AnsiString, Setter> TComponentClass::*table, const AnsiString& name) const
{
    const AnsiString key = UpperCase(name);
    for (const TComponentClass* current = this; current; current = current->Base()) {
        const auto& entries = current->*table;
        const auto found = entries.find(key);
        if (found != entries.end())
            return &found->second;
    }
    return nullptr;
}

const TPropertySetter* TComponentClass::FindProperty(const AnsiString& name) const
{
    return FindIn(&TComponentClass::FProperties, name);
}

const TEventSetter* TComponentClass::FindEvent(const AnsiString& name) const
{
    return FindIn(&TComponentClass::FEvents, name);
}

const TMethodEventSetter* TComponentClass::FindMethodEvent(const AnsiString& name) const
{
    return FindIn(&TComponentClass::FMethodEvents, name);
}

TComponentClass& RegisterComponentClass(
    const AnsiString& name, const AnsiString& baseName, TComponentFactory factory, TInstanceTest isInstance)
{
    assert(IsValidIdent(name) && "a class name is an identifier");
    auto& slot = Registry()[UpperCase(name)];
    if (!slot)
        slot = std::make_unique<TComponentClass>(name, baseName, std::move(factory), std::move(isInstance));
    return *slot;
}

const TComponentClass* FindComponentClass(const AnsiString& name)
{
    const TRegistry& registry = Registry();
    const auto found = registry.find(UpperCase(name));
    return found == registry.end() ? nullptr : found->second.get();
}

const TComponentClass* NearestComponentClass(const TComponent& component)
{
    const TComponentClass* nearest = nullptr;
    for (const auto& [key, componentClass] : Registry())
        if (componentClass->IsInstance(component) && (!nearest || componentClass->Depth() > nearest->Depth()))
            nearest = componentClass.get();
    return nearest;
}
