#pragma once

// The board's pictures looked up by name ("#id" of a registered picture).

#include <string>

class Sprite;

// The registered picture, flagged to stay loaded; null, with one log line
// for each missing name, when none is registered. A null picture is drawn
// as nothing.
Sprite* BoardPicture(const std::string& name);
