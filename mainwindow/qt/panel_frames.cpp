#include "mainwindow/qt/panel_frames.h"

#include <QItemSelectionModel>
#include <QLabel>
#include <QListView>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QResizeEvent>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QUrl>

#include "core/twips.h"
#include "mainwindow/qt/widget_support.h"

namespace pelmira {
namespace {

// The close button: 255 twips from the frame's right edge, on the caption line.
constexpr int kCloseButtonInset = 255;
constexpr int kCloseButtonSize = 240;
// The light cyan of today's "現在" block.
const QColor kTodayBackground(192, 255, 255);

}  // namespace

// --- The frame ------------------------------------------------------------------------------

PanelFrame::PanelFrame(int index, const QString& accessible_name, QWidget* parent)
    : QGroupBox(parent), index_(index) {
  setObjectName(QStringLiteral("Frame1_%1").arg(index));
  setAccessibleName(accessible_name);
  const PanelSize size = kDesignPanelSizes[static_cast<std::size_t>(index)];
  resize(twips_to_pixels(size.width), twips_to_pixels(size.height));
  close_ = new QPushButton(QStringLiteral("X"), this);
  close_->setObjectName(QStringLiteral("Command6_%1").arg(index));
  close_->setAccessibleName(accessible_name + QStringLiteral("を閉じる"));
  close_->setToolTip(QStringLiteral("閉じる"));
  close_->setFocusPolicy(Qt::NoFocus);
  connect(close_, &QPushButton::clicked, this, [this] { Q_EMIT close_clicked(index_); });
}

void PanelFrame::resizeEvent(QResizeEvent* event) {
  QGroupBox::resizeEvent(event);
  const int size = twips_to_pixels(kCloseButtonSize);
  close_->setGeometry(width() - twips_to_pixels(kCloseButtonInset), 0, size, size);
}

QLabel* PanelFrame::add_label(const QString& name, const QString& accessible_name, int left,
                              int top, int width, int height) {
  auto* label = new QLabel(this);
  label->setObjectName(name);
  label->setAccessibleName(accessible_name);
  label->setGeometry(twips_rect(left, top, width, height));
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return label;
}

QPushButton* PanelFrame::add_button(const QString& name, const QString& caption, int left, int top,
                                    int width, int height,
                                    std::function<void(MainSession&)> operation) {
  auto* button = new QPushButton(caption, this);
  button->setObjectName(name);
  button->setAccessibleName(caption);
  button->setGeometry(twips_rect(left, top, width, height));
  button->setFocusPolicy(Qt::NoFocus);
  connect(button, &QPushButton::clicked, this,
          [this, operation = std::move(operation)] { forward(operation); });
  return button;
}

// --- Panel 1: the age report ----------------------------------------------------------------

ReportPanel::ReportPanel(QWidget* parent)
    : PanelFrame(kReportPanel, QStringLiteral("表示"), parent) {
  setTitle(QStringLiteral("  表示  "));
  birth_ =
      add_label(QStringLiteral("Label2_10"), QStringLiteral("誕生側の年月日"), 120, 270, 4560, 720);
  age_ = add_label(QStringLiteral("Label2_11"), QStringLiteral("満年齢"), 120, 1005, 4560, 240);
  now_ =
      add_label(QStringLiteral("Label2_12"), QStringLiteral("現在の年月日"), 120, 1260, 4560, 720);
  totals_ =
      add_label(QStringLiteral("Label2_13"), QStringLiteral("月数と日数"), 120, 1995, 4560, 720);
  counted_ = add_label(QStringLiteral("Label2_38"), QStringLiteral("数え年"), 120, 2730, 4560, 480);
  birthstone_ =
      add_label(QStringLiteral("Label1_0"), QStringLiteral("誕生石"), 120, 3225, 4560, 240);
}

void ReportPanel::render(const MainSession& session) {
  const ReportTexts& report = session.view().report;
  birth_->setText(text_of(report.birth_block));
  age_->setText(text_of(report.age_line));
  now_->setText(text_of(report.now_block));
  totals_->setText(text_of(report.totals_block));
  counted_->setText(text_of(report.counted_age_block));
  counted_->setToolTip(text_of(report.counted_age_tooltip));
  counted_->setVisible(!report.counted_age_hidden);
  birthstone_->setText(text_of(report.birthstone));
  birthstone_->setVisible(!report.birthstone_hidden);
  const QColor button_text = palette().color(QPalette::ButtonText);
  if (report.now_is_today)
    set_colours(now_, button_text, kTodayBackground);
  else
    set_colours(now_, kTodayBackground, button_text);
}

// --- Panel 4: the person list ---------------------------------------------------------------

ListPanel::ListPanel(const MainSession& session, QWidget* parent)
    : PanelFrame(kListPanel, QStringLiteral("リスト"), parent),
      model_(session.persons(), session.state(), session.list_display()) {
  setTitle(QStringLiteral("  リスト  "));
  header_clip_ = new QWidget(this);
  header_ = new QLabel(header_clip_);
  header_->setObjectName(QStringLiteral("Label8"));
  header_->setAccessibleName(QStringLiteral("リストの見出し"));
  header_->setFont(list_pane_font());
  list_ = new_list_view(QStringLiteral("List1"), QStringLiteral("氏名リスト"), &model_, this);
  list_->setLayoutMode(QListView::Batched);
  list_->viewport()->installEventFilter(this);
  // The highlighted row is the selected person however it was highlighted: a selection the
  // session's own render did not make (the keyboard's, or the view's own handling of a
  // double click) is forwarded as a click on that row, so that 削除, 切り取り, 書換 and 追加
  // work on the person the user sees highlighted.
  connect(list_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          [this] { selection_changed_by_user(); });
  list_->viewport()->setAcceptDrops(true);
  list_->setDragDropMode(QAbstractItemView::DropOnly);
  // The header scrolls sideways with the lines under it.
  connect(list_->horizontalScrollBar(), &QScrollBar::valueChanged, this,
          [this](int offset) { header_->move(-offset, 0); });
  summary_ = add_label(QStringLiteral("Label9"), QStringLiteral("状態"), 120, 0, 4560, 240);
}

bool ListPanel::eventFilter(QObject* watched, QEvent* event) {
  if (watched != list_->viewport()) return PanelFrame::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::MouseButtonPress: {
      const auto* press = static_cast<QMouseEvent*>(event);
      if (press->button() != Qt::LeftButton) return true;
      const QModelIndex index = list_->indexAt(press->position().toPoint());
      const int row = index.isValid() ? index.row() : -1;
      forward([row](MainSession& s) { s.List1_Click(row); });
      return true;
    }
    case QEvent::MouseButtonRelease: {
      const auto* release = static_cast<QMouseEvent*>(event);
      if (release->button() != Qt::RightButton) return false;
      Q_EMIT context_menu_requested(release->globalPosition().toPoint());
      return true;
    }
    case QEvent::DragEnter:
    case QEvent::DragMove: {
      // Files are copied into the list; anything else is refused.
      auto* drag = static_cast<QDropEvent*>(event);
      if (!dropped_files(*drag->mimeData()).empty()) {
        drag->setDropAction(Qt::CopyAction);
        drag->accept();
      } else {
        drag->ignore();
      }
      return true;
    }
    case QEvent::Drop: {
      auto* drop = static_cast<QDropEvent*>(event);
      const std::vector<std::string> paths = dropped_files(*drop->mimeData());
      if (paths.empty()) return true;
      drop->setDropAction(Qt::CopyAction);
      drop->accept();
      forward([&paths](MainSession& s) { s.open_files(paths); });
      return true;
    }
    default:
      return false;
  }
}

