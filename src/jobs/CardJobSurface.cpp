#include "jobs/CardJobSurface.h"

namespace kyt
{

CardJobSurface::CardJobSurface(Surface& inner)
    : m_inner(inner)
{
}

CardJobSurface::~CardJobSurface() = default;

} // namespace kyt
