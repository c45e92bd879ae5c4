// The game's single pictures and its two sounds. The tile, creature and item pictures
// are in their catalogues. Both the game and the picture generator read these.
#pragma once

// Under the data root.
constexpr const char *PIC_FONT = "images/font.png";
constexpr const char *PIC_LOGO = "images/logo.png";
constexpr const char *PIC_BACKGROUND = "images/background.jpg";
constexpr const char *PIC_LOADBOX = "images/loadbox.png";
constexpr const char *PIC_ICON = "images/icon.bmp";
constexpr const char *PIC_CROW = "images/crow.png";
constexpr const char *PIC_CLOUD = "images/cloud.png";
constexpr const char *PIC_TOMBSTONE = "images/tombstone.jpg";
constexpr const char *PIC_MAPCURSOR = "images/mapcursor.png";
constexpr const char *PIC_PLAYER = "images/player.png";
constexpr const char *PIC_CLOTHES = "images/clothes.png";
constexpr const char *PIC_HIGHLIGHTER = "images/highlighter.png";
constexpr const char *PIC_BOTTOMBAR = "images/bottombar.png";
constexpr const char *PIC_STATSBAR = "images/statsbar.png";

// Directories under the data root that hold the catalogue pictures.
constexpr const char *DIR_TILES = "images/tiles/";
constexpr const char *DIR_MONSTERS = "images/monsters/";
constexpr const char *DIR_ITEMS = "images/items/";
constexpr const char *DIR_SMALLITEMS = "images/smallitems/";

// The name of the desktop's icon (hicolor theme), given by the menu entry.
constexpr const char *DESKTOP_ICON = "quorvane";

// Relative to the working directory.
constexpr const char *SOUND_CROW = "sounds/crow.wav";
constexpr const char *SOUND_DIE = "sounds/die.wav";
