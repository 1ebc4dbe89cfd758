#include "windowdescription.h"

namespace {

using C = ControlClass;

// Parents come before their children; Image1 before PaintBox1 so that the
// paint box lies on top.
constexpr ControlSpec kControls[] = {
    {"Image1", C::Image, "Form1", 32, 3, 200, 200, nullptr, -1, false},
    {"PaintBox1", C::PaintBox, "Form1", 32, 3, 200, 200, nullptr, -1, false},
    {"ProgressBar1", C::ProgressBar, "Form1", 19, 205, 230, 16, nullptr, 2, false},
    {"Panel1", C::Panel, "Form1", 0, 224, 425, 57, nullptr, 0, false},
    {"Label1", C::Label, "Panel1", 8, 10, 12, 12, "x=", -1, false},
    {"Label2", C::Label, "Panel1", 8, 34, 12, 12, "y=", -1, false},
    {"Label3", C::Label, "Panel1", 224, 10, 12, 12, "w=", -1, false},
    {"Edit1", C::Edit, "Panel1", 24, 8, 105, 20, "-0.5", 0, false},
    {"Edit2", C::Edit, "Panel1", 24, 32, 105, 20, "0.0", 1, false},
    {"Edit3", C::Edit, "Panel1", 240, 8, 105, 20, "1.8", 2, false},
    {"Button2", C::Button, "Panel1", 136, 8, 33, 17, "左(&4)", 3, true},
    {"Button3", C::Button, "Panel1", 176, 8, 33, 17, "右(&6)", 4, true},
    {"Button4", C::Button, "Panel1", 136, 32, 33, 17, "上(&8)", 5, true},
    {"Button5", C::Button, "Panel1", 176, 32, 33, 17, "下(&2)", 6, true},
    {"Button6", C::Button, "Panel1", 240, 32, 41, 17, "縮小(&-)", 7, true},
    {"Button7", C::Button, "Panel1", 288, 32, 41, 17, "拡大(&+)", 8, true},
    {"Button8", C::Button, "Panel1", 360, 8, 57, 17, "ﾃﾞﾌｫﾙﾄ(&D)", 9, true},
    {"Button1", C::Button, "Panel1", 360, 32, 57, 17, "描画(&P)", 10, true},
    {"Panel2", C::Panel, "Form1", 344, 0, 81, 223, nullptr, 1, false},
    {"Button10", C::Button, "Panel2", 16, 8, 57, 17, "保存(&S)", 0, true},
    {"CheckBox2", C::CheckBox, "Panel2", 8, 32, 65, 17, "保存する", 6, true},
    {"CheckBox1", C::CheckBox, "Panel2", 8, 48, 69, 17, "詳細描画", 5, true},
    {"RadioButton1", C::RadioButton, "Panel2", 8, 88, 68, 17, "ﾏﾝﾃﾞﾙﾌﾞﾛ", 1, true},
    {"RadioButton2", C::RadioButton, "Panel2", 8, 104, 65, 17, "ｼﾞｭﾘｱ", 2, true},
    {"RadioButton3", C::RadioButton, "Panel2", 8, 120, 68, 17, "超越関数", 7, true},
    {"Bevel1", C::Bevel, "Panel2", 2, 152, 77, 2, nullptr, -1, false},
    {"Label4", C::Label, "Panel2", 8, 160, 57, 12, "色ナンバー", -1, false},
    {"Edit4", C::Edit, "Panel2", 8, 176, 65, 20, "1", 4, false},
    {"Button9", C::Button, "Panel2", 16, 200, 57, 17, "色変更(&C)", 3, true},
    {"Panel3", C::Panel, "Form1", 255, 0, 88, 223, nullptr, 3, false},
    {"Label5", C::Label, "Panel3", 8, 136, 36, 12, "再帰数", -1, false},
    {"Edit5", C::Edit, "Panel3", 8, 152, 73, 20, "100", 0, true},
    {"Button11", C::Button, "Panel3", 24, 176, 57, 17, "増やす(&9)", 1, true},
    {"Button12", C::Button, "Panel3", 24, 200, 57, 17, "減らす(&3)", 2, true},
};

} // namespace

std::span<const ControlSpec> form1Controls()
{
    return kControls;
}
