#pragma once

// The gallery's row of the seven countries' scenes (layer files name it
// "MultList"). A click selects a scene: it lights up while its grey,
// shadowed look fades, its caption cross-fades in, and once lit the
// country's name is posted with data "press" and parameter 1 for an
// unlocked scene, 0 for a locked one. A locked scene shows its big picture
// in the scene window; an unlocked one darkens the window while the scene
// starts. Scenes beyond the active player's progress are locked.

#include "gui/Widget.h"

#include <string>

class MultListUpdater;
class Sprite;
class TiXmlElement;

class MultList : public Widget {
public:
    static constexpr int kItems = 7;
    static constexpr int kItemWidth = 72;
    static constexpr int kListWidth = kItems * kItemWidth;
    // The scene window's corner.
    static constexpr int kWindowX = 149;
    static constexpr int kWindowY = 128;

    // Uploads the resource group "Gallery", looks its pictures up, reads
    // "x" and "y" and starts its updater.
    MultList(const std::string& widgetName, const TiXmlElement* element);
    // The updater stops with it.
    ~MultList() override;

    bool MouseDown(const Point& p) override;
    void MouseMove(const Point& p) override;
    void Draw() override;
    // "Reset": nothing selected, the caption idle.
    void AcceptMessage(const Message& message) override;

    // One frame of the highlights; posts the chosen scene once its
    // highlight is full.
    void Update(float dt);

    // Scenes 0 to the count - 1 are unlocked: the active player's highest
    // stage, all from the second cycle on, none before the first scene was
    // shown.
    static int UnlockedCount();
    static bool IsUnlocked(int item) { return item < UnlockedCount(); }
    // The item under a point, -1 outside the list.
    int ItemAt(const Point& p) const;

    Sprite* _big[kItems] = {};
    Sprite* _small[kItems] = {};
    Sprite* _list[kItems] = {};
    Sprite* _activeUp = nullptr;
    Sprite* _activeRightShadow = nullptr;
    Sprite* _disableShadow = nullptr;
    Sprite* _disableLastShadow = nullptr;
    Sprite* _lockedMult = nullptr;
    Sprite* _fade = nullptr;
    // The list's corner, y upward, as the element gives it.
    int _x = 0;
    int _y = 0;
    int _listWidth = 0;
    int _listHeight = 0;
    int _selected = -1;
    int _previous = -1;
    float _highlight[kItems] = {};
    // A selection is growing in and its message is not yet posted.
    bool _pending = false;
    // 0 idle, 3 selected, 2 posted; 2 and 1 count down while an unlocked
    // scene is selected.
    int _captionState = 0;
    std::string _title;
    std::string _captions[kItems];
    // Owned by the controller manager; cleared when it is deleted.
    MultListUpdater* _updater = nullptr;

private:
    void LoadPictures();
    // Uploads the gallery's group when its pictures are not in video memory.
    void UploadPicturesIfReleased();
    void DrawItems();
    void DrawWindow();
    void DrawCaptions();
    const std::string& CaptionOf(int item) const { return item < 0 ? _title : _captions[item]; }
};

Widget* CreateMultList(const TiXmlElement* element);
