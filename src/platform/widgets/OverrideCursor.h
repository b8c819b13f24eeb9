#pragma once
// A pointer shape held for the life of the object, the hourglass unless told;
// restored on every way out, exceptions included.

#include <QCursor>
#include <QGuiApplication>

namespace kyt
{

class OverrideCursor
{
public:
    explicit OverrideCursor(Qt::CursorShape shape = Qt::WaitCursor)
    {
        QGuiApplication::setOverrideCursor(QCursor(shape));
    }
    ~OverrideCursor() { QGuiApplication::restoreOverrideCursor(); }
    OverrideCursor(const OverrideCursor&) = delete;
    OverrideCursor& operator=(const OverrideCursor&) = delete;
};

} // namespace kyt
