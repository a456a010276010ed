#include "tools/artgen/Shape.h"

#include "tools/artgen/ValueNoise.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace {

constexpr float kPi = 3.14159265f;

class CircleShape : public Shape {
public:
    CircleShape(Vec2 c, float r) : _c(c), _r(r) {}
    float Distance(Vec2 p) const override { return Length(p - _c) - _r; }
    Box Bounds() const override { return {_c.x - _r, _c.y - _r, _c.x + _r, _c.y + _r}; }

private:
    Vec2 _c;
    float _r;
};

class EllipseShape : public Shape {
public:
    EllipseShape(Vec2 c, float rx, float ry, float angle) : _c(c), _rx(rx), _ry(ry), _angle(angle) {}
    float Distance(Vec2 p) const override
    {
        const Vec2 q = Rotated(p - _c, -_angle);
        const Vec2 n{q.x / _rx, q.y / _ry};
        const float k0 = Length(n);
        if (k0 <= 0.0f)
            return -std::min(_rx, _ry);
        const float k1 = Length(Vec2{q.x / (_rx * _rx), q.y / (_ry * _ry)});
        return k0 * (k0 - 1.0f) / k1;
    }
    Box Bounds() const override
    {
        const float r = std::max(_rx, _ry);
        return {_c.x - r, _c.y - r, _c.x + r, _c.y + r};
    }

private:
    Vec2 _c;
    float _rx, _ry, _angle;
};

class RoundedRectShape : public Shape {
public:
    RoundedRectShape(const Box& box, float radius) : _box(box), _radius(radius) {}
    float Distance(Vec2 p) const override
    {
        const Vec2 c{(_box.left + _box.right) * 0.5f, (_box.top + _box.bottom) * 0.5f};
        const Vec2 half{_box.Width() * 0.5f - _radius, _box.Height() * 0.5f - _radius};
        const Vec2 d{std::fabs(p.x - c.x) - half.x, std::fabs(p.y - c.y) - half.y};
        const Vec2 outside{std::max(d.x, 0.0f), std::max(d.y, 0.0f)};
        return Length(outside) + std::min(std::max(d.x, d.y), 0.0f) - _radius;
    }
    Box Bounds() const override { return _box; }

private:
    Box _box;
    float _radius;
};

float SegmentDistance(Vec2 p, Vec2 a, Vec2 b)
{
    const Vec2 pa = p - a, ba = b - a;
    const float len2 = Dot(ba, ba);
    const float h = len2 > 0.0f ? Clamp01(Dot(pa, ba) / len2) : 0.0f;
    return Length(pa - ba * h);
}

class PolygonShape : public Shape {
public:
    explicit PolygonShape(std::vector<Vec2> points) : _points(std::move(points))
    {
        _bounds = {std::numeric_limits<float>::max(), std::numeric_limits<float>::max(),
                   std::numeric_limits<float>::lowest(), std::numeric_limits<float>::lowest()};
        for (const Vec2& v : _points)
            _bounds = Union(_bounds, Box{v.x, v.y, v.x, v.y});
    }
    float Distance(Vec2 p) const override
    {
        float best = std::numeric_limits<float>::max();
        bool inside = false;
        const size_t n = _points.size();
        for (size_t i = 0, j = n - 1; i < n; j = i++) {
            const Vec2 a = _points[i], b = _points[j];
            best = std::min(best, SegmentDistance(p, a, b));
            if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x)
                inside = !inside;
        }
        return inside ? -best : best;
    }
    Box Bounds() const override { return _bounds; }

private:
    std::vector<Vec2> _points;
    Box _bounds;
};

