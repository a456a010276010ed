#include "engine/render/ShapeFile.h"

#include "engine/platform/HtmlLog.h"
#include "engine/util/FileSystem.h"

#include <cstring>

namespace {

class Reader {
public:
    explicit Reader(const std::string& bytes) : _bytes(bytes) {}

    bool Read(void* out, std::size_t n)
    {
        if (n > _bytes.size() - _pos)
            return false;
        std::memcpy(out, _bytes.data() + _pos, n);
        _pos += n;
        return true;
    }
    bool U32(std::uint32_t& v)
    {
        unsigned char b[4];
        if (!Read(b, 4))
            return false;
        v = std::uint32_t(b[0]) | (std::uint32_t(b[1]) << 8) | (std::uint32_t(b[2]) << 16) | (std::uint32_t(b[3]) << 24);
        return true;
    }
    bool F32(float& f)
    {
        std::uint32_t v;
        if (!U32(v))
            return false;
        std::memcpy(&f, &v, 4);
        return true;
    }
    std::size_t Left() const { return _bytes.size() - _pos; }

private:
    const std::string& _bytes;
    std::size_t _pos = 0;
};

bool Fail(const std::string& name, const std::string& text)
{
    LogError("ERROR", "Can't load shape " + name + ". " + text);
    return false;
}

bool ReadTriples(Reader& in, std::size_t count, std::vector<std::array<std::uint32_t, 3>>& out)
{
    if (in.Left() / 12 < count)
        return false;
    out.resize(count);
    for (auto& triple : out)
        for (auto& index : triple)
            in.U32(index);
    return true;
}

} // namespace

bool ReadShapeFile(const std::string& name, ShapeData& shape)
{
    shape = ShapeData();
    std::string bytes;
    if (!ReadWholeFile(name, bytes))
        return Fail(name, "Error while opening file.");
    Reader in(bytes);
    unsigned char unused[28];
    std::uint32_t positionCount, triangleCount, texFlag, extras, second;
    if (!in.Read(unused, 28) || !in.U32(positionCount) || !in.U32(triangleCount) || !in.U32(texFlag) ||
        !in.U32(extras) || !in.U32(second))
        return Fail(name, "The header is truncated.");
    shape.texCoordCount = static_cast<int>(texFlag);
    shape.hasTriangleExtras = extras != 0;
    shape.secondFlag = second != 0;

    if (in.Left() / 12 < positionCount)
        return Fail(name, "The positions are truncated.");
    shape.positions.resize(positionCount);
    for (Vector3& p : shape.positions) {
        in.F32(p.x);
        in.F32(p.y);
        in.F32(p.z);
    }
    if (!ReadTriples(in, triangleCount, shape.positionIndices))
        return Fail(name, "The triangles are truncated.");
    if (shape.texCoordCount > 0) {
        std::uint32_t count;
        if (!in.U32(count) || in.Left() / 8 < count)
            return Fail(name, "The texture coordinates are truncated.");
        shape.texCoords.resize(count);
        for (Vector3& t : shape.texCoords) {
            in.F32(t.x);
            in.F32(t.y);
            t.z = 0.0f;
        }
        if (!ReadTriples(in, triangleCount, shape.texCoordIndices))
            return Fail(name, "The texture indices are truncated.");
    }
    if (shape.hasTriangleExtras) {
        if (in.Left() / 36 < triangleCount)
            return Fail(name, "The triangle records are truncated.");
        shape.triangleExtras.resize(triangleCount);
        for (auto& record : shape.triangleExtras)
            in.Read(record.data(), record.size());
    }
    for (std::uint32_t t = 0; t < triangleCount; ++t) {
        for (int k = 0; k < 3; ++k) {
            if (shape.positionIndices[t][k] >= positionCount)
                return Fail(name, "A triangle names a position that does not exist.");
            if (shape.texCoordCount > 0 && shape.texCoordIndices[t][k] >= shape.texCoords.size())
                return Fail(name, "A triangle names a texture coordinate that does not exist.");
        }
    }
    return true;
}
