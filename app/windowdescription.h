#pragma once

#include <span>

// The main window's controls as data: the one place their names, places,
// captions and tab order are written down.
enum class ControlClass { Image, PaintBox, ProgressBar, Panel, Label, Edit, Button,
                          CheckBox, RadioButton, Bevel };

struct ControlSpec {
    const char *name;
    ControlClass kind;
    const char *parent;  // "Form1" or a panel
    int left, top, width, height;
    const char *text;    // caption or initial text, UTF-8; nullptr when none
    int tabOrder;        // among the parent's controls; -1 when it has none
    bool tabStop;
};

inline constexpr const char *kApplicationTitle = "Dedarezava by Dirararev";
inline constexpr const char *kForm1Caption = "Dedarezava ver. 1.00a  by Dirararev";
inline constexpr int kForm1Width = 425;
inline constexpr int kForm1Height = 281;
inline constexpr int kForm1Left = 195;
inline constexpr int kForm1Top = 104;

std::span<const ControlSpec> form1Controls();
