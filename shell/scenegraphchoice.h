#pragma once

#include <QString>

// The scene graph's backend. Where the OpenGL renderer is a software
// rasteriser (no GPU), the software scene graph draws the same plain items
// for a fraction of the CPU and starts sooner; with a GPU, OpenGL stays.
namespace scenegraphchoice {

// What the choice rests on, gathered once at start.
struct Facts {
    bool backendNamed = false;     // the user named a backend (QT_QUICK_BACKEND, QSG_RHI_BACKEND)
    bool glForcedSoftware = false; // LIBGL_ALWAYS_SOFTWARE asks for the rasteriser
    bool renderNodes = false;      // the machine has a DRM render node
    bool windowSystem = false;     // a real window system (not offscreen or minimal)
};

enum class Choice {
    Leave,       // keep Qt's default (or what the user named)
    Software,    // the software scene graph
    AskRenderer, // a GPU may be there: the OpenGL renderer's name decides
};

Choice choose(const Facts &facts);

// True for the names Mesa gives its software rasterisers.
bool isSoftwareRasteriser(const QString &glRenderer);

// The OpenGL renderer's name, from a context made for the question; empty
// where none can be made. Costs a few milliseconds with a GPU driver.
QString openGlRenderer();

// Gathers the facts, asks the renderer when needed and sets the scene
// graph's backend. Call after the application object exists and before the
// first window. Returns true when the software scene graph was chosen.
bool applyPreferred();

} // namespace scenegraphchoice
