// SPDX-License-Identifier: MIT
#include "platform/qt/QtSettingsStore.h"

#include "platform/qt/QtStrings.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace {

class QtSettingsStore final : public TSettingsStore {
public:
    explicit QtSettingsStore(const AnsiString& fileName)
        : FFileName(fileName)
        , FSettings(ToQString(fileName), QSettings::IniFormat)
    {
        // A file that cannot be read or parsed counts as empty: every value takes its default.
        if (FSettings.status() != QSettings::NoError)
            FSettings.clear();
    }

    std::optional<AnsiString> Value(const AnsiString& key) const override
    {
        const QVariant value = FSettings.value(ToQString(key));
        if (!value.isValid() || !value.canConvert<QString>())
            return std::nullopt;
        return FromQString(value.toString());
    }

    void SetValue(const AnsiString& key, const AnsiString& value) override
    {
        FSettings.setValue(ToQString(key), ToQString(value));
    }

    void Flush() override
    {
        QDir().mkpath(QFileInfo(ToQString(FFileName)).absolutePath());
        // Qt writes the whole file aside and renames it over the old one.
        FSettings.sync();
        if (FSettings.status() != QSettings::NoError)
            throw EInOutError("Cannot save the settings in \"" + FFileName + "\"");
    }

private:
    AnsiString FFileName;
    QSettings FSettings;
};

} // namespace

std::unique_ptr<TSettingsStore> OpenQtSettingsStore(const AnsiString& fileName)
{
    return std::make_unique<QtSettingsStore>(fileName);
}
