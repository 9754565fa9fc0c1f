// The windows, canvases, data field and image 0 the renderers draw on, made the way the
// program makes them at start-up, on whatever binding the toolkit was started with.
#pragma once

#include <initializer_list>

enum class Surface { charsetView, dataField, glyphEditor, mapWindow, charsetImage };

// Creates every surface but those left out (a test of a drawing failure leaves one out).
void createViewSurfaces(std::initializer_list<Surface> leftOut = {});
