#include "mainwindow/qt/main_menus.h"

#include <QMenu>
#include <QMenuBar>

#include "core/qt/box_text.h"

namespace pelmira {
namespace {

constexpr std::array<const char*, kPanelCount> kPanelItems{
    "  入力　画面の表示",     "  表示　画面の表示",   "  カレンダー　の表示",
    "  一覧表示　画面の表示", "  リスト　画面の表示", "  リスト　「Lunoka」用入力",
};

QMenu* add_menu(QMenuBar* bar, const char* name, const char* caption) {
  QMenu* menu = bar->addMenu(QString::fromUtf8(caption));
  menu->setObjectName(QString::fromUtf8(name));
  menu->setAccessibleName(menu->title().remove(QLatin1Char('&')));
  return menu;
}

QAction* add_item(QMenu* menu, const QString& name, const QString& caption,
                  bool checkable = false) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(name);
  action->setCheckable(checkable);
  return action;
}

void build_file_menu(MainMenus& menus) {
  QMenu* file = menus.file;
  menus.ls12 = add_item(file, QStringLiteral("ls12"), QStringLiteral("ファイルを開く(新規)"));
  menus.ls121 = add_item(file, QStringLiteral("ls121"), QStringLiteral("ファイルを追加"));
  file->addSeparator();
  menus.uHozon = add_item(file, QStringLiteral("uHozon"), QStringLiteral("上書き保存"));
  menus.ls13 = add_item(file, QStringLiteral("ls13"), QStringLiteral("名前を付けてファイルに保存"));
  file->addSeparator();
  menus.txtout =
      add_item(file, QStringLiteral("txtout"), QStringLiteral("氏名データをﾃｷｽﾄﾌｧｲﾙに出力"));
  menus.txtoutir = add_item(file, QStringLiteral("txtoutir"),
                            QStringLiteral("一覧表示をテキストファイルに出力"));
  menus.txtoutH =
      add_item(file, QStringLiteral("txtoutH"), QStringLiteral("表示画面をテキストファイルに出力"));
  menus.icalout =
      add_item(file, QStringLiteral("icalout"), QStringLiteral("iCalendar形式で書き出し…"));
  file->addSeparator();
  menus.recent = file->addMenu(QStringLiteral("履歴"));
  menus.recent->setObjectName(QStringLiteral("rireki"));
  menus.recent->setAccessibleName(QStringLiteral("履歴"));
  for (int i = 0; i < 10; ++i)
    menus.rirekid[static_cast<std::size_t>(i)] =
        add_item(menus.recent, QStringLiteral("rirekid_%1").arg(i + 1), QString());
  menus.recent->addSeparator();
  menus.rirekic = add_item(menus.recent, QStringLiteral("rirekic"), QStringLiteral("履歴のクリア"));
  menus.risinki =
      add_item(file, QStringLiteral("risinki"), QStringLiteral("リストの内容を全て消す"));
  file->addSeparator();
}

void build_edit_menu(MainMenus& menus) {
  QMenu* edit = menus.edit;
  menus.ls231 = add_item(edit, QStringLiteral("ls231"), QStringLiteral("戻す(削除)"));
  edit->addSeparator();
  menus.ls23 = add_item(edit, QStringLiteral("ls23"), QStringLiteral("削除"));
  menus.ls26 = add_item(edit, QStringLiteral("ls26"), QStringLiteral("選択の取り消し"));
  menus.ls27 = add_item(edit, QStringLiteral("ls27"), QStringLiteral("移動用の 切り取り"));
  menus.ls22 = add_item(edit, QStringLiteral("ls22"), QStringLiteral("切り取りの挿入"));
  menus.ls25 = add_item(edit, QStringLiteral("ls25"), QStringLiteral("重複を削除"));
  edit->addSeparator();
  menus.sort = edit->addMenu(QStringLiteral("並べ替え"));
  menus.sort->setObjectName(QStringLiteral("ls31"));
  menus.sort->setAccessibleName(QStringLiteral("並べ替え"));
  static constexpr std::array<const char*, 5> kKeys{"氏名(音読み)", "年月日", "月日", "日",
                                                    "誕生日までの日数"};
  for (int key = 0; key < 5; ++key)
    menus.ls36[static_cast<std::size_t>(key)] =
        add_item(menus.sort, QStringLiteral("ls36_%1").arg(key),
                 QString::fromUtf8(kKeys[static_cast<std::size_t>(key)]));
  menus.sort->addSeparator();
  menus.ls32[0] = add_item(menus.sort, QStringLiteral("ls32_0"), QStringLiteral("昇順"), true);
  menus.ls32[1] = add_item(menus.sort, QStringLiteral("ls32_1"), QStringLiteral("降順"), true);
  edit->addSeparator();
  menus.ls38 = add_item(edit, QStringLiteral("ls38"), QStringLiteral("基本の並びの表示"));
}

void render_list_menus(const MainMenus& menus, const MainSession& session) {
  const ListMenuStates& states = session.view().list.summary.menus;
  menus.ls13->setEnabled(states.save_as);
  menus.txtout->setEnabled(states.text_export);
  menus.icalout->setEnabled(states.text_export);
  menus.ls121->setEnabled(states.add_file);
  menus.risinki->setEnabled(states.clear_list);
  menus.uHozon->setEnabled(states.overwrite_save);
  menus.ls25->setEnabled(states.remove_duplicates);
  menus.sort->setEnabled(states.sort_menu);
  menus.ls23->setEnabled(states.delete_row);
  menus.ls26->setEnabled(states.clear_selection);
  menus.ls27->setEnabled(states.cut);
  menus.ls22->setEnabled(states.insert_cut);
  menus.ls231->setEnabled(states.undo_delete);
  menus.ls14->setEnabled(states.search_window);
  menus.ls24->setEnabled(states.search_back);
  menus.ls241->setEnabled(states.search_forward);
  menus.ls32[0]->setChecked(session.list_display().ascending);
  menus.ls32[1]->setChecked(!session.list_display().ascending);
  const std::string& days_caption = session.listing_controls().sort_menu_caption;
  if (!days_caption.empty()) menus.ls36[4]->setText(QString::fromStdString(days_caption));
  const std::vector<std::string>& recent = session.recent_files().paths;
  for (std::size_t i = 0; i < menus.rirekid.size(); ++i) {
    QAction* item = menus.rirekid[i];
    item->setVisible(i < recent.size());
    // A path is shown as it is: "&" would otherwise mark a shortcut key.
    if (i < recent.size())
      item->setText(
          QString::fromStdString(recent[i]).replace(QLatin1Char('&'), QStringLiteral("&&")));
  }
  menus.rirekic->setEnabled(session.recent_files().clear_enabled());
}

}  // namespace

