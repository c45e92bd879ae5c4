#include "world/level.h"

#include "shell/dice.h"
#include "player/player.h"
#include "shell/global.h"
#include "shell/main.h"
#include "shell/pictures.h"
#include "keep/state.h"

int worldmap[MAP_HEIGHT][MAP_WIDTH];
int overmap[MAP_HEIGHT][MAP_WIDTH];
SDL_Surface *tileimages[NUM_TILES];
SDL_Surface *tileoverimages[NUM_OVERLAYS];
HouseRecord houses[BLOCK_ROWS][BLOCK_COLS];
int snowfactor;
bool draw_from_scratch;

// The ground layer and the TileId drawn in each of its view cells (NO_GROUND: only the fill;
// STALE: not drawn yet).
constexpr int NO_GROUND = -1;
constexpr int STALE = -2;
static SDL_Surface *groundlayer;
static int groundtiles[VIEW_ROWS][VIEW_COLS];
static Uint32 groundfill;
// Overlays whose every pixel is the colour key draw nothing and are not drawn.
static bool blankoverlay[NUM_OVERLAYS];

void WalkGrids(StateWalker &w)
{
    for (int y = 0; y < MAP_HEIGHT; y++) {
        w.Section("row");
        for (int x = 0; x < MAP_WIDTH; x++) {
            w.Int(worldmap[y][x], 0, NUM_TILES - 1);
            w.Int(overmap[y][x], 0, NUM_OVERLAYS - 1);
        }
    }
}

bool IsWinter()
{
    return gamedays > LAST_SUMMER_DAY;
}

// True when every pixel of a keyed picture is its colour key.
static bool IsBlankPicture(SDL_Surface *img)
{
    if (!img || !(img->flags & SDL_SRCCOLORKEY))
        return false;
    // The colour key is read back through a plain copy: a keyed picture may be RLE-coded.
    SDL_Surface *copy = SDL_CreateRGBSurface(SDL_SWSURFACE, img->w, img->h, 32, 0xff0000, 0xff00, 0xff, 0xff000000);
    if (!copy)
        return false;
    SDL_FillRect(copy, nullptr, 0);
    SDL_BlitSurface(img, nullptr, copy, nullptr);
    bool blank = true;
    SDL_LockSurface(copy);
    for (int y = 0; y < copy->h && blank; y++) {
        const Uint32 *row = reinterpret_cast<const Uint32 *>(static_cast<const Uint8 *>(copy->pixels) + y * copy->pitch);
        for (int x = 0; x < copy->w && blank; x++)
            blank = row[x] == 0;
    }
    SDL_UnlockSurface(copy);
    SDL_FreeSurface(copy);
    return blank;
}

void InitMap()
{
    for (int i = 0; i < NUM_TILES; i++) {
        FreePicture(tileimages[i]);
        tileimages[i] = LoadPictureIn(DIR_TILES, tile_images[i]);
    }
    for (int i = 0; i < NUM_OVERLAYS; i++) {
        FreePicture(tileoverimages[i]);
        tileoverimages[i] = LoadPictureIn(DIR_TILES, tile_over_images[i]);
        blankoverlay[i] = IsBlankPicture(tileoverimages[i]);
    }
    ForgetGround();
}

// Draws one grid into the view; cells outside the map, pictures that failed to load and
// pictures marked in skip (when given) draw nothing, so what is beneath shows there.
static void DrawGrid(const int (&grid)[MAP_HEIGHT][MAP_WIDTH], SDL_Surface *const *pictures, int count, int top,
                     int left, const bool *skip = nullptr)
{
    for (int i = 0; i < VIEW_COLS; i++) {
        for (int j = 0; j < VIEW_ROWS; j++) {
            int x = left + i;
            int y = top + j;
            if (!OnMap(x, y))
                continue;
            int t = grid[y][x];
            if (t < 0 || t >= count || (skip && skip[t]))
                continue;
            DrawIMG(pictures[t], TILE_SIZE * i, TILE_SIZE * j);
        }
    }
}

void DrawMap(int top, int left)
{
    DrawGrid(worldmap, tileimages, NUM_TILES, top, left);
}

void DrawOverMap(int top, int left)
{
    DrawGrid(overmap, tileoverimages, NUM_OVERLAYS, top, left, draw_from_scratch ? nullptr : blankoverlay);
}

