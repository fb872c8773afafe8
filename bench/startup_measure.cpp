// What start-up costs: CPU time from the creation of the application object to
// the launcher on screen, with every window created as the program does, and
// the resident memory at that moment; both against a bare Qt program that shows
// one label. Each run is a fresh process (memory cannot be measured twice in
// one), started by this same program, always on the offscreen platform.
//
//   startup_measure [--runs N]       N runs of each (default 11), medians and targets
//   startup_measure --child program  one run of the program, prints "cpu_ms rss_kb process_ms"
//   startup_measure --child label    one run of the bare label
//
// process_ms is the whole process's CPU time at the same moment, the loading of
// the libraries included; it is reported, the targets are on cpu_ms. The exit
// code is 0 when the medians meet the targets, 1 when they do not.
#include "app/TINTRO.h"
#include "app/Windows.h"
#include "ui/toolkit/Translations.h"

#include <QApplication>
#include <QLabel>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>
#include <string>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr double kMaxCpuRatio = 3.0;
constexpr double kMaxRssMb = 45.0;

double cpuMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

double processMilliseconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto ms = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_usec) / 1e3;
    };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

long residentKilobytes() {
    std::FILE* status = std::fopen("/proc/self/status", "r");
    if (!status)
        return -1;
    char line[256];
    long kb = -1;
    while (std::fgets(line, sizeof line, status))
        if (std::sscanf(line, "VmRSS: %ld kB", &kb) == 1)
            break;
    std::fclose(status);
    return kb;
}

// Shown means exposed and painted once, as a user would first see it.
void waitUntilShown(QWidget& window) {
    while (!window.windowHandle() || !window.windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QCoreApplication::processEvents();
}

int runChild(const char* what, int argc, char* argv[]) {
    const bool program = std::strcmp(what, "program") == 0;
    if (!program && std::strcmp(what, "label") != 0)
        return 2;
    const double start = cpuMilliseconds();
    QApplication app(argc, argv);
    std::unique_ptr<rotamind::Windows> windows;
    std::unique_ptr<QLabel> label;
    if (program) {
        // As main() does.
        QApplication::setApplicationName(QStringLiteral("Rotamind Pro"));
        rotamind::installItalianTranslations(app);
        windows = std::make_unique<rotamind::Windows>();
        windows->start();
        waitUntilShown(windows->intro());
    } else {
        label = std::make_unique<QLabel>(QStringLiteral("Rotamind"));
        label->show();
        waitUntilShown(*label);
    }
    const double cpu = cpuMilliseconds() - start;
    std::printf("%.3f %ld %.3f\n", cpu, residentKilobytes(), processMilliseconds());
    return 0;
}

struct Sample {
    double cpuMs = 0;
    double rssKb = 0;
    double processMs = 0;
};

bool runOnce(const std::string& self, const char* what, Sample& sample) {
    const std::string command = "QT_QPA_PLATFORM=offscreen '" + self + "' --child " + what;
    std::FILE* child = popen(command.c_str(), "r");
    if (!child)
        return false;
    const int read =
        std::fscanf(child, "%lf %lf %lf", &sample.cpuMs, &sample.rssKb, &sample.processMs);
    return pclose(child) == 0 && read == 3;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc >= 3 && std::strcmp(argv[1], "--child") == 0)
        return runChild(argv[2], argc, argv);
    int runs = 11;
    if (argc >= 3 && std::strcmp(argv[1], "--runs") == 0)
        runs = std::max(1, std::atoi(argv[2]));

    char self[4096];
    const ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
    if (length <= 0)
        return 2;
    self[length] = '\0';

    std::vector<double> labelCpu, labelRss, labelProcess, programCpu, programRss, programProcess;
    // Interleaved, so that a busy spell of the machine hits both alike.
    for (int i = 0; i < runs; ++i) {
        Sample label, program;
        if (!runOnce(self, "label", label) || !runOnce(self, "program", program)) {
            std::fputs("a measuring run failed\n", stderr);
            return 2;
        }
        labelCpu.push_back(label.cpuMs);
        labelRss.push_back(label.rssKb);
        labelProcess.push_back(label.processMs);
        programCpu.push_back(program.cpuMs);
        programRss.push_back(program.rssKb);
        programProcess.push_back(program.processMs);
    }

    const double ratio = median(programCpu) / median(labelCpu);
    const double rssMb = median(programRss) / 1024;
    std::printf("medians of %d runs each, offscreen\n", runs);
    std::printf("  bare label: %8.1f ms CPU  %6.1f MB resident\n", median(labelCpu),
                median(labelRss) / 1024);
    std::printf("  launcher:   %8.1f ms CPU  %6.1f MB resident\n", median(programCpu), rssMb);
    std::printf("  CPU ratio %.2f (at most %.1f), resident %.1f MB (at most %.0f)\n", ratio,
                kMaxCpuRatio, rssMb, kMaxRssMb);
    std::printf("  whole process, loading included: %.1f ms against %.1f ms, ratio %.2f\n",
                median(programProcess), median(labelProcess),
                median(programProcess) / median(labelProcess));
    return ratio <= kMaxCpuRatio && rssMb <= kMaxRssMb ? 0 : 1;
}
