// The single pictures: title logo and background, the tombstone, the loading box, the
// window icon, the sky's crow and cloud, the look cursor, the inventory highlighter and
// the two bars that frame the map.
#include <algorithm>
#include <cmath>
#include <vector>

#include "artgen.h"
#include "shell/layout.h"

namespace {

// A mask of stroked lines and rings, filled afterwards with colour.
struct Mask {
    int w, h;
    std::vector<unsigned char> on;
    Mask(int w_, int h_) : w(w_), h(h_), on(static_cast<size_t>(w_ * h_), 0) {}
    bool At(int x, int y) const { return x >= 0 && y >= 0 && x < w && y < h && on[y * w + x]; }
    void Set(int x, int y)
    {
        if (x >= 0 && y >= 0 && x < w && y < h)
            on[y * w + x] = 1;
    }
};

void StrokeSegment(Mask &m, double x0, double y0, double x1, double y1, double r)
{
    double vx = x1 - x0, vy = y1 - y0, l2 = vx * vx + vy * vy;
    int ix0 = static_cast<int>(std::min(x0, x1) - r - 1), ix1 = static_cast<int>(std::max(x0, x1) + r + 1);
    int iy0 = static_cast<int>(std::min(y0, y1) - r - 1), iy1 = static_cast<int>(std::max(y0, y1) + r + 1);
    for (int y = iy0; y <= iy1; y++)
        for (int x = ix0; x <= ix1; x++) {
            double px = x + 0.5 - x0, py = y + 0.5 - y0;
            double t = l2 > 0 ? std::max(0.0, std::min(1.0, (px * vx + py * vy) / l2)) : 0;
            double dx = px - t * vx, dy = py - t * vy;
            if (dx * dx + dy * dy <= r * r)
                m.Set(x, y);
        }
}

// An arc of an ellipse from angle a0 to a1 (radians, 0 = east, growing clockwise on screen).
void StrokeArc(Mask &m, double cx, double cy, double rx, double ry, double a0, double a1, double r)
{
    const int steps = 48;
    for (int i = 0; i < steps; i++) {
        double t0 = a0 + (a1 - a0) * i / steps, t1 = a0 + (a1 - a0) * (i + 1) / steps;
        StrokeSegment(m, cx + rx * std::cos(t0), cy + ry * std::sin(t0), cx + rx * std::cos(t1), cy + ry * std::sin(t1), r);
    }
}

constexpr double PI = 3.14159265358979;

// The letters of "Quorvane" as strokes: capital height 96 from y 14, x-height 56 above
// the baseline at y 110.
Mask LogoMask(int w, int h, double ox, double oy)
{
    Mask m(w, h);
    const double r = 7.5;
    const double top = 54, base = 110, mid = (top + base) / 2, xr = (base - top) / 2 - r + 1;
    auto seg = [&](double x0, double y0, double x1, double y1) { StrokeSegment(m, ox + x0, oy + y0, ox + x1, oy + y1, r); };
    auto arc = [&](double cx, double cy, double rx, double ry, double a0, double a1) {
        StrokeArc(m, ox + cx, oy + cy, rx, ry, a0, a1, r);
    };
    // Q
    arc(48, 62, 40, 44, 0, 2 * PI);
    seg(58, 86, 96, 118);
    // u
    seg(112, top, 112, mid + 6);
    arc(132, mid + 6, 20, xr - 1, 0, PI);
    seg(152, top, 152, base);
    // o
    arc(194, mid, xr + 2, xr, 0, 2 * PI);
    // r
    seg(236, top, 236, base);
    arc(262, mid + 2, 26, xr + 2, PI, 1.62 * PI);
    // v
    seg(282, top, 304, base);
    seg(304, base, 326, top);
    // a
    arc(362, mid, xr + 1, xr, 0, 2 * PI);
    seg(385, top, 385, base);
    // n
    seg(410, top, 410, base);
    arc(431, mid - 4, 21, xr - 3, PI, 2 * PI);
    seg(452, mid - 4, 452, base);
    // e
    arc(496, mid, xr + 2, xr, 0.2 * PI, 1.95 * PI);
    seg(474, mid, 518, mid);
    return m;
}

} // namespace

