#include "data/DataSource.h"

#include "errors/CError.h"
#include <QCoreApplication>
#include <QRegularExpression>
#include <QUrl>

namespace kyt
{

namespace
{

[[noreturn]] void badUrl(const QString& url, const QString& why)
{
    throw KytError(ErrDataSource, QStringLiteral("%1: %2").arg(url, why));
}

QString decoded(const QString& text)
{
    return QUrl::fromPercentEncoding(text.toUtf8());
}

QString encoded(const QString& text, const QByteArray& keep = {})
{
    return QString::fromLatin1(QUrl::toPercentEncoding(text, keep));
}

// Splits "a=1&b=2" into the address's fields; throws on a name it does not know.
void readParameters(const QString& url, const QString& text, DataSourceUrl& address)
{
    for (const QString& pair : text.split(QLatin1Char('&'), Qt::SkipEmptyParts)) {
        const qsizetype eq = pair.indexOf(QLatin1Char('='));
        const QString name = decoded(pair.left(eq)).toLower();
        const QString value = eq < 0 ? QString() : decoded(pair.mid(eq + 1));
        const bool database = address.isDatabase();
        const bool pg = address.kind == DataSourceUrl::Kind::Postgresql;
        if (database && name == QLatin1String("table"))
            address.table = value;
        else if (database && name == QLatin1String("query"))
            address.query = value;
        else if (pg && name == QLatin1String("host"))
            address.host = value;
        else if (pg && name == QLatin1String("user"))
            address.user = value;
        else if (pg && name == QLatin1String("password"))
            address.password = value;
        else if (pg && name == QLatin1String("port")) {
            bool ok = false;
            address.port = value.toInt(&ok);
            if (!ok || address.port <= 0 || address.port > 65535)
                badUrl(url,
                    QCoreApplication::translate("kyt::DataSource", "the port \"%1\" is not a port number").arg(value));
        } else if (address.kind == DataSourceUrl::Kind::Csv && name == QLatin1String("encoding")) {
            if (!CsvOptions::encodingFromName(value, &address.csv.encoding))
                badUrl(url,
                    QCoreApplication::translate("kyt::DataSource", "the encoding must be utf-8, windows-1252 or auto"));
        } else if (address.kind == DataSourceUrl::Kind::Csv && name == QLatin1String("delimiter")) {
            if (!CsvOptions::delimiterFromName(value, &address.csv.delimiter))
                badUrl(url, QCoreApplication::translate("kyt::DataSource", "the delimiter must be , ; or tab"));
        } else {
            badUrl(url, QCoreApplication::translate("kyt::DataSource", "unknown parameter \"%1\"").arg(name));
        }
    }
}

void parsePostgresql(const QString& url, const QString& rest, DataSourceUrl& address)
{
    // USER[:PASSWORD]@HOST[:PORT]/DATABASE[?PARAMETERS]
    QString main = rest, parameters;
    if (const qsizetype q = rest.indexOf(QLatin1Char('?')); q >= 0) {
        main = rest.left(q);
        parameters = rest.mid(q + 1);
    }
    const qsizetype slash = main.indexOf(QLatin1Char('/'));
    QString authority = slash < 0 ? main : main.left(slash);
    address.database = slash < 0 ? QString() : decoded(main.mid(slash + 1));
    if (const qsizetype at = authority.lastIndexOf(QLatin1Char('@')); at >= 0) {
        const QString who = authority.left(at);
        authority = authority.mid(at + 1);
        const qsizetype colon = who.indexOf(QLatin1Char(':'));
        address.user = decoded(who.left(colon));
        if (colon >= 0)
            address.password = decoded(who.mid(colon + 1));
    }
    QString portText;
    if (authority.startsWith(QLatin1Char('['))) {
        const qsizetype close = authority.indexOf(QLatin1Char(']'));
        if (close < 0)
            badUrl(url, QCoreApplication::translate("kyt::DataSource", "an address in [ ] is not closed"));
        address.host = authority.mid(1, close - 1);
        if (authority.mid(close + 1).startsWith(QLatin1Char(':')))
            portText = authority.mid(close + 2);
    } else {
        const qsizetype colon = authority.lastIndexOf(QLatin1Char(':'));
        address.host = decoded(colon < 0 ? authority : authority.left(colon));
        if (colon >= 0)
            portText = authority.mid(colon + 1);
    }
    if (!portText.isEmpty()) {
        bool ok = false;
        address.port = portText.toInt(&ok);
        if (!ok || address.port <= 0 || address.port > 65535)
            badUrl(url,
                QCoreApplication::translate("kyt::DataSource", "the port \"%1\" is not a port number").arg(portText));
    }
    readParameters(url, parameters, address);
    if (address.database.isEmpty())
        badUrl(url,
            QCoreApplication::translate(
                "kyt::DataSource", "no database named (postgresql://USER@HOST:PORT/DATABASE?table=TABLE)"));
}

} // namespace

DataSourceUrl DataSourceUrl::parse(const QString& urlText)
{
    const QString url = urlText.trimmed();
    DataSourceUrl address;
    if (url.isEmpty())
        badUrl(QCoreApplication::translate("kyt::DataSource", "data source"),
            QCoreApplication::translate("kyt::DataSource", "no file or URL given"));
    const qsizetype colon = url.indexOf(QLatin1Char(':'));
    const QString scheme = colon > 1 ? url.left(colon).toLower() : QString();
    if (scheme == QLatin1String("postgresql") || scheme == QLatin1String("postgres")) {
        address.kind = Kind::Postgresql;
        if (!url.mid(colon + 1).startsWith(QLatin1String("//")))
            badUrl(url,
                QCoreApplication::translate(
                    "kyt::DataSource", "a PostgreSQL URL reads postgresql://USER@HOST:PORT/DATABASE?table=TABLE"));
        parsePostgresql(url, url.mid(colon + 3), address);
    } else if (scheme == QLatin1String("csv") || scheme == QLatin1String("data") || scheme == QLatin1String("sqlite")) {
        address.kind = scheme == QLatin1String("csv") ? Kind::Csv
            : scheme == QLatin1String("data")         ? Kind::DataStream
                                                      : Kind::Sqlite;
        QString path = url.mid(colon + 1);
        // Parameters follow the last '?': always for a database, for a CSV
        // file only when they are its own (a file name may hold a '?').
        static const QRegularExpression known(
            QStringLiteral("^(encoding|delimiter)="), QRegularExpression::CaseInsensitiveOption);
        if (const qsizetype q = path.lastIndexOf(QLatin1Char('?')); q >= 0
            && (address.kind == Kind::Sqlite
                || (address.kind == Kind::Csv && known.match(path.mid(q + 1)).hasMatch()))) {
            const QString parameters = path.mid(q + 1);
            path = path.left(q);
            readParameters(url, parameters, address);
        }
        address.path = path;
        if (address.path.isEmpty())
            badUrl(url, QCoreApplication::translate("kyt::DataSource", "no file named after \"%1:\"").arg(scheme));
    } else {
        // A plain path: its kind is told by its content when it is opened.
        address.path = url;
    }
    if (!address.table.isEmpty() && !address.query.isEmpty())
        badUrl(url, QCoreApplication::translate("kyt::DataSource", "a table or a query, not both"));
    return address;
}

QString DataSourceUrl::toUrl() const
{
    auto which = [this] {
        if (!table.isEmpty())
            return QStringLiteral("?table=") + encoded(table);
        if (!query.isEmpty())
            return QStringLiteral("?query=") + encoded(query);
        return QString();
    };
    switch (kind) {
    case Kind::None:
        return path;
    case Kind::Csv: {
        QStringList parameters;
        if (csv.encoding == CsvOptions::Encoding::Utf8)
            parameters << QStringLiteral("encoding=utf-8");
        else if (csv.encoding == CsvOptions::Encoding::Windows1252)
            parameters << QStringLiteral("encoding=windows-1252");
        if (csv.delimiter == ',')
            parameters << QStringLiteral("delimiter=comma");
        else if (csv.delimiter == ';')
            parameters << QStringLiteral("delimiter=semicolon");
        else if (csv.delimiter == '\t')
            parameters << QStringLiteral("delimiter=tab");
        return QStringLiteral("csv:") + path
            + (parameters.isEmpty() ? QString() : QStringLiteral("?") + parameters.join(QLatin1Char('&')));
    }
    case Kind::DataStream:
        return QStringLiteral("data:") + path;
    case Kind::Sqlite:
        return QStringLiteral("sqlite:") + path + which();
    case Kind::Postgresql: {
        QString text = QStringLiteral("postgresql://");
        if (!user.isEmpty())
            text += encoded(user) + QLatin1Char('@');
        text += host.contains(QLatin1Char(':')) && !host.startsWith(QLatin1Char('/')) ? QStringLiteral("[%1]").arg(host)
                                                                                      : encoded(host, "-.");
        if (port > 0)
            text += QStringLiteral(":%1").arg(port);
        return text + QLatin1Char('/') + encoded(database) + which();
    }
    }
    return path;
}

QString DataSourceUrl::displayName() const
{
    const QString part = !table.isEmpty() ? QCoreApplication::translate("kyt::DataSource", " (table %1)").arg(table)
        : !query.isEmpty()                ? QCoreApplication::translate("kyt::DataSource", " (query)")
                                          : QString();
    switch (kind) {
    case Kind::Sqlite:
        return path + part;
    case Kind::Postgresql: {
        DataSourceUrl bare = *this;
        bare.table.clear();
        bare.query.clear();
        return QUrl::fromPercentEncoding(bare.toUrl().toUtf8()) + part;
    }
    default:
        return path;
    }
}

bool DataSourceUrl::operator==(const DataSourceUrl& o) const
{
    return kind == o.kind && path == o.path && table == o.table && query == o.query && host == o.host && port == o.port
        && user == o.user && database == o.database && password == o.password && csv.encoding == o.csv.encoding
        && csv.delimiter == o.csv.delimiter;
}

} // namespace kyt
