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

// Text whose lines end CR LF (summary, details) or CR alone (captions), shown with Qt's LF breaks;
// a final line break is dropped so that a label does not grow an empty last line.
inline QString toQLines(const std::string& bytes) {
    QString q = toQ(bytes);
    q.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    q.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    if (q.endsWith(QLatin1Char('\n')))
        q.chop(1);
    return q;
}

// Both pages of `Form1` (`Frame2`, `Frame4`), in twips: the board and a side panel wide enough for
// the option groups beside the aircraft list and the whole mission summary.
inline constexpr int kPageWidthTwips = 24000;
inline constexpr int kPageHeightTwips = 10500;

// 15 twips to the pixel.
inline int px(double twips) {
    return static_cast<int>(twips / 15.0 + 0.5);
}

} // namespace sortie::ui