void ForgetGround()
{
    for (auto &row : groundtiles)
        for (int &t : row)
            t = STALE;
}

static void FreeGround()
{
    if (groundlayer)
        SDL_FreeSurface(groundlayer);
    groundlayer = nullptr;
}

// A layer of the screen's size and format, all fill colour, no cell drawn.
static bool MakeGround()
{
    const SDL_PixelFormat *f = screen->format;
    groundlayer = SDL_CreateRGBSurface(SDL_SWSURFACE, screen->w, screen->h, f->BitsPerPixel, f->Rmask, f->Gmask,
                                       f->Bmask, f->Amask);
    if (!groundlayer)
        return false;
    groundfill = bgcolor;
    SDL_FillRect(groundlayer, nullptr, groundfill);
    ForgetGround();
    return true;
}

void DrawGround(int top, int left)
{
    if (!screen)
        return;
    bool fits = groundlayer && groundlayer->w == screen->w && groundlayer->h == screen->h &&
                groundlayer->format->BitsPerPixel == screen->format->BitsPerPixel && groundfill == bgcolor;
    if (!fits)
        FreeGround();
    if (draw_from_scratch || (!groundlayer && !MakeGround())) {
        SDL_FillRect(screen, nullptr, bgcolor);
        DrawMap(top, left);
        return;
    }
    for (int j = 0; j < VIEW_ROWS; j++) {
        for (int i = 0; i < VIEW_COLS; i++) {
            int x = left + i;
            int y = top + j;
            int t = OnMap(x, y) ? worldmap[y][x] : NO_GROUND;
            if (t < 0 || t >= NUM_TILES)
                t = NO_GROUND;
            if (groundtiles[j][i] == t)
                continue;
            groundtiles[j][i] = t;
            SDL_Rect cell = {static_cast<Sint16>(TILE_SIZE * i), static_cast<Sint16>(TILE_SIZE * j), TILE_SIZE, TILE_SIZE};
            SDL_FillRect(groundlayer, &cell, groundfill);
            if (t != NO_GROUND && tileimages[t])
                SDL_BlitSurface(tileimages[t], nullptr, groundlayer, &cell);
        }
    }
    SDL_BlitSurface(groundlayer, nullptr, screen, nullptr);
}

void DeinitMap()
{
    FreeGround();
    for (SDL_Surface *&img : tileimages)
        FreePicture(img);
    for (SDL_Surface *&img : tileoverimages)
        FreePicture(img);
}

static void SetGround(int x, int y, int tile)
{
    if (OnMap(x, y))
        worldmap[y][x] = tile;
}

static int GroundAt(int x, int y)
{
    return OnMap(x, y) ? worldmap[y][x] : -1;
}

int BuildHouse(int, int blockrow, int blockcol, int top, int left)
{
    if (blockrow < 0 || blockrow >= BLOCK_ROWS || blockcol < 0 || blockcol >= BLOCK_COLS)
        return 0;
    HouseRecord &r = houses[blockrow][blockcol];
    const int w = r.width;
    const int h = r.height;
    const bool winter = IsWinter();

    for (int x = left + 1; x <= left + w - 2; x++)
        SetGround(x, top, TILE_HOUSE_TOP);
    r.doorx = RandNum(2, w - 3);

    snowfactor = winter ? WINTER_HOUSE_WALL : 0;
    SetGround(left, top, TILE_HOUSE_CORNER_LEFT + snowfactor);
    SetGround(left + w - 1, top, TILE_HOUSE_CORNER_RIGHT + snowfactor);
    SetGround(left, top + h - 1, TILE_HOUSE_BOTTOM_LEFT + snowfactor);
    SetGround(left + w - 1, top + h - 1, TILE_HOUSE_BOTTOM_RIGHT + snowfactor);
    for (int x = left + 1; x <= left + w - 2; x++)
        SetGround(x, top + h - 1, TILE_HOUSE_BOTTOM + snowfactor);
    for (int y = top + 1; y <= top + h - 2; y++) {
        SetGround(left, y, TILE_HOUSE_SIDE_LEFT + snowfactor);
        SetGround(left + w - 1, y, TILE_HOUSE_SIDE_RIGHT + snowfactor);
    }

    snowfactor = 0;
    for (int y = top + 1; y <= top + h - 2; y++)
        for (int x = left + 1; x <= left + w - 2; x++)
            SetGround(x, y, TILE_MARBLE_FLOOR);

    snowfactor = winter ? WINTER_HOUSE_DOOR : 0;
    SetGround(left + r.doorx, top + h - 1, TILE_HOUSE_DOOR + snowfactor);

    snowfactor = 0;
    r.windowx = RandNum(2, w - 3);
    SetGround(left + r.windowx, top, TILE_HOUSE_WINDOW);
    return r.windowx;
}

