#pragma once

// The main menu's widget kinds for the layer files: installs the creators of
// "MenuEffect", "ProfileButton", "SSView", "SaverTooltip", "QTVLogo" and
// "ParticleTest" with the widget factory's hooks.

void InstallMenuWidgetCreators();
