#pragma once

// What the driver says about its buffer swap and about itself, asked through GLX and GL for the
// current context's window.

struct DriverReport {
  bool bufferAge;  // GLX_EXT_buffer_age: the back buffer's age can be asked after every swap
  bool software;   // the renderer draws on the processor, as Mesa's llvmpipe does
  // The window has a multisample buffer, as on desktops whose driver settings force
  // antialiasing: drawing lands in it, and each swap shows it resolved.
  bool multisampled;
};

// Asks once per call, with the window's framebuffer bound; without a current GLX context it
// reports a software renderer without buffer age, the case that trusts the driver least cheaply.
DriverReport askDriver();

// The back buffer's age as GLX_EXT_buffer_age reports it: 1 when it holds the picture just
// shown, 0 when its content is undefined, n when it holds the picture shown n swaps ago; -1 when
// it cannot be asked.
int backBufferAge();

// Whether the renderer draws on the processor: GLX_MESA_query_renderer's answer where the driver
// gives one (accelerated 0 or 1; -1 where it cannot be asked), else the renderer's name.
bool isSoftwareRenderer(int accelerated, const char* renderer);
