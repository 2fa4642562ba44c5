#include "mainwindow/qt/main_menus.h"

#include <QMenu>
#include <QMenuBar>

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

QString utf8(const std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

MainMenus build_main_menus(QMenuBar* bar) {
  MainMenus menus;
  menus.file = add_menu(bar, "mfail", "ファイル(&F)");
  menus.msryu = add_item(menus.file, QStringLiteral("msryu"), QStringLiteral("Pelmiraの終了"));
  menus.file->addSeparator();
  menus.rsyuryou =
      add_item(menus.file, QStringLiteral("rsyuryou"), QStringLiteral("レジストリを削除して終了"));

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
                 utf8(listing_menu_caption(static_cast<i16>(kind))), true);

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
  for (int kind = 0; kind < kListingKindCount; ++kind)
    menus.itirank1[static_cast<std::size_t>(kind)]->setChecked(kind == session.listing().kind);
  menus.itirank1[kListingSolarTerms]->setVisible(session.solar_term_listing_offered());
  const std::string& today_caption = session.listing_controls().today_menu_caption;
  if (!today_caption.empty()) menus.m2[0]->setText(QString::fromStdString(today_caption));
}

}  // namespace pelmira
