#pragma once
// One Code 128 symbol: what it means in each code set, its value and the
// barcode-font character that prints it in the symbol table.

#include "kyt/kytcore_export.h"
#include <QString>

namespace kyt
{

class KYTCORE_PRIVATE_EXPORT CBarCode128CharSetEntry
{
public:
    CBarCode128CharSetEntry() = default;
    CBarCode128CharSetEntry(QString subA, QString subB, QString subC, qint16 value, QString character)
        : m_subA(std::move(subA))
        , m_subB(std::move(subB))
        , m_subC(std::move(subC))
        , m_value(value)
        , m_character(std::move(character))
    {
    }

    const QString& SubA() const { return m_subA; }
    void setSubA(const QString& v) { m_subA = v; }
    const QString& SubB() const { return m_subB; }
    void setSubB(const QString& v) { m_subB = v; }
    const QString& SubC() const { return m_subC; }
    void setSubC(const QString& v) { m_subC = v; }
    qint16 iValue() const { return m_value; }
    void setiValue(qint16 v) { m_value = v; }
    const QString& Character() const { return m_character; }
    void setCharacter(const QString& v) { m_character = v; }

private:
    QString m_subA;
    QString m_subB;
    QString m_subC;
    qint16 m_value = 0;
    QString m_character;
};

} // namespace kyt
