// Measures and exercises the settings store at full size; driven by the
// scripts next to this file.
//   write DB COUNT PREFIX          writes COUNT values, printing "ack N" after each
//   verify DB PREFIX COUNT ...     checks every PREFIXi = i*7 is there; prints counts
//   perf DB                        CProperties creation and setter timings
#include "errors/CError.h"
#include "platform/RegistryStore.h"
#include "settings/CProperties.h"
#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

using namespace kyt;
using namespace kyt::reg;

namespace
{
const QString kKey = QStringLiteral("Software\\KYT\\Burst");

int write(const QString& db, int count, const QString& prefix)
{
    RegistryStore store(db);
    if (!store.isPersistent())
        return 3;
    HKEY h = 0;
    if (store.RegCreateKeyEx(HKEY_CURRENT_USER, kKey, 0, QString(), 0, KEY_ALL_ACCESS, &h, nullptr))
        return 4;
    for (int i = 0; i < count; ++i) {
        if (const LONG rc = store.RegSetValueEx(h, prefix + QString::number(i), 0, REG_SZ, QByteArray::number(i * 7))) {
            std::printf("fail %d %d\n", i, static_cast<int>(rc));
            return 5;
        }
        std::printf("ack %d\n", i);
        std::fflush(stdout);
    }
    store.RegCloseKey(h);
    return 0;
}

int verify(const QString& db, const QStringList& pairs)
{
    RegistryStore store(db);
    if (!store.isPersistent()) {
        std::printf("store not usable: %s\n", qPrintable(store.problem()));
        return 3;
    }
    QString detail;
    const bool intact = store.integrityCheck(&detail);
    HKEY h = 0;
    if (store.RegOpenKeyEx(HKEY_CURRENT_USER, kKey, 0, KEY_READ, &h))
        return 4;
    int missing = 0, present = 0;
    for (int p = 0; p + 1 < pairs.size(); p += 2) {
        const int n = pairs[p + 1].toInt();
        for (int i = 0; i < n; ++i) {
            QByteArray data;
            if (store.RegQueryValueEx(h, pairs[p] + QString::number(i), nullptr, &data) == ERROR_SUCCESS
                && data == QByteArray::number(i * 7))
                ++present;
            else
                ++missing;
        }
    }
    KeyInfo info;
    store.RegQueryInfoKey(h, &info);
    std::printf("integrity %s\nexpected-present %d\nmissing %d\nvalues-in-key %u\n", intact ? "ok" : "FAILED", present,
        missing, info.values);
    return intact && missing == 0 ? 0 : 1;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

int perf(const QString& db)
{
    auto store = std::make_shared<RegistryStore>(db);
    auto error = std::make_shared<CError>();
    error->setDisplayError(false);
    {
        CProperties warm(store, error);
    }
    std::vector<double> create;
    for (int i = 0; i < 200; ++i) {
        QElapsedTimer t;
        t.start();
        CProperties p(store, error);
        create.push_back(t.nsecsElapsed() / 1e6);
    }
    std::vector<double> setters;
    for (int round = 0; round < 5; ++round) {
        CProperties p(store, error);
        QElapsedTimer t;
        t.start();
        for (int i = 0; i < 1000; ++i) {
            switch (i % 4) {
            case 0:
                p.setDefaultFontSize(8 + i % 10);
                break;
            case 1:
                p.setDefaultFontBold(i % 8 == 1);
                break;
            case 2:
                p.setTop(static_cast<float>(i));
                break; // another key: the cache is listed again
            default:
                p.setDefaultWidth(3 + i / 1000.0);
                break;
            }
        }
        setters.push_back(t.nsecsElapsed() / 1e6);
    }
    std::printf("create-median-ms %.3f\ncreate-max-ms %.3f\nsetters-1000-median-ms %.1f\nsetters-1000-max-ms %.1f\n",
        median(create), *std::max_element(create.begin(), create.end()), median(setters),
        *std::max_element(setters.begin(), setters.end()));
    return 0;
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList a = app.arguments().mid(1);
    if (a.size() == 4 && a[0] == QLatin1String("write"))
        return write(a[1], a[2].toInt(), a[3]);
    if (a.size() >= 4 && a[0] == QLatin1String("verify"))
        return verify(a[1], a.mid(2));
    if (a.size() == 2 && a[0] == QLatin1String("perf"))
        return perf(a[1]);
    std::fprintf(stderr, "usage: kyt_settings_bench write DB COUNT PREFIX | verify DB PREFIX COUNT... | perf DB\n");
    return 2;
}
