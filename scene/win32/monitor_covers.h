#pragma once
// Black windows over the parts of the monitors that the scene's window leaves bare. They stay
// on top, are never activated and take no input, so the scene keeps the keyboard.
#include <windows.h>

#include <span>
#include <vector>

#include "scene/screen_plan.h"

// Every monitor as the system lays them out now, the primary among them.
std::vector<ScreenRect> monitorRects();

// Shows one cover over each rectangle. None asked for, nothing is created.
void coverScreens(HINSTANCE instance, std::span<const ScreenRect> covers);

// Destroys the covers again; safe when there are none.
void uncoverScreens();
