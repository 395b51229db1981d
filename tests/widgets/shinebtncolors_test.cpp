#include "widgets/shinebtncolors.h"

#include "support/setternotifies.h"

namespace {

SETTER_NOTIFIES_ONCE_SUITE(
    ShineBtnColorsSetterTest, TShineBtnColors,
    SetterRow<TShineBtnColors>{"Highlight", [](TShineBtnColors& c) { c.SetHighlight(clRed); }},
    SetterRow<TShineBtnColors>{"Shadow", [](TShineBtnColors& c) { c.SetShadow(clRed); }},
    SetterRow<TShineBtnColors>{"DarkShadow", [](TShineBtnColors& c) { c.SetDarkShadow(clRed); }},
    SetterRow<TShineBtnColors>{"GradColor", [](TShineBtnColors& c) { c.SetGradColor(clRed); }},
    SetterRow<TShineBtnColors>{"GradVertical", [](TShineBtnColors& c) { c.SetGradVertical(true); }},
    SetterRow<TShineBtnColors>{"Gradation", [](TShineBtnColors& c) { c.SetGradation(true); }},
    SetterRow<TShineBtnColors>{"Color", [](TShineBtnColors& c) { c.SetColor(clRed); }});

}  // namespace
