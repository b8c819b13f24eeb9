// A dialog's length box in inches or millimetres.

#include "dialogs/LengthBox.h"

#include <QLineEdit>

namespace kyt
{

LengthBox::LengthBox(QLineEdit* box, units::Unit unit)
    : m_box(box)
    , m_unit(unit)
{
}

void LengthBox::setInches(double inches)
{
    m_given = inches;
    m_givenText = units::boxText(inches, m_unit);
    m_box->setText(m_givenText);
}

double LengthBox::inches() const
{
    const QString text = m_box->text();
    if (m_unit == units::Unit::Millimetres && !m_givenText.isEmpty() && text == m_givenText)
        return m_given;
    return units::boxInches(text, m_unit);
}

void LengthBox::tidy()
{
    const double value = inches();
    const QString text = units::boxText(value, m_unit);
    // The same length typed another way ("85.73" for "85.73 mm") keeps
    // what was given.
    if (text == m_givenText)
        setInches(m_given);
    else
        m_box->setText(text);
}

void LengthBox::setUnit(units::Unit unit)
{
    if (unit == m_unit)
        return;
    const double value = inches();
    m_unit = unit;
    setInches(value);
}

} // namespace kyt
