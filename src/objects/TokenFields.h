#pragma once
// Reading and writing the one-line text form of a design object: fields each
// followed by the character with code 1. Numbers are written with "." and
// read with "." or ","; a field that cannot be converted leaves the member
// as it was.

#include "kyt/kytcore_export.h"
#include <QChar>
#include <QString>
#include <vector>

namespace kyt::tokens
{

inline constexpr QChar Delimiter = QChar(0x0001);

// Text of a barcode type number for the token string and the control tag:
// its decimal text, except that 128 is written "0128". The plain text "128"
// is the reading word for Code 128 B (type 2), so a type 128 written plainly
// would come back as 2; with the leading zero it reads back as 128. Every
// valid type (0 to 3) and every other number is written as plain decimal.
QString barcodeTypeText(qint32 type);

class TokenWriter
{
public:
    TokenWriter& single(float value);
    TokenWriter& integer(qint64 value);
    TokenWriter& flag(bool value);
    // The delimiter cannot be represented inside a field; it is dropped so
    // that the fields after it are not shifted on reading.
    TokenWriter& text(const QString& value);
    const QString& result() const { return m_text; }

private:
    QString m_text;
};

class TokenReader
{
public:
    // Takes only the first fieldCount fields; the rest of the text is never
    // copied, so a huge damaged text costs no more than one scan.
    TokenReader(const QString& text, int fieldCount);

    // Field k (1-based), blanks trimmed; empty when the text has fewer fields.
    QString text(int k) const;

    // Conversions that keep the member on an empty, missing, non-numeric or
    // out-of-range field.
    void readSingle(int k, float& member) const;
    void readInt16(int k, qint16& member) const;
    void readInt32(int k, qint32& member) const;
    void readFlag(int k, bool& member) const;

    // Barcode type field: empty 0, "3of9" 1, "128" 2 (any case), other
    // integers as they are, anything else 0. A number such as "128.25" or
    // "0128" is not the word "128": it reads as 128, which barcodeTypeText
    // writes back as "0128".
    qint32 barcodeType(int k) const;

private:
    std::vector<QString> m_fields;
};

} // namespace kyt::tokens
