// Cost of painting the instrument widgets: one full paint of the five-digit read-out (through
// its paint event and off-screen bitmap) and of a captioned lamp.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>

#include "widgets/MeasurementReadout.h"
#include "widgets/PanelLamps.h"
#include "widgets/TiLedRectangle.h"
#include "widgets/TiSevenSegmentAnalog.h"

namespace {

void ConfigureVoltageReadout(TiSevenSegmentAnalog& readout) {
    widgets::ConfigureMeasurementReadout(readout, widgets::kVoltageReadout);
}

void BM_ReadoutPaint(benchmark::State& state) {
    TiSevenSegmentAnalog readout;
    ConfigureVoltageReadout(readout);
    QImage target(readout.size(), QImage::Format_ARGB32_Premultiplied);
    double value = 12.345;
    for (auto _ : state) {
        value = value > 30 ? 12.345 : value + 0.001;  // a new value each paint, as in polling
        readout.SetValue(value);
        readout.render(&target);
        benchmark::DoNotOptimize(target.constBits());
    }
}
BENCHMARK(BM_ReadoutPaint)->Unit(benchmark::kMicrosecond);

void BM_ReadoutBitmapOnly(benchmark::State& state) {
    TiSevenSegmentAnalog readout;
    ConfigureVoltageReadout(readout);
    readout.SetValue(12.345);
    for (auto _ : state) {
        const QImage bitmap = readout.RenderToImage();
        benchmark::DoNotOptimize(bitmap.constBits());
    }
}
BENCHMARK(BM_ReadoutBitmapOnly)->Unit(benchmark::kMicrosecond);

void BM_LampPaint(benchmark::State& state) {
    TiLedRectangle lamp;
    lamp.resize(41, 20);
    widgets::ConfigureTripLamp(lamp, widgets::kOvpLamp);
    lamp.SetActiveColor(QColor::fromRgb(widgets::kTripLampTrippedColour));
    QImage target(lamp.size(), QImage::Format_ARGB32_Premultiplied);
    bool active = false;
    for (auto _ : state) {
        active = !active;
        lamp.SetActive(active);
        lamp.render(&target);
        benchmark::DoNotOptimize(target.constBits());
    }
}
BENCHMARK(BM_LampPaint)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
