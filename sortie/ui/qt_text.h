#pragma once
// Byte strings of the model shown in Qt and back, one character per byte (Latin-1), and twips to pixels.

#include <QString>

#include <string>

namespace sortie::ui {

inline QString toQ(const std::string& bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}
inline QString toQ(const char* text) {
    return QString::fromLatin1(text);
}
inline std::string fromQ(const QString& text) {
    return text.toLatin1().toStdString();
}

// 15 twips to the pixel.
inline int px(double twips) {
    return static_cast<int>(twips / 15.0 + 0.5);
}

} // namespace sortie::ui
