#pragma once

#include <QByteArray>
#include <QString>

// The program's 8-bit code page is Windows-1252. The five codes it leaves undefined map to the C1 control
// characters of the same number, as Windows does, so every byte 0..255 has exactly one character.
QByteArray toCodePage(const QString& text, QString* unmappable = nullptr); // characters outside the page are dropped
QString fromCodePage(const QByteArray& bytes);

// The reversible character shift of ".bir" files and the reminder setting: each character's code-page code
// plus scrambleShift (codes above highestScramblableCode are left out) ...
inline constexpr int scrambleShift = 85;
inline constexpr int highestScramblableCode = 255 - scrambleShift; // 170: the last code that still fits a byte
QString scrambleText(const QString& text);
// ... and minus scrambleShift (codes below it are left out).
QString unscrambleText(const QString& text);