Image DrawLogo()
{
    const int w = 600, h = 134;
    Image img = NewImage(w, h);
    Mask letters = LogoMask(w, h, 40, 4);
    auto dilated = [&letters](int x, int y, int d) {
        for (int j = -d; j <= d; j++)
            for (int i = -d; i <= d; i++)
                if (i * i + j * j <= d * d && letters.At(x + i, y + j))
                    return true;
        return false;
    };
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++) {
            if (letters.At(x, y)) {
                // Gold, light at the top of each letter and deep at the foot, with a bright band.
                double t = y / double(h);
                Colour c = Mix(RGB(255, 232, 140), RGB(190, 110, 30), t);
                if (y > 44 && y < 50)
                    c = Lighter(c, 0.35);
                if (!letters.At(x - 2, y - 2))
                    c = Lighter(c, 0.4); // lit edge
                else if (!letters.At(x + 2, y + 2))
                    c = Darker(c, 0.3);
                Put(img, x, y, c);
            } else if (dilated(x, y, 3)) {
                Put(img, x, y, RGB(54, 26, 10));
            } else if (dilated(x - 4, y - 5, 3)) {
                Put(img, x, y, RGB(16, 10, 6)); // shadow
            }
        }
    return img;
}

namespace {

// Night sky with stars, fading to a dusky band at the horizon.
void NightSky(Image &img, int horizon, int seed)
{
    for (int y = 0; y < img.h; y++)
        for (int x = 0; x < img.w; x++) {
            double t = std::min(1.0, y / double(horizon));
            Colour c = Mix(RGB(8, 12, 34), RGB(74, 58, 96), t * t);
            Put(img, x, y, c);
        }
    Rng rng(static_cast<std::uint32_t>(seed));
    for (int i = 0; i < 260; i++) {
        int x = rng.Range(0, img.w - 1), y = rng.Range(0, horizon - 40);
        int b = rng.Range(120, 255);
        Put(img, x, y, RGB(b, b, std::min(255, b + 20)));
        if (b > 235) {
            Put(img, x + 1, y, RGB(b / 2, b / 2, b / 2 + 20));
            Put(img, x - 1, y, RGB(b / 2, b / 2, b / 2 + 20));
            Put(img, x, y + 1, RGB(b / 2, b / 2, b / 2 + 20));
            Put(img, x, y - 1, RGB(b / 2, b / 2, b / 2 + 20));
        }
    }
}

// A ridge: everything below the noisy line y(x) gets the colour, a little textured.
void Ridge(Image &img, double base, double amp, double scale, int seed, Colour c, int bottom)
{
    for (int x = 0; x < img.w; x++) {
        int top = static_cast<int>(base - amp * Fractal(x / scale, 0.5, seed, 4));
        for (int y = std::max(0, top); y < bottom; y++) {
            Colour p = c;
            if (Hash(x, y, seed) % 7 == 0)
                p = Darker(c, 0.12);
            if (y == top)
                p = Lighter(c, 0.25);
            Put(img, x, y, p);
        }
    }
}

void PineSilhouette(Image &img, int x, int base, int height, Colour c)
{
    for (int tier = 0; tier < 4; tier++) {
        double b = base - tier * height / 4.5;
        double half = height / 4.0 - tier * height / 20.0;
        FillPolygon(img, {x - half, b, x + half, b, double(x), b - height / 2.6}, c);
    }
    FillRect(img, x - 2, base, 4, 8, c);
}

void Moon(Image &img, int cx, int cy, int r)
{
    FillCircle(img, cx, cy, r + 8, RGB(46, 46, 78));
    FillCircle(img, cx, cy, r + 4, RGB(70, 70, 104));
    FillCircle(img, cx, cy, r, RGB(236, 232, 206));
    FillCircle(img, cx - 8, cy - 5, r / 5.0, RGB(214, 210, 186));
    FillCircle(img, cx + 9, cy + 8, r / 4.0, RGB(214, 210, 186));
    FillCircle(img, cx + 4, cy - 12, r / 7.0, RGB(214, 210, 186));
}

// A walled town on a hill, black against the sky, with lit windows.
void TownSilhouette(Image &img, int x0, int base)
{
    Colour c = RGB(14, 16, 24);
    FillRect(img, x0, base - 40, 200, 60, c);
    for (int x = x0; x < x0 + 200; x += 12)
        FillRect(img, x, base - 46, 7, 6, c);
    const int towers[][3] = {{x0 - 6, 80, 26}, {x0 + 60, 120, 30}, {x0 + 120, 96, 24}, {x0 + 186, 74, 24}};
    for (const auto &t : towers) {
        FillRect(img, t[0], base - t[1], t[2], t[1], c);
        FillPolygon(img, {t[0] - 4.0, double(base - t[1]), t[0] + t[2] + 4.0, double(base - t[1]),
                          t[0] + t[2] / 2.0, double(base - t[1] - 30)},
                    c);
    }
    Rng rng(9);
    for (int i = 0; i < 22; i++) {
        int x = x0 + rng.Range(2, 196), y = base - rng.Range(8, 100);
        if (Get(img, x, y) == c && Get(img, x + 2, y + 3) == c)
            FillRect(img, x, y, 2, 3, RGB(250, 200, 90));
    }
}

} // namespace

