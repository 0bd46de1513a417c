#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "editor/char_tool.h"

// Time from creating the main window (decoding the sheets, building the controls, start-up and
// the first drawing) until it is shown. Run offscreen; prints the median of several runs.
int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::vector<double> ms;
    for (int run = 0; run < 15; ++run) {
        QElapsedTimer timer;
        timer.start();
        kelvara::CharTool window;
        window.show();
        QApplication::processEvents();
        ms.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    std::printf(
        "start-up to first drawn view: median %.1f ms, min %.1f ms, max %.1f ms (%zu runs)\n",
        ms[ms.size() / 2], ms.front(), ms.back(), ms.size());
    return 0;
}
