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
  QMenu* file = nullptr;               // mfail
  QAction* ls12 = nullptr;             // ファイルを開く(新規)
  QAction* ls121 = nullptr;            // ファイルを追加
  QAction* uHozon = nullptr;           // 上書き保存
  QAction* ls13 = nullptr;             // 名前を付けてファイルに保存
  QAction* txtout = nullptr;           // 氏名データをﾃｷｽﾄﾌｧｲﾙに出力
  QAction* txtoutir = nullptr;         // 一覧表示をテキストファイルに出力
  QAction* txtoutH = nullptr;          // 表示画面をテキストファイルに出力
  QAction* icalout = nullptr;          // iCalendar形式で書き出し…
  QMenu* recent = nullptr;             // 履歴
  std::array<QAction*, 10> rirekid{};  // the recent files, newest first
  QAction* rirekic = nullptr;          // 履歴のクリア
  QAction* risinki = nullptr;          // リストの内容を全て消す
  QAction* msryu = nullptr;
  QAction* rsyuryou = nullptr;

  QMenu* edit = nullptr;           // ls21, also the person list's context menu
  QAction* ls231 = nullptr;        // 戻す(削除)
  QAction* ls23 = nullptr;         // 削除
  QAction* ls26 = nullptr;         // 選択の取り消し
  QAction* ls27 = nullptr;         // 移動用の 切り取り
  QAction* ls22 = nullptr;         // 切り取りの挿入
  QAction* ls25 = nullptr;         // 重複を削除
  QMenu* sort = nullptr;           // ls31
  std::array<QAction*, 5> ls36{};  // the sort keys
  std::array<QAction*, 2> ls32{};  // 昇順, 降順
  QAction* ls38 = nullptr;         // 基本の並びの表示

  QMenu* search = nullptr;   // 検索
  QAction* ls14 = nullptr;   // 検索画面の表示
  QAction* ls24 = nullptr;   // 検索を前に戻す
  QAction* ls241 = nullptr;  // 検索を後に進める

  QMenu* input = nullptr;  // mnyuryk
  std::array<QAction*, 2> m2{};
  QAction* riremodos = nullptr;

  QMenu* panels = nullptr;  // mgamen
  std::array<QAction*, kPanelCount> m1{};
  std::array<QAction*, 2> msg2{};
  QAction* fnc01 = nullptr;

  QMenu* settings = nullptr;    // msetty
  QAction* setteig = nullptr;   // 設定画面の表示
  QAction* lunokas2 = nullptr;  // 動作確認用 Lunokaを　[現在]の年月日で実行

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
