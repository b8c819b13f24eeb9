// What Qt alone costs, the floor under the one-card figures:
// bench_floor_core starts and ends a program linking Qt Core (under
// `version`); bench_floor_pdf writes the card's name and company lines,
// DejaVu Sans Bold and DejaVu Sans, to a PDF with Qt's writer (under
// `render` to PDF).
#include <QtGlobal>
#include <cstdio>
#ifdef KYT_FLOOR_PDF
#include <QFont>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>
#endif

int main(int argc, char** argv)
{
#ifdef KYT_FLOOR_PDF
    if (argc != 2)
        return 2;
    QGuiApplication app(argc, argv);
    QPdfWriter pdf(QString::fromLocal8Bit(argv[1]));
    QPainter p(&pdf);
    QFont name(QStringLiteral("DejaVu Sans"), 12);
    name.setBold(true);
    p.setFont(name);
    p.drawText(100, 100, QStringLiteral("Ada Lovelace"));
    p.setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
    p.drawText(100, 300, QStringLiteral("Analytical Engines"));
    return p.end() ? 0 : 1;
#else
    (void)argc;
    (void)argv;
    return std::puts(qVersion()) < 0;
#endif
}
