#pragma once

// A keyed cubic Hermite curve: keys of {value, gradient}, one sector between
// each two neighbouring keys, local t from 0 at a sector's first key to 1 at
// its second. Particle parameters, scene animations, light rays and the
// scripts' own curves ("Spline") read it.
//
// Queries never read past the keys: an empty curve answers 0, a sector before
// the first answers the first key and one after the last answers the last
// key, and a global t outside 0..1 is held at the curve's ends.

#include <cstddef>
#include <initializer_list>
#include <vector>

// The Hermite value of p0, p1 with gradients m0, m1 at t.
template <typename T>
T HermiteValue(const T& p0, const T& m0, const T& p1, const T& m1, float t)
{
    const float t2 = t * t;
    const float t3 = t2 * t;
    return (2.0f * t3 - 3.0f * t2 + 1.0f) * p0 + (t3 - 2.0f * t2 + t) * m0 + (3.0f * t2 - 2.0f * t3) * p1 +
           (t3 - t2) * m1;
}

// The slope of the same curve at t.
template <typename T>
T HermiteSlope(const T& p0, const T& m0, const T& p1, const T& m1, float t)
{
    const float t2 = t * t;
    return 6.0f * (t2 - t) * p0 + 6.0f * (t - t2) * p1 + (3.0f * t2 - 4.0f * t + 1.0f) * m0 +
           (3.0f * t2 - 2.0f * t) * m1;
}

template <typename T>
class SplinePath {
public:
    using value_type = T;

    struct Key {
        T value;
        T gradient;
    };

    // Appends {v, v}: the gradient holds the value until CalculateGradient.
    void addKey(const T& v) { keys.push_back(Key{v, v}); }
    // The keyed form: a key at its place on the curve's parameter, 0 at the
    // start and 1 at the end. Keys are evenly spaced in the order they are
    // added, so keyed keys go in rising order of their parameters; two keys
    // at 0 and 1 give a straight move once the gradients are calculated.
    void addKey(float parameter, const T& v)
    {
        static_cast<void>(parameter);
        addKey(v);
    }

    // Computes every gradient: Catmull-Rom inside, one-sided differences at
    // the ends of an open curve. A closed curve first gets a copy of key 0
    // appended (each call appends one more) and its ends share the gradient
    // across the seam.
    void CalculateGradient(bool closed)
    {
        if (closed) {
            if (keys.empty())
                return;
            keys.push_back(keys.front());
            const std::size_t n = keys.size();
            keys[0].gradient = 0.5f * (keys[1].value - keys[n - 2].value);
            keys[n - 1].gradient = keys[0].gradient;
        } else {
            const std::size_t n = keys.size();
            if (n < 2)
                return;
            keys[0].gradient = keys[1].value - keys[0].value;
            keys[n - 1].gradient = keys[n - 1].value - keys[n - 2].value;
        }
        for (std::size_t i = 1; i + 1 < keys.size(); ++i)
            keys[i].gradient = 0.5f * (keys[i + 1].value - keys[i - 1].value);
    }

    // The value of a sector at local t.
    T getFrame(int sector, float t) const
    {
        if (keys.empty())
            return T(0);
        if (sector < 0)
            return keys.front().value;
        if (sector >= getSectors())
            return keys.back().value;
        const Key& a = keys[static_cast<std::size_t>(sector)];
        const Key& b = keys[static_cast<std::size_t>(sector) + 1];
        return HermiteValue(a.value, a.gradient, b.value, b.gradient, t);
    }

    // The slope of a sector at local t.
    T getGradient(int sector, float t) const
    {
        if (keys.size() < 2)
            return T(0);
        if (sector < 0)
            return keys.front().gradient;
        if (sector >= getSectors())
            return keys.back().gradient;
        const Key& a = keys[static_cast<std::size_t>(sector)];
        const Key& b = keys[static_cast<std::size_t>(sector) + 1];
        return HermiteSlope(a.value, a.gradient, b.value, b.gradient, t);
    }

    // The value at global t, 0 to 1 over the whole curve.
    T getGlobalFrame(float t) const
    {
        if (keys.empty())
            return T(0);
        int sector = 0;
        float local = 0.0f;
        if (!Locate(t, sector, local))
            return keys.back().value;
        return getFrame(sector, local);
    }

    // The slope at global t; at or past the end, the last key's gradient.
    T GradientAt(float t) const
    {
        if (keys.empty())
            return T(0);
        int sector = 0;
        float local = 0.0f;
        if (!Locate(t, sector, local))
            return keys.back().gradient;
        return getGradient(sector, local);
    }

    // Key count - 1: -1 for an empty curve.
    int getSectors() const { return static_cast<int>(keys.size()) - 1; }

    void Clear() { keys.clear(); }

    std::vector<Key> keys;

private:
    // The sector and local t of a global t; false at or past the end (or for
    // a single key). A t below 0 (or not a number) is the curve's start.
    bool Locate(float t, int& sector, float& local) const
    {
        const int sectors = getSectors();
        if (sectors < 1 || t >= 1.0f)
            return false;
        if (!(t > 0.0f)) {
            sector = 0;
            local = 0.0f;
            return true;
        }
        const float count = static_cast<float>(sectors);
        sector = static_cast<int>(t * count);
        if (sector >= sectors)
            return false;
        local = (t - static_cast<float>(sector) / count) * count;
        return true;
    }
};

// What SetCurveKeys leaves as the gradients.
enum class CurveGradients {
    // Those of an open curve through the keys (CalculateGradient(false)).
    Open,
    // Each key's own value, as addKey leaves it.
    KeyValues,
};

// The keys in order, in place of any the curve had, then their gradients.
template <typename T>
void SetCurveKeys(SplinePath<T>& curve, std::initializer_list<typename SplinePath<T>::value_type> values,
                  CurveGradients gradients = CurveGradients::Open)
{
    curve.Clear();
    for (const T& value : values)
        curve.addKey(value);
    if (gradients == CurveGradients::Open)
        curve.CalculateGradient(false);
}