// One block: its building, and below a door of rows 0..3 the path down to the row's path.
static void BuildBlock(int kind, int row, int col, int innslot, int tavernslot, bool winter)
{
    HouseRecord &r = houses[row][col];
    r.type = HOUSE_PLAIN;
    r.width = RandNum(6, 8);
    r.height = RandNum(6, 8);
    if (row == 0 && col == innslot) {
        r.type = HOUSE_INN;
        r.width = INN_WIDTH;
        r.height = INN_HEIGHT;
        r.doorx = TEMPLATE_DOOR_COLUMN;
        r.windowx = 0;
    } else if (row == 1 && col == tavernslot) {
        r.type = HOUSE_TAVERN;
        r.width = TAVERN_WIDTH;
        r.height = TAVERN_HEIGHT;
        r.doorx = TEMPLATE_DOOR_COLUMN;
        r.windowx = 0;
    }
    r.y = BLOCK_HEIGHT * row + RandNum(1, 11 - r.height);
    r.x = BLOCK_WIDTH * col + RandNum(2, 19 - r.width);

    if (r.type == HOUSE_TAVERN) {
        snowfactor = 0;
        for (int j = 0; j < TAVERN_HEIGHT; j++)
            for (int i = 0; i < TAVERN_WIDTH; i++)
                SetGround(r.x + i, r.y + j, tavernmap[j][i]);
    } else if (r.type == HOUSE_INN) {
        snowfactor = winter ? WINTER_INN : 0;
        for (int j = 0; j < INN_HEIGHT; j++)
            for (int i = 0; i < INN_WIDTH; i++)
                SetGround(r.x + i, r.y + j, innmap[j][i] + snowfactor);
    } else {
        BuildHouse(kind, row, col, r.y, r.x);
    }

    if (row != BLOCK_ROWS - 1) {
        snowfactor = winter ? WINTER_PATH : 0;
        for (int y = r.y + r.height; y <= BLOCK_HEIGHT * row + BLOCK_HEIGHT - 1; y++)
            SetGround(r.x + r.doorx, y, TILE_PATH_NS + snowfactor);
    }
}

// The east-west path along the bottom row of a block row, from below the first door to
// below the last, with a branch wherever a door path comes down to it.
static void BuildRowPath(int row, bool winter)
{
    snowfactor = winter ? WINTER_PATH : 0;
    const int y = BLOCK_HEIGHT * row + BLOCK_HEIGHT - 1;
    const int a = houses[row][0].x + houses[row][0].doorx;
    const int b = houses[row][BLOCK_COLS - 1].x + houses[row][BLOCK_COLS - 1].doorx;
    for (int x = a + 1; x < b; x++) {
        if (GroundAt(x, y) == TILE_PATH_NS + snowfactor)
            SetGround(x, y, TILE_PATH_BRANCH_UP + snowfactor);
        else
            SetGround(x, y, TILE_PATH_EW + snowfactor);
    }
    SetGround(a, y, TILE_PATH_TURN_SW + snowfactor);
    SetGround(b, y, TILE_PATH_TURN_SE + snowfactor);
}

