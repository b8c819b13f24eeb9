// Any bytes as a template file: the reader must answer true or false and
// never crash, hang or allocate without bound. Whatever it accepted must
// save and read back.
#include "template/CPrintTemplate.h"
#include <QCoreApplication>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static QCoreApplication app(*argc, *argv); // image format plugins
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // No error reporter: failures are not logged, so runs stay in memory.
    kyt::CPrintTemplate t;
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    t.readBinaryTemplate(bytes);
    return 0;
}