std::vector<std::string> dropped_files(const QMimeData& data) {
  std::vector<std::string> paths;
  for (const QUrl& url : data.urls())
    if (url.isLocalFile()) paths.push_back(url.toLocalFile().toStdString());
  return paths;
}

void ListPanel::resizeEvent(QResizeEvent* event) {
  PanelFrame::resizeEvent(event);
  // The list fills the panel less 600 twips of height and 200 of width, under its header
  // line; the summary line sits 250 above the panel's bottom.
  const int width_twips = pixels_to_twips(width());
  const int height_twips = pixels_to_twips(height());
  const QRect list_place = twips_rect(100, 510, width_twips - 200, height_twips - 600 - 270);
  list_->setGeometry(list_place);
  header_clip_->setGeometry(list_place.left() + list_->frameWidth(), twips_to_pixels(270),
                            list_place.width() - 2 * list_->frameWidth(), twips_to_pixels(240));
  summary_->setGeometry(twips_rect(120, height_twips - 250 - 60, width_twips - 240, 240));
  apply_column_count();
}

void ListPanel::selection_changed_by_user() {
  if (rendering_) return;
  const QModelIndexList selected = list_->selectionModel()->selectedIndexes();
  const int row = selected.isEmpty() ? -1 : selected.first().row();
  forward([row](MainSession& s) { s.List1_Click(row); });
}

void ListPanel::render(const MainSession& session) {
  const QScopedValueRollback<bool> rendering(rendering_, true);
  const WindowView& view = session.view();
  if (view.list_header != header_text_) {
    header_text_ = view.list_header;
    header_->setText(QString::fromStdString(header_text_));
    header_->adjustSize();
    apply_column_count();
  }
  if (view.list_lines_version != lines_version_) {
    lines_version_ = view.list_lines_version;
    model_.refill(view.list.persons);
  } else {
    model_.show_rows(view.list.persons);
  }
  if (view.list.selected >= 0)
    select_row(view.list.selected);
  else
    list_->clearSelection();
  summary_->setText(text_of(view.status_text));
  const bool today = view.report.now_is_today;
  set_colours(summary_, today ? QColor(Qt::black) : QColor(Qt::red),
              palette().color(QPalette::Window));
}

void ListPanel::apply_column_count() {
  const QFontMetrics metrics(list_->font());
  const int measure = metrics.horizontalAdvance(QString::fromStdString(header_text_ + "  "));
  const int columns = list_column_count(list_->viewport()->width(), measure);
  if (columns > 1) {
    list_->setFlow(QListView::TopToBottom);
    list_->setWrapping(true);
    list_->setGridSize(QSize(list_->viewport()->width() / columns, metrics.height() + 2));
  } else {
    list_->setWrapping(false);
    list_->setGridSize(QSize());
  }
}

void ListPanel::select_row(int row) {
  const QScopedValueRollback<bool> rendering(rendering_, true);
  if (row >= 0 && row < model_.rowCount()) {
    list_->setCurrentIndex(model_.index(row, 0));
    list_->scrollTo(model_.index(row, 0));
  }
}

}  // namespace pelmira
