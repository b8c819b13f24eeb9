#pragma once
// A length box of a dialog (card width and height) in the person's unit.
// Millimetres round, so the box remembers the inches it was given: read back
// untouched it gives exactly those, and a card does not change size just
// because its properties were opened in millimetres.

#include "dialogs/LengthUnits.h"
#include "kyt/kytwidgets_export.h"
#include <QString>

class QLineEdit;

namespace kyt
{

class KYTWIDGETS_PRIVATE_EXPORT LengthBox
{
public:
    explicit LengthBox(QLineEdit* box, units::Unit unit = units::current());

    QLineEdit* edit() const { return m_box; }
    units::Unit unit() const { return m_unit; }
    // Shows a length in the box's unit.
    void setInches(double inches);
    // The length the box holds, in inches (inches as typed, as always).
    double inches() const;
    // After editing: the typed number written in the unit's form.
    void tidy();
    // Shows the same length in another unit.
    void setUnit(units::Unit unit);

private:
    QLineEdit* m_box;
    units::Unit m_unit;
    double m_given = 0;
    QString m_givenText;
};

} // namespace kyt
