#include "sheet.h"

#include <algorithm>
#include <map>

#include "creatures/monsterdata.h"
#include "world/tiles.h"

namespace {

constexpr int SHEET_W = 1400;
constexpr Colour SHEET_BG = 0x2A2A30;
constexpr Colour LABEL = 0xE8E0C8;
constexpr Colour HEADING = 0xF0C860;

const Image &TileById(int id, bool overlay)
{
    static std::map<int, Image> cache;
    int key = overlay ? 1000 + id : id;
    auto it = cache.find(key);
    if (it == cache.end()) {
        Image img;
        DrawTilePicture(overlay ? tile_over_images[id] : tile_images[id], img);
        it = cache.emplace(key, img).first;
    }
    return it->second;
}

Image Creature(const char *file)
{
    Image img;
    DrawCreaturePicture(file, img);
    return img;
}

struct Sprite {
    int x, y;
    Image img;
};

// A little map: ground ids row by row, overlay ids (0 for none), sprites between them,
// drawn at the game's own 30 px and then doubled.
Image Scene(int cols, int rows, const std::vector<int> &ground, const std::vector<int> &over,
            const std::vector<Sprite> &sprites)
{
    Image img = NewImage(cols * TILE, rows * TILE, 0x010101);
    for (int y = 0; y < rows; y++)
        for (int x = 0; x < cols; x++)
            Blit(img, TileById(ground[y * cols + x], false), x * TILE, y * TILE);
    for (const Sprite &s : sprites)
        Blit(img, s.img, s.x * TILE, s.y * TILE);
    for (int y = 0; y < rows; y++)
        for (int x = 0; x < cols; x++)
            if (!over.empty() && over[y * cols + x] != 0)
                Blit(img, TileById(over[y * cols + x], true), x * TILE, y * TILE);
    return Enlarge(img, 2);
}

// Grass or snow as the game mixes it: either of two tiles at random.
std::vector<int> Meadow(int cols, int rows, bool snow, int seed)
{
    std::vector<int> g(static_cast<size_t>(cols * rows));
    for (int y = 0; y < rows; y++)
        for (int x = 0; x < cols; x++)
            g[y * cols + x] = (snow ? 4 : 0) + static_cast<int>(Hash(x, y, seed) % 2);
    return g;
}

// A plain house as the town builds it, with the winter offset for its walls.
void PlaceHouse(std::vector<int> &g, int cols, int left, int top, int w, int h, int doorx, int windowx, bool snow,
                bool open)
{
    int s = snow ? 8 : 0;
    auto at = [&](int x, int y) -> int & { return g[(top + y) * cols + left + x]; };
    for (int x = 1; x < w - 1; x++)
        at(x, 0) = 38;
    at(0, 0) = 21 + s;
    at(w - 1, 0) = 22 + s;
    at(0, h - 1) = 25 + s;
    at(w - 1, h - 1) = 27 + s;
    for (int x = 1; x < w - 1; x++)
        at(x, h - 1) = 26 + s;
    for (int y = 1; y < h - 1; y++) {
        at(0, y) = 23 + s;
        at(w - 1, y) = 24 + s;
        for (int x = 1; x < w - 1; x++)
            at(x, y) = 7;
    }
    at(doorx, h - 1) = open ? (snow ? 151 : 152) : (snow ? 115 : 116);
    at(windowx, 0) = 37;
}


Image HouseSample(bool snow)
{
    const int cols = 17, rows = 9;
    std::vector<int> g = Meadow(cols, rows, snow, snow ? 7 : 6);
    PlaceHouse(g, cols, 1, 1, 7, 6, 3, 2, snow, false);
    PlaceHouse(g, cols, 9, 1, 6, 6, 2, 3, snow, true);
    for (int y = 7; y < rows; y++) {
        g[y * cols + 4] = snow ? 143 : 127;
        g[y * cols + 11] = snow ? 143 : 127;
    }
    Image body = DrawPlayerBody();
    Blit(body, DrawPlayerClothes(), 0, 0);
    return Scene(cols, rows, g, {}, {{4, 7, body}, {11, 5, Creature("townswoman2.png")}, {3, 3, Creature("townsman.png")}});
}

Image InnSample(bool snow)
{
    const int cols = 14, rows = 12;
    std::vector<int> g = Meadow(cols, rows, snow, 8);
    for (int y = 0; y < 9; y++)
        for (int x = 0; x < 12; x++)
            g[(y + 1) * cols + x + 1] = innmap[y][x] + (snow ? 1 : 0);
    for (int y = 10; y < rows; y++)
        g[y * cols + 6] = snow ? 143 : 127;
    return Scene(cols, rows, g, {}, {{4, 4, Creature("drunkard.png")}, {8, 6, Creature("townsman3.png")}});
}

Image TavernSample()
{
    const int cols = 12, rows = 11;
    std::vector<int> g = Meadow(cols, rows, false, 9);
    for (int y = 0; y < 8; y++)
        for (int x = 0; x < 10; x++)
            g[(y + 1) * cols + x + 1] = tavernmap[y][x];
    for (int y = 9; y < rows; y++)
        g[y * cols + 6] = 127;
    g[8 * cols + 6] = 150; // the door standing open
    return Scene(cols, rows, g, {}, {{4, 5, Creature("veteran.png")}, {5, 2, Creature("townswoman3.png")}});
}

// The north-west corner of a town and its gate in the south wall, squeezed together.
Image TownWallSample(bool snow)
{
    const int cols = 17, rows = 8;
    std::vector<int> g = Meadow(cols, rows, snow, 10);
    std::vector<int> o(static_cast<size_t>(cols * rows), 0);
    int w = snow ? 12 : 0;
    auto set = [&](int x, int y, int id) { g[y * cols + x] = id; };
    for (int x = 1; x < cols; x++) {
        set(x, 0, (x % 2 ? 86 : 87) + w);
        set(x, 1, (x % 2 ? 84 : 85) + w);
        set(x, 6, (x % 2 ? 86 : 87) + w);
        set(x, 7, (x % 2 ? 84 : 85) + w);
    }
    set(0, 0, 93 + w);
    set(0, 1, 92 + w);
    for (int y = 2; y < 6; y++)
        set(0, y, 97 + w);
    set(0, 6, 96 + w);
    set(0, 7, 84 + w);
    const int gx = 10;
    set(gx, 6, 88);
    set(gx, 7, 89);
    set(gx + 3, 6, 90);
    set(gx + 3, 7, 91);
    for (int x = gx + 1; x <= gx + 2; x++) {
        set(x, 6, 0);
        set(x, 7, 0);
    }
    o[6 * cols + gx + 1] = 6;
    o[6 * cols + gx + 2] = 7;
    for (int y = 2; y < 6; y++)
        set(gx + 1, y, snow ? 143 : 127);
    Image body = DrawPlayerBody();
    Blit(body, DrawPlayerClothes(), 0, 0);
    return Scene(cols, rows, g, o, {{gx + 1, 6, body}, {gx + 2, 7, Creature("townguard.png")}, {4, 3, Creature("mutt.png")}});
}

Image PathSample(bool snow)
{
    const int cols = 11, rows = 5;
    std::vector<int> g = Meadow(cols, rows, snow, 11);
    int s = snow ? 16 : 0;
    for (int y = 0; y < 4; y++)
        for (int x : {1, 5, 9})
            g[y * cols + x] = 127 + s;
    for (int x = 2; x < 9; x++)
        g[4 * cols + x] = (x == 5 ? 121 : 126) + s;
    g[4 * cols + 1] = 120 + s;
    g[4 * cols + 9] = 119 + s;
    // The spare pieces: the two other turns and a small yard.
    g[1 * cols + 3] = 118 + s;
    g[1 * cols + 4] = 126 + s;
    g[2 * cols + 3] = 127 + s;
    g[1 * cols + 7] = 117 + s;
    g[1 * cols + 6] = 126 + s;
    g[2 * cols + 7] = 127 + s;
    return Scene(cols, rows, g, {}, {});
}

Image YardSample()
{
    const int cols = 5, rows = 5;
    std::vector<int> g = Meadow(cols, rows, false, 12);
    const int yard[3][3] = {{124, 131, 125}, {129, 132, 130}, {122, 128, 123}};
    for (int y = 0; y < 3; y++)
        for (int x = 0; x < 3; x++)
            g[(y + 1) * cols + x + 1] = yard[y][x];
    return Scene(cols, rows, g, {}, {});
}

Image ForestSample()
{
    const int cols = 14, rows = 7;
    std::vector<int> g = Meadow(cols, rows, false, 13);
    std::vector<int> o(static_cast<size_t>(cols * rows), 0);
    for (int y = 0; y < rows; y++)
        for (int x = 0; x < cols; x++) {
            int t = static_cast<int>(Hash(x, y, 14) % 9);
            o[y * cols + x] = t >= 1 && t <= 4 ? t : 0;
        }
    o[3 * cols + 6] = 1;
    o[5 * cols + 12] = 5;
    Image body = DrawPlayerBody();
    Blit(body, DrawPlayerClothes(), 0, 0);
    return Scene(cols, rows, g, o,
                 {{6, 3, body}, {2, 1, Creature("entyouth.png")}, {9, 2, Creature("goblin.png")},
                  {11, 5, Creature("wolfspider.png")}, {4, 5, Creature("bunny.png")}, {12, 1, Creature("griffin.png")}});
}

Image MixSample(bool snow)
{
    const int cols = 12, rows = 4;
    return Scene(cols, rows, Meadow(cols, rows, snow, 15), {}, {});
}

// A whole play screen as the game lays it out: a corner of a town in the 22 x 15 view,
// the status column and the message strip with text in the game's font.
Image PlayScreenSample(const Image &bottombar, const Image &statsbar)
{
    const int cols = VIEW_COLS, rows = VIEW_ROWS;
    std::vector<int> g = Meadow(cols, rows, false, 16);
    std::vector<int> o(static_cast<size_t>(cols * rows), 0);
    for (int x = 1; x < cols; x++) {
        g[x] = x % 2 ? 86 : 87;
        g[cols + x] = x % 2 ? 84 : 85;
    }
    g[0] = 93;
    g[cols] = 92;
    for (int y = 2; y < rows; y++)
        g[y * cols] = 97;
    PlaceHouse(g, cols, 3, 3, 7, 6, 3, 4, false, false);
    PlaceHouse(g, cols, 13, 2, 6, 7, 2, 3, false, true);
    for (int y = 9; y < 13; y++)
        g[y * cols + 6] = 127;
    for (int y = 9; y < 13; y++)
        g[y * cols + 15] = 127;
    for (int x = 7; x < 15; x++)
        g[13 * cols + x] = 126;
    g[13 * cols + 6] = 120;
    g[13 * cols + 15] = 119;
    o[11 * cols + 2] = 1;
    o[12 * cols + 19] = 2;
    o[6 * cols + 20] = 3;
    Image body = DrawPlayerBody();
    Blit(body, DrawPlayerClothes(), 0, 0);
    Image scene = Scene(cols, rows, g, o,
                        {{6, 11, body}, {9, 12, Creature("townguard.png")}, {17, 11, Creature("chicken.png")},
                         {4, 6, Creature("townswoman.png")}, {12, 14, Creature("pig.png")}});
    Image screen = NewImage(SCREEN_WIDTH, SCREEN_HEIGHT, 0x010101);
    for (int y = 0; y < rows * TILE; y++)
        for (int x = 0; x < cols * TILE; x++)
            Put(screen, x, y, Get(scene, 2 * x, 2 * y));
    Blit(screen, bottombar, 0, 450);
    Blit(screen, statsbar, 660, 0);
    const char *values[] = {"CHP: 12", "MHP: 12", "STR: 3", "DEF: 1", "EXP: 0", "Level: 1", "Time: 41"};
    for (int i = 0; i < 7; i++)
        DrawText(screen, 690, 10 + 15 * i, values[i], FONT_INK);
    DrawText(screen, 690, 145, "Looking", FONT_INK);
    DrawText(screen, 690, 560, "? for Help", FONT_INK);
    DrawText(screen, 5, 480, "You see the entrance to a House.", FONT_INK);
    DrawText(screen, 280, 510, "39", FONT_INK);
    DrawText(screen, 320, 510, "You hit the Goblin.", FONT_INK);
    DrawText(screen, 280, 525, "40", FONT_INK);
    DrawText(screen, 320, 525, "The Goblin hits you.", FONT_INK);
    DrawText(screen, 320, 540, "You kill the Goblin!", FONT_INK);
    return screen;
}

// ---------------------------------------------------------------- layout

struct Layout {
    Image sheet;
    int x = 8, y = 8, rowh = 0;
};

void NewLine(Layout &l)
{
    l.x = 8;
    l.y += l.rowh + 10;
    l.rowh = 0;
}

void Grow(Layout &l, int needed)
{
    if (needed <= l.sheet.h)
        return;
    Image bigger = NewImage(SHEET_W, needed + 2000, SHEET_BG);
    Blit(bigger, l.sheet, 0, 0);
    l.sheet = bigger;
}

void Heading(Layout &l, const std::string &text)
{
    if (l.x != 8 || l.rowh != 0)
        NewLine(l);
    Grow(l, l.y + 30);
    DrawText(l.sheet, 8, l.y + 4, text, HEADING);
    l.y += 20;
}

void Place(Layout &l, const Image &content, const std::string &label)
{
    int cw = std::max(content.w, 96) + 10;
    int chars = (cw - 6) / GLYPH_W;
    std::vector<std::string> lines;
    for (size_t i = 0; i < label.size() && lines.size() < 3; i += static_cast<size_t>(chars))
        lines.push_back(label.substr(i, static_cast<size_t>(chars)));
    int ch = content.h + 4 + 12 * static_cast<int>(lines.size());
    if (l.x + cw > SHEET_W)
        NewLine(l);
    Grow(l, l.y + ch + 20);
    // Blit would drop the key colour: copy every pixel so keyed areas stay visible.
    for (int j = 0; j < content.h; j++)
        for (int i = 0; i < content.w; i++)
            Put(l.sheet, l.x + i, l.y + j, Get(content, i, j));
    for (size_t k = 0; k < lines.size(); k++)
        DrawText(l.sheet, l.x, l.y + content.h + 2 + 12 * static_cast<int>(k), lines[k], LABEL);
    l.x += cw;
    l.rowh = std::max(l.rowh, ch);
}

Image OnBackdrop(const Image &img, Backdrop b, int scale)
{
    Image big = Enlarge(img, scale);
    if (b == Backdrop::None)
        return big;
    Image out = NewImage(big.w, big.h, 0x010101);
    if (b == Backdrop::Grass) {
        Image grass = Enlarge(TileById(0, false), scale);
        for (int y = 0; y < out.h; y++)
            for (int x = 0; x < out.w; x++)
                Put(out, x, y, Get(grass, x % grass.w, y % grass.h));
    }
    Blit(out, big, 0, 0);
    return out;
}

} // namespace

