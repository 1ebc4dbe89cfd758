// Whole Draw clicks through the window: the engine plus the pixel, repaint
// and progress-bar work a user waits for. Runs on Qt's offscreen platform
// unless a display is chosen with QT_QPA_PLATFORM.
#include "interfacelook.h"
#include "tform1.h"

#include <QApplication>
#include <QCheckBox>
#include <QRadioButton>

#include <benchmark/benchmark.h>

namespace {

void drawClick(benchmark::State &state, int mode, bool detailed)
{
    TForm1 form;
    form.show();
    QRadioButton *radios[] = {form.RadioButton1, form.RadioButton2, form.RadioButton3};
    radios[mode]->setChecked(true);
    form.Button8Click();
    form.CheckBox1->setChecked(detailed);
    form.CheckBox2->setChecked(true);
    for (auto _ : state) {
        form.Button1Click();
        QCoreApplication::processEvents();
    }
}

} // namespace

BENCHMARK_CAPTURE(drawClick, mandelbrot_coarse, 0, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(drawClick, mandelbrot_detailed, 0, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(drawClick, julia_detailed, 1, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(drawClick, transcendental_detailed, 2, true)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen"
                                                                    : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    applyInterfaceLook();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
