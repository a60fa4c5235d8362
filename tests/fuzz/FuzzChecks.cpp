#include "tests/fuzz/FuzzChecks.h"

#include "entry/EntryValidation.h"
#include "report/BirFile.h"
#include "report/Scrambling.h"

#include <QBuffer>
#include <QByteArray>
#include <QtGlobal>

namespace {

QByteArray bytesOf(const std::uint8_t* data, std::size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

void require(bool condition, const char* property)
{
    if (!condition) {
        qFatal("property broken: %s", property);
    }
}

} // namespace

void checkBirReader(const std::uint8_t* data, std::size_t size)
{
    QByteArray bytes = bytesOf(data, size);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QString error;
    const std::optional<QStringList> lines = BirFile::read(&buffer, &error);
    if (!lines) {
        require(!error.isEmpty(), "a refusal says why");
        return;
    }
    require(lines->size() == BirFile::lineCount, "a read file has exactly 15 lines");
    qsizetype total = 0;
    for (const QString& line : *lines) {
        require(line.size() <= BirFile::maximumLineBytes, "no line is longer than any field needs");
        total += line.size();
    }
    // Unscrambling maps one byte to one character, and the line ends are not part of the lines.
    require(total <= static_cast<qsizetype>(size), "the lines hold no more characters than the file has bytes");
}

void checkScrambling(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = bytesOf(data, size);
    const QString text = fromCodePage(bytes);
    require(toCodePage(text) == bytes, "every byte of the code page has exactly one character");

    const QByteArray scrambled = toCodePage(scrambleText(text));
    QByteArray storable;
    for (const char byte : bytes) {
        if (static_cast<unsigned char>(byte) <= highestScramblableCode) {
            storable.append(byte);
        }
    }
    require(scrambled.size() == storable.size(), "scrambling drops exactly the codes 171 to 255");
    for (qsizetype i = 0; i < scrambled.size(); ++i) {
        require(static_cast<unsigned char>(scrambled[i]) == static_cast<unsigned char>(storable[i]) + scrambleShift,
                "scrambling adds 85 in order");
    }
    require(toCodePage(unscrambleText(scrambleText(text))) == storable, "unscrambling undoes scrambling");
}

void checkNumericBox(const std::uint8_t* data, std::size_t size)
{
    const QString text = QString::fromUtf8(bytesOf(data, size));
    for (const bool signAllowed : {false, true}) {
        const std::optional<std::int16_t> value = boxNumber(text, signAllowed);
        if (!value) {
            continue;
        }
        require(*value >= 0, "a stored number is never negative");
        QString digits = text.trimmed();
        if (signAllowed && digits.startsWith(QLatin1Char('-'))) {
            digits.remove(0, 1);
        }
        require(!digits.isEmpty(), "a number has digits");
        for (const QChar c : digits) {
            require(c >= QLatin1Char('0') && c <= QLatin1Char('9'), "a number is made of ASCII digits only");
        }
        bool ok = false;
        require(digits.toInt(&ok) == *value && ok, "the stored number is what the box shows");
    }
}
