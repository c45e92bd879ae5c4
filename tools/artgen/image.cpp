#include "image.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

Image NewImage(int w, int h, Colour fill)
{
    Image img;
    img.w = w;
    img.h = h;
    img.px.assign(static_cast<size_t>(w) * static_cast<size_t>(h), fill);
    return img;
}

void Put(Image &img, int x, int y, Colour c)
{
    if (x < 0 || y < 0 || x >= img.w || y >= img.h)
        return;
    img.px[static_cast<size_t>(y) * img.w + x] = c;
}

Colour Get(const Image &img, int x, int y)
{
    if (x < 0 || y < 0 || x >= img.w || y >= img.h)
        return MAGENTA;
    return img.px[static_cast<size_t>(y) * img.w + x];
}

static int Clamp255(int v) { return v < 0 ? 0 : (v > 255 ? 255 : v); }

Colour RGB(int r, int g, int b)
{
    Colour c = static_cast<Colour>(Clamp255(r) << 16 | Clamp255(g) << 8 | Clamp255(b));
    // Nothing drawn may come out as the key colour by accident.
    if (c == MAGENTA)
        c = 0xFE00FE;
    return c;
}

int RedOf(Colour c) { return static_cast<int>((c >> 16) & 255); }
int GreenOf(Colour c) { return static_cast<int>((c >> 8) & 255); }
int BlueOf(Colour c) { return static_cast<int>(c & 255); }

Colour Mix(Colour a, Colour b, double t)
{
    auto m = [t](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * t)); };
    return RGB(m(RedOf(a), RedOf(b)), m(GreenOf(a), GreenOf(b)), m(BlueOf(a), BlueOf(b)));
}

Colour Darker(Colour c, double amount) { return Mix(c, BLACK, amount); }
Colour Lighter(Colour c, double amount) { return Mix(c, 0xFFFFFF, amount); }

std::uint32_t Hash(int x, int y, int seed)
{
    std::uint32_t h = static_cast<std::uint32_t>(x) * 374761393u + static_cast<std::uint32_t>(y) * 668265263u +
                      static_cast<std::uint32_t>(seed) * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return h;
}

double Hash01(int x, int y, int seed) { return (Hash(x, y, seed) & 0xFFFFFF) / double(0xFFFFFF); }

static double Fade(double t) { return t * t * (3 - 2 * t); }

double SmoothNoise(double x, double y, int seed)
{
    int x0 = static_cast<int>(std::floor(x));
    int y0 = static_cast<int>(std::floor(y));
    double fx = Fade(x - x0);
    double fy = Fade(y - y0);
    double a = Hash01(x0, y0, seed), b = Hash01(x0 + 1, y0, seed);
    double c = Hash01(x0, y0 + 1, seed), d = Hash01(x0 + 1, y0 + 1, seed);
    return (a + (b - a) * fx) * (1 - fy) + (c + (d - c) * fx) * fy;
}

double Fractal(double x, double y, int seed, int octaves)
{
    double sum = 0, amp = 1, total = 0;
    for (int i = 0; i < octaves; i++) {
        sum += SmoothNoise(x, y, seed + i * 101) * amp;
        total += amp;
        amp *= 0.5;
        x *= 2;
        y *= 2;
    }
    return sum / total;
}

double TiledNoise(double x, double y, int period, int seed)
{
    int x0 = static_cast<int>(std::floor(x));
    int y0 = static_cast<int>(std::floor(y));
    double fx = Fade(x - x0);
    double fy = Fade(y - y0);
    auto at = [period, seed](int ix, int iy) {
        return Hash01(((ix % period) + period) % period, ((iy % period) + period) % period, seed);
    };
    double a = at(x0, y0), b = at(x0 + 1, y0), c = at(x0, y0 + 1), d = at(x0 + 1, y0 + 1);
    return (a + (b - a) * fx) * (1 - fy) + (c + (d - c) * fx) * fy;
}

std::uint32_t Rng::Next()
{
    state = state * 1664525u + 1013904223u;
    std::uint32_t x = state;
    x ^= x >> 15;
    x *= 2246822519u;
    x ^= x >> 13;
    return x;
}

