#pragma once
// The Qt application the QPainter device needs for fonts, created once per
// test program on the offscreen platform.
#include <QGuiApplication>

#include <cstdlib>

namespace kolv::test {

inline void ensureGuiApplication()
{
    if (QGuiApplication::instance())
        return;
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static int argumentCount = 1;
    static char programName[] = "test_render";
    static char* arguments[] = {programName, nullptr};
    static QGuiApplication application(argumentCount, arguments);
}

}  // namespace kolv::test
