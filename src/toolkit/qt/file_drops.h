// Files dropped onto a gadget: only a list of local files is taken, always as a copy; other
// data is refused, so nothing happens when it is released.
#pragma once

#include <QDropEvent>
#include <QMimeData>
#include <string>
#include <vector>

namespace toolkit::qt {

// The full local paths of the dragged files, in order; empty when the data is anything else.
std::vector<std::string> local_files(const QMimeData* data);

// For drag enter and drag move events: accepts a file list as a copy if the gadget takes files.
void offer_copy_of_files(int gadget, QDropEvent& event);
void take_dropped_files(int gadget, QDropEvent& event);

} // namespace toolkit::qt
