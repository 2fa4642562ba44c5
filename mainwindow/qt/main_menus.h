#pragma once
// The menu bar of the main window: its menus and items, each action named after its menu
// control and index (`m1_4`, `msg2_0`, `fnc01`, `itirank1_9`, ...), and their check marks,
// captions and visibility as the session says.

#include <array>

#include "listings/selector.h"
#include "mainwindow/main_session.h"

class QAction;
class QMenu;
class QMenuBar;

namespace pelmira {

struct MainMenus {
  QMenu* file = nullptr;  // mfail
  QAction* msryu = nullptr;
  QAction* rsyuryou = nullptr;

  QMenu* input = nullptr;  // mnyuryk
  std::array<QAction*, 2> m2{};
  QAction* riremodos = nullptr;

  QMenu* panels = nullptr;  // mgamen
  std::array<QAction*, kPanelCount> m1{};
  std::array<QAction*, 2> msg2{};
  QAction* fnc01 = nullptr;

  QMenu* listing = nullptr;  // itirank
  std::array<QAction*, kListingKindCount> itirank1{};

  QMenu* help = nullptr;
  QAction* pelmirahelp01 = nullptr;
  QAction* ghfail = nullptr;
  QAction* pelmirahelp03 = nullptr;
};

// Fills the menu bar.
MainMenus build_main_menus(QMenuBar* bar);

// Check marks, captions and visibility from the session.
void render_menus(const MainMenus& menus, const MainSession& session);

}  // namespace pelmira
