// SPDX-License-Identifier: MIT
#include "platform/rtl/SettingsStore.h"

#include <cstdlib>

namespace {

TSettingsStoreFactory& InstalledFactory()
{
    static TSettingsStoreFactory factory;
    return factory;
}

AnsiString Variable(const char* name)
{
    const char* value = std::getenv(name);
    return value ? AnsiString(value) : AnsiString();
}

} // namespace

std::optional<AnsiString> TMemorySettingsStore::Value(const AnsiString& key) const
{
    const auto found = FValues.find(key);
    if (found == FValues.end())
        return std::nullopt;
    return found->second;
}

void TMemorySettingsStore::SetValue(const AnsiString& key, const AnsiString& value)
{
    FValues[key] = value;
}

void SetSettingsStoreFactory(TSettingsStoreFactory factory)
{
    InstalledFactory() = std::move(factory);
}

std::unique_ptr<TSettingsStore> OpenSettingsStore(const AnsiString& fileName)
{
    if (InstalledFactory() && !fileName.empty())
        return InstalledFactory()(fileName);
    return std::make_unique<TMemorySettingsStore>();
}

AnsiString UserSettingsFile(const AnsiString& programName)
{
    // A relative XDG_CONFIG_HOME would move with the working folder, so desktops ignore it.
    AnsiString folder = Variable("XDG_CONFIG_HOME");
    if (folder.empty() || folder.front() != '/') {
        const AnsiString home = Variable("HOME");
        if (home.empty())
            return {};
        folder = home + "/.config";
    }
    return folder + "/" + programName + "/" + programName + ".ini";
}