int Rng::Range(int low, int high) { return low + static_cast<int>(Next() % static_cast<std::uint32_t>(high - low + 1)); }

void FillRect(Image &img, int x, int y, int w, int h, Colour c)
{
    for (int j = y; j < y + h; j++)
        for (int i = x; i < x + w; i++)
            Put(img, i, j, c);
}

void FrameRect(Image &img, int x, int y, int w, int h, Colour c)
{
    HLine(img, x, x + w - 1, y, c);
    HLine(img, x, x + w - 1, y + h - 1, c);
    VLine(img, x, y, y + h - 1, c);
    VLine(img, x + w - 1, y, y + h - 1, c);
}

void FillEllipse(Image &img, double cx, double cy, double rx, double ry, Colour c)
{
    if (rx <= 0 || ry <= 0)
        return;
    int x0 = static_cast<int>(std::floor(cx - rx)), x1 = static_cast<int>(std::ceil(cx + rx));
    int y0 = static_cast<int>(std::floor(cy - ry)), y1 = static_cast<int>(std::ceil(cy + ry));
    for (int y = y0; y <= y1; y++)
        for (int x = x0; x <= x1; x++) {
            double dx = (x + 0.5 - cx) / rx, dy = (y + 0.5 - cy) / ry;
            if (dx * dx + dy * dy <= 1.0)
                Put(img, x, y, c);
        }
}

void FillCircle(Image &img, double cx, double cy, double r, Colour c) { FillEllipse(img, cx, cy, r, r, c); }

void FillPolygon(Image &img, std::initializer_list<double> xy, Colour c)
{
    std::vector<double> p(xy);
    size_t n = p.size() / 2;
    if (n < 3)
        return;
    double miny = p[1], maxy = p[1];
    for (size_t i = 0; i < n; i++) {
        miny = std::min(miny, p[2 * i + 1]);
        maxy = std::max(maxy, p[2 * i + 1]);
    }
    for (int y = static_cast<int>(std::floor(miny)); y <= static_cast<int>(std::ceil(maxy)); y++) {
        double sy = y + 0.5;
        std::vector<double> xs;
        for (size_t i = 0; i < n; i++) {
            double ax = p[2 * i], ay = p[2 * i + 1];
            double bx = p[2 * ((i + 1) % n)], by = p[2 * ((i + 1) % n) + 1];
            if ((ay <= sy && by > sy) || (by <= sy && ay > sy))
                xs.push_back(ax + (sy - ay) / (by - ay) * (bx - ax));
        }
        std::sort(xs.begin(), xs.end());
        for (size_t k = 0; k + 1 < xs.size(); k += 2)
            for (int x = static_cast<int>(std::ceil(xs[k] - 0.5)); x + 0.5 <= xs[k + 1]; x++)
                Put(img, x, y, c);
    }
}

