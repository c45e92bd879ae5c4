// Items, drawn twice: 60 x 60 for the item screens and 30 x 30 for the map and the
// inventory grid. Each picture is drawn at its own size from the same plan (coordinates
// are given for 30 px and scaled by u); the large one gets the finer details, the small
// one keeps to shapes that read at 30 px. Magenta around, a dark outline.
#include <cmath>
#include <functional>
#include <map>
#include <string>

#include "artgen.h"

namespace {

constexpr Colour INK = 0x1A1410;

struct Pen {
    Image &img;
    double u;  // pixels per plan unit: 1 at 30 px, 2 at 60 px
    bool big;
    void Rect(double x, double y, double w, double h, Colour c) const
    {
        FillRect(img, static_cast<int>(std::lround(x * u)), static_cast<int>(std::lround(y * u)),
                 static_cast<int>(std::lround(w * u)), static_cast<int>(std::lround(h * u)), c);
    }
    void Ellipse(double cx, double cy, double rx, double ry, Colour c) const
    {
        FillEllipse(img, cx * u, cy * u, rx * u, ry * u, c);
    }
    void Circle(double cx, double cy, double r, Colour c) const { Ellipse(cx, cy, r, r, c); }
    void Line(double x0, double y0, double x1, double y1, double w, Colour c) const
    {
        ThickLine(img, x0 * u, y0 * u, x1 * u, y1 * u, std::max(1.0, w * u), c);
    }
    void Poly(std::initializer_list<double> xy, Colour c) const
    {
        std::vector<double> p(xy);
        // FillPolygon takes a fixed list; scale through a small fixed set of arities.
        for (double &v : p)
            v *= u;
        switch (p.size()) {
        case 6: FillPolygon(img, {p[0], p[1], p[2], p[3], p[4], p[5]}, c); break;
        case 8: FillPolygon(img, {p[0], p[1], p[2], p[3], p[4], p[5], p[6], p[7]}, c); break;
        case 10: FillPolygon(img, {p[0], p[1], p[2], p[3], p[4], p[5], p[6], p[7], p[8], p[9]}, c); break;
        case 12:
            FillPolygon(img, {p[0], p[1], p[2], p[3], p[4], p[5], p[6], p[7], p[8], p[9], p[10], p[11]}, c);
            break;
        default: break;
        }
    }
    // A single-pixel dot at 30 px, a 2 x 2 dot at 60 px.
    void Dot(double x, double y, Colour c) const { Rect(x, y, 1, 1, c); }
};

void Finish(Image &img, bool big)
{
    ShadeEdges(img, big ? 0.22 : 0.18, big ? 0.16 : 0.12);
    Outline(img, INK);
}

// ---------------------------------------------------------------- books

enum class School { Mages, Black, Priests, Dictionary };

void Emblem(const Pen &p, School s, double cx, double cy, Colour c)
{
    switch (s) {
    case School::Mages: // a five-pointed star
        p.Poly({cx, cy - 4, cx + 1.2, cy - 1.2, cx + 4, cy - 1, cx + 1.8, cy + 0.9, cx + 2.6, cy + 4}, c);
        p.Poly({cx, cy - 4, cx - 1.2, cy - 1.2, cx - 4, cy - 1, cx - 1.8, cy + 0.9, cx - 2.6, cy + 4}, c);
        p.Poly({cx - 2.6, cy + 4, cx, cy + 2.2, cx + 2.6, cy + 4, cx, cy - 1}, c);
        break;
    case School::Black: // a skull
        p.Circle(cx, cy - 0.5, 3, c);
        p.Rect(cx - 1.8, cy + 1.5, 3.6, 2, c);
        p.Rect(cx - 1.6, cy - 1, 1.2, 1.2, RGB(40, 10, 30));
        p.Rect(cx + 0.4, cy - 1, 1.2, 1.2, RGB(40, 10, 30));
        break;
    case School::Priests: // a cross
        p.Rect(cx - 0.8, cy - 4, 1.6, 8, c);
        p.Rect(cx - 3, cy - 2, 6, 1.6, c);
        break;
    case School::Dictionary: // a big letter A
        p.Line(cx - 2.5, cy + 3.5, cx, cy - 3.5, 1.2, c);
        p.Line(cx + 2.5, cy + 3.5, cx, cy - 3.5, 1.2, c);
        p.Line(cx - 1.3, cy + 1, cx + 1.3, cy + 1, 1, c);
        break;
    }
}

// A closed book seen from a little above: cover, the page block below it, the spine on
// the left. Level books show one to three bands on the spine; the guides are bigger,
// with a gem and clasps.
void Book(Image &img, int size, School s, int level, bool guide)
{
    Pen p{img, size / 30.0, size == 60};
    Colour cover, trim, mark;
    switch (s) {
    case School::Mages: cover = RGB(44, 78, 170); trim = RGB(230, 196, 80); mark = RGB(250, 230, 120); break;
    case School::Black: cover = RGB(40, 30, 46); trim = RGB(150, 30, 40); mark = RGB(220, 214, 200); break;
    case School::Priests: cover = RGB(236, 230, 214); trim = RGB(214, 170, 60); mark = RGB(200, 150, 40); break;
    default: cover = RGB(120, 74, 40); trim = RGB(200, 170, 110); mark = RGB(236, 210, 150); break;
    }
    double x0 = guide ? 4 : 6, y0 = guide ? 4 : 6, w = guide ? 22 : 18, h = guide ? 22 : 18;
    double thick = s == School::Dictionary ? 5 : 3;
    p.Rect(x0 + 1, y0 + h - 1, w, thick, RGB(236, 228, 204));           // page block
    if (p.big)
        for (double y = y0 + h; y < y0 + h - 1 + thick; y += 1)
            p.Rect(x0 + 2, y, w - 2, 0.5, RGB(200, 190, 166));
    p.Rect(x0 + w, y0 + 1, 1, h + thick - 1, RGB(222, 214, 190));       // page edge
    p.Rect(x0, y0, w, h, cover);                                        // cover
    p.Rect(x0, y0, 3, h + thick, Darker(cover, 0.25));                  // spine
    for (int i = 0; i < (guide ? 0 : level); i++)
        p.Rect(x0, y0 + 3 + i * 3, 3, 1.2, trim);
    if (p.big) {
        p.Rect(x0 + 4, y0 + 1, w - 5, 0.5, Lighter(cover, 0.25));
        p.Rect(x0 + 4.5, y0 + 1.5, w - 6, h - 3, Darker(cover, 0.08));
        p.Rect(x0 + 5, y0 + 2, w - 7, h - 4, cover);
    }
    Emblem(p, s, x0 + 1.5 + w / 2, y0 + h / 2, mark);
    if (guide) {
        p.Circle(x0 + 1.5 + w / 2, y0 + h / 2, 1.5, RGB(220, 40, 60));
        p.Rect(x0 + w - 2, y0 + 4, 3, 2, trim);   // clasps
        p.Rect(x0 + w - 2, y0 + h - 6, 3, 2, trim);
        p.Rect(x0 + 3, y0, w - 3, 1, trim);
        p.Rect(x0 + 3, y0 + h - 1, w - 3, 1, trim);
    }
    Finish(img, p.big);
}

// ---------------------------------------------------------------- potions, scrolls, wands

void Flask(Image &img, int size, Colour liquid)
{
    Pen p{img, size / 30.0, size == 60};
    Colour glass = RGB(214, 230, 236);
    p.Rect(12.5, 3, 5, 3, RGB(150, 104, 60));            // cork
    p.Rect(12, 6, 6, 7, glass);                          // neck
    p.Rect(11, 6, 8, 1.5, glass);                        // lip
    p.Circle(15, 19, 8.5, glass);                        // bowl
    p.Ellipse(15, 20.5, 7.2, 6.5, liquid);               // liquid
    p.Rect(8, 15.5, 14, 1, Lighter(liquid, 0.35));       // surface
    p.Ellipse(11.5, 16, 1.6, 3.2, RGB(250, 252, 255));   // glint
    p.Dot(17, 21, Lighter(liquid, 0.5));                 // bubbles
    p.Dot(19, 18, Lighter(liquid, 0.5));
    if (p.big) {
        p.Dot(14, 23, Lighter(liquid, 0.5));
        p.Rect(13, 7, 1, 5, RGB(250, 252, 255));
        p.Ellipse(19, 24, 2.5, 1, Darker(liquid, 0.2));
    }
    Finish(img, p.big);
}

enum class ScrollClass { Holy, Black, Magick, Normal };

void Scroll(Image &img, int size, ScrollClass c)
{
    Pen p{img, size / 30.0, size == 60};
    Colour paper, ink, seal, ribbon;
    switch (c) {
    case ScrollClass::Holy: paper = RGB(248, 244, 226); ink = RGB(200, 160, 50); seal = RGB(230, 190, 60); ribbon = RGB(240, 210, 90); break;
    case ScrollClass::Black: paper = RGB(70, 62, 66); ink = RGB(180, 30, 40); seal = RGB(150, 20, 30); ribbon = RGB(30, 26, 30); break;
    case ScrollClass::Magick: paper = RGB(200, 214, 240); ink = RGB(50, 70, 170); seal = RGB(60, 90, 200); ribbon = RGB(120, 60, 170); break;
    default: paper = RGB(226, 204, 156); ink = RGB(120, 90, 60); seal = RGB(190, 40, 40); ribbon = RGB(150, 110, 70); break;
    }
    // An open sheet between two rolls, tilted a little.
    p.Poly({8, 6, 23, 4, 24, 24, 9, 26}, paper);
    p.Line(6.5, 6.5, 24.5, 3.5, 3.2, Darker(paper, 0.12));      // top roll
    p.Line(7.5, 26.5, 25.5, 23.5, 3.2, Darker(paper, 0.12));    // bottom roll
    p.Line(6.5, 5.8, 24.5, 2.8, 1, Lighter(paper, 0.3));
    // Lines of writing.
    int lines = p.big ? 6 : 4;
    for (int i = 0; i < lines; i++) {
        double y = 9 + i * (p.big ? 2.2 : 3);
        double len = (i % 3 == 2) ? 8 : 11;
        p.Line(10.5, y + 0.3, 10.5 + len, y - 1.2, p.big ? 0.5 : 1, ink);
    }
    // Seal and ribbon at the foot.
    p.Line(15, 22, 13, 29, 1.2, ribbon);
    p.Line(17, 22, 19, 29, 1.2, ribbon);
    p.Circle(16, 21.5, 2.8, seal);
    p.Circle(15.5, 21, 1, Lighter(seal, 0.4));
    Finish(img, p.big);
}

void Wand(Image &img, int size, Colour colour)
{
    Pen p{img, size / 30.0, size == 60};
    p.Line(7, 24, 21, 9, 2.6, colour);                 // shaft
    p.Line(7.5, 23, 20.5, 9.5, 0.8, Lighter(colour, 0.45));
    p.Line(5, 26.5, 9.5, 21.5, 3.2, RGB(92, 62, 36));  // grip
    p.Line(9.2, 21.8, 10.2, 20.8, 3.4, RGB(214, 180, 70));
    // The glowing tip: a star of light.
    Colour glow = Lighter(colour, 0.55);
    p.Line(22.5, 3, 22.5, 13, 1, glow);
    p.Line(17.5, 8, 27.5, 8, 1, glow);
    p.Line(19.5, 5, 25.5, 11, 0.8, glow);
    p.Line(25.5, 5, 19.5, 11, 0.8, glow);
    p.Circle(22.5, 8, 2.4, colour);
    p.Circle(22, 7.5, 1.1, RGB(255, 255, 255));
    if (p.big) {
        p.Dot(13, 5, glow);
        p.Dot(27, 14, glow);
        p.Dot(17, 3, glow);
    }
    Finish(img, p.big);
}

// ---------------------------------------------------------------- food and growths

void Mushroom(Image &img, int size, Colour cap, Colour spots, Colour stem)
{
    Pen p{img, size / 30.0, size == 60};
    p.Ellipse(15, 14, 11, 8, cap);
    p.Rect(3, 14, 24, 9, MAGENTA);                  // a flat underside
    p.Rect(12, 14, 6, 11, stem);
    p.Ellipse(15, 25, 5, 1.8, stem);
    p.Rect(16.5, 15, 1.5, 10, Darker(stem, 0.12));
    p.Ellipse(15, 14.5, 10, 1.6, Darker(stem, 0.25)); // gills
    p.Circle(10, 9, 1.8, spots);
    p.Circle(17, 7, 1.5, spots);
    p.Circle(21, 11, 1.4, spots);
    if (p.big) {
        p.Circle(13, 12, 1, spots);
        p.Ellipse(9, 7, 2, 1, Lighter(cap, 0.4));
    }
    Finish(img, p.big);
}

void Blob(Image &img, int size, Colour body, Colour light, bool fuzzy)
{
    Pen p{img, size / 30.0, size == 60};
    p.Ellipse(15, 19, 11, 7, body);
    p.Ellipse(11, 14, 6, 5, body);
    p.Ellipse(19, 15, 5, 4.5, body);
    p.Ellipse(11, 13, 2.5, 1.5, light);
    p.Ellipse(19, 14, 1.5, 1, light);
    if (fuzzy) {
        // Mould: spores and fuzz all over.
        for (int i = 0; i < (p.big ? 40 : 14); i++) {
            double x = 5 + (Hash(i, 1, size) % 200) / 10.0, y = 10 + (Hash(i, 2, size) % 150) / 10.0;
            if (Get(img, static_cast<int>(x * p.u), static_cast<int>(y * p.u)) != MAGENTA)
                p.Dot(x, y, i % 2 ? light : Darker(body, 0.25));
        }
    } else {
        p.Ellipse(22, 24, 2, 1.2, body); // a drip
        p.Ellipse(7, 23, 1.5, 1.5, body);
    }
    Finish(img, p.big);
}

void Cheese(Image &img, int size)
{
    Pen p{img, size / 30.0, size == 60};
    Colour y = RGB(246, 206, 70), side = RGB(226, 176, 46), rind = RGB(210, 120, 40);
    p.Poly({4, 17, 26, 9, 26, 14, 4, 21}, y);      // top face
    p.Poly({4, 21, 26, 14, 26, 23, 4, 25}, side);  // side
    p.Rect(25, 9, 2, 14, rind);                    // rind
    p.Circle(11, 21, 1.6, RGB(190, 140, 30));
    p.Circle(18, 19, 1.2, RGB(190, 140, 30));
    p.Circle(21, 21, 1.4, RGB(190, 140, 30));
    p.Ellipse(16, 14, 1.5, 0.8, RGB(190, 140, 30));
    Finish(img, p.big);
}

void Capsule(Image &img, int size, Colour a, Colour b, bool fumes)
{
    Pen p{img, size / 30.0, size == 60};
    p.Line(8, 21, 15, 14, 8, a);
    p.Line(15, 14, 22, 7, 8, b);
    p.Line(15.5, 13.5, 14.5, 14.5, 8, Darker(b, 0.1));
    p.Line(8, 18.5, 19, 7.5, 1.5, RGB(255, 255, 255));
    if (fumes) {
        p.Circle(24, 20, 2.2, Lighter(b, 0.5));
        p.Circle(26, 25, 1.6, Lighter(b, 0.5));
        p.Circle(21, 25, 1.2, Lighter(b, 0.5));
    } else {
        p.Ellipse(9, 27, 4, 1.3, a); // a drop of acid
        p.Dot(12, 24, a);
    }
    Finish(img, p.big);
}

void Corpse(Image &img, int size)
{
    Pen p{img, size / 30.0, size == 60};
    // A fallen figure lying on its back, across the picture, in a small pool.
    p.Ellipse(16, 22, 12, 4, RGB(150, 30, 30));
    p.Rect(11, 15, 13, 7, RGB(110, 90, 70));    // tunic
    p.Rect(23, 16, 5, 2.5, RGB(90, 70, 56));     // legs
    p.Rect(23, 19.5, 5, 2.5, RGB(80, 62, 50));
    p.Rect(28, 16, 1.5, 2.5, RGB(60, 40, 30));
    p.Rect(28, 19.5, 1.5, 2.5, RGB(60, 40, 30));
    p.Circle(7, 18.5, 3.8, RGB(200, 190, 170));  // pale head
    p.Line(12, 15, 8, 12, 1.5, RGB(110, 90, 70)); // flung arm
    p.Circle(7.5, 11.5, 1.2, RGB(200, 190, 170));
    p.Line(5.5, 17, 7, 18.5, 0.6, INK);            // crossed eyes
    p.Line(7, 17, 5.5, 18.5, 0.6, INK);
    Finish(img, p.big);
}

// ---------------------------------------------------------------- stones and tools

void Stone(Image &img, int size, Colour colour, bool clear)
{
    Pen p{img, size / 30.0, size == 60};
    if (clear) {
        p.Ellipse(15, 17, 10, 8, RGB(200, 226, 240));
        p.Ellipse(15, 17, 8, 6, RGB(226, 242, 250));
    } else {
        p.Ellipse(15, 17, 10, 8, colour);
        p.Ellipse(13, 14, 5, 3, Lighter(colour, 0.25));
    }
    p.Ellipse(11, 13, 2, 1.2, RGB(255, 255, 255));
    // A rune cut in the stone.
    Colour rune = clear ? RGB(120, 150, 190) : Darker(colour, 0.45);
    p.Line(15, 13, 15, 22, 1, rune);
    p.Line(15, 16, 19, 13, 1, rune);
    p.Line(15, 19, 11, 16, 1, rune);
    Finish(img, p.big);
}

void Gunpowder(Image &img, int size)
{
    Pen p{img, size / 30.0, size == 60};
    p.Ellipse(15, 19, 9, 8, RGB(70, 66, 64));       // iron flask
    p.Rect(12, 6, 6, 6, RGB(90, 86, 82));
    p.Rect(11, 5, 8, 2, RGB(160, 130, 60));         // brass cap
    p.Line(15, 5, 20, 1, 1, RGB(200, 180, 140));   // fuse
    p.Dot(21, 0.5, RGB(250, 180, 50));
    p.Ellipse(12, 16, 2.5, 2, RGB(130, 126, 120));
    p.Rect(10, 19, 10, 3, RGB(200, 190, 150));      // label
    p.Rect(13, 19.5, 4, 2, RGB(40, 36, 34));
    for (int i = 0; i < 5; i++)                      // spilled grains
        p.Dot(22 + i, 27 - (i % 2), RGB(30, 30, 30));
    Finish(img, p.big);
}

void OilJug(Image &img, int size)
{
    Pen p{img, size / 30.0, size == 60};
    Colour clay = RGB(176, 110, 64);
    p.Line(19, 9, 24, 15, 2, clay);                  // handle
    p.Line(24, 15, 20, 20, 2, clay);
    p.Ellipse(14, 19, 8, 8, clay);
    p.Rect(11, 6, 6, 7, clay);
    p.Rect(11.5, 3.5, 5, 3, RGB(140, 100, 60));      // stopper
    p.Rect(7, 17, 14, 2, RGB(130, 80, 46));          // painted band
    p.Ellipse(11, 15, 2, 3, Lighter(clay, 0.3));
    p.Ellipse(15, 6.5, 1, 2, RGB(210, 180, 60));     // oily drip
    Finish(img, p.big);
}

void Lantern(Image &img, int size)
{
    Pen p{img, size / 30.0, size == 60};
    Colour metal = RGB(60, 56, 54);
    p.Circle(15, 4, 2.5, metal);
    p.Circle(15, 4, 1.2, MAGENTA);
    p.Poly({9, 9, 21, 9, 19, 6, 11, 6}, metal);      // hood
    p.Rect(9, 9, 12, 14, RGB(250, 220, 120));       // glass with the light
    p.Ellipse(15, 16, 3, 4.5, RGB(255, 246, 200));
    p.Ellipse(15, 17, 1.5, 2.5, RGB(250, 160, 50)); // flame
    p.Rect(9, 9, 1.5, 14, metal);
    p.Rect(19.5, 9, 1.5, 14, metal);
    p.Rect(14.5, 9, 1, 14, metal);
    p.Rect(8, 23, 14, 3, metal);                     // base
    Finish(img, p.big);
}

void Cleaver(Image &img, int size)
{
    Pen p{img, size / 30.0, size == 60};
    p.Poly({5, 8, 20, 8, 20, 20, 5, 22}, RGB(196, 200, 210)); // blade
    p.Rect(5, 20, 15, 2, RGB(236, 240, 246));                 // edge
    p.Circle(8, 11, 1.3, MAGENTA);                            // hanging hole
    p.Rect(20, 11, 8, 4, RGB(110, 70, 40));                   // handle
    p.Dot(23, 12.5, RGB(200, 190, 150));
    p.Dot(26, 12.5, RGB(200, 190, 150));
    p.Ellipse(12, 12, 4, 1, RGB(236, 240, 246));
    Finish(img, p.big);
}

void Rope(Image &img, int size)
{
    Pen p{img, size / 30.0, size == 60};
    Colour rope = RGB(196, 160, 100), dark = RGB(150, 116, 66);
    p.Ellipse(15, 17, 11, 8, rope);
    p.Ellipse(15, 17, 8, 5.5, dark);
    p.Ellipse(15, 17, 7, 4.5, rope);
    p.Ellipse(15, 17, 4, 2, dark);
    p.Ellipse(15, 17, 3, 1.2, MAGENTA);
    p.Line(24, 20, 28, 27, 2, rope); // loose end
    // Twists along the rope.
    for (int i = 0; i < 12; i++) {
        double a = i * 0.5236;
        p.Dot(15 + 9.5 * std::cos(a), 17 + 6.8 * std::sin(a), dark);
    }
    Finish(img, p.big);
}

void Scope(Image &img, int size)
{
    Pen p{img, size / 30.0, size == 60};
    Colour brass = RGB(210, 170, 70), dark = RGB(150, 110, 40);
    p.Line(4, 24, 12, 17, 6, brass);   // wide tube
    p.Line(12, 17, 19, 11, 4.5, brass);
    p.Line(19, 11, 26, 5, 3, brass);   // eyepiece tube
    p.Line(11, 18, 13, 16, 7, dark);   // rings
    p.Line(18.5, 11.5, 19.5, 10.5, 5.5, dark);
    p.Line(4, 22, 11, 16, 1, RGB(250, 230, 150));
    p.Ellipse(3.5, 24.5, 1.6, 2.6, RGB(140, 190, 230)); // lens
    Finish(img, p.big);
}

void Wood(Image &img, int size)
{
    Pen p{img, size / 30.0, size == 60};
    Colour bark = RGB(120, 80, 46), end = RGB(220, 184, 128), ring = RGB(170, 126, 76);
    const double ys[3] = {12, 17, 22};
    const double xs[3] = {0, 3, 0};
    for (int i = 0; i < 3; i++) {
        p.Rect(4 + xs[i], ys[i] - 2.5, 20, 5, bark);
        p.Rect(4 + xs[i], ys[i] - 2.5, 20, 1, Lighter(bark, 0.2));
        p.Ellipse(24 + xs[i], ys[i], 2.5, 2.8, end);
        p.Dot(24 + xs[i], ys[i], ring);
    }
    p.Rect(9, 8, 2, 17, RGB(200, 170, 110)); // ties
    p.Rect(17, 8, 2, 17, RGB(200, 170, 110));
    Finish(img, p.big);
}

void Tent(Image &img, int size)
{
    Pen p{img, size / 30.0, size == 60};
    Colour canvas = RGB(200, 180, 130), shade = RGB(160, 140, 96);
    p.Poly({15, 4, 28, 25, 2, 25}, canvas);
    p.Poly({15, 4, 28, 25, 18, 25}, shade);
    p.Poly({15, 11, 19, 25, 11, 25}, RGB(60, 46, 34)); // the way in
    p.Line(15, 4, 15, 1, 1, RGB(110, 80, 50));          // pole
    p.Rect(13, 1, 5, 1.5, RGB(200, 50, 50));             // pennant
    p.Rect(1, 25, 28, 1.5, RGB(110, 80, 50));
    Finish(img, p.big);
}

void EmptyPocket(Image &img, int size)
{
    Pen p{img, size / 30.0, size == 60};
    // A pocket of dark cloth with its stitching, seen flat: nothing in it.
    Colour cloth = RGB(70, 60, 54), stitch = RGB(150, 136, 116);
    p.Poly({6, 6, 24, 6, 24, 20, 15, 26, 6, 20}, cloth);
    p.Rect(6, 6, 18, 3, Lighter(cloth, 0.12)); // the opening's hem
    for (double x = 7.5; x < 23; x += 2.5)
        p.Dot(x, 10, stitch);
    for (double y = 11; y < 20; y += 2.5) {
        p.Dot(7.5, y, stitch);
        p.Dot(22.5, y, stitch);
    }
    p.Line(8, 20, 15, 24, 0.6, Darker(cloth, 0.3));
    p.Line(22, 20, 15, 24, 0.6, Darker(cloth, 0.3));
    Outline(img, INK);
}

using Drawer = std::function<void(Image &, int)>;

const std::map<std::string, Drawer> &ItemDrawers()
{
    static std::map<std::string, Drawer> d;
    if (!d.empty())
        return d;
    d["empty.png"] = EmptyPocket;
    struct BookDef { const char *file; School school; int level; bool guide; };
    const BookDef books[] = {
        {"magick1.png", School::Mages, 1, false}, {"magick2.png", School::Mages, 2, false},
        {"magick3.png", School::Mages, 3, false}, {"magesguide.png", School::Mages, 0, true},
        {"blackmagick1.png", School::Black, 1, false}, {"blackmagick2.png", School::Black, 2, false},
        {"blackmagick3.png", School::Black, 3, false}, {"necrosguide.png", School::Black, 0, true},
        {"priests1.png", School::Priests, 1, false}, {"priests2.png", School::Priests, 2, false},
        {"priests3.png", School::Priests, 3, false}, {"highpriests.png", School::Priests, 0, true},
        {"dictionary.png", School::Dictionary, 0, false},
    };
    for (const BookDef &b : books)
        d[b.file] = [b](Image &img, int size) { Book(img, size, b.school, b.level, b.guide); };
    d["acidcapsule.png"] = [](Image &img, int s) { Capsule(img, s, RGB(160, 220, 40), RGB(236, 236, 220), false); };
    d["poisoncapsule.png"] = [](Image &img, int s) { Capsule(img, s, RGB(236, 236, 220), RGB(130, 60, 170), true); };
    d["corpse.png"] = Corpse;
    d["majorcures.png"] = [](Image &img, int s) { Blob(img, s, RGB(80, 150, 170), RGB(190, 240, 240), true); };
    d["slimemold.png"] = [](Image &img, int s) { Blob(img, s, RGB(110, 180, 50), RGB(210, 250, 160), false); };
    d["slimemoldjuice.png"] = [](Image &img, int s) { Flask(img, s, RGB(120, 190, 50)); };
    d["shroomcureblindness.png"] = [](Image &img, int s) { Mushroom(img, s, RGB(80, 130, 210), RGB(240, 240, 250), RGB(236, 228, 210)); };
    d["shroomcurepoison.png"] = [](Image &img, int s) { Mushroom(img, s, RGB(90, 170, 70), RGB(236, 240, 200), RGB(236, 228, 210)); };
    d["shroomfirstaid.png"] = [](Image &img, int s) { Mushroom(img, s, RGB(210, 40, 40), RGB(250, 250, 250), RGB(240, 232, 214)); };
    d["shroomhallucination.png"] = [](Image &img, int s) { Mushroom(img, s, RGB(170, 60, 200), RGB(250, 220, 60), RGB(200, 240, 220)); };
    d["shroomrestoration.png"] = [](Image &img, int s) { Mushroom(img, s, RGB(230, 150, 40), RGB(255, 236, 160), RGB(236, 228, 210)); };
    d["cheese.png"] = Cheese;
    d["evildetector.png"] = [](Image &img, int s) { Stone(img, s, RGB(190, 40, 40), false); };
    d["frienddetector.png"] = [](Image &img, int s) { Stone(img, s, RGB(60, 170, 80), false); };
    d["invisibledetector.png"] = [](Image &img, int s) { Stone(img, s, 0, true); };
    d["gunpowder.png"] = Gunpowder;
    d["jugofoil.png"] = OilJug;
    d["lantern.png"] = Lantern;
    d["meatcleaver.png"] = Cleaver;
    d["rope.png"] = Rope;
    d["scope.png"] = Scope;
    d["wood.png"] = Wood;
    d["tent.png"] = Tent;
    struct ColourDef { const char *name; Colour c; };
    const ColourDef flasks[] = {
        {"orange", RGB(240, 130, 30)}, {"blue", RGB(50, 110, 230)}, {"darkblue", RGB(30, 40, 140)},
        {"yellow", RGB(240, 220, 40)}, {"red", RGB(210, 30, 30)}, {"pink", RGB(240, 120, 190)},
    };
    for (const ColourDef &f : flasks) {
        Colour c = f.c;
        d[std::string("flask") + f.name + ".png"] = [c](Image &img, int s) { Flask(img, s, c); };
    }
    d["scrollholy.png"] = [](Image &img, int s) { Scroll(img, s, ScrollClass::Holy); };
    d["scrollblack.png"] = [](Image &img, int s) { Scroll(img, s, ScrollClass::Black); };
    d["scrollmagick.png"] = [](Image &img, int s) { Scroll(img, s, ScrollClass::Magick); };
    d["scrollnormal.png"] = [](Image &img, int s) { Scroll(img, s, ScrollClass::Normal); };
    const ColourDef wands[] = {
        {"green", RGB(50, 170, 60)}, {"white", RGB(236, 236, 236)}, {"purple", RGB(140, 60, 190)},
        {"orange", RGB(240, 130, 30)}, {"red", RGB(210, 30, 30)}, {"blue", RGB(40, 80, 210)},
        {"yellow", RGB(240, 220, 40)}, {"lightblue", RGB(120, 200, 240)},
    };
    for (const ColourDef &w : wands) {
        Colour c = w.c;
        d[std::string("wand") + w.name + ".png"] = [c](Image &img, int s) { Wand(img, s, c); };
    }
    return d;
}

} // namespace

bool DrawItemPicture(const std::string &file, int size, Image &out)
{
    const auto &d = ItemDrawers();
    auto it = d.find(file);
    if (it == d.end())
        return false;
    out = NewImage(size, size);
    it->second(out, size);
    // Nothing may touch the picture's border: the game keys the corners, and the items
    // stand in their cells with a margin.
    return true;
}
