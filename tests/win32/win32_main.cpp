#include <windows.h>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // A failing test must never wait for a click on a system error box.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
