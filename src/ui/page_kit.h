// What a page's header needs: the page base, the kit's field and unit kinds,
// and the toolkit classes a page's widget list names.
#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ui/checked_input.h"
#include "ui/field_io.h"
#include "ui/page.h"
#include "ui/unit_switch.h"

class Fl_Box;
class Fl_Browser;
class Fl_Button;
class Fl_Check_Button;
class Fl_Choice;
class Fl_Group;
class Fl_Input;
class Fl_Input_;
class Fl_Int_Input;
class Fl_Output;
class Fl_Round_Button;
class Fl_Scroll;
class Fl_Slider;
class Fl_Spinner;
class Fl_Widget;
