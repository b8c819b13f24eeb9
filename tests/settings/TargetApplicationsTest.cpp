#include <gtest/gtest.h>

#include "SettingsTestSupport.h"
#include "platform/Picture.h"
#include "settings/AppSettings.h"
#include "settings/CTargetApplications.h"
#include "settings/PrintDataForTarget.h"
#include "settings/TargetApplicationFactory.h"
#include <QFileInfo>

using namespace kyt;
using kyt::test::StoreScope;

namespace
{

// An application object that counts its calls and fills two fields.
class CountingTarget : public TargetApplicationObject
{
public:
    explicit CountingTarget(int* calls)
        : m_calls(calls)
    {
    }
    void InitializePrintData(std::shared_ptr<CPrintData>& printData) override
    {
        ++*m_calls;
        printData->Add(QStringLiteral("Name"), QStringLiteral("Ada"));
        printData->Add(QStringLiteral("Number"), 42);
    }

private:
    int* m_calls;
};

class ThrowingTarget : public TargetApplicationObject
{
public:
    void InitializePrintData(std::shared_ptr<CPrintData>& printData) override
    {
        printData->Add(QStringLiteral("Half"), QStringLiteral("done"));
        throw std::runtime_error("application failed");
    }
};

class ReplacingTarget : public TargetApplicationObject
{
public:
    void InitializePrintData(std::shared_ptr<CPrintData>& printData) override
    {
        printData = std::make_shared<CPrintData>();
        printData->Add(QStringLiteral("Replaced"), true);
    }
};

// Registers a factory for the life of a test.
struct FactoryScope {
    QString progId;
    FactoryScope(const QString& id, TargetApplicationFactory::Creator c)
        : progId(id)
    {
        TargetApplicationFactory::registerFactory(id, std::move(c));
    }
    ~FactoryScope() { TargetApplicationFactory::unregisterFactory(progId); }
};

void registerTarget(const QString& progId, const QString& description)
{
    ASSERT_EQ(settings::SaveSetting(CTargetApplications::AppName, CTargetApplications::Section, progId, description),
        reg::ERROR_SUCCESS);
}

} // namespace

TEST(CTargetApplications, ReadsTheCurrentUsersSectionSkippingEmptyNamesAndOtherTypes)
{
    StoreScope scope;
    {
        CTargetApplications none;
        none.GetAllTargetApps();
        EXPECT_EQ(none.Count(), 0);
        EXPECT_EQ(none.Item(1), nullptr);
        EXPECT_EQ(none.Item(QStringLiteral("Any")), nullptr);
    }
    registerTarget(QStringLiteral("Acme.Badges"), QStringLiteral("Acme badge office"));
    registerTarget(QString(), QStringLiteral("nameless"));
    registerTarget(QStringLiteral("KYT.VisitorDesk"), QStringLiteral("Visitor desk"));
    {
        reg::HKEY h = 0;
        ASSERT_EQ(
            scope.store().RegOpenKeyEx(reg::HKEY_CURRENT_USER,
                CTargetApplications::AppName + QStringLiteral("\\TargetApplications"), 0, reg::KEY_ALL_ACCESS, &h),
            reg::ERROR_SUCCESS);
        ASSERT_EQ(scope.store().RegSetValueEx(h, QStringLiteral("Binary.App"), 0, reg::REG_BINARY, "x"), 0);
        scope.store().RegCloseKey(h);
    }
    // The machine-wide tree is not the per-user one.
    {
        reg::HKEY h = 0;
        ASSERT_EQ(scope.store().RegCreateKeyEx(reg::HKEY_LOCAL_MACHINE,
                      CTargetApplications::AppName + QStringLiteral("\\TargetApplications"), 0, QString(), 0,
                      reg::KEY_ALL_ACCESS, &h, nullptr),
            0);
        ASSERT_EQ(scope.store().RegSetValueEx(h, QStringLiteral("Machine.App"), 0, reg::REG_SZ, "m"), 0);
        scope.store().RegCloseKey(h);
    }
    CTargetApplications apps;
    apps.GetAllTargetApps();
    ASSERT_EQ(apps.Count(), 2);
    EXPECT_EQ(apps.Item(1)->ProgId(), QStringLiteral("Acme.Badges"));
    EXPECT_EQ(apps.Item(1)->Description(), QStringLiteral("Acme badge office"));
    EXPECT_EQ(apps.Item(QStringLiteral("kyt.visitordesk"))->Description(), QStringLiteral("Visitor desk"));
    QStringList order;
    for (const CTargetApplicationPtr& t : apps)
        order << t->ProgId();
    EXPECT_EQ(order, (QStringList { QStringLiteral("Acme.Badges"), QStringLiteral("KYT.VisitorDesk") }));
    EXPECT_TRUE(apps.moduleSourceText().startsWith(QStringLiteral("KYTPreview.CTargetApplications (8.1.3)")));
}

