#pragma once

#include <QTest>

#include "app/vesmira_app.h"

// The main of a test that runs inside the program's own application object, which names the
// settings key and starts the program, at 96 dots per inch whatever the screen says.
#define VESMIRA_APP_TEST_MAIN(TestClass)     \
  int main(int argc, char** argv) {          \
    vesmira::CVesmiraApp app(argc, argv);    \
    app.setAttribute(Qt::AA_Use96Dpi, true); \
    TestClass test;                          \
    QTEST_SET_MAIN_SOURCE_PATH               \
    return QTest::qExec(&test, argc, argv);  \
  }
