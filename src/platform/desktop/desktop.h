// The game on the player's desktop: whether there is a display at all, the window's scale
// for the desktop's size, crisp scaling and the renderer that shows the picture. These are
// defaults only: whatever the player set in the environment (SDL12COMPAT_WINDOW_SCALING,
// SDL12COMPAT_SCALE_METHOD, SDL_RENDER_DRIVER, SDL_FRAMEBUFFER_ACCELERATION) stays.
#pragma once

// Room kept free above and around the window for the window manager's frame and title.
constexpr int WINDOW_FRAME_ALLOWANCE = 48;

// Before SDL_Init: crisp scaling and the renderer's defaults.
void ChooseDesktopDefaults();
// After SDL_Init: false when SDL found no display and fell back to a driver that shows
// nothing, without the player asking for one with SDL_VIDEODRIVER.
bool DisplayFound();
// After SDL_Init, before the video mode: the largest whole scale of the 800 x 600 picture
// that fits the desktop's usable area (1 when it cannot be told). Returns the scale chosen,
// or 0 when the player chose one.
int ChooseWindowScale();
// The largest whole scale of the picture that fits a usable area of w x h pixels.
int FittingScale(int w, int h);
// Takes back the renderer defaults (when no window could be opened with them); true when
// there were any.
bool ForgetPresentDefaults();