TEST(CTargetApplications, DuplicateKeysKeepTheFirstAndRemovePassesOverUnknowns)
{
    CTargetApplications apps;
    auto first = apps.Add(QStringLiteral("one"), QStringLiteral("App.One"));
    auto second = apps.Add(QStringLiteral("again"), QStringLiteral("APP.ONE"));
    auto unkeyed = apps.Add(QStringLiteral("no id"), QString());
    EXPECT_EQ(second->Description(), QStringLiteral("again"));
    EXPECT_EQ(apps.Count(), 2);
    EXPECT_EQ(apps.Item(QStringLiteral("app.one")), first);
    EXPECT_EQ(apps.Item(2), unkeyed);
    apps.Remove(QStringLiteral("Nope"));
    apps.Remove(7);
    EXPECT_EQ(apps.Count(), 2);
    apps.Remove(QStringLiteral("App.One"));
    EXPECT_EQ(apps.Count(), 1);
    EXPECT_EQ(apps.Item(1), unkeyed);
}

TEST(CTargetApplication, PrintDataAsksTheApplicationOnce)
{
    int calls = 0;
    FactoryScope f(QStringLiteral("Test.Counting"), [&] { return std::make_shared<CountingTarget>(&calls); });
    CTargetApplication t;
    t.setProgId(QStringLiteral("test.COUNTING"));
    auto a = t.PrintData();
    auto b = t.PrintData();
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(a, b);
    ASSERT_EQ(a->Count(), 2);
    EXPECT_EQ(a->Item(QStringLiteral("name"))->vValue().toString(), QStringLiteral("Ada"));
    EXPECT_NE(t.Target(), nullptr);
}

TEST(CTargetApplication, FailuresLeaveAnEmptyPrintData)
{
    FactoryScope thrower(QStringLiteral("Test.Throwing"), [] { return std::make_shared<ThrowingTarget>(); });
    FactoryScope nothing(QStringLiteral("Test.Nothing"), [] { return std::shared_ptr<TargetApplicationObject>(); });
    FactoryScope raising(QStringLiteral("Test.Raising"),
        []() -> std::shared_ptr<TargetApplicationObject> { throw std::runtime_error("cannot start"); });
    for (const char* id : { "Test.Throwing", "Test.Nothing", "Test.Raising", "Not.Registered.Anywhere" }) {
        kyt::test::ScriptedBoxScope boxes;
        CTargetApplication t;
        t.setProgId(QString::fromLatin1(id));
        auto pd = t.PrintData();
        ASSERT_NE(pd, nullptr) << id;
        EXPECT_EQ(pd->Count(), 0) << id;
        EXPECT_EQ(boxes.box().asked().size(), 1u) << id; // reported once
    }
    try {
        TargetApplicationFactory::create(QStringLiteral("Not.Registered.Anywhere"));
        ADD_FAILURE() << "an unknown ProgId made an object";
    } catch (const KytError& e) {
        EXPECT_EQ(e.number(), 429);
        EXPECT_TRUE(e.description().contains(QStringLiteral("Not.Registered.Anywhere")));
    }
    EXPECT_EQ(TargetApplicationFactory::providerOf(QStringLiteral("Test.Raising")).kind,
        TargetApplicationFactory::Provider::InProcess);
}

