#pragma once
// Making the player the program that opens media files: its ProgID under
// HKEY_CLASSES_ROOT, the current user's choice of that ProgID for chosen
// extensions, and the player's capabilities, which put it in the system's
// default-programs settings. Each outcome is told in a message box.
#include "framework/text.h"

namespace player {

// The program identifier, also the application's name in its capabilities.
inline constexpr char kProgId[] = "Quorle多媒体播放器";

extern fw::Text progId;               // set when the association window is created
extern fw::Text playerExePath;        // the running program's full path, for the ProgID
extern fw::TextArray formatExtensions;   // the list "[格式列表]" as the window last read it

// HKEY_CURRENT_USER path of the key holding the user's choice for `ext`, and
// of the value in it that names the chosen ProgID.
fw::Text userChoiceKeyPath(const fw::Text& ext);
fw::Text userChoiceProgIdPath(const fw::Text& ext);

// Writes the ProgID's icon and open command (both the quoted playerExePath).
// False, after its own message, when a write failed; what was written stays.
bool registerProgId();
// The ProgID, then the current user's choice of it for each extension in
// order; one message with the outcome.
void registerSelectedTypes(const fw::TextArray& extensions);
// After the user agreed: the ProgID, the player's capabilities and every
// extension of formatExtensions, ticked or not. Messages as it goes.
void registerDefaultProgram();

}  // namespace player
