#pragma once

// What the program needs to know of the window system beyond Qt's own
// abstractions. Each platform answers here and nowhere else.
namespace zarvin::platform {

// Whether top-level windows with a transparent margin are composited onto the
// desktop (so a drawn shadow looks like a shadow, not a black band).
bool windowSystemComposites();

} // namespace zarvin::platform
