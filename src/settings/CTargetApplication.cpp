#include "settings/CTargetApplication.h"
#include <QCoreApplication>

#include "errors/CError.h"
#include "errors/ModuleSource.h"
#include "settings/TargetApplicationFactory.h"

namespace kyt
{

namespace
{

// Reports a failure of the application's object once, through a reporter
// of its own (the class has none from its host).
void report(const std::exception& e, const char* procedure)
{
    CError().Report(e, moduleSource(".CTargetApplication (") + QLatin1Char(' ') + QLatin1String(procedure));
}

} // namespace

CTargetApplication::CTargetApplication(QObject* parent)
    : QObject(parent)
{
}

CTargetApplication::~CTargetApplication()
{
    // The print data goes before the object that filled it.
    m_printData.reset();
    m_target.reset();
}

std::shared_ptr<TargetApplicationObject> CTargetApplication::Target()
{
    try {
        if (!m_target && !m_progId.isEmpty())
            m_target = TargetApplicationFactory::create(m_progId);
    } catch (const std::exception& e) {
        report(e, "Target");
    }
    return m_target;
}

std::shared_ptr<CPrintData> CTargetApplication::PrintData()
{
    if (m_printData)
        return m_printData;
    m_printData = std::make_shared<CPrintData>();
    try {
        if (!m_target && !m_progId.isEmpty())
            m_target = TargetApplicationFactory::create(m_progId);
        if (m_target) {
            std::shared_ptr<CPrintData> filled = m_printData;
            try {
                m_target->InitializePrintData(filled);
            } catch (const std::exception&) {
                throw;
            } catch (...) {
                // The application's own code may throw anything; it becomes the library's error.
                throw KytError(440,
                    QCoreApplication::translate("kyt::TargetApplication", "The target application \"%1\" failed")
                        .arg(m_progId));
            }
            if (filled)
                m_printData = filled;
        }
    } catch (const std::exception& e) {
        // A failing application leaves an empty print data, not a half-filled one.
        m_printData = std::make_shared<CPrintData>();
        report(e, "PrintData");
    }
    return m_printData;
}

} // namespace kyt
