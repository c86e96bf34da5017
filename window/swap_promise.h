#pragma once

// What the window system's driver says about its buffer swap, asked through GLX for the
// current context's window.

struct SwapPromise {
  bool bufferAge;  // GLX_EXT_buffer_age: the back buffer's age can be asked after every swap
  bool copySwap;   // the window's configuration has the copying swap method (GLX_OML_swap_method)
};

// Asks once per call; nothing is promised without a current GLX context.
SwapPromise askSwapPromise();

// The back buffer's age as GLX_EXT_buffer_age reports it: 1 when it holds the picture just
// shown, 0 when its content is undefined, n when it holds the picture shown n swaps ago; -1 when
// it cannot be asked.
int backBufferAge();
