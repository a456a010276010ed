#pragma once

// The widget kinds of the world map and the level statistics page, made
// for layer files through the widget factory's outside creators: "Map" and
// "GameStatistics". The composition root installs them at start.

void RegisterMapScreenKinds();
