#include "player/windows/dlna/renderer_lines.h"

#include "framework/lines.h"

namespace player {

fw::TextArray rendererLines(const fw::Text& renderers) {
  fw::TextArray found;
  fw::LineReader lines(renderers);
  // No read moves past a NUL or 0x1A byte: the list ends there.
  while (!lines.atDataEnd()) {
    fw::Text line = lines.readLine();
    if (fw::splitText(line, ";").size() == 2) found.push_back(std::move(line));
  }
  return found;
}

}  // namespace player