// The union of axis-aligned or slanted segments as boxes of the line's width.
class PolylineShape : public Shape {
public:
    PolylineShape(std::vector<Vec2> points, float width) : _points(std::move(points)), _half(width * 0.5f)
    {
        _bounds = {std::numeric_limits<float>::max(), std::numeric_limits<float>::max(),
                   std::numeric_limits<float>::lowest(), std::numeric_limits<float>::lowest()};
        for (const Vec2& v : _points)
            _bounds = Union(_bounds, Box{v.x, v.y, v.x, v.y});
        _bounds = _bounds.Grown(_half);
    }
    float Distance(Vec2 p) const override
    {
        float best = std::numeric_limits<float>::max();
        for (size_t i = 0; i + 1 < _points.size(); ++i) {
            // Distance to the segment's box, extended by half the width at both ends.
            const Vec2 a = _points[i], b = _points[i + 1];
            const Vec2 axis = Normalised(b - a);
            const Vec2 normal{-axis.y, axis.x};
            const Vec2 mid = (a + b) * 0.5f;
            const Vec2 q{std::fabs(Dot(p - mid, axis)) - (Length(b - a) * 0.5f + _half),
                         std::fabs(Dot(p - mid, normal)) - _half};
            const Vec2 outside{std::max(q.x, 0.0f), std::max(q.y, 0.0f)};
            best = std::min(best, Length(outside) + std::min(std::max(q.x, q.y), 0.0f));
        }
        return best;
    }
    Box Bounds() const override { return _bounds; }

private:
    std::vector<Vec2> _points;
    float _half;
    Box _bounds;
};

class ArcShape : public Shape {
public:
    ArcShape(Vec2 c, float r, float w, float from, float to) : _c(c), _r(r), _half(w * 0.5f), _from(from), _to(to) {}
    float Distance(Vec2 p) const override
    {
        const Vec2 d = p - _c;
        float angle = std::atan2(d.y, d.x);
        while (angle < _from)
            angle += 2.0f * kPi;
        if (angle <= _to)
            return std::fabs(Length(d) - _r) - _half;
        const Vec2 a = _c + Vec2{std::cos(_from), std::sin(_from)} * _r;
        const Vec2 b = _c + Vec2{std::cos(_to), std::sin(_to)} * _r;
        return std::min(Length(p - a), Length(p - b)) - _half;
    }
    Box Bounds() const override
    {
        const float r = _r + _half;
        return {_c.x - r, _c.y - r, _c.x + r, _c.y + r};
    }

private:
    Vec2 _c;
    float _r, _half, _from, _to;
};

enum class Combine { Unite, Subtract, Intersect };

class CombinedShape : public Shape {
public:
    CombinedShape(ShapePtr a, ShapePtr b, Combine how) : _a(std::move(a)), _b(std::move(b)), _how(how) {}
    float Distance(Vec2 p) const override
    {
        const float da = _a->Distance(p), db = _b->Distance(p);
        switch (_how) {
        case Combine::Unite:
            return std::min(da, db);
        case Combine::Subtract:
            return std::max(da, -db);
        case Combine::Intersect:
            break;
        }
        return std::max(da, db);
    }
    Box Bounds() const override { return _how == Combine::Unite ? Union(_a->Bounds(), _b->Bounds()) : _a->Bounds(); }

private:
    ShapePtr _a, _b;
    Combine _how;
};

class InflatedShape : public Shape {
public:
    InflatedShape(ShapePtr s, float by) : _s(std::move(s)), _by(by) {}
    float Distance(Vec2 p) const override { return _s->Distance(p) - _by; }
    Box Bounds() const override { return _s->Bounds().Grown(std::max(_by, 0.0f)); }

private:
    ShapePtr _s;
    float _by;
};

class TranslatedShape : public Shape {
public:
    TranslatedShape(ShapePtr s, Vec2 by) : _s(std::move(s)), _by(by) {}
    float Distance(Vec2 p) const override { return _s->Distance(p - _by); }
    Box Bounds() const override { return _s->Bounds().Moved(_by); }

private:
    ShapePtr _s;
    Vec2 _by;
};

class RoughShape : public Shape {
public:
    RoughShape(ShapePtr s, unsigned seed, float scale, float amount) : _s(std::move(s)), _noise(seed), _scale(scale), _amount(amount) {}
    float Distance(Vec2 p) const override
    {
        return _s->Distance(p) + (_noise.Fractal(p.x / _scale, p.y / _scale, 4) - 0.5f) * 2.0f * _amount;
    }
    Box Bounds() const override { return _s->Bounds().Grown(_amount); }

private:
    ShapePtr _s;
    ValueNoise _noise;
    float _scale, _amount;
};

