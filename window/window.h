#pragma once

// The window layer: which window the ride is drawn in, how a finished picture reaches it, and
// noticing the window taken away. The rest of the program calls only what is declared here;
// window/window_internal.h is the layer's own (and its tests').
//
// The previous picture is kept for the next frame one way per driver:
// - a driver offering GLX_EXT_buffer_age: drawn into the window, the age asked after each swap;
//   where it is not 1 at a steady size, drawn into a framebuffer object until the next resize;
// - a hardware renderer without it: always drawn into a framebuffer object, blitted once a frame;
// - a software renderer without it (llvmpipe under Xvfb): drawn into the window and every swap
//   checked with a few short reads; a swap that loses the picture at a steady size moves it
//   into the framebuffer object for good.
// A multisampled window takes the framebuffer object's picture as a textured quad, since a blit
// into it is invalid, and where the driver offers buffer age it always keeps the picture there:
// the age tells nothing of the multisample buffer the next frame draws over. No frame grabs the
// X server or waits for it to learn the window's size; only the software way reads pixels back.
//
// The software way clears nothing (glClear with mask 0) after the swap, before it reads the
// back buffer's samples: Mesa's software driver takes the window's new size at its first look
// after a swap, and a read alone would clip to the old size. OpenGL's rules do not promise that
// such a clear makes a driver look at its window's size. A driver that skips the look reads
// clipped samples after a resize, which then differ from those shown: the swap counts as lost
// and, at a steady size, the way falls back to the framebuffer object. Slower, never wrong.

// Where the ride is drawn.
enum class Host {
  ownWindow,  // a full-screen window of its own
  window,     // a window another program gives, such as a screen-saver host or its preview
  root,       // the screen's root window
};

// Before the toolkit opens anything: opens the display (displayName, null: $DISPLAY) on a
// connection that stays to watch the windows, and finds the window to draw in (the given ID,
// or the root window). False, with one line for the user in error, when the display or the
// window cannot be had: no display named, or none that opens, says what to set.
bool findHostWindow(Host host, unsigned long windowId, const char* displayName, char (&error)[128]);

// Whether findHostWindow found a window to draw in: the program then takes no input, warps no
// pointer and shows no menu, since input belongs to the host.
bool windowIsHosted();

// Puts the toolkit's current window inside the host's window, filling it, and follows the
// host's size and mapping from its events. A host window that goes ends the program quietly.
void enterHostWindow();

// The X resource string, where desktops set Xft.dpi (null where none is set); no round trip.
const char* desktopResources();

// The text scale follows the monitor the window is on: heightChanged gets the height of the
// monitor that holds the current window's centre (the screen's where the server lists none),
// at once, then whenever a move or a resize (followMonitorSize, from the reshape callback)
// brings the window onto a monitor of another height. The monitors are listed once; a move asks
// the server once where the window is, never a frame.
void followMonitorHeight(void (*heightChanged)(int height));
void followMonitorSize(int width, int height);

// Makes the toolkit's current window cover one monitor: under a window manager it asks the
// manager, as glutFullScreen does; with none, it gives the window the place and size of the
// monitor the pointer is on (XRandR's, else the whole screen). A few round trips.
void enterFullScreen();

// The window -geometry asks for (null: none), read as the toolkit reads it: its width and
// height where it gives them from 1 to 32767, else 512 each; placed, whether it gives a place,
// which the toolkit then takes.
struct AskedWindow {
  int width, height;
  bool placed;
};
AskedWindow askedWindow(const char* geometry);

// With no window manager, centres the toolkit's current window, width x height, on the monitor
// the pointer is on, where the toolkit would leave it at (-1, -1), partly off the screen.
void placeOwnWindow(int width, int height);

// Names the current window's class ("gyrotrak", "Gyrotrak"), which the toolkit leaves unset: a
// desktop's dock or task list matches a running window to its menu entry and icon by it.
void nameWindowClass();

// Calls seenChanged whenever the picture stops or starts being seen: the window minimised,
// unmapped or reported fully covered, or a host's window unmapped, and back again.
void followVisibility(void (*seenChanged)(bool seen));

// Frame pacing. startPacing, once the window exists, ties swaps to the display's refresh where
// the driver can and sets the pace: paceText (the -pace option, else GYROTRAK_FPS), 0
// for none, else (null, or not a whole number) the display's refresh rate (60 where unknown).
// waitForFrameSlot, before each frame is asked for, waits out what is left of the period since
// the last frame (never more than one period); a late frame is followed at once.
void startPacing(const char* paceText);
constexpr long long mostFramesPerSecond = 100000;  // the fastest pace one may ask for
void waitForFrameSlot();

// Called before the toolkit starts: X errors are never printed, so a window destroyed while the
// toolkit starts (a window manager's that quit, the program's own closed at once) cannot end
// the program with the X library's message and status 1. Once the window is watched, an error
// that says it (or the host's window) does not exist ends the program at once with status 0,
// inside the failing request, before the driver can use its answer.
void quietenXErrors();

// Watches the current window: its destruction (from its DestroyNotify event where no request
// fails first), or a kill of the program's connection, ends the program with status 0 and
// without a word.
void watchForWindowLoss();

// Calls closing when the window manager asks the window to close, as a close button does, just
// before the toolkit ends the program.
void onCloseRequest(void (*closing)());

// The window's size as the reshape callback gives it: recorded in windowWidth and windowHeight
// (a new size loses the picture), the way of keeping the picture chosen again, and a framebuffer
// object made at the new size where the way needs one.
void followWindowSize(int width, int height);

// The window's size as the toolkit last reported it. Written only by followWindowSize; every
// frame reads it instead of asking the toolkit or the server.
extern int windowWidth;
extern int windowHeight;

// Ends a frame: shows the finished picture with the toolkit's swap and keeps it for the next
// frame. Whatever is drawn between frames lands in the kept picture.
void showPicture();

// Deletes what keeps the picture and draws into the window again; called on the way out.
void releasePicture();

// One unit is one pixel over the whole width x height window, letterbox bars included: the
// viewport covers the window, the projection is orthographic with (0, 0) at the bottom-left and
// the model-view is the identity, current.
void useWholeWindowPixels(int width, int height);
