// The layout of "Mutation's Role", control by control in creation order.

#include "darwins_theory/sim_layout.h"
#include "mutations_role/window_sim_l2.h"

namespace {

using namespace sim_layout;

// One line per control, as the layout reads.
// clang-format off
const ControlSpec kControls[] = {
    kBox1,
    kRectangleRange,
    Timer1(40),
    kBox3,
    kHistoCurrent,
    kBox2,
    kHistoStart,
    kPushButtonRun,
    kPushButtonDivide,
    kPushButtonNewPop,
    {.Name = "StaticText1", .kind = Kind::StaticText, .Left = 336, .Top = 299, .Width = 185, .Height = 33, .Text = "Form of dots is variable and heritable", .Align = kLeft, .MultiLine = true, .Tab = 7},
    {.Name = "StaticText2", .kind = Kind::StaticText, .Left = 336, .Top = 343, .Width = 101, .Height = 16, .Text = "Survival is:", .Align = kLeft, .Tab = 8},
    {.Name = "CheckBoxSelective", .kind = Kind::CheckBox, .Left = 411, .Top = 341, .Width = 80, .Height = 20, .Text = "Selective", .Value = true, .Tab = 9},
    {.Name = "StaticText5", .kind = Kind::StaticText, .Left = 419, .Top = 19, .Width = 130, .Height = 16, .Text = "Starting population", .Align = kLeft, .Tab = 10},
    {.Name = "StaticText6", .kind = Kind::StaticText, .Left = 419, .Top = 131, .Width = 130, .Height = 16, .Text = "Current population", .Align = kLeft, .Tab = 11},
    {.Name = "Line1", .kind = Kind::Line, .Left = 370, .Top = 237, .Width = 3, .Height = 0, .Tab = 12},
    {.Name = "Line2", .kind = Kind::Line, .Left = 370, .Top = 153, .Width = 3, .Height = 0, .Tab = 13},
    {.Name = "Line3", .kind = Kind::Line, .Left = 370, .Top = 125, .Width = 3, .Height = 0, .Tab = 14},
    {.Name = "Line4", .kind = Kind::Line, .Left = 370, .Top = 41, .Width = 3, .Height = 0, .Tab = 15},
    {.Name = "StaticText3", .kind = Kind::StaticText, .Left = 360, .Top = 117, .Width = 6, .Height = 16, .Text = "0", .TextSize = 10, .Align = kLeft, .Tab = 16},
    {.Name = "StaticText7", .kind = Kind::StaticText, .Left = 360, .Top = 229, .Width = 6, .Height = 16, .Text = "0", .TextSize = 10, .Align = kRight, .Tab = 17},
    StaticTextMaxCurrent(18),
    StaticTextMaxStart(19),
    {.Name = "StaticText8", .kind = Kind::StaticText, .Left = 333, .Top = 56, .Width = 30, .Height = 52, .Text = "No. of dots", .Align = kCenter, .MultiLine = true, .Tab = 20},
    {.Name = "StaticText9", .kind = Kind::StaticText, .Left = 333, .Top = 168, .Width = 30, .Height = 52, .Text = "No. of dots", .Align = kCenter, .MultiLine = true, .Tab = 21},
    {.Name = "CheckBoxWithMut", .kind = Kind::CheckBox, .Left = 411, .Top = 315, .Width = 115, .Height = 15, .Text = "with mutation", .Value = false, .Tab = 22},
    {.Name = "StaticText10", .kind = Kind::StaticText, .Left = 20, .Top = 339, .Width = 95, .Height = 16, .Text = "Starting pop'n size:", .TextSize = 10, .Align = kLeft, .Tab = 23},
    {.Name = "EditFieldPopSz", .kind = Kind::EditField, .Left = 116, .Top = 338, .Width = 25, .Height = 18, .Text = "50", .TextSize = 10, .Align = kLeft, .LimitText = 3, .Tab = 24},
    {.Name = "StaticText11", .kind = Kind::StaticText, .Left = 420, .Top = 256, .Width = 70, .Height = 16, .Text = "Phenotype", .Align = kCenter, .Tab = 25},
    {.Name = "OvalColor", .kind = Kind::Oval, .Index = 0, .Left = 385, .Top = 242, .Width = 10, .Height = 10, .Tab = 26},
    {.Name = "OvalColor", .kind = Kind::Oval, .Index = 1, .Left = 406, .Top = 242, .Width = 10, .Height = 10, .Tab = 27},
    {.Name = "OvalColor", .kind = Kind::Oval, .Index = 2, .Left = 428, .Top = 242, .Width = 10, .Height = 10, .Tab = 28},
    {.Name = "OvalColor", .kind = Kind::Oval, .Index = 3, .Left = 450, .Top = 242, .Width = 10, .Height = 10, .Tab = 29},
    {.Name = "OvalColor", .kind = Kind::Oval, .Index = 4, .Left = 472, .Top = 242, .Width = 10, .Height = 10, .Tab = 30},
    {.Name = "OvalColor", .kind = Kind::Oval, .Index = 5, .Left = 494, .Top = 242, .Width = 10, .Height = 10, .Tab = 31},
    {.Name = "OvalColor", .kind = Kind::Oval, .Index = 6, .Left = 516, .Top = 242, .Width = 10, .Height = 10, .Tab = 32},
    {.Name = "StaticText4", .kind = Kind::StaticText, .Left = 157, .Top = 273, .Width = 95, .Height = 16, .Text = "Number remaining:", .TextSize = 10, .Align = kLeft, .Tab = 33},
    {.Name = "StaticTextNumRemaining", .kind = Kind::StaticText, .Left = 255, .Top = 273, .Width = 25, .Height = 16, .Text = "", .TextSize = 10, .Align = kLeft, .Tab = 34},
    {.Name = "Rectangle1", .kind = Kind::Rectangle, .Left = 378, .Top = 36, .Width = 156, .Height = 3, .BorderColor = kWhite, .BorderColorBottomRight = kWhite, .Tab = 35},
    {.Name = "Rectangle2", .kind = Kind::Rectangle, .Left = 378, .Top = 148, .Width = 156, .Height = 3, .BorderColor = kWhite, .BorderColorBottomRight = kWhite, .Tab = 36},
    {.Name = "TrafficLight", .kind = Kind::Oval, .Left = 289, .Top = 278, .Width = 8, .Height = 8, .BorderWidth = 0, .BorderColor = kBlack, .Tab = 37},
    {.Name = "Line5", .kind = Kind::Line, .Left = 567, .Top = 365, .Width = 0, .Height = -362, .Tab = 38},
    {.Name = "DisclosureTriangle1", .kind = Kind::DisclosureTriangle, .Left = 549, .Top = 6, .Width = 12, .Height = 12, .Value = false, .Tab = 39},
    {.Name = "StaticText12", .kind = Kind::StaticText, .Left = 583, .Top = 19, .Width = 130, .Height = 16, .Text = "History", .Align = kLeft, .Tab = 40},
    ListBox1(41),
};
// clang-format on

}  // namespace

const WindowRecord kWindowSimL2Record{
    .Title = "Mutation's Role",
    .Width = 750,
    .Height = 376,
    .frame = Frame::Document,
    .Placement = 0,
    .CloseButton = true,
    .Resizeable = false,
    .HasBackColor = false,
    .MenuBarVisible = true,
};

const std::span<const ControlSpec> kWindowSimL2Controls{kControls};
