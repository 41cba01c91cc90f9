// SPDX-License-Identifier: MIT
#include "platform/qt/QtSettingsStore.h"

#include "platform/qt/QtStrings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include <memory>

namespace {

class QtSettingsStore final : public TSettingsStore {
public:
    explicit QtSettingsStore(const AnsiString& fileName)
        : FFileName(fileName)
        , FSettings(Open(ToQString(fileName)))
    {
    }

    std::optional<AnsiString> Value(const AnsiString& key) const override
    {
        const QVariant value = FSettings->value(ToQString(key));
        if (!value.isValid() || !value.canConvert<QString>())
            return std::nullopt;
        return FromQString(value.toString());
    }

    void SetValue(const AnsiString& key, const AnsiString& value) override
    {
        FSettings->setValue(ToQString(key), ToQString(value));
    }

    void Flush() override
    {
        QDir().mkpath(QFileInfo(ToQString(FFileName)).absolutePath());
        // Qt writes the whole file aside and renames it over the old one.
        FSettings->sync();
        if (FSettings->status() != QSettings::NoError)
            throw EInOutError("Cannot save the settings in \"" + FFileName + "\"");
    }

private:
    // A file that cannot be read or parsed is kept aside as "<name>.damaged" for its owner to look
    // at, and the settings start afresh, every value at its default.
    static std::unique_ptr<QSettings> Open(const QString& fileName)
    {
        auto settings = std::make_unique<QSettings>(fileName, QSettings::IniFormat);
        // Asking for the keys reads the file, so its status tells how the reading went.
        settings->allKeys();
        if (settings->status() == QSettings::NoError)
            return settings;
        settings.reset();
        const QString aside = fileName + QStringLiteral(".damaged");
        QFile::remove(aside);
        QFile::rename(fileName, aside);
        return std::make_unique<QSettings>(fileName, QSettings::IniFormat);
    }

    AnsiString FFileName;
    std::unique_ptr<QSettings> FSettings;
};

} // namespace

std::unique_ptr<TSettingsStore> OpenQtSettingsStore(const AnsiString& fileName)
{
    return std::make_unique<QtSettingsStore>(fileName);
}
