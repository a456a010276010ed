#include "engine/platform/MainWindow.h"

#include <gtest/gtest.h>

#include <ostream>

static bool operator==(const Rect& a, const Rect& b)
{
    return a.x == b.x && a.y == b.y && a.w == b.w && a.h == b.h;
}

static std::ostream& operator<<(std::ostream& out, const Rect& r)
{
    return out << "(" << r.x << ", " << r.y << ", " << r.w << ", " << r.h << ")";
}

TEST(DisplayScaling, LetterboxKeepsTheShapeAndCentres)
{
    const struct {
        int width, height;
        Rect box;
    } cases[] = {
        {800, 600, Rect(0, 0, 800, 600)},    {1600, 1200, Rect(0, 0, 1600, 1200)},
        {1920, 1080, Rect(240, 0, 1440, 1080)}, {1280, 1024, Rect(0, 32, 1280, 960)},
        {1024, 768, Rect(0, 0, 1024, 768)},  {0, 0, Rect(0, 0, 800, 600)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MainWindow::LetterboxFor(c.width, c.height), c.box) << c.width << "x" << c.height;
}

TEST(DisplayScaling, PointsMapBackToTheLogicalScreen)
{
    const struct {
        int width, height, ax, ay, x, y;
    } cases[] = {
        {800, 600, 0, 0, 0, 0},         {800, 600, 799, 599, 799, 599},   {800, 600, 400, 300, 400, 300},
        {1920, 1080, 240, 0, 0, 0},     {1920, 1080, 960, 540, 400, 300}, {1920, 1080, 1679, 1079, 799, 599},
        {1920, 1080, 100, 500, 0, 277}, // on the bar at the left: clamped to the picture's edge
        {1920, 1080, 1900, -5, 799, 0}, {1280, 1024, 640, 32, 400, 0},   {800, 600, 900, 700, 799, 599},
    };
    for (const auto& c : cases) {
        int x = -1, y = -1;
        MainWindow::MapToLogical(c.width, c.height, c.ax, c.ay, x, y);
        EXPECT_EQ(x, c.x) << c.width << "x" << c.height << " at " << c.ax << "," << c.ay;
        EXPECT_EQ(y, c.y) << c.width << "x" << c.height << " at " << c.ax << "," << c.ay;
    }
}