Image DrawBackground()
{
    Image img = NewImage(SCREEN_WIDTH, SCREEN_HEIGHT);
    NightSky(img, 420, 3);
    Moon(img, 660, 96, 34);
    Ridge(img, 420, 130, 170, 11, RGB(42, 42, 70), 600);   // far mountains
    Ridge(img, 470, 70, 120, 12, RGB(28, 34, 46), 600);    // hills
    TownSilhouette(img, 80, 440);
    Ridge(img, 520, 50, 90, 13, RGB(16, 22, 20), 600);     // near slope
    for (int x = 0; x < SCREEN_WIDTH; x += 23) {
        if (x > 250 && x < 560)
            continue; // keep the middle clear under the menu
        int h = 60 + static_cast<int>(Hash(x, 0, 14) % 70);
        PineSilhouette(img, x + static_cast<int>(Hash(x, 1, 14) % 12), 560 + static_cast<int>(Hash(x, 2, 14) % 30), h,
                       RGB(8, 12, 10));
    }
    return img;
}

Image DrawTombstone()
{
    Image img = NewImage(SCREEN_WIDTH, SCREEN_HEIGHT);
    NightSky(img, 460, 21);
    Ridge(img, 470, 50, 140, 22, RGB(24, 30, 34), 600);
    // Graves in the distance.
    for (int i = 0; i < 7; i++) {
        int x = 40 + i * 118 + static_cast<int>(Hash(i, 0, 23) % 30);
        if (x > 220 && x < 580)
            continue;
        int hgt = 30 + static_cast<int>(Hash(i, 1, 23) % 20);
        FillRect(img, x, 470 - hgt, 26, hgt + 10, RGB(40, 42, 50));
        FillCircle(img, x + 13, 470 - hgt, 13, RGB(40, 42, 50));
    }
    // The stone: an arched slab whose face takes the two epitaph lines at y 345 and 360.
    const int left = 240, right = 560, top = 200, foot = 520;
    const double cx = 400, r = 160;
    auto inside = [&](int x, int y, int inset) {
        if (x < left + inset || x >= right - inset || y >= foot)
            return false;
        if (y >= top)
            return true;
        double dx = x + 0.5 - cx, dy = y + 0.5 - top;
        return dx * dx + dy * dy <= (r - inset) * (r - inset);
    };
    for (int y = 20; y < foot; y++)
        for (int x = left; x < right; x++) {
            if (!inside(x, y, 0))
                continue;
            double n = Fractal(x / 18.0, y / 18.0, 24, 3);
            Colour c = Mix(RGB(118, 118, 126), RGB(150, 150, 158), n);
            if (Hash(x, y, 25) % 9 == 0)
                c = Darker(c, 0.1);
            if (!inside(x - 6, y - 6, 0))
                c = Lighter(c, 0.25); // lit rim, upper left
            else if (!inside(x + 6, y, 0) || !inside(x, y + 6, 0))
                c = Darker(c, 0.3);
            // A carved border line.
            if (inside(x, y, 18) && !inside(x, y, 21))
                c = Darker(c, 0.35);
            Put(img, x, y, c);
        }
    // "R.I.P." carved near the top of the arch.
    Mask m(SCREEN_WIDTH, SCREEN_HEIGHT);
    const double rr = 4;
    auto seg = [&](double x0, double y0, double x1, double y1) { StrokeSegment(m, x0, y0, x1, y1, rr); };
    double x = 322, y0 = 150, y1 = 206;
    seg(x, y0, x, y1); // R
    StrokeArc(m, x + 12, y0 + 14, 14, 14, -PI / 2, PI / 2, rr);
    seg(x, y0, x + 12, y0);
    seg(x, y0 + 28, x + 12, y0 + 28);
    seg(x + 10, y0 + 28, x + 26, y1);
    StrokeSegment(m, x + 38, y1 - 2, x + 38, y1 - 2, 5);
    seg(x + 60, y0, x + 60, y1); // I
    StrokeSegment(m, x + 82, y1 - 2, x + 82, y1 - 2, 5);
    double px = x + 104; // P
    seg(px, y0, px, y1);
    StrokeArc(m, px + 12, y0 + 14, 14, 14, -PI / 2, PI / 2, rr);
    seg(px, y0, px + 12, y0);
    seg(px, y0 + 28, px + 12, y0 + 28);
    StrokeSegment(m, px + 40, y1 - 2, px + 40, y1 - 2, 5);
    for (int yy = 0; yy < SCREEN_HEIGHT; yy++)
        for (int xx = 0; xx < SCREEN_WIDTH; xx++)
            if (m.At(xx, yy))
                Put(img, xx, yy, m.At(xx - 2, yy - 2) ? RGB(62, 62, 70) : RGB(44, 44, 52));
    // Grass and earth at the foot.
    for (int xx = 0; xx < SCREEN_WIDTH; xx++)
        for (int yy = 505; yy < SCREEN_HEIGHT; yy++) {
            Colour c = Mix(RGB(26, 40, 22), RGB(12, 18, 10), (yy - 505) / 95.0);
            int blade = static_cast<int>(Hash(xx, 0, 26) % 14);
            if (yy < 505 + blade / 2 + 2 && Hash(xx, 1, 26) % 3 == 0)
                c = RGB(40, 66, 30);
            Put(img, xx, yy, c);
        }
    for (int xx = 0; xx < SCREEN_WIDTH; xx++) {
        int hgt = static_cast<int>(Hash(xx, 2, 27) % 12);
        if (Hash(xx, 3, 27) % 3 == 0)
            VLine(img, xx, 505 - hgt, 505, RGB(34, 58, 28));
    }
    return img;
}

