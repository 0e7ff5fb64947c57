#pragma once

#include <optional>
#include <string_view>

#include <QByteArray>
#include <QtGlobal>

#include <benchmark/benchmark.h>

#include "document/DocumentHost.h"

// A document host that says nothing and keeps the default options.
class SilentHost : public DocumentHost {
public:
    void showMessage(std::string_view) override {}
    std::optional<OptionChoice> runOptionsDialog(const OptionValues&) override { return {}; }
    OptionValues savedOptions() const override { return {}; }
    void saveOptions(const OptionValues&) override {}
};

// main of a Google Benchmark program that needs a Qt application, without a display.
template <typename Application> int runBenchmarks(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    Application application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
