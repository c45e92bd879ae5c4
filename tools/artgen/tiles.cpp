// Ground and overlay tiles. Everything is drawn in a 3/4 view with the light from the
// upper left. Pieces that belong together (a window two tiles wide, the table with its
// chairs, the town gate) are drawn once as one picture and cut into tiles, so they meet.
//
// Wall geometry shared by houses, the tavern and the inn (pixels inside a 30 px tile):
//   side walls:  ground strip x 0..4, wall top x 5..10, floor from x 11 (mirrored on the right)
//   top row:     wall top y 0..5, inner face of the north wall y 6..29
//   bottom row:  wall top y 0..5, outer face y 6..24, ground strip y 25..29
// The north side has no ground strip, so the top row is the same in summer and winter.
#include <cmath>
#include <functional>
#include <map>
#include <string>

#include "artgen.h"

namespace {

enum class Ground { Grass, Snow };

constexpr int STRIP = 5;      // ground strip outside side and bottom walls
constexpr int CAP = 6;        // thickness of a wall's top
constexpr int FACE_END = 24;  // last row of a bottom wall's face

// ---------------------------------------------------------------- ground textures

// Grass and snow are fine-grained and have no structure larger than a few pixels, so
// any mix of their variants (and the grass inside other tiles) shows no tile grid.
Image MakeGroundTexture(Ground g, int seed)
{
    Image img = NewImage(TILE, TILE);
    Rng rng(static_cast<std::uint32_t>(seed) * 7919u + (g == Ground::Snow ? 17u : 3u));
    if (g == Ground::Grass) {
        const Colour shades[4] = {RGB(62, 122, 44), RGB(68, 130, 48), RGB(74, 136, 52), RGB(66, 126, 46)};
        for (int y = 0; y < TILE; y++)
            for (int x = 0; x < TILE; x++)
                Put(img, x, y, shades[Hash(x, y, seed) % 4]);
        // Blades: short strokes, dark at the root and light at the tip; they wrap around
        // the tile edges so the texture continues into every neighbour.
        for (int k = 0; k < 46; k++) {
            int x = rng.Range(0, TILE - 1), y = rng.Range(0, TILE - 1);
            int len = rng.Range(2, 3);
            bool light = rng.Range(0, 2) > 0;
            for (int i = 0; i < len; i++) {
                Colour c = light ? (i == len - 1 ? RGB(112, 170, 70) : RGB(92, 154, 60)) : RGB(46, 98, 36);
                Put(img, x, (y - i + TILE) % TILE, c);
            }
            if (light)
                Put(img, x, (y + 1) % TILE, RGB(48, 100, 36));
        }
    } else {
        const Colour shades[4] = {RGB(232, 238, 246), RGB(226, 233, 243), RGB(238, 242, 249), RGB(229, 235, 244)};
        for (int y = 0; y < TILE; y++)
            for (int x = 0; x < TILE; x++)
                Put(img, x, y, shades[Hash(x, y, seed) % 4]);
        for (int k = 0; k < 22; k++) {
            int x = rng.Range(0, TILE - 1), y = rng.Range(0, TILE - 1);
            int len = rng.Range(2, 4);
            for (int i = 0; i < len; i++)
                Put(img, (x + i) % TILE, y, RGB(206, 216, 232));
            Put(img, (x + len) % TILE, (y + TILE - 1) % TILE, RGB(250, 252, 255));
        }
    }
    return img;
}

const Image &GroundTexture(Ground g, int seed = 1)
{
    static std::map<std::pair<int, int>, Image> cache;
    auto key = std::make_pair(g == Ground::Snow ? 1 : 0, seed);
    auto it = cache.find(key);
    if (it == cache.end())
        it = cache.emplace(key, MakeGroundTexture(g, seed)).first;
    return it->second;
}

Colour GroundAt(Ground g, int x, int y, int seed = 1)
{
    const Image &t = GroundTexture(g, seed);
    return Get(t, ((x % TILE) + TILE) % TILE, ((y % TILE) + TILE) % TILE);
}

void FillGround(Image &img, Ground g, int x, int y, int w, int h, int seed = 1)
{
    for (int j = y; j < y + h; j++)
        for (int i = x; i < x + w; i++)
            Put(img, i, j, GroundAt(g, i, j, seed));
}

Image GroundTile(Ground g, int seed)
{
    Image img = NewImage(TILE, TILE);
    FillGround(img, g, 0, 0, TILE, TILE, seed);
    return img;
}

// Grass with a scatter of small flowers, and a darker clover grass: spare variants.
Image FlowerGrass(int seed, Colour petal)
{
    Image img = GroundTile(Ground::Grass, seed);
    Rng rng(static_cast<std::uint32_t>(seed));
    for (int k = 0; k < 5; k++) {
        int x = rng.Range(2, 27), y = rng.Range(2, 27);
        Put(img, x, y - 1, petal);
        Put(img, x - 1, y, petal);
        Put(img, x + 1, y, petal);
        Put(img, x, y + 1, petal);
        Put(img, x, y, RGB(240, 210, 60));
    }
    return img;
}

Image CloverGrass(int seed)
{
    Image img = GroundTile(Ground::Grass, seed);
    for (int y = 0; y < TILE; y++)
        for (int x = 0; x < TILE; x++)
            if (Hash(x / 3, y / 3, seed) % 5 == 0)
                Put(img, x, y, Darker(Get(img, x, y), 0.15));
    return img;
}

Image SandTile()
{
    Image img = NewImage(TILE, TILE);
    const Colour shades[4] = {RGB(218, 196, 140), RGB(210, 188, 132), RGB(224, 204, 150), RGB(214, 192, 136)};
    for (int y = 0; y < TILE; y++)
        for (int x = 0; x < TILE; x++)
            Put(img, x, y, shades[Hash(x, y, 61) % 4]);
    Rng rng(61);
    for (int k = 0; k < 10; k++) {
        int x = rng.Range(0, 29), y = rng.Range(0, 29);
        Put(img, x, y, RGB(184, 160, 110));
        Put(img, (x + 1) % TILE, y, RGB(236, 220, 172));
    }
    return img;
}

// ---------------------------------------------------------------- floors

enum class Floor { Marble, Inn, Tavern };

Colour FloorAt(Floor f, int x, int y)
{
    x = ((x % TILE) + TILE) % TILE;
    y = ((y % TILE) + TILE) % TILE;
    switch (f) {
    case Floor::Marble: {
        // Slabs of 15 px, chequered, with a fine grey vein here and there.
        if (x % 15 == 0 || y % 15 == 0)
            return RGB(160, 154, 146);
        bool odd = ((x / 15) + (y / 15)) % 2 != 0;
        Colour base = odd ? RGB(206, 200, 190) : RGB(222, 218, 208);
        int sx = x % 15, sy = y % 15;
        if (sx == 1 || sy == 1)
            base = Lighter(base, 0.25);
        if (sx == 14 || sy == 14)
            base = Darker(base, 0.08);
        int vein = (sx + sy * (odd ? 2 : -1) + 40) % 11;
        if (vein == 0 && Hash(x, y, 5) % 3 == 0)
            base = Darker(base, 0.12);
        return base;
    }
    case Floor::Inn:
    case Floor::Tavern: {
        // Planks of 6 px, the seams of each plank row staggered.
        bool inn = f == Floor::Inn;
        int row = y / 6;
        Colour plank = inn ? RGB(172, 120, 72) : RGB(118, 78, 46);
        Colour seam = inn ? RGB(104, 68, 40) : RGB(66, 42, 26);
        if (y % 6 == 5)
            return seam;
        int joint = (row * 11 + (inn ? 4 : 9)) % TILE;
        if (x == joint)
            return seam;
        Colour c = Hash(row, (x - joint + TILE) % TILE / 10, inn ? 7 : 8) % 2 ? plank : Darker(plank, 0.07);
        if (y % 6 == 0)
            c = Lighter(c, 0.12);
        if (Hash(x, y, inn ? 9 : 10) % 13 == 0)
            c = Darker(c, 0.14);
        return c;
    }
    }
    return BLACK;
}

void FillFloor(Image &img, Floor f, int x, int y, int w, int h)
{
    for (int j = y; j < y + h; j++)
        for (int i = x; i < x + w; i++)
            Put(img, i, j, FloorAt(f, i, j));
}

Image FloorTile(Floor f)
{
    Image img = NewImage(TILE, TILE);
    FillFloor(img, f, 0, 0, TILE, TILE);
    return img;
}

// ---------------------------------------------------------------- wall materials

enum class Wall { Brick, Timber };

// Wall tops: brick houses have a light stone coping, the inn a dark timber plate.
Colour CapAt(Wall w, int x, int y)
{
    if (w == Wall::Brick) {
        Colour c = Hash(x, y, 21) % 3 ? RGB(176, 164, 146) : RGB(168, 156, 138);
        if (((x + TILE) % TILE) % 10 == 0)
            c = RGB(140, 128, 112);
        return c;
    }
    Colour c = Hash(x / 4, y, 22) % 2 ? RGB(96, 64, 38) : RGB(88, 58, 34);
    if (Hash(x, y, 23) % 9 == 0)
        c = RGB(72, 46, 28);
    return c;
}

// Faces: brick courses of 5 px with bricks of 10, or white plaster between timber posts.
Colour FaceAt(Wall w, int x, int y)
{
    int tx = ((x % TILE) + TILE) % TILE, ty = ((y % TILE) + TILE) % TILE;
    if (w == Wall::Brick) {
        int course = ty / 5;
        if (ty % 5 == 4)
            return RGB(112, 100, 88);
        int off = course % 2 ? 5 : 0;
        if ((tx + off) % 10 == 0)
            return RGB(112, 100, 88);
        int brick = (tx + off) / 10 % 3; // a brick across the tile edge keeps its colour
        switch (Hash(brick, course, 31) % 4) {
        case 0: return RGB(156, 74, 52);
        case 1: return RGB(146, 68, 48);
        case 2: return RGB(164, 82, 58);
        default: return RGB(150, 78, 56);
        }
    }
    if (tx == 0 || tx == 1 || tx == 15 || tx == 16)
        return tx % 15 == 0 ? RGB(98, 66, 40) : RGB(80, 52, 32);
    Colour c = Hash(x, y, 33) % 4 ? RGB(226, 212, 178) : RGB(218, 204, 170);
    return c;
}

// ---------------------------------------------------------------- building pieces

enum class Piece {
    TopLeft, Top, TopRight,          // the north wall (corners and inner pieces)
    Left, Right,                     // side walls with the floor beside them
    BottomLeft, Bottom, BottomRight  // the south wall
};

enum class Region { Ground, Cap, Face, Floor };

bool IsRightPiece(Piece p) { return p == Piece::TopRight || p == Piece::Right || p == Piece::BottomRight; }

// What a pixel of a piece shows. Right-hand pieces mirror the geometry of the left-hand
// ones, but every texture is read at the real position, so bricks run on across tiles.
Region RegionAt(Piece p, int x, int y)
{
    int mx = IsRightPiece(p) ? TILE - 1 - x : x;
    switch (p) {
    case Piece::Top:
        return y < CAP ? Region::Cap : Region::Face;
    case Piece::TopLeft:
    case Piece::TopRight:
        if (mx < STRIP)
            return Region::Ground;
        return (y < CAP || mx < STRIP + CAP) ? Region::Cap : Region::Face;
    case Piece::Left:
    case Piece::Right:
        if (mx < STRIP)
            return Region::Ground;
        return mx < STRIP + CAP ? Region::Cap : Region::Floor;
    case Piece::Bottom:
        return y < CAP ? Region::Cap : y <= FACE_END ? Region::Face : Region::Ground;
    case Piece::BottomLeft:
    case Piece::BottomRight:
        if (mx < STRIP || y > FACE_END)
            return Region::Ground;
        return y < CAP ? Region::Cap : Region::Face;
    }
    return Region::Ground;
}

Image WallPiece(Piece p, Wall w, Floor f, Ground g)
{
    Image img = NewImage(TILE, TILE);
    auto region = [p](int x, int y) {
        if (x < 0 || y < 0 || x >= TILE || y >= TILE)
            return Region::Ground;
        return RegionAt(p, x, y);
    };
    bool top = p == Piece::Top || p == Piece::TopLeft || p == Piece::TopRight;
    int faceBottom = top ? TILE - 1 : FACE_END;
    for (int y = 0; y < TILE; y++)
        for (int x = 0; x < TILE; x++) {
            Region r = region(x, y);
            int mx = IsRightPiece(p) ? TILE - 1 - x : x;
            Colour c = BLACK;
            switch (r) {
            case Region::Ground:
                c = GroundAt(g, x, y);
                // The wall's shadow on the ground at its foot.
                if ((x > 0 && region(x - 1, y) != Region::Ground && y < TILE) ||
                    (x + 1 < TILE && region(x + 1, y) != Region::Ground) ||
                    (y > 0 && region(x, y - 1) != Region::Ground))
                    c = Darker(c, 0.3);
                break;
            case Region::Cap:
                c = CapAt(w, x, y);
                if (y == 0 || (x > 0 && region(x - 1, y) != Region::Cap))
                    c = Lighter(c, 0.18);
                else if (x + 1 < TILE && region(x + 1, y) != Region::Cap && region(x + 1, y) != Region::Face)
                    c = Darker(c, 0.15);
                break;
            case Region::Face:
                c = FaceAt(w, x, y);
                if (w == Wall::Timber) {
                    if (y >= faceBottom - 1)
                        c = y == faceBottom ? RGB(80, 52, 32) : RGB(98, 66, 40);
                    if (!top && mx >= STRIP && mx < STRIP + 3 && p != Piece::Bottom)
                        c = mx == STRIP ? RGB(108, 72, 44) : RGB(84, 54, 32);
                }
                if (y > 0 && region(x, y - 1) == Region::Cap)
                    c = Darker(c, 0.35);
                break;
            case Region::Floor:
                c = FloorAt(f, x, y);
                if (region(x - 1, y) == Region::Cap || region(x + 1, y) == Region::Cap)
                    c = Darker(c, 0.3);
                break;
            }
            Put(img, x, y, c);
        }
    return img;
}

// Snow lying along the foot of a wall and on the ground strip's edge.
void SnowDrift(Image &img, int x0, int x1, int y)
{
    for (int i = x0; i <= x1; i++) {
        int hgt = 1 + static_cast<int>(Hash(i / 3, y, 41) % 2);
        for (int k = 0; k < hgt; k++)
            Put(img, i, y - k, k == hgt - 1 ? RGB(246, 249, 255) : RGB(230, 236, 246));
    }
}

Image HousePiece(Piece p, Ground g)
{
    Image img = WallPiece(p, Wall::Brick, Floor::Marble, g);
    if (g == Ground::Snow && (p == Piece::Bottom || p == Piece::BottomLeft || p == Piece::BottomRight))
        SnowDrift(img, p == Piece::BottomLeft ? STRIP : 0, p == Piece::BottomRight ? TILE - STRIP - 1 : TILE - 1,
                  FACE_END);
    return img;
}

// A window in a brick wall: frame, four panes, sill.
void BrickWindow(Image &img, int x, int y, bool outside)
{
    FillRect(img, x, y, 14, 13, RGB(226, 220, 206));              // stone frame
    FillRect(img, x + 2, y + 2, 10, 9, RGB(40, 36, 44));          // dark surround
    FillRect(img, x + 3, y + 3, 8, 7, RGB(120, 160, 196));        // glass
    FillRect(img, x + 3, y + 3, 3, 2, RGB(196, 224, 244));        // glint
    VLine(img, x + 7, y + 3, y + 9, RGB(226, 220, 206));          // mullion
    HLine(img, x + 3, x + 10, y + 6, RGB(226, 220, 206));         // transom
    HLine(img, x - 1, x + 14, y + 13, outside ? RGB(190, 180, 160) : RGB(200, 190, 170));
    HLine(img, x, x + 14, y + 14, RGB(96, 84, 72));
}

// A plank door inside a stone frame in a south wall, closed or standing open.
enum class DoorLook { Closed, OpenMarble, OpenTavern, OpenInn };

void PlankDoor(Image &img, int x, int y, int w, int h, bool arched)
{
    for (int j = y; j < y + h; j++)
        for (int i = x; i < x + w; i++) {
            Colour c = ((i - x) % 4 == 3) ? RGB(86, 52, 28) : RGB(132, 84, 44);
            if ((i - x) % 4 == 0)
                c = RGB(148, 96, 52);
            if (arched && j - y < 2 && (i - x < 2 - (j - y) || x + w - 1 - i < 2 - (j - y)))
                continue;
            Put(img, i, j, c);
        }
    // Iron bands and the ring.
    HLine(img, x, x + w - 1, y + 3, RGB(56, 52, 52));
    HLine(img, x, x + w - 1, y + h - 4, RGB(56, 52, 52));
    Put(img, x + w - 4, y + h / 2, RGB(210, 190, 80));
    Put(img, x + w - 4, y + h / 2 + 1, RGB(150, 130, 50));
}

void Doorway(Image &img, int x, int y, int w, int h, DoorLook look)
{
    if (look == DoorLook::Closed) {
        PlankDoor(img, x, y, w, h, false);
        return;
    }
    Floor f = look == DoorLook::OpenMarble ? Floor::Marble : look == DoorLook::OpenTavern ? Floor::Tavern : Floor::Inn;
    // The room beyond lies in shadow; only the floor just inside catches the daylight.
    for (int j = y; j < y + h; j++)
        for (int i = x; i < x + w; i++) {
            Colour c = RGB(30, 24, 22);
            if (j >= y + h - 5)
                c = Darker(FloorAt(f, i, j), 0.15 + 0.1 * (y + h - 1 - j));
            Put(img, i, j, c);
        }
    // The leaf swung inward against the left jamb.
    FillRect(img, x, y, 3, h, RGB(132, 84, 44));
    VLine(img, x + 2, y, y + h - 1, RGB(86, 52, 28));
    VLine(img, x + 3, y + 4, y + h - 1, RGB(24, 20, 20));
}

Image HouseDoor(Ground g, DoorLook look)
{
    Image img = HousePiece(Piece::Bottom, g);
    FillRect(img, 6, 4, 18, FACE_END - 3, RGB(198, 188, 170)); // stone frame
    HLine(img, 6, 23, 4, RGB(222, 214, 198));
    VLine(img, 6, 4, FACE_END, RGB(214, 206, 190));
    VLine(img, 23, 4, FACE_END, RGB(150, 140, 124));
    Doorway(img, 8, 7, 14, FACE_END - 6, look);
    // Door step.
    HLine(img, 7, 22, FACE_END + 1, RGB(170, 162, 150));
    HLine(img, 7, 22, FACE_END + 2, RGB(120, 112, 102));
    return img;
}

// ---------------------------------------------------------------- the inn

// The inn is timber-framed: white plaster between dark posts, a timber wall top.
Image InnPiece(Piece p, Ground g)
{
    Image img = WallPiece(p, Wall::Timber, Floor::Inn, g);
    if (g == Ground::Snow && (p == Piece::Bottom || p == Piece::BottomLeft || p == Piece::BottomRight))
        SnowDrift(img, p == Piece::BottomLeft ? STRIP : 0, p == Piece::BottomRight ? TILE - STRIP - 1 : TILE - 1,
                  FACE_END);
    return img;
}

// Bottom wall ends beside the door: a corner post on the given side.
Image InnWallEnd(bool leftPost, Ground g)
{
    Image img = InnPiece(Piece::Bottom, g);
    int x = leftPost ? 0 : TILE - 4;
    FillRect(img, x, CAP, 4, FACE_END - CAP + 1, RGB(84, 54, 32));
    VLine(img, leftPost ? 0 : TILE - 4, CAP, FACE_END, RGB(108, 72, 44));
    return img;
}

// The inside of the north wall: a wide window (two tiles) and the fireplace (two tiles).
Image InnWindowInside()
{
    Image img = NewImage(2 * TILE, TILE);
    for (int t = 0; t < 2; t++)
        Blit(img, InnPiece(Piece::Top, Ground::Grass), t * TILE, 0);
    FillRect(img, 10, 9, 40, 17, RGB(80, 52, 32));   // timber frame
    FillRect(img, 12, 11, 36, 13, RGB(136, 178, 210)); // glass, daylight
    for (int i = 12; i < 48; i++)
        for (int j = 11; j < 24; j++)
            if ((i + j) % 9 == 0 || (i + j) % 9 == 1)
                Put(img, i, j, RGB(178, 210, 232));
    VLine(img, 29, 11, 23, RGB(80, 52, 32));
    VLine(img, 30, 11, 23, RGB(80, 52, 32));
    HLine(img, 12, 47, 17, RGB(80, 52, 32));
    HLine(img, 9, 50, 26, RGB(120, 82, 50));
    HLine(img, 9, 50, 27, RGB(70, 44, 26));
    return img;
}

Image InnWindowLight()
{
    Image img = NewImage(2 * TILE, TILE);
    FillFloor(img, Floor::Inn, 0, 0, 2 * TILE, TILE);
    // A patch of daylight falling from the window above, widening into the room.
    for (int y = 0; y < TILE; y++) {
        int x0 = 10 - y / 4, x1 = 49 + y / 4;
        for (int x = x0; x <= x1; x++) {
            Colour c = Get(img, x, y);
            Colour lit = Mix(Lighter(c, 0.32), RGB(255, 236, 170), 0.18);
            bool pane = (x > 28 + y / 8 && x < 31 + y / 8) || (y > 12 && y < 15);
            Put(img, x, y, pane ? Lighter(c, 0.12) : lit);
        }
    }
    return img;
}

Image InnFireplace()
{
    Image img = NewImage(2 * TILE, TILE);
    for (int t = 0; t < 2; t++)
        Blit(img, InnPiece(Piece::Top, Ground::Grass), t * TILE, 0);
    // Stone surround.
    for (int y = 6; y < TILE; y++)
        for (int x = 5; x < 55; x++) {
            int row = (y - 6) / 5, off = row % 2 ? 4 : 0;
            bool joint = (y - 6) % 5 == 4 || (x + off) % 8 == 0;
            Colour c = joint ? RGB(92, 86, 80) : (Hash((x + off) / 8, row, 51) % 2 ? RGB(150, 142, 132) : RGB(138, 130, 122));
            Put(img, x, y, c);
        }
    FillRect(img, 3, 6, 54, 3, RGB(110, 74, 46)); // mantel
    HLine(img, 3, 56, 6, RGB(140, 98, 62));
    // The opening with logs and fire.
    FillRect(img, 14, 13, 32, 17, RGB(26, 20, 18));
    for (int x = 14; x < 46; x++)
        Put(img, x, 13, RGB(60, 54, 50));
    FillRect(img, 18, 25, 24, 3, RGB(96, 60, 34));
    FillRect(img, 22, 23, 16, 2, RGB(120, 76, 42));
    auto flame = [&img](double cx, double h, Colour c) {
        FillPolygon(img, {cx - 4, 25.0, cx + 4, 25.0, cx + 1.5, 25 - h, cx, 25 - h - 2, cx - 1.5, 25 - h}, c);
    };
    flame(23, 7, RGB(220, 80, 30));
    flame(30, 9, RGB(230, 96, 32));
    flame(37, 6, RGB(220, 80, 30));
    flame(26, 5, RGB(250, 170, 50));
    flame(33, 6, RGB(250, 170, 50));
    flame(30, 3, RGB(255, 236, 140));
    FillRect(img, 14, 28, 32, 2, RGB(60, 52, 48)); // hearth
    return img;
}

// The street front: a window with green shutters and a flower box (two tiles).
Image InnWindowOutside(Ground g)
{
    Image img = NewImage(2 * TILE, TILE);
    for (int t = 0; t < 2; t++)
        Blit(img, InnPiece(Piece::Bottom, g), t * TILE, 0);
    FillRect(img, 15, 8, 30, 13, RGB(80, 52, 32));
    FillRect(img, 17, 10, 26, 9, RGB(112, 150, 182));
    FillRect(img, 17, 10, 6, 3, RGB(176, 206, 228));
    VLine(img, 29, 10, 18, RGB(80, 52, 32));
    VLine(img, 30, 10, 18, RGB(80, 52, 32));
    HLine(img, 17, 42, 14, RGB(80, 52, 32));
    for (int s = 0; s < 2; s++) {
        int x = s == 0 ? 8 : 46;
        FillRect(img, x, 8, 6, 13, RGB(54, 112, 64));
        for (int j = 9; j < 20; j += 2)
            HLine(img, x + 1, x + 4, j, RGB(40, 86, 48));
    }
    FillRect(img, 14, 21, 32, 3, RGB(120, 74, 40));
    for (int x = 15; x < 45; x += 3) {
        Put(img, x, 20, RGB(60, 130, 50));
        Put(img, x + 1, 19, (x / 3) % 2 ? RGB(220, 50, 60) : RGB(240, 200, 60));
    }
    if (g == Ground::Snow)
        HLine(img, 14, 45, 21, RGB(240, 244, 252));
    return img;
}

Image InnDoor(Ground g, bool open)
{
    Image img = InnPiece(Piece::Bottom, g);
    FillRect(img, 3, 2, 24, FACE_END - 1, RGB(84, 54, 32)); // heavy timber frame
    HLine(img, 3, 26, 2, RGB(110, 74, 46));
    int x = 6, y = 6, w = 18, h = FACE_END - 5;
    if (!open) {
        PlankDoor(img, x, y, w / 2, h, false);
        PlankDoor(img, x + w / 2, y, w / 2, h, false);
        VLine(img, x + w / 2, y, y + h - 1, RGB(60, 36, 20));
    } else {
        for (int j = y; j < y + h; j++)
            for (int i = x; i < x + w; i++)
                Put(img, i, j, j < y + h - 5 ? RGB(30, 24, 22) : Darker(FloorAt(Floor::Inn, i, j), 0.15 + 0.1 * (y + h - 1 - j)));
        FillRect(img, x, y, 3, h, RGB(132, 84, 44));
        FillRect(img, x + w - 3, y, 3, h, RGB(132, 84, 44));
        VLine(img, x + 2, y, y + h - 1, RGB(86, 52, 28));
        VLine(img, x + w - 3, y, y + h - 1, RGB(86, 52, 28));
    }
    // A lantern beside the door.
    FillRect(img, 26, 7, 3, 4, RGB(250, 210, 90));
    HLine(img, 26, 28, 6, RGB(40, 36, 34));
    HLine(img, 26, 28, 11, RGB(40, 36, 34));
    HLine(img, 2, 27, FACE_END + 1, RGB(150, 140, 128));
    return img;
}

// ---------------------------------------------------------------- the tavern

Image TavernPiece(Piece p)
{
    return WallPiece(p, Wall::Brick, Floor::Tavern, Ground::Grass);
}

// The tavern's front ends in stone quoins, at its corners and on both sides of its door.
Image TavernWallEnd(bool left)
{
    Image img = TavernPiece(Piece::Bottom);
    int x0 = left ? 0 : TILE - STRIP;
    for (int y = 0; y <= FACE_END; y++)
        for (int x = x0; x < x0 + STRIP; x++) {
            int block = y / 5;
            Colour c = block % 2 ? RGB(196, 186, 168) : RGB(178, 168, 150);
            if (y % 5 == 4)
                c = RGB(110, 102, 92);
            if (x == x0 + (left ? 0 : STRIP - 1))
                c = left ? Lighter(c, 0.2) : Darker(c, 0.2);
            Put(img, x, y, c);
        }
    return img;
}

Image TavernTorch()
{
    Image img = TavernPiece(Piece::Top);
    // Warm light on the bricks round the flame.
    for (int y = CAP; y < TILE; y++)
        for (int x = 0; x < TILE; x++) {
            double d = std::hypot(x - 15.0, y - 13.0);
            if (d < 10)
                Put(img, x, y, Mix(Get(img, x, y), RGB(250, 200, 110), d < 6 ? 0.35 : 0.18));
        }
    FillRect(img, 14, 15, 3, 9, RGB(92, 60, 34));  // handle
    FillRect(img, 12, 24, 7, 2, RGB(60, 56, 56));  // bracket
    FillRect(img, 13, 14, 5, 2, RGB(60, 56, 56));
    FillPolygon(img, {12.0, 14.0, 19.0, 14.0, 17.0, 8.0, 15.5, 4.0, 14.0, 8.0}, RGB(236, 110, 34));
    FillPolygon(img, {13.5, 14.0, 17.5, 14.0, 16.5, 9.0, 15.5, 6.5, 14.5, 9.0}, RGB(252, 186, 60));
    FillRect(img, 15, 11, 1, 3, RGB(255, 240, 170));
    return img;
}

Image TavernFloorReflect()
{
    Image img = FloorTile(Floor::Tavern);
    // Torchlight gleaming on the polished boards.
    for (int y = 0; y < TILE; y++)
        for (int x = 0; x < TILE; x++) {
            // A streak of torchlight mirrored in the boards below the torch.
            double dx = (x - 15.5) / 4.0, dy = (y - 12) / 11.0;
            double d = dx * dx + dy * dy;
            if (d < 1)
                Put(img, x, y, Mix(Get(img, x, y), RGB(255, 210, 140), d < 0.3 ? 0.34 : 0.18));
        }
    return img;
}

Image BarStool()
{
    Image img = FloorTile(Floor::Tavern);
    FillEllipse(img, 15.5, 19, 6, 3, RGB(50, 32, 20)); // shadow
    FillRect(img, 11, 15, 2, 6, RGB(70, 44, 26));
    FillRect(img, 19, 15, 2, 6, RGB(70, 44, 26));
    FillEllipse(img, 15.5, 13, 7, 5, RGB(60, 36, 22));
    FillEllipse(img, 15.5, 12.5, 6, 4, RGB(150, 96, 52));
    FillEllipse(img, 14, 11.5, 3, 2, RGB(178, 120, 70));
    return img;
}

// The bar counter: a polished top 14 px wide, running along tile centres.
Image BarCounter()
{
    // Drawn over a 3 x 3 tile area: top row is the counter with its corners, the middle
    // row the counter's sides, the bottom row their ends.
    Image img = NewImage(3 * TILE, 3 * TILE);
    FillFloor(img, Floor::Tavern, 0, 0, 3 * TILE, 3 * TILE);
    const int a = 8, b = 22; // counter edges within a tile
    auto counter = [&img](int x0, int y0, int x1, int y1) {
        FillRect(img, x0, y0, x1 - x0 + 1, y1 - y0 + 1, RGB(60, 34, 20));
    };
    counter(a - 1, a - 1, 3 * TILE - a, b + 3);               // along the top, front panel below
    counter(a - 1, a - 1, b + 1, 2 * TILE + b - 6);           // left side
    counter(2 * TILE + a - 1, a - 1, 3 * TILE - a, 2 * TILE + b - 6);
    auto top = [&img](int x0, int y0, int x1, int y1) {
        for (int y = y0; y <= y1; y++)
            for (int x = x0; x <= x1; x++) {
                Colour c = ((x + y * 3) / 5) % 2 ? RGB(150, 92, 48) : RGB(160, 100, 54);
                Put(img, x, y, c);
            }
    };
    top(a, a, 3 * TILE - a - 1, b - 1);
    top(a, a, b - 1, 2 * TILE + b - 8);
    top(2 * TILE + a, a, 3 * TILE - a - 1, 2 * TILE + b - 8);
    HLine(img, a, 3 * TILE - a - 1, a, RGB(196, 140, 84));
    VLine(img, a, a, 2 * TILE + b - 8, RGB(196, 140, 84));
    VLine(img, 2 * TILE + a, b, 2 * TILE + b - 8, RGB(196, 140, 84));
    // Front panel of the counter (facing the room).
    for (int x = b; x < 2 * TILE + a; x++) {
        Put(img, x, b, RGB(96, 56, 30));
        Put(img, x, b + 1, RGB(110, 66, 36));
        Put(img, x, b + 2, RGB(96, 56, 30));
    }
    FillRect(img, a, 2 * TILE + b - 7, b - a, 3, RGB(96, 56, 30));
    FillRect(img, 2 * TILE + a, 2 * TILE + b - 7, b - a, 3, RGB(96, 56, 30));
    // Mugs on the counter.
    auto mug = [&img](int x, int y) {
        FillRect(img, x, y, 4, 4, RGB(200, 190, 160));
        FillRect(img, x + 1, y, 2, 1, RGB(250, 246, 232));
        Put(img, x + 4, y + 1, RGB(200, 190, 160));
        Put(img, x + 4, y + 2, RGB(200, 190, 160));
    };
    mug(35, 12);
    mug(62, 14);
    mug(13, 36);
    return img;
}

// Four tables of two by two tiles: a round table with four chairs.
Image TableAndChairs()
{
    Image img = NewImage(2 * TILE, 2 * TILE);
    FillFloor(img, Floor::Tavern, 0, 0, 2 * TILE, 2 * TILE);
    auto chair = [&img](int x, int y, int w, int h) {
        FillRect(img, x + 1, y + 1, w, h, RGB(52, 32, 20));
        FillRect(img, x, y, w, h, RGB(136, 86, 46));
        FrameRect(img, x, y, w, h, RGB(84, 52, 28));
    };
    chair(24, 3, 12, 9);   // north
    chair(24, 48, 12, 9);  // south
    chair(3, 24, 9, 12);   // west
    chair(48, 24, 9, 12);  // east
    FillEllipse(img, 31, 32, 19, 15, RGB(50, 30, 18)); // shadow
    FillEllipse(img, 30, 30, 19, 15, RGB(92, 56, 30));
    FillEllipse(img, 30, 29.5, 18, 14, RGB(150, 96, 52));
    FillEllipse(img, 26, 26, 9, 6, RGB(166, 110, 62));
    // A candle and two mugs.
    FillRect(img, 29, 25, 3, 5, RGB(240, 232, 210));
    Put(img, 30, 23, RGB(255, 200, 70));
    Put(img, 30, 24, RGB(255, 236, 150));
    FillRect(img, 19, 31, 4, 4, RGB(200, 190, 160));
    FillRect(img, 38, 30, 4, 4, RGB(200, 190, 160));
    HLine(img, 20, 21, 31, RGB(250, 246, 232));
    HLine(img, 39, 40, 30, RGB(250, 246, 232));
    return img;
}

Image TavernSign()
{
    Image img = TavernPiece(Piece::Bottom);
    // A board hung from an iron arm, with a foaming mug painted on it.
    HLine(img, 4, 25, 7, RGB(50, 46, 46));
    VLine(img, 8, 7, 9, RGB(50, 46, 46));
    VLine(img, 21, 7, 9, RGB(50, 46, 46));
    FillRect(img, 5, 10, 20, 13, RGB(92, 58, 32));
    FillRect(img, 6, 11, 18, 11, RGB(176, 126, 70));
    FillRect(img, 11, 14, 7, 7, RGB(230, 180, 60));
    FillRect(img, 11, 13, 7, 2, RGB(252, 248, 236));
    FrameRect(img, 11, 14, 7, 7, RGB(90, 60, 30));
    VLine(img, 18, 15, 19, RGB(90, 60, 30));
    VLine(img, 19, 15, 19, RGB(90, 60, 30));
    return img;
}

// ---------------------------------------------------------------- the town wall

// Paving of the wall walk: square slabs of 15 px. Crenellations and faces: ashlar blocks.
Colour PavingAt(int x, int y, int seed)
{
    int tx = ((x % TILE) + TILE) % TILE, ty = ((y % TILE) + TILE) % TILE;
    int sx = tx % 15, sy = ty % 15;
    if (sx == 0 || sy == 0)
        return RGB(96, 92, 88);
    Colour c = Hash(tx / 15, ty / 15, seed) % 3 == 0 ? RGB(150, 146, 138) : RGB(160, 156, 148);
    if (sx == 1 || sy == 1)
        c = Lighter(c, 0.18);
    else if (sx == 14 || sy == 14)
        c = Darker(c, 0.12);
    else if (Hash(x, y, seed + 3) % 11 == 0)
        c = Darker(c, 0.08);
    return c;
}

Colour AshlarAt(int x, int y, int seed)
{
    int tx = ((x % TILE) + TILE) % TILE, ty = ((y % TILE) + TILE) % TILE;
    int course = ty / 10, cy = ty % 10;
    int off = course % 2 ? 7 : 0;
    int bx = (tx + off) % 15;
    if (cy == 9 || bx == 0)
        return RGB(72, 68, 66);
    Colour c;
    switch (Hash((tx + off) / 15 % 2, course, seed) % 3) {
    case 0: c = RGB(128, 124, 118); break;
    case 1: c = RGB(120, 116, 110); break;
    default: c = RGB(134, 130, 122); break;
    }
    if (cy == 0)
        c = Lighter(c, 0.16);
    else if (cy == 8 || bx == 14)
        c = Darker(c, 0.12);
    return c;
}

// Snow on stone: a cap of snow on the upper part of every slab or block, its lower
// edge wavy; the joints and the slabs' lower rims stay bare, so the wall still reads.
Colour SnowCapped(Colour stone, int x, int y, int inSlab, int slabSize, bool joint)
{
    if (joint)
        return Mix(stone, RGB(150, 160, 180), 0.3);
    int depth = slabSize * 3 / 5 + static_cast<int>(Hash(x / 2, y / slabSize, 72) % 3);
    if (inSlab < depth)
        return GroundAt(Ground::Snow, x, y, 3);
    if (inSlab == depth)
        return RGB(206, 214, 228);
    return Mix(stone, RGB(120, 130, 150), 0.15);
}

Image Paving(int seed, bool snow)
{
    Image img = NewImage(TILE, TILE);
    for (int y = 0; y < TILE; y++)
        for (int x = 0; x < TILE; x++) {
            Colour c = PavingAt(x, y, seed);
            if (snow)
                c = SnowCapped(c, x, y, y % 15, 15, x % 15 == 0 || y % 15 == 0);
            Put(img, x, y, c);
        }
    return img;
}

Image WallFace(int seed, bool arrowslit, bool snow)
{
    Image img = NewImage(TILE, TILE);
    for (int y = 0; y < TILE; y++)
        for (int x = 0; x < TILE; x++)
            Put(img, x, y, AshlarAt(x, y, seed));
    if (arrowslit) {
        FillRect(img, 14, 8, 3, 12, RGB(28, 24, 24));
        FillRect(img, 12, 12, 7, 2, RGB(28, 24, 24));
        VLine(img, 13, 8, 19, RGB(150, 146, 140));
    }
    // The foot of the wall: darker stones and a few tufts (grass) or a drift (snow).
    for (int x = 0; x < TILE; x++) {
        Put(img, x, TILE - 1, Darker(Get(img, x, TILE - 1), 0.3));
        if (snow) {
            int hgt = 2 + static_cast<int>(Hash(x / 4, 0, 73) % 2);
            for (int k = 0; k < hgt; k++)
                Put(img, x, TILE - 1 - k, GroundAt(Ground::Snow, x, k, 3));
            for (int k = 0; k < 2; k++)
                Put(img, x, 9 + k * 10, Hash(x, k, 74) % 4 ? RGB(236, 240, 248) : Get(img, x, 9 + k * 10));
        } else if (Hash(x, 1, seed) % 5 == 0) {
            Put(img, x, TILE - 1, RGB(70, 128, 48));
            Put(img, x, TILE - 2, RGB(92, 154, 60));
        }
    }
    return img;
}

// The walk with its crenellated parapet along the lower edge: merlons 9 px wide, gaps 6.
Image WallTop(int seed, bool snow)
{
    Image img = Paving(seed, snow);
    const int top = 17; // first row of the parapet
    for (int y = top; y < TILE; y++)
        for (int x = 0; x < TILE; x++) {
            bool merlon = x % 15 < 9;
            Colour c;
            if (!merlon && y < top + 6) {
                // Through the gap: the far side of the parapet in shadow.
                c = Darker(AshlarAt(x, y + 3, seed), 0.45);
            } else if (merlon && y < top + 2) {
                c = snow ? RGB(244, 247, 252) : Lighter(AshlarAt(x, y, seed), 0.3);
            } else {
                c = AshlarAt(x, y + 3, seed);
                if (!merlon && y == top + 6)
                    c = snow ? RGB(240, 244, 250) : Lighter(c, 0.25);
            }
            Put(img, x, y, c);
        }
    for (int x = 0; x < TILE; x++)
        Put(img, x, top - 1, Darker(Get(img, x, top - 1), 0.3));
    return img;
}

// The corner towers: the walk with a raised square platform on the corner.
Image WallCornerTop(bool right, int seed, bool snow)
{
    Image img = Paving(seed, snow);
    for (int y = 3; y < 27; y++)
        for (int x = 3; x < 27; x++) {
            Colour c = AshlarAt(x, y, seed + 1);
            if (snow)
                c = SnowCapped(c, x, y, (y - 3) % 12, 12, false);
            Put(img, x, y, c);
        }
    FrameRect(img, 3, 3, 24, 24, snow ? RGB(170, 176, 190) : RGB(70, 66, 64));
    // Little merlons round the platform's rim.
    for (int k = 0; k < 4; k++) {
        int p = 5 + k * 6;
        Colour m = snow ? RGB(246, 248, 252) : RGB(176, 172, 164);
        FillRect(img, p, 4, 3, 2, m);
        FillRect(img, p, 24, 3, 2, m);
        FillRect(img, 4, p, 2, 3, m);
        FillRect(img, 24, p, 2, 3, m);
    }
    (void)right;
    return img;
}

// The town gate: two towers (one tile each) round a passage of two tiles; the arch over
// the passage is the overlay pair, the passage floor is plain grass.
Image GatePicture()
{
    Image img = NewImage(4 * TILE, 2 * TILE);
    for (int y = 0; y < 2 * TILE; y++)
        for (int x = 0; x < 4 * TILE; x++)
            Put(img, x, y, AshlarAt(x, y, 91));
    // Crenellated top of the gatehouse: the gaps show its dark roof.
    for (int y = 0; y < 8; y++)
        for (int x = 0; x < 4 * TILE; x++) {
            bool merlon = (x + 3) % 15 < 9;
            if (!merlon && y < 6)
                Put(img, x, y, RGB(64, 60, 58));
            else if (merlon && y < 2)
                Put(img, x, y, Lighter(AshlarAt(x, y, 91), 0.3));
        }
    HLine(img, 0, 4 * TILE - 1, 8, RGB(176, 172, 164)); // string course
    HLine(img, 0, 4 * TILE - 1, 9, RGB(92, 88, 84));
    // The arch: an elliptic opening over the passage, with voussoirs round it.
    const double cx = 60, cy = 30, rx = 30, ry = 19;
    for (int y = 0; y < 2 * TILE; y++)
        for (int x = 0; x < 4 * TILE; x++) {
            double dx = (x + 0.5 - cx), dy = (y + 0.5 - cy);
            double inner = (dx / rx) * (dx / rx) + (dy / ry) * (dy / ry);
            double outer = (dx / (rx + 6)) * (dx / (rx + 6)) + (dy / (ry + 6)) * (dy / (ry + 6));
            bool passage = x >= TILE && x < 3 * TILE;
            if ((y < TILE && inner <= 1) || (y >= TILE && passage)) {
                Put(img, x, y, MAGENTA);
            } else if (y < TILE + 2 && outer <= 1) {
                double ang = std::atan2(dy, dx);
                int stone = static_cast<int>(std::floor((ang + 3.1416) / 0.26));
                bool joint = std::fmod((ang + 3.1416), 0.26) < 0.05;
                Colour c = stone % 2 ? RGB(150, 146, 138) : RGB(140, 136, 128);
                if (std::fabs(dx) < 3 && dy < 0)
                    c = RGB(176, 170, 160); // keystone
                Put(img, x, y, joint ? RGB(80, 76, 72) : c);
            }
        }
    // The raised portcullis: teeth hanging under the arch.
    for (int x = TILE + 6; x < 3 * TILE - 6; x += 5)
        for (int y = 0; y < 16; y++) {
            double dx = (x + 0.5 - cx), dy = (y + 0.5 - cy);
            if ((dx / rx) * (dx / rx) + (dy / ry) * (dy / ry) <= 1)
                Put(img, x, y, y == 15 ? RGB(120, 116, 112) : RGB(46, 42, 40));
        }
    for (int x = TILE + 4; x < 3 * TILE - 4; x++)
        for (int y = 12; y < 14; y++) {
            double dx = (x + 0.5 - cx), dy = (y + 0.5 - cy);
            if ((dx / rx) * (dx / rx) + (dy / ry) * (dy / ry) <= 1)
                Put(img, x, y, RGB(46, 42, 40));
        }
    // Tower sides along the passage: shadow on the right tower's inner edge, light on the left's.
    for (int y = 0; y < 2 * TILE; y++) {
        if (Get(img, TILE - 1, y) != MAGENTA && y >= TILE) {
            Put(img, TILE - 1, y, RGB(60, 56, 54));
            Put(img, TILE - 2, y, Darker(Get(img, TILE - 2, y), 0.25));
        }
        if (y >= TILE) {
            Put(img, 3 * TILE, y, Lighter(Get(img, 3 * TILE, y), 0.2));
            Put(img, 3 * TILE + 1, y, Lighter(Get(img, 3 * TILE + 1, y), 0.1));
        }
    }
    // The foot of the towers.
    for (int x = 0; x < 4 * TILE; x++)
        if (Get(img, x, 2 * TILE - 1) != MAGENTA)
            Put(img, x, 2 * TILE - 1, Darker(Get(img, x, 2 * TILE - 1), 0.3));
    return img;
}

Image GatePiece(int col, int row)
{
    static Image gate = GatePicture();
    Image piece = Crop(gate, col * TILE, row * TILE, TILE, TILE);
    if (col == 0 || col == 3) {
        // Tower pieces are ground tiles: nothing may be left transparent.
        for (int y = 0; y < TILE; y++)
            for (int x = 0; x < TILE; x++)
                if (Get(piece, x, y) == MAGENTA)
                    Put(piece, x, y, GroundAt(Ground::Grass, x, y));
    }
    return piece;
}

// ---------------------------------------------------------------- paths

// A worn earth path 12 px wide along the tile's centre lines to the sides it connects.
enum Side { SIDE_N = 1, SIDE_E = 2, SIDE_S = 4, SIDE_W = 8 };

Colour DirtAt(int x, int y, bool snow)
{
    int h = static_cast<int>(Hash(x, y, snow ? 82 : 81) % 16);
    if (snow) {
        if (h < 2)
            return RGB(150, 132, 112);
        if (h < 6)
            return RGB(196, 196, 200);
        return h % 2 ? RGB(208, 208, 212) : RGB(214, 214, 220);
    }
    if (h == 0)
        return RGB(112, 100, 88); // pebble
    if (h == 1)
        return RGB(188, 168, 128);
    return h % 3 ? RGB(156, 124, 82) : RGB(146, 116, 76);
}

// How far a pixel lies inside the path: half the width minus the distance to the
// centre lines; the edge wobbles a little with the position along the path.
double PathDepth(int sides, double x, double y)
{
    double best = -100;
    auto wob = [](double t) { return 0.8 * std::sin(t * 6.2832 / 15.0) + 0.4 * std::sin(t * 6.2832 / 10.0 + 1.0); };
    double cx = 15, cy = 15;
    auto seg = [&](double x0, double y0, double x1, double y1, double t) {
        double vx = x1 - x0, vy = y1 - y0, l2 = vx * vx + vy * vy;
        double u = ((x - x0) * vx + (y - y0) * vy) / l2;
        u = u < 0 ? 0 : (u > 1 ? 1 : u);
        double d = std::hypot(x - (x0 + u * vx), y - (y0 + u * vy));
        best = std::max(best, 6.0 + wob(t) - d);
    };
    if (sides & SIDE_N)
        seg(cx, cy, cx, -1, y);
    if (sides & SIDE_S)
        seg(cx, cy, cx, 31, y);
    if (sides & SIDE_E)
        seg(cx, cy, 31, cy, x);
    if (sides & SIDE_W)
        seg(cx, cy, -1, cy, x);
    return best;
}

Image PathTile(int sides, bool snow)
{
    Image img = NewImage(TILE, TILE);
    Ground g = snow ? Ground::Snow : Ground::Grass;
    for (int y = 0; y < TILE; y++)
        for (int x = 0; x < TILE; x++) {
            double d = PathDepth(sides, x + 0.5, y + 0.5);
            Colour c;
            if (d >= 1)
                c = DirtAt(x, y, snow);
            else if (d >= 0)
                c = snow ? RGB(184, 186, 194) : RGB(112, 104, 60); // worn edge
            else
                c = GroundAt(g, x, y);
            Put(img, x, y, c);
        }
    return img;
}

// An open area of earth (a yard) drawn over 3 x 3 tiles: corners, edges and middle.
Image PathYard(bool snow)
{
    Image img = NewImage(3 * TILE, 3 * TILE);
    Ground g = snow ? Ground::Snow : Ground::Grass;
    for (int y = 0; y < 3 * TILE; y++)
        for (int x = 0; x < 3 * TILE; x++) {
            // Distance inside a rounded rectangle 6 px in from the outer tiles' edges.
            double qx = std::max(0.0, std::max(18.0 - (x + 0.5), (x + 0.5) - 72.0));
            double qy = std::max(0.0, std::max(18.0 - (y + 0.5), (y + 0.5) - 72.0));
            double d = 12.0 - std::hypot(qx, qy);
            Colour c;
            if (d >= 1)
                c = DirtAt(x, y, snow);
            else if (d >= 0)
                c = snow ? RGB(184, 186, 194) : RGB(112, 104, 60);
            else
                c = GroundAt(g, x, y);
            Put(img, x, y, c);
        }
    return img;
}

Image YardPiece(int col, int row, bool snow)
{
    static Image grass = PathYard(false);
    static Image snowy = PathYard(true);
    return Crop(snow ? snowy : grass, col * TILE, row * TILE, TILE, TILE);
}

// ---------------------------------------------------------------- overlays: trees

Image Tree(bool second)
{
    Image img = NewImage(TILE, TILE);
    Colour bark = RGB(104, 70, 40), barkd = RGB(74, 48, 28);
    // Trunk and roots.
    FillRect(img, 13, 17, 5, 12, bark);
    VLine(img, 17, 17, 28, barkd);
    FillRect(img, 11, 27, 9, 2, bark);
    Put(img, 10, 28, bark);
    Put(img, 20, 28, barkd);
    // The crown: overlapping round clumps of leaves in three greens.
    Colour dark = second ? RGB(62, 104, 30) : RGB(30, 96, 40);
    Colour mid = second ? RGB(96, 140, 40) : RGB(44, 128, 52);
    Colour light = second ? RGB(140, 176, 64) : RGB(84, 166, 72);
    struct Clump { double x, y, r; };
    const Clump clumps1[] = {{15, 11, 10}, {8, 13, 6}, {22, 13, 6}, {11, 6, 6}, {19, 6, 6}, {15, 16, 7}};
    const Clump clumps2[] = {{15, 10, 9}, {7, 12, 6.5}, {23, 11, 6.5}, {15, 4.5, 5}, {10, 17, 5}, {20, 17, 5}};
    const Clump *clumps = second ? clumps2 : clumps1;
    for (int i = 0; i < 6; i++)
        FillCircle(img, clumps[i].x, clumps[i].y, clumps[i].r, dark);
    for (int i = 0; i < 6; i++)
        FillCircle(img, clumps[i].x - 1, clumps[i].y - 1, clumps[i].r - 2, mid);
    for (int i = 0; i < 6; i++)
        FillCircle(img, clumps[i].x - 2, clumps[i].y - 2, clumps[i].r * 0.4, light);
    // Leaf texture: a few dark flecks inside the crown.
    for (int y = 0; y < 24; y++)
        for (int x = 0; x < TILE; x++)
            if (Get(img, x, y) == mid && Hash(x, y, second ? 12 : 11) % 7 == 0)
                Put(img, x, y, dark);
    if (second) {
        // A few red fruits.
        const int fx[] = {9, 19, 14, 23, 6};
        const int fy[] = {10, 8, 15, 14, 15};
        for (int i = 0; i < 5; i++) {
            Put(img, fx[i], fy[i], RGB(200, 40, 30));
            Put(img, fx[i] + 1, fy[i], RGB(170, 30, 24));
            Put(img, fx[i], fy[i] - 1, RGB(240, 100, 80));
        }
    }
    Outline(img, RGB(20, 36, 16));
    return img;
}

Image Pine(bool second)
{
    Image img = NewImage(TILE, TILE);
    FillRect(img, 13, 23, 4, 6, RGB(96, 62, 36));
    VLine(img, 16, 23, 28, RGB(70, 44, 26));
    Colour dark = second ? RGB(30, 76, 70) : RGB(24, 80, 44);
    Colour mid = second ? RGB(46, 104, 92) : RGB(36, 106, 56);
    Colour light = second ? RGB(84, 140, 124) : RGB(70, 140, 80);
    // Tiers from the bottom up, each a triangle a little narrower than the one below.
    const int tiers = second ? 5 : 4;
    for (int t = 0; t < tiers; t++) {
        double base = second ? 24 - t * 4.6 : 24 - t * 5.5;
        double half = second ? 10 - t * 1.7 : 13 - t * 2.6;
        double apex = base - (second ? 9 : 10);
        FillPolygon(img, {15.5 - half, base, 15.5 + half, base, 15.5, apex}, dark);
        FillPolygon(img, {15.5 - half + 1.5, base - 1.5, 15.5 + half * 0.15, base - 1.5, 15.0, apex + 2}, mid);
        FillPolygon(img, {15.5 - half + 3, base - 2.5, 14.0, base - 2.5, 14.5, apex + 4}, light);
    }
    Put(img, 15, 0, dark);
    Outline(img, RGB(14, 34, 22));
    return img;
}

Image Stump()
{
    Image img = NewImage(TILE, TILE);
    FillRect(img, 9, 19, 13, 8, RGB(110, 74, 42));      // bark
    for (int y = 19; y < 27; y++)
        for (int x = 9; x < 22; x++)
            if ((x * 3 + y) % 5 == 0)
                Put(img, x, y, RGB(84, 54, 30));
    FillRect(img, 7, 25, 3, 3, RGB(110, 74, 42));       // roots
    FillRect(img, 21, 25, 3, 3, RGB(96, 62, 36));
    FillEllipse(img, 15.5, 19, 6.5, 3, RGB(214, 180, 124)); // cut face with rings
    FillEllipse(img, 15.5, 19, 4.5, 2, RGB(188, 150, 96));
    FillEllipse(img, 15.5, 19, 2.5, 1, RGB(214, 180, 124));
    Outline(img, RGB(40, 26, 14));
    return img;
}

// ---------------------------------------------------------------- the catalogue

using Drawer = std::function<Image()>;

const std::map<std::string, Drawer> &TileDrawers()
{
    static std::map<std::string, Drawer> d;
    if (!d.empty())
        return d;
    const Ground G = Ground::Grass, S = Ground::Snow;

    d["grass/grass-tile.png"] = [] { return GroundTile(Ground::Grass, 1); };
    d["grass/grass-tile2.png"] = [] { return GroundTile(Ground::Grass, 2); };
    d["grass/grass-tile3.png"] = [] { return FlowerGrass(3, RGB(250, 250, 250)); };
    d["grass/grass-tile4.png"] = [] { return CloverGrass(4); };
    d["snow/snow-tile.png"] = [] { return GroundTile(Ground::Snow, 1); };
    d["snow/snow-tile2.png"] = [] { return GroundTile(Ground::Snow, 2); };
    d["sand/sand-tile.png"] = [] { return SandTile(); };

    // Houses.
    const std::string B = "structures/buildings/";
    d[B + "floor-marble.png"] = [] { return FloorTile(Floor::Marble); };
    d[B + "brick.png"] = [G] { return HousePiece(Piece::Top, G); };
    d[B + "brick-window.png"] = [G] {
        Image img = HousePiece(Piece::Top, G);
        BrickWindow(img, 8, 10, false);
        return img;
    };
    struct Season { const char *name; Ground g; };
    for (Season s : {Season{"grass", G}, Season{"snow", S}}) {
        Ground g = s.g;
        std::string sn = s.name;
        std::string suffix = g == S ? "-snow" : "";
        d[B + "brick-corner-left" + suffix + ".png"] = [g] { return HousePiece(Piece::TopLeft, g); };
        d[B + "brick-corner-right" + suffix + ".png"] = [g] { return HousePiece(Piece::TopRight, g); };
        d[B + "brick-marble-left" + suffix + ".png"] = [g] { return HousePiece(Piece::Left, g); };
        d[B + "brick-marble-right" + suffix + ".png"] = [g] { return HousePiece(Piece::Right, g); };
        d[B + "brick-" + sn + "-left.png"] = [g] { return HousePiece(Piece::BottomLeft, g); };
        d[B + "brick-" + sn + ".png"] = [g] { return HousePiece(Piece::Bottom, g); };
        d[B + "brick-" + sn + "-right.png"] = [g] { return HousePiece(Piece::BottomRight, g); };
        d[B + "brick-" + sn + "-window.png"] = [g] {
            Image img = HousePiece(Piece::Bottom, g);
            BrickWindow(img, 8, 7, true);
            return img;
        };
    }
    d[B + "door.png"] = [G] { return HouseDoor(G, DoorLook::Closed); };
    d[B + "door-snow.png"] = [S] { return HouseDoor(S, DoorLook::Closed); };
    d[B + "door-open-marble.png"] = [G] { return HouseDoor(G, DoorLook::OpenMarble); };
    d[B + "door-open-marble-snow.png"] = [S] { return HouseDoor(S, DoorLook::OpenMarble); };

    // The tavern.
    const std::string T = "structures/tavern/";
    d[T + "tavern-floor.png"] = [] { return FloorTile(Floor::Tavern); };
    d[T + "tavern-floor-reflect.png"] = [] { return TavernFloorReflect(); };
    d[T + "bar-stool.png"] = [] { return BarStool(); };
    d[T + "table-and-chairs-tl.png"] = [] { return Crop(TableAndChairs(), 0, 0, TILE, TILE); };
    d[T + "table-and-chairs-tr.png"] = [] { return Crop(TableAndChairs(), TILE, 0, TILE, TILE); };
    d[T + "table-and-chairs-bl.png"] = [] { return Crop(TableAndChairs(), 0, TILE, TILE, TILE); };
    d[T + "table-and-chairs-br.png"] = [] { return Crop(TableAndChairs(), TILE, TILE, TILE, TILE); };
    d[T + "tavern-wall-left-corner.png"] = [] { return TavernPiece(Piece::TopLeft); };
    d[T + "tavern-wall-right-corner.png"] = [] { return TavernPiece(Piece::TopRight); };
    d[T + "brick-tavern-inside.png"] = [] { return TavernPiece(Piece::Top); };
    d[T + "brick-tavern-inside-torch.png"] = [] { return TavernTorch(); };
    d[T + "brick-wood-left.png"] = [] { return TavernPiece(Piece::Left); };
    d[T + "brick-wood-right.png"] = [] { return TavernPiece(Piece::Right); };
    d[T + "bar-left-corner.png"] = [] { return Crop(BarCounter(), 0, 0, TILE, TILE); };
    d[T + "bar-top.png"] = [] { return Crop(BarCounter(), TILE, 0, TILE, TILE); };
    d[T + "bar-right-corner.png"] = [] { return Crop(BarCounter(), 2 * TILE, 0, TILE, TILE); };
    d[T + "bar-left.png"] = [] { return Crop(BarCounter(), 0, TILE, TILE, TILE); };
    d[T + "bar-right.png"] = [] { return Crop(BarCounter(), 2 * TILE, TILE, TILE, TILE); };
    d[T + "bar-left-end.png"] = [] { return Crop(BarCounter(), 0, 2 * TILE, TILE, TILE); };
    d[T + "bar-right-end.png"] = [] { return Crop(BarCounter(), 2 * TILE, 2 * TILE, TILE, TILE); };
    d[T + "tavern-wall-left-grass.png"] = [] { return TavernWallEnd(true); };
    d[T + "tavern-wall-grass.png"] = [] { return TavernPiece(Piece::Bottom); };
    d[T + "tavern-sign-grass.png"] = [] { return TavernSign(); };
    d[T + "tavern-wall-right-grass.png"] = [] { return TavernWallEnd(false); };
    d[T + "tavern-door-open.png"] = [G] { return HouseDoor(G, DoorLook::OpenTavern); };

    // The inn.
    const std::string I = "structures/inn/";
    d[I + "inn-floor.png"] = [] { return FloorTile(Floor::Inn); };
    d[I + "inn-window-light-left.png"] = [] { return Crop(InnWindowLight(), 0, 0, TILE, TILE); };
    d[I + "inn-window-light-right.png"] = [] { return Crop(InnWindowLight(), TILE, 0, TILE, TILE); };
    d[I + "inn-wall.png"] = [G] { return InnPiece(Piece::Top, G); };
    d[I + "inn-window-inside-left.png"] = [] { return Crop(InnWindowInside(), 0, 0, TILE, TILE); };
    d[I + "inn-window-inside-right.png"] = [] { return Crop(InnWindowInside(), TILE, 0, TILE, TILE); };
    d[I + "inn-fire-left.png"] = [] { return Crop(InnFireplace(), 0, 0, TILE, TILE); };
    d[I + "inn-fire-right.png"] = [] { return Crop(InnFireplace(), TILE, 0, TILE, TILE); };
    for (Season s : {Season{"grass", G}, Season{"snow", S}}) {
        Ground g = s.g;
        std::string suffix = g == S ? "-snow" : "";
        d[I + "inn-wall-left-corner" + suffix + ".png"] = [g] { return InnPiece(Piece::TopLeft, g); };
        d[I + "inn-wall-right-corner" + suffix + ".png"] = [g] { return InnPiece(Piece::TopRight, g); };
        d[I + "inn-wall-" + s.name + ".png"] = [g] { return InnPiece(Piece::Bottom, g); };
        d[I + "inn-wall-left" + suffix + ".png"] = [g] { return InnWallEnd(true, g); };
        d[I + "inn-wall-right" + suffix + ".png"] = [g] { return InnWallEnd(false, g); };
        d[I + "inn-wall-left-vert" + suffix + ".png"] = [g] { return InnPiece(Piece::Left, g); };
        d[I + "inn-wall-right-vert" + suffix + ".png"] = [g] { return InnPiece(Piece::Right, g); };
        d[I + "inn-window-left" + suffix + ".png"] = [g] { return Crop(InnWindowOutside(g), 0, 0, TILE, TILE); };
        d[I + "inn-window-right" + suffix + ".png"] = [g] { return Crop(InnWindowOutside(g), TILE, 0, TILE, TILE); };
        d[I + "inn-door" + suffix + ".png"] = [g] { return InnDoor(g, false); };
        d[I + "inn-door-open" + suffix + ".png"] = [g] { return InnDoor(g, true); };
    }

    // The town wall. Straight pieces: the walk with its parapet (top) above the face
    // (bottom), left and right alternating; corners, joins and sides are the walk alone.
    const std::string W = "structures/walls/stonewall-";
    for (bool snow : {false, true}) {
        std::string sn = snow ? "snow-" : "grass-";
        d[W + sn + "top-left.png"] = [snow] { return WallTop(101, snow); };
        d[W + sn + "top-right.png"] = [snow] { return WallTop(102, snow); };
        d[W + sn + "bottom-left.png"] = [snow] { return WallFace(103, true, snow); };
        d[W + sn + "bottom-right.png"] = [snow] { return WallFace(104, false, snow); };
        d[W + sn + "left-corner-top.png"] = [snow] { return WallCornerTop(false, 105, snow); };
        d[W + sn + "right-corner-top.png"] = [snow] { return WallCornerTop(true, 106, snow); };
        d[W + sn + "left-corner-bottom.png"] = [snow] { return Paving(107, snow); };
        d[W + sn + "right-corner-bottom.png"] = [snow] { return Paving(108, snow); };
        d[W + sn + "left-join.png"] = [snow] { return Paving(109, snow); };
        d[W + sn + "right-join.png"] = [snow] { return Paving(110, snow); };
        d[W + sn + "left-ns.png"] = [snow] { return Paving(111, snow); };
        d[W + sn + "right-ns.png"] = [snow] { return Paving(112, snow); };
    }
    d[W + "ns-gate-tl.png"] = [] { return GatePiece(0, 0); };
    d[W + "ns-gate-bl.png"] = [] { return GatePiece(0, 1); };
    d[W + "ns-gate-tr.png"] = [] { return GatePiece(3, 0); };
    d[W + "ns-gate-br.png"] = [] { return GatePiece(3, 1); };
    d[W + "ns-gate-ml.png"] = [] { return GatePiece(1, 0); };
    d[W + "ns-gate-mr.png"] = [] { return GatePiece(2, 0); };

    // Paths. A turn is named by the corner its bend points to: turn-sw joins north and east.
    for (bool snow : {false, true}) {
        std::string P = snow ? "path/path-snow-" : "path/path-grass-";
        d[P + "turn-ne.png"] = [snow] { return PathTile(SIDE_S | SIDE_W, snow); };
        d[P + "turn-nw.png"] = [snow] { return PathTile(SIDE_S | SIDE_E, snow); };
        d[P + "turn-se.png"] = [snow] { return PathTile(SIDE_N | SIDE_W, snow); };
        d[P + "turn-sw.png"] = [snow] { return PathTile(SIDE_N | SIDE_E, snow); };
        d[P + "branch-up.png"] = [snow] { return PathTile(SIDE_N | SIDE_E | SIDE_W, snow); };
        d[P + "ew.png"] = [snow] { return PathTile(SIDE_E | SIDE_W, snow); };
        d[P + "ns.png"] = [snow] { return PathTile(SIDE_N | SIDE_S, snow); };
        d[P + "corner-tl.png"] = [snow] { return YardPiece(0, 0, snow); };
        d[P + "top.png"] = [snow] { return YardPiece(1, 0, snow); };
        d[P + "corner-tr.png"] = [snow] { return YardPiece(2, 0, snow); };
        d[P + "left.png"] = [snow] { return YardPiece(0, 1, snow); };
        d[P + "right.png"] = [snow] { return YardPiece(2, 1, snow); };
        d[P + "corner-bl.png"] = [snow] { return YardPiece(0, 2, snow); };
        d[P + "bottom.png"] = [snow] { return YardPiece(1, 2, snow); };
        d[P + "corner-br.png"] = [snow] { return YardPiece(2, 2, snow); };
    }
    d["path/path-middle.png"] = [] { return YardPiece(1, 1, false); };

    // Overlays.
    d["blank.png"] = [] { return NewImage(TILE, TILE); };
    d["tree.png"] = [] { return Tree(false); };
    d["tree2.png"] = [] { return Tree(true); };
    d["pine.png"] = [] { return Pine(false); };
    d["pine2.png"] = [] { return Pine(true); };
    d["stump.png"] = [] { return Stump(); };
    return d;
}

} // namespace

bool DrawTilePicture(const std::string &file, Image &out)
{
    const auto &d = TileDrawers();
    auto it = d.find(file);
    if (it == d.end())
        return false;
    out = it->second();
    return true;
}