void DrawLine(Image &img, int x0, int y0, int x1, int y1, Colour c)
{
    int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
    int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    for (;;) {
        Put(img, x0, y0, c);
        if (x0 == x1 && y0 == y1)
            break;
        int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

void ThickLine(Image &img, double x0, double y0, double x1, double y1, double width, Colour c)
{
    double r = width / 2;
    int ix0 = static_cast<int>(std::floor(std::min(x0, x1) - r)), ix1 = static_cast<int>(std::ceil(std::max(x0, x1) + r));
    int iy0 = static_cast<int>(std::floor(std::min(y0, y1) - r)), iy1 = static_cast<int>(std::ceil(std::max(y0, y1) + r));
    double vx = x1 - x0, vy = y1 - y0, len2 = vx * vx + vy * vy;
    for (int y = iy0; y <= iy1; y++)
        for (int x = ix0; x <= ix1; x++) {
            double px = x + 0.5 - x0, py = y + 0.5 - y0;
            double t = len2 > 0 ? (px * vx + py * vy) / len2 : 0;
            t = std::max(0.0, std::min(1.0, t));
            double dx = px - t * vx, dy = py - t * vy;
            if (dx * dx + dy * dy <= r * r)
                Put(img, x, y, c);
        }
}

void HLine(Image &img, int x0, int x1, int y, Colour c)
{
    for (int x = std::min(x0, x1); x <= std::max(x0, x1); x++)
        Put(img, x, y, c);
}

void VLine(Image &img, int x, int y0, int y1, Colour c)
{
    for (int y = std::min(y0, y1); y <= std::max(y0, y1); y++)
        Put(img, x, y, c);
}

static void GridFail(const char *why, const char *row)
{
    std::fprintf(stderr, "artgen: pixel grid: %s in row \"%s\"\n", why, row);
    std::exit(1);
}

static void DrawGridDir(Image &img, int x, int y, std::initializer_list<const char *> rows, Palette pal, bool mirror)
{
    size_t width = std::strlen(*rows.begin());
    int j = 0;
    for (const char *row : rows) {
        if (std::strlen(row) != width)
            GridFail("rows of different length", row);
        for (size_t i = 0; i < width; i++) {
            char ch = row[i];
            if (ch == '.' || ch == ' ')
                continue;
            bool found = false;
            for (const PaletteEntry &e : pal)
                if (e.c == ch) {
                    int px = mirror ? x + static_cast<int>(width - 1 - i) : x + static_cast<int>(i);
                    Put(img, px, y + j, e.colour);
                    found = true;
                    break;
                }
            if (!found)
                GridFail("character not in the palette", row);
        }
        j++;
    }
}

void DrawGrid(Image &img, int x, int y, std::initializer_list<const char *> rows, Palette pal)
{
    DrawGridDir(img, x, y, rows, pal, false);
}

void DrawGridMirrored(Image &img, int x, int y, std::initializer_list<const char *> rows, Palette pal)
{
    DrawGridDir(img, x, y, rows, pal, true);
}

void ShadeEdges(Image &img, double dark, double light)
{
    Image src = img;
    for (int y = 0; y < img.h; y++)
        for (int x = 0; x < img.w; x++) {
            Colour c = Get(src, x, y);
            if (c == MAGENTA)
                continue;
            if (IsKey(src, x + 1, y) || IsKey(src, x, y + 1))
                Put(img, x, y, Darker(c, dark));
            else if (IsKey(src, x - 1, y) || IsKey(src, x, y - 1))
                Put(img, x, y, Lighter(c, light));
        }
}

void Outline(Image &img, Colour c)
{
    Image src = img;
    for (int y = 0; y < img.h; y++)
        for (int x = 0; x < img.w; x++) {
            if (!IsKey(src, x, y))
                continue;
            bool touches = (x > 0 && !IsKey(src, x - 1, y)) || (x + 1 < img.w && !IsKey(src, x + 1, y)) ||
                           (y > 0 && !IsKey(src, x, y - 1)) || (y + 1 < img.h && !IsKey(src, x, y + 1));
            if (touches)
                Put(img, x, y, c);
        }
}

void Blit(Image &dst, const Image &src, int x, int y)
{
    for (int j = 0; j < src.h; j++)
        for (int i = 0; i < src.w; i++) {
            Colour c = Get(src, i, j);
            if (c != MAGENTA)
                Put(dst, x + i, y + j, c);
        }
}

Image Crop(const Image &src, int sx, int sy, int w, int h)
{
    Image out = NewImage(w, h);
    for (int j = 0; j < h; j++)
        for (int i = 0; i < w; i++)
            Put(out, i, j, Get(src, sx + i, sy + j));
    return out;
}

Image Enlarge(const Image &src, int factor)
{
    Image out = NewImage(src.w * factor, src.h * factor);
    for (int y = 0; y < out.h; y++)
        for (int x = 0; x < out.w; x++)
            Put(out, x, y, Get(src, x / factor, y / factor));
    return out;
}

void Recolour(Image &img, Colour from, Colour to)
{
    for (Colour &c : img.px)
        if (c == from)
            c = to;
}

Image Mirrored(const Image &src)
{
    Image out = NewImage(src.w, src.h);
    for (int y = 0; y < src.h; y++)
        for (int x = 0; x < src.w; x++)
            Put(out, src.w - 1 - x, y, Get(src, x, y));
    return out;
}
