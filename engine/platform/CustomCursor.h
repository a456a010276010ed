#pragma once

// The cursor's state as widgets see it: which of its three pictures is shown
// (normal, over an active widget, pressing) and the active and pressed flags.
// Widgets reach it through g_cursor. The pictures and their drawing belong to
// the cursor's loader.

class CustomCursor {
public:
    enum class Image { Normal, Active, Pressed };

    void SetNormal();
    void SetActive();
    void SetPressed();
    bool IsActive() const { return active; }
    bool IsHighlighted() const { return current == Image::Active || current == Image::Pressed; }

    Image current = Image::Normal;
    bool active = false;
    bool pressed = false;
};

// The cursor object widgets address; null until the application sets it.
extern CustomCursor* g_cursor;
