// Any text as the token string of every kind of design object and as a
// print-data stream. Reading a token string never fails; writing it again
// and reading that back must give the same text.
#include "template/CPrintData.h"
#include "template/CPrintTemplate.h"
#include "util/Ansi.h"
#include <QCoreApplication>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = kyt::fromAnsi(reinterpret_cast<const char*>(data), qsizetype(size));
    kyt::CPrintTemplate t;
    for (const char* type : { "Photo", "Logo", "Rect", "Line", "Text", "Data", "ParseString" }) {
        const kyt::CDesignObjectPtr o = t.AddObject(QString::fromLatin1(type));
        o->setTokenString(text);
        const QString once = o->TokenString();
        o->setTokenString(once);
        if (o->TokenString() != once)
            std::abort(); // a token string must be stable after one round
    }
    kyt::CPrintData pd;
    pd.SetCurrentDataStream(text);
    kyt::CPrintData copy;
    copy.SetCurrentDataStream(pd.MakeDataStream(pd));
    if (copy.Count() != pd.Count())
        std::abort(); // the stream of a print data holds all its text items
    return 0;
}
