#include "designer/COutline.h"

#include "designer/DesignControl.h"
#include "designer/frmPreview.h"
#include "errors/ModuleSource.h"
#include "util/Strings.h"
#include <algorithm>
#include <cmath>

namespace kyt
{

COutline::COutline()
    : m_moduleSource(kyt::moduleSource(".COutline ("))
{
}

COutline::~COutline() = default;

void COutline::report(const std::exception& e, const char* procedure) const
{
    if (m_error)
        m_error->Report(e, m_moduleSource + QLatin1Char(' ') + QLatin1String(procedure));
}

void COutline::showOutline(bool visible)
{
    if (m_rectangle)
        m_rectangle->setVisible(visible);
    for (auto& h : m_handles)
        if (h)
            h->setVisible(visible);
    if (visible) {
        if (m_rectangle)
            m_rectangle->raise();
        for (auto& h : m_handles)
            if (h)
                h->raise();
    }
}

void COutline::CoordtoOutline(float left, float top, float right, float bottom)
{
    showOutline(false);
    if (m_rectangle)
        m_rectangle->setItemGeometry(left, top, right - left, bottom - top);
    const float h = m_handles[0] ? m_handles[0]->itemWidth() / 2 : 0;
    const float xs[] = {left, right, left, right};
    const float ys[] = {top, top, bottom, bottom};
    for (int i = 0; i < 4; ++i)
        if (m_handles[i])
            m_handles[i]->setItemGeometry(xs[i] - h, ys[i] - h, m_handles[i]->itemWidth(), m_handles[i]->itemHeight());
    showOutline(true);
}

void COutline::Selected(DesignControl* control)
{
    try {
        if (!control) {
            m_selected = false;
            return;
        }
        m_control = control;
        m_selected = true;
        CoordtoOutline(control->left(), control->top(), control->left() + control->Width(),
            control->top() + control->Height());
    } catch (const std::exception& e) {
        report(e, "Selected");
    }
}

void COutline::Unselect()
{
    showOutline(false);
    m_selected = false;
}

void COutline::GetSelected(int& index, QString& name) const
{
    if (DesignControl* c = selectedControl()) {
        index = c->Index();
        name = c->Name();
    } else {
        index = 0;
        name = QStringLiteral("Pointer");
    }
}

DesignControl* COutline::selectedControl() const { return m_selected ? m_control.data() : nullptr; }

int COutline::GetMaxZorder() const
{
    int z = 0;
    if (m_form)
        for (IDesignControl* c : m_form->designControls()) {
            bool missing = true;
            const QString v = GetTagValue(c->Tag(), QStringLiteral("Zorder"), QStringLiteral(";"), QStringLiteral("="), &missing);
            if (!missing)
                z = std::max(z, int(std::lround(v.toDouble())));
        }
    return z;
}

int COutline::GetMinZorder() const
{
    int z = 100;
    if (m_form)
        for (IDesignControl* c : m_form->designControls()) {
            bool missing = true;
            const QString v = GetTagValue(c->Tag(), QStringLiteral("Zorder"), QStringLiteral(";"), QStringLiteral("="), &missing);
            if (!missing)
                z = std::min(z, int(std::lround(v.toDouble())));
        }
    return z;
}

void COutline::UpdateZorder(bool toFront)
{
    try {
        DesignControl* c = selectedControl();
        if (!c)
            return;
        const int z = toFront ? GetMaxZorder() + 1 : GetMinZorder() - 1;
        QString tag = c->Tag();
        SetTagValue(tag, QStringLiteral("Zorder"), QStringLiteral(";"), QString::number(z));
        c->setTag(tag);
    } catch (const std::exception& e) {
        report(e, "UpdateZorder");
    }
}

bool COutline::FontToFit() const
{
    if (!m_control)
        return false;
    return GetTagValue(m_control->Tag(), QStringLiteral("FTF")).compare(QLatin1String("True"), Qt::CaseInsensitive) == 0;
}

} // namespace kyt
