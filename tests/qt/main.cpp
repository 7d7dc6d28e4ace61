// The Qt tests' main: one QApplication for every test, on the offscreen platform unless told otherwise,
// and at the scale factor the test program was built for.
#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char* argv[])
{
    // Also when ctest lists the tests, which it does without the tests' environment.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#ifdef PIXORA_TEST_SCALE_FACTOR
    qputenv("QT_SCALE_FACTOR", PIXORA_TEST_SCALE_FACTOR);
#endif
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
