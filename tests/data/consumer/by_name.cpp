// A host that reaches the library's members by name through the
// meta-object system, as script hosts do: reads a template and prints its
// size and data field names.
#include <QCoreApplication>
#include <QMetaObject>
#include <QStringList>
#include <cstdio>
#include <kytpreview/template/CPrintTemplate.h>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2)
        return 64;
    kyt::CPrintTemplate card;
    card.setError(std::make_shared<kyt::CError>());
    bool read = false;
    if (!QMetaObject::invokeMethod(
            &card, "ReadFile", Q_RETURN_ARG(bool, read), Q_ARG(QString, QString::fromLocal8Bit(argv[1])))
        || !read)
        return 1;
    QStringList names;
    if (!QMetaObject::invokeMethod(&card, "GetDataFieldNames", Q_RETURN_ARG(QStringList, names)))
        return 2;
    std::printf("%.3f x %.3f: %s\n", card.property("Width").toDouble(), card.property("Height").toDouble(),
        qPrintable(names.join(QLatin1Char(','))));
    return 0;
}
