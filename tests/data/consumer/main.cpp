// A host program built against the installed library: reads a template,
// fills the fields and writes the card to a PDF.
#include <QGuiApplication>
#include <kytpreview/platform/surface/PrinterSurface.h>
#include <kytpreview/template/CPrintData.h>
#include <kytpreview/template/CPrintTemplate.h>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 4)
        return 64;
    auto card = std::make_shared<kyt::CPrintTemplate>();
    card->setError(std::make_shared<kyt::CError>());
    if (!card->ReadFile(QString::fromLocal8Bit(argv[1])))
        return 1;
    auto data = std::make_shared<kyt::CPrintData>();
    data->Add("FirstName", "Ann");
    data->Add("BadgeNo", "4711");
    data->Add("Image", QVariant::fromValue(kyt::Picture::fromFile(QString::fromLocal8Bit(argv[2]))));
    auto printer = kyt::PrinterSurface::toPdf(QString::fromLocal8Bit(argv[3]), { card->Width(), card->Height() });
    const bool ok = card->Render(*printer, data);
    printer->EndDoc();
    return ok ? 0 : 2;
}
