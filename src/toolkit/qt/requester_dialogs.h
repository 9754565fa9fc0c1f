// The modal requesters: file, colour and message boxes and a list to choose from, owned by the
// program's foreground window. Qt's own dialogs replace the desktop's when the platform is
// offscreen or when GRIDLET_QT_DIALOGS is set, so that tests and scripted runs can drive them.
#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>
#include <array>
#include <string>
#include <vector>

#include "toolkit/binding.h"

namespace toolkit::qt {

bool qt_dialogs_wanted();

// "description (mask)", the form Qt reads a name filter in; an empty mask lists all files and
// masks separated by ";" become Qt's space-separated list.
QString name_filter(const FilePattern& pattern);
// Index of the filter the dialog reports as selected, which may be the full filter or its
// description alone. A desktop's own dialog may report one in a form of its own, or none:
// then the filter it was opened with (`preset`) stands, so the chosen file is not ignored.
int filter_index(const QStringList& filters, const QString& selected, int preset);

FileChoice run_file_requester(const FileRequest& request, QWidget* owner);
int run_color_requester(int start_color, std::array<int, 16>& custom_colors, QWidget* owner);
int run_message_requester(const std::string& title, const std::string& text, int flags,
                          QWidget* owner);
// A label over the list, OK and Cancel; a double-click on an item chooses it too.
int run_list_requester(const std::string& title, const std::string& text,
                       const std::vector<std::string>& items, QWidget* owner);

} // namespace toolkit::qt
