// The one-time upgrade of an old scene: after asking the user and backing
// the model file up, one undoable operation moves the material library onto
// SketchUp materials and re-assigns them to the entities that named them.
#pragma once

#include <string>

namespace KilnRuby {

// The upgrade run after an old scene record was read. Nothing raises out of
// it and it reports nothing: every outcome is shown to the user.
void runSceneUpgrade() noexcept;

// A message box with Yes and No; true only for Yes.
bool askYesNo(const std::string& text);
// A message box with the default OK button.
void showMessage(const std::string& text);

// The Ruby line that shows `text` in a message box (type may be empty for
// the default): the text becomes a literal that keeps every byte as it is.
std::string messageBoxSource(const std::string& text, const char* type);

}  // namespace KilnRuby
