// The window-system tests run the program's own application object on the X11 platform, in a
// virtual X server of their own. Without Xvfb they run headless and every case skips.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <memory>

#include "app/TApplication.h"
#include "tests/app/VirtualXServer.h"

int main(int argc, char** argv) {
    bool listingOnly = false;
    for (int i = 1; i < argc; ++i) {
        listingOnly = listingOnly || std::strcmp(argv[i], "--gtest_list_tests") == 0;
    }
    std::unique_ptr<VirtualXServer> server;
    if (!listingOnly) {
        server = std::make_unique<VirtualXServer>();
        QString error;
        if (server->Start(&error)) {
            qputenv("DISPLAY", server->Display().toLocal8Bit());
            qputenv("QT_QPA_PLATFORM", "xcb");
        } else {
            std::fprintf(stderr, "no virtual X server (%s): the cases skip\n",
                         error.toLocal8Bit().constData());
            server.reset();
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
    } else {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    int result = 0;
    {
        TApplication app(argc, argv);
        ::testing::InitGoogleTest(&argc, argv);
        result = RUN_ALL_TESTS();
    }
    return result;
}
