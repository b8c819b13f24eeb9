// Parse strings: field references replaced from the print data, printed at
// the surface's position, and every malformed line a reported failure.
#include "RenderTestSupport.h"

#include "support/TestSupport.h"

using namespace kyt;
using namespace kyt::test;

namespace
{

struct Outcome {
    bool ok;
    std::vector<QString> printed;
    QString log;
};

Outcome renderLine(const QString& line, std::shared_ptr<FieldValues> data)
{
    CPrintTemplate card;
    auto error = quietError();
    card.setError(error);
    card.CreateParseString(line);
    auto ps = std::dynamic_pointer_cast<CParseString>(card.Item(1));
    EXPECT_TRUE(ps);
    TraceSurface s("Printer");
    Outcome out;
    out.ok = ps->Render(card, s, error, data, 0, 0);
    for (const auto& c : calls(s, "Print"))
        out.printed.push_back(c.value("text").toString());
    out.log = error->lastLogLine();
    return out;
}

std::shared_ptr<CPrintData> people()
{
    auto data = std::make_shared<CPrintData>();
    data->Add("LastName", "Smith");
    data->Add("FirstName", "John");
    data->Add("Age", 42);
    return data;
}

} // namespace

struct LineRow {
    const char* line;
    const char* printed;
};

class ParseStringPrints : public ::testing::TestWithParam<LineRow>
{
};

TEST_P(ParseStringPrints, Replaced)
{
    const auto row = GetParam();
    const auto out = renderLine(QString::fromUtf8(row.line), people());
    EXPECT_TRUE(out.ok) << out.log.toStdString();
    EXPECT_EQ(out.printed, std::vector<QString> { QString::fromUtf8(row.printed) });
    EXPECT_TRUE(out.log.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Rows, ParseStringPrints,
    ::testing::Values(LineRow { "Name: {{LastName}}, {{FirstName,1}}.", "Name: Smith, J." },
        LineRow { "{{ lastname , 3 }}", "Smi" }, // blanks and letter case do not matter
        LineRow { "{{FirstName,0}}", "John" }, LineRow { "{{FirstName,-2}}", "John" },
        LineRow { "{{FirstName,10}}", "John" }, LineRow { "Age {{Age}}", "Age 42" },
        LineRow { "no references }} here", "no references }} here" },
        LineRow { "[{{Unknown}}]", "[]" }, // the print data gives an empty item
        LineRow { "", "" }));

TEST(ParseStringRender, ValueHoldingAReferenceIsReplacedAgain)
{
    auto data = people();
    data->Add("Greeting", "Dear {{FirstName}}");
    const auto out = renderLine("{{Greeting}}!", data);
    EXPECT_TRUE(out.ok);
    EXPECT_EQ(out.printed, std::vector<QString> { "Dear John!" });
}

TEST(ParseStringRender, TextWithoutReferencesNeedsNoPrintData)
{
    const auto out = renderLine("Visitor", nullptr);
    EXPECT_TRUE(out.ok);
    EXPECT_EQ(out.printed, std::vector<QString> { "Visitor" });
}

std::shared_ptr<CPrintData> noData()
{
    return nullptr;
}

std::shared_ptr<CPrintData> withPhoto()
{
    auto data = people();
    data->Add("Photo", QVariant::fromValue(solidPicture(2, 2, qRgb(0, 0, 0))));
    return data;
}

std::shared_ptr<CPrintData> selfReferring()
{
    auto data = people();
    data->Add("Loop", "again {{Loop}}");
    // Each round doubles the text: the length bound stops it long before the
    // replacement count would.
    data->Add("Twice", QString(4096, QLatin1Char('x')) + "{{Twice}}{{Twice}}");
    return data;
}

struct BadRow {
    const char* line;
    const char* number;
    std::shared_ptr<CPrintData> (*data)();
};

class ParseStringFails : public ::testing::TestWithParam<BadRow>
{
};

TEST_P(ParseStringFails, ReportedAndNothingPrinted)
{
    const auto row = GetParam();
    SCOPED_TRACE(row.line);
    const auto out = renderLine(QString::fromUtf8(row.line), row.data());
    EXPECT_FALSE(out.ok);
    EXPECT_TRUE(out.printed.empty());
    EXPECT_TRUE(out.log.contains("Source: CParseString Render")) << out.log.toStdString();
    EXPECT_TRUE(out.log.contains(QStringLiteral("Number: %1|").arg(QLatin1String(row.number))))
        << out.log.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Rows, ParseStringFails,
    ::testing::Values(BadRow { "}} then {{LastName}}", "5", people }, BadRow { "{{LastName", "5", people },
        BadRow { "{{FirstName,abc}}", "13", people }, BadRow { "{{FirstName,99999}}", "6", people },
        BadRow { "Name: {{LastName}}", "91", noData }, BadRow { "{{Photo}}", "13", withPhoto },
        BadRow { "{{Loop}}", "28", selfReferring }, BadRow { "{{Twice}}", "7", selfReferring }));

TEST(ParseStringRender, FailingLineStopsTheCardAndFinishes)
{
    CPrintTemplate card;
    card.setWidth(3.375);
    card.setHeight(2.125);
    card.setError(quietError());
    card.CreateParseString("{{Loop}}");
    auto data = std::make_shared<CPrintData>();
    data->Add("Loop", "{{Loop}}");
    TraceSurface s("PictureBox");
    s.setScaleMode(Surface::vbPixels);
    EXPECT_FALSE(card.Render(s, data));
    EXPECT_EQ(s.ScaleMode(), Surface::vbPixels);
    EXPECT_TRUE(card.Error()->lastLogLine().contains("Source: CParseString Render"));
}

TEST(ParseStringRender, PrintsAtTheSurfacesPosition)
{
    CPrintTemplate card;
    card.setError(quietError());
    card.CreateParseString("Hello {{LastName}}");
    auto ps = card.Item(1);
    TraceSurface s("PictureBox");
    s.setScaleMode(Surface::vbInches);
    s.setCurrentX(0.75);
    s.setCurrentY(1.25);
    auto error = card.Error();
    std::shared_ptr<FieldValues> data = people();
    ASSERT_TRUE(ps->Render(card, s, error, data, 5, 5)); // offsets are not used
    const auto p = calls(s, "Print").front();
    EXPECT_DOUBLE_EQ(num(p, "x"), 0.75);
    EXPECT_DOUBLE_EQ(num(p, "y"), 1.25);
    EXPECT_EQ(p.value("text").toString(), "Hello Smith");
}
