#pragma once
// The library's one error reporter. Every procedure that catches its own
// failure hands it to Display, which logs it, raises ErrorEvent and, unless
// switched off, shows the user a message with a support contact.

#include "kyt/kytcore_export.h"
#include <QObject>
#include <QString>
#include <QVariant>
#include <memory>
#include <optional>
#include <stdexcept>

namespace kyt
{

// Base of the platform's user-defined error numbers (0x80040000 as signed).
inline constexpr qint32 vbObjectError = static_cast<qint32>(0x80040000u);

// A failure carried to a procedure's failure path: number, source, description.
class KYTCORE_EXPORT KytError : public std::runtime_error
{
public:
    KytError(qint32 number, QString description, QString source = QString());
    qint32 number() const { return m_number; }
    const QString& description() const { return m_description; }
    const QString& source() const { return m_source; }

private:
    qint32 m_number;
    QString m_description;
    QString m_source;
};

class KYTCORE_EXPORT CError : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool DisplayError READ DisplayError WRITE setDisplayError)
    Q_PROPERTY(QString Contact READ Contact WRITE setContact)
    Q_PROPERTY(QString Phone READ Phone WRITE setPhone)

public:
    explicit CError(QObject* parent = nullptr);

    // Reports one failure. Never throws.
    Q_INVOKABLE void Display(const QVariant& vNumber, const QVariant& vSource, const QVariant& vDescription,
        const QVariant& critical = QVariant(), const QVariant& helpFile = QVariant(),
        const QVariant& helpContext = QVariant(), const QVariant& dllErrorText = QVariant());
    // Convenience for a caught KytError (or any std::exception) at a failure path.
    void Report(const std::exception& e, const QString& source);

    Q_INVOKABLE void ODBCError() { }

    bool DisplayError() const { return m_displayError; }
    void setDisplayError(bool v) { m_displayError = v; }
    QString Contact() const { return m_contact; }
    void setContact(const QVariant& v) { m_contact = v.toString(); }
    QString Phone() const { return m_phone; }
    void setPhone(const QVariant& v) { m_phone = v.toString(); }

    // Classification: "System Error" with n for 0 < n < 65535, else
    // "Application Error" with n minus the user-error base.
    static QString errorType(qint64 number);
    static qint64 shownNumber(qint64 number);
    // A report in one line for a terminal: "card.tpl: file not found (error 53)".
    static QString oneLine(qint64 number, const QString& description);

    // The last report's log line and message text (for hosts and tests).
    const QString& lastLogLine() const { return m_lastLogLine; }
    const QString& lastMessage() const { return m_lastMessage; }

signals:
    void CriticalError();
    void ErrorEvent(QString& logLine);

private:
    bool m_displayError = true;
    QString m_contact;
    QString m_phone;
    QString m_lastLogLine;
    QString m_lastMessage;
};

using CErrorPtr = std::shared_ptr<CError>;

} // namespace kyt