Image DrawLoadBox()
{
    Image img = NewImage(20, 20);
    FillRect(img, 0, 0, 20, 20, RGB(60, 44, 24));
    FillRect(img, 1, 1, 18, 18, RGB(150, 110, 50));
    FillRect(img, 3, 3, 14, 14, RGB(90, 60, 26));
    FillPolygon(img, {10.0, 4.0, 16.0, 10.0, 10.0, 16.0, 4.0, 10.0}, RGB(236, 190, 70));
    FillPolygon(img, {10.0, 5.0, 13.0, 8.0, 10.0, 9.0, 7.0, 8.0}, RGB(255, 240, 170));
    HLine(img, 1, 18, 1, RGB(210, 170, 100));
    VLine(img, 1, 1, 18, RGB(210, 170, 100));
    return img;
}

Image DrawIcon(int size)
{
    // The smallest size is laid out pixel by pixel; the others are drawn afresh at their
    // size, so that each is sharp: no pixel is a blend.
    if (size == 16) {
        Image img = NewImage(16, 16);
        DrawGrid(img, 0, 0,
                 {"................", ".kkkkkkkkkkkkkk.", ".kghhhhhhhhhhgk.", ".kgbbbbbbbbbbgk.",
                  ".kgbbbqqqqbbbgk.", ".kgbbqqbbqqbbgk.", ".kgbbqbbbbqbbgk.", ".kgbbqbbbbqbbgk.",
                  ".kgbbqqbbqqbbgk.", ".kgbbbqqqqqbbgk.", ".kkgbbbbbbqqgkk.", "..kkgbbbbbbgkk..",
                  "...kkgbbbbgkk...", "....kkgbbgkk....", ".....kkggkk.....", "......kkkk......"},
                 {{'k', RGB(30, 20, 10)}, {'g', RGB(200, 160, 60)}, {'h', RGB(250, 220, 130)},
                  {'b', RGB(40, 70, 160)}, {'q', RGB(250, 226, 130)}});
        return img;
    }
    Image img = NewImage(size, size);
    double k = size / 32.0;
    auto at = [k](double v) { return v * k; };
    // A blue shield with a gold rim and the Q of Quorvane.
    FillPolygon(img, {at(3.0), at(3.0), at(29.0), at(3.0), at(29.0), at(17.0), at(16.0), at(30.0), at(3.0), at(17.0)},
                RGB(200, 160, 60));
    FillPolygon(img, {at(5.5), at(5.5), at(26.5), at(5.5), at(26.5), at(16.0), at(16.0), at(26.5), at(5.5), at(16.0)},
                RGB(40, 70, 160));
    Mask m(size, size);
    double pen = std::max(1.6 * k, 1.1); // the Q keeps its ring at 16 px
    StrokeArc(m, at(16), at(14.5), at(6), at(6.5), 0, 2 * PI, pen);
    StrokeSegment(m, at(18), at(17.5), at(22.5), at(22.5), pen);
    for (int y = 0; y < size; y++)
        for (int x = 0; x < size; x++)
            if (m.At(x, y))
                Put(img, x, y, RGB(250, 226, 130));
    HLine(img, static_cast<int>(at(4)), static_cast<int>(at(27)), static_cast<int>(at(3)), RGB(250, 220, 130));
    Outline(img, RGB(30, 20, 10));
    return img;
}

