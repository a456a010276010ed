#pragma once

// The widget kind of the shield screen, made for layer files through the
// widget factory's outside creators: "Shield". The composition root installs
// it at start.

void RegisterShieldScreenKind();
