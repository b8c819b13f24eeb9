#include "settings/CTargetApplication.h"

#include "settings/TargetApplicationFactory.h"

namespace kyt {

CTargetApplication::CTargetApplication(QObject* parent) : QObject(parent) {}

CTargetApplication::~CTargetApplication()
{
    // The print data goes before the object that filled it.
    m_printData.reset();
    m_target.reset();
}

std::shared_ptr<TargetApplicationObject> CTargetApplication::Target()
{
    if (!m_target && !m_progId.isEmpty())
        m_target = TargetApplicationFactory::create(m_progId);
    return m_target;
}

std::shared_ptr<CPrintData> CTargetApplication::PrintData()
{
    if (m_printData)
        return m_printData;
    if (!m_target && !m_progId.isEmpty())
        m_target = TargetApplicationFactory::create(m_progId);
    m_printData = std::make_shared<CPrintData>();
    if (m_target) {
        std::shared_ptr<CPrintData> filled = m_printData;
        try {
            m_target->InitializePrintData(filled);
            if (filled)
                m_printData = filled;
        } catch (...) {
            // A failing application leaves an empty print data, not a half-filled one.
            m_printData = std::make_shared<CPrintData>();
        }
    }
    return m_printData;
}

} // namespace kyt
