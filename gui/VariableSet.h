#pragma once

// Named values of seven kinds that travel with a message or carry the
// arguments of a controller made by a script. Reading a name that is not
// there adds it as the bool false; a getter asked for another kind than the
// one stored fails with boost::bad_get and never converts.

#include "engine/util/Color.h"
#include "engine/util/Point.h"

#include <boost/variant.hpp>

#include <map>
#include <string>
#include <utility>

class Widget;

// Tags in order: bool, int, float, string, Color, Point, Widget pointer (not owning).
using VariableValue = boost::variant<bool, int, float, std::string, Color, Point, Widget*>;

class VariableSet {
public:
    // The value under the name, inserted as the bool false when absent.
    VariableValue& operator[](const std::string& name) { return _values[name]; }

    bool getBool(const std::string& name) { return boost::get<bool>((*this)[name]); }
    int getInt(const std::string& name) { return boost::get<int>((*this)[name]); }
    float getFloat(const std::string& name) { return boost::get<float>((*this)[name]); }
    std::string getString(const std::string& name) { return boost::get<std::string>((*this)[name]); }
    Color getColor(const std::string& name) { return boost::get<Color>((*this)[name]); }
    Point getPoint(const std::string& name) { return boost::get<Point>((*this)[name]); }
    Widget* getWidget(const std::string& name) { return boost::get<Widget*>((*this)[name]); }

    void setBool(const std::string& name, bool value) { Replace(name, VariableValue(value)); }
    void setInt(const std::string& name, int value) { Replace(name, VariableValue(value)); }
    void setFloat(const std::string& name, float value) { Replace(name, VariableValue(value)); }
    void setString(const std::string& name, const std::string& value) { Replace(name, VariableValue(value)); }
    void setColor(const std::string& name, const Color& value) { Replace(name, VariableValue(value)); }
    void setPoint(const std::string& name, const Point& value) { Replace(name, VariableValue(value)); }
    void setWidget(const std::string& name, Widget* value) { Replace(name, VariableValue(value)); }

    bool Has(const std::string& name) const { return _values.count(name) != 0; }
    std::size_t Size() const { return _values.size(); }
    bool Empty() const { return _values.empty(); }

private:
    // A new value in place of the old one, whatever its kind.
    void Replace(const std::string& name, VariableValue&& value)
    {
        _values.erase(name);
        _values.emplace(name, std::move(value));
    }

    std::map<std::string, VariableValue> _values;
};
