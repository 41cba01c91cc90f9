// SPDX-License-Identifier: MIT
#include "platform/vcl/components/FormReader.h"

#include <cassert>

namespace {

[[noreturn]] void Fail(int line, const AnsiString& what)
{
    throw EReadError("Line " + IntToStr(line) + ": " + what);
}

AnsiString DisplayName(const TFormObject& object)
{
    return object.Name.empty() ? object.ClassName : object.Name;
}

class TFormBuilder {
public:
    explicit TFormBuilder(TComponent* root)
        : FRoot(root)
    {
    }

    void Read(const TFormObject& description)
    {
        FRoot->IncludeState(csLoading | csReading);
        FLoaded.push_back(FRoot);
        try {
            // The description names the root's own class, which need not be registered:
            // a form class takes the tables of the nearest registered class it derives from.
            const TComponentClass* rootClass = FindComponentClass(description.ClassName);
            if (!rootClass || !rootClass->IsInstance(*FRoot))
                rootClass = NearestComponentClass(*FRoot);
            if (!rootClass)
                Fail(description.Line, "Class " + description.ClassName + " not found");
            if (!description.Name.empty())
                Name(*FRoot, description);
            ReadBody(*FRoot, *rootClass, description);
        } catch (...) {
            for (TComponent* component : FLoaded)
                component->ExcludeState(csLoading | csReading);
            throw;
        }
        for (TComponent* component : FLoaded)
            component->Loaded();
    }

private:
    void Name(TComponent& component, const TFormObject& object)
    {
        try {
            component.SetName(object.Name);
        } catch (const Exception& error) {
            Fail(object.Line, "Error reading " + object.Name + ": " + error.Message());
        }
    }

    void ReadBody(TComponent& component, const TComponentClass& componentClass, const TFormObject& object)
    {
        for (const TFormProperty& property : object.Properties)
            ReadProperty(component, componentClass, object, property);
        for (const TFormObject& child : object.Children)
            ReadChild(component, child);
        component.ExcludeState(csReading);
    }

    void ReadChild(TComponent& parent, const TFormObject& object)
    {
        const TComponentClass* componentClass = FindComponentClass(object.ClassName);
        if (!componentClass)
            Fail(object.Line, "Class " + object.ClassName + " not found");
        if (!componentClass->CanCreate())
            Fail(object.Line, "Class " + object.ClassName + " cannot be created from a form description");
        TComponent* component = componentClass->Create(FRoot);
        component->IncludeState(csLoading | csReading);
        FLoaded.push_back(component);
        if (!object.Name.empty()) {
            Name(*component, object);
            if (TComponent** field = FRoot->FieldAddress(object.Name))
                *field = component;
        }
        component->SetParentComponent(&parent);
        ReadBody(*component, *componentClass, object);
    }

    void ReadProperty(TComponent& component, const TComponentClass& componentClass, const TFormObject& object,
        const TFormProperty& property)
    {
        const AnsiString where = "Error reading " + DisplayName(object) + "." + property.Name + ": ";
        const TEventSetter* setEvent = componentClass.FindEvent(property.Name);
        const TMethodEventSetter* setMethodEvent
            = setEvent ? nullptr : componentClass.FindMethodEvent(property.Name);
        if (setEvent || setMethodEvent) {
            if (property.Value.Kind != TFormValueKind::Identifier)
                Fail(property.Line,
                    where + "a method name expected but " + DescribeFormValue(property.Value) + " found");
            if (setEvent) {
                TNotifyEvent handler = FRoot->FindMethod(property.Value.Text);
                if (!handler)
                    Fail(property.Line, where + "Method " + property.Value.Text + " not found");
                Apply(property.Line, where, [&] { (*setEvent)(component, std::move(handler)); });
                return;
            }
            // A method of that name with other parameters is no handler of this event either.
            std::any handler = FRoot->FindEventMethod(property.Value.Text, *setMethodEvent->Type);
            if (!handler.has_value())
                Fail(property.Line, where + "Method " + property.Value.Text + " not found");
            Apply(property.Line, where, [&] { setMethodEvent->Set(component, std::move(handler)); });
            return;
        }
        const TPropertySetter* setProperty = componentClass.FindProperty(property.Name);
        if (!setProperty)
            Fail(property.Line,
                where + "Property " + property.Name + " does not exist in " + componentClass.Name());
        Apply(property.Line, where, [&] { (*setProperty)(component, property.Value); });
    }

    template <class Step> static void Apply(int line, const AnsiString& where, Step step)
    {
        try {
            step();
        } catch (const Exception& error) {
            Fail(line, where + error.Message());
        }
    }

    TComponent* FRoot;
    std::vector<TComponent*> FLoaded;
};

} // namespace

void ReadComponentText(TComponent* root, std::string_view text)
{
    assert(root && "a description is read into an existing root");
    const TFormObject description = ParseFormText(text);
    TFormBuilder(root).Read(description);
}
