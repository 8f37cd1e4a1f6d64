#include "fuzz/FuzzApplication.h"

#include <QApplication>

namespace fuzzref {

void EnsureApplication() {
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    if (QCoreApplication::instance() == nullptr) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        // Lives until the process ends, never destroyed: the fuzzer ends the process through
        // exit(), and an application destroyed among the exit handlers would outlive the
        // toolkit's own globals.
        static QApplication* const app = new QApplication(argc, argv);
        (void)app;
    }
}

}  // namespace fuzzref