TEST(CTargetApplication, TheApplicationMayReplaceThePrintDataAndHostsMaySetTheirOwn)
{
    FactoryScope f(QStringLiteral("Test.Replacing"), [] { return std::make_shared<ReplacingTarget>(); });
    const auto pd = createPrintDataFor(QStringLiteral("Test.Replacing"));
    ASSERT_EQ(pd->Count(), 1);
    EXPECT_TRUE(pd->Item(QStringLiteral("Replaced"))->vValue().toBool());

    CTargetApplication t;
    int calls = 0;
    t.setTarget(std::make_shared<CountingTarget>(&calls));
    EXPECT_EQ(t.PrintData()->Count(), 2); // no ProgId needed when the object is given
    auto mine = std::make_shared<CPrintData>();
    t.setPrintData(mine);
    EXPECT_EQ(t.PrintData(), mine);
    EXPECT_EQ(calls, 1);
}

TEST(CreatePrintDataFor, EmptyNameGivesAFreshEmptyPrintData)
{
    auto a = createPrintDataFor(QString());
    auto b = createPrintDataFor(QString());
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->Count(), 0);
    EXPECT_NE(a, b);
}

TEST(VisitorDeskPlugin, IsFoundByItsProgIdAndFillsTheFieldsWithAPhoto)
{
    TargetApplicationFactory::rescanPlugins();
    const auto provider = TargetApplicationFactory::providerOf(QStringLiteral("kyt.visitordesk"));
    ASSERT_EQ(provider.kind, TargetApplicationFactory::Provider::Plugin)
        << "the visitor desk plugin is built into " KYT_BINARY_DIR "/plugins";
    EXPECT_TRUE(QFileInfo(provider.file).fileName().contains(QStringLiteral("visitordesk")));
    EXPECT_TRUE(TargetApplicationFactory::pluginProgIds().contains(QStringLiteral("KYT.VisitorDesk")));

    const auto pd = createPrintDataFor(QStringLiteral("KYT.VisitorDesk"));
    ASSERT_NE(pd, nullptr);
    for (const char* field : { "FirstName", "LastName", "Company", "Host", "VisitDate", "BadgeNo", "ValidUntil" }) {
        const auto item = pd->Item(QString::fromLatin1(field));
        ASSERT_NE(item, nullptr) << field;
        EXPECT_FALSE(item->vValue().toString().isEmpty()) << field;
    }
    const QVariant photo = pd->Item(QStringLiteral("Image"))->vValue();
    ASSERT_TRUE(photo.canConvert<Picture>());
    const Picture pic = photo.value<Picture>();
    EXPECT_EQ(pic.Type(), Picture::Bitmap);
    EXPECT_GT(pic.image().width(), 50);
    EXPECT_GT(pic.image().height(), pic.image().width()); // a portrait photo
    // A silhouette: the middle differs from the corner.
    EXPECT_NE(pic.image().pixel(pic.image().width() / 2, pic.image().height() * 2 / 3), pic.image().pixel(1, 1));
}

TEST(TargetApplicationFactory, BrokenPluginFilesAreIgnored)
{
    StoreScope scope; // a scratch folder
    QFile junk(scope.dir() + QStringLiteral("/libjunk.so"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write(QByteArray(4096, '\x7f'));
    junk.close();
    qputenv("KYT_PLUGIN_PATH", scope.dir().toLocal8Bit());
    TargetApplicationFactory::rescanPlugins();
    EXPECT_EQ(
        TargetApplicationFactory::providerOf(QStringLiteral("Junk")).kind, TargetApplicationFactory::Provider::None);
    EXPECT_EQ(createPrintDataFor(QStringLiteral("Junk"))->Count(), 0);
    qunsetenv("KYT_PLUGIN_PATH");
    TargetApplicationFactory::rescanPlugins();
}