class BakedShape : public Shape {
public:
    BakedShape(ShapePtr s, int width, int height)
        : _s(std::move(s)), _width(width), _height(height), _values(static_cast<size_t>(width) * static_cast<size_t>(height))
    {
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                _values[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)] =
                    _s->Distance({static_cast<float>(x) + 0.5f, static_cast<float>(y) + 0.5f});
    }
    float Distance(Vec2 p) const override
    {
        const float fx = p.x - 0.5f, fy = p.y - 0.5f;
        const int x = static_cast<int>(std::floor(fx)), y = static_cast<int>(std::floor(fy));
        if (x < 0 || y < 0 || x + 1 >= _width || y + 1 >= _height)
            return _s->Distance(p);
        const float tx = fx - static_cast<float>(x), ty = fy - static_cast<float>(y);
        auto at = [&](int cx, int cy) { return _values[static_cast<size_t>(cy) * static_cast<size_t>(_width) + static_cast<size_t>(cx)]; };
        const float top = at(x, y) + (at(x + 1, y) - at(x, y)) * tx;
        const float bottom = at(x, y + 1) + (at(x + 1, y + 1) - at(x, y + 1)) * tx;
        return top + (bottom - top) * ty;
    }
    Box Bounds() const override { return _s->Bounds(); }

private:
    ShapePtr _s;
    int _width, _height;
    std::vector<float> _values;
};

} // namespace

ShapePtr Circle(Vec2 centre, float radius) { return std::make_shared<CircleShape>(centre, radius); }
ShapePtr Ellipse(Vec2 centre, float rx, float ry, float angle)
{
    return std::make_shared<EllipseShape>(centre, rx, ry, angle);
}
ShapePtr RoundedRect(const Box& box, float radius) { return std::make_shared<RoundedRectShape>(box, radius); }
ShapePtr Polygon(std::vector<Vec2> points) { return std::make_shared<PolygonShape>(std::move(points)); }
ShapePtr Star(Vec2 centre, int points, float outer, float inner, float angle)
{
    std::vector<Vec2> corners;
    for (int i = 0; i < points * 2; ++i) {
        const float a = angle - kPi / 2.0f + static_cast<float>(i) * kPi / static_cast<float>(points);
        const float r = (i % 2 == 0) ? outer : inner;
        corners.push_back(centre + Vec2{std::cos(a), std::sin(a)} * r);
    }
    return Polygon(std::move(corners));
}
ShapePtr Polyline(std::vector<Vec2> points, float width)
{
    return std::make_shared<PolylineShape>(std::move(points), width);
}
ShapePtr Arc(Vec2 centre, float radius, float width, float from, float to)
{
    return std::make_shared<ArcShape>(centre, radius, width, from, to);
}
ShapePtr Unite(ShapePtr a, ShapePtr b) { return std::make_shared<CombinedShape>(std::move(a), std::move(b), Combine::Unite); }
ShapePtr Subtract(ShapePtr from, ShapePtr cut)
{
    return std::make_shared<CombinedShape>(std::move(from), std::move(cut), Combine::Subtract);
}
ShapePtr Intersect(ShapePtr a, ShapePtr b)
{
    return std::make_shared<CombinedShape>(std::move(a), std::move(b), Combine::Intersect);
}
ShapePtr Inflate(ShapePtr shape, float by) { return std::make_shared<InflatedShape>(std::move(shape), by); }
ShapePtr Roughen(ShapePtr shape, unsigned seed, float scale, float amount)
{
    return std::make_shared<RoughShape>(std::move(shape), seed, scale, amount);
}
ShapePtr Bake(ShapePtr shape, int width, int height) { return std::make_shared<BakedShape>(std::move(shape), width, height); }
ShapePtr Translate(ShapePtr shape, Vec2 by) { return std::make_shared<TranslatedShape>(std::move(shape), by); }
