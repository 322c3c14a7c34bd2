// Opening the layout designer, as selecting the "Invoice Layout" tab does: the identity's layout
// file read, the window built and its first tab painted. Closing it is not timed. The goal is a
// CPU time; run a Release build:
//   bench_designer --benchmark_repetitions=9 --benchmark_report_aggregates_only=true
// The argument is the layout's logo: 0 none, 1 a 1200 x 400 JPEG, 2 a 3900 x 2900 photo as JPEG,
// 3 the same photo as PNG (a picture that large is still copied in as it is).

#include "BenchBooks.h"
#include "BenchMain.h"
#include "BookMaker.h"
#include "core/Clock.h"
#include "core/Database.h"
#include "core/SharedFiles.h"
#include "core/ui/Session.h"
#include "layout/IdentityLayoutFile.h"
#include "layout/LayoutFiles.h"
#include "layout/ui/LayoutDesigner.h"
#include "support/ScriptedPrompter.h"

#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

const QDate kToday(2026, 12, 3);

struct Books : BenchBooks {
    explicit Books(int logo)
        : BenchBooks(0, kToday)
    {
        QString why;
        if (!LayoutFiles::ensureForIdentity(db, files, 1, &why))
            qFatal("no layout file: %s", qPrintable(why));
        if (logo)
            useLogo(logo);
    }

    void useLogo(int kind)
    {
        const bool large = kind >= 2;
        QImage picture(large ? 3900 : 1200, large ? 2900 : 400, QImage::Format_RGB32);
        // Gradients with a little noise: compressed about as a photo is.
        quint32 noise = 12345;
        for (int y = 0; y < picture.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
            for (int x = 0; x < picture.width(); ++x) {
                noise = noise * 1664525u + 1013904223u;
                const int n = int(noise >> 28);
                line[x] = qRgb((x / 16 + n) & 0xFF, (y / 12 + n) & 0xFF, ((x + y) / 24) & 0xFF);
            }
        }
        const QString name = kind == 3 ? QStringLiteral("logo.png") : QStringLiteral("logo.jpg");
        Result<std::optional<LayoutRecord>> r = IdentityLayoutFile::read(files, 1);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        if (!r || !*r || !buffer.open(QIODevice::WriteOnly) ||
            !picture.save(&buffer, kind == 3 ? "PNG" : "JPG") || !files.write(name, bytes))
            qFatal("cannot give the bench layout its logo");
        LayoutRecord record = **r;
        record.PicLogoName = name;
        record.PicLogoShow = true;
        if (!IdentityLayoutFile::write(files, 1, record))
            qFatal("cannot write the bench layout");
    }

    SharedFiles files{db, dir.path()};
};

void BM_OpenDesigner(benchmark::State& state)
{
    Books books(int(state.range(0)));
    for (auto _ : state) {
        auto designer = std::make_unique<LayoutDesigner>(*books.session);
        designer->show();
        QCoreApplication::processEvents(); // the expose and the first paint
        state.PauseTiming();
        designer.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    if (!books.prompter.verifyDone())
        state.SkipWithError(qPrintable(books.prompter.leftover()));
}

BENCHMARK(BM_OpenDesigner)
    ->ArgName("logo")
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->Arg(3)
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return runBenchmarks<QApplication>(argc, argv);
}
