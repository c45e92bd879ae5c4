// The picture generator's canvas: an RGB picture with hard-edged drawing routines.
// Colours are 0xRRGGBB; MAGENTA is the colour key the game makes transparent.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <vector>

using Colour = std::uint32_t;

constexpr Colour MAGENTA = 0xFF00FF;
constexpr Colour BLACK = 0x000000;

struct Image {
    int w = 0;
    int h = 0;
    std::vector<Colour> px;
};

// One entry of a palette for pixel grids: a character and the colour it stands for.
struct PaletteEntry {
    char c;
    Colour colour;
};
using Palette = std::initializer_list<PaletteEntry>;

Image NewImage(int w, int h, Colour fill = MAGENTA);

// Pixel access; writes outside the picture are ignored, reads outside give MAGENTA.
void Put(Image &img, int x, int y, Colour c);
Colour Get(const Image &img, int x, int y);
inline bool IsKey(const Image &img, int x, int y) { return Get(img, x, y) == MAGENTA; }

// Colour arithmetic.
Colour RGB(int r, int g, int b);
int RedOf(Colour c);
int GreenOf(Colour c);
int BlueOf(Colour c);
Colour Mix(Colour a, Colour b, double t); // t = 0 gives a, t = 1 gives b
Colour Darker(Colour c, double amount);   // towards black by amount (0..1)
Colour Lighter(Colour c, double amount);  // towards white by amount (0..1)

// Deterministic noise: the same arguments give the same value on every run.
std::uint32_t Hash(int x, int y, int seed);
double Hash01(int x, int y, int seed);                             // 0 .. 1
double SmoothNoise(double x, double y, int seed);                  // 0 .. 1, lattice of 1
double Fractal(double x, double y, int seed, int octaves);         // 0 .. 1
double TiledNoise(double x, double y, int period, int seed);       // 0 .. 1, repeats every period

// A small deterministic random stream for placing things.
struct Rng {
    std::uint32_t state;
    explicit Rng(std::uint32_t seed) : state(seed * 2654435761u + 12345u) {}
    std::uint32_t Next();
    int Range(int low, int high); // both ends included
};

// Shapes. Every pixel is either left alone or set to the colour: no blending.
void FillRect(Image &img, int x, int y, int w, int h, Colour c);
void FrameRect(Image &img, int x, int y, int w, int h, Colour c);
void FillEllipse(Image &img, double cx, double cy, double rx, double ry, Colour c);
void FillCircle(Image &img, double cx, double cy, double r, Colour c);
void FillPolygon(Image &img, std::initializer_list<double> xy, Colour c);
void DrawLine(Image &img, int x0, int y0, int x1, int y1, Colour c);
void ThickLine(Image &img, double x0, double y0, double x1, double y1, double width, Colour c);
void HLine(Image &img, int x0, int x1, int y, Colour c);
void VLine(Image &img, int x, int y0, int y1, Colour c);

// Pixel grids: rows of characters looked up in a palette; '.' and ' ' leave the pixel alone.
// Every row must have the same length and every character must be in the palette.
void DrawGrid(Image &img, int x, int y, std::initializer_list<const char *> rows, Palette pal);
// Same, mirrored left to right.
void DrawGridMirrored(Image &img, int x, int y, std::initializer_list<const char *> rows, Palette pal);

// Sprite finishing: a dark rim on every drawn pixel that touches the key colour on its
// lower or right side and a light rim on the upper or left side, then a one-pixel outline
// around the whole shape in the key colour's place.
void ShadeEdges(Image &img, double dark, double light);
void Outline(Image &img, Colour c);
// Everything that is not the key colour in src is copied to dst at (x, y).
void Blit(Image &dst, const Image &src, int x, int y);
// Copies the rectangle of src at (sx, sy) of size w x h, key pixels included.
Image Crop(const Image &src, int sx, int sy, int w, int h);
// Nearest-neighbour enlargement by an integer factor.
Image Enlarge(const Image &src, int factor);
// Recolours every pixel of colour from to colour to.
void Recolour(Image &img, Colour from, Colour to);
// Mirror left to right.
Image Mirrored(const Image &src);
