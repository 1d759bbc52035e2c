#pragma once
// OpenGL ES 1.1 on SDL 1.2 through EGL. SDL 1.2 only knows GLX, so the engine
// asks here for what it would ask SDL_GL_SetAttribute, SDL_SetVideoMode with
// SDL_OPENGL, SDL_GL_SwapBuffers and SDL_GL_GetProcAddress. The context draws
// into SDL's X window when SDL runs on X11, else into a pbuffer of the window's
// size (headless runs with SDL's dummy driver). The GL calls are the same.

#include <SDL.h>

namespace platform::gl {

// Attribute numbers are SDL's (SDL_GL_RED_SIZE ...); 17 asks for the
// context's major version, of which only 1 is offered.
enum { ContextMajorVersion = 17 };

// 0 when stored, -1 for an attribute this layer does not know (as SDL).
int setAttribute(int attribute, int value);
// The value of the current context's surface once one exists, else the one
// asked for; -1 for an unknown attribute.
int getAttribute(int attribute, int *value);

// SDL_SetVideoMode; with SDL_OPENGL in the flags the window is made without
// it and an OpenGL ES context is made current on it (a new one each time).
// Null on failure, with SDL_GetError telling why.
SDL_Surface *setVideoMode(int width, int height, int bitsPerPixel, Uint32 flags);

// Presents the frame (for a pbuffer: waits for the drawing to finish).
void swapBuffers();

// Entry points beyond the linked GLES 1.1 library; null when unknown.
void *procAddress(const char *name);

bool hasContext();
// True when drawing goes to an X window rather than a pbuffer.
bool drawsToWindow();

// Destroys the context and its surface; call before SDL_Quit. EGL stays
// initialised on a headless display: terminating it unloads the driver, which
// the leak checker then blames for its own allocations.
void shutdown();

} // namespace platform::gl