Image DrawCrow()
{
    Image img = NewImage(28, 16);
    Colour black = RGB(24, 22, 30), sheen = RGB(60, 60, 84);
    FillEllipse(img, 14, 9, 6, 3, black);                                  // body
    FillCircle(img, 7, 8, 2.8, black);                                     // head
    FillPolygon(img, {4.0, 7.0, 4.0, 9.5, 0.5, 8.5}, RGB(60, 54, 50));     // beak
    FillPolygon(img, {19.0, 8.0, 27.0, 6.0, 27.0, 11.0, 19.0, 10.0}, black); // tail
    FillPolygon(img, {10.0, 8.0, 18.0, 8.0, 22.0, 0.5, 15.0, 2.0}, black);   // raised wing
    FillPolygon(img, {11.0, 10.0, 17.0, 10.0, 19.0, 15.5, 13.0, 14.0}, sheen); // lower wing
    Put(img, 7, 7, RGB(200, 180, 80));
    return img;
}

Image DrawCloud()
{
    Image img = NewImage(96, 44);
    const double puffs[][3] = {{20, 28, 13}, {38, 20, 16}, {58, 18, 15}, {74, 27, 12}, {48, 30, 13}, {30, 32, 10}};
    for (const auto &p : puffs)
        FillCircle(img, p[0], p[1] + 1.5, p[2], RGB(196, 204, 220)); // grey underside
    for (const auto &p : puffs)
        FillCircle(img, p[0] - 1, p[1] - 1.5, p[2] - 1.5, RGB(246, 248, 252));
    for (int x = 0; x < 96; x++)
        for (int y = 36; y < 44; y++)
            if (!IsKey(img, x, y) && y > 37)
                Put(img, x, y, RGB(180, 188, 206));
    return img;
}

Image DrawMapCursor()
{
    Image img = NewImage(TILE, TILE);
    Colour gold = RGB(255, 220, 60), dark = RGB(40, 30, 10);
    auto corner = [&](int x, int y, int dx, int dy) {
        for (int i = 0; i < 9; i++) {
            for (int t = 0; t < 2; t++) {
                Put(img, x + dx * i, y + dy * t, gold);
                Put(img, x + dx * t, y + dy * i, gold);
            }
        }
    };
    corner(1, 1, 1, 1);
    corner(28, 1, -1, 1);
    corner(1, 28, 1, -1);
    corner(28, 28, -1, -1);
    Outline(img, dark);
    return img;
}

Image DrawHighlighter()
{
    Image img = NewImage(60, 60);
    Colour gold = RGB(240, 200, 70), light = RGB(255, 240, 160);
    FrameRect(img, 1, 1, 58, 58, gold);
    FrameRect(img, 2, 2, 56, 56, gold);
    FrameRect(img, 3, 3, 54, 54, RGB(170, 120, 40));
    HLine(img, 3, 56, 1, light);
    VLine(img, 1, 3, 56, light);
    for (int c = 0; c < 4; c++) { // corner studs
        int x = c % 2 ? 54 : 1, y = c / 2 ? 54 : 1;
        FillRect(img, x, y, 5, 5, light);
        FillRect(img, x + 1, y + 1, 3, 3, gold);
    }
    Outline(img, RGB(40, 28, 8));
    return img;
}

