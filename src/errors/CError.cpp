#include "errors/CError.h"

#include "errors/EventLog.h"
#include "errors/MessageBox.h"
#include "kyt/Version.h"
#include <QDateTime>
#include <QLocale>

namespace kyt
{

KytError::KytError(qint32 number, QString description, QString source)
    : std::runtime_error(description.toStdString())
    , m_number(number)
    , m_description(std::move(description))
    , m_source(std::move(source))
{
}

CError::CError(QObject* parent)
    : QObject(parent)
{
}

QString CError::errorType(qint64 number)
{
    return (number > 0 && number < 65535) ? QString::fromLatin1(QT_TR_NOOP("System Error"))
                                          : QString::fromLatin1(QT_TR_NOOP("Application Error"));
}

qint64 CError::shownNumber(qint64 number)
{
    return (number > 0 && number < 65535) ? number : number - static_cast<qint64>(vbObjectError);
}

QString CError::oneLine(qint64 number, const QString& description)
{
    // "File not found: card.tpl" reads "card.tpl: file not found" on a
    // terminal: the subject first, the platform's words after it.
    QString text = description.simplified();
    const qsizetype colon = text.indexOf(QLatin1String(": "));
    if (colon > 0 && colon <= 40) {
        QString head = text.left(colon);
        if (head.size() > 1 && head.at(0).isUpper() && !head.at(1).isUpper())
            head[0] = head.at(0).toLower();
        text = text.mid(colon + 2) + QLatin1String(": ") + head;
    }
    if (text.isEmpty())
        text = tr("error");
    return tr("%1 (error %2)").arg(text).arg(shownNumber(number));
}

void CError::Report(const std::exception& e, const QString& source)
{
    if (const auto* k = dynamic_cast<const KytError*>(&e))
        Display(k->number(), source, k->description());
    else
        Display(440, source, QString::fromLocal8Bit(e.what())); // 440: automation error
}

void CError::Display(const QVariant& vNumber, const QVariant& vSource, const QVariant& vDescription,
    const QVariant& critical, const QVariant& helpFile, const QVariant& helpContext, const QVariant& dllErrorText)
{
    try {
        const bool isCritical = critical.isValid() && !critical.isNull() && critical.toBool();
        qint64 number = vNumber.toLongLong();
        // Hosts often hand over 32-bit error codes as unsigned values.
        const int t = vNumber.typeId();
        if ((t == QMetaType::UInt || t == QMetaType::ULong || t == QMetaType::ULongLong) && number > 0
            && number <= 0xFFFFFFFFLL)
            number = static_cast<qint32>(static_cast<quint32>(number));
        const QString type = errorType(number);
        const QString shown = QString::number(shownNumber(number));
        const QString source = vSource.toString();
        const QString description = vDescription.toString();
        const QString version = QString::number(VersionMajor) + QLatin1Char('.') + QString::number(VersionMinor)
            + QLatin1Char('.') + QString::number(VersionRevision);

        QString line = QLocale::c().toString(QDateTime::currentDateTime(), QStringLiteral("M/d/yyyy h:mm:ss AP"))
            + QLatin1String(": ") + QLatin1String("|Ver ") + QString::number(VersionMajor) + QLatin1Char('.')
            + QString::number(VersionMinor) + QLatin1String(". ") + QString::number(VersionRevision)
            + QLatin1String("|Source: ") + source + QLatin1String("|Type: ") + type + QLatin1String("|Number: ") + shown
            + QLatin1String("|Message: ") + description + QLatin1Char('|');
        if (isCritical)
            line += QLatin1String("|CRITICAL|");
        m_lastLogLine = line;

        EventLog::write(line, EventLog::Error); // a failing write does not stop the report

        try {
            QString eventLine = line;
            emit ErrorEvent(eventLine);
        } catch (...) {
        }

        const QString nl = QStringLiteral("\r\n");
        QString msg = tr("There has been an error in your application!  The action that you were "
                         "attempting will not be complete.")
            + nl + nl + tr("Please record the following information for future reference should this error persist.")
            + nl + nl + tr("     Version: \t") + version + nl + tr("     Error Source:\t") + source + nl
            + tr("     Error Type:\t") + tr(type.toLatin1().constData()) + nl + tr("     Error Number:\t") + shown + nl
            + tr("     Error Message:\t") + description + nl;
        if (dllErrorText.isValid() && !dllErrorText.isNull())
            msg += tr("     32bit DLL Error:\t") + dllErrorText.toString() + nl;
        msg += nl + tr("Re-attempt what you were doing.  If this error persists contact ") + m_contact + tr("at ") + nl
            + m_phone + QLatin1Char('.');
        if (isCritical)
            msg += nl + nl + tr("This is a CRITICAL error!  Your application will be terminated!");
        m_lastMessage = msg;

        if (m_displayError) {
            // A message box that fails must not swallow the rest of the
            // report: the critical signal below still has to be raised.
            try {
                const bool hasHelp = helpFile.isValid() && !helpFile.isNull() && !helpFile.toString().isEmpty();
                MsgBox(MessageRequest { msg, vbOKOnly, tr("%1 Error!").arg(QLatin1String(ProductName)),
                    hasHelp ? helpFile.toString() : QString(),
                    hasHelp && helpContext.isValid() ? helpContext.toInt() : 0, oneLine(number, description) });
            } catch (...) {
            }
        }
        if (isCritical)
            emit CriticalError();
    } catch (...) {
        // Display never raises to its caller.
    }
}

} // namespace kyt