static void BuildTown(int kind)
{
    const bool winter = IsWinter();

    snowfactor = 0;
    for (int x = 0; x < MAP_WIDTH; x++) {
        for (int y = 0; y < MAP_HEIGHT; y++) {
            worldmap[y][x] = winter ? RandNum(TILE_SNOW, TILE_SNOW + 1) : RandNum(TILE_GRASS, TILE_GRASS + 1);
            overmap[y][x] = OVER_NONE;
        }
    }

    // The town wall, two rows thick at the top and the bottom.
    snowfactor = winter ? WINTER_TOWN_WALL : 0;
    const int s = snowfactor;
    const int bottom = MAP_HEIGHT - 1;
    const int east = MAP_WIDTH - 1;
    for (int x = 1; x <= MAP_WIDTH - 3; x += 2) {
        SetGround(x, 0, TILE_TOWN_WALL_TOP_LEFT + s);
        SetGround(x + 1, 0, TILE_TOWN_WALL_TOP_RIGHT + s);
        SetGround(x, 1, TILE_TOWN_WALL_BOTTOM_LEFT + s);
        SetGround(x + 1, 1, TILE_TOWN_WALL_BOTTOM_RIGHT + s);
        SetGround(x, bottom - 1, TILE_TOWN_WALL_TOP_LEFT + s);
        SetGround(x + 1, bottom - 1, TILE_TOWN_WALL_TOP_RIGHT + s);
        SetGround(x, bottom, TILE_TOWN_WALL_BOTTOM_LEFT + s);
        SetGround(x + 1, bottom, TILE_TOWN_WALL_BOTTOM_RIGHT + s);
    }
    SetGround(0, 0, TILE_TOWN_CORNER_LEFT_TOP + s);
    SetGround(0, 1, TILE_TOWN_CORNER_LEFT_BOTTOM + s);
    SetGround(east, 0, TILE_TOWN_CORNER_RIGHT_TOP + s);
    SetGround(east, 1, TILE_TOWN_CORNER_RIGHT_BOTTOM + s);
    SetGround(0, bottom - 1, TILE_TOWN_JOIN_LEFT + s);
    SetGround(0, bottom, TILE_TOWN_WALL_BOTTOM_LEFT + s);
    SetGround(east, bottom - 1, TILE_TOWN_JOIN_RIGHT + s);
    SetGround(east, bottom, TILE_TOWN_WALL_BOTTOM_RIGHT + s);
    for (int y = 2; y <= bottom - 2; y++) {
        SetGround(0, y, TILE_TOWN_SIDE_LEFT + s);
        SetGround(east, y, TILE_TOWN_SIDE_RIGHT + s);
    }

    // The gates look the same in every season, their floor too.
    snowfactor = 0;
    for (int g : {GATE_WEST, GATE_EAST}) {
        SetGround(g, bottom - 1, TILE_GATE_TOP_LEFT);
        SetGround(g, bottom, TILE_GATE_BOTTOM_LEFT);
        for (int x = g + 1; x <= g + 2; x++) {
            SetGround(x, bottom - 1, TILE_GRASS);
            SetGround(x, bottom, TILE_GRASS);
        }
        SetGround(g + 3, bottom - 1, TILE_GATE_TOP_RIGHT);
        SetGround(g + 3, bottom, TILE_GATE_BOTTOM_RIGHT);
        overmap[bottom - 1][g + 1] = OVER_GATE_LEFT;
        overmap[bottom - 1][g + 2] = OVER_GATE_RIGHT;
    }

    const int innslot = RandNum(0, BLOCK_COLS - 1);
    const int tavernslot = RandNum(0, BLOCK_COLS - 1);
    for (int row = 0; row < BLOCK_ROWS; row++) {
        for (int col = 0; col < BLOCK_COLS; col++)
            BuildBlock(kind, row, col, innslot, tavernslot, winter);
        if (row != BLOCK_ROWS - 1)
            BuildRowPath(row, winter);
    }
    snowfactor = 0;
}

void NewMap(int kind)
{
    ForgetGround();
    switch (kind) {
    case AREA_TOWN:
        BuildTown(kind);
        break;
    case AREA_WILDERNESS:
        for (int x = 0; x < MAP_WIDTH; x++) {
            for (int y = 0; y < MAP_HEIGHT; y++) {
                worldmap[y][x] = RandNum(TILE_GRASS, TILE_GRASS + 1);
                int t = RandNum(-20, 4);
                overmap[y][x] = t >= 1 ? t : OVER_NONE;
            }
        }
        break;
    case AREA_GRASSLAND:
        // The overlays of the area left behind stay where they were.
        for (int x = 0; x < MAP_WIDTH; x++)
            for (int y = 0; y < MAP_HEIGHT; y++)
                worldmap[y][x] = RandNum(TILE_GRASS, TILE_GRASS + 1);
        break;
    default:
        // No builder for this kind: the area left behind stays as it was.
        break;
    }

    // Nobody starts inside a wall or a closed door: move south, at most to the last row.
    if (OnMap(player.x, player.y)) {
        while (IsBlockingTile(worldmap[player.y][player.x]) && player.y < MAP_HEIGHT - 1)
            player.y += 1;
    }
}
