#pragma once

// The creators that the widget factory maps type names of layer files to.
// Each reads the element's "name"; without one it makes nothing and returns
// null, otherwise it returns a new widget of its kind made from that name and
// the element. The caller owns the widget.

class TiXmlElement;
class Widget;

Widget* CreateButton(const TiXmlElement* element);
Widget* CreateCheckBox(const TiXmlElement* element);
Widget* CreateSlider(const TiXmlElement* element);
Widget* CreateEditBox(const TiXmlElement* element);
Widget* CreateListBox(const TiXmlElement* element);
Widget* CreatePanel(const TiXmlElement* element);
Widget* CreateAnimation(const TiXmlElement* element);
Widget* CreateSolidRect(const TiXmlElement* element);
Widget* CreateWater(const TiXmlElement* element);
