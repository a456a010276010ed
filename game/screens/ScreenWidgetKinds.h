#pragma once

// The game's screens as widget kinds of the layer files: installs the
// creators of "History", "CompleteScreen", "SplashWait", "MultList",
// "Parus" and "TestWidget" with the widget factory's hooks.

void InstallScreenWidgetCreators();
