#include <QApplication>

#include <gtest/gtest.h>

#include "gui/app/TavApplication.h"

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    tav::gui::TavApplication::FixFormats();
    return RUN_ALL_TESTS();
}
