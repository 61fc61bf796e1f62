#pragma once
// Every kind of control, for a window that uses many. The wrappers keep the few behaviours of
// the old forms that the program relies on: a check box's change handler runs on every change
// of its value, by the user or by code; a sorted drop-down list has an index and a text; a
// vertical scroll bar may have its larger value at the top; a label can be clicked.

#include "ui/controls/Button.h"
#include "ui/controls/CheckBox.h"
#include "ui/controls/ComboBox.h"
#include "ui/controls/Control.h"
#include "ui/controls/Frame.h"
#include "ui/controls/Label.h"
#include "ui/controls/Picture.h"
#include "ui/controls/TextBox.h"
#include "ui/controls/VScrollBar.h"
