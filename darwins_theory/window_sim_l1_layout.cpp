// The layout of "Darwin's Theory", control by control in creation order.

#include "darwins_theory/sim_layout.h"
#include "darwins_theory/window_sim_l1.h"

namespace {

using namespace sim_layout;

// One line per control, as the layout reads.
// clang-format off
const ControlSpec kControls[] = {
    kBox1,
    kRectangleRange,
    Timer1(20),
    kBox3,
    kHistoCurrent,
    kBox2,
    kHistoStart,
    kPushButtonRun,
    kPushButtonDivide,
    kPushButtonNewPop,
    {.Name = "StaticText1", .kind = Kind::StaticText, .Left = 316, .Top = 292, .Width = 120, .Height = 16, .Text = "Form of dots is:", .Align = kRight, .Tab = 7},
    {.Name = "CheckBoxVariable", .kind = Kind::CheckBox, .Left = 444, .Top = 291, .Width = 80, .Height = 20, .Text = "Variable", .Value = true, .Tab = 8},
    {.Name = "CheckBoxHeritable", .kind = Kind::CheckBox, .Left = 444, .Top = 308, .Width = 80, .Height = 20, .Text = "Heritable", .Value = true, .Tab = 9},
    {.Name = "StaticText2", .kind = Kind::StaticText, .Left = 368, .Top = 332, .Width = 75, .Height = 16, .Text = "Survival is:", .Align = kLeft, .Tab = 10},
    {.Name = "CheckBoxSelective", .kind = Kind::CheckBox, .Left = 444, .Top = 330, .Width = 80, .Height = 20, .Text = "Selective", .Value = true, .Tab = 11},
    {.Name = "StaticText4", .kind = Kind::StaticText, .Left = 420, .Top = 256, .Width = 70, .Height = 16, .Text = "Phenotype", .Align = kCenter, .Tab = 12},
    {.Name = "OvalColor", .kind = Kind::Oval, .Index = 0, .Left = 385, .Top = 242, .Width = 10, .Height = 10, .Tab = 12},
    {.Name = "OvalColor", .kind = Kind::Oval, .Index = 1, .Left = 406, .Top = 242, .Width = 10, .Height = 10, .Tab = 13},
    {.Name = "OvalColor", .kind = Kind::Oval, .Index = 2, .Left = 428, .Top = 242, .Width = 10, .Height = 10, .Tab = 14},
    {.Name = "OvalColor", .kind = Kind::Oval, .Index = 3, .Left = 450, .Top = 242, .Width = 10, .Height = 10, .Tab = 15},
    {.Name = "OvalColor", .kind = Kind::Oval, .Index = 4, .Left = 472, .Top = 242, .Width = 10, .Height = 10, .Tab = 16},
    {.Name = "OvalColor", .kind = Kind::Oval, .Index = 5, .Left = 494, .Top = 242, .Width = 10, .Height = 10, .Tab = 17},
    {.Name = "OvalColor", .kind = Kind::Oval, .Index = 6, .Left = 516, .Top = 242, .Width = 10, .Height = 10, .Tab = 18},
    {.Name = "StaticText5", .kind = Kind::StaticText, .Left = 419, .Top = 19, .Width = 130, .Height = 16, .Text = "Starting population", .Align = kLeft, .Tab = 20},
    {.Name = "StaticText6", .kind = Kind::StaticText, .Left = 419, .Top = 131, .Width = 130, .Height = 16, .Text = "Current population", .Align = kLeft, .Tab = 21},
    {.Name = "Line1", .kind = Kind::Line, .Left = 370, .Top = 237, .Width = 3, .Height = 0, .Tab = 21},
    {.Name = "Line2", .kind = Kind::Line, .Left = 370, .Top = 153, .Width = 3, .Height = 0, .Tab = 22},
    {.Name = "Line3", .kind = Kind::Line, .Left = 370, .Top = 125, .Width = 3, .Height = 0, .Tab = 23},
    {.Name = "Line4", .kind = Kind::Line, .Left = 370, .Top = 41, .Width = 3, .Height = 0, .Tab = 24},
    {.Name = "StaticText3", .kind = Kind::StaticText, .Left = 360, .Top = 117, .Width = 6, .Height = 16, .Text = "0", .TextSize = 10, .Align = kLeft, .Tab = 26},
    {.Name = "StaticText7", .kind = Kind::StaticText, .Left = 360, .Top = 229, .Width = 6, .Height = 16, .Text = "0", .TextSize = 10, .Align = kRight, .Tab = 27},
    StaticTextMaxCurrent(28),
    StaticTextMaxStart(29),
    {.Name = "StaticText8", .kind = Kind::StaticText, .Left = 333, .Top = 56, .Width = 30, .Height = 52, .Text = "No. of dots", .Align = kCenter, .MultiLine = true, .Tab = 30},
    {.Name = "StaticText9", .kind = Kind::StaticText, .Left = 333, .Top = 168, .Width = 30, .Height = 52, .Text = "No. of dots", .Align = kCenter, .MultiLine = true, .Tab = 31},
    {.Name = "StaticText10", .kind = Kind::StaticText, .Left = 157, .Top = 273, .Width = 95, .Height = 16, .Text = "Number remaining:", .TextSize = 10, .Align = kLeft, .Tab = 32},
    {.Name = "StaticTextNumRemaining", .kind = Kind::StaticText, .Left = 255, .Top = 273, .Width = 25, .Height = 16, .Text = "", .TextSize = 10, .Align = kLeft, .Tab = 33},
    {.Name = "Rectangle1", .kind = Kind::Rectangle, .Left = 378, .Top = 36, .Width = 156, .Height = 3, .BorderColor = kWhite, .BorderColorBottomRight = kWhite, .Tab = 33},
    {.Name = "Rectangle2", .kind = Kind::Rectangle, .Left = 378, .Top = 148, .Width = 156, .Height = 3, .BorderColor = kWhite, .BorderColorBottomRight = kWhite, .Tab = 34},
    {.Name = "TrafficLight", .kind = Kind::Oval, .Left = 289, .Top = 278, .Width = 8, .Height = 8, .BorderWidth = 0, .BorderColor = kBlack, .Tab = 35},
    {.Name = "Line5", .kind = Kind::Line, .Left = 567, .Top = 365, .Width = 0, .Height = -362, .Tab = 36},
    {.Name = "DisclosureTriangle1", .kind = Kind::DisclosureTriangle, .Left = 549, .Top = 6, .Width = 12, .Height = 12, .Value = false, .AcceptFocus = false, .Tab = 38},
    ListBox1(39),
    {.Name = "StaticText11", .kind = Kind::StaticText, .Left = 583, .Top = 19, .Width = 130, .Height = 16, .Text = "History", .Align = kLeft, .Tab = 40},
};
// clang-format on

}  // namespace

const WindowRecord kWindowSimL1Record{
    .Title = "Darwin's Theory",
    .Width = 750,
    .Height = 368,
    .frame = Frame::Document,
    .Placement = 0,
    .CloseButton = true,
    .Resizeable = false,
    .HasBackColor = false,
    .MenuBarVisible = true,
};

const std::span<const ControlSpec> kWindowSimL1Controls{kControls};
