#pragma once
// Pictures of the assistant's windows as they are drawn on the screen.

#include <string>
#include <vector>

class Window;

namespace demo {

// Saves the windows, side by side in the order given on a plain backdrop, as
// one PNG file. Throws std::runtime_error when the file can't be written.
void SaveWindowPicture(const std::vector<const Window*>& windows, const std::string& path);

} // namespace demo
