// kytpreview barcode TYPE TEXT: the string a text object prints in the
// barcode font for TYPE, as Windows-1252 code numbers.
#include "Command.h"
#include "barcode/modBarCodeRoutines.h"
#include "util/Ansi.h"
#include <QStringList>

namespace kyt::cli
{
namespace
{
const QString kCode39Chars = QStringLiteral("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz-. $/+%*");

int run(const QStringList& args)
{
    const QString me = QStringLiteral("barcode");
    if (args.size() != 2)
        return fail(me, QStringLiteral("expected TYPE and TEXT (see kytpreview barcode --help)"), 2);
    const QString type = args.at(0).toLower();
    const QString text = args.at(1);
    QString encoded;
    if (type == QLatin1String("3of9") || type == QLatin1String("39")) {
        encoded = TrimBarcodeBlanks(text);
        for (QChar c : encoded)
            if (!kCode39Chars.contains(c))
                return fail(me, QStringLiteral("Code 39 cannot encode the character '%1'").arg(c));
    } else if (type == QLatin1String("128b")) {
        if (!IsCode128BText(text))
            return fail(me, QStringLiteral("Code 128 B encodes only characters with codes 32 to 127"));
        encoded = CreateCode128B(text);
    } else if (type == QLatin1String("128c")) {
        encoded = CreateCode128C(text);
        if (encoded.isEmpty())
            return fail(me,
                TrimBarcodeBlanks(text).isEmpty() ? QStringLiteral("Code 128 C needs at least one digit")
                                                  : QString::fromLatin1(kCode128CAlphaDescription));
    } else {
        return fail(me, QStringLiteral("unknown barcode type '%1' (3of9, 128B or 128C)").arg(args.at(0)), 2);
    }
    QStringList codes;
    codes.reserve(encoded.size());
    for (QChar c : encoded)
        codes << QString::number(ansiCode(c));
    printOut(codes.join(QLatin1Char(' ')));
    return 0;
}

const Command::Registration reg({ QStringLiteral("barcode"), QStringLiteral("3of9|128B|128C TEXT"),
    QStringLiteral("Prints the string that draws TEXT as a barcode in the barcode font, as\n"
                   "Windows-1252 code numbers separated by blanks. 3of9 prints the trimmed\n"
                   "text unchanged (start/stop characters come from the object's prefix and\n"
                   "postfix); 128B and 128C add the start, check and stop characters.\n"
                   "Text that the barcode type cannot encode is an error (exit code 1)."),
    run });
} // namespace
} // namespace kyt::cli
