#pragma once
// The main window's mouse, wheel and key handlers: orbit, pan and zoom the camera, grab control points,
// choose scenes.
#include "platform/ui/keys.h"

class Viewer;

void Panel1MouseDown(Viewer& viewer);
void Panel1MouseMove(Viewer& viewer, ui::ShiftState shift, int x, int y);
void Panel1MouseUp(Viewer& viewer);
void FormMouseWheelDown(Viewer& viewer);
void FormMouseWheelUp(Viewer& viewer);
void FormKeyUp(Viewer& viewer, ui::KeyCode key);
