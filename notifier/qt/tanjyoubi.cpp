#include "notifier/qt/tanjyoubi.h"

#include <QCloseEvent>
#include <QFont>
#include <QListView>

#include <cmath>

#include "core/qt/box_text.h"

namespace pelmira {
namespace {

// Border around the list: 150 twips across in all, so 5 pixels on each side.
constexpr int kMargin = 5;
constexpr int kTickMilliseconds = 1000;

QFont list_font(int point_size) {
  QFont font(QStringLiteral("IPAGothic"));
  font.setStyleHint(QFont::Monospace);
  font.setFixedPitch(true);
  font.setPointSize(point_size);
  return font;
}

}  // namespace

Tanjyoubi::Tanjyoubi(NotifierSession& session, NotifierDialogs& dialogs, SoundPlayer& sound,
                     QWidget* parent)
    : QWidget(parent), session_(session), dialogs_(dialogs), sound_(sound) {
  setWindowTitle(QStringLiteral("Lunoka"));
  list_ = new QListView(this);
  list_->setObjectName(QStringLiteral("List1"));
  list_->setModel(&model_);
  list_->setUniformItemSizes(true);
  list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list_->setFont(list_font(list_font_size(kDesignListWidth)));
  list_->viewport()->installEventFilter(this);
  timer_.setInterval(kTickMilliseconds);
  connect(&timer_, &QTimer::timeout, this, &Tanjyoubi::tick);
}

void Tanjyoubi::load() {
  session_.load();
  setWindowTitle(QString::fromStdString(session_.caption()));
  for (const DateReaderAlert& alert : session_.alerts())
    dialogs_.date_reader_alert(box_text(alert.text));
  if (const std::optional<ReadFailure>& failure = session_.failure()) {
    if (!failure->by_date_reader) dialogs_.read_error(box_text(failure->text));
    unload();
    return;
  }
  model_.set_lines(session_.lines());
  apply_layout(session_.layout());
  if (session_.visible()) show();
  if (session_.plays_sound()) sound_.open_and_play();
  timer_.start();
}

void Tanjyoubi::apply_layout(const NotifierLayout& layout) {
  move(twips_to_pixels(layout.left), twips_to_pixels(layout.top));
  resize(twips_to_pixels(layout.width), twips_to_pixels(layout.list_height) + 2 * kMargin);
  list_->setGeometry(kMargin, kMargin, twips_to_pixels(layout.list_width),
                     twips_to_pixels(layout.list_height));
  list_->setFont(list_font(layout.font_size));
}

void Tanjyoubi::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  const int list_width = width() - 2 * kMargin;
  if (width() * kTwipsPerPixel > 1000) {
    list_->setGeometry(kMargin, kMargin, list_width, std::max(0, height() - 2 * kMargin));
    list_->setFont(list_font(list_font_size(list_width * kTwipsPerPixel)));
  }
}

void Tanjyoubi::tick() {
  const TickAction action = session_.tick();
  if (action.caption) setWindowTitle(QString::fromStdString(*action.caption));
  if (action.stop_timer) timer_.stop();
  if (action.close_sound) sound_.close();
  if (action.unload) unload();
}

bool Tanjyoubi::eventFilter(QObject* watched, QEvent* event) {
  // A click anywhere on the list stops the count-down: the window stays until closed.
  if (watched == list_->viewport() && event->type() == QEvent::MouseButtonPress) timer_.stop();
  return QWidget::eventFilter(watched, event);
}

void Tanjyoubi::closeEvent(QCloseEvent* event) {
  unload();
  event->accept();
}

WindowPlace Tanjyoubi::place() const {
  return WindowPlace{pos().x() * kTwipsPerPixel, pos().y() * kTwipsPerPixel,
                     width() * kTwipsPerPixel};
}

void Tanjyoubi::unload() {
  if (unloaded_) return;
  unloaded_ = true;
  timer_.stop();
  session_.unload(place(), [this](const std::string& text) { dialogs_.count_box(box_text(text)); });
  sound_.close();
  hide();
  Q_EMIT unloaded();
}

}  // namespace pelmira
