#pragma once
// The tweak-bar interface: named bars of variables the user edits at run time, drawn as
// Dear ImGui panels over the rendered frame. Functions return 1 on success and 0 on failure;
// TwGetLastError() then says why (the message is also printed once on stderr).

typedef struct CTwBar TwBar;

typedef enum ETwType {
    TW_TYPE_UNDEF = 0,
    TW_TYPE_BOOLCPP = 1,  // a C++ bool, shown as a check box
    TW_TYPE_INT32 = 10,
    TW_TYPE_FLOAT = 12,
    // Types made by TwDefineEnum are numbered from here on.
    TW_TYPE_ENUM_BASE = 0x100
} TwType;

typedef enum ETwGraphAPI {
    TW_OPENGL = 1,
    TW_DIRECT3D9 = 2,
    TW_DIRECT3D10 = 3,
    TW_DIRECT3D11 = 4,
    TW_OPENGL_CORE = 5
} TwGraphAPI;

typedef enum ETwParamValueType {
    TW_PARAM_INT32 = 0,
    TW_PARAM_FLOAT = 1,
    TW_PARAM_DOUBLE = 2,
    TW_PARAM_CSTRING = 3
} TwParamValueType;

typedef struct CTwEnumVal {
    int Value;
    const char* Label;
} TwEnumVal;

// Starts the library on the current OpenGL core context (`device` is that SDL_GLContext, 3.3 or
// later); the panels belong to that context's window. Only TW_OPENGL_CORE is supported.
int TwInit(TwGraphAPI graphAPI, void* device);
// Deletes every bar and stops the library; TwInit may be called again afterwards.
int TwTerminate();
// The size in pixels of the display the panels lay themselves out in, normally the window's;
// panels shrink or move to stay inside it. 0 x 0 follows the window's own size.
int TwWindowSize(int width, int height);

TwBar* TwNewBar(const char* barName);
int TwDeleteBar(TwBar* bar);
// Sets a parameter of a bar (`varName` null). The one supported is "iconified", one
// TW_PARAM_INT32: non-zero folds the panel to its title bar, 0 opens it; the user may click its
// title to change it again.
int TwSetParam(TwBar* bar, const char* varName, const char* paramName, TwParamValueType paramValueType,
               unsigned int inValueCount, const void* inValues);

// Defines an enum type. The labels are copied. Defining a name again replaces its values and
// returns the same type.
TwType TwDefineEnum(const char* name, const TwEnumVal* enumValues, unsigned int nbValues);

// Binds a variable to a new entry at the bottom of the bar. The bar writes edits straight into
// `var`: a float for TW_TYPE_FLOAT, an int for TW_TYPE_INT32 or an enum type, a bool for
// TW_TYPE_BOOLCPP. `def` is null or a list of "key = value" pairs; the keys are min, max and step
// (numbers only), e.g. "min = 0 max = 300 step = 0.5". An unknown key or a malformed string
// refuses the whole entry.
int TwAddVarRW(TwBar* bar, const char* name, TwType type, void* var, const char* def);
// The same entry shown but never edited: the bar reads `var` each time it draws.
int TwAddVarRO(TwBar* bar, const char* name, TwType type, const void* var, const char* def);

typedef void (*TwButtonCallback)(void* clientData);
// A button named `name`; a click on it calls `callback(clientData)` inside the next TwDraw.
// `def` must be null or blank.
int TwAddButton(TwBar* bar, const char* name, TwButtonCallback callback, void* clientData, const char* def);

// Extension of this library (AntTweakBar has no plots): a read-only curve of `count` values,
// read each time the bar draws, plotted left to right between the definition's min and max (for
// example "min = 0 max = 1.2"; without them the curve's own range). `marker` is null or a float
// in [0, 1], the fraction of the way across at which a vertical marker line is drawn.
int TwAddPlotExt(TwBar* bar, const char* name, const float* values, int count, const float* marker,
                 const char* def);

// Hands an SDL event (an SDL_Event*) to the panels. Returns 1 when a panel used it. Any event
// may be passed, at any time; before TwInit and after TwTerminate they are ignored.
int TwEventSDL(const void* sdlEvent, unsigned char sdlMajorVersion, unsigned char sdlMinorVersion);
// Draws every bar over the current framebuffer.
int TwDraw();

const char* TwGetLastError();
