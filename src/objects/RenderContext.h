#pragma once
// What a design object reads while it draws: the card's scale and offsets,
// and the values of the card's fields. The template and the print data
// implement these, so the objects depend on neither.

#include "kyt/kytcore_export.h"
#include <QString>
#include <QVariant>
#include <optional>

namespace kyt
{

// Implemented by CPrintTemplate.
class KYTCORE_EXPORT CardScale
{
public:
    virtual ~CardScale() = default;
    virtual double Scalor() const = 0;
    virtual float XOffset() const = 0;
    virtual float YOffset() const = 0;
};

// Implemented by CPrintData. A lookup may add the field (CreateIfNotFound).
class KYTCORE_EXPORT FieldValues
{
public:
    virtual ~FieldValues() = default;
    // The field's value; invalid when there is no such field.
    virtual QVariant fieldValue(const QString& name) = 0;
    // The field's value as data-stream text; empty when there is no such
    // field, none when the value is an object (a picture or a QObject).
    virtual std::optional<QString> fieldText(const QString& name) = 0;
};

} // namespace kyt
