// SPDX-License-Identifier: MIT
// A program's remembered settings: text values under "Group/Name" keys in one file. The host
// supplies the file's reader and writer; tests install their own or keep the settings in
// memory, and without a host they live in memory for the run only.
#pragma once

#include "platform/rtl/SysUtils.h"

#include <functional>
#include <map>
#include <memory>
#include <optional>

class TSettingsStore {
public:
    virtual ~TSettingsStore() = default;
    // The stored text, or nullopt when the key is missing or the file could not be read.
    virtual std::optional<AnsiString> Value(const AnsiString& key) const = 0;
    virtual void SetValue(const AnsiString& key, const AnsiString& value) = 0;
    // Writes what changed since the last Flush; the file is replaced as a whole, so a failed
    // write leaves the old one. Raises EInOutError, naming the file, when it cannot be written.
    virtual void Flush() = 0;
};

// Settings kept in memory only.
class TMemorySettingsStore final : public TSettingsStore {
public:
    std::optional<AnsiString> Value(const AnsiString& key) const override;
    void SetValue(const AnsiString& key, const AnsiString& value) override;
    void Flush() override { }

private:
    std::map<AnsiString, AnsiString> FValues;
};

using TSettingsStoreFactory = std::function<std::unique_ptr<TSettingsStore>(const AnsiString& fileName)>;

// Installs how settings files are opened; an empty factory returns to memory stores.
void SetSettingsStoreFactory(TSettingsStoreFactory factory);
std::unique_ptr<TSettingsStore> OpenSettingsStore(const AnsiString& fileName);

// programName.ini in the user's configuration folder for the program:
// $XDG_CONFIG_HOME/programName/ when that variable holds an absolute path, else
// $HOME/.config/programName/. Empty when neither can be found.
AnsiString UserSettingsFile(const AnsiString& programName);