Image DrawContactSheet(const std::vector<SheetEntry> &entries)
{
    Layout l;
    l.sheet = NewImage(SHEET_W, 2000, SHEET_BG);
    Heading(l, "Assembled: houses (closed and open door), inn, tavern, town wall and gate, paths, forest");
    Place(l, HouseSample(false), "houses");
    Place(l, HouseSample(true), "winter houses");
    Place(l, InnSample(false), "inn");
    Place(l, InnSample(true), "winter inn");
    Place(l, TavernSample(), "tavern (door open)");
    Place(l, TownWallSample(false), "town corner and gate");
    Place(l, TownWallSample(true), "winter town corner and gate");
    Place(l, PathSample(false), "paths");
    Place(l, PathSample(true), "winter paths");
    Place(l, YardSample(), "yard pieces");
    Place(l, ForestSample(), "forest");
    Place(l, MixSample(false), "grass mix");
    Place(l, MixSample(true), "snow mix");
    Image bottombar, statsbar;
    for (const SheetEntry &e : entries) {
        if (e.name == "bottombar.png")
            bottombar = e.img;
        if (e.name == "statsbar.png")
            statsbar = e.img;
    }
    Place(l, PlayScreenSample(bottombar, statsbar), "a play screen, at the game's own size");

    Heading(l, "Every picture, twice its size (screens at their own size)");
    for (const SheetEntry &e : entries) {
        int scale = (e.img.w > 200 || e.img.h > 200) ? 1 : 2;
        Place(l, OnBackdrop(e.img, e.backdrop, scale), e.name);
    }
    NewLine(l);
    return Crop(l.sheet, 0, 0, SHEET_W, l.y + 8);
}
