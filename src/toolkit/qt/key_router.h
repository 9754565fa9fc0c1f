// Every key press in the active program window goes to the core's shortcut table first (Tab
// and Shift+Tab included); only a key the table does not take reaches the gadget. Also keeps
// the set of keys held down in the program's windows.
#pragma once

#include <QObject>
#include <bitset>
#include <functional>

class QWidget;

namespace toolkit::qt {

class KeyRouter : public QObject {
  public:
    // window_number: the program window a top-level widget shows, or -1.
    explicit KeyRouter(std::function<int(const QWidget*)> window_number);

    // Also true, once, for a key pressed since the last question: one wait may handle a press
    // and its release together, and a short tap of Escape must still end the program.
    bool is_down(int virtual_key);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool take_as_shortcut(QObject* watched, QEvent* event) const;
    // Virtual-key codes are below 256; 0 stands for a key without one.
    static bool known(int virtual_key) { return virtual_key > 0 && virtual_key < 256; }

    std::function<int(const QWidget*)> window_number_;
    std::bitset<256> held_; // by code: bits, so that a key press allocates nothing
    std::bitset<256> pressed_since_asked_;
};

} // namespace toolkit::qt