namespace {

// Dark slate with a faint grain: the panels that frame the map and carry the text.
Colour PanelAt(int x, int y)
{
    Colour c = RGB(26, 28, 36);
    double n = Fractal(x / 24.0, y / 24.0, 31, 3);
    c = Mix(c, RGB(36, 38, 48), n);
    if (Hash(x, y, 32) % 11 == 0)
        c = Darker(c, 0.2);
    return c;
}

void Rivet(Image &img, int x, int y)
{
    FillCircle(img, x, y, 2.5, RGB(90, 80, 64));
    Put(img, x - 1, y - 1, RGB(170, 150, 110));
}

} // namespace

Image DrawBottomBar()
{
    Image img = NewImage(SCREEN_WIDTH, SCREEN_HEIGHT - VIEW_ROWS * TILE_SIZE);
    for (int y = 0; y < 150; y++)
        for (int x = 0; x < SCREEN_WIDTH; x++)
            Put(img, x, y, PanelAt(x, y));
    // Bevelled top edge under the map, with a thin gold line.
    HLine(img, 0, 799, 0, RGB(10, 10, 14));
    HLine(img, 0, 799, 1, RGB(120, 96, 50));
    HLine(img, 0, 799, 2, RGB(200, 160, 80));
    HLine(img, 0, 799, 3, RGB(90, 70, 36));
    HLine(img, 0, 799, 4, RGB(14, 14, 18));
    // A sunken field for the prompts (left) and the message history (right).
    auto field = [&img](int x0, int y0, int x1, int y1) {
        for (int y = y0; y <= y1; y++)
            for (int x = x0; x <= x1; x++)
                Put(img, x, y, Darker(PanelAt(x, y), 0.35));
        HLine(img, x0, x1, y0, RGB(10, 10, 12));
        VLine(img, x0, y0, y1, RGB(10, 10, 12));
        HLine(img, x0, x1, y1, RGB(58, 58, 70));
        VLine(img, x1, y0, y1, RGB(58, 58, 70));
    };
    field(2, 22, 656, 144);
    Rivet(img, 10, 13);
    Rivet(img, 330, 13);
    Rivet(img, 648, 13);
    return img;
}

Image DrawStatsBar()
{
    Image img = NewImage(SCREEN_WIDTH - VIEW_COLS * TILE_SIZE, SCREEN_HEIGHT);
    for (int y = 0; y < SCREEN_HEIGHT; y++)
        for (int x = 0; x < 140; x++)
            Put(img, x, y, PanelAt(x + 700, y));
    VLine(img, 0, 0, 599, RGB(10, 10, 14));
    VLine(img, 1, 0, 599, RGB(120, 96, 50));
    VLine(img, 2, 0, 599, RGB(200, 160, 80));
    VLine(img, 3, 0, 599, RGB(90, 70, 36));
    VLine(img, 4, 0, 599, RGB(14, 14, 18));
    // The numbers (y 10..97), the conditions (from y 145), help at the foot.
    auto field = [&img](int y0, int y1) {
        for (int y = y0; y <= y1; y++)
            for (int x = 14; x <= 132; x++)
                Put(img, x, y, Darker(PanelAt(x + 700, y), 0.35));
        HLine(img, 14, 132, y0, RGB(10, 10, 12));
        VLine(img, 14, y0, y1, RGB(10, 10, 12));
        HLine(img, 14, 132, y1, RGB(58, 58, 70));
        VLine(img, 132, y0, y1, RGB(58, 58, 70));
    };
    field(5, 96);
    field(147, 258);
    field(552, 576);
    // The inventory, item and creature screens run their side texts on past the map's
    // edge in rows 100..142 and 265..277: the column is open there (colour key), so those
    // texts show through; on the map screen the openings read as dark slits, gold-edged.
    auto opening = [&img](int y0, int y1) {
        for (int y = y0; y <= y1; y++)
            for (int x = 0; x < 140; x++)
                Put(img, x, y, MAGENTA);
        HLine(img, 0, 139, y0 - 1, RGB(120, 96, 50));
        HLine(img, 0, 139, y1 + 1, RGB(120, 96, 50));
    };
    opening(99, 143);
    opening(263, 279);
    for (int y : {540})
        for (int x = 20; x < 126; x += 8)
            Put(img, x, y, RGB(120, 96, 50));
    Rivet(img, 72, 590);
    return img;
}
