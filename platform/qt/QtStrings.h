// SPDX-License-Identifier: MIT
// Text crosses between the toolkit and Qt as UTF-8 bytes on our side, QString on Qt's.
#pragma once

#include <QString>

#include <string>
#include <string_view>

inline QString ToQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

inline std::string FromQString(const QString& text)
{
    return text.toUtf8().toStdString();
}
