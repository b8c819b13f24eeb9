// Designer benchmark: a template of 200 objects (texts, data fields,
// rectangles and lines) opened in the designer window, and an object
// dragged across the card. Prints the median, min and max of each.
//   bench_designer [ROUNDS]     (QT_QPA_PLATFORM=offscreen works)
#include "designer/DesignSurface.h"
#include "designer/frmPreview.h"
#include "errors/CError.h"
#include "objects/CDataObject.h"
#include "objects/CLineObject.h"
#include "objects/CRectangleObject.h"
#include "objects/CTextObject.h"
#include "settings/CProperties.h"
#include "template/CPrintTemplate.h"
#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

using namespace kyt;

namespace
{

template <class T> std::shared_ptr<T> add(CPrintTemplate& t, const char* type, double x, double y, double w, double h)
{
    auto o = std::dynamic_pointer_cast<T>(t.AddObject(QString::fromLatin1(type)));
    o->setleft(float(x));
    o->settop(float(y));
    o->setWidth(float(w));
    o->setHeight(float(h));
    return o;
}

// 200 objects spread over a CR80 card, 50 of each kind.
void fill(CPrintTemplate& t)
{
    t.setWidth(3.375);
    t.setHeight(2.125);
    for (int i = 0; i < 50; ++i) {
        const double x = 0.05 + (i % 10) * 0.32, y = 0.05 + (i / 10) * 0.4;
        auto text = add<CTextObject>(t, "Text", x, y, 0.3, 0.1);
        text->setText(QStringLiteral("T%1").arg(i));
        auto data = add<CDataObject>(t, "Data", x, y + 0.12, 0.3, 0.1);
        data->setDataFieldName(QStringLiteral("Field%1").arg(i));
        add<CRectangleObject>(t, "Rect", x, y + 0.24, 0.3, 0.08);
        add<CLineObject>(t, "Line", x, y + 0.34, 0.3, 0.0);
    }
}

void report(const char* what, std::vector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    std::printf("%-28s median %8.3f ms  min %8.3f  max %8.3f  (%zu)\n", what, ms[ms.size() / 2], ms.front(), ms.back(),
        ms.size());
}

void mouse(QWidget* target, QEvent::Type type, QPoint at, Qt::MouseButtons held)
{
    QMouseEvent e(type, QPointF(at), target->mapToGlobal(QPointF(at)),
        type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, held, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &e);
}

} // namespace

int main(int argc, char** argv)
{
    // The settings and logs of the run go to a private folder.
    QTemporaryDir sandbox;
    const QByteArray root = sandbox.path().toLocal8Bit();
    ::setenv("KYT_REGISTRY", (root + "/registry.db").constData(), 1);
    ::setenv("KYT_LOG_DIR", (root + "/log").constData(), 1);
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 21;

    auto error = std::make_shared<CError>();
    error->setDisplayError(false);
    CPrintTemplate model;
    model.setError(error);
    fill(model);
    const QString file = sandbox.filePath(QStringLiteral("200.tpl"));
    if (!model.SaveFile(file)) {
        std::fprintf(stderr, "bench_designer: cannot write %s\n", qPrintable(file));
        return 1;
    }

    CProperties properties { error };
    std::vector<double> open, drag;
    for (int r = 0; r < rounds; ++r) {
        frmPreview window;
        window.setError(error);
        window.setProperties(&properties);
        window.Setup();
        window.resize(900, 640);
        window.show();
        QCoreApplication::processEvents();
        // Open: read the file, show every object, paint the window.
        QElapsedTimer clock;
        clock.start();
        auto t = std::make_shared<CPrintTemplate>();
        t->setError(error);
        t->ReadFile(file);
        window.ShowID(t);
        window.repaint();
        QCoreApplication::processEvents();
        open.push_back(clock.nsecsElapsed() / 1e6);

        // Drag the first rectangle to the right, a pixel a step; each step
        // is the move event and the repaint it asks for.
        DesignSurface& surface = *window.picID();
        const QPoint start(surface.toPixels(0.05 + 0.15), surface.toPixels(0.05 + 0.24 + 0.04));
        QWidget* target = surface.childAt(start);
        if (!target)
            target = &surface;
        const QPoint from = target->mapFrom(&surface, start);
        mouse(target, QEvent::MouseButtonPress, from, Qt::LeftButton);
        QCoreApplication::processEvents();
        for (int step = 1; step <= 40; ++step) {
            clock.restart();
            mouse(target, QEvent::MouseMove, from + QPoint(step, 0), Qt::LeftButton);
            QCoreApplication::processEvents();
            drag.push_back(clock.nsecsElapsed() / 1e6);
        }
        mouse(target, QEvent::MouseButtonRelease, from + QPoint(40, 0), Qt::NoButton);
        QCoreApplication::processEvents();
        window.close();
    }
    report("open 200-object template", open);
    report("drag step (move + repaint)", drag);
    return 0;
}
