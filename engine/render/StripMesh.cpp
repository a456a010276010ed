#include "engine/render/StripMesh.h"

#include "engine/render/RenderDevice.h"

void StripMesh::Draw() const
{
    if (texture)
        texture->Bind();
    g_renderDevice.PushMatrix();
    g_renderDevice.Translate(Vector3(static_cast<float>(x), static_cast<float>(y), 0.0f));
    g_renderDevice.DrawStripZTest(batch);
    g_renderDevice.PopMatrix();
}
