#pragma once
// Conversions between the model's values and Qt text. Contents of game files are single bytes and go
// through Latin-1, so every byte survives the round trip; names of files and folders are the file
// system's own (UTF-8 on Linux, UTF-16 on Windows) and are shown and typed as such, never through
// Latin-1; paths are shown whole in the platform's own form.

#include "common/problem.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringDecoder>
#include <QStringList>
#include <QVariant>

#include <exception>
#include <filesystem>
#include <string>
#include <string_view>

namespace uisupport {

using namespace Qt::StringLiterals;

inline QString fromGameBytes(std::string_view bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

// Characters beyond Latin-1 cannot be stored in a game file and become "?".
inline std::string toGameBytes(const QString& text) {
    return text.toLatin1().toStdString();
}

// Game text whose lines end CR LF or CR alone, shown with Qt's LF breaks; a final break is dropped
// so that a label does not grow an empty last line.
inline QString fromGameLines(std::string_view bytes) {
    QString q = fromGameBytes(bytes);
    q.replace(u"\r\n"_s, u"\n"_s);
    q.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    if (q.endsWith(QLatin1Char('\n')))
        q.chop(1);
    return q;
}

// A file or folder name (one component, or a relative path) as the player sees it. A name on disk
// that is not valid in the file system's encoding is shown with replacement characters, not refused.
inline QString fromName(const std::filesystem::path& name) {
    try {
        return QString::fromStdU16String(name.u16string());
    } catch (const std::exception&) {
        return QFile::decodeName(QByteArray::fromStdString(name.string()));
    }
}

// A name the player typed or picked, in the file system's encoding.
inline std::filesystem::path toName(const QString& name) {
    try {
        return std::filesystem::path(name.toStdU16String());
    } catch (const std::exception&) {
        return std::filesystem::path(QFile::encodeName(name).toStdString());
    }
}

// The same for models that keep a name as text (`common::pathText`: the ledger, autoscripts, saved
// missions): on POSIX the file system's own bytes, on Windows UTF-8 (not the ANSI code page that
// QFile::encodeName uses there), never Latin-1.
inline QString fromNameBytes(std::string_view bytes) {
#if defined(Q_OS_WIN)
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
#else
    return QFile::decodeName(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
#endif
}
inline std::string toNameBytes(const QString& name) {
#if defined(Q_OS_WIN)
    return name.toUtf8().toStdString();
#else
    return QFile::encodeName(name).toStdString();
#endif
}

// The bytes of a name kept beside its shown text (item data, a property), so that a name the file
// system's encoding cannot show exactly still goes back to the model unchanged.
inline QVariant nameBytesData(std::string_view bytes) {
    return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}
inline std::string nameBytesOf(const QVariant& data, const QString& shown) {
    if (data.typeId() == QMetaType::QByteArray)
        return data.toByteArray().toStdString();
    return toNameBytes(shown);
}

// A path for display: whole, with the platform's separators, no trailing separator.
inline QString fromPath(const std::filesystem::path& path) {
    QString shown = QDir::toNativeSeparators(fromName(path));
    while (shown.size() > 1 && shown.endsWith(QDir::separator()) &&
           !(shown.size() == 3 && shown.at(1) == QLatin1Char(':')))
        shown.chop(1);
    return shown;
}

// Text of the system or of our own messages, which hold names in the file system's encoding: on
// Windows UTF-8, as `common::pathText` and the system's own messages are kept there (the local 8-bit
// encoding of Windows is the ANSI code page, which would turn "Jörg" into "JÃ¶rg").
inline QString fromSystemText(std::string_view text) {
    return fromNameBytes(text);
}

// A message of a model: its names are in the file system's encoding (UTF-8 here), while a quoted
// piece of a game file may be Latin-1. Text that is not valid UTF-8 can only be the latter.
inline QString fromMessage(std::string_view text) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString decoded = utf8.decode(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
    return utf8.hasError() ? fromGameBytes(text) : decoded;
}

// One message-line line: what was being done, the path in native form, and why it failed.
inline QString fromProblem(const common::Problem& problem) {
    QString line = fromSystemText(problem.action);
    if (!problem.path.empty()) {
        if (!line.isEmpty())
            line += QLatin1Char(' ');
        line += fromPath(problem.path);
    }
    if (!problem.reason.empty()) {
        if (!line.isEmpty())
            line += u": "_s;
        line += fromSystemText(problem.reason);
    }
    return line;
}

// The message-line lines of several problems, one each.
inline QStringList problemLines(const common::Problems& problems) {
    QStringList lines;
    for (const auto& problem : problems)
        lines << fromProblem(problem);
    return lines;
}

} // namespace uisupport
