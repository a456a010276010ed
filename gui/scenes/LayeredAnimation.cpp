#include "gui/scenes/LayeredAnimation.h"

#include "engine/render/RenderDevice.h"
#include "engine/render/Sprite.h"
#include "engine/resources/ResourceManager.h"
#include "gui/FontAccess.h"
#include "gui/WidgetFactory.h"
#include "gui/controllers/ControllerManager.h"
#include "gui/scenes/LayerSet.h"
#include "gui/scenes/SceneController.h"
#include "gui/scenes/SceneLibrary.h"

#include <tinyxml.h>

Sprite* g_animationFade = nullptr;

LayeredAnimation::LayeredAnimation(const std::string& widgetName, const TiXmlElement* element)
    : Widget(widgetName)
{
    Load(element);
    g_animationFade = g_resourceManager.GetTexture("#ANIMATION_FADE");
    CallReset();
    controller = new SceneController(this);
    kernel.AddController(controller);
}

LayeredAnimation::~LayeredAnimation()
{
    kernel.StopControllersOf(this);
}

void LayeredAnimation::Load(const TiXmlElement* element)
{
    if (!element)
        return;
    for (const TiXmlElement* child = element->FirstChildElement(); child; child = child->NextSiblingElement()) {
        const std::string& kind = child->ValueStr();
        if (kind == "position") {
            position = ReadPoint(child);
            offset = position;
            rect = Rect(position, size);
        } else if (kind == "textPosition") {
            textPosition = ReadPoint(child);
        }
    }
}

void LayeredAnimation::MouseDoubleClick(const Point&) {}

void LayeredAnimation::Reset() {}

void LayeredAnimation::CallReset()
{
    if (scene)
        scene->CallReset();
}

void LayeredAnimation::AcceptMessage(const Message& message)
{
    const int p = message.integerParam;
    if (message.is("Visible")) {
        shown = p > 0;
    } else if (message.is("Play")) {
        scene = g_layerSets.Find(message.data);
        CallReset();
    } else if (message.is("Active")) {
        playing = p > 0;
    } else if (message.is("UploadResources")) {
        if (scene)
            scene->UploadResources();
    } else if (message.is("ReleaseResources")) {
        if (scene)
            scene->ReleaseResources();
    } else if (message.is("BlackScreen")) {
        blackScreen = p > 0;
    } else if (message.is("Reset")) {
        CallReset();
    } else if (message.is("Load")) {
        if (LayerSet* loaded = ReloadLayerSet(message.data))
            scene = loaded;
        CallReset();
    }
}

void LayeredAnimation::DrawScene()
{
    RenderDevice& device = g_renderDevice;
    device.BeginViewport2D(position.x, 600 - position.y, kWidth, kHeight);
    device.SetCamera2D(300.0f, 250.0f);
    scene->Draw();
    device.SetFullViewport();
    device.End2D();
}

void LayeredAnimation::DrawCaption()
{
    DrawTextBlock(Point(position.x + textPosition.x, position.y + textPosition.y), *scene->text);
}

void LayeredAnimation::Draw()
{
    if (!shown)
        return;
    RenderDevice& device = g_renderDevice;
    const bool showScene = scene && !blackScreen;
    if (showScene)
        DrawScene();
    if (blackScreen) {
        device.EnableTexture(false);
        device.SetColor(Color(0, 0, 0, color.a));
        device.DrawRect(position.x, position.y - (kHeight - 1), kWidth, kHeight);
        device.EnableTexture(true);
    }
    device.SetColor(Color(color.a));
    if (g_animationFade) {
        g_animationFade->Bind();
        device.DrawRect(position.x, position.y - (kHeight - 1), g_animationFade->textureWidth,
                        g_animationFade->textureHeight);
    }
    device.ResetColor();
    if (showScene && scene->text)
        DrawCaption();
}

Widget* CreateLayeredAnimation(const TiXmlElement* element)
{
    return CreateWidgetOfKind<LayeredAnimation>(element);
}
