#pragma once
// The about window's handlers, bound by its description.
namespace player {

// Sets the texts of 标签1, 标签2 and 标签3, in this order.
void fillAboutText();
// A left press on 标签2: opens the home page; a failure shows nothing.
void onHomePageLabelClick(int x, int y, int keys);

}  // namespace player