MainMenus build_main_menus(QMenuBar* bar) {
  MainMenus menus;
  menus.file = add_menu(bar, "mfail", "ファイル(&F)");
  build_file_menu(menus);
  menus.msryu = add_item(menus.file, QStringLiteral("msryu"), QStringLiteral("Pelmiraの終了"));
  menus.file->addSeparator();
  menus.rsyuryou =
      add_item(menus.file, QStringLiteral("rsyuryou"), QStringLiteral("レジストリを削除して終了"));

  menus.edit = add_menu(bar, "ls21", "編集(&E)");
  build_edit_menu(menus);

  menus.search = add_menu(bar, "mkensaku", "検索(&K)");
  menus.ls14 = add_item(menus.search, QStringLiteral("ls14"), QStringLiteral("検索画面の表示"));
  menus.search->addSeparator();
  menus.ls24 = add_item(menus.search, QStringLiteral("ls24"), QStringLiteral("検索を前に戻す"));
  menus.ls241 = add_item(menus.search, QStringLiteral("ls241"), QStringLiteral("検索を後に進める"));

  menus.input = add_menu(bar, "mnyuryk", "入力(&I)");
  menus.m2[0] = add_item(menus.input, QStringLiteral("m2_0"), QStringLiteral("誕生を今日にする"));
  menus.m2[1] = add_item(menus.input, QStringLiteral("m2_1"), QStringLiteral("現在を今日にする"));
  menus.input->addSeparator();
  menus.riremodos =
      add_item(menus.input, QStringLiteral("riremodos"), QStringLiteral("戻す(入力)"));

  menus.panels = add_menu(bar, "mgamen", "画面(&V)");
  for (int i = 0; i < kPanelCount; ++i)
    menus.m1[static_cast<std::size_t>(i)] =
        add_item(menus.panels, QStringLiteral("m1_%1").arg(i),
                 QString::fromUtf8(kPanelItems[static_cast<std::size_t>(i)]), true);
  menus.panels->addSeparator();
  menus.msg2[0] = add_item(menus.panels, QStringLiteral("msg2_0"), QStringLiteral("全てを表示"));
  menus.msg2[1] = add_item(menus.panels, QStringLiteral("msg2_1"), QStringLiteral("全て非表示"));
  menus.panels->addSeparator();
  menus.fnc01 =
      add_item(menus.panels, QStringLiteral("fnc01"), QStringLiteral("　年間カレンダー"), true);

  menus.listing = add_menu(bar, "itirank", "一覧画面の表示項目(&L)");
  for (int kind = 0; kind < kListingKindCount; ++kind)
    menus.itirank1[static_cast<std::size_t>(kind)] =
        add_item(menus.listing, QStringLiteral("itirank1_%1").arg(kind),
                 from_utf8(listing_menu_caption(static_cast<i16>(kind))), true);

  menus.settings = add_menu(bar, "msetty", "設定(&S)");
  menus.setteig =
      add_item(menus.settings, QStringLiteral("setteig"), QStringLiteral("設定画面の表示"));
  menus.settings->addSeparator();
  menus.lunokas2 = add_item(menus.settings, QStringLiteral("lunokas2"),
                            QStringLiteral("動作確認用 Lunokaを　[現在]の年月日で実行"));

  menus.help = add_menu(bar, "pelmirahelp", "ヘルプ(&H)");
  menus.pelmirahelp01 =
      add_item(menus.help, QStringLiteral("pelmirahelp01"), QStringLiteral("目次"));
  menus.ghfail =
      add_item(menus.help, QStringLiteral("ghfail"), QStringLiteral("現在開いているファイル"));
  menus.help->addSeparator();
  menus.pelmirahelp03 =
      add_item(menus.help, QStringLiteral("pelmirahelp03"), QStringLiteral("バージョン情報"));
  return menus;
}

void render_menus(const MainMenus& menus, const MainSession& session) {
  for (int i = 0; i < kPanelCount; ++i)
    menus.m1[static_cast<std::size_t>(i)]->setChecked(
        session.panel_items()[static_cast<std::size_t>(i)]);
  menus.fnc01->setChecked(session.year_calendar_shown());
  menus.riremodos->setEnabled(session.input_history().undo_enabled());
  render_list_menus(menus, session);
  for (int kind = 0; kind < kListingKindCount; ++kind)
    menus.itirank1[static_cast<std::size_t>(kind)]->setChecked(kind == session.listing().kind);
  menus.itirank1[kListingSolarTerms]->setVisible(session.solar_term_listing_offered());
  const std::string& today_caption = session.listing_controls().today_menu_caption;
  if (!today_caption.empty()) menus.m2[0]->setText(QString::fromStdString(today_caption));
}

}  // namespace pelmira
