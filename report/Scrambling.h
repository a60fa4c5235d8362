#pragma once

#include <QByteArray>
#include <QString>

// The program's 8-bit code page is Windows-1252. The five codes it leaves undefined map to the C1 control
// characters of the same number, as Windows does, so every byte 0..255 has exactly one character.
QByteArray toCodePage(const QString& text, QString* unmappable = nullptr); // characters outside the page are dropped
QString fromCodePage(const QByteArray& bytes);

// The reversible character shift of ".bir" files and the reminder setting: each character's code-page code
// plus 85 (codes 171..255 are left out) ...
QString scrambleText(const QString& text);
// ... and minus 85 (codes 0..84 are left out).
QString unscrambleText(const QString& text);
