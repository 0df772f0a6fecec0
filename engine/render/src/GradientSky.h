#pragma once
// The sky drawn when no cube map is named or found: deep blue overhead, pale at the horizon,
// dark earth below, as a small cube map so that it is drawn and lights the scene exactly like a
// registered one.
#include <Assets/Formats.h>

namespace RenderInterface {

Assets::CubeMapData MakeGradientSky(std::uint32_t size);

}  // namespace RenderInterface
