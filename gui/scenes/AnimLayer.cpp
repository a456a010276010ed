#include "gui/scenes/AnimLayer.h"

#include "engine/render/RenderDevice.h"

LayerObject* AnimLayer::getObject(const std::string& objectName) const
{
    for (const auto& object : objects)
        if (object->name == objectName)
            return object.get();
    return nullptr;
}

void AnimLayer::Draw()
{
    if (!isVisible)
        return;
    for (const auto& object : objects) {
        g_renderDevice.PushMatrix();
        g_renderDevice.Translate(Vector3(x, y, 0.0f));
        g_renderDevice.ScaleUniform(scale);
        if (object->isVisible)
            object->Draw();
        g_renderDevice.PopMatrix();
    }
}

void AnimLayer::Update(float dt)
{
    for (const auto& object : objects)
        object->Update(dt);
}

void AnimLayer::UploadResources()
{
    for (const auto& object : objects)
        object->UploadResources();
}

void AnimLayer::ReleaseResources()
{
    for (const auto& object : objects)
        object->ReleaseResources();
}
