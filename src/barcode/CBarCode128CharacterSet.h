#pragma once
// The Code 128 symbol table for values 0 to 102: the meaning of each symbol
// in code sets A, B and C and the barcode-font character that prints it
// (value 0 is character 192, 1-94 are value + 32, 95-101 are value + 100,
// 102 is character 134, all Windows-1252 codes).

#include "barcode/CBarCode128CharSetEntry.h"
#include "kyt/kytcore_export.h"
#include <QVariant>
#include <array>

namespace kyt
{

class KYTCORE_PRIVATE_EXPORT CBarCode128CharacterSet
{
public:
    static constexpr int kHighestValue = 102;

    CBarCode128CharacterSet();

    // A string key finds the first entry (from value 0 up) whose Character
    // equals it exactly; any other key is taken as the value. A value outside
    // 0..102 or a character no entry has throws KytError 9 "Subscript out of
    // range"; a key that is neither text nor a number throws 13 "Type mismatch".
    const CBarCode128CharSetEntry& Item(const QVariant& key) const;
    // The highest value, 102: loop from 0 to Count() inclusive.
    int Count() const { return kHighestValue; }

    // The printing character of a value, without building a table.
    KYTCORE_NO_EXPORT static QChar characterOf(int value);

private:
    std::array<CBarCode128CharSetEntry, kHighestValue + 1> m_entries;
};

} // namespace kyt
