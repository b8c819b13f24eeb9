#pragma once
// Helpers for the drawing tests: cards built in code, quiet error reporters,
// trace filtering and a surface whose text measurements the test decides.

#include <gtest/gtest.h>

#include "errors/CError.h"
#include "objects/CDataObject.h"
#include "objects/CLineObject.h"
#include "objects/CLogoObject.h"
#include "objects/CParseString.h"
#include "objects/CPhotoObject.h"
#include "objects/CRectangleObject.h"
#include "objects/CTextObject.h"
#include "platform/surface/TraceSurface.h"
#include "support/TestSupport.h"
#include "template/CPrintData.h"
#include "template/CPrintTemplate.h"
#include <QImage>
#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <memory>
#include <optional>

inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

namespace kyt::test
{

// A 3.375 x 2.125 inch card with a quiet reporter.
inline std::unique_ptr<CPrintTemplate> makeCard(double width = 3.375, double height = 2.125)
{
    auto t = std::make_unique<CPrintTemplate>();
    t->setWidth(width);
    t->setHeight(height);
    t->setError(quietError());
    return t;
}

template <typename T> std::shared_ptr<T> add(CPrintTemplate& t, const char* type)
{
    auto o = std::dynamic_pointer_cast<T>(t.AddObject(QString::fromLatin1(type)));
    EXPECT_TRUE(o) << type;
    return o;
}

// One object drawn on its own, with the card's reporter.
inline bool renderOn(CDesignObject& o, CPrintTemplate& card, Surface& s, std::shared_ptr<CPrintData> data = nullptr,
    float sgX = 0, float sgY = 0)
{
    auto error = card.Error();
    std::shared_ptr<FieldValues> values = data;
    return o.Render(card, s, error, values, sgX, sgY);
}

// A line object with a colour (only its token string carries one).
inline std::shared_ptr<CLineObject> addLine(
    CPrintTemplate& t, float left, float top, float width, float height, qint32 colour)
{
    auto line = add<CLineObject>(t, "Line");
    const QChar sep(0x0001);
    line->setTokenString(QString::number(top) + sep + QString::number(left) + sep + QString::number(width) + sep
        + QString::number(height) + sep + QStringLiteral("0") + sep + QString::number(colour) + sep);
    return line;
}

// The recorded calls, optionally only those of one member.
inline std::vector<QJsonObject> calls(const TraceSurface& s, const QString& op = QString())
{
    std::vector<QJsonObject> out;
    for (const auto& v : s.calls()) {
        const QJsonObject o = v.toObject();
        if (op.isEmpty() || o.value(QStringLiteral("op")).toString() == op)
            out.push_back(o);
    }
    return out;
}

inline std::vector<QString> ops(const TraceSurface& s)
{
    std::vector<QString> out;
    for (const auto& v : s.calls())
        out.push_back(v.toObject().value(QStringLiteral("op")).toString());
    return out;
}

// Position of the first call of `op` at or after `from` (-1: none).
inline int indexOf(const std::vector<QString>& list, const QString& op, int from = 0)
{
    for (int i = from; i < static_cast<int>(list.size()); ++i)
        if (list[size_t(i)] == op)
            return i;
    return -1;
}

inline double num(const QJsonObject& o, const char* key)
{
    return o.value(QLatin1String(key)).toDouble();
}

// A stand-alone trace whose text measurements are fixed by the test (in
// inches), for checking the sizing arithmetic independently of fonts.
class MeasuredSurface : public TraceSurface
{
public:
    explicit MeasuredSurface(const QString& typeName, double textWidth, double textHeight)
        : TraceSurface(typeName)
        , m_width(textWidth)
        , m_height(textHeight)
    {
    }
    double TextWidth(const QString& text) override
    {
        TraceSurface::TextWidth(text); // keep it in the trace
        return m_width;
    }
    double TextHeight(const QString& text) override
    {
        TraceSurface::TextHeight(text);
        return m_height;
    }

private:
    double m_width;
    double m_height;
};

} // namespace kyt::test
