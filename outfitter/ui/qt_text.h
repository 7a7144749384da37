#pragma once
// Conversions between the model's byte strings and Qt text. Game data goes through Latin-1 so every
// byte survives the round trip; folder paths and messages are shown in the system's encoding.

#include "common/problem.h"

#include <QDir>
#include <QString>
#include <QStringList>

#include <filesystem>
#include <string>
#include <string_view>

namespace outfitter {

inline QString fromGameBytes(std::string_view bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

inline std::string toGameBytes(const QString& text) {
    return text.toLatin1().toStdString();
}

inline QString fromPath(const std::filesystem::path& path) {
    return QDir::toNativeSeparators(QString::fromLocal8Bit(path.string()));
}

inline QString fromProblem(const common::Problem& problem) {
    return QString::fromLocal8Bit(problem.text());
}

// The message-line lines of several problems, one each.
inline QStringList problemLines(const common::Problems& problems) {
    QStringList lines;
    for (const auto& problem : problems)
        lines << fromProblem(problem);
    return lines;
}

} // namespace outfitter
